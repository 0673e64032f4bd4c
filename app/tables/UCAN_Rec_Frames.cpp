// CAN receive frames rule table: the window, its size and its texts.
#include "tables/UCAN_Rec_Frames.h"

TFCAN_Rec_Frames* FCAN_Rec_Frames = nullptr;

TFCAN_Rec_Frames::TFCAN_Rec_Frames(TComponent* AOwner) : TRuleTableForm(AOwner, 759, 337) {}

void TFCAN_Rec_Frames::Set_Lang()
{
    Set_Frame_Lang(1900);
}
