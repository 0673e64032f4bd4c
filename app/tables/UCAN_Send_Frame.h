// CAN send frames rule table: TFCAN_Send_Frame.
#pragma once

#include "tables/UDialogFrame.h"

class TFCAN_Send_Frame : public TRuleTableForm {
public:
    explicit TFCAN_Send_Frame(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFCAN_Send_Frame* FCAN_Send_Frame;
