// Font name mapping and the Qt font of a TFont.
#include "graphics/FontMapper.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/NumConv.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>

#include <algorithm>

namespace {

// Windows families and the installed families closest in metrics.
const QHash<QString, QString>& FamilyMap()
{
    static const QHash<QString, QString> map = {
        {QStringLiteral("verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("tahoma"), QStringLiteral("DejaVu Sans Condensed")},
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("ms shell dlg"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("ms shell dlg 2"), QStringLiteral("DejaVu Sans Condensed")},
        {QStringLiteral("segoe ui"), QStringLiteral("DejaVu Sans Condensed")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
    };
    return map;
}

// The pixel size whose ascent plus descent is CellHeight.
int PixelSizeForCell(QFont Font, int CellHeight)
{
    constexpr int reference = 100;
    Font.setPixelSize(reference);
    const QFontMetricsF metrics(Font);
    const qreal cell = metrics.ascent() + metrics.descent();
    return std::max(1, static_cast<int>(RoundHalfEven(CellHeight * reference / cell)));
}

} // namespace

QString MapFontFamily(const QString& Name)
{
    return FamilyMap().value(Name.trimmed().toLower(), Name);
}

QFont ToQFont(const TFont& Font)
{
    QFont font(MapFontFamily(Font.Name()));
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias | QFont::PreferNoShaping));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setBold(Font.Style().Contains(fsBold));
    font.setItalic(Font.Style().Contains(fsItalic));
    font.setUnderline(Font.Style().Contains(fsUnderline));
    font.setStrikeOut(Font.Style().Contains(fsStrikeOut));
    if (Font.Pitch() == fpFixed) font.setFixedPitch(true);
    const int height = Font.Height();
    if (height < 0) font.setPixelSize(-height);
    else if (height > 0) font.setPixelSize(PixelSizeForCell(font, height));
    else font.setPixelSize(11);
    return font;
}
