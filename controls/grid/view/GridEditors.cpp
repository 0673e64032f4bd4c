// The grid's editor wrappers: the shared part, the combo, the check box and the button.
#include "grid/view/GridEditors.h"

#include "grid/base/GridSettings.h"
#include "grid/core/ExtGrid.h"

#include "graphics/Graphics.h"

#include <algorithm>

TExtStringGrid* EditorOwnerGrid(TComponent* AOwner)
{
    auto* Grid = dynamic_cast<TExtStringGrid*>(AOwner);
    if (!Grid) throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    return Grid;
}

// ---- TGridEditorContract ----

TGridEditorContract::TGridEditorContract(TComponent* AOwner) : FGrid(EditorOwnerGrid(AOwner)) {}

void TGridEditorContract::EndGridEdit()
{
    FGrid->HideInplaceEdit();
}

void TGridEditorContract::FireEditChange(const QString& Value)
{
    if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Value);
}

bool TGridEditorContract::ClaimsSpecialKey(uint16_t Key) const
{
    return Key == VK_RETURN || Key == VK_ESCAPE || (Key == VK_TAB && GridWantsEditorTab());
}

void TGridEditorContract::FireGridKeyPress(TObject* Sender, QChar& Key)
{
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(Sender, Key);
}

void TGridEditorContract::SwallowHandBackChar(QChar& Key)
{
    if (Key == QChar(VK_ESCAPE) || Key == QChar(VK_RETURN) || Key == QChar(VK_TAB)) Key = QChar();
}

QString TGridEditorContract::GridCurrentCell() const
{
    return FGrid->CurrentCell();
}

void TGridEditorContract::SetGridCurrentCell(const QString& Value)
{
    FGrid->SetCurrentCell(Value);
}

QString TGridEditorContract::GridOriginalCellValue() const
{
    return FGrid->FCellCache;
}

bool TGridEditorContract::ValidateGridCell(const QString& Value)
{
    return FGrid->ValidateCell(Value);
}

QString TGridEditorContract::NewCellText() const
{
    return FGrid->FNewCellText;
}

void TGridEditorContract::SetNoAutoAdvance(bool Value)
{
    FGrid->FNoAutoAdvance = Value;
}

bool TGridEditorContract::GridWantsEditorTab() const
{
    return FGrid->Options().Contains(goTabs) || FGrid->OnCellValidate || FGrid->OnCellValidateWide;
}

bool TGridEditorContract::GridHasTabs() const
{
    return FGrid->Options().Contains(goTabs);
}

bool TGridEditorContract::ClickStartedEdit() const
{
    return FGrid->LButFlg;
}

void TGridEditorContract::ClearClickStartedEdit()
{
    FGrid->LButFlg = false;
}

bool TGridEditorContract::IsGridWheelMessage(uint32_t Msg) const
{
    return FGrid->wheelmsg != 0 && Msg == FGrid->wheelmsg;
}

void TGridEditorContract::CancelGridEdit()
{
    FGrid->CancelCellEdit();
}

void TGridEditorContract::ClearGridEditMode()
{
    FGrid->EditMode = false;
}

void TGridEditorContract::FocusGrid()
{
    FGrid->SetFocus();
}

void TGridEditorContract::FocusGridWithoutAlwaysEdit()
{
    TNavigation* Navigation = FGrid->Navigation();
    const bool AlwaysEdit = Navigation->AlwaysEdit();
    Navigation->SetAlwaysEdit(false);
    FGrid->SetFocus();
    Navigation->SetAlwaysEdit(AlwaysEdit);
}

void TGridEditorContract::GridKeyDown(uint16_t& Key, TShiftState Shift)
{
    FGrid->KeyDown(Key, Shift);
}

void TGridEditorContract::TabToNextCell()
{
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
    FGrid->AdvanceToNextCell(GetAsyncKeyState(VK_SHIFT) < 0);
}

