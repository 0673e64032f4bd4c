// The painted check box: state and toggling, clicks and keys, accelerator, box and caption places, strips, transparency.
#include "grid/base/ExtCheckBox.h"

#include "EditorTestSupport.h"
#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "support/Artifacts.h"
#include "support/Input.h"

#include <gtest/gtest.h>

using namespace EditorTest;

namespace {

// A check box that notes the areas it repaints.
class TNotingCheckBox : public TExtCheckBox {
public:
    using TExtCheckBox::TExtCheckBox;
    QList<TRect> Painted;
    using TExtCheckBox::BoxRect;
    using TExtCheckBox::CaptionRect;

protected:
    void Paint() override
    {
        Painted.append(Canvas()->ClipRect());
        TExtCheckBox::Paint();
    }
};

// A parent whose left half is red and right half blue.
class TTwoTone : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(Rect(0, 0, Width() / 2, Height()));
        Canvas()->Brush()->SetColor(clBlue);
        Canvas()->FillRect(Rect(Width() / 2, 0, Width(), Height()));
    }
};

class ExtCheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 150);
        Box = Place<TNotingCheckBox>(Form.get(), Bounds(10, 10, 120, 24));
        Box->OnClick = [this](TObject*) { ++Clicks; };
        Next = Place<TCustomControl>(Form.get(), Bounds(200, 100, 40, 20));
        Next->SetTabStop(true);
        Form->Show();
        ProcessPendingEvents();
    }

    TCustomControl* Other() const { return Next; }

    std::unique_ptr<TForm> Form;
    TNotingCheckBox* Box = nullptr;
    TCustomControl* Next = nullptr;
    int32_t Clicks = 0;
};

TEST_F(ExtCheckBoxTest, CreationValues)
{
    auto* Fresh = New<TExtCheckBox>(Form.get());
    EXPECT_EQ(Fresh->Width(), 98);
    EXPECT_EQ(Fresh->Height(), 20);
    EXPECT_EQ(Fresh->Caption(), "TExtCheckBox");
    EXPECT_EQ(Fresh->State(), cbUnchecked);
    EXPECT_EQ(Fresh->Alignment(), taLeftJustify);
    EXPECT_EQ(Fresh->ButtonVertAlign(), tlTop);
    EXPECT_FALSE(Fresh->Transparent());
    EXPECT_FALSE(Fresh->TransparentChaching());
    EXPECT_FALSE(Fresh->ReadOnly());
    EXPECT_FALSE(Fresh->ControlStyle().Contains(csClickEvents));
    Fresh->SetState(cbGrayed);
    Fresh->SetChecked(true);
    EXPECT_EQ(Fresh->State(), cbChecked);
}

TEST_F(ExtCheckBoxTest, ClicksToggleReadOnlyStillClicks)
{
    Input::Click(Box, {5, 10});
    EXPECT_TRUE(Box->Checked());
    EXPECT_EQ(Clicks, 1);
    Box->SetReadOnly(true);
    Input::Click(Box, {5, 10});
    EXPECT_TRUE(Box->Checked());
    EXPECT_EQ(Clicks, 2);
    Box->SetReadOnly(false);
    // Pressed inside, released outside: nothing.
    Input::MouseDown(Box, {5, 10});
    EXPECT_TRUE(Box->Down());
    Input::MoveMouse(Box, {200, 10});
    EXPECT_FALSE(Box->Down());
    Input::MouseUp(Box, {200, 10});
    EXPECT_TRUE(Box->Checked());
    EXPECT_EQ(Clicks, 2);
}

TEST_F(ExtCheckBoxTest, SpaceTogglesOnItsReleaseWithoutOnKeyUp)
{
    int32_t KeyUps = 0;
    Box->OnKeyUp = [&](TObject*, uint16_t&, TShiftState) { ++KeyUps; };
    Box->SetFocus();
    Input::KeyDown(VK_SPACE);
    EXPECT_TRUE(Box->Down());
    EXPECT_FALSE(Box->Checked());
    Input::KeyUp(VK_SPACE);
    ProcessPendingEvents();
    EXPECT_FALSE(Box->Down());
    EXPECT_TRUE(Box->Checked());
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(KeyUps, 0);
}

