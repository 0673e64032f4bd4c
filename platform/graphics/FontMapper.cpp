// Font name mapping and the Qt font of a TFont.
#include "graphics/FontMapper.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/NumConv.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

// Windows families and the installed families closest in metrics.
const QHash<QString, QString>& FamilyMap()
{
    static const QHash<QString, QString> map = {
        {QStringLiteral("verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("tahoma"), QStringLiteral("DejaVu Sans Condensed")},
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("ms shell dlg"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("ms shell dlg 2"), QStringLiteral("DejaVu Sans Condensed")},
        {QStringLiteral("segoe ui"), QStringLiteral("DejaVu Sans Condensed")},
        {QStringLiteral("system"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("small fonts"), QStringLiteral("DejaVu Sans Condensed")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("terminal"), QStringLiteral("DejaVu Sans Mono")},
        {QStringLiteral("fixedsys"), QStringLiteral("DejaVu Sans Mono")},
        {QStringLiteral("lucida console"), QStringLiteral("DejaVu Sans Mono")},
        {QStringLiteral("consolas"), QStringLiteral("DejaVu Sans Mono")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("times"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("ms serif"), QStringLiteral("Liberation Serif")},
    };
    return map;
}

// The families the program always has (scripts/deps.sh installs them); any other name draws in
// DejaVu Sans, so that what shows never depends on the fonts a machine happens to have.
bool IsShippedFamily(const QString& Name)
{
    return Name.startsWith(QLatin1String("dejavu "), Qt::CaseInsensitive) ||
           Name.startsWith(QLatin1String("liberation "), Qt::CaseInsensitive);
}

const QString DefaultFamily = QStringLiteral("DejaVu Sans");

// ---- Symbol fonts ----

// A symbol font's characters are codes 0x20..0xFF (or the same in U+F020..U+F0FF); each table holds
// the Unicode character drawn for a code from 0x20 on, 0 where the code draws as itself.
using TCharTable = std::array<char16_t, 0xE0>;

struct TCodeChar {
    char16_t Code;
    char16_t Char;
};

template <size_t N>
TCharTable MakeTable(const TCodeChar (&Pairs)[N])
{
    TCharTable Table{};
    for (const TCodeChar& Pair : Pairs) Table[Pair.Code - 0x20] = Pair.Char;
    return Table;
}

// The Symbol font: Greek letters, mathematical signs and arrows.
const TCharTable& SymbolTable()
{
    static const TCodeChar Pairs[] = {
        {0x22, 0x2200}, {0x24, 0x2203}, {0x27, 0x220B}, {0x2A, 0x2217}, {0x2D, 0x2212}, {0x40, 0x2245},
        {0x41, 0x0391}, {0x42, 0x0392}, {0x43, 0x03A7}, {0x44, 0x0394}, {0x45, 0x0395}, {0x46, 0x03A6},
        {0x47, 0x0393}, {0x48, 0x0397}, {0x49, 0x0399}, {0x4A, 0x03D1}, {0x4B, 0x039A}, {0x4C, 0x039B},
        {0x4D, 0x039C}, {0x4E, 0x039D}, {0x4F, 0x039F}, {0x50, 0x03A0}, {0x51, 0x0398}, {0x52, 0x03A1},
        {0x53, 0x03A3}, {0x54, 0x03A4}, {0x55, 0x03A5}, {0x56, 0x03C2}, {0x57, 0x03A9}, {0x58, 0x039E},
        {0x59, 0x03A8}, {0x5A, 0x0396}, {0x5C, 0x2234}, {0x5E, 0x22A5}, {0x60, 0x203E}, {0x61, 0x03B1},
        {0x62, 0x03B2}, {0x63, 0x03C7}, {0x64, 0x03B4}, {0x65, 0x03B5}, {0x66, 0x03C6}, {0x67, 0x03B3},
        {0x68, 0x03B7}, {0x69, 0x03B9}, {0x6A, 0x03D5}, {0x6B, 0x03BA}, {0x6C, 0x03BB}, {0x6D, 0x03BC},
        {0x6E, 0x03BD}, {0x6F, 0x03BF}, {0x70, 0x03C0}, {0x71, 0x03B8}, {0x72, 0x03C1}, {0x73, 0x03C3},
        {0x74, 0x03C4}, {0x75, 0x03C5}, {0x76, 0x03D6}, {0x77, 0x03C9}, {0x78, 0x03BE}, {0x79, 0x03C8},
        {0x7A, 0x03B6}, {0x7E, 0x223C}, {0xA0, 0x20AC}, {0xA1, 0x03D2}, {0xA2, 0x2032}, {0xA3, 0x2264},
        {0xA4, 0x2044}, {0xA5, 0x221E}, {0xA6, 0x0192}, {0xA7, 0x2663}, {0xA8, 0x2666}, {0xA9, 0x2665},
        {0xAA, 0x2660}, {0xAB, 0x2194}, {0xAC, 0x2190}, {0xAD, 0x2191}, {0xAE, 0x2192}, {0xAF, 0x2193},
        {0xB2, 0x2033}, {0xB3, 0x2265}, {0xB4, 0x00D7}, {0xB5, 0x221D}, {0xB6, 0x2202}, {0xB7, 0x2022},
        {0xB8, 0x00F7}, {0xB9, 0x2260}, {0xBA, 0x2261}, {0xBB, 0x2248}, {0xBC, 0x2026}, {0xBD, 0x23D0},
        {0xBE, 0x23AF}, {0xBF, 0x21B5}, {0xC0, 0x2135}, {0xC1, 0x2111}, {0xC2, 0x211C}, {0xC3, 0x2118},
        {0xC4, 0x2297}, {0xC5, 0x2295}, {0xC6, 0x2205}, {0xC7, 0x2229}, {0xC8, 0x222A}, {0xC9, 0x2283},
        {0xCA, 0x2287}, {0xCB, 0x2284}, {0xCC, 0x2282}, {0xCD, 0x2286}, {0xCE, 0x2208}, {0xCF, 0x2209},
        {0xD0, 0x2220}, {0xD1, 0x2207}, {0xD2, 0x00AE}, {0xD3, 0x00A9}, {0xD4, 0x2122}, {0xD5, 0x220F},
        {0xD6, 0x221A}, {0xD7, 0x22C5}, {0xD8, 0x00AC}, {0xD9, 0x2227}, {0xDA, 0x2228}, {0xDB, 0x21D4},
        {0xDC, 0x21D0}, {0xDD, 0x21D1}, {0xDE, 0x21D2}, {0xDF, 0x21D3}, {0xE0, 0x25CA}, {0xE1, 0x2329},
        {0xE2, 0x00AE}, {0xE3, 0x00A9}, {0xE4, 0x2122}, {0xE5, 0x2211}, {0xE6, 0x239B}, {0xE7, 0x239C},
        {0xE8, 0x239D}, {0xE9, 0x23A1}, {0xEA, 0x23A2}, {0xEB, 0x23A3}, {0xEC, 0x23A7}, {0xED, 0x23A8},
        {0xEE, 0x23A9}, {0xEF, 0x23AA}, {0xF1, 0x232A}, {0xF2, 0x222B}, {0xF3, 0x2320}, {0xF4, 0x23AE},
        {0xF5, 0x2321}, {0xF6, 0x239E}, {0xF7, 0x239F}, {0xF8, 0x23A0}, {0xF9, 0x23A4}, {0xFA, 0x23A5},
        {0xFB, 0x23A6}, {0xFC, 0x23AB}, {0xFD, 0x23AC}, {0xFE, 0x23AD},
    };
    static const TCharTable Table = MakeTable(Pairs);
    return Table;
}

// Wingdings: the marks, boxes, bullets, hands and arrows programs use it for.
const TCharTable& WingdingsTable()
{
    static const TCodeChar Pairs[] = {
        {0x21, 0x270F}, {0x22, 0x2702}, {0x23, 0x2701}, {0x28, 0x260E}, {0x29, 0x2706}, {0x2A, 0x2709},
        {0x36, 0x231B}, {0x37, 0x2328}, {0x3E, 0x2707}, {0x3F, 0x270D}, {0x41, 0x270C}, {0x45, 0x261C},
        {0x46, 0x261E}, {0x47, 0x261D}, {0x48, 0x261F}, {0x4A, 0x263A}, {0x4B, 0x2610}, {0x4C, 0x2639},
        {0x4E, 0x2620}, {0x4F, 0x2690}, {0x51, 0x2708}, {0x52, 0x263C}, {0x54, 0x2744}, {0x56, 0x271E},
        {0x58, 0x2720}, {0x59, 0x2721}, {0x5A, 0x262A}, {0x5B, 0x262F}, {0x5C, 0x0950}, {0x5D, 0x2638},
        {0x5E, 0x2648}, {0x5F, 0x2649}, {0x60, 0x264A}, {0x61, 0x264B}, {0x62, 0x264C}, {0x63, 0x264D},
        {0x64, 0x264E}, {0x65, 0x264F}, {0x66, 0x2650}, {0x67, 0x2651}, {0x68, 0x2652}, {0x69, 0x2653},
        {0x6C, 0x25CF}, {0x6D, 0x274D}, {0x6E, 0x25A0}, {0x6F, 0x25A1}, {0x70, 0x25FB}, {0x71, 0x2751},
        {0x72, 0x2752}, {0x73, 0x2B27}, {0x74, 0x29EB}, {0x75, 0x25C6}, {0x76, 0x2756}, {0x77, 0x2B25},
        {0x78, 0x2327}, {0x79, 0x2BB9}, {0x7A, 0x2318}, {0x7B, 0x2740}, {0x7C, 0x273F}, {0x7D, 0x275D},
        {0x7E, 0x275E}, {0x80, 0x24EA}, {0x81, 0x2460}, {0x82, 0x2461}, {0x83, 0x2462}, {0x84, 0x2463},
        {0x85, 0x2464}, {0x86, 0x2465}, {0x87, 0x2466}, {0x88, 0x2467}, {0x89, 0x2468}, {0x8A, 0x2469},
        {0x8B, 0x24FF}, {0x8C, 0x2776}, {0x8D, 0x2777}, {0x8E, 0x2778}, {0x8F, 0x2779}, {0x90, 0x277A},
        {0x91, 0x277B}, {0x92, 0x277C}, {0x93, 0x277D}, {0x94, 0x277E}, {0x95, 0x277F}, {0x9E, 0x00B7},
        {0x9F, 0x2022}, {0xA0, 0x25AA}, {0xA1, 0x25CB}, {0xA4, 0x25C9}, {0xA5, 0x25CE}, {0xA7, 0x25AA},
        {0xA8, 0x25FB}, {0xAA, 0x2726}, {0xAB, 0x2605}, {0xAC, 0x2736}, {0xAD, 0x2734}, {0xAE, 0x2739},
        {0xAF, 0x2735}, {0xB1, 0x2316}, {0xB2, 0x27E1}, {0xB3, 0x2311}, {0xB5, 0x272A}, {0xB6, 0x2730},
        {0xD5, 0x232B}, {0xD6, 0x2326}, {0xD8, 0x27A2}, {0xDF, 0x2190}, {0xE0, 0x2192}, {0xE1, 0x2191},
        {0xE2, 0x2193}, {0xE3, 0x2196}, {0xE4, 0x2197}, {0xE5, 0x2199}, {0xE6, 0x2198}, {0xE8, 0x2794},
        {0xEF, 0x21E6}, {0xF0, 0x21E8}, {0xF1, 0x21E7}, {0xF2, 0x21E9}, {0xF3, 0x2B04}, {0xF4, 0x21F3},
        {0xF5, 0x2B00}, {0xF6, 0x2B01}, {0xF7, 0x2B03}, {0xF8, 0x2B02}, {0xF9, 0x25AD}, {0xFA, 0x25AB},
        {0xFB, 0x2717}, {0xFC, 0x2714}, {0xFD, 0x2612}, {0xFE, 0x2611},
    };
    static const TCharTable Table = MakeTable(Pairs);
    return Table;
}

// Marlett: the window and control glyphs (caption buttons, arrows, check and radio marks).
const TCharTable& MarlettTable()
{
    static const TCodeChar Pairs[] = {
        {0x30, 0x2581}, {0x31, 0x25A1}, {0x32, 0x2750}, {0x33, 0x25C0}, {0x34, 0x25B6}, {0x35, 0x25B2},
        {0x36, 0x25BC}, {0x37, 0x25C2}, {0x38, 0x25B8}, {0x61, 0x2713}, {0x62, 0x2022}, {0x68, 0x2022},
        {0x69, 0x25CB}, {0x6E, 0x25CF}, {0x6F, 0x25D6}, {0x70, 0x25D7}, {0x71, 0x25CF}, {0x72, 0x2715},
        {0x73, 0x2715}, {0x74, 0x25B4}, {0x75, 0x25BE}, {0x76, 0x2715}, {0x77, 0x25B4}, {0x78, 0x25BE},
        {0x79, 0x25A1},
    };
    static const TCharTable Table = MakeTable(Pairs);
    return Table;
}

// Marks a font's family list with the symbol font whose codes its texts are in.
const QString CharMapMark = QStringLiteral("kt-charmap:");

const TCharTable* SymbolTableOf(const QString& Key)
{
    if (Key == u"symbol") return &SymbolTable();
    if (Key == u"wingdings") return &WingdingsTable();
    if (Key == u"marlett") return &MarlettTable();
    return nullptr;
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
    const QString Key = Name.trimmed().toLower();
    if (const auto Found = FamilyMap().constFind(Key); Found != FamilyMap().constEnd()) return *Found;
    return IsShippedFamily(Key) ? Name.trimmed() : DefaultFamily;
}

QString MapFontText(const QFont& Font, const QString& Text)
{
    const QStringList Families = Font.families();
    if (Families.size() < 2 || !Families[1].startsWith(CharMapMark)) return Text;
    const TCharTable* Table = SymbolTableOf(Families[1].mid(CharMapMark.size()));
    if (!Table) return Text;
    QString Mapped = Text;
    for (QChar& Char : Mapped) {
        char16_t Code = Char.unicode();
        if (Code >= 0xF020 && Code <= 0xF0FF) Code -= 0xF000;
        if (Code < 0x20 || Code > 0xFF) continue;
        const char16_t To = (*Table)[Code - 0x20];
        Char = QChar(To ? To : Code);
    }
    return Mapped;
}

namespace {

QFont MakeQFont(const TFont& Font)
{
    QFont font(MapFontFamily(Font.Name()));
    const QString Key = Font.Name().trimmed().toLower();
    if (SymbolTableOf(Key)) font.setFamilies({DefaultFamily, CharMapMark + Key});
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

// What ToQFont reads of a TFont.
struct TFontKey {
    QString Name;
    int32_t Height;
    uint64_t Style;
    TFontPitch Pitch;
    bool operator==(const TFontKey&) const = default;
};

size_t qHash(const TFontKey& Key, size_t Seed = 0)
{
    return qHashMulti(Seed, Key.Name, Key.Height, Key.Style, static_cast<int>(Key.Pitch));
}

// Painting converts the same few fonts over and over; a shared QFont also keeps its resolved font
// engine, which a fresh one looks up again. Qt drops stale engines itself when the fonts change.
struct TFontCache {
    QHash<TFontKey, QFont> Fonts;
    bool Registered = false;
};

TFontCache& FontCache()
{
    static TFontCache cache;
    return cache;
}

// The fonts go with the application whose font engines they hold.
void DropFontCache()
{
    FontCache() = TFontCache();
}

} // namespace

QFont ToQFont(const TFont& Font)
{
    TFontCache& cache = FontCache();
    const TFontKey key{Font.Name(), Font.Height(), Font.Style().ToInt(), Font.Pitch()};
    if (const auto found = cache.Fonts.constFind(key); found != cache.Fonts.constEnd()) return *found;
    if (!cache.Registered) qAddPostRoutine(DropFontCache);
    cache.Registered = true;
    if (cache.Fonts.size() >= 256) cache.Fonts.clear();
    return *cache.Fonts.insert(key, MakeQFont(Font));
}