void TGridEditorContract::PostTabToGrid()
{
    if (FGrid->HandleAllocated()) PostMessage(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
}

void TGridEditorContract::EndGridEditNoDirectClose()
{
    TMouseActions* Actions = FGrid->MouseActions();
    const bool DirectClose = Actions->DirectComboClose();
    Actions->SetDirectComboClose(false);
    FGrid->HideInplaceEdit();
    Actions->SetDirectComboClose(DirectClose);
}

void TGridEditorContract::DoneGridEdit(uint16_t Key, TShiftState Shift)
{
    // The grid's DoneInplaceEdit: the edit ends, Tab and the arrows move the current cell, Enter
    // advances.
    FGrid->HideInplaceEdit();
    if (Key == VK_TAB || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN) FGrid->KeyDown(Key, Shift);
    FGrid->SetFocus();
    if (Key == VK_RETURN) FGrid->AdvanceAfterEdit(FGrid->Col(), FGrid->Row(), false, true, true, false, false);
}

void TGridEditorContract::LeaveCell(uint16_t& Key, TShiftState Shift)
{
    DoneGridEdit(Key, Shift);
    const TNavigation* Navigation = FGrid->Navigation();
    if (Navigation->AdvanceOnEnter() && Navigation->AdvanceAutoEdit()) ShowGridEdit();
    Key = 0;
}

void TGridEditorContract::ShowGridEdit()
{
    FGrid->SetEditorMode(true);
}

int32_t TGridEditorContract::CaretFromClick(TWinControl* Control, HWND CharWindow)
{
    if (!FGrid->LButFlg || !CharWindow) return -1;
    TPoint Pos;
    if (!GetCursorPos(Pos)) return -1;
    Pos = Control->ScreenToClient(Pos);
    if (Pos.X < 0 || Pos.Y < 0 || Pos.X > Control->Width() || Pos.Y > Control->Height()) return -1;
    const LRESULT Answer = SendMessage(CharWindow, EM_CHARFROMPOS, 0, PointToLParam(Pos));
    if (Answer == -1) return -1;
    FGrid->LButFlg = false;
    return LOWORD(static_cast<uintptr_t>(Answer));
}

void TGridEditorContract::CursorWalkOut(const QString& Text, bool Forward)
{
    TExtStringGrid* Grid = FGrid;
    const int32_t Delta = Forward ? Grid->CellSpan(Grid->Col(), Grid->Row()).X + 1 : 1;
    const bool Room = Forward ? Grid->Col() < Grid->ColCount() - Grid->FixedRightCols() - 1
                              : Grid->Col() > Grid->FixedCols();
    const int32_t Target = Forward ? Grid->Col() + Delta : Grid->Col() - Delta;
    if (Room && Grid->IsControlCell(Grid->RealColIndex(Target), Grid->Row())) {
        if (Grid->ValidateCell(Text)) {
            Grid->HideInplaceEdit();
            Grid->SetCol(Target);
        }
        return;
    }
    Grid->SetFocus();
    TNavigation* Navigation = Grid->Navigation();
    const TAdvanceDirection Direction = Navigation->AdvanceDirection();
    Navigation->SetAdvanceDirection(adLeftRight);
    Grid->AdvanceAfterEdit(Grid->Col(), Grid->Row(), true, true, Forward, false, true);
    Navigation->SetAdvanceDirection(Direction);
    if (Navigation->CursorWalkAlwaysEdit()) ShowGridEdit();
}

// ---- TGridCombo ----

TGridCombo::TGridCombo(TComponent* AOwner) : TEsgComboBox(AOwner), TGridEditorContract(AOwner)
{
    SetButtonWidth(16);
}

bool TGridCombo::IsListStyle() const
{
    return Style() == csDropDownList;
}

void TGridCombo::SizeDropDownWidth()
{
    TCanvas* Canvas = OwnerGrid()->Canvas();
    int32_t W = Width();
    const bool ScrollBar = Items()->Count() > DropDownCount();
    for (int32_t I = 0; I < Items()->Count(); ++I) {
        const int32_t ItemWidth = Canvas->TextWidth(Items()->Strings(I));
        if (ScrollBar) {
            if (ItemWidth > W - 25) W = ItemWidth + 25;
        } else if (ItemWidth > W - 5) {
            W = ItemWidth + 8;
        }
    }
    Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(W), 0);
}

