// TExtStringGrid: finding cells by text under the find flags, replacing, and the incremental row search.
#include "grid/core/ExtGrid.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SortSettings.h"

#include "rtl/StrFuncs.h"

namespace {

const QString EmptyCellText = QStringLiteral("\"\"");

// The locale's upper-casing of one character, ASCII without a table lookup.
inline char16_t UpChar(QChar C)
{
    const char16_t u = C.unicode();
    if (u < 128) return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
    return C.toUpper().unicode();
}

// The 0-based position of Upper (upper-cased already, not empty) in Text compared upper-cased,
// -1 when absent; AtStart looks at position 0 only.
int32_t UpperIndexOf(QStringView Text, QStringView Upper, bool AtStart)
{
    const qsizetype n = Text.size();
    const qsizetype m = Upper.size();
    if (m > n) return -1;
    const QChar* T = Text.data();
    const QChar* U = Upper.data();
    const qsizetype Last = AtStart ? 0 : n - m;
    for (qsizetype i = 0; i <= Last; ++i) {
        if (UpChar(T[i]) != U[0].unicode()) continue;
        qsizetype k = 1;
        while (k < m && UpChar(T[i + k]) == U[k].unicode()) ++k;
        if (k == m) return static_cast<int32_t>(i);
    }
    return -1;
}

// Every occurrence of Orig replaced, outside tags when SkipTags; Upper is Orig upper-cased
// (compared upper-cased) or Orig itself.
QString ReplaceOccurrences(const QString& Text, const QString& Orig, const QString& Upper, const QString& New,
                           bool MatchCase, bool SkipTags)
{
    QString Result;
    Result.reserve(Text.size());
    const qsizetype m = Orig.size();
    qsizetype i = 0;
    while (i < Text.size()) {
        if (SkipTags && Text[i] == u'<') {
            const qsizetype Close = Text.indexOf(u'>', i);
            if (Close >= 0) {
                Result += QStringView(Text).mid(i, Close - i + 1);
                i = Close + 1;
                continue;
            }
        }
        bool Hit = i + m <= Text.size();
        if (Hit) {
            const QStringView Part = QStringView(Text).mid(i, m);
            if (SkipTags && Part.contains(u'<')) Hit = false;
            else Hit = MatchCase ? Part == Orig : UpperIndexOf(Part, Upper, true) == 0;
        }
        if (Hit) {
            Result += New;
            i += m;
        } else {
            Result += Text[i];
            ++i;
        }
    }
    return Result;
}

}  // namespace

namespace {

// Whether a cell's text matches s (prepared: upper-cased unless MatchCase) under the find flags.
bool TextMatchesSearch(const QString& Text, const QString& s, TFindParams FindParams, bool Wide)
{
    const bool MatchCase = FindParams.Contains(fnMatchCase);
    const bool IgnoreTags = !Wide && FindParams.Contains(fnIgnoreHTMLTags);

    if (IgnoreTags || FindParams.Contains(fnMatchRegular)) {
        QString Prepared = MatchCase ? Text : AnsiUpperCase(Text);
        if (IgnoreTags) Prepared = MarkupToPlainText(Prepared);
        if (s == EmptyCellText) return Prepared.isEmpty();
        if (FindParams.Contains(fnMatchRegular)) return MatchFilterExpression(s, Prepared, MatchCase);
        const qsizetype p = Prepared.indexOf(s);
        const bool Found = FindParams.Contains(fnMatchStart) ? p == 0 : p >= 0;
        return Found && (!FindParams.Contains(fnMatchFull) || s == Prepared);
    }

    if (s == EmptyCellText) return Text.isEmpty();
    if (FindParams.Contains(fnMatchFull)) {
        if (Text.size() != s.size()) return false;
        return MatchCase ? Text == s : UpperIndexOf(Text, s, true) == 0;
    }
    const bool AtStart = FindParams.Contains(fnMatchStart);
    if (MatchCase) return AtStart ? Text.startsWith(s) : Text.contains(s);
    return UpperIndexOf(Text, s, AtStart) >= 0;
}

}  // namespace

