// TBitmap: BMP files written byte for byte and read from hand-built files, pixel formats, ScanLine,
// the canvas and colour-key transparency.
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "rtl/Streams.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

// Bytes from hexadecimal text; spaces only group the digits.
QByteArray Hex(const char* Text)
{
    return QByteArray::fromHex(Text);
}

QByteArray Saved(TBitmap& Bitmap)
{
    TBytesStream stream;
    Bitmap.SaveToStream(&stream);
    return stream.Bytes();
}

void Load(TBitmap& Bitmap, const QByteArray& File)
{
    TBytesStream stream(File);
    Bitmap.LoadFromStream(&stream);
}

std::vector<TColor> PixelsOf(TBitmap& Bitmap)
{
    std::vector<TColor> pixels;
    for (int32_t y = 0; y < Bitmap.Height(); ++y)
        for (int32_t x = 0; x < Bitmap.Width(); ++x) pixels.push_back(Bitmap.Canvas()->Pixels(x, y));
    return pixels;
}

// A pf24bit bitmap of Width columns showing Pixels row by row from the top.
void Paint(TBitmap& Bitmap, int32_t Width, const std::vector<TColor>& Pixels)
{
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(Width, int32_t(Pixels.size()) / Width);
    for (size_t i = 0; i < Pixels.size(); ++i) Bitmap.Canvas()->SetPixels(int32_t(i) % Width, int32_t(i) / Width, Pixels[i]);
}

constexpr TColor Dim = 0x181008;  // RGB(8, 16, 24): exact in every pixel format
const std::vector<TColor> SixColors = {clRed, clLime, clBlue, clWhite, clBlack, Dim};

struct TSaveCase {
    const char* Name;
    TPixelFormat Format;
    std::vector<TColor> Pixels;  // 3 x 2
    const char* Expected;
};

const TSaveCase SaveCases[] = {
    {"pf1bit", pf1bit, {clWhite, clBlack, clWhite, clBlack, clBlack, clWhite},
     "424D 46000000 00000000 3E000000"
     "28000000 03000000 02000000 0100 0100 00000000 08000000 00000000 00000000 02000000 00000000"
     "00000000 FFFFFF00"
     "20000000"
     "A0000000"},
    {"pf8bit", pf8bit, SixColors,
     "424D 3E040000 00000000 36040000"
     "28000000 03000000 02000000 0100 0800 00000000 08000000 00000000 00000000 00010000 00000000"
     "0000FF00 00FF0000 FF000000 FFFFFF00 00000000 18100800"},  // + 250 empty entries and the rows
    {"pf16bit", pf16bit, SixColors,
     "424D 52000000 00000000 42000000"
     "28000000 03000000 02000000 0100 1000 03000000 10000000 00000000 00000000 00000000 00000000"
     "00F80000 E0070000 1F000000"
     "FFFF 0000 8308 0000"
     "00F8 E007 1F00 0000"},
    {"pf24bit", pf24bit, SixColors,
     "424D 4E000000 00000000 36000000"
     "28000000 03000000 02000000 0100 1800 00000000 18000000 00000000 00000000 00000000 00000000"
     "FFFFFF 000000 181008 000000"
     "0000FF 00FF00 FF0000 000000"},
    {"pf32bit", pf32bit, SixColors,
     "424D 4E000000 00000000 36000000"
     "28000000 03000000 02000000 0100 2000 00000000 18000000 00000000 00000000 00000000 00000000"
     "FFFFFFFF 000000FF 181008FF"
     "0000FFFF 00FF00FF FF0000FF"},
};

void PrintTo(const TSaveCase& Case, std::ostream* Out)
{
    *Out << Case.Name;
}

class BitmapSaveTest : public testing::TestWithParam<TSaveCase> {};

