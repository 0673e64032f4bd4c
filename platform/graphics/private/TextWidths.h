// Text widths remembered by font (platform-internal).
#pragma once

#include <QString>

class QFont;
class QFontMetrics;

// Metrics.horizontalAdvance(Text) for Metrics made from Font. Painting measures the same texts in the
// same few fonts again and again, and each measure shapes the text anew: the widths are kept until the
// installed fonts change.
int TextWidth(const QFont& Font, const QFontMetrics& Metrics, const QString& Text);
