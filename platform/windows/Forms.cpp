// TCustomForm: showing, activation, the focused control, dialog keys, closing and modal loops.
#include "windows/Forms.h"

#include "graphics/Canvas.h"
#include "windows/private/ControlCanvas.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QWidget>

#include <algorithm>

using namespace WindowsInternal;

namespace {

// The form a form shown now is kept above, as the toolkit's pop-up parent: the active form, else
// the main form; nil for the main form itself.
TCustomForm* PopupOwnerOf(const TCustomForm* Form)
{
    const TWinControl* Active = FindControl(GetActiveWindow());
    for (TCustomForm* Candidate : {dynamic_cast<TCustomForm*>(const_cast<TWinControl*>(Active)),
                                   static_cast<TCustomForm*>(Application->MainForm())})
        if (Candidate && Candidate != Form && Candidate->HandleAllocated() && IsWindowVisible(Candidate->Handle()))
            return Candidate;
    return nullptr;
}

// Sends Msg to Wnd; false when a handler moved the focus meanwhile.
bool SendFocusMessage(HWND Wnd, UINT Msg, const int32_t& FocusCount)
{
    const int32_t Count = FocusCount;
    SendMessage(Wnd, Msg, 0, 0);
    return FocusCount == Count;
}

}  // namespace

std::vector<HWND> DisableTaskWindows(const TCustomForm* Except)
{
    std::vector<HWND> Disabled;
    for (int32_t I = 0; I < Screen->CustomFormCount(); ++I) {
        TCustomForm* Form = Screen->CustomForms(I);
        if (Form == Except || !Form->HandleAllocated()) continue;
        const HWND Wnd = Form->Handle();
        if (IsWindowVisible(Wnd) && IsWindowEnabled(Wnd)) {
            EnableWindow(Wnd, false);
            Disabled.push_back(Wnd);
        }
    }
    return Disabled;
}

void EnableTaskWindows(const std::vector<HWND>& Windows)
{
    for (HWND Wnd : Windows) EnableWindow(Wnd, true);
}

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this))
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 320, 240);
    SetVisible(false);
    SetColor(clBtnFace);
    SetParentFont(false);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Guarded(this, [this] { DoDestroy(); });
    Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction()
{
    TWinControl::AfterConstruction();
    DoCreate();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value)
{
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value)
{
    if (FBorderIcons == Value) return;
    FBorderIcons = Value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value)
{
    if (FFormStyle == Value) return;
    FFormStyle = Value;
    RecreateWnd();
}

