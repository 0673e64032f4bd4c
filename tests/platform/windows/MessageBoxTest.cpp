// Message boxes and message dialogs: buttons, defaults, captions and icons, the exception box, the scripted user and the real Qt box.
#include "Recorder.h"
#include "support/DialogScript.h"
#include "support/Input.h"
#include "support/LayerInternals.h"
#include "support/Render.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Sets the application's title for the length of a test.
class TTitle {
public:
    explicit TTitle(const QString& Title) : FSaved(Application->Title()) { Application->SetTitle(Title); }
    ~TTitle() { Application->SetTitle(FSaved); }
    TTitle(const TTitle&) = delete;
    TTitle& operator=(const TTitle&) = delete;

private:
    QString FSaved;
};

const TMessageBoxRequest& LastBox()
{
    return DialogScript().Boxes().back();
}

struct TBoxCase {
    UINT Flags;
    QStringList Captions;
    size_t DefaultButton;
    TModalResult EscapeResult;
    TMsgDlgType Icon;
    TModalResult Chosen;
};

TEST(MessageBoxTest, FlagsChooseButtonsDefaultEscapeAndIcon)
{
    const TBoxCase Cases[] = {
        {MB_OK, {"OK"}, 0, IDOK, mtCustom, IDOK},
        {MB_OKCANCEL | MB_ICONQUESTION, {"OK", "Cancel"}, 0, IDCANCEL, mtConfirmation, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_ICONERROR | MB_DEFBUTTON2, {"&Abort", "&Retry", "&Ignore"}, 1, mrNone, mtError, IDIGNORE},
        {MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON3, {"&Yes", "&No", "Cancel"}, 2, IDCANCEL, mtWarning, IDNO},
        {MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON3, {"&Yes", "&No"}, 0, mrNone, mtInformation, IDYES},
        {MB_RETRYCANCEL | MB_ICONSTOP, {"&Retry", "Cancel"}, 0, IDCANCEL, mtError, IDRETRY},
        {MB_CANCELTRYCONTINUE | MB_DEFBUTTON2, {"Cancel", "&Try Again", "&Continue"}, 1, IDCANCEL, mtCustom, IDCONTINUE},
    };
    for (const TBoxCase& Case : Cases) {
        SCOPED_TRACE(Case.Captions.join(u'/').toStdString());
        DialogScript().Answer(Case.Chosen);
        EXPECT_EQ(MessageBox(nullptr, QStringLiteral("Text"), QStringLiteral("Caption"), Case.Flags), Case.Chosen);
        EXPECT_EQ(ButtonCaptions(LastBox()), Case.Captions);
        EXPECT_EQ(LastBox().DefaultButton, Case.DefaultButton);
        EXPECT_EQ(LastBox().EscapeResult, Case.EscapeResult);
        EXPECT_EQ(LastBox().Icon, Case.Icon);
        EXPECT_EQ(LastBox().Text, "Text");
        EXPECT_EQ(LastBox().Caption, "Caption");
    }
}

TEST(MessageBoxTest, ANullCaptionIsWindowsErrorAndAnEmptyOneStaysEmpty)
{
    DialogScript().Answer(IDOK).Answer(IDOK);
    MessageBox(nullptr, QStringLiteral("a"), QString(), MB_OK);
    EXPECT_EQ(LastBox().Caption, "Error");
    MessageBox(nullptr, QStringLiteral("b"), QStringLiteral(""), MB_OK);
    EXPECT_TRUE(LastBox().Caption.isEmpty());
}

TEST(MessageBoxTest, AnUnknownButtonSetShowsNothingAndGivesZero)
{
    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("a"), QStringLiteral("b"), 0x7), 0);
    EXPECT_TRUE(DialogScript().Boxes().empty());
}

TEST(MessageBoxTest, TheApplicationsBoxBelongsToTheActiveForm)
{
    auto Form = MakeForm(200, 100);
    Form->Show();
    DialogScript().Answer(IDOK);
    ApplicationMessageBox(QStringLiteral("Saved"), QStringLiteral("KT20418"));
    EXPECT_EQ(LastBox().Owner, Form->Handle());
    EXPECT_EQ(ButtonCaptions(LastBox()), QStringList{"OK"});
}

