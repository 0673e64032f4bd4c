// Row and column operations: rows in and out in one pass with their cells, heights and flags, hidden
// rows keeping their places, the cells-changed reports, clearing, moving, merging and joining.
#include "RowTracking.h"
#include "grid/core/FlagList.h"

#include "grid/base/GridSupport.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridOptions.h"

#include <QRandomGenerator>

namespace {

using RowOpsTest = RowTrackingFixture;

QList<int32_t> Without(QList<int32_t> Ids, const QList<int32_t>& Gone)
{
    for (const int32_t Id : Gone) Ids.removeAll(Id);
    return Ids;
}

QList<int32_t> Range(int32_t From, int32_t To)
{
    QList<int32_t> Ids;
    for (int32_t i = From; i <= To; ++i) Ids.append(i);
    return Ids;
}

QString RectText(const TRect& R)
{
    return QStringLiteral("%1,%2-%3,%4").arg(R.Left).arg(R.Top).arg(R.Right).arg(R.Bottom);
}

TEST_F(RowOpsTest, RemoveRowsTakesRowsAndLowersHiddenRowsByTheRowsAboveThem)
{
    struct TCase {
        const char* Name;
        QList<int32_t> Hide;  // real rows hidden first
        int32_t From, Count;  // display rows removed
        QList<int32_t> Gone;  // ids removed
    };
    const TCase Cases[] = {
        {"plain", {}, 3, 2, {3, 4}},
        {"beyond the grid", {}, 10, 1, {}},
        {"count 0", {}, 4, 0, {}},
        {"cut at the end", {}, 8, 5, {8, 9}},
        {"hidden below", {6}, 3, 2, {3, 4}},
        {"hidden between", {4}, 3, 2, {3, 5}},
        {"hidden above", {1, 2}, 3, 1, {5}},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        MakeRows(10);
        for (const int32_t r : C.Hide) Grid->HideRow(r);
        QStringList Reports;
        Grid->OnCellsChanged = [&](TObject*, const TRect& R) { Reports.append(RectText(R)); };
        Grid->RemoveRows(C.From, C.Count);
        Alive = Without(Range(0, 9), C.Gone);
        CheckRows(Alive);
        if (!C.Gone.isEmpty()) {
            EXPECT_EQ(Reports.last(), QStringLiteral("0,%1-2,%2").arg(C.From).arg(C.From + C.Gone.size()));
        }
        Grid->UnHideRowsAll();
        EXPECT_EQ(Shown(), Alive);
        CheckRows(Alive);
        Grid->OnCellsChanged = nullptr;
    }
}

TEST_F(RowOpsTest, RemoveRowBlockAndRemoveRowsExKeepTheSameRows)
{
    for (const bool Ex : {false, true}) {
        SCOPED_TRACE(Ex);
        MakeRows(10);
        Grid->HideRow(5);
        QList<int32_t> Moves;
        Grid->OnRowMoved = [&](TObject*, int32_t From, int32_t To) { Moves << From << To; };
        if (Ex) {
            // The caller takes the properties itself.
            for (int32_t r = 2; r < 4; ++r) Grid->FreeCellProps(1, r);
            Grid->RemoveRowsEx(2, 2);
        } else {
            Grid->RemoveRowBlock(2, 2);
            // Each row's move is still heard.
            EXPECT_EQ(Moves, (QList<int32_t>{2, 8, 2, 7}));
        }
        Alive = Without(Range(0, 9), {2, 3});
        CheckRows(Alive);
        Grid->OnRowMoved = nullptr;
    }
}

TEST_F(RowOpsTest, FlagsAndHeightsFollowTheirRows)
{
    MakeRows(8);
    Grid->ShowModified()->SetEnabled(true);
    Grid->FUseEnabledRows = true;
    auto Mark = [&](TFlagList* List, int32_t Count) {
        List->SetCount(0);
        for (int32_t r = 0; r < Count; ++r) List->Add(r % 3 == 0 ? 1 : 0);
    };
    Mark(Grid->FModifiedRows.get(), 8);
    Mark(Grid->FEnabledRows.get(), 8);
    auto Flags = [&](TFlagList* List) {
        QList<int32_t> Ids;
        for (int32_t r = 0; r < List->Count() && r < Grid->RowCount(); ++r)
            if (List->GetInteger(r)) Ids.append(Grid->Cells(RowTrackingFixture::IdCol, r).toInt());
        return Ids;
    };
    Grid->RemoveRows(2, 2);   // ids 2, 3 go
    Grid->InsertRows(1, 2);   // two unmarked rows
    EXPECT_EQ(Flags(Grid->FModifiedRows.get()), (QList<int32_t>{0, 6}));
    EXPECT_EQ(Flags(Grid->FEnabledRows.get()), (QList<int32_t>{0, 6}));
    EXPECT_EQ(Grid->RowHeights(1), Grid->DefaultRowHeight());
    EXPECT_EQ(Grid->Cells(0, 1), QString());
    Grid->RemoveRows(1, 2);
    Grid->MoveRows(1, 5, 2);  // ids 1 and 4 go behind 5
    Alive = Without(Range(0, 7), {2, 3});
    CheckRows();
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 5, 6, 1, 4, 7}));
    EXPECT_EQ(Flags(Grid->FModifiedRows.get()), (QList<int32_t>{0, 6}));
}

