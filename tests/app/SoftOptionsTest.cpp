// The options window driven by mouse and keys: language pages and flags, the language change, the option boxes, OK and Cancel, the version check.
#include "UAdvanceFunctions.h"
#include "UComon.h"
#include "ULanguage.h"
#include "UQuillaneFirmWare.h"
#include "USoftOptions.h"
#include "UVersionCheck.h"

#include "button/LbButton.h"
#include "graphics/Picture.h"
#include "os/Services.h"
#include "rtl/Strings.h"
#include "support/Artifacts.h"
#include "support/DialogScript.h"
#include "support/HttpTestServer.h"
#include "support/Input.h"
#include "support/Render.h"
#include "support/TempFolder.h"
#include "windows/ComCtrls.h"
#include "windows/ExtCtrls.h"
#include "windows/StdCtrls.h"
#include "windows/Timer.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QObject>
#include <QTimer>

#include <sys/stat.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

// A flag picture in one colour, as the bytes of a BMP file.
QByteArray FlagBitmap(const QColor& Color)
{
    QImage Image(30, 20, QImage::Format_RGB32);
    Image.fill(Color);
    QByteArray Bytes;
    QBuffer Buffer(&Bytes);
    Buffer.open(QIODevice::WriteOnly);
    Image.save(&Buffer, "BMP");
    return Bytes;
}

// A language file in UTF-8 with its byte-order mark.
QByteArray LanguageText(const QString& Lines)
{
    return "\xEF\xBB\xBF" + Lines.toUtf8();
}

const QString German = QStringLiteral(
    u"; German texts of the options window\r\n"
    u"STR300 = Software-Optionen\r\n"
    u"STR304 = Gewählte Sprache : ¶\r\n"
    u"STR305 = Seite ¶\r\n"
    u"STR312 = Bestätigen\r\n"
    u"STR15 = Neue Konfiguration\r\n");

// Runs Action once the modal loop now starting handles its messages.
void Later(std::function<void()> Action)
{
    QTimer::singleShot(0, std::move(Action));
}

// Closes the next window shown modally once its message loop runs, and tells which one it was;
// gives up after a few rounds of messages without one.
class TModalCloser {
public:
    TModalCloser() { Look(20); }
    TCustomForm* Closed = nullptr;

private:
    void Look(int32_t Rounds)
    {
        QTimer::singleShot(0, &FContext, [this, Rounds] {
            for (int32_t I = 0; I < Screen->CustomFormCount(); ++I) {
                TCustomForm* Form = Screen->CustomForms(I);
                if (!Form->FormState().Contains(fsModal)) continue;
                Closed = Form;
                Form->Close();
                return;
            }
            if (Rounds > 0) Look(Rounds - 1);
        });
    }
    // Its timers end with the closer.
    QObject FContext;
};

// Runs Action once the options window is shown modally; gives up after a few rounds of messages.
void WhenModal(std::function<void()> Action, int32_t Rounds = 20)
{
    QTimer::singleShot(0, [Action = std::move(Action), Rounds]() mutable {
        if (FSoftOptions->FormState().Contains(fsModal)) Action();
        else if (Rounds > 0) WhenModal(std::move(Action), Rounds - 1);
    });
}

class TProgramFolder : public TProgramFolderService {
public:
    explicit TProgramFolder(const QString& Folder) : FFolder(Folder) {}
    QString ProgramFolder() override { return FFolder; }

private:
    QString FFolder;
};

// Writes down the URLs handed to the browser.
class TRecordingUrlOpener : public TUrlOpener {
public:
    QStringList Urls;
    bool OpenUrl(const QString& Url) override
    {
        Urls.append(Url);
        return true;
    }
};

// Points the maker's web server at a port of the test's on 127.0.0.1.
class TLoopbackEndpoints : public TNetworkEndpointService {
public:
    uint16_t Port = 0;
    TNetworkEndpoint MakerWebServer() override { return {QStringLiteral("127.0.0.1"), Port}; }
};

