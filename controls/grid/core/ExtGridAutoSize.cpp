// TExtStringGrid: columns and rows sized to their cells, columns spread over the width, numbering,
// and cells, columns and rows exchanged.
#include "grid/core/ExtGrid.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridSupport.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ColumnSize.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridItems.h"
#include "grid/core/HiddenRows.h"
#include "grid/core/SortSettings.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/NumConv.h"
#include "rtl/Strings.h"
#include "windows/SystemMetrics.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace {

int32_t RoundEven(long double Value)
{
    return static_cast<int32_t>(RoundHalfEven(Value));
}

// The width of a plain text on the canvas as its cell shows it: the widest line with multi-line
// cells, links without their protocol.
int32_t PlainTextWidth(TCanvas* C, QString Text, bool Multiline, bool StripProtocol)
{
    int32_t W = 0;
    do {
        QString Line = Multiline ? TakeFirstLine(Text, true) : Text;
        if (!Multiline) Text.clear();
        if (StripProtocol) StripURLProtocol(Line);
        W = std::max(W, C->TextWidth(Line));
    } while (!Text.isEmpty());
    return W;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Columns
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SizeColToContent(int32_t ACol, bool GrowOnly)
{
    if (ACol < 0 || ACol >= ColCount()) return;
    const int32_t rc = RealColIndex(ACol);
    int32_t First = 0, Last = RowCount() - 1;
    switch (FColumnSize ? FColumnSize->Rows() : arAll) {
    case arNormal:
        First = FixedRows();
        Last = RowCount() - FFixedFooters - 1;
        break;
    case arFixed: Last = FixedRows() - 1; break;
    case arAll: break;
    }
    const int32_t lw = GridLineWidth();
    const bool ComboRoom = FControlLook && FControlLook->DropDownAlwaysVisible();
    const bool FilterRoom = FFilterDropDownAuto && GetColumnFilter(ACol);
    const bool SortColumn = FSortSettings && FSortSettings->Column() == ACol;
    // Cells without properties or graphic holding plain text are measured on one canvas font (the
    // grid's, in bold for the active cell's headers), as CalcCellTextExtent measures them.
    TCanvas* C = Canvas();
    const bool BoldHeaders = FActiveCellShow && FActiveCellFont->Style().Contains(fsBold);
    const bool StripProtocol = FURLShow && !FURLFull;
    int32_t PreparedFont = -1;  // -1: unknown, 0: the grid's font, 1: bold
    // Equal texts on the same font are measured once, while the column repeats its texts often
    // enough for the lookups to pay (judged over its first rows).
    QHash<QString, int32_t> Measured;
    Measured.reserve(1024);
    bool Remember = true;
    int32_t Lookups = 0, Hits = 0;
    int32_t Largest = 0;
    for (int32_t r = First; r <= Last; ++r) {
        if (IsXMergedCell(ACol, r)) continue;
        const TCellGraphic* G = GetCellGraphic(rc, r);
        const int32_t GraphicWidth = G ? GetCellGraphicSize(rc, r).X : 0;
        int32_t Need = 0;
        QString Plain;
        bool Simple = !G && !HasCellProperties(rc, r);
        if (Simple) {
            Plain = GetFormattedCell(rc, r);
            Simple = GetCellTextKind(Plain, FEnableHTML) == ctkPlain;
        }
        if (G && G->CellHAlign() == haFull) {
            Need = GraphicWidth - (2 * lw + FXYOffset.X + 2);
        } else if (Simple) {
            const int32_t Bold = BoldHeaders && (r < FixedRows() || ACol < FixedCols()) ? 1 : 0;
            if (Bold != PreparedFont) {
                C->Font()->Assign(Font());
                if (Bold) {
                    TFontStyles Style = C->Font()->Style();
                    Style.Include(fsBold);
                    C->Font()->SetStyle(Style);
                }
                C->Font()->SetSize(C->Font()->Size() + FZoomFactor);
                PreparedFont = Bold;
                Measured.clear();
            }
            const auto Known = Remember ? Measured.constFind(Plain) : Measured.cend();
            if (Known != Measured.cend()) {
                Need = *Known;
                ++Hits;
            } else {
                Need = PlainTextWidth(C, Plain, FMultilineCells, StripProtocol);
                if (Remember) Measured.insert(Plain, Need);
            }
            if (Remember && ++Lookups == 1024 && Hits < 256) {
                Remember = false;
                Measured.clear();
            }
        } else {
            TPoint Text;
            CalcCellTextExtent(rc, ACol, Text, false, false, r);
            PreparedFont = -1;
            Need = GraphicWidth + Text.X;
        }
        if (!G || G->CellHAlign() != haFull) {
            if (ComboRoom && HasComboBox(ACol, r)) Need += 16;
            if (FilterRoom && r == FFilterRow) Need += 12;
            if (SortColumn && IsSortIndicatorRow(ACol, r)) Need += 10;
        }
        Largest = std::max(Largest, Need);
    }
    int32_t Width = Largest + TotalXOffset() + 2 * lw + 2;
    if (GrowOnly && ColWidths(ACol) >= Width) return;
    UpdateAutoColumnSize(ACol, Width);
    SetColWidths(ACol, std::max(0, ClampToLimits(Width, FMinColWidth, FMaxColWidth)));
}

void TExtStringGrid::AutoSizeCol(int32_t ACol, int32_t Padding)
{
    if (ACol < 0 || ACol >= ColCount()) return;
    SizeColToContent(ACol, FSizeGrowOnly);
    if (Padding != 0) SetColWidths(ACol, std::max(0, ClampToLimits(ColWidths(ACol) + Padding, FMinColWidth, FMaxColWidth)));
}

void TExtStringGrid::AutoSizeColumns(bool DoFixedCols, int32_t Padding)
{
    const int32_t First = DoFixedCols ? 0 : FixedCols();
    const int32_t Last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    for (int32_t c = First; c <= Last; ++c) AutoSizeCol(c, Padding);
}

// ---------------------------------------------------------------------------------------------
// Rows
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SizeRowToContent(int32_t ARow, bool GrowOnly, int32_t Padding)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    TCanvas* C = Canvas();
    int32_t Largest = 0;
    for (int32_t col = 0; col < ColCount(); ++col) {
        if (IsYMergedCell(col, ARow)) continue;
        const int32_t rc = RealColIndex(col);
        if (IsIgnoredColumn(rc)) continue;
        const bool Fixed = ARow < FixedRows() || col < FixedCols();
        C->Font()->Assign(Fixed ? FFixedFont.get() : Font());
        GetCellColor(col, ARow, Fixed ? TGridDrawState{gdFixed} : TGridDrawState{}, C->Brush(), C->Font());
        C->Font()->SetSize(C->Font()->Size() + FZoomFactor);
        TPoint Text;
        GetCellTextSize(rc, ARow, Text, false, WordWrap());
        int32_t t = Text.Y;
        int32_t g = GetCellGraphicExtent(rc, ARow, Padding).Y;
        const TCellGraphic* G = GetCellGraphic(rc, ARow);
        if (G) {
            if (G->CellVAlign() == vaFull) g = t != 0 ? 0 : DefaultRowHeight();
            if ((G->CellType() == ctDataCheckBox || G->CellType() == ctVirtCheckBox) && g > 0) t = 0;
        }
        int32_t Need = t + g;
        if (IsMergedNonBaseCell(col, ARow)) Need = 0;
        if (G && (G->CellType() == ctCheckBox || G->CellType() == ctDataCheckBox ||
                  G->CellType() == ctVirtCheckBox || G->CellType() == ctRadioButton))
            Need = DefaultRowHeight();
        Largest = std::max(Largest, Need);
    }
    const int32_t Height = Largest + TotalYOffset() + 2 * GridLineWidth() + (FXYOffsetTopLeftOnly ? 2 : 0);
    if (GrowOnly && RowHeights(ARow) >= Height) return;
    SetRowHeights(ARow, std::max(0, ClampToLimits(Height, FMinRowHeight, FMaxRowHeight)));
}