TEST_P(BitmapSaveTest, WritesTheBmpFileByteForByte)
{
    const TSaveCase& c = GetParam();
    TBitmap bitmap;
    Paint(bitmap, 3, c.Pixels);
    bitmap.SetPixelFormat(c.Format);
    QByteArray expected = Hex(c.Expected);
    if (c.Format == pf8bit) expected += QByteArray(250 * 4, '\0') + Hex("03040500 00010200");
    EXPECT_EQ(Saved(bitmap).toHex(' '), expected.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(Bitmap, BitmapSaveTest, testing::ValuesIn(SaveCases),
                         [](const testing::TestParamInfo<TSaveCase>& info) { return std::string(info.param.Name); });

QByteArray FileHeader(uint32_t DataOffset, uint32_t FileSize)
{
    QByteArray header = Hex("424D");
    for (uint32_t value : {FileSize, 0u, DataOffset}) header += QByteArray::fromRawData(reinterpret_cast<const char*>(&value), 4);
    return header;
}

// A BMP file of a 40-byte info header (bits, compression, colours used), its extra data and rows.
QByteArray File(int32_t Width, int32_t Height, uint16_t Bits, uint32_t Compression, uint32_t ColorsUsed,
                const QByteArray& Table, const QByteArray& Rows)
{
    QByteArray info(40, '\0');
    const auto put32 = [&info](int at, uint32_t value) { memcpy(info.data() + at, &value, 4); };
    put32(0, 40);
    put32(4, uint32_t(Width));
    put32(8, uint32_t(Height));
    info[12] = 1;
    info[14] = char(Bits);
    put32(16, Compression);
    put32(32, ColorsUsed);
    const uint32_t offset = 14 + 40 + uint32_t(Table.size());
    return FileHeader(offset, offset + uint32_t(Rows.size())) + info + Table + Rows;
}

struct TLoadCase {
    const char* Name;
    QByteArray File;
    TPixelFormat Format;
    int32_t Width;
    std::vector<TColor> Pixels;  // rows from the top
};

std::vector<TLoadCase> LoadCases()
{
    QByteArray coreHeader = Hex("0C000000 0300 0100 0100 0100") + Hex("0000FF FF0000");
    QByteArray v5(124, '\0');
    const uint32_t v5Fields[] = {124, 2, 1, 0x00200001, 3, 8, 0, 0, 0, 0, 0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF};
    memcpy(v5.data(), v5Fields, sizeof(v5Fields));
    const QByteArray v5Rows = Hex("800000FF 80FF0000");  // 32-bit words RRGGBBAA: red, blue
    return {
        {"Rgb24BottomUp", File(2, 2, 24, 0, 0, {}, Hex("FF0000 FFFFFF 0000 0000FF 00FF00 0000")), pf24bit, 2,
         {clRed, clLime, clBlue, clWhite}},
        {"Rgb24TopDown", File(2, -2, 24, 0, 0, {}, Hex("0000FF 00FF00 0000 FF0000 FFFFFF 0000")), pf24bit, 2,
         {clRed, clLime, clBlue, clWhite}},
        {"Palette8WithThreeColors", File(3, 1, 8, 0, 3, Hex("0000FF00 00FF0000 FF000000"), Hex("020001 00")), pf8bit, 3,
         {clBlue, clRed, clLime}},
        {"Rle8", File(4, 2, 8, 1, 4, Hex("00000000 0000FF00 00FF0000 FF000000"),
                      Hex("0301 0102 0000" "0003 030201 00 0100 0001")),
         pf8bit, 4, {clBlue, clLime, clRed, clBlack, clRed, clRed, clRed, clLime}},
        {"Rle4", File(5, 1, 4, 2, 3, Hex("00000000 0000FF00 00FF0000"), Hex("0312 0003 2100 0001")), pf4bit, 5,
         {clRed, clLime, clRed, clLime, clRed}},
        {"Palette4", File(3, 1, 4, 0, 0, QByteArray(4, '\0') + Hex("0000FF00") + QByteArray(14 * 4, '\0'), Hex("1001 0000")),
         pf4bit, 3, {clRed, clBlack, clBlack}},
        {"Palette1", File(3, 1, 1, 0, 2, Hex("0000FF00 FF000000"), Hex("A0000000")), pf1bit, 3, {clBlue, clRed, clBlue}},
        {"Os2CoreHeader", FileHeader(14 + 12 + 6, 14 + 12 + 6 + 4) + coreHeader + Hex("40000000"), pf1bit, 3,
         {clRed, clBlue, clRed}},
        {"Rgb555", File(2, 1, 16, 0, 0, {}, Hex("007C E003")), pf15bit, 2, {clRed, clLime}},
        {"Rgb565Bitfields", File(2, 1, 16, 3, 0, Hex("00F80000 E0070000 1F000000"), Hex("1F00 00F8")), pf16bit, 2,
         {clBlue, clRed}},
        {"V5HeaderRgbaMasks", FileHeader(14 + 124, 14 + 124 + 8) + v5 + v5Rows, pf32bit, 2, {clRed, clBlue}},
    };
}

void PrintTo(const TLoadCase& Case, std::ostream* Out)
{
    *Out << Case.Name;
}

class BitmapLoadTest : public testing::TestWithParam<TLoadCase> {};

TEST_P(BitmapLoadTest, ReadsHandBuiltFiles)
{
    const TLoadCase& c = GetParam();
    TBitmap bitmap;
    Load(bitmap, c.File);
    EXPECT_EQ(bitmap.PixelFormat(), c.Format);
    EXPECT_EQ(bitmap.Width(), c.Width);
    EXPECT_EQ(bitmap.Height(), int32_t(c.Pixels.size()) / c.Width);
    EXPECT_EQ(PixelsOf(bitmap), c.Pixels);
}

INSTANTIATE_TEST_SUITE_P(Bitmap, BitmapLoadTest, testing::ValuesIn(LoadCases()),
                         [](const testing::TestParamInfo<TLoadCase>& info) { return std::string(info.param.Name); });

TEST(BitmapTest, DamagedFilesRaiseAndLeaveThePictureAlone)
{
    const QByteArray valid = File(2, 1, 24, 0, 0, {}, Hex("0000FF 00FF00 0000"));
    const QByteArray damaged[] = {
        Hex("424D"),
        QByteArray(valid).replace(0, 2, "BA"),
        valid.left(valid.size() - 2),
        File(2, 1, 3, 0, 0, {}, QByteArray(8, '\0')),
        File(0, 1, 24, 0, 0, {}, QByteArray(8, '\0')),
        File(2, 1, 24, 1, 0, {}, QByteArray(8, '\0')),
        File(2, 1, 8, 3, 0, {}, QByteArray(8, '\0')),
        File(100000, 100000, 8, 1, 0, {}, Hex("0001")),
        FileHeader(30, 30) + Hex("08000000 01000000 01000000"),
    };
    TBitmap bitmap;
    Load(bitmap, valid);
    for (const QByteArray& file : damaged) {
        SCOPED_TRACE(file.left(40).toHex().toStdString());
        EXPECT_THROW(Load(bitmap, file), EInvalidGraphic);
        EXPECT_EQ(PixelsOf(bitmap), (std::vector<TColor>{clRed, clLime}));
    }
}

TEST(BitmapTest, EveryPixelFormatSurvivesSaveAndLoad)
{
    for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfDevice}) {
        SCOPED_TRACE(int(format));
        TBitmap original;
        Paint(original, 3, format == pf1bit ? std::vector<TColor>{clWhite, clBlack, clWhite, clBlack, clBlack, clWhite} : SixColors);
        original.SetPixelFormat(format);
        TBitmap copy;
        Load(copy, Saved(original));
        EXPECT_EQ(copy.PixelFormat(), format == pfDevice ? pf32bit : format);
        EXPECT_EQ(PixelsOf(copy), PixelsOf(original));
    }
}

