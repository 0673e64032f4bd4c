// TPicture by file extension, stream signature and class name; TIcon, TPngImage and TGIFImage
// from hand-built files, drawn through their transparency.
#include "GraphicBytes.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Icon.h"
#include "graphics/Jpeg.h"
#include "graphics/Picture.h"
#include "graphics/QtImages.h"
#include "rtl/Streams.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

QByteArray Hex(const char* Text)
{
    return QByteArray::fromHex(Text);
}

template <typename T>
QByteArray Le(T Value)
{
    return QByteArray(reinterpret_cast<const char*>(&Value), sizeof(Value));
}

// Draws Graphic at (0, 0) on a bitmap of its size filled with Background; returns the pixels row by row.
std::vector<TColor> DrawnOver(TGraphic& Graphic, TColor Background)
{
    TBitmap target;
    target.SetSize(Graphic.Width(), Graphic.Height());
    target.Canvas()->Brush()->SetColor(Background);
    target.Canvas()->FillRect(Rect(0, 0, target.Width(), target.Height()));
    target.Canvas()->Draw(0, 0, &Graphic);
    std::vector<TColor> pixels;
    for (int32_t y = 0; y < target.Height(); ++y)
        for (int32_t x = 0; x < target.Width(); ++x) pixels.push_back(target.Canvas()->Pixels(x, y));
    return pixels;
}

bool Near(TColor A, TColor B)
{
    for (int shift : {0, 8, 16})
        if (std::abs(((A >> shift) & 0xFF) - ((B >> shift) & 0xFF)) > 1) return false;
    return true;
}

// One image of an icon file: its directory size and bits per pixel, and its data.
struct TIconImage {
    int Width;
    int Height;
    uint16_t BitCount;
    QByteArray Data;
};

QByteArray IconFile(const std::vector<TIconImage>& Images)
{
    QByteArray file = Hex("0000 0100") + Le<uint16_t>(uint16_t(Images.size()));
    uint32_t offset = 6 + 16 * uint32_t(Images.size());
    for (const TIconImage& image : Images) {
        file += char(image.Width & 0xFF);
        file += char(image.Height & 0xFF);
        file += Hex("0000 0100") + Le(image.BitCount) + Le<uint32_t>(uint32_t(image.Data.size())) + Le(offset);
        offset += uint32_t(image.Data.size());
    }
    for (const TIconImage& image : Images) file += image.Data;
    return file;
}

// A DIB icon image: info header with the doubled height, colour table, colour rows, mask rows.
QByteArray IconDib(int32_t Width, int32_t Height, uint16_t Bits, const QByteArray& Table, const QByteArray& Colors,
                   const QByteArray& Mask)
{
    QByteArray header = Le<uint32_t>(40) + Le(Width) + Le(2 * Height) + Le<uint16_t>(1) + Le(Bits) + QByteArray(24, '\0');
    return header + Table + Colors + Mask;
}

// A square 32-bit icon image in one opaque colour (B, G, R bytes).
TIconImage SolidIcon(int32_t Size, const QByteArray& Bgr)
{
    QByteArray colors;
    for (int32_t i = 0; i < Size * Size; ++i) colors += Bgr + Hex("FF");
    const QByteArray mask(Size * ((Size + 31) / 32 * 4), '\0');
    return {Size, Size, 32, IconDib(Size, Size, 32, {}, colors, mask)};
}

QByteArray PngFile(const QImage& Image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Image.save(&buffer, "PNG");
    return buffer.data();
}

// A 2 x 2 GIF89a: red on the diagonal, the other two pixels transparent (colour index 1).
const QByteArray TwoByTwoGif = QByteArray("GIF89a") + Hex("0200 0200 80 00 00") + Hex("FF0000 0000FF") +
                               Hex("21F904 01 0000 01 00") + Hex("2C 0000 0000 0200 0200 00") + Hex("02 03 440205 00") +
                               Hex("3B");

QByteArray BmpFile()
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(3, 2);
    return Saved(bitmap);
}

