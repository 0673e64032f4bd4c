// Outline nodes: making and removing them, levels and parents, contracting and expanding (nested,
// one at a time, all), the glyph hit test, and rows inserted and removed inside nodes.
#include "OutlineTestSupport.h"

#include "grid/base/GridSettings.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"
#include "grid/core/GridOptions.h"

#include "graphics/Bitmap.h"

namespace {

using namespace ExtGrid;

QStringList Ids(std::initializer_list<int> Numbers)
{
    QStringList Result;
    for (int N : Numbers) Result << QStringLiteral("#%1").arg(N);
    return Result;
}

const QStringList Eight = {"v", "v", "v", "v", "v", "v", "v", "v"};

TEST_F(OutlineFixture, AddNodeMarksTheRowAndRaisesTheLevelsOfItsSpan)
{
    Fill(Eight);
    Grid->SetCol(0);
    Grid->AddNode(1, 3);
    EXPECT_TRUE(Grid->IsNode(1));
    EXPECT_EQ(Grid->GetNodeLevel(1), 1);
    EXPECT_EQ(Grid->GetNodeSpan(1), 3);
    EXPECT_FALSE(Grid->GetNodeState(1));
    EXPECT_EQ(Grid->GetNodeLevel(2), -1);  // no node row
    for (int32_t r = 1; r <= 3; ++r) EXPECT_EQ(Grid->GetCellProperties(0, r)->NodeLevel(), 1) << r;
    EXPECT_FALSE(Grid->HasCellProperties(0, 4));
    const TCellGraphic* Node = Grid->GetCellGraphic(0, 1);
    EXPECT_EQ(Node->CellType(), ctNode);
    EXPECT_EQ(Node->CellAngle(), 1);
    EXPECT_EQ(Node->CellErrFrom(), 0);
    EXPECT_EQ(Node->CellVar().toInt(), -1);
    EXPECT_EQ(Node->CellHAlign(), haBeforeText);
    EXPECT_EQ(Node->CellVAlign(), vaCenter);
    EXPECT_EQ(Grid->FNumNodes, 1);
    EXPECT_EQ(Grid->Col(), 1);

    // A nested node: its rows are on level 2.
    Grid->AddNode(2, 2);
    EXPECT_EQ(Grid->GetNodeLevel(2), 2);
    EXPECT_EQ(Grid->GetCellProperties(0, 3)->NodeLevel(), 2);
    EXPECT_EQ(Grid->FNumNodes, 2);

    Grid->RemoveNode(2);
    EXPECT_FALSE(Grid->IsNode(2));
    EXPECT_EQ(Grid->GetCellProperties(0, 3)->NodeLevel(), 1);
    Grid->RemoveAllNodes();
    EXPECT_EQ(Grid->FNumNodes, 0);
    EXPECT_FALSE(Grid->HasNodes());
    for (int32_t r = 1; r <= 3; ++r) EXPECT_EQ(Grid->GetCellProperties(0, r)->NodeLevel(), 0) << r;
    CheckRows("removed");
}

TEST_F(OutlineFixture, ContractingHidesTheSpanAndExpandingShowsItInOrder)
{
    Fill(Eight);
    Grid->AddNode(1, 3);
    Grid->ContractNode(1);
    EXPECT_TRUE(Grid->GetNodeState(1));
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Shown(), Ids({1, 4, 5, 6, 7, 8}));
    EXPECT_EQ(Grid->RealRowIndex(2), 4);
    CheckRows("contracted");
    Grid->ContractNode(1);  // contracted already: nothing
    EXPECT_EQ(Grid->RowCount(), 7);

    Grid->ExpandNode(1);
    EXPECT_FALSE(Grid->GetNodeState(1));
    EXPECT_EQ(Grid->RowCount(), 9);
    EXPECT_EQ(Shown(), Ids({1, 2, 3, 4, 5, 6, 7, 8}));
    CheckRows("expanded");

    // The state setter takes display rows and calls the same operations.
    Grid->SetNodeState(1, true);
    EXPECT_EQ(Grid->RowCount(), 7);
    Grid->SetNodeState(1, false);
    EXPECT_EQ(Grid->RowCount(), 9);
}

