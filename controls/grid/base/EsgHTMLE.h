// Cell markup: the renderer that measures, draws and hit-tests it, and the text routines around it (entities, colour names, control tags, plain text, marking found text).
#pragma once

#include "graphics/Colors.h"
#include "rtl/Types.h"
#include "windows/Messages.h"

#include <QString>

#include <cstdint>

class TBitmap;
class TCanvas;
class TCustomImageList;
class THTMLPictureCache;
class TPictureContainer;

// ---------------------------------------------------------------------------------------------
// The renderer
// ---------------------------------------------------------------------------------------------

// Colours of the HI tag: its background and its text. They keep their values between calls.
extern TColor MarkupHighlightColor;
extern TColor MarkupHighlightTextColor;
void SetMarkupHighlightColors(TColor Background, TColor Text);

// Lays Text out in Rect line by line; in one call it measures, draws and tells which link or
// control lies under the point (HitX, HitY). The canvas's font, pen and brush are the starting
// style and are as they were when the call returns.
//
// Inputs: Images serve "IDX:" image sources (may be nil). FocusLink is the number of links before
// the link with the keyboard focus (-1 none), HoverLink the number (from 1) of the link under the
// mouse (-1 none). ShadowOffset shifts the shadow of SHAD text right and down. HitTest draws
// nothing: the second pass only measures and hit-tests, and the control whose ID is ControlID
// counts as hit. MeasureOnly runs the measuring pass alone: nothing is drawn, lines are neither cut
// at the bottom nor aligned, and the result is false. ScaleImages stretches image-list images and
// shell icons by ImageScale. FixedColors leaves the font and brush colours to the caller. BlinkOn
// is the visible phase of BLINK text. HoverUnderlineOnly underlines and colours only the hovered
// link. WordWrap breaks lines at blanks; without it a line is cut with an end ellipsis. Down is
// the mouse button state for the pressed look of buttons. LinkColor is the font colour of links,
// HoverColor and HoverFontColor the background and font colour of the hovered link (clNone: none),
// ShadowColor that of shadows. PictureCache keeps pictures with "://" sources (may be nil),
// PictureContainer names the others (may be nil). Window serves the visual-style data of controls.
// BiDiMode: 0 left to right, 1 right to left, 2 and 3 the other right-to-left modes.
//
// Outputs: Link is the reference of the link under the point ("ctrl" for a control), LinkTitle
// its TITLE, LinkRect its rectangle (left as it was when no link is hit) and HoveredLink its
// number (-1 none). PlainText is the visible
// text, FocusLinkRef the reference of the focused link. Width is the widest line's width, Height
// the height of all lines (one "gh" line at least). LinkCount counts the links. For the control
// hit: ControlRect, ControlID (cleared on entry unless HitTest), ControlValue, ControlType.
//
// The result is true when the point hits a link's text, a picture inside a link or a control.
bool DrawMarkup(TCanvas* Canvas, const QString& Text, const TRect& Rect, TCustomImageList* Images, int32_t HitX,
                int32_t HitY, int32_t FocusLink, int32_t HoverLink, int32_t ShadowOffset, bool HitTest,
                bool MeasureOnly, bool ScaleImages, bool FixedColors, bool BlinkOn, bool HoverUnderlineOnly,
                bool WordWrap, bool Down, double ImageScale, TColor LinkColor, TColor HoverColor,
                TColor HoverFontColor, TColor ShadowColor, QString& Link, QString& PlainText, QString& FocusLinkRef,
                QString& LinkTitle, int32_t& Width, int32_t& Height, int32_t& LinkCount, int32_t& HoveredLink,
                TRect& LinkRect, TRect& ControlRect, QString& ControlID, QString& ControlValue,
                QString& ControlType, THTMLPictureCache* PictureCache, TPictureContainer* PictureContainer,
                HWND Window, int32_t BiDiMode);

// ---------------------------------------------------------------------------------------------
// Entities and colours
// ---------------------------------------------------------------------------------------------

// "&lt;", "&gt;", "&amp;" and "&quot;", and with UseTable the 51 named letters and signs of the
// entity table ("&eacute;", "&copy;", "&euro;", ...), become their characters. Each entity is
// decoded once: "&amp;quot;" gives "&quot;".
QString DecodeHTMLEntities(const QString& Text, bool UseTable);
// "&", the double quote, "<" and ">" become entities, and with UseTable the characters of the
// entity table too. DecodeHTMLEntities gives the text back.
QString EncodeHTMLEntities(const QString& Text, bool UseTable);
// Every blank becomes "&nbsp;".
QString SpacesToNbsp(const QString& Text);
// The colour of a lower-case colour name ("clred", "clwindow", ...); 0 (black) for any other.
TColor ColorNameToColor(const QString& Name);
// "#RRGGBB" with upper-case hexadecimal digits as a colour (red in the low byte).
TColor HTMLColorToColor(const QString& Text);
// 16 x d(first) + d(second) for the first two characters, d being the character code less 48
// below "A" and less 55 from "A" on; 0 for a text shorter than two characters.
int32_t HexPairToByte(const QString& Text);