void TGridCombo::Change()
{
    TEsgComboBox::Change();
    FireEditChange(Text());
}

void TGridCombo::FireComboChange()
{
    TExtStringGrid* Grid = OwnerGrid();
    const int32_t RealCol = Grid->RealColIndex(Grid->Col());
    const int32_t Index = ItemIndex();
    if (Grid->OnComboChange) Grid->OnComboChange(Grid, RealCol, Grid->Row(), Index, Text());
    if (Grid->OnComboObjectChange) {
        TObject* Object = Index >= 0 && Index < Items()->Count() ? Items()->Objects(Index) : nullptr;
        Grid->OnComboObjectChange(Grid, RealCol, Grid->Row(), Index, Text(), Object);
    }
}

void TGridCombo::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_WANTSPECIALKEY:
        if (ClaimsSpecialKey(static_cast<uint16_t>(Message.WParam))) Message.Result = 1;
        else TEsgComboBox::Dispatch(Message);
        break;
    case WM_SETFOCUS: WMSetFocus(Message); break;
    default: TEsgComboBox::Dispatch(Message); break;
    }
}

void TGridCombo::WndProc(TMessage& Message)
{
    if (IsGridWheelMessage(Message.Msg)) {
        WheelSelect(static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(Message.WParam))));
        Message.Result = 0;
        return;
    }
    TEsgComboBox::WndProc(Message);
}

void TGridCombo::WheelSelect(int32_t WheelDelta)
{
    if (WheelDelta < 0) {
        if (ItemIndex() < Items()->Count() - 1) SetItemIndex(ItemIndex() + 1);
    } else if (ItemIndex() > 0) {
        SetItemIndex(ItemIndex() - 1);
    }
    TExtStringGrid* Grid = OwnerGrid();
    if (Grid->OnEditChange) Grid->OnEditChange(Grid, Grid->RealColIndex(Grid->Col()), Grid->Row(), Text());
    FireComboChange();
}

void TGridCombo::WMSetFocus(TMessage& Message)
{
    TEsgComboBox::Dispatch(Message);
    if (!OwnerGrid()->Navigation()->EditSelectAll() && !IsListStyle()) {
        SetSelStart(static_cast<int32_t>(Text().size()));
        SetSelLength(0);
    }
    if (IsListStyle()) return;
    const int32_t Caret = CaretFromClick(this, EditHandle());
    if (Caret >= 0) {
        SetSelStart(Caret);
        SetSelLength(0);
    }
}

void TGridCombo::DoExit()
{
    TExtStringGrid* Grid = OwnerGrid();
    const QString Value = Text();
    if (Grid->LookupHistory() && !Value.isEmpty() && Items()->IndexOf(Value) < 0) Items()->Add(Value);
    EndGridEdit();
    TEsgComboBox::DoExit();
}

