// The markup renderer: preparation, the two passes over each line, text runs and the style tags.
#include "grid/base/EsgHTMLEInternal.h"

#include "grid/base/ExtStyleIF.h"
#include "grid/base/ExtXPVS.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "rtl/NumConv.h"

#include <algorithm>
#include <array>

TColor MarkupHighlightColor = clHighlight;
TColor MarkupHighlightTextColor = clHighlightText;

namespace {

// Whether the system was Windows XP or later when the program started.
const bool XPOrLater = IsXPOrLater();

struct TReplacement {
    const char* Entity;
    const char16_t* Text;
};

// The entities decoded before the tags are read; "&&" is how text output shows one "&".
constexpr std::array<TReplacement, 9> TextEntities = {{
    {"&amp;", u"&&"},
    {"&quot;", u"\""},
    {"&sect;", u"\u00A7"},
    {"&permil;", u"\u2030"},
    {"&reg;", u"\u00AE"},
    {"&copy;", u"\u00A9"},
    {"&para;", u"\u00B6"},
    {"&trade;", u"\u2122"},
    {"&euro;", u"\u20AC"},
}};

// The entities of text between tags.
constexpr std::array<TReplacement, 3> RunEntities = {{
    {"&nbsp;", u" "},
    {"&lt;", u"<"},
    {"&gt;", u">"},
}};

// Text with Entities replaced, each once. Before the tags are read (SkipTags) the tags, "<" up to
// the next ">", stay as they are; in the text between tags "&&", one "&" on output, stays whole.
template <size_t N>
QString ReplaceEntities(const QString& Text, const std::array<TReplacement, N>& Entities, Qt::CaseSensitivity Case,
                        bool SkipTags)
{
    if (!Text.contains(QLatin1Char('&'))) return Text;
    QString result;
    result.reserve(Text.size());
    const QStringView text(Text);
    for (qsizetype i = 0; i < text.size();) {
        const QStringView rest = text.mid(i);
        if (SkipTags && rest.startsWith(QLatin1Char('<'))) {
            const qsizetype close = rest.indexOf(QLatin1Char('>'));
            const qsizetype length = close < 0 ? rest.size() : close + 1;
            result += rest.left(length);
            i += length;
            continue;
        }
        const auto* entity = rest.startsWith(QLatin1Char('&'))
            ? std::find_if(Entities.begin(), Entities.end(),
                           [&](const TReplacement& E) { return rest.startsWith(QLatin1StringView(E.Entity), Case); })
            : Entities.end();
        if (entity != Entities.end()) {
            result += QStringView(entity->Text);
            i += qsizetype(qstrlen(entity->Entity));
        } else if (!SkipTags && rest.startsWith(u"&&")) {
            result += u"&&";
            i += 2;
        } else {
            result += text[i++];
        }
    }
    return result;
}

// The markup ready to walk: "<#...>" shown as text, the entities of the text between tags decoded
// once (tags keep theirs for their own attribute reading), CR made a line break.
QString PrepareText(const QString& Markup)
{
    QString text = Markup;
    for (qsizetype at = text.indexOf(u"<#"); at >= 0; at = text.indexOf(u"<#", at)) {
        text.remove(at, 1);
        const qsizetype close = text.indexOf(QLatin1Char('>'), at);
        if (close >= 0) text.remove(close, 1);
    }
    text = ReplaceEntities(text, TextEntities, Qt::CaseInsensitive, true);
    text.remove(QLatin1Char('\n'));
    return text.replace(QLatin1Char('\r'), QLatin1String("<BR>"));
}

// The characters text output shows: "&&" is one "&", any other "&" marks the next character.
QString ShownText(const QString& Text)
{
    QString result;
    result.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (Text[i] == QLatin1Char('&') && ++i == Text.size()) break;
        result += Text[i];
    }
    return result;
}

