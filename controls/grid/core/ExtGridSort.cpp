// TExtStringGrid: sorting rows on one column, on sort keys and within groups, the cell comparison
// of the sort styles, the row swap and putting rows back into their order before sorting.
#include "grid/core/ExtGrid.h"

#include "grid/core/FlagList.h"

#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SortSettings.h"

#include "rtl/DateTime.h"
#include "rtl/Exceptions.h"
#include "rtl/List.h"
#include "rtl/StrFuncs.h"
#include "rtl/Strings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <deque>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

int32_t Sign(int32_t Value)
{
    return Value > 0 ? 1 : (Value < 0 ? -1 : 0);
}

template <typename T>
int32_t CompareValues(T A, T B)
{
    return A > B ? 1 : (A == B ? 0 : -1);
}

QChar UpperAZ(QChar Ch)
{
    const char16_t U = Ch.unicode();
    return (U >= u'a' && U <= u'z') ? QChar(static_cast<char16_t>(U - 32)) : Ch;
}

// UTF-16 code units in order, the shorter text first on a common prefix; with UpperCase the letters
// a-z count as A-Z.
int32_t CompareOrdinal(const QString& A, const QString& B, bool UpperCase)
{
    const qsizetype N = std::min(A.size(), B.size());
    for (qsizetype I = 0; I < N; ++I) {
        const char16_t X = UpperCase ? UpperAZ(A[I]).unicode() : A[I].unicode();
        const char16_t Y = UpperCase ? UpperAZ(B[I]).unicode() : B[I].unicode();
        if (X != Y) return X < Y ? -1 : 1;
    }
    return CompareValues(A.size(), B.size());
}

// The first four code units packed so that unequal prefixes order as CompareOrdinal does; equal
// prefixes leave the order to the whole texts.
uint64_t PrefixOf(const QString& Text, bool UpperCase)
{
    uint64_t P = 0;
    for (qsizetype i = 0; i < 4; ++i) {
        const char16_t U = i < Text.size() ? (UpperCase ? UpperAZ(Text[i]) : Text[i]).unicode() : 0;
        P = (P << 16) | U;
    }
    return P;
}

bool IsAsciiDigit(QChar Ch)
{
    return Ch.unicode() >= u'0' && Ch.unicode() <= u'9';
}

// The platform's decimal conversion: leading blanks, an optional sign, digits with "." as decimal
// point, an optional exponent; the whole text must convert.
bool ConvertDecimal(const QString& Text, double& Value)
{
    qsizetype I = 0;
    const qsizetype N = Text.size();
    while (I < N && Text[I] == QLatin1Char(' ')) ++I;
    const qsizetype Start = I;
    if (I < N && (Text[I] == QLatin1Char('+') || Text[I] == QLatin1Char('-'))) ++I;
    bool Digits = false;
    while (I < N && IsAsciiDigit(Text[I])) {
        ++I;
        Digits = true;
    }
    if (I < N && Text[I] == QLatin1Char('.')) {
        ++I;
        while (I < N && IsAsciiDigit(Text[I])) {
            ++I;
            Digits = true;
        }
    }
    if (!Digits) return false;
    if (I < N && (Text[I] == QLatin1Char('e') || Text[I] == QLatin1Char('E'))) {
        ++I;
        if (I < N && (Text[I] == QLatin1Char('+') || Text[I] == QLatin1Char('-'))) ++I;
        bool ExpDigits = false;
        while (I < N && IsAsciiDigit(Text[I])) {
            ++I;
            ExpDigits = true;
        }
        if (!ExpDigits) return false;
    }
    if (I != N) return false;
    // Plain digits in a local buffer; other texts (long ones, out of range) through QString.
    char Buffer[64];
    qsizetype From = Start < N && Text[Start] == QLatin1Char('+') ? Start + 1 : Start;
    if (N - From < static_cast<qsizetype>(sizeof Buffer)) {
        char* Out = Buffer;
        for (qsizetype k = From; k < N; ++k) *Out++ = static_cast<char>(Text[k].unicode());
        const std::from_chars_result Read = std::from_chars(Buffer, Out, Value);
        if (Read.ec == std::errc() && Read.ptr == Out && std::isfinite(Value)) return true;
    }
    bool Ok = false;
    Value = Text.mid(Start).toDouble(&Ok);
    return Ok && std::isfinite(Value);
}

bool IsNumberKind(int32_t Kind)
{
    return Kind == ntkInteger || Kind == ntkDecimal || Kind == ntkScientific;
}

}  // namespace

// Keys of the cells a comparison reads, each taken from the grid once per cell: for a sort run, the
// rows First ... First + Count - 1 where they stand before the run moves them; for a single
// comparison, the two rows compared. Every style compares through Compare, so a run and a single
// comparison give the same results.
struct TExtStringGrid::TSortKeys {
    enum : uint16_t {
        kEmpty = 1,
        kAuto = 2,       // Auto holds the style the cell resolves ssAutomatic to
        kKind = 4,       // kNumberKind is known
        kNumberKind = 8,
        kSeps = 16,      // kDateSep and kTimeSep are known
        kDateSep = 32,
        kTimeSep = 64,
        kNumber = 128,   // Number and kFailed are known
        kFailed = 256,
        kValue = 512,    // Value is known (date, date and time, short date)
        kTime = 1024,    // Time is known
        kCheck = 2048,   // kChecked is known
        kChecked = 4096,
        kImage = 8192,   // Image is known
        kStripped = 16384,
    };
    // How ssAutomatic resolves with the cell first; the date and time marks depend on the other cell.
    enum TAuto : uint8_t { aAlpha, aNumeric, aCheckBox, aDate, aDateTime, aTime };
    struct TCell {
        // The first four code units, a-z upper-cased when the column compares without case.
        uint64_t Prefix = 0;
        double Number = 0;
        uint16_t Flags = 0;
        uint8_t Auto = aAlpha;
    };
    // Keys of the styles that few columns use.
    struct TExtra {
        double Value = 0;
        double Time = 0;
        intptr_t Image = 0;
    };
    // A column whose cells compare as numbers or as texts gets a compact key per row: its number,
    // its text with the first four code units, or both where ssAutomatic mixes the two.
    enum THotKind { hkNone, hkNumber, hkText, hkTextNoCase, hkMixed, hkMixedNoCase };
    struct THot {
        uint64_t Prefix;
        double Number;
        const QString* Text;
        int32_t Slot;
        uint8_t Flags;  // 1 empty, 2 not a number
        uint8_t Auto;
    };
    struct TColumn {
        int32_t Col = 0;
        bool Ignored = false;
        bool Fold = false;
        TSortStyle Style = ssAlphabetic;
        QString Prefix;
        QString Suffix;
        // Slot -> 1 + index into Texts and Cells, 0 while the cell is unread; cells are kept in
        // the order they are read and never move.
        std::vector<int32_t> At;
        std::deque<QString> Texts;
        std::deque<TCell> Cells;
        std::vector<TExtra> Extras;
        std::vector<QString> Stripped;
        // A column compared more often than it has rows gets compact keys by slot, when it can.
        int32_t Uses = 0;
        bool HotTried = false;
        THotKind HotKind = hkNone;
        std::vector<THot> SlotKeys;
    };

