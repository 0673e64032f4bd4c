// Fuzz target: picture files (BMP, ICO, JPEG, PNG, GIF) read, drawn, written and read again.
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Picture.h"
#include "rtl/Exceptions.h"
#include "rtl/Streams.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TBytesStream stream(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    TPicture picture;
    try {
        picture.LoadFromStream(&stream);
    } catch (const Exception&) {
        // A picture that does not read leaves none behind.
        if (picture.Graphic()) std::abort();
        return 0;
    }
    TGraphic* graphic = picture.Graphic();
    if (!graphic || graphic->Width() < 0 || graphic->Height() < 0) std::abort();
    TBitmap target;
    target.SetSize(32, 32);
    const int32_t Width = graphic->Width(), Height = graphic->Height();
    try {
        target.Canvas()->StretchDraw(Rect(0, 0, 32, 32), graphic);
    } catch (const EInvalidGraphic&) {
        // A picture decoded on demand (JPEG reads only its header first) may fail when drawn:
        // then it keeps its size and fails again, as each paint would.
        if (graphic->Width() != Width || graphic->Height() != Height) std::abort();
        try {
            target.Canvas()->StretchDraw(Rect(0, 0, 32, 32), graphic);
            std::abort();
        } catch (const EInvalidGraphic&) {
        }
    }

    // What a picture writes reads back as a picture of the same kind and size.
    TBytesStream written;
    picture.SaveToStream(&written);
    written.SetPosition(0);
    TPicture again;
    again.LoadFromStream(&written);
    if (!again.Graphic() || again.Graphic()->ClassName() != graphic->ClassName() ||
        again.Width() != picture.Width() || again.Height() != picture.Height())
        std::abort();
    return 0;
}
