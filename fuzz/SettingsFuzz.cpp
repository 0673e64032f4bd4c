// Fuzz target: settings files as start-up reads them, and the file written back from what was read.
#include "UComon.h"
#include "USettings.h"

#include "os/XmlDoc.h"

#include "FuzzFiles.h"

#include <cstdint>
#include <cstdlib>

namespace {

struct TValues {
    QString Project, Address, Language;
    bool Internet, Update, Jump, AutoSize;

    static TValues Current()
    {
        return {Name_Project, Last_IP_Address, Current_Language, Enable_Internet, Enable_Update,
                Enable_Jump_Field_Tables, Double_Click_Auto_Size};
    }
    bool operator==(const TValues&) const = default;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QString Input = WriteInputFile(QStringLiteral("Quillan.xml"), Data, Size);
    const QString Output = ScratchFile(QStringLiteral("Written.xml"));

    TXMLDocument XML(nullptr);
    Read_Settings_File(XML, Input);
    if (!Path_Project.isEmpty()) std::abort();
    const TValues Read = TValues::Current();

    // What the program writes at close it reads back unchanged at the next start.
    Write_Settings_File(XML, Output);
    TXMLDocument Again(nullptr);
    Read_Settings_File(Again, Output);
    if (!(TValues::Current() == Read)) std::abort();
    return 0;
}
