// The communication parameters window: layout, the octet edits' full stop, validation, ParGen.xml written and read back, Cancel.
#include "ConfigWindowTest.h"
#include "ParGenNames.h"
#include "UParGen.h"

#include "button/LbButton.h"
#include "os/XmlDoc.h"
#include "rtl/Files.h"
#include "support/Artifacts.h"
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "windows/ListControls.h"

#include <QFile>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

using TEditField = TEdit* TFParGen::*;
// Edits and the texts typed into them, in order.
using TEntries = std::vector<std::pair<TEditField, QString>>;

// The elements of ParGen.xml in file order, with the texts a new configuration's window shows.
const std::vector<std::pair<QString, QString>> Default_Elements = {
    {"EtherNetIP_IP1", "192"},  {"EtherNetIP_IP2", "168"},   {"EtherNetIP_IP3", "0"},     {"EtherNetIP_IP4", "5"},
    {"EtherNetIP_SM1", "255"},  {"EtherNetIP_SM2", "255"},   {"EtherNetIP_SM3", "255"},   {"EtherNetIP_SM4", "0"},
    {"EtherNetIP_GAT1", "192"}, {"EtherNetIP_GAT2", "168"},  {"EtherNetIP_GAT3", "0"},    {"EtherNetIP_GAT4", "1"},
    {"EtherNetIP_EN_GAT", "0"}, {"EtherNetIP_PORT", "44818"}, {"EtherNetIP_NB_Input", "496"},
    {"EtherNetIP_NB_Output", "496"}, {"PROFIBUS_SLAVE_ID_DEV", "10"}, {"PROFIBUS_SLAVE_BAUDRATE", "0"},
};

// The edits in the order of the elements above (the gateway switch and the baud rate have none).
const std::vector<std::pair<TParGen_Element, TEditField>> Element_Edits = {
    {pgIP1, &TFParGen::E_IP1},   {pgIP2, &TFParGen::E_IP2},   {pgIP3, &TFParGen::E_IP3},
    {pgIP4, &TFParGen::E_IP4},   {pgSM1, &TFParGen::E_SM1},   {pgSM2, &TFParGen::E_SM2},
    {pgSM3, &TFParGen::E_SM3},   {pgSM4, &TFParGen::E_SM4},   {pgGAT1, &TFParGen::E_GAT1},
    {pgGAT2, &TFParGen::E_GAT2}, {pgGAT3, &TFParGen::E_GAT3}, {pgGAT4, &TFParGen::E_GAT4},
    {pgPORT, &TFParGen::E_PORT}, {pgNB_Input, &TFParGen::E_NB_Input}, {pgNB_Output, &TFParGen::E_NB_Output},
    {pgID_DEV, &TFParGen::E_ID_DEV_PROFI_Slave},
};

// The elements of a written ParGen.xml: (name, text) of the root's children, in order.
std::vector<std::pair<QString, QString>> Elements(TXMLDocument& XML)
{
    std::vector<std::pair<QString, QString>> List;
    for (const IXMLNode& Node : XML.DocumentElement()->ChildNodes()) {
        EXPECT_EQ(Node->NodeType(), ntElement);
        EXPECT_EQ(Node->AttributeNodes().Count(), 0);
        List.emplace_back(Node->NodeName(), Node->Text());
    }
    return List;
}

// Default_Elements with the texts of Changes put in.
std::vector<std::pair<QString, QString>> With(const std::vector<std::pair<QString, QString>>& Changes)
{
    auto List = Default_Elements;
    for (const auto& [Name, Text] : Changes)
        for (auto& Element : List)
            if (Element.first == Name) Element.second = Text;
    return List;
}

class ParGenTest : public ConfigWindowTest {
protected:
    void SetUp() override
    {
        ConfigWindowTest::SetUp();
        Make_Configuration(QStringLiteral("Plant A"));
        Select_Project(QStringLiteral("Plant A"));
        Window.reset(New<TFParGen>(nullptr));
    }

