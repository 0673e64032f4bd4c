// Disjunct row, column and cell selections, the selection's counts and text, the modified and
// enabled row flags, and the row-wide colours reset to none.
#include "ExtGridTestSupport.h"
#include "grid/core/FlagList.h"

#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/GridOptions.h"

#include "support/LayerInternals.h"

namespace {

class SelectionTest : public ExtGridFixture {
protected:
    void Fill(int32_t Cols, int32_t Rows)
    {
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows);
        for (int32_t r = 0; r < Rows; ++r)
            for (int32_t c = 0; c < Cols; ++c) Grid->SetCells(c, r, QStringLiteral("%1%2").arg(QChar('a' + c)).arg(r));
    }
    QList<int32_t> SelectedRows()
    {
        QList<int32_t> Rows;
        for (int32_t i = 0; Grid->SelectedRow(i) >= 0; ++i) Rows.append(Grid->SelectedRow(i));
        return Rows;
    }
};

TEST_F(SelectionTest, DisjunctRowsAskTheEventAndKeepFixedRowsOutOfTheSelectedList)
{
    Grid->MouseActions()->SetDisjunctRowSelect(true);
    QList<int32_t> Asked, Told;
    int32_t Refused = 3;
    Grid->OnRowDisjunctSelect = [&](TObject*, int32_t ARow, bool, bool& Allow) {
        Asked.append(ARow);
        if (ARow == Refused) Allow = false;
    };
    Grid->OnRowDisjunctSelected = [&](TObject*, int32_t ARow) { Told.append(ARow); };

    struct TCase {
        int32_t Row;
        bool Value;
        bool Asks;  // the event fires
        bool Selected;  // the row's flag afterwards
    };
    const TCase Cases[] = {
        {5, true, true, true},     // past the end of the flag list
        {5, true, false, true},    // no change: not asked
        {3, true, true, false},    // vetoed: nothing changes
        {0, true, true, true},     // fixed row: flagged, not listed
        {7, true, true, true},
        {5, false, true, false},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Row);
        Asked.clear();
        Told.clear();
        Grid->SetRowSelect(C.Row, C.Value);
        EXPECT_EQ(Asked, C.Asks ? QList<int32_t>{C.Row} : QList<int32_t>{});
        EXPECT_EQ(Told, C.Row == Refused ? QList<int32_t>{} : QList<int32_t>{C.Row});
        EXPECT_EQ(Grid->RowSelect(C.Row), C.Selected);
    }
    EXPECT_EQ(SelectedRows(), (QList<int32_t>{7}));
    EXPECT_EQ(Grid->SelectedRowCount(), 1);
    EXPECT_EQ(Grid->RowSelectCount(), 2);  // rows 0 and 7
    EXPECT_TRUE(Grid->IsSelected(2, 7));
    EXPECT_FALSE(Grid->IsSelected(0, 7));  // fixed column
    EXPECT_FALSE(Grid->IsSelected(2, 0));  // fixed row

    Grid->ClearRowSelect();
    EXPECT_EQ(Grid->RowSelectCount(), 0);
    EXPECT_EQ(Grid->SelectedRowCount(), 0);
}

TEST_F(SelectionTest, RowAndColumnFlagsReportBadIndexesWithTheirTexts)
{
    Grid->MouseActions()->SetDisjunctRowSelect(true);
    const auto Message = [](const std::function<void()>& Act) {
        try {
            Act();
        } catch (const EExtGridError& E) {
            return E.Message();
        }
        return QString();
    };
    EXPECT_EQ(Message([&] { Grid->RowSelect(10); }), QStringLiteral("Invalid row 10 accessed"));
    EXPECT_EQ(Message([&] { Grid->SetRowSelect(10, true); }), QStringLiteral("Invalid row accessed"));
    EXPECT_EQ(Message([&] { Grid->ColSelect(5); }), QStringLiteral("Invalid column accessed"));
    EXPECT_EQ(Message([&] { Grid->SetColSelect(-1, true); }), QStringLiteral("Invalid column accessed"));
    EXPECT_EQ(Message([&] { Grid->RowSelect(9); }), QString());

    // A grid of fixed rows only takes any row.
    Grid->SetFixedRowAlways(true);
    Grid->SetFixedRows(1);
    Grid->SetRowCount(1);
    ASSERT_EQ(Grid->FixedRows(), Grid->RowCount());
    EXPECT_EQ(Message([&] { Grid->SetRowSelect(50, true); }), QString());
    // Far rows take no memory for the rows between.
    EXPECT_EQ(Message([&] { Grid->SetRowSelect(2000000000, true); }), QString());
    Grid->MouseActions()->SetRowSelectPersistent(true);  // the read then checks no range
    EXPECT_TRUE(Grid->RowSelect(2000000000));
    EXPECT_FALSE(Grid->RowSelect(1999999999));
}

