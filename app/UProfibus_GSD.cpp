// Writing the PROFIBUS GSD file from the image sizes of ParGen.xml.
#include "UProfibus_GSD.h"

#include "ParGenReader.h"
#include "UComon.h"

#include "rtl/AtomicFile.h"
#include "rtl/Exceptions.h"
#include "rtl/Files.h"
#include "rtl/NumConv.h"
#include "rtl/TextEncoding.h"
#include "windows/Dialogs.h"

#include <QStringList>

int32_t GSD_Input_Len = 0;
int32_t GSD_Output_Len = 0;

namespace {

const QString No_ParGen_Message =
    QStringLiteral("Error! Please set the Set Communication Parameter before to create the GSD file");
const QString Overwrite_Message = QStringLiteral("File already exists! Do you want to overwrite the file?");
const QString GSD_Filter = QStringLiteral("Generic Station Description (*.gsd)|*.gsd");

// The maker's postal address and contacts in the banner.
const char* const Maker_Address[] = {"Via dell'Industria, 1", "36100 Vicenza", "(VI) - Italy"};
const char* const Maker_Contacts[] = {"Tel. : +39 0444 000 000", "FAX. : +39 0444 000 001",
                                      "eMail: support@velmora.com"};

QString Repeat(char C, int32_t Count)
{
    return QString(Count > 0 ? Count : 0, QChar::fromLatin1(C));
}

// Fills Line with C up to Width characters.
QString PadTo(const QString& Line, char C, int32_t Width)
{
    return Line + Repeat(C, Width - static_cast<int32_t>(Line.size()));
}

class TGsdLines {
public:
    TGsdLines& operator<<(const QString& Line)
    {
        FLines << Line;
        return *this;
    }
    TGsdLines& operator<<(const char* Line) { return *this << QString::fromLatin1(Line); }

