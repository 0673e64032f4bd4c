// Fuzz target: language files as the language table reads them.
#include "UComon.h"
#include "ULanguage.h"

#include "rtl/Exceptions.h"

#include "FuzzFiles.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QString FileName = WriteInputFile(QStringLiteral("Fuzz.lng"), Data, Size);

    Load_Default_Language();
    try {
        Read_Language_File(FileName);
    } catch (const Exception&) {
        std::abort();
    }
    // Lines only replace texts: the table keeps its 2500 entries.
    if (Lang_Table->Count() != Lang_Default_Count || Lang_Table_Size != Lang_Default_Count) std::abort();
    return 0;
}
