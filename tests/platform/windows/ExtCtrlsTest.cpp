// Panels, bevels, shapes, images and link labels: their pixels, client areas, sizes and link clicks.
#include "support/Input.h"
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "Recorder.h"

#include "graphics/Bitmap.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Picture.h"
#include "windows/ExtCtrls.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <vector>

namespace {

QRgb Rgb(TColor Color)
{
    const auto Value = static_cast<COLORREF>(ColorToRGB(Color));
    return qRgb(GetRValue(Value), GetGValue(Value), GetBValue(Value));
}

// A pixel expected at a place given from the top-left (or, for negative coordinates, from the
// bottom-right) corner.
struct TPixel {
    int32_t X;
    int32_t Y;
    TColor Color;
};

void ExpectPixels(const QImage& Image, const std::vector<TPixel>& Pixels, const char* Name)
{
    for (const TPixel& Pixel : Pixels) {
        const int32_t X = Pixel.X < 0 ? Image.width() + Pixel.X : Pixel.X;
        const int32_t Y = Pixel.Y < 0 ? Image.height() + Pixel.Y : Pixel.Y;
        EXPECT_EQ(Image.pixel(X, Y), Rgb(Pixel.Color)) << Name << " at " << X << "," << Y;
    }
}

// The smallest rectangle holding every pixel of Color.
TRect InkBounds(const QImage& Image, TColor Color)
{
    TRect Ink{Image.width(), Image.height(), 0, 0};
    for (int Y = 0; Y < Image.height(); ++Y) {
        for (int X = 0; X < Image.width(); ++X) {
            if (Image.pixel(X, Y) != Rgb(Color)) continue;
            Ink = {std::min(Ink.Left, X), std::min(Ink.Top, Y), std::max(Ink.Right, X + 1), std::max(Ink.Bottom, Y + 1)};
        }
    }
    return Ink;
}

TSize TextExtent(const TFont* Font, const QString& Text)
{
    TBitmap Bitmap;
    Bitmap.SetSize(1, 1);
    Bitmap.Canvas()->Font()->Assign(const_cast<TFont*>(Font));
    return Bitmap.Canvas()->TextExtent(Text);
}

std::unique_ptr<TBitmap> SolidBitmap(int32_t Width, int32_t Height, TColor Color)
{
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetSize(Width, Height);
    Bitmap->Canvas()->Brush()->SetColor(Color);
    Bitmap->Canvas()->FillRect(Rect(0, 0, Width, Height));
    return Bitmap;
}

class ExtCtrlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(320, 240);
        Form->SetColor(clWhite);
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
};

// ---- Panel ----

TEST_F(ExtCtrlsTest, APanelDrawsItsOuterBevelBorderAndInnerBevel)
{
    struct TCase {
        const char* Name;
        TPanelBevel Outer;
        TPanelBevel Inner;
        int32_t BevelWidth;
        int32_t BorderWidth;
        std::vector<TPixel> Pixels;
    };
    const std::vector<TCase> Cases = {
        {"raised",
         bvRaised, bvNone, 1, 0,
         {{0, 0, clBtnHighlight}, {-1, -1, clBtnShadow}, {-1, 0, clBtnShadow}, {0, -1, clBtnShadow}, {1, 1, clLime}}},
        {"lowered twice as wide",
         bvLowered, bvNone, 2, 0,
         {{0, 0, clBtnShadow}, {1, 1, clBtnShadow}, {2, 2, clLime}, {-1, -1, clBtnHighlight}, {-2, -2, clBtnHighlight}}},
        {"raised, border, lowered",
         bvRaised, bvLowered, 1, 2,
         {{0, 0, clBtnHighlight}, {1, 1, clLime}, {2, 2, clLime}, {3, 3, clBtnShadow}, {-4, -4, clBtnHighlight}, {-1, -1, clBtnShadow}}},
        {"space", bvSpace, bvNone, 1, 0, {{0, 0, clLime}, {-1, -1, clLime}}},
    };
    auto* Panel = Place<TPanel>(Form.get(), Bounds(10, 10, 100, 60));
    Panel->SetColor(clLime);
    for (const TCase& Case : Cases) {
        Panel->SetBevelOuter(Case.Outer);
        Panel->SetBevelInner(Case.Inner);
        Panel->SetBevelWidth(Case.BevelWidth);
        Panel->SetBorderWidth(Case.BorderWidth);
        ExpectPixels(RenderControl(Panel), Case.Pixels, Case.Name);
    }
}

