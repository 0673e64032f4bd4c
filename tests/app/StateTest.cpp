// The shared state at start-up: folders, the last configuration and the configuration's file paths.
#include "UComon.h"
#include "ULanguage.h"
#include "USettings.h"

#include "os/Services.h"
#include "os/XmlDoc.h"
#include "support/DialogScript.h"
#include "support/TempFolder.h"

#include "ProjectFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <type_traits>
#include <utility>
#include <vector>

namespace {

static_assert(std::is_same_v<decltype(Lang_Table), std::unique_ptr<TStringList>>);
static_assert(std::is_same_v<decltype(Lang_Table_Size), int32_t>);
static_assert(std::is_same_v<decltype(Enable_Internet), bool>);
static_assert(std::is_same_v<decltype(Double_Click_Auto_Size), bool>);
static_assert(std::is_same_v<decltype(File_Send_Info), QString>);
static_assert(std::is_same_v<decltype(Row_Clipboard), std::unique_ptr<TStringList>>);

class TFolderService : public TProgramFolderService {
public:
    QString ProgramFolder() override { return Folder; }
    QString Folder;
};

std::vector<const QString*> ProjectPaths()
{
    std::vector<const QString*> Paths;
    for (const auto& [Path, Name] : ProjectFiles()) Paths.push_back(Path);
    return Paths;
}

class StateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Service.Folder = Program.Path();
        Replaced = SetProgramFolderService(&Service);
    }
    void TearDown() override
    {
        SetProgramFolderService(Replaced);
        Name_Project.clear();
        Path_Project.clear();
        Set_Project_Files();
        Current_Language = QStringLiteral("English");
    }

    // Folders, settings, language and last configuration as the main window's creation runs them.
    void StartUp()
    {
        Set_Program_Folders();
        TXMLDocument XML(nullptr);
        Read_Settings_File(XML);
        Load_Language();
        Reopen_Last_Project();
        Set_Project_Files();
    }
    void WriteSettings(const QByteArray& ProjectName)
    {
        Program.Write(QStringLiteral("Quillan.xml"), "<Conf_Settings><lastproj><projectname>" + ProjectName +
                                                         "</projectname></lastproj></Conf_Settings>");
    }

    TempFolder Program;
    TFolderService Service;
    TProgramFolderService* Replaced = nullptr;
};

TEST_F(StateTest, TheSoftwareCodes)
{
    EXPECT_EQ(Def_SW_Code, QStringLiteral("KT20418"));
    EXPECT_EQ(Def_SW_Code_Update, QStringLiteral("KT20418"));
    EXPECT_EQ(Def_SW_Description, QStringLiteral("EtherNet/IP / PROFIBUS Slave - Converter"));
}

TEST_F(StateTest, FirstStart)
{
    StartUp();
    EXPECT_EQ(Path_Exe, Program.Path());
    EXPECT_EQ(Data_Folder(), Program.Path());
    EXPECT_EQ(Path_Master, Program.File(QStringLiteral("MASTER")));
    EXPECT_EQ(Path_Projects, Program.File(QStringLiteral("PROJECTS")));
    EXPECT_EQ(Path_Language, Program.File(QStringLiteral("LANGUAGE")));
    for (const QString& Sub : {QStringLiteral("MASTER"), QStringLiteral("PROJECTS"), QStringLiteral("LANGUAGE")})
        EXPECT_TRUE(QFileInfo(Program.File(Sub)).isDir()) << qPrintable(Sub);
    EXPECT_EQ(Current_Language, QStringLiteral("English"));
    EXPECT_EQ(Lang_Table->Count(), 2500);
    EXPECT_EQ(Lang_Table->Strings(9), QStringLiteral("None Configuration Opened "));
    EXPECT_TRUE(Name_Project.isEmpty());
    EXPECT_TRUE(Path_Project.isEmpty());
    for (const QString* Path : ProjectPaths()) EXPECT_TRUE(Path->isEmpty());
    EXPECT_FALSE(Enable_Internet || Enable_Update);
}

TEST_F(StateTest, ExistingFoldersAreKept)
{
    QDir().mkpath(Program.File(QStringLiteral("PROJECTS/Plant A")));
    QDir().mkpath(Program.File(QStringLiteral("MASTER")));
    Program.Write(QStringLiteral("MASTER/Sim20418.sim"), "firmware");
    StartUp();
    EXPECT_TRUE(QFileInfo(Program.File(QStringLiteral("PROJECTS/Plant A"))).isDir());
    EXPECT_EQ(Program.Read(QStringLiteral("MASTER/Sim20418.sim")), QByteArray("firmware"));
}

TEST_F(StateTest, TheLastConfigurationIsReopened)
{
    QDir().mkpath(Program.File(QStringLiteral("PROJECTS/Plant A")));
    WriteSettings("Plant A");
    StartUp();
    const QString Folder = Program.File(QStringLiteral("PROJECTS/Plant A"));
    EXPECT_EQ(Name_Project, QStringLiteral("Plant A"));
    EXPECT_EQ(Path_Project, Folder);
    EXPECT_EQ(ProjectFiles().size(), 17u);
    for (const auto& [Path, Name] : ProjectFiles()) EXPECT_EQ(*Path, Folder + QStringLiteral("/") + Name);
}

