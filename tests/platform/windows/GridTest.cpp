// The string grid's core: counts and sizes, where cells lie, the cell store beyond the counts, and the states cells are drawn in.
#include "GridTestSupport.h"

#include "support/Artifacts.h"

#include "graphics/Canvas.h"
#include "rtl/Strings.h"

#include <gtest/gtest.h>

namespace {

using GridShapeTest = GridFixture;

// ---- Counts and sizes ----

TEST_F(GridShapeTest, BadCountsRaiseAndChangeNothing)
{
    MakeGrid(5, 5);
    struct TCase {
        const char* Name;
        std::function<void(TLoggingGrid*)> Act;
    } Cases[] = {
        {"negative ColCount", [](TLoggingGrid* G) { G->SetColCount(-1); }},
        {"negative RowCount", [](TLoggingGrid* G) { G->SetRowCount(-1); }},
        {"negative FixedCols", [](TLoggingGrid* G) { G->SetFixedCols(-1); }},
        {"FixedCols = ColCount", [](TLoggingGrid* G) { G->SetFixedCols(5); }},
        {"FixedRows > RowCount", [](TLoggingGrid* G) { G->SetFixedRows(9); }},
        {"width of column ColCount", [](TLoggingGrid* G) { G->SetColWidths(5, 10); }},
        {"height of a negative row", [](TLoggingGrid* G) { G->SetRowHeights(-1, 10); }},
        {"Col beyond the grid", [](TLoggingGrid* G) { G->SetCol(7); }},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_THROW(Case.Act(Grid), EInvalidGridOperation);
        EXPECT_EQ(Grid->ColCount(), 5);
        EXPECT_EQ(Grid->RowCount(), 5);
        EXPECT_EQ(Grid->FixedCols(), 1);
        EXPECT_EQ(Grid->FixedRows(), 1);
        EXPECT_EQ(Grid->Col(), 1);
    }
}

TEST_F(GridShapeTest, LoweringACountLowersTheFixedCountAndKeepsTheCurrentCellInside)
{
    MakeGrid(6, 6);
    Grid->SetFixedCols(3);
    Grid->SetFixedRows(2);
    Grid->SetCol(5);
    Grid->SetRow(5);
    Grid->SetRowCount(2);
    EXPECT_EQ(Grid->FixedRows(), 1);
    EXPECT_EQ(Grid->Row(), 1);
    Grid->SetColCount(3);
    EXPECT_EQ(Grid->FixedCols(), 2);
    EXPECT_EQ(Grid->Col(), 2);
    Grid->SetColCount(0);
    EXPECT_EQ(Grid->FixedCols(), 0);
}

TEST_F(GridShapeTest, DefaultSizesResetEveryWidthAndHeight)
{
    MakeGrid(5, 5);
    Grid->SetColWidths(2, 90);
    Grid->SetRowHeights(3, 7);
    Grid->SetDefaultColWidth(30);
    Grid->SetDefaultRowHeight(15);
    EXPECT_EQ(Grid->ColWidths(2), 30);
    EXPECT_EQ(Grid->RowHeights(3), 15);
    EXPECT_EQ(Grid->CellRect(2, 3), Bounds(62, 48, 30, 15));
}

// ---- Where cells lie ----

TEST_F(GridShapeTest, CellRectAndMouseToCellAtEdgesAndOutOfView)
{
    // 300 x 200 client: columns of 50 + 1, rows of 20 + 1; column 2 is 80 wide.
    MakeGrid(10, 20);
    Grid->SetColWidths(2, 80);
    Grid->SetLeftCol(2);
    Grid->SetTopRow(4);
    struct TCase {
        int32_t Col, Row;
        TRect Rect;
    } Cells[] = {
        {0, 0, Bounds(0, 0, 50, 20)},       // fixed corner
        {2, 0, Bounds(51, 0, 80, 20)},      // first scrolling column in the fixed row
        {3, 4, Bounds(132, 21, 50, 20)},    // first scrolling row
        {1, 4, {}},                         // scrolled out to the left
        {3, 2, {}},                         // scrolled out above
        {5, 12, Bounds(234, 189, 50, 11)},  // the part row at the bottom, cut at the client edge
        {6, 4, Bounds(285, 21, 15, 20)},    // the part column at the right
        {7, 4, {}},                         // beyond the client area
        {10, 4, {}},                        // beyond the grid
    };
    for (const auto& Case : Cells) {
        SCOPED_TRACE(QStringLiteral("cell %1,%2").arg(Case.Col).arg(Case.Row).toStdString());
        EXPECT_EQ(Grid->CellRect(Case.Col, Case.Row), Case.Rect);
    }
    struct TPointCase {
        TPoint At;
        int32_t Col, Row;
    } Points[] = {
        {{0, 0}, 0, 0},      {{49, 19}, 0, 0},    {{50, 20}, 0, 0},   // the line after a cell belongs to it
        {{51, 21}, 2, 4},    {{131, 41}, 2, 4},   {{132, 42}, 3, 5},  //
        {{299, 199}, 6, 12}, {{300, 10}, -1, -1}, {{10, 200}, -1, -1}, {{-1, 5}, -1, -1},
    };
    for (const auto& Case : Points) {
        SCOPED_TRACE(QStringLiteral("point %1,%2").arg(Case.At.X).arg(Case.At.Y).toStdString());
        int32_t Col = 99, Row = 99;
        Grid->MouseToCell(Case.At.X, Case.At.Y, Col, Row);
        EXPECT_EQ(Col, Case.Col);
        EXPECT_EQ(Row, Case.Row);
    }
    EXPECT_EQ(Grid->VisibleColCount(), 4);
    EXPECT_EQ(Grid->VisibleRowCount(), 8);
}

// ---- The cell store ----

TEST_F(GridShapeTest, CellsBeyondTheCountsSurviveAShrinkAndShowAfterAGrow)
{
    MakeGrid(3, 3);
    TObject Marker;
    Grid->SetCells(2, 2, QStringLiteral("kept"));
    Grid->SetCells(7, 40, QStringLiteral("far"));
    Grid->SetObjects(2, 2, &Marker);
    Grid->SetRowCount(2);
    Grid->SetColCount(2);
    EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("kept"));
    Grid->SetRowCount(50);
    Grid->SetColCount(10);
    EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("kept"));
    EXPECT_EQ(Grid->Objects(2, 2), &Marker);
    EXPECT_EQ(Grid->Cells(7, 40), QStringLiteral("far"));
    EXPECT_EQ(Grid->Cells(6, 39), QString());
    EXPECT_EQ(Grid->Objects(7, 40), nullptr);
    // Far beyond any count, and far out in a row.
    Grid->SetCells(100000, 3, QStringLiteral("wide"));
    Grid->SetCells(1, 2000000000, QStringLiteral("deep"));
    EXPECT_EQ(Grid->Cells(100000, 3), QStringLiteral("wide"));
    EXPECT_EQ(Grid->Cells(1, 2000000000), QStringLiteral("deep"));
    EXPECT_THROW(Grid->SetCells(-1, 0, QStringLiteral("x")), EInvalidGridOperation);
}

