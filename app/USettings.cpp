// Folder set-up, reading and writing Quillan.xml, and the open configuration's file paths.
#include "USettings.h"

#include "UComon.h"

#include "os/Services.h"
#include "os/XmlDoc.h"
#include "rtl/Exceptions.h"
#include "rtl/Files.h"
#include "windows/Dialogs.h"

#include <QDir>
#include <QTemporaryFile>

namespace {

QString FDataFolder;

const QString Default_IP_Address = QStringLiteral("192.168.2.205");
const QString Default_Language = QStringLiteral("English");

QString InFolder(const QString& Folder, const QString& Name)
{
    return IncludeTrailingPathDelimiter(Folder) + Name;
}

// True when a file can be created in Folder (which must exist).
bool FolderWritable(const QString& Folder)
{
    if (Folder.isEmpty() || !DirectoryExists(Folder)) return false;
    QTemporaryFile Probe(InFolder(Folder, QStringLiteral(".kt20418-XXXXXX")));
    return Probe.open();
}

void MakeFolder(const QString& Folder)
{
    if (!DirectoryExists(Folder)) CreateDir(Folder);
}

// The first child element of Node named Name; no node when there is none.
IXMLNode FindElement(const IXMLNode& Node, const QString& Name)
{
    if (!Node) return nullptr;
    for (const IXMLNode& Child : Node->ChildNodes())
        if (Child->NodeType() == ntElement && Child->NodeName() == Name) return Child;
    return nullptr;
}

// The text of Root/Group/Name, or Default when any of them is missing or holds no plain text.
QString SettingValue(const IXMLNode& Root, const QString& Group, const QString& Name, const QString& Default)
{
    const IXMLNode Value = FindElement(FindElement(Root, Group), Name);
    if (!Value) return Default;
    try {
        return Value->Text();
    } catch (const Exception&) {
        return Default;
    }
}

void AddValue(const IXMLNode& Group, const QString& Name, const QString& Text)
{
    Group->AddChild(Name)->SetText(Text);
}

QString FlagText(bool Flag)
{
    return Flag ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void Set_Program_Folders()
{
    Path_Exe = ProgramFolder();
    QString Data = Path_Exe;
    if (!FolderWritable(Data)) {
        Data = User_Data_Folder();
        // Start-up goes on; saves into the folder then fail with messages of their own.
        if (!ForceDirectories(Data)) ShowExceptionBox(EInOutError(QStringLiteral("Unable to create directory %1").arg(Data)));
    }
    FDataFolder = Data;
    Path_Master = InFolder(Data, QStringLiteral("MASTER"));
    Path_Projects = InFolder(Data, QStringLiteral("PROJECTS"));
    Path_Language = InFolder(Data, QStringLiteral("LANGUAGE"));
    MakeFolder(Path_Master);
    MakeFolder(Path_Projects);
    MakeFolder(Path_Language);
}

QString Data_Folder()
{
    return FDataFolder;
}

QString User_Data_Folder()
{
    QString Base = qEnvironmentVariable("XDG_DATA_HOME");
    if (Base.isEmpty() || QDir::isRelativePath(Base)) Base = InFolder(QDir::homePath(), QStringLiteral(".local/share"));
    return InFolder(Base, QStringLiteral("kt20418"));
}

QString Settings_File_Name()
{
    return InFolder(FDataFolder, QStringLiteral("Quillan.xml"));
}

void Read_Settings_File(TXMLDocument& XML, const QString& FileName)
{
    Name_Project.clear();
    Path_Project.clear();
    Last_IP_Address = Default_IP_Address;
    Current_Language = Default_Language;
    Enable_Internet = false;
    Enable_Update = false;
    Enable_Jump_Field_Tables = false;
    Double_Click_Auto_Size = false;
    if (!FileExists(FileName)) return;
    try {
        XML.LoadFromFile(FileName);
    } catch (const Exception&) {
        return;
    }
    // The root is the first top-level node, so a declaration or comment before it hides every value.
    const IXMLNode Root = XML.ChildNodes().First();
    const QString One = QStringLiteral("1");
    Name_Project = SettingValue(Root, QStringLiteral("lastproj"), QStringLiteral("projectname"), QString());
    Last_IP_Address = SettingValue(Root, QStringLiteral("lastipadd"), QStringLiteral("ipaddress"), Default_IP_Address);
    Current_Language = SettingValue(Root, QStringLiteral("lastlang"), QStringLiteral("language"), Default_Language);
    const QString Internet = QStringLiteral("lastinternet");
    Enable_Internet = SettingValue(Root, Internet, QStringLiteral("enable_internet"), QString()) == One;
    Enable_Update = SettingValue(Root, Internet, QStringLiteral("enable_update"), QString()) == One;
    Enable_Jump_Field_Tables = SettingValue(Root, Internet, QStringLiteral("enable_jump_field_tables"), QString()) == One;
    Double_Click_Auto_Size = SettingValue(Root, Internet, QStringLiteral("Double_Click_Auto_Size"), QString()) == One;
}

void Write_Settings_File(TXMLDocument& XML, const QString& FileName)
{
    // An inactive document may still name a file that did not parse; start from an empty one instead
    // of reloading it.
    if (!XML.Active()) XML.LoadFromXML(QStringLiteral("<Conf_Settings/>"));
    XML.ChildNodes().Clear();
    const IXMLNode Root = XML.AddChild(QStringLiteral("Conf_Settings"));
    AddValue(Root->AddChild(QStringLiteral("lastproj")), QStringLiteral("projectname"), Name_Project);
    AddValue(Root->AddChild(QStringLiteral("lastipadd")), QStringLiteral("ipaddress"), Last_IP_Address);
    AddValue(Root->AddChild(QStringLiteral("lastlang")), QStringLiteral("language"), Current_Language);
    const IXMLNode Internet = Root->AddChild(QStringLiteral("lastinternet"));
    AddValue(Internet, QStringLiteral("enable_internet"), FlagText(Enable_Internet));
    AddValue(Internet, QStringLiteral("enable_update"), FlagText(Enable_Update));
    AddValue(Internet, QStringLiteral("enable_jump_field_tables"), FlagText(Enable_Jump_Field_Tables));
    AddValue(Internet, QStringLiteral("Double_Click_Auto_Size"), FlagText(Double_Click_Auto_Size));
    XML.SaveToFile(FileName);
}

bool Is_Valid_Project_Name(const QString& Name)
{
    if (Name.isEmpty() || Name == u"." || Name == u"..") return false;
    return !Name.contains(u'/') && !Name.contains(PathDelim) && !Name.contains(QChar(0));
}

bool Reopen_Last_Project()
{
    Path_Project.clear();
    if (!Path_Projects.isEmpty() && Is_Valid_Project_Name(Name_Project)) {
        const QString Folder = InFolder(Path_Projects, Name_Project);
        if (DirectoryExists(Folder)) {
            Path_Project = Folder;
            return true;
        }
    }
    Name_Project.clear();
    return false;
}

void Select_Project(const QString& Name)
{
    if (!Path_Projects.isEmpty() && Is_Valid_Project_Name(Name)) {
        Name_Project = Name;
        Path_Project = InFolder(Path_Projects, Name);
    } else {
        Name_Project.clear();
        Path_Project.clear();
    }
    Set_Project_Files();
}

void Set_Project_Files()
{
    const auto File = [](const char* Name) {
        return Path_Project.isEmpty() ? QString() : InFolder(Path_Project, QString::fromLatin1(Name));
    };
    File_ParGen = File("ParGen.xml");
    File_Receive_Frame = File("Receive_Frame.xml");
    File_Receive_Info = File("Receive_Info.xml");
    File_Send_Frame = File("Send_Frame.xml");
    File_Send_Info = File("Send_Info.xml");
    // The other rule files are named after their path global.
    File_Set_Access = File("Set_Access.xml");
    File_Receive_NMEA = File("Receive_NMEA.xml");
    File_Transmit_NMEA = File("Transmit_NMEA.xml");
    File_SDO_Server = File("SDO_Server.xml");
    File_SDO_Client = File("SDO_Client.xml");
    File_PDO = File("PDO.xml");
    File_Node_Guard = File("Node_Guard.xml");
    File_ReStart_Devices = File("ReStart_Devices.xml");
    File_Modbus_TCP_Master = File("Modbus_TCP_Master.xml");
    File_DMX_Def_Val = File("DMX_Def_Val.xml");
    File_Receive_J1939 = File("Receive_J1939.xml");
    File_Transmit_J1939 = File("Transmit_J1939.xml");
}
