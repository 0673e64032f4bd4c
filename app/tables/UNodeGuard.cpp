// CANopen node guarding table: the window, its size and its texts.
#include "tables/UNodeGuard.h"

TFNodeGuard* FNodeGuard = nullptr;

TFNodeGuard::TFNodeGuard(TComponent* AOwner) : TRuleTableForm(AOwner, 700, 337) {}

void TFNodeGuard::Set_Lang()
{
    Set_Frame_Lang(2300);
}
