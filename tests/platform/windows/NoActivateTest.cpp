// Windows that show above the others without taking the activation: topmost SetWindowPos with SWP_NOACTIVATE, disabled pop-ups.
#include "support/Input.h"
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "Recorder.h"

#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace {

// A bordered pop-up form that is disabled, as a picture floating over a form is made.
class TFloatingForm : public TForm {
public:
    using TForm::TForm;
    QStringList Heard;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TForm::CreateParams(Params);
        Params.Style = WS_POPUP | WS_DISABLED | WS_BORDER;
    }
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_LBUTTONDOWN) Heard.append(QStringLiteral("down"));
        if (Message.Msg == WM_ACTIVATE) Heard.append(QStringLiteral("activate %1").arg(LOWORD(Message.WParam)));
        TForm::Dispatch(Message);
    }
};

class NoActivateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Main = MakeForm(300, 200);
        Edit = Place<TPlainControl>(Main.get(), Bounds(10, 10, 100, 30));
        Edit->SetTabStop(true);
        Main->Show();
        Edit->SetFocus();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Main;
    TPlainControl* Edit = nullptr;
};

TEST_F(NoActivateTest, ATopmostShowWithoutActivationLeavesTheFocusWhereItIs)
{
    auto Floating = std::unique_ptr<TFloatingForm>(New<TFloatingForm>(nullptr));
    Floating->SetBounds(400, 300, 120, 60);
    Floating->HandleNeeded();
    ASSERT_TRUE(SetWindowPos(Floating->Handle(), HWND_TOPMOST, 500, 320, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE));
    ProcessPendingEvents();
    EXPECT_TRUE(IsWindowVisible(Floating->Handle()));
    EXPECT_EQ(Floating->BoundsRect(), Bounds(500, 320, 120, 60)) << "moved, not sized";
    EXPECT_TRUE(GetWindowLong(Floating->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(WidgetOf(Floating->Handle())->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(GetActiveWindow(), Main->Handle());
    EXPECT_EQ(GetFocus(), Edit->Handle());

    // A click on it reaches nothing and activates nothing.
    Input::Click(Floating.get(), {20, 20});
    EXPECT_TRUE(Floating->Heard.isEmpty()) << Floating->Heard.join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(GetActiveWindow(), Main->Handle());
    EXPECT_EQ(GetFocus(), Edit->Handle());
}

TEST_F(NoActivateTest, AShownWindowTurnsTopmostAndBackWithoutTakingTheActivation)
{
    auto Other = MakeForm(100, 80);
    Other->SetBounds(400, 100, Other->Width(), Other->Height());
    Other->Show();
    Main->SetFocus();
    Edit->SetFocus();
    ProcessPendingEvents();
    ASSERT_EQ(GetActiveWindow(), Main->Handle());
    for (const HWND Where : {HWND_TOPMOST, HWND_NOTOPMOST}) {
        ASSERT_TRUE(SetWindowPos(Other->Handle(), Where, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
        ProcessPendingEvents();
        const bool Top = Where == HWND_TOPMOST;
        EXPECT_EQ((GetWindowLong(Other->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, Top);
        EXPECT_EQ(WidgetOf(Other->Handle())->windowFlags().testFlag(Qt::WindowStaysOnTopHint), Top);
        EXPECT_TRUE(IsWindowVisible(Other->Handle()));
        EXPECT_TRUE(Other->Visible());
        EXPECT_EQ(GetActiveWindow(), Main->Handle());
        EXPECT_EQ(GetFocus(), Edit->Handle());
    }
}

}  // namespace
