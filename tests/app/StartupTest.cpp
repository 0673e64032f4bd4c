// Start-up in a temporary program folder: the windows and their order, folders, settings, language and the last configuration.
#include "UAbout.h"
#include "UAdvanceFunctions.h"
#include "UBootTCP.h"
#include "UComon.h"
#include "ULanguage.h"
#include "UNew_Project.h"
#include "UOpenConf.h"
#include "UParGen.h"
#include "UQuillaneFirmWare.h"
#include "USoftOptions.h"
#include "tables/UCAN_Rec_Frames.h"
#include "tables/UCAN_Send_Frame.h"
#include "tables/UDMXDefVal.h"
#include "tables/UModbus_TCP_Master_Set_Access.h"
#include "tables/UNodeGuard.h"
#include "tables/UReStart_Devices.h"
#include "tables/UReceiveJ1939.h"
#include "tables/UReceiveNMEA.h"
#include "tables/USetAccess.h"
#include "tables/USet_PDO_Access.h"
#include "tables/USet_SDO_Client_Access.h"
#include "tables/USet_SDO_Server_Access.h"
#include "tables/UTransmitJ1939.h"
#include "tables/UTransmitNMEA.h"
#include "tables/U_Rec_Info.h"
#include "tables/U_Sen_Info.h"

#include "ConfigWindowTest.h"
#include "support/TempFolder.h"

#include "ProjectFiles.h"

#include "button/LbButton.h"
#include "os/Services.h"
#include "rtl/Files.h"
#include "windows/StdCtrls.h"
#include "windows/Timer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

namespace {

// A settings file naming Project, with the two internet flags and a language.
QByteArray SettingsXml(const QString& Project, bool Internet = false, bool Update = false,
                       const QString& Language = QStringLiteral("English"))
{
    const auto Flag = [](bool Value) { return Value ? "1" : "0"; };
    return QStringLiteral("<Conf_Settings><lastproj><projectname>%1</projectname></lastproj>"
                          "<lastipadd><ipaddress>10.0.0.9</ipaddress></lastipadd>"
                          "<lastlang><language>%2</language></lastlang>"
                          "<lastinternet><enable_internet>%3</enable_internet><enable_update>%4</enable_update>"
                          "<enable_jump_field_tables>0</enable_jump_field_tables>"
                          "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>")
        .arg(Project, Language, QLatin1String(Flag(Internet)), QLatin1String(Flag(Update)))
        .toUtf8();
}

// The file-path globals, in declaration order.
std::vector<const QString*> FilePaths()
{
    std::vector<const QString*> Paths;
    for (const auto& [Path, Name] : ProjectFiles()) Paths.push_back(Path);
    return Paths;
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { Replaced = SetProgramFolderService(&Service); }
    void TearDown() override
    {
        Free_Forms();
        SetProgramFolderService(Replaced);
    }

    void Start() { Create_Forms(); }
    void Restart()
    {
        Free_Forms();
        Create_Forms();
    }
    void MakeFolder(const QString& Name) const { ASSERT_TRUE(QDir().mkpath(Folder.File(Name))); }

    TempFolder Folder;
    TTestProgramFolder Service{Folder.Path()};
    TProgramFolderService* Replaced = nullptr;
};

}  // namespace

