// The GSD writer: the whole text for several image sizes, the file name rule, the questions and the failures.
#include "GsdExpected.h"
#include "UComon.h"
#include "UProfibus_GSD.h"

#include "rtl/Exceptions.h"
#include "rtl/Files.h"
#include "support/DialogScript.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string>
#include <type_traits>

namespace {

using GsdExpected::ExpectedGsd;

static_assert(std::is_same_v<decltype(GSD_Input_Len), int32_t>);
static_assert(std::is_same_v<decltype(GSD_Output_Len), int32_t>);

const QString NoParGenText =
    QStringLiteral("Error! Please set the Set Communication Parameter before to create the GSD file");
const QString OverwriteText = QStringLiteral("File already exists! Do you want to overwrite the file?");

// Puts the current folder back when a test ends: a save dialog moves it to the file's folder.
class TCurrentDirKept {
public:
    TCurrentDirKept() : FSaved(GetCurrentDir()) {}
    ~TCurrentDirKept() { SetCurrentDir(FSaved); }
    TCurrentDirKept(const TCurrentDirKept&) = delete;
    TCurrentDirKept& operator=(const TCurrentDirKept&) = delete;

private:
    QString FSaved;
};

QByteArray ParGen(const char* Input, const char* Output)
{
    QByteArray Xml = "<Par_Gen>\n  <EtherNetIP_IP1>192</EtherNetIP_IP1>\n";
    if (Input) Xml += QByteArray("  <EtherNetIP_NB_Input>") + Input + "</EtherNetIP_NB_Input>\n";
    if (Output) Xml += QByteArray("  <EtherNetIP_NB_Output>") + Output + "</EtherNetIP_NB_Output>\n";
    return Xml + "</Par_Gen>\n<!--SW_VERSION = 1.005-->\n";
}

class GsdWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SavedProject = Path_Project;
        SavedParGen = File_ParGen;
        Path_Project = Config.Path();
        File_ParGen = Config.File(QStringLiteral("ParGen.xml"));
    }
    void TearDown() override
    {
        Path_Project = SavedProject;
        File_ParGen = SavedParGen;
    }

    void WriteParGen(const QByteArray& Xml) const { Config.Write(QStringLiteral("ParGen.xml"), Xml); }
    // The files of the configuration folder besides ParGen.xml.
    QStringList OtherFiles() const
    {
        QStringList Files = QDir(Config.Path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        Files.removeAll(QStringLiteral("ParGen.xml"));
        return Files;
    }

    TCurrentDirKept CurrentDir;
    TempFolder Config;
    QString SavedProject;
    QString SavedParGen;
};

TEST_F(GsdWriterTest, TheWholeTextForEachImageSize)
{
    const struct {
        const char* Input;
        const char* Output;
        int In;
        int Out;
    } Cases[] = {
        {"0", "0", 0, 0},       {nullptr, nullptr, 0, 0}, {"x", "", 0, 0},       {"1", "0", 1, 0},
        {"64", "0", 64, 0},     {"65", "0", 65, 0},       {"0", "65", 0, 65},    {"512", "0", 512, 0},
        {"0", "512", 0, 512},   {"244", "244", 244, 244}, {"1", "1", 1, 1},      {"128", "129", 128, 129},
        {"16320", "0", 16320, 0}, {"8128", "8192", 8128, 8192},
    };
    int Number = 0;
    for (const auto& Case : Cases) {
        SCOPED_TRACE(std::to_string(Case.In) + " / " + std::to_string(Case.Out));
        WriteParGen(ParGen(Case.Input, Case.Output));
        const QString Name = QStringLiteral("sizes-%1.gsd").arg(++Number);
        DialogScript().Type(Name);
        ASSERT_TRUE(Create_GSD_File());
        const QByteArray Bytes = Config.Read(Name);
        EXPECT_EQ(Bytes.toStdString(), ExpectedGsd(Case.In, Case.Out));
        EXPECT_EQ(GSD_Input_Len, Case.In);
        EXPECT_EQ(GSD_Output_Len, Case.Out);
    }
}

TEST_F(GsdWriterTest, TheFileIsAsciiWithCrLfAndNoByteOrderMark)
{
    WriteParGen(ParGen("244", "244"));
    DialogScript().Type(QStringLiteral("plant.gsd"));
    ASSERT_TRUE(Create_GSD_File());
    const QByteArray Bytes = Config.Read(QStringLiteral("plant.gsd"));
    ASSERT_FALSE(Bytes.isEmpty());
    EXPECT_EQ(Bytes.front(), ';');
    EXPECT_TRUE(Bytes.endsWith("EndSlotDefinition\r\n\r\n\r\n\r\n\r\n"));
    for (qsizetype I = 0; I < Bytes.size(); ++I) {
        const auto C = static_cast<unsigned char>(Bytes[I]);
        ASSERT_TRUE(C == '\r' || C == '\n' || (C >= 0x20 && C < 0x7F)) << "byte " << int(C) << " at " << I;
        if (C == '\n') {
            ASSERT_TRUE(I > 0 && Bytes[I - 1] == '\r') << "bare LF at " << I;
        } else if (C == '\r') {
            ASSERT_TRUE(I + 1 < Bytes.size() && Bytes[I + 1] == '\n') << "bare CR at " << I;
        }
    }
    // The banner is 85 characters wide.
    const QList<QByteArray> Lines = Bytes.split('\n');
    for (int I = 1; I <= 14; ++I) EXPECT_EQ(Lines[I].size(), 86) << "line " << I + 1;
    EXPECT_EQ(Lines[1], ";******************** EtherNet/IP / PROFIBUS Slave - Converter **********************\r");
}

