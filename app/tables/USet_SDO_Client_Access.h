// CANopen SDO client rule table: TFSet_SDO_Client_Access.
#pragma once

#include "tables/UDialogFrame.h"

class TFSet_SDO_Client_Access : public TRuleTableForm {
public:
    explicit TFSet_SDO_Client_Access(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
