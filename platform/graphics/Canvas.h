// TCanvas: the drawing surface with the toolkit's methods and GDI's pixel rules; it is its own device context.
#pragma once

#include "graphics/Colors.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Object.h"
#include "rtl/Types.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>

class TCanvas;
class TGraphic;
struct TDeviceContext;

using HDC = TCanvas*;

// Raster operations of BitBlt and of the canvas's CopyMode.
using TCopyMode = int32_t;
constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr uint32_t SRCPAINT = 0x00EE0086;
constexpr uint32_t SRCAND = 0x008800C6;
constexpr uint32_t SRCINVERT = 0x00660046;
constexpr uint32_t SRCERASE = 0x00440328;
constexpr uint32_t NOTSRCCOPY = 0x00330008;
constexpr uint32_t NOTSRCERASE = 0x001100A6;
constexpr uint32_t MERGECOPY = 0x00C000CA;
constexpr uint32_t MERGEPAINT = 0x00BB0226;
constexpr uint32_t PATCOPY = 0x00F00021;
constexpr uint32_t PATPAINT = 0x00FB0A09;
constexpr uint32_t PATINVERT = 0x005A0049;
constexpr uint32_t DSTINVERT = 0x00550009;
constexpr uint32_t BLACKNESS = 0x00000042;
constexpr uint32_t WHITENESS = 0x00FF0062;

constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;

    // --- The surface ---
    // A canvas draws on the image or painter the layer binds it to (graphics/private/Surfaces.h).
    bool HandleAllocated() const;
    // The device context for the GDI functions: the canvas itself, with its tools selected.
    TCanvas* Handle();
    // The device-context state with the canvas's tools selected, for the GDI functions (platform-internal).
    TDeviceContext& DC();

    // --- Tools and state ---
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    TPen* Pen() const { return FPen.get(); }
    void SetPen(TPen* Value) { FPen->Assign(Value); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
    TPoint PenPos() const;
    void SetPenPos(const TPoint& Value) { MoveTo(Value.X, Value.Y); }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
    // ETO_* flags TextOut and TextRect add to their output.
    int32_t TextFlags() const { return FTextFlags; }
    void SetTextFlags(int32_t Value) { FTextFlags = Value; }
    // The bounds of the area drawing can reach.
    TRect ClipRect();
    TColor Pixels(int32_t X, int32_t Y);
    void SetPixels(int32_t X, int32_t Y, TColor Value);

    // --- Shapes ---
    void MoveTo(int32_t X, int32_t Y);
    void LineTo(int32_t X, int32_t Y);
    void Polyline(std::span<const TPoint> Points);
    void Polyline(std::initializer_list<TPoint> Points) { Polyline(std::span<const TPoint>(Points.begin(), Points.size())); }
    void Polygon(std::span<const TPoint> Points);
    void Polygon(std::initializer_list<TPoint> Points) { Polygon(std::span<const TPoint>(Points.begin(), Points.size())); }
    void Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
    void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    void RoundRect(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3);
    void Ellipse(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
    void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    // Arc, chord and pie run counter-clockwise from the radial through (X3, Y3) to that through (X4, Y4).
    void Arc(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4);
    void Chord(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4);
    void Pie(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4);
    // Fills with the brush; the right and bottom edge stay out. A clear brush draws nothing.
    void FillRect(const TRect& Rect);
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect& Rect);
    void DrawFocusRect(const TRect& Rect);

    // --- Text ---
    // Writes Text with its top-left corner at (X, Y) and moves the pen position to its end.
    void TextOut(int32_t X, int32_t Y, const QString& Text);
    // Writes Text at (X, Y) clipped to Rect, which is filled first unless the brush is clear.
    void TextRect(const TRect& Rect, int32_t X, int32_t Y, const QString& Text);
    TSize TextExtent(const QString& Text);
    int32_t TextWidth(const QString& Text) { return TextExtent(Text).cx; }
    int32_t TextHeight(const QString& Text) { return TextExtent(Text).cy; }

    // --- Pictures and copies ---
    void Draw(int32_t X, int32_t Y, TGraphic* Graphic);
    void StretchDraw(const TRect& Rect, TGraphic* Graphic);
    // Copies Source of Canvas stretched into Dest with CopyMode.
    void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);

    // Deselects the tools so the next drawing selects them afresh.
    void Refresh();
    // Thread locking is not needed on our single drawing thread; kept for the toolkit's callers.
    void Lock() { ++FLockCount; }
    void Unlock() { --FLockCount; }
    bool TryLock() { Lock(); return true; }
    int32_t LockCount() const { return FLockCount; }

    std::function<void(TObject* Sender)> OnChange;
    std::function<void(TObject* Sender)> OnChanging;

protected:
    virtual void Changed();
    virtual void Changing();
    // Called when drawing needs a surface and none is bound: a descendant binds one here.
    virtual void CreateHandle() {}

private:
    friend class TSurfaces;
    enum TCanvasState { csHandleValid, csFontValid, csPenValid, csBrushValid };
    // Binds a surface if needed (EInvalidOperation when none comes) and selects the tools not yet selected.
    void RequiredState(TSet<TCanvasState> State);
    void ToolChanged(TCanvasState Tool);

    std::unique_ptr<TDeviceContext> FDC;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TSet<TCanvasState> FState;
    TCopyMode FCopyMode = cmSrcCopy;
    int32_t FTextFlags = 0;
    int32_t FLockCount = 0;
};
