// The standard controls: label, edit, memo, push button, check box, radio button and group box.
#pragma once

#include "windows/Controls.h"
#include "windows/Forms.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class TStrings;

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// ---- Label ----

// Text painted on the parent with DrawText. A "&" marks the accelerator that focuses FocusControl.
class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // Sizes the label to its text (keeping the right edge of a right-justified label).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    // Not owned; forgotten when it is destroyed.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    // A transparent label paints only its text over the parent.
    bool Transparent() const { return !FControlStyle.Contains(csOpaque); }
    void SetTransparent(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

protected:
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    // Resizes the label to its text when AutoSize is on.
    virtual void AdjustBounds();
    virtual QString GetLabelText() const { return Caption(); }
    // Draws (or with DT_CALCRECT measures) the label's text in Rect on ACanvas.
    void DoDrawText(TCanvas* ACanvas, TRect& Rect, uint32_t Flags);

private:
    void CMDialogChar(TWMKey Message);

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TWinControl* FFocusControl = nullptr;
    TTextLayout FLayout = tlTop;
    bool FShowAccelChar = true;
    bool FWordWrap = false;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
};

// ---- Edit and memo ----

// A Windows edit control. The control keeps the text, the selection, the modified flag and the
// one-level undo itself and answers the edit-control messages (EM_*, WM_CUT, WM_COPY, WM_PASTE,
// WM_CLEAR, WM_UNDO, WM_GETTEXT, WM_SETTEXT) in its default handling, with or without a window; the
// window shows them. Typed characters arrive as WM_CHAR, so KeyPress sees and may change or drop
// them. Every change of the text but WM_SETTEXT marks the text modified; WM_SETTEXT clears the flag
// and the undo. A change sends EN_CHANGE to the parent, which hands it back as CN_COMMAND, and
// Change fires OnChange. A multi-line edit (ES_MULTILINE) keeps its line breaks as CR LF.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* AOwner);
    ~TCustomEdit() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // Selects the whole text of a single-line edit when it gets the focus (not by a click).
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    // A bordered edit's height follows its font.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    // Characters put into the edit are converted to this case.
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    // The selection shows only while the edit has the focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    // The most characters the user can put in; 0 for no limit. Text set by program may be longer.
    int32_t MaxLength() const;
    void SetMaxLength(int32_t Value);
    bool Modified() const;
    void SetModified(bool Value);
    // Shown instead of each character when not NUL.
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);

    int32_t SelStart() const;
    void SetSelStart(int32_t Value);
    int32_t SelLength() const;
    void SetSelLength(int32_t Value);
    QString SelText() const;
    // Replaces the selection (not undoable), leaving the caret after the new text.
    void SetSelText(const QString& Value);
    void SelectAll();
    void ClearSelection();
    void Clear() { SetText({}); }
    bool CanUndo() const;
    void Undo();
    void ClearUndo();
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();

    std::function<void(TObject* Sender)> OnChange;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWindowWidget(TWidgetRequest& Request) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    // Fires OnChange.
    virtual void Change();
    // Sets the height a bordered edit with AutoSize has for its font.
    void AdjustHeight();
    // True for a multi-line edit (ES_MULTILINE in its window's style).
    bool MultiLine() const;
    // What WM_GETDLGCODE answers.
    virtual LRESULT DialogCode();

private:
    struct TUndo;

    void CMEnter(TMessage& Message);
    void CMTextChanged(TMessage& Message);
    void CNCommand(TWMCommand Message);
    // The default handling of the edit-control messages; false for other messages.
    bool EditMessage(TMessage& Message);
    bool CharMessage(TMessage& Message);
    void SetStyleBit(uint32_t Bit, bool On);
    void EditKey(TMessage& Message);

    // The model: the text (CR LF breaks in a multi-line edit) and the selection running from anchor to caret.
    int32_t SelectionStart() const { return std::min(FAnchor, FCaret); }
    int32_t SelectionEnd() const { return std::max(FAnchor, FCaret); }
    void Select(int32_t Anchor, int32_t Caret);
    // WM_SETTEXT: the new text with the caret at its start, not modified, nothing to undo.
    void SetEditText(const QString& Text);
    // Puts Text in place of [Start, End), the caret after it; Undoable keeps the state before it for
    // undoing (Typing merges it with the typing just before), otherwise the undo is emptied.
    void Replace(int32_t Start, int32_t End, const QString& Text, bool Undoable, bool Typing = false);
    // Replaces the selection with as much of Text as the limit allows (EN_MAXTEXT when cut short).
    void ReplaceSelection(const QString& Text, bool Undoable);
    void TypeText(const QString& Text);
    void Backspace();
    void DeleteForward();
    int32_t CharacterBefore(int32_t Pos) const;
    int32_t CharacterAfter(int32_t Pos) const;
    void Cut();
    void Copy() const;
    void Paste();
    void UndoLast();
    // Text made fit for the edit: the character case, and CR LF line breaks in a multi-line edit.
    QString Normalized(const QString& Text) const;
    // EN_CHANGE to the parent, or Change when there is no window; WM_SETTEXT (BySetText) notifies
    // only as a single-line edit window does.
    void TextChanged(bool BySetText);

    // Lines of the text (hard line breaks).
    int32_t LineCount() const;
    int32_t LineIndex(int32_t Line) const;
    int32_t LineOfChar(int32_t Index) const;
    int32_t LineLength(int32_t Index) const;

    // The window's widget, and the positions of the model in it.
    void ShowFormat();
    void ShowText();
    void ShowSelection();
    void TakeSelectionFromView();
    QString ViewText(const QString& Text) const;
    int32_t ToView(int32_t Pos) const;
    int32_t FromView(int32_t Pos) const;
    // The formatting rectangle without EM_SETRECT: the client area less the margins, the single line
    // in its middle.
    TRect DefaultFormatRect() const;
    LRESULT CharFromPos(TPoint Point);
    LRESULT PosFromChar(int32_t Index);

    QString FEditText;
    int32_t FAnchor = 0;
    int32_t FCaret = 0;
    bool FModified = false;
    std::unique_ptr<TUndo> FUndo;
    int32_t FTextLimit;
    bool FReadOnly = false;
    QChar FPasswordChar;
    TEditCharCase FCharCase = ecNormal;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSelect = true;
    bool FAutoSize = true;
    TBorderStyle FBorderStyle = bsSingle;
    bool FHideSelection = true;
    int32_t FLeftMargin;
    int32_t FRightMargin;
    // The formatting rectangle set by EM_SETRECT, until the edit is resized.
    std::optional<TRect> FFormatRect;
    // A typed high surrogate waiting for its low half.
    char16_t FPendingHighSurrogate = 0;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};

