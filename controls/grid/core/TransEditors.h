// The borderless edit and the combo a string grid shows over a cell to edit its whole text in place.
#pragma once

#include "windows/ListControls.h"
#include "windows/StdCtrls.h"

#include <cstdint>

class TExtStringGrid;

// Created hidden with the grid as owner. Enter is swallowed; leaving the edit ends it (StopEdit).
class TGridTransEdit : public TEdit {
public:
    explicit TGridTransEdit(TComponent* AOwner);

    int32_t Col() const { return FCol; }
    void SetCol(int32_t Value) { FCol = Value; }
    int32_t Row() const { return FRow; }
    void SetRow(int32_t Value) { FRow = Value; }

    // Validates the text through the grid's OnCellValidate: refused, the cell becomes current and the
    // edit keeps the focus (false); accepted, OnEditingDone fires, the text goes into the cell and the
    // edit hides (true).
    bool StopEdit();

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void DoExit() override;

private:
    int32_t FRow = 0;
    int32_t FCol = 0;
    TExtStringGrid* FGrid = nullptr;
    bool FStopping = false;
};

// The combo counterpart of TGridTransEdit.
class TGridTransCombo : public TComboBox {
public:
    explicit TGridTransCombo(TComponent* AOwner);

    int32_t Col() const { return FCol; }
    void SetCol(int32_t Value) { FCol = Value; }
    int32_t Row() const { return FRow; }
    void SetRow(int32_t Value) { FRow = Value; }

    bool StopEdit();

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void DoExit() override;

private:
    int32_t FRow = 0;
    int32_t FCol = 0;
    TExtStringGrid* FGrid = nullptr;
    bool FStopping = false;
};
