// The GSD file the writer must give for two image sizes, written out from the template: the
// tests and the fuzz target hold the writer to it.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace GsdExpected {

inline std::string Chars(int Count, char C)
{
    return std::string(static_cast<size_t>(Count), C);
}

inline std::string Banner(const std::string& Inner)
{
    return ";*" + Inner + Chars(82 - static_cast<int>(Inner.size()), ' ') + "*";
}

inline std::string Ruler(int Width)
{
    std::string Line = Chars(Width, '=');
    Line.front() = ';';
    return Line;
}

inline std::vector<std::string> Section(int Width, const std::string& Title)
{
    const std::string Middle = ";==== " + Title + " ";
    return {Ruler(Width), Middle + Chars(Width - static_cast<int>(Middle.size()), '='), Ruler(Width), ""};
}

inline std::string Byte(int Value)
{
    char Text[8];
    std::snprintf(Text, sizeof Text, "0x%02X", Value);
    return Text;
}

// The whole file, CR LF after every line, for In input and Out output bytes.
inline std::string ExpectedGsd(int In, int Out)
{
    std::vector<std::string> L;
    const auto Add = [&](std::initializer_list<std::string> Lines) { L.insert(L.end(), Lines); };
    const auto AddAll = [&](const std::vector<std::string>& Lines) { L.insert(L.end(), Lines.begin(), Lines.end()); };
    const std::string Eleven = Chars(11, ' ');
    Add({";", ";" + Chars(20, '*') + " EtherNet/IP / PROFIBUS Slave - Converter " + Chars(22, '*'),
         ";* " + Chars(80, '=') + " *", Banner(""), Banner(" Vendor:   Velmora"),
         Banner(Eleven + "Via dell'Industria, 1"), Banner(Eleven + "36100 Vicenza"), Banner(Eleven + "(VI) - Italy"),
         Banner(Eleven + "Tel. : +39 0444 000 000"), Banner(Eleven + "FAX. : +39 0444 000 001"),
         Banner(Eleven + "eMail: support@velmora.com"), Banner(""), ";* " + Chars(80, '=') + " *", Banner(""),
         Banner(" Function:       EtherNet/IP / PROFIBUS Slave - Converter"), Banner(""), Banner(""),
         Banner(" Order Number : RB20418-A1"), Banner(""), Banner(""), ";" + Chars(84, '*'), "", "", "#Profibus_DP",
         "", ""});
    AddAll(Section(85, "Prm-Text-Def-List"));
    Add({"PrmText=1", "Text(0)=\"disable\"", "Text(1)=\"enable\"", "EndPrmText", ""});
    Add({"PrmText  = 2", "Text(0)  = \"clock up\"", "Text(1)  = \"clock down\"", "EndPrmText", ""});
    Add({"PrmText  = 3", "Text(1)  = \"10\"", "Text(2)  = \"20\"", "Text(3)  = \"30\"", "Text(4)  = \"40\"",
         "Text(5)  = \"50\"", "EndPrmText", "", ""});
    AddAll(Section(86, "Ext-User-Prm-Data-Def-List"));
    Add({"ExtUserPrmData=1 \"[SlotNumber]\"", "Unsigned8 0 0-32", "EndExtUserPrmData", ""});
    Add({"ExtUserPrmData=2 \"Diagnostic Alarm\"", "Bit(0) 0 0-1", "Prm_Text_Ref=1", "EndExtUserPrmData", ""});
    Add({"ExtUserPrmData=3 \"Process Alarm\"", "Bit(1) 0 0-1", "Prm_Text_Ref=1", "EndExtUserPrmData", ""});
    Add({"ExtUserPrmData=4 \"Counter mode\"", "Unsigned8 0 0-1", "Prm_Text_Ref=2", "EndExtUserPrmData", ""});
    Add({"ExtUserPrmData=5 \"Counter timebase (ms)\"", "Unsigned8 1 1-5", "Prm_Text_Ref=3", "EndExtUserPrmData", ""});
    Add({"ExtUserPrmData=6 \"Counter high-limit\"", "Unsigned16 65535 0-65535", "EndExtUserPrmData", ""});
    Add({"ExtUserPrmData=7 \"Counter low-limit\"", "Unsigned16 0 0-65535", "EndExtUserPrmData", "", ""});
    AddAll(Section(86, "General DP Keywords"));
    Add({"GSD_Revision = 5", "Vendor_Name = \"Velmora\"", "Model_Name = \"RB20418\"", "Revision = \"1.00\"",
         "Ident_Number = 0x5C3B", "Protocol_Ident = 0", "Station_Type = 0", "FMS_supp = 0",
         "Hardware_Release = \"V1.00\"", "Software_Release = \"V1.00\"", "Redundancy = 0", "Repeater_Ctrl_Sig = 2",
         "24V_Pins = 0", "", ""});
    AddAll(Section(79, "Supported baudrates"));
    Add({"9.6_supp = 1", "19.2_supp = 1", "45.45_supp = 1", "93.75_supp = 1", "187.5_supp = 1", "500_supp = 1",
         "1.5M_supp = 1", "3M_supp = 1", "6M_supp = 1", "12M_supp = 1", ""});
    Add({"MaxTsdr_9.6=15", "MaxTsdr_19.2=15", "MaxTsdr_45.45=15", "MaxTsdr_93.75=15", "MaxTsdr_187.5=15",
         "MaxTsdr_500=15", "MaxTsdr_1.5M=20", "MaxTsdr_3M=35", "MaxTsdr_6M=50", "MaxTsdr_12M=95", "", ""});
    AddAll(Section(79, "Slave specific values"));
    Add({"OrderNumber=\"RB20418\"", "Slave_Family = 9@Velmora@RB20418", "Implementation_Type = \"VPC3+\"",
         "Info_Text=\"Velmora: EtherNet/IP / PROFIBUS Slave - Converter\"", "Bitmap_Device = \"DPV0_1N\"",
         "Bitmap_SF=\"DPV0_1S\"", ""});
    Add({"Freeze_Mode_supp=1", "Sync_Mode_supp=1", "Fail_Safe=1", "Auto_Baud_supp=1", "Set_Slave_Add_supp=0", "",
         "Min_Slave_Intervall=6", ""});
    const int NIn = In > 0 ? (In + 63) / 64 : 0;
    const int NOut = Out > 0 ? (Out + 63) / 64 : 0;
    Add({"Modular_Station=1", "Max_Module=" + std::to_string(NIn + NOut), "Modul_Offset=1",
         "Max_Input_Len=" + std::to_string(In), "Max_Output_Len=" + std::to_string(Out),
         "Max_Data_Len=" + std::to_string(In + Out), "Max_Diag_Data_Len=15", ""});
    Add({"WD_Base_1ms_supp = 1", "Publisher_supp = 1", ""});
    AddAll(Section(79, "User-Prm-Data"));
    Add({"Max_User_Prm_Data_Len = 12", "Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00", ""});
    AddAll(Section(79, "Modulstatus"));
    Add({"Unit_Diag_Area = 24 - 25", "Value(1)= \"Slot 1: Module error\"", "Value(2)= \"Slot 1: Wrong module\"",
         "Value(3)= \"Slot 1: No module\"", "Unit_Diag_Area_End", "Unit_Diag_Area = 26 - 27",
         "Value(1)= \"Slot 2: Module error\"", "Value(2)= \"Slot 2: Wrong module\"", "Value(3)= \"Slot 2: No module\"",
         "Unit_Diag_Area_End", "", ""});
    AddAll(Section(79, "Module-Definition-List"));
    int K = 1;
    const auto Modules = [&](const std::string& Kind, int Identifier, int Len, int Count) {
        for (int I = 1; I <= Count; ++I, ++K) {
            const int Bytes = I < Count ? 64 : Len - 64 * (Count - 1);
            Add({"Module=\"" + Kind + "  (PORT" + std::to_string(K) + ")    \" " + Byte(Identifier) + "," +
                     Byte(Bytes - 1) + ",0x00," + Byte(K),
                 std::to_string(K), "EndModule"});
        }
    };
    Modules("DI", 0x42, In, NIn);
    Modules("DO", 0x82, Out, NOut);
    Add({"", "", "", "SlotDefinition"});
    for (int S = 1; S <= NIn + NOut; ++S) {
        const std::string N = std::to_string(S);
        Add({"Slot(" + N + ") = \"Slot " + N + "\" " + N + " " + N});
    }
    Add({"EndSlotDefinition", "", "", "", ""});
    std::string Text;
    for (const std::string& Line : L) Text += Line + "\r\n";
    return Text;
}

}  // namespace GsdExpected
