// TWinControl: the window handle, children, alignment, showing, focus and tab order.
#include "windows/Controls.h"

#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/private/Surfaces.h"
#include "rtl/Exceptions.h"
#include "windows/Forms.h"
#include "windows/SizeConstraints.h"
#include "windows/WindowDC.h"
#include "windows/WindowHooks.h"
#include "windows/private/Cursors.h"
#include "windows/private/PopupWindow.h"
#include "windows/private/Window.h"
#include "windows/private/WindowScrollBars.h"
#include "windows/private/WindowWidget.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <tuple>

using namespace WindowsInternal;

namespace {

// A window made with WS_POPUP and without WS_CHILD is top-level even when the control has a
// parent: it is owned by the parent's window and placed in screen coordinates.
bool IsOwnedPopup(const TWinControl* Control, const TCreateParams& Params)
{
    return Control->Parent() && (Params.Style & (WS_CHILD | WS_POPUP)) == WS_POPUP;
}

// The width of the bevel on each side of a child window.
int32_t BevelSize(TBevelKind Kind, TBevelCut Inner, TBevelCut Outer)
{
    if (Kind == bkNone) return 0;
    return (Inner != bvNone ? 1 : 0) + (Outer != bvNone ? 1 : 0);
}

// The non-client part of a control's window: a child window's bevel lies outside its border.
QMargins FrameMargins(const TWinControl* Control, const TCreateParams& Params, bool TopLevel)
{
    QMargins Margins = NonClientMargins(Params.Style, Params.ExStyle, TopLevel);
    if (TopLevel) return Margins;
    const int32_t Bevel = BevelSize(Control->BevelKind(), Control->BevelInner(), Control->BevelOuter());
    return Margins + QMargins(Bevel, Bevel, Bevel, Bevel);
}

}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FBrush(std::make_unique<TBrush>())
{
    FBrush->SetColor(Color());
}

TWinControl::~TWinControl()
{
    Destroying();
    if (Parent()) RemoveFocus(true);
    while (ControlCount() > 0) {
        TControl* Child = Controls(ControlCount() - 1);
        RemoveControl(Child);
        delete Child;
    }
    // Leaves the parent now: by the time ~TControl runs, this is no longer a TWinControl.
    if (Parent()) Parent()->RemoveControl(this);
    DestroyHandle();
}

void TWinControl::ShowControl(TControl*)
{
    if (Parent()) Parent()->ShowControl(this);
}

// ---- The window ----

HWND TWinControl::Handle()
{
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded()
{
    if (FHandle) return;
    if (Parent()) Parent()->HandleNeeded();
    CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& Params)
{
    Params = {};
    Params.Caption = Text();
    Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (FControlStyle.Contains(csAcceptsControls)) {
        Params.Style |= WS_CLIPCHILDREN;
        Params.ExStyle |= WS_EX_CONTROLPARENT;
    }
    if (!Enabled()) Params.Style |= WS_DISABLED;
    if (FTabStop) Params.Style |= WS_TABSTOP;
    if (Parent()) Params.WndParent = Parent()->FHandle;
    else Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP;
}

void TWinControl::CreateHandle()
{
    if (FHandle) return;
    CreateWnd();
    for (int32_t I = 0; I < ControlCount(); ++I) Controls(I)->UpdateAnchorRules();
}

void TWinControl::CreateWnd()
{
    TCreateParams Params;
    CreateParams(Params);
    QWidget* ParentWidget = Parent() ? Parent()->FWidget : nullptr;
    const bool Owned = ParentWidget && IsOwnedPopup(this, Params);
    TWidgetRequest Request{Params, Owned ? ParentWidget->window() : ParentWidget};
    CreateWindowWidget(Request);
    FWidget = Request.Widget;
    const bool TopLevel = !ParentWidget || Owned;
    FHandle = RegisterWindow(this, FWidget, Params.Style & ~WS_VISIBLE, Params.ExStyle);
    auto* Hook = new TWindowHook(this, FHandle, FWidget);
    Hook->SetClientMargins(TopLevel ? QMargins() : FrameMargins(this, Params, false));
    if (!TopLevel) LayoutScrollBars(FHandle);
    if (TopLevel) {
        SetTopLevelHints(FWidget, Params.Style, Params.ExStyle, dynamic_cast<TCustomForm*>(this) != nullptr, nullptr);
        // Disabled and tool windows never take the activation.
        if ((Params.Style & WS_DISABLED) || (Params.ExStyle & WS_EX_TOOLWINDOW))
            FWidget->setAttribute(Qt::WA_ShowWithoutActivating);
        FWidget->setWindowTitle(Params.Caption);
    }
    // A disabled top-level window refuses input but keeps the look of its controls (see InputBlocked).
    if (!TopLevel) FWidget->setEnabled(!(Params.Style & WS_DISABLED));
    if (Params.Style & WS_DISABLED) FindWindow(FHandle)->Style |= WS_DISABLED;
    FWidget->hide();
    TWinControl::SetBounds(Left(), Top(), Width(), Height());
    InsertWidgetInZOrder();
    FWidget->setCursor(CursorOf(Cursor() == crDefault ? crArrow : Cursor()));
    Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()), 0);
}

