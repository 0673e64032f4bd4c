// The drop cycle through real mouse and keys: opening, event order, veto, toggling, closing by click outside, keys and deactivation, placement and sizes.
#include "DropDownTestSupport.h"

#include "dropdown/ExtButton.h"
#include "dropdown/ExtFooter.h"
#include "dropdown/ExtHeader.h"
#include "dropdown/PopupAppearance.h"
#include "windows/SizeConstraints.h"
#include "support/LayerInternals.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>

using namespace DropDownTest;

namespace {

class DropCycleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const TMonitor* Monitor = Screen->MonitorFromPoint({0, 0});
        ASSERT_NE(Monitor, nullptr);
        WorkArea = Monitor->WorkareaRect();
        Form = MakeForm(WorkArea.Left + 100, WorkArea.Top + 100, 400, 300);
        Other = Place<TEdit>(Form.get(), Bounds(10, 200, 100, 21));
        Other->SetTabStop(true);
        DropDown = Place<TPanelDropDown>(Form.get(), Bounds(10, 10, 150, 21));
        DropDown->Log = &Log;
        DropDown->SetTabStop(true);
        DropDown->OnBeforeDropDown = [this](TObject*) { Log.push_back(QStringLiteral("before drop down")); };
        DropDown->OnDropDown = [this](TObject*, bool& Accept) {
            Log.push_back(QStringLiteral("drop down"));
            Accept = AcceptDrop;
        };
        DropDown->OnBeforeDropUp = [this](TObject*) { Log.push_back(QStringLiteral("before drop up")); };
        DropDown->OnDropUp = [this](TObject*, bool Cancelled) {
            Log.push_back(Cancelled ? QStringLiteral("drop up cancelled") : QStringLiteral("drop up"));
        };
        Form->Show();
        DropDown->SetFocus();
        ProcessPendingEvents();
    }

    bool Open() const { return DropDown->DroppedDown() && DropDown->DropDownForm()->Visible(); }
    TDropDownForm* Popup() const { return DropDown->DropDownForm(); }

    // Puts the form so that the drop-down's top-left corner lies at X, Y on the screen.
    void MoveDropDownTo(int32_t X, int32_t Y) { Form->SetBounds(X - 10, Y - 10, Form->Width(), Form->Height()); }

    TTestClock Clock;
    TRect WorkArea;
    std::unique_ptr<TForm> Form;
    TEdit* Other = nullptr;
    TPanelDropDown* DropDown = nullptr;
    QStringList Log;
    bool AcceptDrop = true;
};

}  // namespace

TEST_F(DropCycleTest, ClickOpensInEventOrderAsAQtPopupAndEnterCloses)
{
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    EXPECT_EQ(Log, (QStringList{"before drop down", "drop down"}));
    const QWidget* Widget = WidgetOf(Popup()->Handle());
    ASSERT_NE(Widget, nullptr);
    EXPECT_EQ(Widget->windowType(), Qt::Popup);
    EXPECT_EQ(GetWindow(Popup()->Handle(), GW_OWNER), Form->Handle());
    // The pop-up holds the keyboard: its first tab stop has the focus, the edit heard it go.
    EXPECT_TRUE(DropDown->Panel->Focused());
    EXPECT_FALSE(DropDown->Focused());
    EXPECT_EQ(GetActiveWindow(), Popup()->Handle());
    Log.clear();
    Input::PressKey(VK_RETURN);
    EXPECT_FALSE(Open());
    EXPECT_EQ(Log, (QStringList{"hide", "before drop up", "drop up"}));
    EXPECT_TRUE(DropDown->Focused());
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
}

