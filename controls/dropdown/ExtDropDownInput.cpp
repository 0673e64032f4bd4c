// TExtCustomDropDown's input rules: the character filter by edit type, keys, special keys, change notices, clipboard and mouse.
#include "dropdown/ExtDropDown.h"

#include "dropdown/DropDownUtil.h"

#include "grid/base/ExtUtil.h"

#include "windows/Clipbrd.h"
#include "windows/Forms.h"

#include <algorithm>

namespace {

// Key data bit 22: the numeric keypad's decimal key (its scan code 0x53).
constexpr LPARAM KeypadDecimalBit = 1 << 22;

bool IsDigit(QChar Ch)
{
    return Ch >= QLatin1Char('0') && Ch <= QLatin1Char('9');
}

bool CtrlDown()
{
    return GetKeyState(VK_CONTROL) < 0;
}

bool HasParentKeyPreview(const TControl* Control)
{
    const TCustomForm* Form = GetParentForm(Control);
    return Form && Form->KeyPreview();
}

}  // namespace

// ---- Selection helpers ----

void TExtCustomDropDown::SelectAll()
{
    const auto Length = static_cast<int32_t>(Text().size());
    Perform(EM_SETSEL, 0, Length);
    if ((!FPrefix.isEmpty() && SelStart() < FPrefix.size()) || !FSuffix.isEmpty()) {
        const auto Start = static_cast<int32_t>(FPrefix.size());
        Perform(EM_SETSEL, static_cast<WPARAM>(Start), Start + Length);
    }
}

void TExtCustomDropDown::SelectAfterDecimal()
{
    const qsizetype Pos = Text().indexOf(GetDecimalSeparator());
    const auto Start = static_cast<int32_t>(FPrefix.size() + (Pos < 0 ? 0 : Pos + 1));
    Perform(EM_SETSEL, static_cast<WPARAM>(Start), Start + SelLength());
}

void TExtCustomDropDown::SelectBeforeDecimal()
{
    const qsizetype Pos = Text().indexOf(GetDecimalSeparator());
    const auto Start = static_cast<int32_t>(FPrefix.size() + (Pos < 0 ? 0 : Pos));
    Perform(EM_SETSEL, static_cast<WPARAM>(Start), Start + SelLength());
}

QString TExtCustomDropDown::SelectedValue() const
{
    const int32_t Start = std::max(0, SelStart() - static_cast<int32_t>(FPrefix.size()));
    return Text().mid(Start, SelLength());
}

// ---- Nested checks ----

int32_t TExtCustomDropDown::IntegerDigitsEnd(const QString& Value) const
{
    const QString Plain = StripThousandSeparators(Value);
    const qsizetype Decimal = Plain.indexOf(GetDecimalSeparator());
    auto End = static_cast<int32_t>(Decimal < 0 ? Plain.size() + 1 : Decimal + 1);
    if (Plain.contains(QLatin1Char('-')) && FSigned && (FEditType == etNumeric || FEditType == etFloat || FEditType == etMoney))
        --End;
    return End;
}

int32_t TExtCustomDropDown::DecimalSeparatorPos() const
{
    const QString Value = Text();
    const qsizetype Decimal = Value.indexOf(GetDecimalSeparator());
    if (Decimal < 0) return static_cast<int32_t>(FPrefix.size() + Value.size() + FSuffix.size() + 1);
    return static_cast<int32_t>(Decimal + 1 + FPrefix.size());
}

bool TExtCustomDropDown::IsSignKey(QChar Key) const
{
    return Key == QLatin1Char('-') && FSigned && (FEditType == etNumeric || FEditType == etFloat || FEditType == etMoney);
}

// Caret is a position in the value.
bool TExtCustomDropDown::PrecisionReached(const QString& Value, int32_t Caret) const
{
    if (FPrecision <= 0) return false;
    if (Value.size() - Caret > FPrecision) return false;
    const qsizetype Decimal = Value.indexOf(GetDecimalSeparator());
    if (Decimal < 0) return false;
    return Caret > Decimal && Value.size() - Decimal - 1 >= FPrecision;
}

