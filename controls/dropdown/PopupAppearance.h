// The appearances of a drop-down's pop-up header and footer, and their button collections.
#pragma once

#include "dropdown/DropDownTypes.h"

#include "graphics/Colors.h"
#include "rtl/Collection.h"
#include "windows/Controls.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TFont;

// A button of a header or footer strip. Width and Height 0 size it to its content. Caption,
// Enabled and Width tell the collection's OnChange of a change; ImageIndex and Height only store.
class TPopupButtonItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value) { FImageIndex = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t Value);
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t Value) { FHeight = Value; }

protected:
    // Copies the common properties of Source through the setters.
    void AssignItem(const TPopupButtonItem* Source);

private:
    void NotifyChange();

    QString FCaption;
    int32_t FImageIndex = -1;
    bool FEnabled = true;
    int32_t FHeight = 0;
    int32_t FWidth = 0;
};

class THeaderButton : public TPopupButtonItem {
public:
    using TPopupButtonItem::TPopupButtonItem;
    // From another header button; any other source raises the conversion error.
    void Assign(TPersistent* Source) override;
};

class TFooterButton : public TPopupButtonItem {
public:
    using TPopupButtonItem::TPopupButtonItem;
    // Whether a click closes the pop-up, and how (see TExtButton).
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    // From another footer button; any other source raises the conversion error.
    void Assign(TPersistent* Source) override;

private:
    TModalResult FModalResult = mrNone;
};

// The button collection of a strip; only the item setters fire OnChange.
class TPopupButtons : public TOwnedCollection {
public:
    using TOwnedCollection::TOwnedCollection;
    std::function<void(TObject* Sender)> OnChange;
};

class THeaderButtons : public TPopupButtons {
public:
    explicit THeaderButtons(TPersistent* AOwner) : TPopupButtons(AOwner, ItemClassOf<THeaderButton>()) {}
    THeaderButton* Add() { return static_cast<THeaderButton*>(TCollection::Add()); }
    THeaderButton* Insert(int32_t Index) { return static_cast<THeaderButton*>(TCollection::Insert(Index)); }
    THeaderButton* Items(int32_t Index) const { return static_cast<THeaderButton*>(TCollection::Items(Index)); }
};

class TFooterButtons : public TPopupButtons {
public:
    explicit TFooterButtons(TPersistent* AOwner) : TPopupButtons(AOwner, ItemClassOf<TFooterButton>()) {}
    TFooterButton* Add() { return static_cast<TFooterButton*>(TCollection::Add()); }
    TFooterButton* Insert(int32_t Index) { return static_cast<TFooterButton*>(TCollection::Insert(Index)); }
    TFooterButton* Items(int32_t Index) const { return static_cast<TFooterButton*>(TCollection::Items(Index)); }
};

// What a header or footer strip shows: background, border, image, caption (markup allowed) and
// buttons. Only Font (copied), Buttons (copied) and Visible (fires OnChange) do more than store.
class TPopupStripAppearance : public TPersistent {
public:
    ~TPopupStripAppearance() override;

    TPersistent* Owner() const { return FOwner; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t Value) { FHeight = Value; }
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t Value) { FBorderWidth = Value; }
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value) { FImageIndex = Value; }
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value) { FCaption = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { FColorTo = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection Value) { FGradientDirection = Value; }
    TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
    void SetButtonAlignment(TButtonAlignment Value) { FButtonAlignment = Value; }
    TPopupButtons* PopupButtons() const { return FButtons.get(); }

    // Fired when Visible changes.
    std::function<void(TObject* Sender)> OnChange;
    // Fired when a button item changes.
    std::function<void(TObject* Sender)> OnButtonsChanged;

protected:
    TPopupStripAppearance(TPersistent* AOwner, std::unique_ptr<TPopupButtons> Buttons);
    // Copies everything but what only one of the two strips has.
    void AssignStrip(const TPopupStripAppearance* Source);
    void AssignStripColors(const TPopupStripAppearance* Source);

private:
    TPersistent* FOwner;
    bool FVisible = true;
    int32_t FHeight = 22;
    int32_t FBorderWidth = 1;
    int32_t FImageIndex = -1;
    QString FCaption;
    TColor FColorTo = clWhite;
    TColor FColor = clSilver;
    TColor FBorderColor = clBlack;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPopupButtons> FButtons;
    TGradientDirection FGradientDirection = gdVertical;
    TButtonAlignment FButtonAlignment = baRight;
};

class THeaderAppearance : public TPopupStripAppearance {
public:
    explicit THeaderAppearance(TPersistent* AOwner);

    THeaderButtons* Buttons() const { return static_cast<THeaderButtons*>(PopupButtons()); }
    void SetButtons(THeaderButtons* Value);
    // From another header appearance only; anything else is ignored.
    void Assign(TPersistent* Source) override;
    void AssignColors(TPersistent* Source);
};

class TFooterAppearance : public TPopupStripAppearance {
public:
    explicit TFooterAppearance(TPersistent* AOwner);

    TFooterButtons* Buttons() const { return static_cast<TFooterButtons*>(PopupButtons()); }
    void SetButtons(TFooterButtons* Value);
    // The size grip shows when the drop-down is sizeable.
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value) { FSizeGrip = Value; }
    // From another footer appearance only; anything else is ignored.
    void Assign(TPersistent* Source) override;
    void AssignColors(TPersistent* Source);

private:
    bool FSizeGrip = true;
};
