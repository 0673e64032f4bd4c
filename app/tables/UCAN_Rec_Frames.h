// CAN receive frames rule table: TFCAN_Rec_Frames.
#pragma once

#include "tables/UDialogFrame.h"

class TFCAN_Rec_Frames : public TRuleTableForm {
public:
    explicit TFCAN_Rec_Frames(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFCAN_Rec_Frames* FCAN_Rec_Frames;
