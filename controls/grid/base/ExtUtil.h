// Grid utilities: cell text kinds, filter expressions, text exchange helpers, drawing routines, progress indicators and button faces.
#pragma once

#include "grid/base/ExtStyleIF.h"

#include "graphics/Colors.h"
#include "graphics/Gdi.h"
#include "rtl/DateTime.h"
#include "rtl/Types.h"
#include "windows/LayeredWindows.h"
#include "windows/Messages.h"

#include <QByteArray>
#include <QChar>
#include <QString>

#include <cstdint>

class TBitmap;
class TCanvas;
class TFont;
class TStrings;
class TWinControl;

// ---------------------------------------------------------------------------------------------
// Cell texts
// ---------------------------------------------------------------------------------------------

// How a cell text is read (GetCellTextKind). There is no kind 4.
enum : int32_t {
    ctkPlain = 0,
    ctkMarkup = 1,
    ctkRichText = 2,
    ctkFormula = 3,
    ctkWide = 5,
};

// How a displayed number is classified (GetNumberTextKind). There are no kinds 3 and 4.
enum : int32_t {
    ntkInteger = 0,
    ntkDecimal = 1,
    ntkNotANumber = 2,
    ntkScientific = 5,
};

// The separators and the short date format of the settings in force, read at each call.
QChar GetTimeSeparator();
QChar GetDateSeparator();
QChar GetThousandSeparator();
QChar GetDecimalSeparator();
QString GetShortDateFormat();

// ctkFormula for "=..." and for a wide text whose first character is "="; ctkWide for other
// texts starting "|\"; ctkRichText for "{\..."; with DetectMarkup, ctkMarkup for a text holding
// "</", "<B", "<I" or "<C"; otherwise ctkPlain.
int32_t GetCellTextKind(const QString& Text, bool DetectMarkup);
// "|\" followed by two characters per UTF-16 unit: the high byte, then the low byte.
QString EncodeWideCellText(const QString& WideText);
// The wide text of a "|\" cell text (a last unpaired character is dropped); any other text as it is.
QString DecodeWideCellText(const QString& CellText);
// 1-based position of SubText in Text, 0 when absent.
int32_t PosWide(const QString& SubText, const QString& Text);
// ntkInteger, ntkDecimal, ntkScientific or ntkNotANumber, by the locale's separators.
int32_t GetNumberTextKind(const QString& Text);
// A displayed number as a plain number text: "-" sign, "." decimal point, no thousand separators;
// enclosing parentheses or a leading "-" make it negative; the copy stops at the first character
// that cannot belong to a number ("(1,234.50)" gives "-1234.50", "12 kg" gives "12").
QString NormalizeNumberText(const QString& Text);
// The Unicode number characters (digits, superscripts, fractions...).
bool IsDigitChar(QChar Ch);
// True when the first date separator stands at position 2 or later and another follows after at
// least one character.
bool LooksLikeDate(const QString& Text);

// ---------------------------------------------------------------------------------------------
// Filter expressions
// ---------------------------------------------------------------------------------------------

// Matches Value against a filter expression: conditions joined by "&" (and) or "|", ";", "^" (or),
// evaluated strictly left to right without precedence, "(" ")" grouping, blanks outside double
// quotes ignored, a leading "=" dropped. Without CaseSensitive both sides are upper-cased.
bool MatchFilterExpression(const QString& Expression, const QString& Value, bool CaseSensitive);
// One condition: comparisons ">", ">=", "<", "<=" (as numbers, locale dates or texts), "!" negation,
// wildcards "*" and "?", quotes; a failed comparison falls back to a literal pattern match.
bool MatchFilterCondition(const QString& Condition, const QString& Value);
// A date in the short date format's field order, optionally followed by a blank and a time
// "h:m" or "h:m:s". False for anything malformed or not on the calendar; the date is still stored
// when only the time part lacks its separator.
bool ParseLocaleDateTime(const QString& Text, TDateTime& DateTime);

// ---------------------------------------------------------------------------------------------
// Text exchange helpers
// ---------------------------------------------------------------------------------------------