TEST_F(ExtCtrlsTest, APanelsControlsStayInsideItsBevelsAndBorder)
{
    auto* Panel = Place<TPanel>(Form.get(), Bounds(10, 10, 100, 60));
    Panel->SetBevelInner(bvLowered);
    Panel->SetBevelWidth(2);
    Panel->SetBorderWidth(3);
    auto* Inside = Place<TPanel>(Panel, Bounds(0, 0, 10, 10));
    Inside->SetAlign(alClient);
    EXPECT_EQ(Inside->BoundsRect(), Rect(7, 7, 93, 53));
    // A single border adds a sunken edge outside the client area.
    Panel->SetBorderStyle(bsSingle);
    EXPECT_EQ(Panel->ClientWidth(), 96);
    EXPECT_EQ(Inside->BoundsRect(), Rect(7, 7, 89, 49));
    ExpectPixels(RenderControl(Panel), {{0, 0, clBtnShadow}, {1, 1, cl3DDkShadow}, {2, 2, clBtnHighlight}}, "single");
}

TEST_F(ExtCtrlsTest, APanelCentresItsCaptionOrAlignsIt)
{
    auto* Panel = Place<TPanel>(Form.get(), Bounds(10, 10, 120, 40));
    Panel->SetCaption(QStringLiteral("Caption"));
    Panel->Font()->SetColor(clRed);
    const int32_t Width = TextExtent(Panel->Font(), Panel->Caption()).cx;
    const TRect Centred = InkBounds(RenderControl(Panel), clRed);
    EXPECT_NEAR(Centred.Left, (120 - Width) / 2, 2);
    EXPECT_NEAR(Centred.Right, (120 + Width) / 2, 2);
    EXPECT_NEAR(Centred.Top + Centred.Bottom, 40, 4);
    Panel->SetAlignment(taLeftJustify);
    EXPECT_NEAR(InkBounds(RenderControl(Panel), clRed).Left, 1, 2);
    Panel->SetAlignment(taRightJustify);
    EXPECT_NEAR(InkBounds(RenderControl(Panel), clRed).Right, 119, 2);
}

// ---- Bevel ----

TEST_F(ExtCtrlsTest, ABevelDrawsItsShapeInItsStyle)
{
    struct TCase {
        const char* Name;
        TBevelShape Shape;
        TBevelStyle Style;
        std::vector<TPixel> Pixels;
    };
    const std::vector<TCase> Cases = {
        {"lowered box", bsBox, bsLowered, {{0, 0, clBtnShadow}, {0, -1, clBtnShadow}, {-1, 0, clBtnHighlight}, {-1, -1, clBtnHighlight}, {5, 5, clWhite}}},
        {"raised box", bsBox, bsRaised, {{0, 0, clBtnHighlight}, {-1, -1, clBtnShadow}}},
        {"lowered frame", bsFrame, bsLowered, {{0, 0, clBtnShadow}, {1, 1, clBtnHighlight}, {-2, -2, clBtnShadow}, {-1, -1, clBtnHighlight}}},
        {"top line", bsTopLine, bsLowered, {{10, 0, clBtnShadow}, {10, 1, clBtnHighlight}, {10, 2, clWhite}}},
        {"bottom line", bsBottomLine, bsRaised, {{10, -2, clBtnHighlight}, {10, -1, clBtnShadow}, {10, -3, clWhite}}},
        {"left line", bsLeftLine, bsLowered, {{0, 10, clBtnShadow}, {1, 10, clBtnHighlight}, {2, 10, clWhite}}},
        {"right line", bsRightLine, bsLowered, {{-2, 10, clBtnShadow}, {-1, 10, clBtnHighlight}}},
        {"spacer", bsSpacer, bsLowered, {{0, 0, clWhite}, {-1, -1, clWhite}}},
    };
    auto* Bevel = Place<TBevel>(Form.get(), Bounds(20, 20, 40, 30));
    for (const TCase& Case : Cases) {
        Bevel->SetShape(Case.Shape);
        Bevel->SetStyle(Case.Style);
        ExpectPixels(RenderControl(Bevel), Case.Pixels, Case.Name);
    }
}

