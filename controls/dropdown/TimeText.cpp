// The time picker's text: writing, reading a typed time and finding the field under the caret.
#include "dropdown/TimeText.h"

namespace {

QString TwoDigits(int32_t Value)
{
    return QStringLiteral("%1").arg(Value, 2, 10, QLatin1Char('0'));
}

bool IsDigit(QChar Ch)
{
    return Ch >= QLatin1Char('0') && Ch <= QLatin1Char('9');
}

int32_t DigitValue(QChar Ch)
{
    return IsDigit(Ch) ? Ch.unicode() - '0' : 0;
}

}  // namespace

QString FormatTimeText(TDateTime Value, QChar Separator, bool Seconds)
{
    uint16_t H, M, S, MS;
    DecodeTime(Value, H, M, S, MS);
    QString Text = TwoDigits(H) + Separator + TwoDigits(M);
    if (Seconds) Text += Separator + TwoDigits(S);
    return Text;
}

bool ParseTimeText(const QString& Text, QChar Separator, bool Seconds, TDateTime& Value)
{
    const qsizetype Length = Seconds ? 8 : 5;
    if (Text.size() != Length || !(IsDigit(Text[0]) || Text[0] == QLatin1Char(' ')) || !IsDigit(Text[1]) ||
        Text[2] != Separator || !IsDigit(Text[3]) || !IsDigit(Text[4]))
        return false;
    if (Seconds && (Text[5] != Separator || !IsDigit(Text[6]) || !IsDigit(Text[7]))) return false;
    const int32_t Hour = DigitValue(Text[0]) * 10 + DigitValue(Text[1]);
    const int32_t Minute = DigitValue(Text[3]) * 10 + DigitValue(Text[4]);
    const int32_t Second = Seconds ? DigitValue(Text[6]) * 10 + DigitValue(Text[7]) : 0;
    if (Hour > 23 || Minute > 59 || Second > 59) return false;
    Value = EncodeTime(uint16_t(Hour), uint16_t(Minute), uint16_t(Second), 0);
    return true;
}

TTimeField TimeFieldAt(const QString& Text, int32_t Caret, QChar Separator, bool Seconds)
{
    const qsizetype P1 = Text.indexOf(Separator) + 1;
    if (P1 <= 0 || Caret < P1) return tfHour;
    const qsizetype P2 = Text.mid(P1).indexOf(Separator) + 1;
    return Seconds && P2 > 0 && Caret - P1 >= P2 ? tfSecond : tfMinute;
}
