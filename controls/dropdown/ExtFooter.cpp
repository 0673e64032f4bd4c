// TExtFooter: button area, footer button events and modal results, the border along its top and the size grip.
#include "dropdown/ExtFooter.h"

#include "dropdown/DropDownUtil.h"
#include "dropdown/ExtButton.h"
#include "dropdown/ExtDropDown.h"
#include "dropdown/PopupAppearance.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "windows/Forms.h"

TExtFooter::TExtFooter(TComponent* AOwner) : TPopupStrip(AOwner, std::make_unique<TFooterAppearance>(AOwner))
{
    FControlStyle.Include(csCaptureMouse);
    StripAppearance()->OnButtonsChanged = nullptr;
}

TFooterAppearance* TExtFooter::Appearance() const
{
    return static_cast<TFooterAppearance*>(StripAppearance());
}

void TExtFooter::SetAppearance(TFooterAppearance* Value)
{
    Appearance()->Assign(Value);
}

TFooterButtons* TExtFooter::Buttons() const
{
    return ExtDropDown() ? ExtDropDown()->DropDownFooter()->Buttons() : nullptr;
}

TPopupStripAppearance* TExtFooter::DropDownAppearance() const
{
    return ExtDropDown() ? ExtDropDown()->DropDownFooter() : nullptr;
}

bool TExtFooter::GripActive() const
{
    return Appearance()->SizeGrip() && ExtDropDown() && ExtDropDown()->DropDownSizeable();
}

TRect TExtFooter::ButtonArea() const
{
    TRect Area = ClientRect();
    Area.Left += 2;
    Area.Top += 2;
    Area.Bottom -= 2;
    Area.Right -= GripActive() ? 14 : 2;
    return Area;
}

void TExtFooter::PrepareButton(TExtButton* Button, TPopupButtonItem* Item)
{
    Button->SetExtDropDown(ExtDropDown());
    if (auto* FooterItem = dynamic_cast<TFooterButton*>(Item)) Button->SetModalResult(FooterItem->ModalResult());
}

void TExtFooter::ButtonClicked(int32_t ButtonIndex)
{
    TExtCustomDropDown* DropDown = ExtDropDown();
    if (DropDown && DropDown->OnDropDownFooterButtonClick) DropDown->OnDropDownFooterButtonClick(DropDown, ButtonIndex);
}

void TExtFooter::DrawBorder(const TRect& R)
{
    TCanvas* C = Canvas();
    C->MoveTo(R.Left, R.Top);
    C->LineTo(R.Right, R.Top);
    if (!DropDownFramed()) {
        C->MoveTo(R.Left, R.Top);
        C->LineTo(R.Left, R.Bottom);
        C->LineTo(R.Right, R.Bottom);
        C->LineTo(R.Right, R.Top);
    }
    C->Pen()->SetWidth(1);
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetColor(BlendColor(Appearance()->BorderColor(), clWhite, 20));
    C->Rectangle(R.Left, R.Top + Appearance()->BorderWidth(), R.Right, R.Bottom);
}

void TExtFooter::PaintOver(const TRect& R)
{
    if (!GripActive()) return;
    TCanvas* C = Canvas();
    const int32_t L = R.Right - Appearance()->BorderWidth() - 16;
    const int32_t B = R.Bottom;
    const auto Dots = [C, L, B](TColor Color, int32_t DX, int32_t DY) {
        static constexpr TPoint Places[] = {{5, -4}, {9, -4}, {13, -4}, {13, -8}, {13, -12}, {9, -8}};
        C->Pen()->SetColor(Color);
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(Color);
        for (const TPoint& P : Places) C->Rectangle(L + P.X + DX, B + P.Y + DY, L + P.X + DX + 2, B + P.Y + DY + 2);
    };
    Dots(clWhite, 0, 0);
    Dots(Appearance()->BorderColor(), -1, -1);
}

bool TExtFooter::InGrip(int32_t X, int32_t Y) const
{
    return GripActive() && Parent() && X > Width() - 12 && Y > Height() - 15;
}

void TExtFooter::RestoreCursor()
{
    if (Screen->Cursor() != FOldCursor) Screen->SetCursor(FOldCursor);
}

void TExtFooter::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TPopupStrip::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !InGrip(X, Y)) return;
    ReleaseCapture();
    Parent()->Perform(WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, 0);
}

void TExtFooter::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TPopupStrip::MouseMove(Shift, X, Y);
    if (InGrip(X, Y)) {
        if (Screen->Cursor() != crSizeNWSE) Screen->SetCursor(crSizeNWSE);
    } else {
        RestoreCursor();
    }
}

void TExtFooter::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TPopupStrip::MouseUp(Button, Shift, X, Y);
    RestoreCursor();
}

void TExtFooter::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        if (Message.LParam == 0 && Screen->Cursor() != crSizeNWSE) FOldCursor = Screen->Cursor();
        break;
    case CM_MOUSELEAVE:
        if (Message.LParam == 0) RestoreCursor();
        break;
    default: break;
    }
    TPopupStrip::Dispatch(Message);
}