TEST_F(GsdWriterTest, ModulesOf244And244)
{
    WriteParGen(ParGen("244", "244"));
    DialogScript().Type(QStringLiteral("plant.gsd"));
    ASSERT_TRUE(Create_GSD_File());
    const QString Text = QString::fromLatin1(Config.Read(QStringLiteral("plant.gsd")));
    const QStringList Expected = {
        "Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01", "Module=\"DI  (PORT4)    \" 0x42,0x33,0x00,0x04",
        "Module=\"DO  (PORT5)    \" 0x82,0x3F,0x00,0x05", "Module=\"DO  (PORT8)    \" 0x82,0x33,0x00,0x08",
        "Max_Module=8",  "Max_Data_Len=488", "Slot(8) = \"Slot 8\" 8 8"};
    for (const QString& Line : Expected) EXPECT_TRUE(Text.contains(Line + QStringLiteral("\r\n"))) << Line.toStdString();
    EXPECT_FALSE(Text.contains(QStringLiteral("Slot(9)")));
}

TEST_F(GsdWriterTest, TheExtensionRuleOfTypedNames)
{
    QDir().mkdir(Config.File(QStringLiteral("sub.gsd")));
    const struct {
        const char* Typed;
        const char* Saved;
    } Cases[] = {
        {"plant", "plant.gsd"},
        {"named.gsd", "named.gsd"},
        {"upper.GSD", "upper.GSD"},
        {"mixed.Gsd", "mixed.Gsd"},
        {"list.gsd.txt", "list.gsd.txt.gsd"},
        {"text.txt", "text.txt.gsd"},
        {"plant.v2", "plant.v2.gsd"},
        {"twice.gsd.gsd", "twice.gsd.gsd.gsd"},
        {"long.gsdx", "long.gsdx.gsd"},
        {"dots.", "dots.gsd"},
        {"sub.gsd/inner", "sub.gsd/inner.gsd"},
        {"sub.gsd/named.gsd", "sub.gsd/named.gsd"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Typed);
        WriteParGen(ParGen("1", "1"));
        DialogScript().Type(QString::fromLatin1(Case.Typed));
        ASSERT_TRUE(Create_GSD_File());
        EXPECT_TRUE(QFileInfo(Config.File(QString::fromLatin1(Case.Saved))).isFile());
        EXPECT_EQ(Config.Read(QString::fromLatin1(Case.Saved)).toStdString(), ExpectedGsd(1, 1));
        const TFileDialogRequest& Asked = DialogScript().FileDialogs().back();
        EXPECT_EQ(Asked.Kind, TFileDialogKind::Save);
        EXPECT_EQ(Asked.Folder, Config.Path());
        EXPECT_TRUE(Asked.DefaultExt.isEmpty());
        ASSERT_EQ(Asked.Filters.size(), 1u);
        EXPECT_EQ(Asked.Filters[0].Description, QStringLiteral("Generic Station Description (*.gsd)"));
        EXPECT_EQ(Asked.Filters[0].Patterns, QStringList{QStringLiteral("*.gsd")});
    }
    QStringList Saved;
    for (const auto& Case : Cases) Saved << QString::fromLatin1(Case.Saved).section(u'/', 0, 0);
    Saved.removeDuplicates();
    Saved.sort();
    EXPECT_EQ(OtherFiles(), Saved);
    EXPECT_EQ(QDir(Config.File(QStringLiteral("sub.gsd"))).entryList(QDir::Files),
              (QStringList{QStringLiteral("inner.gsd"), QStringLiteral("named.gsd")}));
    EXPECT_TRUE(DialogScript().Boxes().empty());
}

