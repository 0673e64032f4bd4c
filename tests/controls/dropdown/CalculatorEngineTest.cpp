// TCalculatorEngine: key sequences on the calculator's own edit, by the operation codes of the keys.
#include "PickerTestSupport.h"

#include "dropdown/Calculator.h"
#include "dropdown/CalculatorEngine.h"

#include "rtl/Format.h"
#include "rtl/FormatSettings.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QStringList>

namespace {

// The calculator's own edit as the display, on a form: Precision decimals, thousand separators in money form.
class TTestDisplay {
public:
    TTestDisplay() : Form(PickerTest::MakeForm(200, 100))
    {
        Calc = PickerTest::Place<TExtCalculatorDropdown>(Form.get(), Bounds(10, 10, 150, 21));
    }
    void Apply(int32_t Precision, bool Money, int32_t Max, const QString& Initial)
    {
        Calc->SetPrecision(int16_t(Precision));
        Calc->SetShowThousandSeparator(Money);
        Calc->SetMaxLength(Max);
        Calc->SetText(Initial.isEmpty() ? QStringLiteral("0") : Initial);
    }
    QString Text() const { return Calc->Text(); }
    long double FloatValue() const { return Calc->FloatValue(); }
    TCalculatorEngine& Engine() const { return *Calc->Engine(); }

    std::unique_ptr<TForm> Form;
    TExtCalculatorDropdown* Calc = nullptr;
};

int32_t TagOf(const QString& Key)
{
    static const QHash<QString, int32_t> Tags = {
        {QStringLiteral("+"), ckAdd},         {QStringLiteral("-"), ckSubtract},   {QStringLiteral("*"), ckMultiply},
        {QStringLiteral("/"), ckDivide},      {QStringLiteral("+/-"), ckSign},     {QStringLiteral("."), ckDecimal},
        {QStringLiteral("C"), ckClear},       {QStringLiteral("="), ckEquals},     {QStringLiteral("%"), ckPercent},
        {QStringLiteral("ON"), ckBlank},      {QStringLiteral("Back"), ckBack},    {QStringLiteral("CE"), ckClearEntry},
        {QStringLiteral("MC"), ckMemoryClear}, {QStringLiteral("MR"), ckMemoryRecall}, {QStringLiteral("MS"), ckMemoryStore},
        {QStringLiteral("M+"), ckMemoryAdd},  {QStringLiteral("sqrt"), ckSqrt},    {QStringLiteral("1/x"), ckReciprocal},
    };
    return Key.size() == 1 && Key[0].isDigit() ? Key.toInt() : Tags.value(Key, -1);
}

// Presses the keys (blank-separated; "9^300" repeats a key) and gives the display after each.
QStringList Press(TTestDisplay& Display, const QString& Keys)
{
    QStringList Shown;
    for (const QString& Token : Keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype Times = Token.indexOf(QLatin1Char('^'), 1);
        const QString Key = Times > 0 ? Token.left(Times) : Token;
        const int32_t Count = Times > 0 ? Token.mid(Times + 1).toInt() : 1;
        for (int32_t I = 0; I < Count; ++I) Display.Engine().Key(TagOf(Key));
        Shown << Display.Text();
    }
    return Shown;
}

struct TSequence {
    const char* Keys;
    const char* Shown;  // the display after each key, or after the last when it has one entry
};

class CalculatorEngineTest : public ::testing::Test {
protected:
    void Run(const TSequence* Begin, const TSequence* End)
    {
        for (const TSequence* Case = Begin; Case != End; ++Case) {
            TTestDisplay Display;
            Display.Apply(Precision, Money, Max, Initial);
            Display.Engine().StartNewNumber();
            const QStringList Shown = Press(Display, QString::fromLatin1(Case->Keys));
            const QStringList Expected = QString::fromLatin1(Case->Shown).split(QLatin1Char(' '));
            if (Expected.size() == 1) EXPECT_EQ(Shown.last(), Expected.first()) << Case->Keys;
            else EXPECT_EQ(Shown, Expected) << Case->Keys;
        }
    }

