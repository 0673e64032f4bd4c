// The widget of an edit control: a view of the text and selection that the control keeps itself.
#pragma once

#include <QMargins>
#include <QPlainTextEdit>

#include <functional>

namespace WindowsInternal {

// Positions here are those of the view's text (one character per line break). The view takes no
// typing of its own: the control changes the text and passes on only the keys that move the caret.
class TEditView : public QPlainTextEdit {
public:
    explicit TEditView(QWidget* Parent);

    // Shows Text whole, or puts Text in place of [Start, End).
    void ShowText(const QString& Text);
    void ReplaceText(int Start, int End, const QString& Text);
    // Selects from Anchor to Caret and scrolls the caret into view.
    void ShowSelection(int Anchor, int Caret);
    int Anchor() const { return textCursor().anchor(); }
    int Caret() const { return textCursor().position(); }
    // The position nearest to Point, and the top-left corner of position Pos; widget coordinates.
    int PositionAt(const QPoint& Point) const;
    QPoint PointOf(int Pos) const;
    // The space between the widget's client area and the text.
    void SetTextMargins(const QMargins& Margins) { setViewportMargins(Margins); }
    // The selection shows only while the view has the focus.
    void SetHideSelection(bool Value);

    // Called when the user has moved the caret or the selection.
    std::function<void()> OnSelectionMoved;

protected:
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;

private:
    void ShowSelectionColors();

    bool FUpdating = false;
    bool FHideSelection = true;
};

}  // namespace WindowsInternal
