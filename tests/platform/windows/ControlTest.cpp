// Controls: change notices, alignment and anchors, windowless controls, mouse messages, capture and hover.
#include "support/Input.h"
#include "Recorder.h"
#include "support/Render.h"

#include <gtest/gtest.h>

namespace {

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm<TRecordingForm>(300, 200, Log, QStringLiteral("Form"));
        Form->SetColor(clWhite);
        Control = Place<TRecorder>(Form.get(), Bounds(10, 10, 100, 40), Log, QStringLiteral("Control"));
        Box = Place<TRecordingBox>(Form.get(), Bounds(150, 20, 60, 30), Log, QStringLiteral("Box"));
        Box->SetColor(clBlue);
        Form->Show();
        ProcessPendingEvents();
        Log.clear();
    }

    QStringList Messages(const QString& Name) const { return Log.filter(Name + QLatin1Char(' ')); }

    QStringList Log;
    std::unique_ptr<TRecordingForm> Form;
    TRecorder* Control = nullptr;
    TRecordingBox* Box = nullptr;
};

TEST_F(ControlTest, ProgrammaticChangesSendTheirNotices)
{
    struct TCase {
        const char* Name;
        std::function<void()> Change;
        QString Notice;
    };
    const std::vector<TCase> Cases = {
        {"text", [&] { Control->SetText(QStringLiteral("Hello")); }, QStringLiteral("Control CM_TEXTCHANGED")},
        {"visible", [&] { Control->SetVisible(false); }, QStringLiteral("Control CM_VISIBLECHANGED")},
        {"enabled", [&] { Control->SetEnabled(false); }, QStringLiteral("Control CM_ENABLEDCHANGED")},
        {"colour", [&] { Control->SetColor(clYellow); }, QStringLiteral("Control CM_COLORCHANGED")},
        {"font", [&] { Control->Font()->SetSize(12); }, QStringLiteral("Control CM_FONTCHANGED")},
    };
    for (const TCase& Case : Cases) {
        Log.clear();
        Case.Change();
        EXPECT_EQ(Messages(QStringLiteral("Control")), QStringList{Case.Notice}) << Case.Name;
        // The same value again changes nothing.
        Log.clear();
        Case.Change();
        EXPECT_TRUE(Messages(QStringLiteral("Control")).isEmpty()) << Case.Name;
    }
    EXPECT_EQ(Control->Text(), QStringLiteral("Hello"));
    EXPECT_EQ(Control->Caption(), QStringLiteral("Hello"));
    EXPECT_EQ(Control->GetTextLen(), 5);
}

TEST_F(ControlTest, ParentColourAndFontReachTheChildrenThatFollowThem)
{
    Form->SetColor(clLime);
    EXPECT_TRUE(Log.contains("Control CM_PARENTCOLORCHANGED"));
    EXPECT_EQ(Control->Color(), clLime);
    EXPECT_TRUE(Control->ParentColor());
    EXPECT_EQ(Box->Color(), clBlue);
    Form->Font()->SetName(QStringLiteral("Verdana"));
    EXPECT_EQ(Control->Font()->Name(), QStringLiteral("Verdana"));
    EXPECT_TRUE(Control->ParentFont());
}

TEST_F(ControlTest, AlignedControlsShareTheClientAreaAndFollowItsSize)
{
    auto* Top = Place<TPlainControl>(Form.get(), Bounds(0, 0, 10, 30));
    auto* Left = Place<TPlainControl>(Form.get(), Bounds(0, 0, 40, 10));
    auto* Rest = Place<TPlainControl>(Form.get(), Bounds(0, 0, 10, 10));
    Top->SetAlign(alTop);
    Left->SetAlign(alLeft);
    Rest->SetAlign(alClient);
    EXPECT_EQ(Top->BoundsRect(), Rect(0, 0, 300, 30));
    EXPECT_EQ(Left->BoundsRect(), Rect(0, 30, 40, 200));
    EXPECT_EQ(Rest->BoundsRect(), Rect(40, 30, 300, 200));
    Form->SetClientWidth(400);
    EXPECT_EQ(Top->BoundsRect(), Rect(0, 0, 400, 30));
    EXPECT_EQ(Rest->BoundsRect(), Rect(40, 30, 400, 200));
}

TEST_F(ControlTest, AnchorsKeepTheDistancesToTheParentsEdges)
{
    auto* Corner = Place<TPlainControl>(Form.get(), Bounds(200, 150, 50, 20));
    auto* Stretch = Place<TPlainControl>(Form.get(), Bounds(10, 100, 280, 20));
    Corner->SetAnchors({akRight, akBottom});
    Stretch->SetAnchors({akLeft, akTop, akRight});
    Form->SetClientWidth(400);
    Form->SetClientHeight(250);
    EXPECT_EQ(Corner->BoundsRect(), Bounds(300, 200, 50, 20));
    EXPECT_EQ(Stretch->BoundsRect(), Bounds(10, 100, 380, 20));
}

TEST_F(ControlTest, TheParentPaintsItsWindowlessControls)
{
    const QImage Image = RenderControl(Form.get());
    EXPECT_EQ(Image.pixel(160, 30), qRgb(0, 0, 255));
    EXPECT_EQ(Image.pixel(149, 30), qRgb(255, 255, 255));
    EXPECT_EQ(Image.pixel(210, 30), qRgb(255, 255, 255));
    Box->SetVisible(false);
    EXPECT_EQ(RenderControl(Form.get()).pixel(160, 30), qRgb(255, 255, 255));
}

