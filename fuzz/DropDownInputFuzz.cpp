// Fuzz target: text pasted and typed into a drop-down edit. The first byte picks the edit type, the
// second the locale, Signed, the precision, a prefix and suffix, the caret and a whole selection; the
// rest is the text (UTF-8), pasted over the starting value, then, from the same start, typed character
// by character. A numeric paste is refused (nothing changes) or leaves a number; typing leaves only
// characters the edit type takes, with the prefix and suffix in place.
#include "dropdown/DropDownUtil.h"
#include "dropdown/ExtDropDown.h"

#include "grid/base/ExtUtil.h"

#include "rtl/Format.h"
#include "rtl/FormatSettings.h"
#include "windows/Clipbrd.h"
#include "windows/Forms.h"

#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void Check(bool Holds)
{
    if (!Holds) std::abort();
}

const QString ValidChars = QStringLiteral("abc123");

struct TRig {
    std::unique_ptr<TForm> Form;
    TExtCustomDropDown* Edit = nullptr;
};

// Made once and kept to the end: the windows must not outlive the application at exit.
TRig& Rig()
{
    static TRig* Made = [] {
        auto* Rig = new TRig;
        Rig->Form.reset(New<TForm>(nullptr));
        Rig->Form->SetBounds(0, 0, 300, 100);
        Rig->Edit = New<TExtCustomDropDown>(Rig->Form.get());
        Rig->Edit->SetParent(Rig->Form.get());
        Rig->Edit->SetBounds(10, 10, 200, 21);
        Rig->Form->Show();
        Rig->Edit->SetFocus();
        Application->ProcessMessages();
        return Rig;
    }();
    return *Made;
}

bool IsDigit(QChar Ch)
{
    return Ch >= QLatin1Char('0') && Ch <= QLatin1Char('9');
}

bool AllOf(const QString& Value, const auto& Test)
{
    return std::all_of(Value.begin(), Value.end(), Test);
}

// Digits with at most one decimal separator, thousand separators, and a sign only in front.
bool NumberCharacters(const QString& Value, bool Signed)
{
    const QChar DS = GetDecimalSeparator(), TS = GetThousandSeparator();
    if (Value.count(DS) > 1 || Value.indexOf(QLatin1Char('-')) > 0 || Value.count(QLatin1Char('-')) > 1) return false;
    if (!Signed && Value.contains(QLatin1Char('-'))) return false;
    return AllOf(Value, [&](QChar Ch) { return IsDigit(Ch) || Ch == DS || Ch == TS || Ch == QLatin1Char('-'); });
}

