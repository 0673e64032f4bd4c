// The integer, sort-key and control lists and the line file of the string grid.
#include "grid/base/GridSupport.h"

#include "rtl/NumConv.h"
#include "windows/Controls.h"

namespace {

void* ToSlot(int32_t Value)
{
    return reinterpret_cast<void*>(static_cast<intptr_t>(Value));
}

int32_t FromSlot(void* Slot)
{
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(Slot));
}

constexpr uint32_t DescendingBit = 0x80000000u;

// Blanks, an optional sign, then the digits before the first bad character (0 when none); the
// digits stop before the value leaves 32 bits.
int64_t LenientNumber(const QString& Text)
{
    int32_t I = 0;
    while (I < Text.size() && Text[I] == QLatin1Char(' ')) ++I;
    bool Negative = false;
    if (I < Text.size() && (Text[I] == QLatin1Char('-') || Text[I] == QLatin1Char('+'))) {
        Negative = Text[I] == QLatin1Char('-');
        ++I;
    }
    int64_t Value = 0;
    for (; I < Text.size(); ++I) {
        const char16_t Ch = Text[I].unicode();
        if (Ch < u'0' || Ch > u'9') break;
        const int64_t Next = Value * 10 + (Ch - u'0');
        if (Next > INT32_MAX) break;
        Value = Next;
    }
    return Negative ? -Value : Value;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TIntList
// ---------------------------------------------------------------------------------------------

void TIntList::Changed()
{
    if (OnChange) OnChange(this, FCol, FRow);
}

int32_t TIntList::Add(int32_t Value)
{
    const int32_t Index = TList::Add(ToSlot(Value));
    Changed();
    return Index;
}

void TIntList::Insert(int32_t Index, int32_t Value)
{
    TList::Insert(Index, ToSlot(Value));
}

void TIntList::Delete(int32_t Index)
{
    TList::Delete(Index);
    Changed();
}

void TIntList::DeleteValue(int32_t Value)
{
    const int32_t Index = IndexOf(ToSlot(Value));
    if (Index >= 0) Delete(Index);
}

bool TIntList::HasValue(int32_t Value) const
{
    return IndexOf(ToSlot(Value)) >= 0;
}

int32_t TIntList::GetInteger(int32_t Index) const
{
    return FromSlot(Items(Index));
}

void TIntList::SetInteger(int32_t Index, int32_t Value)
{
    SetItems(Index, ToSlot(Value));
    Changed();
}

QString TIntList::StrValue() const
{
    QString Result;
    for (int32_t I = 0; I < Count(); ++I) {
        if (I > 0) Result += QLatin1Char(',');
        Result += IntToStr(GetInteger(I));
    }
    return Result;
}

void TIntList::SetStrValue(const QString& Value)
{
    TStringList Parts;
    Parts.SetCommaText(Value);
    Clear();
    for (int32_t I = 0; I < Parts.Count(); ++I) Add(StrToInt(Parts.Strings(I)));
}

// ---------------------------------------------------------------------------------------------
// TSortIndexList
// ---------------------------------------------------------------------------------------------

void TSortIndexList::AddIndex(int32_t ColumnIndex, bool Ascending)
{
    uint32_t Key = static_cast<uint32_t>(ColumnIndex);
    if (!Ascending) Key |= DescendingBit;
    Add(static_cast<int32_t>(Key));
}

int32_t TSortIndexList::FindIndex(int32_t ColumnIndex) const
{
    for (int32_t I = 0; I < Count(); ++I)
        if (SortColumns(I) == ColumnIndex) return I;
    return -1;
}

void TSortIndexList::ToggleIndex(int32_t ColumnIndex)
{
    const int32_t Index = FindIndex(ColumnIndex);
    if (Index >= 0) SetSortDirections(Index, !SortDirections(Index));
}

int32_t TSortIndexList::SortColumns(int32_t Index) const
{
    return static_cast<int32_t>(static_cast<uint32_t>(GetInteger(Index)) & ~DescendingBit);
}

void TSortIndexList::SetSortColumns(int32_t Index, int32_t Value)
{
    const uint32_t Key = static_cast<uint32_t>(GetInteger(Index));
    SetInteger(Index, static_cast<int32_t>((Key & DescendingBit) | (static_cast<uint32_t>(Value) & ~DescendingBit)));
}

bool TSortIndexList::SortDirections(int32_t Index) const
{
    return (static_cast<uint32_t>(GetInteger(Index)) & DescendingBit) == 0;
}

void TSortIndexList::SetSortDirections(int32_t Index, bool Value)
{
    uint32_t Key = static_cast<uint32_t>(GetInteger(Index));
    Key = Value ? Key & ~DescendingBit : Key | DescendingBit;
    SetInteger(Index, static_cast<int32_t>(Key));
}

QString TSortIndexList::SaveToString() const
{
    QString Result;
    for (int32_t I = 0; I < Count(); ++I) {
        if (I > 0) Result += QLatin1Char(';');
        Result += SortDirections(I) ? QLatin1Char('u') : QLatin1Char('d');
        Result += IntToStr(static_cast<int32_t>(static_cast<uint32_t>(GetInteger(I)) & 0xFFFFu));
    }
    return Result;
}

void TSortIndexList::LoadFromString(const QString& S)
{
    Clear();
    qsizetype From = 0;
    while (From <= S.size()) {
        qsizetype To = S.indexOf(QLatin1Char(';'), From);
        if (To < 0) To = S.size();
        const QString Piece = S.mid(From, To - From);
        From = To + 1;
        if (Piece.size() < 2) continue;
        const int64_t Column = LenientNumber(Piece.mid(1));
        if (Column < 0) continue;
        AddIndex(static_cast<int32_t>(Column), Piece[0] == QLatin1Char('u'));
    }
}

// ---------------------------------------------------------------------------------------------
// TControlList
// ---------------------------------------------------------------------------------------------

TControlList::~TControlList()
{
    while (Count() > 0) RemoveControl(0);
}

void TControlList::AddControl(int32_t X, int32_t Y, TControl* AObject)
{
    Add(new TControlItem(X, Y, AObject));
}

int32_t TControlList::ControlIndex(int32_t X, int32_t Y) const
{
    for (int32_t I = 0; I < Count(); ++I) {
        const TControlItem* Item = GetControl(I);
        if (Item->X() == X && Item->Y() == Y) return I;
    }
    return -1;
}

void TControlList::RemoveControl(int32_t Index)
{
    TControlItem* Item = GetControl(Index);
    Delete(Index);
    delete Item;
}

bool TControlList::HasHandle(HWND Handle) const
{
    for (int32_t I = 0; I < Count(); ++I) {
        auto* Win = dynamic_cast<TWinControl*>(GetControl(I)->Control());
        if (Win && Win->Handle() == Handle) return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// TFileStringList
// ---------------------------------------------------------------------------------------------

void TFileStringList::Reset()
{
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(QString& S)
{
    S = Strings(fp);
    ++fp;
}

void TFileStringList::WriteLn(const QString& S)
{
    Add(cache + S);
    cache.clear();
}
