// TCustomForm and TForm, TApplication with its message loop and hints, TScreen, and THintWindow.
#pragma once

#include "rtl/Exceptions.h"
#include "windows/Controls.h"

#include <QString>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class TStrings;
class TForm;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter,
    poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    // Fires OnDestroy first.
    ~TCustomForm() override;
    // Fires OnCreate.
    void AfterConstruction() override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TFormState FormState() const { return FFormState; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    // The control that has (or gets, when the form is activated) the focus.
    TWinControl* ActiveControl() const { return FActiveControl; }
    // Raises EInvalidOperation when Control cannot take the focus.
    void SetActiveControl(TWinControl* Control);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    // True while the form is the active window.
    bool Active() const { return FActive; }
    TCanvas* Canvas() const { return FCanvas.get(); }

    void Show();
    void Hide() { SetVisible(false); }
    // Asks OnCloseQuery, then OnClose decides: hide (the default), free, minimize or nothing. A modal
    // form only gets ModalResult mrCancel; closing the main form ends the program.
    void Close();
    virtual bool CloseQuery();
    // Shows the form and runs a message loop until ModalResult is not mrNone after a handler has
    // returned (and OnCloseQuery agrees); the other forms are disabled meanwhile. Returns ModalResult.
    int32_t ShowModal();
    // Frees the form once the messages now waiting are handled.
    void Release();

    void SetFocus() override;
    // Makes Control the active control, and activates the form when it was not active.
    void FocusControl(TWinControl* Control);
    // Called when Control got the focus: moves the form's focused control to it, sending CM_EXIT and
    // CM_ENTER along the way and CM_FOCUSCHANGED to the form's controls. False when a handler moved
    // the focus elsewhere meanwhile.
    bool SetFocusedControl(TWinControl* Control);
    // Tells the active control of the active form that Sender (maybe the active control itself) is
    // being pressed, nil that the form is being deactivated: CM_CANCELMODE with Sender in LParam, so
    // that the control can close what it has open.
    void SendCancelMode(TControl* Sender);
    // Takes the active control off Control (being hidden, disabled or removed) and its children.
    void DefocusControl(TWinControl* Control, bool Removing);

    std::function<void(TObject* Sender)> OnCreate;
    std::function<void(TObject* Sender)> OnDestroy;
    std::function<void(TObject* Sender)> OnShow;
    std::function<void(TObject* Sender)> OnHide;
    std::function<void(TObject* Sender)> OnActivate;
    std::function<void(TObject* Sender)> OnDeactivate;
    std::function<void(TObject* Sender, TCloseAction& Action)> OnClose;
    std::function<void(TObject* Sender, bool& CanClose)> OnCloseQuery;
    std::function<void(TObject* Sender)> OnPaint;

protected:
    void Dispatch(TMessage& Message) override;
    void CreateParams(TCreateParams& Params) override;
    void PaintWindow(HDC DC) override;

    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void Activate();
    virtual void Deactivate();
    virtual void DoClose(TCloseAction& Action);
    virtual void Paint();

private:
    void CMShowingChanged(TMessage& Message);
    void CMDialogKey(TWMKey Message);
    void WMActivate(TMessage& Message);
    void SetActive(bool Value);
    void SetWindowFocus();
    void CloseModal();
    void MoveToPosition();

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDefaultPosOnly;
    TFormStyle FFormStyle = fsNormal;
    TFormState FFormState;
    bool FKeyPreview = false;
    bool FActive = false;
    bool FPositioned = false;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    TModalResult FModalResult = mrNone;
    std::unique_ptr<TCanvas> FCanvas;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

// The yellow window a hint shows in. A descendant class set as HintWindowClass (or put in a hint's
// THintInfo by CM_HINTSHOW) shows the application's hints its own way.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner);
    // The size the text needs, at most MaxWidth wide; AData is the hint's THintInfo::HintData.
    virtual TRect CalcHintRect(int32_t MaxWidth, const QString& Hint, void* AData);
    // Shows Hint in Rect (screen coordinates) without taking the activation.
    virtual void ActivateHint(const TRect& Rect, const QString& Hint);
    // The application shows a hint through this: ActivateHint, for a descendant that uses AData.
    virtual void ActivateHintData(const TRect& Rect, const QString& Hint, void* AData);
    void ReleaseHandle() { DestroyHandle(); }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
};

