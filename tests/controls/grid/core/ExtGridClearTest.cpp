// Clearing with nodes, the selection and moved columns; rows inserted beside hidden rows; the
// outline's child-row count and row count bookkeeping.
#include "OutlineTestSupport.h"
#include "RowTracking.h"

#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/GridOptions.h"

namespace {

using ClearOutlineTest = OutlineFixture;
using ClearRowsTest = RowTrackingFixture;

const QStringList Six = {"v", "v", "v", "v", "v", "v"};

// Clear and ClearNormalCells (without fixed columns) take the nodes out first: a contracted node's
// rows come back and are emptied with the others; with a fixed column the node column stays.
TEST_F(ClearOutlineTest, ClearingRemovesNodesFirst)
{
    struct TCase {
        const char* Name;
        bool Normal;        // ClearNormalCells, else Clear
        int32_t FixedCols;
        bool NodesGone;
    };
    const TCase Cases[] = {
        {"Clear", false, 1, true},
        {"ClearNormalCells without fixed columns", true, 0, true},
        {"ClearNormalCells with a fixed column", true, 1, false},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->UnHideRowsAll();
        Grid->RemoveAllNodes();
        Fill(Six);
        Grid->SetFixedCols(C.FixedCols);
        Grid->AddNode(1, 3);
        Grid->AddNode(4, 2);
        Grid->ContractNode(4);  // #5 hidden
        ASSERT_EQ(Grid->RowCount(), 6);
        if (C.Normal) Grid->ClearNormalCells();
        else Grid->Clear();
        if (C.NodesGone) {
            EXPECT_FALSE(Grid->HasNodes());
            EXPECT_EQ(Grid->FNumNodes, 0);
            EXPECT_EQ(Grid->NumHiddenRows(), 0);
            EXPECT_EQ(Grid->RowCount(), 7);
            for (int32_t r = 1; r < Grid->RowCount(); ++r) {
                EXPECT_FALSE(Grid->IsNode(r)) << r;
                EXPECT_EQ(Grid->GetGridCell(3, r), QString()) << r;
            }
        } else {
            EXPECT_TRUE(Grid->IsNode(1));
            EXPECT_TRUE(Grid->IsNode(4));
            EXPECT_EQ(Grid->NumHiddenRows(), 1);
            EXPECT_EQ(Grid->GetGridCell(3, 1), QString());
            EXPECT_EQ(Grid->GetGridCell(0, 0), QStringLiteral("h0"));
        }
        // Fixed row 0 is cleared only by Clear.
        EXPECT_EQ(Grid->GetGridCell(1, 0), C.Normal ? QStringLiteral("h1") : QString());
    }
}

// The child-row count counts only rows InsertChildRow added; removing rows of a node made by
// AddNode leaves it at 0, and the group count shown stays the rows under the node.
TEST_F(ClearOutlineTest, RemovedChildRowsNeverTakeTheChildCountBelowZero)
{
    Fill(Six);
    Grid->AddNode(1, 4);
    Grid->Grouping()->SetShowGroupCount(true);
    Grid->RemoveChildRow(2);
    Expected.removeAll(QStringLiteral("#2"));
    EXPECT_EQ(Grid->GetNodeSpan(1), 3);
    EXPECT_EQ(Grid->GetSubNodeCount(1), 0);
    Grid->RemoveChildRow(2);
    Expected.removeAll(QStringLiteral("#3"));
    EXPECT_EQ(Grid->GetSubNodeCount(1), 0);
    EXPECT_EQ(Grid->GetCellEx(1, 1), QStringLiteral("a1 (1)"));
    CheckRows("children removed");

    // A row added as a child counts, and goes again without going below 0.
    Grid->InsertChildRow(1, 1);
    Expected << QString();
    EXPECT_EQ(Grid->GetSubNodeCount(1), 1);
    Grid->RemoveChildRow(2);
    Grid->RemoveChildRow(2);
    Expected.removeAll(QStringLiteral("#4"));
    EXPECT_EQ(Grid->GetSubNodeCount(1), 0);
    EXPECT_EQ(Grid->GetNodeSpan(1), 1);
    EXPECT_EQ(Grid->GetCellEx(1, 1), QStringLiteral("a1 (0)"));
}

// RemoveNormalRow lowers the highest row count once per removed row.
TEST_F(ClearOutlineTest, RemoveNormalRowLowersTheMaxRowCountOnce)
{
    Fill(Six);
    Grid->AddNode(1, 3);
    const int32_t Max = Grid->MaxRowCount();
    Grid->RemoveNormalRow(5);
    Expected.removeAll(QStringLiteral("#5"));
    EXPECT_EQ(Grid->MaxRowCount(), Max - 1);
    Grid->RemoveNormalRow(2);
    Expected.removeAll(QStringLiteral("#2"));
    EXPECT_EQ(Grid->MaxRowCount(), Max - 2);
    CheckRows("normal rows removed");
}

// Rows inserted among hidden rows: the hidden rows keep their neighbours, so showing them again
// puts every row back where it was.
TEST_F(ClearRowsTest, InsertedRowsKeepHiddenRowsBesideTheirNeighbours)
{
    struct TCase {
        const char* Name;
        QList<int32_t> Hide;    // real rows
        int32_t At, Count;      // display row and count inserted
        QList<int32_t> Order;   // ids in real order afterwards; new rows 100, 101, ...
    };
    const TCase Cases[] = {
        {"hidden below", {6}, 2, 2, {0, 1, 100, 101, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"hidden just above", {2}, 2, 1, {0, 1, 2, 100, 3, 4, 5, 6, 7, 8, 9}},
        {"hidden on both sides", {1, 5, 8}, 3, 1, {0, 1, 2, 3, 100, 4, 5, 6, 7, 8, 9}},
        {"appended after hidden last rows", {8, 9}, 8, 2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 100, 101}},
        {"nothing hidden", {}, 5, 1, {0, 1, 2, 3, 4, 100, 5, 6, 7, 8, 9}},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        MakeRows(10);
        for (const int32_t r : C.Hide) Grid->HideRow(r);
        Grid->InsertRows(C.At, C.Count, true);
        for (int32_t k = 0; k < C.Count; ++k) {
            const int32_t d = C.At + k;
            const int32_t Id = 100 + k;
            Grid->SetCells(0, d, QStringLiteral("r%1").arg(Id));
            Grid->SetCells(IdCol, d, QString::number(Id));
            auto* Props = new TCountedProps(Grid, 1, d);
            Props->SetCellObject(static_cast<uintptr_t>(Id));
            Grid->SetCellProperties(1, d, Props);
            Grid->SetRowHeights(d, HeightOf(Id));
            Alive.append(Id);
        }
        CheckRows(C.Order);
        Grid->UnHideRowsAll();
        EXPECT_EQ(Shown(), C.Order);
        CheckRows(C.Order);
    }
}

QStringList RowTexts(TExtStringGrid* Grid, int32_t ARow)
{
    QStringList Texts;
    for (int32_t c = 0; c < Grid->ColCount(); ++c) Texts << Grid->Cells(c, ARow);
    return Texts;
}

// ClearSelection empties the selected rectangle, or the rows of a disjunct row selection (read by
// real row when the selection persists), or the columns of a disjunct column selection.
TEST_F(ExtGridFixture, ClearSelectionEmptiesWhatIsSelected)
{
    struct TCase {
        const char* Name;
        int32_t Kind;  // 0 rectangle, 1 rows, 2 persistent rows with real row 1 hidden, 3 columns
        QList<QPoint> Emptied;
    };
    const auto RowCells = [](QList<int32_t> Rows) {
        QList<QPoint> Cells;
        for (const int32_t r : Rows)
            for (int32_t c = 0; c < 4; ++c) Cells << QPoint(c, r);
        return Cells;
    };
    const auto ColCells = [](int32_t Col, int32_t Rows) {
        QList<QPoint> Cells;
        for (int32_t r = 0; r < Rows; ++r) Cells << QPoint(Col, r);
        return Cells;
    };
    const TCase Cases[] = {
        {"rectangle", 0, {QPoint(1, 1), QPoint(2, 1), QPoint(1, 2), QPoint(2, 2)}},
        {"rows", 1, RowCells({2, 4})},
        {"persistent rows by real row", 2, RowCells({2})},
        {"columns", 3, ColCells(2, 6)},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->UnHideRowsAll();
        Grid->MouseActions()->SetDisjunctRowSelect(false);
        Grid->MouseActions()->SetDisjunctColSelect(false);
        Grid->MouseActions()->SetRowSelectPersistent(false);
        Grid->SetColCount(4);
        Grid->SetRowCount(6);
        for (int32_t r = 0; r < 6; ++r)
            for (int32_t c = 0; c < 4; ++c) Grid->SetCells(c, r, QStringLiteral("%1.%2").arg(c).arg(r));
        switch (C.Kind) {
        case 0: Grid->SetSelection(TGridRect{1, 1, 2, 2}); break;
        case 1:
            Grid->MouseActions()->SetDisjunctRowSelect(true);
            Grid->ClearRowSelect();
            Grid->SetRowSelect(2, true);
            Grid->SetRowSelect(4, true);
            break;
        case 2:
            Grid->MouseActions()->SetDisjunctRowSelect(true);
            Grid->MouseActions()->SetRowSelectPersistent(true);
            Grid->ClearRowSelect();
            Grid->HideRow(1);
            // Real row 3 now shows at display row 2.
            Grid->SetRowSelect(3, true);
            break;
        default:
            Grid->MouseActions()->SetDisjunctColSelect(true);
            Grid->ClearColSelect();
            Grid->SetColSelect(2, true);
            break;
        }
        Grid->ClearSelection();
        for (int32_t r = 0; r < Grid->RowCount(); ++r)
            for (int32_t c = 0; c < 4; ++c) {
                const int32_t Real = Grid->RealRowIndex(r);
                const QString Was = QStringLiteral("%1.%2").arg(c).arg(Real);
                EXPECT_EQ(Grid->Cells(c, r), C.Emptied.contains(QPoint(c, r)) ? QString() : Was) << c << "," << r;
            }
    }
}

// MoveColumn moves the whole column with its cells, the fixed row's included.
TEST_F(ExtGridFixture, MoveColumnMovesWholeColumns)
{
    Grid->SetColCount(4);
    Grid->SetRowCount(3);
    for (int32_t r = 0; r < 3; ++r)
        for (int32_t c = 0; c < 4; ++c) Grid->SetCells(c, r, QStringLiteral("%1.%2").arg(c).arg(r));
    Grid->MoveColumn(1, 3);
    EXPECT_EQ(RowTexts(Grid, 0), QStringList({"0.0", "2.0", "3.0", "1.0"}));
    EXPECT_EQ(RowTexts(Grid, 2), QStringList({"0.2", "2.2", "3.2", "1.2"}));
    Grid->MoveColumn(3, 0);
    EXPECT_EQ(RowTexts(Grid, 1), QStringList({"1.1", "0.1", "2.1", "3.1"}));
}

}  // namespace