void TWinControl::CreateWindowWidget(TWidgetRequest& Request)
{
    QWidget* ParentWidget = Request.Parent;
    Request.Widget = new TWindowWidget(ParentWidget);
}

void TWinControl::InsertWidgetInZOrder()
{
    if (!Parent() || FWidget->isWindow()) return;
    const auto& Siblings = Parent()->FWinControls;
    const auto Self = std::find(Siblings.begin(), Siblings.end(), this);
    // Qt stacks a new widget on top: put it under the first sibling above it that has a window.
    for (auto Above = Self == Siblings.end() ? Self : Self + 1; Above != Siblings.end(); ++Above) {
        if ((*Above)->FWidget) {
            FWidget->stackUnder((*Above)->FWidget);
            return;
        }
    }
    FWidget->raise();
}

void TWinControl::DestroyHandle()
{
    if (!FHandle) return;
    for (TWinControl* Child : FWinControls) Child->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd()
{
    Perform(WM_DESTROY, 0, 0);
    FControlState.Include(csDestroyingHandle);
    TWindowHook* Hook = HookOf(FHandle);
    UnregisterWindow(FHandle);
    delete Hook;
    FHandle = nullptr;
    FShowing = false;
    // Later: the widget may be the one whose event is being handled.
    FWidget->hide();
    FWidget->deleteLater();
    FWidget = nullptr;
    FControlState.Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd()
{
    if (!FHandle) return;
    FControlState.Include(csRecreating);
    DestroyHandle();
    UpdateControlState();
    FControlState.Exclude(csRecreating);
}

// ---- Children ----

TControl* TWinControl::Controls(int32_t Index) const
{
    const auto Windowless = static_cast<int32_t>(FControls.size());
    if (Index < 0 || Index >= ControlCount()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return Index < Windowless ? FControls[static_cast<size_t>(Index)] : FWinControls[static_cast<size_t>(Index - Windowless)];
}

bool TWinControl::ContainsControl(const TControl* Control) const
{
    for (; Control; Control = Control->Parent())
        if (Control == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls) const
{
    const auto Hit = [&](TControl* Control) {
        if (!Control->Visible() || (!Control->Enabled() && !AllowDisabled)) return false;
        if (!PtInRect(Control->BoundsRect(), Pos)) return false;
        return Control->Perform(CM_HITTEST, 0, PointToLParam({Pos.X - Control->Left(), Pos.Y - Control->Top()})) != 0;
    };
    if (AllowWinControls)
        for (auto It = FWinControls.rbegin(); It != FWinControls.rend(); ++It)
            if (!((*It)->FWidget && (*It)->FWidget->isWindow()) && Hit(*It)) return *It;
    for (auto It = FControls.rbegin(); It != FControls.rend(); ++It)
        if (Hit(*It)) return *It;
    return nullptr;
}

void TWinControl::InsertControl(TControl* AControl)
{
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), true);
    AControl->FParent = this;
    auto* Windowed = dynamic_cast<TWinControl*>(AControl);
    if (Windowed) {
        FWinControls.push_back(Windowed);
        FTabList.push_back(Windowed);
    } else {
        FControls.push_back(AControl);
    }
    AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    if (Windowed) Windowed->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
    if (Windowed) Windowed->UpdateControlState();
    else AControl->Invalidate();
    Realign();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), true);
}

void TWinControl::RemoveControl(TControl* AControl)
{
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), false);
    if (auto* Windowed = dynamic_cast<TWinControl*>(AControl)) {
        Windowed->RemoveFocus(true);
        Windowed->DestroyHandle();
        std::erase(FWinControls, Windowed);
        std::erase(FTabList, Windowed);
    } else {
        AControl->InvalidateControl(AControl->Visible(), false);
        std::erase(FControls, AControl);
    }
    AControl->FParent = nullptr;
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), false);
    Realign();
}

