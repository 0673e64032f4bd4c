// Internals shared by the markup sources: the tag attribute reader and the renderer's line walker.
#pragma once

#include "grid/base/EsgHTMLE.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"

#include <QAnyStringView>
#include <QList>
#include <QString>
#include <QStringView>

#include <cstdint>

class THTMLPicture;

// The NAME="value" pairs of one tag, in order: a name runs to "=", a blank or ">"; a value in
// double quotes runs to the closing quote (to the end when there is none), any other value to
// the next blank. A name within a quoted value is part of that value.
class TTagAttributes {
public:
    // Tag runs from its "<" up to and maybe including its ">".
    explicit TTagAttributes(QStringView Tag);
    // Name in upper case.
    bool Has(QLatin1StringView Name) const;
    // The value of the first attribute Name (in upper case), as written; empty when absent.
    QString Value(QLatin1StringView Name) const;

private:
    struct TAttribute {
        QString Name;
        QString Value;
    };
    const TAttribute* Find(QAnyStringView Name) const;

    QList<TAttribute> FAttributes;
};

// Pixel numbers read from tags stay within these bounds, so layout arithmetic cannot overflow.
inline constexpr int32_t MaxTagPixels = 32767;
// Coordinates of the layout saturate here.
inline constexpr int32_t MaxCoordinate = 1 << 28;
// A + B, kept within +-MaxCoordinate.
int32_t AddClamped(int32_t A, int32_t B);

// A colour value of a tag: "#RRGGBB" or a colour name.
TColor MarkupColor(const QString& Value);
// The integer attribute Name, Default when absent or not a number, within +-MaxTagPixels.
int32_t IntAttribute(const TTagAttributes& Attributes, QLatin1StringView Name, int32_t Default);

// Keeps the canvas's pen or brush and puts it back when it goes.
template <typename T, T* (TCanvas::*Tool)() const>
class TKeepTool {
public:
    explicit TKeepTool(TCanvas* Canvas) : FCanvas(Canvas) { FSaved.Assign((Canvas->*Tool)()); }
    ~TKeepTool() { (FCanvas->*Tool)()->Assign(&FSaved); }
    TKeepTool(const TKeepTool&) = delete;
    TKeepTool& operator=(const TKeepTool&) = delete;

private:
    TCanvas* FCanvas;
    T FSaved;
};
using TKeepBrush = TKeepTool<TBrush, &TCanvas::Brush>;
using TKeepPen = TKeepTool<TPen, &TCanvas::Pen>;

// The inputs of DrawMarkup.
struct TMarkupInput {
    TCanvas* Canvas = nullptr;
    TRect Rect;
    TCustomImageList* Images = nullptr;
    TPoint Hit;
    int32_t FocusLink = -1;
    int32_t HoverLink = -1;
    int32_t ShadowOffset = 0;
    bool HitTest = false;
    bool MeasureOnly = false;
    bool ScaleImages = false;
    bool FixedColors = false;
    bool BlinkOn = false;
    bool HoverUnderlineOnly = false;
    bool WordWrap = false;
    bool Down = false;
    double ImageScale = 1;
    TColor LinkColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    // The control that counts as hit in hit-test mode.
    QString ControlID;
    THTMLPictureCache* PictureCache = nullptr;
    TPictureContainer* PictureContainer = nullptr;
    HWND Window = nullptr;
    int32_t BiDiMode = 0;
};

// The outputs of DrawMarkup, as they are cleared on entry.
struct TMarkupOutput {
    bool Hit = false;
    QString Link;
    QString PlainText;
    QString FocusLinkRef;
    QString LinkTitle;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t LinkCount = 0;
    int32_t HoveredLink = -1;
    // Set only when the point is on a link.
    bool HasLinkRect = false;
    TRect LinkRect;
    TRect ControlRect;
    QString ControlID;
    QString ControlValue;
    QString ControlType;
};

// What tags set as the markup is walked; restored at each line's start for the second pass.
struct TMarkupState {
    bool InLink = false;
    bool Shadow = false;
    bool Subscript = false;
    bool Superscript = false;
    bool Hidden = false;
    bool ErrorMark = false;
    bool ParaBackground = false;
    int32_t ListLevel = 0;
    int32_t LinkNumber = 0;
    int32_t PictureNumber = 0;
    QString LinkRef;
    QString LinkTitle;
    // 0 left, 1 right, 2 centre: set by P tags for all following lines.
    int32_t Alignment = 0;
    int32_t Indent = 0;
    // Colours remembered by opening tags for their closing tags (clNone: a clear brush).
    TColor LinkBrush = clNone;
    TColor LinkFontColor = clNone;
    TColor FontBrush = clNone;
    TColor HighlightBrush = clNone;
    TColor HighlightFontColor = clNone;
    TColor ParaBrush = clNone;
    TColor ParaColor = clNone;
    int32_t SavedOrientation = 0;
    // The point lies on the current link; where that link and the focus rectangle start on this line.
    bool PointOnLink = false;
    int32_t LinkStartX = 0;
    int32_t FocusStartX = 0;
};

