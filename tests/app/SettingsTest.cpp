// The settings file Quillan.xml: what start-up reads from it and what is written back.
#include "UComon.h"
#include "USettings.h"

#include "os/Services.h"
#include "os/XmlDoc.h"
#include "rtl/Exceptions.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include <vector>

namespace {

class TFolderService : public TProgramFolderService {
public:
    explicit TFolderService(const QString& Folder) : FFolder(Folder) {}
    QString ProgramFolder() override { return FFolder; }

private:
    QString FFolder;
};

// The values the settings file carries.
struct TSettings {
    QString Project;
    QString Address;
    QString Language;
    bool Internet;
    bool Update;
    bool Jump;
    bool AutoSize;
};

void SetSettings(const TSettings& S)
{
    Name_Project = S.Project;
    Last_IP_Address = S.Address;
    Current_Language = S.Language;
    Enable_Internet = S.Internet;
    Enable_Update = S.Update;
    Enable_Jump_Field_Tables = S.Jump;
    Double_Click_Auto_Size = S.AutoSize;
}

void ExpectSettings(const TSettings& S, const char* Label)
{
    EXPECT_EQ(Name_Project, S.Project) << Label;
    EXPECT_EQ(Last_IP_Address, S.Address) << Label;
    EXPECT_EQ(Current_Language, S.Language) << Label;
    EXPECT_EQ(Enable_Internet, S.Internet) << Label;
    EXPECT_EQ(Enable_Update, S.Update) << Label;
    EXPECT_EQ(Enable_Jump_Field_Tables, S.Jump) << Label;
    EXPECT_EQ(Double_Click_Auto_Size, S.AutoSize) << Label;
}

const TSettings Defaults = {QString(), QStringLiteral("192.168.2.205"), QStringLiteral("English"), false, false, false, false};

// The names of Node's children, in order.
QStringList ChildNames(const IXMLNode& Node)
{
    QStringList Names;
    for (const IXMLNode& Child : Node->ChildNodes()) Names << Child->NodeName();
    return Names;
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Replaced = SetProgramFolderService(&Service);
        Set_Program_Folders();
        SetSettings({QStringLiteral("junk"), QStringLiteral("junk"), QStringLiteral("junk"), true, true, true, true});
        Path_Project = QStringLiteral("junk");
    }
    void TearDown() override
    {
        SetProgramFolderService(Replaced);
        SetSettings(Defaults);
        Path_Project.clear();
    }

    QString SettingsFile() const { return Folder.File(QStringLiteral("Quillan.xml")); }
    void Read() { Read_Settings_File(XML); }

    TempFolder Folder;
    TFolderService Service{Folder.Path()};
    TProgramFolderService* Replaced = nullptr;
    TXMLDocument XML{nullptr};
};

TEST_F(SettingsTest, TheFileLiesInTheProgramFolder)
{
    EXPECT_EQ(Settings_File_Name(), SettingsFile());
}

TEST_F(SettingsTest, AMissingFileGivesTheDefaults)
{
    Read();
    ExpectSettings(Defaults, "missing file");
    EXPECT_TRUE(Path_Project.isEmpty());
}

TEST_F(SettingsTest, RoundTripKeepsEveryValueAsItStands)
{
    const std::vector<TSettings> Cases = {
        {QStringLiteral("Plant A"), QStringLiteral("10.0.0.7"), QStringLiteral("Italiano"), true, false, true, false},
        {QStringLiteral(" Plant <&> B "), QStringLiteral(" 192.168.1.1 "), QStringLiteral("  English"), false, true, false, true},
        {QString(), QString(), QString(), true, true, true, true},
        {QStringLiteral("Caf\u00E9 \u00B6"), QStringLiteral("x"), QStringLiteral("Fran\u00E7ais"), false, false, false, false},
    };
    for (const TSettings& Case : Cases) {
        SetSettings(Case);
        Write_Settings_File(XML);
        SetSettings({QStringLiteral("other"), QStringLiteral("other"), QStringLiteral("other"), !Case.Internet,
                     !Case.Update, !Case.Jump, !Case.AutoSize});
        TXMLDocument Fresh(nullptr);
        Read_Settings_File(Fresh);
        ExpectSettings(Case, qPrintable(Case.Project));
    }
}

