// Rows and columns picked by content or selection, trimming, colouring, finding a cell and scrolling
// a cell into view.
#include "RowTracking.h"

#include "grid/base/GridSettings.h"

namespace {

using ContentOpsTest = RowTrackingFixture;

QString RectText(const TRect& R)
{
    return QStringLiteral("%1,%2-%3,%4").arg(R.Left).arg(R.Top).arg(R.Right).arg(R.Bottom);
}

TEST_F(ContentOpsTest, RemoveCheckedRowsByState)
{
    struct TCase {
        bool RemoveChecked;
        QList<int32_t> Kept;
    };
    // Rows 1..3 set, clear, set; row 4 has no check box; row 5 is a footer row with a set box.
    for (const TCase& C : {TCase{true, {0, 2, 4}}, TCase{false, {0, 1, 3, 5}}}) {
        SCOPED_TRACE(C.RemoveChecked);
        MakeRows(6);
        Grid->AddCheckBox(2, 1, true, false);
        Grid->AddCheckBox(2, 2, false, false);
        Grid->AddCheckBox(2, 3, true, false);
        Grid->AddCheckBox(2, 5, true, false);
        Grid->SetFixedFooters(1);
        QStringList Reports;
        Grid->OnCellsChanged = [&](TObject*, const TRect& R) { Reports.append(RectText(R)); };
        Grid->RemoveCheckedRows(2, C.RemoveChecked);
        EXPECT_EQ(Shown(), C.Kept);
        // Reported as the rows removed one by one from the bottom.
        QStringList Expected;
        for (int32_t r = 5; r >= 1; --r)
            if (!C.Kept.contains(r)) Expected.append(QStringLiteral("0,%1-2,%2").arg(r).arg(r + 1));
        EXPECT_EQ(Reports.filter(QStringLiteral("0,")), Expected);
        Grid->OnCellsChanged = nullptr;
        Alive = C.Kept;
        CheckRows();
    }
}

TEST_F(ContentOpsTest, RemoveCheckedRowsWithAHiddenRowAboveTestsEachShownRowsOwnBox)
{
    MakeRows(6);
    for (int32_t r = 1; r < 6; ++r) Grid->AddCheckBox(2, r, r % 2 == 1, false);
    Grid->HideRow(1);
    Grid->RemoveCheckedRows(2, true);
    Alive = {0, 1, 2, 4};
    CheckRows({0, 1, 2, 4});
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 2, 4}));
}

TEST_F(ContentOpsTest, RemoveDuplicatesKeepsTheFirstOfEachTextAndNeverAFooter)
{
    struct TCase {
        bool DoCase;
        QList<int32_t> Kept;
    };
    for (const TCase& C : {TCase{false, {0, 1, 2, 4, 5}}, TCase{true, {0, 1, 2, 3, 4, 5}}}) {
        MakeRows(6);
        const QStringList Texts{"", "abc", "x", "ABC", "\u00e9t\u00e9", "abc"};
        for (int32_t r = 1; r < 6; ++r) Grid->SetCells(0, r, Texts[r]);
        Grid->SetFixedFooters(1);
        Grid->RemoveDuplicates(0, C.DoCase);
        EXPECT_EQ(Shown(), C.Kept);
        Alive = C.Kept;
        CheckRows();
    }
}

TEST_F(ContentOpsTest, RemovingSelectedAndUnselectedRows)
{
    Show();
    MakeRows(8);
    Grid->SetSelection({1, 5, 1, 3});  // upwards
    Grid->RemoveSelectedRows();
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 1, 2, 6, 7}));
    Alive = {0, 1, 2, 6, 7};
    CheckRows();

    MakeRows(8);
    Grid->MouseActions()->SetDisjunctRowSelect(true);
    Grid->SetRowSelect(2, true);
    Grid->SetRowSelect(5, true);
    Grid->RemoveUnSelectedRows();
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 2, 5}));
    EXPECT_EQ(Grid->RowSelectCount(), 0);
    Alive = {0, 2, 5};
    CheckRows();
}

