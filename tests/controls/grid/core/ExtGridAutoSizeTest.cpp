// Columns and rows sized to their cells, columns fitted to the width, numbering, and swaps.
#include "ExtGridTestSupport.h"

#include "grid/base/GridSupport.h"
#include "grid/core/ColumnSize.h"
#include "grid/core/SortSettings.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "windows/SystemMetrics.h"

namespace {

class AutoSizeTest : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        Show();
    }

    // The width of a text in the grid's font, as the cells measure it.
    int32_t TextWidth(const QString& Text)
    {
        Grid->Canvas()->Font()->Assign(Grid->Font());
        return Grid->Canvas()->TextWidth(Text);
    }

    int32_t TextHeight(const QString& Text)
    {
        Grid->Canvas()->Font()->Assign(Grid->Font());
        return Grid->Canvas()->TextHeight(Text);
    }

    // Content width + the offsets of both sides (2 + 2), two lines of 1 and 2.
    int32_t ColumnFor(const QString& Text) { return TextWidth(Text) + 4 + 2 + 2; }

    QList<int32_t> Widths()
    {
        QList<int32_t> Result;
        for (int32_t c = 0; c < Grid->ColCount(); ++c) Result.append(Grid->ColWidths(c));
        return Result;
    }

    QStringList Column(int32_t ACol)
    {
        QStringList Result;
        for (int32_t r = 0; r < Grid->RowCount(); ++r) Result.append(Grid->Cells(ACol, r));
        return Result;
    }
};

// ---- Columns ----

TEST_F(AutoSizeTest, AutoSizeColMeasuresTheRowsColumnSizeNames)
{
    struct TCase {
        TAutoSizeRows Rows;
        QString Widest;
    };
    Grid->SetRowCount(5);
    Grid->SetFixedFooters(1);
    Grid->SetCells(1, 0, QStringLiteral("Header text"));
    Grid->SetCells(1, 1, QStringLiteral("ab"));
    Grid->SetCells(1, 2, QStringLiteral("a normal cell"));
    Grid->SetCells(1, 3, QStringLiteral("x"));
    Grid->SetCells(1, 4, QStringLiteral("the widest text of all, in the footer"));
    for (const TCase& C : {TCase{arFixed, QStringLiteral("Header text")}, TCase{arNormal, QStringLiteral("a normal cell")},
                           TCase{arAll, QStringLiteral("the widest text of all, in the footer")}}) {
        SCOPED_TRACE(C.Rows);
        Grid->ColumnSize()->SetRows(C.Rows);
        Grid->AutoSizeCol(1);
        EXPECT_EQ(Grid->ColWidths(1), ColumnFor(C.Widest));
    }
}

TEST_F(AutoSizeTest, LongColumnsOfRepeatedAndDistinctTexts)
{
    // Column 1 repeats a few texts (measured once each), column 2 has a new text in every row;
    // the widest text comes last in both, and some rows in between are bold headers' look.
    Grid->SetRowCount(3001);
    int32_t Widest1 = 0, Widest2 = 0;
    for (int32_t r = 1; r < 3001; ++r) {
        const QString Repeated = r == 3000 ? QStringLiteral("the last and widest text") : QString(r % 7 + 1, QLatin1Char('m'));
        const QString Distinct = QString::number(r * 7919) + (r == 3000 ? QStringLiteral(" and more") : QString());
        Grid->SetCells(1, r, Repeated);
        Grid->SetCells(2, r, Distinct);
        Widest1 = std::max(Widest1, TextWidth(Repeated));
        Widest2 = std::max(Widest2, TextWidth(Distinct));
    }
    // Markup cells go their own way between them.
    Grid->SetCells(1, 1500, QStringLiteral("<b>m</b>"));
    Grid->SetCells(2, 1500, QStringLiteral("<b>1</b>"));
    Grid->AutoSizeCol(1);
    Grid->AutoSizeCol(2);
    EXPECT_EQ(Grid->ColWidths(1), Widest1 + 8);
    EXPECT_EQ(Grid->ColWidths(2), Widest2 + 8);
}

