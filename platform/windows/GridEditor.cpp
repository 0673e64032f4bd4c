// The grid's in-place editor (TInplaceEdit) and its life in TCustomGrid: made once, loaded per cell, placed, shown, stored and hidden.
#include "windows/Grids.h"

#include "windows/Forms.h"

#include <algorithm>

// ---- TInplaceEdit ----

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    SetParentCtl3D(false);
    SetCtl3D(false);
    SetTabStop(false);
    SetBorderStyle(bsNone);
    SetAutoSize(false);
    SetVisible(false);
}

TInplaceEdit::~TInplaceEdit() = default;

void TInplaceEdit::CreateParams(TCreateParams& Params)
{
    TCustomMaskEdit::CreateParams(Params);
    Params.Style |= ES_MULTILINE;
}

void TInplaceEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        TCustomMaskEdit::Dispatch(Message);
        Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
        if (FGrid && FGrid->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
        break;
    default: TCustomMaskEdit::Dispatch(Message); break;
    }
}

void TInplaceEdit::DblClick()
{
    if (FGrid) FGrid->DblClick();
}

bool TInplaceEdit::DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos)
{
    return FGrid ? FGrid->DoMouseWheel(Shift, WheelDelta, MousePos)
                 : TCustomMaskEdit::DoMouseWheel(Shift, WheelDelta, MousePos);
}

bool TInplaceEdit::AtLeftEdge() const
{
    const int32_t Length = static_cast<int32_t>(EditText().size());
    return (SelStart() == 0 && SelLength() == 0) || (SelStart() == 0 && SelLength() == Length);
}

bool TInplaceEdit::AtRightEdge() const
{
    const int32_t Length = static_cast<int32_t>(EditText().size());
    return (SelLength() == 0 && SelStart() == Length) || (SelStart() == 0 && SelLength() == Length);
}

void TInplaceEdit::SendToParent(uint16_t& Key, TShiftState Shift)
{
    FGrid->KeyDown(Key, Shift);
    Key = 0;
}

void TInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (!FGrid) {
        TCustomMaskEdit::KeyDown(Key, Shift);
        return;
    }
    const bool AlwaysShow = FGrid->Options().Contains(goAlwaysShowEditor);
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: SendToParent(Key, Shift); break;
    case VK_LEFT:
    case VK_HOME:
        if (Shift.Contains(ssCtrl) || (AlwaysShow && AtLeftEdge())) SendToParent(Key, Shift);
        break;
    case VK_RIGHT:
    case VK_END:
        if (Shift.Contains(ssCtrl) || (AlwaysShow && AtRightEdge())) SendToParent(Key, Shift);
        break;
    case VK_TAB:
        if (!Shift.Contains(ssAlt) && FGrid->Options().Contains(goTabs)) SendToParent(Key, Shift);
        break;
    case VK_F2:
        // F2 in the editor leaves the text unselected.
        if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
        if (Key == VK_F2) {
            Deselect();
            Key = 0;
        }
        return;
    default: break;
    }
    if (Key == 0) return;
    // Keys the editor keeps are reported to the grid's handler too.
    if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
    if (Key != 0) TCustomMaskEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(QChar& Key)
{
    if (!FGrid) {
        TCustomMaskEdit::KeyPress(Key);
        return;
    }
    if (Key == QChar(13) || Key == QChar(27)) FGrid->KeyPress(Key);
    if (Key.unicode() >= 32 && !FGrid->CanEditAcceptKey(Key)) {
        Key = QChar();
        MessageBeep(0);
    }
    switch (Key.unicode()) {
    case 9:
    case 27: Key = QChar(); break;
    case 13:
        // Enter that stays with the editor flips between all and nothing selected.
        if (SelStart() == 0 && SelLength() == static_cast<int32_t>(EditText().size()))
            Deselect();
        else
            SelectAll();
        Key = QChar();
        break;
    case 8:
    case 22:
    case 24:
        if (!FGrid->CanEditModify()) Key = QChar();
        break;
    default:
        if (Key.unicode() >= 32 && !FGrid->CanEditModify()) Key = QChar();
        break;
    }
    if (!Key.isNull()) TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::KeyUp(uint16_t& Key, TShiftState Shift)
{
    if (FGrid && FGrid->OnKeyUp) FGrid->OnKeyUp(FGrid, Key, Shift);
    if (Key != 0) TCustomMaskEdit::KeyUp(Key, Shift);
}

void TInplaceEdit::Deselect()
{
    const int32_t Length = static_cast<int32_t>(EditText().size());
    SetSelStart(Length);
    SetSelLength(0);
}

bool TInplaceEdit::EditorVisible() const
{
    return Visible() && HandleAllocated();
}

void TInplaceEdit::Hide()
{
    if (!Visible()) return;
    // The grid takes the focus back before the editor goes.
    if (Focused() && FGrid && FGrid->CanFocus()) FGrid->SetFocus();
    SetVisible(false);
}

void TInplaceEdit::Invalidate()
{
    TCustomMaskEdit::Invalidate();
    if (FGrid && FGrid->HandleAllocated()) {
        const TRect Area = BoundsRect();
        ::InvalidateRect(FGrid->Handle(), &Area, false);
    }
}

void TInplaceEdit::Move(const TRect& Loc)
{
    InternalMove(Loc, true);
}

bool TInplaceEdit::PosEqual(const TRect& Rect) const
{
    return BoundsRect() == Rect;
}

void TInplaceEdit::InternalMove(const TRect& Loc, bool Redraw)
{
    if (Loc.Width() <= 0 || Loc.Height() <= 0) {
        Hide();
        return;
    }
    SetBoundsRect(Loc);
    SetVisible(true);
    HandleNeeded();
    BoundsChanged();
    if (Redraw) Invalidate();
    if (FGrid && FGrid->Focused()) SetFocus();
}

void TInplaceEdit::UpdateLoc(const TRect& Loc)
{
    InternalMove(Loc, false);
}

void TInplaceEdit::SetFocus()
{
    if (CanFocus()) TCustomMaskEdit::SetFocus();
}

void TInplaceEdit::BoundsChanged() {}

void TInplaceEdit::UpdateContents()
{
    if (!FGrid) return;
    SetText({});
    SetEditMask(FGrid->GetEditMask(FGrid->Col(), FGrid->Row()));
    FLoadedText = FGrid->GetEditText(FGrid->Col(), FGrid->Row());
    SetText(FLoadedText);
    // The edit keeps what it shows; the grid's own text stays what it loaded.
    FLoadedText = Text();
    SetMaxLength(FGrid->GetEditLimit());
}

// ---- The editor's life in the grid ----

TInplaceEdit* TCustomGrid::CreateEditor()
{
    return New<TInplaceEdit>(this);
}

bool TCustomGrid::CanEditAcceptKey(QChar)
{
    return true;
}

bool TCustomGrid::CanEditModify()
{
    return FCanEditModify;
}

bool TCustomGrid::CanEditShow()
{
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FEditorMode &&
           !ComponentState().Contains(csDesigning) && HandleAllocated() &&
           (FOptions.Contains(goAlwaysShowEditor) || IsActiveControl());
}

QString TCustomGrid::GetEditMask(int32_t, int32_t)
{
    return {};
}

QString TCustomGrid::GetEditText(int32_t, int32_t)
{
    return {};
}

void TCustomGrid::SetEditText(int32_t, int32_t, const QString&) {}

int32_t TCustomGrid::GetEditLimit()
{
    return 0;
}

void TCustomGrid::SetEditorMode(bool Value)
{
    if (!Value) {
        HideEditor();
        return;
    }
    ShowEditor();
    if (FInplaceEdit && FInplaceEdit->EditorVisible()) FInplaceEdit->Deselect();
}

void TCustomGrid::ShowEditor()
{
    FEditorMode = true;
    UpdateEdit();
}

void TCustomGrid::HideEditor()
{
    FEditorMode = false;
    HideEdit();
}

void TCustomGrid::ShowEditorChar(QChar Ch)
{
    ShowEditor();
    if (FInplaceEdit && FInplaceEdit->EditorVisible()) PostMessage(FInplaceEdit->Handle(), WM_CHAR, Ch.unicode(), 0);
}

void TCustomGrid::InvalidateEditor()
{
    FInplaceCol = -1;
    FInplaceRow = -1;
    UpdateEdit();
}

void TCustomGrid::UpdateText()
{
    if (ComponentState().Contains(csDestroying)) return;
    if (FInplaceEdit && FInplaceCol >= 0 && FInplaceRow >= 0)
        SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->Text());
}

void TCustomGrid::HideEdit()
{
    if (!FInplaceEdit) return;
    try {
        UpdateText();
    } catch (...) {
        FInplaceCol = -1;
        FInplaceRow = -1;
        FInplaceEdit->Hide();
        throw;
    }
    FInplaceCol = -1;
    FInplaceRow = -1;
    FInplaceEdit->Hide();
}

void TCustomGrid::UpdateEdit()
{
    if (ComponentState().Contains(csDestroying) || !CanEditShow()) return;
    const auto Load = [this] {
        // The texts the editor goes through while it loads are no edits of the cell.
        FInplaceCol = -1;
        FInplaceRow = -1;
        FInplaceEdit->UpdateContents();
        FInplaceCol = FCurrent.X;
        FInplaceRow = FCurrent.Y;
        FCanEditModify = true;
        FInplaceEdit->SelectAll();
    };
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        FInplaceEdit->FGrid = this;
        FInplaceEdit->SetParent(this);
        Load();
    } else if (FCurrent.X != FInplaceCol || FCurrent.Y != FInplaceRow) {
        HideEdit();
        Load();
    }
    if (CanEditShow()) FInplaceEdit->Move(CellRect(FCurrent.X, FCurrent.Y));
}

void TCustomGrid::DoExit()
{
    TCustomControl::DoExit();
    if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
}
