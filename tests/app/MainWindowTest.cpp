// The main window driven through its buttons: layout and texts, the step guard, the step windows, options, close, version check, links and language change.
#include "UAbout.h"
#include "UBootTCP.h"
#include "UComon.h"
#include "ULanguage.h"
#include "UNew_Project.h"
#include "UOpenConf.h"
#include "UParGen.h"
#include "UQuillaneFirmWare.h"
#include "USettings.h"
#include "USoftOptions.h"
#include "UVersionCheck.h"
#include "tables/UCAN_Rec_Frames.h"
#include "tables/UCAN_Send_Frame.h"
#include "tables/UDMXDefVal.h"
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
#include "support/Artifacts.h"
#include "support/DialogScript.h"
#include "support/HttpTestServer.h"
#include "support/Input.h"
#include "support/Render.h"
#include "support/TempFolder.h"

#include "button/LbButton.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "os/Services.h"
#include "os/XmlDoc.h"
#include "rtl/Files.h"
#include "windows/StdCtrls.h"
#include "windows/Timer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <utility>
#include <vector>

namespace {

const QString Not_Valid = QStringLiteral("Error! Project not Valid");

class TRecordingUrlOpener : public TUrlOpener {
public:
    bool OpenUrl(const QString& Url) override
    {
        Opened << Url;
        return true;
    }
    QStringList Opened;
};

class TLoopbackEndpoints : public TNetworkEndpointService {
public:
    uint16_t Port = 0;
    TNetworkEndpoint MakerWebServer() override { return {QStringLiteral("127.0.0.1"), Port}; }
};

// Closes the next window shown modally with Result, once WhileShown has run, and records which
// window it was. It watches from its creation until its end; Shown stays nil when none showed.
class TModalAnswer {
public:
    explicit TModalAnswer(TModalResult Result, std::function<void()> WhileShown = {})
    {
        QObject::connect(&FWatch, &QTimer::timeout, [this, Result, WhileShown] {
            for (int32_t I = 0; I < Screen->CustomFormCount(); ++I) {
                TCustomForm* Form = Screen->CustomForms(I);
                if (!Form->FormState().Contains(fsModal)) continue;
                FWatch.stop();
                Shown = Form;
                if (WhileShown) WhileShown();
                Form->SetModalResult(Result);
                return;
            }
        });
        FWatch.start(0);
    }
    TCustomForm* Shown = nullptr;

private:
    QTimer FWatch;
};

// Group/value=text of every value element of a settings file, in file order.
QStringList SettingsValues(const QString& FileName)
{
    TXMLDocument XML(nullptr);
    XML.LoadFromFile(FileName);
    QStringList Values;
    const IXMLNode Root = XML.ChildNodes().First();
    Values << Root->NodeName();
    for (const IXMLNode& Group : Root->ChildNodes())
        for (const IXMLNode& Value : Group->ChildNodes())
            Values << Group->NodeName() + QLatin1Char('/') + Value->NodeName() + QLatin1Char('=') + Value->Text();
    return Values;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Replaced = SetProgramFolderService(&Service);
        // Closing the application's main form would end the test program: a stand-in takes its place.
        Application->CreateForm(StandIn);
    }
    void TearDown() override
    {
        Free_Forms();
        delete StandIn;
        SetProgramFolderService(Replaced);
    }

    // Creates the windows and shows the main window.
    void Start()
    {
        Create_Forms();
        Main = FQuillaneFirmWare;
        Main->Show();
        ProcessPendingEvents();
    }
    void MakeFolder(const QString& Name) const { ASSERT_TRUE(QDir().mkpath(Folder.File(Name))); }
    // Opens the configuration Name, whose folder is made, as the open step does.
    void OpenConfiguration(const QString& Name)
    {
        MakeFolder(QStringLiteral("PROJECTS/") + Name);
        Select_Project(Name);
    }
    QString ProjectFile(const QString& Name) const { return IncludeTrailingPathDelimiter(Path_Project) + Name; }

    TempFolder Folder;
    TTestProgramFolder Service{Folder.Path()};
    TProgramFolderService* Replaced = nullptr;
    TForm* StandIn = nullptr;
    TFQuillaneFirmWare* Main = nullptr;
};

}  // namespace