// Measures of one line.
struct TLineMetrics {
    int32_t Width = 0;
    // The tallest item.
    int32_t Height = 0;
    // Room below for subscripts and above for superscripts.
    int32_t Descent = 0;
    int32_t Ascent = 0;
    // How far the text is lifted by an image aligned TOP or MIDDLE.
    int32_t Lift = 0;
    int32_t Total() const { return Height + Descent + Ascent; }
};

// What an image source names, and the size it takes in the line.
struct TInlinePicture {
    enum TKind { ipNone, ipImageIndex, ipShellIcon, ipPicture };
    TKind Kind = ipNone;
    // ipImageIndex: the image of the image list.
    int32_t Index = 0;
    // ipShellIcon: the icon's index or file name, and its size.
    QString ShellName;
    bool Large = false;
    // ipPicture, drawn stretched to a WIDTH or HEIGHT the tag asks for.
    THTMLPicture* Picture = nullptr;
    bool Requested = false;
    TSize Size;
};

// One DrawMarkup call. Each line is walked twice: the measuring pass finds where it ends and how
// big it is; the second pass, at the aligned place, draws (or only hit-tests) the same markup.
class TMarkupRenderer {
public:
    TMarkupRenderer(const TMarkupInput& Input, TMarkupOutput& Output);
    void Run(const QString& Text);

private:
    enum TStep { stContinue, stLineEnd, stLineEndBefore, stTextEnd };

    // --- Lines (EsgHTMLEDraw.cpp) ---
    // Walks the line that starts at FPos up to Limit; leaves FPos where the line ends.
    void WalkLine(qsizetype Limit);
    TStep TextRun(QStringView Source);
    TStep Tag(QStringView Tag);
    TStep OpeningTag(QStringView Tag, const QString& Upper);
    TStep ClosingTag(const QString& Upper);
    void OpenLink(QStringView Tag);
    void CloseLink();
    void Font(QStringView Tag);
    void CloseFont();
    void Paragraph(QStringView Tag);
    void Rotate(QStringView Tag);
    void HorizontalRule();
    void SetStyle(TFontStyle Style, bool On);
    // Draws a run of text at the current place.
    void DrawRun(const QString& Text, int32_t Width);
    void ErrorZigZag(int32_t Left, int32_t Right, int32_t Bottom);
    void DrawFocus(int32_t FromX);
    // Fills the given rectangle's width over the line's height.
    void FillLine(TColor Color);
    // Moves the current place past an item that is not text.
    void Advance(int32_t Width);
    // The link or picture under the point: the link outputs take the current link.
    void HitLink();

    // --- Items (EsgHTMLEItems.cpp) ---
    TStep Picture(QStringView Tag);
    TInlinePicture ResolvePicture(const TTagAttributes& Attributes, const QString& Source);
    void DrawPicture(const TInlinePicture& Picture, const TRect& Area);
    // A picture named without ":" comes from the container, one with "://" from the cache, which
    // loads it the first time.
    THTMLPicture* FindPicture(const QString& Source);
    TStep Control(QStringView Tag);
    void DrawControl(const TControlTag& Control, int32_t Width, int32_t Height, int32_t LineHeight, bool Over);
    void ControlText(const QString& Text, TRect Area, uint32_t Alignment);
    void DrawThemed(const char16_t* ClassName, int32_t Part, int32_t State, const TRect& Area);
    TStep Bullet();
    void Body(QStringView Tag);

    // --- Canvas helpers ---
    TColor BrushColorOrNone() const;
    void SetBrushColorOrClear(TColor Color);
    // The text bottom of the line (its bottom less the subscript room) in the second pass.
    int32_t TextBottom() const { return FTop + FMeasured.Height + FMeasured.Ascent; }
    int32_t LineBottom() const { return FTop + FMeasured.Total(); }
    bool InFocusLink() const { return FState.InLink && FState.LinkNumber == FIn.FocusLink + 1; }
    // Whether the item about to be placed may end the line before it: never as the line's first.
    bool LineStarted() const { return FPos > FLineStart; }
    // Whether the line so far ends with a blank, a place to break.
    bool BreakBefore() const { return FLineText.endsWith(QLatin1Char(' ')); }

    const TMarkupInput& FIn;
    TMarkupOutput& FOut;
    TCanvas* FCanvas;
    QString FText;
    uint32_t FFormat = 0;
    bool FThemed = false;
    // Height of "gh" in the canvas's font at entry.
    int32_t FGh = 0;
    TFont FBaseFont;
    TBrush FEntryBrush;
    TMarkupState FState;
    // The picture under the point, found by number.
    int32_t FHoverPicture = 0;

    // The pass under way: whether it draws, and whether it hit-tests (at the line's final place).
    bool FDrawing = false;
    bool FFinal = false;
    // The line under way.
    qsizetype FPos = 0;
    qsizetype FLineStart = 0;
    int32_t FLeft = 0;
    int32_t FTop = 0;
    int32_t FAvailable = 0;
    int32_t FX = 0;
    TLineMetrics FLine;
    TLineMetrics FMeasured;
    QString FLineText;
    int32_t FTrailingBlank = 0;
    bool FBulletOnLine = false;
    bool FLinkHit = false;
    bool FItemHit = false;
    bool FTextCut = false;
};
