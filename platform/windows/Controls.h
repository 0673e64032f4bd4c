// TControl, TWinControl, TCustomControl and TGraphicControl: the toolkit's controls and their message routing.
//
// Message handling: a message reaches a control through Perform (or SendMessage/PostMessage to its
// window), which calls the control's WindowProc; that is WndProc unless replaced (subclassing).
// WndProc filters and then calls the virtual Dispatch. A class handles messages by overriding
// Dispatch with a switch on Message.Msg that calls its handler methods and passes every other
// message to its base class's Dispatch. Inside a handler, calling the base class's Dispatch is the
// toolkit's `inherited`: the ancestor's handler for that message runs, or DefaultHandler when none
// has one.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Component.h"
#include "rtl/Set.h"
#include "rtl/Types.h"
#include "windows/Messages.h"
#include "windows/WinApi.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWidget;
class TBasicAction;
class TWidgetRequest;
class TBrush;
class TCanvas;
class TControlActionLink;
class TFont;
class TControl;
class TDragObject;
class TPopupMenu;
class TSizeConstraints;
class TWinControl;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
using TAlignSet = TSet<TAlign>;
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

// Horizontal placement of text; TLeftRight is the subset taLeftJustify..taRightJustify.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
using TLeftRight = TAlignment;
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

using TCursor = int32_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = -22;

// dmAutomatic: a press of the left button starts dragging the control at once.
enum TDragMode { dmManual, dmAutomatic };
// What a drag over a control is doing there: coming in, leaving (also when it ends there), moving.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

