// The edit and combo opened over a markup CONTROL tag, and the walk through a cell's controls.
#include "grid/base/EsgHTMLE.h"
#include "grid/core/ControlEditors.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridOptions.h"

#include "rtl/Strings.h"

#include <memory>

namespace {

bool IsEditType(const QString& CtrlType)
{
    return CtrlType == QLatin1String("EDIT") || CtrlType == QLatin1String("PASSWORD") ||
           CtrlType == QLatin1String("MASK");
}

}  // namespace

void TExtStringGrid::ShowCellControl(const QString& Text, const QString& CtrlType, int32_t ARow, int32_t ACol,
                                     int32_t DisplCol, const TRect& R, const QString& CtrlVal, const QString& CtrlID)
{
    const bool Edit = IsEditType(CtrlType);
    if ((!Edit && CtrlType != QLatin1String("COMBO")) || !FEditControl || !FComboControl) return;
    FCtrlXY = {ACol, ARow};
    FCtrlID = CtrlID;
    FCtrlType = CtrlType;
    FCtrlEditing = true;
    if (Edit) {
        TControlEdit* E = FEditControl;
        E->SetWidth(0);
        E->SetPasswordChar(CtrlType == QLatin1String("PASSWORD") ? QChar(u'*') : QChar());
        E->SetEditMask(CtrlType == QLatin1String("MASK") ? GetControlProp(Text, CtrlID) : QString());
        E->OnExit = [this](TObject*) { ControlEditDone(); };
        E->SetText(CtrlVal);
        E->SetBorderStyle(bsNone);
        E->SetBounds(R.Left + 1, R.Top + 8, R.Right - R.Left - 4, 14);
        E->SetMaxLength(GetControlMaxLen(Text, CtrlID));
        E->SetParent(this);
        E->Show();
        E->BringToFront();
        if (E->CanFocus()) E->SetFocus();
        return;
    }
    TControlCombo* C = FComboControl;
    C->SetIsWinXP(FIsWinXP);
    C->SetWidth(0);
    bool Editable = true;
    int32_t DropCount = 8;
    C->SetFlat(false);
    C->SetBounds(R.Left - 1, R.Top + 4, R.Right - R.Left, C->Height());
    C->OnSelect = [this](TObject* Sender) { ControlComboSelect(Sender); };
    C->SetParent(this);
    auto Values = std::make_unique<TStringList>();
    if (OnControlComboList)
        OnControlComboList(this, ARow, DisplCol, CtrlID, CtrlType, CtrlVal, Values.get(), Editable, DropCount);
    C->Items()->Assign(Values.get());
    C->SetStyle(Editable ? csDropDown : csDropDownList);
    const int32_t Index = C->Items()->IndexOf(CtrlVal);
    if (Index >= 0) C->SetItemIndex(Index);
    C->SetText(CtrlVal);
    C->SetDropDownCount(DropCount);
    C->OnExit = [this](TObject*) { ControlEditDone(); };
    C->SetHeight(C->ItemHeight() * (DropCount + 2));
    C->SetMaxLength(GetControlMaxLen(Text, CtrlID));
    C->Show();
    C->SetDroppedDown(true);
    if (C->CanFocus()) C->SetFocus();
}

void TExtStringGrid::ControlEditDone()
{
    if (!FCtrlEditing) return;
    FCtrlEditing = false;
    const bool Edit = IsEditType(FCtrlType);
    TWinControl* Control = Edit ? static_cast<TWinControl*>(FEditControl) : FComboControl;
    const QString Value = Control->Text();
    QString Text = Cells(FCtrlXY.X, FCtrlXY.Y);
    SetControlValue(Text, FCtrlID, Value);
    SetCells(FCtrlXY.X, FCtrlXY.Y, Text);
    Control->Hide();
    if (OnControlEditDone) OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, Value);
    FCtrlType.clear();
}

void TExtStringGrid::ControlComboSelect(TObject*)
{
    if (!OnControlComboSelect) return;
    const int32_t Index = FComboControl->ItemIndex();
    const QString Item = Index >= 0 ? FComboControl->Items()->Strings(Index) : QString();
    OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, Index, FCtrlID, Item);
}

void TExtStringGrid::ActivateCellControl(int32_t ACol, int32_t ARow, const QString& ControlID)
{
    const QString Text = Cells(ACol, ARow);
    QString ID = NextEditControlID(Text, ControlID);
    if (ID.isEmpty()) {
        if (CanFocus()) SetFocus();
        return;
    }
    TRect R = CellRect(DisplColIndex(ACol), ARow);
    R.Left += FXYOffset.X + 1;
    R.Top += FXYOffset.Y + 1;
    if (HasCheckBox(ACol, ARow)) R.Left += FControlLook->CheckSize();

    // Laid out without painting; the control named ID counts as hit and reports its place.
    QString Link, Plain, FocusRef, Title, Value, Type;
    int32_t Width = 0, Height = 0, Links = 0, Hovered = -1;
    TRect LinkRect, CtrlRect;
    DrawMarkup(Canvas(), Text, R, GetGridImages(), -1, -1, -1, -1, 1, true, false, false, false, true, false, true,
               false, 1.0, FURLColor, clNone, clNone, clGray, Link, Plain, FocusRef, Title, Width, Height, Links,
               Hovered, LinkRect, CtrlRect, ID, Value, Type, FImageCache.get(), FContainer, Handle(), 0);
    ShowCellControl(Text, Type, ARow, ACol, DisplColIndex(ACol), CtrlRect, Value, ID);
}

void TExtStringGrid::CellControlKey(QChar Key)
{
    if (Key != QChar(u'\t')) {
        if (CanFocus()) SetFocus();
    } else if (FNavigation->AdvanceAuto()) {
        AdvanceAfterEdit(Col(), Row(), false, true, true, false, false);
    } else {
        ActivateCellControl(FCtrlXY.X, FCtrlXY.Y, FCtrlID);
    }
}
