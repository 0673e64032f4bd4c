// Fuzz target: component images of the binary cell stream read into each image class, written
// back and read again.
#include "grid/base/ExtGridError.h"
#include "grid/exchange/GridImages.h"

#include "rtl/Streams.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// The image class the first byte picks.
std::unique_ptr<TGridImage> MakeImage(uint8_t Kind)
{
    switch (Kind % 9) {
    case 0: return std::make_unique<TGridPropIO>(nullptr);
    case 1: return std::make_unique<TGridCellIO>(nullptr);
    case 2: return std::make_unique<TGridCellPropIO>(nullptr);
    case 3: return std::make_unique<TGridGraphicIO>(nullptr);
    case 4: return std::make_unique<TGridBMPIO>(nullptr);
    case 5: return std::make_unique<TGridIconIO>(nullptr);
    case 6: return std::make_unique<TGridPicIO>(nullptr);
    case 7: return std::make_unique<TGridFilePicIO>(nullptr);
    default: return std::make_unique<TGridSLIO>(nullptr);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size == 0) return 0;
    std::unique_ptr<TGridImage> Image = MakeImage(Data[0]);
    const QByteArray Fresh = ComponentImageBytes(Image.get());
    TBytesStream Stream(QByteArray(reinterpret_cast<const char*>(Data + 1), qsizetype(Size - 1)));
    try {
        ReadComponent(&Stream, Image.get());
    } catch (const EExtGridError&) {
        // A refused image changes neither the object nor the position.
        if (ComponentImageBytes(Image.get()) != Fresh || Stream.Position() != 0) std::abort();
        return 0;
    }
    if (Stream.Position() < 4 || Stream.Position() > Stream.Size()) std::abort();

    // What was read writes an image that reads back to the same image.
    const QByteArray Written = ComponentImageBytes(Image.get());
    std::unique_ptr<TGridImage> Again = MakeImage(Data[0]);
    TBytesStream Copy(Written);
    ReadComponent(&Copy, Again.get());
    if (Copy.Position() != Copy.Size() || ComponentImageBytes(Again.get()) != Written) std::abort();
    return 0;
}
