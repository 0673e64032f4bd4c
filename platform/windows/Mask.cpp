// Edit masks: parsing, formatting and validating texts, and TCustomMaskEdit's typing, deleting, pasting and caret.
#include "windows/Mask.h"

#include "rtl/FormatSettings.h"

#include <QClipboard>
#include <QGuiApplication>

#include <vector>

namespace {

// A parsed edit mask: one position per character of the text shown.
class TParsedMask {
public:
    explicit TParsedMask(const QString& EditMask);

    int32_t Size() const { return static_cast<int32_t>(FPositions.size()); }
    bool IsData(int32_t Pos) const { return Pos >= 0 && Pos < Size() && !FPositions[static_cast<size_t>(Pos)].Literal; }
    bool Required(int32_t Pos) const;
    bool SaveLiterals() const { return FSaveLiterals; }
    QChar Blank() const { return FBlank; }
    // Char as position Pos takes it (in the position's case); NUL when the position refuses it.
    QChar Accept(int32_t Pos, QChar Char) const;
    // The first data position at or after Pos, or the last one before Pos; -1 when there is none.
    int32_t DataAtOrAfter(int32_t Pos) const;
    int32_t DataBefore(int32_t Pos) const;
    // Value shown through the mask with BlankChar in the empty positions; Value holds the literals
    // (WithLiterals) or only the entered characters (right-aligned with "!").
    QString Format(const QString& Value, QChar BlankChar, bool WithLiterals) const;
    // The entered characters of Shown without the blanks at the end (at the start with "!"),
    // other blanks as spaces.
    QString Entered(const QString& Shown) const;

private:
    enum TCase { caNone, caUpper, caLower };
    struct TPosition {
        bool Literal;
        // The literal, or the mask character of a data position.
        QChar Char;
        TCase Case;
    };

