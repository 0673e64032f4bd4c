// The cell text layer: sort indicators, rich-text cells and the text each cell draws, read from
// the canvas's text calls and from rendered pixels.
#include "ExtGridTestSupport.h"

#include "support/Artifacts.h"
#include "support/TextTrace.h"

#include "grid/base/GridSupport.h"
#include "grid/core/GridOptions.h"
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

class ExtGridCellTextFixture : public ExtGridFixture {
protected:
    // Renders the grid and returns the text drawn in cell (ACol, ARow): one call per paint.
    TTracedText DrawnText(int32_t ACol, int32_t ARow)
    {
        TTextTracer Trace;
        LastImage = RenderControl(Grid);
        std::vector<TTracedText> Calls;
        for (const TTracedText& Call : Trace.DrawnIn(Grid->CellRect(ACol, ARow)))
            if (!Call.Text.isEmpty()) Calls.push_back(Call);
        EXPECT_FALSE(Calls.empty()) << ACol << "," << ARow;
        for (const TTracedText& Call : Calls) EXPECT_EQ(Call.Text, Calls.front().Text) << "two texts in one cell";
        return Calls.empty() ? TTracedText{} : Calls.back();
    }
    QImage LastImage;
};

const uint32_t Plain = DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE;
const uint32_t Wrapped = DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK;

TEST_F(ExtGridCellTextFixture, PlainTextFlagsFollowWrapMultilineAndEnhTextSize)
{
    Show();
    Grid->SetColWidths(1, 60);
    const QString Long = QStringLiteral("A text far too long for its cell");
    const QString TwoLines = QStringLiteral("first\rsecond");
    struct Case {
        QString Text;
        bool WW, Multi, Enh;
        QString Shown;
        uint32_t Flags;
    } Cases[] = {
        // One line: clipped, or cut with an ellipsis.
        {Long, false, false, false, Long, Plain},
        {Long, false, false, true, Long, Plain | DT_END_ELLIPSIS},
        // A carriage return without word wrap or multi-line cells: only the first line.
        {TwoLines, false, false, false, QStringLiteral("first"), Plain},
        {TwoLines, false, false, true, QStringLiteral("first"), Plain | DT_END_ELLIPSIS},
        // Multi-line cells keep every line.
        {TwoLines, false, true, false, TwoLines, DT_EDITCONTROL | Wrapped},
        {TwoLines, false, true, true, TwoLines, DT_EDITCONTROL | Wrapped},
        // Word wrap: wrapped, with an ellipsis only without multi-line cells.
        {Long, true, false, false, Long, Wrapped},
        {Long, true, false, true, Long, Wrapped | DT_END_ELLIPSIS},
        {TwoLines, true, true, true, TwoLines, Wrapped},
    };
    for (const Case& C : Cases) {
        Grid->SetCells(1, 1, C.Text);
        Grid->SetWordWrap(C.WW);
        Grid->SetMultilinecells(C.Multi);
        Grid->SetEnhTextSize(C.Enh);
        const TTracedText T = DrawnText(1, 1);
        EXPECT_EQ(T.Text, C.Shown) << C.Text.toStdString() << C.WW << C.Multi << C.Enh;
        EXPECT_EQ(T.Flags, C.Flags) << C.Text.toStdString() << C.WW << C.Multi << C.Enh;
        // The text stands inside the cell, XYOffset in from its sides.
        const TRect Cell = Grid->CellRect(1, 1);
        EXPECT_EQ(T.Rect.Left, Cell.Left + Grid->GridLineWidth() + 2);
        EXPECT_EQ(T.Rect.Top, Cell.Top + Grid->GridLineWidth() + 2);
    }
    SaveArtifact(LastImage, QStringLiteral("ExtGridCellText-flags"));
}

TEST_F(ExtGridCellTextFixture, AlignmentsMapToTheirFlagsAndTheVerticalOneIsKept)
{
    Show();
    Grid->SetWordWrap(false);
    Grid->SetCells(1, 1, QStringLiteral("x"));
    const struct {
        TAlignment HA;
        TVAlignment VA;
        uint32_t H, V;
    } Cases[] = {{taLeftJustify, vtaTop, DT_LEFT, DT_TOP},
                 {taRightJustify, vtaCenter, DT_RIGHT, DT_VCENTER},
                 {taCenter, vtaBottom, DT_CENTER, DT_BOTTOM}};
    for (const auto& C : Cases) {
        Grid->SetDefaultAlignment(C.HA);
        Grid->SetVAlignment(C.VA);
        const TTracedText T = DrawnText(1, 1);
        EXPECT_EQ(T.Flags, Plain | C.H | C.V) << C.HA;
        EXPECT_EQ(Grid->FVAlign, C.V) << C.VA;
    }
}

