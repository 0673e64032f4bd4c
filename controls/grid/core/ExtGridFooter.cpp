// TExtStringGrid: the floating footer's column calculations and its repaint.
#include "grid/core/ExtGrid.h"

#include "grid/core/FloatingFooter.h"

void TExtStringGrid::CalcFooter(int32_t ACol)
{
    CalcFloatingFooter(ACol);
}

void TExtStringGrid::CalcFloatingFooter(int32_t ACol)
{
    TFloatingFooter* Footer = FFloatingFooter.get();
    if (!Footer || !Footer->Visible() || Footer->FooterStyle() != fsFixedLastRow || !Footer->EnableCalculation())
        return;
    const int32_t L = RowCount() - 1;
    if (L < 0) return;
    const int32_t FromCol = ACol == -1 ? 0 : ACol;
    const int32_t ToCol = ACol == -1 ? AllColCount() - 1 : ACol;
    const int32_t h = Footer->CalculateHiddenRows() ? NumHiddenRows() : 0;
    const int32_t F = FixedRows();
    const int32_t Last = L - 1 + h;

    // With hidden rows counted the range is real rows, also when only one row is hidden.
    const bool OldReal = FFooterRealRows;
    FFooterRealRows = h > 0;
    struct TRestore {
        bool& Flag;
        bool Value;
        ~TRestore() { Flag = Value; }
    } Restore{FFooterRealRows, OldReal};

    for (int32_t c = FromCol; c <= ToCol; ++c) {
        if (!HasCellProperties(c, L)) continue;
        switch (static_cast<int32_t>(GetCellProperties(c, L)->CalcType()) & 0x7F) {
        case acSUM:
            SetFloats(c, L, ColumnSum(c, F, Last));
            break;
        case acAVG:
            SetFloats(c, L, ColumnAvg(c, F, Last));
            break;
        case acCOUNT:
            SetInts(c, L, h + L - F);
            break;
        case acMIN:
            SetFloats(c, L, ColumnMin(c, F, Last));
            break;
        case acMAX:
            SetFloats(c, L, ColumnMax(c, F, Last));
            break;
        case acDISTINCT:
            SetFloats(c, L, ColumnDistinct(c, F, Last));
            break;
        case acSTDDEV:
            SetFloats(c, L, ColumnStdDev(c, F, Last));
            break;
        case acCUSTOM: {
            QString Value;
            if (OnFooterCalc)
                OnFooterCalc(this, c, L + h, Value);
            else if (Footer->OnCalcFooter)
                Footer->OnCalcFooter(this, c, L + h, Value);
            SetCellEx(c, L, Value);
            break;
        }
        default:
            break;
        }
    }
}

void TExtStringGrid::UpdateFooter()
{
    RepaintFooterPanel();
}

void TExtStringGrid::HiddenLastRowChanged()
{
    TBaseGrid::HiddenLastRowChanged();
    UpdateFooter();
}
