// J1939 transmit rule table: TFTransmitJ1939.
#pragma once

#include "tables/UDialogFrame.h"

class TFTransmitJ1939 : public TRuleTableForm {
public:
    explicit TFTransmitJ1939(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFTransmitJ1939* FTransmitJ1939;