enum TControlStyleItem {
    csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption, csOpaque,
    csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents,
    csDisplayDragImage, csReflector, csActionClient, csMenuEvents, csNeedsBorderPaint, csParentBackground,
    csPannable, csAlignWithMargins, csGestures
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem {
    csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating,
    csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking, csDesignerHide, csPanning, csRecreating,
    csAligning
};
using TControlState = TSet<TControlStateItem>;

// Holds one control-state flag for the length of a scope, also when the scope is left by an exception.
class TControlStateFlag {
public:
    TControlStateFlag(TControlState& State, TControlStateItem Flag) : FState(State), FFlag(Flag) { FState.Include(FFlag); }
    ~TControlStateFlag() { FState.Exclude(FFlag); }
    TControlStateFlag(const TControlStateFlag&) = delete;
    TControlStateFlag& operator=(const TControlStateFlag&) = delete;

private:
    TControlState& FState;
    TControlStateItem FFlag;
};

// The modal results (a button hands its own to the form).
using TModalResult = int32_t;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 8;
constexpr TModalResult mrHelp = 9;
constexpr TModalResult mrTryAgain = 10;
constexpr TModalResult mrContinue = 11;
constexpr TModalResult mrAll = 12;
constexpr TModalResult mrNoToAll = 13;
constexpr TModalResult mrYesToAll = 14;

class THintWindow;
// A class of hint windows, as a function that makes one (see CreateHintWindow in Forms.h); two
// classes are the same when the functions are.
using THintWindowClass = THintWindow* (*)(TComponent* AOwner);

// What a control's hint shows; CM_HINTSHOW lets the control change it before it appears, also the
// window class it shows in (the application's HintWindowClass at first) and the data that window
// gets.
struct THintInfo {
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass = nullptr;
    TPoint HintPos;
    int32_t HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;
    TPoint CursorPos;
    int32_t ReshowTimeout = 0;
    int32_t HideTimeout = 0;
    QString HintStr;
    void* HintData = nullptr;
};

// The short part of a hint, before the first "|".
QString GetShortHint(const QString& Hint);
// The long part of a hint, after the first "|" (the whole hint when it has none).
QString GetLongHint(const QString& Hint);

TShiftState KeysToShiftState(uint16_t Keys);
TShiftState KeyDataToShiftState(int32_t KeyData);
// The state of the shift keys and mouse buttons now, from the key table.
TShiftState KeyboardStateToShiftState();

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // ---- Parent and position ----
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    int32_t Left() const { return FLeft; }
    void SetLeft(int32_t Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    int32_t Top() const { return FTop; }
    void SetTop(int32_t Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& Rect) { SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()); }
    // The client area in client coordinates.
    virtual TRect ClientRect() const;
    int32_t ClientWidth() const { return ClientRect().Right; }
    void SetClientWidth(int32_t Value);
    int32_t ClientHeight() const { return ClientRect().Bottom; }
    void SetClientHeight(int32_t Value);
    // The screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(const TPoint& Point) const;
    TPoint ScreenToClient(const TPoint& Point) const;
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value);
    // The size limits SetBounds keeps to.
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    void SetConstraints(TSizeConstraints* Value);

    // ---- State ----
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show();
    void Hide() { SetVisible(false); }
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    QString Caption() const { return Text(); }
    void SetCaption(const QString& Value) { SetText(Value); }
    // The text goes through WM_GETTEXT / WM_SETTEXT; a change sends CM_TEXTCHANGED.
    QString Text() const;
    void SetText(const QString& Value);
    int32_t GetTextLen() const;
    // Copies at most BufSize - 1 characters and a terminating NUL; returns the characters copied.
    int32_t GetTextBuf(char16_t* Buffer, int32_t BufSize) const;
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState Value) { FControlState = Value; }
    // Not owned; forgotten when it is destroyed. The control follows a custom action's caption,
    // enabled state, hint and visibility, and a click without OnClick executes the action.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);
    // Not owned.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value) { FPopupMenu = Value; }
    bool MouseCapture() const;
    void SetMouseCapture(bool Value);
    // The reading order, kept and followed from the parent while ParentBiDiMode. This platform lays
    // nothing out right to left: the three queries below answer false whatever the mode.
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool Value);
    virtual bool UseRightToLeftAlignment() const { return false; }
    virtual bool UseRightToLeftReading() const { return false; }
    virtual bool UseRightToLeftScrollBar() const { return false; }
    bool IsRightToLeft() const
    {
        return UseRightToLeftAlignment() || UseRightToLeftReading() || UseRightToLeftScrollBar();
    }

    // ---- Messages ----
    LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
    void Perform(TMessage& Message);
    // The window procedure in force: WndProc, or what replaced it.
    TWndMethod WindowProc();
    void SetWindowProc(TWndMethod Value) { FWindowProc = std::move(Value); }

    // ---- Painting and order ----
    virtual void Invalidate();
    // Invalidates and paints at once.
    virtual void Repaint();
    virtual void Update();
    void Refresh() { Repaint(); }
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }

    std::function<void(TObject* Sender)> OnClick;
    std::function<void(TObject* Sender)> OnDblClick;
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)> OnMouseDown;
    std::function<void(TObject* Sender, TShiftState Shift, int32_t X, int32_t Y)> OnMouseMove;
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)> OnMouseUp;
    std::function<void(TObject* Sender)> OnMouseEnter;
    std::function<void(TObject* Sender)> OnMouseLeave;
    std::function<void(TObject* Sender)> OnResize;
    std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)> OnContextPopup;
    // The wheel (CM_MOUSEWHEEL), MousePos in screen coordinates; Handled stops the notches below.
    std::function<void(TObject* Sender, TShiftState Shift, int32_t WheelDelta, TPoint MousePos, bool& Handled)>
        OnMouseWheel;
    std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)> OnMouseWheelDown;
    std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)> OnMouseWheelUp;

    // ---- Dragging (the drag and its targets are in DragDrop.cpp) ----
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }
    // The cursor over a target that accepts the control.
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor Value) { FDragCursor = Value; }
    // Starts dragging the control: at once, or once the pointer has moved Threshold pixels (-1: 5)
    // from where it is now. A press of the control's own ends first (WM_LBUTTONUP). The drag takes
    // the mouse: the controls under the pointer are asked with DragOver whether they accept it, and
    // the cursor says so; releasing the button drops it on a target that accepts (DragDrop), Esc,
    // the right button or a lost capture cancel it. OnStartDrag comes first, OnEndDrag last.
    void BeginDrag(bool Immediate, int32_t Threshold = -1);
    // True while the control is being dragged, also before the threshold is passed.
    bool Dragging() const;
    // Ends the control's drag: dropped where it is when Drop and the target accepts, else cancelled.
    void EndDrag(bool Drop);
    // Source is dropped at X, Y (client coordinates): OnDragDrop.
    virtual void DragDrop(TObject* Source, int32_t X, int32_t Y);

    // Source is the dragged control, or the drag object OnStartDrag made.
    std::function<void(TObject* Sender, TObject* Source, int32_t X, int32_t Y, TDragState State, bool& Accept)>
        OnDragOver;
    std::function<void(TObject* Sender, TObject* Source, int32_t X, int32_t Y)> OnDragDrop;
    // May give the drag an object of its own (not owned by the drag).
    std::function<void(TObject* Sender, TDragObject*& DragObject)> OnStartDrag;
    // Target is the control that took the drop, nil when none did.
    std::function<void(TObject* Sender, TObject* Target, int32_t X, int32_t Y)> OnEndDrag;

