// TExtColGrid: the multi-column drop-down's list, a string grid with one header row that draws every cell itself.
#pragma once

#include "dropdown/MultiColumnItems.h"

#include "windows/Grids.h"

#include <cstdint>
#include <functional>
#include <memory>

class TCustomImageList;
class TExtMultiColumnDropDown;

namespace MultiColumn {

// Row 0 is the header; item i is row i + 1; column c shows line c of each item. Filled from its
// drop-down at each opening; without one it paints its own cells under the header font.
class TExtColGrid : public TStringGrid {
public:
    explicit TExtColGrid(TComponent* AOwner);
    ~TExtColGrid() override;

    // The owning drop-down, or nil (not owned).
    TExtMultiColumnDropDown* ExtDropDown() const { return FExtDropDown; }
    void SetExtDropDown(TExtMultiColumnDropDown* Value) { FExtDropDown = Value; }
    // A copy of the drop-down's columns, taken at each filling.
    TDropDownColumns* Columns() const { return FColumns.get(); }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor Value) { FLineColor = Value; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
    int32_t HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int32_t Value) { FHeaderHeight = Value; }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(TFont* Value);
    // For measuring images (not owned).
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // The width of the lines the list draws itself; the grid's own lines stay 0 wide.
    int32_t GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int32_t Value);
    // The current row was reached by a key or a click rather than by the wheel.
    bool ConfirmSelection() const { return FConfirmSelection; }
    void ClearConfirmation() { FConfirmSelection = false; }
    // A wheel step is moving the current row.
    bool MouseWheelSelection() const { return FMouseWheelSelection; }

    // Takes the drop-down's columns, item count, colours, sizes and images.
    void UpdateFromDropDown();
    void AutoSizeColumn(int32_t ACol);
    void AutoSizeAllColumns();
    void AutoSizeWrappedRows();
    // The column widths, with the vertical scroll bar when not every row fits.
    int32_t GetTotalWidth() const;
    // The full column width and row height from the cell's top-left corner.
    TRect GetFullCellRect(int32_t ACol, int32_t ARow) const;

    // Declared for the application; the list does not fire them.
    TDrawCellEvent OnDrawCell;
    TGetCellPropEvent OnGetCellProp;
    TGetCellTextEvent OnGetCellText;
    // A row was picked: Enter, or a release of the mouse on an item row.
    std::function<void(TObject* Sender)> OnSelect;

protected:
    virtual void DoSelect();
    void DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Dispatch(TMessage& Message) override;

private:
    // A parent that is a pop-up form; sizing by measured text runs only there.
    TCanvas* MeasureCanvas() const;
    bool WheelStep(bool Down, TShiftState Shift, TPoint MousePos);

    TExtMultiColumnDropDown* FExtDropDown = nullptr;
    std::unique_ptr<TDropDownColumns> FColumns;
    TColor FHeaderColor = clWhite;
    TColor FHeaderColorTo = RGB(128, 128, 128);
    TColor FLineColor = RGB(128, 128, 128);
    TCustomImageList* FImages = nullptr;
    int32_t FHeaderHeight = 25;
    std::unique_ptr<TFont> FHeaderFont;
    TColor FFixedLineColor = RGB(128, 128, 128);
    int32_t FGridLineWidth = 1;
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
};

}  // namespace MultiColumn
