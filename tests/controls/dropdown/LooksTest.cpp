// Drop-down looks: the component styles row by row, colour tones on the drop button, selection boxes, the pop-up background, edit borders, the value bar and label places, on rendered pixels.
#include "DropDownTestSupport.h"

#include "dropdown/ExtButtonAppearance.h"
#include "dropdown/PopupAppearance.h"
#include "graphics/Bitmap.h"
#include "graphics/GraphicsObjects.h"
#include "platform/graphics/CanvasTestSupport.h"
#include "support/Artifacts.h"
#include "support/LayerInternals.h"

#include <gtest/gtest.h>

using namespace DropDownTest;

namespace {

class LooksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(100, 100, 320, 200);
        DropDown = Place<TPanelDropDown>(Form.get(), Bounds(60, 20, 150, 21));
        DropDown->SetTabStop(true);
        Form->Show();
        ProcessPendingEvents();
    }

    QRgb EditPixel(int X, int Y) { return RenderControl(DropDown).pixel(X, Y); }

    TTestClock Clock;
    std::unique_ptr<TForm> Form;
    TPanelDropDown* DropDown = nullptr;
};

}  // namespace

TEST_F(LooksTest, OneRowPerStyle)
{
    struct TRow {
        TVyxStyle Style;
        TColor DropDownColor, DropDownColorTo;
        TColor HeaderColor, HeaderColorTo, HeaderFont, HeaderBorder, FooterColor, FooterBorder;
        TColor ButtonColor, ButtonColorTo, ButtonHot;
    };
    const TColor White = RGB(255, 255, 255), Black = RGB(0, 0, 0);
    const TRow Rows[] = {
        {tsOffice2003Blue, White, clNone, RGB(203, 225, 252), RGB(125, 165, 224), Black, Black, RGB(203, 225, 252),
         RGB(0, 45, 150), RGB(203, 225, 252), RGB(125, 165, 224), RGB(255, 253, 235)},
        {tsOffice2003Silver, White, clNone, RGB(225, 226, 236), RGB(152, 150, 179), Black, RGB(124, 124, 148),
         RGB(225, 226, 236), RGB(124, 124, 148), RGB(225, 226, 236), RGB(152, 150, 179), RGB(255, 253, 235)},
        {tsOffice2003Olive, White, clNone, RGB(234, 240, 207), RGB(177, 192, 140), Black, RGB(96, 128, 88),
         RGB(234, 240, 207), RGB(96, 128, 88), RGB(234, 240, 207), RGB(177, 192, 140), RGB(255, 253, 235)},
        {tsOffice2003Classic, RGB(242, 242, 242), RGB(242, 242, 242), RGB(128, 128, 128), RGB(128, 128, 128), White,
         RGB(128, 128, 128), RGB(128, 128, 128), RGB(128, 128, 128), White, RGB(213, 209, 201), RGB(182, 189, 210)},
        {tsOffice2007Luna, RGB(218, 229, 243), RGB(208, 222, 240), RGB(227, 239, 255), RGB(175, 210, 255), RGB(8, 55, 114),
         RGB(175, 210, 255), RGB(227, 239, 255), RGB(175, 210, 255), RGB(227, 239, 255), RGB(196, 221, 255), RGB(255, 253, 235)},
        {tsOffice2007Obsidian, White, clNone, RGB(240, 241, 242), RGB(189, 194, 201), RGB(55, 60, 67), RGB(76, 83, 92),
         RGB(240, 241, 242), RGB(76, 83, 92), RGB(240, 241, 242), RGB(189, 194, 201), RGB(255, 253, 235)},
        {tsWindowsXP, White, clNone, White, clBtnFace, Black, RGB(128, 128, 128), White, RGB(128, 128, 128), White,
         clBtnFace, RGB(198, 211, 239)},
        {tsWhidbey, RGB(250, 249, 245), RGB(250, 249, 245), RGB(239, 238, 235), RGB(152, 152, 126), White, RGB(0, 45, 150),
         RGB(239, 238, 235), RGB(0, 45, 150), White, RGB(240, 237, 223), RGB(255, 253, 235)},
        {tsOffice2007Silver, RGB(241, 244, 248), RGB(227, 232, 240), RGB(246, 247, 248), RGB(219, 224, 232),
         RGB(21, 66, 139), RGB(111, 112, 116), RGB(246, 247, 248), RGB(111, 112, 116), RGB(248, 248, 249),
         RGB(223, 226, 228), RGB(255, 253, 235)},
        {tsWindowsVista, White, White, RGB(249, 253, 255), RGB(240, 250, 255), Black, RGB(218, 242, 252),
         RGB(240, 250, 255), RGB(218, 242, 252), RGB(249, 253, 255), RGB(240, 250, 255), RGB(240, 249, 254)},
        {tsWindows7, White, White, RGB(250, 251, 253), RGB(235, 243, 253), Black, RGB(184, 214, 251), RGB(250, 251, 253),
         RGB(184, 214, 251), RGB(250, 251, 253), RGB(235, 243, 253), RGB(250, 251, 253)},
        {tsTerminal, White, White, clBtnFace, clBtnFace, Black, clNone, clBtnFace, clNone, clBtnFace, clBtnFace,
         RGB(192, 192, 192)},
        {tsOffice2010Blue, White, RGB(237, 239, 241), RGB(239, 246, 253), RGB(199, 218, 240), RGB(30, 57, 91),
         RGB(159, 178, 199), RGB(239, 246, 253), RGB(159, 178, 199), RGB(239, 246, 253), RGB(199, 218, 240),
         RGB(253, 227, 138)},
        {tsOffice2010Silver, White, RGB(237, 239, 241), White, RGB(224, 229, 237), RGB(30, 57, 91), RGB(200, 205, 210),
         White, RGB(200, 205, 210), White, RGB(224, 229, 237), RGB(253, 227, 138)},
        {tsOffice2010Black, White, RGB(237, 239, 241), RGB(191, 191, 191), RGB(145, 145, 145), RGB(214, 215, 215),
         RGB(109, 109, 109), RGB(191, 191, 191), RGB(109, 109, 109), RGB(191, 191, 191), RGB(145, 145, 145),
         RGB(253, 227, 138)},
    };
    for (const TRow& Row : Rows) {
        DropDown->SetComponentStyle(Row.Style);
        EXPECT_EQ(DropDown->GetComponentStyle(), Row.Style);
        EXPECT_EQ(DropDown->DropDownColor(), Row.DropDownColor) << Row.Style;
        EXPECT_EQ(DropDown->DropDownColorTo(), Row.DropDownColorTo) << Row.Style;
        EXPECT_EQ(DropDown->DropDownHeader()->Color(), Row.HeaderColor) << Row.Style;
        EXPECT_EQ(DropDown->DropDownHeader()->ColorTo(), Row.HeaderColorTo) << Row.Style;
        EXPECT_EQ(DropDown->DropDownHeader()->Font()->Color(), Row.HeaderFont) << Row.Style;
        EXPECT_EQ(DropDown->DropDownHeader()->BorderColor(), Row.HeaderBorder) << Row.Style;
        EXPECT_EQ(DropDown->DropDownFooter()->Color(), Row.FooterColor) << Row.Style;
        EXPECT_EQ(DropDown->DropDownFooter()->BorderColor(), Row.FooterBorder) << Row.Style;
        EXPECT_EQ(DropDown->ButtonAppearance()->Color(), Row.ButtonColor) << Row.Style;
        EXPECT_EQ(DropDown->ButtonAppearance()->ColorTo(), Row.ButtonColorTo) << Row.Style;
        EXPECT_EQ(DropDown->ButtonAppearance()->ColorHot(), Row.ButtonHot) << Row.Style;
    }
    // Vista's footer runs the other way; Black's buttons frame in the header's font colour.
    DropDown->SetComponentStyle(tsWindowsVista);
    EXPECT_EQ(DropDown->DropDownFooter()->ColorTo(), RGB(249, 253, 255));
    DropDown->SetComponentStyle(tsOffice2010Black);
    EXPECT_EQ(DropDown->ButtonAppearance()->BorderColor(), RGB(214, 215, 215));
    // Some styles keep the pop-up's border colour, tsCustom keeps everything.
    DropDown->SetDropDownBorderColor(clRed);
    DropDown->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(DropDown->DropDownBorderColor(), clRed);
    DropDown->SetComponentStyle(tsCustom);
    EXPECT_EQ(DropDown->GetComponentStyle(), tsCustom);
    EXPECT_EQ(DropDown->DropDownColor(), RGB(255, 255, 255));
    EXPECT_EQ(DropDown->DropDownHeader()->Color(), RGB(203, 225, 252));
}

