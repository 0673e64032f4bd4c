// The grid's marker windows: the arrows shown while a column or row is dragged, and the focus frame window.
#pragma once

#include "windows/Controls.h"
#include "windows/ExtCtrls.h"

#include <array>

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

// A lime arrow-shaped pop-up window. arrLeft is the marker placed left of the target and points
// right; arrRight the reverse. The owner (a windowed control) becomes its parent; the window is
// top-level and placed in screen coordinates.
class TArrowWindow : public TPanel {
public:
    TArrowWindow(TComponent* AOwner, TArrowDirection Direction);

    TArrowDirection Dir() const { return FDir; }
    // The seven points of the window's outline.
    const std::array<TPoint, 7>& Arrow() const { return FArrow; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Paint() override;

private:
    TArrowDirection FDir;
    std::array<TPoint, 7> FArrow;
};

class TGridAlphaMask;

// A borderless, topmost tool window that never takes the focus; the grid gives it the layered
// contents of its focus frame.
class TGridFocusWindow : public TCustomControl {
public:
    explicit TGridFocusWindow(TComponent* AOwner);

protected:
    void CreateParams(TCreateParams& Params) override;
};

// Makes Window layered and gives it Mask's pixels with Mask's opacity, at its place and at the
// mask's size, without activating it. Nothing for a mask of height 0.
void ApplyAlphaMask(TWinControl* Window, TGridAlphaMask* Mask);
