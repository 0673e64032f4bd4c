// Forms: creation order and the main form, closing, modal loops and their results, exceptions at the event boundary.
#include "support/Artifacts.h"
#include "support/Input.h"
#include "Recorder.h"
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>


namespace {

// Runs Action once the loop now starting handles its queue.
void Later(std::function<void()> Action)
{
    QTimer::singleShot(0, std::move(Action));
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Main = MakeForm(400, 300);
        Main->SetCaption(QStringLiteral("Main"));
        Main->Show();
        Dialog = MakeForm(200, 100);
        Dialog->SetBorderStyle(bsDialog);
        Ok = Place<TRecorder>(Dialog.get(), Bounds(10, 10, 80, 25), Log, QStringLiteral("Ok"));
        Ok->OnClick = [this](TObject*) {
            Dialog->SetModalResult(mrOk);
            Log.append(QStringLiteral("after ModalResult"));
        };
        ProcessPendingEvents();
    }

    QStringList Log;
    std::unique_ptr<TForm> Main;
    std::unique_ptr<TForm> Dialog;
    TRecorder* Ok = nullptr;
};

TEST_F(FormTest, AHandlerSettingModalResultEndsTheLoopAfterItReturns)
{
    bool MainEnabledMeanwhile = true;
    Later([&] {
        MainEnabledMeanwhile = IsWindowEnabled(Main->Handle());
        Input::Click(Ok, {5, 5});
    });
    EXPECT_EQ(Dialog->ShowModal(), mrOk);
    EXPECT_TRUE(Log.contains("after ModalResult"));
    EXPECT_FALSE(MainEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
    EXPECT_FALSE(Dialog->Visible());
    EXPECT_EQ(GetActiveWindow(), Main->Handle());
}

TEST_F(FormTest, TheCloseBoxGivesCancel)
{
    Later([&] { WidgetOf(Dialog->Handle())->windowHandle()->close(); });
    EXPECT_EQ(Dialog->ShowModal(), mrCancel);
}

TEST_F(FormTest, OnCloseQueryCanKeepTheModalFormOpen)
{
    int32_t Asked = 0;
    Dialog->OnCloseQuery = [&](TObject*, bool& CanClose) { CanClose = ++Asked > 1; };
    Later([&] {
        Input::Click(Ok, {5, 5});
        // The loop asks OnCloseQuery once this handler has returned.
        EXPECT_EQ(Dialog->ModalResult(), mrOk);
        Later([&] {
            EXPECT_TRUE(Dialog->Visible());
            EXPECT_EQ(Dialog->ModalResult(), mrNone);
            Input::Click(Ok, {5, 5});
        });
    });
    EXPECT_EQ(Dialog->ShowModal(), mrOk);
    EXPECT_EQ(Asked, 2);
}

TEST_F(FormTest, ShowingAVisibleFormModallyIsRefused)
{
    Dialog->Show();
    EXPECT_THROW(Dialog->ShowModal(), EInvalidOperation);
}

TEST_F(FormTest, CloseAsksOnCloseQueryThenOnCloseDecides)
{
    struct TCase {
        bool CanClose;
        TCloseAction Action;
        bool VisibleAfter;
    };
    for (const TCase& Case : {TCase{false, caHide, true}, TCase{true, caNone, true}, TCase{true, caHide, false}}) {
        Dialog->Show();
        Dialog->OnCloseQuery = [&](TObject*, bool& CanClose) { CanClose = Case.CanClose; };
        Dialog->OnClose = [&](TObject*, TCloseAction& Action) { Action = Case.Action; };
        Dialog->Close();
        EXPECT_EQ(Dialog->Visible(), Case.VisibleAfter);
    }
}

TEST_F(FormTest, CaFreeReleasesTheFormAfterTheCurrentHandler)
{
    TForm* Doomed = New<TForm>(nullptr);
    bool Destroyed = false;
    Doomed->OnDestroy = [&](TObject*) { Destroyed = true; };
    Doomed->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
    Doomed->Show();
    const HWND Wnd = Doomed->Handle();
    Doomed->Close();
    EXPECT_FALSE(Destroyed);
    ProcessPendingEvents();
    EXPECT_TRUE(Destroyed);
    EXPECT_FALSE(IsWindow(Wnd));
}

TEST_F(FormTest, FormEventsComeInTheToolkitsOrder)
{
    QStringList Events;
    auto Form = std::unique_ptr<TForm>(new TForm(nullptr));
    Form->OnCreate = [&](TObject*) { Events.append(QStringLiteral("Create")); };
    Form->OnShow = [&](TObject*) { Events.append(QStringLiteral("Show")); };
    Form->OnActivate = [&](TObject*) { Events.append(QStringLiteral("Activate")); };
    Form->OnDeactivate = [&](TObject*) { Events.append(QStringLiteral("Deactivate")); };
    Form->OnHide = [&](TObject*) { Events.append(QStringLiteral("Hide")); };
    Form->AfterConstruction();
    Form->Show();
    Main->SetFocus();
    Form->Hide();
    EXPECT_EQ(Events, (QStringList{"Create", "Show", "Activate", "Deactivate", "Hide"}));
}

// Records whether its global reference already named it while OnCreate ran.
class TProbeForm : public TForm {
public:
    using TForm::TForm;
    static inline TProbeForm* Global = nullptr;
    bool ReferenceSetInCreate = false;

protected:
    void DoCreate() override
    {
        ReferenceSetInCreate = Global == this;
        TForm::DoCreate();
    }
};

TEST_F(FormTest, TheApplicationCreatesFormsInOrderAndTheFirstIsTheMainForm)
{
    TForm* Second = nullptr;
    Application->CreateForm(TProbeForm::Global);
    Application->CreateForm(Second);
    EXPECT_TRUE(TProbeForm::Global->ReferenceSetInCreate);
    EXPECT_EQ(Application->MainForm(), TProbeForm::Global);
    EXPECT_EQ(Second->ComponentIndex(), TProbeForm::Global->ComponentIndex() + 1);
    EXPECT_EQ(Second->Owner(), Application);
    Application->DestroyComponents();
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(FormTest, AnExceptionInAHandlerReachesHandleException)
{
    QStringList Reported;
    Application->OnException = [&](TObject* Sender, const Exception& E) {
        Reported.append(static_cast<TComponent*>(Sender)->Name() + QLatin1Char(':') + E.Message());
    };
    Ok->OnClick = [](TObject*) { throw EConvertError(QStringLiteral("boom")); };
    Dialog->Show();
    Input::Click(Ok, {5, 5});
    Application->OnException = nullptr;
    EXPECT_EQ(Reported, QStringList{"Ok:boom"});
}

TEST_F(FormTest, PositionCentresTheFormOnTheScreen)
{
    Dialog->SetPosition(poScreenCenter);
    Dialog->Show();
    EXPECT_EQ(Dialog->Left(), (Screen->Width() - Dialog->Width()) / 2);
    EXPECT_EQ(Dialog->Top(), (Screen->Height() - Dialog->Height()) / 2);
}

TEST_F(FormTest, TheRenderedFormShowsItsColourInsideItsFrame)
{
    Main->SetColor(static_cast<TColor>(RGB(248, 247, 237)));
    auto* Panel = Place<TPlainControl>(Main.get(), Bounds(20, 20, 100, 50));
    Panel->SetColor(clRed);
    const QImage Client = RenderControl(Main.get());
    EXPECT_EQ(Client.size(), QSize(400, 300));
    EXPECT_EQ(Client.pixel(5, 5), qRgb(248, 247, 237));
    EXPECT_EQ(Client.pixel(30, 30), qRgb(255, 0, 0));
    const QImage Framed = RenderControl(Main.get(), true);
    EXPECT_EQ(Framed.size(), QSize(Main->Width(), Main->Height()));
    SaveArtifact(Framed, QStringLiteral("windows-form"));
}

TEST_F(FormTest, TwoShownFormsSettleWithTheLastOneActive)
{
    auto First = MakeForm(200, 100);
    auto Second = MakeForm(200, 100);
    int32_t Activations = 0;
    First->OnActivate = [&](TObject*) { ++Activations; };
    Second->OnActivate = [&](TObject*) { ++Activations; };
    First->Show();
    Second->Show();
    // Qt's news of both activations arrives late; the loop must come to rest.
    for (int I = 0; I < 20; ++I) ProcessPendingEvents();
    EXPECT_LE(Activations, 3);
    EXPECT_EQ(GetActiveWindow(), Second->Handle());
    EXPECT_TRUE(Second->Active());
    EXPECT_FALSE(First->Active());
    // The user still brings the other one forward.
    WidgetOf(First->Handle())->activateWindow();
    for (int I = 0; I < 20; ++I) ProcessPendingEvents();
    EXPECT_EQ(GetActiveWindow(), First->Handle());
    EXPECT_TRUE(First->Active());
}

struct TModalButtonCase {
    const char* Name;
    // Focus given from OnShow: 0 none, 1 the edit, 2 the button that ends the loop.
    int FocusInOnShow;
    // 0 a click on the button, else the key pressed.
    uint16_t Key;
    bool Default;
    bool Cancel;
    TModalResult Result;
    TModalResult Expected;

    friend void PrintTo(const TModalButtonCase& Case, std::ostream* Out) { *Out << Case.Name; }
};

class ModalButtonTest : public FormTest, public ::testing::WithParamInterface<TModalButtonCase> {};

TEST_P(ModalButtonTest, TheButtonEndsShowModalWithItsResult)
{
    const TModalButtonCase& Case = GetParam();
    auto* Edit = Place<TEdit>(Dialog.get(), Bounds(10, 40, 80, 21));
    auto* Button = Place<TButton>(Dialog.get(), Bounds(100, 10, 80, 25));
    Button->SetModalResult(Case.Result);
    Button->SetDefault(Case.Default);
    Button->SetCancel(Case.Cancel);
    Dialog->OnShow = [&](TObject*) {
        if (Case.FocusInOnShow == 1) Edit->SetFocus();
        if (Case.FocusInOnShow == 2) Button->SetFocus();
    };
    // One round later, when Qt has handled its news of the activation.
    Later([&] {
        Later([&] {
            // Qt too has made the dialog its active window, so that the keyboard reaches it.
            EXPECT_EQ(QApplication::activeWindow(), WidgetOf(Dialog->Handle()));
            if (Case.Key) Input::PressKey(Case.Key);
            else Input::Click(Button, {5, 5});
            // Nothing ended the loop: leave it as the close box does.
            if (Dialog->ModalResult() == mrNone) Dialog->Close();
        });
    });
    EXPECT_EQ(Dialog->ShowModal(), Case.Expected);
    EXPECT_FALSE(Dialog->Visible());
    EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
}

INSTANTIATE_TEST_SUITE_P(
    Results, ModalButtonTest,
    ::testing::Values(TModalButtonCase{"ClickOk", 0, 0, false, false, mrOk, mrOk},
                      TModalButtonCase{"ClickAfterFocusInOnShow", 1, 0, false, false, mrOk, mrOk},
                      TModalButtonCase{"ClickFocusedInOnShow", 2, 0, false, false, mrYesToAll, mrYesToAll},
                      TModalButtonCase{"EnterClicksDefault", 1, VK_RETURN, true, false, mrYes, mrYes},
                      TModalButtonCase{"EnterWithoutDefault", 1, VK_RETURN, false, false, mrYes, mrCancel},
                      TModalButtonCase{"EscClicksCancel", 1, VK_ESCAPE, false, true, mrAbort, mrAbort},
                      TModalButtonCase{"EscWithoutCancel", 1, VK_ESCAPE, false, false, mrAbort, mrCancel},
                      TModalButtonCase{"ResultNoneKeepsTheLoop", 1, 0, false, false, mrNone, mrCancel}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(FormTest, OnCloseDecidesWhetherTheModalLoopEnds)
{
    std::vector<TCloseAction> Actions{caNone, caMinimize};
    QStringList Seen;
    Dialog->OnClose = [&](TObject*, TCloseAction& Action) {
        Action = Actions.front();
        Actions.erase(Actions.begin());
        Seen.append(QString::number(Dialog->ModalResult()));
    };
    Later([&] {
        Input::Click(Ok, {5, 5});
        Later([&] {
            // caNone took the result back; the dialog still runs.
            EXPECT_TRUE(Dialog->Visible());
            EXPECT_EQ(Dialog->ModalResult(), mrNone);
            Dialog->Close();
        });
    });
    EXPECT_EQ(Dialog->ShowModal(), mrCancel);
    EXPECT_EQ(Seen, (QStringList{"1", "2"}));
    EXPECT_FALSE(Dialog->Visible());
}

TEST_F(FormTest, CaFreeOnAModalFormReturnsTheResultThenFreesTheForm)
{
    TForm* Doomed = New<TForm>(nullptr);
    bool Destroyed = false;
    Doomed->OnDestroy = [&](TObject*) { Destroyed = true; };
    Doomed->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
    Later([&] { Doomed->SetModalResult(mrRetry); });
    EXPECT_EQ(Doomed->ShowModal(), mrRetry);
    EXPECT_FALSE(Destroyed);
    ProcessPendingEvents();
    EXPECT_TRUE(Destroyed);
    EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
}

}  // namespace
