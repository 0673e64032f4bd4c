// TExtStringGrid: grouping rows by the values of a column into nodes with optional summary rows,
// and sub-grouping inside groups.
#include "grid/core/ExtGrid.h"
#include "grid/core/ScopeRestore.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"
#include "grid/core/GridItems.h"
#include "grid/core/GridOptions.h"
#include "grid/core/HiddenRows.h"
#include "grid/core/SortSettings.h"

#include "rtl/Strings.h"

#include <algorithm>

namespace {

// Starts every run: no cell text equals it in practice.
const QString Sentinel = QStringLiteral("\u00FF\u00FE");

}  // namespace

void TExtStringGrid::SetGroupColumn(int32_t Value)
{
    if (Value == -1) UnGroup();
    else if (Value > 0) Group(Value);
}

void TExtStringGrid::SetSummaryRow(int32_t ARow)
{
    NewCellGraphic(0, ARow)->SetCellType(ctSummary);
}

// ---------------------------------------------------------------------------------------------
// Header and summary look
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SetGroupRowLook(int32_t ARow, bool Header)
{
    const TColor Color = Header ? FGrouping->HeaderColor() : FGrouping->SummaryColor();
    const TColor ColorTo = Header ? FGrouping->HeaderColorTo() : FGrouping->SummaryColorTo();
    const TColor TextColor = Header ? FGrouping->HeaderTextColor() : FGrouping->SummaryTextColor();
    if (Color != clNone) SetRowColor(ARow, Color);
    if (ColorTo != clNone) SetRowColorTo(ARow, ColorTo);
    if (TextColor != clNone) SetRowFontColor(ARow, TextColor);
}

void TExtStringGrid::ResetGroupRowLook(int32_t ARow, bool Header)
{
    if ((Header ? FGrouping->HeaderColor() : FGrouping->SummaryColor()) != clNone) SetRowColor(ARow, clNone);
    if ((Header ? FGrouping->HeaderColorTo() : FGrouping->SummaryColorTo()) != clNone) SetRowColorTo(ARow, clNone);
}

void TExtStringGrid::DropGroupRow(int32_t ARow)
{
    // Rows hidden below (by a filter) stay behind the rows they followed.
    const int32_t Real = RealRowIndex(ARow);
    ClearRect(0, ARow, TotalColCount() - 1, ARow);
    DeleteDisplayRows(ARow, 1, false);
    ShiftHiddenRows(Real + 1, -1);
}