bool TExtStringGrid::CellMatchesSearch(int32_t ACol, int32_t ARow, bool Wide)
{
    if (!FFindParams.Contains(fnIncludeHiddenColumns)) ACol = RealColIndex(ACol);
    const QString Text = (!Wide && FFindParams.Contains(fnIncludeHiddenRows)) ? AllCells(ACol, ARow)
                                                                              : GetCellEx(ACol, ARow);
    return TextMatchesSearch(Text, Wide ? SearchCacheWide : SearchCache, FFindParams, Wide);
}

TPoint TExtStringGrid::FindCell(TPoint StartCell, const QString& s, TFindParams FindParams, bool Wide)
{
    TPoint Result = Point(-1, -1);
    FFindParams = FindParams;
    FFindBusy = true;

    const QString Prepared = FindParams.Contains(fnMatchCase) ? s : AnsiUpperCase(s);
    if (Wide)
        SearchCacheWide = Prepared;
    else
        SearchCache = Prepared;

    if (ColCount() == FixedCols() || ColCount() == 0 || RowCount() + NumHiddenRows() == FixedRows() ||
        RowCount() == 0)
        return Result;
    // An empty text finds nothing (it would stand at the start of every cell).
    if (Prepared.isEmpty()) {
        FFindBusy = false;
        return Result;
    }

    // Range.
    int32_t FirstCol, LastCol, FirstRow, LastRow;
    if (FindParams.Contains(fnIncludeFixed)) {
        FirstCol = 0;
        LastCol = ColCount() - 1;
        FirstRow = 0;
        LastRow = RowCount() - 1;
    } else {
        FirstCol = FixedCols();
        LastCol = ColCount() - 1 - FixedRightCols();
        FirstRow = FixedRows();
        LastRow = RowCount() - 1 - FixedFooters();
    }
    if (FindParams.Contains(fnSelectedCells)) {
        const TGridRect Sel = Selection();
        FirstCol = Sel.Left;
        LastCol = Sel.Right;
        FirstRow = Sel.Top;
        LastRow = Sel.Bottom;
    }
    if (FindParams.Contains(fnIncludeHiddenColumns)) LastCol += NumHiddenColumns();
    if (FindParams.Contains(fnIncludeHiddenRows)) LastRow += NumHiddenRows();

    const bool Backward = FindParams.Contains(fnBackward);
    const bool RowOrder = FindParams.Contains(fnDirectionLeftRight);

    // Start cell, one step on from the one given.
    int32_t c, r;
    if (StartCell.X == -1 && StartCell.Y == -1) {
        c = Backward ? LastCol : FirstCol;
        r = Backward ? LastRow : FirstRow;
    } else {
        c = StartCell.X;
        r = StartCell.Y;
        if (RowOrder) {
            if (Backward) {
                if (c >= FirstCol) --c;
                else if (r >= FirstRow) --r;
                else { c = LastCol; r = LastRow; }
            } else {
                if (c <= LastCol) ++c;
                else if (r <= LastRow) ++r;
                else { c = FirstCol; r = FirstRow; }
            }
        } else {
            if (Backward) {
                if (r >= FirstRow) --r;
                else if (c >= FirstCol) --c;
                else { c = LastCol; r = LastRow; }
            } else {
                if (r <= LastRow) ++r;
                else if (c <= LastCol) ++c;
                else { c = FirstCol; r = FirstRow; }
            }
        }
    }

    // Restrictions.
    const bool RowPinned = FindParams.Contains(fnFindInCurrentRow) || FindParams.Contains(fnFindInPresetRow);
    const bool ColPinned = FindParams.Contains(fnFindInCurrentCol) || FindParams.Contains(fnFindInPresetCol);
    if (FindParams.Contains(fnFindInCurrentRow)) r = FirstRow = LastRow = Row();
    if (FindParams.Contains(fnFindInPresetRow)) r = FirstRow = LastRow = FFindRow;
    if (FindParams.Contains(fnFindInCurrentCol)) c = FirstCol = LastCol = Col();
    if (FindParams.Contains(fnFindInPresetCol)) c = FirstCol = LastCol = FFindCol;
    // A pinned line that the step ran along: the step goes on to the next cell of the line instead,
    // so that a search from the last match moves on.
    const bool Started = !(StartCell.X == -1 && StartCell.Y == -1);
    if (Started && RowOrder && ColPinned) r = StartCell.Y + (Backward ? -1 : 1);
    if (Started && !RowOrder && RowPinned) c = StartCell.X + (Backward ? -1 : 1);

    // Without merged cells or display hooks a cell's text is its stored text, read in place.
    const bool Stored = !Wide && !FindParams.Contains(fnIncludeHiddenRows) && !FHasCellProps && !OnGetDisplText &&
                        !OnGetDisplWideText && !FURLShowInText && !FGrouping->ShowGroupCount();
    const bool HiddenCols = FindParams.Contains(fnIncludeHiddenColumns);
    const auto Matches = [&](int32_t x, int32_t y) {
        if (!Stored) return CellMatchesSearch(x, y, Wide);
        return TextMatchesSearch(StoredCell(HiddenCols ? x : RealColIndex(x), y), Prepared, FindParams, false);
    };
    const int32_t Step = Backward ? -1 : 1;
    auto InCols = [&](int32_t x) { return x >= FirstCol && x <= LastCol; };
    auto InRows = [&](int32_t y) { return y >= FirstRow && y <= LastRow; };
    bool Found = false;
    if (RowOrder) {
        const bool Ignoring = FIgnoreColumns && FIgnoreColumns->Count() > 0;
        for (; InRows(r) && !Found; r += Step) {
            for (; InCols(c); c += Step) {
                ExportNotification(esExportNewRow, r);
                if (Ignoring && IsIgnoredColumn(c)) continue;
                if (Matches(c, r)) {
                    Found = true;
                    break;
                }
            }
            if (Found) break;
            c = FindParams.Contains(fnFindInCurrentCol) ? Col() : (Backward ? LastCol : FirstCol);
        }
    } else {
        for (; InCols(c) && !Found; c += Step) {
            for (; InRows(r); r += Step) {
                ExportNotification(esExportNewRow, r);
                if (Matches(c, r)) {
                    Found = true;
                    break;
                }
            }
            if (Found) break;
            r = FindParams.Contains(fnFindInCurrentRow) ? Row() : (Backward ? LastRow : FirstRow);
        }
    }
    if (!Found) {
        FFindBusy = false;
        return Result;
    }

    SearchCell = Point(c, r);
    Result = SearchCell;
    if (FindParams.Contains(fnAutoGoto)) {
        int32_t Target = r;
        if (FindParams.Contains(fnIncludeHiddenRows)) {
            // Expand the nodes that hold the hidden row, the outer one first.
            for (int32_t Pass = 0; Pass < 64 && NumHiddenRows() > 0 && IsHiddenRow(Target) && HasNodes(); ++Pass) {
                int32_t Node = -1;
                for (int32_t d = FixedRows(); d <= RowCount() - 2 && Node < 0; ++d) {
                    if (!IsNode(d) || !GetNodeState(d)) continue;  // contracted nodes only
                    const int32_t Real = RealRowIndex(d);
                    if (Real < Target && Target < Real + GetNodeSpan(d)) Node = Real;
                }
                if (Node < 0) break;
                ExpandNode(Node);
            }
            Target = IsHiddenRow(Target) ? -1 : DisplRowIndex(Target);
        }
        int32_t TargetCol = c;
        if (FindParams.Contains(fnIncludeHiddenColumns)) TargetCol = IsHiddenColumn(c) ? -1 : DisplColIndex(c);
        if (Target >= 0 && Target < RowCount()) {
            if (FMouseActions->DisjunctRowSelect()) {
                ClearRowSelect();
                SetRowSelect(Target, true);
                SetRow(Target);
            } else {
                SetRow(Target);
                if (TargetCol >= 0 && TargetCol < ColCount()) SetCol(TargetCol);
            }
        }
    }
    return Result;
}