// The canvas's pen, brush, font and background mode, put back when it goes.
class TKeepCanvas {
public:
    explicit TKeepCanvas(TCanvas* Canvas) : FCanvas(Canvas), FBkMode(GetBkMode(Canvas))
    {
        FPen.Assign(Canvas->Pen());
        FBrush.Assign(Canvas->Brush());
        FFont.Assign(Canvas->Font());
    }
    ~TKeepCanvas()
    {
        FCanvas->Pen()->Assign(&FPen);
        FCanvas->Brush()->Assign(&FBrush);
        FCanvas->Font()->Assign(&FFont);
        SetBkMode(FCanvas, FBkMode);
    }
    TKeepCanvas(const TKeepCanvas&) = delete;
    TKeepCanvas& operator=(const TKeepCanvas&) = delete;

private:
    TCanvas* FCanvas;
    int32_t FBkMode;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
};

// The style at a line's start, for the second pass.
struct TStyleSnapshot {
    explicit TStyleSnapshot(TCanvas* Canvas, const TMarkupState& State) : State(State)
    {
        Font.Assign(Canvas->Font());
        Brush.Assign(Canvas->Brush());
    }
    void Restore(TCanvas* Canvas, TMarkupState& Into)
    {
        Canvas->Font()->Assign(&Font);
        Canvas->Brush()->Assign(&Brush);
        Into = State;
    }

    TMarkupState State;
    TFont Font;
    TBrush Brush;
};

}  // namespace

TColor MarkupColor(const QString& Value)
{
    const QString upper = Value.trimmed().toUpper();
    return upper.startsWith(QLatin1Char('#')) ? HTMLColorToColor(upper) : ColorNameToColor(upper.toLower());
}

int32_t IntAttribute(const TTagAttributes& Attributes, QLatin1StringView Name, int32_t Default)
{
    return std::clamp(StrToIntDef(Attributes.Value(Name).trimmed(), Default), -MaxTagPixels, MaxTagPixels);
}

int32_t AddClamped(int32_t A, int32_t B)
{
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t(A) + B, -MaxCoordinate, MaxCoordinate));
}

void SetMarkupHighlightColors(TColor Background, TColor Text)
{
    MarkupHighlightColor = Background;
    MarkupHighlightTextColor = Text;
}

bool DrawMarkup(TCanvas* Canvas, const QString& Text, const TRect& Rect, TCustomImageList* Images, int32_t HitX,
                int32_t HitY, int32_t FocusLink, int32_t HoverLink, int32_t ShadowOffset, bool HitTest,
                bool MeasureOnly, bool ScaleImages, bool FixedColors, bool BlinkOn, bool HoverUnderlineOnly,
                bool WordWrap, bool Down, double ImageScale, TColor LinkColor, TColor HoverColor,
                TColor HoverFontColor, TColor ShadowColor, QString& Link, QString& PlainText, QString& FocusLinkRef,
                QString& LinkTitle, int32_t& Width, int32_t& Height, int32_t& LinkCount, int32_t& HoveredLink,
                TRect& LinkRect, TRect& ControlRect, QString& ControlID, QString& ControlValue,
                QString& ControlType, THTMLPictureCache* PictureCache, TPictureContainer* PictureContainer,
                HWND Window, int32_t BiDiMode)
{
    TMarkupInput in;
    in.Canvas = Canvas;
    in.Rect = Rect;
    in.Images = Images;
    in.Hit = {HitX, HitY};
    in.FocusLink = FocusLink;
    in.HoverLink = HoverLink;
    in.ShadowOffset = ShadowOffset;
    in.HitTest = HitTest;
    in.MeasureOnly = MeasureOnly;
    in.ScaleImages = ScaleImages;
    in.FixedColors = FixedColors;
    in.BlinkOn = BlinkOn;
    in.HoverUnderlineOnly = HoverUnderlineOnly;
    in.WordWrap = WordWrap;
    in.Down = Down;
    in.ImageScale = ImageScale;
    in.LinkColor = LinkColor;
    in.HoverColor = HoverColor;
    in.HoverFontColor = HoverFontColor;
    in.ShadowColor = ShadowColor;
    in.ControlID = ControlID;
    in.PictureCache = PictureCache;
    in.PictureContainer = PictureContainer;
    in.Window = Window;
    in.BiDiMode = BiDiMode;

    TMarkupOutput out;
    if (HitTest) out.ControlID = ControlID;
    TMarkupRenderer(in, out).Run(Text);

    Link = out.Link;
    PlainText = out.PlainText;
    FocusLinkRef = out.FocusLinkRef;
    LinkTitle = out.LinkTitle;
    Width = out.Width;
    Height = out.Height;
    LinkCount = out.LinkCount;
    HoveredLink = out.HoveredLink;
    if (out.HasLinkRect) LinkRect = out.LinkRect;
    ControlRect = out.ControlRect;
    ControlID = out.ControlID;
    ControlValue = out.ControlValue;
    ControlType = out.ControlType;
    return out.Hit;
}