void TWinControl::Broadcast(TMessage& Message)
{
    for (int32_t I = 0; I < ControlCount(); ++I) {
        Controls(I)->Perform(Message);
        if (Message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(UINT Msg)
{
    TMessage Message{Msg, 0, 0, 0};
    Broadcast(Message);
}

// ---- Alignment ----

void TWinControl::EnableAlign()
{
    if (--FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign()
{
    if (FAlignLevel > 0 || FControlState.Contains(csAligning)) {
        FControlState.Include(csAlignmentNeeded);
        return;
    }
    FControlState.Include(csAligning);
    FControlState.Exclude(csAlignmentNeeded);
    try {
        TRect Rect = ClientRect();
        AdjustClientRect(Rect);
        AlignControls(nullptr, Rect);
    } catch (...) {
        FControlState.Exclude(csAligning);
        throw;
    }
    FControlState.Exclude(csAligning);
}

void TWinControl::AdjustClientRect(TRect&)
{
}

void TWinControl::AlignControls(TControl*, TRect& Rect)
{
    for (TAlign Alignment : {alTop, alBottom, alLeft, alRight, alClient}) DoAlign(Alignment, Rect);
    ApplyAnchorsOfChildren();
}

void TWinControl::DoAlign(TAlign Alignment, TRect& Rect)
{
    std::vector<TControl*> List;
    for (int32_t I = 0; I < ControlCount(); ++I) {
        TControl* Control = Controls(I);
        if (Control->Align() == Alignment && Control->Visible()) List.push_back(Control);
    }
    // Controls take their places in the order of their positions, ties kept in z-order.
    const auto Before = [Alignment](const TControl* A, const TControl* B) {
        switch (Alignment) {
        case alTop: return A->Top() < B->Top();
        case alBottom: return A->Top() + A->Height() > B->Top() + B->Height();
        case alLeft: return A->Left() < B->Left();
        case alRight: return A->Left() + A->Width() > B->Left() + B->Width();
        default: return false;
        }
    };
    std::stable_sort(List.begin(), List.end(), Before);
    for (TControl* Control : List) {
        int32_t L = Control->Left(), T = Control->Top(), W = Control->Width(), H = Control->Height();
        switch (Alignment) {
        case alTop:
            L = Rect.Left; T = Rect.Top; W = Rect.Width();
            Rect.Top += H;
            break;
        case alBottom:
            L = Rect.Left; T = Rect.Bottom - H; W = Rect.Width();
            Rect.Bottom -= H;
            break;
        case alLeft:
            L = Rect.Left; T = Rect.Top; H = Rect.Height();
            Rect.Left += W;
            break;
        case alRight:
            L = Rect.Right - W; T = Rect.Top; H = Rect.Height();
            Rect.Right -= W;
            break;
        case alClient:
            L = Rect.Left; T = Rect.Top; W = Rect.Width(); H = Rect.Height();
            break;
        default: break;
        }
        Control->FAnchorMove = true;
        Control->SetBounds(L, T, std::max(W, 0), std::max(H, 0));
        Control->FAnchorMove = false;
    }
}

void TWinControl::ApplyAnchorsOfChildren()
{
    for (int32_t I = 0; I < ControlCount(); ++I) {
        TControl* Control = Controls(I);
        if (Control->Align() == alNone && Control->Anchors() != TAnchors{akLeft, akTop}) Control->ApplyAnchors();
    }
}

// ---- Bounds ----

TRect TWinControl::ClientRect() const
{
    TCreateParams Params;
    const_cast<TWinControl*>(this)->CreateParams(Params);
    const bool TopLevel = !Parent() || IsOwnedPopup(this, Params);
    QMargins Margins = FrameMargins(this, Params, TopLevel);
    // The window's own scroll bars take their strips from the client area.
    if (FHandle && !TopLevel) Margins += ScrollBarMargins(FHandle);
    return {0, 0, std::max(0, Width() - Margins.left() - Margins.right()), std::max(0, Height() - Margins.top() - Margins.bottom())};
}

TPoint TWinControl::ClientOrigin() const
{
    TCreateParams Params;
    const_cast<TWinControl*>(this)->CreateParams(Params);
    const bool Owned = IsOwnedPopup(this, Params);
    const QMargins Margins = FrameMargins(this, Params, !Parent() || Owned);
    TPoint Origin{Left(), Top()};
    if (Parent() && !Owned) {
        const TPoint ParentOrigin = Parent()->ClientOrigin();
        Origin = {ParentOrigin.X + Left(), ParentOrigin.Y + Top()};
    }
    return {Origin.X + Margins.left(), Origin.Y + Margins.top()};
}

void TWinControl::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    Constraints()->Apply(AWidth, AHeight);
    const bool Moved = ALeft != Left() || ATop != Top();
    const bool Resized = AWidth != Width() || AHeight != Height();
    // A window hears of its new place before and after it takes it; the first message may change it.
    WINDOWPOS Pos;
    const HWND Wnd = FHandle;
    if (Wnd && (Moved || Resized)) {
        Pos = {Wnd, nullptr, ALeft, ATop, AWidth, AHeight,
               SWP_NOZORDER | SWP_NOACTIVATE | (Moved ? 0u : SWP_NOMOVE) | (Resized ? 0u : SWP_NOSIZE)};
        SendMessage(Wnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&Pos));
        if (!IsWindow(Wnd)) return;
        ALeft = Pos.x;
        ATop = Pos.y;
        AWidth = Pos.cx;
        AHeight = Pos.cy;
        Constraints()->Apply(AWidth, AHeight);
    }
    if (FWidget) {
        QRect Geometry(ALeft, ATop, AWidth, AHeight);
        if (FWidget->isWindow()) {
            TCreateParams Params;
            CreateParams(Params);
            const QMargins Frame = NonClientMargins(Params.Style, Params.ExStyle, true);
            Geometry = Geometry.marginsRemoved(Frame);
            if (!(Params.Style & WS_THICKFRAME)) FWidget->setFixedSize(Geometry.size().expandedTo(QSize(0, 0)));
        } else if (const TWindowHook* ParentHook = Parent() ? HookOf(Parent()->FHandle) : nullptr) {
            Geometry.translate(ParentHook->ClientMargins().left(), ParentHook->ClientMargins().top());
        }
        FWidget->setGeometry(Geometry);
        LayoutScrollBars(FHandle);
    }
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (Wnd && (Moved || Resized) && IsWindow(Wnd)) {
        Pos.x = Left();
        Pos.y = Top();
        Pos.cx = Width();
        Pos.cy = Height();
        SendMessage(Wnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&Pos));
    }
}

void TWinControl::WMSize(TWMSize Message)
{
    Realign();
    TControl::Dispatch(Message.Message);
}

// ---- Showing ----

void TWinControl::UpdateShowing()
{
    UpdateShowingWithin(!Parent() || Parent()->FShowing);
}

void TWinControl::UpdateShowingWithin(bool ParentShows)
{
    const bool ShowControl = Visible() && ParentShows;
    // Showing, the children's windows come first so that the window appears whole; hiding, the
    // window goes first and takes its children with it.
    if (ShowControl) {
        if (!FHandle) CreateHandle();
        for (size_t I = 0; I < FWinControls.size(); ++I) FWinControls[I]->UpdateShowingWithin(true);
    }
    if (FHandle && FShowing != ShowControl) {
        FShowing = ShowControl;
        try {
            Perform(CM_SHOWINGCHANGED, 0, 0);
        } catch (...) {
            FShowing = !ShowControl;
            throw;
        }
    }
    if (!ShowControl)
        for (size_t I = 0; I < FWinControls.size(); ++I) FWinControls[I]->UpdateShowingWithin(false);
}

void TWinControl::UpdateControlState()
{
    const TWinControl* Root = this;
    while (Root->Parent()) {
        Root = Root->Parent();
        if (!Root->FShowing) return;
    }
    if (dynamic_cast<const TCustomForm*>(Root)) UpdateShowing();
}

void TWinControl::CMShowingChanged(TMessage&)
{
    ShowWindow(FHandle, FShowing ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::CMVisibleChanged(TMessage&)
{
    if (!Visible() && Parent()) RemoveFocus(false);
    UpdateControlState();
}

void TWinControl::CMEnabledChanged(TMessage& Message)
{
    if (!Enabled() && Parent()) RemoveFocus(false);
    if (FHandle) EnableWindow(FHandle, Enabled());
    TControl::Dispatch(Message);
}

void TWinControl::SetCtl3D(bool Value)
{
    if (FCtl3D == Value) return;
    FCtl3D = Value;
    FParentCtl3D = false;
    Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::SetParentCtl3D(bool Value)
{
    if (FParentCtl3D == Value) return;
    FParentCtl3D = Value;
    if (Parent() && Value) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TWinControl::CMColorChanged(TMessage& Message)
{
    TControl::Dispatch(Message);
    FBrush->SetColor(Color());
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& Message)
{
    TControl::Dispatch(Message);
    if (FHandle) Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()), 1);
    NotifyControls(CM_PARENTFONTCHANGED);
}

// ---- Notifications of child windows ----

bool DoControlMsg(HWND ControlHandle, TMessage& Message)
{
    TWinControl* Control = FindControl(ControlHandle);
    if (!Control) return false;
    Message.Result = Control->Perform(Message.Msg + CN_BASE, Message.WParam, Message.LParam);
    return true;
}

void TWinControl::NotifyParent(uint16_t Code)
{
    if (!FHandle || !Parent() || !Parent()->FHandle) return;
    const auto Id = static_cast<uint16_t>(GetWindowLong(FHandle, GWL_ID));
    Parent()->Perform(WM_COMMAND, MAKEWPARAM(Id, Code), reinterpret_cast<LPARAM>(FHandle));
}

void TWinControl::WMCommand(TWMCommand Message)
{
    if (!DoControlMsg(Message.Ctl(), Message.Message)) DefaultHandler(Message.Message);
}

void TWinControl::WMNotify(TWMNotify Message)
{
    const NMHDR* Header = Message.NMHdr();
    if (!Header || !DoControlMsg(Header->hwndFrom, Message.Message)) DefaultHandler(Message.Message);
}

void TWinControl::WMScroll(TWMScroll Message)
{
    if (!DoControlMsg(Message.ScrollBar(), Message.Message)) DefaultHandler(Message.Message);
}

void TWinControl::WMCtlColor(TMessage& Message)
{
    if (!DoControlMsg(reinterpret_cast<HWND>(Message.LParam), Message)) DefaultHandler(Message);
}

// ---- Focus and tab order ----

int32_t TWinControl::TabOrder() const
{
    if (!Parent()) return -1;
    const auto& List = Parent()->FTabList;
    return static_cast<int32_t>(std::find(List.begin(), List.end(), this) - List.begin());
}

void TWinControl::SetTabOrder(int32_t Value)
{
    if (!Parent()) return;
    auto& List = Parent()->FTabList;
    const int32_t Current = TabOrder();
    const int32_t Count = static_cast<int32_t>(List.size());
    if (Value < 0 || Value >= Count) Value = Count - 1;
    if (Value == Current) return;
    List.erase(List.begin() + Current);
    List.insert(List.begin() + Value, this);
}

void TWinControl::SetTabStop(bool Value)
{
    if (FTabStop == Value) return;
    FTabStop = Value;
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

bool TWinControl::Focused() const
{
    return FHandle && GetFocus() == FHandle;
}

bool TWinControl::CanFocus() const
{
    const TCustomForm* Form = GetParentForm(this);
    if (!Form) return false;
    for (const TControl* Control = this; Control != Form; Control = Control->Parent())
        if (!Control->Visible() || !Control->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (TCustomForm* Form = GetParentForm(this)) Form->FocusControl(this);
    else if (!Parent()) ::SetFocus(Handle());
    else throw EInvalidOperation(QStringLiteral("Control '%1' has no parent window").arg(Name()));
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const
{
    for (TWinControl* Control : FTabList) {
        List.push_back(Control);
        Control->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent) const
{
    std::vector<TWinControl*> List;
    GetTabOrderList(List);
    if (List.empty()) return nullptr;
    const int32_t Count = static_cast<int32_t>(List.size());
    const auto Found = std::find(List.begin(), List.end(), CurControl);
    int32_t StartIndex = Found != List.end() ? static_cast<int32_t>(Found - List.begin()) : (GoForward ? Count - 1 : 0);
    int32_t I = StartIndex;
    do {
        I = GoForward ? (I + 1) % Count : (I + Count - 1) % Count;
        TWinControl* Control = List[static_cast<size_t>(I)];
        if (Control->CanFocus() && (!CheckTabStop || Control->TabStop()) && (!CheckParent || Control->Parent() == this))
            return Control;
    } while (I != StartIndex);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* Next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) Next->SetFocus();
}

void TWinControl::RemoveFocus(bool Removing)
{
    if (TCustomForm* Form = GetParentForm(this)) Form->DefocusControl(this, Removing);
}

void TWinControl::DoEnter()
{
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit) OnExit(this);
}

void TWinControl::CMEnter(TMessage&)
{
    DoEnter();
}

void TWinControl::CMExit(TMessage&)
{
    DoExit();
}

void TWinControl::CMFocusChanged(TMessage& Message)
{
    Broadcast(Message);
}

// ---- Message path ----

void TWinControl::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS:
        if (TCustomForm* Form = GetParentForm(this); Form && !Form->SetFocusedControl(this)) return;
        break;
    case WM_KILLFOCUS:
        if (FControlState.Contains(csFocusing)) return;
        break;
    default:
        if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && Message.Msg != WM_MOUSEWHEEL &&
            Message.Msg != WM_MOUSEHWHEEL) {
            const TPoint Pos = LParamToPoint(Message.LParam);
            TControl* Control = nullptr;
            if (GetCapture() == FHandle) {
                TControl* Captured = GetCaptureControl();
                if (Captured != this && Captured && Captured->Parent() == this) Control = Captured;
            } else {
                Control = ControlAtPos(Pos, false);
            }
            if (Message.Msg == WM_MOUSEMOVE)
                TrackMouseControl(Control ? Control : (PtInRect(ClientRect(), Pos) ? this : nullptr));
            if (Control) {
                Message.Result = Control->Perform(Message.Msg, Message.WParam,
                                                  PointToLParam({Pos.X - Control->Left(), Pos.Y - Control->Top()}));
                return;
            }
        }
        break;
    }
    TControl::WndProc(Message);
}

void TWinControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT: WMPaint(TWMPaint(Message)); break;
    case WM_ERASEBKGND: WMEraseBkgnd(TWMEraseBkgnd(Message)); break;
    case WM_NCPAINT: WMNCPaint(Message); break;
    case WM_SETCURSOR: WMSetCursor(TWMSetCursor(Message)); break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: WMKeyDown(TWMKey(Message)); break;
    case WM_KEYUP:
    case WM_SYSKEYUP: WMKeyUp(TWMKey(Message)); break;
    case WM_CHAR: WMChar(TWMKey(Message)); break;
    case WM_SIZE: WMSize(TWMSize(Message)); break;
    case WM_MOUSEWHEEL: WMMouseWheel(TWMMouseWheel(Message)); break;
    case CN_KEYDOWN: CNKeyDown(TWMKey(Message)); break;
    case CN_CHAR: CNChar(TWMKey(Message)); break;
    case CN_SYSKEYDOWN: CNSysKeyDown(TWMKey(Message)); break;
    case CN_SYSCHAR: CNSysChar(TWMKey(Message)); break;
    case CM_CHILDKEY: CMChildKey(Message); break;
    case CM_DIALOGKEY: CMDialogKey(TWMKey(Message)); break;
    case CM_DIALOGCHAR: CMDialogChar(TWMKey(Message)); break;
    case CM_FOCUSCHANGED: CMFocusChanged(Message); break;
    case CM_ENTER: CMEnter(Message); break;
    case CM_EXIT: CMExit(Message); break;
    case CM_SHOWINGCHANGED: CMShowingChanged(Message); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); break;
    case CM_COLORCHANGED: CMColorChanged(Message); break;
    case CM_FONTCHANGED: CMFontChanged(Message); break;
    case CM_CTL3DCHANGED: NotifyControls(CM_PARENTCTL3DCHANGED); break;
    case CM_BIDIMODECHANGED: NotifyControls(CM_PARENTBIDIMODECHANGED); break;
    case CM_PARENTCTL3DCHANGED:
        if (FParentCtl3D) {
            SetCtl3D(Message.WParam != 0 ? Message.LParam != 0 : Parent() ? Parent()->FCtl3D : FCtl3D);
            FParentCtl3D = true;
        }
        break;
    case WM_COMMAND: WMCommand(TWMCommand(Message)); break;
    case WM_NOTIFY: WMNotify(TWMNotify(Message)); break;
    case WM_HSCROLL:
    case WM_VSCROLL: WMScroll(TWMScroll(Message)); break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: WMCtlColor(Message); break;
    default: TControl::Dispatch(Message); break;
    }
}

