// TCustomGrid: the messages the grid answers, and the keyboard's moves, paging, Tab, range selection and editor keys.
#include "windows/Grids.h"

#include <algorithm>

void TCustomGrid::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE: WMGetDlgCode(Message); break;
    case WM_CHAR: WMChar(TWMKey(Message)); break;
    case WM_SETCURSOR: WMSetCursor(TWMSetCursor(Message)); break;
    case WM_SETFOCUS: WMSetFocus(Message); break;
    case WM_KILLFOCUS: WMKillFocus(Message); break;
    case WM_COMMAND: WMCommand(TWMCommand(Message)); break;
    case WM_SIZE: WMSize(Message); break;
    case WM_TIMER: WMTimer(TWMTimer(Message)); break;
    case WM_CANCELMODE: WMCancelMode(Message); break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        // The window's own bars; a scroll bar control's notices go back to it.
        if (Message.LParam != 0)
            TCustomControl::Dispatch(Message);
        else if (Message.Msg == WM_VSCROLL)
            WMVScroll(TWMScroll(Message));
        else
            WMHScroll(TWMScroll(Message));
        break;
    default: TCustomControl::Dispatch(Message); break;
    }
}

void TCustomGrid::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (FOptions.Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
    if (FOptions.Contains(goEditing)) Message.Result |= DLGC_WANTALLKEYS;
}

void TCustomGrid::WMChar(TWMKey Message)
{
    const QChar Ch(Message.CharCode());
    if (FOptions.Contains(goEditing) && (Ch == QChar(8) || Ch.unicode() >= 32))
        ShowEditorChar(Ch);
    else
        TCustomControl::Dispatch(Message.Message);
}

void TCustomGrid::WMSetFocus(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    const HWND From = reinterpret_cast<HWND>(Message.WParam);
    if (!FInplaceEdit || !FInplaceEdit->HandleAllocated() || From != FInplaceEdit->Handle()) {
        InvalidateRect(Selection());
        UpdateEdit();
    }
}

void TCustomGrid::WMKillFocus(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    InvalidateRect(Selection());
}

void TCustomGrid::WMCommand(TWMCommand Message)
{
    // The editor's text reaches its cell as it changes.
    if (FInplaceEdit && FInplaceEdit->HandleAllocated() && Message.Ctl() == FInplaceEdit->Handle()) {
        if (Message.NotifyCode() == EN_CHANGE) UpdateText();
        return;
    }
    TCustomControl::Dispatch(Message.Message);
}

void TCustomGrid::WMSize(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    UpdateScrollRange();
    if (FEditorMode && FInplaceEdit) FInplaceEdit->UpdateLoc(CellRect(FCurrent.X, FCurrent.Y));
}

bool TCustomGrid::CanGridAcceptKey(uint16_t, TShiftState)
{
    return true;
}

