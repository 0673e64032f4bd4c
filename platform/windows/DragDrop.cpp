// The toolkit's drag of controls: starting at once or past a threshold, the targets under the pointer and their answers, the cursor, the drop and the end.
#include "windows/Controls.h"

#include "windows/Forms.h"
#include "windows/private/Cursors.h"
#include "windows/private/Drag.h"

#include <cstdlib>
#include <memory>
#include <utility>

namespace {

// Pixels the pointer moves before a drag that waits for it starts.
constexpr int32_t DefaultDragThreshold = 5;

}  // namespace

// The drag going on; there is at most one. It holds the mouse with a window of its own, which gets
// the pointer's moves and the release (in screen coordinates) and Esc before the focused control.
class TDragging {
public:
    TDragging(TControl* Source, TDragObject* Given, int32_t Threshold) : FControl(Source), FThreshold(Threshold)
    {
        if (!Given) FOwnObject = std::make_unique<TDragControlObject>(Source);
        FObject = Given ? Given : FOwnObject.get();
        GetCursorPos(FStart);
        FObject->FDragPos = FStart;
        Current() = this;
        FCapture = AllocateHWnd([this](TMessage& Message) { WndProc(Message); });
        SetCapture(FCapture);
    }

    ~TDragging()
    {
        FEnding = true;
        if (FCapture) {
            if (GetCapture() == FCapture) ReleaseCapture();
            DeallocateHWnd(FCapture);
        }
        if (Current() == this) Current() = nullptr;
    }

    static TDragging*& Current()
    {
        static TDragging* Instance = nullptr;
        return Instance;
    }

    // The dragged control; nil once the drag is ending.
    TControl* Control() const { return FEnding ? nullptr : FControl; }

    // Starts at once: the control under the pointer hears of it now.
    void Activate()
    {
        FActive = true;
        MoveTo(FStart);
    }

    // The pointer is at Pos (screen coordinates): past the threshold the drag is on, and the
    // control under the pointer is told, and asked whether it accepts.
    void MoveTo(const TPoint& Pos)
    {
        FObject->FDragPos = Pos;
        if (!FActive) {
            if (std::abs(Pos.X - FStart.X) < FThreshold && std::abs(Pos.Y - FStart.Y) < FThreshold) return;
            FActive = true;
        }
        // A handler may end the drag: nothing of it is touched after that.
        const uint64_t Drag = FSerial;
        TControl* Target = FindDragTarget(Pos, false);
        while (Target && !Target->Enabled()) Target = Target->Parent();
        if (Target != FObject->FDragTarget) {
            if (FObject->FDragTarget) {
                Notify(FObject->FDragTarget, dmDragLeave, Pos);
                if (!Alive(Drag)) return;
            }
            FObject->FDragTarget = Target;
            if (Target) {
                Notify(Target, dmDragEnter, Pos);
                if (!Alive(Drag)) return;
            }
        }
        const bool Accepted = FObject->FDragTarget && Notify(FObject->FDragTarget, dmDragMove, Pos) != 0;
        if (!Alive(Drag)) return;
        ::SetCursor(Screen->Cursors(FObject->GetDragCursor(Accepted, Pos.X, Pos.Y)));
    }

