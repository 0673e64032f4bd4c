// Device-command window: the window, its size and its texts.
#include "UAdvanceFunctions.h"

#include "ULanguage.h"

#include "button/LbButton.h"
#include "windows/StdCtrls.h"

TFAdvanceFunctions* FAdvanceFunctions = nullptr;

TFAdvanceFunctions::TFAdvanceFunctions(TComponent* AOwner) : TDialogFrame(AOwner, 635, 465)
{
    Btn_Exit = New_Panel_Button(0, bkClose, mrCancel);
}

void TFAdvanceFunctions::Set_Lang()
{
    SetCaption(Lang(1200));
    L_SW_Desc->SetCaption(Lang(1201));
    Btn_Exit->SetCaption(Lang(1234));
}