// --- TMarkupRenderer: lines ---

TMarkupRenderer::TMarkupRenderer(const TMarkupInput& Input, TMarkupOutput& Output)
    : FIn(Input), FOut(Output), FCanvas(Input.Canvas)
{
}

void TMarkupRenderer::Run(const QString& Text)
{
    const TKeepCanvas keep(FCanvas);
    FBaseFont.Assign(FCanvas->Font());
    FEntryBrush.Assign(FCanvas->Brush());
    SetBrushColorOrClear(clNone);
    SetBkMode(FCanvas, TRANSPARENT);
    FThemed = XPOrLater && ThemeAPI.Loaded && ThemeAPI.IsThemeActive && ThemeAPI.IsThemeActive();
    FFormat = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;
    if (!FIn.WordWrap) FFormat |= DT_END_ELLIPSIS;
    // Mode 1 aligns right (the format has no alignment of its own to turn off).
    if (FIn.BiDiMode == 1) FFormat |= DT_RIGHT;
    if (FIn.BiDiMode != 0) FFormat |= DT_RTLREADING;
    FText = PrepareText(Text);
    FGh = FCanvas->TextHeight(QStringLiteral("gh"));
    FAvailable = FIn.Rect.Right - (FIn.Rect.Left + 1);

    FTop = FIn.Rect.Top;
    FPos = 0;
    while (FPos < FText.size() && !FTextCut) {
        const qsizetype start = FPos;
        TStyleSnapshot lineStart(FCanvas, FState);
        FDrawing = false;
        FFinal = false;
        FLeft = FIn.Rect.Left + 1;
        WalkLine(FText.size());
        const qsizetype end = FPos;
        FMeasured = FLine;
        FOut.Width = std::max(FOut.Width, FLine.Width);
        if (!FIn.MeasureOnly) {
            if (FState.Alignment == 1 && FIn.Rect.Right - FLine.Width > FLeft) FLeft = FIn.Rect.Right - FLine.Width;
            else if (FState.Alignment == 2 && (FIn.Rect.Right - FLeft - FLine.Width) / 2 > 0)
                FLeft += (FIn.Rect.Right - FLeft - FLine.Width) / 2;
            FLeft = AddClamped(FLeft, FState.Indent);
            lineStart.Restore(FCanvas, FState);
            FDrawing = !FIn.HitTest;
            FFinal = true;
            FPos = start;
            WalkLine(end);
            const int32_t bandBottom = LineBottom() - FMeasured.Lift;
            if ((FLinkHit && FIn.Hit.Y >= bandBottom - FGh && FIn.Hit.Y < bandBottom) || FItemHit) FOut.Hit = true;
        }
        FTop = AddClamped(FTop, FMeasured.Total());
        FOut.Height = AddClamped(FOut.Height, FMeasured.Total());
        if (!FIn.MeasureOnly && FTop + FGh > FIn.Rect.Bottom) break;
    }
    if (FOut.Height == 0) FOut.Height = FGh;
    FOut.LinkCount = FState.LinkNumber;
}

void TMarkupRenderer::WalkLine(qsizetype Limit)
{
    FLineStart = FPos;
    FX = 0;
    FLine = {};
    FLineText.clear();
    FTrailingBlank = 0;
    FBulletOnLine = false;
    FLinkHit = false;
    FItemHit = false;
    FState.LinkStartX = 0;
    FState.FocusStartX = 0;
    if (FDrawing && FState.ParaBackground) FillLine(FState.ParaColor);
    while (FPos < Limit) {
        TStep step;
        qsizetype next;
        if (FText[FPos] == QLatin1Char('<')) {
            const qsizetype close = FText.indexOf(QLatin1Char('>'), FPos);
            next = close < 0 ? FText.size() : close + 1;
            step = Tag(QStringView(FText).mid(FPos, next - FPos));
        } else {
            const qsizetype open = FText.indexOf(QLatin1Char('<'), FPos);
            next = open < 0 ? FText.size() : open;
            if (FIn.WordWrap) {
                const qsizetype blank = FText.indexOf(QLatin1Char(' '), FPos);
                if (blank >= 0 && blank < next) next = blank + 1;
            }
            step = TextRun(QStringView(FText).mid(FPos, next - FPos));
        }
        if (step == stLineEndBefore) break;
        FPos = next;
        if (step == stTextEnd) FTextCut = true;
        if (step != stContinue) break;
    }
    FLine.Width = FX - FTrailingBlank;
    if (FDrawing && InFocusLink()) DrawFocus(FState.FocusStartX);
}