TEST_F(LooksTest, NewDropDownsHaveLunaAndOffice2007Selection)
{
    EXPECT_EQ(DropDown->GetComponentStyle(), tsOffice2007Luna);
    EXPECT_EQ(DropDown->DropDownColor(), RGB(218, 229, 243));
    EXPECT_EQ(DropDown->DropDownColorTo(), RGB(208, 222, 240));
    EXPECT_EQ(DropDown->DropDownBorderColor(), clNone);
    EXPECT_EQ(DropDown->SelectionColorStyle(), scOffice2007);
    EXPECT_EQ(DropDown->SelectionColor(), RGB(253, 255, 215));
    EXPECT_EQ(DropDown->SelectionColorTo(), RGB(252, 212, 88));
    DropDown->SetSelectionColorStyle(scWindows7);
    EXPECT_EQ(DropDown->SelectionColor(), RGB(220, 235, 252));
    DropDown->SetSelectionColor(clRed);
    DropDown->SetSelectionColorStyle(scCustom);
    EXPECT_EQ(DropDown->SelectionColor(), clRed);
}

TEST_F(LooksTest, PopupBackgroundIsAStepGradientWithItsBorder)
{
    DropDown->DropDownHeader()->SetVisible(false);
    DropDown->DropDownFooter()->SetVisible(false);
    DropDown->SetDropDownColor(RGB(0, 0, 0));
    DropDown->SetDropDownColorTo(RGB(240, 0, 0));
    DropDown->SetDropDownBorderColor(RGB(0, 0, 255));
    DropDown->Panel->SetVisible(false);
    DropDown->SetDropDownWidth(163);
    DropDown->SetDropDownHeight(60);
    ClickButton(DropDown);
    ASSERT_TRUE(DropDown->DroppedDown());
    const QImage Image = RenderControl(DropDown->DropDownForm());
    SaveArtifact(Image, QStringLiteral("dropdown-popup-gradient"));
    // The frame in the border colour, then 80 bands across the inner 161 pixels: d = 2.
    EXPECT_EQ(Hex(Image.pixel(0, 30)), Hex(Rgb(RGB(0, 0, 255))));
    EXPECT_EQ(Hex(Image.pixel(162, 30)), Hex(Rgb(RGB(0, 0, 255))));
    EXPECT_EQ(Hex(Image.pixel(1, 30)), Hex(Rgb(RGB(0, 0, 0))));
    EXPECT_EQ(Hex(Image.pixel(3, 30)), Hex(Rgb(RGB(3, 0, 0))));
    EXPECT_EQ(Hex(Image.pixel(161, 30)), Hex(Rgb(RGB(237, 0, 0))));
    // A vertical gradient changes down the height.
    Input::PressKey(VK_ESCAPE);
    DropDown->SetDropDownGradient(gdVertical);
    Clock.Advance(300);
    ClickButton(DropDown);
    const QImage Vertical = RenderControl(DropDown->DropDownForm());
    EXPECT_EQ(Hex(Vertical.pixel(80, 1)), Hex(Vertical.pixel(150, 1)));
    EXPECT_NE(Hex(Vertical.pixel(80, 1)), Hex(Vertical.pixel(80, 57)));
}

