// TCanvas: the toolkit's drawing methods over the device context.
#include "graphics/Canvas.h"

#include "graphics/private/DeviceContext.h"
#include "graphics/FontMapper.h"
#include "graphics/Graphic.h"
#include "graphics/private/Surfaces.h"
#include "rtl/Exceptions.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int32_t PenModeRop2[] = {
    R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
    R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN, R2_MASKPEN, R2_NOTMASKPEN, R2_XORPEN, R2_NOTXORPEN,
};

// The box of a GDI figure with its corners in either order, right and bottom exclusive.
QRect Box(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2)
{
    return QRect(QPoint(std::min(X1, X2), std::min(Y1, Y2)), QPoint(std::max(X1, X2) - 1, std::max(Y1, Y2) - 1));
}

// The outline of a figure in Box: through the centres of its outer pixels.
QRectF OutlineRect(const QRect& Box)
{
    // An even side puts the extreme points between two rows (columns), where the curve's right and
    // bottom would fall just short of the last pixel: a small widening there reaches it.
    const qreal dx = Box.width() % 2 == 0 ? 0.25 : 0;
    const qreal dy = Box.height() % 2 == 0 ? 0.25 : 0;
    return QRectF(Box.left(), Box.top(), Box.width() - 1 + dx, Box.height() - 1 + dy);
}

// The angle in degrees, counter-clockwise from three o'clock, at which the radial through P meets
// the ellipse of Outline, as QPainterPath's arcs count it.
qreal RadialAngle(const QRectF& Outline, const TPoint& P)
{
    const QPointF centre = Outline.center();
    const qreal rx = std::max<qreal>(Outline.width() / 2, 0.5);
    const qreal ry = std::max<qreal>(Outline.height() / 2, 0.5);
    return std::atan2(-(P.Y - centre.y()) / ry, (P.X - centre.x()) / rx) * 180 / std::numbers::pi;
}

// The counter-clockwise sweep from Start to End; equal angles make a full turn.
qreal Sweep(qreal Start, qreal End)
{
    qreal sweep = std::fmod(End - Start, 360.0);
    if (sweep <= 0) sweep += 360;
    return sweep;
}

// An arc of the ellipse of Outline, counter-clockwise from the radial through Start to the radial
// through End; a chord closes it with a straight line, a pie through the centre.
enum class TArcShape { Open, Chord, Pie };

QPainterPath ArcPath(const QRectF& Outline, const TPoint& Start, const TPoint& End, TArcShape Shape)
{
    const qreal start = RadialAngle(Outline, Start);
    QPainterPath path;
    if (Shape == TArcShape::Pie) path.moveTo(Outline.center());
    else path.arcMoveTo(Outline, start);
    path.arcTo(Outline, start, Sweep(start, RadialAngle(Outline, End)));
    if (Shape != TArcShape::Open) path.closeSubpath();
    return path;
}

// The pixels of the ellipse inscribed in Box (logical): per row, those whose centre lies within it.
QRegion EllipseRows(const QRect& Box)
{
    const double a = Box.width() / 2.0;
    const double b = Box.height() / 2.0;
    std::vector<QRect> rows;
    for (int y = 0; y < Box.height(); ++y) {
        const double dy = (y + 0.5 - b) / b;
        const double half = a * std::sqrt(std::max(0.0, 1 - dy * dy));
        // Pixels whose centre is within half of the middle: a whole number from each side.
        const int margin = static_cast<int>(std::ceil(a - 0.5 - half - 1e-9));
        const int from = std::max(0, margin);
        if (from < Box.width() - from) rows.emplace_back(Box.left() + from, Box.top() + y, Box.width() - 2 * from, 1);
    }
    QRegion region;
    region.setRects(rows.data(), static_cast<int>(rows.size()));
    return region;
}

// Fills Area and strokes its outline. A mix mode touches each pixel once, so then the fill leaves the
// outline's pixels to the pen.
void FillAndStroke(TDeviceContext& DC, const QPainterPath& Area, const std::function<void()>& Stroke)
{
    if (DC.State.Rop2 != R2_COPYPEN && DC.PenVisible() && DC.State.Brush.Style != bsClear) {
        const int reach = DC.State.Pen.Width + 2;
        const QRegion outline = DC.Touched(Area.boundingRect().toAlignedRect().adjusted(-reach, -reach, reach, reach), Stroke);
        DC.Fill(Area, DC.State.Brush, true, &outline);
    } else {
        DC.Fill(Area, DC.State.Brush, true);
    }
    Stroke();
}

} // namespace

