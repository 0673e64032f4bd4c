// TJPEGImage through libjpeg: round trips within a tolerance, quality, scale, grayscale,
// progressive files, data kept as loaded and damaged data.
#include "GraphicBytes.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Jpeg.h"
#include "rtl/Streams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

// A smooth colour gradient, which JPEG keeps well.
void Gradient(TBitmap& Bitmap, int32_t Width, int32_t Height)
{
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(Width, Height);
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* row = Bitmap.ScanLine(y);
        for (int32_t x = 0; x < Width; ++x) {
            row[3 * x] = 128;                      // B
            row[3 * x + 1] = uint8_t(y * 255 / Height);  // G
            row[3 * x + 2] = uint8_t(x * 255 / Width);   // R
        }
    }
}

QByteArray GradientJpeg(int32_t Width, int32_t Height, const std::function<void(TJPEGImage&)>& Setup = {})
{
    TBitmap bitmap;
    Gradient(bitmap, Width, Height);
    TJPEGImage jpeg;
    if (Setup) Setup(jpeg);
    jpeg.Assign(&bitmap);
    return Saved(jpeg);
}

int ChannelDifference(TColor A, TColor B)
{
    int largest = 0;
    for (int shift : {0, 8, 16}) largest = std::max(largest, std::abs(((A >> shift) & 0xFF) - ((B >> shift) & 0xFF)));
    return largest;
}

// The first value of the start-of-frame segment of a baseline or progressive JPEG: its component count.
int ComponentCount(const QByteArray& Jpeg)
{
    for (const char* marker : {"\xFF\xC0", "\xFF\xC2"}) {
        const qsizetype at = Jpeg.indexOf(marker);
        if (at >= 0) return uint8_t(Jpeg[at + 9]);
    }
    return 0;
}

TEST(JpegTest, BitmapsRoundTripWithinATolerance)
{
    TBitmap original;
    Gradient(original, 64, 48);
    TJPEGImage jpeg;
    jpeg.Assign(&original);
    const QByteArray file = Saved(jpeg);
    EXPECT_TRUE(file.startsWith("\xFF\xD8\xFF\xE0"));
    EXPECT_EQ(file.mid(6, 5), QByteArray("JFIF", 5));

    TJPEGImage loaded;
    Load(loaded, file);
    EXPECT_EQ(loaded.Width(), 64);
    EXPECT_EQ(loaded.Height(), 48);
    TBitmap decoded;
    decoded.Assign(&loaded);
    EXPECT_EQ(decoded.PixelFormat(), pf24bit);
    TBitmap drawn;
    drawn.SetSize(64, 48);
    drawn.Canvas()->Draw(0, 0, &loaded);
    int worst = 0;
    for (int32_t y = 0; y < 48; ++y)
        for (int32_t x = 0; x < 64; ++x) {
            const TColor expected = original.Canvas()->Pixels(x, y);
            worst = std::max(worst, ChannelDifference(decoded.Canvas()->Pixels(x, y), expected));
            worst = std::max(worst, ChannelDifference(drawn.Canvas()->Pixels(x, y), expected));
        }
    EXPECT_LE(worst, 12);
}

TEST(JpegTest, QualityChangesTheSize)
{
    const auto quality = [](int32_t Value) { return [Value](TJPEGImage& Jpeg) { Jpeg.SetCompressionQuality(Value); }; };
    EXPECT_LT(GradientJpeg(64, 48, quality(10)).size(), GradientJpeg(64, 48, quality(95)).size());
    TJPEGImage jpeg;
    EXPECT_EQ(jpeg.CompressionQuality(), 90);
    jpeg.SetCompressionQuality(0);
    EXPECT_EQ(jpeg.CompressionQuality(), 1);
}

TEST(JpegTest, ScaleDividesTheSizeRoundingUp)
{
    const QByteArray file = GradientJpeg(65, 49);
    const struct {
        TJPEGScale Scale;
        int32_t Width;
        int32_t Height;
    } cases[] = {{jsFullSize, 65, 49}, {jsHalf, 33, 25}, {jsQuarter, 17, 13}, {jsEighth, 9, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.Scale));
        TJPEGImage jpeg;
        Load(jpeg, file);
        jpeg.SetScale(c.Scale);
        EXPECT_EQ(jpeg.Width(), c.Width);
        EXPECT_EQ(jpeg.Height(), c.Height);
        jpeg.DIBNeeded();
        TBitmap decoded;
        decoded.Assign(&jpeg);
        EXPECT_EQ(decoded.Width(), c.Width);
        EXPECT_EQ(decoded.Height(), c.Height);
    }
}

