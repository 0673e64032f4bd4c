// NMEA 2000 receive rule table: TFReceiveNMEA.
#pragma once

#include "tables/UDialogFrame.h"

class TFReceiveNMEA : public TRuleTableForm {
public:
    explicit TFReceiveNMEA(TComponent* AOwner);

    void Set_Lang() override;
};

extern TFReceiveNMEA* FReceiveNMEA;
