// TExtColorCubePanel: the honeycomb of 127 fixed colours with hot and selected frames and an RGB hint.
#pragma once

#include "dropdown/ColorSelectorPanel.h"

#include "graphics/Colors.h"

#include <array>
#include <cstdint>
#include <functional>

class TExtColorCubePanel : public TExtCustomColorSelectorPanel {
public:
    static constexpr int32_t CellCount = 127;

    struct TCubeCell {
        int32_t X = 0;
        int32_t Y = 0;
        TColor Color = clNone;
    };

    explicit TExtColorCubePanel(TComponent* AOwner);

    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first cell of that colour (none when no cell has it); does not repaint.
    void SetSelectedColor(TColor Value) { SetSelection(Value, -1); }
    bool ShowRGBHint() const { return FShowRGBHint; }
    // Also the panel's ShowHint.
    void SetShowRGBHint(bool Value);
    // 1..127, or -1.
    int32_t SelectedIndex() const { return FSelectedIndex; }
    int32_t HotIndex() const { return FHotIndex; }
    // Cell Index (1..127); the centre and colour of a cell the table does not hold are zero and clNone.
    TCubeCell Cell(int32_t Index) const;

    // Lays out the 127 cells' centres and colours.
    void InitCube();
    // No hot cell; the panel becomes 182 x 160.
    void ResetCube();
    // The selected colour; AIndex 1..127 selects that cell, anything else the first cell of AColor.
    void SetSelection(TColor AColor, int32_t AIndex);
    // The first cell (from 1 up) whose centre lies within 6 pixels of (X, Y); -1 when none does.
    int32_t HitTest(int32_t X, int32_t Y) const;

    std::function<void(TObject* Sender)> OnSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

private:
    // The hexagon in its colour, then the hot frame and the selected frame (the selected last).
    void DrawCell(int32_t Index);
    void ShowCellHint(TColor Color);

    std::array<TCubeCell, CellCount + 1> FCubeCells{};
    // The hexagon's half-width and a quarter of its height.
    TPoint FCubeSize{6, 3};
    TColor FSelectedColor = clNone;
    int32_t FSelectedIndex = -1;
    int32_t FHotIndex = -1;
    bool FShowRGBHint = true;
};
