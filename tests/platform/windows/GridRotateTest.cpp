// Moving blocks of rows in one pass: texts, objects, heights and the current cell go with their rows.
#include "GridTestSupport.h"

#include "rtl/Strings.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using GridRotateTest = GridFixture;

TEST_F(GridRotateTest, RowsMoveWholeWithHeightsAndTheCurrentRow)
{
    struct TCase {
        int32_t First, Middle, Last;
        QString Order;    // column 0 afterwards
        int32_t Current;  // the row the current row 2 went to
    };
    const TCase Cases[] = {
        {1, 3, 6, "r0,r3,r4,r5,r1,r2,r6,r7", 5},  // block 1..2 goes down behind 3..5
        {2, 5, 8, "r0,r1,r5,r6,r7,r2,r3,r4", 5},  // the last rows come up to 2
        {0, 1, 8, "r1,r2,r3,r4,r5,r6,r7,r0", 1},
        {3, 3, 8, "r0,r1,r2,r3,r4,r5,r6,r7", 2},  // empty part: nothing
        {5, 6, 9, "r0,r1,r2,r3,r4,r5,r6,r7", 2},  // beyond the count: nothing
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Order.toStdString());
        MakeGrid(3, 8);
        TObject Objects[8];
        for (int32_t R = 0; R < 8; ++R) {
            Grid->SetCells(0, R, QStringLiteral("r%1").arg(R));
            Grid->SetCells(2, R, QStringLiteral("x%1").arg(R));
            Grid->SetObjects(1, R, &Objects[R]);
            Grid->SetRowHeights(R, 20 + R);
        }
        // Cells beyond the count are not part of any rotation.
        Grid->SetCells(0, 8, QStringLiteral("beyond"));
        Grid->SetRow(2);
        Grid->Log.clear();
        Grid->RotateRows(C.First, C.Middle, C.Last);
        EXPECT_EQ(Grid->Cols(0)->CommaText(), C.Order);
        for (int32_t R = 0; R < 8; ++R) {
            const int32_t Was = Grid->Cells(0, R).mid(1).toInt();
            EXPECT_EQ(Grid->Cells(2, R), QStringLiteral("x%1").arg(Was));
            EXPECT_EQ(Grid->Objects(1, R), &Objects[Was]);
            EXPECT_EQ(Grid->RowHeights(R), 20 + Was);
        }
        EXPECT_EQ(Grid->Cells(0, 8), QStringLiteral("beyond"));
        EXPECT_EQ(Grid->Row(), C.Current);
        EXPECT_TRUE(Grid->Log.filter(QStringLiteral("Moved")).isEmpty());
    }
}

TEST_F(GridRotateTest, SparseRowsAndFarPagesMoveWithoutFillingTheGap)
{
    MakeGrid(2, 5000);
    Grid->SetCells(0, 10, QStringLiteral("a"));
    Grid->SetCells(1, 4000, QStringLiteral("b"));
    Grid->RotateRows(10, 11, 4500);
    EXPECT_EQ(Grid->Cells(0, 4499), QStringLiteral("a"));
    EXPECT_EQ(Grid->Cells(1, 3999), QStringLiteral("b"));
    EXPECT_EQ(Grid->Cells(0, 10), QString());
    EXPECT_EQ(Grid->Cells(1, 4000), QString());
}

TEST_F(GridRotateTest, ArrangeRowsPutsEachRowWhereItsSourceSays)
{
    struct TCase {
        int32_t First;
        std::vector<int32_t> Sources;
        QString Order;
        int32_t Current;  // where the current row 2 went
    };
    const TCase Cases[] = {
        {1, {4, 1, 3, 2}, "r0,r4,r1,r3,r2,r5", 4},
        {0, {5, 4, 3, 2, 1, 0}, "r5,r4,r3,r2,r1,r0", 3},
        {1, {1, 1, 2}, "r0,r1,r2,r3,r4,r5", 2},   // not a permutation: nothing
        {4, {4, 6}, "r0,r1,r2,r3,r4,r5", 2},      // beyond the count: nothing
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Order.toStdString());
        MakeGrid(2, 6);
        TObject Objects[6];
        for (int32_t R = 0; R < 6; ++R) {
            Grid->SetCells(0, R, QStringLiteral("r%1").arg(R));
            Grid->SetObjects(1, R, &Objects[R]);
            Grid->SetRowHeights(R, 20 + R);
        }
        Grid->SetRow(2);
        Grid->Log.clear();
        Grid->ArrangeRows(C.First, C.Sources);
        EXPECT_EQ(Grid->Cols(0)->CommaText(), C.Order);
        for (int32_t R = 0; R < 6; ++R) {
            const int32_t Was = Grid->Cells(0, R).mid(1).toInt();
            EXPECT_EQ(Grid->Objects(1, R), &Objects[Was]);
            EXPECT_EQ(Grid->RowHeights(R), 20 + Was);
        }
        EXPECT_EQ(Grid->Row(), C.Current);
        EXPECT_TRUE(Grid->Log.filter(QStringLiteral("Moved")).isEmpty());
    }
}

}  // namespace
