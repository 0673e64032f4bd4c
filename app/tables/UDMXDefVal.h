// DMX default values: TFDMXDefVal.
#pragma once

#include "tables/UDialogFrame.h"

class TFDMXDefVal : public TRuleTableForm {
public:
    explicit TFDMXDefVal(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFDMXDefVal* FDMXDefVal;