TEST_F(DropCycleTest, TypingInTheContentReachesTheEdit)
{
    DropDown->SetText(QStringLiteral("ab"));
    DropDown->SetSelStart(2);
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    Input::TypeText(QStringLiteral("cd"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("abcd"));
    EXPECT_TRUE(Open());
}

TEST_F(DropCycleTest, VetoKeepsItClosed)
{
    AcceptDrop = false;
    ClickButton(DropDown);
    EXPECT_FALSE(Open());
    EXPECT_FALSE(DropDown->DroppedDown());
    EXPECT_EQ(Log, (QStringList{"before drop down", "drop down"}));
    EXPECT_TRUE(DropDown->Focused());
}

TEST_F(DropCycleTest, ReadOnlyOrDisabledItStaysClosed)
{
    DropDown->SetReadOnly(true);
    ClickButton(DropDown);
    Input::PressKey(VK_F4);
    Input::PressKey(VK_DOWN, {ssAlt});
    EXPECT_FALSE(Open());
    EXPECT_TRUE(Log.isEmpty()) << "not even OnBeforeDropDown";
    DropDown->SetReadOnly(false);
    DropDown->SetEnabled(false);
    DropDown->ShowDropDown();
    EXPECT_FALSE(Open());
    DropDown->SetEnabled(true);
    DropDown->ShowDropDown();
    EXPECT_TRUE(Open());
}

TEST_F(DropCycleTest, ASecondClickOnTheButtonClosesAndTheNextOpensOnlyAfter250Ms)
{
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    Log.clear();
    // The press takes the pop-up's activation (it closes, cancelled); the release does not reopen it.
    ClickButton(DropDown);
    EXPECT_FALSE(Open());
    EXPECT_EQ(Log, (QStringList{"hide cancelled", "before drop up", "drop up cancelled"}));
    Clock.Advance(250);
    ClickButton(DropDown);
    EXPECT_FALSE(Open());
    Clock.Advance(1);
    ClickButton(DropDown);
    EXPECT_TRUE(Open());
}

TEST_F(DropCycleTest, TheToggleDelayCountsAcrossTheTickCountWrapping)
{
    // Closing 100 ms before the 32-bit tick count wraps, then 150 ms and 251 ms later.
    Clock.Advance(static_cast<uint32_t>(0x100000000ull - Clock.Milliseconds() % 0x100000000ull - 100));
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    ClickButton(DropDown);
    ASSERT_FALSE(Open());
    Clock.Advance(150);
    ASSERT_LT(GetTickCount(), 100u);
    ClickButton(DropDown);
    EXPECT_FALSE(Open());
    Clock.Advance(101);
    ClickButton(DropDown);
    EXPECT_TRUE(Open());
}

TEST_F(DropCycleTest, AClickOutsideClosesCancelledOrKeepingTheValue)
{
    DropDown->SetText(QStringLiteral("set"));
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    DropDown->SetSelStart(3);
    Input::TypeText(QStringLiteral("X"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("setX"));
    Input::Click(Form.get(), {300, 250});
    EXPECT_FALSE(Open());
    EXPECT_EQ(DropDown->Text(), QStringLiteral("set")) << "cancelled: the text last set comes back";
    EXPECT_TRUE(Log.contains(QStringLiteral("drop up cancelled")));

    DropDown->KeepOnDeActivate = true;
    Clock.Advance(300);
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    DropDown->SetSelStart(3);
    Input::TypeText(QStringLiteral("Y"));
    Input::Click(Form.get(), {300, 250});
    EXPECT_FALSE(Open());
    EXPECT_EQ(DropDown->Text(), QStringLiteral("setY"));
    // The closing click went to nobody.
    EXPECT_TRUE(DropDown->Focused());
}

TEST_F(DropCycleTest, AClickOnAnotherControlClosesWithoutReachingIt)
{
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    Input::Click(Other, {5, 5});
    EXPECT_FALSE(Open());
    EXPECT_TRUE(DropDown->Focused()) << "the click that closed the pop-up is not handed on";
}

TEST_F(DropCycleTest, KeysCloseAndToggle)
{
    DropDown->SetText(QStringLiteral("kept"));
    // Alt+Down on the edit opens, Alt+Up in the pop-up closes.
    Input::PressKey(VK_DOWN, {ssAlt});
    ASSERT_TRUE(Open());
    Input::PressKey(VK_UP, {ssAlt});
    EXPECT_FALSE(Open());
    EXPECT_TRUE(Log.contains(QStringLiteral("drop up")));
    // F4 opens and closes, not cancelled.
    Log.clear();
    Input::PressKey(VK_F4);
    ASSERT_TRUE(Open());
    DropDown->SetSelStart(4);
    Input::TypeText(QStringLiteral("!"));
    Input::PressKey(VK_F4);
    EXPECT_FALSE(Open());
    EXPECT_EQ(DropDown->Text(), QStringLiteral("kept!"));
    EXPECT_FALSE(Log.contains(QStringLiteral("drop up cancelled")));
    // Esc closes cancelled and the form's cancel handling does not see it.
    Input::PressKey(VK_F4);
    ASSERT_TRUE(Open());
    DropDown->SetSelStart(4);
    Input::TypeText(QStringLiteral("?"));
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(Open());
    EXPECT_EQ(DropDown->Text(), QStringLiteral("kept"));
}

TEST_F(DropCycleTest, EscClosingThePopupDoesNotReachTheCancelButton)
{
    auto* Cancel = Place<TButton>(Form.get(), Bounds(200, 200, 80, 25));
    Cancel->SetCancel(true);
    int32_t Cancels = 0;
    Cancel->OnClick = [&](TObject*) { ++Cancels; };
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    Input::PressKey(VK_ESCAPE);
    ProcessPendingEvents();
    EXPECT_FALSE(Open());
    EXPECT_EQ(Cancels, 0);
    // Closed, the edit passes Esc on to its parent as well.
    Input::PressKey(VK_ESCAPE);
    ProcessPendingEvents();
    EXPECT_EQ(Cancels, 1);
}

TEST_F(DropCycleTest, LosingTheApplicationsActivationClosesIt)
{
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    Input::DeactivateApplication();
    EXPECT_FALSE(Open());
    EXPECT_TRUE(Log.contains(QStringLiteral("drop up cancelled")));
    Input::ActivateApplication();
}

TEST_F(DropCycleTest, AnotherWindowActivatingClosesItUnlessActivationIsBlocked)
{
    std::unique_ptr<TForm> Dialog(New<TForm>(nullptr));
    Dialog->SetBounds(WorkArea.Left + 500, WorkArea.Top + 100, 200, 100);
    DropDown->DropDownFooter()->Buttons()->Add()->SetCaption(QStringLiteral("Ask"));
    bool Block = true;
    DropDown->OnDropDownFooterButtonClick = [&](TObject*, int32_t) {
        Popup()->SetBlockActivate(Block);
        QTimer::singleShot(0, [&] { Dialog->SetModalResult(mrOk); });
        Dialog->ShowModal();
        Popup()->SetBlockActivate(false);
    };
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    ASSERT_NE(Popup()->Footer(), nullptr);
    ASSERT_EQ(Popup()->Footer()->ButtonCount(), 1);
    TExtButton* Ask = Popup()->Footer()->ExtButtons(0);
    Input::Click(Ask, {3, 3});
    EXPECT_TRUE(Open()) << "a modal dialog opened with the activation blocked leaves it open";
    Block = false;
    Input::Click(Ask, {3, 3});
    EXPECT_FALSE(Open());
}

TEST_F(DropCycleTest, OpensBelowWhenItFitsElseAboveAndStaysInsideTheWorkArea)
{
    // The pop-up's size: the panel, the header and footer and the border.
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    const int32_t W = Popup()->Width(), H = Popup()->Height();
    EXPECT_EQ(W, 120);
    EXPECT_EQ(H, 2 + 22 + 22 + 40);
    Input::PressKey(VK_ESCAPE);

    struct TCase {
        int32_t X, Y;
        TDropPosition Position;
        int32_t PopupX, PopupY;
    };
    const int32_t Bottom = WorkArea.Bottom, Right = WorkArea.Right, Left = WorkArea.Left + 20;
    const TCase Cases[] = {
        // Room below: under the edit, overlapping its last row.
        {Left, Bottom - 200, dpAuto, Left, Bottom - 200 + 20},
        // Exactly room below.
        {Left, Bottom - 20 - H, dpAuto, Left, Bottom - 20 - H + 20},
        // One pixel short: above.
        {Left, Bottom - 19 - H, dpAuto, Left, Bottom - 19 - H - H},
        // Near the right edge: moved left to end at it.
        {Right - 50, Bottom - 300, dpAuto, Right - W, Bottom - 300 + 20},
        // dpDown hangs off the bottom as asked; dpUp goes above.
        {Left, Bottom - 50, dpDown, Left, Bottom - 50 + 20},
        {Left, Bottom - 300, dpUp, Left, Bottom - 300 - H},
    };
    for (const TCase& Case : Cases) {
        DropDown->SetDropPosition(Case.Position);
        MoveDropDownTo(Case.X, Case.Y);
        ProcessPendingEvents();
        Clock.Advance(300);
        ClickButton(DropDown);
        ASSERT_TRUE(Open()) << Case.X << "," << Case.Y;
        EXPECT_EQ(Popup()->BoundsRect(), Bounds(Case.PopupX, Case.PopupY, W, H)) << Case.X << "," << Case.Y;
        Input::PressKey(VK_ESCAPE);
    }
}

TEST_F(DropCycleTest, TheGripSizesThePopupWhichKeepsThatSizeUntilTheWidthIsSet)
{
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    const TRect Before = Popup()->BoundsRect();
    TExtFooter* Footer = Popup()->Footer();
    ASSERT_NE(Footer, nullptr);
    ASSERT_TRUE(Footer->GripActive());
    Log.clear();
    // The pointer moves on the screen; the footer moves with the pop-up's bottom.
    const auto DragGrip = [&](int32_t DX, int32_t DY) {
        const TPoint Grip = Form->ScreenToClient(Footer->ClientToScreen({Footer->Width() - 5, Footer->Height() - 5}));
        Input::MouseDown(Footer, {Footer->Width() - 5, Footer->Height() - 5});
        for (int32_t Step = 1; Step <= 4; ++Step) Input::MoveMouse(Form.get(), {Grip.X + DX * Step / 4, Grip.Y + DY * Step / 4});
        Input::MouseUp(Form.get(), {Grip.X + DX, Grip.Y + DY});
    };
    DragGrip(40, 30);
    EXPECT_TRUE(Open());
    EXPECT_EQ(Popup()->BoundsRect(), Bounds(Before.Left, Before.Top, Before.Width() + 40, Before.Height() + 30));
    EXPECT_GE(Log.count(QStringLiteral("sizing")), 2) << "OnSizing at every step";
    // Smaller than 80 x 50 it does not get.
    DragGrip(-500, -500);
    EXPECT_EQ(Popup()->Width(), 80);
    EXPECT_EQ(Popup()->Height(), 50);
    DragGrip(95, 45);
    const TSize User{Popup()->Width(), Popup()->Height()};
    EXPECT_EQ(User.cx, 175);
    EXPECT_EQ(User.cy, 95);
    Input::PressKey(VK_RETURN);

    Clock.Advance(300);
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    EXPECT_EQ(Popup()->Width(), User.cx);
    EXPECT_EQ(Popup()->Height(), User.cy);
    Input::PressKey(VK_RETURN);
    // A new width forgets the user's size: the width is the one set, the height the content's again.
    DropDown->SetDropDownWidth(200);
    const int32_t ContentHeight = DropDown->Panel->Height();
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    EXPECT_EQ(Popup()->Width(), 200);
    EXPECT_EQ(Popup()->Height(), 2 + 22 + 22 + ContentHeight);
}

TEST_F(DropCycleTest, PopupSizeFromContentAndMinimum)
{
    DropDown->DropDownHeader()->SetVisible(false);
    DropDown->DropDownFooter()->SetVisible(false);
    DropDown->Panel->SetHeight(10);
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    EXPECT_EQ(Popup()->Height(), 50) << "2 + 10 raised to the minimum";
    Input::PressKey(VK_ESCAPE);
    DropDown->SetDropDownHeight(70);
    DropDown->DropDownHeader()->SetVisible(true);
    ClickButton(DropDown);
    EXPECT_EQ(Popup()->Height(), 70);
    EXPECT_EQ(DropDown->Panel->Top(), 22 + 2 - 1) << "placed under the header, inside the border";
}

TEST_F(DropCycleTest, TheWheelSelectsValues)
{
    // Over the edit: towards the user the next value, away the previous one; over the open pop-up alike.
    Input::TurnWheel(DropDown, {5, 5}, -WHEEL_DELTA);
    Input::TurnWheel(DropDown, {5, 5}, WHEEL_DELTA);
    EXPECT_EQ(Log, (QStringList{"next", "previous"}));
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    Log.clear();
    Input::TurnWheel(Popup(), {5, 30}, -WHEEL_DELTA);
    Input::TurnWheel(Popup(), {5, 30}, WHEEL_DELTA);
    EXPECT_EQ(Log, (QStringList{"next", "previous"}));
    EXPECT_TRUE(Open());
}

TEST_F(DropCycleTest, ANestedPopupLeavesItOpen)
{
    auto* Inner = Place<TPanelDropDown>(DropDown->Panel, Bounds(5, 5, 100, 21));
    Inner->SetTabStop(true);
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    ClickButton(Inner);
    ASSERT_TRUE(Inner->DroppedDown());
    EXPECT_EQ(GetActiveWindow(), Inner->DropDownForm()->Handle());
    EXPECT_TRUE(Open()) << "the window that took the activation belongs to the pop-up";
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(Inner->DroppedDown());
    EXPECT_TRUE(Open());
    EXPECT_TRUE(Inner->Focused());
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(Open());
}

TEST_F(DropCycleTest, EnterAsTabInTheContentMovesOn)
{
    // The key becomes Tab, which no drop key is: the focus goes on to the next control, and the
    // pop-up, losing the activation to the form, closes as a click elsewhere would.
    DropDown->SetReturnIsTab(true);
    ClickButton(DropDown);
    ASSERT_TRUE(Open());
    Log.clear();
    Input::PressKey(VK_RETURN);
    EXPECT_TRUE(Other->Focused());
    EXPECT_FALSE(Open());
    EXPECT_EQ(Log, (QStringList{"hide cancelled", "before drop up", "drop up cancelled"}));
}