    TExtStringGrid* Grid;
    int32_t First = 0;
    int32_t Pair[2] = {0, 0};
    bool IsPair = false;
    int32_t Count = 0;
    TSortStyle Alpha = ssAlphabetic;
    bool IgnoreBlanks = false;
    bool BlankLast = true;
    bool Full = false;
    // Texts are read through GetCellEx.
    bool Virtual = false;
    int32_t Dir = 0;
    QChar DateSep;
    QChar TimeSep;
    QChar Decimal;
    QChar Thousand;
    std::vector<std::unique_ptr<TColumn>> Columns;

    TSortKeys(TExtStringGrid* AGrid, int32_t AFirst, int32_t ACount) : Grid(AGrid), First(AFirst), Count(ACount)
    {
        const TSortSettings* S = Grid->FSortSettings.get();
        Alpha = S->IgnoreCase() ? ssAlphaNoCase : ssAlphabetic;
        IgnoreBlanks = S->IgnoreBlanks();
        BlankLast = S->BlankPos() == blLast;
        Full = S->Full();
        Virtual = S->SortOnVirtualCells();
        Dir = S->Direction() == sdDescending ? 1 : 0;
        DateSep = GetDateSeparator();
        TimeSep = GetTimeSeparator();
        Decimal = GetDecimalSeparator();
        Thousand = GetThousandSeparator();
    }
    // The two rows of one comparison, slots 0 and 1.
    void ForPair(int32_t Row1, int32_t Row2)
    {
        Pair[0] = Row1;
        Pair[1] = Row2;
        IsPair = true;
        Count = 2;
    }

    int32_t RowOf(int32_t Slot) const { return IsPair ? Pair[Slot] : First + Slot; }

    // The column's style asked once; its cells are read when first compared.
    TColumn& Column(int32_t ACol)
    {
        const auto Index = static_cast<size_t>(ACol);
        if (Index >= Columns.size()) Columns.resize(Index + 1);
        std::unique_ptr<TColumn>& C = Columns[Index];
        if (!C) {
            C = std::make_unique<TColumn>();
            C->Ignored = Grid->IsIgnoredColumn(ACol);
            if (!C->Ignored) Format(*C, ACol);
            C->Col = ACol;
        }
        return *C;
    }
    // The style, prefix and suffix the grid gives the column.
    void Format(TColumn& C, int32_t ACol)
    {
        C.Col = ACol;
        C.Style = Grid->FSortSettings->AutoFormat() ? ssAutomatic : Alpha;
        Grid->GetFormat(ACol, C.Style, C.Prefix, C.Suffix);
        C.Fold = C.Style == ssAlphaNoCase || C.Style == ssAlphaNumericNoCase ||
                 (C.Style == ssAutomatic && Alpha == ssAlphaNoCase);
    }

    // The cell's text, read once; its key from then on.
    TCell& Load(TColumn& C, int32_t Slot)
    {
        if (C.At.empty()) C.At.resize(static_cast<size_t>(Count));
        int32_t& At = C.At[static_cast<size_t>(Slot)];
        if (At == 0) {
            const QString& t = C.Texts.emplace_back(Grid->SortCellText(C.Col, RowOf(Slot)));
            TCell& K = C.Cells.emplace_back();
            K.Flags = t.isEmpty() ? kEmpty : 0;
            K.Prefix = PrefixOf(t, C.Fold);
            At = static_cast<int32_t>(C.Cells.size());
            return K;
        }
        return C.Cells[static_cast<size_t>(At - 1)];
    }
    const QString& Text(TColumn& C, int32_t Slot)
    {
        Load(C, Slot);
        return C.Texts[static_cast<size_t>(C.At[static_cast<size_t>(Slot)] - 1)];
    }
    TExtra& Extra(TColumn& C, int32_t Slot)
    {
        if (C.Extras.empty()) C.Extras.resize(static_cast<size_t>(Count));
        return C.Extras[static_cast<size_t>(Slot)];
    }

    // Digits after an optional minus are an integer and a text led by another letter than e or E is
    // no number, whatever the separators; other texts are asked of the locale.
    bool IsNumberText(TColumn& C, int32_t Slot)
    {
        TCell& K = Load(C, Slot);
        if (!(K.Flags & kKind)) {
            const QString& t = Text(C, Slot);
            bool Number = false;
            const char16_t Lead = t.isEmpty() ? 0 : t[0].unicode();
            bool Digits = !t.isEmpty();
            for (qsizetype i = 0; i < t.size() && Digits; ++i)
                Digits = IsAsciiDigit(t[i]) || (i == 0 && Lead == u'-');
            const bool Letter = ((Lead >= u'a' && Lead <= u'z') || (Lead >= u'A' && Lead <= u'Z')) && Lead != u'e' &&
                                Lead != u'E' && Lead != Decimal.unicode() && Lead != Thousand.unicode();
            if (Digits)
                Number = true;
            else if (!Letter)
                Number = IsNumberKind(GetNumberTextKind(t));
            K.Flags |= kKind | (Number ? kNumberKind : 0);
        }
        return K.Flags & kNumberKind;
    }

    bool Holds(TColumn& C, int32_t Slot, uint16_t Sep)
    {
        TCell& K = Load(C, Slot);
        if (!(K.Flags & kSeps)) {
            const QString& t = Text(C, Slot);
            K.Flags |= kSeps | (t.contains(DateSep) ? kDateSep : 0) | (t.contains(TimeSep) ? kTimeSep : 0);
        }
        return K.Flags & Sep;
    }

