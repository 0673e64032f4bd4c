// TExtStringGrid: sorting rows on one column, on sort keys and within groups, the cell comparison
// of the sort styles, the row swap and putting rows back into their order before sorting.
#include "grid/core/ExtGrid.h"

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
#include <cmath>
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
    bool Ok = false;
    Value = Text.mid(Start).toDouble(&Ok);
    return Ok && std::isfinite(Value);
}

bool IsNumberKind(int32_t Kind)
{
    return Kind == ntkInteger || Kind == ntkDecimal || Kind == ntkScientific;
}

}  // namespace

// Keys of one sort run that compares rows where they stand before sorting: each cell's text and
// number read once, the style of each column asked once.
struct TExtStringGrid::TSortKeys {
    struct TCell {
        bool HasText = false;
        bool HasKind = false;
        // 0 not asked yet, 1 a check box cell, 2 not one.
        int8_t CheckBox = 0;
        bool HasNumber[2] = {false, false};
        bool Failed[2] = {false, false};
        int32_t Kind = ntkNotANumber;
        double Number[2] = {0, 0};
        QString Text;
    };
    struct TColumn {
        bool HasFormat = false;
        TSortStyle Style = ssAutomatic;
        QString Prefix;
        QString Suffix;
        std::vector<TCell> Cells;
    };
    int32_t First = 0;
    int32_t Count = 0;
    std::vector<std::unique_ptr<TColumn>> Columns;

