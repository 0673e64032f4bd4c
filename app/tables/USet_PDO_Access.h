// CANopen PDO rule table: TFSet_PDO_Access.
#pragma once

#include "tables/UDialogFrame.h"

class TFSet_PDO_Access : public TRuleTableForm {
public:
    explicit TFSet_PDO_Access(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFSet_PDO_Access* FSet_PDO_Access;
