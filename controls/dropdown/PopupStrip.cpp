// TPopupStrip: attaching to a drop-down, building and arranging the buttons, and painting a strip.
#include "dropdown/PopupStrip.h"

#include "dropdown/DropDownUtil.h"
#include "dropdown/ExtButton.h"
#include "dropdown/ExtDropDown.h"
#include "dropdown/PopupAppearance.h"

#include "grid/base/ExtUtil.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"

TPopupStrip::TPopupStrip(TComponent* AOwner, std::unique_ptr<TPopupStripAppearance> Appearance)
    : TCustomControl(AOwner), FAppearance(std::move(Appearance)), FButtonList(std::make_unique<TDbgList>())
{
    FControlStyle = {csAcceptsControls, csClickEvents, csDoubleClicks};
    SetDoubleBuffered(true);
    FAppearance->OnChange = [this](TObject*) {
        SetVisible(FAppearance->Visible());
        SetHeight(FAppearance->Height());
    };
    FAppearance->OnButtonsChanged = [](TObject*) {};
}

TPopupStrip::~TPopupStrip() = default;

void TPopupStrip::SetImages(TCustomImageList* Value)
{
    FImages = Value;
    if (Value) Value->FreeNotification(this);
    Invalidate();
}

void TPopupStrip::SetExtDropDown(TExtCustomDropDown* ADropDown)
{
    FExtDropDown = ADropDown;
    if (!ADropDown) {
        SetImages(nullptr);
        return;
    }
    SetImages(ADropDown->Images());
    FAppearance->Assign(DropDownAppearance());
}

void TPopupStrip::UpdateButtons()
{
    if (FExtDropDown) BuildButtons();
}

TPopupButtons* TPopupStrip::ItemButtons() const
{
    const TPopupStripAppearance* Appearance = DropDownAppearance();
    return Appearance ? Appearance->PopupButtons() : nullptr;
}

void TPopupStrip::PrepareButton(TExtButton*, TPopupButtonItem*)
{
}

void TPopupStrip::BuildButtons()
{
    TPopupButtons* Items = ItemButtons();
    if (!Items) return;
    ClearButtons();
    const TRect Area = ButtonArea();
    for (int32_t I = 0; I < Items->Count(); ++I) {
        auto* Item = static_cast<TPopupButtonItem*>(Items->Items(I));
        TExtButton* Button = New<TExtButton>(this);
        Button->SetParent(this);
        Button->SetAppearance(FExtDropDown->ButtonAppearance());
        Button->SetCaption(Item->Caption());
        Button->SetImages(FImages);
        Button->SetImageIndex(Item->ImageIndex());
        Button->SetEnabled(Item->Enabled());
        PrepareButton(Button, Item);
        Button->SizeToContent();
        if (Item->Width() > 0) Button->SetWidth(Item->Width());
        if (Item->Height() > 0) Button->SetHeight(Item->Height());
        if (Button->Height() > Area.Height()) Button->SetHeight(Area.Height());
        Button->SetTag(I);
        Button->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
        FButtonList->Add(Button);
    }
    ArrangeButtons();
}

void TPopupStrip::ClearButtons()
{
    for (int32_t I = FButtonList->Count() - 1; I >= 0; --I) delete static_cast<TExtButton*>(FButtonList->Items(I));
    FButtonList->Clear();
}

void TPopupStrip::ArrangeButtons()
{
    const TRect Area = ButtonArea();
    int32_t X = FAppearance->ButtonAlignment() == baRight ? Area.Right : Area.Left;
    for (int32_t I = 0; I < FButtonList->Count(); ++I) {
        TExtButton* Button = ExtButtons(I);
        const int32_t Y = MaxOf(Area.Top, (Area.Bottom - Button->Height()) / 2);
        if (FAppearance->ButtonAlignment() == baRight) {
            X -= Button->Width();
            Button->SetBounds(X, Y, Button->Width(), Button->Height());
        } else {
            Button->SetBounds(X, Y, Button->Width(), Button->Height());
            X += Button->Width();
        }
    }
}

void TPopupStrip::RefreshButtons()
{
    if (!FExtDropDown) return;
    TPopupButtons* Items = ItemButtons();
    for (int32_t I = 0; I < FButtonList->Count(); ++I) {
        TExtButton* Button = ExtButtons(I);
        Button->SetAppearance(FExtDropDown->ButtonAppearance());
        Button->SetImages(FImages);
        if (Items && I < Items->Count()) {
            auto* Item = static_cast<TPopupButtonItem*>(Items->Items(I));
            Button->SetCaption(Item->Caption());
            Button->SetImageIndex(Item->ImageIndex());
            Button->SetEnabled(Item->Enabled());
        }
        Button->SetAutoSize(true);
    }
    ArrangeButtons();
}

void TPopupStrip::ButtonClick(TObject* Sender)
{
    if (auto* Button = dynamic_cast<TExtButton*>(Sender)) ButtonClicked(static_cast<int32_t>(Button->Tag()));
}

bool TPopupStrip::DropDownFramed() const
{
    return FExtDropDown && FExtDropDown->DropDownBorderWidth() > 0 && FExtDropDown->DropDownBorderColor() != clNone;
}

void TPopupStrip::Paint()
{
    const TRect R = ClientRect();
    TCanvas* C = Canvas();
    if (OnDrawBackGround) {
        OnDrawBackGround(this, C, R);
        return;
    }
    if (FAppearance->ColorTo() == clNone) {
        if (FAppearance->Color() != clNone) {
            C->Brush()->SetStyle(bsSolid);
            C->Brush()->SetColor(FAppearance->Color());
            C->FillRect(R);
        }
    } else {
        DrawStepGradient(C, FAppearance->Color(), FAppearance->ColorTo(), 80, R, FAppearance->GradientDirection() == gdHorizontal);
    }
    const int32_t BorderWidth = FAppearance->BorderWidth();
    if (FAppearance->BorderColor() != clNone && BorderWidth > 0) {
        C->Pen()->SetStyle(psSolid);
        C->Pen()->SetWidth(BorderWidth);
        C->Pen()->SetColor(FAppearance->BorderColor());
        DrawBorder(R);
        C->Pen()->SetWidth(1);
    }
    TRect Content = R;
    InflateRect(Content, -BorderWidth, -BorderWidth);
    const int32_t Index = FAppearance->ImageIndex();
    if (Index >= 0 && FImages) {
        FImages->Draw(C, Content.Left + 4, Content.Top + (Content.Height() - FImages->Height()) / 2, Index, true);
        Content.Left += FImages->Width() + 8;
    }
    QString Text = FAppearance->Caption();
    if (OnGetText) OnGetText(this, Text);
    if (!Text.isEmpty()) {
        if (FButtonList->Count() > 0) Content.Right = ExtButtons(FButtonList->Count() - 1)->Left() - 2;
        C->Font()->Assign(FAppearance->Font());
        TSize Size;
        DrawMarkupText(C, Text, Content, Size, FImages, true, Handle());
        if (Size.cy < Content.Height()) Content.Top += (Content.Height() - Size.cy) / 2;
        C->Brush()->SetStyle(bsClear);
        DrawMarkupText(C, Text, Content, Size, FImages, false, Handle());
    }
    PaintOver(R);
}

void TPopupStrip::Dispatch(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    if (Message.Msg == WM_SIZE) ArrangeButtons();
}

void TPopupStrip::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) FImages = nullptr;
    if (AComponent == FExtDropDown) FExtDropDown = nullptr;
}
