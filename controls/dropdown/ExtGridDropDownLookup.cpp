// TCustomExtGridDropDown: the lookup list, lookup and narrowing of typed text, completion, type-ahead in the open
// grid, and the keys of the edit and of the grid.
#include "dropdown/ExtGridDropDown.h"

#include "dropdown/ExtGridDropDownGrid.h"
#include "dropdown/ScopedFlag.h"

#include "windows/Messages.h"

#include <algorithm>

using namespace GridDropDown;

namespace {

// At most this many characters of an entry complete the typed text.
constexpr qsizetype MaxCompletion = 255;

// PageUp, PageDown, End, Home, Up and Down without Alt stay in the open grid.
bool StaysInGrid(uint16_t Key, TShiftState Shift)
{
    return !Shift.Contains(ssAlt) && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME ||
                                      Key == VK_UP || Key == VK_DOWN);
}

}  // namespace

// ---- The lookup list ----

void TCustomExtGridDropDown::EndUpdate()
{
    UpdateLookupItems();
}

void TCustomExtGridDropDown::UpdateLookupItems()
{
    if (FLookupColumn < 0 || FItems->Count() == 0) return;
    FLookupItems.clear();
    FLookupItems.reserve(FItems->Count());
    for (int32_t I = 0; I < FItems->Count(); ++I) FLookupItems.push_back(FItems->Items(I)->Line(FLookupColumn));
}

int32_t TCustomExtGridDropDown::FindCompletion(const QString& Typed) const
{
    // A list kept from items since removed may name items that are gone.
    const auto Count = std::min<qsizetype>(FLookupItems.size(), FItems->Count());
    for (qsizetype I = 0; I < Count; ++I)
        if (FLookupItems.at(I).startsWith(Typed, Qt::CaseInsensitive)) return static_cast<int32_t>(I);
    return -1;
}

int32_t TCustomExtGridDropDown::FindLookupEntry(const QString& Text) const
{
    for (qsizetype I = 0; I < FLookupItems.size(); ++I)
        if (FLookupItems.at(I).compare(Text, Qt::CaseInsensitive) == 0) return static_cast<int32_t>(I);
    return -1;
}

bool TCustomExtGridDropDown::FindLookupMatch(const QString& Text, QString& Found, int32_t& Index) const
{
    Found.clear();
    Index = -1;
    if (Text.isEmpty() || FLookupColumn < 0) return false;
    const Qt::CaseSensitivity Case = FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (FUseItems) {
        for (int32_t I = 0; I < FItems->Count(); ++I) {
            const QString Line = FItems->Items(I)->Line(FLookupColumn);
            if (!Line.startsWith(Text, Case)) continue;
            Found = Line;
            Index = I;
            return true;
        }
        return false;
    }
    if (!FExtColGrid) return false;
    for (int32_t R = FExtColGrid->FixedRows(); R < FExtColGrid->RowCount(); ++R) {
        const QString Cell = GridLookupCell(R);
        if (!Cell.startsWith(Text, Case)) continue;
        Found = Cell;
        Index = R;
        return true;
    }
    return false;
}

// ---- Writing the edit text ----

void TCustomExtGridDropDown::ShowCompleted(const QString& Text, int32_t Start)
{
    WithFlag(FCompleting, [&] { SetText(Text); });
    const auto PrefixLength = static_cast<int32_t>(Prefix().size());
    const auto Length = static_cast<int32_t>(this->Text().size());
    Start = std::clamp(Start, 0, Length);
    SetSelStart(PrefixLength + Start);
    SetSelLength(Length - Start);
}

// ---- Lookup and narrowing ----

