// J1939 receive rule table: TFReceiveJ1939.
#pragma once

#include "tables/UDialogFrame.h"

class TFReceiveJ1939 : public TRuleTableForm {
public:
    explicit TFReceiveJ1939(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFReceiveJ1939* FReceiveJ1939;
