// The configurator as a user meets it on an X desktop with a window manager: the four steps of the
// main window, the options window, closing, modal windows above their owners, keys across windows.
#include "Desktop.h"

#include "support/Artifacts.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace E2e;

namespace {

// Window titles (regular expressions over the whole title).
const QString MainTitle = QStringLiteral("^Velmora - Quillan KT20418 - ");
const QString NewTitle = QStringLiteral("^Create New Configuration$");
const QString CommunicationTitle = QStringLiteral("^Set Communication$");
const QString ErrorTitle = QStringLiteral("^Error$");
const QString OptionsTitle = QStringLiteral("^Software Options$");
const QString SaveTitle = QStringLiteral("^Save As$");
const QString UpdateTitle = QStringLiteral("^Update Firmware from Etherner \\(UDP\\)$");

// Places in the main window's client area: the step buttons and the corner buttons.
struct TPlace {
    int X;
    int Y;
};
constexpr TPlace NewButton{165, 132};
constexpr TPlace CommunicationButton{165, 176};
constexpr TPlace GsdButton{165, 220};
constexpr TPlace UpdateButton{165, 264};
constexpr TPlace InfoButton{541, 33};
constexpr TPlace OptionsButton{599, 33};
constexpr TPlace CloseButton{657, 33};

// The OK and Cancel buttons at the bottom right of a dialog window, from its client size.
TPlace DialogOk(const TGeometry& Client, int FromBottom = 22)
{
    return {Client.Width - 127, Client.Height - FromBottom};
}

TPlace DialogCancel(const TGeometry& Client, int FromBottom = 22)
{
    return {Client.Width - 46, Client.Height - FromBottom};
}

// The Set Communication window: the IP address octets, the input and output sizes, the subnet
// mask's row (which an error box over the window leaves uncovered), its buttons 29 pixels from the bottom.
constexpr TPlace IpOctets[] = {{110, 116}, {160, 116}, {210, 116}, {260, 116}};
constexpr TPlace InputSize{241, 288};
constexpr TPlace OutputSize{241, 324};
const QRect MaskRow(88, 150, 196, 28);
constexpr int CommunicationButtonsFromBottom = 29;
// The update window's Cancel button.
constexpr TPlace UpdateCancel{193, 212};

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const QString Why = TDesktop::Unavailable(); !Why.isEmpty()) GTEST_SKIP() << Why.toStdString();
        ASSERT_TRUE(Desktop.Start()) << Desktop.Error().toStdString();
        ASSERT_TRUE(Desktop.StartProgram()) << Desktop.Error().toStdString();
        Main = Desktop.WaitForWindow(MainTitle, 30s);
        ASSERT_NE(Main, 0u) << "the main window did not show";
        ASSERT_TRUE(WaitFor([&] { return Desktop.ActiveWindow() == Main; })) << "the main window was not activated";
    }

    void TearDown() override
    {
        if (HasFailure() && !IsSkipped()) {
            const auto* Info = ::testing::UnitTest::GetInstance()->current_test_info();
            const QString Shot = Desktop.SaveScreenshot(QStringLiteral("e2e-%1").arg(QString::fromLatin1(Info->name())));
            std::printf("screenshot: %s\n", qPrintable(Shot));
        }
    }

    void Click(TWindowId Window, TPlace At) { Desktop.Click(Window, At.X, At.Y); }

    QString Project(const QString& Name) const { return Desktop.File(QStringLiteral("PROJECTS/") + Name); }

    // Step 1: the name typed in the new-configuration window, then Enter or a click on OK.
    void NewConfiguration(const QString& Name, bool ByEnter = true)
    {
        Click(Main, NewButton);
        const TWindowId New = Desktop.WaitForWindow(NewTitle);
        ASSERT_NE(New, 0u) << "the new-configuration window did not show";
        Desktop.Type(Name);
        if (ByEnter) Desktop.Key(QStringLiteral("Return"));
        else Click(New, DialogOk(Desktop.Client(New)));
        ASSERT_TRUE(WaitFor([&] { return QFileInfo(Project(Name)).isDir(); })) << "the configuration was not created";
        ASSERT_TRUE(Desktop.WaitForNoWindow(NewTitle)) << "the new-configuration window stayed";
    }

    // Proves that the main window takes clicks again and that the input sent before was handled:
    // the options window opens (and is closed again by Cancel).
    void ExpectMainTakesClicks()
    {
        Click(Main, OptionsButton);
        const TWindowId Options = Desktop.WaitForWindow(OptionsTitle);
        ASSERT_NE(Options, 0u) << "a click on the main window did nothing";
        Click(Options, DialogCancel(Desktop.Client(Options)));
        ASSERT_TRUE(Desktop.WaitForNoWindow(OptionsTitle));
    }

    // Replaces the text of the edit at At in Window.
    void Retype(TWindowId Window, TPlace At, const QString& Text)
    {
        Click(Window, At);
        Desktop.Key(QStringLiteral("End"));
        Desktop.Key(QStringLiteral("shift+Home"));
        Desktop.Type(Text);
    }

    // Good settings in the Set Communication window: the device on loopback, sizes in range.
    void EnterGoodCommunication(TWindowId Communication)
    {
        const char* const Octets[] = {"127", "0", "0", "1"};
        for (int I = 0; I < 4; ++I) Retype(Communication, IpOctets[I], QString::fromLatin1(Octets[I]));
        Retype(Communication, InputSize, QStringLiteral("16"));
        Retype(Communication, OutputSize, QStringLiteral("8"));
    }

    TDesktop Desktop;
    TWindowId Main = 0;
};