// What typing may leave in the value of each edit type.
bool TypedValueFits(TDropDownEditType Type, const QString& Value, bool Signed)
{
    switch (Type) {
    case etNumeric:
        return NumberCharacters(Value, Signed) && AllOf(Value, [](QChar Ch) { return IsDigit(Ch) || Ch == QLatin1Char('-'); });
    case etFloat:
    case etMoney: return NumberCharacters(Value, Signed);
    case etHex:
        return AllOf(Value, [](QChar Ch) {
            const char16_t C = Ch.unicode();
            return IsDigit(Ch) || C == u'-' || (C >= u'A' && C <= u'F') || (C >= u'a' && C <= u'f');
        });
    case etRange: return AllOf(Value, [](QChar Ch) { return IsDigit(Ch) || IsRangeSeparator(Ch); });
    case etAlphaNumeric:
        return AllOf(Value, [](QChar Ch) {
            const char16_t C = Ch.unicode();
            return IsDigit(Ch) || (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z');
        });
    case etValidChars: return AllOf(Value, [](QChar Ch) { return ValidChars.contains(Ch); });
    case etUppercase: return AllOf(Value, [](QChar Ch) { return Ch.toUpper() == Ch; });
    case etLowerCase: return AllOf(Value, [](QChar Ch) { return Ch.toLower() == Ch; });
    default: return true;
    }
}

// What a paste that was taken may leave.
bool PastedValueFits(TDropDownEditType Type, const QString& Value, bool Signed)
{
    long double Number = 0;
    switch (Type) {
    case etNumeric: return TypedValueFits(etNumeric, Value, Signed);
    case etFloat:
    // Rewritten as a number (in the general format with an exponent, perhaps).
    case etMoney:
        return (Signed || !Value.startsWith(QLatin1Char('-'))) && TryStrToFloat(StripThousandSeparators(Value), Number);
    case etHex:
    case etRange: return false;
    case etAlphaNumeric: return AllOf(Value, [](QChar Ch) { return Ch.isLetterOrNumber(); });
    case etValidChars: return TypedValueFits(etValidChars, Value, Signed);
    default: return true;
    }
}

QString StartValue(TDropDownEditType Type)
{
    switch (Type) {
    case etNumeric: return QStringLiteral("12");
    case etFloat: return QStringLiteral("1") + GetDecimalSeparator() + QStringLiteral("5");
    case etMoney: return QStringLiteral("1234");
    case etHex: return QStringLiteral("1F");
    case etRange: return QStringLiteral("1-5");
    case etAlphaNumeric: return QStringLiteral("ab1");
    case etValidChars: return QStringLiteral("ab");
    case etUppercase: return QStringLiteral("TEXT");
    case etLowerCase: return QStringLiteral("text");
    default: return QStringLiteral("Text");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 2 || Size > 200) return 0;
    const auto Type = static_cast<TDropDownEditType>(Data[0] % 12);
    const uint8_t Flags = Data[1];
    const bool German = Flags & 1, Signed = Flags & 2, Affixes = Flags & 16, AtStart = Flags & 32, WholeSelected = Flags & 64;
    const int16_t Precisions[] = {0, 2, 3, -1};
    const QString Text = QString::fromUtf8(QByteArrayView(Data + 2, qsizetype(Size - 2)));

    TFormatSettings Settings = TFormatSettings::Invariant();
    Settings.DecimalSeparator = German ? QLatin1Char(',') : QLatin1Char('.');
    Settings.ThousandSeparator = German ? QLatin1Char('.') : QLatin1Char(',');
    TFormatSettingsScope Scope(Settings);

    TExtCustomDropDown* Edit = Rig().Edit;
    const QString Prefix = Affixes ? QStringLiteral("$ ") : QString();
    const QString Suffix = Affixes ? QStringLiteral(" EU") : QString();
    const auto Reset = [&] {
        Edit->SetEditType(etString);
        Edit->SetPrecision(Precisions[(Flags >> 2) & 3]);
        Edit->SetPrefix(Prefix);
        Edit->SetSuffix(Suffix);
        Edit->SetSigned(Signed);
        Edit->SetValidChars(ValidChars);
        Edit->SetEditType(Type);
        Edit->SetText(StartValue(Type));
        if (WholeSelected) {
            Edit->SelectAll();
        } else {
            Edit->SetSelStart(static_cast<int32_t>(Prefix.size() + (AtStart ? 0 : Edit->Text().size())));
            Edit->SetSelLength(0);
        }
    };

    // Pasted as a whole.
    Reset();
    const QString Before = Edit->EditText();
    Clipboard()->SetAsText(Text);
    Edit->Perform(WM_PASTE, 0, 0);
    if (Edit->EditText() != Before) {
        Check(Edit->EditText().startsWith(Prefix) && Edit->EditText().endsWith(Suffix));
        Check(PastedValueFits(Type, Edit->Text(), Signed));
    }

    // Typed, one character after the other, as keys give them: printable ones, Backspace, Enter, Esc.
    Reset();
    int32_t Typed = 0;
    for (const QChar Ch : Text) {
        if (Ch.unicode() < 32 && Ch != QChar(8) && Ch != QChar(13) && Ch != QChar(27)) continue;
        if (++Typed > 64) break;
        Edit->Perform(WM_CHAR, Ch.unicode(), 0);
        Check(Edit->EditText().startsWith(Prefix) && Edit->EditText().endsWith(Suffix));
        Check(TypedValueFits(Type, Edit->Text(), Signed));
    }
    return 0;
}
