// The edit control's view: a plain-text widget that shows the control's text, selection and caret.
#include "windows/private/EditView.h"

#include <QMouseEvent>
#include <QTextCursor>

namespace WindowsInternal {

TEditView::TEditView(QWidget* Parent) : QPlainTextEdit(Parent)
{
    // Selectable but not editable: no typing, pasting or dropping of text reaches the view itself.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::NoContextMenu);
    document()->setDocumentMargin(0);
    // The client area outside the formatting rectangle shows the edit's colour, as the system's edit erases it.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    const auto Moved = [this] {
        if (!FUpdating && OnSelectionMoved) OnSelectionMoved();
    };
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, Moved);
    connect(this, &QPlainTextEdit::selectionChanged, this, Moved);
    ShowSelectionColors();
}

void TEditView::ShowText(const QString& Text)
{
    FUpdating = true;
    setPlainText(Text);
    FUpdating = false;
}

void TEditView::ReplaceText(int Start, int End, const QString& Text)
{
    FUpdating = true;
    QTextCursor Cursor(document());
    Cursor.setPosition(Start);
    Cursor.setPosition(End, QTextCursor::KeepAnchor);
    Cursor.insertText(Text);
    FUpdating = false;
}

void TEditView::ShowSelection(int Anchor, int Caret)
{
    FUpdating = true;
    QTextCursor Cursor(document());
    Cursor.setPosition(Anchor);
    Cursor.setPosition(Caret, QTextCursor::KeepAnchor);
    setTextCursor(Cursor);
    ensureCursorVisible();
    FUpdating = false;
}

int TEditView::PositionAt(const QPoint& Point) const
{
    return cursorForPosition(viewport()->mapFrom(this, Point)).position();
}

QPoint TEditView::PointOf(int Pos) const
{
    QTextCursor Cursor(document());
    Cursor.setPosition(Pos);
    return viewport()->mapTo(this, cursorRect(Cursor).topLeft());
}

void TEditView::SetHideSelection(bool Value)
{
    FHideSelection = Value;
    ShowSelectionColors();
}

void TEditView::ShowSelectionColors()
{
    // A hidden selection is drawn in the colours of unselected text.
    const bool Hidden = FHideSelection && !hasFocus();
    QPalette Palette = palette();
    const QPalette Application;
    Palette.setColor(QPalette::Highlight, Hidden ? Palette.color(QPalette::Base) : Application.color(QPalette::Highlight));
    Palette.setColor(QPalette::HighlightedText, Hidden ? Palette.color(QPalette::Text) : Application.color(QPalette::HighlightedText));
    setPalette(Palette);
}

void TEditView::focusInEvent(QFocusEvent* Event)
{
    QPlainTextEdit::focusInEvent(Event);
    ShowSelectionColors();
}

void TEditView::focusOutEvent(QFocusEvent* Event)
{
    QPlainTextEdit::focusOutEvent(Event);
    ShowSelectionColors();
}

void TEditView::mousePressEvent(QMouseEvent* Event)
{
    // Only the left button places the caret; a press inside the selection places it too, as in an
    // edit control, instead of starting to drag the selected text.
    if (Event->button() != Qt::LeftButton) return;
    if (!(Event->modifiers() & Qt::ShiftModifier)) {
        QTextCursor Cursor = textCursor();
        Cursor.clearSelection();
        setTextCursor(Cursor);
    }
    QPlainTextEdit::mousePressEvent(Event);
}

}  // namespace WindowsInternal
