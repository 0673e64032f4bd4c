// Fuzz target: PDO and SDO-server rule files as the EDS writer reads them, and the file it writes.
#include "UComon.h"
#include "UEds.h"

#include "os/XmlDoc.h"
#include "rtl/Exceptions.h"

#include "FuzzFiles.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QString Rules = WriteInputFile(QStringLiteral("Rules.xml"), Data, Size);
    const QString Output = ScratchFile(QStringLiteral("Fuzz.eds"));
    QFile::remove(Output);

    // One document serves as both files: each reader takes only its own sections.
    File_PDO = Rules;
    File_SDO_Server = Rules;
    TXMLDocument XML(nullptr);
    try {
        Write_EDS_File(Output, XML);
    } catch (const Exception&) {
        // A rule file that does not parse or holds a bad value: nothing may have been written.
        if (QFile::exists(Output)) std::abort();
        return 0;
    }
    if (XML.Active()) std::abort();
    if (Num_RxPDO < 0 || Num_RxPDO > Max_PDO || Num_TxPDO < 0 || Num_TxPDO > Max_PDO) std::abort();
    const QByteArray Text = ReadWholeFile(Output);
    if (!Text.startsWith("[FileInfo]\r\n") || !Text.endsWith("\r\n\r\n")) std::abort();
    return 0;
}
