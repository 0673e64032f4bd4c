// The borderless edit and the combo a string grid shows over a cell to edit its whole text in place.
#pragma once

#include "windows/ListControls.h"
#include "windows/StdCtrls.h"

#include <cstdint>

class TExtStringGrid;

// Created hidden with the grid as owner. Enter is swallowed; leaving the control ends the edit
// (StopEdit). TControlBase is the edit or the combo it stands on.
template <class TControlBase>
class TGridTransControl : public TControlBase {
public:
    explicit TGridTransControl(TComponent* AOwner);

    int32_t Col() const { return FCol; }
    void SetCol(int32_t Value) { FCol = Value; }
    int32_t Row() const { return FRow; }
    void SetRow(int32_t Value) { FRow = Value; }

    // Validates the text through the grid's OnCellValidate: refused, the cell becomes current and the
    // control keeps the focus (false); accepted, OnEditingDone fires, the text goes into the cell and
    // the control hides (true).
    bool StopEdit();

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void DoExit() override;

private:
    int32_t FRow = 0;
    int32_t FCol = 0;
    TExtStringGrid* FGrid = nullptr;
    bool FStopping = false;  // hiding the control causes an exit of its own
};

extern template class TGridTransControl<TEdit>;
extern template class TGridTransControl<TComboBox>;

class TGridTransEdit : public TGridTransControl<TEdit> {
public:
    using TGridTransControl::TGridTransControl;
};

class TGridTransCombo : public TGridTransControl<TComboBox> {
public:
    using TGridTransControl::TGridTransControl;
};
