// TExtCustomDropDown: the base of every drop-down edit: value text, input rules, label, borders,
// the drop button and the pop-up with its drop cycle, and the virtual contract of the descendants.
#pragma once

#include "dropdown/DropDownTypes.h"

#include "grid/base/ExtStyleIF.h"

#include "windows/Mask.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TBitmap;
class TCustomImageList;
class TDropDownEditButton;
class TDropDownForm;
class TExtButtonAppearance;
class TFooterAppearance;
class THeaderAppearance;
class TItemAppearance;
class TLabel;

enum TDropDownEditType {
    etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney, etRange, etHex,
    etAlphaNumeric, etValidChars
};
enum TDropPosition { dpAuto, dpDown, dpUp };

// (Sender, the value part concerned, var allow); the grid has a clipboard event type of its own.
using TDropDownClipboardEvent = std::function<void(TObject* Sender, const QString& Value, bool& Allow)>;

class TExtCustomDropDown : public TCustomMaskEdit, public IVyxStyle, public IVyxTones {
public:
    explicit TExtCustomDropDown(TComponent* AOwner);
    ~TExtCustomDropDown() override;
    // Creates the pop-up and the drop button and takes the default looks.
    void AfterConstruction() override;
    void Loaded() override;
    // From another drop-down: everything but the text.
    void Assign(TPersistent* Source) override;

