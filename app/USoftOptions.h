// Options window: TFSoftOptions.
#pragma once

#include "windows/Forms.h"

class TFSoftOptions : public TForm {
public:
    explicit TFSoftOptions(TComponent* AOwner);

    // Takes every caption, hint and message of the window from the language table.
    void Set_Lang();
};

extern TFSoftOptions* FSoftOptions;
