// Footer calculations of the floating footer's last row: the range summarised with and without
// hidden rows, the switches that stop it, custom values from the two events.
#include "ExtGridTestSupport.h"

#include "grid/base/GridSupport.h"
#include "grid/core/FloatingFooter.h"

#include "rtl/FormatSettings.h"

namespace {

class ExtGridFooterFixture : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        TFormatSettings S = FormatSettings();
        S.DecimalSeparator = QLatin1Char('.');
        SetFormatSettings(S);
        // One fixed row, rows 1..9 holding 1..9 in column 2, row 10 the footer row.
        Grid->SetRowCount(11);
        for (int32_t r = 1; r <= 9; ++r) Grid->SetCells(2, r, QString::number(r));
        Grid->FloatingFooter()->SetVisible(true);
    }
    void TearDown() override { ResetFormatSettings(); }

    int32_t L() const { return Grid->RowCount() - 1; }
    QString Footer(int32_t c) { return Grid->Cells(c, L()); }
};

TEST_F(ExtGridFooterFixture, EachCalculationOverTheNormalRows)
{
    struct TCase {
        TColumnCalcType Calc;
        double Expected;
    };
    const TCase Cases[] = {
        {acSUM, 45}, {acAVG, 5}, {acCOUNT, 9}, {acMIN, 1}, {acMAX, 9}, {acDISTINCT, 9},
        {acSTDDEV, 2.5819888974716112},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(static_cast<int>(C.Calc));
        Grid->FloatingFooter()->SetColumnCalc(2, C.Calc);
        EXPECT_NEAR(Grid->Floats(2, L()), C.Expected, 0.01);
    }
    // Written as a float with the grid's format.
    Grid->FloatingFooter()->SetColumnCalc(2, acSUM);
    EXPECT_EQ(Footer(2), QStringLiteral("45.00"));
    EXPECT_EQ(Grid->FixedFooters(), 1);
}

// Hidden rows are real rows of the range, whatever their number; without CalculateHiddenRows they
// are left out.
TEST_F(ExtGridFooterFixture, HiddenRowsCountAsRealRows)
{
    struct TCase {
        int32_t Hidden;
        bool CalcHidden;
        double Sum;
        int32_t Count;
    };
    const TCase Cases[] = {
        {0, true, 45, 9}, {1, true, 45, 9}, {2, true, 45, 9}, {3, true, 45, 9},
        {1, false, 43, 8}, {2, false, 40, 7},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Hidden << " hidden, " << C.CalcHidden);
        Grid->UnHideRowsAll();
        Grid->FloatingFooter()->SetCalculateHiddenRows(C.CalcHidden);
        // Rows 2, 3, 4 (values 2, 3, 4) hide in turn.
        for (int32_t k = 0; k < C.Hidden; ++k) Grid->HideRow(2 + k);
        Grid->FloatingFooter()->SetColumnCalc(1, acCOUNT);
        Grid->FloatingFooter()->SetColumnCalc(2, acSUM);
        Grid->CalcFooter(-1);
        EXPECT_DOUBLE_EQ(Grid->Floats(2, L()), C.Sum);
        // The footer's own cell (holding the last sum) never takes part.
        EXPECT_EQ(Grid->Ints(1, L()), C.Count);
    }
}

TEST_F(ExtGridFooterFixture, SwitchedOffCalculationChangesNothing)
{
    Grid->FloatingFooter()->SetColumnCalc(2, acSUM);
    struct TCase {
        const char* Name;
        std::function<void(TFloatingFooter*)> Set;
    };
    const TCase Cases[] = {
        {"EnableCalculation", [](TFloatingFooter* F) { F->SetEnableCalculation(false); }},
        {"hidden", [](TFloatingFooter* F) { F->SetVisible(false); }},
        {"fsColumnPreview", [](TFloatingFooter* F) { F->SetFooterStyle(fsColumnPreview); }},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->SetCells(2, L(), QStringLiteral("kept"));
        C.Set(Grid->FloatingFooter());
        Grid->CalcFooter(-1);
        EXPECT_EQ(Footer(2), QStringLiteral("kept"));
        Grid->FloatingFooter()->SetEnableCalculation(true);
        Grid->FloatingFooter()->SetFooterStyle(fsFixedLastRow);
        Grid->FloatingFooter()->SetVisible(true);
    }
}

