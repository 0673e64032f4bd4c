// TFont, TPen and TBrush.
#include "graphics/GraphicsObjects.h"

#include "rtl/NumConv.h"

void TGraphicsObject::Changed()
{
    if (OnChange) OnChange(this);
}

void TFont::Assign(TPersistent* Source)
{
    auto* font = dynamic_cast<TFont*>(Source);
    if (!font) {
        TGraphicsObject::Assign(Source);
        return;
    }
    FName = font->FName;
    FHeight = font->FHeight;
    FStyle = font->FStyle;
    FColor = font->FColor;
    FCharset = font->FCharset;
    FPitch = font->FPitch;
    FOrientation = font->FOrientation;
    Changed();
}

void TFont::SetName(const QString& Value)
{
    if (!Value.isEmpty()) Store(FName, Value);
}

int32_t TFont::Size() const
{
    return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int32_t Value)
{
    SetHeight(-MulDiv(Value, FPixelsPerInch, 72));
}

void TFont::SetHeight(int32_t Value) { Store(FHeight, Value); }
void TFont::SetStyle(TFontStyles Value) { Store(FStyle, Value); }
void TFont::SetColor(TColor Value) { Store(FColor, Value); }
void TFont::SetCharset(TFontCharset Value) { Store(FCharset, Value); }
void TFont::SetPitch(TFontPitch Value) { Store(FPitch, Value); }
void TFont::SetOrientation(int32_t Value) { Store(FOrientation, Value); }

void TPen::Assign(TPersistent* Source)
{
    auto* pen = dynamic_cast<TPen*>(Source);
    if (!pen) {
        TGraphicsObject::Assign(Source);
        return;
    }
    FColor = pen->FColor;
    FWidth = pen->FWidth;
    FStyle = pen->FStyle;
    FMode = pen->FMode;
    Changed();
}

void TPen::SetColor(TColor Value) { Store(FColor, Value); }
void TPen::SetWidth(int32_t Value)
{
    if (Value >= 0) Store(FWidth, Value);
}
void TPen::SetStyle(TPenStyle Value) { Store(FStyle, Value); }
void TPen::SetMode(TPenMode Value) { Store(FMode, Value); }

void TBrush::Assign(TPersistent* Source)
{
    auto* brush = dynamic_cast<TBrush*>(Source);
    if (!brush) {
        TGraphicsObject::Assign(Source);
        return;
    }
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    Changed();
}

void TBrush::SetColor(TColor Value)
{
    if (FColor == Value && FStyle != bsClear) return;
    FColor = Value;
    if (FStyle == bsClear) FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value) { Store(FStyle, Value); }
