// TFont, TPen and TBrush: the drawing tools a canvas owns.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Object.h"
#include "rtl/Set.h"

#include <QString>

#include <cstdint>
#include <functional>

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = uint8_t;

constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset SYMBOL_CHARSET = 2;
constexpr TFontCharset OEM_CHARSET = 255;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// The common base: a change of any property fires OnChange.
class TGraphicsObject : public TPersistent {
public:
    std::function<void(TObject* Sender)> OnChange;

protected:
    virtual void Changed();
    // Stores Value in Field and fires the change when it differs.
    template <typename T>
    void Store(T& Field, const T& Value)
    {
        if (Field == Value) return;
        Field = Value;
        Changed();
    }
};

// Screen resolution of the platform, in pixels per inch.
constexpr int32_t ScreenPixelsPerInch = 96;

class TFont : public TGraphicsObject {
public:
    void Assign(TPersistent* Source) override;
    // The font is its own handle.
    TFont* Handle() { return this; }

    const QString& Name() const { return FName; }
    void SetName(const QString& Value);
    // Points; derived from Height at PixelsPerInch.
    int32_t Size() const;
    void SetSize(int32_t Value);
    // Pixels: negative for the character (em) height, positive for the cell height.
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset Value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);
    // Text angle in tenths of a degree, counter-clockwise.
    int32_t Orientation() const { return FOrientation; }
    void SetOrientation(int32_t Value);
    int32_t PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int32_t Value) { FPixelsPerInch = Value; }

private:
    QString FName = QStringLiteral("Tahoma");
    int32_t FHeight = -11;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    TFontCharset FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = fpDefault;
    int32_t FOrientation = 0;
    int32_t FPixelsPerInch = ScreenPixelsPerInch;
};

class TPen : public TGraphicsObject {
public:
    void Assign(TPersistent* Source) override;
    TPen* Handle() { return this; }

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // 0 and 1 both draw one pixel.
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t Value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode Value);

private:
    TColor FColor = clBlack;
    int32_t FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

class TBrush : public TGraphicsObject {
public:
    void Assign(TPersistent* Source) override;
    TBrush* Handle() { return this; }

    TColor Color() const { return FColor; }
    // Choosing a colour for a clear brush makes it solid, as the toolkit does.
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value);

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

using HFONT = TFont*;
using HPEN = TPen*;
using HBRUSH = TBrush*;
