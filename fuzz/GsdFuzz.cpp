// Fuzz target: any ParGen.xml as the GSD writer reads it, and the GSD file it writes, held to the
// same template as the writer's tests.
#include "ParGenReader.h"
#include "UProfibus_GSD.h"
#include "app/GsdExpected.h"

#include "rtl/Exceptions.h"

#include "FuzzFiles.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QString ParGen = WriteInputFile(QStringLiteral("ParGen.xml"), Data, Size);
    const QString Output = ScratchFile(QStringLiteral("Fuzz.gsd"));
    QFile::remove(Output);

    // The sizes as the writer's step reads them; a file that does not read is reported there.
    try {
        const TParGenReader Reader(ParGen);
        GSD_Input_Len = Reader.Int(pgNB_Input, 0);
        GSD_Output_Len = Reader.Int(pgNB_Output, 0);
    } catch (const Exception&) {
        return 0;
    }
    if (!GSD_Sizes_Valid(GSD_Input_Len, GSD_Output_Len)) {
        // Sizes no GSD file can describe are refused and nothing is written.
        try {
            Write_GSD_File(Output);
            std::abort();
        } catch (const ERangeError&) {
        }
        if (QFile::exists(Output)) std::abort();
        return 0;
    }
    Write_GSD_File(Output);
    if (ReadWholeFile(Output).toStdString() != GsdExpected::ExpectedGsd(GSD_Input_Len, GSD_Output_Len)) std::abort();
    return 0;
}
