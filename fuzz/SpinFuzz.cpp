// Fuzz target: the spin editor's readers, steppers and typing rules. The input's first byte picks the
// caret, the rest is the text (UTF-8); every text is also read and stepped as a date and a time.
#include "grid/base/SpinValues.h"

#include "rtl/DateTime.h"
#include "rtl/FormatSettings.h"

#include <QByteArrayView>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

TFormatSettings DayFirst()
{
    TFormatSettings Settings = TFormatSettings::Invariant();
    Settings.ShortDateFormat = QStringLiteral("dd/MM/yyyy");
    Settings.LongTimeFormat = QStringLiteral("hh:nn:ss");
    Settings.DecimalSeparator = u',';
    Settings.ThousandSeparator = u'.';
    return Settings;
}

void Check(bool Holds)
{
    if (!Holds) std::abort();
}

// A value read back from the text it is written as.
void Integers(const QString& Text)
{
    const int32_t Read = SpinTextToInt(Text, -7);
    if (Read != -7) Check(SpinTextToInt(QString::number(Read), -7) == Read);
    if (Text.trimmed().isEmpty()) Check(Read == 0);
    const double Float = SpinTextToFloat(Text, -7.5, FormatSettings());
    Check(std::isfinite(Float));
}

// Fixed-width parts: a step up and back down on the same part gives the value back.
void Dates(const QString& Text, int32_t Caret)
{
    TDateTime Value = 0;
    if (!TryStrToDate(Text, Value)) return;
    uint16_t Year = 0, Month = 0, Day = 0;
    DecodeDate(Value, Year, Month, Day);
    // Month steps keep the day only up to the 28th.
    const bool DayKept = Day <= 28;
    const QString Shown = DateToStr(Value);
    TDateTime Up = 0;
    if (!StepSpinDate(Value, Shown, Caret, 1, FormatSettings(), Up)) return;
    DecodeDate(Up, Year, Month, Day);
    Check(Year >= 1 && Year <= 9999);
    TDateTime Back = 0;
    if (!DayKept || !StepSpinDate(Up, DateToStr(Up), Caret, -1, FormatSettings(), Back)) return;
    Check(DateToStr(Back) == Shown);
}

void Times(const QString& Text, int32_t Caret)
{
    TDateTime Value = 0;
    if (!TryStrToTime(Text, Value)) return;
    const QString Shown = TimeToStr(Value);
    TDateTime Up = 0, Back = 0;
    Check(StepSpinTime(Value, Shown, Caret, true, true, 1, 1, 1, FormatSettings(), Up));
    Check(StepSpinTime(Up, TimeToStr(Up), Caret, false, true, 1, 1, 1, FormatSettings(), Back));
    // Back to the same time of day (midnight may come back as one day).
    const double Apart = std::fmod(std::fabs(Back - Value), 1.0);
    Check(Apart < 1e-7 || Apart > 1 - 1e-7);
    Check(Back >= 0 && Back <= 1);
}

// Whatever the state, an integer editor takes only digits, "-" and control characters, and a
// closed editor only control characters.
void Characters(const QString& Text, int32_t Caret)
{
    for (const QChar Key : Text) {
        for (int32_t Kind = sptNormal; Kind <= sptTime; ++Kind) {
            TSpinCharState State;
            State.Text = Text;
            State.SelStart = Caret % (static_cast<int32_t>(Text.size()) + 1);
            State.SelLength = Caret % 3;
            State.SpinType = static_cast<TEsgSpinType>(Kind);
            State.Precision = Caret % 4;
            const bool Taken = IsValidSpinChar(Key, State, FormatSettings());
            const bool Control = Key.unicode() < 0x20;
            if (Kind == sptNormal && Taken) Check((Key >= u'0' && Key <= u'9') || Key == u'-' || Control);
            State.EditorEnabled = false;
            if (IsValidSpinChar(Key, State, FormatSettings())) Check(Control && Key != u'\b');
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size == 0) return 0;
    const int32_t Caret = Data[0] % 12;
    const QString Text = QString::fromUtf8(QByteArrayView(reinterpret_cast<const char*>(Data + 1), qsizetype(Size - 1)));
    TFormatSettingsScope Scope(DayFirst());
    Integers(Text);
    Dates(Text, Caret);
    Times(Text, Caret);
    Characters(Text.left(64), Caret);
    return 0;
}