TEST_F(SettingsTest, TheFileHoldsExactlyTheSevenValuesInOrder)
{
    Folder.Write(QStringLiteral("Quillan.xml"),
                 "<Conf_Settings><extra>1</extra><lastproj><projectname>Old</projectname><more/></lastproj>"
                 "</Conf_Settings>\n<!-- trailing -->\n");
    Read();
    SetSettings({QStringLiteral("Plant A"), QStringLiteral("10.0.0.7"), QStringLiteral("English"), true, false, true, false});
    Write_Settings_File(XML);

    const QByteArray Bytes = Folder.Read(QStringLiteral("Quillan.xml"));
    EXPECT_TRUE(Bytes.startsWith("<Conf_Settings>")) << Bytes.constData();

    TXMLDocument Saved(nullptr);
    Saved.LoadFromFile(SettingsFile());
    ASSERT_EQ(Saved.ChildNodes().Count(), 1);
    const IXMLNode Root = Saved.ChildNodes().First();
    EXPECT_EQ(Root->NodeType(), ntElement);
    EXPECT_EQ(Root->NodeName(), QStringLiteral("Conf_Settings"));
    EXPECT_EQ(ChildNames(Root), (QStringList{QStringLiteral("lastproj"), QStringLiteral("lastipadd"),
                                             QStringLiteral("lastlang"), QStringLiteral("lastinternet")}));
    struct TValue {
        int32_t Group;
        const char* Name;
        const char* Text;
    };
    const std::vector<std::vector<TValue>> Groups = {
        {{0, "projectname", "Plant A"}},
        {{1, "ipaddress", "10.0.0.7"}},
        {{2, "language", "English"}},
        {{3, "enable_internet", "1"}, {3, "enable_update", "0"}, {3, "enable_jump_field_tables", "1"},
         {3, "Double_Click_Auto_Size", "0"}},
    };
    for (const auto& Values : Groups) {
        const IXMLNode Group = Root->ChildNodes().Nodes(Values.front().Group);
        EXPECT_EQ(Group->AttributeNodes().Count(), 0);
        ASSERT_EQ(Group->ChildNodes().Count(), static_cast<int32_t>(Values.size()));
        for (size_t I = 0; I < Values.size(); ++I) {
            const IXMLNode Value = Group->ChildNodes().Nodes(static_cast<int32_t>(I));
            EXPECT_EQ(Value->NodeName(), QString::fromLatin1(Values[I].Name));
            EXPECT_EQ(Value->Text(), QString::fromUtf8(Values[I].Text));
            EXPECT_EQ(Value->AttributeNodes().Count(), 0);
            EXPECT_TRUE(Value->IsTextElement());
        }
    }
}

struct TReadCase {
    const char* Label;
    const char* Xml;
    TSettings Expected;
};