// Caret is a position in the value. True unless the nearest thousand separator stands exactly
// three characters away (or there is none).
bool TExtCustomDropDown::NearThousandSeparator(const QString& Value, int32_t Caret) const
{
    const QChar TS = GetThousandSeparator();
    if (!Value.contains(TS)) return false;
    int32_t Smallest = INT32_MAX;
    for (qsizetype I = 0; I < Value.size(); ++I) {
        if (Value[I] != TS) continue;
        const auto Distance = static_cast<int32_t>(Caret > I ? Caret - (I + 1) : I - Caret);
        if (Distance < 3) return true;
        Smallest = std::min(Smallest, Distance);
    }
    return Smallest > 3;
}

// ---- Rewriting the value ----

void TExtCustomDropDown::MarkModified()
{
    SetIsModified(true);
}

void TExtCustomDropDown::RewriteValue(const QString& Value, int32_t Caret)
{
    SetTextUnformatted(FPrefix + Value + FSuffix);
    MarkModified();
    const auto Start = std::max(Caret, static_cast<int32_t>(FPrefix.size()));
    Perform(EM_SETSEL, static_cast<WPARAM>(Start), Start);
}

void TExtCustomDropDown::ToggleSign(bool WholeSelection)
{
    const QString Value = Text();
    const auto PrefixLength = static_cast<int32_t>(FPrefix.size());
    if (WholeSelection && FEditType == etNumeric) {
        RewriteValue(QStringLiteral("-"), PrefixLength + 1);
        return;
    }
    if (SelLength() != 0) return;
    const int32_t Caret = SelStart();
    if (!Value.contains(QLatin1Char('-'))) RewriteValue(QLatin1Char('-') + Value, Caret + 1);
    else RewriteValue(Value.mid(1), std::max(Caret - 1, PrefixLength));
}

void TExtCustomDropDown::PostToParent(UINT Msg, uint16_t Key)
{
    if (Parent() && Parent()->HandleAllocated()) PostMessage(Parent()->Handle(), Msg, Key, 0);
}

// ---- The character filter ----

void TExtCustomDropDown::WMChar(TWMChar Message)
{
    if (!FEditorEnabled) return;
    QChar Key(Message.CharCode());
    const QString Value = Text();
    const QChar DS = GetDecimalSeparator();
    // Typing over a selection is one change here, not a removal and an insertion, so no change
    // notice is swallowed for the removal.
    if (Key == QChar(13) && CtrlDown()) {
        Message.SetResult(1);
        return;
    }
    if (Key == QChar(13)) {
        QChar Enter(13);
        if (OnKeyPress) OnKeyPress(this, Enter);
        if (!FDefaultHandling && Parent()) {
            PostToParent(WM_KEYDOWN, VK_RETURN);
            if (HasParentKeyPreview(this)) TCustomMaskEdit::Dispatch(Message.Message);
            else PostToParent(WM_KEYUP, VK_RETURN);
        }
        return;
    }
    if (Key == QChar(27) && !FDefaultHandling && Parent()) {
        if (HasParentKeyPreview(this)) {
            TCustomMaskEdit::Dispatch(Message.Message);
            return;
        }
        PostToParent(WM_KEYDOWN, VK_ESCAPE);
        PostToParent(WM_KEYUP, VK_ESCAPE);
    }
    if (Key == QChar(27) && !FCanUndo) {
        TCustomMaskEdit::Dispatch(Message.Message);
        return;
    }
    if (CtrlDown() && (Key == QChar(3) || Key == QChar(22) || Key == QChar(24))) {
        TCustomMaskEdit::Dispatch(Message.Message);
        return;
    }
    if (FExcelStyleDecimalSeparator && (Key == QLatin1Char('.') || Key == QLatin1Char(',')) &&
        (Message.KeyData() & KeypadDecimalBit)) {
        Key = DS;
        Message.SetCharCode(Key.unicode());
    }
    const auto PrefixLength = static_cast<int32_t>(FPrefix.size());
    if (Key == QChar(8) && !FPrefix.isEmpty() && SelLength() == 0 && SelStart() <= PrefixLength) return;
    if (FLengthLimit > 0 && IntegerDigitsEnd(Value) > FLengthLimit && SelLength() == 0 &&
        SelStart() < DecimalSeparatorPos() && Key != QChar(8) && Key != DS && !IsSignKey(Key))
        return;
    if (Key == QChar(8)) {
        const int32_t Start = SelStart() - PrefixLength;
        QString Expected = Value;
        if (SelLength() > 0) Expected.remove(std::max(Start, 0), SelLength());
        else if (Start > 0) Expected.remove(Start - 1, 1);
        TCustomMaskEdit::Dispatch(Message.Message);
        if (Text().isEmpty() && !Expected.isEmpty()) Change();
        return;
    }
    if (Key == QChar(10) && CtrlDown()) return;
    if (Key == QLatin1Char('-') && !FSigned && (FEditType == etNumeric || FEditType == etFloat || FEditType == etMoney))
        return;
    TypeRule(Message);
    if (Modified()) SetIsModified(true);
}

