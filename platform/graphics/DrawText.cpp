// DrawText and the text functions of a device context.
#include "graphics/DrawText.h"

#include "graphics/FontMapper.h"
#include "graphics/private/DeviceContext.h"
#include "graphics/private/TextTrace.h"
#include "graphics/private/TextWidths.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const QString Ellipsis = QStringLiteral("...");

bool IsBlank(QChar C)
{
    return C == QLatin1Char(' ');
}

// One line of output: the characters it shows and how many of them are the source's own.
struct TLayoutLine {
    QString Shown;
    // Index in the source text of the first character, and how many leading characters are unchanged
    // (an ellipsis replaces the rest).
    int Start = 0;
    int Kept = 0;
    int Width = 0;
};

// Lays out and draws text for DrawText: prefixes, line breaks, word wrapping, tabs and ellipses.
class TTextLayout {
public:
    TTextLayout(const QFont& Font, uint32_t Format, int TabLength)
        : FFont(Font), FMetrics(Font), FFormat(Format), FTabLength(TabLength)
    {
    }

    int LineHeight() const
    {
        return FMetrics.ascent() + FMetrics.descent() + (Has(DT_EXTERNALLEADING) ? std::max(0, FMetrics.leading()) : 0);
    }

    // Removes the "&" prefixes, remembering which characters they mark.
    void SetText(const QString& Text)
    {
        FMarked.clear();
        if (Has(DT_NOPREFIX) || !Text.contains(QLatin1Char('&'))) {
            FText = Text;
            return;
        }
        FText.clear();
        for (qsizetype i = 0; i < Text.size(); ++i) {
            const bool prefix = !Has(DT_NOPREFIX) && Text[i] == QLatin1Char('&');
            if (prefix && ++i == Text.size()) break;
            FMarked.push_back(prefix && Text[i] != QLatin1Char('&'));
            FText.append(Text[i]);
        }
    }

    // Breaks the text into lines for the available Width.
    std::vector<TLayoutLine> Lines(int Width) const
    {
        std::vector<TLayoutLine> lines;
        if (Has(DT_SINGLELINE)) {
            lines.push_back(Line(0, static_cast<int>(FText.size())));
            return lines;
        }
        int start = 0;
        const auto length = static_cast<int>(FText.size());
        while (true) {
            int end = start;
            while (end < length && FText[end] != QLatin1Char('\r') && FText[end] != QLatin1Char('\n')) ++end;
            if (Has(DT_WORDBREAK)) Wrap(start, end, Width, lines);
            else lines.push_back(Line(start, end));
            if (end == length) break;
            start = end + (FText[end] == QLatin1Char('\r') && end + 1 < length && FText[end + 1] == QLatin1Char('\n') ? 2 : 1);
        }
        return lines;
    }

    // Shortens Line with the format's ellipsis when it is wider than Width, or always when Force.
    void Shorten(TLayoutLine& Line, int Width, bool Force) const
    {
        if (!Force && Line.Width <= Width) return;
        if (Has(DT_PATH_ELLIPSIS) && !Force) ShortenPath(Line, Width);
        else ShortenEnd(Line, Width, Has(DT_WORD_ELLIPSIS));
        Line.Width = Measure(Line.Shown);
    }

    int Measure(const QString& Text) const
    {
        int x = 0;
        ForEachRun(Text, [&](int RunX, const QString& Run) { x = RunX + TextWidth(FFont, FMetrics, Run); });
        return x;
    }

    // Calls Draw(x, run) for each tab-free run of Text at its offset from the line start.
    template <typename F>
    void ForEachRun(const QString& Text, F Draw) const
    {
        if (!Has(DT_EXPANDTABS) || !Text.contains(QLatin1Char('\t'))) {
            Draw(0, Text);
            return;
        }
        int x = 0;
        const int tabWidth = std::max(1, FTabLength) * std::max(1, FMetrics.averageCharWidth());
        const QStringList runs = Text.split(QLatin1Char('\t'));
        for (qsizetype i = 0; i < runs.size(); ++i) {
            if (i > 0) x = (x / tabWidth + 1) * tabWidth;
            Draw(x, runs[i]);
            x += TextWidth(FFont, FMetrics, runs[i]);
        }
    }