    // ssAutomatic from the first cell: a check box cell, a number, else alphabetic unless a
    // separator at the second or third character between two digits marks a date or time.
    TAuto AutoOf(TColumn& C, int32_t Slot)
    {
        TCell& K = Load(C, Slot);
        if (K.Flags & kAuto) return static_cast<TAuto>(K.Auto);
        static const TCellTypes CheckKinds{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox};
        TAuto A = aAlpha;
        if (Grid->IsCellTypeIn(C.Col, RowOf(Slot), CheckKinds)) {
            A = aCheckBox;
        } else if (IsNumberText(C, Slot)) {
            A = aNumeric;
        } else {
            const QString& t1 = Text(C, Slot);
            const auto Marks = [&](QChar Sep) {
                const qsizetype p = t1.indexOf(Sep) + 1;
                if (!(p >= 2 && p < t1.size() && p < 4)) return std::optional<bool>();
                return std::optional<bool>(IsAsciiDigit(t1[p - 2]) && IsAsciiDigit(t1[p]));
            };
            if (const std::optional<bool> Date = Marks(DateSep)) {
                if (*Date) A = Holds(C, Slot, kTimeSep) ? aDateTime : aDate;
            } else if (const std::optional<bool> Time = Marks(TimeSep)) {
                if (*Time) A = aTime;
            }
        }
        K.Auto = A;
        K.Flags |= kAuto;
        return A;
    }

    double NumberOf(TColumn& C, int32_t Slot, bool& Failed)
    {
        TCell& K = Load(C, Slot);
        if (!(K.Flags & kNumber)) {
            QString t = Text(C, Slot);
            if (!C.Suffix.isEmpty()) {
                const qsizetype At = t.indexOf(C.Suffix);
                if (At >= 0) t.remove(At, C.Suffix.size());
            }
            if (!C.Prefix.isEmpty()) {
                const qsizetype At = t.indexOf(C.Prefix);
                if (At >= 0) t.remove(At, C.Prefix.size());
            }
            if (C.Style == ssFinancial) t.remove(Thousand);
            if (Decimal != QLatin1Char('.')) {
                const qsizetype At = t.indexOf(Decimal);
                if (At >= 0) t[At] = QLatin1Char('.');
            }
            double Value = 0;
            // A text that converts only in part counts as 0; an empty cell as 0 and converted.
            if (!ConvertDecimal(t, Value)) {
                Value = 0;
                const bool Empty = Virtual ? Text(C, Slot).isEmpty() : Grid->GetCellEx(C.Col, RowOf(Slot)).isEmpty();
                if (!Empty) K.Flags |= kFailed;
            }
            K.Number = Value;
            K.Flags |= kNumber;
        }
        Failed = K.Flags & kFailed;
        return K.Number;
    }

    double DateOf(TColumn& C, int32_t Slot, TSortStyle Style)
    {
        TCell& K = Load(C, Slot);
        const bool IsTime = Style == ssTime;
        TExtra& X = Extra(C, Slot);
        if (K.Flags & (IsTime ? kTime : kValue)) return IsTime ? X.Time : X.Value;
        const QString& t = Text(C, Slot);
        TDateTime Result = 0;
        switch (Style) {
        case ssShortDateEU:
        case ssShortDateUS:
            try {
                Result = Style == ssShortDateEU ? ParseDateDMY(t) : ParseDateMDY(t);
            } catch (const Exception&) {
                Result = 0;
            }
            break;
        default:
            if (!t.isEmpty() && !(IsTime ? TryStrToTime(t, Result) : TryStrToDateTime(t, Result))) Result = 0;
            break;
        }
        if (IsTime) {
            X.Time = Result;
            K.Flags |= kTime;
        } else {
            X.Value = Result;
            K.Flags |= kValue;
        }
        return Result;
    }

    bool CheckedOf(TColumn& C, int32_t Slot)
    {
        TCell& K = Load(C, Slot);
        if (!(K.Flags & kCheck)) {
            bool Checked = false;
            const bool Known = Grid->GetCheckBoxState(C.Col, Grid->RealRowIndex(RowOf(Slot)), Checked);
            K.Flags |= kCheck | (Known && Checked ? kChecked : 0);
        }
        return K.Flags & kChecked;
    }

    intptr_t ImageOf(TColumn& C, int32_t Slot)
    {
        TCell& K = Load(C, Slot);
        TExtra& X = Extra(C, Slot);
        if (!(K.Flags & kImage)) {
            X.Image = Grid->GetCellImageKey(C.Col, RowOf(Slot));
            K.Flags |= kImage;
        }
        return X.Image;
    }

    const QString& StrippedOf(TColumn& C, int32_t Slot)
    {
        TCell& K = Load(C, Slot);
        if (C.Stripped.empty()) C.Stripped.resize(static_cast<size_t>(Count));
        if (!(K.Flags & kStripped)) {
            C.Stripped[static_cast<size_t>(Slot)] = Grid->StrippedCells(C.Col, RowOf(Slot));
            K.Flags |= kStripped;
        }
        return C.Stripped[static_cast<size_t>(Slot)];
    }

