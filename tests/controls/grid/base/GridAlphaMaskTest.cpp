// The alpha mask, premultiplication, the rounded-rectangle mask and the edge-band blur, byte by byte.
#include "grid/base/GridAlphaMask.h"

#include "graphics/Canvas.h"
#include "rtl/Exceptions.h"
#include "support/ExceptionMessage.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

namespace {

using TPixel = std::array<uint8_t, 3>;

std::unique_ptr<TBitmap> Bitmap24(int32_t W, int32_t H, TPixel Fill = {0, 0, 0})
{
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(W, H);
    for (int32_t Y = 0; Y < H; ++Y)
        for (int32_t X = 0; X < W; ++X) std::copy(Fill.begin(), Fill.end(), Bitmap->ScanLine(Y) + X * 3);
    return Bitmap;
}

TPixel PixelAt(TBitmap* Bitmap, int32_t X, int32_t Y)
{
    const uint8_t* Row = Bitmap->ScanLine(Y);
    return {Row[X * 3], Row[X * 3 + 1], Row[X * 3 + 2]};
}

void SetPixel(TBitmap* Bitmap, int32_t X, int32_t Y, TPixel Value)
{
    std::copy(Value.begin(), Value.end(), Bitmap->ScanLine(Y) + X * 3);
}

std::array<uint8_t, 4> Pixel32(TBitmap* Bitmap, int32_t X, int32_t Y)
{
    const uint8_t* Row = Bitmap->ScanLine(Y);
    return {Row[X * 4], Row[X * 4 + 1], Row[X * 4 + 2], Row[X * 4 + 3]};
}

// ---- Mask ----

TEST(GridAlphaMaskTest, StartsThirtyTwoBitOpaque)
{
    TGridAlphaMask Mask;
    EXPECT_EQ(Mask.PixelFormat(), pf32bit);
    EXPECT_EQ(Mask.Opacity(), 255);
}

TEST(GridAlphaMaskTest, AssignFromAMaskTakesItsSizeOpacityAndPixels)
{
    TGridAlphaMask Source;
    Source.SetSize(3, 2);
    Source.SetOpacity(77);
    for (int32_t Y = 0; Y < 2; ++Y)
        for (int32_t X = 0; X < 3; ++X)
            for (int32_t Byte = 0; Byte < 4; ++Byte) Source.ScanLine(Y)[X * 4 + Byte] = static_cast<uint8_t>(10 * X + Y + Byte);
    TGridAlphaMask Target;
    Target.Assign(&Source);
    EXPECT_EQ(Target.Width(), 3);
    EXPECT_EQ(Target.Height(), 2);
    EXPECT_EQ(Target.Opacity(), 77);
    EXPECT_EQ(Pixel32(&Target, 2, 1), (std::array<uint8_t, 4>{21, 22, 23, 24}));

    auto Plain = Bitmap24(2, 1, {1, 2, 3});
    Target.Assign(Plain.get());
    EXPECT_EQ(Target.PixelFormat(), pf32bit);
    EXPECT_EQ(Target.Width(), 2);
    EXPECT_EQ(Target.Opacity(), 77);
    const auto Converted = Pixel32(&Target, 1, 0);
    EXPECT_EQ((std::array<uint8_t, 3>{Converted[0], Converted[1], Converted[2]}), (std::array<uint8_t, 3>{1, 2, 3}));
}

TEST(GridAlphaMaskTest, MergeMaskPremultipliesByTheMasksRedByte)
{
    struct TCase {
        uint8_t Alpha;
        std::array<uint8_t, 4> Expected;
    };
    // Source pixel red 200, green 100, blue 50 (bytes B, G, R).
    const TCase Cases[] = {
        {128, {25, 50, 100, 128}},
        {255, {50, 100, 200, 255}},
        {0, {0, 0, 0, 0}},
        {1, {0, 0, 1, 1}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Alpha);
        auto Colors = Bitmap24(2, 2, {50, 100, 200});
        // Only the red byte counts.
        auto Alphas = Bitmap24(2, 2, {7, 9, Case.Alpha});
        TGridAlphaMask Mask;
        Mask.MergeMask(Alphas.get(), Colors.get(), clRed);
        ASSERT_EQ(Mask.Width(), 2);
        EXPECT_EQ(Pixel32(&Mask, 1, 1), Case.Expected);
    }
}

TEST(GridAlphaMaskTest, MergeMaskNeedsTwentyFourBitBitmapsOfOneSize)
{
    TGridAlphaMask Mask;
    Mask.SetSize(1, 1);
    auto Colors = Bitmap24(2, 2, {50, 100, 200});
    auto Alphas = Bitmap24(2, 2, {0, 0, 128});
    TBitmap Deep;
    Deep.SetPixelFormat(pf32bit);
    Deep.SetSize(2, 2);
    Mask.MergeMask(Alphas.get(), &Deep, clNone);
    EXPECT_EQ(Mask.Width(), 1);
    auto Small = Bitmap24(1, 2, {0, 0, 128});
    Mask.MergeMask(Small.get(), Colors.get(), clNone);
    EXPECT_EQ(Mask.Width(), 1);
    Mask.MergeMask(&Deep, Colors.get(), clNone);
    EXPECT_EQ(Mask.Width(), 1);
}

// ---- Rounded-rectangle mask ----

TEST(RoundRectMaskTest, PenWidthZeroFillsTwoPixelsInFromEveryEdge)
{
    TBitmap Bitmap;
    MakeRoundRectMask(&Bitmap, 40, 30, 0, 8, 0);
    EXPECT_EQ(Bitmap.PixelFormat(), pf24bit);
    EXPECT_EQ(Bitmap.Width(), 40);
    EXPECT_EQ(Bitmap.Height(), 30);
    const TPixel White{255, 255, 255}, Black{0, 0, 0};
    EXPECT_EQ(PixelAt(&Bitmap, 1, 15), Black);
    EXPECT_EQ(PixelAt(&Bitmap, 2, 15), White);
    EXPECT_EQ(PixelAt(&Bitmap, 37, 15), White);
    EXPECT_EQ(PixelAt(&Bitmap, 38, 15), Black);
    EXPECT_EQ(PixelAt(&Bitmap, 20, 1), Black);
    EXPECT_EQ(PixelAt(&Bitmap, 20, 2), White);
    EXPECT_EQ(PixelAt(&Bitmap, 20, 27), White);
    EXPECT_EQ(PixelAt(&Bitmap, 20, 28), Black);
    EXPECT_EQ(PixelAt(&Bitmap, 20, 15), White);
    // The corners are rounded off.
    EXPECT_EQ(PixelAt(&Bitmap, 2, 2), Black);
}

TEST(RoundRectMaskTest, WidePenDrawsOnlyTheOutline)
{
    TBitmap Bitmap;
    MakeRoundRectMask(&Bitmap, 40, 30, 4, 8, 0);
    const TPixel White{255, 255, 255}, Black{0, 0, 0};
    EXPECT_EQ(PixelAt(&Bitmap, 20, 0), Black);
    EXPECT_EQ(PixelAt(&Bitmap, 20, 4), White);
    EXPECT_EQ(PixelAt(&Bitmap, 4, 15), White);
    EXPECT_EQ(PixelAt(&Bitmap, 20, 15), Black);
    EXPECT_EQ(PixelAt(&Bitmap, 10, 10), Black);
}

// ---- Blur ----

TEST(GaussianBlurTest, OnlyTwentyFourBitBitmaps)
{
    TBitmap Deep;
    Deep.SetPixelFormat(pf32bit);
    Deep.SetSize(4, 4);
    EXPECT_EQ(MessageOf<Exception>([&] { GaussianBlur(&Deep, 2); }), QStringLiteral("Blur only works for 24-bit bitmaps"));
    TBitmap Device;
    Device.SetSize(4, 4);
    EXPECT_EQ(MessageOf<Exception>([&] { GaussianBlur(&Device, 2); }), QStringLiteral("Blur only works for 24-bit bitmaps"));
}

TEST(GaussianBlurTest, RadiusZeroOrLessLeavesTheBitmap)
{
    for (double Radius : {0.0, -1.0}) {
        auto Bitmap = Bitmap24(3, 1);
        SetPixel(Bitmap.get(), 1, 0, {255, 128, 9});
        GaussianBlur(Bitmap.get(), Radius);
        EXPECT_EQ(PixelAt(Bitmap.get(), 1, 0), (TPixel{255, 128, 9}));
        EXPECT_EQ(PixelAt(Bitmap.get(), 0, 0), (TPixel{0, 0, 0}));
    }
}

TEST(GaussianBlurTest, SmallBitmapsByteByByte)
{
    // Radius 1 keeps taps -2..2 after trimming.
    auto Row = Bitmap24(7, 1);
    SetPixel(Row.get(), 3, 0, {255, 128, 9});
    GaussianBlur(Row.get(), 1.0);
    const TPixel RowExpected[] = {{0, 0, 0}, {13, 6, 0}, {62, 31, 2}, {102, 51, 3}, {62, 31, 2}, {13, 6, 0}, {0, 0, 0}};
    for (int32_t X = 0; X < 7; ++X) EXPECT_EQ(PixelAt(Row.get(), X, 0), RowExpected[X]) << X;

    // Edges clamp: the borders count their own pixels again.
    auto Square = Bitmap24(3, 3);
    SetPixel(Square.get(), 1, 1, {255, 255, 255});
    GaussianBlur(Square.get(), 0.8);
    const uint8_t SquareExpected[3][3] = {{14, 31, 14}, {31, 69, 31}, {14, 31, 14}};
    for (int32_t Y = 0; Y < 3; ++Y)
        for (int32_t X = 0; X < 3; ++X) EXPECT_EQ(PixelAt(Square.get(), X, Y)[0], SquareExpected[Y][X]) << X << "," << Y;

    // A uniform bitmap stays as it is: full channels are not lost to rounding.
    auto White = Bitmap24(4, 2, {255, 255, 255});
    GaussianBlur(White.get(), 3.0);
    for (int32_t Y = 0; Y < 2; ++Y)
        for (int32_t X = 0; X < 4; ++X) EXPECT_EQ(PixelAt(White.get(), X, Y), (TPixel{255, 255, 255}));
}

TEST(GaussianBlurTest, InteriorCopiesRowAndColumnFifteen)
{
    auto Bitmap = Bitmap24(50, 50);
    // A diagonal stripe: the interior is not uniform, so the copies show.
    for (int32_t I = 0; I < 50; ++I) SetPixel(Bitmap.get(), I, I, {200, 100, 50});
    GaussianBlur(Bitmap.get(), 2.0);
    for (int32_t Y = 0; Y < 50; ++Y)
        for (int32_t X = 21; X < 30; ++X) ASSERT_EQ(PixelAt(Bitmap.get(), X, Y), PixelAt(Bitmap.get(), 15, Y)) << X << "," << Y;
    // Row 15 was blurred: its stripe pixel spread to its neighbours.
    EXPECT_GT(PixelAt(Bitmap.get(), 16, 15)[0], 0);
    EXPECT_LT(PixelAt(Bitmap.get(), 15, 15)[0], 200);
}

TEST(GaussianBlurTest, RoundRectMaskFadesAtItsEdges)
{
    TBitmap Bitmap;
    MakeRoundRectMask(&Bitmap, 60, 50, 0, 8, 2);
    // Far inside stays white, the corner stays dark, and the edge rises step by step.
    EXPECT_EQ(PixelAt(&Bitmap, 30, 25)[2], 255);
    EXPECT_LT(PixelAt(&Bitmap, 0, 0)[2], 16);
    for (int32_t X = 0; X < 8; ++X) EXPECT_LE(PixelAt(&Bitmap, X, 25)[2], PixelAt(&Bitmap, X + 1, 25)[2]) << X;
    EXPECT_GT(PixelAt(&Bitmap, 1, 25)[2], 0);
    EXPECT_LT(PixelAt(&Bitmap, 2, 25)[2], 255);
}

}  // namespace
