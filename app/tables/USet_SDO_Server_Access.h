// CANopen SDO server rule table: TFSet_SDO_Server_Access.
#pragma once

#include "tables/UDialogFrame.h"

class TFSet_SDO_Server_Access : public TRuleTableForm {
public:
    explicit TFSet_SDO_Server_Access(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;
