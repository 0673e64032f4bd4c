// TExtRichEdit: sub- and superscript of the selection, the requested size, and the keys and focus
// changes handed back to the grid.
#include "grid/core/ExtRichEdit.h"

#include "grid/core/ExtGrid.h"

namespace {

constexpr int32_t ScriptOffset = 40;

}  // namespace

TExtRichEdit::TExtRichEdit(TComponent* AOwner) : TRichEdit(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
}

void TExtRichEdit::SetSelOffset(int32_t Twips)
{
    CHARFORMATW Format;
    Format.dwMask = CFM_OFFSET;
    Format.yOffset = Twips;
    Perform(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&Format));
}

bool TExtRichEdit::IsSelOffset(int32_t Twips)
{
    CHARFORMATW Format;
    Format.dwMask = CFM_OFFSET;
    Perform(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&Format));
    return Format.yOffset == Twips;
}

void TExtRichEdit::SelNormal()
{
    SetSelOffset(0);
}

void TExtRichEdit::SelSubscript()
{
    SetSelOffset(-ScriptOffset);
}

void TExtRichEdit::SelSuperscript()
{
    SetSelOffset(ScriptOffset);
}

bool TExtRichEdit::IsSelNormal()
{
    return IsSelOffset(0);
}

bool TExtRichEdit::IsSelSubscript()
{
    return IsSelOffset(-ScriptOffset);
}

bool TExtRichEdit::IsSelSuperscript()
{
    return IsSelOffset(ScriptOffset);
}

void TExtRichEdit::ReCreate()
{
    RecreateWnd();
}

void TExtRichEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        TRichEdit::Dispatch(Message);
        Message.Result |= DLGC_WANTTAB;
        break;
    case WM_KEYDOWN: WMKeyDown(Message); break;
    case WM_KILLFOCUS: WMKillFocus(Message); break;
    case CN_NOTIFY: CNNotify(Message); break;
    default: TRichEdit::Dispatch(Message); break;
    }
}

void TExtRichEdit::WMKeyDown(TMessage& Message)
{
    TRichEdit::Dispatch(Message);
    if (!FGrid) return;
    const auto Key = static_cast<uint16_t>(Message.WParam);
    if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
        FGrid->SetFocus();
        FGrid->Perform(WM_KEYDOWN, VK_TAB, 0);
        // Editing the new current cell comes with the grid's editing half.
        return;
    }
    if ((Key == VK_UP || Key == VK_DOWN) && !FGrid->WordWrap() && !FGrid->Multilinecells()) {
        FGrid->SetFocus();
        FGrid->Perform(WM_KEYDOWN, Key, 0);
    }
}

void TExtRichEdit::WMKillFocus(TMessage& Message)
{
    if (FGrid && FGrid->InvokedFocusChange) return;
    if (FGrid && FGrid->HandleAllocated() && TWMKillFocus(Message).FocusedWnd() == FGrid->Handle()) FGrid->HideInplaceEdit();
    TRichEdit::Dispatch(Message);
}

void TExtRichEdit::CNNotify(TMessage& Message)
{
    const NMHDR* Header = TWMNotify(Message).NMHdr();
    if (FGrid && Header && Header->code == EN_REQUESTRESIZE && !ComponentState().Contains(csDesigning)) {
        const TRect& Requested = reinterpret_cast<const REQRESIZE*>(Header)->rc;
        TExtRichEdit* Hidden = FGrid->FRichEdit;
        if (Hidden && Hidden->HandleAllocated() && Header->hwndFrom == Hidden->Handle()) {
            Hidden->FReqWidth = Requested.Right - Requested.Left;
            Hidden->FReqHeight = Requested.Bottom - Requested.Top;
        }
        TExtRichEdit* Inplace = FGrid->FInplaceRichEdit;
        if (Inplace && SizeHeightWhileTyping() && Inplace->HandleAllocated() && Header->hwndFrom == Inplace->Handle() &&
            !Inplace->FLocked) {
            const int32_t H = Requested.Bottom - Requested.Top;
            const int32_t ARow = FGrid->Row();
            if (FGrid->RowHeights(ARow) < H + 5 && FGrid->CellRect(FGrid->Col(), ARow).Top + H + 5 < FGrid->Height()) {
                Inplace->SetHeight(H + 9);
                FGrid->SetRowHeights(ARow, H + 10);
                if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, ARow);
            }
        }
    }
    TRichEdit::Dispatch(Message);
}
