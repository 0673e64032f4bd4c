// The rich edit's character attributes on QTextCharFormat, and the document's plain text.
#include "windows/private/RichText.h"

#include "graphics/FontMapper.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace {

enum : int {
    PropFontName = QTextFormat::UserProperty + 1,
    PropHalfPoints,
    PropColor,
    PropHighlight,
    PropOffset,
    PropSuperSub,
    PropBold,
    PropItalic,
    PropUnderline,
    PropStrikeOut,
};

QColor QtColor(TColor Color)
{
    return QColor(GetRValue(Color), GetGValue(Color), GetBValue(Color));
}

}  // namespace

QString RichFontName(const QString& Name)
{
    QString Clean;
    Clean.reserve(Name.size());
    for (const QChar C : Name)
        if (C.unicode() >= 0x20 && C != QLatin1Char(';')) Clean += C;
    return Clean.trimmed();
}

TRichChar RichCharOf(const QTextCharFormat& Format, const TRichDefaults& Defaults)
{
    TRichChar Char;
    const QString Name = RichFontName(Format.stringProperty(PropFontName));
    Char.FontName = Name.isEmpty() ? Defaults.FontName : Name;
    Char.HalfPoints = Format.hasProperty(PropHalfPoints) ? Format.intProperty(PropHalfPoints) : Defaults.HalfPoints;
    Char.Bold = Format.boolProperty(PropBold);
    Char.Italic = Format.boolProperty(PropItalic);
    Char.Underline = Format.boolProperty(PropUnderline);
    Char.StrikeOut = Format.boolProperty(PropStrikeOut);
    Char.Color = Format.hasProperty(PropColor) ? static_cast<TColor>(Format.intProperty(PropColor)) : clNone;
    Char.Highlight = Format.hasProperty(PropHighlight) ? static_cast<TColor>(Format.intProperty(PropHighlight)) : clNone;
    Char.Offset = Format.intProperty(PropOffset);
    Char.SuperSub = Format.intProperty(PropSuperSub);
    return Char;
}

QTextCharFormat RichFormat(const TRichChar& Char)
{
    QTextCharFormat Format;
    const QString Name = RichFontName(Char.FontName);
    Format.setProperty(PropFontName, Name);
    const int32_t HalfPoints = std::clamp(Char.HalfPoints, 2, 3276);
    Format.setProperty(PropHalfPoints, HalfPoints);
    Format.setProperty(PropBold, Char.Bold);
    Format.setProperty(PropItalic, Char.Italic);
    Format.setProperty(PropUnderline, Char.Underline);
    Format.setProperty(PropStrikeOut, Char.StrikeOut);
    Format.setProperty(PropOffset, Char.Offset);
    Format.setProperty(PropSuperSub, Char.SuperSub);

    // Half points at 96 pixels per inch: two thirds of a pixel each.
    const int32_t Pixels = std::max(1, (HalfPoints * 2 + 1) / 3);
    QFont Font(MapFontFamily(Name));
    Font.setPixelSize(Pixels);
    Font.setBold(Char.Bold);
    Font.setItalic(Char.Italic);
    Font.setUnderline(Char.Underline);
    Font.setStrikeOut(Char.StrikeOut);
    Font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    Font.setHintingPreference(QFont::PreferFullHinting);
    Format.setFont(Font);
    if (Char.Color != clNone) {
        Format.setProperty(PropColor, static_cast<int>(Char.Color));
        Format.setForeground(QtColor(Char.Color));
    }
    if (Char.Highlight != clNone) {
        Format.setProperty(PropHighlight, static_cast<int>(Char.Highlight));
        Format.setBackground(QtColor(Char.Highlight));
    }
    if (Char.SuperSub == 1) Format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (Char.SuperSub == 2) Format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    // Twips to pixels (15 a pixel), as a share of the line height the layout scales it by.
    if (Char.Offset != 0) Format.setBaselineOffset(Char.Offset / 15.0 * 100.0 / QFontMetricsF(Font).height());
    return Format;
}

int32_t RichAlignmentOf(const QTextDocument& Document, int32_t Block)
{
    const Qt::Alignment Align = Document.findBlockByNumber(Block).blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (Align & Qt::AlignHCenter) return 1;
    if (Align & Qt::AlignRight) return 2;
    if (Align & Qt::AlignJustify) return 3;
    return 0;
}

QString RichPlainText(const QTextDocument& Document)
{
    QString Text;
    for (QTextBlock Block = Document.begin(); Block.isValid(); Block = Block.next()) {
        if (Block != Document.begin()) Text += QLatin1String("\r\n");
        Text += Block.text().replace(QChar::LineSeparator, QLatin1String("\r\n"));
    }
    return Text;
}