class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* AOwner);
    ~TCustomMemo() override;

    // The text's lines; changing them changes the text (through the edit messages) and back.
    TStrings* Lines() const { return FLines.get(); }
    void SetLines(TStrings* Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    // Long lines wrap at the edge (the lines of Lines stay the text's lines).
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void KeyPress(QChar& Key) override;
    LRESULT DialogCode() override;

private:
    std::unique_ptr<TStrings> FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
public:
    using TCustomMemo::TCustomMemo;
};

// ---- Buttons ----

// The common base of the push button, check box and radio button: a wrapped Qt button whose
// clicks reach the control as BN_CLICKED (WM_COMMAND to the parent, back as CN_COMMAND).
class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* AOwner);

protected:
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    // BM_GETCHECK, BM_SETCHECK, BM_CLICK and BM_SETSTYLE reach the Qt button.
    void DefaultHandler(TMessage& Message) override;
    // While set, a change of the check state fires no OnClick.
    bool ClicksDisabled() const { return FClicksDisabled; }
    void SetClicksDisabled(bool Value) { FClicksDisabled = Value; }
    // Makes the Qt button of the window: its caption, and its clicks sent as BN_CLICKED.
    // Reports the clicks of the Qt button the request made.
    void MakeButton(TWidgetRequest& Request);

private:
    void ShowColors();

    bool FClicksDisabled = false;
};

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* AOwner);

    // Enter clicks the default button unless another button has the focus (that one is clicked).
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    // Esc clicks a cancel button.
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    // Handed to the parent form on every click.
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

    // Hands ModalResult to the form, then fires OnClick.
    void Click() override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWindowWidget(TWidgetRequest& Request) override;
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

private:
    void SetButtonStyle(bool ADefault);

    bool FDefault = false;
    bool FCancel = false;
    // The button Enter clicks now: the focused button, or the default one when no button has the focus.
    bool FActive = false;
    TModalResult FModalResult = mrNone;
};

class TCustomCheckBox : public TButtonControl {
public:
    explicit TCustomCheckBox(TComponent* AOwner);

    // Where the caption stands: right of the box (taRightJustify) or left of it.
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight Value);
    // A click steps through cbGrayed too.
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    // A change fires OnClick, also when made by program.
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWindowWidget(TWidgetRequest& Request) override;
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    // The next state of a click.
    virtual void Toggle();

private:
    TLeftRight FAlignment = taRightJustify;
    bool FAllowGrayed = false;
    TCheckBoxState FState = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
public:
    using TCustomCheckBox::TCustomCheckBox;
};

class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* AOwner);

    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight Value);
    // Checking unchecks the other radio buttons of the parent and fires OnClick; TabStop follows it.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWindowWidget(TWidgetRequest& Request) override;
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    // A radio button given the focus by the keyboard is clicked.
    void DefaultHandler(TMessage& Message) override;

private:
    TLeftRight FAlignment = taRightJustify;
    bool FChecked = false;
};

// ---- Group box ----

// A captioned frame holding other controls; its accelerator focuses the first of them.
class TCustomGroupBox : public TCustomControl {
public:
    explicit TCustomGroupBox(TComponent* AOwner);

protected:
    void AdjustClientRect(TRect& Rect) override;
    void Dispatch(TMessage& Message) override;
    void Paint() override;

};

class TGroupBox : public TCustomGroupBox {
public:
    using TCustomGroupBox::TCustomGroupBox;
};
