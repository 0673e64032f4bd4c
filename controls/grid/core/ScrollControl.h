// A thin scroll position indicator laid over a string grid's right or bottom edge.
#pragma once

#include "graphics/Colors.h"
#include "windows/Controls.h"

#include <cstdint>

enum TScrollDirection { sdVertical, sdHorizontal };

// Shows where the grid's visible rows (columns) lie among all of them. A press beside the thumb
// scrolls a page, a drag on it scrolls along. With a parent that is not a string grid it shows the
// parent only and ignores the mouse.
class TScrollControl : public TCustomControl {
public:
    explicit TScrollControl(TComponent* AOwner);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int32_t ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int32_t Value);
    TScrollDirection Direction() const { return FDirection; }
    void SetDirection(TScrollDirection Value);

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

private:
    TColor FColor = clSilver;
    int32_t FScrollWidth = 4;
    bool FDownOnScroller = false;
    int32_t FDownPos = 0;
    int32_t FDownRow = 0;
    TScrollDirection FDirection = sdVertical;
};
