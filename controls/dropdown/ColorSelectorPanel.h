// TExtCustomColorSelectorPanel: the base of the colour picker's pop-up panels (cube, spectrum, palette).
#pragma once

#include "windows/Controls.h"

#include <functional>

class TExtCustomColorSelectorPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

    // Fired when the mouse button is released over the cube or the spectrum picture.
    std::function<void(TObject* Sender)> OnShouldHide;

protected:
    void DoShouldHide()
    {
        if (OnShouldHide) OnShouldHide(this);
    }
};