TEST_F(ExtGridCellTextFixture, LinksPasswordsAndFloatFormatsChangeTheShownText)
{
    Show();
    Grid->SetColWidths(1, 160);
    Grid->SetURLColor(clRed);
    Grid->OnIsPasswordCell = [](TObject*, int32_t ARow, int32_t, bool& Password) { Password = ARow == 5; };
    Grid->OnGetFloatFormat = [](TObject*, int32_t, int32_t ARow, bool& IsFloat, QString& Fmt) {
        IsFloat = ARow != 8;
        Fmt = ARow == 7 ? QStringLiteral("%.3d") : QStringLiteral("%.2f");
    };
    struct Case {
        int32_t Row;
        QString Text;
        bool Show, Full;
        QString Shown;
        bool Link;
    } Cases[] = {
        {2, QStringLiteral("http://example.com"), true, false, QStringLiteral("example.com"), true},
        {2, QStringLiteral("http://example.com"), true, true, QStringLiteral("http://example.com"), true},
        {2, QStringLiteral("http://example.com"), false, false, QStringLiteral("http://example.com"), false},
        {3, QStringLiteral("mailto:me@example.com"), true, false, QStringLiteral("me@example.com"), true},
        {4, QStringLiteral("no link"), true, false, QStringLiteral("no link"), false},
        {5, QStringLiteral("secret"), false, false, QStringLiteral("******"), false},
        {6, QStringLiteral("3.14159"), false, false, QStringLiteral("3.14"), false},
        {7, QStringLiteral("42"), false, false, QStringLiteral("042"), false},
        {8, QStringLiteral("2.5"), false, false, QStringLiteral("2.5"), false},
        {9, QStringLiteral("text"), false, false, QStringLiteral("text"), false},
    };
    for (const Case& C : Cases) {
        Grid->SetCells(1, C.Row, C.Text);
        Grid->SetURLShow(C.Show);
        Grid->SetURLFull(C.Full);
        const TTracedText T = DrawnText(1, C.Row);
        EXPECT_EQ(T.Text, C.Shown) << C.Text.toStdString();
        EXPECT_EQ(T.Underline, C.Link) << C.Text.toStdString();
        EXPECT_EQ(T.Color == clRed, C.Link) << C.Text.toStdString();
    }
    // The underline does not stay on the canvas for the next cells.
    Grid->SetURLShow(true);
    Grid->SetURLFull(false);
    EXPECT_FALSE(DrawnText(1, 4).Underline);
}

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

// The box of the pixels of exactly Color inside Area; an empty rectangle when none.
TRect ColorBox(const QImage& Image, const TRect& Area, TColor Color)
{
    TRect Box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    const QRgb Want = qRgb(Red(Color), Green(Color), Blue(Color));
    for (int32_t y = Area.Top; y < Area.Bottom; ++y)
        for (int32_t x = Area.Left; x < Area.Right; ++x)
            if ((Image.pixel(x, y) & 0xFFFFFF) == (Want & 0xFFFFFF)) {
                Box.Left = std::min(Box.Left, x);
                Box.Top = std::min(Box.Top, y);
                Box.Right = std::max(Box.Right, x + 1);
                Box.Bottom = std::max(Box.Bottom, y + 1);
            }
    return Box.Left == INT32_MAX ? TRect{} : Box;
}

// The grid's client area as rendered (the window's border cut away).
QImage ClientImage(TExtStringGrid* Grid)
{
    const QImage Image = RenderControl(Grid);
    const int32_t Border = (Image.width() - Grid->ClientWidth()) / 2;
    return Image.copy(Border, Border, Grid->ClientWidth(), Grid->ClientHeight());
}

// The header cell's content rectangle as the base grid hands it to the layers.
TRect HeaderContent(TExtStringGrid* Grid, int32_t ACol)
{
    TRect R = Grid->CellRect(ACol, 0);
    R.Right -= 1;
    R.Bottom -= 2;
    return R;
}

