// Group calculations: each expanded group's statistic in its header or summary row, the custom
// value, contracted groups left alone, and the floating footer's calculation.
#include "OutlineTestSupport.h"

#include "grid/core/FloatingFooter.h"
#include "grid/core/GridOptions.h"

namespace {

const QStringList Runs = {"A", "A", "B", "B", "B", "C"};

TEST_F(GroupFixture, CalculationsGoIntoHeadersOrSummaries)
{
    Fill(Runs, 5);
    const QStringList Numbers = {"1", "2", "3", "4", "5", "6"};
    for (int32_t r = 1; r <= 6; ++r) Grid->SetCells(3, r, Numbers[r - 1]);
    Grid->Group(2);  // the numbers now in column 2
    Grid->GroupSum(2);
    EXPECT_DOUBLE_EQ(Grid->Floats(2, 1), 3);
    EXPECT_DOUBLE_EQ(Grid->Floats(2, 4), 12);
    EXPECT_DOUBLE_EQ(Grid->Floats(2, 8), 6);
    Grid->GroupCount(2);
    EXPECT_EQ(Column(2), QStringList({"2", "1", "2", "3", "3", "4", "5", "1", "6"}));

    struct TCase {
        int32_t Method;
        double A, B, C;
    };
    const TCase Cases[] = {{2, 1.5, 4, 6}, {3, 1, 3, 6}, {4, 2, 5, 6}};
    for (const TCase& T : Cases) {
        Grid->GroupCalc(2, T.Method);
        EXPECT_DOUBLE_EQ(Grid->Floats(2, 1), T.A) << T.Method;
        EXPECT_DOUBLE_EQ(Grid->Floats(2, 4), T.B) << T.Method;
        EXPECT_DOUBLE_EQ(Grid->Floats(2, 8), T.C) << T.Method;
    }
    Grid->OnGroupCalc = [](TObject*, int32_t, int32_t FromRow, int32_t ToRow, double& Res) { Res = FromRow * 100 + ToRow; };
    Grid->GroupCustomCalc(2);
    EXPECT_DOUBLE_EQ(Grid->Floats(2, 1), 203);
    EXPECT_DOUBLE_EQ(Grid->Floats(2, 4), 507);
    EXPECT_DOUBLE_EQ(Grid->Floats(2, 8), 909);
    Grid->GroupCalc(2, 9);  // no such method: nothing written
    EXPECT_DOUBLE_EQ(Grid->Floats(2, 1), 203);

    // A contracted group gets nothing; the floating footer takes the calculation.
    Grid->ContractNode(4);
    Grid->FloatingFooter()->SetVisible(true);
    Grid->GroupSum(2);
    EXPECT_DOUBLE_EQ(Grid->Floats(2, 1), 3);
    EXPECT_DOUBLE_EQ(Grid->Floats(2, 4), 507);
    EXPECT_EQ(Grid->FloatingFooter()->ColumnCalc(2), acSUM);
    // The footer row, the last data row, holds the sum of the data rows above it, hidden ones included.
    const int32_t FooterRow = Grid->RowCount() - 1;
    EXPECT_DOUBLE_EQ(Grid->Floats(2, FooterRow), 1 + 2 + 3 + 4 + 5);
    Grid->GroupStdDev(2);
    EXPECT_EQ(Grid->FloatingFooter()->ColumnCalc(2), acSUM);  // deviation leaves the footer
    Grid->FloatingFooter()->SetVisible(false);
    Grid->SetCells(2, FooterRow, QStringLiteral("6"));
    Grid->ExpandNode(4);

    Grid->UnGroup();
    Grid->Grouping()->SetSummary(true);
    Grid->Group(2);
    Grid->GroupSum(2);
    EXPECT_EQ(Grid->GetGridCell(2, 1), QString());  // the header stays empty
    EXPECT_DOUBLE_EQ(Grid->Floats(2, 4), 3);
    EXPECT_DOUBLE_EQ(Grid->Floats(2, 9), 12);
    EXPECT_DOUBLE_EQ(Grid->Floats(2, 12), 6);
    CheckRows("with summaries");
}

}  // namespace
