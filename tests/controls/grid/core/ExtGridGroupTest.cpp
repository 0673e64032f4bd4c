// Grouping: header nodes over runs of equal texts, summary rows, header and summary looks, the
// grouped column taken out and put back, sub-groups inside groups, and group calculations.
#include "OutlineTestSupport.h"

#include "support/Artifacts.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridOptions.h"

namespace {

const QStringList Runs = {"A", "A", "B", "B", "B", "C"};

TEST_F(GroupFixture, GroupMakesAHeaderNodePerRunAndUnGroupPutsTheColumnBack)
{
    Fill(Runs);
    Grid->SetColWidths(2, 77);
    Grid->Group(2);
    EXPECT_EQ(Grid->GroupColumn(), 2);
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Layout(), QStringList({"HA|", "a1|#1", "a2|#2", "HB|", "a3|#3", "a4|#4", "a5|#5", "HC|", "a6|#6"}));
    struct TNode {
        int32_t Row;
        int32_t Span;
    };
    for (const TNode& N : {TNode{1, 3}, TNode{4, 4}, TNode{8, 2}}) {
        EXPECT_EQ(Grid->GetNodeSpan(N.Row), N.Span) << N.Row;
        EXPECT_EQ(Grid->GetNodeLevel(N.Row), 1) << N.Row;
        EXPECT_EQ(Grid->GetCellGraphic(0, N.Row)->CellVar().toInt(), -1);
    }
    EXPECT_EQ(Grid->FNumNodes, 3);
    EXPECT_EQ(Grid->Row(), 1);
    CheckRows("grouped");

    Grid->ContractNode(4);
    CheckRows("a group contracted");
    Grid->UnGroup();
    EXPECT_EQ(Grid->GroupColumn(), -1);
    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(Column(2), Runs);
    EXPECT_EQ(Grid->GetGridCell(2, 0), QStringLiteral("h2"));
    EXPECT_EQ(Grid->ColWidths(2), 77);
    EXPECT_EQ(Shown(), QStringList({"#1", "#2", "#3", "#4", "#5", "#6"}));
    EXPECT_EQ(Grid->FNumNodes, 0);
    for (int32_t r = 1; r < Grid->RowCount(); ++r) EXPECT_FALSE(Grid->IsNode(r)) << r;
    CheckRows("ungrouped");
}

TEST_F(GroupFixture, SummaryRowsFollowEveryGroup)
{
    Fill(Runs);
    Grid->Grouping()->SetSummary(true);
    Grid->Group(2);
    EXPECT_EQ(Layout(), QStringList({"HA|", "a1|#1", "a2|#2", "S|", "HB|", "a3|#3", "a4|#4", "a5|#5", "S|", "HC|",
                                     "a6|#6", "S|"}));
    EXPECT_EQ(Grid->GetNodeSpan(5), 4);
    EXPECT_EQ(Grid->GetNodeSpan(10), 2);
    CheckRows("grouped");
    Grid->UnGroup();
    EXPECT_EQ(Column(2), Runs);
    for (int32_t r = 1; r < Grid->RowCount(); ++r) EXPECT_FALSE(Grid->IsSummary(r)) << r;
    CheckRows("ungrouped");
}

TEST_F(GroupFixture, HeaderTextsColumnAndCaseAndTheGroupColumnProperty)
{
    // Grouping on column 1 puts the header texts into column 2, which then moves to column 1.
    Fill(Runs);
    Grid->Group(1);
    EXPECT_EQ(Layout(), QStringList({"Ha1|", "A|#1", "Ha2|", "A|#2", "Ha3|", "B|#3", "Ha4|", "B|#4", "Ha5|", "B|#5",
                                     "Ha6|", "C|#6"}));
    Grid->SetGroupColumn(0);  // nothing
    EXPECT_EQ(Grid->GroupColumn(), 1);
    Grid->SetGroupColumn(-1);
    EXPECT_EQ(Grid->GroupColumn(), -1);
    EXPECT_EQ(Column(1), QStringList({"a1", "a2", "a3", "a4", "a5", "a6"}));
    CheckRows("ungrouped");
}

