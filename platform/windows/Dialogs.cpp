// Message boxes and message dialogs, the file dialogs' rules for names and checks, and the slots of the two dialog services.
#include "windows/Dialogs.h"

#include "rtl/Files.h"
#include "rtl/ServiceSlot.h"
#include "rtl/Strings.h"
#include "windows/Forms.h"

#include <QMimeDatabase>

#include <algorithm>
#include <array>
#include <utility>

namespace {


// Disables the other forms while a dialog shows, as a modal form does, and enables them again.
class TTaskWindowsDisabled {
public:
    TTaskWindowsDisabled() : FDisabled(DisableTaskWindows()) {}
    ~TTaskWindowsDisabled() { EnableTaskWindows(FDisabled); }
    TTaskWindowsDisabled(const TTaskWindowsDisabled&) = delete;
    TTaskWindowsDisabled& operator=(const TTaskWindowsDisabled&) = delete;

private:
    std::vector<HWND> FDisabled;
};


TModalResult ShowBox(const TMessageBoxRequest& Box)
{
    const TTaskWindowsDisabled Modal;
    return InstalledService<TMessageBoxService>()->Show(Box);
}

// ---- Message boxes ----

std::vector<TMessageBoxButton> ButtonSet(UINT Type)
{
    const TMessageBoxButton Ok{QStringLiteral("OK"), IDOK};
    const TMessageBoxButton Cancel{QStringLiteral("Cancel"), IDCANCEL};
    const TMessageBoxButton Abort{QStringLiteral("&Abort"), IDABORT};
    const TMessageBoxButton Retry{QStringLiteral("&Retry"), IDRETRY};
    const TMessageBoxButton Ignore{QStringLiteral("&Ignore"), IDIGNORE};
    const TMessageBoxButton Yes{QStringLiteral("&Yes"), IDYES};
    const TMessageBoxButton No{QStringLiteral("&No"), IDNO};
    const TMessageBoxButton TryAgain{QStringLiteral("&Try Again"), IDTRYAGAIN};
    const TMessageBoxButton Continue{QStringLiteral("&Continue"), IDCONTINUE};
    switch (Type) {
    case MB_OK: return {Ok};
    case MB_OKCANCEL: return {Ok, Cancel};
    case MB_ABORTRETRYIGNORE: return {Abort, Retry, Ignore};
    case MB_YESNOCANCEL: return {Yes, No, Cancel};
    case MB_YESNO: return {Yes, No};
    case MB_RETRYCANCEL: return {Retry, Cancel};
    case MB_CANCELTRYCONTINUE: return {Cancel, TryAgain, Continue};
    default: return {};
    }
}

TMsgDlgType IconOf(UINT Flags)
{
    switch (Flags & MB_ICONMASK) {
    case MB_ICONERROR: return mtError;
    case MB_ICONQUESTION: return mtConfirmation;
    case MB_ICONWARNING: return mtWarning;
    case MB_ICONINFORMATION: return mtInformation;
    default: return mtCustom;
    }
}

// The toolkit's message-dialog buttons; one without a modal result (Help) does not close the dialog.
const TMessageBoxButton& DlgButton(TMsgDlgBtn Button)
{
    static const std::array<TMessageBoxButton, mbClose + 1> Buttons{{
        {QStringLiteral("&Yes"), mrYes},
        {QStringLiteral("&No"), mrNo},
        {QStringLiteral("OK"), mrOk},
        {QStringLiteral("Cancel"), mrCancel},
        {QStringLiteral("&Abort"), mrAbort},
        {QStringLiteral("&Retry"), mrRetry},
        {QStringLiteral("&Ignore"), mrIgnore},
        {QStringLiteral("&All"), mrAll},
        {QStringLiteral("N&o to All"), mrNoToAll},
        {QStringLiteral("Yes to &All"), mrYesToAll},
        {QStringLiteral("&Help"), mrNone},
        {QStringLiteral("&Close"), mrClose},
    }};
    return Buttons[Button];
}

QString DlgCaption(TMsgDlgType DlgType)
{
    switch (DlgType) {
    case mtWarning: return QStringLiteral("Warning");
    case mtError: return QStringLiteral("Error");
    case mtInformation: return QStringLiteral("Information");
    case mtConfirmation: return QStringLiteral("Confirm");
    case mtCustom: break;
    }
    return Application->Title();
}

// ---- File dialogs ----

// "Text|*.a;*.b|Text|*.c" as its entries; a text without patterns is dropped.
std::vector<TFileFilter> ParseFilter(const QString& Filter)
{
    std::vector<TFileFilter> Filters;
    const QStringList Parts = Filter.split(u'|');
    for (qsizetype I = 0; I + 1 < Parts.size(); I += 2) {
        QStringList Patterns;
        for (const QString& Pattern : Parts[I + 1].split(u';', Qt::SkipEmptyParts)) Patterns << Pattern.trimmed();
        Filters.push_back({Parts[I], Patterns});
    }
    return Filters;
}

// "gsd" for the pattern "*.gsd"; empty for a pattern with wildcards in its extension ("*.*").
QString PatternExtension(const QString& Pattern)
{
    if (!Pattern.startsWith(u"*.")) return {};
    const QString Extension = Pattern.mid(2);
    return Extension.contains(u'*') || Extension.contains(u'?') ? QString() : Extension;
}

// A default extension as the program may write it ("gsd", ".gsd", "*.gsd") without its dot.
QString BareExtension(const QString& DefaultExt)
{
    QString Extension = DefaultExt;
    if (Extension.startsWith(u'*')) Extension.remove(0, 1);
    if (Extension.startsWith(u'.')) Extension.remove(0, 1);
    return Extension;
}

bool SameExtension(const QString& A, const QString& B)
{
    return A.compare(B, Qt::CaseInsensitive) == 0;
}

// The system's registered extensions are those its MIME database knows; the dialog's own count too.
bool IsRegisteredExtension(const QString& Extension, const TFileDialogRequest& Request)
{
    if (SameExtension(Extension, BareExtension(Request.DefaultExt))) return true;
    for (const TFileFilter& Filter : Request.Filters)
        for (const QString& Pattern : Filter.Patterns)
            if (SameExtension(Extension, PatternExtension(Pattern))) return true;
    return !QMimeDatabase().mimeTypesForFileName(QStringLiteral("name.") + Extension).isEmpty();
}

QString SelectedFilterExtension(const TFileDialogRequest& Request, int32_t FilterIndex)
{
    if (FilterIndex < 1 || FilterIndex > static_cast<int32_t>(Request.Filters.size())) return {};
    const QStringList& Patterns = Request.Filters[static_cast<size_t>(FilterIndex - 1)].Patterns;
    return Patterns.isEmpty() ? QString() : PatternExtension(Patterns.front());
}

QString WithExtensionRules(QString FileName, const TFileDialogRequest& Request, int32_t FilterIndex)
{
    if (FileName.endsWith(u'.')) {
        while (FileName.endsWith(u'.')) FileName.chop(1);
        return FileName;
    }
    const QString DefaultExt = BareExtension(Request.DefaultExt);
    if (DefaultExt.isEmpty()) return FileName;
    const QString Extension = ExtractFileExt(FileName).mid(1);
    if (!Extension.isEmpty() && IsRegisteredExtension(Extension, Request)) return FileName;
    const QString FilterExt = SelectedFilterExtension(Request, FilterIndex);
    return FileName + u'.' + (FilterExt.isEmpty() ? DefaultExt : FilterExt);
}

// The checks a chosen name passes before the dialog closes; false after the user refused it or was
// warned, and the dialog shows again.
bool Acceptable(const QString& Name, const TFileDialogRequest& Request, TOpenOptions Options)
{
    const auto Warn = [&](const QString& Text) {
        MessageBox(Request.Owner, Text, Request.Title, MB_OK | MB_ICONWARNING);
        return false;
    };
    const bool FileMustExist = Options.Contains(ofFileMustExist);
    const QString Folder = ExtractFileDir(Name);
    if ((FileMustExist || Options.Contains(ofPathMustExist)) && !DirectoryExists(Folder))
        return Warn(Folder + QStringLiteral("\nPath does not exist.\nCheck the path and try again."));
    if (FileMustExist && !FileExists(Name))
        return Warn(ExtractFileName(Name) + QStringLiteral("\nFile not found.\nCheck the file name and try again."));
    if (Request.Kind == TFileDialogKind::Save && Options.Contains(ofOverwritePrompt) && FileExists(Name))
        return MessageBox(Request.Owner, ExtractFileName(Name) + QStringLiteral(" already exists.\nDo you want to replace it?"),
                          QStringLiteral("Confirm Save As"), MB_YESNO | MB_ICONWARNING) == IDYES;
    return true;
}

}  // namespace