TEST_F(SelectionTest, RangesOfRowsAndColumnsFollowTheDisjunctSwitches)
{
    Fill(6, 12);
    Grid->SelectRows(4, 20);  // cut to the grid
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 4, 5, 11}));
    Grid->SelectCols(2, 2);
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 1, 3, 11}));
    EXPECT_EQ(Grid->ColSelectCount(), 2);

    Grid->MouseActions()->SetDisjunctRowSelect(true);
    Grid->MouseActions()->SetDisjunctColSelect(true);
    Grid->SelectRows(9, 5);
    Grid->UnSelectRows(10, 1);
    EXPECT_EQ(SelectedRows(), (QList<int32_t>{9, 11}));
    Grid->SelectCols(1, 10);
    Grid->UnSelectCols(2, 2);
    EXPECT_EQ(Grid->ColSelectCount(), 3);  // 1, 4, 5
    EXPECT_EQ(Grid->SelectedColCount(), 3);
    EXPECT_TRUE(Grid->ColSelect(4));
    EXPECT_FALSE(Grid->ColSelect(3));
    Grid->ClearColSelect();
    EXPECT_EQ(Grid->ColSelectCount(), 0);
}

TEST_F(SelectionTest, CellsOfTheRectangleOrOfTheDisjunctListAreColumnRowPairs)
{
    Fill(6, 8);
    Grid->SelectCells(2, 3, 4, 4);
    EXPECT_EQ(Grid->SelectedCellsCount(), 6);
    const QList<TGridCoord> Expected{{2, 3}, {2, 4}, {3, 3}, {3, 4}, {4, 3}, {4, 4}};
    for (int32_t i = 0; i < 6; ++i) EXPECT_EQ(Grid->SelectedCell(i), Expected[i]);
    EXPECT_TRUE(Grid->SelectedCells(3, 4));
    EXPECT_FALSE(Grid->SelectedCells(5, 4));

    Grid->FocusCell(3, 5);
    EXPECT_EQ(Grid->SelectedCellsCount(), 1);
    EXPECT_EQ(Grid->SelectedCell(0), (TGridCoord{3, 5}));

    // Rows far beyond 65535 keep their own place: no packing into one number.
    Grid->MouseActions()->SetDisjunctCellSelect(true);
    Grid->ClearSelectedCells();
    EXPECT_EQ(Grid->SelectedCellsCount(), 0);
    Grid->SetSelectedCells(2, 70000, true);
    Grid->SetSelectedCells(1, 3, true);
    Grid->SetSelectedCells(1, 3, true);
    Grid->SetSelectedCells(3, 2, true);
    Grid->SetSelectedCells(3, 2, false);
    EXPECT_EQ(Grid->SelectedCellsCount(), 2);
    EXPECT_EQ(Grid->SelectedCell(0), (TGridCoord{2, 70000}));
    EXPECT_EQ(Grid->SelectedCell(1), (TGridCoord{1, 3}));
    EXPECT_TRUE(Grid->SelectedCells(2, 70000));
    EXPECT_FALSE(Grid->SelectedCells(70000, 2));
    EXPECT_TRUE(Grid->IsSelected(1, 3));
    EXPECT_FALSE(Grid->IsSelected(3, 2));
    EXPECT_THROW(Grid->SelectedCell(2), EListError);
}

TEST_F(SelectionTest, SelectedCountsTakeMergedSpans)
{
    Fill(8, 12);
    struct TCase {
        const char* Name;
        TGridRect Merge;  // Left, Top, span x, span y
        TGridRect Sel;
        int32_t Rows;
        int32_t Cols;
    };
    const TCase Cases[] = {
        {"plain", {0, 0, 0, 0}, {2, 3, 4, 5}, 3, 3},
        {"area at the top left covers the selection", {2, 3, 2, 3}, {2, 3, 3, 4}, 4, 3},
        {"area at the bottom left adds its row span", {2, 5, 1, 2}, {2, 3, 4, 5}, 5, 3},
        {"area at the top right adds its column span", {4, 3, 1, 0}, {2, 3, 4, 4}, 2, 4},
        {"selection into the footer row is cut", {0, 0, 0, 0}, {2, 8, 2, 11}, 3, 1},
    };
    Grid->SetFixedFooters(1);
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->SplitAllCells();
        if (C.Merge.Right > 0) Grid->MergeCells(C.Merge.Left, C.Merge.Top, C.Merge.Right + 1, C.Merge.Bottom + 1);
        Grid->SetSelection(C.Sel);
        EXPECT_EQ(Grid->SelectedRowCount(), C.Rows);
        EXPECT_EQ(Grid->SelectedColCount(), C.Cols);
    }
}

