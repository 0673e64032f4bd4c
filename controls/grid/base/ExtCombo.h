// TEsgCustomCombo and TEsgComboBox: the combo box with its own border and drop-button painting,
// focus colours, a hot drop button and an attached caption label.
#pragma once

#include "grid/base/EditorParts.h"
#include "grid/base/LabelPosition.h"
#include "windows/ListControls.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TLabel;


// Paints its own border and drop button when flat, coloured, focused with a focus border colour,
// or disabled and themed without DisabledBorder; otherwise the platform's combo box shows. The
// label (made by LabelCaption) lives on the control's parent and follows its place, enabled
// state and visibility.
class TEsgCustomCombo : public TCustomComboBox, public TEditorButtonColors {
public:
    explicit TEsgCustomCombo(TComponent* AOwner);
    ~TEsgCustomCombo() override;

    void Loaded() override;
    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;
    void SetEnabled(bool Value) override;
    // While loading the colour is also remembered as the loaded colour.
    void SetColor(TColor Value);
    // Selects the item equal to AString, when there is one.
    void SelectItem(const QString& AString);

    // With AutoFocus the control takes the focus when the pointer enters it.
    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool Value) { FAutoFocus = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    // 14 to 32; other values are ignored.
    int32_t ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int32_t Value);
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value) { FDisabledBorder = Value; }
    // A positive width sets the drop-down list's width.
    int32_t DropWidth() const { return FDropWidth; }
    void SetDropWidth(int32_t Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(TColor Value);
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool Value);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool Value) { FFocusBorder = Value; }
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor Value) { FFocusColor = Value; }
    // The label's font turns bold while the control has the focus.
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool Value) { FFocusLabel = Value; }
    QString LabelCaption() const;
    void SetLabelCaption(const QString& Value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int32_t LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int32_t Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    TFont* LabelFont() const { return FLabelFont.get(); }
    void SetLabelFont(TFont* Value);
    // The label, owned, on the control's parent; nil until LabelCaption makes it.
    TLabel* ComboLabel() const { return FLabel; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool Value) { FIsWinXP = Value; }
    bool IsVista() const { return FIsVista; }
    void SetIsVista(bool Value) { FIsVista = Value; }
    // The pointer is over the control, and over its drop button.
    bool MouseInControl() const { return FMouseInControl; }
    bool ButtonHover() const { return FButtonHover; }

    std::function<void(TObject* Sender)> OnDropUp;

protected:
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void PaintWindow(HDC DC) override;
    void DropDown() override;
    void CloseUp() override;

private:
    void PlaceLabel();
    // A change of LabelFont: re-placed, and at design time the control stops using its parent's font.
    void LabelFontChanged();
    bool OwnPainting() const;
    bool Themed() const;
    void WMPaint(TMessage& Message);
    void DrawButton(HDC DC);
    void DrawBorder(HDC DC);
    void RepaintButtonArea();
    void RepaintBorder();
    void FocusEnter();
    void FocusExit();
    void MouseEnter();
    void MouseLeave();
    void MouseMoved(int32_t X);
    void FlatEnabledChanged();

    bool FAutoFocus = false;
    bool FFlat = false;
    bool FEtched = false;
    TColor FOldColor = clNone;
    TColor FLoadedColor = clWindow;
    bool FOldParentColor = false;
    int32_t FButtonWidth;
    bool FFocusBorder = false;
    bool FMouseInControl = false;
    int32_t FDropWidth = 0;
    bool FIsWinXP = false;
    bool FIsThemed;
    bool FButtonHover = false;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    int32_t FLabelMargin = 4;
    std::unique_ptr<TFont> FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    TLabel* FLabel = nullptr;
    TColor FFlatLineColor = clNone;
    bool FFlatParentColor = true;
    TColor FFocusColor = clNone;
    TColor FFocusBorderColor = clNone;
    TColor FBorderColor = clNone;
    bool FDisabledBorder = true;
    TColor FNormalColor = clNone;
    bool FHasFocus = false;
    bool FFocusLabel = false;
    bool FIsVista = false;
};

class TEsgComboBox : public TEsgCustomCombo {
public:
    using TEsgCustomCombo::TEsgCustomCombo;
};
