// The painted combo box: button width, flat look and colours, the label's thirteen places, focus colours, borders.
#include "grid/base/ExtCombo.h"

#include "EditorTestSupport.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "support/Artifacts.h"
#include "support/Input.h"
#include "windows/StdCtrls.h"
#include "windows/SystemMetrics.h"
#include "windows/WindowDC.h"

#include <gtest/gtest.h>

using namespace EditorTest;

namespace {

class ExtComboTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(400, 200);
        Other = Place<TCustomControl>(Form.get(), Bounds(350, 170, 40, 20));
        Other->SetTabStop(true);
        Combo = Place<TEsgComboBox>(Form.get(), Bounds(150, 80, 100, 24));
        Combo->Items()->Add(QStringLiteral("One"));
        Combo->Items()->Add(QStringLiteral("Two"));
        Form->Show();
        ProcessPendingEvents();
        Input::MoveMouse(Form.get(), {5, 195});
    }

    std::unique_ptr<TForm> Form;
    TCustomControl* Other = nullptr;
    TEsgComboBox* Combo = nullptr;
};

TEST_F(ExtComboTest, CreationValues)
{
    EXPECT_EQ(Combo->ButtonWidth(), GetSystemMetrics(SM_CXVSCROLL) + 2);
    EXPECT_FALSE(Combo->Flat());
    EXPECT_TRUE(Combo->DisabledBorder());
    EXPECT_TRUE(Combo->FlatParentColor());
    EXPECT_EQ(Combo->FlatLineColor(), clNone);
    EXPECT_EQ(Combo->LabelMargin(), 4);
    EXPECT_EQ(Combo->FocusColor(), clNone);
    EXPECT_EQ(Combo->FocusBorderColor(), clNone);
    EXPECT_EQ(Combo->BorderColor(), clNone);
    EXPECT_EQ(Combo->ButtonColor(), clNone);
    EXPECT_EQ(Combo->ComboLabel(), nullptr);
    EXPECT_FALSE(Combo->IsWinXP());
    EXPECT_FALSE(Combo->IsVista());
}

TEST_F(ExtComboTest, ButtonWidthFrom14To32)
{
    const int32_t Start = Combo->ButtonWidth();
    for (int32_t Refused : {13, 33}) {
        Combo->SetButtonWidth(Refused);
        EXPECT_EQ(Combo->ButtonWidth(), Start);
    }
    for (int32_t Taken : {14, 32}) {
        Combo->SetButtonWidth(Taken);
        EXPECT_EQ(Combo->ButtonWidth(), Taken);
    }
}

TEST_F(ExtComboTest, FlatSwitchesTheLookAndTakesTheParentsColour)
{
    Combo->SetFlat(true);
    EXPECT_FALSE(Combo->Ctl3D());
    EXPECT_EQ(Combo->Color(), Form->Color());
    Combo->SetFlat(false);
    EXPECT_TRUE(Combo->Ctl3D());
    EXPECT_EQ(Combo->Color(), clWindow);
    // Disabling a flat control shows the parent's colour; enabling brings its own back.
    Combo->SetFlatParentColor(false);
    Combo->SetFlat(true);
    Combo->SetColor(clYellow);
    Combo->SetEnabled(false);
    EXPECT_EQ(Combo->Color(), Form->Color());
    Combo->SetEnabled(true);
    EXPECT_EQ(Combo->Color(), clYellow);
}

TEST_F(ExtComboTest, LabelTakesItsThirteenPlaces)
{
    Combo->SetLabelCaption(QStringLiteral("Name"));
    TLabel* Label = Combo->ComboLabel();
    ASSERT_NE(Label, nullptr);
    EXPECT_EQ(Label->Parent(), Form.get());
    EXPECT_EQ(Label->FocusControl(), Combo);
    HDC DC = GetDC(nullptr);
    DC->SetFont(Label->Font());
    const int32_t Lw = DC->TextWidth(QStringLiteral("Name"));
    ReleaseDC(nullptr, DC);
    const int32_t L = 150, T = 80, W = 100, H = Combo->Height(), M = 4;
    const int32_t Lh = Label->Height(), LW = Label->Width();
    struct TCase {
        TLabelPosition Position;
        int32_t Left;
        int32_t Top;
    };
    const TCase Cases[] = {
        {lpLeftTop, L - Lw - M, T},
        {lpLeftCenter, L - Lw - M, T + (H - Lh) / 2},
        {lpLeftBottom, L - Lw - M, T + H - Lh},
        {lpTopLeft, L, T - Lh - M},
        {lpBottomLeft, L, T + H + M},
        {lpLeftTopLeft, L - M, T},
        {lpLeftCenterLeft, L - M, T + (H - Lh) / 2},
        {lpLeftBottomLeft, L - M, T + H - Lh},
        {lpTopCenter, L + (W - LW) / 2, T - Lh - M},
        {lpBottomCenter, L + (W - LW) / 2, T + H + M},
        {lpRightTop, L + W + M, T},
        {lpRightCenter, L + W + M, T + (H - Lh) / 2},
        {lpRighBottom, L + W + M, T + H - Lh},
    };
    for (const TCase& Case : Cases) {
        Combo->SetLabelPosition(Case.Position);
        EXPECT_EQ(Label->Left(), Case.Left) << Case.Position;
        EXPECT_EQ(Label->Top(), Case.Top) << Case.Position;
    }
    // The place follows the control; a wider margin moves it further out.
    Combo->SetLabelPosition(lpTopCenter);
    Combo->SetLabelMargin(10);
    EXPECT_EQ(Label->Top(), T - Lh - 10);
    Combo->SetLeft(200);
    EXPECT_EQ(Label->Left(), 200 + (W - LW) / 2);
}

