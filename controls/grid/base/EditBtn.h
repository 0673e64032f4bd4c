// Edit-with-button controls: the hot-tracking speed button, its windowed holder, the masked edit
// with the button at its right edge, and its variant that shows and picks a unit after the value.
#pragma once

#include "grid/base/EditorParts.h"
#include "windows/Buttons.h"
#include "windows/Mask.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TBitmap;
class TStringList;
class TStrings;
class TEsgEditButton;

// A speed button with a hot state and its own painting: the holder's button colours when set, the
// visual style with IsWinXP, else a flat edge or the push-button frame; the caption in black.
class TExtSpeedButton : public TSpeedButton {
public:
    explicit TExtSpeedButton(TComponent* AOwner);

    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Hot() const { return FHot; }

protected:
    void Dispatch(TMessage& Message) override;
    void Paint() override;

private:
    bool FIsWinXP = false;
    bool FFlat = false;
    bool FHot = false;
};

// A windowed holder around one TExtSpeedButton that fills it. A left-button release on the button
// fires OnClick and then gives the focus to FocusControl when that is a tab stop that can take it,
// else to the holder when it is a tab stop.
// Painting uses the first three button colours; the text and border colours are kept only.
class TEsgEditButton : public TWinControl, public TEditorButtonColors {
public:
    explicit TEsgEditButton(TComponent* AOwner);

    TExtSpeedButton* Button() const { return FButton; }
    // Not owned; forgotten when it is destroyed.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TBitmap* Glyph() const;
    void SetGlyph(TBitmap* Value);
    int32_t NumGlyphs() const;
    void SetNumGlyphs(int32_t Value);
    QString ButtonCaption() const;
    void SetButtonCaption(const QString& Value);
    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;
    void Loaded() override;

    std::function<void(TObject* Sender)> OnClick;

protected:
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void FitButton();
    void ButtonMouseUp(TMouseButton Button);

    TExtSpeedButton* FButton;
    TWinControl* FFocusControl = nullptr;
    bool FFlat = false;
};

// A masked single-line edit with a button at its right edge; F4 clicks it as well. Without
// EditorEnabled the user cannot type, cut or paste, but the button still works.
class TEsgEditBtn : public TCustomMaskEdit {
public:
    explicit TEsgEditBtn(TComponent* AOwner);
    ~TEsgEditBtn() override;

    TEsgEditButton* Button() const { return FButton; }
    int32_t ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int32_t Value);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    TBitmap* Glyph() const { return FButton->Glyph(); }
    void SetGlyph(TBitmap* Value) { FButton->SetGlyph(Value); }
    QString ButtonCaption() const { return FButton->ButtonCaption(); }
    void SetButtonCaption(const QString& Value) { FButton->SetButtonCaption(Value); }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool Value);
    // Right-aligned text; a change makes the window again.
    bool RightAlign() const { return FRightAlign; }
    void SetRightAlign(bool Value);
    // The smallest height the font allows: its line height plus a quarter of the smaller of it and
    // the system font's.
    int32_t MinHeight();

    std::function<void(TObject* Sender)> OnClickBtn;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    LRESULT DialogCode() override;
    // Fires OnClickBtn.
    virtual void DoClickBtn();
    // Limits the text to the room left of the button and of the unit.
    void SetEditRect();

    int32_t FUnitSize = 0;

private:
    void WMSize(TMessage& Message);

    bool FRightAlign = false;
    TEsgEditButton* FButton;
    bool FEditorEnabled = true;
    int32_t FButtonWidth = 18;
    bool FIsWinXP = false;
};

// An edit-with-button that shows a unit after the value; the button pops up the units to pick from.
class TEsgUnitEditBtn : public TEsgEditBtn {
public:
    explicit TEsgUnitEditBtn(TComponent* AOwner);
    ~TEsgUnitEditBtn() override;

    const QString& UnitID() const { return FUnitID; }
    void SetUnitID(const QString& Value);
    TStrings* Units() const;
    // Copies Value; nil is ignored.
    void SetUnits(TStrings* Value);
    // The room the unit takes at the right of the text.
    int32_t UnitSpace() const { return FUnitSize; }
    void SetUnitSpace(int32_t Value);
    // Text followed directly by UnitID. Setting takes the first unit, in list order, whose first
    // occurrence in the value ends at its end: Text the part before it, UnitID the unit. Nothing
    // changes when no unit matches.
    QString TextAndUnit() const;
    void SetTextAndUnit(const QString& Value);

    std::function<void(TObject* Sender, const QString& NewUnit)> OnUnitChanged;

protected:
    void Dispatch(TMessage& Message) override;
    void DoClickBtn() override;

private:
    void PaintUnit();

    QString FUnitID;
    std::unique_ptr<TStringList> FUnits;
};
