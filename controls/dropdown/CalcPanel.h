// TCustomButtonPanel: an owner-drawn panel of push buttons; in its calculator form the 28 keys of a desk calculator.
#pragma once

#include "dropdown/DropDownTypes.h"

#include "graphics/Colors.h"
#include "rtl/Collection.h"
#include "windows/Controls.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TCanvas;
class TCustomEdit;
class TCustomImageList;
class TExtCustomDropDown;
class TFont;
class TPicture;

enum TButtonPanelType { plCalculator, plCustom };

class TButtonItem : public TCollectionItem {
public:
    explicit TButtonItem(TCollection* Collection);
    ~TButtonItem() override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value) { FCaption = Value; }
    // Stored and copied; the painting takes its text colours from the panel's appearance.
    TColor CaptionColor() const { return FCaptionColor; }
    void SetCaptionColor(TColor Value) { FCaptionColor = Value; }
    // Into the panel's Images; negative for none.
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value) { FImageIndex = Value; }
    // Shown instead of the image-list image when not empty.
    TPicture* Image() const { return FImage.get(); }
    void SetImage(TPicture* Value);
    // A disabled item never becomes hot or pressed.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    // The operation code the owner reads.
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t Value) { FTag = Value; }
    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }
    // Painted in the appearance's SpecialTextColor.
    bool Special() const { return FSpecial; }
    void SetSpecial(bool Value) { FSpecial = Value; }
    int32_t Left() const { return FLeft; }
    int32_t Top() const { return FTop; }
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight);
    TRect ButtonRect() const { return Rect(FLeft, FTop, FLeft + FWidth, FTop + FHeight); }

    // From another button item: caption, caption colour, tag, image index, picture, enabled state
    // and name; not the special flag nor the rectangle.
    void Assign(TPersistent* Source) override;

private:
    QString FCaption;
    int32_t FImageIndex = -1;
    bool FEnabled = true;
    std::unique_ptr<TPicture> FImage;
    int32_t FTag = 0;
    int32_t FHeight = 0;
    int32_t FLeft = 0;
    int32_t FWidth = 0;
    int32_t FTop = 0;
    QString FName;
    TColor FCaptionColor = clWhite;
    bool FSpecial = false;
};

class TButtonItems : public TOwnedCollection {
public:
    explicit TButtonItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TButtonItem>()) {}
    TButtonItem* Add() { return static_cast<TButtonItem*>(TCollection::Add()); }
    TButtonItem* Insert(int32_t Index) { return static_cast<TButtonItem*>(TCollection::Insert(Index)); }
    TButtonItem* Items(int32_t Index) const { return static_cast<TButtonItem*>(TCollection::Items(Index)); }

    // Fired when the collection changes as a whole.
    std::function<void(TObject* Sender)> OnChange;

protected:
    void Update(TCollectionItem* Item) override;
};

// The looks of the keys. The colour setters fire OnChange on a change (ShineColor, GlowColorHot and
// GlowColorDown only store); the painting uses Font, TextColor and SpecialTextColor.
class TButtonAppearance : public TPersistent {
public:
    TButtonAppearance();
    ~TButtonAppearance() override;

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Store(FBorderColor, Value); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor Value) { Store(FBorderColorHot, Value); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor Value) { Store(FBorderColorDown, Value); }
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(TColor Value) { Store(FBorderColorChecked, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Store(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { Store(FColorTo, Value); }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value) { Store(FColorDown, Value); }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor Value) { Store(FColorDownTo, Value); }
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value) { Store(FColorHot, Value); }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { Store(FColorHotTo, Value); }
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value) { Store(FColorCheckedTo, Value); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor Value) { Store(FColorDisabled, Value); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor Value) { Store(FColorDisabledTo, Value); }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value) { Store(FColorChecked, Value); }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    TColor ShineColor() const { return FShineColor; }
    void SetShineColor(TColor Value) { FShineColor = Value; }
    TColor GlowColorHot() const { return FGlowColorHot; }
    void SetGlowColorHot(TColor Value) { FGlowColorHot = Value; }
    TColor GlowColorDown() const { return FGlowColorDown; }
    void SetGlowColorDown(TColor Value) { FGlowColorDown = Value; }
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor Value) { Store(FTextColor, Value); }
    TColor SpecialTextColor() const { return FSpecialTextColor; }
    void SetSpecialTextColor(TColor Value) { Store(FSpecialTextColor, Value); }

    void Assign(TPersistent* Source) override;

    std::function<void(TObject* Sender)> OnChange;