// The hint window class of T, a THintWindow or a descendant.
template <typename T>
THintWindow* CreateHintWindow(TComponent* AOwner)
{
    return New<T>(AOwner);
}

// The class the application's hints show in; a change takes effect with the next hint. Nil stands
// for THintWindow.
extern THintWindowClass HintWindowClass;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    void Initialize() {}
    // Creates a form owned by the application; Reference is set before OnCreate runs. The first
    // form created becomes the main form.
    template <typename T>
    void CreateForm(T*& Reference)
    {
        T* Instance = new T(this);
        Reference = Instance;
        try {
            Instance->AfterConstruction();
        } catch (...) {
            Reference = nullptr;
            delete Instance;
            throw;
        }
        if (!FMainForm) FMainForm = dynamic_cast<TForm*>(static_cast<TCustomForm*>(Instance));
    }
    TForm* MainForm() const { return FMainForm; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool Value) { FShowMainForm = Value; }

    // Shows the main form and handles messages until Terminate (closing the main form calls it).
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles the messages waiting now, and those they post, then returns.
    void ProcessMessages();
    // Handles the next batch of messages, waiting for one when none is there (idle first).
    void HandleMessage();

    // Reports the exception being handled (call inside a catch block): OnException when assigned,
    // else ShowException. EAbort is silent.
    void HandleException(TObject* Sender);
    // Shows the message of E in an error box.
    virtual void ShowException(const Exception& E);
    // A message box over the active form, captioned with the title when Caption is empty.
    int32_t MessageBox(const QString& Text, const QString& Caption, uint32_t Flags = 0);

    QString ExeName() const;
    // The title set, or the program file's name without its extension.
    QString Title() const;
    void SetTitle(const QString& Value) { FTitle = Value; }
    bool Active() const;

    // ---- Hints ----
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    int32_t HintPause() const { return FHintPause; }
    void SetHintPause(int32_t Value) { FHintPause = Value; }
    int32_t HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int32_t Value) { FHintShortPause = Value; }
    int32_t HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int32_t Value) { FHintHidePause = Value; }
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor Value) { FHintColor = Value; }
    // Follows the mouse for hints (the control's WM_MOUSEMOVE calls it).
    void HintMouseMessage(TControl* Control, TMessage& Message);
    void CancelHint();
    // Shows the hint of the control under CursorPos now.
    void ActivateHint(const TPoint& CursorPos);
    // The hint window while a hint shows; nil otherwise.
    THintWindow* HintWindow() const;

    std::function<void(TObject* Sender, const Exception& E)> OnException;
    std::function<void(TObject* Sender, bool& Done)> OnIdle;

    // The layer tells the application that Control goes away.
    void ControlDestroying(TControl* Control);

private:
    friend class TScreen;
    void Idle();
    void HintTimer(TMessage& Message);
    void HideHint();

    TForm* FMainForm = nullptr;
    bool FShowMainForm = true;
    bool FTerminated = false;
    QString FTitle;
    bool FShowHint = true;
    int32_t FHintPause = 500;
    int32_t FHintShortPause = 50;
    int32_t FHintHidePause = 2500;
    TColor FHintColor = clInfoBk;
    HWND FHintTimerWnd = nullptr;
    TControl* FHintControl = nullptr;
    TRect FHintCursorRect;
    bool FHintShowing = false;
    THintWindow* FHintWindow = nullptr;
    THintWindowClass FHintWindowClass = nullptr;
};

// Destroys a cursor the screen holds.
struct TCursorDeleter {
    void operator()(HCURSOR Cursor) const;
};

enum TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

