// TCalculatorEngine: digits and decimals, the four operations left to right, equals, percent, memory and the error rules.
#include "dropdown/CalculatorEngine.h"

#include "dropdown/DropDownUtil.h"

#include "rtl/Format.h"
#include "rtl/FormatSettings.h"

#include <cfloat>
#include <cmath>

namespace {

// Past this divisor further decimals are dropped.
constexpr int64_t MaxDecim = 1000000000000000000LL / 10;

QChar DecimalSeparator()
{
    return FormatSettings().DecimalSeparator;
}

}  // namespace

long double TCalculatorEngine::DisplayValue() const
{
    long double Value = 0;
    if (!TryStrToFloat(StripThousandSeparators(FDisplay.Text()), Value) || !std::isfinite(Value)) return 0;
    return Value;
}

bool TCalculatorEngine::Full() const
{
    return FDisplay.MaxLength() > 0 && FDisplay.Text().size() == FDisplay.MaxLength();
}

void TCalculatorEngine::StartNewNumber()
{
    FNewval = true;
    FDecim = 0;
}

void TCalculatorEngine::ShowError()
{
    FPrevval = 0;
    FDisplay.SetText(ErrorText);
}

bool TCalculatorEngine::Show(long double Value)
{
    // The display holds doubles.
    if (!std::isfinite(Value) || std::fabs(Value) > DBL_MAX) {
        ShowError();
        return false;
    }
    FDisplay.SetFloatValue(Value);
    return true;
}

void TCalculatorEngine::Calculate()
{
    if (FDisplay.Text().isEmpty() || FDisplay.Text() == ErrorText) FDisplay.SetText(QStringLiteral("0"));
    const long double X = DisplayValue();
    switch (FPrevop) {
    case 0: FPrevval += X; break;
    case 1: FPrevval *= X; break;
    case 2: FPrevval -= X; break;
    case 3:
        if (X == 0) {
            ShowError();
            return;
        }
        FPrevval /= X;
        break;
    default: FPrevval = X; break;
    }
    if (Show(FPrevval)) FNewval = true;
}

void TCalculatorEngine::OperatorEntry(int32_t Op)
{
    Calculate();
    FPrevop = Op;
}

void TCalculatorEngine::CalcEquals()
{
    Calculate();
    if (FDisplay.Text().isEmpty()) FDisplay.SetText(QStringLiteral("0"));
    FPrevop = -1;
    if (FDisplay.Text() != ErrorText) FPrevval = DisplayValue();
}

void TCalculatorEngine::CalcPercent()
{
    if (FDisplay.Text().isEmpty() || FDisplay.Text() == ErrorText) FDisplay.SetText(QStringLiteral("0"));
    const long double R = FPrevval * DisplayValue() / 100;
    if (!std::isfinite(R) || std::fabs(R) > DBL_MAX) {
        ShowError();
        return;
    }
    FDisplay.SetText(Format(QStringLiteral("%g"), {R}));
}

void TCalculatorEngine::Clear()
{
    FDisplay.SetText(QStringLiteral("0"));
    FPrevval = 0;
    FPrevop = -1;
}

void TCalculatorEngine::Digit(int32_t D)
{
    const long double V = FDisplay.FloatValue();
    if ((V == 0 && FDecim == 0) || FNewval) {
        FDisplay.SetText(QString::number(D));
        FNewval = false;
        return;
    }
    // A digit extends the number away from zero, whatever its sign.
    const long double Signed = std::signbit(V) ? -D : D;
    if (FDecim > 0) {
        if (FDecim > MaxDecim) return;
        if (Show(V + Signed / FDecim)) FDecim *= 10;
    } else {
        Show(V * 10 + Signed);
    }
}

void TCalculatorEngine::Key(int32_t Tag)
{
    if ((Tag >= ckAdd && Tag <= ckSign) || (Tag >= ckClear && Tag <= ckPercent)) FDecim = 0;
    if (((Tag >= 0 && Tag <= 9) || Tag == ckSign || Tag == ckDecimal) && Full()) return;
    if (Tag >= 0 && Tag <= 9) {
        Digit(Tag);
        return;
    }
    switch (Tag) {
    case ckAdd: OperatorEntry(0); break;
    case ckSubtract: OperatorEntry(2); break;
    case ckMultiply: OperatorEntry(1); break;
    case ckDivide: OperatorEntry(3); break;
    case ckSign: {
        const QString Text = FDisplay.Text();
        FDisplay.SetText(Text.contains(QLatin1Char('-')) ? Text.mid(1) : QLatin1Char('-') + Text);
        break;
    }
    case ckDecimal:
        if (!FDisplay.Text().contains(DecimalSeparator())) FDisplay.SetText(FDisplay.Text() + DecimalSeparator());
        FDecim = 10;
        if (FNewval) FDisplay.SetText(QStringLiteral("0"));
        FNewval = false;
        break;
    case ckClear:
    case ckBlank:
    case ckClearEntry: Clear(); break;
    case ckEquals: CalcEquals(); break;
    case ckPercent: CalcPercent(); break;
    case ckBack:
        if (FPrevop < 0) FDisplay.SetText(FloatToStr(FDisplay.FloatValue()).chopped(1));
        break;
    case ckMemoryClear: FMVal = 0; break;
    case ckMemoryRecall: Show(FMVal); break;
    case ckMemoryStore: FMVal = DisplayValue(); break;
    case ckMemoryAdd: {
        const long double Sum = FMVal + DisplayValue();
        if (!std::isfinite(Sum) || std::fabs(Sum) > DBL_MAX) ShowError();
        else FMVal = Sum;
        break;
    }
    case ckSqrt: {
        const long double V = FDisplay.FloatValue();
        if (V < 0) FDisplay.SetText(ErrorText);
        else Show(std::sqrt(V));
        break;
    }
    case ckReciprocal: {
        const long double V = FDisplay.FloatValue();
        if (V == 0) FDisplay.SetText(ErrorText);
        else Show(1 / V);
        break;
    }
    default: break;
    }
}

bool TCalculatorEngine::ClosedEditKey(QChar Key)
{
    switch (Key.unicode()) {
    case 13:
    case '=': CalcEquals(); return true;
    case '%': CalcPercent(); return true;
    case '*': OperatorEntry(1); return true;
    case '+': OperatorEntry(0); return true;
    case '-': OperatorEntry(2); return true;
    case '/': OperatorEntry(3); return true;
    case 'C':
    case 'c':
        FDisplay.SetText(QStringLiteral("0"));
        FNewval = true;
        FPrevop = -1;
        return true;
    default: return false;
    }
}

void TCalculatorEngine::PopupKey(QChar Key)
{
    if (Key == DecimalSeparator()) {
        if (!FDisplay.Text().contains(Key)) FDisplay.SetText(FDisplay.Text() + Key);
        return;
    }
    if (Key.isDigit() && Full()) return;
    switch (Key.unicode()) {
    case '%': CalcPercent(); break;
    case '*': OperatorEntry(1); break;
    case '+': OperatorEntry(0); break;
    case '-': OperatorEntry(2); break;
    case '/': OperatorEntry(3); break;
    case '=': CalcEquals(); break;
    case 'C':
    case 'c':
        FDisplay.SetText(QStringLiteral("0"));
        FPrevval = 0;
        FNewval = true;
        FPrevop = -1;
        break;
    default:
        if (Key >= QLatin1Char('0') && Key <= QLatin1Char('9')) FNewval = false;
        break;
    }
}
