// TFloatingFooter: the settings of the footer strip below a grid's cells.
#pragma once

#include "grid/core/ExtGridTypes.h"

#include "graphics/Colors.h"
#include "rtl/Object.h"

#include <QString>

#include <cstdint>

class TExtStringGrid;

class TFloatingFooter : public TPersistent {
public:
    // AGrid is not owned and may be nil.
    explicit TFloatingFooter(TExtStringGrid* AGrid) : FGrid(AGrid) {}

    // From another footer: CalculateHiddenRows, Color, Column, CustomTemplate, FooterStyle,
    // Visible (through its setter) and ShowHint; any other source is ignored.
    void Assign(TPersistent* Source) override;
    // Repaints the footer panel.
    void Invalidate();

    TColor BorderColor() const { return FBorderColor; }
    // A change repaints the panel.
    void SetBorderColor(TColor Value);
    bool CalculateHiddenRows() const { return FCalculateHiddenRows; }
    void SetCalculateHiddenRows(bool Value) { FCalculateHiddenRows = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int32_t Column() const { return FColumn; }
    void SetColumn(int32_t Value);
    const QString& CustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const QString& Value);
    TFooterStyle FooterStyle() const { return FFooterStyle; }
    // The grid hides its last row exactly while the footer is visible in style fsFixedLastRow;
    // while visible, FixedFooters is 1 in that style and 0 in the others.
    void SetFooterStyle(TFooterStyle Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool Visible() const { return FVisible; }
    // Shows or hides the panel; FixedFooters is 1 and the last row hidden exactly while the footer
    // is visible in style fsFixedLastRow.
    void SetVisible(bool Value);
    int32_t Height() const { return FHeight; }
    // Above 0 also the panel's height, one pixel less.
    void SetHeight(int32_t Value);
    bool EnableCalculation() const { return FEnableCalculation; }
    void SetEnableCalculation(bool Value) { FEnableCalculation = Value; }
    // The calculation kept in the cell properties of column c in the grid's last row.
    TColumnCalcType ColumnCalc(int32_t c) const;
    // Stores it there and recalculates the column's footer.
    void SetColumnCalc(int32_t c, TColumnCalcType Value);

    TCalcFooterEvent OnCalcFooter;

private:
    TExtStringGrid* FGrid;
    int32_t FHeight = 0;
    bool FVisible = false;
    TColor FColor = clBtnFace;
    TFooterStyle FFooterStyle = fsFixedLastRow;
    int32_t FColumn = 0;
    QString FCustomTemplate;
    bool FCalculateHiddenRows = true;
    bool FEnableCalculation = true;
    bool FShowHint = false;
    TColor FBorderColor = clNone;
};