TEST_F(SelectionTest, SelectedRowsOfAnUpwardSelection)
{
    Fill(5, 10);
    Grid->SetOptions(Grid->Options() + TGridOptions{goRangeSelect});
    Grid->SetSelection({1, 7, 1, 3});
    EXPECT_EQ(Grid->SelectedRow(2), 5);
    EXPECT_EQ(Grid->SelectedRow(4), 7);
    EXPECT_EQ(Grid->SelectedRow(5), -1);
    EXPECT_EQ(Grid->SelectedRow(-1), -1);
}

TEST_F(SelectionTest, SelectedTextJoinsCellsByTabAndRowsByCrLf)
{
    Fill(5, 8);
    Grid->SetCells(2, 3, QStringLiteral("two\r\nlines"));
    struct TCase {
        const char* Name;
        std::function<void()> Setup;
        QString Text;
    };
    const TCase Cases[] = {
        {"rectangle", [&] { Grid->SetSelection({1, 1, 2, 2}); }, QStringLiteral("b1\tc1\r\nb2\tc2")},
        {"one cell", [&] { Grid->SetSelection({4, 7, 4, 7}); }, QStringLiteral("e7")},
        {"multi-line cell as it is", [&] { Grid->SetSelection({2, 3, 3, 3}); }, QStringLiteral("two\r\nlines\td3")},
        {"excel quotes multi-line cells",
         [&] {
             Grid->SetExcelClipboardFormat(true);
             Grid->SetMultilinecells(true);
             Grid->SetSelection({2, 3, 3, 3});
         },
         QStringLiteral("\"two\x0Blines\"\td3")},
        {"disjunct rows take the rectangle's columns",
         [&] {
             Grid->SetExcelClipboardFormat(false);
             Grid->MouseActions()->SetDisjunctRowSelect(true);
             Grid->SetSelection({3, 2, 4, 2});
             Grid->SetRowSelect(6, true);
             Grid->SetRowSelect(1, true);
         },
         QStringLiteral("d1\te1\r\nd6\te6")},
        {"entire rows with row select",
         [&] {
             Grid->MouseActions()->SetDisjunctRowSelect(false);
             Grid->SetOptions(Grid->Options() + TGridOptions{goRowSelect});
             Grid->DragDropSettings()->SetOleEntireRows(true);
             Grid->SetSelection({1, 4, 4, 4});
         },
         QStringLiteral("a4\tb4\tc4\td4\te4")},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        C.Setup();
        EXPECT_EQ(Grid->SelectedText(), C.Text);
    }
}

TEST_F(SelectionTest, SelectedTextReadsHiddenColumnsByTheirStoreIndex)
{
    Fill(5, 5);
    Grid->HideColumn(2);
    Grid->SetSelection({1, 1, 2, 1});
    EXPECT_EQ(Grid->SelectedText(), QStringLiteral("b1\td1"));
}

TEST_F(SelectionTest, ModifiedAndEnabledRowsGrowOnDemand)
{
    EXPECT_FALSE(Grid->RowModified(40));
    EXPECT_TRUE(Grid->RowEnabled(40));
    Grid->SetRowModified(6, true);
    Grid->SetRowModified(2, true);
    Grid->SetRowModified(6, false);
    Grid->SetRowModified(8, true);
    EXPECT_EQ(Grid->ModifiedRowCount(), 2);
    EXPECT_TRUE(Grid->RowModified(2));
    EXPECT_FALSE(Grid->RowModified(6));
    EXPECT_EQ(Grid->FModifiedRows->Count(), 9);
    Grid->SetRowModified(1500000000, true);
    EXPECT_EQ(Grid->ModifiedRowCount(), 3);
    EXPECT_TRUE(Grid->RowModified(1500000000));
    Grid->ClearModifiedRows();
    EXPECT_EQ(Grid->ModifiedRowCount(), 0);

    Grid->SetRowEnabled(4, false);
    EXPECT_FALSE(Grid->RowEnabled(4));
    EXPECT_TRUE(Grid->FUseEnabledRows);
    EXPECT_TRUE(Grid->RowEnabled(3));
}

