// The tooltip control (windows/Tooltips.h): its tools, delays, notifications and the tip window.
#include "windows/private/Tooltip.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Region.h"
#include "windows/Tooltips.h"
#include "windows/WindowDC.h"
#include "windows/WindowHooks.h"
#include "windows/private/Window.h"

#include <QTimer>

#include <algorithm>
#include <vector>

using namespace WindowsInternal;

namespace {

// Timers of the tooltip's window.
enum : UINT_PTR { WaitTimer = 1, PollTimer = 2, AutoPopTimer = 3 };
constexpr UINT PollInterval = 100;
constexpr int32_t DefaultInitial = 500;

// Geometry of the tip, in pixels.
constexpr int32_t BalloonPad = 8;
constexpr int32_t PlainPad = 3;
constexpr int32_t IconSize = 16;
constexpr int32_t IconGap = 6;
constexpr int32_t TitleGap = 4;
constexpr int32_t StemHeight = 14;
constexpr int32_t StemBase = 14;
constexpr int32_t StemOffset = 16;
constexpr int32_t Corner = 14;
// A plain tip opens below the pointer's image.
constexpr int32_t PlainBelow = 20;

struct TTool {
    UINT Flags = 0;
    HWND Wnd = nullptr;
    UINT_PTR Id = 0;
    TRect Rect{};
    bool Callback = false;
    QString Text;
    LPARAM Param = 0;
};

enum TTipState {
    // Nothing pending.
    tsIdle,
    // The pointer rests over a tool; the wait timer runs.
    tsWaiting,
    tsShown,
    // Popped by time or a click: nothing until the pointer leaves the tool.
    tsDone,
};

class TTooltipControl;
std::vector<TTooltipControl*>& Tooltips()
{
    static std::vector<TTooltipControl*> List;
    return List;
}
HHOOK MouseHook = nullptr;
LRESULT WatchToolWindows(int32_t Code, WPARAM WParam, LPARAM LParam);

QString TextAt(const char16_t* Text)
{
    if (!Text) return {};
    size_t Length = 0;
    while (Text[Length]) ++Length;
    return QString::fromUtf16(Text, static_cast<qsizetype>(Length));
}

class TTooltipControl : public TCustomControl {
public:
    TTooltipControl(uint32_t Style, uint32_t ExStyle, HWND Owner)
        : TCustomControl(nullptr), FStyle(Style), FExStyle(ExStyle), FOwner(Owner)
    {
        SetVisible(false);
        Tooltips().push_back(this);
        if (!MouseHook) MouseHook = SetWindowsHookEx(WH_CALLWNDPROC, WatchToolWindows, 0, 0);
    }

    ~TTooltipControl() override { Unlist(); }

    void Release()
    {
        Unlist();
        if (HandleAllocated()) {
            KillTimers();
            DestroyHandle();
        }
        if (FBusy == 0) {
            delete this;
            return;
        }
        // A handler of ours is running (a notification's receiver destroyed us): later.
        if (!FReleased) QTimer::singleShot(0, [this] { delete this; });
        FReleased = true;
    }

    // A mouse message on a window that may be one of our tools (client coordinates).
    void ToolMouse(HWND Wnd, UINT Msg, const TPoint& At)
    {
        if (FReleased || !HandleAllocated()) return;
        const int32_t Tool = ToolAt(Wnd, At);
        if (Msg != WM_MOUSEMOVE) {
            // A click hides the tip and ends the rest.
            if (Tool < 0) return;
            Pop();
            FState = tsDone;
            FTool = Tool;
            return;
        }
        TPoint Screen = At;
        ::ClientToScreen(Wnd, Screen);
        const bool Moved = Screen != FLastPos;
        FLastPos = Screen;
        if (Tool < 0) {
            if (FState == tsWaiting || FState == tsShown || FState == tsDone) LeaveTool();
            return;
        }
        switch (FState) {
        case tsIdle: StartWait(Tool, FReshowNext ? FReshow : FInitial); break;
        case tsWaiting:
            if (Tool != FTool || Moved) StartWait(Tool, FReshowNext ? FReshow : FInitial);
            break;
        case tsShown:
            if (Tool != FTool) {
                Pop();
                StartWait(Tool, FReshow);
            }
            break;
        case tsDone:
            if (Tool != FTool) StartWait(Tool, FInitial);
            break;
        }
    }

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TCustomControl::CreateParams(Params);
        Params.Style = WS_POPUP | (FStyle & 0xFFFF);
        Params.ExStyle = FExStyle | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
        Params.WndParent = FOwner;
    }