    // ---- The drop cycle ----
    void ShowDropDown();
    void HideDropDown(bool CancelChanges);
    bool DroppedDown() const { return FDroppedDown; }
    TDropDownEditButton* Button() const { return FButton; }
    TDropDownForm* DropDownForm() const { return FDropDownForm; }
    // The pop-up's content; placed into the pop-up when it changes.
    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value);

    // ---- The value ----
    // The edit text without Prefix (when it starts with it) and without as many trailing
    // characters as Suffix has.
    QString Text() const;
    // Formats S by EditType and Precision and shows Prefix + S + Suffix, not modified.
    virtual void SetText(const QString& S);
    // Shows S as it stands.
    void SetTextUnformatted(const QString& S);
    double FloatValue() const;
    void SetFloatValue(double Value);
    void SetIntValue(int32_t Value);
    bool IsModified() const;
    void SetIsModified(bool Value);
    void SelectAll();
    void SelectAfterDecimal();
    void SelectBeforeDecimal();
    QString Version() const;

    TDropDownEditType EditType() const { return FEditType; }
    void SetEditType(TDropDownEditType Value);
    int16_t Precision() const { return FPrecision; }
    void SetPrecision(int16_t Value);
    int16_t LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int16_t Value) { FLengthLimit = Value; }
    const QString& Prefix() const { return FPrefix; }
    void SetPrefix(const QString& Value) { FPrefix = Value; }
    const QString& Suffix() const { return FSuffix; }
    void SetSuffix(const QString& Value) { FSuffix = Value; }
    bool Signed() const { return FSigned; }
    void SetSigned(bool Value) { FSigned = Value; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
    void SetAllowNumericNullValue(bool Value) { FAllowNumericNullValue = Value; }
    bool DefaultHandling() const { return FDefaultHandling; }
    void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }
    bool CanUndo() const { return FCanUndo; }
    void SetCanUndo(bool Value) { FCanUndo = Value; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    const QString& ValidChars() const { return FValidChars; }
    void SetValidChars(const QString& Value) { FValidChars = Value; }
    bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool Value) { FAutoThousandSeparator = Value; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value);

    // ---- The pop-up ----
    int32_t DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int32_t Value);
    int32_t DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int32_t Value);
    TDropPosition DropPosition() const { return FDropPosition; }
    void SetDropPosition(TDropPosition Value) { FDropPosition = Value; }
    bool DropDownShadow() const { return FDropDownShadow; }
    void SetDropDownShadow(bool Value) { FDropDownShadow = Value; }
    int32_t DropDownBorderWidth() const { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int32_t Value) { FDropDownBorderWidth = Value; }
    TColor DropDownBorderColor() const { return FDropDownBorderColor; }
    void SetDropDownBorderColor(TColor Value) { FDropDownBorderColor = Value; }
    TColor DropDownColor() const { return FDropDownColor; }
    void SetDropDownColor(TColor Value) { FDropDownColor = Value; }
    TColor DropDownColorTo() const { return FDropDownColorTo; }
    void SetDropDownColorTo(TColor Value) { FDropDownColorTo = Value; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    void SetDropDownGradient(TGradientDirection Value) { FDropDownGradient = Value; }
    bool DropDownSizeable() const { return FDropDownSizeable; }
    void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
    bool DropDownEnabled() const { return FDropDownEnabled; }
    void SetDropDownEnabled(bool Value) { FDropDownEnabled = Value; }
    THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
    void SetDropDownHeader(THeaderAppearance* Value);
    TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
    void SetDropDownFooter(TFooterAppearance* Value);
    TExtButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    void SetButtonAppearance(TExtButtonAppearance* Value);
    // Not owned; forgotten when it is freed.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);

    // ---- The button ----
    int32_t DropDownButtonWidth() const { return FButtonWidth; }
    void SetDropDownButtonWidth(int32_t Value);
    const QString& DropDownButtonHint() const { return FButtonHint; }
    void SetDropDownButtonHint(const QString& Value);
    TBitmap* DropDownButtonGlyph() const;
    void SetDropDownButtonGlyph(TBitmap* Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);

    // ---- Borders and looks ----
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value);
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor Value) { FSelectionColor = Value; }
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(TColor Value) { FSelectionColorTo = Value; }
    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
    TVyxStyle GetComponentStyle() const { return FVyxStyle; }
    // The selection box: plain for scCustom, else rounded with the style's colours.
    virtual void DrawSelectionBackground(TCanvas* Canvas, const TRect& R, int32_t EndKind, TColor CornerColor);
    // A stepped gradient; a true Direction changes the colour from top to bottom.
    virtual void DrawDropDownGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int32_t Steps, const TRect& R,
                                      bool Direction);
    virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
    void SetComponentStyle(TVyxStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;
    // The hot and selected colours of an item picker's appearance for a style; nothing for nil.
    void ApplyItemAppearanceStyle(TItemAppearance* Appearance, TVyxStyle AStyle);

    // ---- The label ----
    QString LabelCaption() const;
    void SetLabelCaption(const QString& Value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int32_t LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int32_t Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value) { FLabelAlwaysEnabled = Value; }
    TFont* LabelFont() const { return FLabelFont.get(); }
    void SetLabelFont(TFont* Value);
    // The label, nil before the first caption.
    TLabel* EditLabel() const { return FLabel; }

    // The values stored besides the published properties, by name: "SelectionColorStyle" and
    // "VyxStyle", as integers.
    void WriteStoredValues(const std::function<void(const QString& Name, int32_t Value)>& Write) const;
    // Takes one of them back without applying its presets; false for another name.
    bool ReadStoredValue(const QString& Name, int32_t Value);

    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;

    std::function<void(TObject* Sender)> OnBeforeDropDown;
    // Sender, var acceptdrop: false keeps the pop-up closed.
    std::function<void(TObject* Sender, bool& AcceptDrop)> OnDropDown;
    std::function<void(TObject* Sender)> OnBeforeDropUp;
    std::function<void(TObject* Sender, bool Cancelled)> OnDropUp;
    TDropDownButtonItemClick OnDropDownHeaderButtonClick;
    TDropDownButtonItemClick OnDropDownFooterButtonClick;
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;
    TDropDownClipboardEvent OnClipboardCopy;
    TDropDownClipboardEvent OnClipboardPaste;
    TDropDownClipboardEvent OnClipboardCut;
    std::function<void(TObject* Sender)> OnLabelClick;
    std::function<void(TObject* Sender)> OnLabelDblClick;

protected:
    friend class TDropDownForm;
    friend class TDropDownEditButton;

    // ---- The virtual contract, in slot order ----
    virtual void DoLabelClick();
    virtual void DoLabelDblClick();
    virtual int32_t GetVersionNr() const;
    virtual void CreateDropDownForm();
    virtual void CreateDropDownButton();
    virtual void UpdateDropDownButton();
    virtual void BeforeDropDown();
    virtual void AdaptDropDownHeight(int32_t& Height);
    virtual void FocusDropDownControl();
    virtual void DoShowDropDown();
    virtual void PlaceDropDownControl();
    virtual void SizeDropDownForm();
    virtual void DoHideDropDown(bool Cancelled);
    virtual void AfterHideDropDown();
    virtual void DropDownFormDestroyed();
    virtual void DropDownWheelDown();
    virtual void DropDownWheelUp();
    virtual void DropDownKeyPress(QChar& Key);
    virtual void DropDownKeyDown(uint16_t& Key, TShiftState Shift);
    virtual void DropDownKeyUp(uint16_t& Key, TShiftState Shift);
    virtual void ControlKeyDown(uint16_t& Key, TShiftState Shift);
    virtual void ControlKeyUp(uint16_t& Key, TShiftState Shift);
    virtual void ControlKeyPress(QChar& Key);
    virtual void DropDownSizing();
    virtual void SelectNextValue();
    virtual void SelectPreviousValue();
    virtual void DrawEditValue();
    virtual void SetEditRect();
    virtual void AdjustLayout();

    // ---- Overrides of the edit ----
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoEnter() override;
    void Change() override;

    // The height the font needs, with a quarter of the smaller of it and the system font's.
    int32_t GetMinHeight() const;
    TRect GetEditRect() const { return FEditRect; }
    // The drop button's click: opens the pop-up unless it closed within the last 250 ms.
    void DropButtonClick(TObject* Sender);
    // The pop-up loses the activation as cancelled.
    void SetCancelOnDeActivate(bool Value);
    // The next opening takes the size SizeDropDownForm gives, not the one the pop-up had last.
    void ForgetUserDropDownSize()
    {
        FUserDropDownWidth = -1;
        FUserDropDownHeight = -1;
    }
    // The value text when the edit last took the focus.
    const QString& OldString() const { return FOldString; }
    // The value's text and number conversion by the locale, thousand separators ignored; 0 when not a number.
    static double StrToFloatValue(const QString& S);
    // Rewrites a money value with thousand separators, keeping the caret in its place.
    void ApplyThousandSeparators();

    bool FFocusDraw = true;
    bool FForceShadow = false;
    bool FBlockChange = false;
    bool FIsWinXP = false;
    bool FIsThemed = false;

private:
    // ---- Focus, borders, label ----
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMPaint(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void CMEnter(TMessage& Message);
    void CMExit(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void CMTextChanged(TMessage& Message);
    void PaintBorder();
    void DrawBorder();
    bool IsActive() const;
    void CreateLabel();
    void UpdateLabel();

    // ---- Input rules ----
    void WMChar(TWMChar Message);
    void WMKeyDown(TWMKeyDown Message);
    void CMWantSpecialKey(TCMWantSpecialKey Message);
    void CNCommand(TWMCommand Message);
    void WMCut(TMessage& Message);
    void WMCopy(TMessage& Message);
    void WMPaste(TMessage& Message);
    void WMLButtonDown(TWMMouse Message);
    void WMLButtonUp(TWMMouse Message);
    // The type rule of WM_CHAR; false when the character is dropped.
    void TypeRule(TWMChar Message);
    void FloatRule(TWMChar Message, bool Money);
    void ToggleSign(bool WholeSelection);
    // Replaces the value part, keeping prefix and suffix, marks the edit and puts the caret at Caret.
    void RewriteValue(const QString& Value, int32_t Caret);
    void DropKeys(uint16_t Key);
    int32_t IntegerDigitsEnd(const QString& Value) const;
    int32_t DecimalSeparatorPos() const;
    bool IsSignKey(QChar Key) const;
    bool PrecisionReached(const QString& Value, int32_t Caret) const;
    bool NearThousandSeparator(const QString& Value, int32_t Caret) const;
    void PostToParent(UINT Msg, uint16_t Key);
    void MarkModified();
    QString SelectedValue() const;

    // ---- Stored appearance changes while open ----
    void AppearanceChanged();

    TLabel* FLabel = nullptr;
    bool FParentFnt = false;
    int32_t FDropDownWidth = 0;
    int32_t FDropDownHeight = 0;
    int32_t FUserDropDownWidth = -1;
    int32_t FUserDropDownHeight = -1;
    bool FEditorEnabled = true;
    TDropPosition FDropPosition = dpAuto;
    bool FFlat = false;
    TCustomImageList* FImages = nullptr;
    bool FDropDownShadow = true;
    int32_t FDropDownBorderWidth = 1;
    QString FButtonHint;
    TColor FDropDownColorTo = clNone;
    TColor FDropDownColor = clWhite;
    TColor FDropDownBorderColor = clBlack;
    int32_t FButtonWidth = 17;
    bool FMouseInControl = false;
    bool FEtched = false;
    TWinControl* FFocusControl = nullptr;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TExtButtonAppearance> FButtonAppearance;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    TControl* FControl = nullptr;
    TGradientDirection FDropDownGradient = gdHorizontal;
    bool FDropDownSizeable = true;
    TColor FSelectionColor = clNone;
    TColor FSelectionColorTo = clNone;
    TSelectionColorStyle FSelectionColorStyle = scOffice2007;
    TDropDownEditType FEditType = etString;
    int16_t FLengthLimit = 0;
    int16_t FPrecision = 0;
    QString FPrefix;
    QString FSuffix;
    QString FOldString;
    bool FSigned = false;
    bool FReturnIsTab = false;
    bool FAllowNumericNullValue = false;
    bool FDefaultHandling = true;
    bool FCanUndo = true;
    bool FExcelStyleDecimalSeparator = false;
    QString FValidChars;
    bool FBlockCopy = false;
    bool FButtonDown = false;
    bool FAutoThousandSeparator = true;
    bool FIsModified = false;
    TRect FEditRect;
    bool FDropDownEnabled = false;
    bool FDroppedDown = false;
    TVyxStyle FVyxStyle = tsOffice2007Luna;
    int32_t FLabelMargin = 4;
    TLabelPosition FLabelPosition = lpLeftTop;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    std::unique_ptr<TFont> FLabelFont;
    TColor FBorderColor = clNone;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = true;
    TDropDownForm* FDropDownForm = nullptr;
    TDropDownEditButton* FButton = nullptr;
    QString FOldText;
};