TEST_F(LooksTest, SelectionBoxesByStyle)
{
    TBitmap Bitmap;
    Bitmap.SetSize(60, 40);
    TCanvas* Canvas = Bitmap.Canvas();
    const auto Draw = [&](TSelectionColorStyle Style) {
        Canvas->Brush()->SetColor(clWhite);
        Canvas->FillRect(Rect(0, 0, 60, 40));
        DropDown->SetSelectionColorStyle(Style);
        DropDown->DrawSelectionBackground(Canvas, Rect(5, 5, 55, 35), 0, clWhite);
        return ImageOf(Bitmap);
    };
    DropDown->SetSelectionColor(RGB(10, 20, 30));
    QImage Custom = Draw(scCustom);
    EXPECT_EQ(Hex(Custom.pixel(5, 5)), Hex(Rgb(RGB(10, 20, 30))));
    EXPECT_EQ(Hex(Custom.pixel(54, 34)), Hex(Rgb(RGB(10, 20, 30))));
    const QImage Office = Draw(scOffice2007);
    SaveArtifact(Office, QStringLiteral("dropdown-selection-office2007"));
    // The outer frame and the inner top line of the style; the corner pixel keeps the background.
    EXPECT_EQ(Hex(Office.pixel(20, 5)), Hex(Rgb(RGB(211, 215, 141))));
    EXPECT_EQ(Hex(Office.pixel(20, 6)), Hex(Rgb(RGB(255, 254, 244))));
    EXPECT_EQ(Hex(Office.pixel(5, 5)), Hex(Rgb(clWhite)));
    const QImage Seven = Draw(scWindows7);
    EXPECT_EQ(Hex(Seven.pixel(20, 5)), Hex(Rgb(RGB(125, 162, 206))));
    EXPECT_EQ(Hex(Seven.pixel(20, 6)), Hex(Rgb(RGB(235, 244, 253))));
}