TEST_F(MainWindowTest, TheWindowHasTheLookAndLayoutOfTheSteps)
{
    Start();
    EXPECT_EQ(Main->ClientWidth(), 694);
    EXPECT_EQ(Main->ClientHeight(), 244 + 152);
    EXPECT_EQ(Main->Color(), TColor(0x00EDF7F8));
    EXPECT_EQ(Main->Font()->Name(), QStringLiteral("Verdana"));
    EXPECT_EQ(Main->Font()->Size(), 8);
    EXPECT_EQ(Main->BorderStyle(), bsSingle);
    EXPECT_EQ(Main->BorderIcons(), TBorderIcons{biSystemMenu});
    EXPECT_EQ(Main->Position(), poScreenCenter);
    const struct {
        const char* Name;
        TControl* Control;
        int32_t Left;
        int32_t Top;
        bool Visible;
    } Places[] = {
        {"L_SW_Code", Main->L_SW_Code, 16, 8, true},
        {"L_SW_Desc", Main->L_SW_Desc, 16, 42, true},
        {"L_Begin", Main->L_Begin, 16, 84, true},
        {"Shape2", Main->Shape2, 80, 70, true},
        {"L_Name_Conf", Main->L_Name_Conf, 87, 75, true},
        {"L_Name_Conf_L2", Main->L_Name_Conf_L2, 87, 88, true},
        {"Btn_Info", Main->Btn_Info, 516, 8, true},
        {"Btn_Opz", Main->Btn_Opz, 574, 8, true},
        {"Btn_Close", Main->Btn_Close, 632, 8, true},
        {"L_Step_1", Main->L_Step_1, 16, 128, true},
        {"L_Step_2", Main->L_Step_2, 16, 172, true},
        {"L_Step_3", Main->L_Step_3, 16, 216, true},
        {"L_Step_4", Main->L_Step_4, 16, 260, true},
        {"L_Step_5", Main->L_Step_5, 16, 304, false},
        {"L_Step_6", Main->L_Step_6, 16, 348, false},
        {"L_Step_7", Main->L_Step_7, 16, 392, false},
        {"L_Step_8", Main->L_Step_8, 16, 436, false},
        {"L_Step_9", Main->L_Step_9, 16, 480, false},
        {"Btn_New", Main->Btn_New, 80, 112, true},
        {"Btn_Open", Main->Btn_Open, 258, 112, true},
        {"Btn_Prm_Gen", Main->Btn_Prm_Gen, 80, 156, true},
        {"Btn_PROFIBUS_GSD", Main->Btn_PROFIBUS_GSD, 80, 200, true},
        {"Btn_CreateBin", Main->Btn_CreateBin, 80, 244, true},
        {"L_Velmora", Main->L_Velmora, 565, 260, true},
        {"Shape1", Main->Shape1, 10, 295, true},
    };
    for (const auto& Place : Places) {
        EXPECT_EQ(Place.Control->Left(), Place.Left) << Place.Name;
        EXPECT_EQ(Place.Control->Top(), Place.Top) << Place.Name;
        EXPECT_EQ(Place.Control->Visible(), Place.Visible) << Place.Name;
    }
    EXPECT_EQ(Main->Shape1->Width(), 674);
    EXPECT_EQ(Main->Shape1->Height(), 1);
    EXPECT_FALSE(Main->LL_Update->Visible());
    for (TLbButton* Hidden :
         {Main->Btn_Set_Access, Main->Btn_Receive_NMEA, Main->Btn_Transmit_NMEA, Main->Btn_SDO_Server_CANopen,
          Main->Btn_SDO_Client_CANopen, Main->Btn_PDO_CANopen, Main->Btn_DMX_Default, Main->Btn_CANopen_EDS,
          Main->Btn_J1939_Rec_Frame, Main->Btn_J1939_Send_Frame, Main->Btn_CAN_Rec_Frame, Main->Btn_CAN_Rec_Info,
          Main->Btn_CAN_Send_Frame, Main->Btn_CAN_Send_Info, Main->Btn_ReStart_Devices_CANopen,
          Main->Btn_NodeGuard_CANopen})
        EXPECT_FALSE(Hidden->Visible()) << qPrintable(Hidden->Caption());
    EXPECT_EQ(Main->L_SW_Code->Font()->Size(), 24);
    EXPECT_EQ(Main->L_SW_Code->Font()->Color(), clGray);
    EXPECT_TRUE(Main->L_SW_Desc->Font()->Style().Contains(fsBold));
    EXPECT_EQ(Main->L_Velmora->Cursor(), crHandPoint);
    EXPECT_EQ(Main->SaveEDS->Filter(), QStringLiteral("Electronic Data Sheet (*.eds)|*.eds"));
    EXPECT_EQ(Main->SaveEDS->DefaultExt(), QStringLiteral("*.eds"));
}

