// Tests of the base grid's cell painting on rendered pixels: lines of each width, hover and active
// rows, rounded selections and their end kinds, the hidden last row, merged areas under fixed
// cells and how often an area is painted; and the demo image.
#include "BaseGridTestSupport.h"

#include "support/Artifacts.h"

#include "grid/base/ExtUtil.h"

#include "graphics/Bitmap.h"
#include "windows/StdCtrls.h"

#include <QRect>

namespace {

using BaseGridPaintTest = BaseGridFixture;

// Marks pixels nothing painted.
constexpr TColor Untouched = 0xFF00FF;

// One cell painted alone (PaintCell) into an image of the grid's size filled with Untouched.
QImage PaintAlone(TTestGrid* Grid, int32_t ACol, int32_t ARow, TGridDrawState State, bool WithContent = true)
{
    TBitmap Bitmap;
    Bitmap.SetSize(Grid->ClientWidth(), Grid->ClientHeight());
    Bitmap.Canvas()->Brush()->SetColor(Untouched);
    Bitmap.Canvas()->FillRect(Rect(0, 0, Bitmap.Width(), Bitmap.Height()));
    const TRect R = Grid->CellRect(ACol, ARow);
    if (WithContent)
        Grid->PaintCell(Bitmap.Canvas(), ACol, ARow, R, State);
    else
        Grid->PaintCellExt(Bitmap.Canvas(), ACol, ARow, R, State);
    QImage Image(Bitmap.Width(), Bitmap.Height(), QImage::Format_RGB32);
    for (int32_t Y = 0; Y < Bitmap.Height(); ++Y)
        for (int32_t X = 0; X < Bitmap.Width(); ++X) {
            const COLORREF C = ColorToRGB(Bitmap.Canvas()->Pixels(X, Y));
            Image.setPixel(X, Y, qRgb(GetRValue(C), GetGValue(C), GetBValue(C)));
        }
    return Image;
}

// The positions along a vertical (horizontal) scan through the image where it has Color.
QList<int32_t> RunAt(const QImage& Image, TColor Color, bool Vertical, int32_t At, int32_t From, int32_t To)
{
    QList<int32_t> Found;
    for (int32_t I = From; I < To; ++I)
        if (PixelColor(Image, Vertical ? At : I, Vertical ? I : At) == ColorToRGB(Color)) Found.append(I);
    return Found;
}

QList<int32_t> Range(int32_t From, int32_t To)
{
    QList<int32_t> Result;
    for (int32_t I = From; I < To; ++I) Result.append(I);
    return Result;
}

QString Text(const TRect& R)
{
    return QStringLiteral("%1,%2,%3,%4").arg(R.Left).arg(R.Top).arg(R.Right).arg(R.Bottom);
}

// Counts pixels of the area that have Color.
int32_t CountColor(const QImage& Image, TColor Color, const QRect& Area)
{
    int32_t Count = 0;
    for (int32_t Y = Area.top(); Y <= Area.bottom(); ++Y)
        for (int32_t X = Area.left(); X <= Area.right(); ++X)
            if (PixelColor(Image, X, Y) == ColorToRGB(Color)) ++Count;
    return Count;
}

QRect ToQRect(const TRect& R)
{
    return QRect(R.Left, R.Top, R.Width(), R.Height());
}

}  // namespace