    TEdit* Edit(TEditField Field) const { return Window.get()->*Field; }
    void Type_Into(const TEntries& Entries) const
    {
        for (const auto& [Field, Text] : Entries) Retype(Edit(Field), Text);
    }
    // Image sizes the validation takes (a new configuration's 496 are refused).
    void Type_Valid_Sizes() const { Type_Into({{&TFParGen::E_NB_Input, "32"}, {&TFParGen::E_NB_Output, "16"}}); }
    void Write_ParGen(const QByteArray& Content) const { Program.Write(QStringLiteral("PROJECTS/Plant A/ParGen.xml"), Content); }
    // A click on the square of CB_EN_GAT.
    void Click_Gateway_Switch() const { Input::Click(Window->CB_EN_GAT, {6, Window->CB_EN_GAT->Height() / 2}); }
    QByteArray Read_ParGen() const { return Program.Read(QStringLiteral("PROJECTS/Plant A/ParGen.xml")); }

    // The texts the window shows, as the elements of the file would hold them.
    std::vector<std::pair<QString, QString>> Shown() const
    {
        std::vector<std::pair<QString, QString>> List;
        for (const auto& [Element, Field] : Element_Edits) {
            if (Element == pgPORT)
                List.emplace_back(ParGen_Name(pgEN_GAT), Window->CB_EN_GAT->Checked() ? "1" : "0");
            List.emplace_back(ParGen_Name(Element), Edit(Field)->Text());
        }
        List.emplace_back(ParGen_Name(pgBAUDRATE), QString::number(Window->CB_Baud_PROFI_Slave->ItemIndex()));
        return List;
    }

    std::unique_ptr<TFParGen> Window;
};

// ---- Filling ----

TEST(ParGenNamesTest, TheTableNamesTheElementsOfTheFileInItsOrder)
{
    ASSERT_EQ(Default_Elements.size(), size_t(ParGen_Element_Count));
    for (int32_t E = 0; E < ParGen_Element_Count; ++E)
        EXPECT_EQ(ParGen_Name(static_cast<TParGen_Element>(E)), Default_Elements[size_t(E)].first);
    EXPECT_EQ(ParGen_Root(), QStringLiteral("Par_Gen"));
    EXPECT_EQ(ParGen_Octet(pgGAT1, 3), pgGAT4);
}

TEST_F(ParGenTest, WithoutParGenXmlEveryFieldTakesItsDefault)
{
    Run_Modal(Window.get(), [&] {
        EXPECT_EQ(Shown(), Default_Elements);
        EXPECT_FALSE(Window->Is_Change);
        EXPECT_FALSE(Window->E_PORT->Enabled());
        EXPECT_FALSE(Window->CB_Baud_PROFI_Slave->Enabled());
        EXPECT_EQ(Window->CB_Baud_PROFI_Slave->Items()->Strings(0), QStringLiteral("Auto Baudrate"));
    });
}

struct TReading {
    const char* Case;
    friend void PrintTo(const TReading& Value, std::ostream* Out) { *Out << Value.Case; }
    QByteArray File;
    // The elements whose texts differ from the defaults.
    std::vector<std::pair<QString, QString>> Shown;
};

class ParGenReadingTest : public ParGenTest, public ::testing::WithParamInterface<TReading> {};

TEST_P(ParGenReadingTest, FillsTheFieldsFromTheFileWithDefaultsForWhatItLacks)
{
    Write_ParGen(GetParam().File);
    Run_Modal(Window.get(), [&] {
        EXPECT_EQ(Shown(), With(GetParam().Shown));
        EXPECT_FALSE(Window->Is_Change);
    });
}

