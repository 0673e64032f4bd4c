// The panel below a string grid that paints its floating footer.
#pragma once

#include "windows/ExtCtrls.h"

#include <cstdint>

class TExtStringGrid;

class TFooterPanel : public TCustomPanel {
public:
    // AOwner is the string grid.
    explicit TFooterPanel(TComponent* AOwner);

    // The column whose hint shows, -1 for none.
    int32_t LastHintX() const { return FLastHintX; }

protected:
    void CreateWnd() override;
    void Paint() override;

private:
    // The width of the fixed columns and of the columns from the grid's left column on.
    int32_t ShownWidth() const;
    void PaintFixedLastRow(int32_t W);

    TExtStringGrid* FGrid = nullptr;
    int32_t FLastHintX = -1;
};