// ---------------------------------------------------------------------------------------------
// Control tags: <CONTROL TYPE="..." ID="..." VALUE="..." WIDTH="..." ...>
// ---------------------------------------------------------------------------------------------

// The attributes of one control tag; absent ones are empty.
struct TControlTag {
    // EDIT, PASSWORD, MASK, COMBO, CHECK, RADIO or BUTTON, upper-cased.
    QString Type;
    QString ID;
    QString MaxLen;
    // Entity-decoded; the grid uses it as the edit mask of a MASK control.
    QString Prop;
    QString Height;
    QString Width;
    // Entity-decoded; "TRUE" or "FALSE" for CHECK and RADIO.
    QString Value;
};

// Reads the NAME="value" pairs of one tag (names without regard to case, the first of each name
// counting; a name inside another attribute's value is part of that value).
TControlTag ParseControlTag(const QString& TagText);
// The text holds "<CONTROL", in any case.
bool HasControlTag(const QString& Text);
// The decoded VALUE of the control whose ID is ID (case-sensitive); false when there is none.
bool GetControlValue(const QString& Text, const QString& ID, QString& Value);
// The decoded PROP of that control; empty when absent.
QString GetControlProp(const QString& Text, const QString& ID);
// The leading integer of that control's MAXLEN; 0 when absent.
int32_t GetControlMaxLen(const QString& Text, const QString& ID);
// Rewrites the first control whose ID is ID with the new value, keeping its WIDTH, TYPE, PROP,
// MAXLEN and HEIGHT; false, with Text unchanged, when no control has that ID.
bool SetControlValue(QString& Text, const QString& ID, const QString& Value);
// Every RADIO control's VALUE becomes "FALSE".
QString ResetRadioControls(const QString& Text);
// The ID of the first control after the one with CurrentID (from the start for an empty one)
// that is not a BUTTON, CHECK or RADIO; empty when there is none.
QString NextEditControlID(const QString& Text, const QString& CurrentID);
// One "*" per character.
QString PasswordMask(const QString& Text);

// ---------------------------------------------------------------------------------------------
// Plain text and marking found text
// ---------------------------------------------------------------------------------------------

// "<BR>" and "<HR>" (any case) become CR LF and every other tag goes; from a "<" without a ">"
// after it the text stays. Entities stay as written.
QString MarkupToPlainText(const QString& Markup);
// The text without its tags, as long as each "<" comes before the next ">"; from a "<" without
// ">", or a ">" before the next "<", the rest stays.
QString MarkupVisibleText(const QString& Markup);
// The 1-based position in Markup of the first character with N - 1 visible characters before it,
// so that an insertion there comes before the tags in front of the N-th visible character; at the
// end, its length + 1 when exactly N - 1 were counted, else 0.
int32_t VisibleToMarkupPos(const QString& Markup, int32_t N);
// The position of Search in Text after the first Offset characters (both upper-cased with the
// locale unless CaseSensitive); 0 when absent.
int32_t FindTextFrom(const QString& Search, const QString& Text, int32_t Offset, bool CaseSensitive);
// Every occurrence of Search in the visible text wrapped in <Tag> and </Tag>. A text with loose
// "<" or ">" is first made plain text with "&lt;" and "&gt;".
QString MarkTextInMarkup(const QString& Markup, const QString& Search, const QString& Tag, bool CaseSensitive);
// Every <Tag> and </Tag> removed (any case), then "&lt;" and "&gt;" made "<" and ">".
QString UnmarkTextInMarkup(const QString& Markup, const QString& Tag);

// ---------------------------------------------------------------------------------------------
// Small helpers and picture drawing
// ---------------------------------------------------------------------------------------------

// Position of Sub in Text, both upper-cased; 0 when absent.
int32_t PosNoCase(const QString& Sub, const QString& Text);
// Replaces the first occurrence of Find (found without regard to case); false when there is none.
bool ReplaceFirstNoCase(const QString& Find, const QString& Replacement, QString& Text);
// The integer at the start of Text: blanks skipped, an optional sign, decimal digits or "$" or
// "0x" and hexadecimal digits, up to the first character that cannot continue it; 0 when none.
// Values beyond 32 bits stop at the largest 32-bit value of their sign.
int32_t IntOf(const QString& Text);
// Name is an existing folder.
bool IsDirectory(const QString& Path);
// Draws Bitmap stretched into Rect with SRCCOPY.
void StretchBitmapToRect(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap);
// A shell icon, named by its index or by a file or folder name, small or large. The platform has
// no shell image lists: Size receives the system's icon size (16 or 32 pixels square) and nothing
// is drawn.
void DrawShellIcon(TCanvas* Canvas, int32_t X, int32_t Y, const QString& Name, bool Large, bool Draw, bool Stretch,
                   double Scale, TSize& Size);