QByteArray JpegFile()
{
    TBitmap bitmap;
    bitmap.SetSize(5, 4);
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    return Saved(jpeg);
}

const QByteArray IcoFile = IconFile({SolidIcon(16, Hex("0000FF"))});

TEST(IconTest, ThirtyTwoBitImagesDrawThroughTheirAlpha)
{
    // Rows from the bottom: blue, red at half alpha; lime, white at no alpha.
    const QByteArray colors = Hex("FF0000FF 0000FF80") + Hex("00FF00FF FFFFFF00");
    TIcon icon;
    Load(icon, IconFile({{2, 2, 32, IconDib(2, 2, 32, {}, colors, QByteArray(8, '\0'))}}));
    EXPECT_EQ(icon.Width(), 2);
    EXPECT_TRUE(icon.Transparent());
    const std::vector<TColor> drawn = DrawnOver(icon, clBlack);
    EXPECT_EQ(drawn[0], clLime);
    EXPECT_EQ(drawn[1], clBlack);
    EXPECT_EQ(drawn[2], clBlue);
    EXPECT_TRUE(Near(drawn[3], TColor(RGB(128, 0, 0)))) << std::hex << drawn[3];
}

TEST(IconTest, OtherImagesDrawThroughTheirMask)
{
    // Colour bits from the bottom: red, black; black, red. Mask: right, then left transparent.
    const QByteArray oneBit = IconDib(2, 2, 1, Hex("00000000 0000FF00"), Hex("80000000 40000000"), Hex("40000000 80000000"));
    // A 32-bit image whose alpha is all zero uses its mask too.
    const QByteArray noAlpha = IconDib(2, 2, 32, {}, Hex("0000FF00 00000000 00000000 0000FF00"), Hex("40000000 80000000"));
    for (const TIconImage& image : {TIconImage{2, 2, 1, oneBit}, TIconImage{2, 2, 32, noAlpha}}) {
        TIcon icon;
        Load(icon, IconFile({image}));
        EXPECT_EQ(DrawnOver(icon, clWhite), (std::vector<TColor>{clWhite, clRed, clRed, clWhite}));
    }
}

TEST(IconTest, PicksTheImageNearestTheRequestedSize)
{
    const QByteArray file = IconFile({SolidIcon(16, Hex("0000FF")), SolidIcon(32, Hex("FF0000")), SolidIcon(48, Hex("00FF00"))});
    TIcon standard;
    Load(standard, file);
    EXPECT_EQ(standard.Width(), 32);
    EXPECT_EQ(DrawnOver(standard, clWhite)[0], clBlue);
    TIcon small;
    small.SetSize(20, 20);
    Load(small, file);
    EXPECT_EQ(small.Height(), 16);
    EXPECT_EQ(DrawnOver(small, clWhite)[0], clRed);

    // Of two images of one size the one with more bits per pixel.
    const QByteArray fourBit = IconDib(32, 32, 4, Hex("0000FF00"), QByteArray(32 * 16, '\0'), QByteArray(32 * 4, '\0'));
    TIcon deeper;
    Load(deeper, IconFile({{32, 32, 4, fourBit}, SolidIcon(32, Hex("00FF00"))}));
    EXPECT_EQ(DrawnOver(deeper, clWhite)[0], clLime);
}

TEST(IconTest, PngImagesAndFileData)
{
    QImage png(3, 1, QImage::Format_ARGB32);
    png.fill(qRgba(0, 0, 255, 255));
    png.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const QByteArray file = IconFile({{3, 1, 32, PngFile(png)}});
    TIcon icon;
    EXPECT_TRUE(icon.Empty());
    EXPECT_EQ(icon.Width(), 32);
    Load(icon, file);
    EXPECT_EQ(DrawnOver(icon, clWhite), (std::vector<TColor>{clBlue, clWhite, clBlue}));
    EXPECT_EQ(Saved(icon), file);
    EXPECT_THROW(icon.SetWidth(16), EInvalidGraphicOperation);
    TIcon copy;
    copy.Assign(&icon);
    EXPECT_EQ(Saved(copy), file);
}

