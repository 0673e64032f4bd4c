// Open-configuration window: TFOpenConf.
#pragma once

#include "windows/Forms.h"

class TFOpenConf : public TForm {
public:
    explicit TFOpenConf(TComponent* AOwner);

    // Takes every caption, hint and message of the window from the language table.
    void Set_Lang();
};

extern TFOpenConf* FOpenConf;