TMarkupRenderer::TStep TMarkupRenderer::TextRun(QStringView Source)
{
    if (FState.Hidden) return stContinue;
    const QString text = ReplaceEntities(Source.toString(), RunEntities, Qt::CaseSensitive, false);
    const uint32_t measure = (FFormat & ~DT_END_ELLIPSIS) | DT_CALCRECT;
    TRect extent;
    DrawTextEx(FCanvas, text, -1, extent, measure, nullptr);
    const int32_t width = extent.Width();
    bool cut = false;
    if (FX + width > FAvailable && width < FAvailable) {
        if (FIn.WordWrap) {
            if (BreakBefore()) return stLineEndBefore;
        } else {
            // The run is shown up to the line's end with an ellipsis; the rest of the text goes.
            cut = true;
        }
    }
    FLine.Height = std::max(FLine.Height, extent.Height());
    if (FState.Subscript) FLine.Descent = std::max(FLine.Descent, extent.Height() / 4);
    if (FState.Superscript) FLine.Ascent = std::max(FLine.Ascent, extent.Height() / 4);
    const int32_t shown = cut ? std::max(0, FAvailable - FX) : width;
    if (FFinal && FState.InLink && FIn.Hit.X >= FLeft + FX && FIn.Hit.X < FLeft + FX + shown && FIn.Hit.Y >= FTop &&
        FIn.Hit.Y < LineBottom()) {
        HitLink();
        FLinkHit = true;
    }
    if (FDrawing) DrawRun(text, width);
    if (!FFinal) FOut.PlainText += ShownText(text);
    FLineText += Source;
    FTrailingBlank = 0;
    // A blank ending the line does not count in its width.
    if (!FFinal && !cut && text.endsWith(QLatin1Char(' '))) {
        QString visible = text;
        while (visible.endsWith(QLatin1Char(' '))) visible.chop(1);
        TRect trimmed;
        DrawTextEx(FCanvas, visible, -1, trimmed, measure, nullptr);
        FTrailingBlank = width - trimmed.Width();
    }
    FX = AddClamped(FX, cut ? shown : width);
    return cut ? stTextEnd : stContinue;
}

void TMarkupRenderer::Advance(int32_t Width)
{
    FX = AddClamped(FX, Width);
    FTrailingBlank = 0;
}

void TMarkupRenderer::HitLink()
{
    FOut.Link = FState.LinkRef;
    FOut.LinkTitle = FState.LinkTitle;
    FState.PointOnLink = true;
}

void TMarkupRenderer::DrawRun(const QString& Text, int32_t Width)
{
    int32_t bottom = TextBottom() - FMeasured.Lift;
    if (FState.Superscript) bottom -= FMeasured.Ascent;
    if (FState.Subscript) bottom += FMeasured.Descent;
    TRect area = Rect(FLeft + FX, FTop, std::min(FLeft + FX + Width, FIn.Rect.Right), bottom);
    if (FState.Shadow) {
        const TColor color = FCanvas->Font()->Color();
        FCanvas->Font()->SetColor(FIn.ShadowColor);
        TRect shadow = area;
        OffsetRect(shadow, FIn.ShadowOffset, FIn.ShadowOffset);
        DrawTextEx(FCanvas, Text, -1, shadow, FFormat, nullptr);
        FCanvas->Font()->SetColor(color);
    }
    DrawTextEx(FCanvas, Text, -1, area, FFormat, nullptr);
    if (InFocusLink()) FOut.FocusLinkRef = FState.LinkRef;
    if (FState.ErrorMark) ErrorZigZag(area.Left, area.Right, area.Bottom);
}

