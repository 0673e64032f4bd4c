// Fuzz target: the column stream reader. Any input is either refused whole (EColumnStreamError,
// the columns as they were) or read; what was read writes a stream that reads back to itself.
#include "grid/core/ColumnGrid.h"

#include "rtl/Streams.h"
#include "FuzzRig.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool Holds)
{
    if (!Holds) std::abort();
}

QByteArray Saved(TExtColumnGrid* Grid)
{
    TBytesStream Stream;
    Grid->SaveColumnsToStream(&Stream);
    return Stream.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TExtColumnGrid* Grid = FuzzControl<TExtColumnGrid>();
    Grid->SetColCount(4);
    const QByteArray Before = Saved(Grid);
    TBytesStream Input(QByteArray(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size)));
    try {
        Grid->LoadColumnsFromStream(&Input);
    } catch (const EColumnStreamError&) {
        Check(Saved(Grid) == Before);
        return 0;
    }
    const QByteArray Once = Saved(Grid);
    TBytesStream Again(Once);
    Grid->LoadColumnsFromStream(&Again);
    Check(Saved(Grid) == Once);
    return 0;
}
