// Fuzz target: filter expressions matched against values; the input is "expression\nvalue" in UTF-8.
#include "grid/base/ExtUtil.h"

#include "rtl/FormatSettings.h"
#include "rtl/StrFuncs.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

// Day-first dates with "." and decimal commas, the other way round from the invariant settings.
TFormatSettings Continental()
{
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u'.';
    settings.DateSeparator = u'.';
    settings.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    return settings;
}

void Match(const QString& Expression, const QString& Value)
{
    const bool folded = MatchFilterExpression(Expression, Value, false);
    // Matching without case is matching the upper-cased texts with case.
    if (folded != MatchFilterExpression(AnsiUpperCase(Expression), AnsiUpperCase(Value), true)) std::abort();
    (void)MatchFilterExpression(Expression, Value, true);
    (void)MatchFilterCondition(Expression, Value);
    TDateTime date;
    (void)ParseLocaleDateTime(Value, date);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QString input = QString::fromUtf8(QByteArrayView(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    const qsizetype split = input.indexOf(u'\n');
    const QString expression = split < 0 ? input : input.left(split);
    const QString value = split < 0 ? QString() : input.mid(split + 1);
    {
        TFormatSettingsScope invariant(TFormatSettings::Invariant());
        Match(expression, value);
    }
    TFormatSettingsScope continental(Continental());
    Match(expression, value);
    return 0;
}
