// CAN send byte map: the window, its size and its texts.
#include "tables/U_Sen_Info.h"

TF_Sen_Info* F_Sen_Info = nullptr;

TF_Sen_Info::TF_Sen_Info(TComponent* AOwner) : TRuleTableForm(AOwner, 654, 508) {}

void TF_Sen_Info::Set_Lang()
{
    Set_Frame_Lang(2200);
}