    void Empty(int32_t Count = 1)
    {
        for (int32_t I = 0; I < Count; ++I) FLines << QString();
    }
    void Banner(const QString& Inner) { FLines << QStringLiteral(";*") + PadTo(Inner, ' ', 82) + u'*'; }
    void Banner(const char* Inner) { Banner(QString::fromLatin1(Inner)); }
    void Rule(int32_t Width) { FLines << PadTo(QStringLiteral(";"), '=', Width); }
    void Section(int32_t Width, const char* Title)
    {
        Rule(Width);
        FLines << PadTo(QStringLiteral(";==== ") + QString::fromLatin1(Title) + u' ', '=', Width);
        Rule(Width);
        Empty();
    }
    QString Text() const { return FLines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }

private:
    QStringList FLines;
};

QString Hex2(int32_t Value)
{
    return QStringLiteral("0x") + IntToHex(Value, 2);
}

// The modules of one direction, numbered on from First; returns the next number.
int32_t AddModules(TGsdLines& Lines, const char* Kind, int32_t Identifier, int32_t Len, int32_t First)
{
    const int32_t Count = GSD_Module_Count(Len);
    int32_t K = First;
    for (int32_t I = 1; I <= Count; ++I, ++K) {
        const int32_t Bytes = I < Count ? 64 : Len - 64 * (Count - 1);
        const QString Number = QString::number(K);
        Lines << QStringLiteral("Module=\"%1  (PORT%2)    \" %3,%4,%5,%6")
                     .arg(QString::fromLatin1(Kind), Number, Hex2(Identifier), Hex2(Bytes - 1), Hex2(0), Hex2(K));
        Lines << Number << "EndModule";
    }
    return K;
}

QString GSD_Text()
{
    const int32_t N_In = GSD_Module_Count(GSD_Input_Len);
    const int32_t N_Out = GSD_Module_Count(GSD_Output_Len);
    TGsdLines L;
    L << ";";
    L << u';' + Repeat('*', 20) + QStringLiteral(" EtherNet/IP / PROFIBUS Slave - Converter ") + Repeat('*', 22);
    L << QStringLiteral(";* ") + Repeat('=', 80) + QStringLiteral(" *");
    L.Banner("");
    L.Banner(" Vendor:   Velmora");
    for (const char* Line : Maker_Address) L.Banner(Repeat(' ', 11) + QString::fromLatin1(Line));
    for (const char* Line : Maker_Contacts) L.Banner(Repeat(' ', 11) + QString::fromLatin1(Line));
    L.Banner("");
    L << QStringLiteral(";* ") + Repeat('=', 80) + QStringLiteral(" *");
    L.Banner("");
    L.Banner(" Function:       EtherNet/IP / PROFIBUS Slave - Converter");
    L.Banner("");
    L.Banner("");
    L.Banner(" Order Number : RB20418-A1");
    L.Banner("");
    L.Banner("");
    L << u';' + Repeat('*', 84);
    L.Empty(2);
    L << "#Profibus_DP";
    L.Empty(2);

    L.Section(85, "Prm-Text-Def-List");
    L << "PrmText=1" << "Text(0)=\"disable\"" << "Text(1)=\"enable\"" << "EndPrmText";
    L.Empty();
    L << "PrmText  = 2" << "Text(0)  = \"clock up\"" << "Text(1)  = \"clock down\"" << "EndPrmText";
    L.Empty();
    L << "PrmText  = 3" << "Text(1)  = \"10\"" << "Text(2)  = \"20\"" << "Text(3)  = \"30\"" << "Text(4)  = \"40\""
      << "Text(5)  = \"50\"" << "EndPrmText";
    L.Empty(2);

    L.Section(86, "Ext-User-Prm-Data-Def-List");
    const struct {
        const char* Head;
        const char* Type;
        const char* TextRef;
    } Definitions[] = {
        {"ExtUserPrmData=1 \"[SlotNumber]\"", "Unsigned8 0 0-32", nullptr},
        {"ExtUserPrmData=2 \"Diagnostic Alarm\"", "Bit(0) 0 0-1", "Prm_Text_Ref=1"},
        {"ExtUserPrmData=3 \"Process Alarm\"", "Bit(1) 0 0-1", "Prm_Text_Ref=1"},
        {"ExtUserPrmData=4 \"Counter mode\"", "Unsigned8 0 0-1", "Prm_Text_Ref=2"},
        {"ExtUserPrmData=5 \"Counter timebase (ms)\"", "Unsigned8 1 1-5", "Prm_Text_Ref=3"},
        {"ExtUserPrmData=6 \"Counter high-limit\"", "Unsigned16 65535 0-65535", nullptr},
        {"ExtUserPrmData=7 \"Counter low-limit\"", "Unsigned16 0 0-65535", nullptr},
    };
    for (const auto& Definition : Definitions) {
        L << Definition.Head << Definition.Type;
        if (Definition.TextRef) L << Definition.TextRef;
        L << "EndExtUserPrmData";
        L.Empty();
    }
    L.Empty();

    L.Section(86, "General DP Keywords");
    L << "GSD_Revision = 5" << "Vendor_Name = \"Velmora\"" << "Model_Name = \"RB20418\"" << "Revision = \"1.00\""
      << "Ident_Number = 0x5C3B" << "Protocol_Ident = 0" << "Station_Type = 0" << "FMS_supp = 0"
      << "Hardware_Release = \"V1.00\"" << "Software_Release = \"V1.00\"" << "Redundancy = 0"
      << "Repeater_Ctrl_Sig = 2" << "24V_Pins = 0";
    L.Empty(2);

    L.Section(79, "Supported baudrates");
    L << "9.6_supp = 1" << "19.2_supp = 1" << "45.45_supp = 1" << "93.75_supp = 1" << "187.5_supp = 1"
      << "500_supp = 1" << "1.5M_supp = 1" << "3M_supp = 1" << "6M_supp = 1" << "12M_supp = 1";
    L.Empty();
    L << "MaxTsdr_9.6=15" << "MaxTsdr_19.2=15" << "MaxTsdr_45.45=15" << "MaxTsdr_93.75=15" << "MaxTsdr_187.5=15"
      << "MaxTsdr_500=15" << "MaxTsdr_1.5M=20" << "MaxTsdr_3M=35" << "MaxTsdr_6M=50" << "MaxTsdr_12M=95";
    L.Empty(2);

    L.Section(79, "Slave specific values");
    L << "OrderNumber=\"RB20418\"" << "Slave_Family = 9@Velmora@RB20418" << "Implementation_Type = \"VPC3+\""
      << "Info_Text=\"Velmora: EtherNet/IP / PROFIBUS Slave - Converter\"" << "Bitmap_Device = \"DPV0_1N\""
      << "Bitmap_SF=\"DPV0_1S\"";
    L.Empty();
    L << "Freeze_Mode_supp=1" << "Sync_Mode_supp=1" << "Fail_Safe=1" << "Auto_Baud_supp=1" << "Set_Slave_Add_supp=0";
    L.Empty();
    L << "Min_Slave_Intervall=6";
    L.Empty();
    L << "Modular_Station=1" << QStringLiteral("Max_Module=") + QString::number(N_In + N_Out) << "Modul_Offset=1"
      << QStringLiteral("Max_Input_Len=") + QString::number(GSD_Input_Len) << QStringLiteral("Max_Output_Len=") + QString::number(GSD_Output_Len)
      << QStringLiteral("Max_Data_Len=") + QString::number(GSD_Input_Len + GSD_Output_Len) << "Max_Diag_Data_Len=15";
    L.Empty();
    L << "WD_Base_1ms_supp = 1" << "Publisher_supp = 1";
    L.Empty();

    L.Section(79, "User-Prm-Data");
    L << "Max_User_Prm_Data_Len = 12" << "Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00";
    L.Empty();

    L.Section(79, "Modulstatus");
    const struct {
        const char* Area;
        const char* Slot;
    } Areas[] = {{"Unit_Diag_Area = 24 - 25", "1"}, {"Unit_Diag_Area = 26 - 27", "2"}};
    for (const auto& Area : Areas) {
        const QString Slot = QString::fromLatin1(Area.Slot);
        L << Area.Area << QStringLiteral("Value(1)= \"Slot %1: Module error\"").arg(Slot)
          << QStringLiteral("Value(2)= \"Slot %1: Wrong module\"").arg(Slot)
          << QStringLiteral("Value(3)= \"Slot %1: No module\"").arg(Slot) << "Unit_Diag_Area_End";
    }
    L.Empty(2);

    L.Section(79, "Module-Definition-List");
    int32_t K = 1;
    if (GSD_Input_Len > 0) K = AddModules(L, "DI", 0x42, GSD_Input_Len, K);
    if (GSD_Output_Len > 0) AddModules(L, "DO", 0x82, GSD_Output_Len, K);
    L.Empty(3);

    L << "SlotDefinition";
    for (int32_t S = 1; S <= N_In + N_Out; ++S) {
        const QString Number = QString::number(S);
        L << QStringLiteral("Slot(%1) = \"Slot %1\" %1 %1").arg(Number);
    }
    L << "EndSlotDefinition";
    L.Empty(4);
    return L.Text();
}

} // namespace

