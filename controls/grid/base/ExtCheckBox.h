// TExtCheckBox: a windowed check box painted by itself, optionally over its parent's background.
#pragma once

#include "windows/Controls.h"
#include "windows/StdCtrls.h"

#include <QString>

#include <cstdint>
#include <memory>

class TBitmap;

// The box at the left (taLeftJustify) or the right (taRightJustify) with the caption beside it.
// A press inside and a release inside toggle and click; Space toggles on its release. ReadOnly
// keeps the state but not OnClick. Transparent shows the parent's background, painted anew for
// each paint or, with TransparentChaching, kept in a bitmap until the control moves.
class TExtCheckBox : public TCustomControl {
public:
    explicit TExtCheckBox(TComponent* AOwner);
    ~TExtCheckBox() override;

    // The caption starts as the class name.
    void AfterConstruction() override;
    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout ButtonVertAlign() const { return FButtonVertAlign; }
    void SetButtonVertAlign(TTextLayout Value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    // Enter moves on as Tab does.
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool TransparentChaching() const { return FTransparentChaching; }
    void SetTransparentChaching(bool Value) { FTransparentChaching = Value; }
    // The pressed look; setting it only stores it.
    bool Down() const { return FDown; }
    void SetDown(bool Value) { FDown = Value; }
    bool Hot() const { return FHot; }
    void SetCaption(const QString& Value);

    // Checked := not Checked, unless ReadOnly.
    virtual void Toggle();

protected:
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void Paint() override;

    // Where the box, the caption and the focus rectangle go.
    TRect BoxRect() const;
    TRect CaptionRect() const;

private:
    void PaintParentBackground(TCanvas* Target);
    // The parent's background and painting at this control's place, into DC.
    void PaintParentInto(HDC DC);
    void InvalidateCorner();

    TAlignment FAlignment = taLeftJustify;
    TTextLayout FButtonVertAlign = tlTop;
    bool FEllipsis = false;
    bool FReadOnly = false;
    bool FReturnIsTab = false;
    TCheckBoxState FState = cbUnchecked;
    bool FTransparent = false;
    bool FTransparentChaching = false;
    bool FDown = false;
    bool FHot = false;
    bool FFocused = false;
    bool FMouseDown = false;
    bool FClicksDisabled = false;
    bool FIsWinXP;
    std::unique_ptr<TBitmap> FBackground;
    bool FCacheValid = false;
};