TEST_F(OutlineFixture, ContractingAnOuterNodeTakesContractedInnerNodesAlong)
{
    Fill(Eight);
    Grid->AddNode(1, 6);  // rows 1..6
    Grid->AddNode(3, 3);  // rows 3..5
    Grid->ContractNode(3);
    EXPECT_EQ(Shown(), Ids({1, 2, 3, 6, 7, 8}));
    CheckRows("inner contracted");

    Grid->ContractNode(1);
    EXPECT_EQ(Shown(), Ids({1, 7, 8}));
    CheckRows("outer contracted");
    EXPECT_EQ(Grid->NumHiddenRows(), 5);

    Grid->ExpandNode(1);
    EXPECT_EQ(Shown(), Ids({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_FALSE(Grid->GetNodeState(3));  // marked expanded by the outer contraction
    CheckRows("outer expanded");
}

TEST_F(OutlineFixture, ExpandOneContractsEveryOtherNodeFirst)
{
    Fill(Eight);
    Grid->AddNode(1, 2);
    Grid->AddNode(3, 3);
    Grid->AddNode(6, 3);
    Grid->ContractAll();
    EXPECT_EQ(Shown(), Ids({1, 3, 6}));
    CheckRows("all contracted");
    Grid->CellNode()->SetExpandOne(true);
    Grid->ExpandNode(1);
    EXPECT_EQ(Shown(), Ids({1, 2, 3, 6}));
    Grid->ExpandNode(6);
    EXPECT_EQ(Shown(), Ids({1, 3, 6, 7, 8}));
    CheckRows("one expanded");
    Grid->CellNode()->SetExpandOne(false);

    Grid->ExpandAll();
    EXPECT_EQ(Shown(), Ids({1, 2, 3, 4, 5, 6, 7, 8}));
    for (int32_t r : {1, 3, 6}) EXPECT_FALSE(Grid->GetNodeState(r)) << r;
    CheckRows("all expanded");
}

TEST_F(OutlineFixture, ParentRowsAndSpanTypes)
{
    Fill(Eight);
    EXPECT_EQ(Grid->GetParentRow(2), -1);  // no nodes at all
    Grid->AddNode(1, 5);                   // rows 1..5
    Grid->AddNode(2, 2);                   // rows 2..3
    struct TCase {
        int32_t Row;
        int32_t Parent;
        int32_t SpanType;
    };
    const TCase Cases[] = {
        {1, 1, 0},   // a top node: the row itself
        {2, 1, 0},   // a nested node: its parent
        {3, 2, 1},   // child of the nested node; row 4 is on a lower level
        {4, 1, 2},   // child of the outer node, row 5 continues
        {5, 1, 1},   // the last row of the node, row 6 has no properties
        {6, -1, 1},  // outside every node
        {8, -1, 1},  // the last normal row
    };
    for (const TCase& C : Cases) {
        EXPECT_EQ(Grid->GetParentRow(C.Row), C.Parent) << C.Row;
        EXPECT_EQ(Grid->GetNodeSpanType(C.Row), C.SpanType) << C.Row;
    }
    // Contracted nodes count their hidden rows out.
    Grid->ContractNode(2);
    EXPECT_EQ(Grid->GetParentRow(3), 1);  // now #4
    EXPECT_EQ(Grid->GetParentRow(5), -1);  // now #6
}

TEST_F(OutlineFixture, GlyphHitTestByNodeType)
{
    Fill(Eight);
    Grid->AddNode(1, 3);
    Grid->AddNode(2, 2);
    Grid->MouseActions()->SetPreciseNodeClick(false);
    EXPECT_TRUE(Grid->IsInNodeGlyph(1, 300));
    Grid->MouseActions()->SetPreciseNodeClick(true);

    TBitmap Glyph;
    Glyph.SetWidth(10);
    Glyph.SetHeight(10);
    struct TCase {
        ExtGrid::TNodeType Type;
        int32_t Row;
        int32_t Inside;  // first and last hits; one less and one more miss
        int32_t Last;
        bool WithGlyph;
    };
    const TCase Cases[] = {
        {cnXP, 1, 5, 15, false},     {cnFlat, 1, 5, 15, false}, {cn3D, 1, 1, 17, false},
        {cnLeaf, 1, 3, 19, false},   {cnGlyph, 1, 3, 16, true}, {cnXP, 2, 17, 27, false},
        {cnLeaf, 2, 15, 31, false},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(int(C.Type));
        Grid->CellNode()->SetNodeType(C.Type);
        if (C.WithGlyph) Grid->CellNode()->SetExpandGlyph(&Glyph);
        EXPECT_TRUE(Grid->IsInNodeGlyph(C.Row, C.Inside));
        EXPECT_TRUE(Grid->IsInNodeGlyph(C.Row, C.Last));
        EXPECT_FALSE(Grid->IsInNodeGlyph(C.Row, C.Inside - 1));
        EXPECT_FALSE(Grid->IsInNodeGlyph(C.Row, C.Last + 1));
    }
    // Without an expand glyph the glyph type has no width: 0 < X < 12 on level 1.
    Grid->CellNode()->SetNodeType(cnGlyph);
    Grid->CellNode()->ExpandGlyph()->SetSize(0, 0);
    EXPECT_TRUE(Grid->IsInNodeGlyph(1, 1));
    EXPECT_TRUE(Grid->IsInNodeGlyph(1, 11));
    EXPECT_FALSE(Grid->IsInNodeGlyph(1, 12));
}

TEST_F(OutlineFixture, ChildRowsGrowAndShrinkTheirNodes)
{
    Fill(Eight);
    Grid->AddNode(1, 3);
    Grid->InsertChildRow(2, 0);  // a plain row: the new row goes at row 2
    Expected << QString();
    EXPECT_EQ(Grid->GetNodeSpan(1), 4);
    EXPECT_EQ(Grid->GetSubNodeCount(1), 1);
    EXPECT_EQ(Grid->GetCellProperties(0, 2)->NodeLevel(), 1);
    EXPECT_EQ(Shown(), QStringList({"#1", "", "#2", "#3", "#4", "#5", "#6", "#7", "#8"}));
    Grid->SetCells(3, 2, QStringLiteral("#9"));
    Expected.removeLast();
    Expected << QStringLiteral("#9");
    CheckRows("child inserted");

    // On a node row the new row takes over the node row's texts; the node keeps its graphic.
    Grid->InsertChildRow(1, 0);
    EXPECT_TRUE(Grid->IsNode(1));
    EXPECT_EQ(Grid->GetNodeSpan(1), 5);
    EXPECT_EQ(Grid->GetGridCell(3, 1), QString());
    EXPECT_EQ(Grid->GetGridCell(3, 2), QStringLiteral("#1"));
    EXPECT_EQ(Grid->GetGridCell(1, 2), QStringLiteral("a1"));
    EXPECT_FALSE(Grid->IsNode(2));
    Grid->SetCells(3, 1, QStringLiteral("#10"));
    Expected << QStringLiteral("#10");
    CheckRows("node row taken over");

    // Removing children lowers the span.
    Grid->RemoveChildRow(3);  // #9
    Expected.removeAll(QStringLiteral("#9"));
    EXPECT_EQ(Grid->GetNodeSpan(1), 4);
    EXPECT_EQ(Grid->GetSubNodeCount(1), 1);
    CheckRows("child removed");
}

TEST_F(OutlineFixture, RemovingTheOnlyChildLeavesASpanOfOne)
{
    Fill(Eight);
    Grid->AddNode(1, 2);
    Grid->RemoveChildRow(2);
    Expected.removeAll(QStringLiteral("#2"));
    EXPECT_EQ(Grid->GetNodeSpan(1), 1);
    // Only rows InsertChildRow added count: the count stays at 0.
    EXPECT_EQ(Grid->GetSubNodeCount(1), 0);
    // A node of span 1 keeps it when a row is removed below it.
    Grid->RemoveChildRow(2);  // #3, outside the node
    Expected.removeAll(QStringLiteral("#3"));
    EXPECT_EQ(Grid->GetNodeSpan(1), 1);
    CheckRows("children removed");
}

TEST_F(OutlineFixture, ChildRowsOfAContractedNodeExpandItAndHiddenRowsKeepTheirPlace)
{
    Fill(Eight);
    Grid->AddNode(1, 3);
    Grid->AddNode(5, 3);
    Grid->ContractNode(5);  // #6, #7 hidden
    Grid->InsertChildRow(2, 1);  // below #2, under node 1
    EXPECT_EQ(Grid->GetNodeSpan(1), 4);
    CheckRows("inserted above a contracted node");
    Grid->ExpandNode(6);  // the node of #5 moved one down
    EXPECT_EQ(Shown(), QStringList({"#1", "#2", "", "#3", "#4", "#5", "#6", "#7", "#8"}));

    Grid->ContractNode(6);
    Grid->InsertNormalRow(4);  // above #3
    CheckRows("normal row inserted");
    Grid->ExpandNode(7);
    EXPECT_EQ(Shown(), QStringList({"#1", "#2", "", "", "#3", "#4", "#5", "#6", "#7", "#8"}));
    CheckRows("normal row inserted");
}

TEST_F(OutlineFixture, RemovingANodeRowAsAChildRowStopsCountingIt)
{
    Fill(Eight);
    Grid->AddNode(1, 3);
    Grid->ContractNode(1);
    Grid->RemoveChildRow(1);
    Expected.removeAll(QStringLiteral("#1"));
    EXPECT_EQ(Grid->FNumNodes, 0);
    EXPECT_EQ(Shown(), Ids({2, 3, 4, 5, 6, 7, 8}));  // its rows were shown first
    CheckRows("node row removed");
}

TEST_F(OutlineFixture, ContractAllHidesEveryNodeAsOneRowListLevel)
{
    Fill(Eight);
    Grid->AddNode(1, 4);
    Grid->AddNode(2, 2);
    Grid->AddNode(6, 2);
    Grid->ContractAll();
    EXPECT_EQ(Shown(), Ids({1, 5, 6, 8}));
    EXPECT_TRUE(Grid->GetNodeState(1));
    EXPECT_TRUE(Grid->GetNodeState(3));  // #6
    CheckRows("all contracted");
    Grid->ExpandAll();
    EXPECT_EQ(Shown(), Ids({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_FALSE(Grid->GetNodeState(2));
    CheckRows("all expanded");
}

TEST_F(OutlineFixture, CheckingAContractedGroupNodeChecksItsHiddenRows)
{
    Fill(Eight);
    Grid->AddNode(1, 4);
    Grid->Grouping()->SetAutoCheckGroup(true);
    Grid->AddCheckBoxColumn(2);
    Grid->ContractNode(1);
    ASSERT_EQ(Shown(), Ids({1, 5, 6, 7, 8}));
    EXPECT_TRUE(Grid->ToggleCheckBox(2, 1));
    for (int32_t Real = 2; Real <= 4; ++Real) {
        bool State = false;
        EXPECT_TRUE(Grid->GetCheckBoxState(2, Real, State)) << Real;
        EXPECT_TRUE(State) << Real;
    }
    bool Outside = true;
    Grid->GetCheckBoxState(2, 5, Outside);
    EXPECT_FALSE(Outside);

    // Shown again, one child unchecked makes the node grayed.
    Grid->ExpandNode(1);
    EXPECT_TRUE(Grid->ToggleCheckBox(2, 3));
    TCheckBoxState Node = cbChecked;
    Grid->GetCheckBoxState(2, 1, Node);
    EXPECT_EQ(Node, cbGrayed);
    CheckRows("checked");
}

TEST_F(OutlineFixture, InsertAndDeleteKeysWorkOnTheOutline)
{
    Fill(Eight);
    Grid->AddNode(2, 3);  // #2 over #3, #4
    Grid->AutoInsertRow(3);  // a child row at #3's place
    EXPECT_EQ(Grid->GetNodeSpan(2), 4);
    EXPECT_EQ(Grid->GetCellProperties(0, 3)->NodeLevel(), 1);
    Grid->AutoInsertRow(7);  // outside the node: a normal row
    EXPECT_EQ(Grid->GetNodeSpan(2), 4);
    EXPECT_EQ(Shown(), QStringList({"#1", "#2", "", "#3", "#4", "#5", "", "#6", "#7", "#8"}));
    CheckRows("inserted");

    Grid->AutoDeleteRow(4);  // #3, a child
    Expected.removeAll(QStringLiteral("#3"));
    EXPECT_EQ(Grid->GetNodeSpan(2), 3);
    Grid->AutoDeleteRow(1);  // #1, no parent
    Expected.removeAll(QStringLiteral("#1"));
    EXPECT_EQ(Shown(), QStringList({"#2", "", "#4", "#5", "", "#6", "#7", "#8"}));
    EXPECT_TRUE(Grid->IsNode(1));
    CheckRows("deleted");

    Grid->Grouping()->SetShowGroupCount(true);
    Grid->SetCells(1, 1, QStringLiteral("Group"));
    EXPECT_EQ(Grid->GetCellEx(1, 1), QStringLiteral("Group (2)"));
}

}  // namespace