void TWinControl::DefaultHandler(TMessage& Message)
{
    // Alt+F4 closes the top-level window, also from a wrapped widget.
    if (Message.Msg == WM_SYSKEYDOWN && Message.WParam == VK_F4) {
        TWinControl* Top = this;
        while (Top->Parent()) Top = Top->Parent();
        PostMessage(Top->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    }
    if (Message.Msg == WM_SETREDRAW) {
        SetRedraw(FHandle, Message.WParam != 0);
        return;
    }
    if (TWindowHook* Hook = HookOf(FHandle); Hook && Hook->DefaultHandling(Message)) {
        if (Message.Msg != WM_RBUTTONUP) return;
    } else {
        switch (Message.Msg) {
        case WM_SETTEXT:
            TControl::DefaultHandler(Message);
            if (FWidget && FWidget->isWindow()) FWidget->setWindowTitle(Text());
            return;
        case WM_SYSCOMMAND:
            if ((Message.WParam & 0xFFF0) == SC_CLOSE) Perform(WM_CLOSE, 0, 0);
            return;
        case WM_SYSKEYDOWN: return;
        case WM_NCLBUTTONDOWN: BeginSizeTracking(FHandle, static_cast<LRESULT>(Message.WParam)); return;
        case WM_MOUSEWHEEL:
            // Unhandled, the wheel goes to the parent window.
            if (Parent()) Message.Result = Parent()->Perform(Message.Msg, Message.WParam, Message.LParam);
            return;
        case WM_CONTEXTMENU:
            // Unhandled, the context menu is the parent window's to give.
            if (Parent()) Message.Result = Parent()->Perform(Message.Msg, Message.WParam, Message.LParam);
            return;
        case WM_SETCURSOR:
            if (Parent()) Message.Result = Parent()->Perform(Message.Msg, Message.WParam, Message.LParam);
            // Unclaimed, the client area shows the window's class cursor, the arrow.
            if (!Message.Result && FWidget && TWMSetCursor(Message).CursorWnd() == FHandle &&
                TWMSetCursor(Message).HitTest() == HTCLIENT) {
                SetCursorWindow(FHandle);
                ::SetCursor(Screen->Cursors(crArrow));
            }
            return;
        default: break;
        }
    }
    if (Message.Msg == WM_RBUTTONUP) {
        const TPoint Pos = TControl::ClientToScreen(LParamToPoint(Message.LParam));
        Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(FHandle), PointToLParam(Pos));
        return;
    }
    TControl::DefaultHandler(Message);
}

