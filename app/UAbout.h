// About box: TFAbout.
#pragma once

#include "windows/Forms.h"

class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner);

    // Takes every caption, hint and message of the window from the language table.
    void Set_Lang();
};

extern TFAbout* FAbout;
