// The grid's own bitmap resources, read once.
#include "grid/view/GridGlyphs.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "rtl/Exceptions.h"

#include <map>
#include <memory>

TBitmap* GridGlyph(const QString& Name)
{
    static std::map<QString, std::unique_ptr<TBitmap>> Glyphs;
    std::unique_ptr<TBitmap>& Glyph = Glyphs[Name];
    if (!Glyph) {
        Glyph = std::make_unique<TBitmap>();
        try {
            Glyph->LoadFromResourceName(0, Name);
        } catch (const Exception&) {
            Glyph->SetSize(0, 0);
        }
    }
    return Glyph.get();
}

void DrawTransparentGlyph(TCanvas* Canvas, int32_t X, int32_t Y, TBitmap* Bitmap)
{
    if (!Bitmap || Bitmap->Width() == 0 || Bitmap->Height() == 0) return;
    const auto Key = static_cast<COLORREF>(Bitmap->TransparentColor() & 0xFFFFFF);
    TransparentBlt(Canvas->Handle(), X, Y, Bitmap->Width(), Bitmap->Height(), Bitmap->Canvas()->Handle(), 0, 0,
                   Bitmap->Width(), Bitmap->Height(), Key);
}