void TExtCustomDropDown::TypeRule(TWMChar Message)
{
    const QChar Key(Message.CharCode());
    const auto Control = [&Key](std::initializer_list<char16_t> Allowed) {
        return std::find(Allowed.begin(), Allowed.end(), Key.unicode()) != Allowed.end();
    };
    const bool Editing = Control({8, 9, 13});
    const auto Pass = [&] { TCustomMaskEdit::Dispatch(Message.Message); };
    // Esc (with CanUndo) comes through here too; it types nothing, so it marks nothing.
    const auto Mark = [&] {
        if (Key != QChar(27)) MarkModified();
    };
    switch (FEditType) {
    case etString:
    case etPassword:
        Mark();
        Pass();
        break;
    case etNumeric:
        if (Key == QLatin1Char('-')) ToggleSign(SelLength() > 0 && SelLength() == Text().size());
        else if (Editing || IsDigit(Key) || CtrlDown()) Pass();
        break;
    case etFloat: {
        const QChar DS = GetDecimalSeparator(), TS = GetThousandSeparator();
        const bool Allowed = Editing || IsDigit(Key) || Key == QLatin1Char('-') ||
                             (Key == QLatin1Char(',') && (DS == Key || TS == Key)) ||
                             (Key == QLatin1Char('.') && (DS == Key || TS == Key));
        if (Allowed) FloatRule(Message, false);
        break;
    }
    case etUppercase:
        Message.SetCharCode(Key.toUpper().unicode());
        Pass();
        break;
    case etLowerCase:
        Message.SetCharCode(Key.toLower().unicode());
        Pass();
        break;
    case etMixedCase: {
        const int32_t Caret = SelStart();
        Pass();
        RewriteValue(ProperCase(Text()), Caret + 1);
        break;
    }
    case etMoney:
        if (Editing || IsDigit(Key) || Key == QLatin1Char('-') || Key == GetDecimalSeparator()) FloatRule(Message, true);
        break;
    case etRange:
        if (Editing || IsDigit(Key) || Control({u',', u'-', u';'})) {
            if (IsRangeSeparator(Key)) {
                const QString Whole = EditText();
                const int32_t Caret = SelStart();
                if (Caret <= FPrefix.size()) break;
                if (Caret > 0 && IsRangeSeparator(Whole[Caret - 1])) break;
                if (Caret < Whole.size() && IsRangeSeparator(Whole[Caret])) break;
            }
            Mark();
            Pass();
        }
        break;
    case etHex: {
        const char16_t C = Key.unicode();
        if (Editing || IsDigit(Key) || C == u'-' || (C >= u'A' && C <= u'F') || (C >= u'a' && C <= u'f')) {
            Mark();
            Pass();
        }
        break;
    }
    case etAlphaNumeric: {
        const char16_t C = Key.unicode();
        if (Editing || IsDigit(Key) || (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z')) {
            Mark();
            Pass();
        }
        break;
    }
    case etValidChars:
        if (FValidChars.contains(Key) || Key == QChar(8)) {
            Mark();
            Pass();
        }
        break;
    }
}

void TExtCustomDropDown::FloatRule(TWMChar Message, bool Money)
{
    const QChar Key(Message.CharCode());
    const QChar DS = GetDecimalSeparator(), TS = GetThousandSeparator();
    const QString Value = Text();
    const auto PrefixLength = static_cast<int32_t>(FPrefix.size());
    const int32_t Caret = SelStart() - PrefixLength;
    const QString Selected = SelectedValue();
    if (Money) {
        if (Key == DS && (Value.contains(DS) || FPrecision == 0)) {
            if (FPrecision > 0) {
                if (SelLength() > 0 && SelLength() == Value.size()) SetText(QStringLiteral("0"));
                SelectAfterDecimal();
            }
            return;
        }
    } else {
        if (Key == DS && !Selected.contains(DS) && (Value.contains(DS) || FPrecision == 0)) {
            if (FPrecision > 0) SelectAfterDecimal();
            return;
        }
        if (Key == QLatin1Char(',') && TS != Key) {
            QString Outside = Value;
            Outside.remove(std::max(Caret, 0), SelLength());
            if (Outside.contains(QLatin1Char(','))) return;
        }
    }
    if ((Key == TS || Key == DS) && NearThousandSeparator(Value, Caret)) return;
    if (PrecisionReached(Value, Caret) && (IsDigit(Key) || Key == DS) && SelLength() == 0) {
        if (!IsDigit(Key) || Caret >= Value.size()) return;
        // The digit overwrites the next one.
        Perform(EM_SETSEL, static_cast<WPARAM>(SelStart()), SelStart() + 1);
    }
    if (Key == DS && Value.isEmpty() && Caret <= 0) {
        RewriteValue(QStringLiteral("0") + DS, PrefixLength + 2);
        return;
    }
    if (Key == QLatin1Char('-') && SelLength() == 0) {
        ToggleSign(false);
        return;
    }
    // Over a selection the sign is typed only where it begins the value: inside a number it would
    // make it no number.
    if (Key == QLatin1Char('-') && Caret != 0) return;
    TCustomMaskEdit::Dispatch(Message.Message);
    if (!Money) return;
    const QString Now = Text();
    if (Now.isEmpty() || Now == QLatin1String("-") || Key == DS) return;
    if (Modified()) MarkModified();
    ApplyThousandSeparators();
}

// ---- Keys ----

void TExtCustomDropDown::DropKeys(uint16_t Key)
{
    if (ReadOnly()) return;
    switch (Key) {
    case VK_RETURN: DoHideDropDown(false); break;
    case VK_ESCAPE: DoHideDropDown(true); break;
    case VK_F4:
        if (FDroppedDown) DoHideDropDown(false);
        else DoShowDropDown();
        break;
    default: break;
    }
}

void TExtCustomDropDown::WMKeyDown(TWMKeyDown Message)
{
    if (ComponentState().Contains(csDesigning)) {
        TCustomMaskEdit::Dispatch(Message.Message);
        return;
    }
    uint16_t Key = Message.CharCode();
    if (GetKeyState(VK_MENU) < 0 && (Key == VK_UP || Key == VK_DOWN)) {
        if (FDroppedDown) DoHideDropDown(false);
        else DoShowDropDown();
        return;
    }
    if (!FEditorEnabled && Enabled()) {
        DropKeys(Key);
        if (Key == VK_RETURN || Key == VK_ESCAPE) TCustomMaskEdit::Dispatch(Message.Message);
        return;
    }
    if (CtrlDown() && (Key == VK_TAB || Key == VK_RETURN)) {
        TCustomMaskEdit::Dispatch(Message.Message);
        return;
    }
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        Message.SetCharCode(Key);
        if (Visible() && HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    const QString Value = Text();
    const auto PrefixLength = static_cast<int32_t>(FPrefix.size());
    const auto ValueEnd = static_cast<int32_t>(PrefixLength + Value.size());
    const int32_t SelectionEnd = SelStart() + SelLength();
    const bool Shift = GetKeyState(VK_SHIFT) < 0;
    if (Key == VK_RIGHT && !FSuffix.isEmpty() && SelectionEnd >= ValueEnd) return;
    if (Key == VK_DELETE && !FSuffix.isEmpty()) {
        if (SelectionEnd >= ValueEnd && SelLength() == 0) return;
        MarkModified();
    }
    if (Key == VK_LEFT && !FPrefix.isEmpty() && SelectionEnd <= PrefixLength) return;
    if (Key == VK_END && !FSuffix.isEmpty()) {
        if (Shift) Perform(EM_SETSEL, static_cast<WPARAM>(SelStart()), ValueEnd);
        else Perform(EM_SETSEL, static_cast<WPARAM>(ValueEnd), ValueEnd);
        return;
    }
    if (Key == VK_HOME && !FPrefix.isEmpty()) {
        if (Shift) Perform(EM_SETSEL, static_cast<WPARAM>(ValueEnd), PrefixLength);
        else Perform(EM_SETSEL, static_cast<WPARAM>(PrefixLength), PrefixLength);
        return;
    }
    if (Key == VK_BACK && !FPrefix.isEmpty()) {
        if (SelStart() <= PrefixLength + 1) return;
        MarkModified();
    }
    if (Key == VK_DELETE && SelStart() >= PrefixLength && SelStart() <= ValueEnd) {
        const int32_t Start = SelStart() - PrefixLength;
        QString Rest = Value;
        Rest.remove(Start, SelLength() > 0 ? SelLength() : 1);
        if (FLengthLimit > 0 && IntegerDigitsEnd(Rest) - 1 > FLengthLimit) return;
        MarkModified();
    }
    TCustomMaskEdit::Dispatch(Message.Message);
    if (Key == VK_DELETE && FEditType == etMoney) ApplyThousandSeparators();
    if (SelStart() < PrefixLength) Perform(EM_SETSEL, static_cast<WPARAM>(PrefixLength), PrefixLength);
    DropKeys(Key);
}

void TExtCustomDropDown::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        if (FDroppedDown) DoHideDropDown(false);
        else DoShowDropDown();
    }
}