// Every test starts the program's windows in a temporary program folder with no settings file: English,
// all options off, the language folder empty.
class SoftOptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReplacedFolder = SetProgramFolderService(&Program);
        ReplacedOpener = SetUrlOpener(&Opener);
        ReplacedEndpoints = SetNetworkEndpointService(&Endpoints);
        // Closing the application's main form would end the test program: a stand-in takes its place.
        Application->CreateForm(StandIn);
        Create_Forms();
        Main = FQuillaneFirmWare;
        Window = FSoftOptions;
    }

    void TearDown() override
    {
        Free_Forms();
        delete StandIn;
        SetProgramFolderService(ReplacedFolder);
        SetUrlOpener(ReplacedOpener);
        SetNetworkEndpointService(ReplacedEndpoints);
        SetOptions(false, false, false, false);
        Load_Default_Language();
    }

    static void SetOptions(bool Internet, bool Update, bool Jump, bool AutoSize)
    {
        Enable_Internet = Internet;
        Enable_Update = Update;
        Enable_Jump_Field_Tables = Jump;
        Double_Click_Auto_Size = AutoSize;
    }

    // Writes a file into the language folder and returns its path.
    QString LanguageFolderFile(const QString& Name, const QByteArray& Bytes = "STR0 = x\r\n") const
    {
        return Folder.Write(QStringLiteral("LANGUAGE/") + Name, Bytes);
    }
    void Languages(const QStringList& Names) const
    {
        for (const QString& Name : Names) LanguageFolderFile(Name + QStringLiteral(".lng"));
    }

    void Open()
    {
        Window->Show();
        ProcessPendingEvents();
    }
    void Reopen()
    {
        Window->Hide();
        Open();
    }
    static void Click(TControl* Control)
    {
        Input::Click(Control, {Control->Width() / 2, Control->Height() / 2});
        ProcessPendingEvents();
    }
    // A click on the box of a check box.
    static void Tick(TCheckBox* Box)
    {
        Input::Click(Box, {6, Box->Height() / 2});
        ProcessPendingEvents();
    }
    void ClickTab(TTabSheet* Page)
    {
        Input::Click(Window->PC_Options, CenterPoint(Window->PC_Options->TabRect(Page->TabIndex())));
        ProcessPendingEvents();
    }

    // The names of the slots shown, in slot order; a hidden slot hides its flag too.
    QStringList ShownSlots() const
    {
        QStringList Names;
        for (int32_t I = 0; I < TFSoftOptions::Slots_Per_Page; ++I) {
            if (Window->L_L[I]->Visible()) {
                Names.append(Window->L_L[I]->Caption());
            } else {
                EXPECT_FALSE(Window->I_L[I]->Visible()) << "flag of hidden slot " << I + 1;
            }
        }
        return Names;
    }
    // The colour in the middle of a flag as the window shows it.
    static QColor FlagColour(TImage* Flag)
    {
        const QImage Image = RenderControl(Flag);
        return QColor(Image.pixel(Image.width() / 2, Image.height() / 2));
    }

    TempFolder Folder;
    TProgramFolder Program{Folder.Path()};
    TRecordingUrlOpener Opener;
    TLoopbackEndpoints Endpoints;
    TProgramFolderService* ReplacedFolder = nullptr;
    TUrlOpener* ReplacedOpener = nullptr;
    TNetworkEndpointService* ReplacedEndpoints = nullptr;
    TForm* StandIn = nullptr;
    TFQuillaneFirmWare* Main = nullptr;
    TFSoftOptions* Window = nullptr;
};

const QStringList Thirteen = {
    QStringLiteral("Arabic"), QStringLiteral("Chinese"), QStringLiteral("czech"), QStringLiteral("Dutch"),
    QStringLiteral("English"), QStringLiteral("French"), QStringLiteral("German"), QStringLiteral("greek"),
    QStringLiteral("Italian"), QStringLiteral("Japanese"), QStringLiteral("Polish"), QStringLiteral("Russian"),
    QStringLiteral("Spanish")};

}  // namespace

