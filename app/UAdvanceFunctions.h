// Device-command window: TFAdvanceFunctions.
#pragma once

#include "windows/Forms.h"

class TFAdvanceFunctions : public TForm {
public:
    explicit TFAdvanceFunctions(TComponent* AOwner);

    // Takes every caption, hint and message of the window from the language table.
    void Set_Lang();
};

extern TFAdvanceFunctions* FAdvanceFunctions;
