// The grid's spin, edit-with-button and value-and-unit editor wrappers.
#include "grid/view/GridValueEditors.h"

#include "grid/core/ExtGrid.h"

// ---- TGridSpin ----

TGridSpin::TGridSpin(TComponent* AOwner) : TEsgSpinEdit(AOwner), FGrid(EditorOwnerGrid(AOwner))
{
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
}

void TGridSpin::ReCreate()
{
    RecreateWnd();
}

void TGridSpin::UpClick(TObject* Sender)
{
    TEsgSpinEdit::UpClick(Sender);
}

void TGridSpin::DownClick(TObject* Sender)
{
    TEsgSpinEdit::DownClick(Sender);
}

void TGridSpin::SpinClicked(bool) {}

void TGridSpin::Dispatch(TMessage& Message)
{
    TEsgSpinEdit::Dispatch(Message);
}

void TGridSpin::DoExit()
{
    TEsgSpinEdit::DoExit();
}

void TGridSpin::Change()
{
    TEsgSpinEdit::Change();
}

void TGridSpin::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TEsgSpinEdit::KeyDown(Key, Shift);
}

void TGridSpin::KeyPress(QChar& Key)
{
    TEsgSpinEdit::KeyPress(Key);
}

void TGridSpin::KeyUp(uint16_t& Key, TShiftState Shift)
{
    TEsgSpinEdit::KeyUp(Key, Shift);
}

TGridSpin* TExtStringGrid::SpinEdit()
{
    if (!FEditSpin) {
        FEditSpin = new TGridSpin(this);
        FEditSpin->SetParent(this);
        FEditSpin->SetEnabled(false);
        FEditSpin->SetVisible(false);
        FEditSpin->SetBorderStyle(bsNone);
        FEditSpin->SetIsWinXP(FIsWinXP);
    }
    return FEditSpin;
}

// ---- TGridEditBtn ----

TGridEditBtn::TGridEditBtn(TComponent* AOwner) : TEsgEditBtn(AOwner), FGrid(EditorOwnerGrid(AOwner))
{
    OnClickBtn = [this](TObject* Sender) { ClickBtn(Sender); };
}

void TGridEditBtn::ReCreate()
{
    RecreateWnd();
}

void TGridEditBtn::ClickBtn(TObject*) {}

void TGridEditBtn::Dispatch(TMessage& Message)
{
    TEsgEditBtn::Dispatch(Message);
}

void TGridEditBtn::WMChar(TMessage&) {}

void TGridEditBtn::WMPaste(TMessage&) {}

void TGridEditBtn::DoChange() {}

void TGridEditBtn::DoExit()
{
    TEsgEditBtn::DoExit();
}

void TGridEditBtn::Change()
{
    TEsgEditBtn::Change();
}

void TGridEditBtn::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TEsgEditBtn::KeyDown(Key, Shift);
}

void TGridEditBtn::KeyPress(QChar& Key)
{
    TEsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::KeyUp(uint16_t& Key, TShiftState Shift)
{
    TEsgEditBtn::KeyUp(Key, Shift);
}

// ---- TGridUnitEditBtn ----

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner) : TEsgUnitEditBtn(AOwner), FGrid(EditorOwnerGrid(AOwner))
{
    OnClickBtn = [this](TObject* Sender) { ClickBtn(Sender); };
}

void TGridUnitEditBtn::ReCreate()
{
    RecreateWnd();
}

void TGridUnitEditBtn::ClickBtn(TObject*) {}

void TGridUnitEditBtn::Dispatch(TMessage& Message)
{
    TEsgUnitEditBtn::Dispatch(Message);
}

void TGridUnitEditBtn::DoExit()
{
    TEsgUnitEditBtn::DoExit();
}

void TGridUnitEditBtn::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TEsgUnitEditBtn::KeyDown(Key, Shift);
}