TCanvas::TCanvas()
    : FDC(std::make_unique<TDeviceContext>()),
      FFont(std::make_unique<TFont>()),
      FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>())
{
    FFont->OnChange = [this](TObject*) { ToolChanged(csFontValid); };
    FPen->OnChange = [this](TObject*) { ToolChanged(csPenValid); };
    FBrush->OnChange = [this](TObject*) { ToolChanged(csBrushValid); };
}

TCanvas::~TCanvas() = default;

void TSurfaces::BindImage(TCanvas& Canvas, QImage* Image)
{
    Canvas.FDC->BindImage(Image);
    Canvas.FState.Clear();
}

void TSurfaces::BindPainter(TCanvas& Canvas, QPainter* Painter)
{
    Canvas.FDC->BindPainter(Painter);
    Canvas.FState.Clear();
}

QPainter* TSurfaces::Painter(TCanvas& Canvas)
{
    if (!Canvas.FDC->Bound()) Canvas.CreateHandle();
    return Canvas.FDC->Begin();
}

bool TCanvas::HandleAllocated() const
{
    return FDC->Bound();
}

TCanvas* TCanvas::Handle()
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csPenValid, csBrushValid});
    return this;
}

TDeviceContext& TCanvas::DC()
{
    RequiredState({csHandleValid, csFontValid, csPenValid, csBrushValid});
    return *FDC;
}

void TCanvas::RequiredState(TSet<TCanvasState> State)
{
    if (State.Contains(csHandleValid) && !FState.Contains(csHandleValid)) {
        // Binding a surface starts a fresh context, so the tools are selected after it.
        if (!FDC->Bound()) CreateHandle();
        if (!FDC->Bound()) throw EInvalidOperation(QStringLiteral("Canvas does not allow drawing"));
        FState.Include(csHandleValid);
    }
    const TSet<TCanvasState> needed = State - FState;
    TDCState& dc = FDC->State;
    if (needed.Contains(csFontValid)) {
        dc.Font = {ToQFont(*FFont), FFont->Orientation(), FFont->Charset()};
        dc.TextColor = ToColorRef(FFont->Color());
        FState.Include(csFontValid);
    }
    if (needed.Contains(csPenValid)) {
        dc.Pen = {ToColorRef(FPen->Color()), FPen->Width(), FPen->Style()};
        // A wide pen draws solid lines whatever its dash style.
        if (dc.Pen.Width > 1 && dc.Pen.Style != psClear && dc.Pen.Style != psInsideFrame) dc.Pen.Style = psSolid;
        dc.Rop2 = PenModeRop2[FPen->Mode()];
        FState.Include(csPenValid);
    }
    if (needed.Contains(csBrushValid)) {
        dc.Brush = ToDCBrush(*FBrush);
        // Only a solid brush makes the background opaque (text cells, hatch gaps, dash gaps).
        dc.BkMode = dc.Brush.Style == bsSolid ? OPAQUE : TRANSPARENT;
        dc.BkColor = dc.Brush.Style == bsSolid ? dc.Brush.Color : ~dc.Brush.Color & 0xFFFFFF;
        FState.Include(csBrushValid);
    }
}

void TCanvas::ToolChanged(TCanvasState Tool)
{
    FState.Exclude(Tool);
}

void TCanvas::Refresh()
{
    FState -= TSet<TCanvasState>{csFontValid, csPenValid, csBrushValid};
}

void TCanvas::Changed()
{
    if (OnChange) OnChange(this);
}

void TCanvas::Changing()
{
    if (OnChanging) OnChanging(this);
}

TPoint TCanvas::PenPos() const
{
    return {FDC->State.PenPos.x(), FDC->State.PenPos.y()};
}

TRect TCanvas::ClipRect()
{
    RequiredState({csHandleValid});
    return FromQRect(FDC->VisibleRegion().boundingRect().translated(-FDC->Offset()));
}

