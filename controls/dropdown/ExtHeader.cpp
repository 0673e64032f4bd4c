// TExtHeader: button area, header button events and the border along its bottom.
#include "dropdown/ExtHeader.h"

#include "dropdown/DropDownUtil.h"
#include "dropdown/ExtDropDown.h"
#include "dropdown/PopupAppearance.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"

TExtHeader::TExtHeader(TComponent* AOwner) : TPopupStrip(AOwner, std::make_unique<THeaderAppearance>(AOwner))
{
}

THeaderAppearance* TExtHeader::Appearance() const
{
    return static_cast<THeaderAppearance*>(StripAppearance());
}

void TExtHeader::SetAppearance(THeaderAppearance* Value)
{
    Appearance()->Assign(Value);
}

THeaderButtons* TExtHeader::Buttons() const
{
    return ExtDropDown() ? ExtDropDown()->DropDownHeader()->Buttons() : nullptr;
}

TPopupStripAppearance* TExtHeader::DropDownAppearance() const
{
    return ExtDropDown() ? ExtDropDown()->DropDownHeader() : nullptr;
}

TRect TExtHeader::ButtonArea() const
{
    TRect Area = ClientRect();
    Area.Left += 2;
    Area.Top += 2;
    Area.Right -= 2;
    Area.Bottom -= 3;
    return Area;
}

void TExtHeader::ArrangeButtons()
{
    if (ButtonCount() == 0) return;
    TPopupStrip::ArrangeButtons();
}

void TExtHeader::ButtonClicked(int32_t ButtonIndex)
{
    TExtCustomDropDown* DropDown = ExtDropDown();
    if (DropDown && DropDown->OnDropDownHeaderButtonClick) DropDown->OnDropDownHeaderButtonClick(DropDown, ButtonIndex);
}

void TExtHeader::DrawBorder(const TRect& R)
{
    TCanvas* C = Canvas();
    C->MoveTo(R.Left, R.Bottom - 1);
    C->LineTo(R.Right, R.Bottom - 1);
    if (!DropDownFramed()) {
        C->MoveTo(R.Left, R.Bottom - 1);
        C->LineTo(R.Left, R.Top);
        C->LineTo(R.Right, R.Top);
        C->LineTo(R.Right, R.Bottom - 1);
    }
    C->Pen()->SetWidth(1);
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetColor(BlendColor(Appearance()->BorderColor(), clWhite, 20));
    C->Rectangle(R.Left, R.Top, R.Right, R.Bottom - Appearance()->BorderWidth());
}