    // Positions, within Line's shown text, of the characters a prefix marks.
    std::vector<int> MarkedPositions(const TLayoutLine& Line) const
    {
        std::vector<int> positions;
        if (Has(DT_HIDEPREFIX) || FMarked.empty()) return positions;
        for (int i = 0; i < Line.Kept; ++i)
            if (FMarked[static_cast<size_t>(Line.Start + i)]) positions.push_back(i);
        return positions;
    }

    const QFontMetrics& Metrics() const { return FMetrics; }
    // No character is left once the prefixes are taken out.
    bool Empty() const { return FText.isEmpty(); }

private:
    bool Has(uint32_t Flag) const { return (FFormat & Flag) != 0; }

    TLayoutLine Line(int Start, int End) const
    {
        TLayoutLine line;
        line.Shown = FText.mid(Start, End - Start);
        line.Start = Start;
        line.Kept = End - Start;
        line.Width = Measure(line.Shown);
        return line;
    }

    int Width(int Start, int End) const { return Measure(FText.mid(Start, End - Start)); }

    // Breaks FText[Start, End) at blanks; a word wider than the line stays whole (and is clipped)
    // unless DT_EDITCONTROL breaks it between characters.
    void Wrap(int Start, int End, int Available, std::vector<TLayoutLine>& Lines) const
    {
        int start = Start;
        do {
            int fit = -1;
            int next = start;
            while (next < End) {
                int wordEnd = next;
                while (wordEnd < End && !IsBlank(FText[wordEnd])) ++wordEnd;
                if (Width(start, wordEnd) > Available) {
                    if (fit < 0) fit = Has(DT_EDITCONTROL) ? CharactersFitting(start, wordEnd, Available) : wordEnd;
                    break;
                }
                fit = wordEnd;
                next = wordEnd;
                while (next < End && IsBlank(FText[next])) ++next;
            }
            if (fit < 0) fit = End;
            Lines.push_back(Line(start, fit));
            start = fit;
            while (start < End && IsBlank(FText[start])) ++start;
        } while (start < End);
    }

    // The end of the longest run from Start that fits, at least one character.
    int CharactersFitting(int Start, int End, int Available) const
    {
        int end = Start + 1;
        while (end < End && Width(Start, end + 1) <= Available) ++end;
        return end;
    }

    void ShortenEnd(TLayoutLine& Line, int Available, bool AtWord) const
    {
        const QString text = Line.Shown.left(Line.Kept);
        for (auto keep = text.size(); keep > 0; --keep) {
            if (AtWord && keep < text.size() && !IsBlank(text[keep])) continue;
            const QString head = text.left(keep);
            if (Measure(head + Ellipsis) <= Available) {
                Line.Shown = head + Ellipsis;
                Line.Kept = static_cast<int>(keep);
                return;
            }
        }
        if (AtWord) {
            ShortenEnd(Line, Available, false);
            return;
        }
        Line.Shown = Ellipsis;
        Line.Kept = 0;
    }

    // Replaces the end of the folder part, keeping the last path element: "C:\Data\...\file.txt".
    void ShortenPath(TLayoutLine& Line, int Available) const
    {
        const QString text = Line.Shown;
        const auto separator = std::max(text.lastIndexOf(QLatin1Char('\\')), text.lastIndexOf(QLatin1Char('/')));
        const QString tail = separator >= 0 ? text.mid(separator) : QString();
        for (auto keep = separator; keep > 0; --keep) {
            const QString shown = text.left(keep) + Ellipsis + tail;
            if (Measure(shown) <= Available) {
                Line.Shown = shown;
                Line.Kept = 0;
                return;
            }
        }
        Line.Shown = Ellipsis + tail;
        Line.Kept = 0;
        if (Measure(Line.Shown) > Available) ShortenEnd(Line, Available, false);
    }

    QFont FFont;
    QFontMetrics FMetrics;
    uint32_t FFormat;
    int FTabLength;
    QString FText;
    // Which characters of FText a prefix marks; empty when none is.
    std::vector<bool> FMarked;
};

TTextTraceListener& TraceListener()
{
    static TTextTraceListener listener;
    return listener;
}