// ---- Keys ----

void TWinControl::CNKeyDown(TWMKey Message)
{
    Message.SetResult(1);
    if (Perform(CM_CHILDKEY, Message.CharCode(), reinterpret_cast<LPARAM>(this)) != 0) return;
    LRESULT Mask = 0;
    switch (Message.CharCode()) {
    case VK_TAB: Mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: Mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: Mask = DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (Mask != 0 && Perform(CM_WANTSPECIALKEY, Message.CharCode(), Message.KeyData()) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & Mask) == 0) {
        TCustomForm* Form = GetParentForm(this);
        if (Form && Form->Perform(CM_DIALOGKEY, Message.CharCode(), Message.KeyData()) != 0) return;
    }
    Message.SetResult(0);
}

void TWinControl::CNChar(TWMKey Message)
{
    Message.SetResult(1);
    if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0) {
        TCustomForm* Form = GetParentForm(this);
        if (Form && Form->Perform(CM_DIALOGCHAR, Message.CharCode(), Message.KeyData()) != 0) return;
    }
    Message.SetResult(0);
}

void TWinControl::CNSysKeyDown(TWMKey Message)
{
    Message.SetResult(1);
    if (Perform(CM_CHILDKEY, Message.CharCode(), reinterpret_cast<LPARAM>(this)) != 0) return;
    if (Perform(CM_DIALOGKEY, Message.CharCode(), Message.KeyData()) != 0) return;
    Message.SetResult(0);
}