void TExtCustomDropDown::KeyPress(QChar& Key)
{
    TCustomMaskEdit::KeyPress(Key);
    if (Key == QChar(13)) Key = QChar();
}

void TExtCustomDropDown::CMWantSpecialKey(TCMWantSpecialKey Message)
{
    TCustomForm* Form = GetParentForm(this);
    if (!Form) return;
    const uint16_t Key = Message.CharCode();
    if (Key == VK_ESCAPE && FCanUndo && !Form->KeyPreview()) {
        SelectAll();
        SetIsModified(false);
        Message.SetResult(1);
        if (Parent() && FDefaultHandling) {
            PostToParent(WM_KEYDOWN, VK_ESCAPE);
            PostToParent(WM_KEYUP, VK_ESCAPE);
        }
    }
    if (Key == VK_RETURN && FDefaultHandling && !Form->KeyPreview() && Parent() && Parent()->Focused()) {
        PostToParent(WM_KEYDOWN, VK_RETURN);
        PostToParent(WM_KEYUP, VK_RETURN);
    }
    const LRESULT Claimed = Message.Result();
    TCustomMaskEdit::Dispatch(Message.Message);
    if (Claimed) Message.SetResult(Claimed);
    if (Key == VK_ESCAPE && FDroppedDown) Message.SetResult(1);
}

