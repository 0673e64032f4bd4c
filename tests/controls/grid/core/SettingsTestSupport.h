// A control that counts its repaints, standing for the grid a settings object repaints.
#pragma once

#include "windows/Controls.h"

#include <cstdint>

class TRepaintCounter : public TControl {
public:
    TRepaintCounter() : TControl(nullptr) {}
    void Invalidate() override { ++Repaints; }

    int32_t Repaints = 0;
};