void TCustomForm::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Style &= ~(WS_CHILD | WS_POPUP | WS_TABSTOP | WS_CLIPSIBLINGS);
    Params.Style |= WS_CLIPCHILDREN;
    switch (FBorderStyle) {
    case bsNone: Params.Style |= WS_POPUP; break;
    case bsSingle:
    case bsToolWindow: Params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable:
    case bsSizeToolWin: Params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        Params.Style |= WS_POPUP | WS_CAPTION;
        Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) Params.ExStyle |= WS_EX_TOOLWINDOW;
    if ((Params.Style & WS_CAPTION) && FBorderIcons.Contains(biSystemMenu)) {
        Params.Style |= WS_SYSMENU;
        if (FBorderStyle == bsSingle || FBorderStyle == bsSizeable) {
            if (FBorderIcons.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
            if (FBorderIcons.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
        }
        if (FBorderIcons.Contains(biHelp) && (FBorderStyle == bsDialog || !(Params.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))))
            Params.ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
}

// ---- Showing and closing ----

void TCustomForm::Show()
{
    SetVisible(true);
}

void TCustomForm::MoveToPosition()
{
    const TCustomForm* Center = nullptr;
    switch (FPosition) {
    case poMainFormCenter: Center = Application->MainForm(); break;
    case poOwnerFormCenter:
        Center = dynamic_cast<TCustomForm*>(Owner());
        if (!Center) Center = Application->MainForm();
        break;
    case poScreenCenter:
    case poDesktopCenter: break;
    default: return;
    }
    if (Center == this || (Center && !Center->Visible())) Center = nullptr;
    const TRect Area = Center ? Center->BoundsRect() : Rect(0, 0, Screen->Width(), Screen->Height());
    SetBounds(Area.Left + (Area.Width() - Width()) / 2, Area.Top + (Area.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::CMShowingChanged(TMessage&)
{
    if (FFormState.Contains(fsShowing)) return;
    FFormState.Include(fsShowing);
    try {
        if (Showing()) {
            DoShow();
            MoveToPosition();
            TCreateParams Params;
            CreateParams(Params);
            // The window the form was made for, else the active form.
            auto* Owner = dynamic_cast<TCustomForm*>(FindControl(Params.WndParent));
            if (!Owner) Owner = PopupOwnerOf(this);
            SetTopLevelHints(WidgetOf(Handle()), Params.Style, Params.ExStyle, true, Owner ? WidgetOf(Owner->Handle()) : nullptr);
            ShowWindow(Handle(), SW_SHOWNORMAL);
        } else {
            DoHide();
            ShowWindow(Handle(), SW_HIDE);
        }
    } catch (...) {
        FFormState.Exclude(fsShowing);
        throw;
    }
    FFormState.Exclude(fsShowing);
}

void TCustomForm::Close()
{
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction Action = caHide;
    DoClose(Action);
    if (Action == caNone) return;
    if (Application->MainForm() == this) Application->Terminate();
    else if (Action == caHide) Hide();
    else if (Action == caMinimize) {
        if (QWidget* Widget = HandleAllocated() ? WidgetOf(Handle()) : nullptr) Widget->showMinimized();
    } else Release();
}

bool TCustomForm::CloseQuery()
{
    bool CanClose = true;
    if (OnCloseQuery) OnCloseQuery(this, CanClose);
    return CanClose;
}

void TCustomForm::CloseModal()
{
    try {
        TCloseAction Action = caNone;
        if (CloseQuery()) {
            Action = caHide;
            DoClose(Action);
        }
        if (Action == caNone) FModalResult = mrNone;
        else if (Action == caFree) Release();
    } catch (...) {
        FModalResult = mrNone;
        Application->HandleException(this);
    }
}

int32_t TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || FFormState.Contains(fsModal) || FFormStyle == fsMDIChild)
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    if (GetCapture()) SendMessage(GetCapture(), WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    FFormState.Include(fsModal);
    Screen->FSaveFocusedList.insert(Screen->FSaveFocusedList.begin(), Screen->FFocusedForm);
    Screen->FFocusedForm = this;
    const TCursor SaveCursor = Screen->Cursor();
    Screen->SetCursor(crDefault);
    const std::vector<HWND> Disabled = DisableTaskWindows(this);
    QWidget* ModalWindow = nullptr;
    const auto Finish = [&] {
        EndModal(ModalWindow);
        EnableTaskWindows(Disabled);
        Screen->FFocusedForm = Screen->FSaveFocusedList.empty() ? nullptr : Screen->FSaveFocusedList.front();
        if (!Screen->FSaveFocusedList.empty()) Screen->FSaveFocusedList.erase(Screen->FSaveFocusedList.begin());
        Screen->SetCursor(SaveCursor);
        Hide();
        FFormState.Exclude(fsModal);
    };
    try {
        Show();
        ModalWindow = WidgetOf(Handle());
        BeginModal(ModalWindow);
        SendMessage(Handle(), CM_ACTIVATE, 0, 0);
        FModalResult = mrNone;
        do {
            Application->HandleMessage();
            if (Application->Terminated()) FModalResult = mrCancel;
            else if (FModalResult != mrNone) CloseModal();
        } while (FModalResult == mrNone);
        SendMessage(Handle(), CM_DEACTIVATE, 0, 0);
    } catch (...) {
        Finish();
        throw;
    }
    const TModalResult Result = FModalResult;
    Finish();
    return Result;
}

void TCustomForm::Release()
{
    PostMessage(Handle(), CM_RELEASE, 0, 0);
}

// ---- Focus ----

void TCustomForm::SetFocus()
{
    if (FActive) return;
    if (!Visible() || !Enabled()) throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control)
{
    const bool WasActive = FActive;
    SetActiveControl(Control);
    if (!WasActive) SetFocus();
}

void TCustomForm::SetActiveControl(TWinControl* Control)
{
    if (FActiveControl == Control) return;
    if (Control && (Control == this || GetParentForm(Control) != this || !Control->CanFocus()))
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    FActiveControl = Control;
    if (FActive) SetWindowFocus();
}

void TCustomForm::SetWindowFocus()
{
    const HWND FocusHandle = FActiveControl ? FActiveControl->Handle() : Handle();
    if (FocusHandle != GetFocus()) ::SetFocus(FocusHandle);
}

void TCustomForm::SetActive(bool Value)
{
    FActive = Value;
    if (!Value) return;
    if (!FActiveControl) FActiveControl = FindNextControl(nullptr, true, true, false);
    SetWindowFocus();
}

bool TCustomForm::SetFocusedControl(TWinControl* Control)
{
    TScreen& S = *Screen;
    ++S.FFocusCount;
    FActiveControl = Control != this ? Control : nullptr;
    S.FActiveControl = Control;
    S.FActiveCustomForm = this;
    std::erase(S.FCustomForms, this);
    S.FCustomForms.insert(S.FCustomForms.begin(), this);
    S.FActiveForm = dynamic_cast<TForm*>(this);
    if (Control->ControlState().Contains(csFocusing)) return false;
    // csFocusing marks the control for the length of the focus change.
    struct TFocusingMark {
        TWinControl* Control;
        explicit TFocusingMark(TWinControl* C) : Control(C) { Control->SetControlState(Control->ControlState() + csFocusing); }
        ~TFocusingMark() { Control->SetControlState(Control->ControlState() - csFocusing); }
    } Mark(Control);
    if (S.FFocusedForm != this) {
        if (TCustomForm* Old = S.FFocusedForm) {
            S.FFocusedForm = nullptr;
            if (!SendFocusMessage(Old->Handle(), CM_DEACTIVATE, S.FFocusCount)) return false;
        }
        S.FFocusedForm = this;
        if (!SendFocusMessage(Handle(), CM_ACTIVATE, S.FFocusCount)) return false;
    }
    if (!FFocusedControl) FFocusedControl = this;
    if (FFocusedControl != Control) {
        while (FFocusedControl && !FFocusedControl->ContainsControl(Control)) {
            const HWND Leaving = FFocusedControl->Handle();
            FFocusedControl = FFocusedControl->Parent();
            if (!SendFocusMessage(Leaving, CM_EXIT, S.FFocusCount)) return false;
        }
        while (FFocusedControl != Control) {
            TWinControl* Entering = Control;
            while (Entering->Parent() != FFocusedControl) Entering = Entering->Parent();
            FFocusedControl = Entering;
            if (!SendFocusMessage(Entering->Handle(), CM_ENTER, S.FFocusCount)) return false;
        }
        Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
    }
    if (S.OnActiveControlChange) S.OnActiveControlChange(&S);
    return true;
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing)
{
    if (Removing && Control->ContainsControl(FFocusedControl)) FFocusedControl = Control->Parent();
    if (Control->ContainsControl(FActiveControl)) SetActiveControl(nullptr);
}

// ---- Messages ----

void TCustomForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ACTIVATE: WMActivate(Message); break;
    case WM_CLOSE: Close(); break;
    case WM_PAINT: {
        const TControlStateFlag Painting(FControlState, csCustomPaint);
        TWinControl::Dispatch(Message);
        break;
    }
    case CM_ACTIVATE: Activate(); break;
    case CM_DEACTIVATE: Deactivate(); break;
    case CM_SHOWINGCHANGED: CMShowingChanged(Message); break;
    case CM_DIALOGKEY: CMDialogKey(TWMKey(Message)); break;
    // The form's last message: nothing of it may be touched afterwards.
    case CM_RELEASE: delete this; break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TCustomForm::WMActivate(TMessage& Message)
{
    const bool Activating = LOWORD(Message.WParam) != WA_INACTIVE;
    if (!Activating) SendCancelMode(nullptr);
    SetActive(Activating);
}

void TCustomForm::SendCancelMode(TControl* Sender)
{
    if (FActive && FActiveControl) FActiveControl->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(Sender));
}

void TCustomForm::CMDialogKey(TWMKey Message)
{
    if (GetKeyState(VK_MENU) >= 0) {
        switch (Message.CharCode()) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
                Message.SetResult(1);
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (FActiveControl && FActiveControl->Parent()) {
                FActiveControl->Parent()->SelectNext(FActiveControl, Message.CharCode() == VK_RIGHT || Message.CharCode() == VK_DOWN, false);
                Message.SetResult(1);
            }
            return;
        default: break;
        }
    }
    TWinControl::Dispatch(Message.Message);
}

void TCustomForm::PaintWindow(HDC DC)
{
    TCanvasBinding Binding(FCanvas.get(), DC);
    Paint();
}

// ---- Events ----

void TCustomForm::DoCreate()
{
    if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy()
{
    if (OnDestroy) OnDestroy(this);
}

void TCustomForm::DoShow()
{
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide) OnHide(this);
}

void TCustomForm::Activate()
{
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate()
{
    if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::DoClose(TCloseAction& Action)
{
    if (OnClose) OnClose(this, Action);
}

void TCustomForm::Paint()
{
    if (OnPaint) OnPaint(this);
}

// ---- Accelerators ----

QString GetHotKey(const QString& Text)
{
    for (qsizetype I = 0; I + 1 < Text.size(); ++I) {
        if (Text[I] != QLatin1Char('&')) continue;
        if (Text[I + 1] == QLatin1Char('&')) {
            ++I;
            continue;
        }
        return QString(Text[I + 1]);
    }
    return {};
}

bool IsAccel(uint16_t VK, const QString& Caption)
{
    const QString Key = GetHotKey(Caption);
    return !Key.isEmpty() && Key.compare(QString(QChar(VK)), Qt::CaseInsensitive) == 0;
}