void TGridCombo::KeyDown(uint16_t& Key, TShiftState Shift)
{
    const bool List = IsListStyle();
    const bool Open = DroppedDown();
    bool Handled = false;
    if (List || Open) {
        Handled = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_LEFT || Key == VK_RIGHT;
    } else {
        Handled = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
                  Key == VK_END || Key == VK_UP || Key == VK_DOWN;
    }
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    const bool UpDown = Key == VK_UP || Key == VK_DOWN;
    if (UpDown && !Open && !Shift.Contains(ssAlt) && !OwnerGrid()->Navigation()->ComboGetUpDown()) {
        EndGridEdit();
        FocusGridWithoutAlwaysEdit();
        GridKeyDown(Key, Shift);
        Key = 0;
        return;
    }
    if (Key == VK_DOWN && Shift.Contains(ssAlt)) Handled = false;
    if (!Handled) {
        TEsgComboBox::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        // The cell keeps the text it had when the edit began.
        CancelGridEdit();
        const QString Original = GridOriginalCellValue();
        if (!List) SetText(Original);
        const int32_t Index = Items()->IndexOf(Original);
        if (Index >= 0) SetItemIndex(Index);
        EndGridEdit();
        FocusGrid();
        Key = 0;
        return;
    }
    if (Key == VK_RETURN || UpDown) {
        SetGridCurrentCell(Text());
        if (!ValidateGridCell(Text())) {
            ShowText(NewCellText());
            if (!List) SelectAll();
            Repaint();
            Key = 0;
            SetNoAutoAdvance(true);
            return;
        }
        ShowText(GridCurrentCell());
    }
    if (Key == VK_TAB && GridWantsEditorTab()) {
        SetGridCurrentCell(Text());
        if (!ValidateGridCell(Text())) {
            ShowText(NewCellText());
            SetSelStart(static_cast<int32_t>(Text().size()));
            SetSelLength(0);
            Repaint();
            Key = 0;
            return;
        }
        if (List) SetItemIndex(Items()->IndexOf(GridCurrentCell()));
        else SetText(GridCurrentCell());
        if (GridHasTabs()) {
            TabToNextCell();
            Key = 0;
            return;
        }
        PostTabToGrid();
    }
    if (List || Open) {
        EndGridEditNoDirectClose();
        if (Key == VK_LEFT || Key == VK_RIGHT) {
            GridKeyDown(Key, Shift);
            Key = 0;
        }
    } else if (Key == VK_END) {
        TEsgComboBox::KeyDown(Key, Shift);
        return;
    }
    LeaveCell(Key, Shift);
    TEsgComboBox::KeyDown(Key, Shift);
}

void TGridCombo::ShowText(const QString& Value)
{
    if (IsListStyle()) {
        const int32_t Index = Items()->IndexOf(Value);
        if (Index >= 0) SetItemIndex(Index);
    } else {
        SetText(Value);
    }
}

void TGridCombo::KeyPress(QChar& Key)
{
    const int32_t Before = ItemIndex();
    FireGridKeyPress(this, Key);
    if (Key == QChar(VK_ESCAPE)) Key = QChar();
    if (Key == QChar(VK_RETURN) && OnReturnKey) OnReturnKey(this);
    if (Key == QChar(VK_RETURN) || Key == QChar(VK_TAB)) Key = QChar();
    TEsgComboBox::KeyPress(Key);
    if (ItemIndex() != Before) FireComboChange();
}

void TGridCombo::KeyUp(uint16_t& Key, TShiftState Shift)
{
    if (!IsListStyle() && OwnerGrid()->Navigation()->CursorWalkEditor() && Shift.Empty()) {
        const int32_t Length = static_cast<int32_t>(Text().size());
        if (Key == VK_LEFT && SelStart() == 0 && SelLength() == 0) {
            Key = 0;
            CursorWalkOut(Text(), false);
        } else if (Key == VK_RIGHT && SelStart() == Length && SelLength() == 0) {
            Key = 0;
            CursorWalkOut(Text(), true);
        }
    }
    SetNoAutoAdvance(false);
    if (Key != VK_RETURN) TEsgComboBox::KeyUp(Key, Shift);
    DoChange();
}

void TGridCombo::DoChange()
{
    TExtStringGrid* Grid = OwnerGrid();
    if (!WorkMode || !Grid->Lookup() || IsListStyle()) return;
    const bool CaseSensitive = Grid->LookupCaseSensitive();
    const QString Typed = Text().left(SelStart());
    // With nothing typed every item would match: the text stays.
    if (Typed.isEmpty()) return;
    const QString Prefix = CaseSensitive ? Typed : Typed.toUpper();
    auto Find = [&](TStrings* List) {
        for (int32_t I = 0; I < List->Count(); ++I) {
            const QString Item = List->Strings(I);
            if ((CaseSensitive ? Item : Item.toUpper()).startsWith(Prefix)) return I;
        }
        return -1;
    };
    auto Complete = [&](const QString& Item) {
        SetText((Typed + Item.mid(Typed.size())).left(255));
        SetSelStart(static_cast<int32_t>(Typed.size()));
        SetSelLength(static_cast<int32_t>(Text().size() - Typed.size()));
    };
    const int32_t Index = Find(Items());
    if (Index >= 0) {
        const QString Item = Items()->Strings(Index);
        Complete(Item);
        SetItemIndex(Index);
        SetSelStart(static_cast<int32_t>(Typed.size()));
        SetSelLength(static_cast<int32_t>(Text().size() - Typed.size()));
        return;
    }
    TStrings* Lookup = Grid->LookupItems();
    if (!Lookup) return;
    const int32_t LookupIndex = Find(Lookup);
    if (LookupIndex >= 0) Complete(Lookup->Strings(LookupIndex));
}