TEST_F(GridShapeTest, RowsAndColumnsAsStringLists)
{
    MakeGrid(4, 3);
    std::unique_ptr<TStringList> Lines(new TStringList);
    Lines->SetCommaText(QStringLiteral("a,b,c,d,e"));
    Grid->SetRows(1, Lines.get());
    EXPECT_EQ(Grid->Rows(1)->CommaText(), QStringLiteral("a,b,c,d"));
    EXPECT_EQ(Grid->Cols(2)->CommaText(), QStringLiteral(",c,"));
    Grid->Cols(2)->SetStrings(2, QStringLiteral("z"));
    EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("z"));
    EXPECT_THROW(Grid->Rows(0)->Delete(0), EInvalidGridOperation);
}

// Texts and objects move with MoveColumn, MoveRow and DeleteRow, also beyond the counts.
TEST_F(GridShapeTest, MovingColumnsAndRowsMovesTheCells)
{
    MakeGrid(4, 4);
    for (int32_t R = 0; R < 4; ++R)
        for (int32_t C = 0; C < 6; ++C) Grid->SetCells(C, R, QStringLiteral("%1%2").arg(QChar('a' + C)).arg(R));
    TObject Marker;
    Grid->SetObjects(1, 1, &Marker);
    Grid->MoveColumn(1, 3);
    EXPECT_EQ(Grid->Rows(1)->CommaText(), QStringLiteral("a1,c1,d1,b1"));
    EXPECT_EQ(Grid->Cells(4, 1), QStringLiteral("e1"));
    EXPECT_EQ(Grid->Objects(3, 1), &Marker);
    Grid->MoveRow(3, 1);
    EXPECT_EQ(Grid->Cols(0)->CommaText(), QStringLiteral("a0,a3,a1,a2"));
    Grid->DeleteRow(1);
    EXPECT_EQ(Grid->RowCount(), 3);
    EXPECT_EQ(Grid->Cols(0)->CommaText(), QStringLiteral("a0,a1,a2"));
    // The deleted row waits beyond the last one.
    EXPECT_EQ(Grid->Cells(0, 3), QStringLiteral("a3"));
    EXPECT_EQ(Grid->Log.filter(QStringLiteral("Moved")),
              (QStringList{"ColumnMoved 1,3", "RowMoved 3,1", "RowMoved 1,3"}));
}

