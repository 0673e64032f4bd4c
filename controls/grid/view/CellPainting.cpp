// Cell painting: the layers of one cell, in their order.
#include "grid/core/ExtGrid.h"
#include "grid/view/CellPaint.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"

void TExtStringGrid::DrawCellContent(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect,
                                     TGridDrawState AState)
{
    if (Ctl3D() == FFlat) SetCtl3D(!FFlat);

    TCellPaint P;
    P.Canvas = ACanvas;
    P.ACol = ACol;
    P.ARow = ARow;
    P.RCol = RealColIndex(ACol);
    P.DataRow = PaintDataRow(ARow, false);
    P.HasFilter = ARow == FFilterRow && GetColumnFilter(P.RCol);
    P.State = AState;
    P.Cell = ARect;
    P.R = ARect;

    if (HasScrollBar(P.RCol, ARow)) PaintCellScrollBar(P);

    TBrush* Brush = ACanvas->Brush();
    TFont* CellFont = ACanvas->Font();
    P.WW = FWordWrap;
    GetVisualProperties(ACol, ARow, P.State, false, false, true, Brush, P.ColorTo, P.MirrorColor, P.MirrorColorTo,
                        CellFont, P.HA, P.VA, P.WW, P.GD);

    GetCellGraphicLayout(P.RCol, ARow, P.Graphic);
    if (P.RCol == 0 && IsNode(ARow)) P.Graphic.Width = GetNodeLevel(ARow) * 12 + 4;

    if (P.State.Contains(gdSelected) && !P.State.Contains(gdFocused) && FSelectionColor == clNone)
        Brush->SetColor(clHighlight);

    if (FZoomFactor != 0) CellFont->SetSize(CellFont->Size() + FZoomFactor);
    P.OrgBrushColor = Brush->Color();
    P.OrgFontColor = CellFont->Color();

    P.FixedLook = IsFixedLookCell(ACol, ARow) && !(FHoverRow && ARow == FHoverRowIdx && FHoverRowCells.Contains(hcFixed));

    // The fixed looks and edges belong to the grid's own window: a panel that hands a cell to this
    // painter (the footer panel) has painted its background and lines already.
    const bool OwnCanvas = ACanvas == Canvas();

    // No platform style service here: fixed and selected cells keep the grid's own looks.
    if (OwnCanvas && P.FixedLook && (FLook == glVyx || FLook == glXP || FLook == glVista || FLook == glWin7 ||
                        FLook == glOffice2007))
        DrawFixedCellLook(P);

    DrawRowIndicator(P);
    if (OwnCanvas && P.FixedLook && FLook == glListView && !FFlat) DrawListViewFixedCell(P);
    DrawModifiedMarker(P);

    if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, ACanvas, P.RCol, ARow, P.State, P.R, false);

    DrawEditorButtons(P);

    // Text, with an interfaced graphic that asks to come first drawn before it.
    const int32_t RightBeforeText = P.R.Right;
    TCellGraphic* Graphic = P.Graphic.Graphic;
    if (Graphic && Graphic->CellType() == ctInterface) {
        auto* Drawer = dynamic_cast<IGridCellDrawer*>(Graphic->CellObject());
        if (Drawer && Drawer->DrawsBeforeText()) {
            TRect G = P.R;
            InflateRect(G, 1, 1);
            DrawCellGraphics(P, G, P.VA);
            P.GraphicDrawn = true;
        }
    }
    const bool UserDraws = (OnDrawCell || OnCustomCellDraw) && FNoDefaultDraw;
    if (!UserDraws && !(Graphic && FNoImageAndText)) {
        DrawCellText(P);
    }
    P.R.Right = RightBeforeText;

    Brush->SetColor(P.OrgBrushColor);
    CellFont->SetColor(P.OrgFontColor);

    TRect B = P.R;
    InflateRect(B, 1, 1);
    DrawCellBorders(ACanvas, P.RCol, ARow, B);

    if (OwnCanvas) DrawFixedCellEdges(P);

    if (P.RCol == 0 && ARow >= FixedRows() && HasNodes() && FCellNode->ShowTree()) DrawTreeLines(P);

    if (!P.GraphicDrawn) {
        TRect G = P.R;
        if (P.FixedLook) ++G.Top;
        DrawCellGraphics(P, G, P.VA);
        P.R = G;
    }

    if (OnDrawCell) {
        TRect Rect = P.R;
        --Rect.Left;
        --Rect.Top;
        Rect.Right -= FGridLineWidth;
        Rect.Bottom -= FGridLineWidth;
        OnDrawCell(this, P.RCol, ARow, Rect, P.State);
    }
    if (OnCustomCellDraw) OnCustomCellDraw(this, ACanvas, P.RCol, ARow, P.State, P.R, false);

    DrawCellFocusRect(P);
    if (Designing() && FShowColNrs && ARow == 0) DrawColumnNumber(P);

    Brush->SetStyle(bsSolid);
}
