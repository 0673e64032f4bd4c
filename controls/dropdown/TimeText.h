// The time picker's text: HH S MM [S SS] written, read back from typing, and the field under the caret.
#pragma once

#include "rtl/DateTime.h"

#include <QChar>
#include <QString>

#include <cstdint>

enum TTimeField { tfHour, tfMinute, tfSecond };

// Two digits per field, split by Separator; seconds only with Seconds.
QString FormatTimeText(TDateTime Value, QChar Separator, bool Seconds);
// A complete text of that form (a blank for an empty first hour digit) within 00:00:00..23:59:59.
bool ParseTimeText(const QString& Text, QChar Separator, bool Seconds, TDateTime& Value);
// The field the caret (0-based) stands in: before the first separator the hour, from just after the
// second (with Seconds) the second, the minute in between.
TTimeField TimeFieldAt(const QString& Text, int32_t Caret, QChar Separator, bool Seconds);