TEST(IconTest, DamagedFilesRaise)
{
    const QByteArray damaged[] = {
        Hex("0000 0200 0100") + IcoFile.mid(6),                        // a cursor
        Hex("0000 0100 0000"),                                         // no images
        IcoFile.left(IcoFile.size() - 100),                            // image cut short
        IconFile({{2, 2, 3, IconDib(2, 2, 3, {}, QByteArray(16, '\0'), {})}}),  // 3 bits per pixel
        QByteArray("not an icon"),
    };
    for (const QByteArray& file : damaged) {
        TIcon icon;
        try {
            Load(icon, file);
            ADD_FAILURE() << file.left(16).toHex().toStdString();
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Icon image is not valid"));
        }
    }
}

TEST(PngTest, AlphaBlendsOverTheBackground)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 255, 255, 128));
    image.setPixel(1, 0, qRgba(0, 0, 255, 255));
    const QByteArray file = PngFile(image);
    TPngImage png;
    Load(png, file);
    EXPECT_TRUE(png.Transparent());
    const std::vector<TColor> drawn = DrawnOver(png, clRed);
    EXPECT_TRUE(Near(drawn[0], TColor(RGB(255, 128, 128)))) << std::hex << drawn[0];
    EXPECT_EQ(drawn[1], clBlue);
    EXPECT_EQ(Saved(png), file);

    TBitmap bitmap;
    bitmap.Assign(&png);
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
    EXPECT_NE(bitmap.AlphaFormat(), afIgnored);
    EXPECT_TRUE(Near(DrawnOver(bitmap, clRed)[0], drawn[0]));

    TPngImage fromBitmap;
    fromBitmap.Assign(&bitmap);
    TPngImage reloaded;
    Load(reloaded, Saved(fromBitmap));
    EXPECT_TRUE(Near(DrawnOver(reloaded, clRed)[0], drawn[0]));

    EXPECT_THROW(Load(png, file.left(30)), EInvalidGraphic);
}

TEST(GifTest, TheFirstFrameDrawsThroughItsTransparentColour)
{
    TGIFImage gif;
    Load(gif, TwoByTwoGif);
    EXPECT_EQ(gif.Width(), 2);
    EXPECT_TRUE(gif.Transparent());
    EXPECT_EQ(DrawnOver(gif, clWhite), (std::vector<TColor>{clRed, clWhite, clWhite, clRed}));
    EXPECT_EQ(Saved(gif), TwoByTwoGif);
    try {
        Load(gif, QByteArray("GIF89a"));
        ADD_FAILURE() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("GIF image is not valid"));
    }
}

struct TFileCase {
    const char* FileName;
    QByteArray Data;
    const char* ClassName;
    int32_t Width;
};

TEST(PictureTest, LoadFromFileChoosesTheClassByExtension)
{
    const TFileCase cases[] = {
        {"flag.bmp", BmpFile(), "TBitmap", 3},       {"photo.JPG", JpegFile(), "TJPEGImage", 5},
        {"photo.jpeg", JpegFile(), "TJPEGImage", 5}, {"photo.jpe", JpegFile(), "TJPEGImage", 5},
        {"photo.jfif", JpegFile(), "TJPEGImage", 5}, {"logo.Png", PngFile(QImage(7, 2, QImage::Format_RGB32)), "TPngImage", 7},
        {"anim.gif", TwoByTwoGif, "TGIFImage", 2},   {"app.ico", IcoFile, "TIcon", 16},
    };
    TempFolder folder;
    for (const TFileCase& c : cases) {
        SCOPED_TRACE(c.FileName);
        TPicture picture;
        int changes = 0;
        picture.OnChange = [&](TObject*) { ++changes; };
        picture.LoadFromFile(folder.Write(QString::fromLatin1(c.FileName), c.Data));
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(picture.Graphic()->ClassName(), QLatin1String(c.ClassName));
        EXPECT_EQ(picture.Width(), c.Width);
        EXPECT_EQ(changes, 1);
        picture.SaveToFile(folder.File(QStringLiteral("copy")));
        EXPECT_EQ(folder.Read(QStringLiteral("copy")), c.Data);
    }
}

