// Fuzz target: typed time texts of the time picker. The first byte picks the separator, the seconds
// and the caret; the rest is the text (UTF-8). A text taken as a time is written back the same way.
#include "dropdown/TimeText.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool Holds)
{
    if (!Holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 1) return 0;
    const uint8_t Flags = Data[0];
    const QChar Separators[] = {QLatin1Char(':'), QLatin1Char('.'), QLatin1Char('h'), QChar(0x2236)};
    const QChar Separator = Separators[Flags & 3];
    const bool Seconds = Flags & 4;
    const int32_t Caret = (Flags >> 3) % 12;
    const QString Text = QString::fromUtf8(QByteArrayView(Data + 1, qsizetype(Size - 1)));

    TDateTime Value = -1;
    if (ParseTimeText(Text, Separator, Seconds, Value)) {
        // Within the day, and the text it stands for, but for a blank first hour digit.
        Check(Value >= 0 && Value < 1);
        QString Canonical = Text;
        if (Canonical[0] == QLatin1Char(' ')) Canonical[0] = QLatin1Char('0');
        Check(FormatTimeText(Value, Separator, Seconds) == Canonical);
        TDateTime Again = -1;
        Check(ParseTimeText(Canonical, Separator, Seconds, Again) && Again == Value);
    } else {
        Check(Value == -1);
    }
    const TTimeField Field = TimeFieldAt(Text, Caret, Separator, Seconds);
    Check(Field == tfHour || Field == tfMinute || (Seconds && Field == tfSecond));
    if (Caret == 0) Check(Field == tfHour);
    return 0;
}