INSTANTIATE_TEST_SUITE_P(
    ParGen, ParGenReadingTest,
    ::testing::Values(
        TReading{"SomeElements",
                 "<Par_Gen><EtherNetIP_IP1>10</EtherNetIP_IP1><EtherNetIP_EN_GAT>1</EtherNetIP_EN_GAT>"
                 "<EtherNetIP_NB_Input>100</EtherNetIP_NB_Input><PROFIBUS_SLAVE_ID_DEV>7</PROFIBUS_SLAVE_ID_DEV></Par_Gen>",
                 {{"EtherNetIP_IP1", "10"}, {"EtherNetIP_EN_GAT", "1"}, {"EtherNetIP_NB_Input", "100"},
                  {"PROFIBUS_SLAVE_ID_DEV", "7"}}},
        TReading{"TextsAsTheyStand",
                 "<Par_Gen>\n  <EtherNetIP_SM2> 7 </EtherNetIP_SM2>\n  <EtherNetIP_GAT3>abc</EtherNetIP_GAT3>\n"
                 "  <EtherNetIP_IP4/>\n</Par_Gen>\n",
                 {{"EtherNetIP_SM2", " 7 "}, {"EtherNetIP_GAT3", "abc"}, {"EtherNetIP_IP4", ""}}},
        TReading{"PortAndBaudRateIgnoreTheFile",
                 "<Par_Gen><EtherNetIP_PORT>1234</EtherNetIP_PORT><PROFIBUS_SLAVE_BAUDRATE>3</PROFIBUS_SLAVE_BAUDRATE></Par_Gen>",
                 {}},
        TReading{"GatewaySwitchOnlyForExactlyOne", "<Par_Gen><EtherNetIP_EN_GAT> 1</EtherNetIP_EN_GAT></Par_Gen>", {}},
        TReading{"CommentBeforeTheRoot", "<!--SW_VERSION = 1.005--><Par_Gen><EtherNetIP_IP1>10</EtherNetIP_IP1></Par_Gen>", {}},
        TReading{"DoesNotParse", "<Par_Gen><EtherNetIP_IP1>10</EtherNetIP_IP1>", {}},
        TReading{"Empty", "", {}}),
    [](const auto& Info) { return std::string(Info.param.Case); });

TEST_F(ParGenTest, EditingMarksAChangeAndEachShowingStartsWithout)
{
    Write_ParGen("<Par_Gen><EtherNetIP_IP1>10</EtherNetIP_IP1></Par_Gen>");
    Run_Modal(Window.get(), [&] {
        EXPECT_FALSE(Window->Is_Change);
        Click_On(Window->E_IP2);
        Input::TypeText(QStringLiteral("1"));
        EXPECT_TRUE(Window->Is_Change);
    });
    Run_Modal(Window.get(), [&] {
        EXPECT_FALSE(Window->Is_Change);
        EXPECT_EQ(Window->E_IP2->Text(), QStringLiteral("168"));
        Click_Gateway_Switch();
        EXPECT_TRUE(Window->Is_Change);
    });
}

// ---- The full stop ----

struct TFullStop {
    TEditField From;
    // Where the focus goes; From itself when it stays.
    TEditField To;
};

TEST_F(ParGenTest, AFullStopInAnOctetEditMovesToTheNextOneAndIsNotTyped)
{
    const TFullStop Moves[] = {
        {&TFParGen::E_IP1, &TFParGen::E_IP2},   {&TFParGen::E_IP2, &TFParGen::E_IP3},
        {&TFParGen::E_IP3, &TFParGen::E_IP4},   {&TFParGen::E_IP4, &TFParGen::E_SM1},
        {&TFParGen::E_SM1, &TFParGen::E_SM2},   {&TFParGen::E_SM2, &TFParGen::E_SM3},
        {&TFParGen::E_SM3, &TFParGen::E_SM4},   {&TFParGen::E_SM4, &TFParGen::E_GAT1},
        {&TFParGen::E_GAT1, &TFParGen::E_GAT2}, {&TFParGen::E_GAT2, &TFParGen::E_GAT3},
        {&TFParGen::E_GAT3, &TFParGen::E_GAT4}, {&TFParGen::E_GAT4, &TFParGen::E_GAT4},
    };
    Run_Modal(Window.get(), [&] {
        for (const TFullStop& Move : Moves) {
            const QString Before = Edit(Move.From)->Text();
            Click_On(Edit(Move.From));
            Input::TypeText(QStringLiteral("."));
            EXPECT_TRUE(Edit(Move.To)->Focused()) << Edit(Move.From)->Text().toStdString();
            EXPECT_EQ(Edit(Move.From)->Text(), Before);
        }
    });
}

TEST_F(ParGenTest, AnAddressTypesAcrossTheOctetEdits)
{
    Run_Modal(Window.get(), [&] {
        Retype(Window->E_IP1, QStringLiteral("10.1.2.3.255.255.248.0.10.1.2.254."));
        EXPECT_TRUE(Window->E_GAT4->Focused());
    });
    EXPECT_EQ(Shown(), With({{"EtherNetIP_IP1", "10"}, {"EtherNetIP_IP2", "1"}, {"EtherNetIP_IP3", "2"},
                             {"EtherNetIP_IP4", "3"}, {"EtherNetIP_SM3", "248"}, {"EtherNetIP_GAT1", "10"},
                             {"EtherNetIP_GAT2", "1"}, {"EtherNetIP_GAT3", "2"}, {"EtherNetIP_GAT4", "254"}}));
}