TEST_F(ExtGridFooterFixture, CustomValuesAndSpreadCells)
{
    QList<int32_t> GridCalls, FooterCalls;
    Grid->FloatingFooter()->OnCalcFooter = [&](TObject*, int32_t, int32_t ARow, QString& Value) {
        FooterCalls << ARow;
        Value = QStringLiteral("footer");
    };
    Grid->HideRow(3);
    Grid->FloatingFooter()->SetColumnCalc(2, acCUSTOM);
    EXPECT_EQ(Footer(2), QStringLiteral("footer"));
    Grid->OnFooterCalc = [&](TObject* Sender, int32_t ACol, int32_t ARow, QString& Value) {
        EXPECT_EQ(Sender, Grid);
        EXPECT_EQ(ACol, 2);
        GridCalls << ARow;
        Value = QStringLiteral("grid");
    };
    Grid->CalcFooter(2);
    EXPECT_EQ(Footer(2), QStringLiteral("grid"));
    // The row passed counts the hidden row: L + h.
    EXPECT_EQ(GridCalls, QList<int32_t>({L() + 1}));
    EXPECT_EQ(FooterCalls.size(), 1);
    // Neither event: the cell empties.
    Grid->OnFooterCalc = nullptr;
    Grid->FloatingFooter()->OnCalcFooter = nullptr;
    Grid->CalcFooter(-1);
    EXPECT_EQ(Footer(2), QString());

    Grid->SetCells(1, L(), QStringLiteral("spread"));
    Grid->FloatingFooter()->SetColumnCalc(1, acSPREAD);
    Grid->CalcFooter(-1);
    EXPECT_EQ(Footer(1), QStringLiteral("spread"));
}

// Writing into the hidden footer row repaints the footer.
TEST_F(ExtGridFooterFixture, WriteIntoFooterRowRepaintsFooter)
{
    Show();
    Grid->FloatingFooter()->SetColumnCalc(2, acSUM);
    Grid->SetCells(2, 5, QStringLiteral("15"));
    Grid->CalcAllFooters();
    EXPECT_DOUBLE_EQ(Grid->Floats(2, L()), 55);
    Grid->SetCellEx(1, L(), QStringLiteral("x"));
    EXPECT_EQ(Footer(1), QStringLiteral("x"));
}

}  // namespace

// Operations that move or drop rows keep the footer row, its texts and its cell properties last,
// and the data rows in order.
TEST_F(ExtGridFooterFixture, FooterRowStaysLastThroughRowOperations)
{
    Grid->SetCells(0, L(), QStringLiteral("Total"));
    Grid->FloatingFooter()->SetColumnCalc(2, acSUM);
    TObject* const Props = Grid->Objects(2, L());
    ASSERT_NE(Props, nullptr);
    const auto Expect = [&](const char* Step, const QStringList& Data) {
        SCOPED_TRACE(Step);
        EXPECT_EQ(Grid->RowCount(), Data.size() + 2);
        QStringList Shown;
        for (int32_t r = 1; r < L(); ++r) Shown << Grid->Cells(2, r);
        EXPECT_EQ(Shown, Data);
        EXPECT_EQ(Grid->Cells(0, L()), QStringLiteral("Total"));
        EXPECT_EQ(Grid->Objects(2, L()), Props);
    };
    const QStringList All{"1", "2", "3", "4", "5", "6", "7", "8", "9"};

    Grid->HideRow(3);
    Expect("HideRow", {"1", "2", "4", "5", "6", "7", "8", "9"});
    Grid->UnHideRowsAll();
    Expect("UnHideRowsAll", All);

    TIntList List(0, 0);
    List.Add(2);
    List.Add(5);
    Grid->HideRowList(&List);
    Expect("HideRowList", {"1", "3", "4", "6", "7", "8", "9"});
    Grid->UnHideRowList();
    Expect("UnHideRowList", All);

    // Rows 2 and 3 come back among the shown rows 4..6 of the range.
    Grid->HideRows(2, 3);
    Grid->UnHideRows(2, 6);
    Expect("UnHideRows", All);

    Grid->SetCells(2, 5, QStringLiteral("4"));
    Grid->RemoveDuplicates(2, true);
    Expect("RemoveDuplicates", {"1", "2", "3", "4", "6", "7", "8", "9"});

    Grid->SetRowCount(Grid->RowCount() - 2);
    Expect("RowCount", {"1", "2", "3", "4", "6", "7"});
    Grid->SetRowCount(Grid->RowCount() + 1);
    Expect("RowCount grows", {"1", "2", "3", "4", "6", "7", ""});
}
