// Cell graphics: layout, placement and drawing by cell type.
#include "grid/base/ExtUtil.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/core/ExtGrid.h"
#include "grid/view/CellPaint.h"
#include "grid/view/GridGlyphs.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Icon.h"
#include "graphics/ImageList.h"
#include "graphics/Picture.h"
#include "grid/base/FilePicture.h"
#include "grid/base/GridSupport.h"
#include "rtl/Exceptions.h"
#include "rtl/NumConv.h"

#include <algorithm>

namespace {

const TCellTypes CheckLikeTypes{ctCheckBox,    ctDataCheckBox, ctVirtCheckBox,
                                ctRowCheckBox, ctRadioButton,  ctTriStateCheckBox};

// The canvas's brush, pen and font colour, put back when the graphic is drawn.
class TToolsKeeper {
public:
    explicit TToolsKeeper(TCanvas* Canvas) : FCanvas(Canvas)
    {
        FBrush.Assign(Canvas->Brush());
        FPen.Assign(Canvas->Pen());
        FFontColor = Canvas->Font()->Color();
    }
    ~TToolsKeeper()
    {
        FCanvas->Brush()->Assign(&FBrush);
        FCanvas->Pen()->Assign(&FPen);
        FCanvas->Font()->SetColor(FFontColor);
    }
    TToolsKeeper(const TToolsKeeper&) = delete;
    TToolsKeeper& operator=(const TToolsKeeper&) = delete;

private:
    TCanvas* FCanvas;
    TBrush FBrush;
    TPen FPen;
    TColor FFontColor;
};

// The placement of the vertical text alignment for check-box-like graphics.
TCellVAlign ToCellVAlign(TVAlignment VA)
{
    switch (VA) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
    }
}

}  // namespace

double TExtStringGrid::CellNumber(int32_t ACol, int32_t ARow)
{
    try {
        return Floats(ACol, ARow);
    } catch (const Exception&) {
        return 0;
    }
}

void TExtStringGrid::GetCellGraphicLayout(int32_t ACol, int32_t ARow, TCellGraphicLayout& Layout)
{
    Layout = TCellGraphicLayout{};
    TCellGraphic* G = GetCellGraphic(ACol, ARow);
    if (!G) return;
    Layout.Graphic = G;
    Layout.HAlign = G->CellHAlign();
    Layout.VAlign = G->CellVAlign();
    TCustomImageList* Images = GetGridImages();
    const int32_t ImageW = Images ? Images->Width() : 0;
    const int32_t ImageH = Images ? Images->Height() : 0;
    const auto Size = [&](int32_t W, int32_t H, bool ShowText) {
        Layout.Width = W;
        Layout.Height = H;
        Layout.ShowText = ShowText;
    };
    switch (G->CellType()) {
    case ctBitmap:
        if (const TBitmap* Bmp = G->CellBitmap()) Size(Bmp->Width(), Bmp->Height(), true);
        break;
    case ctIcon:
        if (const TIcon* Icon = G->CellIcon()) Size(Icon->Width(), Icon->Height(), true);
        break;
    case ctImageList: Size(ImageW, ImageH, true); break;
    case ctDataImage: Size(ImageW, ImageH, false); break;
    case ctCheckBox:
    case ctTriStateCheckBox: Size(FControlLook->CheckSize(), FControlLook->CheckSize(), true); break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox: Size(FControlLook->CheckSize(), FControlLook->CheckSize(), false); break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress: Size(0, 0, false); break;
    case ctImages:
        if (const TIntList* List = G->CellImages()) {
            const int32_t N = List->Count();
            if (G->CellBoolean())
                Size(N * ImageW, ImageH, true);
            else
                Size(ImageW, N * ImageH, true);
        }
        break;
    case ctPicture:
    case ctFilePicture: {
        // The room inside the cell, so that the fitted picture stays in it.
        const TPoint Cell = CellSize(DisplColIndex(ACol), ARow);
        const TPoint Fitted = G->GetPictureSize(Cell.X - 1 - TotalXOffset(), Cell.Y - 1 - TotalYOffset(),
                                                !GetCellEx(ACol, ARow).isEmpty());
        Size(Fitted.X, Fitted.Y, true);
        break;
    }
    case ctButton:
    case ctBitButton: {
        const auto Packed = static_cast<uint32_t>(G->CellIndex());
        Size(static_cast<int32_t>(Packed & 0xFFFF), static_cast<int32_t>(Packed >> 16), true);
        break;
    }
    case ctProgressPie: Size(20, 20, true); break;
    case ctInterface:
        if (auto* Drawer = dynamic_cast<IGridCellDrawer*>(G->CellObject()))
            Size(Drawer->GetWidth(), Drawer->GetHeight(), true);
        break;
    case ctRadioButton: Size(FControlLook->RadioSize() + 4, FControlLook->RadioSize() + 4, true); break;
    case ctShape: {
        const int32_t Side = RowHeights(ARow) - 2 * FXYOffset.Y;
        Size(Side, Side, true);
        break;
    }
    case ctRating: Size(G->CellAngle() * 18, 16, false); break;
    default: break;
    }
}