TEST_F(ExtComboTest, AChangeOfTheLabelFontPlacesTheLabelAgain)
{
    Combo->SetParentFont(false);
    Combo->SetLabelCaption(QStringLiteral("Name"));
    TLabel* Label = Combo->ComboLabel();
    Combo->LabelFont()->SetSize(20);
    EXPECT_EQ(Label->Font()->Size(), 20);
    HDC DC = GetDC(nullptr);
    DC->SetFont(Label->Font());
    const int32_t Lw = DC->TextWidth(QStringLiteral("Name"));
    ReleaseDC(nullptr, DC);
    EXPECT_EQ(Label->Left(), 150 - Lw - 4) << "lpLeftTop: the wider caption moves the label out";
}

TEST_F(ExtComboTest, LabelFollowsEnabledAndVisible)
{
    Combo->SetLabelCaption(QStringLiteral("Name"));
    TLabel* Label = Combo->ComboLabel();
    Combo->SetEnabled(false);
    EXPECT_FALSE(Label->Enabled());
    Combo->SetEnabled(true);
    EXPECT_TRUE(Label->Enabled());
    Combo->SetLabelAlwaysEnabled(true);
    Combo->SetEnabled(false);
    EXPECT_TRUE(Label->Enabled());
    Combo->SetVisible(false);
    EXPECT_FALSE(Label->Visible());
    Combo->SetVisible(true);
    EXPECT_TRUE(Label->Visible());
}

TEST_F(ExtComboTest, FocusColourAndBoldLabelWhileFocused)
{
    // Loaded: the colour set while loading is the one that comes back.
    Combo->BeginLoading();
    Combo->SetColor(clYellow);
    Combo->Loaded();
    Combo->SetFocusColor(clAqua);
    Combo->SetFocusLabel(true);
    Combo->SetLabelCaption(QStringLiteral("Name"));
    Combo->SetFocus();
    EXPECT_EQ(Combo->Color(), clAqua);
    EXPECT_TRUE(Combo->ComboLabel()->Font()->Style().Contains(fsBold));
    Other->SetFocus();
    EXPECT_EQ(Combo->Color(), clYellow);
    EXPECT_FALSE(Combo->ComboLabel()->Font()->Style().Contains(fsBold));
}

TEST_F(ExtComboTest, FocusColourOfAControlMadeInCodeGivesItsColourBack)
{
    Combo->SetColor(clLime);
    Combo->SetFocusColor(clAqua);
    Combo->SetFocus();
    EXPECT_EQ(Combo->Color(), clAqua);
    Other->SetFocus();
    EXPECT_EQ(Combo->Color(), clLime);
}

TEST_F(ExtComboTest, ClosingTheListFiresOnDropUp)
{
    int32_t DropUps = 0;
    Combo->OnDropUp = [&](TObject*) { ++DropUps; };
    Combo->SetDroppedDown(true);
    EXPECT_EQ(DropUps, 0);
    Combo->SetDroppedDown(false);
    EXPECT_EQ(DropUps, 1);
    // A click on the drop button opens the list, a second one closes it.
    const TPoint OnButton{Combo->ClientWidth() - 5, 10};
    Input::Click(Combo, OnButton);
    EXPECT_TRUE(Combo->DroppedDown());
    EXPECT_EQ(DropUps, 1);
    Input::Click(Combo, OnButton);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(DropUps, 2);
}

TEST_F(ExtComboTest, APositiveDropWidthSetsTheListsWidth)
{
    Combo->SetDropWidth(200);
    EXPECT_EQ(Combo->Perform(CB_GETDROPPEDWIDTH, 0, 0), 200);
    Combo->SetDropWidth(0);
    EXPECT_EQ(Combo->DropWidth(), 0);
    EXPECT_EQ(Combo->Perform(CB_GETDROPPEDWIDTH, 0, 0), 200) << "zero is only stored";
}

