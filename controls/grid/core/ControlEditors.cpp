#include "grid/core/ControlEditors.h"

#include "grid/core/ExtGrid.h"

#include <functional>

namespace {

// Enter and Tab under a string grid: the key is swallowed, Exit ends the control's edit and the
// grid goes on. False for other keys and other parents.
bool HandBack(TWinControl* Control, QChar& Key, const std::function<void()>& Exit)
{
    auto* Grid = dynamic_cast<TExtStringGrid*>(Control->Parent());
    if (!Grid || (Key != QChar(u'\r') && Key != QChar(u'\t'))) return false;
    const QChar Pressed = Key;
    Key = QChar();
    Exit();
    Grid->CellControlKey(Pressed);
    return true;
}

}  // namespace

void TControlEdit::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_WANTSPECIALKEY && (Message.WParam == VK_RETURN || Message.WParam == VK_TAB)) {
        Message.Result = Message.WParam == VK_TAB ? 1 : 0;
        return;
    }
    TMaskEdit::Dispatch(Message);
}

void TControlEdit::KeyPress(QChar& Key)
{
    if (!HandBack(this, Key, [this] { DoExit(); })) TMaskEdit::KeyPress(Key);
}

void TControlCombo::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_WANTSPECIALKEY && Message.WParam == VK_TAB) {
        Message.Result = 1;
        return;
    }
    TEsgComboBox::Dispatch(Message);
}

void TControlCombo::KeyPress(QChar& Key)
{
    if (!HandBack(this, Key, [this] { DoExit(); })) TEsgComboBox::KeyPress(Key);
}