int32_t TCustomExtGridDropDown::IncrementalLookup(QChar Key)
{
    if (FLookupMethod == lmNone) return -1;
    if (Key == QChar(8)) {
        const auto PrefixLength = static_cast<int32_t>(Prefix().size());
        QString Rest;
        if (SelLength() == 0) {
            FLookupEntry.chop(1);
            Rest = FLookupEntry;
        } else {
            // Only the selected part goes; the entry stays.
            const QString Value = Text();
            const int32_t Start = std::clamp(SelStart() - PrefixLength, 0, static_cast<int32_t>(Value.size()));
            Rest = Value.left(Start) + Value.mid(Start + SelLength());
        }
        WithFlag(FCompleting, [&] { SetText(Rest); });
        SetSelStart(static_cast<int32_t>(PrefixLength + Rest.size()));
        SetSelLength(0);
        // Narrowing follows the shortened entry, so deleting it shows every row again.
        if (FLookupMethod == lmNarrowDown && FExtColGrid) {
            const QString Search = FLookupEntry.trimmed();
            if (Search.isEmpty())
                FExtColGrid->RemoveAllFilters();
            else
                FExtColGrid->NarrowDown(Search, FLookupColumn);
        }
        return -1;
    }
    if (Key != QChar(9)) FLookupEntry += Key;
    const QString Search = FLookupEntry.trimmed();
    if (FLookupMethod == lmNarrowDown) {
        if (!FExtColGrid) return -1;
        TExtColGrid* Grid = FExtColGrid;
        if (Search.isEmpty()) {
            Grid->RemoveAllFilters();
        } else {
            Grid->SetFixedRowAlways(true);
            Grid->NarrowDown(Search, FLookupColumn);
            if (FStyle == dsDropDown && Grid->RowCount() > Grid->FixedRows())
                ShowCompleted(GridLookupCell(Grid->FixedRows()), static_cast<int32_t>(FLookupEntry.size()));
        }
        return Grid->FixedRows();
    }
    QString Found;
    int32_t Index = -1;
    if (!FindLookupMatch(Search, Found, Index)) {
        if (FStyle != dsDropDownList || !FindLookupMatch(QString(Key), Found, Index)) {
            FLookupEntry.clear();
            return -1;
        }
        FLookupEntry = Key;
    }
    // Without items the match is a grid row; the selection counts data rows.
    FItemIndex = FUseItems || !FExtColGrid ? Index : Index - FExtColGrid->FixedRows();
    const auto Found_ = static_cast<int32_t>(Found.size());
    ShowCompleted(Found, FStyle == dsDropDown ? static_cast<int32_t>(FLookupEntry.size()) : Found_);
    return Index;
}

// ---- Completion while typing ----

void TCustomExtGridDropDown::Change()
{
    TExtCustomDropDown::Change();
    if (ComponentState().Contains(csDesigning) || !FWorkMode || FCompleting || FLookupColumn < 0) return;
    const QString Value = Text();
    const int32_t Caret =
        std::clamp(SelStart() - static_cast<int32_t>(Prefix().size()), 0, static_cast<int32_t>(Value.size()));
    const QString Typed = Value.left(Caret);
    const int32_t Found = Typed.isEmpty() ? -1 : FindCompletion(Typed);
    if (Found >= 0) {
        const QString& Entry = FLookupItems.at(Found);
        FItemIndex = Found;
        FItemIdx = Found;
        FItemSel = static_cast<int32_t>(Typed.size());
        FItemChange = true;
        ShowCompleted(Typed + Entry.mid(Typed.size()).left(MaxCompletion), FItemSel);
    } else if (!Typed.isEmpty()) {
        WithFlag(FCompleting, [&] { SetText(Typed); });
        SetSelStart(static_cast<int32_t>(Prefix().size() + Typed.size()));
    }
    // Set last: writing the text clears it.
    SetIsModified(Text() != OldString());
}

// ---- Keys of the edit ----

void TCustomExtGridDropDown::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TExtColGrid* Grid = FExtColGrid;
    if (FGridEditable && Grid && Grid->EditorMode() && Key == VK_RETURN && !Shift.Contains(ssShift)) {
        // Enter in the grid's in-place editor stores the cell and selects its row.
        Grid->HideInplaceEdit();
        SetText(GridLookupCell(Grid->Row()));
        FItemIndex = FUseItems ? RowToItemIndex(Grid->Row()) : Grid->Row() - Grid->FixedRows();
        Key = 0;
        return;
    }
    if (FLookupColumn < 0 || FItems->Count() == 0) {
        TExtCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    const uint16_t Pressed = Key;
    if (Pressed == VK_BACK || Pressed == VK_ESCAPE || Pressed == VK_DELETE) {
        FWorkMode = false;
    } else if (Pressed == VK_RETURN) {
        const int32_t Index = FindLookupEntry(Text());
        if (Index >= 0 && Index < FItems->Count()) {
            SetText(FLookupItems.at(Index));
            SetItemIndex(Index);
            Change();
        }
    } else {
        FWorkMode = true;
    }
    if (Pressed == VK_ESCAPE || (Pressed >= VK_PRIOR && Pressed <= VK_DOWN)) FLookupEntry.clear();
    TExtCustomDropDown::KeyDown(Key, Shift);
    if (Pressed != VK_ESCAPE) return;
    const int32_t Index = FindLookupEntry(Text());
    if (Index >= 0 && Index < FItems->Count()) {
        SetItemIndex(Index);
    } else {
        FItemIndex = -1;
        SetText(QString());
    }
}