void TMarkupRenderer::ErrorZigZag(int32_t Left, int32_t Right, int32_t Bottom)
{
    TKeepPen keep(FCanvas);
    FCanvas->Pen()->SetColor(clRed);
    FCanvas->Pen()->SetWidth(1);
    const auto y = [Bottom](int32_t X) { return (X % 4 + 4) % 4 == 0 ? Bottom - 1 : Bottom + 1; };
    int32_t x = Left - (Left % 2 + 2) % 2;
    FCanvas->MoveTo(x, y(x));
    for (x += 2; x <= Right; x += 2) FCanvas->LineTo(x, y(x));
}

void TMarkupRenderer::DrawFocus(int32_t FromX)
{
    // The focus pattern shows whatever colours are in force: its dots turn white into black.
    const COLORREF text = SetTextColor(FCanvas, RGB(0, 0, 0));
    const COLORREF background = SetBkColor(FCanvas, RGB(255, 255, 255));
    DrawFocusRect(FCanvas, Rect(FLeft + FromX - 1, TextBottom() - FGh, FLeft + FX + 1, TextBottom()));
    SetTextColor(FCanvas, text);
    SetBkColor(FCanvas, background);
}

void TMarkupRenderer::FillLine(TColor Color)
{
    TKeepBrush keep(FCanvas);
    FCanvas->Brush()->SetColor(Color);
    FCanvas->FillRect(Rect(FIn.Rect.Left, FTop, FIn.Rect.Right, FTop + FMeasured.Height));
}

// --- TMarkupRenderer: tags ---

TMarkupRenderer::TStep TMarkupRenderer::Tag(QStringView Tag)
{
    const QString upper = Tag.toString().toUpper();
    if (upper.startsWith(u"</")) return upper.size() > 2 ? ClosingTag(upper) : stContinue;
    return upper.size() > 1 ? OpeningTag(Tag, upper) : stContinue;
}

TMarkupRenderer::TStep TMarkupRenderer::OpeningTag(QStringView Tag, const QString& Upper)
{
    const auto is = [&Upper](const char16_t* Start) { return Upper.startsWith(QStringView(Start)); };
    switch (Upper[1].unicode()) {
    case u'A':
        OpenLink(Tag);
        break;
    case u'B':
        if (is(u"<B>")) {
            SetStyle(fsBold, true);
        } else if (is(u"<BR")) {
            if (!FFinal) FOut.PlainText += QLatin1Char('\r');
            return stLineEnd;
        } else if (is(u"<BL")) {
            if (!FIn.BlinkOn) FCanvas->Font()->SetColor(FEntryBrush.Color());
        } else if (is(u"<BO") && FDrawing) {
            Body(Tag);
        }
        break;
    case u'C':
        return Control(Tag);
    case u'E':
        if (FDrawing) FState.ErrorMark = true;
        break;
    case u'F':
        Font(Tag);
        break;
    case u'H':
        if (is(u"<HI") && FDrawing) {
            FState.HighlightFontColor = FCanvas->Font()->Color();
            FState.HighlightBrush = BrushColorOrNone();
            FCanvas->Font()->SetColor(MarkupHighlightTextColor);
            SetBrushColorOrClear(MarkupHighlightColor);
        } else if (is(u"<HR")) {
            HorizontalRule();
            return stLineEnd;
        }
        break;
    case u'I':
        if (is(u"<I>")) {
            SetStyle(fsItalic, true);
        } else if (is(u"<IN")) {
            const int32_t x = IntAttribute(TTagAttributes(Tag), QLatin1StringView("X"), 0);
            if (FX < x) Advance(x - FX);
        } else if (is(u"<IM")) {
            return Picture(Tag);
        }
        break;
    case u'L':
        return Bullet();
    case u'P':
        Paragraph(Tag);
        break;
    case u'R':
        Rotate(Tag);
        break;
    case u'S':
        if (is(u"<S>")) SetStyle(fsStrikeOut, true);
        else if (is(u"<SH")) FState.Shadow = true;
        else if (is(u"<SUB")) FState.Subscript = true;
        else if (is(u"<SUP")) FState.Superscript = true;
        break;
    case u'U':
        if (is(u"<U>")) {
            SetStyle(fsUnderline, true);
            break;
        }
        ++FState.ListLevel;
        return stLineEnd;
    case u'Z':
        FState.Hidden = true;
        break;
    default:
        break;
    }
    return stContinue;
}