TEST_F(ParGenTest, TheFullStopStaysWhenTheNextEditCannotTakeTheFocus)
{
    Window->E_SM1->SetEnabled(false);
    Run_Modal(Window.get(), [&] {
        Retype(Window->E_IP4, QStringLiteral("7."));
        EXPECT_TRUE(Window->E_IP4->Focused());
        EXPECT_EQ(Window->E_IP4->Text(), QStringLiteral("7"));
    });
}

TEST_F(ParGenTest, AFullStopInAnImageSizeIsTyped)
{
    Run_Modal(Window.get(), [&] {
        Retype(Window->E_NB_Input, QStringLiteral("12."));
        EXPECT_EQ(Window->E_NB_Input->Text(), QStringLiteral("12."));
        EXPECT_TRUE(Window->E_NB_Input->Focused());
    });
}

// ---- Validation ----

struct TValidation {
    const char* Case;
    friend void PrintTo(const TValidation& Value, std::ostream* Out) { *Out << Value.Case; }
    TEntries Entries;
    bool Gateway = false;
    // The message shown (the text number, and what follows it); 0 when everything passes.
    int32_t Message = 0;
    QString Suffix = {};
};

class ParGenValidationTest : public ParGenTest, public ::testing::WithParamInterface<TValidation> {};

TEST_P(ParGenValidationTest, ChecksInOrderAndTheFirstFailureWins)
{
    const TValidation& Case = GetParam();
    if (Case.Message) DialogScript().Answer(mrOk);
    const int32_t Result = Run_Modal(Window.get(), [&] {
        Type_Valid_Sizes();
        Type_Into(Case.Entries);
        if (Case.Gateway) Click_Gateway_Switch();
        Click_On(Window->Btn_OK);
        EXPECT_EQ(Window->ModalResult(), Case.Message ? mrNone : mrOk);
    });
    if (Case.Message) {
        ASSERT_EQ(DialogScript().Boxes().size(), 1u);
        const TMessageBoxRequest& Box = DialogScript().Boxes().front();
        EXPECT_EQ(Box.Text, Lang(Case.Message) + Case.Suffix);
        EXPECT_EQ(Box.Icon, mtError);
        EXPECT_EQ(ButtonCaptions(Box), QStringList{"OK"});
        EXPECT_FALSE(FileExists(File_ParGen));
        return;
    }
    EXPECT_EQ(Result, mrOk);
    EXPECT_TRUE(DialogScript().Boxes().empty());
    TXMLDocument XML(nullptr);
    XML.LoadFromFile(File_ParGen);
    std::vector<std::pair<QString, QString>> Typed = {{"EtherNetIP_NB_Input", "32"}, {"EtherNetIP_NB_Output", "16"}};
    for (const auto& [Field, Text] : Case.Entries)
        for (const auto& [Element, Edit] : Element_Edits)
            if (Edit == Field) Typed.emplace_back(ParGen_Name(Element), Text);
    if (Case.Gateway) Typed.emplace_back(QStringLiteral("EtherNetIP_EN_GAT"), QStringLiteral("1"));
    EXPECT_EQ(Elements(XML), With(Typed));
}

