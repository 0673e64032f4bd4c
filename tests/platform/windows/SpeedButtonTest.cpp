// TSpeedButton: groups through CM_BUTTONPRESSED, pressing and releasing, hot tracking, its look, and the shared layout.
#include "support/Input.h"
#include "support/Render.h"
#include "Recorder.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "windows/Buttons.h"

#include <gtest/gtest.h>

namespace {

QRgb Rgb(TColor Color)
{
    const auto Value = static_cast<COLORREF>(ColorToRGB(Color));
    return qRgb(GetRValue(Value), GetGValue(Value), GetBValue(Value));
}

// A strip of Count solid cells of 8 x 8 pixels, each a colour of its own, with an olive background pixel at the bottom left.
std::unique_ptr<TBitmap> GlyphStrip(int32_t Count)
{
    static constexpr TColor Cells[] = {clRed, clBlue, clLime, clYellow};
    auto Strip = std::make_unique<TBitmap>();
    Strip->SetSize(8 * Count, 8);
    for (int32_t Cell = 0; Cell < Count; ++Cell) {
        Strip->Canvas()->Brush()->SetColor(Cells[Cell]);
        Strip->Canvas()->FillRect(Bounds(Cell * 8, 0, 8, 8));
    }
    Strip->Canvas()->SetPixels(0, 7, clOlive);
    return Strip;
}

class SpeedButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 120);
        Form->Show();
        ProcessPendingEvents();
        Input::MoveMouse(Form.get(), {280, 100});
    }

    TSpeedButton* AddButton(const QString& Name, const TRect& Bounds)
    {
        auto* Button = Place<TSpeedButton>(Form.get(), Bounds);
        Button->SetName(Name);
        Button->OnClick = [this](TObject* Sender) { Clicks.append(static_cast<TComponent*>(Sender)->Name()); };
        return Button;
    }

    std::unique_ptr<TForm> Form;
    QStringList Clicks;
};

TEST_F(SpeedButtonTest, StartsAsAnUngroupedRaisedButton)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 23, 22));
    auto* Fresh = New<TSpeedButton>(Form.get());
    EXPECT_EQ(Fresh->Width(), 23);
    EXPECT_EQ(Fresh->Height(), 22);
    EXPECT_EQ(Button->ControlStyle(), (TControlStyle{csCaptureMouse, csDoubleClicks}));
    EXPECT_EQ(Button->Margin(), -1);
    EXPECT_EQ(Button->Spacing(), 4);
    EXPECT_EQ(Button->NumGlyphs(), 1);
    Button->SetDown(true);
    EXPECT_FALSE(Button->Down()) << "no group: never down";
    Button->SetMargin(-2);
    EXPECT_EQ(Button->Margin(), -1);
}

TEST_F(SpeedButtonTest, AClickIsAReleaseInside)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 40, 22));
    Input::Click(Button, {5, 5});
    EXPECT_EQ(Clicks, QStringList{QStringLiteral("B")});
    Input::MouseDown(Button, {5, 5});
    Input::MoveMouse(Button, {100, 5});
    Input::MouseUp(Button, {100, 5});
    EXPECT_EQ(Clicks.size(), 1) << "released outside: no click";
}

TEST_F(SpeedButtonTest, GroupedButtonsRaiseEachOther)
{
    auto* First = AddButton(QStringLiteral("First"), Bounds(10, 10, 40, 22));
    auto* Second = AddButton(QStringLiteral("Second"), Bounds(60, 10, 40, 22));
    First->SetGroupIndex(1);
    Second->SetGroupIndex(1);
    Input::Click(First, {5, 5});
    EXPECT_TRUE(First->Down());
    Input::Click(Second, {5, 5});
    EXPECT_TRUE(Second->Down());
    EXPECT_FALSE(First->Down());
    // Without AllowAllUp the down button stays down.
    Input::Click(Second, {5, 5});
    EXPECT_TRUE(Second->Down());
    EXPECT_EQ(Clicks, (QStringList{"First", "Second", "Second"}));
    // AllowAllUp is shared through the group.
    Second->SetAllowAllUp(true);
    EXPECT_TRUE(First->AllowAllUp());
    Input::Click(Second, {5, 5});
    EXPECT_FALSE(Second->Down());
    // Setting Down in code raises the others as well.
    First->SetDown(true);
    Second->SetDown(true);
    EXPECT_FALSE(First->Down());
}

TEST_F(SpeedButtonTest, FlatButtonShowsItsEdgeOnlyUnderThePointer)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 40, 22));
    Button->SetFlat(true);
    Form->SetColor(clWhite);
    QImage Image = RenderControl(Button);
    EXPECT_EQ(Image.pixel(0, 0), Rgb(clWhite));
    Input::MoveMouse(Button, {5, 5});
    Image = RenderControl(Button);
    EXPECT_EQ(Image.pixel(0, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(Image.pixel(39, 21), Rgb(clBtnShadow));
    Input::MoveMouse(Form.get(), {280, 100});
    EXPECT_EQ(RenderControl(Button).pixel(0, 0), Rgb(clWhite));
}

TEST_F(SpeedButtonTest, GlyphImageFollowsTheState)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 40, 30));
    const auto Strip = GlyphStrip(4);
    Button->SetGlyph(Strip.get());
    EXPECT_EQ(Button->NumGlyphs(), 4);
    // Centred: the glyph of 8 x 8 at ((40 - 8 + 1) div 2, (30 - 8 + 1) div 2) inside the frame.
    const QRect Area(0, 0, 40, 30);
    const auto Centre = [&](const QImage& Image, int Dx) { return Image.pixel(18 + Dx, 14 + Dx); };
    EXPECT_EQ(Centre(RenderControl(Button), 0), Rgb(clRed));
    Input::MouseDown(Button, {2, 2});
    EXPECT_EQ(Centre(RenderControl(Button), 1), Rgb(clLime)) << "down: third image, one pixel down-right";
    Input::MouseUp(Button, {2, 2});
    Button->SetEnabled(false);
    EXPECT_EQ(Centre(RenderControl(Button), 0), Rgb(clBlue)) << "disabled: second image";
    Button->SetEnabled(true);
    Button->SetGroupIndex(3);
    Button->SetDown(true);
    EXPECT_EQ(Centre(RenderControl(Button), 1), Rgb(clYellow)) << "stays down: fourth image";
    (void)Area;
}

