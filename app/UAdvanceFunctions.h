// Device-command window: TFAdvanceFunctions.
#pragma once

#include "tables/UDialogFrame.h"

class TFAdvanceFunctions : public TDialogFrame {
public:
    explicit TFAdvanceFunctions(TComponent* AOwner);

    TLbButton* Btn_Exit;

    // Takes every caption, hint and message of the window from the language table.
    void Set_Lang() override;
};

extern TFAdvanceFunctions* FAdvanceFunctions;
