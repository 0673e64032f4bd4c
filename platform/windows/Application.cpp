// TApplication (message loop, exceptions, hints), TScreen and THintWindow, and the two global objects.
#include "windows/Forms.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/EventExceptions.h"
#include "rtl/Files.h"
#include "rtl/Strings.h"
#include "windows/Dialogs.h"
#include "windows/private/MessageQueue.h"
#include "windows/private/Cursors.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <exception>
#include <utility>

using namespace WindowsInternal;

TApplication* Application = new TApplication(nullptr);
TScreen* Screen = new TScreen(nullptr);

namespace {

enum : UINT_PTR { ShowHintTimer = 1, HideHintTimer = 2 };

bool HasHint(const TControl* Control)
{
    return Control && Control->ShowHint() && !GetShortHint(Control->Hint()).isEmpty();
}

}  // namespace

namespace WindowsInternal {

void ReportException(TObject* Sender)
{
    Application->HandleException(Sender);
}

}  // namespace WindowsInternal

// ---- TApplication ----

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner)
{
    // Layers below the windows (a socket's readiness) report through the application too.
    SetEventExceptionHandler([](TObject* Sender) {
        if (Application) Application->HandleException(Sender);
    });
}

TApplication::~TApplication()
{
    SetEventExceptionHandler(nullptr);
    if (FHintTimerWnd) DeallocateHWnd(FHintTimerWnd);
}

void TApplication::Run()
{
    if (!FMainForm) return;
    if (FShowMainForm) FMainForm->SetVisible(true);
    while (!FTerminated) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this);
        }
    }
}

void TApplication::Terminate()
{
    FTerminated = true;
    if (QAbstractEventDispatcher* Dispatcher = QAbstractEventDispatcher::instance()) Dispatcher->wakeUp();
}

void TApplication::ProcessMessages()
{
    QAbstractEventDispatcher* Dispatcher = QAbstractEventDispatcher::instance();
    if (!Dispatcher) return;
    // Messages posted while the waiting ones are handled are handled too.
    do {
        Dispatcher->processEvents(QEventLoop::AllEvents);
    } while (TMessageQueue::Instance().Pending() > 0);
}

void TApplication::HandleMessage()
{
    QAbstractEventDispatcher* Dispatcher = QAbstractEventDispatcher::instance();
    if (!Dispatcher) return;
    if (Dispatcher->processEvents(QEventLoop::AllEvents)) return;
    Idle();
    if (!FTerminated) Dispatcher->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void TApplication::Idle()
{
    bool Done = true;
    try {
        if (OnIdle) OnIdle(this, Done);
    } catch (...) {
        HandleException(this);
    }
}

void TApplication::HandleException(TObject* Sender)
{
    if (!std::current_exception()) return;
    const auto Report = [&](const Exception& E) {
        if (OnException) OnException(Sender, E);
        else ShowException(E);
    };
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& E) {
        Report(E);
    } catch (const std::exception& E) {
        Report(Exception(QString::fromUtf8(E.what())));
    } catch (...) {
        Report(Exception(QStringLiteral("Unknown exception")));
    }
}

void TApplication::ShowException(const Exception& E)
{
    ShowExceptionBox(E);
}

QString TApplication::ExeName() const
{
    return QCoreApplication::applicationFilePath();
}

QString TApplication::Title() const
{
    if (!FTitle.isEmpty()) return FTitle;
    const QString Name = ExtractFileName(ExeName());
    return Name.left(Name.size() - ExtractFileExt(Name).size());
}

int32_t TApplication::MessageBox(const QString& Text, const QString& Caption, uint32_t Flags)
{
    return ApplicationMessageBox(Text, Caption, Flags);
}

bool TApplication::Active() const
{
    return GetActiveWindow() != nullptr;
}

void TApplication::ControlDestroying(TControl* Control)
{
    if (FHintControl == Control) CancelHint();
    if (FHintWindow == Control) FHintWindow = nullptr;
}

// ---- Hints ----

THintWindowClass HintWindowClass = CreateHintWindow<THintWindow>;

void TApplication::SetShowHint(bool Value)
{
    if (FShowHint == Value) return;
    FShowHint = Value;
    if (!Value) CancelHint();
}

void TApplication::HintMouseMessage(TControl* Control, TMessage& Message)
{
    if (!FShowHint || Control == FHintWindow) return;
    const TPoint Pos = Control->ClientToScreen(LParamToPoint(Message.LParam));
    if (Control == FHintControl) {
        if (FHintShowing && !PtInRect(FHintCursorRect, Pos)) HideHint();
        return;
    }
    const bool WasShowing = FHintShowing;
    CancelHint();
    if (!HasHint(Control)) return;
    FHintControl = Control;
    if (!FHintTimerWnd) FHintTimerWnd = AllocateHWnd([this](TMessage& M) { HintTimer(M); });
    SetTimer(FHintTimerWnd, ShowHintTimer, static_cast<UINT>(WasShowing ? FHintShortPause : FHintPause));
}

void TApplication::HintTimer(TMessage& Message)
{
    if (Message.Msg != WM_TIMER) return;
    KillTimer(FHintTimerWnd, Message.WParam);
    if (Message.WParam == ShowHintTimer) {
        TPoint Pos;
        GetCursorPos(Pos);
        ActivateHint(Pos);
    } else {
        HideHint();
    }
}