TEST_F(LooksTest, ColourTonesPaintTheDropButton)
{
    TColorTones Tones;
    Tones.Background = {RGB(200, 220, 240), RGB(10, 20, 120), clBlack};
    Tones.Hover = {RGB(250, 230, 150), clBlack, clBlack};
    Tones.Selected = {RGB(90, 90, 200), clBlack, clBlack};
    EXPECT_TRUE(ApplyColorTones(DropDown, Tones));
    EXPECT_EQ(DropDown->BorderColor(), RGB(10, 20, 120));
    EXPECT_EQ(DropDown->Button()->FButtonColor, RGB(200, 220, 240));
    EXPECT_EQ(DropDown->Button()->FButtonColorHot, RGB(250, 230, 150));
    EXPECT_EQ(DropDown->Button()->FButtonColorDown, RGB(90, 90, 200));
    DropDown->Button()->FButtonTextColor = RGB(0, 128, 0);
    const QImage Button = RenderControl(DropDown->Button());
    SaveArtifact(Button, QStringLiteral("dropdown-button-tones"));
    EXPECT_EQ(Hex(Button.pixel(0, 8)), Hex(Rgb(RGB(10, 20, 120)))) << "the line in the border colour";
    EXPECT_EQ(Hex(Button.pixel(4, 3)), Hex(Rgb(RGB(200, 220, 240))));
    EXPECT_EQ(Hex(Button.pixel(8, 8)), Hex(Rgb(RGB(0, 128, 0)))) << "the arrow";
    // The border colour frames the edit.
    EXPECT_EQ(Hex(EditPixel(0, 10)), Hex(Rgb(RGB(10, 20, 120))));
    EXPECT_EQ(Hex(EditPixel(149, 20)), Hex(Rgb(RGB(10, 20, 120))));
}