// Every double quote doubled.
QString DoubleQuoteChars(const QString& Text);
// Each pair Ch Ch made one Ch, left to right; Text unchanged when it holds no Ch.
QString UndoubleChar(QChar Ch, const QString& Text);
// CR LF becomes character 11, then the text is enclosed in double quotes.
void QuoteCSVField(QString& Text);
// Character 11 becomes CR LF.
void DecodeCSVLineBreaks(QString& Text);
// The CR of every CR LF pair is deleted.
void RemoveCRBeforeLF(QString& Text);
// CR becomes "~", LF is dropped.
void TildeEncodeLineBreaks(QString& Text);
// "~" becomes CR LF; a result of exactly "^" becomes empty.
void TildeDecodeLineBreaks(QString& Text);
// Only for a text holding a CR: CR becomes 9, LF 8 and character 0 becomes 1.
QString EncodeCellLineBreaks(const QString& Text);
// Only for a text holding character 8: 9 becomes CR, 8 LF and 1 becomes 0; then the whole text,
// or without KeepAllLines its first line.
QString DecodeCellLineBreaks(const QString& Text, bool KeepAllLines);
// The text before the first CR; the CR and one LF after it are removed from Text, which keeps the
// rest only with KeepRest (and is emptied otherwise). Without a CR all of Text is the line.
QString TakeFirstLine(QString& Text, bool KeepRest);
// 1 plus the number of CRs with MultiLine, else 1.
int32_t CountLines(const QString& Text, bool MultiLine);
// Backslash "n" becomes CR.
QString UnescapeLineBreaks(const QString& Text);
// CR becomes backslash "n"; LF is dropped.
QString EscapeLineBreaks(const QString& Text);
QString RemoveCR(const QString& Text);
QString CRToLF(const QString& Text);
// CR becomes "<br>" (LF kept).
QString LineBreaksToHTML(const QString& Text);
// The 1-based position of the last Ch of the first odd run of Ch followed by another character,
// or of a Ch that ends the text; 0 when there is none. Pos receives the answer too.
int32_t FindOddCharRun(QChar Ch, const QString& Text, int32_t& Pos);
// How often FindOddCharRun finds a position when each search restarts after the one found.
int32_t CountOddCharRuns(QChar Ch, const QString& Text);
int32_t CountChar(QChar Ch, const QString& Text);

// The text in the OEM code page (437), as ANSI characters whose bytes are the OEM bytes; a
// character the code page lacks becomes "?".
void StringToOEM(QString& Text);
// The reverse: the text's ANSI bytes read as OEM code page bytes.
void OEMToString(QString& Text);

// Month-first and day-first dates split by "/", "." or "-"; years written with up to two digits
// take a century (0-25 are 2000-2025, 26-99 are 1926-1999), longer ones are taken as written.
// 0 for a malformed text; a date not on the calendar raises EConvertError.
TDateTime ParseDateMDY(const QString& Text);
TDateTime ParseDateDMY(const QString& Text);
// The next date of a pasted series: Date + Days when only Days is set, the same day Years or
// Months later when only one of them is set (time of day dropped), else Date + Delta. A date
// not on the calendar raises EConvertError.
TDateTime IncrementDate(int16_t Years, int16_t Months, int16_t Days, TDateTime Date, TDateTime Delta);
// Upper-case word starts after blank, apostrophe, comma, hyphen and full stop, with the "Mc" and
// Roman "II"/"III" rules.
QString ProperCase(const QString& Text);

// True when Text holds "://" or "mailto:".
bool ContainsURL(const QString& Text);
// Deletes up to and including the first "://", else the first "mailto:".
void StripURLProtocol(QString& Text);
// Result is Text with "<" and ">" escaped and the link starting with Prefix (upper case, such as
// "MAILTO:") wrapped in an anchor; false when Text holds no Prefix.
bool InsertURLAnchor(const QString& Text, const QString& Prefix, QString& Result);
// Six upper-case hexadecimal digits red, green, blue of a colour whose low byte is red.
QString ColorToHexRGB(TColor Color);
// The clipboard's HTML format of an HTML fragment, as the UTF-8 bytes it is written in: the
// header lines with the byte offsets of the document and the fragment, the document type, a head
// declaring UTF-8, and the fragment inside the body between the fragment markers.
QByteArray WrapHTMLForClipboard(const QString& Html);

// 1-based position of SubText in Text, also stored in Pos; 0 when absent.
int32_t FindSubstring(const QString& SubText, const QString& Text, int32_t& Pos);
// 1-based position of Ch in Text; Pos is set only when found.
int32_t FindCharPos(QChar Ch, const QString& Text, int32_t& Pos);
int32_t CharPos(QChar Ch, const QString& Text);
// Position of SubText (given in upper case) in the upper-cased Text.
int32_t PosInUpperText(const QString& SubText, const QString& Text);
// The text before the first Delimiter; Text loses it and the delimiter. Without a delimiter the
// result is empty and Text stays.
QString CutToDelimiter(QString& Text, QChar Delimiter);
// All strings of List joined without separator.
QString ConcatStrings(const TStrings* List);
// Every character of Text replaced by Ch.
void FillChars(QString& Text, QChar Ch);
// "R<row>C<column>" (any case, longer than 3 characters): Point.X the column, Point.Y the row.
bool ParseRCReference(const QString& Text, TPoint& Point);
// Col within Left..Right and Row within Top..Bottom, bounds included.
bool IsCellInGridRect(const TRect& Rect, int32_t Col, int32_t Row);
int32_t MaxOf(int32_t A, int32_t B);
int32_t MinOf(int32_t A, int32_t B);
// Value, unless Min differs from Max: then Min when Min > 0 and Value < Min, Max when Max > 0 and
// Value > Max.
int32_t ClampToLimits(int32_t Value, int32_t Min, int32_t Max);

