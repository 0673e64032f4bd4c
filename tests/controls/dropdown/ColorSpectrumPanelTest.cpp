// TExtColorSpectrumPanel: layout, the picture and its cursor, the colour under the pointer, swatches and clicks.
#include "PickerTestSupport.h"

#include "dropdown/ColorSpectrumPanel.h"
#include "dropdown/HexColor.h"
#include "support/Input.h"
#include "support/LayerInternals.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Picture.h"
#include "windows/ExtCtrls.h"

#include <gtest/gtest.h>

using namespace PickerTest;

namespace {

class ColorSpectrumPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(200, 200, clWhite);
        Spectrum = Place<TExtColorSpectrumPanel>(Form.get(), Bounds(0, 0, 10, 10));
        Spectrum->SetColor(clWhite);
        Spectrum->ArrangeSpectrum();
        Form->Show();
        ProcessPendingEvents();
    }

    TColor PictureColor(int32_t X, int32_t Y) const
    {
        return Spectrum->SpectrumImage()->Picture()->Bitmap()->Canvas()->Pixels(X, Y);
    }

    std::unique_ptr<TForm> Form;
    TExtColorSpectrumPanel* Spectrum = nullptr;
};

TEST_F(ColorSpectrumPanelTest, ArrangeCentresThePictureOverTwoSwatches)
{
    EXPECT_EQ(Spectrum->Width(), 150);
    EXPECT_EQ(Spectrum->Height(), 174);
    EXPECT_EQ(Spectrum->SpectrumImage()->BoundsRect(), Rect(11, 10, 139, 138));
    EXPECT_EQ(Spectrum->SelectedRect(), Rect(10, 146, 73, 166));
    EXPECT_EQ(Spectrum->HotRect(), Rect(77, 146, 140, 166));
    EXPECT_EQ(Spectrum->HotColor(), clNone);
    EXPECT_EQ(Spectrum->SelectedColor(), clWhite);
    EXPECT_EQ(Spectrum->SpectrumImage()->Cursor(), crEyedropper);
    EXPECT_EQ(crEyedropper, 54);
    EXPECT_EQ(QtCursor(Screen->Cursors(crEyedropper)).hotSpot(), QPoint(1, 30)) << "the eyedropper is registered";
}

TEST_F(ColorSpectrumPanelTest, PictureRunsThroughTheHuesFromWhiteToBlack)
{
    TBitmap* Picture = Spectrum->SpectrumImage()->Picture()->Bitmap();
    EXPECT_EQ(Picture->Width(), 128);
    EXPECT_EQ(Picture->Height(), 128);
    const struct {
        int32_t X, Y;
        uint32_t Color;
    } Pure[] = {{0, 63, 0xFF0000}, {0, 64, 0xFF0000}, {64, 63, 0x00FFFF}, {64, 64, 0x00FFFF}};
    for (const auto& Case : Pure)
        EXPECT_EQ(Html(PictureColor(Case.X, Case.Y)), Html(HexColor(Case.Color))) << Case.X << "," << Case.Y;
    for (int32_t X : {0, 40, 90, 127}) {
        const COLORREF Top = ColorToRGB(PictureColor(X, 0));
        const COLORREF Bottom = ColorToRGB(PictureColor(X, 127));
        EXPECT_GE(std::min({GetRValue(Top), GetGValue(Top), GetBValue(Top)}), 240) << "near white at the top of " << X;
        EXPECT_LE(std::max({GetRValue(Bottom), GetGValue(Bottom), GetBValue(Bottom)}), 8) << "near black at the bottom of " << X;
    }
}

TEST_F(ColorSpectrumPanelTest, HotColourIsThePixelUnderThePointer)
{
    const TPoint Points[] = {{0, 63}, {64, 64}, {100, 20}, {30, 110}, {0, 0}, {127, 127}};
    for (const TPoint& At : Points) {
        Input::MoveMouse(Spectrum->SpectrumImage(), At);
        EXPECT_EQ(Html(Spectrum->HotColor()), Html(PictureColor(At.X, At.Y))) << At.X << "," << At.Y;
    }
    Input::MoveMouse(Spectrum->SpectrumImage(), {100, 20});
    const QImage Image = RenderAndSave(Spectrum, QStringLiteral("ColorSpectrum"));
    const TRect Hot = Spectrum->HotRect();
    EXPECT_EQ(HtmlAt(Image, Hot.Left + 5, Hot.Top + 5), Html(PictureColor(100, 20))) << "hot swatch";
    EXPECT_EQ(HtmlAt(Image, Hot.Left, Hot.Top), QStringLiteral("#FFFFFF")) << "swatch border";
    EXPECT_EQ(HtmlAt(Image, Hot.Left - 1, Hot.Top), QStringLiteral("#808080")) << "grey frame around the swatch";
    EXPECT_EQ(HtmlAt(Image, 10, 9), QStringLiteral("#FFFFFF")) << "white frame around the picture";
    EXPECT_EQ(HtmlAt(Image, 9, 8), QStringLiteral("#808080")) << "grey frame around the picture";
    EXPECT_EQ(HtmlAt(Image, 11 + 100, 10 + 20), Html(PictureColor(100, 20))) << "the picture itself";
}

TEST_F(ColorSpectrumPanelTest, ClickTakesTheHotColourAndReleaseAsksToHide)
{
    QStringList Log;
    Spectrum->OnSelect = [&](TObject*) { Log << QStringLiteral("select ") + Html(Spectrum->SelectedColor()); };
    Spectrum->OnShouldHide = [&](TObject*) { Log << QStringLiteral("hide"); };
    Input::MoveMouse(Spectrum->SpectrumImage(), {0, 63});
    Input::Click(Spectrum->SpectrumImage(), {0, 63});
    EXPECT_EQ(Log, QStringList({QStringLiteral("select #FF0000"), QStringLiteral("hide")}));
    const QImage Image = RenderControl(Spectrum);
    const TRect Selected = Spectrum->SelectedRect();
    EXPECT_EQ(HtmlAt(Image, Selected.Left + 5, Selected.Top + 5), QStringLiteral("#FF0000")) << "selected swatch";

    Spectrum->ArrangeSpectrum();
    EXPECT_EQ(Spectrum->HotColor(), clNone) << "each opening starts without a hot colour";
    EXPECT_EQ(HtmlAt(RenderControl(Spectrum), Spectrum->HotRect().Left + 5, Spectrum->HotRect().Top + 5),
              QStringLiteral("#FFFFFF")) << "no hot colour leaves the swatch unfilled";
}

}  // namespace