TPoint TExtStringGrid::Find(TPoint StartCell, const QString& s, TFindParams FindParams)
{
    ExportNotification(esExportStart, -1);
    const TPoint Result = FindCell(StartCell, s, FindParams, false);
    ExportNotification(Result.X == -1 && Result.Y == -1 ? esExportDone : esExportFail, -1);
    if (FindParams.Contains(fnAutoGoto)) {
        const int32_t a = FFloatingFooter->Visible() ? 2 : 0;
        if (Row() > TopRow() + VisibleRowCount() - 2 - a && VisibleRowCount() + FixedRows() + a < RowCount())
            SetTopRow(TopRow() + a + 1);
    }
    return Result;
}

TPoint TExtStringGrid::FindWide(TPoint StartCell, const QString& s, TFindParams FindParams)
{
    ExportNotification(esExportStart, -1);
    const TPoint Result = FindCell(StartCell, s, FindParams, true);
    ExportNotification(Result.X == -1 && Result.Y == -1 ? esExportDone : esExportFail, -1);
    return Result;
}

TPoint TExtStringGrid::FindFirst(const QString& s, TFindParams FindParams)
{
    SearchCell = Find(Point(-1, -1), s, FindParams);
    return SearchCell;
}

TPoint TExtStringGrid::FindNext()
{
    SearchCell = Find(SearchCell, SearchCache, FFindParams);
    return SearchCell;
}