TEST_F(GroupFixture, TextsDifferingInCaseFormGroupsOfTheirOwn)
{
    Fill({"a", "A", "A", "a"});
    Grid->SetGroupColumn(2);
    EXPECT_EQ(Layout(), QStringList({"Ha|", "a1|#1", "HA|", "a2|#2", "a3|#3", "Ha|", "a4|#4"}));
    CheckRows("by case");
    Grid->UnGroup();
}

TEST_F(GroupFixture, HeaderAndSummaryLooks)
{
    Fill(Runs);
    Grid->Grouping()->SetSummary(true);
    Grid->Grouping()->SetHeaderColor(clYellow);
    Grid->Grouping()->SetHeaderTextColor(clBlue);
    Grid->Grouping()->SetSummaryColor(clAqua);
    Grid->Group(2);
    for (int32_t c = 1; c < 3; ++c) {
        EXPECT_EQ(Grid->GetCellProperties(c, 1)->BrushColor(), clYellow) << c;
        EXPECT_EQ(Grid->GetCellProperties(c, 1)->FontColor(), clBlue) << c;
        EXPECT_EQ(Grid->GetCellProperties(c, 4)->BrushColor(), clAqua) << c;
        EXPECT_NE(Grid->GetCellProperties(c, 4)->FontColor(), clBlue) << c;  // no summary text colour given
        EXPECT_EQ(Grid->GetCellProperties(c, 1)->BrushColorTo(), clNone) << c;
    }
    EXPECT_FALSE(Grid->HasCellProperties(1, 2));  // data rows keep no look
    Show();
    SaveArtifact(RenderControl(Grid), QStringLiteral("grid-grouped-summaries"));
    Grid->UnGroup();

    Grid->Grouping()->SetMergeHeader(true);
    Grid->Grouping()->SetMergeSummary(true);
    Grid->Group(2);
    EXPECT_TRUE(Grid->IsMergedCell(1, 1));
    EXPECT_EQ(Grid->CellSpan(1, 1).X, 1);
    EXPECT_EQ(Grid->GetCellProperties(1, 1)->BrushColor(), clYellow);
    EXPECT_TRUE(Grid->IsMergedCell(1, 4));  // the summary before the next header
    EXPECT_EQ(Grid->GetCellProperties(1, 4)->BrushColor(), clAqua);
    EXPECT_TRUE(Grid->IsMergedCell(1, Grid->RowCount() - 1));
    EXPECT_FALSE(Grid->IsMergedCell(1, 2));
    CheckRows("merged");
    Grid->UnGroup();
    EXPECT_EQ(Column(2), Runs);
    for (int32_t r = 1; r < Grid->RowCount(); ++r) EXPECT_FALSE(Grid->IsMergedCell(1, r)) << r;
    CheckRows("ungrouped");
}

