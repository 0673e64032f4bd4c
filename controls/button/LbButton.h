// TLbButton: the painted push button with glyph strip, colour presets, hot tracking, fade-out, kinds and dialog keys.
#pragma once

#include "button/LbButtons.h"
#include "windows/Controls.h"

#include <functional>
#include <memory>

class TBitmap;
class TCustomForm;
class TTimer;

class TLbButton : public TCustomControl {
public:
    explicit TLbButton(TComponent* AOwner);
    ~TLbButton() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // Esc clicks the button.
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    // Always lcsCustom: a preset only writes the colours it stands for.
    TLbColorStyle ColorStyle() const { return lcsCustom; }
    void SetColorStyle(TLbColorStyle Value);
    // The face colour while pressed; clNone keeps the face colour.
    TColor ColorWhenDown() const { return FColorWhenDown; }
    void SetColorWhenDown(TColor Value) { FColorWhenDown = Value; }
    // Enter clicks the button.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value) { FDefault = Value; }
    // A flat button shows its border only while hot or pressed.
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    // A strip of NumGlyphs cells: normal, disabled, pressed, hot.
    TBitmap* Glyph() const { return FGlyph.get(); }
    // Copies Value (nil empties the glyph), takes width div height as NumGlyphs and makes the kind custom.
    void SetGlyph(TBitmap* Value);
    // The face colour under the pointer; clNone turns hot tracking off.
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor Value) { FHotTrackColor = Value; }
    TFont* HotTrackFont() const { return FHTFont.get(); }
    void SetHotTrackFont(TFont* Value);
    TLbButtonKind Kind() const { return FKind; }
    // A kind other than bkCustom brings its glyph, caption and modal result.
    void SetKind(TLbButtonKind Value);
    TLbButtonLayout Layout() const { return FLayout; }
    void SetLayout(TLbButtonLayout Value);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor Value);
    // Handed to the parent form after OnClick; setting it makes the kind custom.
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value);
    int32_t NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int32_t Value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    // Fade the hot-track colour out in steps of 30 ms when the pointer leaves.
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool Value);
    TLbButtonStyle Style() const { return FStyle; }
    void SetStyle(TLbButtonStyle Value);
    // Paint the caption with HotTrackFont while hot or focused.
    bool UseHotTrackFont() const { return FUseHTFont; }
    void SetUseHotTrackFont(bool Value) { FUseHTFont = Value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

    void SetEnabled(bool Value) override;

    // OnClick and OnMouseEnter are the control's own; OnMouseLeave does not fire for this button.
    std::function<void(TObject* Sender)> OnMouseExit;

protected:
    void Dispatch(TMessage& Message) override;
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Click() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

private:
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void CMFocusChanged(TMessage& Message);
    void CMDialogChar(TCMDialogChar Message);
    void CMDialogKey(TCMDialogKey Message);
    void CNKeyDown(TWMKeyDown Message);
    void CNKeyUp(TWMKeyUp Message);

    void DoClick();
    void FadeStep();
    // Paints on the window now, when there is one.
    void RepaintNow();
    // The parent shows, so the button takes the pointer and accelerators.
    bool ParentShowing() const;
    std::unique_ptr<TTimer> NewFadeTimer();

    TAlignment FAlignment = taCenter;
    TColor FShadowColor = clGray;
    TColor FColorWhenDown = clNone;
    bool FFlat = false;
    bool FWordWrap = false;
    std::unique_ptr<TBitmap> FGlyph;
    TColor FHotTrackColor = clNone;
    std::unique_ptr<TFont> FHTFont;
    TLbButtonKind FKind = bkCustom;
    TLbButtonLayout FLayout = blGlyphLeft;
    TColor FLightColor = clWhite;
    TModalResult FModalResult = mrNone;
    int32_t FNumGlyphs = 0;
    bool FUseHTFont = false;
    TLbButtonStyle FStyle = bsNormal;
    // The window's extended style as the last Style set it; a colour style leaves it alone.
    uint32_t FExStyle = 0;
    bool FDefault = false;
    bool FCancel = false;
    bool FSlowDecease = false;
    bool bDown = false;
    bool bCursorOnButton = false;
    // Ticks the fade while it runs; gone after SlowDecease was turned off.
    std::unique_ptr<TTimer> FFadeTimer;
    // 0..8: how far the face shows the hot-track colour.
    int32_t FHotTrackStep = 0;
};
