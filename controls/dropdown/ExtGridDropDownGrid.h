// TExtColGrid: the grid drop-down's inner grid, a string grid with one header row that keeps it through narrowing.
#pragma once

#include "dropdown/ExtGridDropDownItems.h"

#include "grid/core/ExtGrid.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TCustomExtGridDropDown;
class TCustomImageList;

namespace GridDropDown {

// Filled by its drop-down at every opening; paints with the string grid's own painter.
class TExtColGrid : public TExtStringGrid {
public:
    explicit TExtColGrid(TComponent* AOwner);
    ~TExtColGrid() override;

    // The owning drop-down (not owned).
    TCustomExtGridDropDown* ExtDropDown() const { return FExtDropDown; }
    void SetExtDropDown(TCustomExtGridDropDown* Value) { FExtDropDown = Value; }
    // A copy of the drop-down's columns, taken at each opening.
    TDropDownColumns* Columns() const { return FColumns.get(); }
    // Kept, not painted with: the string grid's painter and style draw the grid.
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
    // Stored; the grid's own lines are set 0 wide.
    int32_t GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int32_t Value);
    // The current row was reached by a key or a click rather than by the wheel.
    bool ConfirmSelection() const { return FConfirmSelection; }
    void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }
    // A wheel step is moving the current row.
    bool MouseWheelSelection() const { return FMouseWheelSelection; }

    // Takes the drop-down's columns, counts, sizes, colours and settings.
    void UpdateFromDropDown();
    void AutoSizeColumn(int32_t ACol);
    void AutoSizeWrappedRows();
    // The column widths, with the vertical scroll bar when not every row fits.
    int32_t GetTotalWidth() const;

    // The item tag of a row's column-0 cell: a marker object holding Index, never freed, which the
    // grid's cell code tells apart from cell properties. Tags follow their rows through sorting and narrowing.
    static TObject* ItemTag(int32_t Index);
    // The index a cell object tags; false for nil or another object.
    static bool TagIndex(const TObject* Object, int32_t& Index);

    // Declared for the application; never fired.
    TDrawCellEvent OnDrawCell;
    TGetCellPropEvent OnGetCellProp;
    TGetCellTextEvent OnGetCellText;
    // A row was picked: Enter, or a left-button release on a data cell without a check box.
    std::function<void(TObject* Sender)> OnSelect;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void DoSelect();
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    // Enter is no character for the grid: it picks, and never toggles the in-place editor.
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Dispatch(TMessage& Message) override;

private:
    TCanvas* MeasureCanvas() const;
    bool WheelStep(bool Down, TShiftState Shift, TPoint MousePos);

    TCustomExtGridDropDown* FExtDropDown = nullptr;
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

}  // namespace GridDropDown
