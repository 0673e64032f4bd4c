// The node glyph of an outline row: the short tree lines beside it and the expand/contract glyph.
#include "grid/base/ExtUtil.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/view/CellPaint.h"
#include "grid/view/GridGlyphs.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Gdi.h"

#include <algorithm>

void TExtStringGrid::DrawNodeGlyph(TCellPaint& P, TRect R)
{
    TCanvas* C = P.Canvas;
    const TCellNode* Node = FCellNode.get();
    const int32_t Indent = Node->NodeIndent();
    const int32_t Base = R.Left;
    const int32_t Level = GetNodeIndent(P.ARow);
    R.Left = Base + Level - Indent;

    if (Node->ShowTree() && P.ARow >= FixedRows()) {
        C->Pen()->SetStyle(psSolid);
        C->Pen()->SetWidth(1);
        C->Pen()->SetColor(Node->TreeColor());
        const int32_t X = R.Left + Indent / 2 + 2;
        const int32_t Next = P.ARow + 1;
        if (Next < RowCount() && GetNodeIndent(Next) > 0 && !(GetNodeState(P.ARow) && GetNodeIndent(Next) < Level)) {
            C->MoveTo(X, R.Top + R.Height() / 2);
            C->LineTo(X, R.Bottom + 1);
        }
        if (P.ARow > 0 && GetNodeIndent(P.ARow - 1) >= Level) {
            C->MoveTo(X, R.Top);
            C->LineTo(X, R.Top + 6);
        }
    }
    // Fixed cells of the edged looks keep their white left edge free.
    const bool Edged = Look() == glSoft || Look() == glVyx || Look() == glXP || Look() == glListView;
    R.Left = Base + Level - Indent / 2 - 4 + (P.RCol < FixedCols() && !Flat() && Edged ? 1 : 0);

    TColor Background = C->Brush()->Color();
    if (Background == clNone) Background = P.RCol < FixedCols() ? FixedColor() : Color();
    if (ShowSelection()) {
        const bool Disjunct = FMouseActions->DisjunctRowSelect();
        if ((!Disjunct && P.State.Contains(gdSelected)) ||
            (Disjunct && Options().Contains(goRowSelect) && RowSelect(P.DataRow) && P.RCol >= FixedCols()))
            Background = SelectionColor();
    }

    const bool Contracted = P.Graphic.Graphic->CellBoolean();
    const int32_t H = R.Height();
    const auto Centred = [&](TBitmap* Glyph, int32_t X, int32_t Height) {
        DrawBitmapOnColor(C, Glyph, Background, Bounds(X, R.Top + (H - Height) / 2, Glyph->Width(), Glyph->Height()));
    };
    const ExtGrid::TNodeType Type = Node->NodeType();
    switch (Type) {
    case cnLeaf:
        Centred(GridGlyph(Contracted ? QStringLiteral("ESGLEAFCLOSE") : QStringLiteral("ESGLEAFOPEN")), R.Left, 12);
        return;
    case cnXP:
        Centred(GridGlyph(Contracted ? QStringLiteral("XPNODEC") : QStringLiteral("XPNODEO")), R.Left + 4, 10);
        return;
    case cnGlyph: {
        TBitmap* Glyph = Contracted ? Node->ContractGlyph() : Node->ExpandGlyph();
        const bool Both = Node->ContractGlyph() && !Node->ContractGlyph()->Empty() && Node->ExpandGlyph() &&
                          !Node->ExpandGlyph()->Empty();
        if (Both) {
            Centred(Glyph, R.Left, Glyph->Height());
            return;
        }
        break;
    }
    default: break;
    }

    const TRect Box = Bounds(R.Left + 4, R.Top + std::max(0, H - 8) / 2, 8, 8);
    C->Brush()->SetStyle(bsSolid);
    if (Type == cn3D) {
        // A raised square around the box.
        const TRect Frame = Bounds(Box.Left - 2, Box.Top - 2, 12, 12);
        FillRectColor(C, Frame, Node->Color());
        C->Pen()->SetColor(clWhite);
        C->Polyline({Point(Frame.Left, Frame.Bottom - 1), Point(Frame.Left, Frame.Top), Point(Frame.Right, Frame.Top)});
        C->Pen()->SetColor(static_cast<TColor>(0x808080));
        C->Polyline({Point(Frame.Right - 1, Frame.Top + 1), Point(Frame.Right - 1, Frame.Bottom - 1),
                     Point(Frame.Left, Frame.Bottom - 1)});
    }
    C->Brush()->SetColor(Node->Color());
    if (Type == cnFlat) {
        C->Pen()->SetColor(Node->NodeColor());
        C->Rectangle(Box);
        C->MoveTo(Box.Left + 2, Box.Top + 4);
        C->LineTo(Box.Left + 7, Box.Top + 4);
        if (Contracted) {
            C->MoveTo(Box.Left + 4, Box.Top + 2);
            C->LineTo(Box.Left + 4, Box.Top + 7);
        }
        return;
    }
    C->FillRect(Box);
    TRect Edge = Box;
    DrawEdge(C->Handle(), Edge, Contracted ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT | BF_SOFT);
}
