// TExtStringGrid: highlighting and error marks in cell texts, cell checking, fills, and cells as dates
// and times.
#include "grid/core/ExtGrid.h"

#include "grid/base/CellCheck.h"
#include "grid/base/EsgHTMLE.h"

#include "rtl/DateTime.h"
#include "rtl/Format.h"

#include <QRandomGenerator>

namespace {

const QString HiTag = QStringLiteral("hi");
const QString ErrTag = QStringLiteral("e");

bool HoldsTag(const QString& Text, const QString& Tag)
{
    return Text.contains(QLatin1Char('<') + Tag + QLatin1Char('>'), Qt::CaseInsensitive) ||
           Text.contains(QLatin1String("</") + Tag + QLatin1Char('>'), Qt::CaseInsensitive);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Text forms
// ---------------------------------------------------------------------------------------------

QString TExtStringGrid::HilightText(bool DoCase, const QString& S, const QString& Text)
{
    return MarkTextInMarkup(S, Text, HiTag, DoCase);
}

QString TExtStringGrid::UnHilightText(const QString& S)
{
    return UnmarkTextInMarkup(S, HiTag);
}

QString TExtStringGrid::MarkText(bool DoCase, const QString& S, const QString& Text)
{
    return MarkTextInMarkup(S, Text, ErrTag, DoCase);
}

QString TExtStringGrid::UnMarkText(const QString& S)
{
    return UnmarkTextInMarkup(S, ErrTag);
}

// ---------------------------------------------------------------------------------------------
// Cell ranges
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::HilightCells(const QString& HiText, const QString& Tag, int32_t FromCol, int32_t ToCol,
                                  int32_t FromRow, int32_t ToRow, bool DoCase)
{
    if (HiText.isEmpty()) return;
    const QString Search = EncodeHTMLEntities(HiText, false);
    for (int32_t r = FromRow; r <= ToRow; ++r) {
        for (int32_t c = FromCol; c <= ToCol; ++c) {
            if (!IsBaseCell(c, r)) continue;
            // With OnGetDisplText the shown text is what gets stored back.
            const QString Text = EncodeHTMLEntities(OnGetDisplText ? GetCellEx(c, r) : GetGridCell(c, r), false);
            const QString Marked = MarkTextInMarkup(Text, Search, Tag, DoCase);
            // Only cells where a match was wrapped are written.
            if (Marked != Text) SetCellEx(c, r, Marked);
        }
    }
}

void TExtStringGrid::UnhilightCells(const QString& Tag, int32_t FromCol, int32_t ToCol, int32_t FromRow,
                                    int32_t ToRow)
{
    for (int32_t r = FromRow; r <= ToRow; ++r) {
        for (int32_t c = FromCol; c <= ToCol; ++c) {
            if (!IsBaseCell(c, r)) continue;
            const QString Text = OnGetDisplText ? GetCellEx(c, r) : GetGridCell(c, r);
            if (!HoldsTag(Text, Tag)) continue;
            // The tags go before the entities are decoded, so that a "<tag>" typed as text stays.
            SetCellEx(c, r, DecodeHTMLEntities(UnmarkTextInMarkup(Text, Tag), false));
        }
    }
}

void TExtStringGrid::HilightInCell(bool DoCase, int32_t Col, int32_t Row, const QString& HiText)
{
    HilightCells(HiText, HiTag, Col, Col, Row, Row, DoCase);
}

void TExtStringGrid::HilightInCol(bool DoFixed, bool DoCase, int32_t Col, const QString& HiText)
{
    HilightCells(HiText, HiTag, Col, Col, DoFixed ? 0 : FixedRows(),
                 DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1, DoCase);
}

void TExtStringGrid::HilightInRow(bool DoFixed, bool DoCase, int32_t Row, const QString& HiText)
{
    HilightCells(HiText, HiTag, DoFixed ? 0 : FixedCols(), DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols() - 1,
                 Row, Row, DoCase);
}

void TExtStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText)
{
    const int32_t h = NumHiddenColumns();
    HilightCells(HiText, HiTag, DoFixed ? 0 : FixedCols(),
                 DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols() - 1 + h, DoFixed ? 0 : FixedRows(),
                 DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1, DoCase);
}

void TExtStringGrid::MarkInCell(bool DoCase, int32_t Col, int32_t Row, const QString& HiText)
{
    HilightCells(HiText, ErrTag, Col, Col, Row, Row, DoCase);
}

void TExtStringGrid::MarkInCol(bool DoFixed, bool DoCase, int32_t Col, const QString& HiText)
{
    HilightCells(HiText, ErrTag, Col, Col, DoFixed ? 0 : FixedRows(),
                 DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1, DoCase);
}

void TExtStringGrid::MarkInRow(bool DoFixed, bool DoCase, int32_t Row, const QString& HiText)
{
    HilightCells(HiText, ErrTag, DoFixed ? 0 : FixedCols(),
                 DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols() - 1, Row, Row, DoCase);
}

void TExtStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText)
{
    HilightCells(HiText, ErrTag, DoFixed ? 0 : FixedCols(), DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols() - 1,
                 DoFixed ? 0 : FixedRows(), DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1, DoCase);
}

