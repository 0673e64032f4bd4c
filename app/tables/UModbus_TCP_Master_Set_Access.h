// Modbus TCP master rule table: TFModbus_TCP_Master_Set_Access.
#pragma once

#include "tables/UDialogFrame.h"

#include <cstdint>

class TFModbus_TCP_Master_Set_Access : public TRuleTableForm {
public:
    explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner);

    // The base of the window's language block; its texts are read at fixed offsets from it.
    int32_t Ind_Lang = 1300;

    void Set_Lang() override;
};

extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;