// ---- Step 1 ----

TEST_F(DesktopTest, NewConfigurationByEnterOpensItOnce)
{
    // The release of Enter reaches the main window's focused New Configuration button after the
    // window has closed: it must not open the window again.
    NewConfiguration(QStringLiteral("alpha"));
    ExpectMainTakesClicks();
    EXPECT_TRUE(Desktop.Windows(NewTitle).isEmpty()) << "the new-configuration window came back";
}

TEST_F(DesktopTest, NewConfigurationByOk)
{
    NewConfiguration(QStringLiteral("beta"), false);
    ExpectMainTakesClicks();
}

// ---- Modal windows ----

TEST_F(DesktopTest, AModalWindowStaysAboveItsOwnerAndAClickOnTheOwnerBringsItBack)
{
    Click(Main, NewButton);
    const TWindowId New = Desktop.WaitForWindow(NewTitle);
    ASSERT_NE(New, 0u);
    EXPECT_EQ(Desktop.Owner(New), Main) << "the window manager is not told the window's owner";
    // A click on the main window (its information button) is refused and brings the modal one back.
    Click(Main, InfoButton);
    EXPECT_TRUE(WaitFor([&] { return Desktop.ActiveWindow() == New; })) << "the modal window did not come back to the front";
    EXPECT_TRUE(WaitFor([&] {
        const QList<TWindowId> Order = Desktop.StackingOrder();
        return !Order.isEmpty() && Order.back() == New;
    })) << "the modal window is beneath its owner";
    EXPECT_EQ(Desktop.Windows(QStringLiteral("^About")).size() + Desktop.Windows(QStringLiteral("^Information")).size(), 0)
        << "the click reached the main window";

    // Nothing froze: the modal window takes its keys and closes.
    Desktop.Type(QStringLiteral("gamma"));
    Desktop.Key(QStringLiteral("Return"));
    EXPECT_TRUE(WaitFor([&] { return QFileInfo(Project(QStringLiteral("gamma"))).isDir(); }));
    EXPECT_TRUE(Desktop.WaitForNoWindow(NewTitle));
}

// ---- Step 2 ----

TEST_F(DesktopTest, SetCommunicationRefusesABadEntryThenSavesGoodOnes)
{
    NewConfiguration(QStringLiteral("alpha"), false);
    Click(Main, CommunicationButton);
    const TWindowId Communication = Desktop.WaitForWindow(CommunicationTitle);
    ASSERT_NE(Communication, 0u);
    const TGeometry Client = Desktop.Client(Communication);

    // The first octet's text is selected when the window opens.
    Desktop.Type(QStringLiteral("300"));
    const QImage Before = Desktop.Capture(Communication).copy(MaskRow);
    Click(Communication, DialogOk(Client, CommunicationButtonsFromBottom));
    ASSERT_NE(Desktop.WaitForWindow(ErrorTitle), 0u) << "no error for an octet of 300";
    // The edits beneath the box keep their look: the box blocks them without greying them.
    EXPECT_TRUE(WaitFor([&] { return Desktop.Capture(Communication).copy(MaskRow) == Before; }, 3s))
        << "the window beneath the box changed its look: "
        << SaveArtifact(Before, QStringLiteral("e2e-mask-row-before")).toStdString() << " "
        << SaveArtifact(Desktop.Capture(Communication).copy(MaskRow), QStringLiteral("e2e-mask-row-during")).toStdString();
    // The first Enter on the first box of the run closes it.
    Desktop.Key(QStringLiteral("Return"));
    ASSERT_TRUE(Desktop.WaitForNoWindow(ErrorTitle, 5s)) << "the first Enter on the error box was lost";
    const QString ParGen = Project(QStringLiteral("alpha/ParGen.xml"));
    EXPECT_FALSE(QFileInfo::exists(ParGen));

    EnterGoodCommunication(Communication);
    Click(Communication, DialogOk(Client, CommunicationButtonsFromBottom));
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(ParGen); })) << "ParGen.xml was not written";
    EXPECT_TRUE(Desktop.WaitForNoWindow(CommunicationTitle));
    QFile File(ParGen);
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    const QByteArray Saved = File.readAll();
    EXPECT_TRUE(Saved.contains("127")) << Saved.toStdString();
}

