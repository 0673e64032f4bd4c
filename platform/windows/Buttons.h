// TSpeedButton, the toolkit's windowless tool button, and the glyph-and-caption layout it shares
// with the painted buttons built on the same rules.
#pragma once

#include "windows/Controls.h"

#include <QString>

#include <cstdint>
#include <memory>

class TBitmap;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// The look a button is drawn in; bsExclusive is a grouped button that stays down.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// Drawn pressed: down, or staying down in a group.
inline bool IsButtonPressed(TButtonState State)
{
    return State == bsDown || State == bsExclusive;
}

// Places a glyph of GlyphSize and Caption (measured on Canvas, one rectangle as wide as Client)
// in Client. Along the layout's axis, with available length A, glyph length G and text length T:
// the spacing is 0 when the caption or the glyph is empty; Margin = Spacing = -1 gives both
// (A - G - T) div 3; Margin = -1 alone gives (A - G - Spacing - T + 1) div 2; Spacing = -1 alone
// (A - Margin - G - T) div 2. Across the axis both are centred ((length - size + 1) div 2).
// RightToLeft swaps blGlyphLeft and blGlyphRight. Offset moves both.
void CalcButtonLayout(TCanvas* Canvas, const TRect& Client, const TPoint& Offset, const QString& Caption,
                      TButtonLayout Layout, int32_t Margin, int32_t Spacing, const TSize& GlyphSize, bool RightToLeft,
                      TPoint& GlyphPos, TRect& TextBounds);
// Draws Caption centred in TextBounds with a clear brush; disabled first in clBtnHighlight one
// pixel down-right, then in clBtnShadow.
void DrawButtonCaption(TCanvas* Canvas, const QString& Caption, const TRect& TextBounds, bool Disabled, uint32_t BiDiFlags);
// Tells the parent's controls that Sender, a button of group GroupIndex, went down (CM_BUTTONPRESSED).
void NotifyButtonPressed(TControl* Sender, int32_t GroupIndex);

// A windowless button with a glyph strip (up to four images: up, disabled, down, stay-down) and a
// caption. Grouped buttons (GroupIndex > 0) stay down until another of their group goes down;
// AllowAllUp lets the down one be clicked up. A flat button shows its edge only under the pointer.
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    // Forced false outside a group; a down button of a group without AllowAllUp stays down.
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    // The number of images in Glyph, side by side: 1 to 4.
    int32_t NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int32_t Value);
    int32_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int32_t Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    // -1 centres; values below -1 are ignored.
    int32_t Margin() const { return FMargin; }
    void SetMargin(int32_t Value);
    int32_t Spacing() const { return FSpacing; }
    void SetSpacing(int32_t Value);
    // A flat button lets the parent show through where it draws no edge.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    void Click() override;

protected:
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void Paint() override;
    // Draws the glyph image for State and the caption, laid out in Client and moved by Offset.
    void DrawContent(TCanvas* ACanvas, const TRect& Client, const TPoint& Offset, TButtonState State);
    // Hot or not by whether the pointer is over this button now (flat buttons only).
    void UpdateTracking();
    bool MouseInControl() const { return FMouseInControl; }

    TButtonState FState = bsUp;
    bool FDragging = false;

private:
    void UpdateExclusive();
    void CMButtonPressed(TMessage& Message);
    void CMDialogChar(TWMKey Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);

    std::unique_ptr<TBitmap> FGlyph;
    int32_t FNumGlyphs = 1;
    int32_t FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FFlat = false;
    bool FTransparent = true;
    bool FMouseInControl = false;
    TButtonLayout FLayout = blGlyphLeft;
    int32_t FMargin = -1;
    int32_t FSpacing = 4;
};
