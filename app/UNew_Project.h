// New-configuration window: TFNew_Project.
#pragma once

#include "windows/Forms.h"

class TFNew_Project : public TForm {
public:
    explicit TFNew_Project(TComponent* AOwner);

    // Takes every caption, hint and message of the window from the language table.
    void Set_Lang();
};

extern TFNew_Project* FNew_Project;
