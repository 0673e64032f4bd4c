// Modbus TCP master rule table: the window, its size and its texts.
#include "tables/UModbus_TCP_Master_Set_Access.h"

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner) : TRuleTableForm(AOwner, 1100, 337) {}

void TFModbus_TCP_Master_Set_Access::Set_Lang()
{
    Set_Frame_Lang(Ind_Lang);
}
