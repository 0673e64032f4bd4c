// Maps the toolkit's font names onto installed families and its font heights onto pixel sizes.
#pragma once

#include <QString>

class QFont;
class TFont;

// The installed family drawn for font Name: Verdana → DejaVu Sans, Tahoma → DejaVu Sans Condensed,
// Arial and MS Sans Serif → Liberation Sans, Courier New → Liberation Mono, Times New Roman →
// Liberation Serif; other names pass through.
QString MapFontFamily(const QString& Name);

// The Qt font that draws Font: mapped family, pixel size from Height, style, no antialiasing.
QFont ToQFont(const TFont& Font);
