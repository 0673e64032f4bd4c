// Regions over QRegion, the region functions and the clipping and saved states of a device context.
#include "graphics/Region.h"

#include "graphics/private/DeviceContext.h"
#include "graphics/private/Surfaces.h"

#include <QPainterPath>
#include <QPolygon>

namespace {

QRect NormalRect(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom)
{
    return ToQRect({std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)});
}

int32_t Kind(const QRegion& Region)
{
    if (Region.isEmpty()) return NULLREGION;
    return Region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QPainterPath AreaOf(const QRegion& Region)
{
    QPainterPath area;
    area.addRegion(Region);
    return area;
}

// The current clip of the context, the whole surface when none is selected.
QRegion CurrentClip(const TDeviceContext& DC)
{
    return DC.State.Clip ? *DC.State.Clip : QRegion(DC.DeviceRect());
}

} // namespace

TRegion::TRegion() : FData(std::make_unique<QRegion>()) {}
TRegion::TRegion(const TRegion& Other) : FData(std::make_unique<QRegion>(*Other.FData)) {}
TRegion::~TRegion() = default;

TRegion TSurfaces::MakeRegion(const QRegion& Region)
{
    TRegion result;
    *result.FData = Region;
    return result;
}

TRegion& TRegion::operator=(const TRegion& Other)
{
    *FData = *Other.FData;
    return *this;
}

bool TRegion::IsEmpty() const
{
    return FData->isEmpty();
}

QList<TRect> TRegion::Rects() const
{
    QList<TRect> rects;
    for (const QRect& r : *FData) rects.append(FromQRect(r));
    return rects;
}

bool operator==(const TRegion& A, const TRegion& B)
{
    return *A.FData == *B.FData;
}

TRegion CreateRectRgn(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom)
{
    return RegionOf(QRegion(NormalRect(Left, Top, Right, Bottom)));
}