private:
    void Store(TColor& Field, TColor Value);

    TColor FBorderColor = clBlack;
    TColor FBorderColorHot = clBlack;
    TColor FBorderColorDown = clBlack;
    TColor FBorderColorChecked = clBlue;
    TColor FColor;
    TColor FColorTo;
    TColor FColorDown;
    TColor FColorDownTo;
    TColor FColorHot;
    TColor FColorHotTo;
    TColor FColorCheckedTo;
    TColor FColorDisabled;
    TColor FColorDisabledTo;
    TColor FColorChecked;
    std::unique_ptr<TFont> FFont;
    TColor FShineColor = clWhite;
    TColor FGlowColorHot;
    TColor FGlowColorDown;
    TColor FTextColor = clBlack;
    TColor FSpecialTextColor = clMaroon;
};

class TCustomButtonPanel : public TCustomControl {
public:
    explicit TCustomButtonPanel(TComponent* AOwner);
    ~TCustomButtonPanel() override;

    TButtonItems* Buttons() const { return FButtons.get(); }
    void SetButtons(TButtonItems* Value) { FButtons->Assign(Value); }
    // Image and caption arrangement inside a button; only stores.
    TItemLayout ButtonLayout() const { return FButtonLayout; }
    void SetButtonLayout(TItemLayout Value) { FButtonLayout = Value; }
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle Value) { FItemColorStyle = Value; }
    // Not owned; a change lays the buttons out again.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // Not owned; forgotten when it goes away.
    TCustomEdit* Edit() const { return FEdit; }
    void SetEdit(TCustomEdit* Value);
    TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
    void SetButtonPanelType(TButtonPanelType Value);
    TButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    void SetButtonAppearance(TButtonAppearance* Value) { FButtonAppearance->Assign(Value); }
    // The drop-down that hosts the panel (not owned); nil for a panel of its own.
    TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
    void SetExtDropDown(TExtCustomDropDown* Value) { FExtDropDown = Value; }
    int32_t ButtonHot() const { return FButtonHot; }
    int32_t ButtonDown() const { return FButtonDown; }
    // The first button whose rectangle holds the point; -1 when none does.
    int32_t ButtonAtPos(int32_t X, int32_t Y) const;

    virtual void DrawButton(int32_t Index, TCanvas* ACanvas);
    virtual void GetButtonsRect(TRect& R);
    // The size that holds the widest caption and the largest image.
    virtual void GetButtonSize(int32_t& W, int32_t& H);
    virtual void ClearButtons();
    virtual void RebuildButtons();
    // The 28 calculator keys for plCalculator, when the collection is empty; then the layout.
    virtual void BuildButtons();
    // The calculator grid for plCalculator; custom buttons keep the places their owner gave them.
    virtual void ArrangeButtons();
    virtual void InvalidateButton(int32_t Index);
    virtual void ButtonClick(int32_t Index);

    void Loaded() override;

    std::function<void(TObject* Sender, int32_t Index)> OnButtonClick;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

private:
    bool IsDisabledItem(int32_t Index) const;
    // SetButtonHot and SetButtonDown: the old button cleared, the new one drawn at once.
    void MoveMark(int32_t& Field, int32_t Index);
    void SetButtonHot(int32_t Index) { MoveMark(FButtonHot, Index); }
    void SetButtonDown(int32_t Index) { MoveMark(FButtonDown, Index); }
    void RepaintUnhosted();

    std::unique_ptr<TButtonItems> FButtons;
    TItemLayout FButtonLayout = ilCaptionRight;
    TSelectionColorStyle FItemColorStyle = scCustom;
    int32_t FButtonHot = -1;
    int32_t FOffSetX = 8;
    int32_t FOffSetY = 8;
    int32_t FButtonOffSetX = 4;
    int32_t FButtonOffSetY = 4;
    TCustomImageList* FImages = nullptr;
    int32_t FCaptionGap = 0;
    TCustomEdit* FEdit = nullptr;
    TButtonPanelType FButtonPanelType = plCalculator;
    std::unique_ptr<TButtonAppearance> FButtonAppearance;
    int32_t FButtonDown = -1;
    TExtCustomDropDown* FExtDropDown = nullptr;
};
