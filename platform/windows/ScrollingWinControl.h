// TScrollingWinControl: a windowed control that scrolls its child controls with its own scroll bars.
#pragma once

#include "windows/ComCtrls.h"
#include "windows/Controls.h"

#include <cstdint>
#include <memory>

class TScrollingWinControl;

// One of the control's scroll bars. Position moves the child controls; with AutoScroll the range
// covers the children (and Margin beyond them), and the bar shows while it exceeds the client area.
class TControlScrollBar : public TPersistent {
public:
    TControlScrollBar(TScrollingWinControl* Control, TScrollBarKind Kind);

    TScrollBarKind Kind() const { return FKind; }
    int32_t Position() const { return FPosition; }
    // Kept within 0 .. Range - the client extent; the children move by the difference.
    void SetPosition(int32_t Value);
    int32_t Range() const { return FRange; }
    void SetRange(int32_t Value);
    int32_t Margin() const { return FMargin; }
    void SetMargin(int32_t Value);
    // The step of a click on an arrow.
    int32_t Increment() const { return FIncrement; }
    void SetIncrement(int32_t Value) { FIncrement = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // The children follow the thumb while it is dragged.
    bool Tracking() const { return FTracking; }
    void SetTracking(bool Value) { FTracking = Value; }
    // The bar shows now.
    bool IsScrollBarVisible() const { return FShown; }
    // Acts on a WM_HSCROLL / WM_VSCROLL scroll code.
    void ScrollMessage(int32_t Code, int32_t Pos);

private:
    friend class TScrollingWinControl;
    int32_t ClientExtent() const;
    int32_t MaxPosition() const;

    TScrollingWinControl* FControl;
    TScrollBarKind FKind;
    int32_t FPosition = 0;
    int32_t FRange = 0;
    int32_t FMargin = 0;
    int32_t FIncrement = 8;
    bool FVisible = true;
    bool FTracking = false;
    bool FShown = false;
};

class TScrollingWinControl : public TWinControl {
public:
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;

    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value);
    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
    // The client area less the scroll bars shown.
    TRect ClientRect() const override;
    // Moves the child controls by DeltaX, DeltaY.
    void ScrollBy(int32_t DeltaX, int32_t DeltaY);
    // Ranges from the children (with AutoScroll), which bars show, and where the bars stand.
    void UpdateScrollBars();

protected:
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;

private:
    friend class TControlScrollBar;
    struct TBars;
    void ShowBars();

    bool FAutoScroll = true;
    std::unique_ptr<TControlScrollBar> FHorzScrollBar;
    std::unique_ptr<TControlScrollBar> FVertScrollBar;
    std::unique_ptr<TBars> FBars;
    bool FUpdating = false;
};
