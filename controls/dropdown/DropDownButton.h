// TDropDownEditButton and TExtDropDownSpeedButton: the drop button of a drop-down edit and its painted face.
#pragma once

#include "graphics/Colors.h"
#include "windows/Buttons.h"

#include <QString>

#include <cstdint>
#include <functional>

class TBitmap;
class TDropDownEditButton;
class TExtCustomDropDown;

enum TButtonStyle { bsButton, bsDropDown };

// The speed button inside the holder: a drop-down arrow in the holder's tone colours, a glyph,
// or the classic button face with its arrow; or, as bsButton, a push-button face.
class TExtDropDownSpeedButton : public TSpeedButton {
public:
    explicit TExtDropDownSpeedButton(TComponent* AOwner);

    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);
    // The drop-down's active look; only repaints.
    bool Focused() const { return FFocused; }
    void SetFocused(bool Value);
    // Paints released whatever the state.
    void SetUp(bool Value) { FUp = Value; }

protected:
    void Dispatch(TMessage& Message) override;
    void Paint() override;

private:
    void PaintDropDownStyle();
    void PaintButtonStyle();
    TDropDownEditButton* Holder() const;
    TExtCustomDropDown* DropDown() const;
    bool Pressed() const;

    bool FEtched = false;
    bool FFocused = false;
    bool FHot = false;
    bool FUp = false;
    bool FIsWinXP = false;
    TButtonStyle FButtonStyle = bsDropDown;
};

// Holds the speed button at the drop-down's right edge; a left release on it fires OnClick, so
// the pop-up opens on release.
class TDropDownEditButton : public TWinControl {
public:
    explicit TDropDownEditButton(TComponent* AOwner);
    ~TDropDownEditButton() override;

    TExtDropDownSpeedButton* SpeedButton() const { return FButton; }
    TBitmap* Glyph() const;
    void SetGlyph(TBitmap* Value);
    QString ButtonCaption() const;
    void SetButtonCaption(const QString& Value);
    int32_t NumGlyphs() const;
    void SetNumGlyphs(int32_t Value);
    // The drop-down's edit; not owned.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value) { FFocusControl = Value; }
    int32_t ButtonWidth() const { return FBWidth; }
    void SetButtonWidth(int32_t Value);

    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;
    void Loaded() override;

    // The tone colours; clNone leaves the classic face.
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;

protected:
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void ButtonMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
    void AdjustWinSize();

    TExtDropDownSpeedButton* FButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    int32_t FBWidth = 16;
};