TEST_F(GsdWriterTest, TheNameRuleLooksAtTheNameOnly)
{
    const struct {
        const char* Chosen;
        const char* Result;
    } Cases[] = {
        {"/p/plant", "/p/plant.gsd"},
        {"/p/x.gsd/plant", "/p/x.gsd/plant.gsd"},
        {"/p/x.gsd/plant.GSD", "/p/x.gsd/plant.GSD"},
        {"/p/a.GSD.gsd", "/p/a.GSD.gsd.gsd"},
        {"/p/.gsd", "/p/.gsd"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(GSD_File_Name(QString::fromLatin1(Case.Chosen)), QString::fromLatin1(Case.Result)) << Case.Chosen;
}

TEST_F(GsdWriterTest, AnExistingFileIsReplacedOnlyOnYes)
{
    const QByteArray Old = "old";
    Config.Write(QStringLiteral("plant.gsd"), Old);
    WriteParGen(ParGen("64", "0"));

    DialogScript().Type(QStringLiteral("plant")).Answer(mrNo);
    EXPECT_FALSE(Create_GSD_File());
    EXPECT_EQ(Config.Read(QStringLiteral("plant.gsd")), Old);

    DialogScript().Type(QStringLiteral("plant.gsd")).Answer(mrYes);
    EXPECT_TRUE(Create_GSD_File());
    EXPECT_EQ(Config.Read(QStringLiteral("plant.gsd")).toStdString(), ExpectedGsd(64, 0));

    ASSERT_EQ(DialogScript().Boxes().size(), 2u);
    for (const TMessageBoxRequest& Box : DialogScript().Boxes()) {
        EXPECT_EQ(Box.Text, OverwriteText);
        EXPECT_EQ(Box.Icon, mtConfirmation);
        EXPECT_EQ(ButtonCaptions(Box), (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
    }
}

TEST_F(GsdWriterTest, WithoutParGenThereIsAnErrorAndNoFile)
{
    DialogScript().Answer(mrOk);
    EXPECT_FALSE(Create_GSD_File());
    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    const TMessageBoxRequest& Box = DialogScript().Boxes().front();
    EXPECT_EQ(Box.Text, NoParGenText);
    EXPECT_EQ(Box.Icon, mtError);
    EXPECT_EQ(ButtonCaptions(Box), QStringList{QStringLiteral("OK")});
    EXPECT_TRUE(DialogScript().FileDialogs().empty());
    EXPECT_TRUE(OtherFiles().isEmpty());
}

TEST_F(GsdWriterTest, WithoutAConfigurationThereIsAnErrorAndNoFile)
{
    Path_Project.clear();
    File_ParGen.clear();
    DialogScript().Answer(mrOk);
    EXPECT_FALSE(Create_GSD_File());
    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    EXPECT_EQ(DialogScript().Boxes().front().Text, NoParGenText);
    EXPECT_TRUE(DialogScript().FileDialogs().empty());
}

TEST_F(GsdWriterTest, SizesNoGsdCanDescribeAreRefused)
{
    const struct {
        const char* Input;
        const char* Output;
    } Cases[] = {{"-1", "0"}, {"0", "-64"}, {"16321", "0"}, {"8192", "8192"}, {"2147483647", "0"},
                 {"2147483647", "2147483647"}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(std::string(Case.Input) + " / " + Case.Output);
        WriteParGen(ParGen(Case.Input, Case.Output));
        const size_t Before = DialogScript().Boxes().size();
        DialogScript().Answer(mrOk);
        EXPECT_FALSE(Create_GSD_File());
        ASSERT_EQ(DialogScript().Boxes().size(), Before + 1);
        EXPECT_EQ(DialogScript().Boxes().back().Text, NoParGenText);
    }
    EXPECT_TRUE(DialogScript().FileDialogs().empty());
    EXPECT_TRUE(OtherFiles().isEmpty());
    GSD_Input_Len = -1;
    GSD_Output_Len = 0;
    EXPECT_THROW(Write_GSD_File(Config.File(QStringLiteral("direct.gsd"))), ERangeError);
    EXPECT_TRUE(OtherFiles().isEmpty());
}

TEST_F(GsdWriterTest, ACancelledDialogWritesNothing)
{
    WriteParGen(ParGen("64", "64"));
    DialogScript().Cancel();
    EXPECT_FALSE(Create_GSD_File());
    EXPECT_TRUE(DialogScript().Boxes().empty());
    EXPECT_EQ(DialogScript().FileDialogs().size(), 1u);
    EXPECT_TRUE(OtherFiles().isEmpty());
}

TEST_F(GsdWriterTest, AParGenThatDoesNotParseIsReported)
{
    WriteParGen("<Par_Gen><EtherNetIP_NB_Input>4</Par_Gen>");
    DialogScript().Answer(mrOk);
    EXPECT_FALSE(Create_GSD_File());
    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    EXPECT_TRUE(DialogScript().Boxes().front().Text.contains(File_ParGen));
    EXPECT_EQ(DialogScript().Boxes().front().Icon, mtError);
    EXPECT_TRUE(DialogScript().FileDialogs().empty());
    EXPECT_TRUE(OtherFiles().isEmpty());
}

TEST_F(GsdWriterTest, AFailedWriteIsReportedAndTheOldFileKept)
{
    const QByteArray Old = "old";
    const QString Target = Config.Write(QStringLiteral("plant.gsd"), Old);
    QFile::setPermissions(Target, QFile::ReadOwner);
    WriteParGen(ParGen("64", "0"));
    DialogScript().Type(QStringLiteral("plant.gsd")).Answer(mrYes).Answer(mrOk);
    EXPECT_FALSE(Create_GSD_File());
    ASSERT_EQ(DialogScript().Boxes().size(), 2u);
    const TMessageBoxRequest& Box = DialogScript().Boxes().back();
    EXPECT_TRUE(Box.Text.contains(Target)) << Box.Text.toStdString();
    EXPECT_EQ(Box.Icon, mtError);
    QFile::setPermissions(Target, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(Config.Read(QStringLiteral("plant.gsd")), Old);
}

} // namespace
