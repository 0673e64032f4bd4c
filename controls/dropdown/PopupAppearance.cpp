// The header and footer appearances and their button items.
#include "dropdown/PopupAppearance.h"

#include "graphics/GraphicsObjects.h"

// ---- Button items ----

void TPopupButtonItem::NotifyChange()
{
    if (auto* Buttons = dynamic_cast<TPopupButtons*>(Collection()); Buttons && Buttons->OnChange) Buttons->OnChange(Buttons);
}

void TPopupButtonItem::SetCaption(const QString& Value)
{
    if (FCaption == Value) return;
    FCaption = Value;
    NotifyChange();
}

void TPopupButtonItem::SetEnabled(bool Value)
{
    if (FEnabled == Value) return;
    FEnabled = Value;
    NotifyChange();
}

void TPopupButtonItem::SetWidth(int32_t Value)
{
    if (FWidth == Value) return;
    FWidth = Value;
    NotifyChange();
}

void TPopupButtonItem::AssignItem(const TPopupButtonItem* Source)
{
    SetCaption(Source->Caption());
    SetImageIndex(Source->ImageIndex());
    SetEnabled(Source->Enabled());
    SetWidth(Source->Width());
    SetHeight(Source->Height());
}

void THeaderButton::Assign(TPersistent* Source)
{
    if (auto* Button = dynamic_cast<THeaderButton*>(Source)) AssignItem(Button);
    else TCollectionItem::Assign(Source);
}

void TFooterButton::Assign(TPersistent* Source)
{
    if (auto* Button = dynamic_cast<TFooterButton*>(Source)) {
        AssignItem(Button);
        SetModalResult(Button->ModalResult());
    } else {
        TCollectionItem::Assign(Source);
    }
}

// ---- Appearances ----

TPopupStripAppearance::TPopupStripAppearance(TPersistent* AOwner, std::unique_ptr<TPopupButtons> Buttons)
    : FOwner(AOwner), FFont(std::make_unique<TFont>()), FButtons(std::move(Buttons))
{
    FButtons->OnChange = [this](TObject*) {
        if (OnButtonsChanged) OnButtonsChanged(this);
    };
}

TPopupStripAppearance::~TPopupStripAppearance() = default;

void TPopupStripAppearance::SetVisible(bool Value)
{
    if (FVisible == Value) return;
    FVisible = Value;
    if (OnChange) OnChange(this);
}

void TPopupStripAppearance::SetFont(TFont* Value)
{
    FFont->Assign(Value);
}

void TPopupStripAppearance::AssignStripColors(const TPopupStripAppearance* Source)
{
    FColorTo = Source->FColorTo;
    FColor = Source->FColor;
    FBorderColor = Source->FBorderColor;
    FGradientDirection = Source->FGradientDirection;
    FFont->Assign(Source->FFont.get());
}

void TPopupStripAppearance::AssignStrip(const TPopupStripAppearance* Source)
{
    FColorTo = Source->FColorTo;
    FColor = Source->FColor;
    FBorderColor = Source->FBorderColor;
    FCaption = Source->FCaption;
    FFont->Assign(Source->FFont.get());
    FImageIndex = Source->FImageIndex;
    FBorderWidth = Source->FBorderWidth;
    FGradientDirection = Source->FGradientDirection;
    FHeight = Source->FHeight;
    SetVisible(Source->FVisible);
    FButtonAlignment = Source->FButtonAlignment;
    FButtons->Assign(Source->FButtons.get());
}

THeaderAppearance::THeaderAppearance(TPersistent* AOwner)
    : TPopupStripAppearance(AOwner, std::make_unique<THeaderButtons>(AOwner))
{
    Font()->SetName(QStringLiteral("Tahoma"));
}

void THeaderAppearance::SetButtons(THeaderButtons* Value)
{
    Buttons()->Assign(Value);
}

void THeaderAppearance::Assign(TPersistent* Source)
{
    if (auto* Header = dynamic_cast<THeaderAppearance*>(Source)) AssignStrip(Header);
}

void THeaderAppearance::AssignColors(TPersistent* Source)
{
    if (auto* Header = dynamic_cast<THeaderAppearance*>(Source)) AssignStripColors(Header);
}

TFooterAppearance::TFooterAppearance(TPersistent* AOwner)
    : TPopupStripAppearance(AOwner, std::make_unique<TFooterButtons>(AOwner))
{
}

void TFooterAppearance::SetButtons(TFooterButtons* Value)
{
    Buttons()->Assign(Value);
}

void TFooterAppearance::Assign(TPersistent* Source)
{
    auto* Footer = dynamic_cast<TFooterAppearance*>(Source);
    if (!Footer) return;
    AssignStrip(Footer);
    FSizeGrip = Footer->FSizeGrip;
}

void TFooterAppearance::AssignColors(TPersistent* Source)
{
    if (auto* Footer = dynamic_cast<TFooterAppearance*>(Source)) AssignStripColors(Footer);
}
