// The floating footer settings of a grid.
#include "grid/core/FloatingFooter.h"

#include "grid/core/ExtGrid.h"

void TFloatingFooter::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TFloatingFooter*>(Source);
    if (!Src) return;
    FCalculateHiddenRows = Src->FCalculateHiddenRows;
    FColor = Src->FColor;
    FColumn = Src->FColumn;
    FCustomTemplate = Src->FCustomTemplate;
    FFooterStyle = Src->FFooterStyle;
    SetVisible(Src->FVisible);
    FShowHint = Src->FShowHint;
}

void TFloatingFooter::Invalidate()
{
    if (FGrid) FGrid->RepaintFooterPanel();
}

void TFloatingFooter::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value) return;
    FBorderColor = Value;
    Invalidate();
}

void TFloatingFooter::SetColor(TColor Value)
{
    FColor = Value;
    Invalidate();
}

void TFloatingFooter::SetColumn(int32_t Value)
{
    FColumn = Value;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const QString& Value)
{
    FCustomTemplate = Value;
    Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    FFooterStyle = Value;
    ApplyToGrid();
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value)
{
    FShowHint = Value;
    if (FGrid) FGrid->FooterPanelChanged();
}

void TFloatingFooter::SetVisible(bool Value)
{
    FVisible = Value;
    if (FGrid) FGrid->FooterPanelChanged();
    ApplyToGrid();
}

void TFloatingFooter::SetHeight(int32_t Value)
{
    FHeight = Value;
    if (FGrid && Value > 0) FGrid->FooterPanelChanged();
}

void TFloatingFooter::ApplyToGrid()
{
    if (!FGrid) return;
    const bool LastRow = FVisible && FFooterStyle == fsFixedLastRow;
    FGrid->SetFixedFooters(LastRow ? 1 : 0);
    FGrid->SetHideLastRow(LastRow);
    FGrid->Invalidate();
}

TColumnCalcType TFloatingFooter::ColumnCalc(int32_t c) const
{
    if (!FGrid || FGrid->RowCount() < 1) return acNONE;
    const int32_t Last = FGrid->RowCount() - 1;
    return FGrid->HasCellProperties(c, Last) ? FGrid->GetCellProperties(c, Last)->CalcType() : acNONE;
}

void TFloatingFooter::SetColumnCalc(int32_t c, TColumnCalcType Value)
{
    if (!FGrid || FGrid->RowCount() < 1) return;
    FGrid->GetCellProperties(c, FGrid->RowCount() - 1)->SetCalcType(Value);
    FGrid->CalcColumnFooter(c);
}