TEST_F(ExtCheckBoxTest, EnterMovesOnWithReturnIsTab)
{
    Box->SetFocus();
    Input::PressKey(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_TRUE(Box->Focused());
    Box->SetReturnIsTab(true);
    Input::PressKey(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_TRUE(Next->Focused());
}

TEST_F(ExtCheckBoxTest, AcceleratorTogglesAndFocuses)
{
    Box->SetCaption(QStringLiteral("&Match case"));
    Next->SetFocus();
    Input::PressKey('M', {ssAlt});
    ProcessPendingEvents();
    EXPECT_TRUE(Box->Checked());
    EXPECT_TRUE(Box->Focused());
}

TEST_F(ExtCheckBoxTest, BoxAndCaptionPlaces)
{
    struct TCase {
        TAlignment Alignment;
        TTextLayout Layout;
        TRect Box;
    };
    const int32_t W = Box->ClientWidth(), H = Box->ClientHeight();
    const TCase Cases[] = {
        {taLeftJustify, tlTop, Bounds(0, 4, 13, 13)},
        {taLeftJustify, tlCenter, Bounds(0, H / 2 - 6, 13, 13)},
        {taLeftJustify, tlBottom, Bounds(0, H - 17, 13, 13)},
        {taRightJustify, tlTop, Bounds(W - 13, 4, 13, 13)},
    };
    Box->SetCaption(QStringLiteral("Case"));
    Box->Font()->SetColor(clBlack);
    for (const TCase& Case : Cases) {
        Box->SetAlignment(Case.Alignment);
        Box->SetButtonVertAlign(Case.Layout);
        EXPECT_EQ(Box->BoxRect(), Case.Box);
        const QImage Image = RenderControl(Box);
        // The classic box: a sunken frame around the window-coloured square.
        EXPECT_EQ(PixelText(Image, Case.Box.Left, Case.Box.Top), ColorText(clBtnShadow));
        EXPECT_EQ(PixelText(Image, Case.Box.Left + 6, Case.Box.Top + 2), ColorText(clWindow));
    }
    Box->SetAlignment(taLeftJustify);
    Box->SetButtonVertAlign(tlTop);
    EXPECT_EQ(Box->CaptionRect(), Rect(15, 4, W, H));
    const QRect Text = InkBounds(RenderControl(Box), clBlack, QRect(13, 0, W - 13, H));
    EXPECT_GE(Text.left(), 15);
    EXPECT_GE(Text.top(), 4);
    Box->SetAlignment(taRightJustify);
    EXPECT_EQ(Box->CaptionRect(), Rect(6, 4, W - 9, H));
    // Checked: a mark in the box.
    Box->SetAlignment(taLeftJustify);
    Box->SetChecked(true);
    EXPECT_FALSE(InkBounds(RenderControl(Box), clWindowText, QRect(2, 6, 9, 9)).isEmpty());
}

TEST_F(ExtCheckBoxTest, FocusRectangleAndDisabledCaption)
{
    Box->SetCaption(QStringLiteral("Case"));
    Box->Font()->SetColor(clBlack);
    Box->SetFocus();
    QImage Image = RenderControl(Box);
    // The focus rectangle's left side runs two pixels left of the caption, from its top.
    QList<int> Dotted;
    for (int Y = 0; Y < Box->Height(); ++Y)
        if (PixelText(Image, 13, Y) != ColorText(Box->Color())) Dotted.append(Y);
    ASSERT_FALSE(Dotted.isEmpty());
    // Every other pixel is inverted, starting at the top edge (4) or the one after it.
    EXPECT_GE(Dotted.first(), 4);
    EXPECT_LE(Dotted.first(), 5);
    Other()->SetFocus();
    Image = RenderControl(Box);
    for (int Y = 0; Y < Box->Height(); ++Y) EXPECT_EQ(PixelText(Image, 13, Y), ColorText(Box->Color())) << Y;
    Box->SetEnabled(false);
    Image = RenderControl(Box);
    const QRect Grey = InkBounds(Image, clGray, QRect(15, 0, 100, Box->Height()));
    const QRect White = InkBounds(Image, clWhite, QRect(15, 0, 100, Box->Height()));
    ASSERT_FALSE(Grey.isEmpty());
    EXPECT_EQ(White.bottomRight(), Grey.bottomRight() + QPoint(1, 1));
}

TEST_F(ExtCheckBoxTest, AChangeOfStateRepaintsTheStripOnTheBoxsSide)
{
    RenderControl(Box);
    Box->Painted.clear();
    Box->SetState(cbChecked);
    ProcessPendingEvents();
    ASSERT_FALSE(Box->Painted.isEmpty());
    EXPECT_EQ(Box->Painted.last(), Rect(0, 0, 20, Box->ClientHeight()));
    Box->SetAlignment(taRightJustify);
    ProcessPendingEvents();
    Box->Painted.clear();
    Box->SetState(cbGrayed);
    ProcessPendingEvents();
    ASSERT_FALSE(Box->Painted.isEmpty());
    EXPECT_EQ(Box->Painted.last(), Rect(Box->ClientWidth() - 20, 0, Box->ClientWidth(), Box->ClientHeight()));
    // Hot changes repaint the 16 x 16 corner.
    Box->Painted.clear();
    Input::MoveMouse(Box, {50, 10});
    ProcessPendingEvents();
    ASSERT_FALSE(Box->Painted.isEmpty());
    EXPECT_EQ(Box->Painted.last(), Rect(0, 0, 16, 16));
}

TEST_F(ExtCheckBoxTest, TransparentShowsTheParentAndTheCacheFollowsAMove)
{
    auto* Backdrop = Place<TTwoTone>(Form.get(), Bounds(0, 40, 300, 60));
    auto* Check = Place<TExtCheckBox>(Backdrop, Bounds(10, 10, 100, 20));
    Check->SetCaption({});
    ProcessPendingEvents();
    EXPECT_EQ(PixelText(RenderControl(Check), 50, 2), ColorText(Check->Color())) << "opaque: its own colour";
    Check->SetTransparent(true);
    EXPECT_EQ(PixelText(RenderControl(Check), 50, 2), ColorText(clRed));
    Check->SetTransparentChaching(true);
    EXPECT_EQ(PixelText(RenderControl(Check), 50, 2), ColorText(clRed));
    Check->SetLeft(180);
    const QImage Moved = RenderControl(Check);
    SaveArtifact(Moved, QStringLiteral("ExtCheckBoxTransparent"));
    EXPECT_EQ(PixelText(Moved, 50, 2), ColorText(clBlue)) << "moving refreshes the cached background";
}

}  // namespace