int32_t TExtStringGrid::Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams)
{
    const bool MatchCase = FindParams.Contains(fnMatchCase);
    const bool SkipTags = FindParams.Contains(fnIgnoreHTMLTags);
    const bool HiddenRows = FindParams.Contains(fnIncludeHiddenRows);
    const QString Upper = MatchCase ? OrigStr : AnsiUpperCase(OrigStr);
    TPoint Pos = Point(-1, -1);
    int32_t Count = 0;
    for (;;) {
        Pos = Find(Pos, OrigStr, FindParams);
        if (Pos.X == -1 && Pos.Y == -1) break;
        // The cell the match was made in.
        const int32_t c = FindParams.Contains(fnIncludeHiddenColumns) ? Pos.X : RealColIndex(Pos.X);
        const QString Old = HiddenRows ? AllCells(c, Pos.Y) : GetCellEx(c, Pos.Y);
        const QString New = ReplaceOccurrences(Old, OrigStr, Upper, NewStr, MatchCase, SkipTags);
        if (New == Old) continue;
        if (HiddenRows)
            SetAllCells(c, Pos.Y, New);
        else
            SetCellEx(c, Pos.Y, New);
        // A row that stays hidden has no displayed row to mark.
        if (FShowModified->Enabled() && !(HiddenRows && IsHiddenRow(Pos.Y)))
            SetRowModified(HiddenRows ? DisplRowIndex(Pos.Y) : Pos.Y, true);
        ++Count;
    }
    return Count;
}

int32_t TExtStringGrid::Search(const QString& s)
{
    if (RowCount() < 2) return -1;
    int32_t Column;
    if (FSortSettings->Show()) {
        if (FSortSettings->IndexShow())
            Column = FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : FixedCols();
        else
            Column = FSortSettings->Column();
    } else {
        Column = FixedCols();
    }
    if (Column == -1) return -1;
    for (int32_t r = FixedRows(); r < RowCount(); ++r)
        if (AnsiUpperCase(StrippedCells(Column, r).left(s.size())) == s) return r;
    return -1;
}