TEST_F(ExtGridCellTextFixture, SortIndicatorsStandBesideTheHeaderTextByItsAlignment)
{
    Grid->SetColWidths(1, 90);
    Grid->SetRowHeights(0, 40);
    Grid->SortSettings()->SetShow(true);
    Grid->SortSettings()->SetColumn(1);
    Grid->SetWordWrap(false);
    Show();
    // A text wider than the cell puts the indicator at the limits the cell leaves.
    Grid->SetCells(1, 0, QStringLiteral("A header text much wider than its column"));
    const TRect T = HeaderContent(Grid, 1);
    struct Case {
        TAlignment HA;
        TVAlignment VA;
        int32_t X, Y;
    } Cases[] = {
        {taLeftJustify, vtaTop, T.Right - 6, T.Top + 8},
        {taRightJustify, vtaCenter, T.Left + 6, T.Top + (T.Bottom - T.Top) / 2},
        {taCenter, vtaBottom, T.Left + 8, T.Bottom - 8},
    };
    for (const Case& C : Cases) {
        Grid->SetDefaultAlignment(C.HA);
        Grid->SetVAlignment(C.VA);
        const QImage Image = ClientImage(Grid);
        // The ascending arrow's grey side runs from its top (X, Y - 4) down to the left.
        const TRect Box = ColorBox(Image, Rect(C.X - 5, C.Y - 6, C.X + 3, C.Y + 6), clGray);
        EXPECT_EQ(Box.Right - 1, C.X) << C.HA << C.VA;
        EXPECT_EQ(Box.Top, C.Y - 4) << C.HA << C.VA;
    }

    // A vertically centred markup header: beside the markup's right edge, in the middle of the cell.
    Grid->SetEnableHTML(true);
    Grid->SetCells(1, 0, QStringLiteral("<b>Name</b>"));
    Grid->SetDefaultAlignment(taLeftJustify);
    Grid->SetVAlignment(vtaCenter);
    const QImage Image = ClientImage(Grid);
    SaveArtifact(Image, QStringLiteral("ExtGridCellText-markup-sort-header"));
    const int32_t X = T.Right - 2 - 10 + 2;
    const int32_t Top = T.Top + 1 + 2;
    const int32_t Y = Top + (T.Bottom - Top) / 2;
    EXPECT_EQ(ColorBox(Image, Rect(X - 5, Y - 6, X + 3, Y + 6), clGray).Right - 1, X);
    EXPECT_EQ(ColorBox(Image, Rect(X - 5, Y - 6, X + 3, Y + 6), clGray).Top, Y - 4);
    // Another column of the header shows none.
    const TRect Other = Grid->CellRect(2, 0);
    EXPECT_EQ(ColorBox(Image, Rect(Other.Left + 4, Other.Top + 4, Other.Right - 4, Other.Bottom - 4), clGray), TRect{});
}

TEST_F(ExtGridCellTextFixture, FilterButtonsTakeTheirPlaceAtTheHeaderCellsRightEdge)
{
    Grid->SetFixedColor(clYellow);
    Grid->SetWordWrap(false);
    Grid->OnGetColumnFilter = [](TObject*, int32_t ACol, TStrings* Items) {
        if (ACol == 2) Items->Add(QStringLiteral("one"));
    };
    Grid->SetCells(2, 0, QStringLiteral("Filtered"));
    Grid->SetCells(3, 0, QStringLiteral("Plain"));
    Show();
    TTextTracer Trace;
    QImage Image = ClientImage(Grid);
    SaveArtifact(Image, QStringLiteral("ExtGridCellText-filter"));
    // The text leaves the button its 16 pixels; the button stands at the cell's top right.
    const auto Filtered = Trace.DrawnIn(Grid->CellRect(2, 0));
    const auto Unfiltered = Trace.DrawnIn(Grid->CellRect(3, 0));
    ASSERT_FALSE(Filtered.empty());
    ASSERT_FALSE(Unfiltered.empty());
    const TRect F = Filtered.back().Rect;
    EXPECT_EQ(Unfiltered.back().Rect.Right - Grid->CellRect(3, 0).Left, F.Right + 16 - Grid->CellRect(2, 0).Left);
    const int32_t X0 = F.Right + 2, Y0 = F.Top - 2;
    // Our own bitmap: its background in the fixed colour, the funnel's stem dark.
    EXPECT_EQ(Image.pixel(X0 + 1, Y0 + 5) & 0xFFFFFF, qRgb(255, 255, 0) & 0xFFFFFF);
    EXPECT_EQ(Image.pixel(X0 + 7, Y0 + 11) & 0xFFFFFF, qRgb(48, 48, 48) & 0xFFFFFF);
    EXPECT_EQ(Image.pixel(X0 + 15, Y0 + 15) & 0xFFFFFF, qRgb(255, 255, 0) & 0xFFFFFF);
    EXPECT_NE(Image.pixel(X0 - 1, Y0 + 1) & 0xFFFFFF, qRgb(255, 255, 0) & 0xFFFFFF);

    // The property's glyph instead, drawn transparently.
    Grid->FilterDropDown()->SetGlyph(Glyph(clRed).get());
    Image = ClientImage(Grid);
    EXPECT_EQ(Image.pixel(X0 + 3, Y0 + 3) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF);
    EXPECT_NE(Image.pixel(X0, Y0) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF);
}