TEST_F(RowOpsTest, MoveRowsMovesTextsObjectsAndReportsBothPlaces)
{
    MakeRows(8);
    QStringList Reports;
    Grid->OnCellsChanged = [&](TObject*, const TRect& R) { Reports.append(RectText(R)); };
    Grid->MoveRows(2, 6, 2);
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 1, 4, 5, 2, 3, 6, 7}));
    EXPECT_EQ(Reports, (QStringList{"0,2-2,4", "0,4-2,6"}));
    CheckRows();
    Grid->MoveRows(5, 1, 3);
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 3, 6, 7, 1, 4, 5, 2}));
    CheckRows();
}

TEST_F(RowOpsTest, InsertRowsShowsTheFooterRowLastAndAddRowGoesAboveIt)
{
    Show();
    Grid->SetRowCount(5);
    Grid->SetCells(0, 4, QStringLiteral("footer"));
    Grid->FloatingFooter()->SetVisible(true);
    Grid->AddRow();
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_EQ(Grid->Cells(0, 5), QStringLiteral("footer"));
    EXPECT_EQ(Grid->Cells(0, 4), QString());
    Grid->FloatingFooter()->SetVisible(false);
    Grid->AddRow();
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Grid->Cells(0, 5), QStringLiteral("footer"));
}

TEST_F(RowOpsTest, ClearRectFreesPropertiesUnlessTextsOnly)
{
    MakeRows(4);
    Grid->SetClearTextOnly(true);
    Grid->ClearRect(0, 1, 1, 1);
    EXPECT_EQ(TCountedProps::Live, 4);
    EXPECT_EQ(Grid->Cells(0, 1), QString());
    Grid->SetClearTextOnly(false);
    QStringList Reports;
    Grid->OnCellsChanged = [&](TObject*, const TRect& R) { Reports.append(RectText(R)); };
    Grid->ClearRect(0, 2, 1, 3);
    EXPECT_EQ(TCountedProps::Live, 2);
    EXPECT_EQ(Reports, (QStringList{"0,2-1,3"}));
    // Hidden rows are emptied by ClearAll and stay hidden.
    Grid->HideRow(1);
    Grid->ClearAll();
    EXPECT_EQ(TCountedProps::Live, 0);
    EXPECT_EQ(Grid->NumHiddenRows(), 1);
    EXPECT_EQ(Grid->GridItems()->Items(0)->Items()->Strings(RowTrackingFixture::IdCol), QString());
}

