// TExtMultiColumnDropDown: the lookup list and its index, completion of typed text, type-ahead in the open list, and the edit's keys.
#include "dropdown/MultiColumnDropDown.h"

#include "dropdown/MultiColumnGrid.h"
#include "dropdown/ScopedFlag.h"

#include "windows/Messages.h"

#include <algorithm>

using namespace MultiColumn;

namespace {

// At most this many characters of an entry complete the typed text.
constexpr qsizetype MaxCompletion = 255;

QString Folded(const QString& S)
{
    return S.toUpper();
}

}  // namespace

// ---- The lookup list ----

void TExtMultiColumnDropDown::EndUpdate()
{
    UpdateLookupItems();
}

void TExtMultiColumnDropDown::UpdateLookupItems()
{
    if (FLookupColumn < 0 || FItems->Count() == 0) return;
    QStringList Lines;
    QStringList Upper;
    Lines.reserve(FItems->Count());
    Upper.reserve(FItems->Count());
    for (int32_t I = 0; I < FItems->Count(); ++I) {
        Lines.push_back(FItems->Items(I)->Line(FLookupColumn));
        Upper.push_back(Folded(Lines.back()));
    }
    FLookupItems = Lines;
    FFoldedIndex.Build(Upper);
    FExactBuilt = FCaseSensitive;
    if (FExactBuilt)
        FExactIndex.Build(Lines);
    else
        FExactIndex.Clear();
    FIndexBuilt = true;
    FIndexColumn = FLookupColumn;
    FIndexStamp = FItems->ChangeStamp();
}

bool TExtMultiColumnDropDown::LookupIndexCurrent() const
{
    return FIndexBuilt && FIndexColumn == FLookupColumn && FIndexStamp == FItems->ChangeStamp() &&
           (FExactBuilt || !FCaseSensitive);
}

int32_t TExtMultiColumnDropDown::FindCompletion(const QString& Typed) const
{
    const int32_t Found = FFoldedIndex.FirstStartingWith(Folded(Typed));
    // A list kept from items since removed may name items that are gone.
    return Found < FItems->Count() ? Found : -1;
}

int32_t TExtMultiColumnDropDown::FindLookupEntry(const QString& Text) const
{
    return FFoldedIndex.FirstEqualTo(Folded(Text));
}

bool TExtMultiColumnDropDown::FindLookupMatch(const QString& Text, QString& Found, int32_t& Index) const
{
    Found.clear();
    Index = -1;
    if (Text.isEmpty() || !FExtColGrid || FLookupColumn < 0) return false;
    if (LookupIndexCurrent()) {
        Index = FCaseSensitive ? FExactIndex.FirstStartingWith(Text) : FFoldedIndex.FirstStartingWith(Folded(Text));
    } else {
        const QString Wanted = FCaseSensitive ? Text : Folded(Text);
        for (int32_t I = 0; I < FItems->Count() && Index < 0; ++I) {
            const TDropDownItem* Item = FItems->Items(I);
            if (!Item->HasLine(FLookupColumn)) continue;
            const QString Line = Item->Line(FLookupColumn);
            if ((FCaseSensitive ? Line : Folded(Line)).startsWith(Wanted)) Index = I;
        }
    }
    if (Index < 0) return false;
    Found = FItems->Items(Index)->Line(FLookupColumn);
    return true;
}

// ---- Writing the edit text ----

void TExtMultiColumnDropDown::ShowCompleted(const QString& Text, int32_t Start)
{
    WithFlag(FCompleting, [&] { SetText(Text); });
    const auto PrefixLength = static_cast<int32_t>(Prefix().size());
    SetSelStart(PrefixLength + Start);
    SetSelLength(std::max(0, static_cast<int32_t>(this->Text().size()) - Start));
}

// ---- Type-ahead in the open list ----

int32_t TExtMultiColumnDropDown::IncrementalLookup(QChar Key)
{
    const auto PrefixLength = static_cast<int32_t>(Prefix().size());
    if (Key == QChar(8)) {
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
        const auto End = static_cast<int32_t>(PrefixLength + Rest.size());
        SetSelStart(End);
        SetSelLength(0);
        return -1;
    }
    if (Key != QChar(9)) FLookupEntry += Key;
    QString Found;
    int32_t Index = -1;
    if (!FindLookupMatch(FLookupEntry, Found, Index)) {
        if (!FindLookupMatch(QString(Key), Found, Index)) {
            FLookupEntry.clear();
            return -1;
        }
        FLookupEntry = Key;
    }
    FItemIndex = Index;
    ShowCompleted(Found, static_cast<int32_t>(FLookupEntry.size()));
    return Index;
}

// ---- Completion while typing ----

void TExtMultiColumnDropDown::Change()
{
    TExtCustomDropDown::Change();
    if (ComponentState().Contains(csDesigning) || !FWorkMode || FCompleting || FLookupColumn < 0) return;
    const QString Value = Text();
    const int32_t Caret =
        std::clamp(SelStart() - static_cast<int32_t>(Prefix().size()), 0, static_cast<int32_t>(Value.size()));
    const QString Typed = Value.left(Caret);
    const int32_t Found = FindCompletion(Typed);
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

void TExtMultiColumnDropDown::KeyUp(uint16_t& Key, TShiftState Shift)
{
    TExtCustomDropDown::KeyUp(Key, Shift);
    if (!FItemChange) return;
    SetItemIndex(FItemIdx);
    const auto Length = static_cast<int32_t>(Text().size());
    SetSelStart(static_cast<int32_t>(Prefix().size()) + std::min(FItemSel, Length));
    SetSelLength(std::max(0, Length - FItemSel));
    FItemChange = false;
}

// ---- Keys of the edit ----

void TExtMultiColumnDropDown::KeyDown(uint16_t& Key, TShiftState Shift)
{
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
    TExtCustomDropDown::KeyDown(Key, Shift);
    if (Pressed == VK_ESCAPE) SetItemIndex(FindLookupEntry(Text()));
}

void TExtMultiColumnDropDown::Dispatch(TMessage& Message)
{
    TExtCustomDropDown::Dispatch(Message);
    if (Message.Msg != WM_KEYDOWN || !Enabled() || GetKeyState(VK_MENU) < 0) return;
    switch (Message.WParam) {
    case VK_PRIOR: SelectPreviousPage(); break;
    case VK_NEXT: SelectNextPage(); break;
    case VK_UP: SelectPrevious(); break;
    case VK_DOWN: SelectNext(); break;
    case VK_END:
        if (!EditorEnabled()) SelectLast();
        break;
    case VK_HOME:
        if (!EditorEnabled()) SelectFirst();
        break;
    default: break;
    }
}