INSTANTIATE_TEST_SUITE_P(
    ParGen, ParGenValidationTest,
    ::testing::Values(
        TValidation{"AllValid", {}},
        TValidation{"Address1Above255", {{&TFParGen::E_IP1, "256"}}, false, 445},
        TValidation{"Address2Empty", {{&TFParGen::E_IP2, ""}}, false, 446},
        TValidation{"Address3NotANumber", {{&TFParGen::E_IP3, "abc"}}, false, 447},
        TValidation{"Address4Negative", {{&TFParGen::E_IP4, "-1"}}, false, 448},
        TValidation{"Mask1Hexadecimal", {{&TFParGen::E_SM1, "$FF"}}, false, 449},
        TValidation{"Mask2Above255", {{&TFParGen::E_SM2, "300"}}, false, 450},
        TValidation{"Mask3TrailingBlank", {{&TFParGen::E_SM3, "255 "}}, false, 451},
        TValidation{"Mask4Blank", {{&TFParGen::E_SM4, " "}}, false, 452},
        TValidation{"GatewayLettersWhileOff", {{&TFParGen::E_GAT1, "abc"}, {&TFParGen::E_GAT4, "x y"}}},
        TValidation{"GatewayLettersWhileOn", {{&TFParGen::E_GAT1, "abc"}}, true, 453},
        TValidation{"Gateway2Above255WhileOn", {{&TFParGen::E_GAT2, "256"}}, true, 454},
        TValidation{"Gateway3NegativeWhileOn", {{&TFParGen::E_GAT3, "-5"}}, true, 455},
        TValidation{"Gateway4Above255WhileOn", {{&TFParGen::E_GAT4, "999"}}, true, 456},
        TValidation{"GatewayValidWhileOn", {{&TFParGen::E_GAT1, "10"}, {&TFParGen::E_GAT4, "254"}}, true},
        TValidation{"InputAbove244", {{&TFParGen::E_NB_Input, "245"}}, false, 458, "244"},
        TValidation{"OutputAbove244", {{&TFParGen::E_NB_Output, "496"}}, false, 459, "244"},
        TValidation{"SizesAtTheirLimits", {{&TFParGen::E_NB_Input, "244"}, {&TFParGen::E_NB_Output, "0"}}},
        TValidation{"Station0", {{&TFParGen::E_ID_DEV_PROFI_Slave, "0"}}, false, 468},
        TValidation{"Station126", {{&TFParGen::E_ID_DEV_PROFI_Slave, "126"}}, false, 468},
        TValidation{"Station1", {{&TFParGen::E_ID_DEV_PROFI_Slave, "1"}}},
        TValidation{"Station125", {{&TFParGen::E_ID_DEV_PROFI_Slave, "125"}}},
        TValidation{"FirstOfThreeFailures",
                    {{&TFParGen::E_ID_DEV_PROFI_Slave, "0"}, {&TFParGen::E_SM1, "256"}, {&TFParGen::E_IP2, "999"}},
                    false, 446},
        TValidation{"AddressesBeforeSizes", {{&TFParGen::E_NB_Input, "300"}, {&TFParGen::E_IP4, "256"}}, false, 448}),
    [](const auto& Info) { return std::string(Info.param.Case); });

TEST_F(ParGenTest, OKRightAfterOpeningANewConfigurationReports458With244)
{
    DialogScript().Answer(mrOk);
    Run_Modal(Window.get(), [&] { Click_On(Window->Btn_OK); });
    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    EXPECT_EQ(DialogScript().Boxes().front().Text,
              QStringLiteral("Error EtherNet/IP!! Number Byte Input must be between 0 and 244"));
    EXPECT_FALSE(FileExists(File_ParGen));
}

TEST_F(ParGenTest, ThePortMustBe44818)
{
    // The port's edit is disabled: only the program can change it.
    DialogScript().Answer(mrOk);
    Run_Modal(Window.get(), [&] {
        Type_Valid_Sizes();
        Window->E_PORT->SetText(QStringLiteral("44819"));
        Click_On(Window->Btn_OK);
    });
    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    EXPECT_EQ(DialogScript().Boxes().front().Text, Lang(457));
}

// ---- Writing ----

TEST_F(ParGenTest, OKWritesTheRootThenTheVersionCommentAndTheElementsInOrder)
{
    EXPECT_EQ(Run_Modal(Window.get(), [&] {
                  Retype(Window->E_IP1, QStringLiteral("10.0.0.20.255.255.0.0.10.0.0.1"));
                  Click_Gateway_Switch();
                  Type_Into({{&TFParGen::E_NB_Input, "244"}, {&TFParGen::E_NB_Output, "8"},
                             {&TFParGen::E_ID_DEV_PROFI_Slave, "3"}});
                  Click_On(Window->Btn_OK);
              }),
              mrOk);
    const QByteArray Written = Read_ParGen();
    EXPECT_TRUE(Written.startsWith("<Par_Gen>")) << Written.toStdString();
    TXMLDocument XML(nullptr);
    XML.LoadFromXML(QString::fromUtf8(Written));
    ASSERT_EQ(XML.ChildNodes().Count(), 2);
    EXPECT_EQ(XML.ChildNodes().Nodes(0)->NodeName(), QStringLiteral("Par_Gen"));
    EXPECT_EQ(XML.ChildNodes().Nodes(1)->NodeType(), ntComment);
    EXPECT_EQ(XML.ChildNodes().Nodes(1)->Text(), QStringLiteral("SW_VERSION = 1.005"));
    const auto Expected = With({{"EtherNetIP_IP1", "10"}, {"EtherNetIP_IP2", "0"}, {"EtherNetIP_IP3", "0"},
                                {"EtherNetIP_IP4", "20"}, {"EtherNetIP_SM3", "0"}, {"EtherNetIP_GAT1", "10"},
                                {"EtherNetIP_GAT2", "0"}, {"EtherNetIP_GAT3", "0"}, {"EtherNetIP_EN_GAT", "1"},
                                {"EtherNetIP_NB_Input", "244"}, {"EtherNetIP_NB_Output", "8"},
                                {"PROFIBUS_SLAVE_ID_DEV", "3"}});
    EXPECT_EQ(Elements(XML), Expected);

    // Read back by the next showing.
    Run_Modal(Window.get(), [&] {
        EXPECT_EQ(Shown(), Expected);
        EXPECT_FALSE(Window->Is_Change);
    });
}