TEST_F(RowOpsTest, ColumnsInsertedAndRemovedByRealIndexKeepWidthsAndParkedCells)
{
    Grid->SetColCount(5);
    Grid->SetRowCount(3);
    for (int32_t c = 0; c < 5; ++c) {
        Grid->SetColWidths(c, 40 + c);
        for (int32_t r = 0; r < 3; ++r) Grid->SetCells(c, r, QStringLiteral("%1%2").arg(QChar('a' + c)).arg(r));
    }
    Grid->HideColumn(2);
    Grid->HideRow(1);
    Grid->InsertCols(1, 1);
    EXPECT_EQ(Grid->ColCount(), 5);
    EXPECT_EQ(Grid->AllColCount(), 6);
    EXPECT_TRUE(Grid->IsHiddenColumn(3));
    EXPECT_EQ(Grid->ColWidths(0), 40);
    EXPECT_EQ(Grid->ColWidths(1), Grid->DefaultColWidth());
    EXPECT_EQ(Grid->ColWidths(2), 41);
    EXPECT_EQ(Grid->ColWidths(3), 43);
    EXPECT_EQ(Grid->Cells(3, 0), QStringLiteral("c0"));
    EXPECT_EQ(Grid->HiddenRowTexts(1)->Strings(4), QStringLiteral("d1"));
    // Removing the hidden column lowers the hidden count, not ColCount.
    Grid->RemoveCols(3, 1);
    EXPECT_EQ(Grid->ColCount(), 5);
    EXPECT_EQ(Grid->NumHiddenColumns(), 0);
    Grid->RemoveCols(1, 1);
    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(Grid->ColWidths(1), 41);
    EXPECT_EQ(Grid->ColWidths(2), 43);
    Grid->UnHideRowsAll();
    for (int32_t r = 0; r < 3; ++r)
        EXPECT_EQ(QStringList({Grid->Cells(0, r), Grid->Cells(1, r), Grid->Cells(2, r), Grid->Cells(3, r)}),
                  QStringList({QStringLiteral("a%1").arg(r), QStringLiteral("b%1").arg(r),
                               QStringLiteral("d%1").arg(r), QStringLiteral("e%1").arg(r)}));
}

TEST_F(RowOpsTest, MergingRunsAndJoiningColumns)
{
    Grid->SetColCount(4);
    Grid->SetRowCount(6);
    const QStringList Texts{"A", "A", "B", "B", "B"};
    for (int32_t r = 1; r <= 5; ++r) Grid->SetCells(1, r, Texts[r - 1]);
    Grid->MergeColumnCells(1, true);
    EXPECT_EQ(Grid->CellSpan(1, 1).Y, 1);
    EXPECT_EQ(Grid->CellSpan(1, 3).Y, 2);
    Grid->SplitColumnCells(1);
    EXPECT_FALSE(Grid->IsMergedCell(1, 1));
    EXPECT_FALSE(Grid->IsMergedCell(1, 4));
    for (int32_t c = 1; c < 4; ++c) Grid->SetCells(c, 2, QStringList({"A", "A", "B"})[c - 1]);
    Grid->MergeRowCells(2, true);
    EXPECT_EQ(Grid->CellSpan(1, 2).X, 1);
    EXPECT_FALSE(Grid->IsMergedCell(3, 2));
    Grid->SplitAllCells();
    EXPECT_FALSE(Grid->IsMergedCell(1, 2));
    Grid->SetCells(1, 1, QStringLiteral("a"));
    Grid->SetCells(2, 1, QStringLiteral("b"));
    Grid->SetCells(3, 1, QStringLiteral("c"));
    Grid->MergeCols(1, 2, QStringLiteral(" "));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("a b"));
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("c"));
    EXPECT_EQ(Grid->ColCount(), 3);
}

TEST_F(RowOpsTest, RandomRowOperationsWithHiddenRowsKeepEveryRow)
{
    MakeRows(30);
    QRandomGenerator Random(4121);
    for (int32_t Step = 0; Step < 150 && Grid->RowCount() > 3; ++Step) {
        SCOPED_TRACE(Step);
        const int32_t d = 1 + Random.bounded(Grid->RowCount() - 1);
        switch (Random.bounded(6)) {
        case 0: {
            const int32_t Count = 1 + Random.bounded(3);
            for (int32_t i = d; i < std::min(d + Count, Grid->RowCount()); ++i)
                Alive.removeAll(Grid->Cells(RowTrackingFixture::IdCol, i).toInt());
            Grid->RemoveRows(d, Count);
            break;
        }
        case 1: {
            Alive.removeAll(Grid->Cells(RowTrackingFixture::IdCol, d).toInt());
            Grid->RemoveRowBlock(d, 1);
            break;
        }
        case 2:
            Grid->MoveRows(d, 1 + Random.bounded(Grid->RowCount() - 1), 1 + Random.bounded(2));
            break;
        case 3: {
            const int32_t r = Grid->RealRowIndex(d);
            Grid->HideRows(r, r + Random.bounded(2));
            break;
        }
        case 4:
            Grid->UnHideRows(Random.bounded(Grid->TotalRowCount()), Grid->TotalRowCount());
            break;
        default:
            Grid->UnHideRowsAll();
            break;
        }
        CheckRows();
        if (HasFailure()) break;
    }
}

}  // namespace
