// Update window and the hand-off to the outside updater: TFBootTCP.
#pragma once

#include "windows/Forms.h"

class TFBootTCP : public TForm {
public:
    explicit TFBootTCP(TComponent* AOwner);

    // Takes every caption, hint and message of the window from the language table.
    void Set_Lang();
};

extern TFBootTCP* FBootTCP;