TEST_F(GroupFixture, SubGroupsInsideGroupsAndBack)
{
    Fill({"A", "A", "A", "B", "B"}, 6);
    for (int32_t r = 1; r <= 5; ++r) Grid->SetCells(2, r, QStringList({"A", "A", "A", "B", "B"})[r - 1]);
    const QStringList Sub = {"x", "x", "y", "z", "z"};
    for (int32_t r = 1; r <= 5; ++r) Grid->SetCells(3, r, Sub[r - 1]);
    Grid->Group(2);  // columns now: 1 a, 2 sub, 3 free, 4 id
    Grid->SubGroup(2);
    EXPECT_EQ(Grid->GroupColumn(), 2);
    struct TRowCase {
        int32_t Row;
        bool Node;
        int32_t Span;
        int32_t Var;
        QString Header;
    };
    const TRowCase Rows[] = {
        {1, true, 6, -1, ""},  {2, true, 3, 2, "x"}, {3, false, 0, 0, ""}, {4, false, 0, 0, ""},
        {5, true, 2, 2, "y"},  {6, false, 0, 0, ""}, {7, true, 4, -1, ""}, {8, true, 3, 2, "z"},
        {9, false, 0, 0, ""},  {10, false, 0, 0, ""},
    };
    ASSERT_EQ(Grid->RowCount(), 11);
    for (const TRowCase& C : Rows) {
        SCOPED_TRACE(C.Row);
        EXPECT_EQ(Grid->IsNode(C.Row), C.Node);
        if (!C.Node) {
            EXPECT_EQ(Grid->GetGridCell(2, C.Row), QString());  // values stand in the sub-headers
            continue;
        }
        EXPECT_EQ(Grid->GetNodeSpan(C.Row), C.Span);
        EXPECT_EQ(Grid->GetCellGraphic(0, C.Row)->CellVar().toInt(), C.Var);
        if (C.Var == 2) {
            EXPECT_EQ(Grid->GetGridCell(3, C.Row), C.Header);
            EXPECT_EQ(Grid->GetNodeLevel(C.Row), 2);
        }
    }
    EXPECT_EQ(Grid->GetSubNodeCount(1), 2);
    EXPECT_EQ(Grid->GetSubNodeCount(7), 1);
    Grid->Grouping()->SetShowGroupCount(true);
    EXPECT_EQ(Grid->GetCellEx(1, 1), QStringLiteral("A (3)"));
    Grid->Grouping()->SetShowGroupCount(false);
    CheckRows("sub-grouped");

    Grid->SubUnGroup(2);
    EXPECT_EQ(Column(2), QStringList({"", "x", "x", "y", "", "z", "z"}));
    EXPECT_EQ(Grid->GetNodeSpan(1), 4);
    EXPECT_EQ(Grid->GetNodeSpan(5), 3);
    EXPECT_EQ(Grid->GetSubNodeCount(1), 0);
    CheckRows("sub-ungrouped");
    Grid->UnGroup();
    EXPECT_EQ(Column(2), QStringList({"A", "A", "A", "B", "B"}));
    EXPECT_EQ(Column(3), Sub);
    CheckRows("ungrouped");
}

TEST_F(GroupFixture, RowsHiddenInsideAGroupingKeepTheirPlace)
{
    Fill(Runs);
    Grid->Grouping()->SetSummary(true);
    Grid->Group(2);
    Grid->HideRows(7, 7);  // #4
    CheckRows("hidden");
    Grid->UnGroup();
    EXPECT_EQ(Shown(), QStringList({"#1", "#2", "#3", "#5", "#6"}));
    CheckRows("ungrouped");
    Grid->UnHideRows(4, 4);
    EXPECT_EQ(Shown(), QStringList({"#1", "#2", "#3", "#4", "#5", "#6"}));
    EXPECT_EQ(Column(2), Runs);
}

TEST_F(GroupFixture, GroupingSortsByTheColumnFirst)
{
    Fill({"B", "A", "B", "A", "C"});
    Grid->SortSettings()->SetAutoSortForGrouping(true);
    Grid->Group(2);
    EXPECT_EQ(Grid->SortSettings()->Column(), 2);
    QStringList Headers;
    for (int32_t r = 1; r < Grid->RowCount(); ++r)
        if (Grid->IsNode(r)) Headers << Grid->GetGridCell(1, r) + QString::number(Grid->GetNodeSpan(r));
    EXPECT_EQ(Headers, QStringList({"A3", "B3", "C2"}));
    QStringList GroupA = Shown().mid(1, 2);
    GroupA.sort();
    EXPECT_EQ(GroupA, QStringList({"#2", "#4"}));
    CheckRows("sorted and grouped");
}

}  // namespace