TMarkupRenderer::TStep TMarkupRenderer::ClosingTag(const QString& Upper)
{
    const auto is = [&Upper](const char16_t* Start) { return Upper.startsWith(QStringView(Start)); };
    switch (Upper[2].unicode()) {
    case u'A':
        CloseLink();
        break;
    case u'B':
        if (is(u"</B>")) SetStyle(fsBold, false);
        else FCanvas->Font()->SetColor(FBaseFont.Color());
        break;
    case u'E':
        if (FDrawing) FState.ErrorMark = false;
        break;
    case u'F':
        CloseFont();
        break;
    case u'H':
        if (is(u"</HI") && FDrawing) {
            FCanvas->Font()->SetColor(FState.HighlightFontColor);
            SetBrushColorOrClear(FState.HighlightBrush);
        }
        break;
    case u'I':
        SetStyle(fsItalic, false);
        break;
    case u'L':
        return stLineEnd;
    case u'P':
        if (FDrawing) {
            FState.ParaBackground = false;
            SetBrushColorOrClear(FState.ParaBrush);
        }
        return stLineEnd;
    case u'R':
        FCanvas->Font()->SetOrientation(FState.SavedOrientation);
        break;
    case u'S':
        if (is(u"</SUB") || is(u"</SUP")) {
            FState.Subscript = false;
            FState.Superscript = false;
        } else if (is(u"</SH")) {
            FState.Shadow = false;
        } else {
            SetStyle(fsStrikeOut, false);
        }
        break;
    case u'U':
        if (is(u"</U>") || FState.ListLevel == 0) SetStyle(fsUnderline, false);
        else --FState.ListLevel;
        break;
    case u'Z':
        FState.Hidden = false;
        break;
    default:
        break;
    }
    return stContinue;
}

void TMarkupRenderer::SetStyle(TFontStyle Style, bool On)
{
    TFontStyles styles = FCanvas->Font()->Style();
    if (On) styles.Include(Style);
    else styles.Exclude(Style);
    FCanvas->Font()->SetStyle(styles);
}

void TMarkupRenderer::OpenLink(QStringView Tag)
{
    const TTagAttributes attributes(Tag);
    ++FState.LinkNumber;
    const bool hovered = FState.LinkNumber == FIn.HoverLink;
    if ((hovered || !FIn.HoverUnderlineOnly) && FDrawing) {
        SetStyle(fsUnderline, true);
        if (FIn.HoverColor != clNone) {
            FState.LinkBrush = BrushColorOrNone();
            FCanvas->Brush()->SetColor(FIn.HoverColor);
        }
        if (FIn.HoverFontColor != clNone) {
            FState.LinkFontColor = FCanvas->Font()->Color();
            FCanvas->Font()->SetColor(FIn.HoverFontColor);
        }
    }
    const bool keepHoverFont = hovered && FIn.HoverUnderlineOnly && FIn.HoverFontColor != clNone;
    if (!FIn.FixedColors && !keepHoverFont) FCanvas->Font()->SetColor(FIn.LinkColor);
    FState.LinkRef = attributes.Value(QLatin1StringView("HREF"));
    FState.LinkTitle = attributes.Value(QLatin1StringView("TITLE"));
    FState.InLink = true;
    FState.PointOnLink = false;
    FState.LinkStartX = FX;
    if (InFocusLink()) FState.FocusStartX = FX;
}

void TMarkupRenderer::CloseLink()
{
    FState.InLink = false;
    const bool hovered = FState.LinkNumber == FIn.HoverLink;
    if ((hovered || !FIn.HoverUnderlineOnly) && FDrawing) {
        SetStyle(fsUnderline, false);
        if (FIn.HoverColor != clNone) SetBrushColorOrClear(FState.LinkBrush);
        if (FIn.HoverFontColor != clNone) FCanvas->Font()->SetColor(FState.LinkFontColor);
    }
    if (!FIn.FixedColors) FCanvas->Font()->SetColor(FBaseFont.Color());
    if (FFinal && FState.PointOnLink) {
        FOut.HasLinkRect = true;
        FOut.LinkRect = Rect(FLeft + FState.LinkStartX, FTop, FLeft + FX, LineBottom());
        FOut.HoveredLink = FState.LinkNumber;
        FState.PointOnLink = false;
    }
    if (FDrawing && FState.LinkNumber == FIn.FocusLink + 1) DrawFocus(FState.FocusStartX);
}