// ---- TGridCheckBox ----

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner), TGridEditorContract(AOwner) {}

void TGridCheckBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        Toggle();
        FPressToggled = true;
        TCheckBox::Dispatch(Message);
        break;
    case CN_COMMAND:
        if (TWMCommand(Message).NotifyCode() == BN_CLICKED && FPressToggled) {
            FPressToggled = false;
            break;
        }
        TCheckBox::Dispatch(Message);
        break;
    default: TCheckBox::Dispatch(Message); break;
    }
}

void TGridCheckBox::DoExit()
{
    EndGridEdit();
    TCheckBox::DoExit();
}

void TGridCheckBox::KeyDown(uint16_t& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_SPACE:
        // The platform box would toggle once more when the key comes up.
        Toggle();
        Key = 0;
        return;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        TExtStringGrid* Grid = OwnerGrid();
        if (Key == VK_ESCAPE) SetCaption(GridCurrentCell());
        EndGridEdit();
        FocusGrid();
        if (Key == VK_RETURN) Grid->AdvanceAfterEdit(Grid->Col(), Grid->Row(), false, true, true, false, true);
        if (Key == VK_UP || Key == VK_DOWN) GridKeyDown(Key, Shift);
        Key = 0;
        return;
    }
    default: TCheckBox::KeyDown(Key, Shift); break;
    }
}

// ---- TGridButton ----

TGridButton::TGridButton(TComponent* AOwner) : TButton(AOwner), TGridEditorContract(AOwner) {}

void TGridButton::CreateParams(TCreateParams& Params)
{
    TButton::CreateParams(Params);
}

void TGridButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_WANTSPECIALKEY:
        switch (Message.WParam) {
        case VK_ESCAPE:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: Message.Result = 1; break;
        default: TButton::Dispatch(Message); break;
        }
        break;
    case WM_LBUTTONUP:
        if (auto* Grid = dynamic_cast<TExtStringGrid*>(Parent())) ClickAction(Grid);
        TButton::Dispatch(Message);
        break;
    default: TButton::Dispatch(Message); break;
    }
}

void TGridButton::DoExit()
{
    EndGridEdit();
    TButton::DoExit();
}

void TGridButton::HandBack()
{
    SetVisible(false);
    SetEnabled(false);
    ClearGridEditMode();
    FocusGrid();
}

void TGridButton::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TExtStringGrid* Grid = OwnerGrid();
    switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
        const uint16_t Pressed = Key;
        SendMessage(Grid->Handle(), WM_KEYDOWN, Pressed, 0);
        HandBack();
        SendMessage(Grid->Handle(), WM_KEYUP, Pressed, 0);
        Key = 0;
        break;
    }
    case VK_ESCAPE:
        HandBack();
        CancelGridEdit();
        SendMessage(Grid->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        Key = 0;
        break;
    default: TButton::KeyDown(Key, Shift); break;
    }
}

void TGridButton::KeyUp(uint16_t& Key, TShiftState)
{
    if (Key == VK_SPACE) ClickAction(OwnerGrid());
}

void TGridButton::ClickAction(TExtStringGrid* Grid)
{
    QString Value = Caption();
    Grid->DoEllipsClick(Value);
    SetCaption(Value);
    Grid->SetCurrentCell(Caption());
    SetFocus();
    Repaint();
}
