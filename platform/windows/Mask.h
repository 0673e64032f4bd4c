// TCustomMaskEdit and TMaskEdit: edits whose text follows an edit mask, and the mask functions.
#pragma once

#include "rtl/Exceptions.h"
#include "windows/StdCtrls.h"

#include <QString>

#include <cstdint>
#include <memory>

// Raised by ValidateEdit.
KT_DECLARE_EXCEPTION(EDBEditError, Exception);

// An edit mask is "mask;save-literals;blank-char". The mask's characters:
//   L  a letter          l  a letter or nothing
//   A  a letter or digit a  a letter or digit, or nothing
//   C  any character     c  any character, or nothing
//   0  a digit           9  a digit or nothing        #  a digit, "+" or "-", or nothing
//   >  upper-cases the characters that follow, <  lower-cases them, <> stops converting
//   !  optional characters missing from the text are leading (not trailing) blanks
//   \  makes the next character a literal
//   :  the time separator, / the date separator, _ a space (all literals)
// Any other character is a literal. The second field "0" keeps the literals out of Text (any other
// value, or none, keeps them in); the third gives the character shown for a blank position ("_").
using TEditMask = QString;

// Value shown through EditMask with blanks as spaces: Value holds the literals when the mask keeps
// them in its text, else only the entered characters.
QString FormatMaskText(const QString& EditMask, const QString& Value);

// With an edit mask the text always has the mask's length: each position holds its literal, an
// entered character or the blank character. Typing overwrites the position at the caret (the
// position's character shows selected) and moves on past literals; a character the position does
// not accept beeps. Esc restores the text the edit had when it got the focus.
class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* AOwner);
    ~TCustomMaskEdit() override;

    const TEditMask& EditMask() const { return FEditMask; }
    // Keeps Text and shows it through the new mask.
    void SetEditMask(const TEditMask& Value);
    bool IsMasked() const { return !FEditMask.isEmpty(); }
    // The text as shown: literals and blank characters.
    QString EditText() const { return TCustomEdit::Text(); }
    void SetEditText(const QString& Value);
    // The text as read: blanks as spaces, without the literals unless the mask keeps them, without
    // the blanks at the end (at the start with "!").
    QString Text() const;
    void SetText(const QString& Value);
    // Raises EDBEditError, the focus back in the edit and the caret at the first blank required
    // position, when the user changed the text and a required position is blank.
    virtual void ValidateEdit();

protected:
    void Dispatch(TMessage& Message) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    // True when every required position of Value is filled; Pos is the first one that is not.
    virtual bool Validate(const QString& Value, int32_t& Pos) const;
    virtual void ValidateError();
    // Esc: the text the edit had when it got the focus, unmodified.
    void Reset();
    // The caret at Pos, the character there selected; at the end nothing is selected.
    void SetCursor(int32_t Pos);
    // An empty selection becomes the selected character at the caret.
    void CheckCursor();
    bool EditCanModify() const { return !ReadOnly(); }

private:
    struct TMask;

    void CharKeys(QChar Key);
    void ArrowKeys(uint16_t Key);
    void DeleteKeys(uint16_t Key);
    void Paste();
    // Blanks the entered characters in [Start, End) of Text.
    void Blank(QString& Text, int32_t Start, int32_t End) const;
    // Puts Text in place of the same number of characters at Start.
    void Overwrite(int32_t Start, const QString& Text);

    TEditMask FEditMask;
    std::unique_ptr<TMask> FMask;
    QString FOldValue;
    // Set while ValidateEdit takes the focus back, so that Esc still restores the text from before.
    bool FReEnter = false;
};

class TMaskEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;
};