    // Ends the drag: a target that still accepts as it is left takes the drop when Drop; the
    // dragged control hears last. Frees the drag, also when a handler raises.
    void Done(bool Drop)
    {
        const std::unique_ptr<TDragging> Self(this);
        FEnding = true;
        if (GetCapture() == FCapture) ReleaseCapture();
        DeallocateHWnd(std::exchange(FCapture, nullptr));
        const TPoint Pos = FObject->FDragPos;
        bool Accepted = false;
        if (FActive && FObject->FDragTarget) {
            Accepted = Notify(FObject->FDragTarget, dmDragLeave, Pos) != 0 && Drop;
            if (Accepted && FObject->FDragTarget) Notify(FObject->FDragTarget, dmDragDrop, Pos);
        }
        TControl* Target = Accepted ? FObject->FDragTarget : nullptr;
        // The window under the pointer shows its own cursor again.
        if (const HWND Under = WindowFromPoint(Pos)) {
            WindowsInternal::SetCursorWindow(Under);
            SendMessage(Under, WM_SETCURSOR, reinterpret_cast<WPARAM>(Under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        }
        Current() = nullptr;
        if (!FControl) return;
        const TPoint At = Target ? Target->ScreenToClient(Pos) : FControl->ScreenToClient(Pos);
        FControl->DoEndDrag(Target, At.X, At.Y);
    }

    // Control goes away.
    void Forget(TControl* Control)
    {
        if (FObject->FDragTarget == Control) FObject->FDragTarget = nullptr;
        if (FControl != Control) return;
        FControl = nullptr;
        if (!FEnding) delete this;
    }

private:
    static bool Alive(uint64_t Drag) { return Current() && Current()->FSerial == Drag && !Current()->FEnding; }

    static uint64_t NextSerial()
    {
        static uint64_t Serial = 0;
        return ++Serial;
    }

    LRESULT Notify(TControl* Target, TDragMessage Msg, const TPoint& Pos)
    {
        TDragRec Rec;
        Rec.Pos = Pos;
        Rec.Source = FObject;
        Rec.Target = Target;
        return Target->Perform(CM_DRAG, Msg, reinterpret_cast<LPARAM>(&Rec));
    }

    void WndProc(TMessage& Message)
    {
        switch (Message.Msg) {
        case WM_MOUSEMOVE: MoveTo(LParamToPoint(Message.LParam)); break;
        case WM_LBUTTONUP: Done(true); break;
        case WM_RBUTTONDOWN:
        case WM_CANCELMODE: Done(false); break;
        case WM_CAPTURECHANGED:
            if (!FEnding) Done(false);
            break;
        case CN_KEYDOWN:
            if (Message.WParam == VK_ESCAPE) {
                Message.Result = 1;
                Done(false);
            }
            break;
        default: break;
        }
    }

    TControl* FControl;
    std::unique_ptr<TDragObject> FOwnObject;
    TDragObject* FObject = nullptr;
    TPoint FStart;
    int32_t FThreshold;
    bool FActive = false;
    bool FEnding = false;
    HWND FCapture = nullptr;
    const uint64_t FSerial = NextSerial();
};

TCursor TDragObject::GetDragCursor(bool Accepted, int32_t, int32_t)
{
    return Accepted ? crDrag : crNoDrop;
}

TCursor TDragControlObject::GetDragCursor(bool Accepted, int32_t, int32_t)
{
    return Accepted ? FControl->DragCursor() : crNoDrop;
}

void TControl::BeginDrag(bool Immediate, int32_t Threshold)
{
    if (TDragging::Current()) return;
    // The control's own press ends first.
    if (FControlState.Contains(csLButtonDown)) {
        TPoint Pos;
        GetCursorPos(Pos);
        Perform(WM_LBUTTONUP, 0, PointToLParam(ScreenToClient(Pos)));
    }
    TDragObject* Object = nullptr;
    DoStartDrag(Object);
    if (TDragging::Current()) return;
    auto* Drag = new TDragging(this, Object, Threshold < 0 ? DefaultDragThreshold : Threshold);
    if (Immediate) Drag->Activate();
}

bool TControl::Dragging() const
{
    return TDragging::Current() && TDragging::Current()->Control() == this;
}

void TControl::EndDrag(bool Drop)
{
    if (Dragging()) TDragging::Current()->Done(Drop);
}

void TControl::DragOver(TObject* Source, int32_t X, int32_t Y, TDragState State, bool& Accept)
{
    Accept = static_cast<bool>(OnDragOver);
    if (OnDragOver) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int32_t X, int32_t Y)
{
    if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoStartDrag(TDragObject*& DragObject)
{
    if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, int32_t X, int32_t Y)
{
    if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::CMDrag(TMessage& Message)
{
    const auto* Rec = reinterpret_cast<const TDragRec*>(Message.LParam);
    const TPoint Pos = ScreenToClient(Rec->Pos);
    const auto* ControlObject = dynamic_cast<const TDragControlObject*>(Rec->Source);
    TObject* Source = ControlObject ? static_cast<TObject*>(ControlObject->Control()) : Rec->Source;
    switch (Message.WParam) {
    case dmDragEnter:
    case dmDragLeave:
    case dmDragMove: {
        constexpr TDragState States[] = {dsDragEnter, dsDragLeave, dsDragMove};
        bool Accept = true;
        DragOver(Source, Pos.X, Pos.Y, States[Message.WParam], Accept);
        Message.Result = Accept ? 1 : 0;
        break;
    }
    case dmDragDrop: DragDrop(Source, Pos.X, Pos.Y); break;
    default: break;
    }
}

namespace WindowsInternal {

void ForgetDragControl(TControl* Control)
{
    if (TDragging* Drag = TDragging::Current()) Drag->Forget(Control);
}

}  // namespace WindowsInternal