void TExtStringGrid::SizeRowToLines(int32_t ARow, int32_t Lines, int32_t Padding)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    TCanvas* C = Canvas();
    C->Font()->Assign(Font());
    GetCellColor(FixedCols(), ARow, {}, C->Brush(), C->Font());
    const int32_t h = C->TextHeight(QStringLiteral("gh"));
    SetRowHeights(ARow, std::max(0, ClampToLimits(Padding + Lines * (h + h / 8), FMinRowHeight, FMaxRowHeight)));
}

int32_t TExtStringGrid::MaxLinesInRow(int32_t ARow)
{
    if (ColCount() == 0 || !FMultilineCells) return 1;
    int32_t Lines = 1;
    for (int32_t c = 0; c < ColCount(); ++c)
        Lines = std::max(Lines, static_cast<int32_t>(GetCellEx(RealColIndex(c), ARow).count(QLatin1Char('\r'))) + 1);
    return Lines;
}

void TExtStringGrid::AutoSizeRow(int32_t ARow, int32_t Padding)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    SizeRowToContent(ARow, FSizeGrowOnly, Padding);
    if (Padding != 0)
        SetRowHeights(ARow, std::max(0, ClampToLimits(RowHeights(ARow) + Padding, FMinRowHeight, FMaxRowHeight)));
}