// ---- Steps 3 and 4 ----

TEST_F(DesktopTest, GsdThroughTheSaveDialogThenUpdateDeviceUpToTheUpdateWindow)
{
    NewConfiguration(QStringLiteral("alpha"));
    Click(Main, CommunicationButton);
    const TWindowId Communication = Desktop.WaitForWindow(CommunicationTitle);
    ASSERT_NE(Communication, 0u);
    EnterGoodCommunication(Communication);
    Click(Communication, DialogOk(Desktop.Client(Communication), CommunicationButtonsFromBottom));
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(Project(QStringLiteral("alpha/ParGen.xml"))); }));
    ASSERT_TRUE(Desktop.WaitForNoWindow(CommunicationTitle));

    Click(Main, GsdButton);
    const TWindowId Save = Desktop.WaitForWindow(SaveTitle);
    ASSERT_NE(Save, 0u) << "the save dialog did not show";
    EXPECT_EQ(Desktop.Owner(Save), Main);
    Desktop.Type(QStringLiteral("device"));
    Desktop.Key(QStringLiteral("Return"));
    const QDir Folder(Project(QStringLiteral("alpha")));
    EXPECT_TRUE(WaitFor([&] { return !Folder.entryList({QStringLiteral("*.gsd"), QStringLiteral("*.GSD")}, QDir::Files).isEmpty(); }))
        << "no GSD file was written: " << Folder.entryList(QDir::Files).join(u' ').toStdString();
    ASSERT_TRUE(Desktop.WaitForNoWindow(SaveTitle));

    Click(Main, UpdateButton);
    const TWindowId Update = Desktop.WaitForWindow(UpdateTitle);
    ASSERT_NE(Update, 0u) << "the update window did not show";
    EXPECT_EQ(QFileInfo(Project(QStringLiteral("alpha/bin/bank.bin"))).size(), 2048);
    Click(Update, UpdateCancel);
    EXPECT_TRUE(Desktop.WaitForNoWindow(UpdateTitle));
}

// ---- Options and closing ----

TEST_F(DesktopTest, OptionsCancelKeepsTheSettingsAndOkSavesThem)
{
    const QString Settings = Desktop.File(QStringLiteral("Quillan.xml"));
    QFile::remove(Settings);
    Click(Main, OptionsButton);
    TWindowId Options = Desktop.WaitForWindow(OptionsTitle);
    ASSERT_NE(Options, 0u);
    Click(Options, DialogCancel(Desktop.Client(Options)));
    ASSERT_TRUE(Desktop.WaitForNoWindow(OptionsTitle));
    EXPECT_FALSE(QFileInfo::exists(Settings)) << "Cancel saved the settings";

    Click(Main, OptionsButton);
    Options = Desktop.WaitForWindow(OptionsTitle);
    ASSERT_NE(Options, 0u);
    Click(Options, DialogOk(Desktop.Client(Options)));
    EXPECT_TRUE(Desktop.WaitForNoWindow(OptionsTitle));
    EXPECT_TRUE(WaitFor([&] { return QFileInfo::exists(Settings); })) << "OK did not save the settings";
}

TEST_F(DesktopTest, TheMainWindowOffersCloseOnlyAndCloseEndsTheProgram)
{
    // Single border with the system menu alone: a dialog to the window manager, of fixed size.
    EXPECT_TRUE(Desktop.Property(Main, QStringLiteral("_NET_WM_WINDOW_TYPE")).startsWith(QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG")));
    const QString Allowed = Desktop.Property(Main, QStringLiteral("_NET_WM_ALLOWED_ACTIONS"));
    EXPECT_FALSE(Allowed.contains(QStringLiteral("RESIZE"))) << Allowed.toStdString();
    EXPECT_FALSE(Allowed.contains(QStringLiteral("MAXIMIZE"))) << Allowed.toStdString();
    EXPECT_TRUE(Allowed.contains(QStringLiteral("_NET_WM_ACTION_CLOSE"))) << Allowed.toStdString();

    Click(Main, CloseButton);
    EXPECT_EQ(Desktop.WaitForProgramEnd(), 0);
    EXPECT_TRUE(QFileInfo::exists(Desktop.File(QStringLiteral("Quillan.xml"))));
}

}  // namespace
