// TExtStringGrid: the editor controls made on first use, the item list of the shared combo editor,
// the date pickers' handlers and the parent-form lookup.
#include "grid/core/ExtGrid.h"

#include "grid/view/GridEditors.h"

#include "windows/Forms.h"

// ---------------------------------------------------------------------------------------------
// Combo items
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::ClearComboString()
{
    if (EditCombo) EditCombo->Items()->Clear();
}

void TExtStringGrid::AddComboString(const QString& S)
{
    if (EditCombo) EditCombo->Items()->Add(S);
}

void TExtStringGrid::AddComboStringObject(const QString& S, TObject* AObject)
{
    if (EditCombo) EditCombo->Items()->AddObject(S, AObject);
}

bool TExtStringGrid::RemoveComboString(const QString& S)
{
    if (!EditCombo) return false;
    const int32_t I = EditCombo->Items()->IndexOf(S);
    if (I == -1) return false;
    EditCombo->Items()->Delete(I);
    return true;
}

bool TExtStringGrid::SetComboSelectionString(const QString& S)
{
    if (!EditCombo) return false;
    const int32_t I = EditCombo->Items()->IndexOf(S);
    if (I == -1) return false;
    FComboIdx = I;
    return true;
}

void TExtStringGrid::SetComboSelection(int32_t Idx)
{
    FComboIdx = Idx;
}

int32_t TExtStringGrid::GetComboCount()
{
    return EditCombo ? EditCombo->Items()->Count() : 0;
}

int32_t TExtStringGrid::GetComboIndex(int32_t ACol, int32_t ARow)
{
    GetEditorProp(ACol, ARow, nullptr);
    return EditCombo ? EditCombo->Items()->IndexOf(GetCellEx(ACol, ARow)) : -1;
}

void TExtStringGrid::SetComboIndex(int32_t ACol, int32_t ARow, int32_t Value)
{
    GetEditorProp(ACol, ARow, nullptr);
    if (!EditCombo) return;
    // The item is read first: an index outside the list raises before the cell changes.
    const QString Item = EditCombo->Items()->Strings(Value);
    SetCellEx(ACol, ARow, Item);
}

// ---------------------------------------------------------------------------------------------
// Parent form
// ---------------------------------------------------------------------------------------------

TCustomForm* TExtStringGrid::FindParentForm(TControl* Control)
{
    for (TControl* C = Control; C; C = C->Parent())
        if (auto* Form = dynamic_cast<TCustomForm*>(C)) return Form;
    return nullptr;
}
