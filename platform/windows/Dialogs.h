// Message boxes, the toolkit's message dialogs and the open and save file dialogs, each shown through a service tests replace.
#pragma once

#include "rtl/Component.h"
#include "rtl/Exceptions.h"
#include "rtl/Set.h"
#include "windows/Controls.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class TStrings;

// ---- Message boxes ----

enum : UINT {
    MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5, MB_CANCELTRYCONTINUE = 0x6,
    MB_ICONHAND = 0x10, MB_ICONERROR = 0x10, MB_ICONSTOP = 0x10, MB_ICONQUESTION = 0x20, MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = 0x30, MB_ICONASTERISK = 0x40, MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON1 = 0x000, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200, MB_DEFBUTTON4 = 0x300,
    MB_APPLMODAL = 0x0000, MB_SYSTEMMODAL = 0x1000, MB_TASKMODAL = 0x2000, MB_SETFOREGROUND = 0x10000,
    MB_TOPMOST = 0x40000,
    MB_TYPEMASK = 0xF, MB_ICONMASK = 0xF0, MB_DEFMASK = 0xF00,
};
// The results of a message box; they equal the modal results of the same name.
enum : int32_t {
    IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7, IDTRYAGAIN = 10,
    IDCONTINUE = 11,
};

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// Win32's MessageBox. Flags combine a button set (MB_OK ...), an icon (MB_ICONERROR ...) and a
// default button (MB_DEFBUTTON1 ...; one beyond the last button gives the first). A null Caption
// gives Windows' title "Error", an empty one an empty title. The other forms are disabled while the
// box shows. Returns the ID of the button chosen (IDCANCEL for Esc when there is a Cancel button,
// IDOK when OK is the only one); 0 for an unknown button set, without a box.
int32_t MessageBox(HWND Wnd, const QString& Text, const QString& Caption, UINT Flags);
// TApplication.MessageBox: the same box, belonging to the active window.
int32_t ApplicationMessageBox(const QString& Text, const QString& Caption, UINT Flags = MB_OK);

// The toolkit's message dialog: captioned "Warning", "Error", "Information" or "Confirm" by DlgType,
// with the application's title for mtCustom; the icon of DlgType; the buttons in the order of
// TMsgDlgBtn, mbHelp left out (there is no help file). The default is DefaultButton when present,
// else the first button. Esc (and the close box) gives the Cancel button's result, else No's, else
// OK's, and does nothing without those. HelpCtx is not used. Returns the modal result of the button.
int32_t MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int32_t HelpCtx,
                   TMsgDlgBtn DefaultButton);
// The default button is OK when present, else Yes, else Retry.
int32_t MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int32_t HelpCtx);
// A message dialog without icon, captioned with the application's title, with an OK button.
void ShowMessage(const QString& Msg);
// What TApplication::ShowException shows: the message, with a full stop added when its last
// character sorts after "." ("Done" and "Why?" get one, "Done." and "Stop!" none), in an error box
// with an OK button captioned with the application's title.
void ShowExceptionBox(const Exception& E);

// One button of a box: its caption ("&" marks the mnemonic) and the result it gives.
struct TMessageBoxButton {
    QString Caption;
    TModalResult Result = mrNone;
};

// A box as the user sees it.
struct TMessageBoxRequest {
    QString Text;
    QString Caption;
    // The icon: mtCustom shows none.
    TMsgDlgType Icon = mtCustom;
    // Left to right.
    std::vector<TMessageBoxButton> Buttons;
    // The index in Buttons of the button Enter presses.
    size_t DefaultButton = 0;
    // What Esc and the close box give; mrNone when they do nothing.
    TModalResult EscapeResult = mrNone;
    // The window the box stays above; nil when none.
    HWND Owner = nullptr;
};

// Shows message boxes. The real one is a modal Qt message box over the owner's window; the program
// never installs another, tests do (Set...Service returns the one replaced, nil brings the real one
// back; the caller keeps ownership).
class TMessageBoxService {
public:
    virtual ~TMessageBoxService() = default;
    // Shows Box and returns the result of the button the user chose.
    virtual TModalResult Show(const TMessageBoxRequest& Box);
};
TMessageBoxService* SetMessageBoxService(TMessageBoxService* Service);

// ---- File dialogs ----

enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
    ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
    ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
    ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent, ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;

// One entry of a dialog's filter: its text and its patterns ("*.txt").
struct TFileFilter {
    QString Description;
    QStringList Patterns;
};

