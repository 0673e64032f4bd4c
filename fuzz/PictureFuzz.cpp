// Fuzz target: picture files (BMP, ICO, JPEG, PNG, GIF) read and drawn.
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Picture.h"
#include "rtl/Exceptions.h"
#include "rtl/Streams.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TBytesStream stream(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    TPicture picture;
    try {
        picture.LoadFromStream(&stream);
    } catch (const Exception&) {
        return 0;
    }
    TBitmap target;
    target.SetSize(32, 32);
    if (picture.Graphic()) target.Canvas()->StretchDraw(Rect(0, 0, 32, 32), picture.Graphic());
    return 0;
}