// ---------------------------------------------------------------------------------------------
// Drawing routines. Each leaves the canvas's pen, brush and font as it used them last.
// ---------------------------------------------------------------------------------------------

enum TCellShape {
    csRectangle,
    csCircle,
    csTriangleLeft,
    csTriangleRight,
    csTriangleUp,
    csTriangleDown,
    csDiamond,
    csLineVert,
    csLineHorz,
    csRoundRect,
    csEllips,
    csSquare,
    csRoundSquare,
    csStar,
    csArrowUp,
    csArrowDown,
    csArrowLeft,
    csArrowRight,
    csHalfStar
};

// Steps + 1 solid bands from FromColor to ToColor across the width (Horizontal) or the height;
// Steps is limited to the extent less one and raised to 1. With either colour clNone the
// rectangle is filled solid with the other.
void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int32_t Steps, TRect R, bool Horizontal);
// With Fill: Color solid, one gradient Color to ColorTo, or with MirrorColor the first half
// Color to ColorTo and the second MirrorColor to MirrorColorTo (halves top and bottom with
// Direction, else left and right; 128 steps across the split). Then the border in BorderColor
// (only the side lines with SideLinesOnly) unless it is clNone.
void DrawMirrorGradient(TCanvas* Canvas, TRect R, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, bool Direction, TColor BorderColor, bool SideLinesOnly, bool Fill);
// The colour at Position of a gradient from Color1 to Color2 over RangeStart..RangeEnd; Color1
// when Color2 is clNone or the range is empty.
TColor InterpolateColor(TColor Color1, TColor Color2, int32_t RangeStart, int32_t RangeEnd, int32_t Position);
// Each channel halved.
TColor HalveColor(TColor Color);
// Each channel c becomes c + c * Percent / 100, rounded and limited to 0..255.
TColor ScaleColor(TColor Color, int32_t Percent);
// Percent of C1 and the rest of C2 per channel (halves to even, limited to 255): C1 from 100 on
// (clNone too), C2 below 1 or when C1 is clNone, C1 when C2 is clNone.
TColor BlendColors(TColor C1, TColor C2, int32_t Percent);
// C1 unchanged without Blend.
TColor BlendColorsIf(TColor C1, TColor C2, bool Blend, int32_t Percent);
// One cell's part of a selection box with rounded ends. EndKind: 0 both ends rounded, 1 the left,
// 2 the right, 3 neither, 4 neither but the horizontal lines inset as if rounded. R loses 2
// pixels at the bottom and 1 at the right first.
void DrawRoundedSelection(TCanvas* Canvas, TColor Color, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
                          TColor TopInnerColor, TColor BottomInnerColor, TColor BorderColor, TColor InnerCornerColor,
                          TColor CornerColor, TRect R, int32_t EndKind);
// One of the cell shapes in the area X, Y, Width, Height.
void DrawCellShape(TCanvas* Canvas, int32_t X, int32_t Y, int32_t Width, int32_t Height, TCellShape Shape,
                   TColor BrushColor, TColor PenColor);
// The bitmap resource ResName drawn by DrawBitmapOnColor.
void DrawBitmapResource(TCanvas* Canvas, TColor Background, const TRect& R, const QString& ResName);
// Bitmap at R's top-left at its own size, its top-left pixel's colour replaced by Background.
void DrawBitmapOnColor(TCanvas* Canvas, TBitmap* Bitmap, TColor Background, const TRect& R);
// A red zig-zag (pen width 2, steps of 3 pixels) under Count characters of Text from the 0-based
// Start, where a hidden edit over R on Parent (in Parent's font) places them, YOffset pixels
// further down. Nothing without a parent.
void DrawErrorUnderline(TWinControl* Parent, TCanvas* Canvas, const QString& Text, const TRect& R, int32_t YOffset,
                        int32_t Start, int32_t Count);