    // The cell comparison of the sort styles; Dir places blanks (0 ascending, 1 descending).
    int32_t Compare(TColumn& C, int32_t s1, int32_t s2, int32_t ADir)
    {
        ++Grid->Compares;
        // A row against itself is equal in every style but the application's own.
        if (s1 == s2 && (C.Style != ssCustom || !Grid->OnCustomCompare)) return 0;
        const QString& t1 = Text(C, s1);
        const QString& t2 = Text(C, s2);
        TSortStyle Style = C.Style;
        if (Style == ssAutomatic) {
            switch (AutoOf(C, s1)) {
            case aAlpha: Style = Alpha; break;
            case aNumeric: Style = ssNumeric; break;
            case aCheckBox: Style = ssCheckBox; break;
            case aDate: Style = Holds(C, s2, kDateSep) ? ssDate : Alpha; break;
            case aDateTime: Style = Holds(C, s2, kDateSep) ? ssDateTime : Alpha; break;
            case aTime: Style = Holds(C, s2, kTimeSep) ? ssTime : Alpha; break;
            }
        }
        if (Style == ssAlphaNumeric || Style == ssAlphaNumericNoCase) {
            if (IsNumberText(C, s1) && IsNumberText(C, s2))
                Style = ssNumeric;
            else
                Style = Style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
        }

        int32_t r = 0;
        switch (Style) {
        case ssAlphabetic:
        case ssAlphaCase:
        case ssAlphaNoCase: {
            const bool Fold = Style == ssAlphaNoCase;
            const uint64_t P1 = Load(C, s1).Prefix;
            const uint64_t P2 = Load(C, s2).Prefix;
            if (Fold == C.Fold && P1 != P2)
                r = P1 < P2 ? -1 : 1;
            else
                r = CompareOrdinal(t1, t2, Fold);
            break;
        }
        case ssAnsiAlphaCase: r = Sign(AnsiCompareStr(t1, t2)); break;
        case ssAnsiAlphaNoCase: r = Sign(AnsiCompareText(t1, t2)); break;
        case ssHTML: r = CompareOrdinal(StrippedOf(C, s1), StrippedOf(C, s2), false); break;
        case ssNumeric:
        case ssFinancial: {
            bool Failed1 = false;
            bool Failed2 = false;
            const double V1 = NumberOf(C, s1, Failed1);
            const double V2 = NumberOf(C, s2, Failed2);
            r = Failed1 && Failed2 ? 0 : CompareValues(V1, V2);
            break;
        }
        case ssDate:
        case ssDateTime:
        case ssTime:
        case ssShortDateEU:
        case ssShortDateUS: r = CompareValues(DateOf(C, s1, Style), DateOf(C, s2, Style)); break;
        case ssImages: r = CompareValues(ImageOf(C, s1), ImageOf(C, s2)); break;
        case ssCheckBox: r = CompareValues(CheckedOf(C, s1) ? 1 : 0, CheckedOf(C, s2) ? 1 : 0); break;
        case ssCustom:
            if (Grid->OnCustomCompare) Grid->OnCustomCompare(Grid, t1, t2, r);
            break;
        case ssRaw:
            if (Grid->OnRawCompare) Grid->OnRawCompare(Grid, C.Col, RowOf(s1), RowOf(s2), r);
            break;
        default: break;
        }

        if (IgnoreBlanks && (ADir == 0 || ADir == 1)) {
            const bool Empty1 = t1.isEmpty();
            const bool Empty2 = t2.isEmpty();
            if (Empty1 && !Empty2)
                r = BlankLast == (ADir == 0) ? 1 : -1;
            else if (Empty2 && !Empty1)
                r = BlankLast == (ADir == 0) ? -1 : 1;
        }
        return r;
    }

    // The compact keys of a column in slot order, when all its cells compare the same way.
    THotKind PrepareHot(int32_t ACol, std::vector<THot>& Hot)
    {
        TColumn& C = Column(ACol);
        if (C.Ignored) return hkNone;
        THotKind Kind = hkNone;
        switch (C.Style) {
        case ssNumeric:
        case ssFinancial: Kind = hkNumber; break;
        case ssAlphabetic:
        case ssAlphaCase: Kind = hkText; break;
        case ssAlphaNoCase: Kind = hkTextNoCase; break;
        case ssAutomatic: {
            bool Numbers = false;
            bool Texts = false;
            for (int32_t k = 0; k < Count; ++k) {
                const TAuto A = AutoOf(C, k);
                if (A != aAlpha && A != aNumeric) return hkNone;
                (A == aNumeric ? Numbers : Texts) = true;
            }
            const bool Fold = Alpha == ssAlphaNoCase;
            if (!Texts) Kind = hkNumber;
            else if (!Numbers) Kind = Fold ? hkTextNoCase : hkText;
            else Kind = Fold ? hkMixedNoCase : hkMixed;
            break;
        }
        default: return hkNone;
        }
        Hot.resize(static_cast<size_t>(Count));
        for (int32_t k = 0; k < Count; ++k) {
            THot& H = Hot[static_cast<size_t>(k)];
            const QString& t = Text(C, k);
            H.Slot = k;
            H.Text = &t;
            H.Flags = t.isEmpty() ? 1 : 0;
            H.Auto = Kind == hkMixed || Kind == hkMixedNoCase ? AutoOf(C, k) : aAlpha;
            H.Number = 0;
            H.Prefix = 0;
            if (Kind == hkNumber || Kind == hkMixed || Kind == hkMixedNoCase) {
                bool Failed = false;
                H.Number = NumberOf(C, k, Failed);
                if (Failed) H.Flags |= 2;
            }
            if (Kind != hkNumber) H.Prefix = PrefixOf(t, Kind == hkTextNoCase || Kind == hkMixedNoCase);
        }
        return Kind;
    }

    // The same result as Compare for the column PrepareHot answered Kind for.
    int32_t CompareHot(THotKind Kind, const THot& A, const THot& B, int32_t ADir)
    {
        ++Grid->Compares;
        int32_t r;
        // Mixed: the first cell decides, a number compares as numbers, a text as texts.
        if (Kind == hkNumber || ((Kind == hkMixed || Kind == hkMixedNoCase) && A.Auto == aNumeric))
            r = (A.Flags & B.Flags & 2) ? 0 : CompareValues(A.Number, B.Number);
        else if (A.Prefix != B.Prefix)
            r = A.Prefix < B.Prefix ? -1 : 1;
        else
            r = CompareOrdinal(*A.Text, *B.Text, Kind == hkTextNoCase || Kind == hkMixedNoCase);
        if (IgnoreBlanks && (ADir == 0 || ADir == 1)) {
            const bool Empty1 = A.Flags & 1;
            const bool Empty2 = B.Flags & 1;
            if (Empty1 && !Empty2)
                r = BlankLast == (ADir == 0) ? 1 : -1;
            else if (Empty2 && !Empty1)
                r = BlankLast == (ADir == 0) ? -1 : 1;
        }
        return r;
    }

    // Compare, through the column's compact keys once it is compared often.
    int32_t CompareCell(TColumn& C, int32_t s1, int32_t s2, int32_t ADir)
    {
        // A row against itself reads nothing and does not count.
        if (s1 == s2) return Compare(C, s1, s2, ADir);
        if (!C.HotTried && !IsPair && ++C.Uses > Count) {
            C.HotTried = true;
            C.HotKind = PrepareHot(C.Col, C.SlotKeys);
        }
        if (C.HotKind != hkNone)
            return CompareHot(C.HotKind, C.SlotKeys[static_cast<size_t>(s1)], C.SlotKeys[static_cast<size_t>(s2)], ADir);
        return Compare(C, s1, s2, ADir);
    }

    // Ties broken by the following columns with Full.
    int32_t Rows(int32_t ACol, int32_t s1, int32_t s2)
    {
        const int32_t Last = Grid->ColCount() - 2;
        for (;; ++ACol) {
            TColumn& C = Column(ACol);
            const int32_t r = C.Ignored ? 0 : CompareCell(C, s1, s2, Dir);
            if (r != 0 || !Full || ACol > Last) return r;
        }
    }