protected:
    virtual void WndProc(TMessage& Message);
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    virtual void Click();
    virtual void DblClick();
    void Notification(TComponent* AComponent, TOperation Operation) override;
    TControlActionLink* ActionLink() const { return FActionLink.get(); }
    // The link SetAction makes; a control with a link class of its own returns one here.
    virtual std::unique_ptr<TControlActionLink> CreateActionLink();
    // Takes the action's values: all of them, or with CheckDefaults only where the control's value
    // is still its default.
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
    virtual void MouseMove(TShiftState Shift, int32_t X, int32_t Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
    virtual void Resize();
    virtual void DoContextPopup(TPoint MousePos, bool& Handled);
    // OnMouseWheel, then one DoMouseWheelDown (Up) per WHEEL_DELTA turned, the rest kept for the next
    // turn; true when handled (an unhandled wheel goes to the parent window).
    virtual bool DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void SetZOrder(bool TopMost);
    // Something is dragged over the control (X, Y client coordinates): Accept says whether it may be
    // dropped here. OnDragOver decides; without it nothing is accepted.
    virtual void DragOver(TObject* Source, int32_t X, int32_t Y, TDragState State, bool& Accept);
    virtual void DoStartDrag(TDragObject*& DragObject);
    virtual void DoEndDrag(TObject* Target, int32_t X, int32_t Y);
    // Asks the parent to align its controls again.
    void RequestAlign();
    // Records where the anchors keep the control when the parent is resized.
    void UpdateAnchorRules();
    // Invalidates the control's area of the parent (windowless controls paint there).
    void InvalidateControl(bool IsVisible, bool IsOpaque);
    // Sends CM_FONTCHANGED when the font changes (ParentFont is switched off first).
    virtual void FontChanged();

    // Handlers of the messages TControl answers.
    void WMMouseMove(TWMMouse Message);
    void WMLButtonDown(TWMMouse Message);
    void WMLButtonDblClk(TWMMouse Message);
    void WMLButtonUp(TWMMouse Message);
    void WMRButtonDown(TWMMouse Message);
    void WMRButtonDblClk(TWMMouse Message);
    void WMRButtonUp(TWMMouse Message);
    void WMMButtonDown(TWMMouse Message);
    void WMMButtonDblClk(TWMMouse Message);
    void WMMButtonUp(TWMMouse Message);
    void WMContextMenu(TWMContextMenu Message);
    void WMCancelMode(TMessage& Message);
    void WMSize(TWMSize Message);
    void CMEnabledChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void CMColorChanged(TMessage& Message);
    void CMParentFontChanged(TMessage& Message);
    void CMParentColorChanged(TMessage& Message);
    void CMParentShowHintChanged(TMessage& Message);
    void CMTextChanged(TMessage& Message);
    void CMHitTest(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void CMMouseWheel(TCMMouseWheel Message);
    void CMParentBiDiModeChanged(TMessage& Message);
    void CMDrag(TMessage& Message);

    TControlStyle FControlStyle;
    TControlState FControlState;

private:
    friend class TWinControl;
    friend class TDragging;
    void DoMouseDown(TWMMouse Message, TMouseButton Button, TShiftState Shift);
    void DoMouseUp(TWMMouse Message, TMouseButton Button);
    void ApplyAnchors();

    TWinControl* FParent = nullptr;
    int32_t FLeft = 0;
    int32_t FTop = 0;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    TPoint FAnchorRules;
    TPoint FOriginalParentSize;
    bool FAnchorMove = false;
    bool FVisible = true;
    bool FEnabled = true;
    QString FText;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    QString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    TDragMode FDragMode = dmManual;
    TCursor FDragCursor = crDrag;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    int32_t FWheelAccumulator = 0;
    TPopupMenu* FPopupMenu = nullptr;
    TWndMethod FWindowProc;
    std::unique_ptr<TControlActionLink> FActionLink;
    std::unique_ptr<TSizeConstraints> FConstraints;
};

// What is dragged. The cursor over a target says whether the target accepts it.
class TDragObject : public TObject {
public:
    // The control under the pointer, nil over none of ours; where the pointer is (screen coordinates).
    TControl* DragTarget() const { return FDragTarget; }
    TPoint DragPos() const { return FDragPos; }
    // crDrag over a target that accepts, else crNoDrop.
    virtual TCursor GetDragCursor(bool Accepted, int32_t X, int32_t Y);

private:
    friend class TDragging;
    TControl* FDragTarget = nullptr;
    TPoint FDragPos;
};

// The drag of a control: targets get the control as Source.
class TDragControlObject : public TDragObject {
public:
    explicit TDragControlObject(TControl* AControl) : FControl(AControl) {}
    TControl* Control() const { return FControl; }
    // The control's DragCursor over a target that accepts.
    TCursor GetDragCursor(bool Accepted, int32_t X, int32_t Y) override;

private:
    TControl* FControl;
};

// CM_DRAG: WParam is what happens, LParam points to the TDragRec; the answer to the first three is
// whether the target accepts.
enum TDragMessage { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel, dmFindTarget };
struct TDragRec {
    // Screen coordinates.
    TPoint Pos;
    TDragObject* Source = nullptr;
    TControl* Target = nullptr;
};

// What a window is made with: its styles, the caption it starts with and its parent window.
struct TCreateParams {
    QString Caption;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    HWND WndParent = nullptr;
};

// The cut of a bevel: none, sunk, raised, or a band of plain space.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
// How a windowed control draws its bevel: none at all, or edges that are plain, soft or flat.
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // Asks the containers up the chain to bring AControl into view (a page control shows its page);
    // a hidden form stays hidden.
    virtual void ShowControl(TControl* AControl);

    // ---- The window ----
    // The window handle; created on first use.
    HWND Handle();
    HWND Handle() const { return FHandle; }
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // Destroys the window; it is made again with the current properties when next needed.
    void RecreateWnd();
    // True when the control and all its parents are visible and the window exists.
    bool Showing() const { return FShowing; }

    // ---- Children ----
    // Windowless controls first (in z-order), then windowed ones (in z-order).
    TControl* Controls(int32_t Index) const;
    int32_t ControlCount() const { return static_cast<int32_t>(FControls.size() + FWinControls.size()); }
    bool ContainsControl(const TControl* Control) const;
    // The topmost child at Pos (client coordinates): windowless ones, and windowed ones when asked.
    TControl* ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls = false) const;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    // Sends Message to each child until one answers non-zero.
    void Broadcast(TMessage& Message);
    // Sends Msg to each child with this control's font or colour (CM_PARENT*CHANGED).
    void NotifyControls(UINT Msg);
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void Realign();

    // ---- Focus and tab order ----
    int32_t TabOrder() const;
    void SetTabOrder(int32_t Value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value);
    bool Focused() const;
    // Visible and enabled up to the form.
    virtual bool CanFocus() const;
    virtual void SetFocus();
    // The windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    // The brush the background is erased with; its colour follows Color.
    TBrush* Brush() const { return FBrush.get(); }
    // The sunken 3-D look rather than a flat one; follows the parent's while ParentCtl3D. A change
    // sends CM_CTL3DCHANGED, which passes CM_PARENTCTL3DCHANGED on to the children.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool Value);
    // A bevel round the window, outside its border: one pixel a side for each cut that is not
    // bvNone, with a kind other than bkNone. A change makes the window again.
    TBevelKind BevelKind() const { return FBevelKind; }
    void SetBevelKind(TBevelKind Value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    // Painting through an off-screen image; every window of the layer paints so already.
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }

    void Invalidate() override;
    void Repaint() override;
    void Update() override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;
    // Paints the control and its children into DC (client coordinates at DC's origin).
    void PaintTo(HDC DC, int32_t X, int32_t Y);

    std::function<void(TObject* Sender)> OnEnter;
    std::function<void(TObject* Sender)> OnExit;
    std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)> OnKeyDown;
    std::function<void(TObject* Sender, QChar& Key)> OnKeyPress;
    std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)> OnKeyUp;