void TExtCustomDropDown::CNCommand(TWMCommand Message)
{
    if (Message.NotifyCode() == EN_CHANGE && FBlockChange) {
        FBlockChange = false;
        return;
    }
    TCustomMaskEdit::Dispatch(Message.Message);
}

// ---- Clipboard ----

void TExtCustomDropDown::WMCut(TMessage& Message)
{
    if (!FEditorEnabled || ReadOnly()) return;
    bool Allow = true;
    FBlockCopy = true;
    if (OnClipboardCut) OnClipboardCut(this, SelectedValue(), Allow);
    if (Allow) TCustomMaskEdit::Dispatch(Message);
    FBlockCopy = false;
}

void TExtCustomDropDown::WMCopy(TMessage& Message)
{
    bool Allow = true;
    if (OnClipboardCopy && !FBlockCopy) OnClipboardCopy(this, SelectedValue(), Allow);
    FBlockCopy = false;
    if (Allow) TCustomMaskEdit::Dispatch(Message);
}

void TExtCustomDropDown::WMPaste(TMessage&)
{
    if (ReadOnly() || !Clipboard()->HasFormat(CF_TEXT)) return;
    const QString Pasted = Clipboard()->AsText();
    if (Pasted.isEmpty()) return;
    const QString Value = Text();
    const auto PrefixLength = static_cast<int32_t>(FPrefix.size());
    const int32_t Start = std::clamp(SelStart() - PrefixLength, 0, static_cast<int32_t>(Value.size()));
    const int32_t Length = std::clamp(SelLength(), 0, static_cast<int32_t>(Value.size()) - Start);
    const QString Candidate = Value.left(Start) + Pasted + Value.mid(Start + Length);
    bool Allow = true;
    if (OnClipboardPaste) OnClipboardPaste(this, Candidate, Allow);
    if (!Allow) return;
    if (MaxLength() > 0 && Pasted.size() > MaxLength() - (Value.size() - Length)) return;
    const QChar DS = GetDecimalSeparator();
    bool Taken = false;
    const auto Take = [&](const QString& NewValue, bool Mark) {
        SetText(NewValue);
        if (Mark) MarkModified();
        Taken = true;
    };
    const auto AllOf = [&Candidate](auto Test) { return std::all_of(Candidate.begin(), Candidate.end(), Test); };
    // A sign anywhere but in front makes no number.
    const bool SignInside = Candidate.indexOf(QLatin1Char('-')) > 0;
    switch (FEditType) {
    case etString:
    case etPassword: Take(Candidate, true); break;
    case etNumeric:
        if (ClassifyNumber(Candidate) == cnInteger && !SignInside && (FSigned || !Candidate.contains(QLatin1Char('-'))))
            Take(Candidate, true);
        break;
    case etFloat:
    case etMoney: {
        const int32_t Kind = ClassifyNumber(Candidate);
        if ((Kind != cnInteger && Kind != cnFloat) || SignInside) break;
        if (FPrecision == 0 && Pasted.contains(DS)) break;
        if (!FSigned && Candidate.contains(QLatin1Char('-'))) break;
        Take(Candidate, false);
        SetFloatValue(FloatValue());
        MarkModified();
        break;
    }
    case etUppercase: Take(Candidate.toUpper(), true); break;
    case etMixedCase: Take(ProperCase(Candidate), true); break;
    case etLowerCase: Take(Candidate.toLower(), true); break;
    case etAlphaNumeric:
        if (AllOf([](QChar C) { return C.isLetterOrNumber(); })) Take(Candidate, true);
        break;
    case etValidChars:
        if (AllOf([this](QChar C) { return FValidChars.contains(C); })) Take(Candidate, true);
        break;
    case etRange:
    case etHex: break;
    }
    // A refused paste leaves text, caret and selection as they were.
    if (!Taken) return;
    if (FEditType == etMoney && Text().size() > 3) {
        SelectAll();
    } else {
        const auto At = static_cast<int32_t>(PrefixLength + Start);
        const auto Inserted = static_cast<int32_t>(Pasted.size());
        const auto Limit = static_cast<int32_t>(EditText().size());
        if (Length > 0) Perform(EM_SETSEL, static_cast<WPARAM>(std::min(At, Limit)), std::min(At + Inserted, Limit));
        else Perform(EM_SETSEL, static_cast<WPARAM>(std::min(At + Inserted, Limit)), std::min(At + Inserted, Limit));
    }
}