void Trace(const TDeviceContext& DC, const TRect& Rect, uint32_t Flags, const QString& Text, bool Out)
{
    const TTextTraceListener& listener = TraceListener();
    if (listener) listener({Rect, Flags, Text, DC.State.TextColor, DC.State.Font.Font.underline(), Out});
}

} // namespace

TTextTraceListener SetTextTraceListener(TTextTraceListener Listener)
{
    return std::exchange(TraceListener(), std::move(Listener));
}

int32_t DrawText(HDC DC, const QString& Text, int32_t Count, TRect& Rect, uint32_t Format)
{
    return DrawTextEx(DC, Text, Count, Rect, Format, nullptr);
}

int32_t DrawTextEx(HDC DC, const QString& Text, int32_t Count, TRect& Rect, uint32_t Format, DRAWTEXTPARAMS* Params)
{
    TDeviceContext& dc = DC->DC();
    int tabLength = 8;
    if (Format & DT_TABSTOP) {
        // The high byte of the low word holds the tab length instead of flags.
        tabLength = static_cast<int>((Format >> 8) & 0xFF);
        Format &= ~uint32_t(0xFF00);
    }
    if (Params) tabLength = Params->iTabLength;
    const int leftMargin = Params ? Params->iLeftMargin : 0;
    const int rightMargin = Params ? Params->iRightMargin : 0;
    if (TraceListener()) Trace(dc, Rect, Format, Count < 0 ? Text : Text.left(Count), false);
    const QString text = MapFontText(dc.State.Font.Font, Count < 0 ? Text : Text.left(Count));
    if (Params) Params->uiLengthDrawn = static_cast<uint32_t>(text.size());

    TTextLayout layout(dc.State.Font.Font, Format, tabLength);
    layout.SetText(text);
    const int available = Rect.Width() - leftMargin - rightMargin;
    std::vector<TLayoutLine> lines = layout.Lines(available);
    const int lineHeight = layout.LineHeight();

    const bool ellipsis = Format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS);
    if (Format & DT_CALCRECT) {
        // Shortened lines are measured as shown.
        if (ellipsis)
            for (TLayoutLine& line : lines) layout.Shorten(line, available, false);
        int widest = 0;
        for (const TLayoutLine& line : lines) widest = std::max(widest, line.Width);
        Rect.Right = Rect.Left + leftMargin + widest + rightMargin;
        // An empty text has no lines, unless single-line mode keeps its one; the result is still a line's height.
        const bool empty = layout.Empty() && !(Format & DT_SINGLELINE);
        Rect.Bottom = Rect.Top + (empty ? 0 : static_cast<int>(lines.size()) * lineHeight);
        return empty ? lineHeight : Rect.Height();
    }

    // An edit control shows no partly visible line; the last one shown tells that text was cut.
    const bool singleLine = Format & DT_SINGLELINE;
    if ((Format & DT_EDITCONTROL) && !singleLine) {
        const auto fitting = static_cast<size_t>(std::max(1, Rect.Height() / std::max(1, lineHeight)));
        if (fitting < lines.size()) {
            lines.resize(fitting);
            if (ellipsis) layout.Shorten(lines.back(), available, true);
        }
    }
    if (ellipsis)
        for (TLayoutLine& line : lines) layout.Shorten(line, available, false);

    const int textHeight = static_cast<int>(lines.size()) * lineHeight;
    int y = Rect.Top;
    if (singleLine && (Format & DT_VCENTER)) y = Rect.Top + (Rect.Height() - lineHeight) / 2;
    else if (singleLine && (Format & DT_BOTTOM)) y = Rect.Bottom - lineHeight;

    const QRect clip = ToQRect(Rect);
    const QRect* clipping = (Format & DT_NOCLIP) ? nullptr : &clip;
    const bool opaque = dc.State.BkMode == OPAQUE;
    const QFontMetrics& metrics = layout.Metrics();
    for (const TLayoutLine& line : lines) {
        int x = Rect.Left + leftMargin;
        if (Format & DT_CENTER) x += (available - line.Width) / 2;
        else if (Format & DT_RIGHT) x += available - line.Width;
        if (opaque) {
            QPainter* painter = dc.Begin();
            if (!painter) break;
            if (clipping) painter->setClipRect(clip, Qt::IntersectClip);
            painter->fillRect(QRect(x, y, line.Width, metrics.ascent() + metrics.descent()), ToQColor(dc.State.BkColor));
        }
        if (!(Format & DT_PREFIXONLY))
            layout.ForEachRun(line.Shown, [&](int RunX, const QString& Run) { dc.TextLine(x + RunX, y, Run, false, clipping); });
        for (int position : layout.MarkedPositions(line)) {
            const int left = x + layout.Measure(line.Shown.left(position));
            const int right = x + layout.Measure(line.Shown.left(position + 1));
            if (QPainter* underline = dc.Begin()) {
                if (clipping) underline->setClipRect(clip, Qt::IntersectClip);
                underline->fillRect(QRect(left, y + metrics.ascent() + metrics.underlinePos(), right - left, std::max(1, metrics.lineWidth())),
                                    ToQColor(dc.State.TextColor));
            }
        }
        y += lineHeight;
    }
    if (singleLine && (Format & (DT_VCENTER | DT_BOTTOM))) return y - Rect.Top;
    return textHeight;
}