    // The sort keys from position k on, each with its own direction.
    int32_t Indexed(int32_t k, int32_t s1, int32_t s2)
    {
        const TSortIndexList* List = Grid->FSortIndexes.get();
        for (;; ++k) {
            const uint32_t Key = static_cast<uint32_t>(List->GetInteger(k));
            const bool Descending = (Key & 0x80000000u) != 0;
            TColumn& C = Column(static_cast<int32_t>(Key & 0x7FFFFFFFu));
            const int32_t r = C.Ignored ? 0 : CompareCell(C, s1, s2, Descending ? 1 : 0);
            if (r != 0 || !Full) return Descending ? -r : r;
            if (k >= List->Count() - 1) return 0;
        }
    }
};

// ---------------------------------------------------------------------------------------------
// Comparison
// ---------------------------------------------------------------------------------------------

QString TExtStringGrid::SortCellText(int32_t ACol, int32_t ARow)
{
    return FSortSettings->SortOnVirtualCells() ? GetCellEx(ACol, ARow) : GetGridCell(ACol, ARow);
}

int32_t TExtStringGrid::CompareCellsForSort(int32_t ACol, int32_t Row1, int32_t Row2, int32_t Dir)
{
    TSortKeys Keys(this, 0, 2);
    Keys.ForPair(Row1, Row2);
    TSortKeys::TColumn C;
    Keys.Format(C, ACol);
    return Keys.Compare(C, 0, 1, Dir);
}

int32_t TExtStringGrid::CompareRowsForSort(int32_t ACol, int32_t Row1, int32_t Row2)
{
    for (;; ++ACol) {
        const int32_t r = IsIgnoredColumn(ACol)
                              ? 0
                              : CompareCellsForSort(ACol, Row1, Row2, FSortSettings->Direction() == sdDescending ? 1 : 0);
        if (r != 0 || !FSortSettings->Full() || ACol > ColCount() - 2) return r;
    }
}

int32_t TExtStringGrid::CompareRowsIndexed(int32_t k, int32_t Row1, int32_t Row2)
{
    for (;; ++k) {
        const uint32_t Key = static_cast<uint32_t>(FSortIndexes->GetInteger(k));
        const auto Column = static_cast<int32_t>(Key & 0x7FFFFFFFu);
        const bool Descending = (Key & 0x80000000u) != 0;
        const int32_t r = IsIgnoredColumn(Column) ? 0 : CompareCellsForSort(Column, Row1, Row2, Descending ? 1 : 0);
        if (r != 0 || !FSortSettings->Full()) return Descending ? -r : r;
        if (k >= FSortIndexes->Count() - 1) return 0;
    }
}

bool TExtStringGrid::SortLine(int32_t Col, int32_t ARow1, int32_t ARow2)
{
    for (;; ++Col) {
        const int32_t r =
            CompareCellsForSort(Col, ARow1, ARow2, FSortSettings->Direction() == sdDescending ? 1 : 0);
        if (r == SortDir) {
            SortSwapRows(ARow1, ARow2);
            return true;
        }
        if (r != 0 || Col >= ColCount() + FNumHidden - 1) return false;
    }
}

// ---------------------------------------------------------------------------------------------
// The partition
// ---------------------------------------------------------------------------------------------

// Rows whose position a handler may see are sorted in place as they are compared; all others are
// compared where they stood before the run and moved once at its end, with the same result.
bool TExtStringGrid::SortInPlace() const
{
    return OnRawCompare || OnGetDisplText || OnGetDisplWideText || FVirtualCells || FSortSettings->SingleColumn();
}

// Hoare's partition around the middle row. Compare(a, b) gets positions, the pivot as -1.
template <typename TCompare, typename TSwap, typename TPivot>
static void PartitionSort(int32_t Left, int32_t Right, int32_t Want, bool TestEqual, bool SmallerFirst,
                          const TCompare& Compare, const TSwap& Swap, const TPivot& TakePivot)
{
    while (true) {
        TakePivot((Left + Right) / 2);
        int32_t i = Left;
        int32_t j = Right;
        do {
            while (Compare(-1, i) == Want && i < Right) ++i;
            while (Compare(j, -1) == Want && Left < j) --j;
            if (i <= j) {
                if (i != j && (!TestEqual || Compare(i, j) != 0)) Swap(i, j);
                ++i;
                --j;
            }
        } while (i <= j);
        const bool DoLeft = Left < j;
        const bool DoRight = i < Right;
        // Disjoint ranges: the order they are sorted in does not change the result.
        if (SmallerFirst && DoLeft && DoRight && j - Left > Right - i) {
            PartitionSort(i, Right, Want, TestEqual, SmallerFirst, Compare, Swap, TakePivot);
            Right = j;
            continue;
        }
        if (DoLeft) PartitionSort(Left, j, Want, TestEqual, SmallerFirst, Compare, Swap, TakePivot);
        if (!DoRight) return;
        Left = i;
    }
}

