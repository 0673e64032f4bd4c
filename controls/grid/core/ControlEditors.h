// The edit and the combo a string grid opens over a markup CONTROL tag of a cell; they hand Enter
// and Tab back to the grid.
#pragma once

#include "grid/base/ExtCombo.h"
#include "windows/Mask.h"

// Opened for EDIT, PASSWORD and MASK controls. Keys reach the grid only while a string grid is the
// parent; under any other parent the edit is a plain masked edit.
class TControlEdit : public TMaskEdit {
public:
    using TMaskEdit::TMaskEdit;

protected:
    void Dispatch(TMessage& Message) override;
    void KeyPress(QChar& Key) override;
};

// Opened for COMBO controls.
class TControlCombo : public TEsgComboBox {
public:
    using TEsgComboBox::TEsgComboBox;

protected:
    void Dispatch(TMessage& Message) override;
    void KeyPress(QChar& Key) override;
};
