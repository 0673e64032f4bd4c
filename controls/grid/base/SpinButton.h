// The spin editor's arrow pair: a speed button that repeats its click while held, and the windowed
// control holding an up and a down one.
#pragma once

#include "grid/base/EditorParts.h"
#include "rtl/Set.h"
#include "windows/Buttons.h"

#include <cstdint>
#include <functional>

class TTimer;
class TEsgSpinButton;

enum TSpinDirection { spVertical, spHorizontal };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateItem { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSet<TTimeBtnStateItem>;

// Held down (with tbAllowTimer), clicks after 400 ms and then every 100 ms; the release inside
// clicks once more, as any speed button does.
class TExtTimerSpeedButton : public TSpeedButton {
public:
    explicit TExtTimerSpeedButton(TComponent* AOwner);
    ~TExtTimerSpeedButton() override;

    TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
    void SetTimeBtnState(TTimeBtnState Value) { FTimeBtnState = Value; }
    TButtonDirection ButtonDirection() const { return FButtonDirection; }
    void SetButtonDirection(TButtonDirection Value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool Value);
    bool HasMouse() const { return FHasMouse; }

protected:
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void Paint() override;

private:
    void TimerExpired();
    void InvalidateParent();

    TTimer* FRepeatTimer = nullptr;
    TTimeBtnState FTimeBtnState;
    TButtonDirection FButtonDirection = bdUp;
    bool FIsWinXP = false;
    bool FHasMouse = false;
};

// Two repeating buttons, up over down (or down left of up when horizontal). A click gives the
// focus to FocusControl; Space, Up and Down click the buttons from the keyboard. Painting uses
// ButtonColor, ButtonColorHot and ButtonColorDown; the other button colours are kept only.
class TEsgSpinButton : public TWinControl, public TEditorButtonColors {
public:
    explicit TEsgSpinButton(TComponent* AOwner);

    void Loaded() override;
    // Keeps at least the width the direction needs and lays the buttons out.
    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;

    TExtTimerSpeedButton* UpButton() const { return FUpButton; }
    TExtTimerSpeedButton* DownButton() const { return FDownButton; }
    TExtTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection Value);
    // Not owned; forgotten when it is destroyed.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    TBitmap* UpGlyph() const;
    // An empty bitmap brings the default arrow back.
    void SetUpGlyph(TBitmap* Value);
    TBitmap* DownGlyph() const;
    void SetDownGlyph(TBitmap* Value);
    int32_t UpNumGlyphs() const;
    void SetUpNumGlyphs(int32_t Value);
    int32_t DownNumGlyphs() const;
    void SetDownNumGlyphs(int32_t Value);
    void SetIsWinXP(bool Value);
    std::function<void(TObject* Sender)> OnUpClick;
    std::function<void(TObject* Sender)> OnDownClick;

protected:
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    TExtTimerSpeedButton* CreateButton();
    void AdjustButtonSize();
    void BtnClick(TObject* Sender);
    void BtnMouseDown(TObject* Sender, TMouseButton Button);
    void SetFocusBtn(TExtTimerSpeedButton* Button);
    void LoadDefaultGlyph(TExtTimerSpeedButton* Button);

    TExtTimerSpeedButton* FUpButton;
    TExtTimerSpeedButton* FDownButton;
    TExtTimerSpeedButton* FFocusedButton;
    TWinControl* FFocusControl = nullptr;
    TSpinDirection FDirection = spVertical;
    bool FIsWinXP = false;
};