TEST_F(StartupTest, TheWindowsAreCreatedInOrderOwnedByTheApplication)
{
    Start();
    // Each window's class and the global that holds it, in creation order.
    const std::vector<std::pair<const char*, std::function<TForm*()>>> Expected = {
        {"TFQuillaneFirmWare", [] { return FQuillaneFirmWare; }},
        {"TFNew_Project", [] { return FNew_Project; }},
        {"TFOpenConf", [] { return FOpenConf; }},
        {"TFAbout", [] { return FAbout; }},
        {"TFParGen", [] { return FParGen; }},
        {"TFSetAccess", [] { return FSetAccess; }},
        {"TFReceiveNMEA", [] { return FReceiveNMEA; }},
        {"TFTransmitNMEA", [] { return FTransmitNMEA; }},
        {"TFSet_SDO_Server_Access", [] { return FSet_SDO_Server_Access; }},
        {"TFSet_SDO_Client_Access", [] { return FSet_SDO_Client_Access; }},
        {"TFSet_PDO_Access", [] { return FSet_PDO_Access; }},
        {"TFSoftOptions", [] { return FSoftOptions; }},
        {"TFBootTCP", [] { return FBootTCP; }},
        {"TFAdvanceFunctions", [] { return FAdvanceFunctions; }},
        {"TFModbus_TCP_Master_Set_Access", [] { return FModbus_TCP_Master_Set_Access; }},
        {"TFDMXDefVal", [] { return FDMXDefVal; }},
        {"TFReceiveJ1939", [] { return FReceiveJ1939; }},
        {"TFTransmitJ1939", [] { return FTransmitJ1939; }},
        {"TFCAN_Rec_Frames", [] { return FCAN_Rec_Frames; }},
        {"TF_Rec_Info", [] { return F_Rec_Info; }},
        {"TFCAN_Send_Frame", [] { return FCAN_Send_Frame; }},
        {"TF_Sen_Info", [] { return F_Sen_Info; }},
        {"TFNodeGuard", [] { return FNodeGuard; }},
        {"TFReStart_Devices", [] { return FReStart_Devices; }},
    };
    std::vector<TComponent*> Forms;
    for (int32_t I = 0; I < Application->ComponentCount(); ++I)
        if (dynamic_cast<TCustomForm*>(Application->Components(I))) Forms.push_back(Application->Components(I));
    ASSERT_EQ(Forms.size(), Expected.size());
    for (size_t I = 0; I < Expected.size(); ++I) {
        const auto& [Name, Global] = Expected[I];
        EXPECT_EQ(Forms[I]->ClassName(), QString::fromLatin1(Name)) << I;
        EXPECT_EQ(Forms[I], Global()) << Name;
        EXPECT_FALSE(Global()->Visible()) << Name;
    }
    EXPECT_EQ(Application->MainForm(), FQuillaneFirmWare);

    Free_Forms();
    for (const auto& [Name, Global] : Expected) EXPECT_EQ(Global(), nullptr) << Name;
    for (int32_t I = 0; I < Application->ComponentCount(); ++I)
        EXPECT_EQ(dynamic_cast<TCustomForm*>(Application->Components(I)), nullptr);
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(StartupTest, FirstStartMakesTheFoldersInEnglishWithNoConfigurationAndNoTimer)
{
    Start();
    for (const char* Name : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(DirectoryExists(Folder.File(QString::fromLatin1(Name)))) << Name;
    EXPECT_EQ(Path_Exe, Folder.Path());
    EXPECT_EQ(Path_Projects, Folder.File(QStringLiteral("PROJECTS")));
    EXPECT_EQ(Current_Language, QStringLiteral("English"));
    EXPECT_EQ(Last_IP_Address, QStringLiteral("192.168.2.205"));
    EXPECT_TRUE(Name_Project.isEmpty());
    EXPECT_TRUE(Path_Project.isEmpty());
    for (const QString* Path : FilePaths()) EXPECT_TRUE(Path->isEmpty()) << qPrintable(*Path);
    EXPECT_FALSE(FQuillaneFirmWare->Timer_Update->Enabled());
    EXPECT_EQ(FQuillaneFirmWare->Timer_Update->Interval(), 60000u);
    EXPECT_FALSE(FQuillaneFirmWare->LL_Update->Visible());
    EXPECT_EQ(Lang_Table->Count(), 2500);
    ASSERT_NE(Row_Clipboard, nullptr);
    EXPECT_EQ(Row_Clipboard->Count(), 0);
    EXPECT_EQ(FQuillaneFirmWare->Caption(), QStringLiteral("Velmora - Quillan KT20418 - EtherNet/IP / PROFIBUS s "));
    EXPECT_EQ(FQuillaneFirmWare->L_SW_Code->Caption(), QStringLiteral("KT20418"));
    EXPECT_EQ(FQuillaneFirmWare->L_SW_Desc->Caption(), QStringLiteral("EtherNet/IP / PROFIBUS Slave - Converter"));
    EXPECT_EQ(FQuillaneFirmWare->L_Name_Conf->Caption(), QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(FQuillaneFirmWare->L_Name_Conf_L2->Caption(), QStringLiteral("Use Step1 to open or create new configuration"));
    // Start-up reads the settings file; only closing writes it.
    EXPECT_FALSE(FileExists(Folder.File(QStringLiteral("Quillan.xml"))));
}

TEST_F(StartupTest, TheLastConfigurationIsReopenedWhenItsFolderExists)
{
    MakeFolder(QStringLiteral("PROJECTS/Plant A"));
    Folder.Write(QStringLiteral("Quillan.xml"), SettingsXml(QStringLiteral("Plant A")));
    Start();
    const QString Project = Folder.File(QStringLiteral("PROJECTS")) + PathDelim + QStringLiteral("Plant A");
    EXPECT_EQ(Name_Project, QStringLiteral("Plant A"));
    EXPECT_EQ(Path_Project, Project);
    EXPECT_EQ(Last_IP_Address, QStringLiteral("10.0.0.9"));
    EXPECT_EQ(FQuillaneFirmWare->L_Name_Conf->Caption(), QStringLiteral("Opened Configuration of the Converter : "));
    EXPECT_EQ(FQuillaneFirmWare->L_Name_Conf_L2->Caption(), QStringLiteral("Plant A"));
    for (const auto& [Path, Name] : ProjectFiles()) EXPECT_EQ(*Path, Project + PathDelim + Name);
}

TEST_F(StartupTest, ASettingsFileNamingADeletedConfigurationOpensNothing)
{
    Folder.Write(QStringLiteral("Quillan.xml"), SettingsXml(QStringLiteral("Deleted")));
    Start();
    EXPECT_TRUE(Name_Project.isEmpty());
    EXPECT_TRUE(Path_Project.isEmpty());
    for (const QString* Path : FilePaths()) EXPECT_TRUE(Path->isEmpty()) << qPrintable(*Path);
    EXPECT_EQ(FQuillaneFirmWare->L_Name_Conf->Caption(), QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(FQuillaneFirmWare->L_Name_Conf_L2->Caption(), QStringLiteral("Use Step1 to open or create new configuration"));
}

TEST_F(StartupTest, TheVersionCheckTimerRunsOnlyWithInternetAndUpdateOn)
{
    const struct {
        bool Internet;
        bool Update;
        bool Enabled;
    } Cases[] = {{false, false, false}, {true, false, false}, {false, true, false}, {true, true, true}};
    for (const auto& Case : Cases) {
        Folder.Write(QStringLiteral("Quillan.xml"), SettingsXml(QString(), Case.Internet, Case.Update));
        Restart();
        EXPECT_EQ(FQuillaneFirmWare->Timer_Update->Enabled(), Case.Enabled) << Case.Internet << Case.Update;
        EXPECT_EQ(FQuillaneFirmWare->Timer_Update->Interval(), 60000u);
    }
}

TEST_F(StartupTest, TheChosenLanguageLabelsEveryWindowFromTheStart)
{
    MakeFolder(QStringLiteral("LANGUAGE"));
    Folder.Write(QStringLiteral("LANGUAGE/Italiano.lng"), "STR0 = Inizio\r\nSTR15 = Nuova Configurazione\r\nSTR600 = Accesso Modbus\r\n");
    Folder.Write(QStringLiteral("Quillan.xml"), SettingsXml(QString(), false, false, QStringLiteral("Italiano")));
    Start();
    EXPECT_EQ(Current_Language, QStringLiteral("Italiano"));
    EXPECT_EQ(FQuillaneFirmWare->L_Begin->Caption(), QStringLiteral("Inizio"));
    EXPECT_EQ(FQuillaneFirmWare->Btn_New->Caption(), QStringLiteral("Nuova Configurazione"));
    EXPECT_EQ(FSetAccess->Caption(), QStringLiteral("Accesso Modbus"));
    EXPECT_EQ(FQuillaneFirmWare->L_Step_1->Caption(), QStringLiteral("Step 1"));
}

TEST_F(StartupTest, AMissingLanguageFileFallsBackToEnglish)
{
    Folder.Write(QStringLiteral("Quillan.xml"), SettingsXml(QString(), false, false, QStringLiteral("Klingon")));
    Start();
    EXPECT_EQ(Current_Language, QStringLiteral("English"));
    EXPECT_EQ(FQuillaneFirmWare->L_Begin->Caption(), QStringLiteral("Begin"));
}