TEST_F(StateTest, ADeletedConfigurationLeavesNoneOpen)
{
    WriteSettings("Plant A");
    StartUp();
    EXPECT_TRUE(Name_Project.isEmpty());
    EXPECT_TRUE(Path_Project.isEmpty());
    for (const QString* Path : ProjectPaths()) EXPECT_TRUE(Path->isEmpty());
}

TEST_F(StateTest, ANameThatLeavesTheProjectsFolderIsNotOpened)
{
    QDir().mkpath(Program.File(QStringLiteral("PROJECTS/Plant A")));
    for (const QByteArray& Name : {QByteArray(".."), QByteArray("."), QByteArray("../MASTER"),
                                   QByteArray("Plant A/../Plant A"), QByteArray("/tmp")}) {
        WriteSettings(Name);
        StartUp();
        EXPECT_TRUE(Path_Project.isEmpty()) << Name.constData();
        EXPECT_TRUE(Name_Project.isEmpty()) << Name.constData();
        EXPECT_TRUE(File_ParGen.isEmpty()) << Name.constData();
    }
}

TEST_F(StateTest, SelectingAConfiguration)
{
    Set_Program_Folders();
    Select_Project(QStringLiteral("Plant B"));
    EXPECT_EQ(Name_Project, QStringLiteral("Plant B"));
    EXPECT_EQ(Path_Project, Program.File(QStringLiteral("PROJECTS/Plant B")));
    EXPECT_EQ(File_ParGen, Program.File(QStringLiteral("PROJECTS/Plant B/ParGen.xml")));
    Select_Project(QString());
    EXPECT_TRUE(Name_Project.isEmpty());
    EXPECT_TRUE(Path_Project.isEmpty());
    for (const QString* Path : ProjectPaths()) EXPECT_TRUE(Path->isEmpty());
}

TEST_F(StateTest, ValidConfigurationNames)
{
    for (const char* Name : {"Plant A", " x ", "a.b", "..a", "back\\slash"})
        EXPECT_TRUE(Is_Valid_Project_Name(QString::fromUtf8(Name))) << Name;
    for (const char* Name : {"", ".", "..", "a/b", "/abs", "../x"})
        EXPECT_FALSE(Is_Valid_Project_Name(QString::fromUtf8(Name))) << Name;
}

TEST_F(StateTest, AProgramFolderThatCannotBeWrittenUsesTheUserDataFolder)
{
    TempFolder Home;
    const QByteArray OldData = qgetenv("XDG_DATA_HOME");
    const bool HadData = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", Home.Path().toUtf8());
    // A folder below a plain file can be neither found nor created.
    Program.Write(QStringLiteral("file"), "x");
    Service.Folder = Program.File(QStringLiteral("file/bin"));
    Set_Program_Folders();
    const QString Data = Home.File(QStringLiteral("kt20418"));
    EXPECT_EQ(Path_Exe, Service.Folder);
    EXPECT_EQ(Data_Folder(), Data);
    EXPECT_EQ(Settings_File_Name(), Data + QStringLiteral("/Quillan.xml"));
    EXPECT_EQ(Path_Projects, Data + QStringLiteral("/PROJECTS"));
    EXPECT_TRUE(QFileInfo(Data + QStringLiteral("/MASTER")).isDir());
    EXPECT_TRUE(QFileInfo(Data + QStringLiteral("/PROJECTS")).isDir());
    EXPECT_TRUE(QFileInfo(Data + QStringLiteral("/LANGUAGE")).isDir());

    qputenv("XDG_DATA_HOME", "relative/path");
    EXPECT_EQ(User_Data_Folder(), QDir::homePath() + QStringLiteral("/.local/share/kt20418"));
    if (HadData)
        qputenv("XDG_DATA_HOME", OldData);
    else
        qunsetenv("XDG_DATA_HOME");
}

TEST_F(StateTest, AUserDataFolderThatCannotBeCreatedIsReported)
{
    const QByteArray OldData = qgetenv("XDG_DATA_HOME");
    const bool HadData = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    // Both the program folder and the per-user data folder lie below a plain file.
    Program.Write(QStringLiteral("file"), "x");
    qputenv("XDG_DATA_HOME", Program.File(QStringLiteral("file")).toUtf8());
    Service.Folder = Program.File(QStringLiteral("file/bin"));
    DialogScript().Answer(mrOk);
    Set_Program_Folders();
    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    EXPECT_EQ(DialogScript().Boxes()[0].Text,
              QStringLiteral("Unable to create directory ") + Program.File(QStringLiteral("file/kt20418")) + u'.');
    EXPECT_EQ(DialogScript().Boxes()[0].Icon, mtError);
    EXPECT_EQ(Data_Folder(), Program.File(QStringLiteral("file/kt20418")));
    if (HadData)
        qputenv("XDG_DATA_HOME", OldData);
    else
        qunsetenv("XDG_DATA_HOME");
}

TEST_F(StateTest, TheRowClipboardIsAPlainStringList)
{
    Row_Clipboard = std::make_unique<TStringList>();
    Row_Clipboard->Add(QStringLiteral("a"));
    EXPECT_EQ(Row_Clipboard->Count(), 1);
    Row_Clipboard.reset();
}

} // namespace