void TExtStringGrid::UnHilightInCell(int32_t Col, int32_t Row)
{
    UnhilightCells(HiTag, Col, Col, Row, Row);
}

void TExtStringGrid::UnHilightInCol(bool DoFixed, int32_t Col)
{
    UnhilightCells(HiTag, Col, Col, DoFixed ? 0 : FixedRows(), DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1);
}

void TExtStringGrid::UnHilightInRow(bool DoFixed, int32_t Row)
{
    const int32_t h = NumHiddenColumns();
    UnhilightCells(HiTag, DoFixed ? 0 : FixedCols(), DoFixed ? ColCount() - 1 + h : ColCount() - FixedRightCols() - 1 + h,
                   Row, Row);
}

void TExtStringGrid::UnHilightInGrid(bool DoFixed)
{
    const int32_t h = NumHiddenColumns();
    UnhilightCells(HiTag, DoFixed ? 0 : FixedCols(), DoFixed ? ColCount() + h - 1 : ColCount() + h - FixedRightCols() - 1,
                   DoFixed ? 0 : FixedRows(), DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1);
}

void TExtStringGrid::UnMarkInCell(int32_t Col, int32_t Row)
{
    UnhilightCells(ErrTag, Col, Col, Row, Row);
}

void TExtStringGrid::UnMarkInCol(bool DoFixed, int32_t Col)
{
    UnhilightCells(ErrTag, Col, Col, DoFixed ? 0 : FixedRows(), DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1);
}

void TExtStringGrid::UnMarkInRow(bool DoFixed, int32_t Row)
{
    const int32_t h = NumHiddenColumns();
    UnhilightCells(ErrTag, DoFixed ? 0 : FixedCols(), DoFixed ? ColCount() - 1 + h : ColCount() - FixedRightCols() - 1 + h,
                   Row, Row);
}

void TExtStringGrid::UnMarkInGrid(bool DoFixed)
{
    const int32_t h = NumHiddenColumns();
    UnhilightCells(ErrTag, DoFixed ? 0 : FixedCols(), DoFixed ? ColCount() + h - 1 : ColCount() + h - FixedRightCols() - 1,
                   DoFixed ? 0 : FixedRows(), DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1);
}

// ---------------------------------------------------------------------------------------------
// Cell checking
// ---------------------------------------------------------------------------------------------

bool TExtStringGrid::CheckCell(int32_t Col, int32_t Row)
{
    if (!FCellChecker) return true;
    const QString Orig = UnMarkText(GetCellEx(Col, Row));
    if (FCellChecker->GotoCell()) {
        FocusCell(Col, Row);
        ScrollInView(Col, Row);
    }
    QString Result = Orig;
    if (FCellChecker->UseCorrect()) Result = FCellChecker->Correct(Col, Row, Orig);
    if (FCellChecker->UseMarkError()) Result = FCellChecker->MarkError(Col, Row, Orig);
    SetCellEx(Col, Row, Result);
    return Result == Orig;
}