TEST_F(AutoSizeTest, GrowOnlyLimitsAndPadding)
{
    struct TCase {
        const char* Name;
        bool GrowOnly;
        int32_t Start;
        int32_t Min;
        int32_t Max;
        int32_t Padding;
        int32_t Extra;  // expected width - content width; INT32_MIN: the start width; else Min or Max when set
    };
    const QString Text = QStringLiteral("some content");
    const int32_t Content = ColumnFor(Text);
    Grid->SetCells(2, 1, Text);
    for (const TCase& C : {TCase{"shrinks", false, 300, 0, 0, 0, 0}, TCase{"grow only keeps", true, 300, 0, 0, 0, INT32_MIN},
                           TCase{"grow only grows", true, 10, 0, 0, 0, 0}, TCase{"equal limits", false, 300, 0, 0, 0, 0},
                           TCase{"equal limits of 40", false, 300, 40, 40, 0, 0},
                           TCase{"minimum", false, 300, Content + 30, 0, 0, 30},
                           TCase{"maximum", false, 300, 0, Content - 20, 0, -20},
                           TCase{"padding", false, 300, 0, 0, 10, 10},
                           TCase{"padding within the maximum", false, 300, 0, Content + 5, 10, 5}}) {
        SCOPED_TRACE(C.Name);
        Grid->SetSizeGrowOnly(C.GrowOnly);
        Grid->SetMinColWidth(C.Min);
        Grid->SetMaxColWidth(C.Max);
        Grid->SetColWidths(2, C.Start);
        Grid->AutoSizeCol(2, C.Padding);
        EXPECT_EQ(Grid->ColWidths(2), C.Extra == INT32_MIN ? C.Start : Content + C.Extra);
    }
}

TEST_F(AutoSizeTest, UpdateColumnSizeSeesAndChangesTheMeasuredWidth)
{
    Grid->SetCells(1, 1, QStringLiteral("measured"));
    QList<int32_t> Seen;
    Grid->OnUpdateColumnSize = [&](TObject*, int32_t ACol, int32_t& AWidth) {
        Seen << ACol << AWidth;
        AWidth += 7;
    };
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Seen, (QList<int32_t>{1, ColumnFor(QStringLiteral("measured"))}));
    EXPECT_EQ(Grid->ColWidths(1), ColumnFor(QStringLiteral("measured")) + 7);
}

TEST_F(AutoSizeTest, AutoSizeColumnsLeavesFixedColumnsUnlessAsked)
{
    Grid->SetFixedRightCols(1);
    for (int32_t c = 0; c < 5; ++c) Grid->SetCells(c, 1, QString(c + 1, QLatin1Char('w')));
    for (const bool DoFixed : {false, true}) {
        SCOPED_TRACE(DoFixed);
        for (int32_t c = 0; c < 5; ++c) Grid->SetColWidths(c, 200);
        Grid->AutoSizeColumns(DoFixed, 3);
        for (int32_t c = 0; c < 5; ++c) {
            const bool Sized = DoFixed || (c > 0 && c < 4);
            EXPECT_EQ(Grid->ColWidths(c), Sized ? ColumnFor(QString(c + 1, QLatin1Char('w'))) + 3 : 200) << c;
        }
    }
}

TEST_F(AutoSizeTest, SizingAHiddenColumnsNeighbourMeasuresItsOwnCells)
{
    Grid->SetCells(2, 1, QStringLiteral("hidden column text that is long"));
    Grid->SetCells(3, 1, QStringLiteral("shown"));
    Grid->HideColumn(2);
    // Display column 2 is real column 3.
    Grid->AutoSizeCol(2);
    EXPECT_EQ(Grid->ColWidths(2), ColumnFor(QStringLiteral("shown")));
}

// ---- Rows ----

TEST_F(AutoSizeTest, RowsSizedToLinesUseTheHeightOfGhAndAnEighth)
{
    const int32_t h = TextHeight(QStringLiteral("gh"));
    Grid->SizeRowToLines(2, 3, 4);
    EXPECT_EQ(Grid->RowHeights(2), 4 + 3 * (h + h / 8));

    // Without word wrap each row takes the lines of its tallest multi-line cell.
    Grid->SetWordWrap(false);
    Grid->SetMultilinecells(true);
    Grid->SetCells(1, 1, QStringLiteral("one\r\ntwo\r\nthree"));
    Grid->SetCells(3, 1, QStringLiteral("one\r\ntwo"));
    Grid->SetCells(2, 2, QStringLiteral("single"));
    Grid->AutoSizeRows(false, 2);
    EXPECT_EQ(Grid->MaxLinesInRow(1), 3);
    EXPECT_EQ(Grid->RowHeights(1), 2 + 3 * (h + h / 8));
    EXPECT_EQ(Grid->RowHeights(2), 2 + 1 * (h + h / 8));
    // Lines count only with Multilinecells.
    Grid->SetMultilinecells(false);
    EXPECT_EQ(Grid->MaxLinesInRow(1), 1);
}