TEST_F(BaseGridPaintTest, GridLinesOfEachWidthStayInsideTheCell)
{
    MakeGrid(6, 6);
    Grid->SetGridLineColor(clRed);
    Grid->SetGridFixedLineColor(clBlue);
    struct TCase {
        const char* Name;
        int32_t Width;
        int32_t Col, Row;
        TColor Line;
        int32_t Thickness;
        // Content rectangle relative to the cell: left, top, right, bottom insets.
        TRect Inset;
    } Cases[] = {
        {"width 0", 0, 2, 2, clRed, 0, {0, 0, 0, 0}},
        {"width 1", 1, 2, 2, clRed, 1, {1, 1, 1, 1}},
        {"width 2", 2, 2, 2, clRed, 2, {2, 2, 2, 2}},
        {"width 3", 3, 2, 2, clRed, 3, {3, 3, 3, 3}},
        {"fixed cell, width 3", 3, 2, 0, clBlue, 1, {0, 0, 1, 2}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Grid->SetGridLineWidth(Case.Width);
        const TRect R = Grid->CellRect(Case.Col, Case.Row);
        const TGridDrawState State = Case.Row == 0 ? TGridDrawState{gdFixed} : TGridDrawState{};
        const QImage Image = PaintAlone(Grid, Case.Col, Case.Row, State);
        SaveArtifact(Image, QStringLiteral("basegrid-line-%1").arg(Case.Name).replace(' ', '-').replace(',', ""));

        // The bottom line along the middle column, the right line along the middle row.
        const int32_t MidX = R.Left + R.Width() / 2;
        const int32_t MidY = R.Top + R.Height() / 2;
        EXPECT_EQ(RunAt(Image, Case.Line, true, MidX, R.Top, R.Bottom + 3), Range(R.Bottom - Case.Thickness, R.Bottom));
        EXPECT_EQ(RunAt(Image, Case.Line, false, MidY, R.Left, R.Right + 3), Range(R.Right - Case.Thickness, R.Right));
        // Nothing outside the cell but what the wide pens reach left of and above it.
        EXPECT_EQ(CountColor(Image, Untouched, QRect(R.Left, R.Top, R.Width(), R.Height())), 0);
        EXPECT_EQ(CountColor(Image, Case.Line, QRect(0, R.Bottom, Image.width(), Image.height() - R.Bottom)), 0);
        EXPECT_EQ(Text(Grid->LastContent), Text(Rect(R.Left + Case.Inset.Left, R.Top + Case.Inset.Top,
                                                     R.Right - Case.Inset.Right, R.Bottom - Case.Inset.Bottom)));
    }
}

TEST_F(BaseGridPaintTest, LineOptionsNodesAndRightToLeft)
{
    MakeGrid(6, 6);
    Grid->SetGridLineColor(clRed);
    Grid->SetFixedCols(0);
    Grid->SetLeftCol(0);
    const TRect R = Grid->CellRect(0, 3);
    const int32_t MidX = R.Left + R.Width() / 2;
    const int32_t MidY = R.Top + R.Height() / 2;

    // With nodes column 0 gets no horizontal line; right-to-left alignment moves the vertical one right.
    Grid->Nodes = true;
    Grid->RightToLeftAlignment = true;
    QImage Image = PaintAlone(Grid, 0, 3, {});
    EXPECT_TRUE(RunAt(Image, clRed, true, MidX, R.Top, R.Bottom + 3).isEmpty());
    EXPECT_EQ(RunAt(Image, clRed, false, MidY, R.Left, R.Right + 3), QList<int32_t>{R.Right});

    // Without the line options nothing is drawn.
    Grid->Nodes = false;
    Grid->RightToLeftAlignment = false;
    TGridOptions Options = Grid->Options();
    Options.Exclude(goVertLine);
    Options.Exclude(goHorzLine);
    Grid->SetOptions(Options);
    Image = PaintAlone(Grid, 0, 3, {});
    EXPECT_EQ(CountColor(Image, clRed, Image.rect()), 0);
}

TEST_F(BaseGridPaintTest, HoverRowCells)
{
    MakeGrid(5, 6);
    Grid->SetHoverRow(true);
    Grid->SetHoverRowColor(clAqua);
    Grid->FHoverRowIdx = 3;
    struct TCase {
        const char* Name;
        THoverRowCells Cells;
        int32_t Col, Row;
        TGridDrawState State;
        TColor Expected;
    } Cases[] = {
        {"normal cell", {hcNormal, hcSelected}, 2, 3, {}, clAqua},
        {"normal cell without hcNormal", {}, 2, 3, {}, clAqua},
        {"other row", {hcNormal, hcSelected}, 2, 2, {}, clWindow},
        {"selected, hcSelected", {hcNormal, hcSelected}, 2, 3, {gdSelected}, clAqua},
        {"selected, no hcSelected", {hcNormal}, 2, 3, {gdSelected}, clHighlight},
        {"fixed, no hcFixed", {hcNormal, hcSelected}, 0, 3, {gdFixed}, clBtnFace},
        {"fixed, hcFixed", {hcFixed}, 0, 3, {gdFixed}, clAqua},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Grid->SetHoverRowCells(Case.Cells);
        const QImage Image = PaintAlone(Grid, Case.Col, Case.Row, Case.State);
        const TPoint Mid = CenterPoint(Grid->CellRect(Case.Col, Case.Row));
        EXPECT_EQ(ColorText(PixelColor(Image, Mid.X, Mid.Y)), ColorText(Case.Expected));
    }

    // With a selection style the rounded selection still draws over the hover colour.
    Grid->SetHoverRowCells({hcNormal, hcSelected});
    Grid->SetSelectionStyle(ssVista);
    const QImage Image = PaintAlone(Grid, 2, 3, {gdSelected});
    const TRect R = Grid->CellRect(2, 3);
    EXPECT_NE(PixelColor(Image, R.Left + 10, R.Top + 5), ColorToRGB(clAqua));
}

TEST_F(BaseGridPaintTest, ActiveRowOnRenderedGrid)
{
    MakeGrid(5, 6);
    Grid->SetActiveRowColor(clLime);
    Grid->SetActiveRowShow(true);
    Grid->SetCol(2);
    Grid->SetRow(3);
    const auto Mid = [this](int32_t C, int32_t R) { return CenterPoint(Grid->CellRect(C, R)); };

    QImage Image = Render();
    SaveArtifact(Image, "basegrid-active-row");
    struct TCase {
        int32_t Col, Row;
        TColor Expected;
    } Shown[] = {
        {1, 3, clLime},     // the row's other cells
        {4, 3, clLime},     //
        {2, 3, clWindow},   // not over the current cell while the selection shows
        {0, 3, clBtnFace},  // nor over the fixed column
        {1, 2, clWindow},
    };
    for (const TCase& Case : Shown) {
        const TPoint P = Mid(Case.Col, Case.Row);
        EXPECT_EQ(ColorText(PixelColor(Image, P.X, P.Y)), ColorText(Case.Expected)) << Case.Col << "," << Case.Row;
    }

    // Without the selection shown the current cell takes the row colour too.
    Grid->FShowSel = false;
    Image = Render();
    EXPECT_EQ(ColorText(PixelColor(Image, Mid(2, 3).X, Mid(2, 3).Y)), ColorText(clLime));

    // Moving the current cell repaints the old and the new row.
    Grid->FShowSel = true;
    Input::PressKey(VK_DOWN);
    Image = RenderControl(Grid);
    EXPECT_EQ(ColorText(PixelColor(Image, Mid(1, 3).X, Mid(1, 3).Y)), ColorText(clWindow));
    EXPECT_EQ(ColorText(PixelColor(Image, Mid(1, 4).X, Mid(1, 4).Y)), ColorText(clLime));

    // A mirrored gradient: upper half from the row colour, lower half from the mirror colour.
    Grid->SetActiveRowColorTo(clGreen);
    Grid->SetActiveRowMirrorColor(clNavy);
    Grid->SetActiveRowMirrorColorTo(clBlue);
    Image = Render();
    const TRect R = Grid->CellRect(1, 4);
    EXPECT_EQ(ColorText(PixelColor(Image, R.Left + 5, R.Top)), ColorText(clLime));
    EXPECT_EQ(ColorText(PixelColor(Image, R.Left + 5, R.Top + R.Height() / 2)), ColorText(clNavy));

    // Painted without content a selected cell shows the active-row colours.
    Grid->SetActiveRowColorTo(clNone);
    Grid->SetActiveRowMirrorColorTo(clNone);
    Grid->Painted.clear();
    Image = PaintAlone(Grid, 3, 1, {gdSelected}, false);
    const TPoint P = Mid(3, 1);
    EXPECT_EQ(ColorText(PixelColor(Image, P.X, P.Y)), ColorText(clLime));
    EXPECT_TRUE(Grid->Painted.isEmpty());
}

TEST_F(BaseGridPaintTest, RoundedSelectionEndsAndColourSets)
{
    MakeGrid(4, 5);
    TEdit* Other = New<TEdit>(Form.get());
    Other->SetParent(Form.get());
    Other->SetBoundsRect(Bounds(0, 0, 5, 5));
    Grid->SetOptions(Grid->Options() + TGridOptions{goRowSelect});
    Grid->SetRow(2);
    ProcessPendingEvents();

    // The expected look of a cell: the selection primitive drawn alone, then the grid's lines.
    const auto Expected = [this](int32_t EndKind, bool Focused, TGridSelectionStyle Style, int32_t Grow) {
        struct TSet {
            uint32_t From, To, Outer, Upper, Lower, Corner, LowerFrom, LowerTo;
        };
        const TSet Vista{0xF1F8FD, 0xD5EFFC, 0x99DEFD, 0xF6FBFD, 0xE7F5FD, 0xCBEDFC, 0, 0};
        const TSet Office{0xFDFFD7, 0xFCD458, 0xD3D78D, 0xFFFEF4, 0xFFF8CA, 0xDFD9C3, 0xFCD458, 0xFCF1B3};
        const TSet Grey{0xF8F8F8, 0xE5E5E5, 0xD9D9D9, 0xFAFAFB, 0xF0F0F0, 0xEFEFEF, 0, 0};
        const TSet& S = !Focused ? Grey : Style == ssOffice2007 ? Office : Vista;
        const auto C = [](uint32_t Hex) { return static_cast<TColor>(RGB(Hex >> 16, (Hex >> 8) & 0xFF, Hex & 0xFF)); };
        const TColor LowerFrom = S.LowerFrom ? C(S.LowerFrom) : clNone;
        const TColor LowerTo = S.LowerTo ? C(S.LowerTo) : clNone;
        TBitmap Bitmap;
        Bitmap.SetSize(50 + Grow, 20 + Grow);
        DrawRoundedSelection(Bitmap.Canvas(), C(S.From), C(S.To), LowerFrom, LowerTo, C(S.Upper), C(S.Lower),
                             C(S.Outer), C(S.Corner), Grid->Color(), Rect(0, 0, 50 + Grow, 20 + Grow), EndKind);
        QImage Image(50, 20, QImage::Format_RGB32);
        for (int32_t Y = 0; Y < 20; ++Y)
            for (int32_t X = 0; X < 50; ++X) {
                const COLORREF P = ColorToRGB(Bitmap.Canvas()->Pixels(X, Y));
                Image.setPixel(X, Y, qRgb(GetRValue(P), GetGValue(P), GetBValue(P)));
            }
        return Image;
    };
    // The cell's pixels inside its lines.
    const auto Inside = [this](const QImage& Image, int32_t ACol) {
        const TRect R = Grid->CellRect(ACol, 2);
        return Image.copy(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
    };

    struct TCase {
        const char* Name;
        TGridSelectionStyle Style;
        bool Focused;
        bool RightToLeft;
    } Cases[] = {
        {"vista focused", ssVista, true, false},
        {"vista unfocused", ssVista, false, false},
        {"office focused", ssOffice2007, true, false},
        {"vista right-to-left reading", ssVista, true, true},  // the box one pixel wider and taller
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Grid->SetSelectionStyle(Case.Style);
        Grid->RightToLeftReading = Case.RightToLeft;
        if (Case.Focused)
            Grid->SetFocus();
        else
            Other->SetFocus();
        ProcessPendingEvents();
        ASSERT_EQ(Grid->Focused(), Case.Focused);
        const QImage Image = Render();
        SaveArtifact(Image, QStringLiteral("basegrid-selection-%1").arg(Case.Name).replace(' ', '-'));
        const int32_t Kinds[] = {1, 3, 2};
        for (int32_t C = 1; C <= 3; ++C) {
            const QImage Want =
                Expected(Kinds[C - 1], Case.Focused, Case.Style, Case.RightToLeft ? 1 : 0).copy(0, 0, 49, 19);
            EXPECT_TRUE(Inside(Image, C) == Want) << "column " << C;
        }
    }

    // ssDefault: no rounded ends, the selection colour from the look.
    Grid->RightToLeftReading = false;
    Grid->SetSelectionStyle(ssDefault);
    const QImage Image = Render();
    const TRect R = Grid->CellRect(1, 2);
    EXPECT_EQ(ColorText(PixelColor(Image, R.Left, R.Top)), ColorText(clHighlight));
    EXPECT_EQ(ColorText(PixelColor(Image, R.Left + 25, R.Top + 10)), ColorText(clHighlight));
}

TEST_F(BaseGridPaintTest, HiddenLastRowShowsOnlyTheGridColour)
{
    MakeGrid(4, 6);
    Grid->SetColor(clCream);
    Grid->SetCells(1, 5, "footer");
    Grid->FHideLastRow = true;
    const QImage Image = Render();
    QRect Row;
    for (int32_t C = 0; C < 4; ++C) Row |= ToQRect(Grid->CellRect(C, 5));
    EXPECT_EQ(CountColor(Image, clCream, Row), Row.width() * Row.height());
    EXPECT_FALSE(Grid->Painted.contains("1,5"));
}

TEST_F(BaseGridPaintTest, MergedAreasArePaintedAtMostTwicePerPass)
{
    MakeGrid(6, 10);
    Grid->SetCells(2, 1, "area");
    Grid->MergeCells(2, 1, 2, 3);  // columns 2-3, rows 1-3
    Grid->Visual = [](int32_t C, int32_t R, TBrush* Brush) {
        if (C >= 2 && C <= 3 && R >= 1 && R <= 3) Brush->SetColor(clYellow);
    };
    const auto PaintsOfArea = [this] { return Grid->Painted.count("2,1"); };

    // The base cell shows: once through it, once through the first covered cell.
    const int32_t Pass = Grid->FPaintID;
    QImage Image = Render();
    EXPECT_EQ(PaintsOfArea(), 2);
    EXPECT_GT(Grid->FPaintID, Pass);
    for (const char* Cell : {"3,1", "2,2", "3,3"}) EXPECT_FALSE(Grid->Painted.contains(Cell)) << Cell;
    // One area: yellow throughout, no line between its cells, lines round it.
    const TRect Area = Grid->CellRect(3, 3);
    EXPECT_EQ(Text(Area), Text(Rect(100, 20, 200, 80)));
    EXPECT_EQ(ColorText(PixelColor(Image, 149, 39)), ColorText(clYellow));
    EXPECT_EQ(ColorText(PixelColor(Image, 199, 50)), ColorText(clSilver));
    Image = Render();
    EXPECT_EQ(PaintsOfArea(), 2);  // the next pass again

    // Scrolled so that the base row is out of view: once, and clipped under the fixed row.
    Grid->SetTopRow(2);
    Image = Render();
    SaveArtifact(Image, "basegrid-merged-under-fixed");
    EXPECT_EQ(PaintsOfArea(), 1);
    EXPECT_EQ(Text(Grid->CellRect(2, 2)), Text(Rect(100, 0, 200, 60)));
    for (int32_t X : {100, 150, 198}) {
        EXPECT_EQ(ColorText(PixelColor(Image, X, 10)), ColorText(clBtnFace)) << X;
        EXPECT_EQ(ColorText(PixelColor(Image, X, 25)), ColorText(clYellow)) << X;
    }

    // Scrolled sideways under the fixed column.
    Grid->SetTopRow(1);
    Grid->SetLeftCol(3);
    Image = Render();
    EXPECT_EQ(ColorText(PixelColor(Image, 25, 30)), ColorText(clBtnFace));
    EXPECT_EQ(ColorText(PixelColor(Image, 55, 30)), ColorText(clYellow));
}

TEST_F(BaseGridPaintTest, ExtraFixedCellsPaintAsFixed)
{
    MakeGrid(5, 5);
    Grid->SetGridFixedLineColor(clBlue);
    Grid->ExtraFixed = [](int32_t C, int32_t R) { return C == 4 && R == 2; };
    Grid->SetCol(4);
    Grid->SetRow(2);
    Grid->SetSelection({1, 2, 4, 2});
    const QImage Image = Render();
    const TRect R = Grid->CellRect(4, 2);
    EXPECT_EQ(ColorText(PixelColor(Image, R.Left + 10, R.Top + 10)), ColorText(clBtnFace));
    EXPECT_EQ(ColorText(PixelColor(Image, R.Left + 10, R.Bottom - 1)), ColorText(clBlue));
}

// A grid as the rule tables show one: two header rows with merged group headers, a hovered row,
// the active row and a Vista selection.
TEST_F(BaseGridPaintTest, DemoImage)
{
    MakeGrid(6, 9, 330, 190);
    Grid->SetDefaultColWidth(54);
    Grid->SetFixedRows(2);
    Grid->SetOptions(Grid->Options() + TGridOptions{goDrawFocusSelected});
    const QString Heads[] = {"", "Index", "Type", "Offset", "Size", "Name"};
    for (int32_t C = 0; C < 6; ++C) Grid->SetCells(C, 1, Heads[C]);
    Grid->SetCells(1, 0, "Object");
    Grid->MergeCells(1, 0, 2, 1);
    Grid->SetCells(3, 0, "Mapping");
    Grid->MergeCells(3, 0, 3, 1);
    Grid->SetCells(0, 0, "#");
    Grid->MergeCells(0, 0, 1, 2);
    for (int32_t R = 2; R < 9; ++R) {
        Grid->SetCells(0, R, QString::number(R - 1));
        Grid->SetCells(1, R, QStringLiteral("0x%1").arg(0x2000 + R, 4, 16, QLatin1Char('0')));
        Grid->SetCells(2, R, R % 2 ? "INT" : "UINT");
        Grid->SetCells(3, R, QString::number((R - 2) * 2));
        Grid->SetCells(4, R, "2");
        Grid->SetCells(5, R, QStringLiteral("Value %1").arg(R - 1));
    }
    Grid->SetHoverRow(true);
    Grid->FHoverRowIdx = 3;
    Grid->SetActiveRowShow(true);
    Grid->SetSelectionStyle(ssVista);
    Grid->SetCol(2);
    Grid->SetRow(6);
    Grid->SetSelection({2, 6, 4, 6});
    const QImage Image = Render();
    SaveArtifact(Image, "basegrid-demo");
    // The merged header is one cell: its text once, centred over both columns.
    EXPECT_EQ(Grid->Painted.count("1,0"), 2);
    EXPECT_FALSE(Grid->Painted.contains("2,0"));
    const TRect Head = Grid->CellRect(2, 0);
    EXPECT_EQ(Head.Width(), 108);
    EXPECT_EQ(ColorText(PixelColor(Image, Grid->CellRect(5, 3).Left + 1, Grid->CellRect(5, 3).Top + 1)),
              ColorText(clInfoBk));
}