void TWinControl::CNSysChar(TWMKey Message)
{
    if (Message.CharCode() == VK_SPACE) return;
    if (TCustomForm* Form = GetParentForm(this))
        Message.SetResult(Form->Perform(CM_DIALOGCHAR, Message.CharCode(), Message.KeyData()));
}

void TWinControl::CMChildKey(TMessage& Message)
{
    if (Parent()) Parent()->Perform(Message);
}

void TWinControl::CMDialogKey(TWMKey Message)
{
    Broadcast(Message.Message);
}

void TWinControl::CMDialogChar(TWMKey Message)
{
    Broadcast(Message.Message);
}

bool TWinControl::DoKeyDown(TWMKey Message)
{
    TCustomForm* Form = GetParentForm(this, false);
    if (Form && Form != this) {
        TCustomForm* FormParent = GetParentForm(Form);
        if (FormParent && FormParent != Form && FormParent->KeyPreview() &&
            static_cast<TWinControl*>(FormParent)->DoKeyDown(Message))
            return true;
        if (Form->KeyPreview() && static_cast<TWinControl*>(Form)->DoKeyDown(Message)) return true;
    }
    if (!FControlStyle.Contains(csNoStdEvents)) {
        uint16_t Key = Message.CharCode();
        KeyDown(Key, KeyDataToShiftState(Message.KeyData()));
        Message.SetCharCode(Key);
        if (Key == 0) return true;
    }
    return false;
}