TEST_F(MainWindowTest, TheRenderedWindowShowsTheStepsOnTheWindowColour)
{
    Start();
    const QImage Image = RenderControl(Main);
    SaveArtifact(RenderControl(Main, true), QStringLiteral("main-window"));
    const QRgb Background = qRgb(248, 247, 237);
    const QRgb Grey = qRgb(128, 128, 128);
    EXPECT_EQ(Image.pixel(300, 350), Background);
    EXPECT_EQ(Image.pixel(450, 240), Background);
    // The rule under the steps and the frame around the configuration's name.
    for (const int X : {10, 300, 683}) EXPECT_EQ(Image.pixel(X, 295), Grey) << X;
    EXPECT_EQ(Image.pixel(80, 90), Grey);
    EXPECT_EQ(Image.pixel(683, 90), Grey);
    EXPECT_EQ(Image.pixel(300, 70), Grey);
    EXPECT_EQ(Image.pixel(300, 105), Grey);
    // Every visible step button sits inside the client area, below the frame and above the rule.
    for (TLbButton* Step : {Main->Btn_New, Main->Btn_Open, Main->Btn_Prm_Gen, Main->Btn_PROFIBUS_GSD, Main->Btn_CreateBin}) {
        EXPECT_GE(Step->Top(), 106);
        EXPECT_LE(Step->Top() + Step->Height(), 295);
    }
}

TEST_F(MainWindowTest, TheWindowPictureIsSavedAsABitmapOfTheClientArea)
{
    Start();
    const QString FileName = Folder.File(QStringLiteral("main.bmp"));
    ASSERT_TRUE(Save_Form_Picture(Main, FileName));
    TBitmap Picture;
    Picture.LoadFromFile(FileName);
    EXPECT_EQ(Picture.Width(), 694);
    EXPECT_EQ(Picture.Height(), 396);
    EXPECT_EQ(Picture.Canvas()->Pixels(300, 350), TColor(0x00EDF7F8));
    EXPECT_EQ(Picture.Canvas()->Pixels(300, 295), clGray);
    EXPECT_FALSE(Save_Form_Picture(Main, Folder.File(QStringLiteral("missing/main.bmp"))));
}