TEST_F(SoftOptionsTest, TheWindowTakesItsTextsFromTheLanguageTable)
{
    Open();
    const std::vector<std::pair<TControl*, QString>> Cases = {
        {Window, QStringLiteral("Software Options")},
        {Window->L_SW_Code, QStringLiteral("KT20418")},
        {Window->L_SW_Desc, QStringLiteral("Software Options")},
        {Window->TS_Language, QStringLiteral("Language")},
        {Window->TS_Con_Options, QStringLiteral("Connection Options")},
        {Window->TS_Soft_Settings, QStringLiteral("Software Settings")},
        {Window->TS_AdvanceFunctions, QStringLiteral("Advanced Functions")},
        {Window->L_Sel_Lang, QStringLiteral("Selected Language : English")},
        {Window->Btn_Prev, QStringLiteral("Previous")},
        {Window->Btn_Next, QStringLiteral("Next")},
        {Window->CB_En_Con, QStringLiteral("Enable Internet Connection")},
        {Window->CB_Update, QStringLiteral("Check Software Update at Start of Program")},
        {Window->Btn_Check_Update, QStringLiteral("Check Available Update")},
        {Window->LL_Check_Update, QStringLiteral("No Update Available")},
        {Window->CB_Soft_Set_Jump_Table, QStringLiteral("Jump into next field in the tables by pressing the Enter Key")},
        {Window->CB_DoubleClick_Auto_Size, QStringLiteral("Enable Auto Size of Table Columns by Double Click")},
        {Window->Btn_Advance_Functions, QStringLiteral("Open Advance Functions Page")},
        {Window->Btn_OK, QStringLiteral("OK")},
        {Window->Btn_Cancel, QStringLiteral("Cancel")},
    };
    for (const auto& [Control, Text] : Cases) EXPECT_EQ(Control->Caption(), Text);
    EXPECT_EQ(Window->Btn_Cancel->ModalResult(), mrCancel);
    EXPECT_EQ(Window->Btn_OK->ModalResult(), mrNone);
}

TEST_F(SoftOptionsTest, OpeningShowsTheLanguagePageAndTheAdvancedPageHasNoTab)
{
    Languages({QStringLiteral("English")});
    Open();
    EXPECT_EQ(Window->PC_Options->ActivePage(), Window->TS_Language);
    EXPECT_EQ(Window->TS_AdvanceFunctions->TabIndex(), -1);
    EXPECT_EQ(Window->TS_Soft_Settings->TabIndex(), 2);
    EXPECT_FALSE(Window->LL_Check_Update->Visible());

    // Ctrl+Tab goes round the three tabs only.
    Input::PressKey(VK_TAB, {ssCtrl});
    EXPECT_EQ(Window->PC_Options->ActivePage(), Window->TS_Con_Options);
    Input::PressKey(VK_TAB, {ssCtrl});
    Input::PressKey(VK_TAB, {ssCtrl});
    EXPECT_EQ(Window->PC_Options->ActivePage(), Window->TS_Language);

    // Opening again starts on the language page.
    ClickTab(Window->TS_Soft_Settings);
    Reopen();
    EXPECT_EQ(Window->PC_Options->ActivePage(), Window->TS_Language);
}

TEST_F(SoftOptionsTest, ThirteenLanguagesFillThreePagesOfSixSixAndOne)
{
    Languages(Thirteen);
    Open();
    struct TPage {
        QStringList Slots;
        QString PageText;
        bool Prev;
        bool Next;
    };
    const TPage Pages[] = {
        {{"Arabic", "Chinese", "czech", "Dutch", "English", "French"}, "Page 1 / 3", false, true},
        {{"German", "greek", "Italian", "Japanese", "Polish", "Russian"}, "Page 2 / 3", true, true},
        {{"Spanish"}, "Page 3 / 3", true, false},
    };
    const auto Expect = [&](const TPage& Page) {
        EXPECT_EQ(ShownSlots(), Page.Slots);
        EXPECT_EQ(Window->L_Page_Lang->Caption(), Page.PageText);
        EXPECT_EQ(Window->Btn_Prev->Visible(), Page.Prev) << Page.PageText.toStdString();
        EXPECT_EQ(Window->Btn_Next->Visible(), Page.Next) << Page.PageText.toStdString();
    };
    Expect(Pages[0]);
    Click(Window->Btn_Next);
    Expect(Pages[1]);
    Click(Window->Btn_Next);
    Expect(Pages[2]);
    EXPECT_EQ(Window->Show_Page, 3);
    Click(Window->Btn_Prev);
    Expect(Pages[1]);
    Click(Window->Btn_Prev);
    Expect(Pages[0]);

    // The list is read again at every opening, from page 1.
    Click(Window->Btn_Next);
    QFile::remove(Path_Language + QStringLiteral("/Spanish.lng"));
    Reopen();
    Expect({Pages[0].Slots, "Page 1 / 2", false, true});
    Click(Window->Btn_Next);
    Expect({Pages[1].Slots, "Page 2 / 2", true, false});
}