// A filled triangle (X - 3, Y), (X + 3, Y), (X, Y + 3).
void DrawDownTriangle(TCanvas* Canvas, int32_t X, int32_t Y, TColor Color);
// The brush takes Color and R is filled.
void FillRectColor(TCanvas* Canvas, const TRect& R, TColor Color);
// Pen and brush take Color, so that figures are drawn in one colour, outline and fill.
void SetPenAndBrushColor(TCanvas* Canvas, TColor Color);

// The layered-window functions, passed through; their result is the platform function's.
bool CallUpdateLayeredWindow(HWND Wnd, HDC DestDC, const TPoint* DestPos, const TSize* Size, HDC SourceDC,
                             const TPoint* SourcePos, COLORREF Key, const BLENDFUNCTION* Blend, uint32_t Flags);
bool CallSetLayeredWindowAttributes(HWND Wnd, COLORREF Key, uint8_t Alpha, uint32_t Flags);

// ---------------------------------------------------------------------------------------------
// Progress indicators and button faces
// ---------------------------------------------------------------------------------------------

// Button looks and states of DrawComboButton, DrawPushButtonFace and DrawSpinButtons. A themed
// look falls back to the classic one while ThemedPaintingActive is false.
enum : int32_t {
    blThemed = 0,
    blClassic = 1,
    blFlat = 2,
    blTones = 3,
};
enum : int32_t {
    bstNormal = 0,
    bstHot = 1,
    bstDown = 2,
    bstDisabled = 3,
};

struct TProgressLevelInfo {
    TColor Level0Color = clNone;
    TColor Level0ColorTo = clNone;
    TColor Level1Color = clNone;
    TColor Level1ColorTo = clNone;
    TColor Level2Color = clNone;
    TColor Level2ColorTo = clNone;
    TColor Level3Color = clNone;
    TColor Level3ColorTo = clNone;
    int32_t Level1Perc = 0;
    int32_t Level2Perc = 0;
    TColor BorderColor = clNone;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = false;
    TFont* Font = nullptr;  // not owned; the percentage text's font
    TColor TextColor = clBlack;
    bool CompletionSmooth = false;
    bool ShowGradient = false;
    int32_t Steps = 0;
    int32_t Reserved = 0;
    TColor BackgroundColor = clNone;
    bool Vertical = false;
};

// A bar of Value within Min..Max (with Format: Format applied to Value, as an integer for a d, u
// or x conversion, else as a real number; without: Value as a percentage followed by "%"), the
// text changing colour where the bar ends, in a frame of BorderColor and one of the brush colour
// at entry. An empty range, and a value that is not finite, draw 0 %; a format that does not fit
// one value is shown as it stands. Printing: the text height counts negative (y grows upwards).
void DrawProgressBar(TCanvas* Canvas, TRect R, TColor DoneColor, TColor DoneTextColor, TColor RestColor,
                     TColor RestTextColor, double Value, int32_t MarginX, int32_t MarginY, int32_t Min, int32_t Max,
                     const QString& Format, TColor BorderColor, bool Printing);
// A grey circle with radii to twelve o'clock and to Percent of the turn clockwise; the part
// between them is flood-filled in FillColor, within R (from above R's top when Printing, where
// y grows upwards). Nothing is filled on a canvas whose pixels cannot be read.
void DrawProgressPie(TCanvas* Canvas, TRect R, TColor FillColor, int32_t Percent, bool Printing);
// A bar from the middle: Value within -Range..Range, negative to the left in NegativeColor,
// positive to the right in PositiveColor; ShowValue writes the value centred over the bar on a
// clear brush. A range of 0 or less draws the empty bar.
void DrawRangeIndicator(TCanvas* Canvas, TRect R, int32_t Value, int32_t Range, bool ShowValue, TColor NegativeColor,
                        TColor PositiveColor);
// A progress bar coloured by level thresholds, stacked or in one colour, smooth or in blocks;
// Percent is limited to 0..100 for the bar, the text shows it as given.
void DrawLevelProgressBar(TCanvas* Canvas, TRect R, int32_t Percent, const TProgressLevelInfo& Info);
// A drop-down button at the right edge of R.
void DrawComboButton(TCanvas* Canvas, HWND Wnd, TRect R, int32_t Look, int32_t State, const TColorTones& Tones);
// A push button face over all of R.
void DrawPushButtonFace(TCanvas* Canvas, HWND Wnd, TRect R, int32_t Look, int32_t State, const TColorTones& Tones);
// An up and a down button at the right edge of R.
void DrawSpinButtons(TCanvas* Canvas, HWND Wnd, TRect R, int32_t Look, int32_t State, const TColorTones& Tones);
