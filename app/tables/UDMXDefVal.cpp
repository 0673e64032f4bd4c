// DMX default values: the window, its size and its texts.
#include "tables/UDMXDefVal.h"

TFDMXDefVal* FDMXDefVal = nullptr;

TFDMXDefVal::TFDMXDefVal(TComponent* AOwner) : TRuleTableForm(AOwner, 475, 337) {}

void TFDMXDefVal::Set_Lang()
{
    Set_Frame_Lang(1400);
}
