// A control of a fuzz target on a form of its own, made on first use and kept to the end: the
// windows must not outlive the application at exit.
#pragma once

#include "windows/Forms.h"

#include <memory>

template <class TControlClass>
TControlClass* FuzzControl()
{
    struct TRig {
        std::unique_ptr<TForm> Form;
        TControlClass* Control = nullptr;
    };
    static TRig* Made = [] {
        auto* Rig = new TRig;
        Rig->Form.reset(New<TForm>(nullptr));
        Rig->Form->SetBounds(0, 0, 300, 300);
        Rig->Control = New<TControlClass>(Rig->Form.get());
        Rig->Control->SetParent(Rig->Form.get());
        return Rig;
    }();
    return Made->Control;
}
