// The grid's date picker and date-time picker editor wrappers.
#include "grid/view/GridDateEditors.h"

#include "grid/base/GridSettings.h"
#include "grid/core/ExtGrid.h"

#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/DateTime.h"
#include "windows/WindowDC.h"

// ---- TGridDatePicker ----

TGridDatePicker::TGridDatePicker(TComponent* AOwner) : TEsgDateTimePicker(AOwner), TGridEditorContract(AOwner) {}

void TGridDatePicker::KeyPress(QChar& Key)
{
    if (Key >= QLatin1Char('0') && Key <= QLatin1Char('9')) {
        const TDateTime Before = DateTime();
        uint16_t MSec = 0;
        DecodeDate(Before, Fy, Fm, Fd);
        DecodeTime(Before, Fth, Ftm, Fts, MSec);
        TEsgDateTimePicker::KeyPress(Key);
        // Checked once the digit has reached the control.
        if (HandleAllocated() && DTPShiftFocusMsg != 0) PostMessage(Handle(), DTPShiftFocusMsg, 0, 0);
    } else {
        TEsgDateTimePicker::KeyPress(Key);
    }
    FireGridKeyPress(Grid(), Key);
}

void TGridDatePicker::DoShiftFocus()
{
    uint16_t Y = 0, M = 0, D = 0, H = 0, N = 0, S = 0, MSec = 0;
    DecodeDate(DateTime(), Y, M, D);
    DecodeTime(DateTime(), H, N, S, MSec);
    const auto NextField = [this] {
        if (HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    };
    if (Kind() == dtkTime) {
        if (H != Fth || N != Ftm || S != Fts) NextField();
        return;
    }
    const bool Day = D != Fd;
    const bool Month = M != Fm;
    const bool Year = Y != Fy;
    if (!Format().isEmpty()) {
        // A change of the format's last field has nowhere to go.
        const char16_t Last = Format().back().toLower().unicode();
        if ((Day && Last == u'd') || (Month && Last == u'm') || (Year && Last == u'y')) return;
        if (Day || Month || Year) NextField();
        return;
    }
    if (Day || Month) NextField();
}

void TGridDatePicker::HideBorder()
{
    if (!HandleAllocated()) return;
    HDC DC = GetWindowDC(Handle());
    if (!DC) return;
    TBrush Brush;
    Brush.SetColor(clWindow);
    FrameRect(DC, TRect{0, 0, Width(), Height()}, &Brush);
    FrameRect(DC, TRect{1, 1, Width() - 1, Height() - 1}, &Brush);
    ReleaseDC(Handle(), DC);
}

void TGridDatePicker::WndProc(TMessage& Message)
{
    TEsgDateTimePicker::WndProc(Message);
    if (DTPShiftFocusMsg != 0 && Message.Msg == DTPShiftFocusMsg) DoShiftFocus();
    if (Message.Msg == WM_NCPAINT) HideBorder();
}

void TGridDatePicker::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCPAINT:
        TEsgDateTimePicker::Dispatch(Message);
        HideBorder();
        return;
    case CM_WANTSPECIALKEY:
        TEsgDateTimePicker::Dispatch(Message);
        if (ClaimsSpecialKey(static_cast<uint16_t>(Message.WParam))) Message.Result = 1;
        return;
    default: TEsgDateTimePicker::Dispatch(Message); return;
    }
}

void TGridDatePicker::DoExit()
{
    EndGridEdit();
    TEsgDateTimePicker::DoExit();
}

void TGridDatePicker::ShowText(const QString& Value)
{
    TDateTime Read = 0;
    if (!(Kind() == dtkTime ? TryStrToTime(Value, Read) : TryStrToDate(Value, Read))) return;
    try {
        if (Kind() == dtkTime) SetTime(Read);
        else SetDate(Read);
    } catch (const ECommonCalendarError&) {
        // Outside MinDate..MaxDate: the picker keeps its value.
    }
}

void TGridDatePicker::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_PRIOR && Key != VK_NEXT && Key != VK_END) {
        TEsgDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        TDateTime Read = 0;
        const QString Cell = GridCurrentCell();
        if (Kind() == dtkTime ? TryStrToTime(Cell, Read) : TryStrToDate(Cell, Read)) ShowText(Cell);
        else {
            try {
                SetDateTime(Now());
            } catch (const ECommonCalendarError&) {
            }
        }
        // The cell keeps its text, whatever the picker would write.
        CancelGridEdit();
    }
    if (Key == VK_RETURN) {
        // The field being typed is taken before the value is read.
        if (HandleAllocated()) {
            SendMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
            SendMessage(Handle(), WM_KEYUP, VK_RIGHT, 0);
        }
        SetGridCurrentCell(Text());
        if (!ValidateGridCell(Text())) {
            ShowText(NewCellText());
            Invalidate();
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
            Invalidate();
            Key = 0;
            return;
        }
        if (GridHasTabs()) {
            TabToNextCell();
            return;
        }
        PostTabToGrid();
    }
    // With the calendar open the picker closes it on Esc and Enter itself.
    if (!DroppedDown()) DoneGridEdit(Key, Shift);
}

// ---- TGridDateTimePicker ----

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner)
    : TExtDateTimePicker(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
}

void TGridDateTimePicker::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TExtStringGrid* G = FGrid;
    if (G && Key == VK_ESCAPE) {
        try {
            SetDate(G->FOriginalDateTime);
        } catch (const ECommonCalendarError&) {
        }
        // The cell keeps its text, whatever the picker would write.
        G->CancelCellEdit();
        G->HideInplaceEdit();
        G->SetFocus();
        Key = 0;
        return;
    }
    if (G && Key == VK_RETURN) {
        G->HideInplaceEdit();
        G->SetFocus();
        if (G->Navigation()->AdvanceOnEnter()) G->AdvanceAfterEdit(G->Col(), G->Row(), false, true, true, false, true);
        Key = 0;
        return;
    }
    if (G && Key == VK_TAB && (G->Options().Contains(goTabs) || G->OnCellValidate || G->OnCellValidateWide)) {
        G->HideInplaceEdit();
        G->SetFocus();
        G->SetCurrentCell(Text());
        G->AdvanceToNextCell(GetAsyncKeyState(VK_SHIFT) < 0);
        Key = 0;
        return;
    }
    TExtDateTimePicker::KeyDown(Key, Shift);
}
