// Modbus access rule table: the window, its size and its texts.
#include "tables/USetAccess.h"

TFSetAccess* FSetAccess = nullptr;

TFSetAccess::TFSetAccess(TComponent* AOwner) : TRuleTableForm(AOwner, 900, 337) {}

void TFSetAccess::Set_Lang()
{
    Set_Frame_Lang(600);
}