TEST(PictureTest, UnknownExtensionsRaise)
{
    TempFolder folder;
    TPicture picture;
    const struct {
        const char* FileName;
        const char* Message;
    } cases[] = {{"pic.xyz", "Unknown picture file extension (.xyz)"}, {"noext", "Unknown picture file extension (.)"}};
    for (const auto& c : cases) {
        try {
            picture.LoadFromFile(folder.Write(QString::fromLatin1(c.FileName), BmpFile()));
            ADD_FAILURE() << c.FileName;
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), QLatin1String(c.Message));
        }
    }
    EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST(PictureTest, LoadFromStreamChoosesTheClassBySignature)
{
    const struct {
        QByteArray Data;
        const char* ClassName;
    } cases[] = {{BmpFile(), "TBitmap"},  {JpegFile(), "TJPEGImage"}, {PngFile(QImage(1, 1, QImage::Format_RGB32)), "TPngImage"},
                 {TwoByTwoGif, "TGIFImage"}, {IcoFile, "TIcon"}};
    for (const auto& c : cases) {
        TPicture picture;
        TBytesStream stream(QByteArray("head") + c.Data);
        stream.SetPosition(4);
        picture.LoadFromStream(&stream);
        EXPECT_EQ(picture.Graphic()->ClassName(), QLatin1String(c.ClassName));
        EXPECT_EQ(stream.Position(), stream.Size());
    }
    TPicture picture;
    TBytesStream unknown(QByteArray("plain text"));
    try {
        picture.LoadFromStream(&unknown);
        ADD_FAILURE() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Unsupported stream format"));
    }
}

TEST(PictureTest, BitmapAndIconReplaceAnotherGraphic)
{
    TPicture picture;
    EXPECT_EQ(picture.Width(), 0);
    int changes = 0;
    picture.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &picture);
        ++changes;
    };
    TJPEGImage jpeg;
    Load(jpeg, JpegFile());
    picture.SetGraphic(&jpeg);
    EXPECT_NE(picture.Graphic(), &jpeg);
    EXPECT_EQ(picture.Width(), 5);
    TBitmap* bitmap = picture.Bitmap();
    EXPECT_TRUE(bitmap->Empty());
    EXPECT_EQ(picture.Bitmap(), bitmap);
    EXPECT_EQ(changes, 2);
    bitmap->SetSize(4, 3);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(picture.Height(), 3);
    EXPECT_TRUE(picture.Icon()->Empty());
    EXPECT_EQ(picture.Graphic()->ClassName(), QStringLiteral("TIcon"));
}

TEST(PictureTest, AssignCopies)
{
    TPicture source;
    Load(*source.Bitmap(), BmpFile());
    TPicture copy;
    copy.Assign(&source);
    EXPECT_NE(copy.Graphic(), source.Graphic());
    EXPECT_EQ(Saved(*copy.Graphic()), BmpFile());
    TBitmap bitmap;
    bitmap.Assign(&copy);
    EXPECT_EQ(bitmap.Width(), 3);
    TIcon icon;
    EXPECT_THROW(icon.Assign(&copy), EConvertError);
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Graphic(), nullptr);
}

TEST(PictureTest, DataNamesTheGraphicsClass)
{
    TPicture picture;
    Load(*picture.Bitmap(), BmpFile());
    TBytesStream data;
    picture.WriteData(&data);
    const QByteArray bmp = BmpFile();
    EXPECT_EQ(data.Bytes(), QByteArray("\x07TBitmap") + Le<int32_t>(int32_t(bmp.size())) + bmp);

    data.SetPosition(0);
    TPicture read;
    read.ReadData(&data);
    EXPECT_EQ(read.Graphic()->ClassName(), QStringLiteral("TBitmap"));
    EXPECT_EQ(Saved(*read.Graphic()), bmp);

    TBytesStream metafile(QByteArray("\x09TMetafile") + Hex("01020304"));
    read.ReadData(&metafile);
    EXPECT_EQ(read.Graphic(), nullptr);
}

}  // namespace