protected:
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    // A window made of a wrapped Qt widget gives the message to that widget (see CreateWindowWidget).
    void DefaultHandler(TMessage& Message) override;
    void SetZOrder(bool TopMost) override;

    virtual void CreateParams(TCreateParams& Params);
    virtual void CreateHandle();
    virtual void CreateWnd();
    virtual void DestroyWnd();
    void DestroyHandle();
    // Makes the widget that is the window for the request (windows/private/WindowWidget.h): the
    // default is a plain widget whose events all become messages; a stock control makes a Qt widget
    // (a line edit...) that it wraps: its events become messages too, and DefaultHandler hands
    // them back to the widget.
    virtual void CreateWindowWidget(TWidgetRequest& Request);

    virtual void AlignControls(TControl* AControl, TRect& Rect);
    virtual void AdjustClientRect(TRect& Rect);
    void UpdateShowing();
    void UpdateControlState();

    virtual void DoEnter();
    virtual void DoExit();
    virtual void KeyDown(uint16_t& Key, TShiftState Shift);
    virtual void KeyUp(uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    // The form's key preview and then KeyDown; true when the key was consumed (set to 0).
    bool DoKeyDown(TWMKey Message);
    bool DoKeyUp(TWMKey Message);
    bool DoKeyPress(TWMKey Message);

    // The paint cycle: erase, PaintWindow, then the windowless children.
    void PaintHandler(TWMPaint Message);
    virtual void PaintWindow(HDC DC);
    // Paints the visible windowless children from First on (all when nil), each clipped to itself.
    void PaintControls(HDC DC, TControl* First);
    // Moves the focus off this control (to the form) when it or a child has it.
    void RemoveFocus(bool Removing);
    // Sends the parent WM_COMMAND with notification Code from this window, as a stock control
    // reports to its parent; the parent hands it back as CN_COMMAND. Nothing without both windows.
    void NotifyParent(uint16_t Code);

    void WMPaint(TWMPaint Message);
    void WMEraseBkgnd(TWMEraseBkgnd Message);
    void WMNCPaint(TMessage& Message);
    void WMSetCursor(TWMSetCursor Message);
    void WMKeyDown(TWMKey Message);
    void WMKeyUp(TWMKey Message);
    void WMChar(TWMKey Message);
    void WMSize(TWMSize Message);
    void WMMouseWheel(TWMMouseWheel Message);
    void CNKeyDown(TWMKey Message);
    void CNChar(TWMKey Message);
    void CNSysKeyDown(TWMKey Message);
    void CNSysChar(TWMKey Message);
    void CMChildKey(TMessage& Message);
    void CMDialogKey(TWMKey Message);
    void CMDialogChar(TWMKey Message);
    void CMFocusChanged(TMessage& Message);
    void CMEnter(TMessage& Message);
    void CMExit(TMessage& Message);
    void CMShowingChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMColorChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    // Notifications of child windows go back to the child as its CN_ message (see DoControlMsg).
    void WMCommand(TWMCommand Message);
    void WMNotify(TWMNotify Message);
    void WMScroll(TWMScroll Message);
    void WMCtlColor(TMessage& Message);

private:
    friend class TControl;
    void UpdateShowingWithin(bool ParentShows);
    void DoAlign(TAlign Alignment, TRect& Rect);
    void ApplyAnchorsOfChildren();
    void InsertWidgetInZOrder();

    HWND FHandle = nullptr;
    QWidget* FWidget = nullptr;
    bool FShowing = false;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FWinControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    std::unique_ptr<TBrush> FBrush;
    int32_t FAlignLevel = 0;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    bool FDoubleBuffered = false;
    TBevelKind FBevelKind = bkNone;
    TBevelCut FBevelInner = bvRaised;
    TBevelCut FBevelOuter = bvLowered;
};