// One display of the desktop, in screen coordinates.
class TMonitor : public TObject {
public:
    TMonitor(int32_t MonitorNum, const TRect& Bounds, const TRect& Workarea, bool Primary)
        : FMonitorNum(MonitorNum), FBoundsRect(Bounds), FWorkareaRect(Workarea), FPrimary(Primary)
    {
    }
    int32_t MonitorNum() const { return FMonitorNum; }
    TRect BoundsRect() const { return FBoundsRect; }
    // The display less the task bars and docks.
    TRect WorkareaRect() const { return FWorkareaRect; }
    bool Primary() const { return FPrimary; }
    int32_t Left() const { return FBoundsRect.Left; }
    int32_t Top() const { return FBoundsRect.Top; }
    int32_t Width() const { return FBoundsRect.Width(); }
    int32_t Height() const { return FBoundsRect.Height(); }

private:
    int32_t FMonitorNum;
    TRect FBoundsRect;
    TRect FWorkareaRect;
    bool FPrimary;
};

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;

    int32_t Width() const;
    int32_t Height() const;
    int32_t PixelsPerInch() const { return 96; }
    // The displays as they are now; the objects last until the displays are asked for again.
    int32_t MonitorCount();
    TMonitor* Monitors(int32_t Index);
    TMonitor* PrimaryMonitor();
    // The display holding Point, else as MonitorDefault says (the nearest, none or the primary).
    TMonitor* MonitorFromPoint(const TPoint& Point, TMonitorDefaultTo MonitorDefault = mdNearest);
    // The primary display's work area.
    TRect WorkAreaRect();
    // crDefault lets each control show its own cursor; any other overrides them all.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    // The installed font families.
    TStrings* Fonts();
    // The cursor controls show for Index: the one registered with SetCursors, else the program's
    // cursor resource of that number (the grid's 8010, 8011, 8012 and 8014), else the stock one
    // (the arrow for an index that names none).
    HCURSOR Cursors(TCursor Index);
    // Registers Handle (from LoadCursor) as cursor Index; the screen destroys it when it is replaced
    // and at the end. nil takes the registration away.
    void SetCursors(TCursor Index, HCURSOR Handle);

    TCustomForm* ActiveCustomForm() const { return FActiveCustomForm; }
    TForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const { return FActiveControl; }
    // The forms, the most recently focused first.
    int32_t FormCount() const;
    TForm* Forms(int32_t Index) const;
    int32_t CustomFormCount() const { return static_cast<int32_t>(FCustomForms.size()); }
    TCustomForm* CustomForms(int32_t Index) const { return FCustomForms.at(static_cast<size_t>(Index)); }

    std::function<void(TObject* Sender)> OnActiveControlChange;
    std::function<void(TObject* Sender)> OnActiveFormChange;

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);

    void UpdateMonitors();

    TCursor FCursor = crDefault;
    std::vector<std::pair<TCursor, std::unique_ptr<HCURSOR__, TCursorDeleter>>> FCursors;
    std::unique_ptr<TStrings> FFonts;
    std::vector<std::unique_ptr<TMonitor>> FMonitors;
    std::vector<TCustomForm*> FCustomForms;
    TCustomForm* FActiveCustomForm = nullptr;
    TForm* FActiveForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    // The form whose controls have the focus, and those of the modal loops it interrupted.
    TCustomForm* FFocusedForm = nullptr;
    std::vector<TCustomForm*> FSaveFocusedList;
    int32_t FFocusCount = 0;
};

// The accelerator of a caption: the character after a single "&" ("&&" stands for "&"); none when empty.
QString GetHotKey(const QString& Text);
// True when character VK is the accelerator of Caption, compared without regard to case.
bool IsAccel(uint16_t VK, const QString& Caption);

// The application and the screen, made at start-up; they live as long as the program.
extern TApplication* Application;

// Disables the visible, enabled forms but Except for a modal loop; gives back those it disabled.
std::vector<HWND> DisableTaskWindows(const TCustomForm* Except = nullptr);
// Enables again the forms DisableTaskWindows gave back.
void EnableTaskWindows(const std::vector<HWND>& Windows);
extern TScreen* Screen;