TEST(MessageBoxTest, TheOtherFormsAreDisabledWhileTheBoxShows)
{
    auto Main = MakeForm(200, 100);
    auto Other = MakeForm(200, 100);
    Main->Show();
    Other->Show();
    bool EnabledMeanwhile = true;
    DialogScript().Answer(IDYES, [&] {
        EnabledMeanwhile = IsWindowEnabled(Main->Handle()) || IsWindowEnabled(Other->Handle());
    });
    MessageBox(Main->Handle(), QStringLiteral("Go on?"), QStringLiteral("KT20418"), MB_YESNO);
    EXPECT_FALSE(EnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
    EXPECT_TRUE(IsWindowEnabled(Other->Handle()));
}

struct TDlgCase {
    TMsgDlgType Type;
    QString Caption;
};

TEST(MessageBoxDlgTest, TheTypeGivesCaptionAndIcon)
{
    const TTitle Title(QStringLiteral("KT20418"));
    const TDlgCase Cases[] = {
        {mtWarning, "Warning"}, {mtError, "Error"}, {mtInformation, "Information"},
        {mtConfirmation, "Confirm"}, {mtCustom, "KT20418"},
    };
    for (const TDlgCase& Case : Cases) {
        SCOPED_TRACE(Case.Caption.toStdString());
        DialogScript().Answer(mrOk);
        EXPECT_EQ(MessageDlg(QStringLiteral("Text"), Case.Type, {mbOK}, 0), mrOk);
        EXPECT_EQ(LastBox().Caption, Case.Caption);
        EXPECT_EQ(LastBox().Icon, Case.Type);
    }
}

struct TButtonsCase {
    TMsgDlgButtons Buttons;
    QStringList Captions;
    size_t DefaultButton;
    TModalResult EscapeResult;
    TModalResult Chosen;
};

TEST(MessageBoxDlgTest, ButtonsComeInTheToolkitsOrderWithItsDefaultAndCancelButtons)
{
    const TButtonsCase Cases[] = {
        {{mbNo, mbYes}, {"&Yes", "&No"}, 0, mrNo, mrYes},
        {{mbCancel, mbOK}, {"OK", "Cancel"}, 0, mrCancel, mrCancel},
        {{mbYes, mbNo, mbCancel}, {"&Yes", "&No", "Cancel"}, 0, mrCancel, mrNo},
        {{mbAbort, mbRetry, mbIgnore}, {"&Abort", "&Retry", "&Ignore"}, 1, mrNone, mrIgnore},
        {{mbYes, mbYesToAll, mbNo, mbNoToAll, mbAll, mbHelp, mbClose},
         {"&Yes", "&No", "&All", "N&o to All", "Yes to &All", "&Close"}, 0, mrNo, mrYesToAll},
    };
    for (const TButtonsCase& Case : Cases) {
        SCOPED_TRACE(Case.Captions.join(u'/').toStdString());
        DialogScript().Answer(Case.Chosen);
        EXPECT_EQ(MessageDlg(QStringLiteral("Text"), mtConfirmation, Case.Buttons, 0), Case.Chosen);
        EXPECT_EQ(ButtonCaptions(LastBox()), Case.Captions);
        EXPECT_EQ(LastBox().DefaultButton, Case.DefaultButton);
        EXPECT_EQ(LastBox().EscapeResult, Case.EscapeResult);
    }
}

TEST(MessageBoxDlgTest, TheResultsAreTheButtonsModalResults)
{
    const TMsgDlgButtons All{mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbClose};
    for (TModalResult Result : {mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrClose}) {
        DialogScript().Answer(Result);
        EXPECT_EQ(MessageDlg(QStringLiteral("Text"), mtCustom, All, 0), Result);
    }
}

TEST(MessageBoxDlgTest, AnExplicitDefaultButtonIsTaken)
{
    DialogScript().Answer(mrNo);
    MessageDlg(QStringLiteral("Overwrite?"), mtConfirmation, {mbYes, mbNo}, 0, mbNo);
    EXPECT_EQ(LastBox().DefaultButton, 1u);
}

TEST(MessageBoxDlgTest, ShowMessageIsCaptionedWithTheApplicationsTitle)
{
    DialogScript().Answer(mrOk).Answer(mrOk);
    {
        const TTitle Title(QStringLiteral("KT20418"));
        ShowMessage(QStringLiteral("Hello"));
        EXPECT_EQ(LastBox().Caption, "KT20418");
    }
    // Without a title the toolkit's application is named after its program file.
    const TTitle NoTitle{QString()};
    ShowMessage(QStringLiteral("Hello"));
    EXPECT_EQ(LastBox().Caption, "test_windows");
    EXPECT_EQ(LastBox().Icon, mtCustom);
    EXPECT_EQ(ButtonCaptions(LastBox()), QStringList{"OK"});
}

struct TDotCase {
    QString Message;
    QString Shown;
};

TEST(MessageBoxExceptionTest, AFullStopIsAddedWhenTheLastCharacterSortsAfterIt)
{
    const TTitle Title(QStringLiteral("KT20418"));
    const TDotCase Cases[] = {
        {"Cannot save", "Cannot save."}, {"Cannot save.", "Cannot save."}, {"Error!", "Error!"},
        {"Why?", "Why?."}, {"Code 5", "Code 5."}, {"(none)", "(none)"}, {"", ""},
    };
    for (const TDotCase& Case : Cases) {
        DialogScript().Answer(IDOK);
        Application->ShowException(Exception(Case.Message));
        EXPECT_EQ(LastBox().Text, Case.Shown);
        EXPECT_EQ(LastBox().Caption, "KT20418");
        EXPECT_EQ(LastBox().Icon, mtError);
        EXPECT_EQ(ButtonCaptions(LastBox()), QStringList{"OK"});
    }
}

TEST(MessageBoxExceptionTest, AnExceptionInAnEventHandlerReachesAnErrorBox)
{
    const TTitle Title(QStringLiteral("KT20418"));
    QStringList Log;
    auto Form = MakeForm(200, 100);
    auto* Button = Place<TRecorder>(Form.get(), Bounds(10, 10, 80, 25), Log, QStringLiteral("Button"));
    Button->OnClick = [](TObject*) { throw EWriteError(QStringLiteral("Cannot write the file")); };
    Form->Show();
    ProcessPendingEvents();
    DialogScript().Answer(IDOK);
    Input::Click(Button, {5, 5});
    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    EXPECT_EQ(LastBox().Text, "Cannot write the file.");
    EXPECT_EQ(LastBox().Icon, mtError);
    EXPECT_EQ(LastBox().Owner, Form->Handle());
}

TEST(DialogScriptTest, AnUnscriptedBoxFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(ShowMessage(QStringLiteral("Surprise")), "unscripted message box \"Surprise\"");
}

TEST(DialogScriptTest, AnAnswerTheBoxCannotGiveFailsTheTest)
{
    DialogScript().Answer(IDCANCEL);
    EXPECT_NONFATAL_FAILURE(MessageBox(nullptr, QStringLiteral("Go on?"), QStringLiteral("Q"), MB_YESNO), "cannot give 2");
}

TEST(DialogScriptTest, AnAnswerNoBoxTookFailsTheTest)
{
    DialogScript().Answer(IDOK);
    EXPECT_NONFATAL_FAILURE(DialogScript().Verify(), "no message box took the answer 1");
}

// Shows the real message box; Act runs on it once it is up.
TModalResult ShowRealBox(const std::function<void(QMessageBox&)>& Act)
{
    TMessageBoxService* Scripted = SetMessageBoxService(nullptr);
    QTimer::singleShot(0, [&] {
        auto* Box = qobject_cast<QMessageBox*>(ModalWidget());
        ASSERT_NE(Box, nullptr);
        Act(*Box);
    });
    const TModalResult Result = MessageBox(nullptr, QStringLiteral("Replace the file?"), QStringLiteral("KT20418"),
                                           MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON2);
    SetMessageBoxService(Scripted);
    return Result;
}

TEST(MessageBoxRealTest, ShowsTheBoxAndGivesTheButtonClicked)
{
    auto Form = MakeForm(200, 100);
    Form->Show();
    bool FormEnabled = true;
    const TModalResult Result = ShowRealBox([&](QMessageBox& Box) {
        FormEnabled = IsWindowEnabled(Form->Handle());
        EXPECT_EQ(Box.windowTitle(), "KT20418");
        EXPECT_EQ(Box.text(), "Replace the file?");
        EXPECT_EQ(Box.icon(), QMessageBox::Warning);
        QStringList Captions;
        for (QAbstractButton* Button : Box.buttons()) Captions << Button->text();
        EXPECT_EQ(Captions, (QStringList{"&Yes", "&No", "Cancel"}));
        ASSERT_NE(Box.defaultButton(), nullptr);
        EXPECT_EQ(Box.defaultButton()->text(), "&No");
        Box.buttons().front()->click();
    });
    EXPECT_EQ(Result, IDYES);
    EXPECT_FALSE(FormEnabled);
    EXPECT_TRUE(IsWindowEnabled(Form->Handle()));
}

TEST(MessageBoxRealTest, EscGivesCancel)
{
    EXPECT_EQ(ShowRealBox([](QMessageBox& Box) { QTest::keyClick(&Box, Qt::Key_Escape); }), IDCANCEL);
}

}  // namespace
