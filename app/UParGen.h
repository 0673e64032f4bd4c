// Communication parameters window and ParGen.xml: TFParGen.
#pragma once

#include "windows/Forms.h"

class TFParGen : public TForm {
public:
    explicit TFParGen(TComponent* AOwner);

    // Takes every caption, hint and message of the window from the language table.
    void Set_Lang();
};

extern TFParGen* FParGen;