void TExtStringGrid::DrawCellGraphics(TCellPaint& P, TRect& Rect, TVAlignment VA)
{
    TCellGraphic* Graphic = P.Graphic.Graphic;
    if (!Graphic) return;
    TCanvas* C = P.Canvas;
    const TToolsKeeper Keeper(C);
    const TCellType Type = Graphic->CellType();
    if (Type == ctNode) {
        DrawNodeGlyph(P, Rect);
        return;
    }
    if (Type == ctProgress || Type == ctRangeIndicator || Type == ctXPProgress) {
        DrawCellProgress(P, Graphic, Rect);
        return;
    }

    TRect R = Rect;
    InflateRect(R, -(FXYOffset.X - 1), -(FXYOffset.Y - 1));
    const int32_t W = R.Width();
    const int32_t H = R.Height();
    const int32_t w = P.Graphic.Width;
    const int32_t h = P.Graphic.Height;
    int32_t t = P.TextWidth;
    if (t > 0) t += 2;

    // Horizontal place by the graphic's own alignment.
    TRect G;
    switch (P.Graphic.HAlign) {
    case haLeft: G.Left = R.Left + 1; break;
    case haRight: G.Left = R.Right - 1 - w; break;
    case haCenter: G.Left = w < W ? R.Left + (W - w) / 2 : R.Left + 1; break;
    case haFull: G.Left = R.Left; break;
    case haBeforeText:
        if (P.HA == taRightJustify)
            G.Left = R.Right - t - w;
        else if (P.HA == taCenter)
            G.Left = R.Left + (W - t - w) / 2;
        else
            G.Left = R.Left + 1;
        G.Left = std::max(G.Left, R.Left + 1);
        break;
    case haAfterText:
        if (P.HA == taRightJustify)
            G.Left = R.Right - 1 - w;
        else if (P.HA == taCenter)
            G.Left = std::max(R.Left + t + (W - t - w) / 2, R.Left + 1);
        else
            G.Left = R.Left + t;
        break;
    }
    G.Right = P.Graphic.HAlign == haFull ? R.Right : G.Left + w;

    // Vertical place: check-box-like graphics follow a cell alignment of their own.
    TCellVAlign VAlign = P.Graphic.VAlign;
    if (CheckLikeTypes.Contains(Type) && VA != VAlignment()) VAlign = ToCellVAlign(VA);
    switch (VAlign) {
    case vaTop:
    case vaAboveText:
        G.Top = R.Top + 1;
        G.Bottom = G.Top + h;
        break;
    case vaBottom:
        G.Bottom = R.Bottom - 1;
        G.Top = G.Bottom - h;
        break;
    case vaCenter:
        G.Top = h < H ? R.Top + (H - h) / 2 : R.Top + 1;
        G.Bottom = G.Top + h;
        break;
    case vaUnderText:
        G.Bottom = R.Bottom;
        G.Top = G.Bottom - h;
        break;
    case vaFull:
        G.Top = R.Top;
        G.Bottom = R.Bottom;
        break;
    }

    // Check boxes and radio buttons stand by the cell's text alignment instead.
    if (CheckLikeTypes.Contains(Type)) {
        const bool DataBox = DataCheckBoxCellTypes.Contains(Type);
        if (P.HA == taRightJustify)
            G.Left = (DataBox ? R.Right : R.Right - t) - w - 1;
        else if (P.HA == taCenter)
            G.Left = DataBox || t < 1 ? R.Left + std::max(0, R.Right - w - R.Left) / 2
                                      : R.Left + std::max(0, R.Right - t - R.Left) / 2 - w;
        else
            G.Left = R.Left + 1;
        G.Left = std::max(G.Left, R.Left + 1);
        G.Right = G.Left + w;
    }

    const bool Selected = P.State.Contains(gdSelected);
    TCustomImageList* Images = GetGridImages();
    switch (Type) {
    case ctBitmap:
        if (TBitmap* Bmp = Graphic->CellBitmap()) {
            if (Graphic->CellTransparent())
                DrawTransparentGlyph(C, G.Left, G.Top, Bmp);
            else
                C->Draw(G.Left, G.Top, Bmp);
        }
        break;
    case ctIcon:
        if (TIcon* Icon = Graphic->CellIcon()) C->Draw(G.Left, G.Top, Icon);
        break;
    case ctImageList:
        if (Images) Images->Draw(C, G.Left, G.Top, Graphic->CellIndex());
        break;
    case ctDataImage:
        if (Images) {
            const int64_t Index =
                static_cast<int64_t>(RoundHalfEven(CellNumber(P.RCol, P.ARow))) + Graphic->CellIndex();
            if (Index >= 0 && Index < Images->Count()) Images->Draw(C, G.Left, G.Top, static_cast<int32_t>(Index));
        }
        break;
    case ctImages:
        if (const TIntList* List = Graphic->CellImages(); List && Images) {
            int32_t X = G.Left;
            int32_t Y = G.Top;
            for (int32_t i = 0; i < List->Count(); ++i) {
                Images->Draw(C, X, Y, List->GetInteger(i));
                if (Graphic->CellBoolean())
                    X += Images->Width();
                else
                    Y += Images->Height();
            }
        }
        break;
    case ctCheckBox:
    case ctRowCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctTriStateCheckBox: {
        bool Checked = Graphic->CellBoolean();
        if (Type == ctDataCheckBox || Type == ctVirtCheckBox)
            Checked = Cells(P.ACol, P.ARow) == CheckTrueOf(P.RCol, P.ARow);
        DrawCheckBox(G, Checked, Graphic->CellCheckBoxState(), Type == ctTriStateCheckBox, FControlLook->ControlStyle(),
                     Graphic->CellAngle() > 0, CanEdit(P.RCol, P.ARow));
        break;
    }
    case ctRadioButton: {
        const int32_t Size = FControlLook->RadioSize();
        const TRect Box = Bounds(G.Left + FXYOffset.X, G.Top, Size, Size);
        // One item, on by its index; the off item's index matches nothing.
        DrawRadioButton(C, Box, false, 1.0, FControlLook->ControlStyle(), P.ARow, P.ACol, Selected, nullptr,
                        !CanEdit(P.RCol, P.ARow), false, Graphic->CellBoolean() ? 0 : -2, 1);
        break;
    }
    case ctRadio:
        if (TStrings* Options = GetRadioStrings(P.RCol, P.ARow))
            DrawRadioButton(C, R, false, 1.0, FControlLook->ControlStyle(), P.ARow, P.ACol, Selected, Options,
                            !CanEdit(P.RCol, P.ARow), Graphic->CellBoolean(), Graphic->CellIndex(), Options->Count());
        break;
    case ctRotated: DrawRotatedCell(P, Graphic, R); break;
    case ctPicture:
        if (TPicture* Picture = Graphic->CellPicture(); Picture && Picture->Graphic()) {
            if (Graphic->CellAngle() != 0)
                C->StretchDraw(G, Picture->Graphic());
            else
                C->Draw(G.Left, G.Top, Picture->Graphic());
        }
        break;
    case ctFilePicture:
        if (TFilePicture* Picture = Graphic->CellFilePicture()) Picture->DrawPicture(C, G);
        break;
    case ctComment: {
        if (FControlLook->CommentColor() == clNone) break;
        const TColor Color = static_cast<TColor>(Graphic->CellAngle()) != clNone
                                 ? static_cast<TColor>(Graphic->CellIndex())
                                 : FControlLook->CommentColor();
        SetPenAndBrushColor(C, Color);
        C->Pen()->SetStyle(psSolid);
        C->Pen()->SetWidth(1);
        C->Brush()->SetStyle(bsSolid);
        C->Polygon(
            {Point(Rect.Right - 7, Rect.Top), Point(Rect.Right - 2, Rect.Top), Point(Rect.Right - 2, Rect.Top + 5)});
        break;
    }
    case ctButton:
    case ctBitButton:
    case ctExpand: DrawCellButton(P, Graphic, G, R); break;
    case ctProgressPie:
        DrawProgressPie(C, Bounds(G.Left, G.Top, 20, 20), Graphic->CellBitmapColor(), Graphic->CellAngle(), false);
        break;
    case ctInterface:
        if (auto* Drawer = dynamic_cast<IGridCellDrawer*>(Graphic->CellObject()))
            Drawer->Draw(C, ::Rect(R.Left - 1, R.Top - 1, R.Right, R.Bottom), P.RCol, P.ARow, Selected, this);
        break;
    case ctShape:
        DrawCellShape(C, G.Left, G.Top, w - 1, h - 1, static_cast<TCellShape>(Graphic->CellAngle()),
                      static_cast<TColor>(Graphic->CellIndex()), Graphic->CellBitmapColor());
        break;
    case ctRating: {
        const double v = static_cast<double>(RoundHalfEven(2 * CellNumber(P.RCol, P.ARow))) / 2;
        const auto Fill = static_cast<TColor>(Graphic->CellIndex());
        const TColor Empty = Graphic->CellBitmapColor();
        C->Pen()->SetStyle(psSolid);
        C->Pen()->SetWidth(1);
        C->Brush()->SetStyle(bsSolid);
        int32_t X = G.Left;
        for (int32_t i = 0; i < Graphic->CellAngle(); ++i) {
            const TColor Star = i + 1 > v ? Empty : Fill;
            DrawCellShape(C, X, G.Top, 16, 16, csStar, Star, Star);
            if (i < v && v < i + 1) DrawCellShape(C, X, G.Top, 16, 16, csHalfStar, Fill, Fill);
            X += 18;
        }
        break;
    }
    default: break;
    }
}
