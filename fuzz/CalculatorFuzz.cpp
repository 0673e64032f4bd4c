// Fuzz target: calculator key sequences. The first byte picks the precision, the thousand separators,
// the locale and the length limit; each further byte is a key of the panel (below 40), a character of
// the closed edit (high bit clear) or of the open pop-up (high bit set). After every key the display
// is "Error" or a number written the way the calculator's edit writes it.
#include "dropdown/CalculatorEngine.h"
#include "dropdown/DropDownUtil.h"

#include "rtl/Format.h"
#include "rtl/FormatSettings.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool Holds)
{
    if (!Holds) std::abort();
}

// The calculator edit's number display: Precision decimals, fixed or with thousand separators.
class TEditDisplay : public TCalcDisplay {
public:
    TEditDisplay(int32_t Precision, bool Money, int32_t Max) : FPrecision(Precision), FMoney(Money), FMax(Max) {}
    QString Text() const override { return FText; }
    void SetText(const QString& Value) override
    {
        QString S = Value.isEmpty() ? QStringLiteral("0") : Value;
        if (S != TCalculatorEngine::ErrorText) S = Written(StrToFloatDef(StripThousandSeparators(S), 0));
        FText = S;
    }
    long double FloatValue() const override
    {
        return FText == TCalculatorEngine::ErrorText ? 0 : StrToFloatDef(StripThousandSeparators(FText), 0);
    }
    void SetFloatValue(long double Value) override { SetText(Written(Value)); }
    int32_t MaxLength() const override { return FMax; }

    // The value as the edit writes a number.
    QString Written(long double Value) const
    {
        return Format(QStringLiteral("%.") + QString::number(FPrecision) + (FMoney ? QStringLiteral("n") : QStringLiteral("f")),
                      {double(Value)});
    }

private:
    QString FText = QStringLiteral("0");
    int32_t FPrecision;
    bool FMoney;
    int32_t FMax;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 1 || Size > 400) return 0;
    const uint8_t Setup = Data[0];
    TFormatSettings Settings = TFormatSettings::Invariant();
    if (Setup & 0x10) {
        Settings.DecimalSeparator = QLatin1Char(',');
        Settings.ThousandSeparator = QLatin1Char('.');
    } else {
        Settings.DecimalSeparator = QLatin1Char('.');
        Settings.ThousandSeparator = QLatin1Char(',');
    }
    TFormatSettingsScope Scope(Settings);
    TEditDisplay Display(1 + (Setup & 3), Setup & 4, (Setup & 8) ? 6 : 0);
    Display.SetText(QStringLiteral("0"));
    TCalculatorEngine Engine(Display);
    Engine.StartNewNumber();
    const char Characters[] = "0123456789.,+-*/=%Cc\r";
    for (size_t I = 1; I < Size; ++I) {
        const uint8_t Byte = Data[I];
        if (Byte < 40) {
            Engine.Key(Byte);
        } else {
            const QChar Key = QLatin1Char(Characters[Byte % (sizeof(Characters) - 1)]);
            if (Byte & 0x80) Engine.PopupKey(Key);
            else Engine.ClosedEditKey(Key);
        }
        const QString Shown = Display.Text();
        if (Shown == TCalculatorEngine::ErrorText) continue;
        long double Value = 0;
        Check(TryStrToFloat(StripThousandSeparators(Shown), Value) && std::isfinite(Value));
        Check(Display.Written(Value) == Shown);
        Check(std::isfinite(Engine.PreviousValue()) && std::isfinite(Engine.Memory()));
    }
    return 0;
}
