// Text widths remembered by font.
#include "graphics/private/TextWidths.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>

#include <algorithm>
#include <vector>

namespace {

// Bounds: fonts kept, widths kept per font, and the longest text kept.
constexpr size_t MaxFonts = 16;
constexpr qsizetype MaxWidths = 4096;
constexpr qsizetype MaxLength = 256;

struct TFontWidths {
    QFont Font;
    QHash<QString, int> Widths;
};

struct TWidthCache {
    // The most recently used font first.
    std::vector<TFontWidths> Fonts;
    bool Watching = false;
};

TWidthCache& Cache()
{
    static TWidthCache cache;
    return cache;
}

// Widths go with the application whose fonts they measured.
void DropWidths()
{
    Cache() = TWidthCache();
}

QHash<QString, int>& WidthsOf(const QFont& Font)
{
    TWidthCache& cache = Cache();
    if (!cache.Watching && qGuiApp) {
        QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, qGuiApp, [] { Cache().Fonts.clear(); });
        qAddPostRoutine(DropWidths);
        cache.Watching = true;
    }
    std::vector<TFontWidths>& fonts = cache.Fonts;
    auto found = fonts.begin();
    while (found != fonts.end() && !(found->Font == Font)) ++found;
    if (found == fonts.end()) {
        if (fonts.size() >= MaxFonts) fonts.pop_back();
        fonts.insert(fonts.begin(), TFontWidths{Font, {}});
    } else if (found != fonts.begin()) {
        std::rotate(fonts.begin(), found, found + 1);
    }
    return fonts.front().Widths;
}

} // namespace

int TextWidth(const QFont& Font, const QFontMetrics& Metrics, const QString& Text)
{
    if (Text.isEmpty()) return 0;
    if (Text.size() > MaxLength) return Metrics.horizontalAdvance(Text);
    QHash<QString, int>& widths = WidthsOf(Font);
    if (const auto found = widths.constFind(Text); found != widths.constEnd()) return *found;
    if (widths.size() >= MaxWidths) widths.clear();
    return *widths.insert(Text, Metrics.horizontalAdvance(Text));
}