TEST(BitmapTest, SavesAnUnchangedFileAsItWasRead)
{
    const QByteArray v5File = LoadCases().back().File;
    TBitmap bitmap;
    Load(bitmap, v5File);
    EXPECT_EQ(Saved(bitmap), v5File);
    bitmap.Canvas()->SetPixels(0, 0, clLime);
    const QByteArray redrawn = Saved(bitmap);
    EXPECT_EQ(redrawn.mid(14, 4), Hex("28000000"));
    EXPECT_EQ(redrawn.size(), 14 + 40 + 8);
}

TEST(BitmapTest, ScanLineUsesThePixelFormatsLayout)
{
    TBitmap bitmap;
    Paint(bitmap, 3, SixColors);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(bitmap.ScanLine(1)), 9), Hex("FFFFFF 000000 181008"));

    bitmap.SetPixelFormat(pf8bit);
    EXPECT_EQ(bitmap.ColorTable().size(), 6u);
    uint8_t* row = bitmap.ScanLine(0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(row), 3), Hex("000102"));
    row[0] = 5;
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), Dim);

    bitmap.SetPixelFormat(pf4bit);
    EXPECT_EQ(bitmap.ScanLine(1)[0], 0x34);
    bitmap.SetMonochrome(true);
    EXPECT_EQ(bitmap.ScanLine(1)[0], 0x80);  // white, black, black

    EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphicOperation);
    EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphicOperation);
}