// PermuteRows moves whole rows (far columns and rows beyond the count included) without an event;
// empty rows take the place of rows they replace.
TEST_F(GridShapeTest, PermuteRowsMovesWholeRows)
{
    MakeGrid(3, 5);
    for (int32_t R = 1; R < 5; ++R) {
        Grid->SetCells(0, R, QStringLiteral("r%1").arg(R));
        Grid->SetCells(5000, R, QStringLiteral("far%1").arg(R));
    }
    Grid->SetCells(0, 3, QString());
    Grid->SetCells(5000, 3, QString());
    TObject Marker;
    Grid->SetObjects(2, 4, &Marker);
    Grid->Log.clear();
    Grid->PermuteRows(1, {4, 3, 1, 2});
    EXPECT_EQ(Grid->Cols(0)->CommaText(), QStringLiteral(",r4,,r1,r2"));
    EXPECT_EQ(Grid->Cells(5000, 1), QStringLiteral("far4"));
    EXPECT_EQ(Grid->Cells(5000, 2), QString());
    EXPECT_EQ(Grid->Objects(2, 1), &Marker);
    EXPECT_EQ(Grid->Objects(2, 4), nullptr);
    EXPECT_TRUE(Grid->Log.filter(QStringLiteral("Moved")).isEmpty());
    Grid->PermuteRows(1, {3, 4, 2, 1});
    EXPECT_EQ(Grid->Cols(0)->CommaText(), QStringLiteral(",r1,r2,,r4"));
    Grid->ExchangeRows(1, 3);
    Grid->ExchangeRows(2, 7);
    EXPECT_EQ(Grid->Cols(0)->CommaText(), QStringLiteral(",,,r1,r4"));
    EXPECT_EQ(Grid->Cells(0, 7), QStringLiteral("r2"));
    EXPECT_EQ(Grid->Cells(5000, 7), QStringLiteral("far2"));
}

// ---- Drawing ----

TEST_F(GridShapeTest, PaintDrawsEveryCellShownWithItsState)
{
    MakeGrid(4, 3, 300, 70);
    Grid->SetSelection({1, 1, 2, 2});
    ProcessPendingEvents();
    Grid->Drawn.clear();
    RenderControl(Grid);
    // Rows 0..2 of 21 pixels show in 70; the current cell (2, 2) is focused, not drawn selected.
    EXPECT_EQ(Grid->Drawn, (QStringList{"0,0:F", "1,0:F", "2,0:F", "3,0:F",  //
                                        "0,1:F", "1,1:S", "2,1:S", "3,1:",   //
                                        "0,2:F", "1,2:S", "2,2:f", "3,2:"}));
    Grid->SetOptions(Grid->Options() + TGridOptions{goDrawFocusSelected});
    ProcessPendingEvents();
    Grid->Drawn.clear();
    RenderControl(Grid);
    EXPECT_TRUE(Grid->Drawn.contains(QStringLiteral("2,2:Sf")));
}

TEST_F(GridShapeTest, DefaultDrawingFillsFixedSelectedAndNormalCells)
{
    MakeGrid(4, 4, 300, 100);
    Grid->SetCells(2, 2, QStringLiteral("W"));
    Grid->SetSelection({1, 1, 2, 2});
    Form->SetActiveControl(nullptr);
    ProcessPendingEvents();
    const QImage Image = RenderControl(Grid);
    const auto Rgb = [](TColor Color) {
        const auto Value = static_cast<COLORREF>(ColorToRGB(Color));
        return QColor(GetRValue(Value), GetGValue(Value), GetBValue(Value));
    };
    EXPECT_EQ(Image.pixelColor(25, 10), Rgb(clBtnFace));      // fixed
    EXPECT_EQ(Image.pixelColor(75, 35), Rgb(clHighlight));    // selected, the grid not focused
    EXPECT_EQ(Image.pixelColor(175, 35), QColor(Qt::white));  // normal
    EXPECT_EQ(Image.pixelColor(50, 30), QColor(Qt::black));   // the line between fixed cells
    EXPECT_EQ(Image.pixelColor(152, 30), QColor(192, 192, 192));
    // The text starts 2 pixels into its cell.
    bool Ink = false;
    for (int32_t X = 102; X < 102 + Grid->Canvas()->TextWidth(QStringLiteral("W")); ++X)
        Ink = Ink || Image.pixelColor(X, 44 + Grid->Canvas()->TextHeight(QStringLiteral("W")) / 2) != Rgb(clHighlight);
    EXPECT_TRUE(Ink);
    SaveArtifact(Image, QStringLiteral("grid-default-drawing"));
}

TEST_F(GridShapeTest, HooksFollowTheChangesTheyNameExactlyOnce)
{
    MakeGrid(5, 30);
    struct TCase {
        const char* Name;
        std::function<void(TLoggingGrid*)> Act;
        QStringList Log;
    } Cases[] = {
        {"ColCount", [](TLoggingGrid* G) { G->SetColCount(7); }, {"SizeChanged 5,30"}},
        {"RowCount", [](TLoggingGrid* G) { G->SetRowCount(8); }, {"SizeChanged 7,30"}},
        {"a width", [](TLoggingGrid* G) { G->SetColWidths(2, 70); }, {"ColWidthsChanged"}},
        {"the same width", [](TLoggingGrid* G) { G->SetColWidths(2, 70); }, {}},
        {"the default height", [](TLoggingGrid* G) { G->SetDefaultRowHeight(30); }, {"RowHeightsChanged"}},
        {"TopRow", [](TLoggingGrid* G) { G->SetTopRow(3); }, {"TopLeftChanged 1,3"}},
        {"LeftCol", [](TLoggingGrid* G) { G->SetLeftCol(2); }, {"TopLeftChanged 2,3"}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Grid->Log.clear();
        Case.Act(Grid);
        EXPECT_EQ(Grid->Log, Case.Log);
    }
}

}  // namespace