TEST_F(AutoSizeTest, AutoSizeRowAddsOffsetsAndLinesToTheTallestCell)
{
    struct TCase {
        const char* Name;
        bool TopLeftOnly;
        bool IgnoreTall;
        bool CheckBox;
    };
    Grid->SetWordWrap(true);
    Grid->SetCells(1, 2, QStringLiteral("one"));
    Grid->SetCells(2, 2, QStringLiteral("one\ntwo\nthree"));
    for (const TCase& C : {TCase{"plain", false, false, false}, TCase{"top left only", true, false, false},
                           TCase{"ignored column", false, true, false}, TCase{"check box", false, true, true}}) {
        SCOPED_TRACE(C.Name);
        Grid->SetXYOffsetTopLeftOnly(C.TopLeftOnly);
        Grid->IgnoreColumns()->Clear();
        if (C.IgnoreTall) Grid->IgnoreColumns()->Add(2);
        if (C.CheckBox) Grid->AddCheckBox(3, 2, true, false);
        TPoint Tall, Short;
        Grid->GetCellTextSize(2, 2, Tall, false, true);
        Grid->GetCellTextSize(1, 2, Short, false, true);
        int32_t Expected = (C.IgnoreTall ? Short.Y : Tall.Y) + (C.TopLeftOnly ? 2 + 2 : 4) + 2;
        if (C.CheckBox) Expected = Grid->DefaultRowHeight() + 4 + 2;
        Grid->AutoSizeRow(2);
        EXPECT_EQ(Grid->RowHeights(2), Expected);
        if (C.CheckBox) Grid->RemoveCheckBox(3, 2);
    }
}

TEST_F(AutoSizeTest, AutoSizeCellsGrowsColumnsAndRows)
{
    Grid->SetCells(1, 1, QStringLiteral("a rather long text"));
    Grid->SetCells(1, 2, QStringLiteral("short"));
    for (int32_t c = 0; c < 5; ++c) Grid->SetColWidths(c, 20);
    Grid->AutoSizeCells(false, 6, 1);
    EXPECT_EQ(Grid->ColWidths(1), TextWidth(QStringLiteral("a rather long text")) + 6 + 2);
    // Fixed cells untouched; rows only ever grow.
    EXPECT_EQ(Grid->ColWidths(0), 20);
    EXPECT_EQ(Grid->RowHeights(1), std::max(Grid->DefaultRowHeight(), TextHeight(QStringLiteral("gh")) + 1 + 2));
}

// ---- Fitting ----

TEST_F(AutoSizeTest, AutoFitColumnsSpreadsTheRangeOverTheWidth)
{
    struct TCase {
        const char* Name;
        QList<int32_t> Start;  // fixed column first
        bool ExpectEqual;
    };
    // Columns that fit, no vertical bar: the single border with 3-D look takes 4.
    Grid->SetRowCount(3);
    for (const TCase& C : {TCase{"wide fixed column", {200, 50, 60, 70, 30}, false},
                           TCase{"widths summing to 0", {40, 0, 0, 0, 0}, true}}) {
        SCOPED_TRACE(C.Name);
        for (int32_t c = 0; c < 5; ++c) Grid->SetColWidths(c, C.Start[c]);
        Grid->AutoFitColumns(false);
        const QList<int32_t> W = Widths();
        EXPECT_EQ(W[0], C.Start[0]);
        EXPECT_EQ(W[1] + W[2] + W[3] + W[4], Grid->Width() - C.Start[0] - 4);
        if (C.ExpectEqual) {
            EXPECT_EQ(W[2], W[3]);
            EXPECT_EQ(W[3], W[4]);
            EXPECT_GE(W[1], W[2]);
            EXPECT_LE(W[1] - W[2], 4);
        } else {
            // Proportional, with what is left going to the widest normal column.
            EXPECT_GT(W[3], W[2]);
            EXPECT_GT(W[2], W[1]);
            EXPECT_GT(W[1], W[4]);
            EXPECT_NEAR(W[1] * 70.0 / 50, W[3], 4);
        }
    }
    // One column takes the width less 5.
    Grid->SetFixedCols(0);
    Grid->SetColCount(1);
    Grid->AutoFitColumns(true);
    EXPECT_EQ(Grid->ColWidths(0), Grid->Width() - 5);
    // With a vertical bar its width comes off too.
    Grid->SetColCount(5);
    Grid->SetRowCount(50);
    Grid->AutoFitColumns(true);
    int32_t Sum = 0;
    for (const int32_t w : Widths()) Sum += w;
    EXPECT_EQ(Sum, Grid->Width() - GetSystemMetrics(SM_CXVSCROLL) - 4);
}