TEST(BitmapTest, CanvasDrawingOnAPaletteBitmapTakesTheNearestColour)
{
    TBitmap bitmap;
    Paint(bitmap, 2, {clBlack, clWhite});
    bitmap.SetMonochrome(true);
    bitmap.Canvas()->Brush()->SetColor(TColor(RGB(200, 200, 200)));
    bitmap.Canvas()->FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(bitmap.ScanLine(0)[0], 0xC0);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clWhite);
}

TEST(BitmapTest, GrowingKeepsThePixelsAndFillsWithTheBrush)
{
    TBitmap bitmap;
    Paint(bitmap, 1, {clRed});
    bitmap.SetSize(2, 1);
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.SetHeight(2);
    EXPECT_EQ(PixelsOf(bitmap), (std::vector<TColor>{clRed, clWhite, clBlue, clBlue}));
    bitmap.SetWidth(0);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_TRUE(Saved(bitmap).isEmpty());
    bitmap.SetWidth(3);
    EXPECT_EQ(PixelsOf(bitmap), std::vector<TColor>(6, clBlue));
}

TEST(BitmapTest, FormatsAndHandleTypes)
{
    TBitmap bitmap;
    EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
    EXPECT_EQ(bitmap.HandleType(), bmDDB);
    bitmap.SetHandleType(bmDIB);
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
    EXPECT_THROW(bitmap.SetPixelFormat(pfCustom), EInvalidGraphic);
    Paint(bitmap, 2, {clRed, clWhite});
    bitmap.SetMonochrome(true);
    EXPECT_TRUE(bitmap.Monochrome());
    EXPECT_EQ(PixelsOf(bitmap), (std::vector<TColor>{clBlack, clWhite}));
    bitmap.SetMonochrome(false);
    EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
}

TEST(BitmapTest, CanvasChangesFireOnChange)
{
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    int changes = 0;
    bitmap.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &bitmap);
        ++changes;
    };
    bitmap.Canvas()->FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(changes, 1);
    bitmap.ScanLine(0);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(bitmap.Modified());
}

// A 3 x 3 red picture with a fuchsia centre and bottom-left corner, drawn at (1, 1) on white.
class BitmapTransparencyTest : public testing::Test {
protected:
    void SetUp() override
    {
        Paint(FSource, 3, {clRed, clRed, clRed, clRed, clFuchsia, clRed, clFuchsia, clRed, clRed});
        FTarget.SetSize(5, 5);
    }
    TColor DrawnAt(int32_t X, int32_t Y) { return FTarget.Canvas()->Pixels(X, Y); }

    TBitmap FSource;
    TBitmap FTarget;
};

TEST_F(BitmapTransparencyTest, TheBottomLeftColourIsTheAutomaticKey)
{
    FSource.SetTransparent(true);
    EXPECT_EQ(FSource.TransparentMode(), tmAuto);
    EXPECT_EQ(FSource.TransparentColor(), clFuchsia | 0x02000000);
    FTarget.Canvas()->Draw(1, 1, &FSource);
    EXPECT_EQ(DrawnAt(1, 1), clRed);
    EXPECT_EQ(DrawnAt(2, 2), clWhite);
    EXPECT_EQ(DrawnAt(1, 3), clWhite);
    EXPECT_EQ(DrawnAt(3, 3), clRed);
    EXPECT_EQ(DrawnAt(0, 0), clWhite);
}