bool ExtTextOut(HDC DC, int32_t X, int32_t Y, uint32_t Options, const TRect* Rect, const QString& Text)
{
    TDeviceContext& dc = DC->DC();
    if (TraceListener()) Trace(dc, Rect ? *Rect : Bounds(X, Y, 0, 0), Options, Text, true);
    const QRect rect = Rect ? ToQRect(*Rect) : QRect();
    if (Rect && (Options & ETO_OPAQUE)) {
        if (QPainter* painter = dc.Begin()) painter->fillRect(rect, ToQColor(dc.State.BkColor));
    }
    dc.TextLine(X, Y, Text, dc.State.BkMode == OPAQUE, Rect && (Options & ETO_CLIPPED) ? &rect : nullptr);
    return true;
}

int32_t SetBkMode(HDC DC, int32_t Mode)
{
    TDeviceContext& dc = DC->DC();
    if (Mode != TRANSPARENT && Mode != OPAQUE) return 0;
    return std::exchange(dc.State.BkMode, Mode);
}

int32_t GetBkMode(HDC DC)
{
    return DC->DC().State.BkMode;
}

COLORREF SetBkColor(HDC DC, COLORREF Color)
{
    return std::exchange(DC->DC().State.BkColor, Color & 0xFFFFFF);
}

COLORREF GetBkColor(HDC DC)
{
    return DC->DC().State.BkColor;
}

COLORREF SetTextColor(HDC DC, COLORREF Color)
{
    return std::exchange(DC->DC().State.TextColor, Color & 0xFFFFFF);
}

COLORREF GetTextColor(HDC DC)
{
    return DC->DC().State.TextColor;
}

bool GetTextExtentPoint32(HDC DC, const QString& Text, int32_t Count, TSize& Size)
{
    const QSize size = DC->DC().TextExtent(Count < 0 ? Text : Text.left(Count));
    Size = {size.width(), size.height()};
    return true;
}

bool GetTextMetrics(HDC DC, TEXTMETRIC& Metrics)
{
    const TDCFont& font = DC->DC().State.Font;
    const QFontMetrics metrics(font.Font);
    Metrics = TEXTMETRIC();
    Metrics.tmAscent = metrics.ascent();
    Metrics.tmDescent = metrics.descent();
    Metrics.tmHeight = Metrics.tmAscent + Metrics.tmDescent;
    Metrics.tmInternalLeading = std::max(0, Metrics.tmHeight - font.Font.pixelSize());
    Metrics.tmExternalLeading = std::max(0, metrics.leading());
    Metrics.tmAveCharWidth = metrics.averageCharWidth();
    Metrics.tmMaxCharWidth = metrics.maxWidth();
    Metrics.tmWeight = font.Font.bold() ? 700 : 400;
    Metrics.tmItalic = font.Font.italic() ? 1 : 0;
    Metrics.tmUnderlined = font.Font.underline() ? 1 : 0;
    Metrics.tmStruckOut = font.Font.strikeOut() ? 1 : 0;
    // Low bit set means a variable pitch; 0x06 marks a TrueType vector font.
    Metrics.tmPitchAndFamily = static_cast<uint8_t>((QFontInfo(font.Font).fixedPitch() ? 0 : 1) | 0x06);
    Metrics.tmCharSet = font.Charset;
    return true;
}