    std::vector<TPosition> FPositions;
    bool FReverse = false;
    bool FSaveLiterals = true;
    QChar FBlank{'_'};
};

TParsedMask::TParsedMask(const QString& EditMask)
{
    // The fields end at the unescaped separators.
    std::vector<qsizetype> Separators;
    for (qsizetype I = 0; I < EditMask.size(); ++I) {
        if (EditMask[I] == QLatin1Char('\\')) ++I;
        else if (EditMask[I] == QLatin1Char(';')) Separators.push_back(I);
    }
    const qsizetype MaskEnd = Separators.empty() ? EditMask.size() : Separators[0];
    if (Separators.size() >= 1) FSaveLiterals = EditMask.mid(Separators[0] + 1, 1) != QLatin1String("0");
    if (Separators.size() >= 2 && Separators[1] + 1 < EditMask.size()) FBlank = EditMask[Separators[1] + 1];
    const TFormatSettings& Settings = FormatSettings();
    TCase Case = caNone;
    const auto Literal = [&](QChar Char) { FPositions.push_back({true, Char, caNone}); };
    for (qsizetype I = 0; I < MaskEnd; ++I) {
        const QChar Char = EditMask[I];
        switch (Char.unicode()) {
        case u'!': FReverse = true; break;
        case u'>': Case = caUpper; break;
        case u'<':
            if (I + 1 < MaskEnd && EditMask[I + 1] == QLatin1Char('>')) {
                Case = caNone;
                ++I;
            } else {
                Case = caLower;
            }
            break;
        case u'\\':
            if (++I < MaskEnd) Literal(EditMask[I]);
            break;
        case u':': Literal(Settings.TimeSeparator); break;
        case u'/': Literal(Settings.DateSeparator); break;
        case u'_': Literal(QLatin1Char(' ')); break;
        case u'L':
        case u'l':
        case u'A':
        case u'a':
        case u'C':
        case u'c':
        case u'0':
        case u'9':
        case u'#': FPositions.push_back({false, Char, Case}); break;
        default: Literal(Char); break;
        }
    }
}

bool TParsedMask::Required(int32_t Pos) const
{
    if (!IsData(Pos)) return false;
    const QChar Char = FPositions[static_cast<size_t>(Pos)].Char;
    return Char == QLatin1Char('0') || Char.isUpper();
}

QChar TParsedMask::Accept(int32_t Pos, QChar Char) const
{
    if (!IsData(Pos)) return {};
    const TPosition& Position = FPositions[static_cast<size_t>(Pos)];
    const QChar Typed = Position.Case == caUpper ? Char.toUpper() : Position.Case == caLower ? Char.toLower() : Char;
    // An optional position takes a space as its "nothing".
    if (Typed == QLatin1Char(' ') && !Required(Pos)) return Typed;
    const bool Digit = Typed >= QLatin1Char('0') && Typed <= QLatin1Char('9');
    bool Accepted = false;
    switch (Position.Char.toUpper().unicode()) {
    case u'L': Accepted = Typed.isLetter(); break;
    case u'A': Accepted = Typed.isLetterOrNumber(); break;
    case u'C': Accepted = true; break;
    case u'0':
    case u'9': Accepted = Digit; break;
    case u'#': Accepted = Digit || Typed == QLatin1Char('+') || Typed == QLatin1Char('-'); break;
    default: break;
    }
    return Accepted ? Typed : QChar();
}

int32_t TParsedMask::DataAtOrAfter(int32_t Pos) const
{
    for (int32_t I = std::max(Pos, 0); I < Size(); ++I)
        if (IsData(I)) return I;
    return -1;
}

int32_t TParsedMask::DataBefore(int32_t Pos) const
{
    for (int32_t I = std::min(Pos, Size()) - 1; I >= 0; --I)
        if (IsData(I)) return I;
    return -1;
}

QString TParsedMask::Format(const QString& Value, QChar BlankChar, bool WithLiterals) const
{
    QString Source = Value;
    if (!WithLiterals) {
        const auto IsEntered = [](const TPosition& Position) { return !Position.Literal; };
        const auto Count = static_cast<qsizetype>(std::count_if(FPositions.begin(), FPositions.end(), IsEntered));
        Source.truncate(Count);
        if (FReverse) Source.prepend(QString(Count - Source.size(), QLatin1Char(' ')));
    }
    QString Shown;
    qsizetype Next = 0;
    for (const TPosition& Position : FPositions) {
        if (Position.Literal) {
            // A value with literals carries them at their places.
            if (WithLiterals && Next < Source.size() && Source[Next] == Position.Char) ++Next;
            Shown += Position.Char;
            continue;
        }
        const QChar Char = Next < Source.size() ? Source[Next++] : QLatin1Char(' ');
        Shown += Char == QLatin1Char(' ') ? BlankChar : Char;
    }
    return Shown;
}

QString TParsedMask::Entered(const QString& Shown) const
{
    QString Result;
    for (int32_t I = 0; I < Size() && I < Shown.size(); ++I)
        if (IsData(I)) Result += Shown[I];
    if (FReverse) {
        qsizetype Leading = 0;
        while (Leading < Result.size() && Result[Leading] == FBlank) ++Leading;
        Result.remove(0, Leading);
    } else {
        qsizetype Length = Result.size();
        while (Length > 0 && Result[Length - 1] == FBlank) --Length;
        Result.truncate(Length);
    }
    return Result.replace(FBlank, QLatin1Char(' '));
}

}  // namespace

QString FormatMaskText(const QString& EditMask, const QString& Value)
{
    const TParsedMask Mask(EditMask);
    return Mask.Format(Value, QLatin1Char(' '), Mask.SaveLiterals());
}

struct TCustomMaskEdit::TMask : TParsedMask {
    using TParsedMask::TParsedMask;
};

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner)
{
}

TCustomMaskEdit::~TCustomMaskEdit() = default;

// ---- Mask and text ----

void TCustomMaskEdit::SetEditMask(const TEditMask& Value)
{
    if (FEditMask == Value) return;
    const QString Kept = Text();
    FEditMask = Value;
    FMask = IsMasked() ? std::make_unique<TMask>(Value) : nullptr;
    SetText(Kept);
}

void TCustomMaskEdit::SetEditText(const QString& Value)
{
    if (EditText() == Value) return;
    TCustomEdit::SetText(Value);
    CheckCursor();
}

QString TCustomMaskEdit::Text() const
{
    if (!IsMasked()) return EditText();
    const QString Entered = FMask->Entered(EditText());
    return FMask->SaveLiterals() ? FMask->Format(Entered, QLatin1Char(' '), false) : Entered;
}