TColor TCanvas::Pixels(int32_t X, int32_t Y)
{
    RequiredState({csHandleValid});
    const QPoint device = QPoint(X, Y) + FDC->Offset();
    QPoint origin;
    const QImage* surface = FDC->Surface(origin);
    if (!surface || !FDC->VisibleRegion().contains(device)) return -1;
    return static_cast<TColor>(FromQColor(surface->pixel(device + origin)));
}

void TCanvas::SetPixels(int32_t X, int32_t Y, TColor Value)
{
    Changing();
    RequiredState({csHandleValid, csPenValid});
    if (QPainter* painter = FDC->Begin()) {
        painter->setPen(QPen(ToQColor(ToColorRef(Value)), 0));
        painter->drawPoint(X, Y);
    }
    Changed();
}

void TCanvas::MoveTo(int32_t X, int32_t Y)
{
    RequiredState({csHandleValid});
    FDC->State.PenPos = QPoint(X, Y);
}

void TCanvas::LineTo(int32_t X, int32_t Y)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    const QPoint line[] = {FDC->State.PenPos, QPoint(X, Y)};
    FDC->StrokePolyline(line, false);
    FDC->State.PenPos = QPoint(X, Y);
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> Points)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    std::vector<QPoint> points;
    for (const TPoint& p : Points) points.emplace_back(p.X, p.Y);
    FDC->StrokePolyline(points, false);
    Changed();
}

void TCanvas::Polygon(std::span<const TPoint> Points)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    std::vector<QPoint> points;
    for (const TPoint& p : Points) points.emplace_back(p.X, p.Y);
    QPainterPath area;
    area.setFillRule(Qt::OddEvenFill);
    area.addPolygon(QPolygonF(QPolygon(QList<QPoint>(points.begin(), points.end()))));
    area.closeSubpath();
    FillAndStroke(*FDC, area, [&] { FDC->StrokePolyline(points, true); });
    Changed();
}

void TCanvas::Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    const QRect box = Box(X1, Y1, X2, Y2);
    TDeviceContext& dc = *FDC;
    if (box.isEmpty()) {
        // An empty box draws nothing.
    } else if (!dc.PenVisible()) {
        // Without a pen the filled area is one pixel smaller on the right and at the bottom.
        dc.FillRect(box.adjusted(0, 0, -1, -1), dc.State.Brush, true);
    } else if (dc.ThinPen() && (box.width() == 1 || box.height() == 1)) {
        // A box one pixel wide or high is all outline: each pixel once, also for a one-pixel box.
        dc.FillRect(box, {dc.State.Pen.Color, bsSolid}, true);
    } else if (dc.ThinPen()) {
        dc.FillRect(box.adjusted(1, 1, -1, -1), dc.State.Brush, true);
        const QPoint outline[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
        dc.StrokePolyline(outline, true);
    } else {
        // A wide pen is centred on the outline, or lies inside the box for psInsideFrame.
        const int width = dc.State.Pen.Width;
        const int outward = dc.State.Pen.Style == psInsideFrame ? 0 : width / 2;
        const QRect outer = box.adjusted(-outward, -outward, outward, outward);
        const QRect inner = outer.adjusted(width, width, -width, -width);
        // The fill stops at the pen, so a mix mode changes no pixel twice.
        dc.FillRect(box.adjusted(1, 1, -1, -1).intersected(inner), dc.State.Brush, true);
        QPainterPath frame;
        frame.addRegion(QRegion(outer).subtracted(QRegion(inner)));
        dc.Fill(frame, {dc.State.Pen.Color, bsSolid}, true);
    }
    Changed();
}

void TCanvas::RoundRect(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    if (const QRect box = Box(X1, Y1, X2, Y2); !box.isEmpty()) {
        QPainterPath path;
        path.addRoundedRect(OutlineRect(box), std::abs(X3) / 2.0, std::abs(Y3) / 2.0);
        FillAndStroke(*FDC, path, [&] { FDC->StrokePath(path); });
    }
    Changed();
}

