// Column and row statistics: ranges, skipped and raising cells, merged cells, node rows in grouped
// and plain grids, progress notices.
#include "ExtGridTestSupport.h"

#include "grid/core/FloatingFooter.h"

#include "rtl/FormatSettings.h"

#include <cmath>

namespace {

class TStatsGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    using TTestExtGrid::FGroupColumn;

    void ExportNotification(TGridExportState AState, int32_t ARow) override
    {
        Notices << QStringLiteral("%1:%2").arg(static_cast<int>(AState)).arg(ARow);
    }
    QStringList Notices;
};

class ExtGridStatsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        TFormatSettings S = FormatSettings();
        S.DecimalSeparator = QLatin1Char('.');
        S.ThousandSeparator = QLatin1Char(',');
        SetFormatSettings(S);
        Form.reset(New<TForm>(nullptr));
        Grid = New<TStatsGrid>(Form.get());
        Grid->SetParent(Form.get());
    }
    void TearDown() override { ResetFormatSettings(); }

    // Column 1 from row 1 on; the grid has one fixed row.
    void Fill(const QStringList& Texts)
    {
        Grid->SetRowCount(static_cast<int32_t>(Texts.size()) + 1);
        for (int32_t k = 0; k < Texts.size(); ++k) Grid->SetCells(1, k + 1, Texts[k]);
    }

    std::unique_ptr<TForm> Form;
    TStatsGrid* Grid = nullptr;
};

// "1..2" is no number; an empty cell reads 0.
TEST_F(ExtGridStatsFixture, ColumnFunctionsOverTheDefaultRange)
{
    Fill({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1..2"), QStringLiteral("3")});
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, -1, -1), 6);
    EXPECT_DOUBLE_EQ(Grid->ColumnAvg(1, -1, -1), 1.5);
    EXPECT_DOUBLE_EQ(Grid->ColumnMax(1, -1, -1), 3);
    EXPECT_DOUBLE_EQ(Grid->ColumnMin(1, -1, -1), 1);
    EXPECT_THROW(Grid->ColumnStdDev(1, -1, -1), EExtGridError);
    // A -1 at either end takes both ends from the grid.
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, -1, 2), 6);
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, 2, -1), 6);
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, 1, 2), 3);
    // The first row of Min and Max is read unprotected.
    EXPECT_THROW(Grid->ColumnMin(1, 3, 4), EExtGridError);
    EXPECT_DOUBLE_EQ(Grid->ColumnMax(1, 2, 4), 3);

    Fill({QStringLiteral("5"), QString(), QStringLiteral("7")});
    EXPECT_DOUBLE_EQ(Grid->ColumnMin(1, -1, -1), 0);
    // Population deviation of 5, 0, 7.
    const double Mean = 4;
    EXPECT_DOUBLE_EQ(Grid->ColumnStdDev(1, -1, -1), std::sqrt((1.0 + 16 + 9) / 3));
    EXPECT_DOUBLE_EQ(Grid->ColumnAvg(1, -1, -1), Mean);
    EXPECT_DOUBLE_EQ(Grid->ColumnAvg(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(Grid->ColumnStdDev(1, 3, 2), 0);

    // A word is no number: the deviation raises, the sum passes over it.
    Fill({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("x"), QStringLiteral("3")});
    EXPECT_THROW(Grid->ColumnStdDev(1, -1, -1), EExtGridError);
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, -1, -1), 6);
    EXPECT_DOUBLE_EQ(Grid->ColumnMax(1, -1, -1), 3);

    Fill({QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("b"), QString()});
    EXPECT_DOUBLE_EQ(Grid->ColumnDistinct(1, -1, -1), 3);

    // The custom value comes from the event with the range as given.
    EXPECT_DOUBLE_EQ(Grid->ColumnCustomCalc(1, -1, 2), 0);
    Grid->OnColumnCalc = [](TObject*, int32_t ACol, int32_t From, int32_t To, double& Res) {
        Res = ACol * 100 + From * 10 + To;
    };
    EXPECT_DOUBLE_EQ(Grid->ColumnCustomCalc(1, -1, 2), 100 - 10 + 2);
}

TEST_F(ExtGridStatsFixture, FooterRowsMergedCellsAndProgress)
{
    Fill({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("100")});
    Grid->FloatingFooter()->SetVisible(true);
    // The footer row is not in the default range.
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, -1, -1), 7);
    Grid->Notices.clear();
    Grid->ColumnSum(1, 1, 2);
    EXPECT_EQ(Grid->Notices, (QStringList{"0:1", "5:1", "5:2", "2:-1"}));
    // A cell covered by a merge does not count; the merge's base cell does.
    Grid->MergeCells(1, 1, 1, 2);
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, 1, 3), 5);
    Grid->Notices.clear();
    Grid->ColumnMax(1, 1, 3);
    EXPECT_EQ(Grid->Notices, (QStringList{"0:1", "5:1", "5:3", "2:-1"}));
}

TEST_F(ExtGridStatsFixture, NodeRowsCountOnlyWhenTheGridIsNotGrouped)
{
    Fill({QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    Grid->MakeNode(1, 3);
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, -1, -1), 16);
    EXPECT_DOUBLE_EQ(Grid->ColumnMax(1, 2, 4), 3);
    Grid->FGroupColumn = 2;
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, -1, -1), 6);
    EXPECT_DOUBLE_EQ(Grid->ColumnMax(1, -1, -1), 10);
    EXPECT_DOUBLE_EQ(Grid->ColumnMax(1, 2, 4), 3);
}

// A range past the shown rows is read as real rows, hidden ones included.
TEST_F(ExtGridStatsFixture, RealRowsReachHiddenRows)
{
    Fill({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("8")});
    Grid->HideRow(2);
    EXPECT_EQ(Grid->RowCount(), 4);
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, 1, 3), 13);
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, 1, 5), 15);
    // Real row 5 lies past the last row and reads empty: 0.
    EXPECT_DOUBLE_EQ(Grid->ColumnMin(1, 1, 5), 0);
    EXPECT_DOUBLE_EQ(Grid->ColumnMax(1, 1, 5), 8);
}

TEST_F(ExtGridStatsFixture, RowFunctions)
{
    Grid->SetColCount(6);
    Grid->SetRowCount(3);
    const QStringList Texts{QStringLiteral("4"), QStringLiteral("1..2"), QString(), QStringLiteral("6"),
                            QStringLiteral("-2")};
    for (int32_t c = 1; c <= 5; ++c) Grid->SetCells(c, 1, Texts[c - 1]);
    EXPECT_DOUBLE_EQ(Grid->RowSum(1, 1, 5), 8);
    EXPECT_DOUBLE_EQ(Grid->RowAvg(1, 1, 5), 1.6);
    EXPECT_DOUBLE_EQ(Grid->RowMin(1, 1, 5), -2);
    EXPECT_DOUBLE_EQ(Grid->RowMax(1, 1, 5), 6);
    EXPECT_THROW(Grid->RowMin(1, 2, 5), EExtGridError);
    EXPECT_DOUBLE_EQ(Grid->RowSum(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(Grid->RowAvg(1, 3, 2), 0);
    // An empty range answers the first cell.
    EXPECT_DOUBLE_EQ(Grid->RowMax(1, 4, 3), 6);
    Grid->MergeCells(3, 1, 2, 1);
    EXPECT_DOUBLE_EQ(Grid->RowSum(1, 1, 5), 4 + 0 - 2);
}

}  // namespace
