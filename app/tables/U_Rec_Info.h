// CAN receive byte map: TF_Rec_Info.
#pragma once

#include "tables/UDialogFrame.h"

class TF_Rec_Info : public TRuleTableForm {
public:
    explicit TF_Rec_Info(TComponent* AOwner);

    void Set_Lang() override;
};

extern TF_Rec_Info* F_Rec_Info;