TEST_F(LooksTest, ClassicAndGlyphDropButtons)
{
    const QImage Classic = RenderControl(DropDown->Button());
    SaveArtifact(Classic, QStringLiteral("dropdown-button-classic"));
    EXPECT_EQ(Hex(Classic.pixel(8, 8)), Hex(Rgb(clBlack))) << "the arrow";
    EXPECT_EQ(Hex(Classic.pixel(1, 5)), Hex(Rgb(clWhite))) << "the inner light line";
    EXPECT_EQ(Hex(Classic.pixel(0, 5)), Hex(Rgb(clBtnFace)));
    TBitmap Glyph;
    Glyph.SetSize(8, 8);
    Glyph.Canvas()->Brush()->SetColor(clYellow);
    Glyph.Canvas()->FillRect(Rect(0, 0, 8, 8));
    Glyph.Canvas()->SetPixels(3, 3, clRed);
    Glyph.Canvas()->SetPixels(0, 7, clYellow);
    DropDown->SetDropDownButtonGlyph(&Glyph);
    const QImage WithGlyph = RenderControl(DropDown->Button());
    SaveArtifact(WithGlyph, QStringLiteral("dropdown-button-glyph"));
    EXPECT_EQ(Hex(WithGlyph.pixel(0, 12)), Hex(Rgb(RGB(128, 128, 128)))) << "the grey frame";
    EXPECT_EQ(Hex(WithGlyph.pixel(3, 3)), Hex(Rgb(clRed)));
    EXPECT_EQ(Hex(WithGlyph.pixel(2, 2)), Hex(Rgb(clBtnFace))) << "the glyph's colour key shows the face";
}

TEST_F(LooksTest, APushButtonStyleFaceWithGlyphAndCaption)
{
    DropDown->SetDropDownButtonWidth(60);
    TExtDropDownSpeedButton* Face = DropDown->Button()->SpeedButton();
    Face->SetButtonStyle(bsButton);
    Face->SetFlat(true);
    TBitmap Glyph;
    Glyph.SetSize(8, 8);
    Glyph.Canvas()->Brush()->SetColor(clRed);
    Glyph.Canvas()->FillRect(Rect(0, 0, 8, 8));
    Glyph.Canvas()->SetPixels(0, 0, clYellow);
    DropDown->SetDropDownButtonGlyph(&Glyph);
    DropDown->Button()->SetButtonCaption(QStringLiteral("Go"));
    const QImage Image = RenderControl(Face);
    SaveArtifact(Image, QStringLiteral("dropdown-button-push"));
    // The glyph 3 pixels in on the face (its key colour shows the face), the caption 2 pixels after it.
    EXPECT_EQ(Hex(Image.pixel(3, 3)), Hex(Rgb(clBtnFace)));
    EXPECT_EQ(Hex(Image.pixel(4, 4)), Hex(Rgb(clRed)));
    int32_t TextLeft = Image.width();
    for (int X = 0; X < Image.width(); ++X)
        for (int Y = 2; Y < Image.height() - 2; ++Y)
            if (Image.pixel(X, Y) == Rgb(clBlack)) TextLeft = std::min(TextLeft, X);
    EXPECT_GE(TextLeft, 3 + 8 + 2);
    EXPECT_LE(TextLeft, 3 + 8 + 2 + 2) << "left-aligned after the glyph, not centred";
}

TEST_F(LooksTest, BordersOfTheEdit)
{
    Form->SetColor(RGB(10, 160, 10));
    DropDown->SetFocusBorderColor(RGB(200, 0, 0));
    DropDown->SetFocus();
    ProcessPendingEvents();
    EXPECT_EQ(Hex(EditPixel(0, 10)), Hex(Rgb(RGB(200, 0, 0))));
    Form->SetActiveControl(nullptr);
    Form->SetFocus();
    ProcessPendingEvents();
    EXPECT_NE(Hex(EditPixel(0, 10)), Hex(Rgb(RGB(200, 0, 0)))) << "only a focus border colour: nothing while not focused";
    DropDown->SetFocus();
    ProcessPendingEvents();
    DropDown->SetBorderColor(RGB(0, 0, 200));
    EXPECT_EQ(Hex(EditPixel(0, 10)), Hex(Rgb(RGB(200, 0, 0)))) << "focused: the focus border wins";
    Form->SetActiveControl(nullptr);
    Form->SetFocus();
    ProcessPendingEvents();
    SaveArtifact(RenderControl(DropDown), QStringLiteral("dropdown-edit-border"));
    EXPECT_EQ(Hex(EditPixel(0, 10)), Hex(Rgb(RGB(0, 0, 200))));
    // The flat look frames in the parent's colour while not active.
    DropDown->SetBorderColor(clNone);
    DropDown->SetFocusBorderColor(clNone);
    DropDown->SetFlat(true);
    DropDown->Invalidate();
    EXPECT_EQ(Hex(EditPixel(0, 10)), Hex(Rgb(Form->Color())));
    EXPECT_EQ(Hex(EditPixel(1, 10)), Hex(Rgb(Form->Color())));
}

