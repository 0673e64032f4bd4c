// Fuzz target of cell markup: the text routines, measuring, drawing and hit-testing into a small bitmap, and the bytes as a markup picture's image file.
#include "grid/base/EsgHTMLE.h"
#include "grid/base/PictureContainer.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/ImageList.h"
#include "rtl/Streams.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// What every input shares: a bitmap to draw on, a picture container with one picture and an
// image list with one image, all made once and kept to the end of the process.
struct TFixture {
    TFixture()
    {
        Target.SetSize(96, 64);
        Images.SetSize(8, 8);
        TBitmap image;
        image.SetSize(8, 8);
        Images.Add(&image, nullptr);
        TPictureItem* item = Container.Items()->Add();
        item->SetName("p");
        TBitmap picture;
        picture.SetSize(6, 4);
        TBytesStream bytes;
        picture.SaveToStream(&bytes);
        bytes.SetPosition(0);
        item->Picture()->LoadFromStream(&bytes);
    }

    TBitmap Target;
    TImageList Images{nullptr};
    TPictureContainer Container{nullptr};
};

// The fuzzing harness starts the GUI application text measurement needs.
TFixture& Fixture()
{
    static TFixture* fixture = new TFixture;
    return *fixture;
}

void Render(TCanvas* Canvas, const QString& Text, uint8_t Flags, const TRect& Area, const QString& ControlID)
{
    QString link, plain, focus, title, id = ControlID, value, type;
    int32_t width = 0, height = 0, links = 0, hovered = 0;
    TRect linkRect, controlRect;
    DrawMarkup(Canvas, Text, Area, &Fixture().Images, 20, 8, Flags & 3 ? 0 : -1, 1, 1, Flags & 4, Flags & 8,
               Flags & 16, Flags & 32, Flags & 64, Flags & 128, Flags & 1, Flags & 2, 1.5, clBlue, clYellow, clRed,
               clGray, link, plain, focus, title, width, height, links, hovered, linkRect, controlRect, id, value,
               type, nullptr, &Fixture().Container, nullptr, Flags % 3);
}

// The bytes as the image file of a markup picture, decoded frame by frame.
void Picture(const QByteArray& Bytes)
{
    THTMLPicture picture;
    try {
        TBytesStream stream(Bytes);
        picture.LoadFromStream(&stream);
        for (int32_t frame = 1; frame <= std::min(picture.FrameCount(), 8); ++frame) {
            picture.GetFrameTime(frame);
            picture.SetFrame(frame);
            picture.Step();
        }
    } catch (const Exception&) {
        // Bytes that are no picture raise the decoding errors.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 1) return 0;
    TFixture& fixture = Fixture();
    const uint8_t flags = Data[0];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(Data + 1), qsizetype(Size - 1));

    // Encoding and decoding give the text back.
    if (DecodeHTMLEntities(EncodeHTMLEntities(text, flags & 1), flags & 1) != text) std::abort();
    MarkupToPlainText(text);
    UnmarkTextInMarkup(MarkTextInMarkup(text, text.left(3), "HI", flags & 2), "HI");
    QString controls = text;
    const QString id = ParseControlTag(text).ID;
    SetControlValue(controls, id, text.left(8));
    NextEditControlID(ResetRadioControls(controls), id);
    IntOf(text);

    TCanvas* canvas = fixture.Target.Canvas();
    Render(canvas, text, flags, Rect(2, 2, 90, 60), id);
    Render(canvas, text, flags | 8, Rect(0, 0, 30, 65535), id);
    Picture(QByteArray::fromRawData(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    return 0;
}