TEST_F(ParGenTest, AFileThatDoesNotParseIsReplacedByTheNextOK)
{
    Write_ParGen("<Par_Gen><EtherNetIP_IP1>10</EtherNet");
    EXPECT_EQ(Run_Modal(Window.get(), [&] {
                  EXPECT_EQ(Shown(), Default_Elements);
                  Type_Valid_Sizes();
                  Click_On(Window->Btn_OK);
              }),
              mrOk);
    TXMLDocument XML(nullptr);
    XML.LoadFromFile(File_ParGen);
    EXPECT_EQ(Elements(XML), With({{"EtherNetIP_NB_Input", "32"}, {"EtherNetIP_NB_Output", "16"}}));
}

struct TFailingSave {
    const char* Case;
    friend void PrintTo(const TFailingSave& Value, std::ostream* Out) { *Out << Value.Case; }
    // Makes the save fail while the window shows.
    std::function<void()> Prepare;
};

class ParGenFailingSaveTest : public ParGenTest, public ::testing::WithParamInterface<TFailingSave> {};

TEST_P(ParGenFailingSaveTest, IsReportedAndTheWindowStaysOpen)
{
    DialogScript().Answer(mrOk);
    Run_Modal(Window.get(), [&] {
        GetParam().Prepare();
        Type_Valid_Sizes();
        Click_On(Window->Btn_OK);
        EXPECT_TRUE(Window->Visible());
        EXPECT_EQ(Window->ModalResult(), mrNone);
    });
    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    EXPECT_TRUE(DialogScript().Boxes().front().Text.startsWith(QStringLiteral("Cannot create file"))) << DialogScript().Boxes().front().Text.toStdString();
    EXPECT_EQ(DialogScript().Boxes().front().Icon, mtError);
}

INSTANTIATE_TEST_SUITE_P(
    ParGen, ParGenFailingSaveTest,
    ::testing::Values(TFailingSave{"FolderGone", [] { ASSERT_TRUE(QDir(Path_Project).removeRecursively()); }},
                      TFailingSave{"ReadOnlyFile",
                                   [] {
                                       QFile File(File_ParGen);
                                       ASSERT_TRUE(File.open(QIODevice::WriteOnly));
                                       File.close();
                                       ASSERT_TRUE(File.setPermissions(QFileDevice::ReadOwner));
                                   }}),
    [](const auto& Info) { return std::string(Info.param.Case); });

// ---- Cancel ----

TEST_F(ParGenTest, CancelWithoutChangesClosesAtOnce)
{
    Write_ParGen("<Par_Gen><EtherNetIP_IP1>10</EtherNetIP_IP1></Par_Gen>");
    EXPECT_EQ(Run_Modal(Window.get(), [&] { Click_On(Window->Btn_Cancel); }), mrCancel);
    EXPECT_TRUE(DialogScript().Boxes().empty());
}