bool TWinControl::DoKeyUp(TWMKey Message)
{
    TCustomForm* Form = GetParentForm(this, false);
    if (Form && Form != this) {
        TCustomForm* FormParent = GetParentForm(Form);
        if (FormParent && FormParent != Form && FormParent->KeyPreview() &&
            static_cast<TWinControl*>(FormParent)->DoKeyUp(Message))
            return true;
        if (Form->KeyPreview() && static_cast<TWinControl*>(Form)->DoKeyUp(Message)) return true;
    }
    if (!FControlStyle.Contains(csNoStdEvents)) {
        uint16_t Key = Message.CharCode();
        KeyUp(Key, KeyDataToShiftState(Message.KeyData()));
        Message.SetCharCode(Key);
        if (Key == 0) return true;
    }
    return false;
}

bool TWinControl::DoKeyPress(TWMKey Message)
{
    TCustomForm* Form = GetParentForm(this, false);
    if (Form && Form != this) {
        TCustomForm* FormParent = GetParentForm(Form);
        if (FormParent && FormParent != Form && FormParent->KeyPreview() &&
            static_cast<TWinControl*>(FormParent)->DoKeyPress(Message))
            return true;
        if (Form->KeyPreview() && static_cast<TWinControl*>(Form)->DoKeyPress(Message)) return true;
    }
    if (!FControlStyle.Contains(csNoStdEvents)) {
        QChar Key(Message.CharCode());
        KeyPress(Key);
        Message.SetCharCode(Key.unicode());
        if (Key.isNull()) return true;
    }
    return false;
}

void TWinControl::WMKeyDown(TWMKey Message)
{
    if (!DoKeyDown(Message)) DefaultHandler(Message.Message);
}

void TWinControl::WMKeyUp(TWMKey Message)
{
    if (!DoKeyUp(Message)) DefaultHandler(Message.Message);
}