// ---- Message boxes ----

int32_t MessageBox(HWND Wnd, const QString& Text, const QString& Caption, UINT Flags)
{
    TMessageBoxRequest Box;
    Box.Buttons = ButtonSet(Flags & MB_TYPEMASK);
    if (Box.Buttons.empty()) return 0;
    Box.Text = Text;
    Box.Caption = Caption.isNull() ? QStringLiteral("Error") : Caption;
    Box.Icon = IconOf(Flags);
    const size_t Default = (Flags & MB_DEFMASK) >> 8;
    Box.DefaultButton = Default < Box.Buttons.size() ? Default : 0;
    const auto HasCancel = std::any_of(Box.Buttons.begin(), Box.Buttons.end(),
                                       [](const TMessageBoxButton& Button) { return Button.Result == IDCANCEL; });
    if (HasCancel) Box.EscapeResult = IDCANCEL;
    else if (Box.Buttons.size() == 1) Box.EscapeResult = IDOK;
    Box.Owner = Wnd;
    return ShowBox(Box);
}

int32_t ApplicationMessageBox(const QString& Text, const QString& Caption, UINT Flags)
{
    return MessageBox(GetActiveWindow(), Text, Caption, Flags);
}

int32_t MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int32_t, TMsgDlgBtn DefaultButton)
{
    TMessageBoxRequest Box;
    Box.Text = Msg;
    Box.Caption = DlgCaption(DlgType);
    Box.Icon = DlgType;
    for (int32_t I = mbYes; I <= mbClose; ++I) {
        const auto Button = static_cast<TMsgDlgBtn>(I);
        if (!Buttons.Contains(Button) || DlgButton(Button).Result == mrNone) continue;
        if (Button == DefaultButton) Box.DefaultButton = Box.Buttons.size();
        Box.Buttons.push_back(DlgButton(Button));
    }
    for (TMsgDlgBtn Cancel : {mbCancel, mbNo, mbOK}) {
        if (Buttons.Contains(Cancel)) {
            Box.EscapeResult = DlgButton(Cancel).Result;
            break;
        }
    }
    Box.Owner = GetActiveWindow();
    return ShowBox(Box);
}