// ---- Mouse ----

void TExtCustomDropDown::WMLButtonDown(TWMMouse Message)
{
    if (!FEditorEnabled) {
        TCustomMaskEdit::Dispatch(Message.Message);
        DropButtonClick(this);
        return;
    }
    if (SelLength() > 0 && Focused()) {
        const auto Index = static_cast<int32_t>(LOWORD(static_cast<uintptr_t>(Perform(EM_CHARFROMPOS, 0, Message.Message.LParam))));
        if (Index >= SelStart() && Index <= SelStart() + SelLength()) {
            // The press waits for the release, so the selection survives it.
            FButtonDown = true;
            return;
        }
    }
    TCustomMaskEdit::Dispatch(Message.Message);
}

void TExtCustomDropDown::WMLButtonUp(TWMMouse Message)
{
    if (!FEditorEnabled || ReadOnly()) DrawEditValue();
    if (FButtonDown) {
        const auto Index = static_cast<int32_t>(LOWORD(static_cast<uintptr_t>(Perform(EM_CHARFROMPOS, 0, Message.Message.LParam))));
        Perform(EM_SETSEL, static_cast<WPARAM>(Index), Index);
        FButtonDown = false;
    }
    TCustomMaskEdit::Dispatch(Message.Message);
    const auto PrefixLength = static_cast<int32_t>(FPrefix.size());
    const auto ValueEnd = static_cast<int32_t>(PrefixLength + Text().size());
    if (SelStart() < PrefixLength) {
        Perform(EM_SETSEL, static_cast<WPARAM>(PrefixLength), ValueEnd);
    } else if (SelStart() > ValueEnd) {
        Perform(EM_SETSEL, static_cast<WPARAM>(ValueEnd), ValueEnd);
    } else if (SelStart() + SelLength() > ValueEnd) {
        Perform(EM_SETSEL, static_cast<WPARAM>(SelStart()), ValueEnd);
    }
}