// ---- Shape ----

TEST_F(ExtCtrlsTest, AShapeIsDrawnWithItsPenAndFilledWithItsBrush)
{
    struct TCase {
        const char* Name;
        TShapeType Type;
        std::vector<TPixel> Pixels;
    };
    const std::vector<TCase> Cases = {
        {"rectangle", stRectangle, {{0, 0, clRed}, {-1, -1, clRed}, {30, 20, clBlue}, {1, 1, clBlue}}},
        {"square", stSquare, {{10, 0, clRed}, {49, 39, clRed}, {9, 20, clWhite}, {50, 20, clWhite}, {30, 20, clBlue}}},
        {"ellipse", stEllipse, {{0, 0, clWhite}, {30, 0, clRed}, {30, 20, clBlue}, {0, 20, clRed}}},
        {"circle", stCircle, {{10, 0, clWhite}, {30, 0, clRed}, {30, 20, clBlue}, {5, 20, clWhite}}},
        {"rounded rectangle", stRoundRect, {{0, 0, clWhite}, {30, 0, clRed}, {0, 20, clRed}, {30, 20, clBlue}}},
    };
    auto* Shape = Place<TShape>(Form.get(), Bounds(20, 20, 60, 40));
    Shape->Pen()->SetColor(clRed);
    Shape->Brush()->SetColor(clBlue);
    for (const TCase& Case : Cases) {
        Shape->SetShape(Case.Type);
        ExpectPixels(RenderControl(Shape), Case.Pixels, Case.Name);
    }
    // A one-pixel rule: a shape one pixel high.
    Shape->SetShape(stRectangle);
    Shape->Pen()->SetColor(clGray);
    Shape->SetBounds(20, 20, 60, 1);
    ExpectPixels(RenderControl(Shape), {{0, 0, clGray}, {59, 0, clGray}}, "rule");
}

// ---- Image ----

TEST_F(ExtCtrlsTest, AnImageDrawsItsPictureWhereCenterStretchAndProportionalPutIt)
{
    struct TCase {
        const char* Name;
        bool Center;
        bool Stretch;
        bool Proportional;
        TRect Dest;
    };
    auto* Image = Place<TImage>(Form.get(), Bounds(10, 10, 80, 40));
    const auto Picture = SolidBitmap(20, 10, clRed);
    Image->Picture()->SetGraphic(Picture.get());
    for (const TCase& Case : {TCase{"top-left", false, false, false, Rect(0, 0, 20, 10)},
                              TCase{"centred", true, false, false, Rect(30, 15, 50, 25)},
                              TCase{"stretched", false, true, false, Rect(0, 0, 80, 40)},
                              TCase{"scaled up in proportion", true, true, true, Rect(0, 0, 80, 40)}}) {
        Image->SetCenter(Case.Center);
        Image->SetStretch(Case.Stretch);
        Image->SetProportional(Case.Proportional);
        EXPECT_EQ(Image->DestRect(), Case.Dest) << Case.Name;
        const QImage Shown = RenderControl(Image);
        const TRect Dest = Case.Dest;
        ExpectPixels(Shown, {{Dest.Left, Dest.Top, clRed}, {Dest.Right - 1, Dest.Bottom - 1, clRed}}, Case.Name);
        if (Dest.Right < 80) ExpectPixels(Shown, {{Dest.Right, Dest.Top, clWhite}}, Case.Name);
    }
    // A picture too big is only scaled down with Proportional.
    Image->SetBounds(10, 10, 10, 40);
    Image->SetStretch(false);
    Image->SetCenter(false);
    EXPECT_EQ(Image->DestRect(), Rect(0, 0, 10, 5));
}

