// TExtStringGrid: sums, averages, extremes, standard deviation and distinct texts over a range of
// one column or one row.
#include "grid/core/ExtGrid.h"

#include "grid/core/FloatingFooter.h"

#include "rtl/Exceptions.h"
#include "rtl/StrFuncs.h"

#include <cmath>
#include <set>

namespace {

struct TNoCaseLess {
    bool operator()(const QString& A, const QString& B) const { return AnsiCompareText(A, B) < 0; }
};

}  // namespace

void TExtStringGrid::DefaultStatsRange(int32_t& FromRow, int32_t& ToRow) const
{
    if (FromRow != -1 && ToRow != -1) return;
    FromRow = FixedRows();
    ToRow = RowCount() - FixedFooters() - 1;
}

// Rows past those shown make the range real indexes, which reach hidden rows too.
bool TExtStringGrid::StatsRealRows(int32_t ToRow) const
{
    if (FFooterRealRows) return true;
    return FFloatingFooter->Visible() ? ToRow > RowCount() - 1 : ToRow > RowCount();
}

// Merged-over cells never count; node and summary rows count only in a grid that is not grouped.
bool TExtStringGrid::StatsUsesRow(int32_t ACol, int32_t r, bool Real)
{
    const int32_t d = Real ? DisplRowIndex(r) : r;
    if (!IsBaseCell(ACol, d)) return false;
    return (!IsNode(d) && !IsSummary(d)) || IsHiddenRow(r) || FGroupColumn == -1;
}

// Walks the used rows of the range, reading each one; reads that raise are passed over.
void TExtStringGrid::WalkStatsRows(int32_t ACol, int32_t FromRow, int32_t ToRow, const std::function<void(double)>& Use)
{
    const bool Real = StatsRealRows(ToRow);
    ExportNotification(esExportStart, FromRow);
    for (int32_t r = FromRow; r <= ToRow; ++r) {
        if (!StatsUsesRow(ACol, r, Real)) continue;
        ExportNotification(esExportNextRow, r);
        try {
            Use(Real ? AllFloats(ACol, r) : Floats(ACol, r));
        } catch (const EExtGridError&) {
        }
    }
    ExportNotification(esExportDone, -1);
}

double TExtStringGrid::ColumnSum(int32_t ACol, int32_t FromRow, int32_t ToRow)
{
    DefaultStatsRange(FromRow, ToRow);
    double Sum = 0;
    WalkStatsRows(ACol, FromRow, ToRow, [&](double V) { Sum += V; });
    return Sum;
}

double TExtStringGrid::ColumnAvg(int32_t ACol, int32_t FromRow, int32_t ToRow)
{
    DefaultStatsRange(FromRow, ToRow);
    const int32_t n = ToRow - FromRow + 1;
    if (n <= 0) return 0;
    // Every row of the range divides, also rows the sum passed over.
    return ColumnSum(ACol, FromRow, ToRow) / n;
}

double TExtStringGrid::ColumnExtreme(int32_t ACol, int32_t FromRow, int32_t ToRow, bool Max)
{
    DefaultStatsRange(FromRow, ToRow);
    double Result = Floats(ACol, FromRow);
    WalkStatsRows(ACol, FromRow, ToRow, [&](double V) {
        if (Max ? V > Result : V < Result) Result = V;
    });
    return Result;
}

double TExtStringGrid::ColumnMin(int32_t ACol, int32_t FromRow, int32_t ToRow)
{
    return ColumnExtreme(ACol, FromRow, ToRow, false);
}

double TExtStringGrid::ColumnMax(int32_t ACol, int32_t FromRow, int32_t ToRow)
{
    return ColumnExtreme(ACol, FromRow, ToRow, true);
}

double TExtStringGrid::ColumnStdDev(int32_t ACol, int32_t FromRow, int32_t ToRow)
{
    DefaultStatsRange(FromRow, ToRow);
    const int32_t n = ToRow - FromRow + 1;
    if (n <= 0) return 0;
    const double Mean = ColumnAvg(ACol, FromRow, ToRow);
    double Sum = 0;
    ExportNotification(esExportStart, FromRow);
    for (int32_t r = FromRow; r <= ToRow; ++r) {
        ExportNotification(esExportNextRow, r);
        // The footer's real rows reach hidden rows.
        const double D = (FFooterRealRows ? AllFloats(ACol, r) : Floats(ACol, r)) - Mean;
        Sum += D * D;
    }
    ExportNotification(esExportDone, -1);
    return std::sqrt(Sum / n);
}

double TExtStringGrid::ColumnDistinct(int32_t ACol, int32_t FromRow, int32_t ToRow)
{
    DefaultStatsRange(FromRow, ToRow);
    std::set<QString, TNoCaseLess> Texts;
    ExportNotification(esExportStart, FromRow);
    for (int32_t r = FromRow; r <= ToRow; ++r) {
        ExportNotification(esExportNextRow, r);
        Texts.insert(FFooterRealRows ? AllCells(ACol, r) : GetCellEx(ACol, r));
    }
    ExportNotification(esExportDone, -1);
    return static_cast<double>(Texts.size());
}

double TExtStringGrid::ColumnCustomCalc(int32_t ACol, int32_t FromRow, int32_t ToRow)
{
    double Res = 0;
    if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, Res);
    return Res;
}

double TExtStringGrid::RowSum(int32_t ARow, int32_t fromCol, int32_t toCol)
{
    double Sum = 0;
    for (int32_t c = fromCol; c <= toCol; ++c) {
        if (!IsBaseCell(c, ARow)) continue;
        try {
            Sum += Floats(c, ARow);
        } catch (const EExtGridError&) {
        }
    }
    return Sum;
}

double TExtStringGrid::RowAvg(int32_t ARow, int32_t fromCol, int32_t toCol)
{
    const int32_t n = toCol - fromCol + 1;
    return n <= 0 ? 0 : RowSum(ARow, fromCol, toCol) / n;
}

double TExtStringGrid::RowExtreme(int32_t ARow, int32_t fromCol, int32_t toCol, bool Max)
{
    double Result = Floats(fromCol, ARow);
    for (int32_t c = fromCol; c <= toCol; ++c) {
        if (!IsBaseCell(c, ARow)) continue;
        try {
            const double V = Floats(c, ARow);
            if (Max ? V > Result : V < Result) Result = V;
        } catch (const EExtGridError&) {
        }
    }
    return Result;
}

double TExtStringGrid::RowMin(int32_t ARow, int32_t fromCol, int32_t toCol)
{
    return RowExtreme(ARow, fromCol, toCol, false);
}

double TExtStringGrid::RowMax(int32_t ARow, int32_t fromCol, int32_t toCol)
{
    return RowExtreme(ARow, fromCol, toCol, true);
}