void TExtStringGrid::AutoSizeRows(bool DoFixedRows, int32_t Padding)
{
    if (RowCount() == 0) return;
    const int32_t First = DoFixedRows ? 0 : FixedRows();
    ExportNotification(esExportStart, First);
    for (int32_t r = First; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        if (WordWrap()) {
            AutoSizeRow(r, 0);
            if (Padding != 0)
                SetRowHeights(r, std::max(0, ClampToLimits(RowHeights(r) + Padding, FMinRowHeight, FMaxRowHeight)));
        } else {
            SizeRowToLines(r, MaxLinesInRow(r), Padding);
        }
    }
    ApplyScrollBarAlways(true);
    ExportNotification(esExportDone, -1);
}

void TExtStringGrid::AutoSizeCells(bool DoFixedCells, int32_t PaddingX, int32_t PaddingY)
{
    BeginUpdate();
    try {
        TCanvas* C = Canvas();
        for (int32_t col = DoFixedCells ? 0 : FixedCols(); col < ColCount(); ++col) {
            const int32_t rc = RealColIndex(col);
            int32_t Running = FSizeGrowOnly ? ColWidths(col) : 0;
            for (int32_t r = DoFixedCells ? 0 : FixedRows(); r < RowCount(); ++r) {
                const bool Fixed = r < FixedRows() || col < FixedCols();
                C->Font()->Assign(Fixed ? FFixedFont.get() : Font());
                GetCellColor(col, r, Fixed ? TGridDrawState{gdFixed} : TGridDrawState{}, C->Brush(), C->Font());
                TPoint Text;
                GetCellTextSize(rc, r, Text, false, false);
                const TPoint Graphic = GetCellGraphic(rc, r) ? GetCellGraphicSize(rc, r) : TPoint{};
                const int32_t w = Text.X + Graphic.X + PaddingX + FXYOffset.X;
                const int32_t h = Text.Y + Graphic.Y + PaddingY + FXYOffset.Y;
                if (!IsXMergedCell(col, r) && w > Running) {
                    const int32_t Clamped = ClampToLimits(w, FMinColWidth, FMaxColWidth);
                    if (Clamped > Running) {
                        SetColWidths(col, Clamped);
                        Running = Clamped;
                    }
                }
                if (!IsYMergedCell(col, r) && h > RowHeights(r)) {
                    const int32_t Clamped = ClampToLimits(h, FMinRowHeight, FMaxRowHeight);
                    if (Clamped > RowHeights(r)) SetRowHeights(r, Clamped);
                }
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// ---------------------------------------------------------------------------------------------
// Fitting
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AutoFitColumns(bool DoFixedCells)
{
    if (ColCount() == 0) return;
    const bool VertBar = FScrollBarAlways == saVert ||
                         (FScrollBars != ssNone && VisibleRowCount() + FixedRows() < RowCount());
    const int32_t sb = VertBar ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int32_t Border = BorderStyle() == bsSingle ? (Ctl3D() ? 4 : 2) : 0;
    if (ColCount() <= 1) {
        SetColWidths(0, std::max(0, Width() - sb - 5));
        return;
    }
    int32_t First = 0, Last = ColCount() - 1, W = Width();
    if (!DoFixedCells) {
        First = FixedCols();
        Last = ColCount() - FFixedRightCols - 1;
        for (int32_t c = 0; c < ColCount(); ++c)
            if (c < First || c > Last) W -= ColWidths(c);
    }
    const int32_t n = Last - First + 1;
    if (n <= 0) return;
    int32_t Lines = Options().Contains(goVertLine) ? GridLineWidth() * (ColCount() - FixedCols() - FFixedRightCols) : 0;
    if (Options().Contains(goFixedVertLine) && DoFixedCells) Lines += FixedCols() + FFixedRightCols;

    // Widths summing to 0 share the room equally.
    std::vector<int32_t> Weights;
    int64_t S = 0;
    for (int32_t c = First; c <= Last; ++c) S += ColWidths(c);
    const bool Equal = S == 0;
    for (int32_t c = First; c <= Last; ++c) Weights.push_back(Equal ? 1 : ColWidths(c));
    if (Equal) S = n;
    if (!Equal && S == W - sb - Border) return;

    const long double e = static_cast<long double>(W - sb - Border - Lines) / S;
    int64_t T = 0;
    for (const int32_t w : Weights) T += RoundEven(w * e);
    for (int32_t c = First; c <= Last; ++c)
        SetColWidths(c, std::max(0, RoundEven(static_cast<long double>(Weights[static_cast<size_t>(c - First)]) * T / S)));

    int32_t Sum = 0;
    for (int32_t c = First; c <= Last; ++c) Sum += ColWidths(c);
    int32_t Rest = W - (Sum + sb + Border);
    if (n > 1 && Rest > n) {
        for (int32_t c = First; c <= Last; ++c) SetColWidths(c, ColWidths(c) + Rest / n);
        Rest %= n;
    }
    int32_t Widest = First;
    for (int32_t c = First + 1; c <= Last; ++c)
        if (ColWidths(c) > ColWidths(Widest)) Widest = c;
    SetColWidths(Widest, std::max(0, ColWidths(Widest) + Rest));
}

void TExtStringGrid::SizeToCols()
{
    int32_t Sum = 0;
    for (int32_t c = 0; c < ColCount(); ++c) Sum += ColWidths(c);
    SetClientWidth(Sum);
}

void TExtStringGrid::SizeToRows()
{
    int32_t Sum = 0;
    for (int32_t r = 0; r < RowCount(); ++r) Sum += RowHeights(r);
    SetClientHeight(Sum);
}

void TExtStringGrid::SizeToCells()
{
    const TScrollStyle Old = FScrollBars;
    SetScrollBars(ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(Old);
}

// ---------------------------------------------------------------------------------------------
// Numbering
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AutoNumberCol(int32_t ACol)
{
    if (RowCount() <= 0) return;
    const int32_t First = FixedRows() + FAutoNumberStart;
    const int32_t Last = RowCount() - FFixedFooters - 1;
    for (int32_t a = First; a <= Last; ++a) {
        const int32_t Target = FAutoNumberDirection == sdAscending ? a : FixedRows() + Last - a;
        SetInts(ACol, Target, a - FixedRows() + 1 + FAutoNumberOffset);
    }
}

void TExtStringGrid::AutoNumberRow(int32_t ARow)
{
    if (ColCount() <= 0) return;
    const int32_t First = FixedCols() + FAutoNumberStart;
    const int32_t Last = ColCount() - FFixedRightCols - 1;
    for (int32_t a = First; a <= Last; ++a) {
        const int32_t Target = FAutoNumberDirection == sdAscending ? a : FixedCols() + Last - a;
        SetInts(Target, ARow, a - FixedCols() + 1 + FAutoNumberOffset);
    }
}

// ---------------------------------------------------------------------------------------------
// Swaps
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SwapCells(TPoint FromCell, TPoint ToCell)
{
    const QString Text = GetGridCell(FromCell.X, FromCell.Y);
    TObject* Object = GetGridObject(FromCell.X, FromCell.Y);
    SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
    SetObjects(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
    SetGridCell(ToCell.X, ToCell.Y, Text);
    SetObjects(ToCell.X, ToCell.Y, Object);
    RepaintCell(FromCell.X, FromCell.Y);
    RepaintCell(ToCell.X, ToCell.Y);
}

void TExtStringGrid::SwapColumns(int32_t ACol1, int32_t ACol2)
{
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= ColCount() || ACol2 >= ColCount()) return;
    // Displayed columns, exchanged where the store keeps them; hidden columns stay where they are.
    const int32_t c1 = RealColIndex(ACol1);
    const int32_t c2 = RealColIndex(ACol2);
    for (int32_t r = 0; r < RowCount(); ++r) {
        const QString Text = GetGridCell(c1, r);
        TObject* Object = GetGridObject(c1, r);
        SetGridCell(c1, r, GetGridCell(c2, r));
        SetObjects(c1, r, GetGridObject(c2, r));
        SetGridCell(c2, r, Text);
        SetObjects(c2, r, Object);
    }
    // Rows parked while hidden keep their cells in the same column order.
    for (int32_t i = 0; i < NumHiddenRows(); ++i) {
        TStrings* Parked = FGridItems->Items(i)->Items();
        if (c1 < Parked->Count() && c2 < Parked->Count()) Parked->Exchange(c1, c2);
    }
    const int32_t W1 = ColWidths(ACol1);
    SetColWidths(ACol1, ColWidths(ACol2));
    SetColWidths(ACol2, W1);
    if (FSortSettings) {
        if (FSortSettings->Column() == ACol1)
            FSortSettings->SetColumn(ACol2);
        else if (FSortSettings->Column() == ACol2)
            FSortSettings->SetColumn(ACol1);
    }
    if (FControlList) {
        for (int32_t i = 0; i < FControlList->Count(); ++i) {
            TControlItem* Item = FControlList->GetControl(i);
            if (Item->X() == ACol1)
                Item->SetX(ACol2);
            else if (Item->X() == ACol2)
                Item->SetX(ACol1);
        }
    }
    CellControlsUpdate(false);
    InvalidateCol(ACol1);
    InvalidateCol(ACol2);
}

void TExtStringGrid::SwapRows(int32_t ARow1, int32_t ARow2)
{
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
    for (int32_t c = 0; c < TotalColCount(); ++c) {
        const QString Text = GetGridCell(c, ARow1);
        TObject* Object = GetGridObject(c, ARow1);
        SetGridCell(c, ARow1, GetGridCell(c, ARow2));
        SetObjects(c, ARow1, GetGridObject(c, ARow2));
        SetGridCell(c, ARow2, Text);
        SetObjects(c, ARow2, Object);
    }
    const int32_t H1 = RowHeights(ARow1);
    SetRowHeights(ARow1, RowHeights(ARow2));
    SetRowHeights(ARow2, H1);
    if (FControlList) {
        for (int32_t i = 0; i < FControlList->Count(); ++i) {
            TControlItem* Item = FControlList->GetControl(i);
            if (Item->Y() == ARow1)
                Item->SetY(ARow2);
            else if (Item->Y() == ARow2)
                Item->SetY(ARow1);
        }
    }
    CellControlsUpdate(false);
    InvalidateRow(ARow1);
    InvalidateRow(ARow2);
}