TEST(JpegTest, GrayscaleDecodesAndCompressesGreyLevels)
{
    const QByteArray colour = GradientJpeg(32, 32);
    EXPECT_EQ(ComponentCount(colour), 3);
    TJPEGImage jpeg;
    Load(jpeg, colour);
    jpeg.SetGrayscale(true);
    TBitmap grey;
    grey.Assign(&jpeg);
    EXPECT_EQ(grey.PixelFormat(), pf8bit);
    const TColor pixel = grey.Canvas()->Pixels(20, 10);
    EXPECT_EQ(pixel & 0xFF, (pixel >> 8) & 0xFF);
    EXPECT_EQ(pixel & 0xFF, (pixel >> 16) & 0xFF);

    const QByteArray greyFile = GradientJpeg(32, 32, [](TJPEGImage& Jpeg) { Jpeg.SetGrayscale(true); });
    EXPECT_EQ(ComponentCount(greyFile), 1);
    TJPEGImage reloaded;
    Load(reloaded, greyFile);
    TBitmap fromGreyFile;
    fromGreyFile.Assign(&reloaded);
    EXPECT_EQ(fromGreyFile.PixelFormat(), pf8bit);
    EXPECT_LE(ChannelDifference(fromGreyFile.Canvas()->Pixels(20, 10), pixel), 8);
}

TEST(JpegTest, ProgressiveFilesAreWrittenAndRead)
{
    const QByteArray file = GradientJpeg(40, 24, [](TJPEGImage& Jpeg) { Jpeg.SetProgressiveEncoding(true); });
    EXPECT_GE(file.indexOf("\xFF\xC2"), 0);
    EXPECT_LT(file.indexOf("\xFF\xC0"), 0);
    for (bool smoothing : {true, false}) {
        TJPEGImage jpeg;
        Load(jpeg, file);
        jpeg.SetSmoothing(smoothing);
        jpeg.SetPerformance(jpBestSpeed);
        TBitmap decoded;
        decoded.Assign(&jpeg);
        EXPECT_LE(ChannelDifference(decoded.Canvas()->Pixels(30, 5), TColor(RGB(30 * 255 / 40, 5 * 255 / 24, 128))), 16);
    }
}

TEST(JpegTest, LoadedDataIsSavedUnchangedUntilCompressed)
{
    const QByteArray file = GradientJpeg(16, 16);
    TJPEGImage jpeg;
    Load(jpeg, file);
    jpeg.SetCompressionQuality(20);
    jpeg.DIBNeeded();
    EXPECT_EQ(Saved(jpeg), file);
    jpeg.Compress();
    EXPECT_LT(Saved(jpeg).size(), file.size());

    TBytesStream data;
    jpeg.WriteData(&data);
    EXPECT_EQ(data.Size(), 4 + Saved(jpeg).size());
    data.SetPosition(0);
    TJPEGImage read;
    read.ReadData(&data);
    EXPECT_EQ(Saved(read), Saved(jpeg));
}

TEST(JpegTest, SizeCannotBeSet)
{
    TJPEGImage jpeg;
    EXPECT_TRUE(jpeg.Empty());
    EXPECT_THROW(jpeg.SetWidth(10), EInvalidGraphicOperation);
    EXPECT_THROW(jpeg.SetHeight(10), EInvalidGraphicOperation);
}

TEST(JpegTest, DataThatIsNoJpegRaises)
{
    const QByteArray file = GradientJpeg(16, 16);
    QByteArray zeroWidth = file;
    zeroWidth[zeroWidth.indexOf("\xFF\xC0") + 7] = 0;
    zeroWidth[zeroWidth.indexOf("\xFF\xC0") + 8] = 0;
    const QByteArray broken[] = {QByteArray("hello, world"), QByteArray("\xFF\xD8", 2), file.left(20), zeroWidth};
    for (const QByteArray& data : broken) {
        SCOPED_TRACE(data.left(24).toHex().toStdString());
        TJPEGImage jpeg;
        try {
            Load(jpeg, data);
            ADD_FAILURE() << "no exception";
        } catch (const EJPEG& e) {
            EXPECT_TRUE(e.Message().startsWith(QStringLiteral("JPEG error #")));
        }
    }
}

TEST(JpegTest, DamagedPicturesDecodeOrRaise)
{
    const QByteArray file = GradientJpeg(64, 48);
    const qsizetype scan = file.indexOf("\xFF\xDA");
    QByteArray scrambled = file;
    for (qsizetype i = scan + 20; i < scrambled.size() - 2; i += 7) {
        // No byte becomes or follows a marker's 0xFF.
        if (uint8_t(scrambled[i]) != 0xFF && uint8_t(scrambled[i]) != 0xA5 && uint8_t(scrambled[i - 1]) != 0xFF)
            scrambled[i] = char(scrambled[i] ^ 0x5A);
    }
    // libjpeg works around damaged picture data (the rest of a cut picture comes out grey).
    for (const QByteArray& data : {file.left(scan + 40), scrambled}) {
        TJPEGImage jpeg;
        Load(jpeg, data);
        TBitmap decoded;
        decoded.Assign(&jpeg);
        EXPECT_EQ(decoded.Width(), 64);
        EXPECT_EQ(decoded.Height(), 48);
    }
    // Damaged tables are an error.
    QByteArray badTables = file;
    badTables[badTables.indexOf("\xFF\xC4") + 4] = char(0x7F);
    TJPEGImage jpeg;
    EXPECT_THROW(Load(jpeg, badTables), EJPEG);
    EXPECT_TRUE(jpeg.Empty());
}

}  // namespace
