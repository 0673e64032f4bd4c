// CAN receive byte map: the window, its size and its texts.
#include "tables/U_Rec_Info.h"

TF_Rec_Info* F_Rec_Info = nullptr;

TF_Rec_Info::TF_Rec_Info(TComponent* AOwner) : TRuleTableForm(AOwner, 654, 508) {}

void TF_Rec_Info::Set_Lang()
{
    Set_Frame_Lang(2000);
}
