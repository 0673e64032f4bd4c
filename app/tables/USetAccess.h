// Modbus access rule table: TFSetAccess.
#pragma once

#include "tables/UDialogFrame.h"

class TFSetAccess : public TRuleTableForm {
public:
    explicit TFSetAccess(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFSetAccess* FSetAccess;
