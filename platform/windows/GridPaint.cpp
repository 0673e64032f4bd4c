// TCustomGrid: painting the cells shown through DrawCell, the grid lines, the focus rectangle and the lines of sizing and moving.
#include "windows/Grids.h"

#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"

#include <algorithm>

namespace {

// Grid lines between normal cells, and between fixed cells.
constexpr TColor NormalLineColor = clSilver;
constexpr TColor FixedLineColor = clBlack;

// The cells of one axis that show, with where each starts: fixed ones, then scrolling ones from the first shown.
struct TAxisCells {
    std::vector<int32_t> Index;
    std::vector<int32_t> Start;
};

TAxisCells ShownCells(const TGridAxisDrawInfo& Axis)
{
    TAxisCells Cells;
    int32_t Pos = 0;
    const auto Add = [&](int32_t I) {
        Cells.Index.push_back(I);
        Cells.Start.push_back(Pos);
        Pos += Axis.GetExtent(I) + Axis.EffectiveLineWidth;
    };
    for (int32_t I = 0; I < Axis.FixedCellCount && I < Axis.GridCellCount && Pos < Axis.GridExtent; ++I) Add(I);
    Pos = Axis.FixedBoundary;
    for (int32_t I = Axis.FirstGridCell; I < Axis.GridCellCount && Pos < Axis.GridExtent; ++I) Add(I);
    return Cells;
}

}  // namespace

void TCustomGrid::Paint()
{
    TCanvas* DC = Canvas();
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    const TRect Client = ClientRect();
    const TRect Clip = DC->ClipRect();
    const TAxisCells Cols = ShownCells(DrawInfo.Horz);
    const TAxisCells Rows = ShownCells(DrawInfo.Vert);
    FShownLastCol = Cols.Index.empty() ? -1 : Cols.Index.back();
    FShownLastRow = Rows.Index.empty() ? -1 : Rows.Index.back();
    const TGridRect Sel = Selection();
    if (FDefaultDrawing) DC->Font()->Assign(Font());
    const bool Focused = IsActiveControl();
    const bool EditorShown = FEditorMode && FInplaceEdit && FInplaceEdit->EditorVisible();
    const int32_t VertLine = DrawInfo.Horz.EffectiveLineWidth;
    const int32_t HorzLine = DrawInfo.Vert.EffectiveLineWidth;

    for (size_t R = 0; R < Rows.Index.size(); ++R) {
        const int32_t ARow = Rows.Index[R];
        const int32_t Top = Rows.Start[R];
        const int32_t Bottom = Top + FRowHeights.Get(ARow);
        if (Top >= Clip.Bottom || Bottom + HorzLine <= Clip.Top) continue;
        for (size_t C = 0; C < Cols.Index.size(); ++C) {
            const int32_t ACol = Cols.Index[C];
            const int32_t Left = Cols.Start[C];
            const int32_t Right = Left + FColWidths.Get(ACol);
            if (Left >= Clip.Right || Right + VertLine <= Clip.Left) continue;
            const TRect Where{Left, Top, Right, Bottom};
            const bool Fixed = ACol < FFixedCols || ARow < FFixedRows;
            TGridDrawState State;
            if (Fixed) State.Include(gdFixed);
            const bool Current = ACol == FCurrent.X && ARow == FCurrent.Y;
            if (Current && Focused) State.Include(gdFocused);
            const bool InSel = ACol >= Sel.Left && ACol <= Sel.Right && ARow >= Sel.Top && ARow <= Sel.Bottom;
            if (!Fixed && InSel &&
                !(Current && Focused && !FOptions.Contains(goDrawFocusSelected) && !FOptions.Contains(goRowSelect)))
                State.Include(gdSelected);
            if (FDefaultDrawing) {
                DC->Brush()->SetStyle(bsSolid);
                const bool Highlight = !Fixed && State.Contains(gdSelected);
                DC->Brush()->SetColor(Fixed ? FFixedColor : Highlight ? clHighlight : Color());
                DC->Font()->SetColor(Highlight ? clHighlightText : Font()->Color());
                DC->FillRect(Where);
            }
            // The cell draws itself; a cell under the shown editor is left to it.
            if (!(Current && EditorShown)) DrawCell(ACol, ARow, Where, State);
            if (FDefaultDrawing && Fixed && Ctl3D() && HorzLine > 0 && VertLine > 0) {
                TRect Edge = Where;
                DrawEdge(DC, Edge, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
                DrawEdge(DC, Edge, BDR_RAISEDINNER, BF_TOPLEFT);
            }
            if (FDefaultDrawing && State.Contains(gdFocused) && !FOptions.Contains(goRowSelect) && !EditorShown)
                DC->DrawFocusRect(Where);
            // The lines right of and below the cell.
            DC->Brush()->SetStyle(bsSolid);
            const bool FixedCol = ACol < FFixedCols;
            const bool FixedRow = ARow < FFixedRows;
            if (VertLine > 0 &&
                (FixedCol || FixedRow ? FOptions.Contains(goFixedVertLine) : FOptions.Contains(goVertLine))) {
                DC->Brush()->SetColor(Fixed ? FixedLineColor : NormalLineColor);
                DC->FillRect({Right, Top, Right + VertLine, Bottom + HorzLine});
            }
            if (HorzLine > 0 &&
                (FixedCol || FixedRow ? FOptions.Contains(goFixedHorzLine) : FOptions.Contains(goHorzLine))) {
                DC->Brush()->SetColor(Fixed ? FixedLineColor : NormalLineColor);
                DC->FillRect({Left, Bottom, Right + VertLine, Bottom + HorzLine});
            }
        }
    }
    // A focus rectangle round the current row.
    if (FDefaultDrawing && Focused && FOptions.Contains(goRowSelect) && FCurrent.Y >= FFixedRows) {
        const TRect Box = BoxRect(FFixedCols, FCurrent.Y, FColCount - 1, FCurrent.Y);
        if (Box.Width() > 0) DC->DrawFocusRect({Box.Left, Box.Top, Box.Right - VertLine, Box.Bottom - HorzLine});
    }
    // The rest of the client area.
    DC->Brush()->SetStyle(bsSolid);
    DC->Brush()->SetColor(Color());
    if (DrawInfo.Horz.GridBoundary < Client.Right)
        DC->FillRect({DrawInfo.Horz.GridBoundary, 0, Client.Right, Client.Bottom});
    if (DrawInfo.Vert.GridBoundary < Client.Bottom)
        DC->FillRect({0, DrawInfo.Vert.GridBoundary, DrawInfo.Horz.GridBoundary, Client.Bottom});
    // The line of a sizing or a move in progress, inverted over the cells.
    if (FSizingLineShown) {
        if (FGridState == gsColSizing)
            PatBlt(DC, FSizingLinePos, 0, std::max(FGridLineWidth, 1), DrawInfo.Vert.GridBoundary, DSTINVERT);
        else if (FGridState == gsRowSizing)
            PatBlt(DC, 0, FSizingLinePos, DrawInfo.Horz.GridBoundary, std::max(FGridLineWidth, 1), DSTINVERT);
    }
    if (FMoveLineShown) {
        if (FGridState == gsColMoving)
            PatBlt(DC, FMoveLinePos - 1, 0, 3, DrawInfo.Vert.GridBoundary, DSTINVERT);
        else if (FGridState == gsRowMoving)
            PatBlt(DC, 0, FMoveLinePos - 1, DrawInfo.Horz.GridBoundary, 3, DSTINVERT);
    }
}
