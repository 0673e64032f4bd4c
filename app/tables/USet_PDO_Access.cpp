// CANopen PDO rule table: the window, its size and its texts.
#include "tables/USet_PDO_Access.h"

TFSet_PDO_Access* FSet_PDO_Access = nullptr;

TFSet_PDO_Access::TFSet_PDO_Access(TComponent* AOwner) : TRuleTableForm(AOwner, 798, 337) {}

void TFSet_PDO_Access::Set_Lang()
{
    Set_Frame_Lang(900);
}