void TCustomMaskEdit::SetText(const QString& Value)
{
    SetEditText(IsMasked() ? FMask->Format(Value, FMask->Blank(), FMask->SaveLiterals()) : Value);
}

// ---- Validation ----

bool TCustomMaskEdit::Validate(const QString& Value, int32_t& Pos) const
{
    for (int32_t I = 0; I < FMask->Size(); ++I) {
        if (!FMask->Required(I)) continue;
        const QChar Char = I < Value.size() ? Value[I] : FMask->Blank();
        // A space fills only a position that takes any character.
        if (Char == FMask->Blank() || (Char == QLatin1Char(' ') && FMask->Accept(I, Char).isNull())) {
            Pos = I;
            return false;
        }
    }
    return true;
}

void TCustomMaskEdit::ValidateEdit()
{
    int32_t Pos = 0;
    if (!IsMasked() || !Modified() || Validate(EditText(), Pos)) return;
    if (CanFocus()) {
        FReEnter = true;
        SetFocus();
    }
    SetCursor(Pos);
    ValidateError();
}

void TCustomMaskEdit::ValidateError()
{
    MessageBeep(0);
    throw EDBEditError(QStringLiteral("Invalid input value.  Use escape key to abandon changes"));
}

void TCustomMaskEdit::Reset()
{
    if (!Modified()) return;
    SetEditText(FOldValue);
    SetModified(false);
}

// ---- Caret ----

void TCustomMaskEdit::SetCursor(int32_t Pos)
{
    Pos = std::max(Pos, 0);
    if (!IsMasked()) SetSelStart(Pos);
    else if (Pos >= FMask->Size()) SetSelStart(FMask->Size());
    // The caret before the character, which shows selected.
    else Perform(EM_SETSEL, static_cast<WPARAM>(Pos + 1), Pos);
}

void TCustomMaskEdit::CheckCursor()
{
    if (IsMasked() && HandleAllocated() && SelLength() == 0) SetCursor(SelStart());
}

// ---- Keys ----

void TCustomMaskEdit::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TCustomEdit::KeyDown(Key, Shift);
    if (!IsMasked() || Key == 0 || Shift.Contains(ssAlt)) return;
    const bool Plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl);
    switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
        if (!Plain) return;
        ArrowKeys(Key);
        break;
    case VK_HOME:
    case VK_END:
        if (!Plain) return;
        SetCursor(Key == VK_HOME ? std::max(FMask->DataAtOrAfter(0), 0) : FMask->Size());
        break;
    case VK_UP:
    case VK_DOWN: break;
    case VK_DELETE:
        if (Shift.Contains(ssShift)) return;
        [[fallthrough]];
    case VK_BACK:
        if (EditCanModify()) DeleteKeys(Key);
        break;
    default: return;
    }
    Key = 0;
}

void TCustomMaskEdit::KeyPress(QChar& Key)
{
    TCustomEdit::KeyPress(Key);
    // Ctrl+C, Ctrl+V and Ctrl+X stay with the edit, which copies, pastes and cuts.
    if (!IsMasked() || Key.isNull() || Key == QChar(0x03) || Key == QChar(0x16) || Key == QChar(0x18)) return;
    CharKeys(Key);
    Key = QChar();
}

void TCustomMaskEdit::CharKeys(QChar Key)
{
    if (Key == QChar(0x1B)) {
        Reset();
        return;
    }
    if (Key < QLatin1Char(' ') || !EditCanModify()) return;
    QString Shown = EditText();
    const int32_t Start = SelStart();
    const int32_t End = Start + SelLength();
    const int32_t Pos = FMask->DataAtOrAfter(Start);
    const QChar Typed = Pos < 0 ? QChar() : FMask->Accept(Pos, Key);
    if (Typed.isNull() || Pos >= Shown.size()) {
        MessageBeep(0);
        return;
    }
    // A selection of more than the caret's character is emptied first.
    if (End - Start > 1) Blank(Shown, Start, End);
    Shown[Pos] = Typed;
    const int32_t From = std::min(Start, Pos);
    Overwrite(From, Shown.mid(From, std::max(End, Pos + 1) - From));
    const int32_t Next = FMask->DataAtOrAfter(Pos + 1);
    SetCursor(Next < 0 ? FMask->Size() : Next);
}