TEST_F(ContentOpsTest, HideUnSelectedRowsAndBringThemBack)
{
    MakeRows(7);
    Grid->MouseActions()->SetDisjunctRowSelect(true);
    Grid->SetRowSelect(2, true);
    Grid->SetRowSelect(4, true);
    Grid->HideUnSelectedRows();
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 2, 4}));
    CheckRows({0, 1, 2, 3, 4, 5, 6});
    Grid->UnHideRowsAll();
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 1, 2, 3, 4, 5, 6}));
    Grid->ClearRowSelect();
    Grid->SetRowSelect(3, true);
    Grid->HideSelectedRows();
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 1, 2, 4, 5, 6}));
    CheckRows({0, 1, 2, 3, 4, 5, 6});
}

TEST_F(ContentOpsTest, RemovingSelectedAndUnselectedColumnsByDisplayColumn)
{
    Show();
    Grid->SetColCount(6);
    Grid->SetRowCount(3);
    for (int32_t c = 0; c < 6; ++c) Grid->SetCells(c, 1, QString::number(c));
    Grid->SetSelection({2, 1, 3, 1});
    Grid->RemoveUnSelectedCols();
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(QStringList({Grid->Cells(0, 1), Grid->Cells(1, 1), Grid->Cells(2, 1)}), QStringList({"0", "2", "3"}));

    // With a hidden column the display columns are mapped first.
    Grid->SetColCount(6);
    for (int32_t c = 0; c < 6; ++c) Grid->SetCells(c, 1, QString::number(c));
    Grid->HideColumn(1);
    Grid->MouseActions()->SetDisjunctColSelect(true);
    Grid->SetColSelect(2, true);  // real column 3
    Grid->RemoveSelectedCols();
    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(Grid->NumHiddenColumns(), 1);
    Grid->UnHideColumnsAll();
    QStringList Texts;
    for (int32_t c = 0; c < Grid->ColCount(); ++c) Texts.append(Grid->Cells(c, 1));
    EXPECT_EQ(Texts, QStringList({"0", "1", "2", "4", "5"}));
}

TEST_F(ContentOpsTest, TrimmingFindingAndWideCells)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->SetCells(1, 1, QStringLiteral("  two words \t"));
    Grid->SetCells(2, 2, QStringLiteral("X"));
    Grid->SetCells(0, 2, QStringLiteral("|\\wide"));
    Grid->SetCells(1, 2, QStringLiteral("a|\\b"));
    Grid->TrimAll();
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("two words"));
    EXPECT_EQ(Grid->Cells(0, 1), QString());
    int32_t c = -5;
    int32_t r = -6;
    EXPECT_FALSE(Grid->IsCell(QStringLiteral("x"), c, r));
    EXPECT_EQ(c, -5);
    EXPECT_EQ(r, -6);
    EXPECT_TRUE(Grid->IsCell(QStringLiteral("X"), c, r));
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 2);
    EXPECT_TRUE(Grid->IsWideCell(0, 2));
    EXPECT_FALSE(Grid->IsWideCell(1, 2));
    Grid->ColorRect(0, 0, 1, 1, clRed);
    EXPECT_EQ(Grid->Colors(1, 1), clRed);
    EXPECT_EQ(Grid->Colors(2, 2), clNone);
}

TEST_F(ContentOpsTest, ScrollInViewLeavesShownCellsAndCentresOthers)
{
    Show();
    Grid->SetRowCount(100);
    Grid->SetTopRow(1);
    const int32_t Page = Grid->VisibleRowCount();
    Grid->ScrollInView(1, 2);
    EXPECT_EQ(Grid->TopRow(), 1);
    Grid->ScrollInView(1, 60);
    EXPECT_EQ(Grid->Row(), 60);
    EXPECT_EQ(Grid->TopRow(), 60 - Page / 2);
    Grid->ScrollInView(1, 100);  // beyond the grid: nothing
    EXPECT_EQ(Grid->TopRow(), 60 - Page / 2);
}

}  // namespace