    int32_t Precision = 2;
    bool Money = false;
    int32_t Max = 0;
    QString Initial;
    TFormatSettingsScope Locale{[] {
        TFormatSettings US = TFormatSettings::Invariant();
        US.DecimalSeparator = QLatin1Char('.');
        US.ThousandSeparator = QLatin1Char(',');
        return US;
    }()};
};

TEST_F(CalculatorEngineTest, KeySequences)
{
    const TSequence Cases[] = {
        {"1 2 + 3 =", "1.00 12.00 12.00 3.00 15.00"},
        {"2 + 3 * 4 =", "20.00"},
        {"5 + +", "5.00 5.00 10.00"},
        {"5 + - 3 =", "5.00 5.00 10.00 3.00 7.00"},
        {"5 / 0 =", "Error"},
        {"5 / 0 = 7", "7.00"},
        {"5 / 0 = 7 + 1 =", "8.00"},
        {". 5", "0.50"},
        {"1 . 2 3 4", "1.00 1.00 1.20 1.23 1.23"},
        {"1 . 5 CE 7", "0.07"},
        {"1 . 5 C 7", "7.00"},
        {"MC MR", "0.00"},
        {"4 2 MS C MR", "42.00"},
        {"4 2 MS C 8 M+ C MR", "50.00"},
        {"1 2 3 . 4 5 Back", "123.40"},
        {"1 2 3 + 4 Back", "4.00"},
        {"2 0 0 + 1 0 % =", "2.00 20.00 200.00 200.00 1.00 10.00 20.00 220.00"},
        {"9 sqrt", "3.00"},
        {"9 +/- sqrt", "Error"},
        {"0 1/x", "Error"},
        {"4 1/x", "0.25"},
        {"5 +/- 3", "-53.00"},
        {"5 +/- +/-", "5.00"},
        {"5 + C 3 =", "3.00"},
        {"2 * 3 = =", "2.00 2.00 3.00 6.00 6.00"},
        {"ON 8", "8.00"},
    };
    Run(std::begin(Cases), std::end(Cases));
}

TEST_F(CalculatorEngineTest, ResultsBeyondTheDisplayShowError)
{
    const TSequence Cases[] = {
        {"9^300 * =", "Error"},
        {"9^300 * = 7", "7.00"},
        {"9^300 * = 2 + 3 =", "5.00"},
        {"9^308 MS M+", "Error"},
        {"9^309", "Error"},
        {"9^300 + 9^300 %", "Error"},
    };
    Run(std::begin(Cases), std::end(Cases));

    TTestDisplay Display;
    TCalculatorEngine& Engine = Display.Engine();
    Engine.StartNewNumber();
    Press(Display, QStringLiteral("9^308 MS"));
    const long double Stored = Engine.Memory();
    Press(Display, QStringLiteral("M+"));
    EXPECT_EQ(Engine.Memory(), Stored) << "a failed M+ keeps the memory";
    EXPECT_EQ(Engine.PreviousValue(), 0) << "and clears the running result";
}

TEST_F(CalculatorEngineTest, LongDecimalsStopInsteadOfTurningIntoWholeDigits)
{
    TTestDisplay Display;
    Display.Apply(20, false, 0, QString());
    TCalculatorEngine& Engine = Display.Engine();
    Engine.StartNewNumber();
    Press(Display, QStringLiteral("1 . 1^40"));
    EXPECT_LT(Display.FloatValue(), 2) << Display.Text().toStdString();
    EXPECT_GT(Display.FloatValue(), 1.1111);
    EXPECT_EQ(Engine.Decimals(), 1000000000000000000LL);
}

TEST_F(CalculatorEngineTest, MaxLengthStopsDigitsButNotOperators)
{
    Max = 4;
    Initial = QStringLiteral("1");
    const TSequence Cases[] = {
        {"2", "1.00"},
        {". +/- 2", "1.00 1.00 1.00"},
        {"+ =", "1.00 2.00"},
        {"+ 2 =", "1.00 1.00 2.00"},
        {"sqrt", "1.00"},
    };
    Run(std::begin(Cases), std::end(Cases));
    Max = 5;
    const TSequence Longer[] = {{"2 3 4", "2.00 23.00 23.00"}};
    Run(std::begin(Longer), std::end(Longer));
}

TEST_F(CalculatorEngineTest, ThousandSeparatorsFollowTheLocale)
{
    Money = true;
    {
        const TSequence Cases[] = {{"1 2 3 4", "1.00 12.00 123.00 1,234.00"}, {"1 2 3 4 MS C MR", "1,234.00"}};
        Run(std::begin(Cases), std::end(Cases));
    }
    TFormatSettings German = FormatSettings();
    German.DecimalSeparator = QLatin1Char(',');
    German.ThousandSeparator = QLatin1Char('.');
    TFormatSettingsScope Scope(German);
    const TSequence Cases[] = {
        {"1 2 3 4 . 5", "1,00 12,00 123,00 1.234,00 1.234,00 1.234,50"},
        {"1 2 3 4 * 1 0 =", "12.340,00"},
    };
    Run(std::begin(Cases), std::end(Cases));

    TTestDisplay Display;
    Display.Apply(2, true, 0, QString());
    TCalculatorEngine& Engine = Display.Engine();
    Engine.StartNewNumber();
    Press(Display, QStringLiteral("1 2 3 4 MS"));
    EXPECT_EQ(Engine.Memory(), 1234);
}

TEST_F(CalculatorEngineTest, ClosedEditAndPopupCharacters)
{
    TTestDisplay Display;
    TCalculatorEngine& Engine = Display.Engine();
    Display.Calc->SetText(QStringLiteral("7"));
    EXPECT_TRUE(Engine.ClosedEditKey(QLatin1Char('*')));
    EXPECT_TRUE(Engine.NewValue());
    Display.Calc->SetText(QStringLiteral("6"));
    EXPECT_TRUE(Engine.ClosedEditKey(QChar(13)));
    EXPECT_EQ(Display.Text(), QStringLiteral("42.00"));
    EXPECT_FALSE(Engine.ClosedEditKey(QLatin1Char('x')));
    EXPECT_TRUE(Engine.ClosedEditKey(QLatin1Char('c')));
    EXPECT_EQ(Display.Text(), QStringLiteral("0.00"));
    EXPECT_EQ(Engine.PreviousOperation(), -1);

    Display.Calc->SetText(QStringLiteral("200"));
    Engine.PopupKey(QLatin1Char('+'));
    Display.Calc->SetText(QStringLiteral("10"));
    Engine.PopupKey(QLatin1Char('%'));
    EXPECT_EQ(Display.Text(), QStringLiteral("20.00"));
    Engine.PopupKey(QLatin1Char('='));
    EXPECT_EQ(Display.Text(), QStringLiteral("220.00"));
    Engine.PopupKey(QLatin1Char('C'));
    EXPECT_EQ(Engine.PreviousValue(), 0);
    EXPECT_TRUE(Engine.NewValue());
    Engine.PopupKey(QLatin1Char('5'));
    EXPECT_FALSE(Engine.NewValue());
}

TEST_F(CalculatorEngineTest, UnconvertibleDisplayCountsAsZero)
{
    TTestDisplay Display;
    TCalculatorEngine& Engine = Display.Engine();
    Display.Calc->SetTextUnformatted(QStringLiteral("12x"));
    EXPECT_EQ(Engine.DisplayValue(), 0);
    Engine.Key(ckAdd);
    EXPECT_EQ(Display.Text(), QStringLiteral("0.00"));
    Display.Calc->SetTextUnformatted(QStringLiteral("abc"));
    Engine.Key(ckMemoryStore);
    EXPECT_EQ(Engine.Memory(), 0);
}

}  // namespace
