// CAN send byte map: TF_Sen_Info.
#pragma once

#include "tables/UDialogFrame.h"

class TF_Sen_Info : public TRuleTableForm {
public:
    explicit TF_Sen_Info(TComponent* AOwner);

    void Set_Lang() override;
};

extern TF_Sen_Info* F_Sen_Info;
