// CANopen device restart table: the window, its size and its texts.
#include "tables/UReStart_Devices.h"

TFReStart_Devices* FReStart_Devices = nullptr;

TFReStart_Devices::TFReStart_Devices(TComponent* AOwner) : TRuleTableForm(AOwner, 798, 336) {}

void TFReStart_Devices::Set_Lang()
{
    Set_Frame_Lang(2400);
}