TEST_F(ParGenTest, CancelAfterAChangeAsksAndOnlyYesCloses)
{
    const QByteArray File = "<Par_Gen><EtherNetIP_IP1>10</EtherNetIP_IP1></Par_Gen>";
    Write_ParGen(File);
    DialogScript().Answer(mrNo).Answer(mrYes);
    EXPECT_EQ(Run_Modal(Window.get(), [&] {
                  Click_On(Window->E_IP1);
                  Input::TypeText(QStringLiteral("0"));
                  Click_On(Window->Btn_Cancel);
                  EXPECT_TRUE(Window->Visible());
                  EXPECT_EQ(Window->ModalResult(), mrNone);
                  Click_On(Window->Btn_Cancel);
              }),
              mrCancel);
    ASSERT_EQ(DialogScript().Boxes().size(), 2u);
    const TMessageBoxRequest& Box = DialogScript().Boxes().front();
    EXPECT_EQ(Box.Text, QStringLiteral("Do you want to exit without saving changes?"));
    EXPECT_EQ(Box.Icon, mtConfirmation);
    EXPECT_EQ(ButtonCaptions(Box), (QStringList{"&Yes", "&No"}));
    EXPECT_EQ(Read_ParGen(), File);
}

TEST_F(ParGenTest, TheCloseBoxDiscardsChangesWithoutAsking)
{
    EXPECT_EQ(Run_Modal(Window.get(), [&] {
                  Retype(Window->E_IP1, QStringLiteral("11"));
                  WidgetOf(Window->Handle())->windowHandle()->close();
              }),
              mrCancel);
    EXPECT_TRUE(DialogScript().Boxes().empty());
    EXPECT_FALSE(FileExists(File_ParGen));
}

// ---- Layout ----

struct TLayout {
    const char* Case;
    friend void PrintTo(const TLayout& Value, std::ostream* Out) { *Out << Value.Case; }
    std::vector<TLbButton* TFParGen::*> Clicks;
    bool EtherNetIP_Expanded;
    bool PROFIBUS_Expanded;
    int32_t EtherNetIP_Height;
    int32_t PROFIBUS_Top;
    int32_t PROFIBUS_Height;
    int32_t Buttons_Top;
    int32_t Client_Height;
};

class ParGenLayoutTest : public ParGenTest, public ::testing::WithParamInterface<TLayout> {};

TEST_P(ParGenLayoutTest, StacksTheBoxesAndSizesTheWindow)
{
    const TLayout& Case = GetParam();
    Run_Modal(Window.get(), [&] {
        for (TLbButton* TFParGen::*Button : Case.Clicks) Click_On(Window.get()->*Button);
    });
    // The layout stays for the next showing.
    Run_Modal(Window.get(), [&] {
        EXPECT_EQ(Window->GB_EtherNetIP->BoundsRect(), Bounds(8, 70, 296, Case.EtherNetIP_Height));
        EXPECT_EQ(Window->GB_PROFIBUS_Slave->BoundsRect(), Bounds(8, Case.PROFIBUS_Top, 296, Case.PROFIBUS_Height));
        EXPECT_EQ(Window->Btn_OK->Top(), Case.Buttons_Top);
        EXPECT_EQ(Window->Btn_Cancel->Top(), Case.Buttons_Top);
        EXPECT_EQ(Window->ClientWidth(), 312);
        EXPECT_EQ(Window->ClientHeight(), Case.Client_Height);

        EXPECT_EQ(Window->GB_EtherNetIP_Visible, Case.EtherNetIP_Expanded);
        EXPECT_EQ(Window->L_EtherNetIP_IP->Visible(), Case.EtherNetIP_Expanded);
        EXPECT_EQ(Window->Btn_EtherNetIP_Collapse->Visible(), Case.EtherNetIP_Expanded);
        EXPECT_EQ(Window->Btn_EtherNetIP_Expande->Visible(), !Case.EtherNetIP_Expanded);
        EXPECT_EQ(Window->GB_PROFIBUS_Slave_Visible, Case.PROFIBUS_Expanded);
        EXPECT_EQ(Window->L_PROFIBUS_Slave_ID->Visible(), Case.PROFIBUS_Expanded);
        EXPECT_EQ(Window->E_ID_DEV_PROFI_Slave->Visible(), Case.PROFIBUS_Expanded);
        EXPECT_EQ(Window->Btn_PROFIBUS_Slave_Collapse->Visible(), Case.PROFIBUS_Expanded);
        EXPECT_EQ(Window->Btn_PROFIBUS_Slave_Expande->Visible(), !Case.PROFIBUS_Expanded);
        for (TLbButton* Button : {Window->Btn_EtherNetIP_Collapse, Window->Btn_EtherNetIP_Expande,
                                  Window->Btn_PROFIBUS_Slave_Collapse, Window->Btn_PROFIBUS_Slave_Expande})
            EXPECT_EQ(Button->BoundsRect(), Bounds(280, 10, 14, 14));

        if (Case.EtherNetIP_Expanded == Case.PROFIBUS_Expanded)
            SaveArtifact(RenderControl(Window.get(), true),
                         Case.EtherNetIP_Expanded ? QStringLiteral("pargen-expanded") : QStringLiteral("pargen-collapsed"));
    });
}