bool TExtStringGrid::CheckCells(int32_t FromCol, int32_t FromRow, int32_t ToCol, int32_t ToRow)
{
    if (!FCellChecker) return true;
    FCellChecker->StartCheck();
    const int32_t OldRow = Row();
    const int32_t OldCol = Col();
    bool Result = true;
    for (int32_t r = FromRow; r <= ToRow; ++r)
        for (int32_t c = FromCol; c <= ToCol; ++c)
            if (!CheckCell(c, r)) Result = false;
    FCellChecker->StopCheck();
    if (FCellChecker->GotoCell()) FocusCell(OldCol, OldRow);
    return Result;
}

bool TExtStringGrid::CheckCol(bool DoFixed, int32_t Col)
{
    return CheckCells(Col, DoFixed ? 0 : FixedRows(), Col, DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1);
}

bool TExtStringGrid::CheckRow(bool DoFixed, int32_t Row)
{
    return CheckCells(DoFixed ? 0 : FixedCols(), Row, DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols() - 1, Row);
}

bool TExtStringGrid::CheckGrid(bool DoFixed)
{
    return CheckCells(DoFixed ? 0 : FixedCols(), DoFixed ? 0 : FixedRows(),
                      DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols() - 1,
                      DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1);
}

// ---------------------------------------------------------------------------------------------
// Fills
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::FillCells(bool DoFixed, const std::function<void(int32_t, int32_t)>& Fill)
{
    const int32_t FromCol = DoFixed ? 0 : FixedCols();
    const int32_t ToCol = DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
    const int32_t FromRow = DoFixed ? 0 : FixedRows();
    const int32_t ToRow = DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1;
    for (int32_t r = FromRow; r <= ToRow; ++r)
        for (int32_t c = FromCol; c <= ToCol; ++c) Fill(c, r);
    CalcAllFooters();
}

void TExtStringGrid::TextFill(bool DoFixed, const QString& Txt)
{
    FillCells(DoFixed, [&](int32_t c, int32_t r) { SetCellEx(c, r, Txt); });
}

void TExtStringGrid::FormatFill(bool DoFixed, const QString& Fmt)
{
    FillCells(DoFixed, [&](int32_t c, int32_t r) { SetCellEx(c, r, Format(Fmt, {c, r})); });
}

void TExtStringGrid::RandomFill(bool DoFixed, int32_t Rnd)
{
    FillCells(DoFixed, [&](int32_t c, int32_t r) {
        SetInts(c, r, Rnd > 0 ? static_cast<int32_t>(QRandomGenerator::global()->bounded(Rnd)) : 0);
    });
}

void TExtStringGrid::LinearFill(bool DoFixed)
{
    FillCells(DoFixed, [&](int32_t c, int32_t r) {
        SetCellEx(c, r, QString::number(c) + QLatin1Char(':') + QString::number(r));
    });
}

// ---------------------------------------------------------------------------------------------
// Dates and times
// ---------------------------------------------------------------------------------------------

TDateTime TExtStringGrid::Dates(int32_t ACol, int32_t ARow)
{
    return StrToDate(GetCellEx(ACol, ARow));
}

void TExtStringGrid::SetDates(int32_t ACol, int32_t ARow, TDateTime Value)
{
    SetCellEx(ACol, ARow, Value > 0 || FShowNullDates ? DateToStr(Value) : QString());
}

TDateTime TExtStringGrid::Times(int32_t ACol, int32_t ARow)
{
    return StrToTime(GetCellEx(ACol, ARow));
}

void TExtStringGrid::SetTimes(int32_t ACol, int32_t ARow, TDateTime Value)
{
    SetCellEx(ACol, ARow, TimeToStr(Value));
}
