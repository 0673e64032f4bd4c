// TExtGridButton: the grid's windowless painted button (looks, gradients, glyph shadow, groups, drop-down part).
#pragma once

#include "windows/ActnList.h"
#include "windows/Buttons.h"
#include "windows/Controls.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TBitmap;
class TPopupMenu;

enum TExtGridButtonStyle { tasButton, tasCheck };

// Flat by default: colour fills or 16-band vertical gradients for its normal, hot, down and
// checked states, optionally rounded, up to four glyphs, a grey drop shadow under the glyph while
// hot, an optional drop-down part at the right, and radio groups (GroupIndex) as a speed button
// has them. Look picks one of seven colour sets.
class TExtGridButton : public TGraphicControl {
public:
    explicit TExtGridButton(TComponent* AOwner);
    ~TExtGridButton() override;

    void Loaded() override;
    void Click() override;

    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    // Setting it true applies the theme's look at once.
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    // Non-flat buttons draw the visual style's push button when one is active.
    bool AutoXPStyle() const { return FAutoXPStyle; }
    void SetAutoXPStyle(bool Value) { FAutoXPStyle = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor BorderDownColor() const { return FBorderDownColor; }
    void SetBorderDownColor(TColor Value) { FBorderDownColor = Value; }
    TColor BorderHotColor() const { return FBorderHotColor; }
    void SetBorderHotColor(TColor Value) { FBorderHotColor = Value; }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value) { FColorDown = Value; }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor Value) { FColorDownTo = Value; }
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value) { FColorHot = Value; }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { FColorHotTo = Value; }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value);
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool Value);
    // Not owned; forgotten when it is destroyed.
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    // Setting Glyph also makes GlyphDisabled, when that is empty: each pixel the grey level
    // ((R + G + B) div 3) div 2 + 96.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    TBitmap* GlyphHot() const { return FGlyphHot.get(); }
    void SetGlyphHot(TBitmap* Value);
    TBitmap* GlyphDown() const { return FGlyphDown.get(); }
    void SetGlyphDown(TBitmap* Value);
    TBitmap* GlyphDisabled() const { return FGlyphDisabled.get(); }
    void SetGlyphDisabled(TBitmap* Value);
    // The grey silhouette drawn under the glyph while hot (when Shaded).
    TBitmap* GlyphShade() const { return FGlyphShade.get(); }
    int32_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int32_t Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    // -1 centres; values below -1 are ignored.
    int32_t Margin() const { return FMargin; }
    void SetMargin(int32_t Value);
    bool Rounded() const { return FRounded; }
    void SetRounded(bool Value);
    // True (and not loading) rebuilds the shadow glyph.
    bool Shaded() const { return FShaded; }
    void SetShaded(bool Value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    int32_t Spacing() const { return FSpacing; }
    void SetSpacing(int32_t Value);
    TExtGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TExtGridButtonStyle Value);
    // One of the colour sets 0-6; other values change nothing.
    int32_t Look() const { return FLook; }
    void SetLook(int32_t Value);
    // The drawing state (for descendants and tests).
    TButtonState State() const { return FState; }
    bool Hot() const { return FMouseInControl; }

    std::function<void(TObject* Sender)> OnDropDown;

protected:
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void Paint() override;
    std::unique_ptr<TControlActionLink> CreateActionLink() override;

private:
    void ThemeAdapt();
    void MakeShade();
    void UpdateExclusive();
    // Calls the mouse-enter or mouse-leave handling by whether the pointer is over the button.
    void UpdateTracking();
    void MouseEnterHandling();
    void MouseLeaveHandling();
    void CMButtonPressed(TMessage& Message);
    void CMDialogChar(TWMKey Message);
    bool IsInside(int32_t X, int32_t Y) const;
    void PaintFlatFace(TCanvas* Target, TRect& R);
    void DrawGlyphAndCaption(TCanvas* Target, const TRect& R, const TPoint& Offset, TButtonState DrawState);

    bool FIsComCtl6;
    int32_t FGroupIndex = 0;
    std::unique_ptr<TBitmap> FGlyph;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    int32_t FSpacing = 4;
    bool FTransparent = true;
    int32_t FMargin = -1;
    bool FFlat = true;
    bool FMouseInControl = false;
    TColor FColorTo = clNone;
    TColor FColorHot;
    TColor FColorHotTo = clNone;
    TColor FColorDown;
    TColor FColorDownTo = clNone;
    TColor FBorderColor = clNone;
    TColor FBorderDownColor = clNone;
    TColor FBorderHotColor = clNone;
    std::unique_ptr<TBitmap> FGlyphDisabled;
    std::unique_ptr<TBitmap> FGlyphHot;
    std::unique_ptr<TBitmap> FGlyphDown;
    std::unique_ptr<TBitmap> FGlyphShade;
    bool FShaded = true;
    TColor FColorChecked = clGray;
    TColor FColorCheckedTo = clNone;
    TExtGridButtonStyle FStyle = tasButton;
    int32_t FLook = 0;
    bool FRounded = false;
    bool FDropDownButton = false;
    bool FAutoThemeAdapt = false;
    bool FAutoXPStyle = false;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FShowCaption = true;
    TButtonState FState = bsUp;
};

// Ties the button's caption, down state and group to an action.
class TExtGridButtonActionLink : public TControlActionLink {
public:
    explicit TExtGridButtonActionLink(TExtGridButton* AClient) : TControlActionLink(AClient), FClient(AClient) {}

    bool IsCaptionLinked() override;
    bool IsCheckedLinked() override;
    bool IsGroupIndexLinked() override;
    void SetCaption(const QString& Value) override;
    void SetChecked(bool Value) override;
    void SetGroupIndex(int32_t Value) override;

private:
    TExtGridButton* FClient;
};

// Fills R with 16 vertical bands from From to To (each band in its colour, outline included), then,
// when Outline is not clNone, frames R in it with a clear brush.
void DrawButtonGradient(TCanvas* Canvas, const TRect& R, TColor From, TColor To, TColor Outline);
