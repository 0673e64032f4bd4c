// The real dialog services: Qt's message box and Qt's own file dialog, modal over the owner's window.
#include "windows/Dialogs.h"
#include "windows/private/Window.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

#include <map>

using namespace WindowsInternal;

namespace {

// Places Dialog over the top-level window of Owner and keeps it above that window. The dialog has no
// Qt parent: its caller disables the other windows meanwhile.
void PlaceOver(QDialog& Dialog, HWND Owner)
{
    QWidget* OwnerWidget = Owner ? WidgetOf(Owner) : nullptr;
    if (!OwnerWidget) return;
    QWidget* Top = OwnerWidget->window();
    Dialog.winId();
    if (QWindow* TopWindow = Top->windowHandle()) Dialog.windowHandle()->setTransientParent(TopWindow);
    Dialog.adjustSize();
    Dialog.move(Top->frameGeometry().center() - Dialog.rect().center());
}

// Shows Dialog and handles messages until it closes; its result. The layer blocks the other windows
// itself (Qt's modality would drop keys that reach them before the window manager has activated the
// dialog), and hands such keys on to the dialog.
int RunModal(QDialog& Dialog)
{
    int Result = QDialog::Rejected;
    QEventLoop Loop;
    QObject::connect(&Dialog, &QDialog::finished, &Loop, [&](int Code) {
        Result = Code;
        Loop.quit();
    });
    BeginModal(&Dialog);
    Dialog.show();
    Dialog.raise();
    Dialog.activateWindow();
    if (Dialog.isVisible()) Loop.exec(QEventLoop::DialogExec);
    EndModal(&Dialog);
    return Result;
}

QMessageBox::Icon QtIcon(TMsgDlgType Icon)
{
    switch (Icon) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    case mtCustom: break;
    }
    return QMessageBox::NoIcon;
}

// Windows matches file patterns without regard to case: "*.gsd" becomes "*.[gG][sS][dD]", and
// "*.*" matches every name, as Qt's "*" does.
QString QtPattern(const QString& Pattern)
{
    if (Pattern == u"*.*") return QStringLiteral("*");
    QString Result;
    for (const QChar C : Pattern) {
        if (C.isLetter() && C.unicode() < 0x80) Result += u'[' + C.toLower() + C.toUpper() + u']';
        else Result += C;
    }
    return Result;
}

// "Text (patterns)", shown as the text alone (HideNameFilterDetails).
QString QtNameFilter(const TFileFilter& Filter)
{
    QStringList Patterns;
    for (const QString& Pattern : Filter.Patterns) Patterns << QtPattern(Pattern);
    return Filter.Description + QStringLiteral(" (") + Patterns.join(u' ') + u')';
}

}  // namespace

TModalResult TMessageBoxService::Show(const TMessageBoxRequest& Box)
{
    QMessageBox Dialog(QtIcon(Box.Icon), Box.Caption, Box.Text, QMessageBox::NoButton);
    Dialog.setTextFormat(Qt::PlainText);
    std::map<QAbstractButton*, TModalResult> Results;
    for (size_t I = 0; I < Box.Buttons.size(); ++I) {
        const TMessageBoxButton& Button = Box.Buttons[I];
        QPushButton* Shown = Dialog.addButton(Button.Caption, QMessageBox::ActionRole);
        Results[Shown] = Button.Result;
        if (I == Box.DefaultButton) Dialog.setDefaultButton(Shown);
        if (Button.Result == Box.EscapeResult) Dialog.setEscapeButton(Shown);
    }
    PlaceOver(Dialog, Box.Owner);
    RunModal(Dialog);
    const auto Clicked = Results.find(Dialog.clickedButton());
    return Clicked != Results.end() ? Clicked->second : Box.EscapeResult;
}

TFileDialogAnswer TFileDialogService::Ask(const TFileDialogRequest& Request)
{
    QFileDialog Dialog;
    Dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                      QFileDialog::HideNameFilterDetails);
    Dialog.setAcceptMode(Request.Kind == TFileDialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    Dialog.setFileMode(Request.MultiSelect ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
    if (Request.ShowHidden) Dialog.setFilter(Dialog.filter() | QDir::Hidden);
    Dialog.setWindowTitle(Request.Title);
    Dialog.setDirectory(Request.Folder);
    QStringList NameFilters;
    for (const TFileFilter& Filter : Request.Filters) NameFilters << QtNameFilter(Filter);
    Dialog.setNameFilters(NameFilters);
    if (Request.FilterIndex >= 1 && Request.FilterIndex <= NameFilters.size())
        Dialog.selectNameFilter(NameFilters[Request.FilterIndex - 1]);
    if (!Request.FileName.isEmpty()) Dialog.selectFile(Request.FileName);
    PlaceOver(Dialog, Request.Owner);

    TFileDialogAnswer Answer;
    Answer.Accepted = RunModal(Dialog) == QDialog::Accepted;
    Answer.Files = Dialog.selectedFiles();
    Answer.Folder = Dialog.directory().absolutePath();
    const auto Chosen = NameFilters.indexOf(Dialog.selectedNameFilter());
    Answer.FilterIndex = Chosen >= 0 ? static_cast<int32_t>(Chosen) + 1 : Request.FilterIndex;
    return Answer;
}