namespace {

// The merged look of a header or summary: cells from Col to the last column as one area.
void MergeGroupRow(TExtStringGrid* Grid, int32_t Col, int32_t Row, TColor Color, TColor ColorTo, TColor TextColor)
{
    if (Col >= Grid->ColCount()) return;
    Grid->MergeCells(Col, Row, Grid->ColCount() - Col, 1);
    TCellProperties* Props = Grid->GetCellProperties(Col, Row);
    if (Color != clNone) Props->SetBrushColor(Color);
    if (ColorTo != clNone) Props->SetBrushColorTo(ColorTo);
    if (TextColor != clNone) Props->SetFontColor(TextColor);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Group and UnGroup
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::Group(int32_t ColIndex)
{
    if (ColIndex < FixedCols()) return;
    if (FGroupColumn != -1) UnGroup();
    if (RowCount() - FixedRows() - FFixedFooters <= 0) return;

    BeginUpdate();
    FIsGrouping = true;
    TRestore Restore([this] {
        FIsGrouping = false;
        EndUpdate();
    });
    FGroupColumn = ColIndex;
    FGroupWidth = IsHiddenColumn(ColIndex) ? FAllColWidths[ColIndex] : ColWidths(DisplColIndex(ColIndex));
    if (FixedRows() > 0) FGroupCaption = GetGridCell(ColIndex, 0);
    if (FFixedFooters > 0) FGroupFooter = GetGridCell(ColIndex, RowCount() - 1);

    if (FSortSettings->AutoSortForGrouping()) {
        FSortSettings->SetColumn(ColIndex);
        QSort();
    }

    const bool Summary = FGrouping->Summary();
    const bool MergeHeader = FGrouping->MergeHeader();
    const int32_t T = ColIndex == 1 ? 2 : 1;
    // A new row at display row ARow; rows hidden after it keep their place.
    const auto InsertGroupRow = [this](int32_t ARow) { InsertRows(ARow, 1, true); };
    const auto InsertSummary = [&](int32_t ARow) {
        InsertGroupRow(ARow);
        SetSummaryRow(ARow);
        if (!FGrouping->MergeSummary()) SetGroupRowLook(ARow, false);
    };

    QString Previous = Sentinel;
    int32_t H = -1;
    int32_t a = FixedRows();
    while (a <= RowCount() - FFixedFooters - 1) {
        const QString Value = GetGridCell(ColIndex, a);
        if (Value != Previous) {
            if (H != -1) {
                if (Summary && H > FixedRows()) {
                    InsertSummary(H);
                    AddNode(RealRowIndex(H + 1), a - H);
                    ++a;
                } else {
                    AddNode(RealRowIndex(H), a - H);
                }
            }
            InsertGroupRow(a);
            SetGridCell(T, a, Value);
            if (!MergeHeader) SetGroupRowLook(a, true);
            H = a;
            ++a;
        }
        if (a < RowCount() - 1) Previous = GetGridCell(ColIndex, a);
        ++a;
    }
    if (H == -1) {
        AddNode(RealRowIndex(FixedRows()), a - 1);
    } else {
        if (Summary && H > FixedRows()) {
            InsertSummary(H);
            ++H;
            ++a;
        }
        AddNode(RealRowIndex(H), a - H);
        if (!MergeHeader) SetGroupRowLook(H, true);
    }
    if (Summary) InsertSummary(a);

    RemoveCols(ColIndex, 1);

    const bool MergeSummary = FGrouping->MergeSummary() && Summary;
    if (MergeHeader || MergeSummary) {
        // The last data row, not a footer row, closes the last group.
        const int32_t LastRow = RowCount() - FFixedFooters - 1;
        for (int32_t b = FixedRows(); b <= LastRow; ++b) {
            if (IsNode(b) && MergeHeader)
                MergeGroupRow(this, 1, b, FGrouping->HeaderColor(), FGrouping->HeaderColorTo(),
                              FGrouping->HeaderTextColor());
            else if (MergeSummary && (b == LastRow || IsNode(b + 1)))
                MergeGroupRow(this, 1, b, FGrouping->SummaryColor(), FGrouping->SummaryColorTo(),
                              FGrouping->SummaryTextColor());
        }
    }

    if (FCellNode->ExpandOne())
        for (int32_t b = FixedRows(); b < RowCount(); ++b)
            if (IsNode(b)) {
                ExpandNode(RealRowIndex(b));
                break;
            }

    if (Col() >= ColCount() || Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
    if (FixedRows() < RowCount()) SetRow(FixedRows());
}

void TExtStringGrid::UnGroup()
{
    if (FGroupColumn <= 0) return;
    const bool ExpandOne = FCellNode->ExpandOne();
    FCellNode->SetExpandOne(false);
    TRestore Restore([&] {
        FIsGrouping = false;
        FCellNode->SetExpandOne(ExpandOne);
    });
    ExpandAll();

    InsertCols(FGroupColumn, 1);
    SetColWidths(DisplColIndex(FGroupColumn), FGroupWidth);
    if (FixedRows() > 0) SetGridCell(FGroupColumn, 0, FGroupCaption);
    if (FFixedFooters > 0) SetGridCell(FGroupColumn, RowCount() - 1, FGroupFooter);

    FIsGrouping = true;
    const int32_t HeaderCol = FGroupColumn == 1 ? 2 : 1;
    const bool Summary = FGrouping->Summary();
    QString V;
    int32_t r = FixedRows();
    while (r <= RowCount() - FFixedFooters - 1) {
        if (!IsNode(r)) {
            SetGridCell(FGroupColumn, r, V);
            ++r;
            continue;
        }
        // The span counts rows a filter hides: the summary is found by real rows.
        const int32_t s = DisplRowIndex(RealRowIndex(r) + GetNodeSpan(r));
        // Only a row that is a summary goes: one made before Summary was switched on is data.
        if (Summary && s < RowCount() && IsSummary(s)) {
            if (FGrouping->MergeSummary()) SplitCells(1, s);
            else ResetGroupRowLook(s, false);
            DropGroupRow(s);
        }
        V = GetGridCell(HeaderCol, r);
        // Rows of the group a filter hides take the value too.
        const int32_t Real = RealRowIndex(r);
        for (TGridItem* Item : FGridItems->ItemsIn(TRealRow{Real + 1}, TRealRow{Real + GetNodeSpan(r) - 1}))
            if (Item->Items()->Count() > FGroupColumn) Item->Items()->SetStrings(FGroupColumn, V);
        RemoveNode(Real);
        FreeCellProps(0, r);
        if (FGrouping->MergeHeader()) SplitCells(1, r);
        else ResetGroupRowLook(r, true);
        DropGroupRow(r);
    }
    FGroupColumn = -1;
    Invalidate();
}

// ---------------------------------------------------------------------------------------------
// SubGroup and SubUnGroup
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SubGroup(int32_t ColIndex)
{
    if (ColIndex < FixedCols()) return;
    BeginUpdate();
    // The sub-grouped column stays in the grid: the grouping's column, width and texts stay
    // those of Group, so that UnGroup restores the right column.
    TRestore Restore([this] { EndUpdate(); });

    const int32_t T = ColIndex + 1;
    const auto HeaderLook = [&](int32_t ARow) {
        if (FGrouping->MergeHeader())
            MergeGroupRow(this, T, ARow, FGrouping->HeaderColor(), FGrouping->HeaderColorTo(),
                          FGrouping->HeaderTextColor());
        else
            SetGroupRowLook(ARow, true);
    };
    const auto MakeSubNode = [&](int32_t ARow, int32_t Span) {
        AddNode(RealRowIndex(ARow), Span);
        GetCellGraphic(0, ARow)->SetCellVar(ColIndex);
    };
    const auto Plain = [&](int32_t ARow) { return !IsNode(ARow) && !IsSummary(ARow); };

    QString P = Sentinel;
    int32_t H = -1;
    int32_t r = FixedRows() + 1;
    while (r < RowCount() - FFixedFooters) {
        if (GetCellEx(ColIndex, r) != P || !Plain(r)) {
            if (H != -1 && Plain(H)) MakeSubNode(H, r - H);
            if (Plain(r)) {
                InsertChildRow(RealRowIndex(r), 0);
                SetCellEx(T, r, GetCellEx(ColIndex, r + 1));
                HeaderLook(r);
            }
            H = r;
            ++r;
        }
        if (r >= RowCount() - FFixedFooters || !Plain(r - 1)) {
            P = Sentinel;
        } else {
            P = GetCellEx(ColIndex, r);
            SetCellEx(ColIndex, r, QString());
            ++r;
        }
    }
    // Without a walked row there is no data row to sub-group.
    if (H != -1 && !IsSummary(H)) {
        if (Plain(H)) {
            MakeSubNode(H, r - H);
            HeaderLook(H);
        }
        if (FGrouping->Summary()) {
            InsertRows(r, 1, true);
            SetSummaryRow(r);
            if (!FGrouping->MergeSummary()) SetGroupRowLook(r, false);
        }
    }
    if (FixedRows() < RowCount()) SetRow(FixedRows());
}

void TExtStringGrid::SubUnGroup(int32_t ColIndex)
{
    ExpandAll();
    QString V;
    int32_t r = FixedRows();
    while (r <= RowCount() - FFixedFooters - 1) {
        if (!IsNode(r)) {
            SetCellEx(ColIndex, r, V);
            ++r;
            continue;
        }
        const QVariant Var = GetCellGraphic(0, r)->CellVar();
        if (!Var.isValid() || Var.toInt() != ColIndex) {
            ++r;
            continue;
        }
        V = GetCellEx(ColIndex + 1, r);
        const int32_t Real = RealRowIndex(r);
        RemoveNode(Real);
        RemoveChildRow(Real);
    }
}