void TCustomGrid::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (!CanGridAcceptKey(Key, Shift)) Key = 0;
    if (Key == 0) return;
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    const bool RowSelect = FOptions.Contains(goRowSelect);
    const int32_t PageWidth = std::max(1, DrawInfo.Horz.LastFullVisibleCell - FTopLeft.X + 1);
    const int32_t PageHeight = std::max(1, DrawInfo.Vert.LastFullVisibleCell - FTopLeft.Y + 1);
    TGridCoord NewTopLeft = FTopLeft;
    TGridCoord NewCurrent = FCurrent;
    if (Shift.Contains(ssCtrl)) {
        switch (Key) {
        case VK_UP: --NewTopLeft.Y; break;
        case VK_DOWN: ++NewTopLeft.Y; break;
        case VK_LEFT:
            if (!RowSelect) {
                NewCurrent.X -= PageWidth;
                NewTopLeft.X -= PageWidth;
            }
            break;
        case VK_RIGHT:
            if (!RowSelect) {
                NewCurrent.X += PageWidth;
                NewTopLeft.X += PageWidth;
            }
            break;
        case VK_PRIOR: NewCurrent.Y = FTopLeft.Y; break;
        case VK_NEXT: NewCurrent.Y = DrawInfo.Vert.LastFullVisibleCell; break;
        case VK_HOME: NewCurrent = {FFixedCols, FFixedRows}; break;
        case VK_END: NewCurrent = {FColCount - 1, FRowCount - 1}; break;
        default: break;
        }
    } else {
        switch (Key) {
        case VK_UP: --NewCurrent.Y; break;
        case VK_DOWN: ++NewCurrent.Y; break;
        case VK_LEFT:
            if (RowSelect)
                --NewTopLeft.X;
            else
                --NewCurrent.X;
            break;
        case VK_RIGHT:
            if (RowSelect)
                ++NewTopLeft.X;
            else
                ++NewCurrent.X;
            break;
        case VK_NEXT:
            NewCurrent.Y += PageHeight;
            NewTopLeft.Y += PageHeight;
            break;
        case VK_PRIOR:
            NewCurrent.Y -= PageHeight;
            NewTopLeft.Y -= PageHeight;
            break;
        case VK_HOME:
            if (RowSelect)
                NewCurrent.Y = FFixedRows;
            else
                NewCurrent.X = FFixedCols;
            break;
        case VK_END:
            if (RowSelect)
                NewCurrent.Y = FRowCount - 1;
            else
                NewCurrent.X = FColCount - 1;
            break;
        case VK_TAB:
            if (Shift.Contains(ssAlt) || FColCount <= FFixedCols || FRowCount <= FFixedRows) break;
            // To the next (previous) tab stop, on to the next (previous) row past an end, round the grid's ends.
            do {
                if (Shift.Contains(ssShift)) {
                    if (--NewCurrent.X < FFixedCols) {
                        NewCurrent.X = FColCount - 1;
                        if (--NewCurrent.Y < FFixedRows) NewCurrent.Y = FRowCount - 1;
                    }
                } else if (++NewCurrent.X >= FColCount) {
                    NewCurrent.X = FFixedCols;
                    if (++NewCurrent.Y >= FRowCount) NewCurrent.Y = FFixedRows;
                }
            } while (!TabStops(NewCurrent.X) && NewCurrent.X != FCurrent.X);
            break;
        case VK_F2: SetEditorMode(true); break;
        case VK_ESCAPE:
            // The editor's text goes back to what it loaded, and the editor closes.
            if (FEditorMode && FInplaceEdit) {
                if (FInplaceEdit->Text() != FInplaceEdit->LoadedText())
                    FInplaceEdit->SetText(FInplaceEdit->LoadedText());
                if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
            }
            break;
        default: break;
        }
    }
    const TGridCoord MaxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, DrawInfo);
    NewTopLeft.X = std::clamp(NewTopLeft.X, FFixedCols, std::max(FFixedCols, MaxTopLeft.X));
    NewTopLeft.Y = std::clamp(NewTopLeft.Y, FFixedRows, std::max(FFixedRows, MaxTopLeft.Y));
    if (FColCount > FFixedCols)
        NewCurrent.X = std::clamp(NewCurrent.X, FFixedCols, FColCount - 1);
    else
        NewCurrent.X = FCurrent.X;
    if (FRowCount > FFixedRows)
        NewCurrent.Y = std::clamp(NewCurrent.Y, FFixedRows, FRowCount - 1);
    else
        NewCurrent.Y = FCurrent.Y;
    if (!(NewTopLeft == FTopLeft)) MoveTopLeft(NewTopLeft.X, NewTopLeft.Y);
    if (!(NewCurrent == FCurrent)) FocusCell(NewCurrent.X, NewCurrent.Y, !(Shift.Contains(ssShift) && Key != VK_TAB));
}

void TCustomGrid::KeyPress(QChar& Key)
{
    TCustomControl::KeyPress(Key);
    // Enter opens or closes the editor, unless it always shows.
    if (Key == QChar(13) && !FOptions.Contains(goAlwaysShowEditor)) {
        if (FEditorMode)
            HideEditor();
        else
            ShowEditor();
        Key = QChar();
    }
}
