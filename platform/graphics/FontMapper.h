// Maps the toolkit's font names onto installed families and its font heights onto pixel sizes.
#pragma once

#include <QString>

class QFont;
class TFont;

// The family drawn for font Name: Verdana → DejaVu Sans, Tahoma → DejaVu Sans Condensed, Arial and
// MS Sans Serif → Liberation Sans, Courier New → Liberation Mono, Times New Roman → Liberation Serif,
// the symbol fonts (Symbol, Wingdings, Marlett) → DejaVu Sans; the DejaVu and Liberation families
// pass through, and any other name draws in DejaVu Sans, whichever fonts the machine has.
QString MapFontFamily(const QString& Name);

// Text in Font as it is drawn: for a symbol font (Symbol, Wingdings, Marlett) each code 0x20..0xFF
// (or U+F020..U+F0FF) becomes the Unicode character that font shows for it; other text is unchanged.
QString MapFontText(const QFont& Font, const QString& Text);

// The Qt font that draws Font: mapped family, pixel size from Height, style, no antialiasing.
QFont ToQFont(const TFont& Font);