TEST_F(SpeedButtonTest, SingleGlyphIsEmbossedWhenDisabled)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 40, 30));
    const auto Strip = GlyphStrip(1);
    Button->SetGlyph(Strip.get());
    Button->SetEnabled(false);
    const QImage Image = RenderControl(Button);
    // Inside the push-button frame the glyph sits at (2 + 14, 2 + 9).
    EXPECT_EQ(Image.pixel(16, 11), Rgb(clBtnShadow));
    EXPECT_EQ(Image.pixel(23, 17), Rgb(clBtnShadow));
    EXPECT_EQ(Image.pixel(24, 12), Rgb(clBtnHighlight)) << "the highlight one pixel down-right";
    EXPECT_EQ(Image.pixel(18, 19), Rgb(clBtnHighlight));
    // The transparent bottom-left pixel stays out of both.
    EXPECT_EQ(Image.pixel(16, 18), Rgb(clBtnFace));
    EXPECT_EQ(Image.pixel(17, 19), Rgb(clBtnFace));
}

TEST_F(SpeedButtonTest, AcceleratorClicks)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 60, 22));
    Button->SetCaption(QStringLiteral("&Go"));
    Input::PressKey('G', {ssAlt});
    ProcessPendingEvents();
    EXPECT_EQ(Clicks, QStringList{QStringLiteral("B")});
}

// ---- Layout ----

TEST(ButtonLayoutTest, MarginAndSpacingRules)
{
    TBitmap Surface;
    Surface.SetSize(1, 1);
    TCanvas* Canvas = Surface.Canvas();
    const QString Caption = QStringLiteral("Abc");
    const TSize Text = Canvas->TextExtent(Caption);
    const TRect Client{0, 0, 100, 40};
    const TSize Glyph{16, 16};
    struct TCase {
        const char* Name;
        TButtonLayout Layout;
        int32_t Margin;
        int32_t Spacing;
        QString Caption;
        int32_t GlyphAlong;
        int32_t TextAlong;
    };
    const int32_t A = 100, G = 16, T = Text.cx;
    const TCase Cases[] = {
        {"left, fixed", blGlyphLeft, 3, 4, Caption, 3, 3 + G + 4},
        {"left, both centred", blGlyphLeft, -1, -1, Caption, (A - G - T) / 3, (A - G - T) / 3 * 2 + G},
        {"left, margin centred", blGlyphLeft, -1, 4, Caption, (A - G - 4 - T + 1) / 2, (A - G - 4 - T + 1) / 2 + G + 4},
        {"left, spacing shared", blGlyphLeft, 2, -1, Caption, 2, 2 + G + (A - 2 - G - T) / 2},
        {"right", blGlyphRight, 3, 4, Caption, A - 3 - G, A - 3 - G - 4 - T},
        {"no caption: no spacing", blGlyphLeft, -1, 4, QString(), (A - G + 1) / 2, 0},
    };
    for (const TCase& Case : Cases) {
        TPoint GlyphPos;
        TRect TextBounds;
        CalcButtonLayout(Canvas, Client, {0, 0}, Case.Caption, Case.Layout, Case.Margin, Case.Spacing, Glyph, false, GlyphPos, TextBounds);
        EXPECT_EQ(GlyphPos.X, Case.GlyphAlong) << Case.Name;
        EXPECT_EQ(GlyphPos.Y, (40 - 16 + 1) / 2) << Case.Name;
        if (!Case.Caption.isEmpty()) {
            EXPECT_EQ(TextBounds.Left, Case.TextAlong) << Case.Name;
            EXPECT_EQ(TextBounds.Top, (40 - Text.cy + 1) / 2) << Case.Name;
            EXPECT_EQ(TextBounds.Width(), Text.cx) << Case.Name;
        }
    }
    // Vertical layouts, the offset and right-to-left reading.
    TPoint GlyphPos;
    TRect TextBounds;
    CalcButtonLayout(Canvas, Client, {1, 1}, Caption, blGlyphTop, 2, 3, Glyph, false, GlyphPos, TextBounds);
    EXPECT_EQ(GlyphPos, (TPoint{(100 - 16 + 1) / 2 + 1, 2 + 1}));
    EXPECT_EQ(TextBounds.Top, 2 + 16 + 3 + 1);
    CalcButtonLayout(Canvas, Client, {0, 0}, Caption, blGlyphBottom, 2, 3, Glyph, false, GlyphPos, TextBounds);
    EXPECT_EQ(GlyphPos.Y, 40 - 2 - 16);
    EXPECT_EQ(TextBounds.Bottom, 40 - 2 - 16 - 3);
    CalcButtonLayout(Canvas, Client, {0, 0}, Caption, blGlyphLeft, 3, 4, Glyph, true, GlyphPos, TextBounds);
    EXPECT_EQ(GlyphPos.X, 100 - 3 - 16);
}

}  // namespace