TEST_F(MainWindowTest, SetLangTakesEveryTextFromTheLanguageTable)
{
    Start();
    const struct {
        TControl* Control;
        int32_t Caption;
        int32_t Hint;
    } Texts[] = {
        {Main->L_Begin, 0, -1},
        {Main->L_Step_1, 1, -1},
        {Main->L_Step_2, 2, -1},
        {Main->L_Step_3, 3, -1},
        {Main->L_Step_4, 4, -1},
        {Main->L_Step_5, 5, -1},
        {Main->L_Step_6, 6, -1},
        {Main->L_Step_7, 7, -1},
        {Main->L_Step_8, 8, -1},
        {Main->L_Step_9, 60, -1},
        {Main->Btn_Info, -1, 12},
        {Main->Btn_Opz, -1, 13},
        {Main->Btn_Close, -1, 14},
        {Main->Btn_New, 15, 30},
        {Main->Btn_Open, 16, 31},
        {Main->Btn_Prm_Gen, 20, 32},
        {Main->Btn_CreateBin, 17, 33},
        {Main->Btn_Set_Access, 21, 35},
        {Main->Btn_Receive_NMEA, 22, 36},
        {Main->Btn_Transmit_NMEA, 23, 37},
        {Main->Btn_SDO_Server_CANopen, 24, 39},
        {Main->Btn_SDO_Client_CANopen, 25, 40},
        {Main->Btn_PDO_CANopen, 26, 41},
        {Main->Btn_PROFIBUS_GSD, 27, 38},
        {Main->Btn_DMX_Default, 28, 43},
        {Main->Btn_CANopen_EDS, 29, 42},
        {Main->Btn_J1939_Rec_Frame, 44, 46},
        {Main->Btn_J1939_Send_Frame, 45, 47},
        {Main->Btn_CAN_Rec_Frame, 48, 52},
        {Main->Btn_CAN_Rec_Info, 49, 53},
        {Main->Btn_CAN_Send_Frame, 50, 54},
        {Main->Btn_CAN_Send_Info, 51, 55},
        {Main->Btn_NodeGuard_CANopen, 56, 57},
        {Main->Btn_ReStart_Devices_CANopen, 58, 59},
    };
    // The defaults first, then every text replaced by its number.
    EXPECT_EQ(Main->Btn_New->Caption(), QStringLiteral("New Configuration"));
    EXPECT_EQ(Main->Btn_New->Hint(), QStringLiteral("Create a new configuration for the device"));
    EXPECT_EQ(Main->Btn_NodeGuard_CANopen->Hint(), QStringLiteral("Set Rules for Node Gaurding and check the state of CANopen devices"));
    for (int32_t N = 0; N <= 60; ++N) Lang_Table->SetStrings(N, QStringLiteral("T%1").arg(N));
    Main->Set_Lang();
    for (const auto& Text : Texts) {
        if (Text.Caption >= 0) {
            EXPECT_EQ(Text.Control->Caption(), QStringLiteral("T%1").arg(Text.Caption));
        }
        if (Text.Hint >= 0) {
            EXPECT_EQ(Text.Control->Hint(), QStringLiteral("T%1").arg(Text.Hint));
        }
    }
    EXPECT_EQ(Main->L_Name_Conf->Caption(), QStringLiteral("T9"));
    EXPECT_EQ(Main->L_Name_Conf_L2->Caption(), QStringLiteral("T10"));
    OpenConfiguration(QStringLiteral("Plant A"));
    Main->Set_Lang();
    EXPECT_EQ(Main->L_Name_Conf->Caption(), QStringLiteral("T11"));
    EXPECT_EQ(Main->L_Name_Conf_L2->Caption(), QStringLiteral("Plant A"));
}

