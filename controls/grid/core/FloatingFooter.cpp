// The floating footer settings of a grid.
#include "grid/core/FloatingFooter.h"

#include "grid/core/ExtGrid.h"
#include "grid/core/FooterPanel.h"

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
    SetShowHint(Src->FShowHint);
    Invalidate();
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
    // While hidden the footer leaves FixedFooters alone: an application's own footer row stays.
    if (FGrid) {
        const bool LastRow = FVisible && FFooterStyle == fsFixedLastRow;
        if (FVisible) FGrid->SetFixedFooters(LastRow ? 1 : 0);
        FGrid->SetHideLastRow(LastRow);
        FGrid->Invalidate();
    }
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value)
{
    FShowHint = Value;
    if (FGrid && FGrid->FooterPanel()) FGrid->FooterPanel()->SetShowHint(Value);
}

void TFloatingFooter::SetVisible(bool Value)
{
    FVisible = Value;
    if (!FGrid) return;
    FGrid->FooterPanelChanged();
    const bool LastRow = FVisible && FFooterStyle == fsFixedLastRow;
    FGrid->SetFixedFooters(LastRow ? 1 : 0);
    FGrid->SetHideLastRow(LastRow);
    FGrid->Invalidate();
}

void TFloatingFooter::SetHeight(int32_t Value)
{
    FHeight = Value;
    if (FGrid && FGrid->FooterPanel() && Value > 0) FGrid->FooterPanel()->SetHeight(Value - 1);
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