TEST_F(BitmapTransparencyTest, AFixedColourIsTheKey)
{
    FSource.SetTransparent(true);
    FSource.SetTransparentColor(clRed);
    EXPECT_EQ(FSource.TransparentMode(), tmFixed);
    FTarget.Canvas()->Draw(1, 1, &FSource);
    EXPECT_EQ(DrawnAt(1, 1), clWhite);
    EXPECT_EQ(DrawnAt(2, 2), clFuchsia);
    FSource.SetTransparentMode(tmAuto);
    EXPECT_EQ(FSource.TransparentColor(), clFuchsia | 0x02000000);
}

TEST_F(BitmapTransparencyTest, OpaqueDrawingCopiesEveryPixelAndStretches)
{
    FTarget.Canvas()->StretchDraw(Rect(0, 0, 6, 6), &FSource);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 5; ++x) {
            SCOPED_TRACE(testing::Message() << x << ", " << y);
            EXPECT_EQ(DrawnAt(x, y), FSource.Canvas()->Pixels(x / 2, y / 2));
        }
}

TEST_F(BitmapTransparencyTest, TheCopyModeAppliesToOpaqueDrawing)
{
    FTarget.Canvas()->SetCopyMode(cmSrcInvert);
    FTarget.Canvas()->Draw(1, 1, &FSource);
    EXPECT_EQ(DrawnAt(1, 1), clAqua);    // white xor red
    EXPECT_EQ(DrawnAt(2, 2), clLime);    // white xor fuchsia
    EXPECT_EQ(DrawnAt(0, 0), clWhite);
}

TEST(BitmapTest, DataAndFilesAndResources)
{
    TempFolder folder;
    TBitmap bitmap;
    Paint(bitmap, 3, SixColors);
    bitmap.SaveToFile(folder.File(QStringLiteral("six.bmp")));
    const QByteArray file = folder.Read(QStringLiteral("six.bmp"));
    EXPECT_EQ(file, Saved(bitmap));

    TBytesStream data;
    bitmap.WriteData(&data);
    data.WriteByte(0x7F);
    EXPECT_EQ(data.Bytes().left(4), Hex("4E000000"));
    data.SetPosition(0);
    TBitmap read;
    read.ReadData(&data);
    EXPECT_EQ(PixelsOf(read), SixColors);
    EXPECT_EQ(data.ReadByte(), 0x7F);

    folder.Write(QStringLiteral("Flag.Bmp"), file);
    SetResourceFolder(folder.Path());
    TBitmap resource;
    resource.LoadFromResourceName(0, QStringLiteral("FLAG"));
    EXPECT_EQ(PixelsOf(resource), SixColors);
    try {
        resource.LoadFromResourceName(0, QStringLiteral("Missing"));
        ADD_FAILURE() << "no exception";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Resource Missing not found"));
    }
    SetResourceFolder(QString());

    TBitmap fromFile;
    fromFile.LoadFromFile(folder.File(QStringLiteral("six.bmp")));
    EXPECT_EQ(PixelsOf(fromFile), SixColors);
}

TEST(BitmapTest, AssignCopiesPixelsAndKey)
{
    TBitmap source;
    Paint(source, 2, {clRed, clBlue});
    source.SetPixelFormat(pf8bit);
    source.SetTransparentColor(clBlue);
    TBitmap copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.PixelFormat(), pf8bit);
    EXPECT_EQ(copy.TransparentMode(), tmFixed);
    EXPECT_EQ(PixelsOf(copy), PixelsOf(source));
    source.Canvas()->SetPixels(0, 0, clBlue);
    EXPECT_EQ(copy.Canvas()->Pixels(0, 0), clRed);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}

TEST(BitmapTest, AlphaCountsOnlyWhenTheAlphaFormatSaysSo)
{
    TBitmap source;
    source.SetPixelFormat(pf32bit);
    source.SetSize(1, 1);
    uint8_t* pixel = source.ScanLine(0);
    pixel[0] = 0;     // B
    pixel[1] = 0;     // G
    pixel[2] = 0xFF;  // R
    pixel[3] = 0;     // A
    TBitmap target;
    target.SetSize(1, 1);
    target.Canvas()->Draw(0, 0, &source);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clRed);
    source.SetAlphaFormat(afDefined);
    target.Canvas()->FillRect(Rect(0, 0, 1, 1));
    target.Canvas()->Draw(0, 0, &source);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(Saved(source).right(4), Hex("0000FF00"));
}

}  // namespace
