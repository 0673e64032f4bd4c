// CANopen node guarding table: TFNodeGuard.
#pragma once

#include "tables/UDialogFrame.h"

class TFNodeGuard : public TRuleTableForm {
public:
    explicit TFNodeGuard(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFNodeGuard* FNodeGuard;
