// CAN send frames rule table: the window, its size and its texts.
#include "tables/UCAN_Send_Frame.h"

TFCAN_Send_Frame* FCAN_Send_Frame = nullptr;

TFCAN_Send_Frame::TFCAN_Send_Frame(TComponent* AOwner) : TRuleTableForm(AOwner, 759, 337) {}

void TFCAN_Send_Frame::Set_Lang()
{
    Set_Frame_Lang(2100);
}