void TCanvas::Ellipse(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    TDeviceContext& dc = *FDC;
    const QRect box = Box(X1, Y1, X2, Y2);
    if (box.isEmpty()) {
        // An empty box draws nothing.
    } else if (dc.ThinPen() && (dc.State.Pen.Style == psSolid || dc.State.Pen.Style == psInsideFrame)) {
        // A solid one-pixel outline: the ellipse's rows, symmetric in both directions, each pixel once.
        const QRegion inside = EllipseRows(box);
        const QRegion outline = inside.subtracted(inside.translated(1, 0) & inside.translated(-1, 0) &
                                                  inside.translated(0, 1) & inside.translated(0, -1));
        QPainterPath area;
        area.addRegion(inside.subtracted(outline));
        dc.Fill(area, dc.State.Brush, true);
        QPainterPath ring;
        ring.addRegion(outline);
        dc.Fill(ring, {dc.State.Pen.Color, bsSolid}, true);
    } else {
        QPainterPath path;
        path.addEllipse(OutlineRect(box));
        FillAndStroke(dc, path, [&] { dc.StrokePath(path); });
    }
    Changed();
}

void TCanvas::Arc(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    if (const QRect box = Box(X1, Y1, X2, Y2); !box.isEmpty())
        FDC->StrokePath(ArcPath(OutlineRect(box), {X3, Y3}, {X4, Y4}, TArcShape::Open));
    Changed();
}

void TCanvas::Chord(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    if (const QRect box = Box(X1, Y1, X2, Y2); !box.isEmpty()) {
        const QPainterPath path = ArcPath(OutlineRect(box), {X3, Y3}, {X4, Y4}, TArcShape::Chord);
        FillAndStroke(*FDC, path, [&] { FDC->StrokePath(path); });
    }
    Changed();
}

void TCanvas::Pie(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    if (const QRect box = Box(X1, Y1, X2, Y2); !box.isEmpty()) {
        const QPainterPath path = ArcPath(OutlineRect(box), {X3, Y3}, {X4, Y4}, TArcShape::Pie);
        FillAndStroke(*FDC, path, [&] { FDC->StrokePath(path); });
    }
    Changed();
}

void TCanvas::FillRect(const TRect& Rect)
{
    if (FBrush->Style() == bsClear) return;
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    // The canvas's own brush, whatever a restored context has selected.
    FDC->FillRect(ToQRect(Rect), ToDCBrush(*FBrush), false);
    Changed();
}

void TCanvas::FrameRect(const TRect& Rect)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::FrameRect(this, Rect, FBrush->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& Rect)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::DrawFocusRect(this, Rect);
    Changed();
}

void TCanvas::TextOut(int32_t X, int32_t Y, const QString& Text)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    ExtTextOut(this, X, Y, static_cast<uint32_t>(FTextFlags), nullptr, Text);
    MoveTo(X + FDC->TextExtent(Text).width(), Y);
    Changed();
}

void TCanvas::TextRect(const TRect& Rect, int32_t X, int32_t Y, const QString& Text)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    uint32_t options = ETO_CLIPPED | static_cast<uint32_t>(FTextFlags);
    if (FBrush->Style() != bsClear) options |= ETO_OPAQUE;
    ExtTextOut(this, X, Y, options, &Rect, Text);
    Changed();
}

TSize TCanvas::TextExtent(const QString& Text)
{
    RequiredState({csHandleValid, csFontValid});
    const QSize size = FDC->TextExtent(Text);
    return {size.width(), size.height()};
}

void TCanvas::Draw(int32_t X, int32_t Y, TGraphic* Graphic)
{
    if (!Graphic || Graphic->Empty()) return;
    Changing();
    RequiredState({csHandleValid});
    FDC->State.BkColor = ToColorRef(FBrush->Color());
    FDC->State.TextColor = ToColorRef(FFont->Color());
    Graphic->Draw(this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic)
{
    if (!Graphic) return;
    Changing();
    RequiredState({csHandleValid});
    Graphic->Draw(this, Rect);
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    Canvas->RequiredState({csHandleValid, csBrushValid});
    StretchBlt(this, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas, Source.Left, Source.Top,
               Source.Width(), Source.Height(), static_cast<uint32_t>(FCopyMode));
    Changed();
}