void TExtStringGrid::SortRowRange(int32_t ACol, int32_t Left, int32_t Right, bool Indexed)
{
    if (Left >= Right) return;
    const int32_t Want = Indexed ? 1 : SortDir;
    const auto Rows = [&](int32_t a, int32_t b) {
        return Indexed ? CompareRowsIndexed(0, a, b) : CompareRowsForSort(ACol, a, b);
    };
    if (SortInPlace()) {
        const int32_t Scratch = RowCount() - 2;
        const bool Virtual = OnGetDisplText || FVirtualCells;
        const auto TakePivot = [&](int32_t m) {
            // The pivot is read in the same text form as the rows it is compared with.
            for (int32_t c = 0; c < ColCount(); ++c) {
                SetGridCell(c, Scratch, Virtual || FSortSettings->SortOnVirtualCells() ? SortCellText(c, m)
                                                                                     : GetGridCell(c, m));
                SetObjects(c, Scratch, GetGridObject(c, m));
            }
        };
        const auto Compare = [&](int32_t a, int32_t b) { return Rows(a < 0 ? Scratch : a, b < 0 ? Scratch : b); };
        const auto Swap = [&](int32_t a, int32_t b) { SortSwapRows(a, b); };
        PartitionSort(Left, Right, Want, !Indexed, false, Compare, Swap, TakePivot);
        return;
    }

    // Rows Left ... Right as a permutation of where they stand now.
    const int32_t Count = Right - Left + 1;
    std::vector<int32_t> Order(static_cast<size_t>(Count));
    for (int32_t k = 0; k < Count; ++k) Order[static_cast<size_t>(k)] = Left + k;
    const auto At = [&](int32_t Pos) { return Order[static_cast<size_t>(Pos - Left)]; };
    TSortKeys Keys(this, Left, Count);
    // The first key's column compared through compact keys when its cells allow.
    const uint32_t Key0 = Indexed ? static_cast<uint32_t>(FSortIndexes->GetInteger(0)) : 0;
    const int32_t HotCol = Indexed ? static_cast<int32_t>(Key0 & 0x7FFFFFFFu) : ACol;
    const bool HotDescending = Indexed && (Key0 & 0x80000000u) != 0;
    std::vector<TSortKeys::THot> Hot;
    const TSortKeys::THotKind Kind = Keys.PrepareHot(HotCol, Hot);
    if (Kind != TSortKeys::hkNone) {
        const int32_t HotDir = Indexed ? (HotDescending ? 1 : 0) : Keys.Dir;
        const int32_t LastCol = ColCount() - 2;
        const int32_t KeyCount = Indexed ? FSortIndexes->Count() : 0;
        TSortKeys::THot PivotKey = Hot[0];
        const auto HotAt = [&](int32_t Pos) -> const TSortKeys::THot& {
            return Pos < 0 ? PivotKey : Hot[static_cast<size_t>(Pos - Left)];
        };
        const auto TakeHotPivot = [&](int32_t m) { PivotKey = Hot[static_cast<size_t>(m - Left)]; };
        const auto CompareHot = [&](int32_t a, int32_t b) {
            const TSortKeys::THot& A = HotAt(a);
            const TSortKeys::THot& B = HotAt(b);
            const int32_t r = Keys.CompareHot(Kind, A, B, HotDir);
            if (Indexed) {
                if (r != 0 || !Keys.Full) return HotDescending ? -r : r;
                return KeyCount > 1 ? Keys.Indexed(1, A.Slot, B.Slot) : 0;
            }
            if (r != 0 || !Keys.Full || HotCol > LastCol) return r;
            return Keys.Rows(HotCol + 1, A.Slot, B.Slot);
        };
        const int32_t HotXRef = FSortRowXRef->Count();
        std::vector<int32_t> HotXRefs;
        for (int32_t Pos = Left; Pos <= std::min(Right, HotXRef - 1); ++Pos) HotXRefs.push_back(FSortRowXRef->GetInteger(Pos));
        const auto SwapHot = [&](int32_t a, int32_t b) {
            ++Swaps;
            std::swap(Hot[static_cast<size_t>(a - Left)], Hot[static_cast<size_t>(b - Left)]);
            if (a < HotXRef && b < HotXRef)
                std::swap(HotXRefs[static_cast<size_t>(a - Left)], HotXRefs[static_cast<size_t>(b - Left)]);
        };
        PartitionSort(Left, Right, Want, !Indexed, true, CompareHot, SwapHot, TakeHotPivot);
        for (size_t k = 0; k < HotXRefs.size(); ++k) FSortRowXRef->SetInteger(Left + static_cast<int32_t>(k), HotXRefs[k]);
        for (int32_t k = 0; k < Count; ++k) Order[static_cast<size_t>(k)] = Left + Hot[static_cast<size_t>(k)].Slot;
        MoveSortedRows(Left, Order);
        return;
    }
    int32_t Pivot = Left;
    const auto TakePivot = [&](int32_t m) { Pivot = At(m); };
    const auto Compare = [&](int32_t a, int32_t b) {
        const int32_t s1 = (a < 0 ? Pivot : At(a)) - Left;
        const int32_t s2 = (b < 0 ? Pivot : At(b)) - Left;
        return Indexed ? Keys.Indexed(0, s1, s2) : Keys.Rows(ACol, s1, s2);
    };
    // The cross-reference travels only where both positions lie inside it, as with a row swap.
    const int32_t XRefCount = FSortRowXRef->Count();
    std::vector<int32_t> XRef;
    for (int32_t Pos = Left; Pos <= std::min(Right, XRefCount - 1); ++Pos) XRef.push_back(FSortRowXRef->GetInteger(Pos));
    const auto Swap = [&](int32_t a, int32_t b) {
        ++Swaps;
        std::swap(Order[static_cast<size_t>(a - Left)], Order[static_cast<size_t>(b - Left)]);
        if (a < XRefCount && b < XRefCount)
            std::swap(XRef[static_cast<size_t>(a - Left)], XRef[static_cast<size_t>(b - Left)]);
    };
    PartitionSort(Left, Right, Want, !Indexed, true, Compare, Swap, TakePivot);
    for (size_t k = 0; k < XRef.size(); ++k) FSortRowXRef->SetInteger(Left + static_cast<int32_t>(k), XRef[k]);
    MoveSortedRows(Left, Order);
}

// Row Left + k takes the row that stood at Order[k]: texts and objects in one pass over the
// store, then heights, flags and the followed row.
void TExtStringGrid::MoveSortedRows(int32_t Left, const std::vector<int32_t>& Order)
{
    const auto Count = static_cast<int32_t>(Order.size());
    bool Moved = false;
    for (int32_t k = 0; k < Count && !Moved; ++k) Moved = Order[static_cast<size_t>(k)] != Left + k;
    if (!Moved) return;
    PermuteRows(Left, Order);
    std::vector<int32_t> Heights(static_cast<size_t>(Count));
    for (int32_t k = 0; k < Count; ++k) Heights[static_cast<size_t>(k)] = RowHeights(Order[static_cast<size_t>(k)]);
    for (int32_t k = 0; k < Count; ++k)
        if (RowHeights(Left + k) != Heights[static_cast<size_t>(k)]) SetRowHeights(Left + k, Heights[static_cast<size_t>(k)]);
    const auto Permute = [&](TFlagList* List, const auto& Index) {
        std::vector<void*> Old(static_cast<size_t>(Count));
        for (int32_t k = 0; k < Count; ++k) {
            const int32_t From = Index(Order[static_cast<size_t>(k)]);
            Old[static_cast<size_t>(k)] = From < List->Count() ? List->Items(From) : nullptr;
        }
        for (int32_t k = 0; k < Count; ++k) {
            const int32_t To = Index(Left + k);
            if (To >= List->Count() && !Old[static_cast<size_t>(k)]) continue;
            while (List->Count() <= To) List->Add(nullptr);
            List->SetItems(To, Old[static_cast<size_t>(k)]);
        }
    };
    if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort())
        Permute(FRowSelect.get(), [this](int32_t r) { return RealRowIndex(r); });
    if (FShowModified->Enabled()) Permute(FModifiedRows.get(), [](int32_t r) { return r; });
    if (SortRow >= Left && SortRow < Left + Count)
        for (int32_t k = 0; k < Count; ++k)
            if (Order[static_cast<size_t>(k)] == SortRow) {
                SortRow = Left + k;
                break;
            }
}