TEST_F(MainWindowTest, EveryStepButTheFirstAsksForAnOpenConfiguration)
{
    Start();
    // The visible steps are clicked; the hidden buttons reach the same handler.
    const std::vector<std::pair<TLbButton*, bool>> Steps = {
        {Main->Btn_Prm_Gen, true},
        {Main->Btn_PROFIBUS_GSD, true},
        {Main->Btn_CreateBin, true},
        {Main->Btn_Set_Access, false},
        {Main->Btn_Receive_NMEA, false},
        {Main->Btn_Transmit_NMEA, false},
        {Main->Btn_SDO_Server_CANopen, false},
        {Main->Btn_SDO_Client_CANopen, false},
        {Main->Btn_PDO_CANopen, false},
        {Main->Btn_ReStart_Devices_CANopen, false},
        {Main->Btn_NodeGuard_CANopen, false},
        {Main->Btn_CANopen_EDS, false},
        {Main->Btn_DMX_Default, false},
        {Main->Btn_J1939_Rec_Frame, false},
        {Main->Btn_J1939_Send_Frame, false},
        {Main->Btn_CAN_Rec_Frame, false},
        {Main->Btn_CAN_Rec_Info, false},
        {Main->Btn_CAN_Send_Frame, false},
        {Main->Btn_CAN_Send_Info, false},
    };
    for (const auto& [Button, Visible] : Steps) {
        const QString Name = Button->Caption();
        DialogScript().Answer(mrOk);
        TModalAnswer Window(mrCancel);
        const size_t Before = DialogScript().Boxes().size();
        if (Visible) Click_On(Button);
        else Main->Btn_Click(Button);
        ProcessPendingEvents();
        ASSERT_EQ(DialogScript().Boxes().size(), Before + 1) << qPrintable(Name);
        const TMessageBoxRequest& Box = DialogScript().Boxes().back();
        EXPECT_EQ(Box.Text, Not_Valid) << qPrintable(Name);
        EXPECT_EQ(Box.Icon, mtError) << qPrintable(Name);
        EXPECT_EQ(ButtonCaptions(Box), QStringList{QStringLiteral("OK")}) << qPrintable(Name);
        EXPECT_EQ(Window.Shown, nullptr) << qPrintable(Name);
    }
    EXPECT_TRUE(DialogScript().FileDialogs().empty());
    EXPECT_EQ(QDir(Folder.File(QStringLiteral("PROJECTS"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(MainWindowTest, TheGuardMessageFollowsTheLanguage)
{
    Start();
    Lang_Table->SetStrings(18, QStringLiteral("Progetto non valido"));
    DialogScript().Answer(mrOk);
    Click_On(Main->Btn_Prm_Gen);
    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    EXPECT_EQ(DialogScript().Boxes()[0].Text, QStringLiteral("Progetto non valido"));
}

TEST_F(MainWindowTest, EachButtonOpensItsWindow)
{
    Start();
    // New, Open, Information and Options need no configuration.
    const std::vector<std::pair<TLbButton*, TForm*>> Always = {
        {Main->Btn_New, FNew_Project},
        {Main->Btn_Open, FOpenConf},
        {Main->Btn_Info, FAbout},
        {Main->Btn_Opz, FSoftOptions},
    };
    for (const auto& [Button, Window] : Always) {
        TModalAnswer Answer(mrCancel);
        Click_On(Button);
        EXPECT_EQ(Answer.Shown, Window) << qPrintable(Window->ClassName());
    }
    OpenConfiguration(QStringLiteral("Plant A"));
    const std::vector<std::pair<TLbButton*, TForm*>> Steps = {
        {Main->Btn_Prm_Gen, FParGen},
        {Main->Btn_Set_Access, FSetAccess},
        {Main->Btn_Receive_NMEA, FReceiveNMEA},
        {Main->Btn_Transmit_NMEA, FTransmitNMEA},
        {Main->Btn_SDO_Server_CANopen, FSet_SDO_Server_Access},
        {Main->Btn_SDO_Client_CANopen, FSet_SDO_Client_Access},
        {Main->Btn_PDO_CANopen, FSet_PDO_Access},
        {Main->Btn_ReStart_Devices_CANopen, FReStart_Devices},
        {Main->Btn_NodeGuard_CANopen, FNodeGuard},
        {Main->Btn_DMX_Default, FDMXDefVal},
        {Main->Btn_J1939_Rec_Frame, FReceiveJ1939},
        {Main->Btn_J1939_Send_Frame, FTransmitJ1939},
        {Main->Btn_CAN_Rec_Frame, FCAN_Rec_Frames},
        {Main->Btn_CAN_Rec_Info, F_Rec_Info},
        {Main->Btn_CAN_Send_Frame, FCAN_Send_Frame},
        {Main->Btn_CAN_Send_Info, F_Sen_Info},
    };
    for (const auto& [Button, Window] : Steps) {
        TModalAnswer Answer(mrCancel);
        if (Button->Visible()) Click_On(Button);
        else Main->Btn_Click(Button);
        EXPECT_EQ(Answer.Shown, Window) << qPrintable(Window->ClassName());
    }
    EXPECT_TRUE(DialogScript().Boxes().empty());
}

TEST_F(MainWindowTest, OpenMakesTheChosenConfigurationTheOpenOne)
{
    MakeFolder(QStringLiteral("PROJECTS/Plant A"));
    Start();
    {
        TModalAnswer Answer(mrCancel, [] { FOpenConf->Name_Conf = QStringLiteral("Plant A"); });
        Click_On(Main->Btn_Open);
        ASSERT_EQ(Answer.Shown, FOpenConf);
        EXPECT_TRUE(Path_Project.isEmpty());
        EXPECT_EQ(Main->L_Name_Conf_L2->Caption(), QStringLiteral("Use Step1 to open or create new configuration"));
    }
    {
        TModalAnswer Answer(mrOk, [] { FOpenConf->Name_Conf = QStringLiteral("Plant A"); });
        Click_On(Main->Btn_Open);
        EXPECT_EQ(Name_Project, QStringLiteral("Plant A"));
        EXPECT_EQ(Path_Project, Folder.File(QStringLiteral("PROJECTS")) + PathDelim + QStringLiteral("Plant A"));
        EXPECT_EQ(File_ParGen, ProjectFile(QStringLiteral("ParGen.xml")));
        EXPECT_EQ(File_Send_Info, ProjectFile(QStringLiteral("Send_Info.xml")));
        EXPECT_EQ(File_Set_Access, ProjectFile(QStringLiteral("Set_Access.xml")));
        EXPECT_EQ(File_Transmit_J1939, ProjectFile(QStringLiteral("Transmit_J1939.xml")));
        EXPECT_EQ(Main->L_Name_Conf->Caption(), QStringLiteral("Opened Configuration of the Converter : "));
        EXPECT_EQ(Main->L_Name_Conf_L2->Caption(), QStringLiteral("Plant A"));
    }
    {
        // OK with nothing chosen (no configuration folders) leaves no configuration open.
        TModalAnswer Answer(mrOk, [] { FOpenConf->Name_Conf.clear(); });
        Click_On(Main->Btn_Open);
        EXPECT_TRUE(Name_Project.isEmpty());
        EXPECT_TRUE(Path_Project.isEmpty());
        EXPECT_TRUE(File_ParGen.isEmpty());
        EXPECT_TRUE(File_Set_Access.isEmpty());
        EXPECT_EQ(Main->L_Name_Conf->Caption(), QStringLiteral("None Configuration Opened "));
    }
}

TEST_F(MainWindowTest, NewShowsTheConfigurationTheWindowOpened)
{
    Start();
    {
        TModalAnswer Answer(mrCancel);
        Click_On(Main->Btn_New);
        EXPECT_EQ(Main->L_Name_Conf->Caption(), QStringLiteral("None Configuration Opened "));
    }
    // On OK the new-configuration window has opened its configuration itself.
    TModalAnswer Answer(mrOk, [this] { OpenConfiguration(QStringLiteral("Plant B")); });
    Click_On(Main->Btn_New);
    ASSERT_EQ(Answer.Shown, FNew_Project);
    EXPECT_EQ(Main->L_Name_Conf->Caption(), QStringLiteral("Opened Configuration of the Converter : "));
    EXPECT_EQ(Main->L_Name_Conf_L2->Caption(), QStringLiteral("Plant B"));
}

TEST_F(MainWindowTest, OptionsConfirmedSetTheTimerAndRewriteTheSettings)
{
    Start();
    const QString Settings = Folder.File(QStringLiteral("Quillan.xml"));
    {
        TModalAnswer Answer(mrCancel, [] { Enable_Internet = Enable_Update = true; });
        Click_On(Main->Btn_Opz);
        EXPECT_FALSE(Main->Timer_Update->Enabled());
        EXPECT_FALSE(FileExists(Settings));
    }
    const struct {
        bool Internet;
        bool Update;
        bool Timer;
    } Cases[] = {{true, true, true}, {true, false, false}, {false, true, false}, {true, true, true}, {false, false, false}};
    for (const auto& Case : Cases) {
        TModalAnswer Answer(mrOk, [&] {
            Enable_Internet = Case.Internet;
            Enable_Update = Case.Update;
        });
        Click_On(Main->Btn_Opz);
        EXPECT_EQ(Main->Timer_Update->Enabled(), Case.Timer) << Case.Internet << Case.Update;
        const QStringList Values = SettingsValues(Settings);
        EXPECT_TRUE(Values.contains(QStringLiteral("lastinternet/enable_internet=") + (Case.Internet ? u'1' : u'0')));
        EXPECT_TRUE(Values.contains(QStringLiteral("lastinternet/enable_update=") + (Case.Update ? u'1' : u'0')));
    }
}

TEST_F(MainWindowTest, ClosingWritesExactlyTheSevenSettingsInOrder)
{
    Folder.Write(QStringLiteral("Quillan.xml"),
                 "<Conf_Settings><extra>kept?</extra><lastlang><language>English</language><note/></lastlang>"
                 "<lastinternet><enable_update>1</enable_update></lastinternet></Conf_Settings>");
    Start();
    OpenConfiguration(QStringLiteral("Plant A"));
    Last_IP_Address = QStringLiteral("10.1.2.3");
    Enable_Jump_Field_Tables = true;
    Click_On(Main->Btn_Close);
    EXPECT_FALSE(Main->Visible());
    EXPECT_EQ(SettingsValues(Folder.File(QStringLiteral("Quillan.xml"))),
              (QStringList{QStringLiteral("Conf_Settings"), QStringLiteral("lastproj/projectname=Plant A"),
                           QStringLiteral("lastipadd/ipaddress=10.1.2.3"), QStringLiteral("lastlang/language=English"),
                           QStringLiteral("lastinternet/enable_internet=0"), QStringLiteral("lastinternet/enable_update=1"),
                           QStringLiteral("lastinternet/enable_jump_field_tables=1"),
                           QStringLiteral("lastinternet/Double_Click_Auto_Size=0")}));

    // The next start reads back what closing wrote.
    Free_Forms();
    Start();
    EXPECT_EQ(Name_Project, QStringLiteral("Plant A"));
    EXPECT_EQ(Last_IP_Address, QStringLiteral("10.1.2.3"));
    EXPECT_TRUE(Enable_Update);
    EXPECT_TRUE(Enable_Jump_Field_Tables);
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowStillCloses)
{
    MakeFolder(QStringLiteral("Quillan.xml"));
    Start();
    DialogScript().Answer(mrOk);
    Click_On(Main->Btn_Close);
    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    EXPECT_EQ(DialogScript().Boxes()[0].Icon, mtError);
    EXPECT_FALSE(Main->Visible());
}

TEST_F(MainWindowTest, TheVersionCheckRunsAMinuteAfterStartThenEveryTwoHours)
{
    TTestClock Clock;
    TLoopbackEndpoints Endpoints;
    TNetworkEndpointService* Previous = SetNetworkEndpointService(&Endpoints);
    Folder.Write(QStringLiteral("Quillan.xml"),
                 "<Conf_Settings><lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
                 "</lastinternet></Conf_Settings>");
    Start();
    {
        TestHttpServer Newer("HTTP/1.0 200 OK\r\n\r\nVER. 1.006");
        Endpoints.Port = Newer.Port();
        Clock.Advance(59999);
        EXPECT_FALSE(Main->LL_Update->Visible());
        Clock.Advance(1);
        EXPECT_TRUE(Main->LL_Update->Visible());
        EXPECT_EQ(Main->LL_Update->Caption(),
                  Download_Link_Caption(QStringLiteral("New Version Available. Click Here for more Details")));
        EXPECT_TRUE(Newer.Request().startsWith("GET /home/download/GetversionSW.asp?nomesw=KT20418 "));
        EXPECT_TRUE(Main->Timer_Update->Enabled());
        EXPECT_EQ(Main->Timer_Update->Interval(), 7200000u);
    }
    TestHttpServer Same("HTTP/1.0 200 OK\r\n\r\nVER. 1.005");
    Endpoints.Port = Same.Port();
    Clock.Advance(7200000 - 1);
    EXPECT_TRUE(Main->LL_Update->Visible());
    Clock.Advance(1);
    EXPECT_FALSE(Main->LL_Update->Visible());
    EXPECT_FALSE(Same.Request().isEmpty());
    SetNetworkEndpointService(Previous);
}

TEST_F(MainWindowTest, TheLinksOpenTheMakersPages)
{
    TRecordingUrlOpener Opener;
    TUrlOpener* Previous = SetUrlOpener(&Opener);
    Start();
    EXPECT_EQ(Main->L_Velmora->Caption(), MakerWebServer().Host);
    Click_On(Main->L_Velmora);
    Main->LL_Update->SetCaption(Download_Link_Caption(Lang(19)));
    Main->LL_Update->Show();
    ProcessPendingEvents();
    Input::Click(Main->LL_Update, {4, Main->LL_Update->Height() / 2});
    EXPECT_EQ(Opener.Opened, (QStringList{Product_Page_Url(), Download_Page_Url()}));
    EXPECT_TRUE(Opener.Opened[0].endsWith(QStringLiteral("/HOME/default.asp?frompg=KT20418")));
    SetUrlOpener(Previous);
}

TEST_F(MainWindowTest, ChangeLanguageRelabelsTheWindowsThatFollowIt)
{
    Start();
    Folder.Write(QStringLiteral("LANGUAGE/Deutsch.lng"),
                 "STR15 = Neue Konfiguration\r\nSTR600 = Modbus Zugriff\r\nSTR700 = NMEA Empfang\r\n"
                 "STR900 = PDO Zugriff\r\nSTR1200 = Erweiterte Funktionen\r\nSTR1500 = J1939 Empfang\r\n"
                 "STR2200 = CAN Senden Info\r\n");
    Current_Language = QStringLiteral("Deutsch");
    Load_Language();
    Main->Change_Language();
    const struct {
        const char* Name;
        TForm* Window;
        const char* Caption;
    } Windows[] = {
        {"FReceiveNMEA", FReceiveNMEA, "NMEA Empfang"},
        {"FSet_PDO_Access", FSet_PDO_Access, "PDO Zugriff"},
        {"F_Sen_Info", F_Sen_Info, "CAN Senden Info"},
        // These keep the texts they took at start-up.
        {"FSetAccess", FSetAccess, "Set Modbus Access"},
        {"FReceiveJ1939", FReceiveJ1939, "Receive J1939 Frames"},
    };
    for (const auto& Entry : Windows) EXPECT_EQ(Entry.Window->Caption(), QString::fromUtf8(Entry.Caption)) << Entry.Name;
    EXPECT_EQ(Main->Btn_New->Caption(), QStringLiteral("Neue Konfiguration"));
    EXPECT_EQ(Main->Btn_Open->Caption(), QStringLiteral("Open Configuration"));
}

TEST_F(MainWindowTest, UpdateDeviceWritesTheImageThenOpensTheUpdateWindow)
{
    Start();
    OpenConfiguration(QStringLiteral("Plant A"));
    TModalAnswer Answer(mrCancel);
    Click_On(Main->Btn_CreateBin);
    EXPECT_EQ(Answer.Shown, FBootTCP);
    EXPECT_EQ(QFile(ProjectFile(QStringLiteral("bin/bank.bin"))).size(), 2048);
}

TEST_F(MainWindowTest, AnImageThatCannotBeWrittenIsReportedAndTheUpdateWindowStaysClosed)
{
    Start();
    OpenConfiguration(QStringLiteral("Plant A"));
    Folder.Write(QStringLiteral("PROJECTS/Plant A/bin"), "not a folder");
    DialogScript().Answer(mrOk);
    TModalAnswer Answer(mrCancel);
    Click_On(Main->Btn_CreateBin);
    ProcessPendingEvents();
    EXPECT_EQ(DialogScript().Boxes().size(), 1u);
    EXPECT_EQ(Answer.Shown, nullptr);
}

TEST_F(MainWindowTest, TheGsdStepWritesTheDeviceDescriptionIntoTheConfiguration)
{
    Start();
    OpenConfiguration(QStringLiteral("Plant A"));
    Folder.Write(QStringLiteral("PROJECTS/Plant A/ParGen.xml"),
                 "<ParGen><EtherNetIP_NB_Input>128</EtherNetIP_NB_Input>"
                 "<EtherNetIP_NB_Output>64</EtherNetIP_NB_Output></ParGen>");
    DialogScript().Type(QStringLiteral("device"));
    Click_On(Main->Btn_PROFIBUS_GSD);
    ASSERT_EQ(DialogScript().FileDialogs().size(), 1u);
    EXPECT_EQ(DialogScript().FileDialogs()[0].Folder, Path_Project);
    EXPECT_TRUE(FileExists(ProjectFile(QStringLiteral("device.gsd"))));
}

TEST_F(MainWindowTest, TheEdsButtonWritesTheEdsFile)
{
    Start();
    OpenConfiguration(QStringLiteral("Plant A"));
    DialogScript().Type(QStringLiteral("node.eds"));
    Main->Btn_Click(Main->Btn_CANopen_EDS);
    ASSERT_EQ(DialogScript().FileDialogs().size(), 1u);
    EXPECT_EQ(DialogScript().FileDialogs()[0].Folder, Path_Project);
    EXPECT_TRUE(FileExists(ProjectFile(QStringLiteral("node.eds"))));
    // The settings document lent to the writer still writes the settings.
    Main->Save_Setting();
    EXPECT_EQ(SettingsValues(Folder.File(QStringLiteral("Quillan.xml")))[1], QStringLiteral("lastproj/projectname=Plant A"));
}

TEST_F(MainWindowTest, StartProgramHandsOverToTheProgramStarter)
{
    Start();
    EXPECT_EQ(Main->Start_Program(Folder.File(QStringLiteral("no-such-program")), QString(), false), prNotStarted);
}