TEST_F(ExtCtrlsTest, AnImageSizesItselfToItsPictureAndDrawsOnABitmapOfItsOwnSize)
{
    auto* Image = Place<TImage>(Form.get(), Bounds(10, 10, 30, 20));
    Image->Canvas()->Brush()->SetColor(clBlue);
    Image->Canvas()->FillRect(Rect(0, 0, 30, 20));
    EXPECT_EQ(Image->Picture()->Width(), 30);
    ExpectPixels(RenderControl(Image), {{0, 0, clBlue}, {29, 19, clBlue}}, "drawn");
    Image->SetAutoSize(true);
    const auto Picture = SolidBitmap(12, 7, clRed);
    Image->Picture()->SetGraphic(Picture.get());
    EXPECT_EQ(Image->BoundsRect(), Bounds(10, 10, 12, 7));
}

// ---- Link label ----

TEST_F(ExtCtrlsTest, ALinkLabelReportsTheClickedLinkAndOnlyTheLinks)
{
    auto* Label = Place<TLinkLabel>(Form.get(), Bounds(10, 10, 10, 10));
    Label->SetCaption(QStringLiteral("Get <a href=\"https://example.com/get#A1\">this</a>, <A id='more'>more</A> or <a>plain</a>"));
    QStringList Clicked;
    Label->OnLinkClick = [&](TObject*, const QString& Link, TSysLinkType Type) {
        Clicked.append((Type == sltURL ? QStringLiteral("url ") : QStringLiteral("id ")) + Link);
    };
    const auto At = [&](const QString& Before) { return TextExtent(Label->Font(), Before).cx + 2; };
    EXPECT_EQ(Label->Width(), TextExtent(Label->Font(), QStringLiteral("Get this, more or plain")).cx);
    EXPECT_EQ(Label->Height(), TextExtent(Label->Font(), QStringLiteral("W")).cy);
    Input::Click(Label, {At(QStringLiteral("Get ")), 5});
    Input::Click(Label, {At(QStringLiteral("Get this, ")), 5});
    Input::Click(Label, {At(QStringLiteral("Get this, more or ")), 5});
    Input::Click(Label, {1, 5});
    EXPECT_EQ(Clicked, (QStringList{"url https://example.com/get#A1", "id more", "id plain"}));
    // A press on one link released on another is no click.
    Input::MouseDown(Label, {At(QStringLiteral("Get ")), 5});
    Input::MouseUp(Label, {At(QStringLiteral("Get this, ")), 5});
    EXPECT_EQ(Clicked.size(), 3);
}

TEST_F(ExtCtrlsTest, ALinkLabelDrawsItsLinksInTheLinkColourUnderTheHandCursor)
{
    auto* Label = Place<TLinkLabel>(Form.get(), Bounds(10, 10, 10, 10));
    Label->SetCaption(QStringLiteral("plain <a href=\"x\">link</a>"));
    const int32_t LinkStart = TextExtent(Label->Font(), QStringLiteral("plain ")).cx;
    const QImage Image = RenderControl(Label);
    int32_t Plain = 0, Link = 0;
    for (int Y = 0; Y < Image.height(); ++Y) {
        for (int X = 0; X < Image.width(); ++X) {
            if (Image.pixel(X, Y) == Rgb(clWindowText)) {
                EXPECT_LT(X, LinkStart);
                ++Plain;
            }
            if (Image.pixel(X, Y) == Rgb(clHotLight)) {
                EXPECT_GE(X, LinkStart);
                ++Link;
            }
        }
    }
    EXPECT_GT(Plain, 10);
    EXPECT_GT(Link, 10);
    const QWidget* Widget = WidgetOf(Label->Handle());
    Input::MoveMouse(Label, {LinkStart + 3, 5});
    EXPECT_EQ(Widget->cursor().shape(), Qt::PointingHandCursor);
    Input::MoveMouse(Label, {2, 5});
    EXPECT_EQ(Widget->cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