void TMarkupRenderer::Font(QStringView Tag)
{
    const TTagAttributes attributes(Tag);
    TFont* font = FCanvas->Font();
    if (attributes.Has(QLatin1StringView("FACE"))) font->SetName(attributes.Value(QLatin1StringView("FACE")));
    if (attributes.Has(QLatin1StringView("COLOR")) && !FIn.FixedColors)
        font->SetColor(MarkupColor(attributes.Value(QLatin1StringView("COLOR"))));
    if (attributes.Has(QLatin1StringView("BGCOLOR")) && FDrawing && !FIn.FixedColors) {
        FState.FontBrush = BrushColorOrNone();
        FCanvas->Brush()->SetColor(MarkupColor(attributes.Value(QLatin1StringView("BGCOLOR"))));
    }
    if (attributes.Has(QLatin1StringView("SIZE"))) {
        constexpr std::array<int32_t, 5> htmlSizes = {8, 10, 12, 14, 16};
        bool ok = false;
        const int32_t size = attributes.Value(QLatin1StringView("SIZE")).trimmed().toInt(&ok);
        if (ok) font->SetSize(size >= 1 && size <= 5 ? htmlSizes[size - 1] : std::clamp(size, 1, 200));
    }
}

void TMarkupRenderer::CloseFont()
{
    FCanvas->Font()->SetName(FBaseFont.Name());
    FCanvas->Font()->SetHeight(FBaseFont.Height());
    if (FDrawing && !FIn.FixedColors) {
        FCanvas->Font()->SetColor(FBaseFont.Color());
        SetBrushColorOrClear(FState.FontBrush);
    }
}

void TMarkupRenderer::Paragraph(QStringView Tag)
{
    const TTagAttributes attributes(Tag);
    const QString align = attributes.Value(QLatin1StringView("ALIGN")).toUpper();
    if (align.contains(QLatin1String("RIGHT"))) FState.Alignment = 1;
    else if (align.contains(QLatin1String("LEFT"))) FState.Alignment = 0;
    else if (align.contains(QLatin1String("CENTER"))) FState.Alignment = 2;
    if (attributes.Has(QLatin1StringView("INDENT")))
        FState.Indent = IntAttribute(attributes, QLatin1StringView("INDENT"), 0);
    if (attributes.Has(QLatin1StringView("BGCOLOR")) && FDrawing) {
        FState.ParaBackground = true;
        FState.ParaBrush = BrushColorOrNone();
        FState.ParaColor = MarkupColor(attributes.Value(QLatin1StringView("BGCOLOR")));
        FCanvas->Brush()->SetColor(FState.ParaColor);
        FillLine(FState.ParaColor);
    }
}

void TMarkupRenderer::Rotate(QStringView Tag)
{
    FState.SavedOrientation = FCanvas->Font()->Orientation();
    FCanvas->Font()->SetOrientation(IntAttribute(TTagAttributes(Tag), QLatin1StringView("A"), 0) * 10);
}

void TMarkupRenderer::HorizontalRule()
{
    if (!FDrawing) return;
    TKeepPen keep(FCanvas);
    FCanvas->Pen()->SetColor(clBlack);
    const int32_t y = TextBottom() + 1;
    // From the line's left edge, where alignment and indent put it.
    FCanvas->MoveTo(FLeft, y);
    FCanvas->LineTo(FIn.Rect.Right, y);
}

// --- Canvas helpers ---

TColor TMarkupRenderer::BrushColorOrNone() const
{
    return FCanvas->Brush()->Style() == bsClear ? clNone : FCanvas->Brush()->Color();
}

void TMarkupRenderer::SetBrushColorOrClear(TColor Color)
{
    if (Color == clNone) FCanvas->Brush()->SetStyle(bsClear);
    else FCanvas->Brush()->SetColor(Color);
}