TEST_F(SoftOptionsTest, OnlyWritableLanguageFilesAreOffered)
{
    Languages({QStringLiteral("English"), QStringLiteral("Zulu")});
    LanguageFolderFile(QStringLiteral("French.LNG"));
    LanguageFolderFile(QStringLiteral(".Hidden.lng"));
    LanguageFolderFile(QStringLiteral("notes.txt"));
    LanguageFolderFile(QStringLiteral("German.lng.bak"));
    const QString ReadOnly = LanguageFolderFile(QStringLiteral("Italian.lng"));
    ASSERT_TRUE(QFile::setPermissions(ReadOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QDir().mkpath(Path_Language + QStringLiteral("/Folder.lng"));
    ASSERT_EQ(mkfifo(QFile::encodeName(Path_Language + QStringLiteral("/Pipe.lng")).constData(), 0600), 0);
    // A symbolic link, even to a language file offered, is not offered itself.
    ASSERT_TRUE(QFile::link(Path_Language + QStringLiteral("/English.lng"), Path_Language + QStringLiteral("/Linked.lng")));

    Open();
    EXPECT_EQ(ShownSlots(), QStringList({".Hidden", "English", "French", "Zulu"}));
    EXPECT_EQ(Window->L_Page_Lang->Caption(), QStringLiteral("Page 1 / 1"));
    EXPECT_FALSE(Window->Btn_Prev->Visible());
    EXPECT_FALSE(Window->Btn_Next->Visible());
}

TEST_F(SoftOptionsTest, AFlagIsTheLanguagesPictureElseTheDefaultFlagElseHidden)
{
    const QColor Red(200, 0, 0), Blue(0, 0, 200), Grey(128, 128, 128);
    Languages({QStringLiteral("English"), QStringLiteral("French"), QStringLiteral("German"), QStringLiteral("Italian"),
               QStringLiteral("Spanish")});
    LanguageFolderFile(QStringLiteral("English.bmp"), FlagBitmap(Red));
    LanguageFolderFile(QStringLiteral("german.BMP"), FlagBitmap(Blue));
    LanguageFolderFile(QStringLiteral("Italian.bmp"), "not a picture");
    ASSERT_EQ(mkfifo(QFile::encodeName(Path_Language + QStringLiteral("/Spanish.bmp")).constData(), 0600), 0);
    const QString DefaultFlag = LanguageFolderFile(QStringLiteral("DefaultFlag.bmp"), FlagBitmap(Grey));

    struct TCase {
        const char* Language;
        QColor WithDefault;  // invalid: hidden
        QColor WithoutDefault;
    };
    const TCase Cases[] = {
        {"English", Red, Red},
        {"French", Grey, QColor()},
        {"German", Blue, Blue},
        {"Italian", Grey, QColor()},  // a picture that cannot be read counts as missing
        {"Spanish", Grey, QColor()},  // so does a pipe, which is never opened
    };
    for (const bool WithDefault : {true, false}) {
        if (!WithDefault) QFile::remove(DefaultFlag);
        Reopen();
        for (int32_t I = 0; I < 5; ++I) {
            const QColor Expected = WithDefault ? Cases[I].WithDefault : Cases[I].WithoutDefault;
            TImage* Flag = Window->I_L[I];
            SCOPED_TRACE(std::string(Cases[I].Language) + (WithDefault ? " with" : " without") + " DefaultFlag.bmp");
            EXPECT_EQ(Window->L_L[I]->Caption(), QString::fromLatin1(Cases[I].Language));
            EXPECT_TRUE(Window->L_L[I]->Visible());
            EXPECT_EQ(Flag->Visible(), Expected.isValid());
            if (Expected.isValid()) {
                EXPECT_EQ(FlagColour(Flag), Expected);
            }
        }
    }
}

TEST_F(SoftOptionsTest, YesToTheQuestionLoadsTheLanguageAndRelabelsTheWindows)
{
    Languages(Thirteen);
    LanguageFolderFile(QStringLiteral("German.lng"), LanguageText(German));
    LanguageFolderFile(QStringLiteral("DefaultFlag.bmp"), FlagBitmap(Qt::gray));
    Open();
    Click(Window->Btn_Next);
    DialogScript().Answer(mrYes);
    Click(Window->I_L[0]);

    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    const TMessageBoxRequest& Box = DialogScript().Boxes()[0];
    EXPECT_EQ(Box.Text, QStringLiteral("Do you want to change the Language from English to German?"));
    EXPECT_EQ(Box.Icon, mtConfirmation);
    ASSERT_EQ(Box.Buttons.size(), 2u);
    EXPECT_EQ(Box.Buttons[0].Result, mrYes);
    EXPECT_EQ(Box.Buttons[1].Result, mrNo);

    EXPECT_EQ(Lang(312), QStringLiteral("Bestätigen"));
    // The main window re-labelled itself and the windows it lists, this one among them.
    EXPECT_EQ(Main->Btn_New->Caption(), QStringLiteral("Neue Konfiguration"));
    EXPECT_EQ(Window->Caption(), QStringLiteral("Software-Optionen"));
    EXPECT_EQ(Window->Btn_OK->Caption(), QStringLiteral("Bestätigen"));
    // Texts the file lacks are the English ones.
    EXPECT_EQ(Window->Btn_Cancel->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(Window->L_Sel_Lang->Caption(), QStringLiteral("Gewählte Sprache : German"));
    // The page shown keeps its number.
    EXPECT_EQ(Window->L_Page_Lang->Caption(), QStringLiteral("Seite 2 / 3"));
    EXPECT_EQ(Window->Language_In_Use, QStringLiteral("German"));
    EXPECT_EQ(Current_Language, QStringLiteral("English"));

    // The next question names the language now in use.
    DialogScript().Answer(mrNo);
    Click(Window->L_L[1]);
    ASSERT_EQ(DialogScript().Boxes().size(), 2u);
    EXPECT_EQ(DialogScript().Boxes()[1].Text, QStringLiteral("Do you want to change the Language from German to greek?"));
}

TEST_F(SoftOptionsTest, NoToTheQuestionLeavesTheLanguage)
{
    Languages({QStringLiteral("English")});
    LanguageFolderFile(QStringLiteral("German.lng"), LanguageText(German));
    Open();
    DialogScript().Answer(mrNo);
    Click(Window->L_L[1]);
    EXPECT_EQ(DialogScript().Boxes().size(), 1u);
    EXPECT_EQ(Lang(312), QStringLiteral("OK"));
    EXPECT_EQ(Main->Btn_New->Caption(), QStringLiteral("New Configuration"));
    EXPECT_EQ(Window->Btn_OK->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(Window->L_Sel_Lang->Caption(), QStringLiteral("Selected Language : English"));
    EXPECT_EQ(Window->Language_In_Use, QStringLiteral("English"));
}

TEST_F(SoftOptionsTest, WithoutLanguageFilesTheEmptyFirstSlotDoesNothing)
{
    Open();
    EXPECT_EQ(ShownSlots(), QStringList({""}));
    EXPECT_EQ(Window->L_Page_Lang->Caption(), QStringLiteral("Page 1 / 0"));
    Click(Window->L_L[0]);
    Click(Window->I_L[0]);
    EXPECT_TRUE(DialogScript().Boxes().empty());

    // A slot emptied by a later opening shows no stale language.
    Languages({QStringLiteral("English")});
    LanguageFolderFile(QStringLiteral("English.bmp"), FlagBitmap(Qt::red));
    Reopen();
    EXPECT_EQ(ShownSlots(), QStringList({"English"}));
    QFile::remove(Path_Language + QStringLiteral("/English.lng"));
    Reopen();
    EXPECT_EQ(ShownSlots(), QStringList({""}));
    EXPECT_EQ(Window->I_L[0]->Picture()->Graphic(), nullptr);
}

TEST_F(SoftOptionsTest, TheUpdateBoxAndTheCheckButtonFollowTheInternetBox)
{
    struct TCase {
        bool Internet, Update;
        bool UpdateEnabled, CheckEnabled;
    };
    const TCase Cases[] = {
        {false, false, false, false},
        {false, true, false, false},
        {true, false, true, false},
        {true, true, true, true},
    };
    for (const TCase& Case : Cases) {
        SetOptions(Case.Internet, Case.Update, false, false);
        Reopen();
        SCOPED_TRACE(testing::Message() << "internet " << Case.Internet << ", update " << Case.Update);
        EXPECT_EQ(Window->CB_En_Con->Checked(), Case.Internet);
        EXPECT_EQ(Window->CB_Update->Checked(), Case.Update);
        EXPECT_EQ(Window->CB_Update->Enabled(), Case.UpdateEnabled);
        EXPECT_EQ(Window->Btn_Check_Update->Enabled(), Case.CheckEnabled);
    }

    // From the keyboard: Tab from the tabs to the internet box, Space ticks and unticks.
    ClickTab(Window->TS_Con_Options);
    Input::PressKey(VK_TAB);
    ASSERT_TRUE(Window->CB_En_Con->Focused());
    Input::PressKey(VK_SPACE);
    EXPECT_FALSE(Window->CB_En_Con->Checked());
    EXPECT_FALSE(Window->CB_Update->Enabled());
    EXPECT_TRUE(Window->CB_Update->Checked());
    EXPECT_FALSE(Window->Btn_Check_Update->Enabled());
    Input::PressKey(VK_SPACE);
    EXPECT_TRUE(Window->CB_Update->Enabled());
    EXPECT_TRUE(Window->Btn_Check_Update->Enabled());
    Input::PressKey(VK_TAB);
    ASSERT_TRUE(Window->CB_Update->Focused());
    Input::PressKey(VK_SPACE);
    EXPECT_FALSE(Window->Btn_Check_Update->Enabled());

    // The mouse does the same.
    Tick(Window->CB_Update);
    EXPECT_TRUE(Window->Btn_Check_Update->Enabled());
    Tick(Window->CB_En_Con);
    EXPECT_FALSE(Window->CB_Update->Enabled());
    EXPECT_FALSE(Window->Btn_Check_Update->Enabled());
}

TEST_F(SoftOptionsTest, OkCopiesTheChoicesIntoTheStateAndSetsTheTimerRule)
{
    struct TCase {
        const char* Label;
        bool Internet, Update;
        // Boxes clicked on the connection page, then on the settings page.
        std::vector<TCheckBox* TFSoftOptions::*> Clicks;
        bool InternetAfter, UpdateAfter, JumpAfter, AutoSizeAfter;
        bool Timer;
    };
    const TCase Cases[] = {
        {"unchanged, all off", false, false, {}, false, false, false, false, false},
        {"internet and update on", false, false,
         {&TFSoftOptions::CB_En_Con, &TFSoftOptions::CB_Update}, true, true, false, false, true},
        {"update ticked but internet off", true, false,
         {&TFSoftOptions::CB_Update, &TFSoftOptions::CB_En_Con}, false, true, false, false, false},
        {"internet on, update off", true, true, {&TFSoftOptions::CB_Update}, true, false, false, false, false},
        {"table options", false, false,
         {&TFSoftOptions::CB_Soft_Set_Jump_Table, &TFSoftOptions::CB_DoubleClick_Auto_Size}, false, false, true, true,
         false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Label);
        SetOptions(Case.Internet, Case.Update, false, false);
        Main->Timer_Update->SetEnabled(!Case.Timer);
        Later([&] {
            for (TCheckBox* TFSoftOptions::*Box : Case.Clicks) {
                TCheckBox* Control = Window->*Box;
                ClickTab(static_cast<TTabSheet*>(Control->Parent()));
                Tick(Control);
            }
            Click(Window->Btn_OK);
        });
        EXPECT_EQ(Window->ShowModal(), mrOk);
        EXPECT_EQ(Enable_Internet, Case.InternetAfter);
        EXPECT_EQ(Enable_Update, Case.UpdateAfter);
        EXPECT_EQ(Enable_Jump_Field_Tables, Case.JumpAfter);
        EXPECT_EQ(Double_Click_Auto_Size, Case.AutoSizeAfter);
        EXPECT_EQ(Main->Timer_Update->Enabled(), Case.Timer);
        EXPECT_EQ(Current_Language, QStringLiteral("English"));
    }
}

TEST_F(SoftOptionsTest, ConfirmedOptionsRunTheVersionCheckAMinuteLaterThenEveryTwoHours)
{
    TTestClock Clock;
    Main->Show();
    ProcessPendingEvents();
    // Opens the window with the main window's options button, ticks Boxes and confirms.
    const auto Confirm = [&](std::vector<TCheckBox*> Boxes) {
        WhenModal([&] {
            ClickTab(Window->TS_Con_Options);
            for (TCheckBox* Box : Boxes) Tick(Box);
            Click(Window->Btn_OK);
        });
        Click(Main->Btn_Opz);
        EXPECT_EQ(Window->ModalResult(), mrOk);
    };

    Confirm({Window->CB_En_Con, Window->CB_Update});
    EXPECT_TRUE(Main->Timer_Update->Enabled());
    EXPECT_EQ(Main->Timer_Update->Interval(), 60000u);
    {
        TestHttpServer Newer("HTTP/1.0 200 OK\r\n\r\nVER. 1.006");
        Endpoints.Port = Newer.Port();
        Clock.Advance(59999);
        EXPECT_FALSE(Main->LL_Update->Visible());
        Clock.Advance(1);
        EXPECT_TRUE(Main->LL_Update->Visible());
    }
    EXPECT_TRUE(Main->Timer_Update->Enabled());
    EXPECT_EQ(Main->Timer_Update->Interval(), 7200000u);

    // A check now would find no server and hide the link.
    const RefusingPort Closed;
    Endpoints.Port = Closed.Port();
    Confirm({Window->CB_Update});
    EXPECT_FALSE(Main->Timer_Update->Enabled());
    Clock.Advance(7200000);
    EXPECT_TRUE(Main->LL_Update->Visible());

    // Turned on again, the timer keeps the two hours.
    Confirm({Window->CB_Update});
    EXPECT_TRUE(Main->Timer_Update->Enabled());
    Clock.Advance(60000);
    EXPECT_TRUE(Main->LL_Update->Visible());
    Clock.Advance(7200000 - 60000);
    EXPECT_FALSE(Main->LL_Update->Visible());
    EXPECT_TRUE(Enable_Internet);
    EXPECT_TRUE(Enable_Update);
}

TEST_F(SoftOptionsTest, OkMakesTheLanguageChosenTheCurrentOne)
{
    Languages({QStringLiteral("English")});
    LanguageFolderFile(QStringLiteral("German.lng"), LanguageText(German));
    Later([&] {
        DialogScript().Answer(mrYes);
        Click(Window->L_L[1]);
        Click(Window->Btn_OK);
    });
    EXPECT_EQ(Window->ShowModal(), mrOk);
    EXPECT_EQ(Current_Language, QStringLiteral("German"));
}

TEST_F(SoftOptionsTest, CancelLeavesTheStateButTheChosenLanguageStaysLoaded)
{
    Languages({QStringLiteral("English")});
    LanguageFolderFile(QStringLiteral("German.lng"), LanguageText(German));
    SetOptions(true, true, true, false);
    Main->Timer_Update->SetEnabled(true);
    Later([&] {
        DialogScript().Answer(mrYes);
        Click(Window->L_L[1]);
        ClickTab(Window->TS_Con_Options);
        Tick(Window->CB_En_Con);
        ClickTab(Window->TS_Soft_Settings);
        Tick(Window->CB_Soft_Set_Jump_Table);
        Tick(Window->CB_DoubleClick_Auto_Size);
        Click(Window->Btn_Cancel);
    });
    EXPECT_EQ(Window->ShowModal(), mrCancel);
    EXPECT_TRUE(Enable_Internet);
    EXPECT_TRUE(Enable_Update);
    EXPECT_TRUE(Enable_Jump_Field_Tables);
    EXPECT_FALSE(Double_Click_Auto_Size);
    EXPECT_TRUE(Main->Timer_Update->Enabled());
    EXPECT_EQ(Current_Language, QStringLiteral("English"));
    EXPECT_EQ(Lang(312), QStringLiteral("Bestätigen"));

    // The next opening shows the state again.
    Reopen();
    EXPECT_TRUE(Window->CB_En_Con->Checked());
    EXPECT_TRUE(Window->CB_Soft_Set_Jump_Table->Checked());
    EXPECT_FALSE(Window->CB_DoubleClick_Auto_Size->Checked());
    EXPECT_EQ(Window->Language_In_Use, QStringLiteral("English"));
}

TEST_F(SoftOptionsTest, TheCheckButtonShowsTheDownloadLinkOrNoUpdate)
{
    struct TCase {
        const char* Label;
        QByteArray Answer;
        bool Newer;
    };
    const TCase Cases[] = {
        {"newer", "HTTP/1.0 200 OK\r\n\r\n ver. 1.006 \r\n", true},
        {"same", "HTTP/1.0 200 OK\r\n\r\nVER. 1.005", false},
        {"server error", "HTTP/1.0 500 Internal Server Error\r\n\r\nVER. 9.999", false},
    };
    SetOptions(true, true, false, false);
    Open();
    ClickTab(Window->TS_Con_Options);
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Label);
        TestHttpServer Server(Case.Answer);
        Endpoints.Port = Server.Port();
        Click(Window->Btn_Check_Update);
        EXPECT_TRUE(Window->LL_Check_Update->Visible());
        EXPECT_EQ(Window->LL_Check_Update->Caption(),
                  Case.Newer ? Download_Link_Caption(QStringLiteral("New Version Available. Click Here for more Details"))
                             : QStringLiteral("No Update Available"));
    }

    // A click on the link opens the download page in the browser.
    TestHttpServer Server("HTTP/1.0 200 OK\r\n\r\nVER. 1.006");
    Endpoints.Port = Server.Port();
    Click(Window->Btn_Check_Update);
    SaveArtifact(RenderControl(Window, true), QStringLiteral("options-window-update-link"));
    Input::Click(Window->LL_Check_Update, {4, Window->LL_Check_Update->Height() / 2});
    EXPECT_EQ(Opener.Urls, QStringList{Download_Page_Url()});
    EXPECT_EQ(Download_Page_Url(), Server.Url(QStringLiteral("/Home/download/download.asp#RB20418")));

    // A language change keeps the link and takes its new text.
    Lang_Table->SetStrings(314, QStringLiteral("Neue Version"));
    Window->Set_Lang();
    EXPECT_EQ(Window->LL_Check_Update->Caption(), Download_Link_Caption(QStringLiteral("Neue Version")));

    // Opening again hides the answer.
    Reopen();
    EXPECT_FALSE(Window->LL_Check_Update->Visible());
}

TEST_F(SoftOptionsTest, TheAdvancedPageOpensTheDeviceCommandWindow)
{
    Open();
    // The page has no tab; only code reaches it.
    Window->PC_Options->SetActivePage(Window->TS_AdvanceFunctions);
    ProcessPendingEvents();
    TModalCloser Closer;
    Click(Window->Btn_Advance_Functions);
    EXPECT_EQ(Closer.Closed, FAdvanceFunctions);
}

TEST_F(SoftOptionsTest, TheRenderedWindowShowsEachPage)
{
    Languages(Thirteen);
    const QColor Flags[] = {QColor(0, 122, 61), QColor(222, 41, 16), QColor(17, 69, 126), QColor(174, 28, 40),
                            QColor(1, 33, 105), QColor(0, 35, 149)};
    for (int32_t I = 0; I < 6; ++I) LanguageFolderFile(Thirteen[I] + QStringLiteral(".bmp"), FlagBitmap(Flags[I]));
    LanguageFolderFile(QStringLiteral("DefaultFlag.bmp"), FlagBitmap(QColor(160, 160, 160)));
    SetOptions(true, false, true, false);
    Open();

    const auto Save = [&](const char* Page) {
        ProcessPendingEvents();
        const QImage Image = RenderControl(Window, true);
        SaveArtifact(Image, QStringLiteral("options-window-") + QString::fromLatin1(Page));
        return RenderControl(Window);
    };
    const QImage Image = Save("language");
    for (int32_t I = 0; I < 6; ++I) {
        const TPoint At = Window->ScreenToClient(Window->I_L[I]->ClientToScreen(
            {Window->I_L[I]->Width() / 2, Window->I_L[I]->Height() / 2}));
        EXPECT_EQ(QColor(Image.pixel(At.X, At.Y)), Flags[I]) << I;
    }
    Click(Window->Btn_Next);
    Save("language-page-2");
    ClickTab(Window->TS_Con_Options);
    Save("connection");
    ClickTab(Window->TS_Soft_Settings);
    Save("settings");
}
