// TExtStringGrid: group calculations: a statistic over each expanded group's rows, written into
// its header or summary row.
#include "grid/core/ExtGrid.h"

#include "grid/core/FloatingFooter.h"
#include "grid/core/GridOptions.h"

#include <algorithm>

double TExtStringGrid::GroupCustomCalcValue(int32_t ACol, int32_t FromRow, int32_t ToRow)
{
    double Res = 0;
    if (OnGroupCalc) OnGroupCalc(this, ACol, FromRow, ToRow, Res);
    return Res;
}

void TExtStringGrid::GroupCalc(int32_t Colindex, int32_t Method)
{
    int32_t r = FixedRows();
    while (r < RowCount()) {
        if (!IsNode(r) || GetNodeState(r)) {
            ++r;
            continue;
        }
        const int32_t n = GetNodeSpan(r);
        const int32_t From = r + 1;
        const int32_t To = r + n - 1;
        const int32_t Target = FGrouping->Summary() ? r + n : r;
        switch (Method) {
        case 1: SetFloats(Colindex, Target, ColumnSum(Colindex, From, To)); break;
        case 2: SetFloats(Colindex, Target, ColumnAvg(Colindex, From, To)); break;
        case 3: SetFloats(Colindex, Target, ColumnMin(Colindex, From, To)); break;
        case 4: SetFloats(Colindex, Target, ColumnMax(Colindex, From, To)); break;
        case 5: SetInts(Colindex, Target, n - 1); break;
        case 6: SetFloats(Colindex, Target, GroupCustomCalcValue(Colindex, From, To)); break;
        case 7: SetFloats(Colindex, Target, ColumnDistinct(Colindex, From, To)); break;
        case 8: SetFloats(Colindex, Target, ColumnStdDev(Colindex, From, To)); break;
        default: break;
        }
        // Nested nodes get no value of their own.
        r += std::max(n, 1);
    }
}

namespace {

void SetFooterCalc(TFloatingFooter* Footer, int32_t Colindex, TColumnCalcType Calc)
{
    if (Footer->Visible()) Footer->SetColumnCalc(Colindex, Calc);
}

}  // namespace

void TExtStringGrid::GroupSum(int32_t Colindex)
{
    GroupCalc(Colindex, 1);
    SetFooterCalc(FFloatingFooter.get(), Colindex, acSUM);
}

void TExtStringGrid::GroupAvg(int32_t Colindex)
{
    GroupCalc(Colindex, 2);
    SetFooterCalc(FFloatingFooter.get(), Colindex, acAVG);
}

void TExtStringGrid::GroupMin(int32_t Colindex)
{
    GroupCalc(Colindex, 3);
    SetFooterCalc(FFloatingFooter.get(), Colindex, acMIN);
}

void TExtStringGrid::GroupMax(int32_t Colindex)
{
    GroupCalc(Colindex, 4);
    SetFooterCalc(FFloatingFooter.get(), Colindex, acMAX);
}

void TExtStringGrid::GroupCount(int32_t Colindex)
{
    GroupCalc(Colindex, 5);
    SetFooterCalc(FFloatingFooter.get(), Colindex, acCOUNT);
}

void TExtStringGrid::GroupCustomCalc(int32_t Colindex)
{
    GroupCalc(Colindex, 6);
}

void TExtStringGrid::GroupDistinct(int32_t Colindex)
{
    GroupCalc(Colindex, 7);
}

void TExtStringGrid::GroupStdDev(int32_t Colindex)
{
    GroupCalc(Colindex, 8);
}
