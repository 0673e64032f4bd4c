// GDI drawing helpers: edges, frame controls, focus rectangles, pattern and bit blits, gradients, alpha blending.
#include "graphics/Gdi.h"

#include "graphics/private/DeviceContext.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <utility>

namespace {

// Restores the context's state (selected tools, modes, colours) when a helper is done with it.
class TStateGuard {
public:
    explicit TStateGuard(TDeviceContext& DC) : FDC(DC), FSaved(DC.State) {}
    ~TStateGuard() { FDC.State = FSaved; }
    TStateGuard(const TStateGuard&) = delete;
    TStateGuard& operator=(const TStateGuard&) = delete;

private:
    TDeviceContext& FDC;
    TDCState FSaved;
};

void Solid(TDeviceContext& DC, const QRect& Rect, int SysColor)
{
    DC.FillRect(Rect, {GetSysColor(SysColor), bsSolid}, false);
}

// --- Edges ---

struct TRing {
    int TopLeft;
    int BottomRight;
};

// The colours (COLOR_*) of the outer or inner ring of an edge; nullopt when the edge has no such ring.
std::optional<TRing> EdgeRing(uint32_t Edge, uint32_t Flags, bool Outer)
{
    const bool raised = Edge & (Outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER);
    const bool sunken = Edge & (Outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER);
    if (!raised && !sunken) return std::nullopt;
    if (Flags & BF_MONO) return TRing{Outer ? COLOR_WINDOWFRAME : COLOR_WINDOW, Outer ? COLOR_WINDOWFRAME : COLOR_WINDOW};
    if (Flags & BF_FLAT) return TRing{Outer ? COLOR_BTNSHADOW : COLOR_BTNFACE, Outer ? COLOR_BTNSHADOW : COLOR_BTNFACE};
    const bool soft = Flags & BF_SOFT;
    if (Outer && raised) return TRing{soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
    if (Outer) return TRing{soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    if (raised) return TRing{soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    return TRing{soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

// One ring on the flagged sides: the bottom and right lines take the corners they share with the others.
void DrawRing(TDeviceContext& DC, QRect& Rect, const TRing& Ring, uint32_t Flags)
{
    const int l = Rect.left(), t = Rect.top(), r = Rect.right() + 1, b = Rect.bottom() + 1;
    if (Flags & BF_TOP) Solid(DC, QRect(l, t, ((Flags & BF_RIGHT) ? r - 1 : r) - l, 1), Ring.TopLeft);
    if (Flags & BF_LEFT) Solid(DC, QRect(l, t, 1, ((Flags & BF_BOTTOM) ? b - 1 : b) - t), Ring.TopLeft);
    if (Flags & BF_BOTTOM) Solid(DC, QRect(l, b - 1, r - l, 1), Ring.BottomRight);
    if (Flags & BF_RIGHT) Solid(DC, QRect(r - 1, t, 1, b - t), Ring.BottomRight);
    Rect.adjust((Flags & BF_LEFT) ? 1 : 0, (Flags & BF_TOP) ? 1 : 0, (Flags & BF_RIGHT) ? -1 : 0, (Flags & BF_BOTTOM) ? -1 : 0);
}

// The edges and the middle; returns the area inside the edges.
QRect Edges(TDeviceContext& DC, QRect Rect, uint32_t Edge, uint32_t Flags)
{
    for (bool outer : {true, false})
        if (const std::optional<TRing> ring = EdgeRing(Edge, Flags, outer)) DrawRing(DC, Rect, *ring, Flags);
    if (Flags & BF_MIDDLE) Solid(DC, Rect, (Flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
    return Rect;
}

// --- Frame controls ---

// A 50% dither of face and highlight, as a checked button's face shows.
void Dither(TDeviceContext& DC, const QRect& Rect)
{
    Solid(DC, Rect, COLOR_BTNFACE);
    QPainter* painter = DC.Begin();
    if (!painter) return;
    QPolygon dots;
    for (int y = Rect.top(); y <= Rect.bottom(); ++y)
        for (int x = Rect.left() + ((Rect.left() + y) & 1); x <= Rect.right(); x += 2) dots.append(QPoint(x, y));
    painter->setPen(QPen(ToQColor(GetSysColor(COLOR_BTNHIGHLIGHT)), 0));
    painter->drawPoints(dots);
}

// A push button's frame and face; returns the face inside the frame.
QRect ButtonFrame(TDeviceContext& DC, const QRect& Rect, uint32_t State)
{
    const bool down = State & (DFCS_PUSHED | DFCS_CHECKED);
    QRect face;
    if (State & DFCS_MONO) face = Edges(DC, Rect, down ? BDR_SUNKENOUTER : BDR_RAISEDOUTER, BF_RECT | BF_MONO | BF_MIDDLE);
    else if ((State & DFCS_FLAT) && (State & DFCS_PUSHED)) face = Edges(DC, Rect, BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE);
    else if ((State & DFCS_FLAT) && (State & DFCS_HOT)) face = Edges(DC, Rect, BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
    else if (State & DFCS_FLAT) face = Edges(DC, Rect, BDR_RAISEDOUTER, BF_RECT | BF_FLAT | BF_MIDDLE);
    else face = Edges(DC, Rect, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
    if ((State & DFCS_CHECKED) && !(State & DFCS_PUSHED)) Dither(DC, face);
    return face;
}

// The largest square of Rect, centred.
QRect Square(const QRect& Rect)
{
    const int side = std::min(Rect.width(), Rect.height());
    return QRect(Rect.left() + (Rect.width() - side) / 2, Rect.top() + (Rect.height() - side) / 2, side, side);
}

void CheckMark(TDeviceContext& DC, const QRect& Box, int SysColor)
{
    // The classic 7 x 7 tick: each column is three pixels high, starting at these rows.
    static constexpr int columnTop[] = {2, 3, 4, 3, 2, 1, 0};
    const int left = Box.left() + (Box.width() - 7) / 2;
    const int top = Box.top() + (Box.height() - 7) / 2;
    for (int i = 0; i < 7; ++i) Solid(DC, QRect(left + i, top + columnTop[i], 1, 3), SysColor);
}

bool CheckBox(TDeviceContext& DC, const QRect& Rect, uint32_t State)
{
    const QRect box = Square(Rect);
    uint32_t flags = BF_RECT;
    if (State & DFCS_MONO) flags |= BF_MONO;
    else if (State & DFCS_FLAT) flags |= BF_FLAT;
    const QRect inside = Edges(DC, box, EDGE_SUNKEN, flags);
    const bool threeState = (State & DFCS_BUTTON3STATE) && (State & DFCS_CHECKED);
    if (threeState) Dither(DC, inside);
    else Solid(DC, inside, (State & (DFCS_INACTIVE | DFCS_PUSHED)) ? COLOR_BTNFACE : COLOR_WINDOW);
    if (State & DFCS_CHECKED) CheckMark(DC, inside, (threeState || (State & DFCS_INACTIVE)) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
    return true;
}

// The classic round button: two rings lit from the upper left around a disc, with a dot when checked.
bool RadioButton(TDeviceContext& DC, const QRect& Rect, uint32_t State)
{
    const QRect box = Square(Rect);
    const QPointF centre = QRectF(box).center();
    const qreal radius = box.width() / 2.0;
    const qreal dotRadius = std::max(1, box.width() / 3) / 2.0 + 0.01;
    const bool mask = State & DFCS_BUTTONRADIOMASK;
    // Flat and mono buttons have a single ring.
    const bool singleRing = State & (DFCS_MONO | DFCS_FLAT);
    const int ringColor = (State & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW;
    const int interior = (State & (DFCS_INACTIVE | DFCS_PUSHED)) ? COLOR_BTNFACE : COLOR_WINDOW;
    const int dotColor = (State & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT;

    std::map<int, QPolygon> pixels;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            // Rings by the distance of the pixel's centre from the button's centre.
            const qreal distance = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
            const bool upperLeft = (x - box.left()) + (y - box.top()) < box.width() - 1;
            int color;
            if (mask) color = distance <= radius ? COLOR_WINDOWTEXT : COLOR_WINDOW;
            else if (distance > radius) continue;
            else if (distance > radius - 1) color = singleRing ? ringColor : upperLeft ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
            else if (distance > radius - 2 && !singleRing) color = upperLeft ? COLOR_3DDKSHADOW : COLOR_3DLIGHT;
            else if ((State & DFCS_CHECKED) && distance <= dotRadius) color = dotColor;
            else color = interior;
            pixels[color].append(QPoint(x, y));
        }
    }
    QPainter* painter = DC.Begin();
    if (!painter) return false;
    for (const auto& [color, points] : pixels) {
        painter->setPen(QPen(ToQColor(GetSysColor(color)), 0));
        painter->drawPoints(points);
    }
    return true;
}

enum class TArrow { Up, Down, Left, Right };

// A solid triangle pointing in Direction, centred in Face, sized for a button of Size pixels:
// 4 rows (7 pixels wide at the base) for the classic 16-pixel button.
void ArrowGlyph(TDeviceContext& DC, const QRect& Face, int Size, TArrow Direction, int SysColor)
{
    const bool vertical = Direction == TArrow::Up || Direction == TArrow::Down;
    const bool towardsStart = Direction == TArrow::Up || Direction == TArrow::Left;
    const int n = std::max(1, (Size - 2) / 4);
    const int cx = Face.left() + (Face.width() - 1) / 2;
    const int cy = Face.top() + (Face.height() - 1) / 2;
    for (int i = 0; i <= n; ++i) {
        // Row i, counted from the tip, is 2i + 1 pixels long.
        const int along = (towardsStart ? i : n - i) - n / 2;
        if (vertical) Solid(DC, QRect(cx - i, cy + along, 2 * i + 1, 1), SysColor);
        else Solid(DC, QRect(cx + along, cy - i, 1, 2 * i + 1), SysColor);
    }
}

bool ScrollButton(TDeviceContext& DC, TRect& Rect, uint32_t State)
{
    QRect face;
    const QRect rect = ToQRect(Rect);
    if ((State & DFCS_PUSHED) && !(State & DFCS_FLAT)) face = Edges(DC, rect, BDR_RAISEDOUTER, BF_RECT | BF_FLAT | BF_MIDDLE);
    else face = ButtonFrame(DC, rect, State);
    TArrow direction;
    switch (State & 0xFF) {
    case DFCS_SCROLLUP: direction = TArrow::Up; break;
    case DFCS_SCROLLDOWN:
    case DFCS_SCROLLCOMBOBOX: direction = TArrow::Down; break;
    case DFCS_SCROLLLEFT: direction = TArrow::Left; break;
    case DFCS_SCROLLRIGHT: direction = TArrow::Right; break;
    default: return false;
    }
    if (State & DFCS_PUSHED) face.translate(1, 1);
    const int size = std::min(rect.width(), rect.height());
    if (State & DFCS_INACTIVE) {
        ArrowGlyph(DC, face.translated(1, 1), size, direction, COLOR_BTNHIGHLIGHT);
        ArrowGlyph(DC, face, size, direction, COLOR_BTNSHADOW);
    } else {
        ArrowGlyph(DC, face, size, direction, COLOR_BTNTEXT);
    }
    return true;
}

bool CaptionButton(TDeviceContext& DC, TRect& Rect, uint32_t State)
{
    QRect face = ButtonFrame(DC, ToQRect(Rect), State);
    if (State & DFCS_PUSHED) face.translate(1, 1);
    const int color = (State & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_BTNTEXT;
    const int side = std::max(4, std::min(face.width(), face.height()) - 4);
    const QRect glyph(face.left() + (face.width() - side) / 2, face.top() + (face.height() - side) / 2, side, side);
    switch (State & 0xFF) {
    case DFCS_CAPTIONCLOSE:
        // Two crossing diagonals, two pixels thick.
        for (int i = 0; i < side; ++i) {
            const int thickness = i + 1 < side ? 2 : 1;
            Solid(DC, QRect(glyph.left() + i, glyph.top() + i, thickness, 1), color);
            Solid(DC, QRect(glyph.right() - i - thickness + 1, glyph.top() + i, thickness, 1), color);
        }
        return true;
    case DFCS_CAPTIONMIN:
        Solid(DC, QRect(glyph.left(), glyph.bottom() - 1, side * 2 / 3, 2), color);
        return true;
    case DFCS_CAPTIONMAX:
        // A window outline with a thick title bar.
        Solid(DC, glyph, color);
        Solid(DC, glyph.adjusted(1, 2, -1, -1), COLOR_BTNFACE);
        return true;
    case DFCS_CAPTIONRESTORE: {
        const int small = side * 2 / 3;
        for (const QRect& window : {QRect(glyph.right() - small + 1, glyph.top(), small, small),
                                    QRect(glyph.left(), glyph.bottom() - small + 1, small, small)}) {
            Solid(DC, window, color);
            Solid(DC, window.adjusted(1, 2, -1, -1), COLOR_BTNFACE);
        }
        return true;
    }
    default: return false;
    }
}

// --- Blits ---

// The ROP3 code's truth table: bit (P << 2 | S << 1 | D) is the result for those inputs.
uint8_t Rop3Table(uint32_t Rop)
{
    return static_cast<uint8_t>(Rop >> 16);
}

bool UsesSource(uint8_t Table)
{
    return ((Table >> 2) & 0x33) != (Table & 0x33);
}

bool UsesPattern(uint8_t Table)
{
    return ((Table >> 4) & 0x0F) != (Table & 0x0F);
}

// The mix mode (R2_*) of a ROP3 that ignores the source: its table over pattern and destination.
int32_t PatternMix(uint8_t Table)
{
    return 1 + (((Table >> 5) & 1) << 3 | ((Table >> 4) & 1) << 2 | ((Table >> 1) & 1) << 1 | (Table & 1));
}

// The mix mode of a ROP3 that ignores the pattern, with the source in the pen's place.
int32_t SourceMix(uint8_t Table)
{
    return 1 + (Table & 0x0F);
}

uint32_t Ternary(uint8_t Table, uint32_t P, uint32_t S, uint32_t D)
{
    uint32_t result = 0;
    for (int i = 0; i < 8; ++i)
        if (Table & (1 << i)) result |= ((i & 4) ? P : ~P) & ((i & 2) ? S : ~S) & ((i & 1) ? D : ~D);
    return result & 0xFFFFFF;
}

// A rectangle given by a corner and a signed size.
QRect Normalized(int32_t X, int32_t Y, int32_t Width, int32_t Height)
{
    return QRect(Width < 0 ? X + Width : X, Height < 0 ? Y + Height : Y, std::abs(Width), std::abs(Height));
}

// The source pixels of a blit, mirrored and scaled to the destination size by the stretch mode.
std::optional<QImage> SourcePixels(TDeviceContext& Source, int32_t XSrc, int32_t YSrc, int32_t WidthSrc, int32_t HeightSrc,
                                   int32_t Width, int32_t Height, int32_t StretchMode)
{
    QPoint origin;
    const QImage* surface = Source.Surface(origin);
    if (!surface) return std::nullopt;
    const QRect area = Normalized(XSrc, YSrc, WidthSrc, HeightSrc).translated(Source.Offset() + origin);
    QImage pixels = surface->copy(area);
    if (pixels.format() != QImage::Format_RGB32 && pixels.format() != QImage::Format_ARGB32_Premultiplied)
        pixels.convertTo(pixels.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    pixels.mirror((WidthSrc < 0) != (Width < 0), (HeightSrc < 0) != (Height < 0));
    const QSize size(std::abs(Width), std::abs(Height));
    if (pixels.size() != size)
        pixels = pixels.scaled(size, Qt::IgnoreAspectRatio, StretchMode == HALFTONE ? Qt::SmoothTransformation : Qt::FastTransformation);
    return pixels;
}

} // namespace

int32_t SetROP2(HDC DC, int32_t Mode)
{
    if (Mode < R2_BLACK || Mode > R2_WHITE) return 0;
    return std::exchange(DC->DC().State.Rop2, Mode);
}

int32_t GetROP2(HDC DC)
{
    return DC->DC().State.Rop2;
}

bool DrawEdge(HDC DC, TRect& Rect, uint32_t Edge, uint32_t Flags)
{
    if (Flags & BF_DIAGONAL) return false;
    const QRect inside = Edges(DC->DC(), ToQRect(Rect), Edge, Flags);
    if (Flags & BF_ADJUST) Rect = {inside.left(), inside.top(), inside.right() + 1, inside.bottom() + 1};
    return true;
}

bool DrawFrameControl(HDC DC, TRect& Rect, uint32_t Type, uint32_t State)
{
    TDeviceContext& dc = DC->DC();
    switch (Type) {
    case DFC_BUTTON:
        if (State & DFCS_BUTTONPUSH) {
            const QRect face = ButtonFrame(dc, ToQRect(Rect), State);
            if (State & DFCS_ADJUSTRECT) Rect = {face.left(), face.top(), face.right() + 1, face.bottom() + 1};
            return true;
        }
        if (State & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) return RadioButton(dc, ToQRect(Rect), State);
        return CheckBox(dc, ToQRect(Rect), State);
    case DFC_SCROLL: return ScrollButton(dc, Rect, State);
    case DFC_CAPTION: return CaptionButton(dc, Rect, State);
    default: return false;
    }
}

bool DrawFocusRect(HDC DC, const TRect& Rect)
{
    TDeviceContext& dc = DC->DC();
    const QRect r = ToQRect(Rect);
    if (r.isEmpty()) return true;
    // GDI inverts through a 50% pattern brush: its set pixels take the background colour, the others
    // the text colour (black by default, which leaves them as they are).
    QPolygon set;
    QPolygon unset;
    const QPoint offset = dc.Offset();
    const auto add = [&](int X, int Y) { (((X + offset.x() + Y + offset.y()) & 1) == 0 ? set : unset).append(QPoint(X, Y)); };
    for (int x = r.left(); x <= r.right(); ++x) {
        add(x, r.top());
        if (r.bottom() > r.top()) add(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        add(r.left(), y);
        if (r.right() > r.left()) add(r.right(), y);
    }
    QPainter* painter = dc.Begin();
    if (!painter) return false;
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter->setPen(QPen(ToQColor(dc.State.BkColor), 0));
    painter->drawPoints(set);
    painter->setPen(QPen(ToQColor(dc.State.TextColor), 0));
    painter->drawPoints(unset);
    return true;
}

bool InvertRect(HDC DC, const TRect& Rect)
{
    return PatBlt(DC, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), DSTINVERT);
}

int32_t FillRect(HDC DC, const TRect& Rect, HBRUSH Brush)
{
    if (!Brush) return 0;
    DC->DC().FillRect(ToQRect(Rect), ToDCBrush(*Brush), false);
    return 1;
}

int32_t FrameRect(HDC DC, const TRect& Rect, HBRUSH Brush)
{
    const QRect r = ToQRect(Rect);
    if (!Brush || r.isEmpty()) return 0;
    TDeviceContext& dc = DC->DC();
    const TDCBrush brush = ToDCBrush(*Brush);
    dc.FillRect(QRect(r.left(), r.top(), r.width(), 1), brush, false);
    if (r.height() > 1) dc.FillRect(QRect(r.left(), r.bottom(), r.width(), 1), brush, false);
    dc.FillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), brush, false);
    if (r.width() > 1) dc.FillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), brush, false);
    return 1;
}

bool PatBlt(HDC DC, int32_t X, int32_t Y, int32_t Width, int32_t Height, uint32_t Rop)
{
    const uint8_t table = Rop3Table(Rop);
    if (UsesSource(table)) return false;
    TDeviceContext& dc = DC->DC();
    TStateGuard guard(dc);
    dc.State.Rop2 = PatternMix(table);
    // Operations without a pattern work whatever brush is selected.
    const TDCBrush brush = UsesPattern(table) ? dc.State.Brush : TDCBrush{0, bsSolid};
    dc.FillRect(Normalized(X, Y, Width, Height), brush, true);
    return true;
}

bool BitBlt(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Source, int32_t XSrc, int32_t YSrc, uint32_t Rop)
{
    return StretchBlt(Dest, X, Y, Width, Height, Source, XSrc, YSrc, Width, Height, Rop);
}

bool StretchBlt(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Source, int32_t XSrc, int32_t YSrc,
                int32_t WidthSrc, int32_t HeightSrc, uint32_t Rop)
{
    const uint8_t table = Rop3Table(Rop);
    if (!UsesSource(table)) return PatBlt(Dest, X, Y, Width, Height, Rop);
    if (!Source) return false;
    TDeviceContext& dc = Dest->DC();
    const std::optional<QImage> source =
        SourcePixels(Source->DC(), XSrc, YSrc, WidthSrc, HeightSrc, Width, Height, dc.State.StretchMode);
    if (!source) return false;
    const QRect target = Normalized(X, Y, Width, Height);
    if (!UsesPattern(table)) {
        const int32_t mix = SourceMix(table);
        if (mix == R2_NOP) return true;
        QPainter* painter = dc.Begin();
        if (!painter) return false;
        painter->setCompositionMode(mix == R2_COPYPEN ? QPainter::CompositionMode_Source : MixComposition(mix));
        painter->drawImage(target.topLeft(), *source);
        return true;
    }
    // Pattern, source and destination together: evaluated per pixel on a readable destination.
    QPoint origin;
    const QImage* surface = dc.Surface(origin);
    if (!surface) return false;
    const QPoint device = target.topLeft() + dc.Offset();
    QImage result(target.size(), QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const QPoint at = device + QPoint(x, y);
            const uint32_t d = surface->valid(at + origin) ? surface->pixel(at + origin) : 0;
            const uint32_t p = ToQColor(dc.BrushPixel(at.x(), at.y())).rgb();
            result.setPixel(x, y, 0xFF000000 | Ternary(table, p, source->pixel(x, y), d));
        }
    }
    QPainter* painter = dc.Begin();
    if (!painter) return false;
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->drawImage(target.topLeft(), result);
    return true;
}

int32_t SetStretchBltMode(HDC DC, int32_t Mode)
{
    if (Mode < BLACKONWHITE || Mode > HALFTONE) return 0;
    return std::exchange(DC->DC().State.StretchMode, Mode);
}

int32_t GetStretchBltMode(HDC DC)
{
    return DC->DC().State.StretchMode;
}

bool TransparentBlt(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Source, int32_t XSrc,
                    int32_t YSrc, int32_t WidthSrc, int32_t HeightSrc, COLORREF Transparent)
{
    if (Width < 0 || Height < 0 || WidthSrc < 0 || HeightSrc < 0) return false;
    TDeviceContext& dc = Dest->DC();
    std::optional<QImage> source = SourcePixels(Source->DC(), XSrc, YSrc, WidthSrc, HeightSrc, Width, Height, COLORONCOLOR);
    if (!source) return false;
    QImage masked = source->convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(Transparent).rgb() & 0xFFFFFF;
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
    }
    QPainter* painter = dc.Begin();
    if (!painter) return false;
    painter->drawImage(QPoint(X, Y), masked);
    return true;
}

bool AlphaBlend(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Source, int32_t XSrc,
                int32_t YSrc, int32_t WidthSrc, int32_t HeightSrc, BLENDFUNCTION Blend)
{
    if (Blend.BlendOp != AC_SRC_OVER || Width < 0 || Height < 0 || WidthSrc < 0 || HeightSrc < 0) return false;
    TDeviceContext& dc = Dest->DC();
    TDeviceContext& source = Source->DC();
    QPoint origin;
    const QImage* surface = source.Surface(origin);
    if (!surface) return false;
    const QRect area = QRect(XSrc, YSrc, WidthSrc, HeightSrc).translated(source.Offset() + origin);
    // The source rectangle must lie within the source surface.
    if (!surface->rect().contains(area)) return false;
    QImage pixels = surface->copy(area);
    if (Blend.AlphaFormat & AC_SRC_ALPHA) {
        // The source's bytes count as premultiplied, whatever its format claims.
        if (pixels.depth() != 32) pixels.convertTo(QImage::Format_ARGB32);
        pixels.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    } else {
        pixels.convertTo(QImage::Format_RGB32);
    }
    if (pixels.size() != QSize(Width, Height))
        pixels = pixels.scaled(Width, Height, Qt::IgnoreAspectRatio,
                               dc.State.StretchMode == HALFTONE ? Qt::SmoothTransformation : Qt::FastTransformation);
    QPainter* painter = dc.Begin();
    if (!painter) return false;
    painter->setOpacity(Blend.SourceConstantAlpha / 255.0);
    painter->drawImage(QPoint(X, Y), pixels);
    return true;
}

bool GradientFill(HDC DC, std::span<const TRIVERTEX> Vertices, std::span<const GRADIENT_RECT> Rects, uint32_t Mode)
{
    if (Mode != GRADIENT_FILL_RECT_H && Mode != GRADIENT_FILL_RECT_V) return false;
    TDeviceContext& dc = DC->DC();
    const bool horizontal = Mode == GRADIENT_FILL_RECT_H;
    for (const GRADIENT_RECT& rect : Rects) {
        if (rect.UpperLeft >= Vertices.size() || rect.LowerRight >= Vertices.size()) return false;
        const TRIVERTEX& a = Vertices[rect.UpperLeft];
        const TRIVERTEX& b = Vertices[rect.LowerRight];
        const QRect area(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1));
        if (area.isEmpty()) continue;
        // Colours run from the vertex on the left (top) to the other; the far end stays one step short.
        const bool aFirst = horizontal ? a.x <= b.x : a.y <= b.y;
        const TRIVERTEX& from = aFirst ? a : b;
        const TRIVERTEX& to = aFirst ? b : a;
        const int steps = horizontal ? area.width() : area.height();
        const auto channel = [steps](COLOR16 From, COLOR16 To, int Step) {
            return static_cast<int>((From + (int64_t(To) - From) * Step / steps) >> 8);
        };
        QImage stripe(horizontal ? QSize(steps, 1) : QSize(1, steps), QImage::Format_RGB32);
        for (int i = 0; i < steps; ++i)
            stripe.setPixel(horizontal ? i : 0, horizontal ? 0 : i,
                            qRgb(channel(from.Red, to.Red, i), channel(from.Green, to.Green, i), channel(from.Blue, to.Blue, i)));
        QPainter* painter = dc.Begin();
        if (!painter) return false;
        painter->drawImage(area, stripe);
    }
    return true;
}

bool SetWindowOrgEx(HDC DC, int32_t X, int32_t Y, TPoint* Previous)
{
    QPoint& origin = DC->DC().State.WindowOrg;
    if (Previous) *Previous = {origin.x(), origin.y()};
    origin = QPoint(X, Y);
    return true;
}

bool GetWindowOrgEx(HDC DC, TPoint& Origin)
{
    const QPoint origin = DC->DC().State.WindowOrg;
    Origin = {origin.x(), origin.y()};
    return true;
}

bool SetViewportOrgEx(HDC DC, int32_t X, int32_t Y, TPoint* Previous)
{
    QPoint& origin = DC->DC().State.ViewportOrg;
    if (Previous) *Previous = {origin.x(), origin.y()};
    origin = QPoint(X, Y);
    return true;
}

bool GetViewportOrgEx(HDC DC, TPoint& Origin)
{
    const QPoint origin = DC->DC().State.ViewportOrg;
    Origin = {origin.x(), origin.y()};
    return true;
}

int32_t GetDeviceCaps(HDC DC, int32_t Index)
{
    switch (Index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return ScreenPixelsPerInch;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZRES: return DC ? DC->DC().DeviceRect().width() : 0;
    case VERTRES: return DC ? DC->DC().DeviceRect().height() : 0;
    default: return 0;
    }
}