void TWinControl::WMChar(TWMKey Message)
{
    if (!DoKeyPress(Message)) DefaultHandler(Message.Message);
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift)
{
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(QChar& Key)
{
    if (OnKeyPress) OnKeyPress(this, Key);
}

// ---- Mouse ----

void TWinControl::WMSetCursor(TWMSetCursor Message)
{
    if (Message.CursorWnd() == FHandle && Message.HitTest() == HTCLIENT) {
        TCursor Cursor = Screen->Cursor();
        if (Cursor == crDefault) {
            TPoint Pos;
            GetCursorPos(Pos);
            if (const TControl* Control = ControlAtPos(TControl::ScreenToClient(Pos), false)) Cursor = Control->Cursor();
            if (Cursor == crDefault) Cursor = TControl::Cursor();
        }
        if (Cursor != crDefault) {
            SetCursorWindow(FHandle);
            ::SetCursor(Screen->Cursors(Cursor));
            Message.SetResult(1);
            return;
        }
    }
    DefaultHandler(Message.Message);
}

void TWinControl::WMMouseWheel(TWMMouseWheel Message)
{
    const TShiftState Shift = KeysToShiftState(Message.Keys());
    const WPARAM WParam = MAKEWPARAM(static_cast<uint16_t>(Shift.ToInt()), static_cast<uint16_t>(Message.WheelDelta()));
    Message.SetResult(Perform(CM_MOUSEWHEEL, WParam, Message.Message.LParam));
    if (Message.Result() == 0) DefaultHandler(Message.Message);
}

// ---- Painting ----

void TWinControl::Invalidate()
{
    if (FHandle) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Repaint()
{
    Invalidate();
    Update();
}

void TWinControl::Update()
{
    if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::SetZOrder(bool TopMost)
{
    if (!Parent()) return;
    auto& List = Parent()->FWinControls;
    const auto Found = std::find(List.begin(), List.end(), this);
    if (Found == List.end()) return;
    List.erase(Found);
    List.insert(TopMost ? List.end() : List.begin(), this);
    if (!FWidget) return;
    if (TopMost) FWidget->raise();
    else FWidget->lower();
}

void TWinControl::WMPaint(TWMPaint Message)
{
    if (!FControlState.Contains(csCustomPaint) && FControls.empty()) DefaultHandler(Message.Message);
    else PaintHandler(Message);
}

void TWinControl::PaintHandler(TWMPaint Message)
{
    HDC DC = Message.DC();
    if (!DC) {
        const TWindowHook* Hook = HookOf(FHandle);
        DC = Hook ? Hook->PaintDC() : nullptr;
    }
    if (!DC) {
        // A wrapped widget paints itself; windowless children are not painted over it.
        DefaultHandler(Message.Message);
        return;
    }
    PaintWindow(DC);
    PaintControls(DC, nullptr);
}

void TWinControl::PaintWindow(HDC DC)
{
    TMessage Message{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
    DefaultHandler(Message);
}

void TWinControl::WMEraseBkgnd(TWMEraseBkgnd Message)
{
    if (!FControlStyle.Contains(csOpaque) && Message.DC()) FillRect(Message.DC(), ClientRect(), FBrush.get());
    Message.SetResult(1);
}

void TWinControl::SetBevelKind(TBevelKind Value)
{
    if (FBevelKind == Value) return;
    FBevelKind = Value;
    RecreateWnd();
}

void TWinControl::SetBevelInner(TBevelCut Value)
{
    if (FBevelInner == Value) return;
    FBevelInner = Value;
    RecreateWnd();
}

void TWinControl::SetBevelOuter(TBevelCut Value)
{
    if (FBevelOuter == Value) return;
    FBevelOuter = Value;
    RecreateWnd();
}

void TWinControl::WMNCPaint(TMessage& Message)
{
    HDC DC = reinterpret_cast<HDC>(Message.WParam);
    // A wrapped widget paints all of its window: its bevel goes over the edge of it.
    const bool OverWidget = !DC && FBevelKind != bkNone && Parent() && FHandle;
    if (OverWidget) DC = GetWindowDC(FHandle);
    if (!DC) return;
    TCreateParams Params;
    CreateParams(Params);
    TRect Rect{0, 0, Width(), Height()};
    if (BevelSize(FBevelKind, FBevelInner, FBevelOuter) > 0 && Parent()) {
        const UINT Look = FBevelKind == bkSoft ? BF_SOFT : FBevelKind == bkFlat ? BF_FLAT : 0;
        TBrush Face;
        Face.SetColor(clBtnFace);
        // The outer cut, then the inner one: an edge, or for a space cut a band in the face colour.
        for (const auto& [Cut, Raised, Sunken] : {std::tuple{FBevelOuter, BDR_RAISEDOUTER, BDR_SUNKENOUTER},
                                                  std::tuple{FBevelInner, BDR_RAISEDINNER, BDR_SUNKENINNER}}) {
            if (Cut == bvNone) continue;
            TRect Ring = Rect;
            if (Cut == bvSpace)
                FrameRect(DC, Ring, &Face);
            else
                DrawEdge(DC, Ring, Cut == bvRaised ? Raised : Sunken, BF_RECT | Look);
            InflateRect(Rect, -1, -1);
        }
    }
    if (OverWidget) {
        ReleaseDC(FHandle, DC);
        return;
    }
    if (Params.ExStyle & WS_EX_CLIENTEDGE) DrawEdge(DC, Rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (Params.Style & WS_BORDER) {
        TBrush Frame;
        Frame.SetColor(clWindowFrame);
        FrameRect(DC, Rect, &Frame);
    }
}

void TWinControl::PaintControls(HDC DC, TControl* First)
{
    auto Start = First ? std::find(FControls.begin(), FControls.end(), First) : FControls.begin();
    if (Start == FControls.end()) Start = FControls.begin();
    QPainter* Painter = PainterOf(*DC);
    if (!Painter) return;
    const TRect Clip = DC->ClipRect();
    for (auto It = Start; It != FControls.end(); ++It) {
        TControl* Control = *It;
        TRect Overlap;
        if (!Control->Visible() || !IntersectRect(Overlap, Control->BoundsRect(), Clip)) continue;
        Painter = PainterOf(*DC);
        Painter->save();
        Painter->translate(Control->Left(), Control->Top());
        Painter->setClipRect(QRect(0, 0, Control->Width(), Control->Height()), Qt::IntersectClip);
        TCanvas ControlDC;
        BindPainter(ControlDC, Painter);
        try {
            Control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&ControlDC), 0);
        } catch (...) {
            BindPainter(ControlDC, nullptr);
            Painter->restore();
            throw;
        }
        BindPainter(ControlDC, nullptr);
        Painter->restore();
    }
}

void TWinControl::PaintTo(HDC DC, int32_t X, int32_t Y)
{
    QPainter* Painter = PainterOf(*DC);
    if (!Painter) return;
    Painter->save();
    Painter->translate(X, Y);
    TCanvas Target;
    BindPainter(Target, Painter);
    FControlState.Include(csPaintCopy);
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&Target), reinterpret_cast<LPARAM>(&Target));
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(&Target), 0);
    FControlState.Exclude(csPaintCopy);
    BindPainter(Target, nullptr);
    Painter->restore();
    for (TWinControl* Child : FWinControls)
        if (Child->Visible() && !(Child->FWidget && Child->FWidget->isWindow())) Child->PaintTo(DC, X + Child->Left(), Y + Child->Top());
}
