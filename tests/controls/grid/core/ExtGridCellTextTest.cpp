// The cell text layer: sort indicators, rich-text cells and the text each cell draws, read from
// the canvas's text calls and from rendered pixels.
#include "ExtGridTestSupport.h"

#include "support/Artifacts.h"
#include "support/TextTrace.h"

#include "grid/base/GridSupport.h"
#include "grid/core/SortSettings.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"

#include <functional>

namespace {

// A plain canvas to draw on, filled with one colour.
struct TSheet {
    TSheet(int32_t W, int32_t H, TColor Fill = clWhite)
    {
        Bitmap.SetSize(W, H);
        Bitmap.Canvas()->Brush()->SetColor(Fill);
        Bitmap.Canvas()->FillRect(Rect(0, 0, W, H));
    }
    TCanvas* Canvas() { return Bitmap.Canvas(); }
    TColor At(int32_t X, int32_t Y) { return ColorToRGB(Bitmap.Canvas()->Pixels(X, Y)); }
    // Pixels inside Area matching Test.
    int32_t Count(const TRect& Area, const std::function<bool(TColor)>& Test)
    {
        int32_t N = 0;
        for (int32_t y = Area.Top; y < Area.Bottom; ++y)
            for (int32_t x = Area.Left; x < Area.Right; ++x) N += Test(At(x, y)) ? 1 : 0;
        return N;
    }
    TBitmap Bitmap;
};

uint8_t Red(TColor C) { return C & 0xFF; }
uint8_t Green(TColor C) { return (C >> 8) & 0xFF; }
uint8_t Blue(TColor C) { return (C >> 16) & 0xFF; }
bool Dark(TColor C) { return Red(C) < 128 && Green(C) < 128 && Blue(C) < 128; }
bool Reddish(TColor C) { return Red(C) > 150 && Green(C) < 100 && Blue(C) < 100; }

// An 8 x 8 glyph of one colour whose corners are transparent.
std::unique_ptr<TBitmap> Glyph(TColor Color)
{
    auto B = std::make_unique<TBitmap>();
    B->SetSize(8, 8);
    B->Canvas()->Brush()->SetColor(clFuchsia);
    B->Canvas()->FillRect(Rect(0, 0, 8, 8));
    B->Canvas()->Brush()->SetColor(Color);
    B->Canvas()->FillRect(Rect(1, 1, 7, 7));
    B->SetTransparentMode(tmFixed);
    B->SetTransparentColor(clFuchsia);
    return B;
}

class ExtGridCellTextFixture : public ExtGridFixture {};

TEST_F(ExtGridCellTextFixture, SortArrowsAreDrawnByDirectionInWhiteAndGrey)
{
    const int32_t X = 20, Y = 20;
    struct Case {
        TSortDirection Direction;
        TPoint White, Grey;
    } Cases[] = {
        // Ascending: white base and right side, grey left side.
        {sdAscending, Point(18, 24), Point(18, 20)},
        {sdAscending, Point(22, 20), Point(18, 20)},
        // Descending: white right side, grey left side and top.
        {sdDescending, Point(22, 20), Point(18, 16)},
        {sdDescending, Point(22, 20), Point(18, 20)},
    };
    for (const Case& C : Cases) {
        TSheet Sheet(40, 40, clBtnFace);
        Grid->SortSettings()->SetDirection(C.Direction);
        Grid->DrawSortIndicator(Sheet.Canvas(), 1, Y, X);
        EXPECT_EQ(Sheet.At(C.White.X, C.White.Y), clWhite) << C.Direction;
        EXPECT_EQ(Sheet.At(C.Grey.X, C.Grey.Y), clGray) << C.Direction;
        // The inside is left alone, and the pen ends black.
        EXPECT_EQ(Sheet.At(X, Y + 2), ColorToRGB(clBtnFace));
        EXPECT_EQ(Sheet.Canvas()->Pen()->Color(), clBlack);
    }

    // With both glyphs the glyph of the direction stands at (X - 4, Y - 4).
    Grid->SortSettings()->SetUpGlyph(Glyph(clRed).get());
    Grid->SortSettings()->SetDownGlyph(Glyph(clLime).get());
    for (const auto& [Direction, Color] : {std::pair(sdAscending, clRed), std::pair(sdDescending, clLime)}) {
        TSheet Sheet(40, 40, clBtnFace);
        Grid->SortSettings()->SetDirection(Direction);
        Grid->DrawSortIndicator(Sheet.Canvas(), 1, Y, X);
        EXPECT_EQ(Sheet.At(X - 4 + 3, Y - 4 + 3), Color);
        EXPECT_EQ(Sheet.At(X - 4, Y - 4), ColorToRGB(clBtnFace)) << "transparent corner";
        EXPECT_EQ(Sheet.At(X + 5, Y), ColorToRGB(clBtnFace));
    }
}

TEST_F(ExtGridCellTextFixture, IndexedSortIndicatorsShowTheKeyNumberOnATriangle)
{
    Grid->SortSettings()->SetIndexShow(true);
    Grid->SortSettings()->SetIndexColor(clYellow);
    Grid->SortIndexes()->AddIndex(2, false);
    Grid->SortIndexes()->AddIndex(3, true);
    const int32_t X = 30, Y = 20;
    struct Case {
        int32_t Col;
        TPoint Inside;   // a pixel of the triangle
        TPoint Outside;  // a pixel the other direction's triangle would cover
        TPoint Number;
        QString Text;
    } Cases[] = {
        {2, Point(X - 5, Y - 4), Point(X - 4, Y + 6), Point(X - 2, Y - 4), QStringLiteral("1")},
        {3, Point(X - 4, Y + 7), Point(X - 6, Y - 4), Point(X - 2, Y - 2), QStringLiteral("2")},
    };
    for (const Case& C : Cases) {
        TSheet Sheet(60, 40);
        const int32_t FontSize = Sheet.Canvas()->Font()->Size();
        TTextTracer Trace;
        Grid->DrawSortIndicator(Sheet.Canvas(), C.Col, Y, X);
        EXPECT_EQ(Sheet.At(C.Inside.X, C.Inside.Y), clYellow) << C.Col;
        EXPECT_EQ(Sheet.At(C.Outside.X, C.Outside.Y), clWhite) << C.Col;
        ASSERT_EQ(Trace.Calls().size(), 1u) << C.Col;
        const TTracedText& Number = Trace.Calls()[0];
        EXPECT_TRUE(Number.Out);
        EXPECT_EQ(Number.Text, C.Text);
        EXPECT_EQ(Point(Number.Rect.Left, Number.Rect.Top), C.Number);
        EXPECT_EQ(Number.Color, clBlack);
        // The canvas keeps its font.
        EXPECT_EQ(Sheet.Canvas()->Font()->Size(), FontSize);
    }
    // A column without a key shows nothing.
    TSheet Sheet(60, 40);
    Grid->DrawSortIndicator(Sheet.Canvas(), 4, Y, X);
    EXPECT_EQ(Sheet.Count(Rect(0, 0, 60, 40), [](TColor C) { return C != clWhite; }), 0);

    // Index glyphs replace the triangles: the up glyph for a descending key.
    Grid->SortSettings()->SetIndexUpGlyph(Glyph(clRed).get());
    Grid->SortSettings()->SetIndexDownGlyph(Glyph(clLime).get());
    TSheet Glyphs(60, 40);
    Grid->DrawSortIndicator(Glyphs.Canvas(), 2, Y, X);
    EXPECT_EQ(Glyphs.At(X - 7 + 1, Y - 7 + 1), clRed);
    Grid->DrawSortIndicator(Glyphs.Canvas(), 3, Y, X + 20);
    EXPECT_EQ(Glyphs.At(X + 20 - 7 + 1, Y - 7 + 1), clLime);
}

TEST_F(ExtGridCellTextFixture, RichCellsRenderInsideTheirInsetRectangleInTheSelectionColour)
{
    Show();
    const QString Rich = QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Wide words}");
    Grid->SetCells(1, 1, Rich);
    Grid->SetCells(2, 3, Rich);
    Grid->SetSelectionTextColor(clRed);
    Grid->SetOptions(Grid->Options() + TGridOptions{goRangeSelect, goDrawFocusSelected});
    Grid->SetSelection(TGridRect{1, 1, 2, 2});
    Grid->SetXYOffset(Point(4, 4));
    const TRect R = Rect(20, 10, 180, 50);
    const TRect Inner = Rect(R.Left + 4, R.Top + 4, R.Right - 4, R.Bottom - 4);
    struct Case {
        int32_t Col, Row;
        bool Keep;
        bool RedText;
    } Cases[] = {{1, 1, false, true}, {1, 1, true, false}, {2, 3, false, false}};
    for (const Case& C : Cases) {
        Grid->SetSelectionRTFKeep(C.Keep);
        TSheet Sheet(200, 60);
        Grid->DrawRTFCell(C.Col, C.Row, R, Sheet.Canvas());
        const auto Ink = [](TColor Px) { return Px != clWhite; };
        const int32_t All = Sheet.Count(Rect(0, 0, 200, 60), Ink);
        EXPECT_GT(All, 20) << C.Row << C.Keep;
        EXPECT_EQ(Sheet.Count(Inner, Ink), All) << "ink outside the inset rectangle";
        EXPECT_EQ(Sheet.Count(Inner, Reddish) > All / 3, C.RedText) << C.Row << C.Keep;
        EXPECT_EQ(Sheet.Count(Inner, Dark) > All / 3, !C.RedText) << C.Row << C.Keep;
    }
}

}  // namespace