TEST_F(SettingsTest, EdgeCasesOfReading)
{
    const char* Full = "<Conf_Settings><lastproj><projectname>P</projectname></lastproj>"
                       "<lastipadd><ipaddress>1.2.3.4</ipaddress></lastipadd>"
                       "<lastlang><language>Deutsch</language></lastlang>"
                       "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
                       "<enable_jump_field_tables>1</enable_jump_field_tables>"
                       "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>";
    const TSettings FullValues = {QStringLiteral("P"), QStringLiteral("1.2.3.4"), QStringLiteral("Deutsch"), true, true, true, true};
    const QByteArray WithDeclaration = QByteArray("<?xml version=\"1.0\"?>\n") + Full;
    const QByteArray WithComment = QByteArray("<!-- settings -->\n") + Full;
    const std::vector<TReadCase> Cases = {
        {"complete", Full, FullValues},
        {"missing enable_update",
         "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
         "<enable_jump_field_tables>1</enable_jump_field_tables>"
         "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>",
         {QString(), QStringLiteral("192.168.2.205"), QStringLiteral("English"), true, false, true, true}},
        {"true and blank one",
         "<Conf_Settings><lastinternet><enable_internet>true</enable_internet><enable_update> 1</enable_update>"
         "<enable_jump_field_tables>1 </enable_jump_field_tables><Double_Click_Auto_Size>01</Double_Click_Auto_Size>"
         "</lastinternet></Conf_Settings>",
         Defaults},
        {"untrimmed texts",
         "<Conf_Settings><lastproj><projectname> P </projectname></lastproj>"
         "<lastipadd><ipaddress> 1.2.3.4</ipaddress></lastipadd><lastlang><language>Deutsch </language></lastlang>"
         "</Conf_Settings>",
         {QStringLiteral(" P "), QStringLiteral(" 1.2.3.4"), QStringLiteral("Deutsch "), false, false, false, false}},
        {"empty elements",
         "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress></ipaddress></lastipadd>"
         "<lastlang><language/></lastlang></Conf_Settings>",
         {QString(), QString(), QString(), false, false, false, false}},
        {"values outside their group",
         "<Conf_Settings><projectname>P</projectname><lastproj/><enable_internet>1</enable_internet></Conf_Settings>",
         Defaults},
        {"other root name", "<Settings><lastlang><language>Deutsch</language></lastlang></Settings>",
         {QString(), QStringLiteral("192.168.2.205"), QStringLiteral("Deutsch"), false, false, false, false}},
        {"element holding markup",
         "<Conf_Settings><lastproj><projectname>a<b/>c</projectname></lastproj>"
         "<lastlang><language>Deutsch</language></lastlang></Conf_Settings>",
         {QString(), QStringLiteral("192.168.2.205"), QStringLiteral("Deutsch"), false, false, false, false}},
        {"declaration first", WithDeclaration.constData(), Defaults},
        {"comment first", WithComment.constData(), Defaults},
        {"not well-formed", "<Conf_Settings><lastproj>", Defaults},
        {"two roots", "<a/><b/>", Defaults},
        {"empty file", "", Defaults},
        {"binary", "\x01\x02\xFF\xFE", Defaults},
    };
    for (const TReadCase& Case : Cases) {
        Folder.Write(QStringLiteral("Quillan.xml"), Case.Xml);
        SetSettings({QStringLiteral("junk"), QStringLiteral("junk"), QStringLiteral("junk"), true, true, true, true});
        Path_Project = QStringLiteral("junk");
        TXMLDocument Document(nullptr);
        Read_Settings_File(Document);
        ExpectSettings(Case.Expected, Case.Label);
        EXPECT_TRUE(Path_Project.isEmpty()) << Case.Label;
    }
}

TEST_F(SettingsTest, AFileThatDidNotParseIsReplacedAtTheNextSave)
{
    Folder.Write(QStringLiteral("Quillan.xml"), "<Conf_Settings><lastproj>");
    Read();
    ExpectSettings(Defaults, "broken");
    Current_Language = QStringLiteral("Deutsch");
    Write_Settings_File(XML);
    TXMLDocument Fresh(nullptr);
    Read_Settings_File(Fresh);
    EXPECT_EQ(Current_Language, QStringLiteral("Deutsch"));
}

TEST_F(SettingsTest, AFailedSaveRaisesAndKeepsTheOldFile)
{
    const QString Target = Folder.File(QStringLiteral("missing/Quillan.xml"));
    EXPECT_THROW(Write_Settings_File(XML, Target), EFCreateError);
    Folder.Write(QStringLiteral("Quillan.xml"), "<Conf_Settings/>");
    QFile::setPermissions(SettingsFile(), QFile::ReadOwner);
    EXPECT_THROW(Write_Settings_File(XML), EFCreateError);
    EXPECT_EQ(Folder.Read(QStringLiteral("Quillan.xml")), QByteArray("<Conf_Settings/>"));
    QFile::setPermissions(SettingsFile(), QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace
