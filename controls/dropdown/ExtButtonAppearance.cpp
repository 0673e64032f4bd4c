// TExtButtonAppearance: defaults, change notification and copying.
#include "dropdown/ExtButtonAppearance.h"

#include "graphics/GraphicsObjects.h"

TExtButtonAppearance::TExtButtonAppearance()
    : FBorderColorHot(RGB(0x80, 0x80, 0x80)), FBorderColorDown(RGB(0x00, 0x00, 0x80)),
      FBorderColorDisabled(RGB(0x80, 0x80, 0x80)), FBorderColorChecked(RGB(0x00, 0x00, 0xFF)),
      FColorDown(RGB(0xCA, 0xD8, 0xF5)), FColorDownTo(RGB(0xA0, 0xBD, 0xF9)), FColorHot(RGB(0xE1, 0xF0, 0xF5)),
      FColorHotTo(RGB(0xB2, 0xD2, 0xF9)), FColorCheckedTo(RGB(0xA0, 0xBD, 0xF9)), FColorDisabled(RGB(0xF2, 0xF2, 0xF2)),
      FColorChecked(RGB(0xCA, 0xD8, 0xF5)), FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Tahoma"));
}

TExtButtonAppearance::~TExtButtonAppearance() = default;

void TExtButtonAppearance::Store(TColor& Field, TColor Value)
{
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange(this);
}

void TExtButtonAppearance::SetGradient(TGradientDirection Value)
{
    if (FGradient == Value) return;
    FGradient = Value;
    if (OnChange) OnChange(this);
}

void TExtButtonAppearance::SetFont(TFont* Value)
{
    FFont->Assign(Value);
}

void TExtButtonAppearance::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TExtButtonAppearance*>(Source);
    if (!From) {
        TPersistent::Assign(Source);
        return;
    }
    SetColor(From->FColor);
    SetColorTo(From->FColorTo);
    SetColorHot(From->FColorHot);
    SetColorHotTo(From->FColorHotTo);
    SetColorDown(From->FColorDown);
    SetColorDownTo(From->FColorDownTo);
    SetColorChecked(From->FColorChecked);
    SetColorCheckedTo(From->FColorCheckedTo);
    SetColorDisabled(From->FColorDisabled);
    SetColorDisabledTo(From->FColorDisabledTo);
    SetBorderColor(From->FBorderColor);
    SetBorderColorHot(From->FBorderColorHot);
    SetBorderColorDown(From->FBorderColorDown);
    SetBorderColorChecked(From->FBorderColorChecked);
    SetBorderColorDisabled(From->FBorderColorDisabled);
    SetGradient(From->FGradient);
    FFont->Assign(From->FFont.get());
}