    TColumn& Column(int32_t ACol)
    {
        const auto Index = static_cast<size_t>(ACol);
        if (Index >= Columns.size()) Columns.resize(Index + 1);
        std::unique_ptr<TColumn>& C = Columns[Index];
        if (!C) {
            C = std::make_unique<TColumn>();
            C->Cells.resize(static_cast<size_t>(Count));
        }
        return *C;
    }
    TCell* Cell(TColumn& C, int32_t ARow)
    {
        const int32_t I = ARow - First;
        return I >= 0 && I < Count ? &C.Cells[static_cast<size_t>(I)] : nullptr;
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
    ++Compares;
    TSortKeys::TColumn* Keys = FSortKeys ? &FSortKeys->Column(ACol) : nullptr;
    TSortStyle Style = ssAlphabetic;
    QString OwnPrefix;
    QString OwnSuffix;
    if (!Keys || !Keys->HasFormat) {
        Style = FSortSettings->AutoFormat() ? ssAutomatic : (FSortSettings->IgnoreCase() ? ssAlphaNoCase : ssAlphabetic);
        GetFormat(ACol, Style, OwnPrefix, OwnSuffix);
        if (Keys) {
            Keys->HasFormat = true;
            Keys->Style = Style;
            Keys->Prefix = OwnPrefix;
            Keys->Suffix = OwnSuffix;
        }
    }
    if (Keys) Style = Keys->Style;
    const QString& Prefix = Keys ? Keys->Prefix : OwnPrefix;
    const QString& Suffix = Keys ? Keys->Suffix : OwnSuffix;
    TSortKeys::TCell* K1 = Keys ? FSortKeys->Cell(*Keys, Row1) : nullptr;
    TSortKeys::TCell* K2 = Keys ? FSortKeys->Cell(*Keys, Row2) : nullptr;
    QString Own1;
    QString Own2;
    const auto TextOf = [&](TSortKeys::TCell* K, int32_t ARow, QString& Own) -> const QString& {
        if (!K) {
            Own = SortCellText(ACol, ARow);
            return Own;
        }
        if (!K->HasText) {
            K->Text = SortCellText(ACol, ARow);
            K->HasText = true;
        }
        return K->Text;
    };
    const auto KindOf = [&](TSortKeys::TCell* K, const QString& Text) {
        if (!K) return GetNumberTextKind(Text);
        if (!K->HasKind) {
            K->Kind = GetNumberTextKind(Text);
            K->HasKind = true;
        }
        return K->Kind;
    };
    const QString& t1 = TextOf(K1, Row1, Own1);
    const QString& t2 = TextOf(K2, Row2, Own2);

    if (Style == ssAutomatic) {
        const TSortStyle Alpha = FSortSettings->IgnoreCase() ? ssAlphaNoCase : ssAlphabetic;
        static const TCellTypes CheckKinds{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox};
        bool CheckBox = false;
        if (K1 && K1->CheckBox != 0) {
            CheckBox = K1->CheckBox == 1;
        } else {
            CheckBox = IsCellTypeIn(ACol, Row1, CheckKinds);
            if (K1) K1->CheckBox = CheckBox ? 1 : 2;
        }
        if (CheckBox)
            Style = ssCheckBox;
        else if (IsNumberKind(KindOf(K1, t1)))
            Style = ssNumeric;
        else {
            Style = Alpha;
            // A separator at the second or third character between two digits marks a date or time.
            const auto Marks = [&](QChar Sep) {
                const qsizetype p = t1.indexOf(Sep) + 1;
                if (!(p >= 2 && p < t1.size() && p < 4)) return std::optional<bool>();
                return std::optional<bool>(IsAsciiDigit(t1[p - 2]) && IsAsciiDigit(t1[p]) && t2.contains(Sep));
            };
            const QChar DateSep = GetDateSeparator();
            const QChar TimeSep = GetTimeSeparator();
            if (const std::optional<bool> Date = Marks(DateSep)) {
                if (*Date) Style = t1.contains(TimeSep) ? ssDateTime : ssDate;
            } else if (const std::optional<bool> Time = Marks(TimeSep)) {
                if (*Time) Style = ssTime;
            }
        }
    }
    if (Style == ssAlphaNumeric || Style == ssAlphaNumericNoCase) {
        if (IsNumberKind(KindOf(K1, t1)) && IsNumberKind(KindOf(K2, t2)))
            Style = ssNumeric;
        else
            Style = Style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    }

    int32_t r = 0;
    switch (Style) {
    case ssAlphabetic:
    case ssAlphaCase: r = CompareOrdinal(t1, t2, false); break;
    case ssAlphaNoCase: r = CompareOrdinal(t1, t2, true); break;
    case ssAnsiAlphaCase: r = Sign(AnsiCompareStr(t1, t2)); break;
    case ssAnsiAlphaNoCase: r = Sign(AnsiCompareText(t1, t2)); break;
    case ssHTML: r = CompareOrdinal(StrippedCells(ACol, Row1), StrippedCells(ACol, Row2), false); break;
    case ssNumeric:
    case ssFinancial: {
        const int Slot = Style == ssFinancial ? 1 : 0;
        const auto Number = [&](TSortKeys::TCell* K, const QString& CellText, int32_t ARow, bool& Failed) {
            if (K && K->HasNumber[Slot]) {
                Failed = K->Failed[Slot];
                return K->Number[Slot];
            }
            QString Text = CellText;
            if (!Suffix.isEmpty()) {
                const qsizetype At = Text.indexOf(Suffix);
                if (At >= 0) Text.remove(At, Suffix.size());
            }
            if (!Prefix.isEmpty()) {
                const qsizetype At = Text.indexOf(Prefix);
                if (At >= 0) Text.remove(At, Prefix.size());
            }
            if (Slot == 1) Text.remove(GetThousandSeparator());
            const QChar Dec = GetDecimalSeparator();
            if (Dec != QLatin1Char('.')) {
                const qsizetype At = Text.indexOf(Dec);
                if (At >= 0) Text[At] = QLatin1Char('.');
            }
            double Value = 0;
            Failed = false;
            // A text that converts only in part counts as 0.
            if (!ConvertDecimal(Text, Value)) {
                Value = 0;
                Failed = !GetCellEx(ACol, ARow).isEmpty();
            }
            if (K) {
                K->HasNumber[Slot] = true;
                K->Failed[Slot] = Failed;
                K->Number[Slot] = Value;
            }
            return Value;
        };
        bool Failed1 = false;
        bool Failed2 = false;
        const double V1 = Number(K1, t1, Row1, Failed1);
        const double V2 = Number(K2, t2, Row2, Failed2);
        r = Failed1 && Failed2 ? 0 : CompareValues(V1, V2);
        break;
    }
    case ssDate:
    case ssDateTime:
    case ssTime: {
        const auto Value = [&](const QString& Text) {
            TDateTime Result = 0;
            if (Text.isEmpty()) return Result;
            const bool Ok = Style == ssTime ? TryStrToTime(Text, Result) : TryStrToDateTime(Text, Result);
            return Ok ? Result : TDateTime(0);
        };
        r = CompareValues(Value(t1), Value(t2));
        break;
    }
    case ssShortDateEU:
    case ssShortDateUS: {
        const auto Value = [&](const QString& Text) {
            try {
                return Style == ssShortDateEU ? ParseDateDMY(Text) : ParseDateMDY(Text);
            } catch (const Exception&) {
                return TDateTime(0);
            }
        };
        r = CompareValues(Value(t1), Value(t2));
        break;
    }
    case ssImages: r = CompareValues(GetCellImageKey(ACol, Row1), GetCellImageKey(ACol, Row2)); break;
    case ssCheckBox: {
        const auto State = [&](int32_t ARow) {
            bool Checked = false;
            return GetCheckBoxState(ACol, RealRowIndex(ARow), Checked) && Checked;
        };
        r = CompareValues(State(Row1) ? 1 : 0, State(Row2) ? 1 : 0);
        break;
    }
    case ssCustom:
        if (OnCustomCompare) OnCustomCompare(this, t1, t2, r);
        break;
    case ssRaw:
        if (OnRawCompare) OnRawCompare(this, ACol, Row1, Row2, r);
        break;
    default: break;
    }

    if (FSortSettings->IgnoreBlanks() && (Dir == 0 || Dir == 1)) {
        const bool Last = FSortSettings->BlankPos() == blLast;
        if (t1.isEmpty() && !t2.isEmpty())
            r = Last == (Dir == 0) ? 1 : -1;
        else if (t2.isEmpty() && !t1.isEmpty())
            r = Last == (Dir == 0) ? -1 : 1;
    }
    return r;
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
    TSortKeys Keys;
    Keys.First = Left;
    Keys.Count = Count;
    TSortKeys* const Outer = FSortKeys;
    FSortKeys = &Keys;
    int32_t Pivot = Left;
    const auto TakePivot = [&](int32_t m) { Pivot = At(m); };
    const auto Compare = [&](int32_t a, int32_t b) { return Rows(a < 0 ? Pivot : At(a), b < 0 ? Pivot : At(b)); };
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
    try {
        PartitionSort(Left, Right, Want, !Indexed, true, Compare, Swap, TakePivot);
    } catch (...) {
        FSortKeys = Outer;
        throw;
    }
    FSortKeys = Outer;
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
    const auto Permute = [&](TList* List, const auto& Index) {
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
    const auto Exchange = [](TList* List, int32_t A, int32_t B) {
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
    if (ClearOld && Before < FMaxRowCount - NumHiddenRows())
        for (int32_t r = RowCount() - 3; r < RowCount(); ++r) DetachRowCells(r);
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