TEST_F(ExtGridCellTextFixture, SelectionRectangleFramesTheSelectionWithItsResizer)
{
    Grid->SetOptions(Grid->Options() + TGridOptions{goRangeSelect});
    Grid->SetSelectionRectangle(true);
    Grid->SetSelectionResizer(true);
    Grid->SetSelectionRectangleColor(clRed);
    Show();
    Grid->SetSelection(TGridRect{1, 1, 2, 2});
    const QImage Image = ClientImage(Grid);
    SaveArtifact(Image, QStringLiteral("ExtGridCellText-selection-rectangle"));
    const auto RedNear = [&](int32_t X, int32_t Y) {
        for (int32_t dx = -1; dx <= 1; ++dx)
            for (int32_t dy = -1; dy <= 1; ++dy)
                if ((Image.pixel(X + dx, Y + dy) & 0xFFFFFF) == 0xFF0000) return true;
        return false;
    };
    const TRect A = Grid->CellRect(1, 1), B = Grid->CellRect(2, 2);
    const int32_t MidY = (A.Top + B.Bottom) / 2, MidX = (A.Left + B.Right) / 2;
    EXPECT_TRUE(RedNear(A.Left + 1, MidY)) << "left side";
    EXPECT_TRUE(RedNear(B.Right - 2, MidY)) << "right side";
    EXPECT_TRUE(RedNear(MidX, A.Top + 1)) << "top side";
    EXPECT_TRUE(RedNear(MidX, B.Bottom - 1)) << "bottom side";
    // The resizer fills the last cell's corner; inside the frame nothing is red.
    int32_t Corner = 0;
    for (int32_t y = B.Bottom - 5; y < B.Bottom - 1; ++y)
        for (int32_t x = B.Right - 5; x < B.Right - 1; ++x) Corner += (Image.pixel(x, y) & 0xFFFFFF) == 0xFF0000 ? 1 : 0;
    EXPECT_GE(Corner, 10);
    EXPECT_FALSE(RedNear((A.Left + A.Right) / 2, (A.Top + A.Bottom) / 2));
    const TRect Out = Grid->CellRect(3, 3);
    EXPECT_FALSE(RedNear((Out.Left + Out.Right) / 2, Out.Top + 2));
}

class TMirroredGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    bool UseRightToLeftReading() const override { return true; }
    bool UseRightToLeftAlignment() const override { return true; }
};

TEST(ExtGridCellTextRightToLeft, CellsAfterAnIndexedSortIndicatorDrawAsBefore)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    Form->SetClientWidth(420);
    Form->SetClientHeight(270);
    const auto Make = [&](bool Mirrored) -> TExtStringGrid* {
        TExtStringGrid* G = Mirrored ? New<TMirroredGrid>(Form.get()) : New<TTestExtGrid>(Form.get());
        G->SetParent(Form.get());
        G->SetBounds(Mirrored ? 210 : 0, 0, 200, 260);
        G->SetWordWrap(false);
        G->SortSettings()->SetShow(true);
        G->SortSettings()->SetIndexShow(true);
        G->SortSettings()->SetColumn(1);
        G->SortIndexes()->AddIndex(1, false);
        for (int32_t r = 0; r < 4; ++r)
            for (int32_t c = 0; c < 3; ++c) G->SetCells(c, r, QStringLiteral("c%1r%2").arg(c).arg(r));
        return G;
    };
    TExtStringGrid* Plain = Make(false);
    TExtStringGrid* Mirrored = Make(true);
    Form->Show();
    ProcessPendingEvents();
    const auto Texts = [](TExtStringGrid* G) {
        // Paints still pending (of either grid) happen before the trace starts.
        ProcessPendingEvents();
        TTextTracer Trace;
        RenderControl(G);
        std::vector<std::pair<QString, TRect>> Result;
        for (const TTracedText& T : Trace.Calls()) {
            if (T.Flags & DT_CALCRECT || T.Text.isEmpty()) continue;
            // One paint: the calls until the first cell comes again.
            if (!Result.empty() && Result.front().first == T.Text) break;
            EXPECT_EQ(static_cast<bool>(T.Flags & DT_RTLREADING), G->UseRightToLeftReading() && !T.Out) << T.Text.toStdString();
            Result.emplace_back(T.Text, T.Rect);
        }
        return Result;
    };
    const auto Expected = Texts(Plain);
    // The key number was drawn, and every later cell of the right-to-left grid lies where it lay before.
    EXPECT_TRUE(std::any_of(Expected.begin(), Expected.end(), [](const auto& E) { return E.first == QStringLiteral("1"); }));
    EXPECT_EQ(Texts(Mirrored), Expected);
}

}  // namespace
