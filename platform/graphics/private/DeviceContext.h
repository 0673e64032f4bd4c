// TDeviceContext: the GDI state behind a canvas and the painting steps the drawing functions share (platform-internal).
#pragma once

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRegion>
#include <QTransform>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class QPainterPath;

// The pen, brush and font selected into the context, with colours resolved to RGB.
struct TDCPen {
    COLORREF Color = 0;
    int32_t Width = 1;
    TPenStyle Style = psSolid;
};

struct TDCBrush {
    COLORREF Color = 0xFFFFFF;
    TBrushStyle Style = bsSolid;
};

struct TDCFont {
    QFont Font;
    // Tenths of a degree, counter-clockwise.
    int32_t Escapement = 0;
    TFontCharset Charset = DEFAULT_CHARSET;
};

// Everything SaveDC saves.
struct TDCState {
    TDCPen Pen;
    TDCBrush Brush;
    TDCFont Font;
    int32_t Rop2 = R2_COPYPEN;
    int32_t BkMode = OPAQUE;
    COLORREF BkColor = 0xFFFFFF;
    COLORREF TextColor = 0;
    int32_t StretchMode = BLACKONWHITE;
    // Clip region in device coordinates; none means the whole surface.
    std::optional<QRegion> Clip;
    // Logical coordinates: device = logical - WindowOrg + ViewportOrg.
    QPoint WindowOrg;
    QPoint ViewportOrg;
    QPoint PenPos;
};

struct TDeviceContext {
    TDeviceContext();
    ~TDeviceContext();

    // Binding starts a fresh state, as a new device context has.
    void BindImage(QImage* Image);
    void BindPainter(QPainter* Painter);
    bool Bound() const { return FImage || FExternal; }

    // The painter on the surface: logical coordinates, clip applied, source-over, no antialiasing;
    // nullptr when unbound or the image is empty.
    QPainter* Begin();
    // The surface's pixels when they can be read, and where device point (0, 0) lies in them; else nullptr.
    const QImage* Surface(QPoint& Origin) const;
    // The surface in device coordinates.
    QRect DeviceRect() const;
    // The region drawing reaches, in device coordinates.
    QRegion VisibleRegion() const;
    QPoint Offset() const { return State.ViewportOrg - State.WindowOrg; }

    // --- Painting with the selected tools ---
    // False when the mix mode draws nothing; otherwise sets the painter's composition to it.
    bool ApplyMix(QPainter* Painter) const;
    // Fills Area (logical) with Brush; through the mix mode when Mixed (shapes), else as a pattern copy.
    // Exclude (device coordinates) keeps those pixels out.
    void Fill(const QPainterPath& Area, const TDCBrush& Brush, bool Mixed, const QRegion* Exclude = nullptr);
    void FillRect(const QRect& Rect, const TDCBrush& Brush, bool Mixed);
    // Strokes Points (with the closing segment when Closed) with the selected pen; one-pixel pens
    // leave out the last point, as GDI's LineTo does.
    void StrokePolyline(std::span<const QPoint> Points, bool Closed);
    // Strokes a curved outline with the selected pen.
    void StrokePath(const QPainterPath& Path);
    // The device pixels Draw touches within Bounds (logical), found by running it in copy mode on a blank
    // surface without clipping.
    QRegion Touched(const QRect& Bounds, const std::function<void()>& Draw);
    // The selected brush's colour at a device pixel, as raster operations see the pattern.
    COLORREF BrushPixel(int X, int Y) const;
    bool PenVisible() const { return State.Pen.Style != psClear; }
    bool ThinPen() const { return State.Pen.Width <= 1; }

    // --- Text ---
    // Writes Text with the top-left of its cell at (X, Y), turned by the escapement, in the text colour;
    // the cell is filled with the background colour first when Opaque. Clip (logical) bounds the output.
    void TextLine(int32_t X, int32_t Y, const QString& Text, bool Opaque, const QRect* Clip = nullptr);
    QSize TextExtent(const QString& Text) const;

    TDCState State;
    std::vector<TDCState> Saved;

private:
    // The painter set up to fill an area within Bounds (logical) with Brush, and the brush to fill with;
    // nullptr when nothing is drawn.
    QPainter* BeginFill(const QRect& Bounds, const TDCBrush& Brush, bool Mixed, const QRegion* Exclude, QBrush& Paint);
    // VisibleRegion in logical coordinates, as the painter clips.
    const QRegion& PainterClip();
    // Sets the selected font on Painter unless it has it already.
    void SetPainterFont(QPainter* Painter);
    // A one-pixel line from A towards B, B left out, in the pen's style; Phase carries the dash position on.
    void ThinLine(QPainter* Painter, QPoint A, QPoint B, int32_t& Phase);

    QImage* FImage = nullptr;
    QPainter* FExternal = nullptr;
    std::unique_ptr<QPainter> FOwn;
    // A bound painter's transform when bound: it maps our device coordinates onto its device.
    QTransform FBase;
    // A bound painter's clip when bound (a window's update region), in our device coordinates.
    std::optional<QRegion> FSystemClip;
    // The painter's clip leaves pixels out that the context does not: the next Begin sets it whole.
    bool FExcluding = false;
    // PainterClip's last result and what it was worked out from.
    struct TPainterClip {
        std::optional<QRegion> Clip;
        QPoint Offset;
        QSize Surface;
        QRegion Region;
    };
    std::optional<TPainterClip> FPainterClip;
    // The font last selected into a painter, and the painter's own font made from it.
    struct TPainterFont {
        QFont Selected;
        QFont Set;
    };
    std::optional<TPainterFont> FPainterFont;
};

// The Qt composition that performs a mix mode (R2_*); source-over for R2_COPYPEN.
QPainter::CompositionMode MixComposition(int32_t Rop2);
QColor ToQColor(COLORREF Color);
COLORREF FromQColor(QRgb Color);
// A colour as GDI draws it: system colours resolved, the top byte dropped.
COLORREF ToColorRef(TColor Color);
TDCBrush ToDCBrush(const TBrush& Brush);
QRect ToQRect(const TRect& Rect);
// An empty rectangle gives all zeros.
TRect FromQRect(const QRect& Rect);
