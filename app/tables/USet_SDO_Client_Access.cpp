// CANopen SDO client rule table: the window, its size and its texts.
#include "tables/USet_SDO_Client_Access.h"

TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(TComponent* AOwner) : TRuleTableForm(AOwner, 798, 337) {}

void TFSet_SDO_Client_Access::Set_Lang()
{
    Set_Frame_Lang(1000);
}
