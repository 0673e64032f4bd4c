// TExtButton: the owner-drawn push button of a drop-down pop-up's header and footer.
#pragma once

#include "dropdown/ExtButtonAppearance.h"

#include "graphics/Colors.h"
#include "rtl/Object.h"
#include "windows/Controls.h"

#include <functional>
#include <memory>

class TCustomImageList;
class TExtCustomDropDown;
class TTimer;

enum TExtButtonStyle { tasButton, tasCheck };

// Paints the parent's background under its face, so clNone colours look through. A click hands
// ModalResult to the form and, for a footer button attached to a drop-down, closes the pop-up
// when the result says so; a click from the keyboard fires no OnClick.
class TExtButton : public TCustomControl {
public:
    explicit TExtButton(TComponent* AOwner);
    ~TExtButton() override;

    // Shared, not owned; nil paints nothing over the parent's background.
    TExtButtonAppearance* Appearance() const { return FAppearance; }
    void SetAppearance(TExtButtonAppearance* Value);
    // Not owned.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    // The drop-down whose pop-up a click may close; not owned.
    TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
    void SetExtDropDown(TExtCustomDropDown* Value);
    int32_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int32_t Value) { FGroupIndex = Value; }
    TExtButtonStyle Style() const { return FStyle; }
    void SetStyle(TExtButtonStyle Value) { FStyle = Value; }
    // A push button of group 0 stays up whatever is asked.
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    // The width and height the caption or the image need (measured against each other).
    void SizeToContent();

    void Click() override;
    void Loaded() override;

protected:
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    virtual void DrawButton(TCanvas* ACanvas);
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void CMDialogChar(TCMDialogChar Message);
    void UnHotTimerTick(TObject* Sender);
    void UpdateTracking();
    bool CursorInside() const;

    int32_t FGroupIndex = 0;
    bool FDown = false;
    bool FDownRequested = false;
    bool FMouseInControl = false;
    TExtButtonStyle FStyle = tasButton;
    bool FMouseDownInControl = false;
    bool FDragging = false;
    std::unique_ptr<TTimer> FUnHotTimer;
    bool FInternalClick = false;
    TExtButtonAppearance* FAppearance = nullptr;
    TCustomImageList* FImages = nullptr;
    int32_t FImageIndex = -1;
    TModalResult FModalResult = mrNone;
    TExtCustomDropDown* FExtDropDown = nullptr;
    bool FAutoSize = false;
};