void TCustomExtGridDropDown::KeyUp(uint16_t& Key, TShiftState Shift)
{
    const uint16_t Released = Key;
    TExtCustomDropDown::KeyUp(Key, Shift);
    TExtColGrid* Grid = FExtColGrid;
    if (FGridEditable && Grid && Grid->EditorMode() && Released == VK_RETURN && !Shift.Contains(ssShift)) {
        if (Grid->Col() == FLookupColumn)
            HideDropDown(false);
        else
            Grid->HideInplaceEdit();
    }
    if (!FItemChange) return;
    SetItemIndex(FItemIdx);
    const auto Length = static_cast<int32_t>(Text().size());
    SetSelStart(static_cast<int32_t>(Prefix().size()) + std::min(FItemSel, Length));
    SetSelLength(std::max(0, Length - FItemSel));
    FItemChange = false;
}

void TCustomExtGridDropDown::DoEnter()
{
    TExtCustomDropDown::DoEnter();
    if (FExtColGrid) FExtColGrid->RemoveAllFilters();
    FLookupEntry.clear();
}

void TCustomExtGridDropDown::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_CHAR) {
        const QChar Key(static_cast<char16_t>(Message.WParam));
        TExtCustomDropDown::Dispatch(Message);
        // Other control characters (Enter, Esc) are no part of a search text.
        if (Key.unicode() >= 32 || Key == QChar(8) || Key == QChar(9)) IncrementalLookup(Key);
        if (FAutoShowDropDown && !DroppedDown()) ShowDropDown();
        return;
    }
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_RETURN && FExtColGrid) {
        FExtColGrid->SetConfirmSelection(true);
        // Enter for the grid's in-place editor is consumed before the edit's own Enter closes the pop-up.
        if (FGridEditable && FExtColGrid->EditorMode() && GetKeyState(VK_SHIFT) >= 0) {
            // This class's own handling: a cell editor wrapper must not take it for the edit's Enter.
            uint16_t Key = VK_RETURN;
            TCustomExtGridDropDown::KeyDown(Key, {});
            return;
        }
    }
    TExtCustomDropDown::Dispatch(Message);
    if (Message.Msg != WM_KEYDOWN || !Enabled() || GetKeyState(VK_MENU) < 0) return;
    const auto Key = static_cast<uint16_t>(Message.WParam);
    if ((Key >= VK_PRIOR && Key <= VK_HOME) || Key == VK_UP || Key == VK_DOWN) FLookupEntry.clear();
    switch (Key) {
    case VK_PRIOR: SelectPreviousPage(); break;
    case VK_NEXT: SelectNextPage(); break;
    case VK_UP: SelectPrevious(); break;
    case VK_DOWN: SelectNext(); break;
    case VK_END:
        if (GetKeyState(VK_SHIFT) >= 0 && FStyle == dsDropDownList) SelectLast();
        break;
    case VK_HOME:
        if (GetKeyState(VK_SHIFT) >= 0 && FStyle == dsDropDownList) SelectFirst();
        break;
    default: break;
    }
}

// ---- Keys of the open grid ----

void TCustomExtGridDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift)
{
    if (!StaysInGrid(Key, Shift)) TExtCustomDropDown::ControlKeyDown(Key, Shift);
    GridKeyDown(this, Key, Shift);
}

void TCustomExtGridDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift)
{
    if (StaysInGrid(Key, Shift))
        FLookupEntry.clear();
    else
        TExtCustomDropDown::ControlKeyUp(Key, Shift);
    GridKeyUp(this, Key, Shift);
}

void TCustomExtGridDropDown::ControlKeyPress(QChar& Key)
{
    TExtColGrid* Grid = FExtColGrid;
    const bool Plain = GetKeyState(VK_MENU) >= 0 && (Key == QChar(13) || Key == QChar(27));
    if (Plain || !Grid || Grid->EditorMode()) {
        FLookupEntry.clear();
    } else {
        const bool Backspace = Key == QChar(8);
        const int32_t Result = IncrementalLookup(Key);
        int32_t Row = -1;
        if (Result >= 0) {
            if (FLookupMethod == lmNarrowDown)
                Row = Grid->FixedRows();
            else
                Row = FUseItems ? ItemIndexToRow(Result) : Result;
        }
        if (Row >= Grid->FixedRows() && Row < Grid->RowCount()) {
            const TScopedFlag TypeAhead(FTypeAhead);
            const int32_t Visible = Grid->VisibleRowCount();
            if (Visible < Grid->RowCount() - Grid->FixedRows() &&
                (Row < Grid->TopRow() || Row >= Grid->TopRow() + Visible))
                Grid->SetTopRow(Row);
            Grid->SetRow(Row);
            Grid->SetCol(0);
            Grid->RepaintRow(Row);
            // Also when the row was current already.
            FSelRow = Row;
            FItemIndex = FUseItems ? RowToItemIndex(Row) : Row - Grid->FixedRows();
        } else if (!Backspace) {
            // Backspace has set the entry to what is left of it.
            FLookupEntry.clear();
        }
    }
    GridKeyPress(this, Key);
}