TEST_F(AutoSizeTest, SizeToCellsFitsTheClientArea)
{
    // Without lines the cells fill the client area exactly, leaving nothing to scroll.
    Grid->SetGridLineWidth(0);
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    Grid->SetColWidths(1, 90);
    Grid->SetRowHeights(2, 40);
    Grid->SizeToCells();
    EXPECT_EQ(Grid->ClientWidth(), 64 + 90 + 64);
    EXPECT_EQ(Grid->ClientHeight(), Grid->RowHeights(0) + 22 + 40 + 22);
    EXPECT_EQ(Grid->ScrollBars(), ssBoth);
}

// ---- Numbering ----

TEST_F(AutoSizeTest, AutoNumberColAndRow)
{
    struct TCase {
        const char* Name;
        int32_t Start;
        int32_t Offset;
        TSortDirection Direction;
        QStringList Column;
    };
    Grid->SetRowCount(5);
    for (const TCase& C :
         {TCase{"ascending", 0, 0, sdAscending, {"", "1", "2", "3", "4"}},
          TCase{"descending", 0, 0, sdDescending, {"", "4", "3", "2", "1"}},
          TCase{"start 2", 2, 0, sdAscending, {"", "", "", "3", "4"}},
          TCase{"offset 10", 0, 10, sdAscending, {"", "11", "12", "13", "14"}}}) {
        SCOPED_TRACE(C.Name);
        Grid->ClearCols(1, 1);
        Grid->SetAutoNumberStart(C.Start);
        Grid->SetAutoNumberOffset(C.Offset);
        Grid->SetAutoNumberDirection(C.Direction);
        Grid->AutoNumberCol(1);
        EXPECT_EQ(Column(1), C.Column);
    }
    // Rows number across the normal columns, the footer row and right fixed columns left out.
    Grid->SetAutoNumberStart(0);
    Grid->SetAutoNumberOffset(0);
    Grid->SetAutoNumberDirection(sdAscending);
    Grid->SetFixedRightCols(1);
    Grid->AutoNumberRow(0);
    EXPECT_EQ((QStringList{Grid->Cells(0, 0), Grid->Cells(1, 0), Grid->Cells(2, 0), Grid->Cells(3, 0), Grid->Cells(4, 0)}),
              (QStringList{"", "1", "2", "3", ""}));
    Grid->SetFixedFooters(1);
    Grid->ClearCols(2, 1);
    Grid->AutoNumberCol(2);
    EXPECT_EQ(Column(2), (QStringList{"", "1", "2", "3", ""}));
}

// ---- Swaps ----

