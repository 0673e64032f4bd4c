// The grid's check-box and radio-button drawers.
#include "grid/base/ExtXPVS.h"
#include "grid/core/ControlLook.h"
#include "grid/core/ExtGrid.h"
#include "grid/view/GridGlyphs.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "rtl/NumConv.h"
#include "rtl/Strings.h"

#include <algorithm>

namespace {

// Themed check-box and radio states missing from the shared list.
constexpr int32_t CBS_UNCHECKEDDISABLED = 4;
constexpr int32_t CBS_CHECKEDDISABLED = 8;
constexpr int32_t CBS_MIXEDDISABLED = 12;
constexpr int32_t RBS_UNCHECKEDDISABLED = 4;
constexpr int32_t RBS_CHECKEDDISABLED = 8;

constexpr TColor MidGrey = 0x808080;

// The bitmap of a bitmap look: on (checked), off, on disabled, off disabled from First on.
TBitmap* LookGlyph(const char* Prefix, int32_t First, bool On, bool Enabled)
{
    const int32_t Number = First + (On ? 0 : 1) + (Enabled ? 0 : 2);
    return GridGlyph(QString::fromLatin1(Prefix) + QStringLiteral("%1").arg(Number, 2, 10, QLatin1Char('0')));
}

void Line(TCanvas* C, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2)
{
    C->MoveTo(X1, Y1);
    C->LineTo(X2, Y2);
}

}  // namespace

void TExtStringGrid::DrawCheckBox(const TRect& R, bool Checked, TCheckBoxState State, bool TriState,
                                  ExtGrid::TControlStyle Style, bool Grayed, bool Enabled)
{
    TCanvas* C = Canvas();
    const TControlLook* Look = FControlLook.get();
    if (Look->NoDisabledCheckRadioLook() || Look->CheckAlwaysActive()) Enabled = true;
    if (TriState) {
        Checked = State == cbChecked;
        Grayed = State == cbGrayed;
    }
    const int32_t Size = Look->CheckSize();
    switch (Style) {
    case csWinXP:
    case csVyx:
        // The bitmap looks have no mixed state: a grayed box shows the disabled tick.
        DrawTransparentGlyph(C, R.Left, R.Top,
                             LookGlyph("ESGCHK", Style == csWinXP ? 5 : 1, Checked || Grayed, Enabled && !Grayed));
        return;
    case csGlyph:
        DrawTransparentGlyph(C, R.Left, R.Top, Checked ? Look->CheckedGlyph() : Look->UnCheckedGlyph());
        return;
    case csBorland: {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(Enabled ? clBtnFace : clBtnShadow);
        C->Pen()->SetStyle(psSolid);
        C->Pen()->SetWidth(1);
        C->Pen()->SetColor(clBtnFace);
        C->Rectangle(R);
        C->Pen()->SetColor(clBtnHighlight);
        C->Polyline({Point(R.Left, R.Bottom - 1), Point(R.Left, R.Top), Point(R.Right, R.Top)});
        C->Pen()->SetColor(clBtnShadow);
        C->Polyline({Point(R.Right - 1, R.Top), Point(R.Right - 1, R.Bottom - 1), Point(R.Left - 1, R.Bottom - 1)});
        if (Checked) {
            const int32_t T = R.Top - 1;
            const int32_t B = R.Bottom - 1;
            C->Pen()->SetColor(Enabled ? Look->Color() : MidGrey);
            Line(C, R.Left + 2, T + Size / 2, R.Left + 2, B - 1);
            Line(C, R.Left + 3, T + Size / 2, R.Left + 3, B - 2);
            Line(C, R.Left + 2, B - 1, R.Right - 2, T + 3);
            Line(C, R.Left + 3, B - 1, R.Right - 1, T + 3);
        }
        return;
    }
    default: break;
    }

    const TRect Box = Bounds(R.Left + (R.Width() - Size) / 2, R.Top + (R.Height() - Size) / 2, Size, Size);
    if (Style == csTheme && IsThemed()) {
        int32_t Part = Checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL;
        if (Grayed) Part = CBS_MIXEDNORMAL;
        if (!Enabled) Part = Grayed ? CBS_MIXEDDISABLED : Checked ? CBS_CHECKEDDISABLED : CBS_UNCHECKEDDISABLED;
        if (DrawThemedPart(ThemeAPI, Handle(), u"button", C->Handle(), BP_CHECKBOX, Part,
                           Bounds(R.Left, R.Top, Size, Size)))
            return;
    }
    uint32_t Flags = DFCS_BUTTONCHECK;
    if (Checked) Flags |= DFCS_CHECKED;
    if (Grayed) Flags |= DFCS_CHECKED | DFCS_BUTTON3STATE;
    if (Style == csFlat) Flags |= DFCS_FLAT;
    if (!Enabled) Flags |= DFCS_INACTIVE;
    TRect Frame = Box;
    DrawFrameControl(C->Handle(), Frame, DFC_BUTTON, Flags);
}

