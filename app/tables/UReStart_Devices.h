// CANopen device restart table: TFReStart_Devices.
#pragma once

#include "tables/UDialogFrame.h"

class TFReStart_Devices : public TRuleTableForm {
public:
    explicit TFReStart_Devices(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFReStart_Devices* FReStart_Devices;