TEST_F(SelectionTest, DisablingTheCurrentRowMovesItToTheFirstOtherEnabledRow)
{
    Show();
    struct TCase {
        int32_t Current;
        QList<int32_t> Disabled;  // before
        int32_t Then;
    };
    const TCase Cases[] = {{1, {}, 2}, {4, {1, 2}, 3}, {3, {1, 2, 4, 5, 6, 7, 8, 9}, 3}};
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Current);
        for (int32_t r = 0; r < Grid->RowCount(); ++r) Grid->SetRowEnabled(r, true);
        for (const int32_t r : C.Disabled) Grid->SetRowEnabled(r, false);
        Grid->FocusCell(2, C.Current);
        Grid->SetRowEnabled(C.Current, false);
        EXPECT_EQ(Grid->Row(), C.Then);
        EXPECT_FALSE(Grid->RowEnabled(C.Current));
        // Enabling the current row keeps it.
        Grid->FocusCell(2, 5);
        Grid->SetRowEnabled(5, true);
        EXPECT_EQ(Grid->Row(), 5);
    }
}

TEST_F(SelectionTest, FlagsRepaintTheirRowsCellsAndColumns)
{
    Show();
    Grid->MouseActions()->SetDisjunctRowSelect(true);
    Grid->MouseActions()->SetDisjunctColSelect(true);
    TRect Pending;
    struct TCase {
        const char* Name;
        std::function<void()> Act;
        TRect Area;
    };
    const auto Row = [&](int32_t r) {
        const TRect A = Grid->CellRect(0, r);
        return TRect{A.Left, A.Top, Grid->CellRect(Grid->ColCount() - 1, r).Right, A.Bottom};
    };
    const auto Col = [&](int32_t c) {
        const TRect A = Grid->CellRect(c, Grid->TopRow());
        const int32_t Last = std::min(Grid->TopRow() + Grid->VisibleRowCount(), Grid->RowCount() - 1);
        return TRect{A.Left, A.Top, A.Right, Grid->CellRect(c, Last).Bottom};
    };
    const TCase Cases[] = {
        {"row selected", [&] { Grid->SetRowSelect(3, true); }, Row(3)},
        {"row modified", [&] { Grid->SetRowModified(4, true); }, Grid->CellRect(0, 4)},
        {"row disabled", [&] { Grid->SetRowEnabled(6, false); }, Row(6)},
        {"column selected", [&] { Grid->SetColSelect(2, true); }, Col(2)},
        {"cell selected", [&] { Grid->SetSelectedCells(3, 2, true); }, Grid->CellRect(3, 2)},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        ProcessPendingEvents();
        TPaintHold Hold;
        C.Act();
        ASSERT_TRUE(GetUpdateRect(Grid->Handle(), Pending));
        EXPECT_EQ(Pending, C.Area);
    }
    // Setting a flag to what it holds repaints nothing.
    ProcessPendingEvents();
    TPaintHold Hold;
    Grid->SetRowSelect(3, true);
    Grid->SetColSelect(2, true);
    EXPECT_FALSE(GetUpdateRect(Grid->Handle(), Pending));
}

TEST_F(SelectionTest, RowColoursResetToNoneKeepEverythingElseOfTheCells)
{
    Fill(5, 6);
    Grid->AddCheckBox(2, 3, true, false);
    Grid->MergeCells(3, 3, 2, 1);
    Grid->SetRowColor(3, clRed);
    Grid->SetRowFontColor(3, clBlue);
    Grid->SetRowColor(3, clNone);
    EXPECT_TRUE(Grid->HasCheckBox(2, 3));
    EXPECT_TRUE(Grid->IsMergedCell(3, 3));
    EXPECT_EQ(Grid->CellSpan(3, 3), (TPoint{1, 0}));
    for (int32_t c = 1; c < 5; ++c) EXPECT_EQ(Grid->Colors(c, 3), clNone) << c;
    EXPECT_EQ(Grid->GetCellProperties(2, 3)->FontColor(), clBlue);

    Grid->SetRowFontColor(3, clNone);
    EXPECT_TRUE(Grid->HasCheckBox(2, 3));
    EXPECT_TRUE(Grid->IsMergedCell(3, 3));
    for (int32_t c = 1; c < 5; ++c) EXPECT_EQ(Grid->GetCellProperties(c, 3)->FontColor(), Grid->Font()->Color()) << c;

    // A cell with a colour of its own keeps its font colour.
    Grid->SetRowFontColor(3, clBlue);
    Grid->SetColors(1, 3, clYellow);
    Grid->SetRowFontColor(3, clNone);
    EXPECT_EQ(Grid->GetCellProperties(1, 3)->FontColor(), clBlue);
    EXPECT_EQ(Grid->GetCellProperties(2, 3)->FontColor(), Grid->Font()->Color());
}

}  // namespace