void TExtStringGrid::DrawRadioButton(TCanvas* ACanvas, const TRect& R, bool Upward, double Scale,
                                     ExtGrid::TControlStyle Style, int32_t ARow, int32_t ACol, bool Selected,
                                     TStrings* Items, bool Disabled, bool Horizontal, int32_t Index, int32_t Count)
{
    if (Count <= 0) return;
    const TControlLook* Look = FControlLook.get();
    if (Look->NoDisabledCheckRadioLook() || Look->RadioAlwaysActive()) Disabled = false;
    const bool Themed = Style == csTheme && IsThemed();
    if (Style == csTheme && !Themed) Style = csClassic;

    // The glyph's size, where the caption starts from the glyph (horizontal) or the cell (vertical),
    // and the glyph's and caption's offsets from the line's top.
    const int32_t RadioSize = Look->RadioSize();
    int32_t GlyphW = 16;
    int32_t GlyphH = 16;
    int32_t CaptionX = 16;
    int32_t CaptionCellX = 20;
    int32_t GlyphY = 0;
    int32_t CaptionY = 1;
    bool BitmapLook = true;
    switch (Style) {
    case csClassic:
    case csFlat: {
        GlyphW = GlyphH = static_cast<int32_t>(RoundHalfEven(Scale * (Style == csFlat ? RadioSize + 2 : RadioSize)));
        CaptionX = static_cast<int32_t>(RoundHalfEven(Scale * RadioSize));
        CaptionCellX = static_cast<int32_t>(RoundHalfEven(Scale * (RadioSize + 4)));
        GlyphY = 2;
        CaptionY = 0;
        BitmapLook = false;
        break;
    }
    case csWinXP:
    case csVyx: {
        const TBitmap* Glyph = LookGlyph("ESGRAD", 1, true, true);
        GlyphW = Glyph->Width();
        GlyphH = Glyph->Height();
        CaptionCellX = 18;
        break;
    }
    case csGlyph:
        if (const TBitmap* Glyph = Look->RadioOnGlyph()) {
            GlyphW = Glyph->Width();
            GlyphH = Glyph->Height();
        }
        CaptionX = GlyphW + 4;
        CaptionCellX = GlyphW + 4;
        break;
    default: CaptionCellX = Style == csTheme ? 18 : 20; break;
    }
    int32_t LineHeight = ACanvas->TextHeight(QStringLiteral("gh"));
    if (BitmapLook) LineHeight = std::max(LineHeight, 16);

    const int32_t OldBkMode = SetBkMode(ACanvas->Handle(), TRANSPARENT);
    ACanvas->Brush()->SetStyle(bsClear);
    if (Selected && ShowSelection()) ACanvas->Font()->SetColor(SelectionTextColor());
    const QString CellText = Cells(ACol, ARow);

    int32_t X = R.Left;
    int32_t Y = R.Top;
    for (int32_t i = 1; i <= Count; ++i) {
        const QString Caption = Items && i - 1 < Items->Count() ? Items->Strings(i - 1) : QString();
        const bool On = i == Index + 1 || (Index == -1 && Caption == CellText);
        int32_t GX = X;
        if (Count == 1 && Caption.isEmpty()) GX = R.Left + (R.Width() - GlyphW) / 2;
        const int32_t GY = Y + GlyphY;

        switch (Style) {
        case csWinXP:
        case csVyx:
            DrawTransparentGlyph(ACanvas, GX, GY, LookGlyph("ESGRAD", Style == csWinXP ? 5 : 1, On, !Disabled));
            break;
        case csGlyph: DrawTransparentGlyph(ACanvas, GX, GY, On ? Look->RadioOnGlyph() : Look->RadioOffGlyph()); break;
        case csBorland: {
            // A diamond lit from below when off, from above when on.
            const int32_t CX = GX + 7;
            const int32_t CY = GY + 7;
            ACanvas->Pen()->SetStyle(psSolid);
            ACanvas->Pen()->SetWidth(1);
            ACanvas->Pen()->SetColor(clBtnFace);
            ACanvas->Brush()->SetStyle(bsSolid);
            ACanvas->Brush()->SetColor(clBtnFace);
            ACanvas->Polygon({Point(CX, GY), Point(GX + 14, CY), Point(CX, GY + 14), Point(GX, CY)});
            ACanvas->Pen()->SetColor(On ? clWhite : MidGrey);
            ACanvas->Polyline({Point(GX, CY), Point(CX, GY), Point(GX + 14, CY)});
            ACanvas->Pen()->SetColor(On ? MidGrey : clWhite);
            ACanvas->Polyline({Point(GX + 14, CY), Point(CX, GY + 14), Point(GX, CY)});
            if (On) {
                ACanvas->Pen()->SetColor(Look->Color());
                ACanvas->Brush()->SetColor(Look->Color());
                ACanvas->Polygon({Point(CX, CY - 3), Point(CX + 3, CY), Point(CX, CY + 3), Point(CX - 3, CY)});
            }
            ACanvas->Brush()->SetStyle(bsClear);
            break;
        }
        default: {
            if (Themed) {
                const int32_t Part = On ? (Disabled ? RBS_CHECKEDDISABLED : RBS_CHECKEDNORMAL)
                                        : (Disabled ? RBS_UNCHECKEDDISABLED : RBS_UNCHECKEDNORMAL);
                if (DrawThemedPart(ThemeAPI, Handle(), u"button", ACanvas->Handle(), BP_RADIOBUTTON, Part,
                                   Bounds(GX, GY, 16, 16)))
                    break;
            }
            uint32_t Flags = DFCS_BUTTONRADIO;
            if (On) Flags |= DFCS_CHECKED;
            if (Disabled) Flags |= DFCS_INACTIVE;
            if (Style == csFlat) Flags |= DFCS_FLAT;
            TRect Frame = Bounds(GX, GY, GlyphW, GlyphH);
            DrawFrameControl(ACanvas->Handle(), Frame, DFC_BUTTON, Flags);
            break;
        }
        }

        const int32_t CX = Horizontal ? GX + CaptionX : R.Left + CaptionCellX;
        if (!Caption.isEmpty()) {
            ACanvas->Brush()->SetStyle(bsClear);
            ACanvas->TextOut(CX, Y + CaptionY, Caption);
        }
        if (Horizontal)
            X = CX + ACanvas->TextWidth(Caption) + 2;
        else
            Y += Upward ? -LineHeight : LineHeight;
    }
    SetBkMode(ACanvas->Handle(), OldBkMode);
}