TEST_F(ControlTest, AWindowlessControlGetsTheMouseMessagesOfItsArea)
{
    int32_t Clicks = 0;
    Box->OnClick = [&](TObject*) { ++Clicks; };
    Input::Click(Box, {5, 6});
    EXPECT_EQ(Messages(QStringLiteral("Box")).filter(QStringLiteral("BUTTON")),
              (QStringList{"Box WM_LBUTTONDOWN 5,6", "Box WM_LBUTTONUP 5,6"}));
    EXPECT_EQ(Clicks, 1);
    EXPECT_TRUE(Messages(QStringLiteral("Form")).filter(QStringLiteral("BUTTON")).isEmpty());
}

TEST_F(ControlTest, ADoubleClickComesAsDownUpDoubleClickUp)
{
    int32_t DoubleClicks = 0;
    Control->OnDblClick = [&](TObject*) { ++DoubleClicks; };
    Input::DoubleClick(Control, {3, 4});
    EXPECT_EQ(Messages(QStringLiteral("Control")).filter(QStringLiteral("BUTTON")),
              (QStringList{"Control WM_LBUTTONDOWN 3,4", "Control WM_LBUTTONUP 3,4", "Control WM_LBUTTONDBLCLK 3,4",
                           "Control WM_LBUTTONUP 3,4"}));
    EXPECT_EQ(DoubleClicks, 1);
}

TEST_F(ControlTest, WithoutDoubleClicksTheSecondPressIsAPlainPress)
{
    Control->SetControlStyle(Control->ControlStyle() - csDoubleClicks);
    Input::DoubleClick(Control, {3, 4});
    EXPECT_EQ(Messages(QStringLiteral("Control")).filter(QStringLiteral("DOWN")).size(), 2);
}

struct TCaptureCase {
    const char* Name;
    bool Windowless;

    friend void PrintTo(const TCaptureCase& Case, std::ostream* Out) { *Out << Case.Name; }
};

class CaptureTest : public ControlTest, public ::testing::WithParamInterface<TCaptureCase> {};

TEST_P(CaptureTest, APressInsideAndAReleaseOutsideBothReachTheControl)
{
    TControl* Target = GetParam().Windowless ? static_cast<TControl*>(Box) : Control;
    const QString Name = Target->Name();
    int32_t Clicks = 0;
    Target->OnClick = [&](TObject*) { ++Clicks; };
    Input::MouseDown(Target, {5, 5});
    EXPECT_EQ(GetCaptureControl(), Target);
    Input::MoveMouse(Target, {-40, 120});
    Input::MouseUp(Target, {-40, 120});
    EXPECT_TRUE(Log.contains(Name + " WM_LBUTTONUP -40,120"));
    EXPECT_EQ(GetCaptureControl(), nullptr);
    // Released outside, it is no click.
    EXPECT_EQ(Clicks, 0);
}

INSTANTIATE_TEST_SUITE_P(Controls, CaptureTest,
                         ::testing::Values(TCaptureCase{"Windowed", false}, TCaptureCase{"Windowless", true}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(ControlTest, ThePointerEnteringAndLeavingAControlIsNoticed)
{
    Input::MoveMouse(Form.get(), {5, 5});
    Log.clear();
    Input::MoveMouse(Box, {10, 10});
    Input::MoveMouse(Box, {20, 10});
    Input::MoveMouse(Control, {10, 10});
    Input::LeaveWindow(Control);
    const QStringList Hover = Log.filter(QStringLiteral("CM_MOUSE"));
    EXPECT_EQ(Hover, (QStringList{"Form CM_MOUSELEAVE", "Box CM_MOUSEENTER", "Form CM_MOUSEENTER", "Box CM_MOUSELEAVE",
                                  "Form CM_MOUSELEAVE", "Control CM_MOUSEENTER", "Form CM_MOUSEENTER",
                                  "Control CM_MOUSELEAVE", "Form CM_MOUSELEAVE"}));
}

TEST_F(ControlTest, AHintShowsItsShortPartAfterThePauseAndGoesAfterTheHidePause)
{
    TTestClock Clock;
    Control->SetHint(QStringLiteral("Save|Saves the configuration"));
    Control->SetShowHint(true);
    Input::MoveMouse(Control, {10, 10});
    Clock.Advance(static_cast<uint32_t>(Application->HintPause()) - 1);
    EXPECT_EQ(Application->HintWindow(), nullptr);
    Clock.Advance(1);
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_EQ(Application->HintWindow()->Caption(), QStringLiteral("Save"));
    EXPECT_TRUE(IsWindowVisible(Application->HintWindow()->Handle()));
    Clock.Advance(static_cast<uint32_t>(Application->HintHidePause()));
    EXPECT_EQ(Application->HintWindow(), nullptr);
}

TEST_F(ControlTest, ControlsAtPosFindsTheTopmostWindowlessControl)
{
    auto* Over = Place<TBox>(Form.get(), Bounds(160, 25, 10, 10));
    EXPECT_EQ(Form->ControlAtPos({165, 30}, false), Over);
    EXPECT_EQ(Form->ControlAtPos({152, 22}, false), Box);
    EXPECT_EQ(Form->ControlAtPos({20, 20}, false), nullptr);
    EXPECT_EQ(Form->ControlAtPos({20, 20}, false, true), Control);
    Over->SendToBack();
    EXPECT_EQ(Form->ControlAtPos({165, 30}, false), Box);
}

}  // namespace
