// CANopen SDO server rule table: the window, its size and its texts.
#include "tables/USet_SDO_Server_Access.h"

TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(TComponent* AOwner) : TRuleTableForm(AOwner, 798, 337) {}

void TFSet_SDO_Server_Access::Set_Lang()
{
    Set_Frame_Lang(1100);
}
