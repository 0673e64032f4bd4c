// The device-context state behind a canvas and the painting steps its drawing functions share.
#include "graphics/private/DeviceContext.h"

#include "graphics/FontMapper.h"
#include "graphics/private/TextWidths.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainterPath>

#include <array>
#include <cstdlib>
#include <utility>

QPainter::CompositionMode MixComposition(int32_t Rop2)
{
    switch (Rop2) {
    case R2_BLACK: return QPainter::RasterOp_ClearDestination;
    case R2_WHITE: return QPainter::RasterOp_SetDestination;
    case R2_NOT: return QPainter::RasterOp_NotDestination;
    case R2_NOTCOPYPEN: return QPainter::RasterOp_NotSource;
    case R2_XORPEN: return QPainter::RasterOp_SourceXorDestination;
    case R2_NOTXORPEN: return QPainter::RasterOp_NotSourceXorDestination;
    case R2_MASKPEN: return QPainter::RasterOp_SourceAndDestination;
    case R2_MERGEPEN: return QPainter::RasterOp_SourceOrDestination;
    case R2_NOTMASKPEN: return QPainter::RasterOp_NotSourceOrNotDestination;
    case R2_NOTMERGEPEN: return QPainter::RasterOp_NotSourceAndNotDestination;
    case R2_MASKNOTPEN: return QPainter::RasterOp_NotSourceAndDestination;
    case R2_MASKPENNOT: return QPainter::RasterOp_SourceAndNotDestination;
    case R2_MERGENOTPEN: return QPainter::RasterOp_NotSourceOrDestination;
    case R2_MERGEPENNOT: return QPainter::RasterOp_SourceOrNotDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

namespace {

// On and off runs of the styled one-pixel pens, in pixels.
std::span<const int> DashPattern(TPenStyle Style)
{
    static constexpr int dash[] = {18, 6};
    static constexpr int dot[] = {3, 3};
    static constexpr int dashDot[] = {9, 6, 3, 6};
    static constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (Style) {
    case psDash: return dash;
    case psDot: return dot;
    case psDashDot: return dashDot;
    case psDashDotDot: return dashDotDot;
    default: return {};
    }
}

// The 8 x 8 hatch tiles, aligned to the device origin: row y has bit (0x80 >> x) set on the hatch lines.
bool HatchPixel(TBrushStyle Style, int X, int Y)
{
    using Tile = std::array<uint8_t, 8>;
    static constexpr Tile horizontal = {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00};
    static constexpr Tile vertical = {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08};
    static constexpr Tile fDiagonal = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
    static constexpr Tile bDiagonal = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
    static constexpr Tile cross = {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08};
    static constexpr Tile diagCross = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};
    const Tile* tile = nullptr;
    switch (Style) {
    case bsHorizontal: tile = &horizontal; break;
    case bsVertical: tile = &vertical; break;
    case bsFDiagonal: tile = &fDiagonal; break;
    case bsBDiagonal: tile = &bDiagonal; break;
    case bsCross: tile = &cross; break;
    case bsDiagCross: tile = &diagCross; break;
    default: return true;
    }
    return ((*tile)[static_cast<size_t>(Y & 7)] & (0x80 >> (X & 7))) != 0;
}

// The hatch tile as a brush texture; the gaps show the background colour or nothing.
QImage HatchTile(const TDCBrush& Brush, COLORREF Background, bool Opaque)
{
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    const QRgb line = ToQColor(Brush.Color).rgba();
    const QRgb gap = Opaque ? ToQColor(Background).rgba() : qRgba(0, 0, 0, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) tile.setPixel(x, y, HatchPixel(Brush.Style, x, y) ? line : gap);
    return tile;
}

// The hatch lines within Bounds (device coordinates) as a region.
QRegion HatchRegion(TBrushStyle Style, const QRect& Bounds)
{
    std::vector<QRect> runs;
    for (int y = Bounds.top(); y <= Bounds.bottom(); ++y) {
        int start = -1;
        for (int x = Bounds.left(); x <= Bounds.right() + 1; ++x) {
            const bool on = x <= Bounds.right() && HatchPixel(Style, x, y);
            if (on && start < 0) start = x;
            if (!on && start >= 0) {
                runs.emplace_back(start, y, x - start, 1);
                start = -1;
            }
        }
    }
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

TDCFont DefaultFont()
{
    return {ToQFont(TFont()), 0, DEFAULT_CHARSET};
}

} // namespace

QColor ToQColor(COLORREF Color)
{
    return QColor(GetRValue(Color), GetGValue(Color), GetBValue(Color));
}

COLORREF FromQColor(QRgb Color)
{
    return RGB(qRed(Color), qGreen(Color), qBlue(Color));
}

COLORREF ToColorRef(TColor Color)
{
    return static_cast<COLORREF>(ColorToRGB(Color)) & 0xFFFFFF;
}

TDCBrush ToDCBrush(const TBrush& Brush)
{
    return {ToColorRef(Brush.Color()), Brush.Style()};
}

QRect ToQRect(const TRect& Rect)
{
    return QRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
}

TRect FromQRect(const QRect& Rect)
{
    if (Rect.isEmpty()) return {};
    return {Rect.left(), Rect.top(), Rect.right() + 1, Rect.bottom() + 1};
}

TDeviceContext::TDeviceContext()
{
    State.Font = DefaultFont();
}

TDeviceContext::~TDeviceContext() = default;

void TDeviceContext::BindImage(QImage* Image)
{
    BindPainter(nullptr);
    FImage = Image;
    FPainterClip.reset();
}

void TDeviceContext::BindPainter(QPainter* Painter)
{
    FOwn.reset();
    FImage = nullptr;
    FExternal = Painter;
    FBase = Painter ? Painter->transform() : QTransform();
    FSystemClip.reset();
    if (Painter && Painter->hasClipping()) FSystemClip = Painter->clipRegion();
    State = TDCState();
    State.Font = DefaultFont();
    Saved.clear();
    FPainterClip.reset();
}

QPainter* TDeviceContext::Begin()
{
    QPainter* painter = FExternal;
    if (FImage) {
        if (FImage->isNull()) return nullptr;
        // A QImage copy sharing our pixels must not see later drawing: restarting makes the image detach.
        if (FOwn && !FImage->isDetached()) FOwn.reset();
        if (!FOwn) FOwn = std::make_unique<QPainter>(FImage);
        painter = FOwn.get();
    }
    if (!painter) return nullptr;
    const QPainter::RenderHints smooth = QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform;
    if (painter->renderHints() & smooth) painter->setRenderHints(smooth, false);
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->setOpacity(1.0);
    painter->setBackgroundMode(Qt::TransparentMode);
    const QPoint offset = Offset();
    const QTransform transform = QTransform::fromTranslate(offset.x(), offset.y()) * FBase;
    if (!painter->worldMatrixEnabled() || painter->transform() != transform) painter->setTransform(transform);
    if (FImage && !State.Clip && !FExcluding) painter->setClipping(false);
    else painter->setClipRegion(PainterClip());
    FExcluding = false;
    painter->setBrushOrigin(-offset);
    return painter;
}

const QImage* TDeviceContext::Surface(QPoint& Origin) const
{
    Origin = QPoint();
    if (FImage) return FImage->isNull() ? nullptr : FImage;
    if (!FExternal || !FExternal->device() || FExternal->device()->devType() != QInternal::Image) return nullptr;
    if (FBase.type() > QTransform::TxTranslate) return nullptr;
    Origin = FBase.map(QPoint());
    return static_cast<const QImage*>(FExternal->device());
}

QRect TDeviceContext::DeviceRect() const
{
    if (FImage) return FImage->rect();
    if (!FExternal || !FExternal->device()) return {};
    const QPaintDevice* device = FExternal->device();
    return FBase.inverted().mapRect(QRect(0, 0, device->width(), device->height()));
}

QRegion TDeviceContext::VisibleRegion() const
{
    QRegion region(DeviceRect());
    if (FSystemClip) region &= *FSystemClip;
    if (State.Clip) region &= *State.Clip;
    return region;
}

const QRegion& TDeviceContext::PainterClip()
{
    // Cells are painted with one clip in many steps: the region is worked out once for them.
    const QSize surface = FImage ? FImage->size() : QSize();
    if (!FPainterClip || FPainterClip->Clip != State.Clip || FPainterClip->Offset != Offset() || FPainterClip->Surface != surface)
        FPainterClip = TPainterClip{State.Clip, Offset(), surface, VisibleRegion().translated(-Offset())};
    return FPainterClip->Region;
}

bool TDeviceContext::ApplyMix(QPainter* Painter) const
{
    if (State.Rop2 == R2_NOP) return false;
    Painter->setCompositionMode(MixComposition(State.Rop2));
    return true;
}

QPainter* TDeviceContext::BeginFill(const QRect& Bounds, const TDCBrush& Brush, bool Mixed, const QRegion* Exclude,
                                     QBrush& Paint)
{
    if (Brush.Style == bsClear) return nullptr;
    QPainter* painter = Begin();
    if (!painter || (Mixed && !ApplyMix(painter))) return nullptr;
    if (Exclude) {
        // Clipping is set afresh by the next Begin, also when the context has none.
        painter->setClipRegion(VisibleRegion().subtracted(*Exclude).translated(-Offset()));
        FExcluding = true;
    }
    const bool hatched = Brush.Style != bsSolid;
    const bool opaque = State.BkMode == OPAQUE;
    if (hatched && !opaque && painter->compositionMode() != QPainter::CompositionMode_SourceOver) {
        // A raster operation would mix the tile's empty pixels too: clip to the hatch lines instead.
        painter->setClipRegion(HatchRegion(Brush.Style, Bounds.translated(Offset())).translated(-Offset()), Qt::IntersectClip);
        Paint = QBrush(ToQColor(Brush.Color));
        return painter;
    }
    Paint = hatched ? QBrush(HatchTile(Brush, State.BkColor, opaque)) : QBrush(ToQColor(Brush.Color));
    return painter;
}

void TDeviceContext::Fill(const QPainterPath& Area, const TDCBrush& Brush, bool Mixed, const QRegion* Exclude)
{
    QBrush paint;
    if (QPainter* painter = BeginFill(Area.boundingRect().toAlignedRect(), Brush, Mixed, Exclude, paint))
        painter->fillPath(Area, paint);
}

void TDeviceContext::FillRect(const QRect& Rect, const TDCBrush& Brush, bool Mixed)
{
    if (Rect.isEmpty()) return;
    QBrush paint;
    QPainter* painter = BeginFill(Rect, Brush, Mixed, nullptr, paint);
    if (!painter) return;
    if (paint.style() == Qt::SolidPattern) painter->fillRect(Rect, paint.color());
    else painter->fillRect(Rect, paint);
}

QRegion TDeviceContext::Touched(const QRect& Bounds, const std::function<void()>& Draw)
{
    const QRect device = DeviceRect() & Bounds.translated(Offset());
    if (device.isEmpty()) return {};
    QImage mask(device.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    // Draw onto the mask in place of the surface; mask pixel (0, 0) is the device rectangle's corner.
    const TDCState state = State;
    QImage* image = std::exchange(FImage, &mask);
    QPainter* external = std::exchange(FExternal, nullptr);
    // One painter at a time: the surface's own painter ends and the next Begin starts a new one.
    FOwn.reset();
    const QTransform base = std::exchange(FBase, QTransform());
    const std::optional<QRegion> systemClip = std::exchange(FSystemClip, std::nullopt);
    State.Clip.reset();
    State.Rop2 = R2_COPYPEN;
    State.ViewportOrg -= device.topLeft();
    FPainterClip.reset();
    Draw();
    FOwn.reset();
    FImage = image;
    FExternal = external;
    FBase = base;
    FSystemClip = systemClip;
    State = state;
    FPainterClip.reset();

    std::vector<QRect> runs;
    for (int y = 0; y < mask.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        int start = -1;
        for (int x = 0; x <= mask.width(); ++x) {
            const bool on = x < mask.width() && qAlpha(line[x]) != 0;
            if (on && start < 0) start = x;
            if (!on && start >= 0) {
                runs.emplace_back(device.left() + start, device.top() + y, x - start, 1);
                start = -1;
            }
        }
    }
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

COLORREF TDeviceContext::BrushPixel(int X, int Y) const
{
    const TDCBrush& brush = State.Brush;
    if (brush.Style == bsClear) return 0;
    return HatchPixel(brush.Style, X, Y) ? brush.Color : State.BkColor;
}

void TDeviceContext::ThinLine(QPainter* Painter, QPoint A, QPoint B, int32_t& Phase)
{
    const int dx = std::abs(B.x() - A.x());
    const int dy = std::abs(B.y() - A.y());
    const int sx = A.x() < B.x() ? 1 : -1;
    const int sy = A.y() < B.y() ? 1 : -1;
    const std::span<const int> dashes = DashPattern(State.Pen.Style);
    int period = 0;
    for (int run : dashes) period += run;

    // A solid line along an axis is a run of pixels: one fill instead of a point per pixel.
    if (period == 0 && (dx == 0 || dy == 0)) {
        const int steps = std::max(dx, dy);
        if (steps == 0) return;
        const QRect run = dy == 0 ? QRect(sx > 0 ? A.x() : A.x() - steps + 1, A.y(), steps, 1)
                                  : QRect(A.x(), sy > 0 ? A.y() : A.y() - steps + 1, 1, steps);
        Painter->fillRect(run, ToQColor(State.Pen.Color));
        return;
    }

    QPolygon on;
    QPolygon off;
    int err = dx - dy;
    QPoint p = A;
    for (int i = 0, steps = std::max(dx, dy); i < steps; ++i) {
        bool drawn = true;
        if (period > 0) {
            int position = Phase++ % period;
            size_t run = 0;
            while (position >= dashes[run]) position -= dashes[run++];
            drawn = run % 2 == 0;
        }
        (drawn ? on : off).append(p);
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            p.rx() += sx;
        }
        if (e2 < dx) {
            err += dx;
            p.ry() += sy;
        }
    }
    Painter->setPen(QPen(ToQColor(State.Pen.Color), 0));
    Painter->drawPoints(on);
    if (!off.isEmpty() && State.BkMode == OPAQUE) {
        Painter->setPen(QPen(ToQColor(State.BkColor), 0));
        Painter->drawPoints(off);
    }
}

void TDeviceContext::StrokePolyline(std::span<const QPoint> Points, bool Closed)
{
    if (!PenVisible() || Points.empty()) return;
    QPainter* painter = Begin();
    if (!painter || !ApplyMix(painter)) return;
    if (ThinPen()) {
        int32_t phase = 0;
        for (size_t i = 1; i < Points.size(); ++i) ThinLine(painter, Points[i - 1], Points[i], phase);
        if (Closed && Points.size() > 1) ThinLine(painter, Points.back(), Points.front(), phase);
        return;
    }
    painter->setPen(QPen(ToQColor(State.Pen.Color), State.Pen.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(Qt::NoBrush);
    const QPolygon polygon(QList<QPoint>(Points.begin(), Points.end()));
    if (Closed) painter->drawPolygon(polygon);
    else painter->drawPolyline(polygon);
}

void TDeviceContext::StrokePath(const QPainterPath& Path)
{
    if (!PenVisible()) return;
    if (ThinPen() && State.Rop2 != R2_COPYPEN && DashPattern(State.Pen.Style).empty()) {
        // A mix mode changes each pixel once, also where the outline closes on itself.
        QPainterPath pixels;
        const QRect bounds = Path.boundingRect().toAlignedRect().adjusted(-2, -2, 2, 2);
        pixels.addRegion(Touched(bounds, [&] { StrokePath(Path); }).translated(-Offset()));
        Fill(pixels, {State.Pen.Color, bsSolid}, true);
        return;
    }
    QPainter* painter = Begin();
    if (!painter || !ApplyMix(painter)) return;
    if (!ThinPen()) {
        painter->strokePath(Path, QPen(ToQColor(State.Pen.Color), State.Pen.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        return;
    }
    QPen pen(ToQColor(State.Pen.Color), 0);
    const std::span<const int> dashes = DashPattern(State.Pen.Style);
    if (!dashes.empty()) {
        pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
        if (State.BkMode == OPAQUE) {
            painter->setBackgroundMode(Qt::OpaqueMode);
            painter->setBackground(ToQColor(State.BkColor));
        }
    }
    painter->strokePath(Path, pen);
}

QSize TDeviceContext::TextExtent(const QString& Text) const
{
    const QFontMetrics metrics(State.Font.Font);
    return {TextWidth(State.Font.Font, metrics, MapFontText(State.Font.Font, Text)), metrics.ascent() + metrics.descent()};
}

void TDeviceContext::TextLine(int32_t X, int32_t Y, const QString& Text, bool Opaque, const QRect* Clip)
{
    QPainter* painter = Begin();
    if (!painter) return;
    if (Clip) painter->setClipRect(*Clip, Qt::IntersectClip);
    painter->translate(X, Y);
    if (State.Font.Escapement != 0) painter->rotate(-State.Font.Escapement / 10.0);
    const QFontMetrics metrics(State.Font.Font);
    if (Opaque) painter->fillRect(QRect(QPoint(), TextExtent(Text)), ToQColor(State.BkColor));
    SetPainterFont(painter);
    painter->setPen(ToQColor(State.TextColor));
    painter->drawText(0, metrics.ascent(), MapFontText(State.Font.Font, Text));
}

void TDeviceContext::SetPainterFont(QPainter* Painter)
{
    // The painter makes a font of its own for each one set, which then looks its glyphs up afresh:
    // the font stays while it is the one this context set.
    if (FPainterFont && FPainterFont->Selected == State.Font.Font && FPainterFont->Set == Painter->font()) return;
    Painter->setFont(State.Font.Font);
    FPainterFont = TPainterFont{State.Font.Font, Painter->font()};
}