TEST_F(AutoSizeTest, SwapColumnsKeepsHiddenColumnsAndMovesWidthsAndSortColumn)
{
    for (int32_t c = 0; c < 5; ++c)
        for (int32_t r = 0; r < 3; ++r) Grid->SetCells(c, r, QStringLiteral("%1.%2").arg(c).arg(r));
    Grid->AddCheckBox(1, 1, true, false);
    Grid->HideRow(2);
    Grid->HideColumn(2);
    Grid->SetColWidths(1, 30);
    Grid->SetColWidths(3, 90);
    Grid->SortSettings()->SetColumn(1);
    // Display columns 1 and 3 are real columns 1 and 4.
    Grid->SwapColumns(1, 3);
    EXPECT_EQ(Grid->AllCells(1, 1), QStringLiteral("4.1"));
    EXPECT_EQ(Grid->AllCells(4, 1), QStringLiteral("1.1"));
    EXPECT_EQ(Grid->AllCells(2, 1), QStringLiteral("2.1"));
    // Real row 2 is hidden: its parked cells swap too.
    EXPECT_EQ(Grid->AllCells(3, 2), QStringLiteral("3.2"));
    EXPECT_EQ(Grid->AllCells(1, 2), QStringLiteral("4.2"));
    EXPECT_EQ(Grid->AllCells(4, 2), QStringLiteral("1.2"));
    EXPECT_TRUE(Grid->HasCheckBox(4, 1));
    EXPECT_FALSE(Grid->HasCheckBox(1, 1));
    EXPECT_EQ(Grid->ColWidths(1), 90);
    EXPECT_EQ(Grid->ColWidths(3), 30);
    EXPECT_EQ(Grid->SortSettings()->Column(), 3);
    EXPECT_EQ(Grid->ColCount(), 4);
    Grid->UnHideColumn(2);
    Grid->UnHideRow(2);
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("2.1"));
    EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("4.2"));
    EXPECT_EQ(Grid->Cells(4, 2), QStringLiteral("1.2"));
}

TEST_F(AutoSizeTest, SwapRowsAndCellsExchangeTheStore)
{
    for (int32_t c = 0; c < 5; ++c)
        for (int32_t r = 0; r < 5; ++r) Grid->SetCells(c, r, QStringLiteral("%1.%2").arg(c).arg(r));
    Grid->AddCheckBox(2, 1, true, false);
    Grid->SetRowHeights(1, 40);
    // The display hook changes what shows, not what moves.
    Grid->OnGetDisplText = [](TObject*, int32_t, int32_t, QString& Value) { Value += QLatin1Char('!'); };
    Grid->SwapRows(1, 3);
    Grid->OnGetDisplText = nullptr;
    EXPECT_EQ(Column(2).mid(0, 5), (QStringList{"2.0", "2.3", "2.2", "2.1", "2.4"}));
    EXPECT_TRUE(Grid->HasCheckBox(2, 3));
    EXPECT_EQ(Grid->RowHeights(3), 40);
    EXPECT_EQ(Grid->RowHeights(1), Grid->DefaultRowHeight());
    EXPECT_EQ(Grid->RowCount(), 10);

    Grid->SwapCells(Point(2, 3), Point(4, 0));
    EXPECT_EQ(Grid->Cells(2, 3), QStringLiteral("4.0"));
    EXPECT_EQ(Grid->Cells(4, 0), QStringLiteral("2.1"));
    EXPECT_TRUE(Grid->HasCheckBox(4, 0));
    EXPECT_FALSE(Grid->HasCheckBox(2, 3));
}

TEST_F(AutoSizeTest, SortSwapRowsWithoutCrossReferenceAndSingleColumn)
{
    for (int32_t c = 0; c < 5; ++c)
        for (int32_t r = 0; r < 4; ++r) Grid->SetCells(c, r, QStringLiteral("%1.%2").arg(c).arg(r));
    Grid->OnGetDisplText = [](TObject*, int32_t, int32_t, QString& Value) { Value += QLatin1Char('!'); };
    ASSERT_EQ(Grid->SortRowXRef()->Count(), 0);
    Grid->SortSwapRows(1, 2);
    EXPECT_EQ(Grid->GetGridCell(0, 1), QStringLiteral("0.2"));
    EXPECT_EQ(Grid->GetGridCell(3, 2), QStringLiteral("3.1"));
    // One column only, raw stored texts.
    Grid->SortSettings()->SetSingleColumn(true);
    Grid->SortSettings()->SetColumn(3);
    Grid->SortSwapRows(1, 3);
    Grid->OnGetDisplText = nullptr;
    EXPECT_EQ(Grid->GetGridCell(3, 1), QStringLiteral("3.3"));
    EXPECT_EQ(Grid->GetGridCell(3, 3), QStringLiteral("3.2"));
    EXPECT_EQ(Grid->GetGridCell(0, 1), QStringLiteral("0.2"));
    EXPECT_EQ(Grid->GetGridCell(0, 3), QStringLiteral("0.3"));
}

}  // namespace