TEST_F(ExtComboTest, PointerOverTheButtonIsHover)
{
    Input::MoveMouse(Combo, {20, 5});
    EXPECT_TRUE(Combo->MouseInControl());
    EXPECT_FALSE(Combo->ButtonHover());
    Input::MoveMouse(Combo, {100 - Combo->ButtonWidth() + 1, 5});
    EXPECT_TRUE(Combo->ButtonHover());
    Input::MoveMouse(Combo, {100 - Combo->ButtonWidth(), 5});
    EXPECT_FALSE(Combo->ButtonHover());
    Input::MoveMouse(Form.get(), {5, 195});
    EXPECT_FALSE(Combo->MouseInControl());
}

// ---- Painting ----

TEST_F(ExtComboTest, BorderCases)
{
    const int32_t W = Combo->Width(), H = Combo->Height();
    // No colours, not flat: the platform's sunken edge.
    EXPECT_EQ(PixelText(RenderControl(Combo), 0, 0), ColorText(clBtnShadow));
    // A border colour frames the window.
    Combo->SetBorderColor(clRed);
    QImage Image = RenderControl(Combo);
    EXPECT_EQ(PixelText(Image, 0, 0), ColorText(clRed));
    EXPECT_EQ(PixelText(Image, W - 1, H - 1), ColorText(clRed));
    // A focus border colour frames it while focused, and wins over the border colour.
    Combo->SetFocusBorderColor(clBlue);
    Combo->SetFocus();
    Image = RenderControl(Combo);
    EXPECT_EQ(PixelText(Image, 0, 0), ColorText(clBlue));
    Other->SetFocus();
    EXPECT_EQ(PixelText(RenderControl(Combo), 0, 0), ColorText(clRed));
    // Not focused and no border colour: nothing of its own.
    Combo->SetBorderColor(clNone);
    EXPECT_EQ(PixelText(RenderControl(Combo), 0, 0), ColorText(clBtnShadow));
    // Flat without colours: frames in the parent's colour, then the control's, and the flat line.
    Combo->SetFocusBorderColor(clNone);
    Combo->SetFlatParentColor(false);
    Combo->SetFlat(true);
    Combo->SetFlatLineColor(clGreen);
    Image = RenderControl(Combo);
    SaveArtifact(Image, QStringLiteral("ExtComboFlat"));
    EXPECT_EQ(PixelText(Image, 0, 0), ColorText(Form->Color()));
    EXPECT_EQ(PixelText(Image, 1, 1), ColorText(Form->Color()));
    EXPECT_EQ(PixelText(Image, 2, 2), ColorText(Combo->Color()));
    EXPECT_EQ(PixelText(Image, 10, H - 1), ColorText(clGreen));
    // The focus border: a sunken outer edge while hot.
    Combo->SetFocusBorder(true);
    Input::MoveMouse(Combo, {20, 5});
    Image = RenderControl(Combo);
    EXPECT_EQ(PixelText(Image, 0, 0), ColorText(clBtnShadow));
    EXPECT_EQ(PixelText(Image, 1, 1), ColorText(clBtnFace));
}

TEST_F(ExtComboTest, ColouredDropButton)
{
    Combo->SetButtonColor(clYellow);
    Combo->SetButtonColorHot(clAqua);
    Combo->SetButtonTextColor(clBlack);
    Combo->SetButtonBorderColor(clNavy);
    const int32_t BW = Combo->ButtonWidth();
    const int32_t CW = Combo->ClientWidth();
    // The face: from client width - ButtonWidth + 2, shrunk by 1, one further left and one in at the top.
    const int32_t FaceLeft = CW - BW + 2 + 1 - 1;
    QImage Image = RenderControl(Combo);
    SaveArtifact(Image, QStringLiteral("ExtComboButton"));
    EXPECT_EQ(PixelText(Image, FaceLeft, 10), ColorText(clNavy));
    EXPECT_EQ(PixelText(Image, FaceLeft + 2, 3), ColorText(clYellow));
    // The triangle's corners (left + 4, top + 7), (left + 10, top + 7), (left + 7, top + 10).
    EXPECT_EQ(InkBounds(Image, clBlack, QRect(FaceLeft, 0, BW, Combo->Height())), QRect(FaceLeft + 4, 2 + 7, 7, 4));
    Input::MoveMouse(Combo, {CW - 4, 5});
    EXPECT_EQ(PixelText(RenderControl(Combo), FaceLeft + 2, 3), ColorText(clAqua));
    Input::MoveMouse(Form.get(), {5, 195});
}

}  // namespace