void TCustomMaskEdit::ArrowKeys(uint16_t Key)
{
    const int32_t Start = SelStart();
    const int32_t End = Start + SelLength();
    if (End - Start > 1) {
        // A wider selection collapses to its edge.
        const int32_t Edge = FMask->DataAtOrAfter(Key == VK_LEFT ? Start : End);
        SetCursor(Edge < 0 ? FMask->Size() : Edge);
    } else if (Key == VK_LEFT) {
        const int32_t Previous = FMask->DataBefore(Start);
        SetCursor(Previous < 0 ? Start : Previous);
    } else {
        const int32_t Next = FMask->DataAtOrAfter(Start + 1);
        SetCursor(Next < 0 ? FMask->Size() : Next);
    }
}

void TCustomMaskEdit::DeleteKeys(uint16_t Key)
{
    QString Shown = EditText();
    const int32_t Start = SelStart();
    const int32_t End = Start + SelLength();
    int32_t Caret = Start;
    if (End - Start > 1) {
        Blank(Shown, Start, End);
    } else if (Key == VK_BACK) {
        Caret = FMask->DataBefore(Start);
        if (Caret < 0) return;
        Blank(Shown, Caret, Caret + 1);
    } else {
        Blank(Shown, Start, Start + 1);
    }
    Overwrite(0, Shown);
    SetCursor(Caret);
}

void TCustomMaskEdit::Paste()
{
    QString Shown = EditText();
    const int32_t Start = SelStart();
    Blank(Shown, Start, Start + SelLength());
    // The pasted characters fill the positions from the caret on, as if typed; a literal of the
    // mask in the pasted text stands for itself.
    int32_t Pos = Start;
    for (const QChar Char : QGuiApplication::clipboard()->text()) {
        if (Pos >= FMask->Size() || Pos >= Shown.size()) break;
        if (!FMask->IsData(Pos)) {
            if (Shown[Pos] == Char) {
                ++Pos;
                continue;
            }
            Pos = FMask->DataAtOrAfter(Pos);
            if (Pos < 0) break;
        }
        const QChar Typed = FMask->Accept(Pos, Char);
        if (Typed.isNull()) break;
        Shown[Pos++] = Typed;
    }
    Overwrite(0, Shown);
    SetCursor(Pos);
}

void TCustomMaskEdit::Blank(QString& Text, int32_t Start, int32_t End) const
{
    for (int32_t I = std::max(Start, 0); I < End && I < Text.size(); ++I)
        if (FMask->IsData(I)) Text[I] = FMask->Blank();
}

void TCustomMaskEdit::Overwrite(int32_t Start, const QString& Text)
{
    if (EditText().mid(Start, Text.size()) == Text) return;
    Perform(EM_SETSEL, static_cast<WPARAM>(Start), Start + static_cast<int32_t>(Text.size()));
    Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Text.utf16()));
}

// ---- Messages ----

void TCustomMaskEdit::Dispatch(TMessage& Message)
{
    if (!IsMasked()) {
        TCustomEdit::Dispatch(Message);
        return;
    }
    switch (Message.Msg) {
    case CM_ENTER:
        if (!FReEnter) {
            FOldValue = EditText();
            TCustomEdit::Dispatch(Message);
        }
        FReEnter = false;
        CheckCursor();
        break;
    case CM_EXIT:
        ValidateEdit();
        CheckCursor();
        TCustomEdit::Dispatch(Message);
        break;
    case CM_WANTSPECIALKEY:
        TCustomEdit::Dispatch(Message);
        // Esc undoes the changes instead of reaching a cancel button.
        if (Message.WParam == VK_ESCAPE && Modified()) Message.Result = 1;
        break;
    case WM_CUT:
        if (!EditCanModify()) break;
        CopyToClipboard();
        DeleteKeys(VK_DELETE);
        break;
    case WM_CLEAR:
        if (EditCanModify()) DeleteKeys(VK_DELETE);
        break;
    case WM_PASTE:
        if (EditCanModify()) Paste();
        break;
    case WM_LBUTTONUP:
        TCustomEdit::Dispatch(Message);
        CheckCursor();
        break;
    default: TCustomEdit::Dispatch(Message); break;
    }
}
