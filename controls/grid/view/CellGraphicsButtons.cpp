// Buttons in cells: push buttons, bitmap buttons and the expand chevron.
#include "grid/base/ExtUtil.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/core/ExtGrid.h"
#include "grid/view/CellPaint.h"
#include "grid/view/GridGlyphs.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"

void TExtStringGrid::DrawCellButton(TCellPaint& P, TCellGraphic* Graphic, TRect G, const TRect& R)
{
    TCanvas* C = P.Canvas;
    const TCellType Type = Graphic->CellType();
    if (Type == ctExpand) G = ::Rect(R.Right - 13, R.Top, R.Right, R.Top + 13);
    // The button's offset in its cell, kept for hit testing: x in the low 16 bits, y in the high.
    const TRect Cell = TBaseGrid::CellRect(P.ACol, P.ARow);
    const uint32_t DX = static_cast<uint32_t>(G.Left - Cell.Left) & 0xFFFF;
    const uint32_t DY = static_cast<uint32_t>(G.Top - Cell.Top) & 0xFFFF;
    Graphic->SetCellValue(static_cast<double>(DX | DY << 16));

    int32_t ButtonLook = FControlLook->FlatButton() ? blFlat : IsWinXP() ? blThemed : blClassic;
    const bool Tones = Flat() && FTones.Background.BrushColor != clNone;
    if (Tones) ButtonLook = blTones;
    int32_t State = bstNormal;
    if (Graphic->CellBoolean())
        State = bstDown;
    else if (FHoverButton.X == P.ACol && FHoverButton.Y == P.ARow)
        State = bstHot;
    if (Type != ctExpand && !FControlLook->NoDisabledButtonLook() && !CanEdit(P.RCol, P.ARow)) State = bstDisabled;
    DrawPushButtonFace(C, Handle(), G, ButtonLook, State, FTones);
    const int32_t Shift = State == bstDown ? 1 : 0;
    OffsetRect(G, Shift, Shift);

    if (Type == ctExpand) {
        const int32_t Right = R.Right + Shift;
        const int32_t Top = R.Top + Shift;
        C->Pen()->SetStyle(psSolid);
        C->Pen()->SetWidth(1);
        C->Pen()->SetColor(clBlack);
        if (!Graphic->CellVar().toBool())
            C->Polyline({Point(Right - 10, Top + 5), Point(Right - 7, Top + 8), Point(Right - 3, Top + 4)});
        else
            C->Polyline({Point(Right - 10, Top + 8), Point(Right - 7, Top + 5), Point(Right - 3, Top + 9)});
        return;
    }

    const QString Caption = Graphic->CellText();
    if (Type == ctBitButton) {
        if (TBitmap* Glyph = Graphic->CellBitmap(); Glyph && !Glyph->Empty()) {
            int32_t Top = (G.Height() - Glyph->Height()) / 2;
            if (Top < 1) Top = 3;
            if (!Caption.isEmpty() || G.Width() < Glyph->Width()) {
                DrawTransparentGlyph(C, G.Left + 3, G.Top + Top, Glyph);
                G.Left += Glyph->Width() + 4;
            } else {
                DrawTransparentGlyph(C, G.Left + (G.Width() - Glyph->Width()) / 2, G.Top + Top, Glyph);
            }
        }
    }
    if (Caption.isEmpty()) return;
    if (Tones) {
        const TColorTone* Tone = &FTones.Background;
        if (State == bstHot)
            Tone = &FTones.Hover;
        else if (State == bstDown)
            Tone = &FTones.Selected;
        else if (State == bstDisabled)
            Tone = &FTones.Disabled;
        C->Font()->SetColor(Tone->TextColor);
    }
    TRect T = G;
    T.Left += 1;
    uint32_t Flags = DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS;
    Flags |= Caption.contains(QLatin1Char('\r')) ? DT_WORDBREAK : DT_SINGLELINE;
    C->Brush()->SetStyle(bsClear);
    const int32_t OldBkMode = SetBkMode(C->Handle(), TRANSPARENT);
    DrawText(C->Handle(), Caption, -1, T, Flags);
    SetBkMode(C->Handle(), OldBkMode);
}
