// Fixed-cell looks and edges, the row indicator, the modified-row marker, always-visible editor
// buttons, the cell scroll bar and the design-time column numbers.
#include "grid/core/ExtGrid.h"
#include "grid/view/CellPaint.h"

#include "grid/base/GridSettings.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SortSettings.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "windows/ComCtrls.h"

namespace {

void Line(TCanvas* C, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2)
{
    C->MoveTo(X1, Y1);
    C->LineTo(X2, Y2);
}

// One-pixel lines just outside the cell's rectangle.
void OutsideLines(TCanvas* C, const TRect& R, TColor Color, bool Horz, bool Vert)
{
    C->Pen()->SetColor(Color);
    C->Pen()->SetWidth(1);
    if (Horz) {
        Line(C, R.Left - 1, R.Top - 1, R.Right + 1, R.Top - 1);
        Line(C, R.Left - 1, R.Bottom + 1, R.Right + 1, R.Bottom + 1);
    }
    if (Vert) {
        Line(C, R.Left - 1, R.Top - 1, R.Left - 1, R.Bottom + 1);
        Line(C, R.Right + 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
    }
}

}  // namespace

bool TExtStringGrid::IsHoverFixedCell(int32_t ACol, int32_t ARow)
{
    bool Covered = false;
    switch (FHoverFixedCells) {
    case hfNone: break;
    case hfAll: Covered = true; break;
    case hfFixedRows: Covered = ARow < FixedRows(); break;
    case hfFixedColumns: Covered = ACol < FixedCols(); break;
    }
    if (!Covered || Designing()) return false;
    if (FGridState == gsColMoving) return FMoveIndex >= 0 && FMoveIndex == ACol;
    return FHoverFixedX == ACol && FHoverFixedY == ARow;
}

void TExtStringGrid::PaintCellScrollBar(TCellPaint& P)
{
    TScrollBar* Bar = FPaintScrollBar;
    if (!Bar) return;
    const TScrollProp Prop = GetScrollProp(P.RCol, P.ARow);
    const int32_t Position = GetScrollPosition(P.RCol, P.ARow);
    if (Prop.PageSize < Prop.Range) {
        Bar->SetParams(Position, 0, Prop.Range);
        Bar->SetPageSize(Prop.PageSize);
    } else {
        Bar->SetPosition(Position);
    }
    P.ScrollOffset = Bar->Position();
    Bar->SetHeight(P.R.Height());
    P.R.Right -= Bar->Width();
    Bar->PaintTo(P.Canvas->Handle(), P.R.Right, P.R.Top);
}

void TExtStringGrid::DrawFixedCellLook(TCellPaint& P)
{
    TCanvas* C = P.Canvas;
    TRect& R = P.R;
    const TColor Brush = C->Brush()->Color();
    if (IsHoverFixedCell(P.ACol, P.ARow)) {
        const bool DropButton = FControlLook->FixedDropDownButton() && CanShowFixedDropDown(P.RCol);
        const bool Held = FMouseDownMove || (FGridState == gsColMoving && FMoveIndex >= 0);
        const auto Hover = [&](const TRect& A) {
            DrawMirrorGradient(C, A, FVyxGradHoverFrom, FVyxGradHoverTo, FVyxGradHoverMirrorFrom,
                               FVyxGradHoverMirrorTo, true, FVyxGradHoverBorder, false, true);
        };
        const auto Down = [&](const TRect& A) {
            DrawMirrorGradient(C, A, FVyxGradDownFrom, FVyxGradDownTo, FVyxGradDownMirrorFrom, FVyxGradDownMirrorTo,
                               true, FVyxGradDownBorder, false, true);
        };
        ++R.Bottom;
        if (!Held) {
            Hover(R);
        } else if (DropButton) {
            const TRect Button = Rect(R.Right - 16, R.Top, R.Right, R.Bottom);
            const TRect Rest = Rect(R.Left, R.Top, R.Right - 16, R.Bottom);
            if (FDropDownDown) {
                Down(Button);
                Hover(Rest);
            } else {
                Down(Rest);
                Hover(Button);
            }
        } else {
            Down(R);
        }
        if (DropButton) {
            C->Pen()->SetColor(Held ? FVyxGradDownBorder : FVyxGradHoverBorder);
            Line(C, R.Right - 16, R.Top, R.Right - 16, R.Bottom);
            DrawDownTriangle(C, R.Right - 8, R.Top + 8, clBlack);
            R.Right -= 16;
        }
    } else if (FActiveCellShow && ((P.ARow == Row() && FixedCols() > 0 && P.ACol == FixedCols() - 1) ||
                                   (P.ACol == Col() && FixedRows() > 0 && P.ARow == FixedRows() - 1))) {
        DrawMirrorGradient(C, R, FActiveCellColor, FActiveCellColorTo, clNone, clNone, true, clNone, false, true);
    } else if (FSortSettings->Column() != -1 && FSortSettings->HeaderColor() != clNone &&
               P.RCol == FSortSettings->Column() && P.ARow == FixedRows() - 1 &&
               (P.ACol >= FixedCols() || FSortSettings->FixedCols())) {
        DrawMirrorGradient(C, R, FSortSettings->HeaderColor(), FSortSettings->HeaderColorTo(),
                           FSortSettings->HeaderMirrorColor(), FSortSettings->HeaderMirrorColorTo(), true, clNone,
                           false, true);
    } else if (!FFlat) {
        DrawMirrorGradient(C, R, Brush, P.ColorTo, P.MirrorColor, P.MirrorColorTo, true,
                           FLook == glVista ? clWhite : clNone, true, true);
    }
    C->Brush()->SetColor(Brush);
}

void TExtStringGrid::DrawRowIndicator(TCellPaint& P)
{
    TBitmap* Indicator = FRowIndicator.get();
    if (P.ACol != 0 || P.ARow != Row() || FixedCols() == 0 || !Indicator || Indicator->Empty() ||
        (RowCount() == FixedRows() && FFixedRowAlways))
        return;
    Indicator->SetTransparent(true);
    Indicator->SetTransparentMode(tmAuto);
    int32_t Y = P.R.Top;
    if (FVAlignment == vtaCenter) Y = P.R.Top + (P.R.Height() - Indicator->Height()) / 2;
    else if (FVAlignment == vtaBottom) Y = P.R.Bottom - Indicator->Height();
    P.Canvas->Draw(P.R.Left + 2, Y, Indicator);
    P.R.Left += Indicator->Width() + 2;
}

void TExtStringGrid::DrawListViewFixedCell(TCellPaint& P)
{
    // Without visual styles: a button face with a white frame.
    TCanvas* C = P.Canvas;
    const TColor Brush = C->Brush()->Color();
    C->Brush()->SetColor(clBtnFace);
    C->Pen()->SetColor(clWhite);
    C->Pen()->SetWidth(1);
    C->Rectangle(P.R);
    C->Brush()->SetColor(Brush);
}

void TExtStringGrid::DrawModifiedMarker(TCellPaint& P)
{
    if (P.ACol != 0 || !FShowModified->Enabled() || !RowModified(RealRowIndex(P.ARow))) return;
    TCanvas* C = P.Canvas;
    const TColor Brush = C->Brush()->Color();
    SetPenAndBrushColor(C, FShowModified->Color());
    C->Rectangle(P.R.Right - 4, P.R.Top, P.R.Right, P.R.Bottom);
    C->Brush()->SetColor(Brush);
}

void TExtStringGrid::DrawEditorButtons(TCellPaint& P)
{
    if (!FControlLook->DropDownAlwaysVisible() && !FControlLook->SpinButtonsAlwaysVisible()) return;
    // Header cells never take an editor, so they get no button either.
    if (IsFixedLookCell(P.ACol, P.ARow)) return;
    int32_t Look = FControlLook->FlatButton() ? blFlat : (FIsWinXP ? blThemed : blClassic);
    if (FFlat && FTones.Background.BrushColor != clNone) Look = blTones;
    const int32_t State = CanEdit(P.RCol, P.ARow) ? bstNormal : bstDisabled;
    TCanvas* C = P.Canvas;
    const TColor Brush = C->Brush()->Color();
    const TColor Pen = C->Pen()->Color();
    if (HasComboBox(P.RCol, P.ARow)) {
        DrawComboButton(C, Handle(), Rect(P.R.Left - 2, P.R.Top - 1, P.R.Right + 1, P.R.Bottom), Look, State, FTones);
        P.R.Right -= 16;
    }
    if (HasSpinEdit(P.RCol, P.ARow)) {
        DrawSpinButtons(C, Handle(), P.R, Look, State, FTones);
        P.R.Right -= 16;
    }
    C->Brush()->SetColor(Brush);
    C->Brush()->SetStyle(bsSolid);
    C->Pen()->SetColor(Pen);
}

void TExtStringGrid::DrawFixedCellEdges(TCellPaint& P)
{
    TCanvas* C = P.Canvas;
    const TRect& R = P.R;
    const TGridOptions Opts = Options();
    const TColor Dark = HalveColor(ColorToRGB(FixedColor()));
    C->Pen()->SetWidth(1);
    if (P.FixedLook && !FFlat) {
        if (FLook == glClassic) {
            TRect E = Rect(R.Left + 1, R.Top + 1, R.Right, R.Bottom + 1);
            TRect Edge = E;
            DrawEdge(C->Handle(), Edge, BDR_RAISEDINNER, BF_LEFT | BF_TOP);
            Edge = E;
            DrawEdge(C->Handle(), Edge, EDGE_RAISED, BF_RIGHT | BF_BOTTOM);
            C->Pen()->SetColor(clBlack);
            C->MoveTo(E.Right - 1, E.Top);
            C->LineTo(E.Right - 1, E.Bottom - 1);
            C->LineTo(E.Left - 1, E.Bottom - 1);
        } else if (FLook == glVyx || FLook == glXP) {
            const TRect E = Rect(R.Left, R.Top, R.Right, R.Bottom + 1);
            if (Opts.Contains(goFixedHorzLine)) {
                C->Pen()->SetColor(Dark);
                Line(C, E.Left, E.Bottom - 1, E.Right - 1, E.Bottom - 1);
                C->Pen()->SetColor(clWhite);
                C->MoveTo(E.Right - 2, E.Top + 1);
                C->LineTo(E.Left + 1, E.Top + 1);
                C->LineTo(E.Left + 1, E.Bottom - 1);
            }
        } else if (FLook == glSoft) {
            if (Ctl3D()) {
                const TRect E = Rect(R.Left, R.Top, R.Right + 1, R.Bottom + 1);
                if (Opts.Contains(goFixedHorzLine)) {
                    C->Pen()->SetColor(Dark);
                    Line(C, E.Left, E.Bottom - 1, E.Right - 1, E.Bottom - 1);
                    C->Pen()->SetColor(clWhite);
                    C->MoveTo(E.Right, E.Top + 1);
                    C->LineTo(E.Left + 1, E.Top + 1);
                    C->LineTo(E.Left + 1, E.Bottom - 1);
                }
                if (Opts.Contains(goFixedVertLine)) {
                    C->Pen()->SetColor(Dark);
                    Line(C, E.Right - 2, E.Top, E.Right - 2, E.Bottom - 1);
                    C->Pen()->SetColor(clWhite);
                    Line(C, E.Right - 1, E.Top, E.Right - 1, E.Bottom - 1);
                }
            } else {
                OutsideLines(C, R, clBlack, Opts.Contains(goFixedHorzLine), Opts.Contains(goFixedVertLine));
            }
        }
    }
    if (FFixedRightCols > 0 && P.RCol >= TotalColCount() - FFixedRightCols && FLook != glClassic && !Ctl3D())
        OutsideLines(C, R, FFlat ? TColor(0x808080) : clBlack, Opts.Contains(goFixedHorzLine),
                     Opts.Contains(goFixedVertLine));
}

void TExtStringGrid::DrawColumnNumber(TCellPaint& P)
{
    TCanvas* C = P.Canvas;
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetName(QString());
    C->Font()->SetSize(8);
    C->Font()->SetStyle({});
    C->Font()->SetColor(TColor(0x808080));
    TRect R = P.R;
    R.Right -= 2;
    DrawText(C->Handle(), QString::number(P.RCol), -1, R, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    C->Brush()->SetStyle(bsSolid);
}