INSTANTIATE_TEST_SUITE_P(
    ParGen, ParGenLayoutTest,
    ::testing::Values(
        TLayout{"BothExpanded", {}, true, true, 292, 368, 92, 473, 514},
        TLayout{"EtherNetIPCollapsed", {&TFParGen::Btn_EtherNetIP_Collapse}, false, true, 26, 102, 92, 207, 248},
        TLayout{"PROFIBUSCollapsed", {&TFParGen::Btn_PROFIBUS_Slave_Collapse}, true, false, 292, 368, 26, 407, 448},
        TLayout{"BothCollapsed", {&TFParGen::Btn_EtherNetIP_Collapse, &TFParGen::Btn_PROFIBUS_Slave_Collapse}, false,
                false, 26, 102, 26, 141, 182},
        TLayout{"CollapsedAndExpandedAgain",
                {&TFParGen::Btn_EtherNetIP_Collapse, &TFParGen::Btn_PROFIBUS_Slave_Collapse,
                 &TFParGen::Btn_EtherNetIP_Expande, &TFParGen::Btn_PROFIBUS_Slave_Expande},
                true, true, 292, 368, 92, 473, 514}),
    [](const auto& Info) { return std::string(Info.param.Case); });

TEST_F(ParGenTest, EveryLayoutShowsTheImageSizes)
{
    TControl* const Image_Sizes[] = {Window->L_EtherNetIP_NumIn, Window->E_NB_Input, Window->L_EtherNetIP_NumOut,
                                     Window->E_NB_Output};
    for (TControl* Control : Image_Sizes) Control->SetVisible(false);
    Window->Move_GroupBoxs();
    for (TControl* Control : Image_Sizes) EXPECT_TRUE(Control->Visible());
}

TEST_F(ParGenTest, AWindowAboveTheScreenMovesDownToItsTopEdge)
{
    Window->SetPosition(poDesigned);
    Window->SetTop(-40);
    Run_Modal(Window.get(), [&] { EXPECT_EQ(Window->Top(), 0); });
}

TEST_F(ParGenTest, TextsComeFromTheLanguageTable)
{
    Lang_Table->SetStrings(405, QStringLiteral("INDIRIZZO IP"));
    Window->Set_Lang();
    const std::pair<TControl*, const char*> Captions[] = {
        {Window.get(), "Set Communication"},
        {Window->L_SW_Code, "KT20418"},
        {Window->L_SW_Desc, "Set Communication Setting"},
        {Window->Btn_OK, "OK"},
        {Window->Btn_Cancel, "Cancel"},
        {Window->GB_EtherNetIP, " EtherNet/IP "},
        {Window->L_EtherNetIP_IP, "INDIRIZZO IP"},
        {Window->L_EtherNetIP_SM, "SUBNET Mask"},
        {Window->CB_EN_GAT, "GATEWAY"},
        {Window->L_EtherNetIP_Port, "Port"},
        {Window->L_EtherNetIP_NumIn, "Number Byte Input"},
        {Window->L_EtherNetIP_NumOut, "Number Byte Output"},
        {Window->GB_PROFIBUS_Slave, " PROFIBUS Slave "},
        {Window->L_PROFIBUS_Slave_ID, "ID Device"},
        {Window->L_PROFIBUS_Slave_Baud, "Baudrate"},
    };
    for (const auto& [Control, Caption] : Captions) EXPECT_EQ(Control->Caption(), QString::fromLatin1(Caption));
    EXPECT_EQ(Window->Btn_EtherNetIP_Collapse->Hint(), QStringLiteral("Collapse"));
    EXPECT_EQ(Window->Btn_PROFIBUS_Slave_Expande->Hint(), QStringLiteral("Expand"));
}

}  // namespace