void TApplication::ActivateHint(const TPoint& CursorPos)
{
    TControl* Control = FHintControl;
    if (!Control) return;
    THintInfo Info;
    Info.HintControl = Control;
    Info.HintPos = {CursorPos.X, CursorPos.Y + 20};
    Info.HintMaxWidth = Screen->Width();
    Info.HintColor = FHintColor;
    Info.CursorRect = Control->ClientRect();
    Info.CursorPos = Control->ScreenToClient(CursorPos);
    Info.HideTimeout = FHintHidePause;
    Info.HintStr = GetShortHint(Control->Hint());
    Info.HintWindowClass = HintWindowClass;
    if (Control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&Info)) != 0 || Info.HintStr.isEmpty()) return;
    if (!Info.HintWindowClass) Info.HintWindowClass = CreateHintWindow<THintWindow>;
    // A hint of another class gets a window of its class.
    if (FHintWindow && FHintWindowClass != Info.HintWindowClass) {
        delete std::exchange(FHintWindow, nullptr);
        FHintShowing = false;
    }
    if (!FHintWindow) {
        FHintWindow = Info.HintWindowClass(this);
        FHintWindowClass = Info.HintWindowClass;
    }
    FHintWindow->SetColor(Info.HintColor);
    TRect Rect = FHintWindow->CalcHintRect(Info.HintMaxWidth, Info.HintStr, Info.HintData);
    OffsetRect(Rect, Info.HintPos.X, Info.HintPos.Y);
    FHintWindow->ActivateHintData(Rect, Info.HintStr, Info.HintData);
    FHintShowing = true;
    const TPoint TopLeft = Control->ClientToScreen(Info.CursorRect.TopLeft());
    FHintCursorRect = Bounds(TopLeft.X, TopLeft.Y, Info.CursorRect.Width(), Info.CursorRect.Height());
    if (Info.HideTimeout > 0) SetTimer(FHintTimerWnd, HideHintTimer, static_cast<UINT>(Info.HideTimeout));
}

void TApplication::HideHint()
{
    FHintShowing = false;
    if (FHintTimerWnd) KillTimer(FHintTimerWnd, HideHintTimer);
    if (FHintWindow && FHintWindow->HandleAllocated()) ShowWindow(FHintWindow->Handle(), SW_HIDE);
}

void TApplication::CancelHint()
{
    if (FHintTimerWnd) KillTimer(FHintTimerWnd, ShowHintTimer);
    HideHint();
    FHintControl = nullptr;
}

THintWindow* TApplication::HintWindow() const
{
    return FHintShowing ? FHintWindow : nullptr;
}

// ---- THintWindow ----

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clInfoBk);
    Canvas()->Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

TRect THintWindow::CalcHintRect(int32_t MaxWidth, const QString& Hint, void*)
{
    TRect Result{0, 0, MaxWidth, 0};
    DrawText(Canvas()->Handle(), Hint, -1, Result, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    Result.Right += 6;
    Result.Bottom += 2;
    return Result;
}

void THintWindow::ActivateHint(const TRect& Rect, const QString& Hint)
{
    SetCaption(Hint);
    SetBoundsRect(Rect);
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    Invalidate();
}

void THintWindow::ActivateHintData(const TRect& Rect, const QString& Hint, void*)
{
    ActivateHint(Rect, Hint);
}

void THintWindow::Paint()
{
    TRect Rect = ClientRect();
    Rect.Left += 2;
    Rect.Top += 2;
    Canvas()->Brush()->SetStyle(bsClear);
    DrawText(Canvas()->Handle(), Caption(), -1, Rect, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

// ---- TScreen ----

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner)
{
}

TScreen::~TScreen() = default;

int32_t TScreen::Width() const
{
    const QScreen* Primary = QGuiApplication::primaryScreen();
    return Primary ? Primary->geometry().width() : 0;
}

int32_t TScreen::Height() const
{
    const QScreen* Primary = QGuiApplication::primaryScreen();
    return Primary ? Primary->geometry().height() : 0;
}

void TScreen::SetCursor(TCursor Value)
{
    if (FCursor == Value) return;
    if (FCursor != crDefault) QGuiApplication::restoreOverrideCursor();
    FCursor = Value;
    if (Value != crDefault) QGuiApplication::setOverrideCursor(CursorOf(Value));
}

TStrings* TScreen::Fonts()
{
    if (!FFonts) {
        auto List = std::make_unique<TStringList>();
        for (const QString& Family : QFontDatabase::families()) List->Add(Family);
        List->SetSorted(true);
        FFonts = std::move(List);
    }
    return FFonts.get();
}

int32_t TScreen::FormCount() const
{
    return static_cast<int32_t>(std::count_if(FCustomForms.begin(), FCustomForms.end(),
                                              [](TCustomForm* Form) { return dynamic_cast<TForm*>(Form) != nullptr; }));
}

TForm* TScreen::Forms(int32_t Index) const
{
    for (TCustomForm* Form : FCustomForms)
        if (auto* Plain = dynamic_cast<TForm*>(Form); Plain && Index-- == 0) return Plain;
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

void TScreen::AddForm(TCustomForm* Form)
{
    FCustomForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form)
{
    std::erase(FCustomForms, Form);
    std::erase(FSaveFocusedList, Form);
    if (FFocusedForm == Form) FFocusedForm = nullptr;
    if (FActiveCustomForm == Form) FActiveCustomForm = nullptr;
    if (FActiveForm == Form) FActiveForm = nullptr;
    if (FActiveControl && Form->ContainsControl(FActiveControl)) FActiveControl = nullptr;
    if (Application->FMainForm == Form) Application->FMainForm = nullptr;
}