TEST_F(LooksTest, ANonEditableFocusedDropDownShowsItsValueOnABar)
{
    DropDown->SetText(QStringLiteral("Value"));
    DropDown->SetEditorEnabled(false);
    DropDown->SetFocus();
    ProcessPendingEvents();
    const QImage Image = RenderControl(DropDown);
    SaveArtifact(Image, QStringLiteral("dropdown-value-bar"));
    EXPECT_EQ(Hex(Image.pixel(2, 10)), Hex(Rgb(clBlack))) << "the bar's frame";
    EXPECT_EQ(Hex(Image.pixel(3, 4)), Hex(Rgb(clHighlight)));
    EXPECT_EQ(Hex(Image.pixel(150 - 17 - 3, 4)), Hex(Rgb(clHighlight)));
    // Text in the highlight text colour lies on it.
    bool TextSeen = false;
    for (int X = 5; X < 60 && !TextSeen; ++X)
        for (int Y = 4; Y < 17 && !TextSeen; ++Y) TextSeen = Image.pixel(X, Y) == Rgb(clHighlightText);
    EXPECT_TRUE(TextSeen);
    // Editable, there is no bar.
    DropDown->SetEditorEnabled(true);
    DropDown->Invalidate();
    EXPECT_NE(Hex(EditPixel(3, 4)), Hex(Rgb(clHighlight)));
}

TEST_F(LooksTest, TheLabelStandsInFifteenPlaces)
{
    DropDown->SetLabelCaption(QStringLiteral("&Name"));
    TLabel* Label = DropDown->EditLabel();
    ASSERT_NE(Label, nullptr);
    EXPECT_EQ(Label->Parent(), Form.get());
    const int32_t LW = Label->Width(), LH = Label->Height();
    TBitmap Measure;
    Measure.Canvas()->Font()->Assign(Label->Font());
    const int32_t W = Measure.Canvas()->TextWidth(QStringLiteral("Name"));
    const int32_t L = 60, T = 20, EW = 150, EH = 21, M = 4;
    const int32_t Middle = LH <= EH ? T + (EH - LH) / 2 : T - (LH - EH) / 2;
    const struct {
        TLabelPosition Position;
        int32_t X, Y;
    } Places[] = {
        {lpLeftTop, L - W - M, T},          {lpLeftCenter, L - W - M, Middle},      {lpLeftBottom, L - W - M, T + EH - LH},
        {lpTopLeft, L, T - LH - M},         {lpBottomLeft, L, T + EH + M},          {lpLeftTopLeft, L - M, T},
        {lpLeftCenterLeft, L - M, Middle},  {lpLeftBottomLeft, L - M, T + EH - LH}, {lpTopCenter, L + (EW - LW) / 2, T - LH - M},
        {lpBottomCenter, L + (EW - LW) / 2, T + EH + M}, {lpRightTop, L + EW + M, T}, {lpRightCenter, L + EW + M, Middle},
        {lpRighBottom, L + EW + M, T + EH - LH}, {lpTopRight, L + EW - LW, T - LH - M}, {lpBottomRight, L + EW - LW, T + EH + M},
    };
    for (const auto& Place : Places) {
        DropDown->SetLabelPosition(Place.Position);
        EXPECT_EQ(Label->BoundsRect(), Bounds(Place.X, Place.Y, LW, LH)) << Place.Position;
    }
    // The label follows the drop-down.
    DropDown->SetLabelPosition(lpTopLeft);
    DropDown->SetLeft(80);
    EXPECT_EQ(Label->Left(), 80);
    DropDown->SetVisible(false);
    EXPECT_FALSE(Label->Visible());
    // A click on it runs the drop-down's label event.
    DropDown->SetVisible(true);
    int32_t Clicks = 0;
    DropDown->OnLabelClick = [&](TObject*) { ++Clicks; };
    Input::Click(Label, {2, 2});
    EXPECT_EQ(Clicks, 1);
}