int32_t MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int32_t HelpCtx)
{
    const TMsgDlgBtn DefaultButton = Buttons.Contains(mbOK) ? mbOK : Buttons.Contains(mbYes) ? mbYes : mbRetry;
    return MessageDlg(Msg, DlgType, Buttons, HelpCtx, DefaultButton);
}

void ShowMessage(const QString& Msg)
{
    MessageDlg(Msg, mtCustom, {mbOK}, 0);
}

void ShowExceptionBox(const Exception& E)
{
    QString Msg = E.Message();
    if (!Msg.isEmpty() && Msg.back() > u'.') Msg += u'.';
    ApplicationMessageBox(Msg, Application->Title(), MB_OK | MB_ICONSTOP);
}

TMessageBoxService* SetMessageBoxService(TMessageBoxService* Service)
{
    return InstallService(Service);
}

// ---- File dialogs ----

TFileDialogService* SetFileDialogService(TFileDialogService* Service)
{
    return InstallService(Service);
}

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFiles(std::make_unique<TStringList>())
{
}

TOpenDialog::~TOpenDialog() = default;

TFileDialogRequest TOpenDialog::Request() const
{
    TFileDialogRequest Result;
    Result.Kind = Kind();
    if (!FTitle.isEmpty()) Result.Title = FTitle;
    else Result.Title = Kind() == TFileDialogKind::Save ? QStringLiteral("Save As") : QStringLiteral("Open");
    QString Folder = ExtractFileDir(FFileName);
    if (Folder.isEmpty()) Folder = !FInitialDir.isEmpty() ? FInitialDir : GetCurrentDir();
    Result.Folder = ExpandFileName(Folder);
    Result.FileName = ExtractFileName(FFileName);
    Result.Filters = ParseFilter(FFilter);
    const bool ValidIndex = FFilterIndex >= 1 && FFilterIndex <= static_cast<int32_t>(Result.Filters.size());
    Result.FilterIndex = ValidIndex ? FFilterIndex : 1;
    Result.DefaultExt = FDefaultExt;
    Result.MultiSelect = FOptions.Contains(ofAllowMultiSelect);
    Result.ShowHidden = FOptions.Contains(ofForceShowHidden);
    Result.Owner = GetActiveWindow();
    return Result;
}

QStringList TOpenDialog::Accept(const TFileDialogRequest& Request, const TFileDialogAnswer& Answer) const
{
    QStringList Names;
    for (const QString& Chosen : Answer.Files) {
        const QString Full = Chosen.startsWith(PathDelim) ? Chosen : IncludeTrailingPathDelimiter(Answer.Folder) + Chosen;
        Names << WithExtensionRules(ExpandFileName(Full), Request, Answer.FilterIndex);
    }
    for (const QString& Name : Names)
        if (!Acceptable(Name, Request, FOptions)) return {};
    return Names;
}

bool TOpenDialog::Execute()
{
    TFileDialogRequest Asked = Request();
    const TTaskWindowsDisabled Modal;
    for (;;) {
        const TFileDialogAnswer Answer = InstalledService<TFileDialogService>()->Ask(Asked);
        if (!Answer.Accepted) return false;
        const QStringList Names = Accept(Asked, Answer);
        if (!Names.isEmpty()) {
            FFiles->Clear();
            for (const QString& Name : Names) FFiles->Add(Name);
            FFileName = Names.front();
            FFilterIndex = Answer.FilterIndex;
            const QString DefaultExt = BareExtension(FDefaultExt);
            if (!DefaultExt.isEmpty() && !SameExtension(ExtractFileExt(FFileName).mid(1), DefaultExt))
                FOptions.Include(ofExtensionDifferent);
            else FOptions.Exclude(ofExtensionDifferent);
            if (!FOptions.Contains(ofNoChangeDir)) SetCurrentDir(ExtractFileDir(FFileName));
            return true;
        }
        // Refused: the dialog shows again as the user left it.
        Asked.Folder = Answer.Folder;
        Asked.FilterIndex = Answer.FilterIndex;
        Asked.FileName = Answer.Files.size() == 1 ? Answer.Files.front() : QString();
    }
}