void TExtStringGrid::SortSwapRows(int32_t ARow1, int32_t ARow2)
{
    ++Swaps;
    if (ARow1 < FSortRowXRef->Count() && ARow2 < FSortRowXRef->Count()) {
        const int32_t X = FSortRowXRef->GetInteger(ARow1);
        FSortRowXRef->SetInteger(ARow1, FSortRowXRef->GetInteger(ARow2));
        FSortRowXRef->SetInteger(ARow2, X);
    }
    if (FSortSettings->SingleColumn()) {
        // Stored texts: display texts would write link anchors and group counts into the cells.
        const int32_t c = FSortSettings->Column();
        const QString Text = GetGridCell(c, ARow1);
        TObject* Object = GetGridObject(c, ARow1);
        SetGridCell(c, ARow1, GetGridCell(c, ARow2));
        SetObjects(c, ARow1, GetGridObject(c, ARow2));
        SetGridCell(c, ARow2, Text);
        SetObjects(c, ARow2, Object);
        return;
    }
    ExchangeRows(ARow1, ARow2);
    const int32_t H1 = RowHeights(ARow1);
    const int32_t H2 = RowHeights(ARow2);
    if (H1 != H2) {
        SetRowHeights(ARow1, H2);
        SetRowHeights(ARow2, H1);
    }
    const auto Exchange = [](TFlagList* List, int32_t A, int32_t B) {
        void* const PA = A < List->Count() ? List->Items(A) : nullptr;
        void* const PB = B < List->Count() ? List->Items(B) : nullptr;
        if (PA == PB) return;
        while (List->Count() <= std::max(A, B)) List->Add(nullptr);
        List->SetItems(A, PB);
        List->SetItems(B, PA);
    };
    if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort())
        Exchange(FRowSelect.get(), RealRowIndex(ARow1), RealRowIndex(ARow2));
    if (FShowModified->Enabled()) Exchange(FModifiedRows.get(), ARow1, ARow2);
    if (SortRow == ARow1)
        SortRow = ARow2;
    else if (SortRow == ARow2)
        SortRow = ARow1;
}

// ---------------------------------------------------------------------------------------------
// Sort runs
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::InitSortXRef()
{
    FSortRowXRef->Clear();
    for (int32_t r = 0; r < RowCount(); ++r) FSortRowXRef->Add(r);
}

void TExtStringGrid::SaveSortColumn0(TSortColumn0& Saved)
{
    Saved.Saved = FSortSettings->NormalCellsOnly() && FixedCols() > 0;
    if (!Saved.Saved) return;
    for (int32_t r = 0; r < RowCount(); ++r) {
        Saved.Texts.push_back(GetGridCell(0, r));
        Saved.Objects.push_back(GetGridObject(0, r));
    }
}

void TExtStringGrid::RestoreSortColumn0(const TSortColumn0& Saved)
{
    if (!Saved.Saved) return;
    for (size_t r = 0; r < Saved.Texts.size(); ++r) {
        SetGridCell(0, static_cast<int32_t>(r), Saved.Texts[r]);
        SetObjects(0, static_cast<int32_t>(r), Saved.Objects[r]);
    }
}

// RowCount + 3 (scratch rows), FNormalRowCount below them, the hidden columns shown to the
// copies; undone by LeaveSortRows, also after a failure.
void TExtStringGrid::EnterSortRows(TSortRows& State, bool ClearOld)
{
    const int32_t Before = RowCount();
    SetRowCount(Before + 3);
    State.Entered = true;
    if (Before < FMaxRowCount - NumHiddenRows()) {
        // Rows past the old count keep what they held; nothing else refers to those cell properties.
        const int32_t First = RowCount() - 3;
        FreeCellPropsRect(0, First, TotalColCount() - 1, First + 2);
        if (ClearOld)
            for (int32_t r = First; r < First + 3; ++r) DetachRowCells(r);
    }
    FNormalRowCount = RowCount() - 3;
    State.LastWidth = ColWidths(ColCount() - 1);
    State.Hidden = FNumHidden;
    if (State.Hidden > 0) SetColCount(ColCount() + State.Hidden);
}

void TExtStringGrid::LeaveSortRows(TSortRows& State)
{
    if (!State.Entered) return;
    State.Entered = false;
    for (int32_t r = RowCount() - 3; r < RowCount(); ++r) DetachRowCells(r);
    if (State.Hidden > 0) SetColCount(ColCount() - State.Hidden);
    SetColWidths(ColCount() - 1, State.LastWidth);
    SetRowCount(RowCount() - 3);
}

void TExtStringGrid::QSort()
{
    if (FSortSettings->Column() < 0) return;
    RunSort(false);
}

void TExtStringGrid::QSortIndexed()
{
    RunSort(true);
}

void TExtStringGrid::RunSort(bool Indexed)
{
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    if (Indexed) {
        if (FSortIndexes->Count() == 0) throw EExtGridError(QStringLiteral("No indexes specified for indexed sort"));
    } else {
        FSortIndexes->Clear();
    }
    SortDir = FSortSettings->Direction() == sdDescending ? -1 : 1;
    TSortColumn0 Column0;
    SaveSortColumn0(Column0);
    const int32_t OldTop = TopRow();
    BeginUpdate();
    const bool FooterVisible = FFloatingFooter->Visible();
    const int32_t Footers = FixedFooters();
    if (FooterVisible) FFloatingFooter->SetVisible(false);
    SetFixedFooters(0);
    TSortRows Rows;
    try {
        EnterSortRows(Rows, true);
        SortRow = Row();
        const int32_t OldRow = Row();
        const bool MoveRow = FNavigation->MoveRowOnSort();
        if (MoveRow) SetRow(RowCount() - (Indexed ? 3 : 4));
        SortRowRange(FSortSettings->Column(), FixedRows(), RowCount() - Footers - 4, Indexed);
        FEntered = false;
        if (Indexed || !FMouseActions->DisjunctRowSelect()) {
            if (MoveRow) {
                SetRow(SortRow);
                FOldRowSel = -1;
            } else {
                SetRow(OldRow);
            }
        }
        LeaveSortRows(Rows);
        if (!Indexed && OnRowUpdate && !MoveRow) OnRowUpdate(this, OldRow, Row());
    } catch (...) {
        LeaveSortRows(Rows);
        FinishSort(Column0, OldTop, FooterVisible, Footers);
        throw;
    }
    FinishSort(Column0, OldTop, FooterVisible, Footers);
}