enum class TFileDialogKind { Open, Save };

// A file dialog as the user sees it.
struct TFileDialogRequest {
    TFileDialogKind Kind = TFileDialogKind::Open;
    QString Title;
    // The folder shown, and the name filled in.
    QString Folder;
    QString FileName;
    std::vector<TFileFilter> Filters;
    // 1-based; 1 when there are no filters.
    int32_t FilterIndex = 1;
    // As the program set it; the dialog class appends it, not the service.
    QString DefaultExt;
    bool MultiSelect = false;
    bool ShowHidden = false;
    HWND Owner = nullptr;
};

// What the user did with a file dialog.
struct TFileDialogAnswer {
    // False: cancelled.
    bool Accepted = false;
    // The names chosen or typed, absolute or relative to Folder.
    QStringList Files;
    // The folder shown when the dialog closed.
    QString Folder;
    // The filter chosen, 1-based.
    int32_t FilterIndex = 1;
};

// Shows file dialogs. The real one is a modal Qt file dialog (Qt's own, not the desktop's) over the
// owner's window. It only asks: the default extension, the checks and the overwrite question are
// the dialog class's, so that every service shares them. Installed as TMessageBoxService is.
class TFileDialogService {
public:
    virtual ~TFileDialogService() = default;
    virtual TFileDialogAnswer Ask(const TFileDialogRequest& Request);
};
TFileDialogService* SetFileDialogService(TFileDialogService* Service);

class TCommonDialog : public TComponent {
public:
    using TComponent::TComponent;
    // Shows the dialog modally; true when the user confirmed it.
    virtual bool Execute() = 0;
};

// The open-file dialog.
//
// Execute shows the folder of FileName when it has one, else InitialDir, else the current folder,
// with the name part of FileName filled in, and the filter FilterIndex selected (1 when out of
// range). A name the user types without a path is taken in the folder shown. A name ending in "."
// loses its dots and gets no extension. When DefaultExt is set and the name has no extension, or
// one that is not registered (in the system's MIME database, among the filter's patterns, or equal
// to DefaultExt), an extension is appended: the selected filter's when its first pattern is
// "*.<ext>" without wildcards, else DefaultExt (a leading "*." or "." is ignored). Then, in order,
// each name is refused (with a warning box, and the dialog shows again) when ofPathMustExist or
// ofFileMustExist is set and its folder is missing, or ofFileMustExist is set and the file is
// missing; a save dialog with ofOverwritePrompt asks before it takes an existing file, and No shows
// the dialog again. On success FileName and Files hold the full names, FilterIndex the filter
// chosen, ofExtensionDifferent tells whether the extension differs from DefaultExt, and the current
// folder becomes the file's unless ofNoChangeDir is set. Cancelling changes nothing.
class TOpenDialog : public TCommonDialog {
public:
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;

    const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& Value) { FFileName = Value; }
    // "Text|Pattern|Text|Pattern...", several patterns of one entry separated by ";".
    const QString& Filter() const { return FFilter; }
    void SetFilter(const QString& Value) { FFilter = Value; }
    int32_t FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int32_t Value) { FFilterIndex = Value; }
    // Without the dot: "gsd".
    const QString& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString& Value) { FDefaultExt = Value; }
    const QString& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const QString& Value) { FInitialDir = Value; }
    // Empty: "Open", or "Save As" for a save dialog.
    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& Value) { FTitle = Value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions Value) { FOptions = Value; }
    // The full names chosen by the last successful Execute.
    TStrings* Files() const { return FFiles.get(); }

    bool Execute() override;

protected:
    virtual TFileDialogKind Kind() const { return TFileDialogKind::Open; }

private:
    TFileDialogRequest Request() const;
    // Applies the rules for extensions and the checks to what the user chose; empty when a check
    // refused it.
    QStringList Accept(const TFileDialogRequest& Request, const TFileDialogAnswer& Answer) const;

    QString FFileName;
    QString FFilter;
    int32_t FFilterIndex = 1;
    QString FDefaultExt;
    QString FInitialDir;
    QString FTitle;
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
    std::unique_ptr<TStrings> FFiles;
};

// The save-file dialog: the open dialog titled "Save As" by default; only it heeds ofOverwritePrompt.
class TSaveDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;

protected:
    TFileDialogKind Kind() const override { return TFileDialogKind::Save; }
};
