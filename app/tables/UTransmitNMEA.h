// NMEA 2000 transmit rule table: TFTransmitNMEA.
#pragma once

#include "tables/UDialogFrame.h"

class TFTransmitNMEA : public TRuleTableForm {
public:
    explicit TFTransmitNMEA(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFTransmitNMEA* FTransmitNMEA;