void TExtStringGrid::FinishSort(const TSortColumn0& Column0, int32_t OldTop, bool FooterVisible, int32_t Footers)
{
    RestoreSortColumn0(Column0);
    if (FNavigation->KeepScrollOnSort()) SetTopRow(std::min(OldTop, std::max(FixedRows(), RowCount() - 1)));
    if (FooterVisible) FFloatingFooter->SetVisible(true);
    SetFixedFooters(Footers);
    EndUpdate();
    if (FooterVisible) RepaintFooterPanel();
}

void TExtStringGrid::Sort(int32_t Column, TSortDirection Direction)
{
    FSortSettings->SetColumn(Column);
    FSortSettings->SetDirection(Direction);
    QSort();
}

void TExtStringGrid::SortByColumn(int32_t Col)
{
    if (RowCount() <= 1) return;
    FSortSettings->SetColumn(Col);
    QSort();
}

void TExtStringGrid::QuickSort(int32_t Col, int32_t Left, int32_t Right)
{
    TSortRows Rows;
    try {
        EnterSortRows(Rows, false);
        SortDir = FSortSettings->Direction() == sdDescending ? -1 : 1;
        SortRowRange(Col, Left, Right, false);
    } catch (...) {
        LeaveSortRows(Rows);
        throw;
    }
    LeaveSortRows(Rows);
}

void TExtStringGrid::QuickSortIndexed(int32_t Left, int32_t Right)
{
    if (FSortIndexes->Count() == 0) throw EExtGridError(QStringLiteral("No indexes specified for indexed sort"));
    TSortRows Rows;
    try {
        EnterSortRows(Rows, false);
        SortRowRange(0, Left, Right, true);
    } catch (...) {
        LeaveSortRows(Rows);
        throw;
    }
    LeaveSortRows(Rows);
}

void TExtStringGrid::QSortGroup()
{
    SortWithinGroups(false);
}

void TExtStringGrid::QSortGroupIndexed()
{
    SortWithinGroups(true);
}

void TExtStringGrid::SortWithinGroups(bool Indexed)
{
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    if (Indexed && FSortIndexes->Count() == 0)
        throw EExtGridError(QStringLiteral("No indexes specified for indexed sort"));
    SortDir = FSortSettings->Direction() == sdDescending ? -1 : 1;
    TSortColumn0 Column0;
    SaveSortColumn0(Column0);
    const int32_t OldTop = TopRow();
    BeginUpdate();
    TSortRows Rows;
    const auto Finish = [&] {
        LeaveSortRows(Rows);
        RestoreSortColumn0(Column0);
        if (FNavigation->KeepScrollOnSort()) SetTopRow(std::min(OldTop, std::max(FixedRows(), RowCount() - 1)));
        EndUpdate();
    };
    try {
        EnterSortRows(Rows, true);
        SortRow = Row();
        const int32_t OldRow = Row();
        const bool MoveRow = FNavigation->MoveRowOnSort();
        if (MoveRow) SetRow(RowCount() - 3);
        const int32_t Last = RowCount() - 3 - FixedFooters() - 1;
        int32_t Level = -1;
        for (int32_t r = FixedRows(); r <= Last; ++r)
            if (IsNode(r)) Level = std::max(Level, GetNodeLevel(r));
        for (int32_t c = FixedRows(); c <= Last; ++c) {
            // A set node state marks a contracted node.
            if (!IsNode(c) || GetNodeLevel(c) != Level || GetNodeState(c)) continue;
            const int32_t e = GetNodeSpan(c);
            if (e - 1 <= 1) continue;
            // A span that counts rows filtered out would reach the next group or the scratch rows:
            // the group ends at the last normal row and before the next node of its level.
            int32_t End = std::min(c + e - 1, Last);
            for (int32_t r = c + 1; r <= End; ++r)
                if (IsNode(r) && GetNodeLevel(r) <= Level) End = r - 1;
            if (End - c > 1) SortRowRange(FSortSettings->Column(), c + 1, End, Indexed);
        }
        if (MoveRow) {
            SetRow(SortRow);
            FOldRowSel = -1;
        } else {
            SetRow(OldRow);
        }
    } catch (...) {
        Finish();
        throw;
    }
    Finish();
}

void TExtStringGrid::QUnSort()
{
    FUnSortRowXRef->Clear();
    for (int32_t k = 0; k < FSortRowXRef->Count(); ++k) FUnSortRowXRef->Add(FSortRowXRef->GetInteger(k));
    TSortColumn0 Column0;
    SaveSortColumn0(Column0);
    BeginUpdate();
    const int32_t LastWidth = ColWidths(ColCount() - 1);
    const int32_t Hidden = FNumHidden;
    if (Hidden > 0) SetColCount(ColCount() + Hidden);
    // The positions the cross-reference covers, keyed by its entries, moved once at the end.
    const int32_t Count = std::min(RowCount(), FUnSortRowXRef->Count());
    std::vector<int32_t> Keys(static_cast<size_t>(std::max(Count, 0)));
    std::vector<int32_t> Order(Keys.size());
    for (int32_t k = 0; k < Count; ++k) {
        Keys[static_cast<size_t>(k)] = FUnSortRowXRef->GetInteger(k);
        Order[static_cast<size_t>(k)] = k;
    }
    int32_t Pivot = 0;
    const auto Key = [&](int32_t Pos) { return Pos < 0 ? Pivot : Keys[static_cast<size_t>(Pos)]; };
    const auto Compare = [&](int32_t a, int32_t b) { return CompareValues(Key(a), Key(b)); };
    const auto Swap = [&](int32_t a, int32_t b) {
        if (Keys[static_cast<size_t>(a)] == Keys[static_cast<size_t>(b)]) return;
        ++Swaps;
        std::swap(Keys[static_cast<size_t>(a)], Keys[static_cast<size_t>(b)]);
        std::swap(Order[static_cast<size_t>(a)], Order[static_cast<size_t>(b)]);
    };
    const auto TakePivot = [&](int32_t m) { Pivot = Keys[static_cast<size_t>(m)]; };
    if (Count > 1) PartitionSort(0, Count - 1, 1, true, true, Compare, Swap, TakePivot);
    for (int32_t k = 0; k < Count; ++k) {
        FUnSortRowXRef->SetInteger(k, Keys[static_cast<size_t>(k)]);
        FSortRowXRef->SetInteger(k, Keys[static_cast<size_t>(k)]);
    }
    MoveSortedRows(0, Order);
    if (Hidden > 0) SetColCount(ColCount() - Hidden);
    SetColWidths(ColCount() - 1, LastWidth);
    RestoreSortColumn0(Column0);
    EndUpdate();
}