int32_t GSD_Module_Count(int32_t Len)
{
    return Len > 0 ? static_cast<int32_t>((static_cast<int64_t>(Len) + 63) / 64) : 0;
}

bool GSD_Sizes_Valid(int32_t Input_Len, int32_t Output_Len)
{
    return Input_Len >= 0 && Output_Len >= 0 &&
           static_cast<int64_t>(GSD_Module_Count(Input_Len)) + GSD_Module_Count(Output_Len) <= GSD_Max_Modules;
}

QString GSD_File_Name(const QString& Chosen)
{
    const QString Name = ExtractFileName(Chosen).toLower();
    const qsizetype At = Name.indexOf(QStringLiteral(".gsd"));
    if (At >= 0 && At + 4 == Name.size()) return Chosen;
    return Chosen + QStringLiteral(".gsd");
}

void Write_GSD_File(const QString& FileName)
{
    if (!GSD_Sizes_Valid(GSD_Input_Len, GSD_Output_Len))
        throw ERangeError(QStringLiteral("Image sizes %1 and %2 do not fit a GSD file").arg(GSD_Input_Len).arg(GSD_Output_Len));
    WriteFileAtomic(FileName, EncodeString(GSD_Text(), teANSI));
}

bool Create_GSD_File()
{
    const auto Error = [](const QString& Text) {
        MessageDlg(Text, mtError, {mbOK}, 0);
        return false;
    };
    if (!FileExists(File_ParGen)) return Error(No_ParGen_Message);
    try {
        const TParGenReader ParGen(File_ParGen);
        GSD_Input_Len = ParGen.Int(pgNB_Input, 0);
        GSD_Output_Len = ParGen.Int(pgNB_Output, 0);
    } catch (const Exception& E) {
        ShowExceptionBox(EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(File_ParGen, E.Message())));
        return false;
    }
    // Negative sizes or more modules than one identifier byte can number cannot be described.
    if (!GSD_Sizes_Valid(GSD_Input_Len, GSD_Output_Len)) return Error(No_ParGen_Message);

    TSaveDialog Dialog(nullptr);
    Dialog.SetInitialDir(Path_Project);
    Dialog.SetFilter(GSD_Filter);
    // No default extension: only GSD_File_Name adds one.
    if (!Dialog.Execute()) return false;
    const QString FileName = GSD_File_Name(Dialog.FileName());
    if (FileExists(FileName) && MessageDlg(Overwrite_Message, mtConfirmation, {mbYes, mbNo}, 0) != mrYes) return false;
    try {
        Write_GSD_File(FileName);
        return true;
    } catch (const Exception& E) {
        ShowExceptionBox(E);
        return false;
    }
}