TRegion CreateRectRgnIndirect(const TRect& Rect)
{
    return CreateRectRgn(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
}

TRegion CreateRoundRectRgn(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom, int32_t WidthEllipse, int32_t HeightEllipse)
{
    const QRect box = NormalRect(Left, Top, Right, Bottom);
    const int rw = std::min(std::abs(WidthEllipse), box.width());
    const int rh = std::min(std::abs(HeightEllipse), box.height());
    if (rw < 2 || rh < 2) return RegionOf(QRegion(box));
    QRegion region = QRegion(box.adjusted(rw / 2, 0, -(rw / 2), 0)) | QRegion(box.adjusted(0, rh / 2, 0, -(rh / 2)));
    const QRect corner(box.topLeft(), QSize(rw, rh));
    region |= QRegion(corner, QRegion::Ellipse);
    region |= QRegion(corner.translated(box.width() - rw, 0), QRegion::Ellipse);
    region |= QRegion(corner.translated(0, box.height() - rh), QRegion::Ellipse);
    region |= QRegion(corner.translated(box.width() - rw, box.height() - rh), QRegion::Ellipse);
    return RegionOf(region);
}

TRegion CreateEllipticRgn(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom)
{
    return RegionOf(QRegion(NormalRect(Left, Top, Right, Bottom), QRegion::Ellipse));
}

TRegion CreateEllipticRgnIndirect(const TRect& Rect)
{
    return CreateEllipticRgn(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
}

TRegion CreatePolygonRgn(std::span<const TPoint> Points, int32_t FillMode)
{
    QPolygon polygon;
    for (const TPoint& p : Points) polygon.append(QPoint(p.X, p.Y));
    return RegionOf(QRegion(polygon, FillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill));
}

int32_t CombineRgn(TRegion& Dest, const TRegion& A, const TRegion& B, int32_t Mode)
{
    switch (Mode) {
    case RGN_AND: QtRegion(Dest) = QtRegion(A) & QtRegion(B); break;
    case RGN_OR: QtRegion(Dest) = QtRegion(A) | QtRegion(B); break;
    case RGN_XOR: QtRegion(Dest) = QtRegion(A) ^ QtRegion(B); break;
    case RGN_DIFF: QtRegion(Dest) = QtRegion(A) - QtRegion(B); break;
    case RGN_COPY: QtRegion(Dest) = QtRegion(A); break;
    default: return RGN_ERROR;
    }
    return Kind(QtRegion(Dest));
}

int32_t OffsetRgn(TRegion& Region, int32_t X, int32_t Y)
{
    QtRegion(Region).translate(X, Y);
    return Kind(QtRegion(Region));
}

bool SetRectRgn(TRegion& Region, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom)
{
    QtRegion(Region) = QRegion(NormalRect(Left, Top, Right, Bottom));
    return true;
}

bool PtInRegion(const TRegion& Region, int32_t X, int32_t Y)
{
    return QtRegion(Region).contains(QPoint(X, Y));
}

bool RectInRegion(const TRegion& Region, const TRect& Rect)
{
    return QtRegion(Region).intersects(ToQRect(Rect));
}

bool EqualRgn(const TRegion& A, const TRegion& B)
{
    return A == B;
}

int32_t GetRgnBox(const TRegion& Region, TRect& Box)
{
    Box = FromQRect(QtRegion(Region).boundingRect());
    return Kind(QtRegion(Region));
}

bool FillRgn(HDC DC, const TRegion& Region, HBRUSH Brush)
{
    DC->DC().Fill(AreaOf(QtRegion(Region)), ToDCBrush(*Brush), false);
    return true;
}

bool FrameRgn(HDC DC, const TRegion& Region, HBRUSH Brush, int32_t Width, int32_t Height)
{
    const QRegion& area = QtRegion(Region);
    const QRegion inside = area & area.translated(Width, 0) & area.translated(-Width, 0) & area.translated(0, Height) &
                           area.translated(0, -Height);
    DC->DC().Fill(AreaOf(area - inside), ToDCBrush(*Brush), false);
    return true;
}

bool PaintRgn(HDC DC, const TRegion& Region)
{
    TDeviceContext& dc = DC->DC();
    dc.Fill(AreaOf(QtRegion(Region)), dc.State.Brush, true);
    return true;
}

bool InvertRgn(HDC DC, const TRegion& Region)
{
    if (QPainter* painter = DC->DC().Begin()) {
        painter->setCompositionMode(QPainter::RasterOp_NotDestination);
        painter->fillPath(AreaOf(QtRegion(Region)), Qt::black);
    }
    return true;
}

int32_t SelectClipRgn(HDC DC, const TRegion* Region)
{
    return ExtSelectClipRgn(DC, Region, RGN_COPY);
}

int32_t ExtSelectClipRgn(HDC DC, const TRegion* Region, int32_t Mode)
{
    TDeviceContext& dc = DC->DC();
    if (!Region) {
        if (Mode != RGN_COPY) return RGN_ERROR;
        dc.State.Clip.reset();
        return SIMPLEREGION;
    }
    const QRegion current = CurrentClip(dc);
    switch (Mode) {
    case RGN_AND: dc.State.Clip = current & QtRegion(*Region); break;
    case RGN_OR: dc.State.Clip = current | QtRegion(*Region); break;
    case RGN_XOR: dc.State.Clip = current ^ QtRegion(*Region); break;
    case RGN_DIFF: dc.State.Clip = current - QtRegion(*Region); break;
    case RGN_COPY: dc.State.Clip = QtRegion(*Region); break;
    default: return RGN_ERROR;
    }
    return Kind(*dc.State.Clip);
}

int32_t ExcludeClipRect(HDC DC, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom)
{
    TDeviceContext& dc = DC->DC();
    dc.State.Clip = CurrentClip(dc) - QRegion(NormalRect(Left, Top, Right, Bottom).translated(dc.Offset()));
    return Kind(*dc.State.Clip);
}

int32_t IntersectClipRect(HDC DC, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom)
{
    TDeviceContext& dc = DC->DC();
    dc.State.Clip = CurrentClip(dc) & QRegion(NormalRect(Left, Top, Right, Bottom).translated(dc.Offset()));
    return Kind(*dc.State.Clip);
}

int32_t OffsetClipRgn(HDC DC, int32_t X, int32_t Y)
{
    TDeviceContext& dc = DC->DC();
    if (!dc.State.Clip) return SIMPLEREGION;
    dc.State.Clip->translate(X, Y);
    return Kind(*dc.State.Clip);
}

int32_t GetClipBox(HDC DC, TRect& Rect)
{
    const TDeviceContext& dc = DC->DC();
    const QRegion visible = dc.VisibleRegion();
    Rect = FromQRect(visible.boundingRect().translated(-dc.Offset()));
    return Kind(visible);
}

int32_t GetClipRgn(HDC DC, TRegion& Region)
{
    const TDeviceContext& dc = DC->DC();
    if (!dc.State.Clip) return 0;
    QtRegion(Region) = *dc.State.Clip;
    return 1;
}

bool PtVisible(HDC DC, int32_t X, int32_t Y)
{
    const TDeviceContext& dc = DC->DC();
    return dc.VisibleRegion().contains(QPoint(X, Y) + dc.Offset());
}

bool RectVisible(HDC DC, const TRect& Rect)
{
    const TDeviceContext& dc = DC->DC();
    return dc.VisibleRegion().intersects(ToQRect(Rect).translated(dc.Offset()));
}

int32_t SaveDC(HDC DC)
{
    TDeviceContext& dc = DC->DC();
    dc.Saved.push_back(dc.State);
    return static_cast<int32_t>(dc.Saved.size());
}

bool RestoreDC(HDC DC, int32_t Saved)
{
    TDeviceContext& dc = DC->DC();
    const auto depth = static_cast<int32_t>(dc.Saved.size());
    const int32_t level = Saved < 0 ? depth + 1 + Saved : Saved;
    if (Saved == 0 || level < 1 || level > depth) return false;
    dc.State = dc.Saved[static_cast<size_t>(level - 1)];
    dc.Saved.resize(static_cast<size_t>(level - 1));
    return true;
}