    void CreateWnd() override
    {
        TCustomControl::CreateWnd();
        if (TWindow* Window = FindWindow(Own())) Window->Owner = FOwner;
    }

    void Dispatch(TMessage& Message) override
    {
        ++FBusy;
        if (!HandleMessage(Message)) TCustomControl::Dispatch(Message);
        --FBusy;
    }

    void Paint() override
    {
        TCanvas* C = Canvas();
        const HDC DC = C->Handle();
        TBrush Back;
        Back.SetColor(FBackColor);
        TBrush Frame;
        Frame.SetColor(clWindowFrame);
        const TRegion Shape = ShapeRegion();
        FillRgn(DC, Shape, &Back);
        FrameRgn(DC, Shape, &Frame, 1, 1);
        if (FShowIcon) DrawIcon(C, FIconRect);
        C->Brush()->SetStyle(bsClear);
        C->Font()->Assign(Font());
        C->Font()->SetColor(FTextColor);
        const uint32_t Prefix = (FStyle & TTS_NOPREFIX) ? DT_NOPREFIX : 0;
        if (!FTitle.isEmpty()) {
            C->Font()->SetStyle({fsBold});
            TRect R = FTitleRect;
            DrawText(DC, FTitle, -1, R, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
            C->Font()->SetStyle({});
        }
        TRect R = FTextRect;
        DrawText(DC, FShownText, -1, R, DT_LEFT | Prefix | (FMaxWidth > 0 ? DT_WORDBREAK : 0));
    }

private:
    // The tooltip's own messages; false for the others.
    bool HandleMessage(TMessage& Message)
    {
        switch (Message.Msg) {
        case TTM_ADDTOOLW: Message.Result = AddTool(reinterpret_cast<const TOOLINFOW*>(Message.LParam)); return true;
        case TTM_SETTITLEW:
            FTitle = TextAt(reinterpret_cast<const char16_t*>(Message.LParam));
            FIcon = Message.WParam <= TTI_ERROR ? static_cast<int32_t>(Message.WParam) : static_cast<int32_t>(TTI_NONE);
            Message.Result = 1;
            return true;
        case TTM_SETDELAYTIME: SetDelay(Message.WParam, static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(Message.LParam)))); return true;
        case TTM_SETMAXTIPWIDTH:
            Message.Result = FMaxWidth;
            FMaxWidth = static_cast<int32_t>(Message.LParam);
            return true;
        case TTM_SETTIPBKCOLOR:
            FBackColor = static_cast<TColor>(Message.WParam & 0xFFFFFF);
            Invalidate();
            return true;
        case TTM_SETTIPTEXTCOLOR:
            FTextColor = static_cast<TColor>(Message.WParam & 0xFFFFFF);
            Invalidate();
            return true;
        case TTM_POP:
            if (FState == tsShown) FReshowNext = true;
            Pop();
            KillTimer(Own(), WaitTimer);
            FState = tsIdle;
            return true;
        case WM_TIMER: Timer(Message.WParam); return true;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            Pop();
            FState = tsDone;
            return true;
        default: return false;
        }
    }

    LRESULT AddTool(const TOOLINFOW* Info)
    {
        if (!Info || !IsWindow(Info->hwnd)) return 0;
        TTool Tool;
        Tool.Flags = Info->uFlags;
        Tool.Wnd = Info->hwnd;
        Tool.Id = Info->uId;
        Tool.Rect = Info->rect;
        Tool.Callback = Info->lpszText == LPSTR_TEXTCALLBACKW;
        if (!Tool.Callback) Tool.Text = TextAt(Info->lpszText);
        Tool.Param = Info->lParam;
        FTools.push_back(Tool);
        return 1;
    }

    void SetDelay(WPARAM Which, int32_t Ms)
    {
        const bool Default = Ms < 0;
        switch (Which) {
        case TTDT_AUTOMATIC:
            FInitial = Default ? DefaultInitial : Ms;
            FAutoPop = FInitial * 10;
            FReshow = FInitial / 5;
            break;
        case TTDT_RESHOW: FReshow = Default ? DefaultInitial / 5 : Ms; break;
        case TTDT_AUTOPOP: FAutoPop = Default ? DefaultInitial * 10 : Ms; break;
        case TTDT_INITIAL: FInitial = Default ? DefaultInitial : Ms; break;
        default: break;
        }
    }

    int32_t ToolAt(HWND Wnd, const TPoint& At) const
    {
        for (size_t I = 0; I < FTools.size(); ++I) {
            const TTool& Tool = FTools[I];
            // Only tools whose windows the tooltip watches.
            if (Tool.Wnd != Wnd || !(Tool.Flags & TTF_SUBCLASS)) continue;
            TRect Area = Tool.Rect;
            if (Tool.Flags & TTF_IDISHWND) GetClientRect(Wnd, Area);
            if (PtInRect(Area, At)) return static_cast<int32_t>(I);
        }
        return -1;
    }

    // The pointer is still over the tool (or over the tip itself).
    bool PointerOverTool() const
    {
        if (FTool < 0 || FTool >= static_cast<int32_t>(FTools.size())) return false;
        const TTool& Tool = FTools[static_cast<size_t>(FTool)];
        TPoint Pos;
        GetCursorPos(Pos);
        const HWND Under = WindowFromPoint(Pos);
        if (Under == Own()) return true;
        if (Under != Tool.Wnd || !::ScreenToClient(Tool.Wnd, Pos)) return false;
        return ToolAt(Tool.Wnd, Pos) == FTool;
    }

    void StartWait(int32_t Tool, int32_t Delay)
    {
        FTool = Tool;
        FState = tsWaiting;
        SetTimer(Own(), WaitTimer, static_cast<UINT>(std::max(Delay, 1)), nullptr);
    }

    void LeaveTool()
    {
        Pop();
        KillTimer(Own(), WaitTimer);
        FState = tsIdle;
        FReshowNext = false;
        FTool = -1;
    }

    void KillTimers()
    {
        for (UINT_PTR Id : {WaitTimer, PollTimer, AutoPopTimer}) KillTimer(Own(), Id);
    }

    void Timer(UINT_PTR Id)
    {
        switch (Id) {
        case WaitTimer:
            KillTimer(Own(), WaitTimer);
            if (FState != tsWaiting) return;
            if (PointerOverTool()) Show();
            else LeaveTool();
            break;
        case PollTimer:
            if (FState == tsShown && !PointerOverTool()) LeaveTool();
            break;
        case AutoPopTimer:
            Pop();
            FState = tsDone;
            break;
        default: break;
        }
    }

    // The top-level window Wnd lies in.
    static HWND TopLevelOf(HWND Wnd)
    {
        while (HWND Parent = GetParent(Wnd)) Wnd = Parent;
        return Wnd;
    }

    void Show()
    {
        const TTool Tool = FTools[static_cast<size_t>(FTool)];
        FState = tsDone;
        if (!(FStyle & TTS_ALWAYSTIP) && TopLevelOf(Tool.Wnd) != GetActiveWindow()) return;
        QString Text = Tool.Text;
        if (Tool.Callback) {
            NMTTDISPINFOW Info;
            Info.hdr.hwndFrom = Own();
            Info.hdr.idFrom = Tool.Id;
            Info.hdr.code = TTN_GETDISPINFOW;
            Info.uFlags = Tool.Flags;
            Info.lParam = Tool.Param;
            SendMessage(Tool.Wnd, WM_NOTIFY, Tool.Id, reinterpret_cast<LPARAM>(&Info));
            if (FReleased) return;
            Text = Info.lpszText && Info.lpszText != LPSTR_TEXTCALLBACKW ? TextAt(Info.lpszText) : TextAt(Info.szText);
        }
        if (Text.isEmpty()) return;
        NMHDR Show;
        Show.hwndFrom = Own();
        Show.idFrom = Tool.Id;
        Show.code = TTN_SHOW;
        const bool Placed = SendMessage(Tool.Wnd, WM_NOTIFY, Tool.Id, reinterpret_cast<LPARAM>(&Show)) != 0;
        if (FReleased || !HandleAllocated()) return;
        FShownText = Text;
        SetCaption(Text);
        TPoint At;
        GetCursorPos(At);
        Layout(At, Placed);
        ShowWindow(Own(), SW_SHOWNOACTIVATE);
        SetWindowPos(Own(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        Invalidate();
        FState = tsShown;
        FReshowNext = false;
        SetTimer(Own(), PollTimer, PollInterval, nullptr);
        if (FAutoPop > 0) SetTimer(Own(), AutoPopTimer, static_cast<UINT>(FAutoPop), nullptr);
    }

    void Pop()
    {
        KillTimer(Own(), PollTimer);
        KillTimer(Own(), AutoPopTimer);
        if (FState != tsShown) return;
        FState = tsIdle;
        ShowWindow(Own(), SW_HIDE);
        if (FTool < 0 || FTool >= static_cast<int32_t>(FTools.size())) return;
        const TTool& Tool = FTools[static_cast<size_t>(FTool)];
        NMHDR Hdr;
        Hdr.hwndFrom = Own();
        Hdr.idFrom = Tool.Id;
        Hdr.code = TTN_POP;
        SendMessage(Tool.Wnd, WM_NOTIFY, Tool.Id, reinterpret_cast<LPARAM>(&Hdr));
    }

    bool Balloon() const { return FStyle & TTS_BALLOON; }
    // The window, never made again once destroyed.
    HWND Own() const { return static_cast<const TWinControl*>(this)->Handle(); }

    // Sizes the tip for its title, icon and text and places it at the pointer (At, screen); with
    // KeepPlace (the tool placed it) only sizes it.
    void Layout(const TPoint& At, bool KeepPlace)
    {
        TCanvas* C = Canvas();
        C->Font()->Assign(Font());
        const HDC DC = C->Handle();
        const int32_t Pad = Balloon() ? BalloonPad : PlainPad;
        const uint32_t Prefix = (FStyle & TTS_NOPREFIX) ? DT_NOPREFIX : 0;

        int32_t TitleWidth = 0;
        int32_t TitleHeight = 0;
        FShowIcon = !FTitle.isEmpty() && FIcon != TTI_NONE;
        if (!FTitle.isEmpty()) {
            C->Font()->SetStyle({fsBold});
            TRect R{0, 0, 32767, 0};
            DrawText(DC, FTitle, -1, R, DT_CALCRECT | DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
            C->Font()->SetStyle({});
            TitleWidth = R.Width() + (FShowIcon ? IconSize + IconGap : 0);
            TitleHeight = std::max(R.Height(), FShowIcon ? IconSize : 0);
        }
        const int32_t Wrap = FMaxWidth > 0 ? std::max(FMaxWidth - 2 * Pad, 1) : 32767;
        TRect Measured{0, 0, Wrap, 0};
        DrawText(DC, FShownText, -1, Measured, DT_CALCRECT | DT_LEFT | Prefix | (FMaxWidth > 0 ? DT_WORDBREAK : 0));
        const int32_t ContentWidth = std::max(TitleWidth, Measured.Width());
        const int32_t ContentHeight = TitleHeight + (TitleHeight > 0 ? TitleGap : 0) + Measured.Height();

        const int32_t Stem = Balloon() ? StemHeight : 0;
        int32_t W = ContentWidth + 2 * Pad;
        if (Balloon()) W = std::max(W, 2 * StemOffset + StemBase);
        const int32_t H = ContentHeight + 2 * Pad + Stem;

        TRect Work;
        SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0);
        int32_t Left = At.X;
        int32_t Top = Balloon() ? At.Y : At.Y + PlainBelow;
        FStemUp = true;
        FStemX = StemOffset;
        if (Balloon()) {
            if (At.X - StemOffset + W > Work.Right) FStemX = W - StemOffset;
            Left = At.X - FStemX;
            if (Top + H > Work.Bottom) {
                FStemUp = false;
                Top = At.Y - H;
            }
        } else {
            Left = std::min(Left, Work.Right - W);
            if (Top + H > Work.Bottom) Top = At.Y - H;
        }
        Left = std::max(Left, Work.Left);
        Top = std::max(Top, Work.Top);

        FBody = Rect(0, FStemUp ? Stem : 0, W, FStemUp ? H : H - Stem);
        const int32_t X = Pad;
        const int32_t Y = FBody.Top + Pad;
        FIconRect = Bounds(X, Y, IconSize, IconSize);
        FTitleRect = Rect(X + (FShowIcon ? IconSize + IconGap : 0), Y, X + ContentWidth, Y + TitleHeight);
        const int32_t TextTop = Y + TitleHeight + (TitleHeight > 0 ? TitleGap : 0);
        FTextRect = Rect(X, TextTop, X + ContentWidth, TextTop + Measured.Height());

        if (KeepPlace) SetBounds(this->Left(), this->Top(), W, H);
        else SetBounds(Left, Top, W, H);
        const TRegion Shape = ShapeRegion();
        SetWindowRgn(Own(), Balloon() ? &Shape : nullptr, false);
    }

    TRegion ShapeRegion() const
    {
        const TRect Whole = ClientRect();
        if (!Balloon()) return CreateRectRgnIndirect(Whole);
        TRegion Shape = CreateRoundRectRgn(FBody.Left, FBody.Top, FBody.Right, FBody.Bottom, Corner, Corner);
        const int32_t Side = FStemX < Whole.Width() / 2 ? 1 : -1;
        // The stem's straight side stands on the side of the tip nearer the edge.
        const int32_t Foot = FStemUp ? FBody.Top + 2 : FBody.Bottom - 2;
        const int32_t Tip = FStemUp ? 0 : Whole.Bottom;
        const TPoint Stem[3] = {Point(FStemX, Tip), Point(FStemX, Foot), Point(FStemX + Side * StemBase, Foot)};
        CombineRgn(Shape, Shape, CreatePolygonRgn(Stem, WINDING), RGN_OR);
        return Shape;
    }

    // The title icons: information (blue disc, "i"), warning (yellow triangle, "!"), error (red
    // disc, a cross).
    void DrawIcon(TCanvas* C, const TRect& R) const
    {
        const int32_t X = R.Left;
        const int32_t Y = R.Top;
        C->Pen()->SetWidth(1);
        C->Brush()->SetStyle(bsSolid);
        switch (FIcon) {
        case TTI_INFO:
            C->Pen()->SetColor(static_cast<TColor>(RGB(0, 70, 160)));
            C->Brush()->SetColor(static_cast<TColor>(RGB(0, 102, 204)));
            C->Ellipse(X, Y, X + 16, Y + 16);
            C->Brush()->SetColor(clWhite);
            C->FillRect(Rect(X + 7, Y + 3, X + 9, Y + 5));
            C->FillRect(Rect(X + 7, Y + 6, X + 9, Y + 13));
            break;
        case TTI_WARNING:
            C->Pen()->SetColor(static_cast<TColor>(RGB(128, 96, 0)));
            C->Brush()->SetColor(static_cast<TColor>(RGB(255, 204, 0)));
            C->Polygon({Point(X + 8, Y), Point(X + 15, Y + 15), Point(X, Y + 15)});
            C->Brush()->SetColor(clBlack);
            C->FillRect(Rect(X + 7, Y + 5, X + 9, Y + 10));
            C->FillRect(Rect(X + 7, Y + 11, X + 9, Y + 13));
            break;
        case TTI_ERROR:
            C->Pen()->SetColor(static_cast<TColor>(RGB(128, 0, 0)));
            C->Brush()->SetColor(static_cast<TColor>(RGB(204, 0, 0)));
            C->Ellipse(X, Y, X + 16, Y + 16);
            C->Pen()->SetColor(clWhite);
            C->Pen()->SetWidth(2);
            C->MoveTo(X + 5, Y + 5);
            C->LineTo(X + 11, Y + 11);
            C->MoveTo(X + 11, Y + 5);
            C->LineTo(X + 5, Y + 11);
            C->Pen()->SetWidth(1);
            break;
        default: break;
        }
    }

    void Unlist()
    {
        std::erase(Tooltips(), this);
        if (Tooltips().empty() && MouseHook) {
            UnhookWindowsHookEx(MouseHook);
            MouseHook = nullptr;
        }
    }

    uint32_t FStyle;
    uint32_t FExStyle;
    HWND FOwner;
    std::vector<TTool> FTools;
    int32_t FInitial = DefaultInitial;
    int32_t FAutoPop = DefaultInitial * 10;
    int32_t FReshow = DefaultInitial / 5;
    int32_t FMaxWidth = -1;
    TColor FBackColor = clInfoBk;
    TColor FTextColor = clInfoText;
    QString FTitle;
    int32_t FIcon = TTI_NONE;

    TTipState FState = tsIdle;
    int32_t FTool = -1;
    TPoint FLastPos{-32768, -32768};
    // The next wait is the reshow delay (the tip was popped while the pointer stayed).
    bool FReshowNext = false;
    QString FShownText;
    bool FShowIcon = false;
    bool FStemUp = true;
    int32_t FStemX = StemOffset;
    TRect FBody{};
    TRect FIconRect{};
    TRect FTitleRect{};
    TRect FTextRect{};

    int32_t FBusy = 0;
    bool FReleased = false;
};

LRESULT WatchToolWindows(int32_t Code, WPARAM WParam, LPARAM LParam)
{
    const auto* Call = reinterpret_cast<const CWPSTRUCT*>(LParam);
    if (Code == HC_ACTION && Call) {
        const UINT Msg = Call->message;
        if (Msg == WM_MOUSEMOVE || Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN) {
            const TPoint At = LParamToPoint(Call->lParam);
            // A copy: a notification may destroy a tooltip.
            const std::vector<TTooltipControl*> List = Tooltips();
            for (TTooltipControl* Tip : List)
                if (std::find(Tooltips().begin(), Tooltips().end(), Tip) != Tooltips().end())
                    Tip->ToolMouse(Call->hwnd, Msg, At);
        }
    }
    return CallNextHookEx(MouseHook, Code, WParam, LParam);
}

}  // namespace

TWinControl* WindowsInternal::CreateTooltip(uint32_t Style, uint32_t ExStyle, HWND Owner, const QString& Caption)
{
    auto* Tip = new TTooltipControl(Style, ExStyle, Owner);
    Tip->SetCaption(Caption);
    Tip->HandleNeeded();
    return Tip;
}

void WindowsInternal::ReleaseTooltip(TWinControl* Tooltip)
{
    static_cast<TTooltipControl*>(Tooltip)->Release();
}