// A windowed control that paints itself on its Canvas in Paint.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    // Draws on the window: bound to the paint cycle inside Paint, and to the window's own surface
    // when used outside it (the drawing shows at once).
    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    void Dispatch(TMessage& Message) override;
    void PaintWindow(HDC DC) override;
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> FCanvas;
};

// A windowless control: it paints on its parent's window and gets the mouse messages of its area.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    void Dispatch(TMessage& Message) override;
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> FCanvas;
};

// Windows 4 and later draw controls in the new style (3-D edges, flat scroll arrows); always so here.
inline constexpr bool NewStyleControls = true;

// The window of ours under Pos (screen coordinates), as a control; nil over none of ours.
TWinControl* FindVCLWindow(const TPoint& Pos);
// The control under Pos (screen coordinates): a windowless child of the window there, or the
// window itself; disabled windowless controls count when AllowDisabled.
TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled);

// Hands Message, a notification a child window sent its parent, to the control whose window is
// ControlHandle as the reflected message (Msg + CN_BASE), keeping its result; false when the window
// is no control.
bool DoControlMsg(HWND ControlHandle, TMessage& Message);

// The control that has the mouse captured (a windowless one through its parent's window), or nil.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The form the control lies on (the outermost), or nil.
class TCustomForm;
TCustomForm* GetParentForm(const TControl* Control, bool TopForm = true);
