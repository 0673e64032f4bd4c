// TImageList: strips cut into images, masks and mask colours, normal and disabled drawing.
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/ImageList.h"
#include "rtl/Exceptions.h"
#include "support/Artifacts.h"
#include "support/LayerInternals.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A bitmap of Count 4 x 4 cells side by side: cell i is Colors[i] with a fuchsia centre pixel
// (1, 1); the bottom-left pixel of the strip is fuchsia too.
void Strip(TBitmap& Bitmap, const std::vector<TColor>& Colors)
{
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(4 * int32_t(Colors.size()), 4);
    TCanvas* canvas = Bitmap.Canvas();
    for (size_t i = 0; i < Colors.size(); ++i) {
        canvas->Brush()->SetColor(Colors[i]);
        canvas->FillRect(Bounds(4 * int32_t(i), 0, 4, 4));
        canvas->SetPixels(4 * int32_t(i) + 1, 1, clFuchsia);
    }
    canvas->SetPixels(0, 3, clFuchsia);
}

// A 6 x 6 target filled with Background.
void Target(TBitmap& Bitmap, TColor Background)
{
    Bitmap.SetSize(6, 6);
    Bitmap.Canvas()->Brush()->SetColor(Background);
    Bitmap.Canvas()->FillRect(Rect(0, 0, 6, 6));
}

class ImageListTest : public testing::Test {
protected:
    ImageListTest() { FList.SetSize(4, 4); }

    TImageList FList{nullptr};
};

TEST_F(ImageListTest, DefaultsToSixteenPixelsAndANewSizeEmptiesIt)
{
    TImageList list(nullptr);
    EXPECT_EQ(list.Width(), 16);
    EXPECT_EQ(list.Height(), 16);
    TBitmap strip;
    Strip(strip, {clRed});
    list.AddMasked(&strip, clFuchsia);
    EXPECT_EQ(list.Count(), 1);
    list.SetWidth(8);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ImageListTest, AddMaskedCutsAStripIntoImages)
{
    TBitmap strip;
    Strip(strip, {clRed, clLime, clBlue});
    EXPECT_EQ(FList.AddMasked(&strip, clFuchsia), 0);
    EXPECT_EQ(FList.AddMasked(&strip, clDefault), 3);
    EXPECT_EQ(FList.Count(), 6);

    TBitmap target;
    Target(target, clWhite);
    FList.Draw(target.Canvas(), 1, 1, 2);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(target.Canvas()->Pixels(1, 1), clBlue);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clWhite);  // the fuchsia centre
    EXPECT_EQ(target.Canvas()->Pixels(4, 4), clBlue);
    EXPECT_EQ(target.Canvas()->Pixels(5, 5), clWhite);
    FList.Draw(target.Canvas(), 1, 1, 6);  // outside the list: nothing
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clWhite);
}

TEST_F(ImageListTest, MaskColourNoneKeepsEveryPixel)
{
    TBitmap strip;
    Strip(strip, {clRed});
    FList.AddMasked(&strip, clNone);
    TBitmap image;
    EXPECT_TRUE(FList.GetBitmap(0, &image));
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(image.Canvas()->Pixels(1, 1), clFuchsia);
    EXPECT_FALSE(FList.GetBitmap(1, &image));
}

TEST_F(ImageListTest, AddTakesAMaskBitmap)
{
    TBitmap strip;
    Strip(strip, {clRed, clLime});
    TBitmap mask;
    mask.SetSize(8, 4);
    mask.Canvas()->Brush()->SetColor(clBlack);
    mask.Canvas()->FillRect(Rect(0, 0, 8, 4));
    mask.Canvas()->Brush()->SetColor(clWhite);
    mask.Canvas()->FillRect(Rect(4, 0, 8, 2));  // top half of the second image
    mask.SetMonochrome(true);
    EXPECT_EQ(FList.Add(&strip, &mask), 0);
    EXPECT_EQ(FList.Count(), 2);

    TBitmap target;
    Target(target, clWhite);
    FList.Draw(target.Canvas(), 0, 0, 1);
    EXPECT_EQ(target.Canvas()->Pixels(0, 1), clWhite);
    EXPECT_EQ(target.Canvas()->Pixels(0, 2), clLime);
    FList.Draw(target.Canvas(), 0, 0, 0);
    EXPECT_EQ(target.Canvas()->Pixels(1, 1), clFuchsia);
}

TEST_F(ImageListTest, NarrowOrShortBitmapsArePaddedTransparent)
{
    TBitmap small;
    small.SetPixelFormat(pf24bit);
    small.SetSize(2, 3);
    small.Canvas()->Brush()->SetColor(clRed);
    small.Canvas()->FillRect(Rect(0, 0, 2, 3));
    EXPECT_EQ(FList.Add(&small, nullptr), 0);
    EXPECT_EQ(FList.Count(), 1);
    TBitmap target;
    Target(target, clWhite);
    FList.Draw(target.Canvas(), 0, 0, 0);
    EXPECT_EQ(target.Canvas()->Pixels(1, 2), clRed);
    EXPECT_EQ(target.Canvas()->Pixels(2, 0), clWhite);
    EXPECT_EQ(target.Canvas()->Pixels(0, 3), clWhite);
}

TEST_F(ImageListTest, DisabledImagesAreEmbossed)
{
    TBitmap image;
    image.SetPixelFormat(pf24bit);
    image.SetSize(4, 4);
    image.Canvas()->Brush()->SetColor(clFuchsia);
    image.Canvas()->FillRect(Rect(0, 0, 4, 4));
    image.Canvas()->Brush()->SetColor(clNavy);
    image.Canvas()->FillRect(Rect(1, 1, 3, 3));
    image.Canvas()->SetPixels(1, 1, clWhite);  // white stays out of the shape
    FList.AddMasked(&image, clFuchsia);

    TBitmap target;
    Target(target, clBtnFace);
    FList.Draw(target.Canvas(), 1, 1, 0, false);
    const TColor face = ColorToRGB(clBtnFace);
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor highlight = ColorToRGB(clBtnHighlight);
    // The shape covers (2, 2) - (3, 3) without (2, 2); the highlight copy sits one pixel lower right.
    const std::vector<std::vector<TColor>> expected = {
        {face, face, face, face, face, face},
        {face, face, face, face, face, face},
        {face, face, face, shadow, face, face},
        {face, face, shadow, shadow, highlight, face},
        {face, face, face, highlight, highlight, face},
        {face, face, face, face, face, face},
    };
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 0; x < 6; ++x) {
            SCOPED_TRACE(testing::Message() << x << ", " << y);
            EXPECT_EQ(target.Canvas()->Pixels(x, y), expected[size_t(y)][size_t(x)]);
        }
    EXPECT_EQ(target.Canvas()->Brush()->Color(), clBtnShadow);
    SaveArtifact(ImageOf(target).scaled(60, 60), QStringLiteral("imagelist-disabled"));
}

TEST_F(ImageListTest, ReplaceDeleteAndClear)
{
    TBitmap strip;
    Strip(strip, {clRed, clLime, clBlue});
    FList.AddMasked(&strip, clFuchsia);
    int changes = 0;
    FList.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &FList);
        ++changes;
    };
    TBitmap yellow;
    Strip(yellow, {clYellow});
    FList.ReplaceMasked(0, &yellow, clFuchsia);
    FList.Delete(1);
    EXPECT_EQ(FList.Count(), 2);
    TBitmap image;
    FList.GetBitmap(0, &image);
    EXPECT_EQ(image.Canvas()->Pixels(0, 0), clYellow);
    FList.GetBitmap(1, &image);
    EXPECT_EQ(image.Canvas()->Pixels(0, 0), clBlue);
    FList.Replace(1, &strip, nullptr);
    FList.GetBitmap(1, &image);
    EXPECT_EQ(image.Canvas()->Pixels(1, 1), clFuchsia);
    for (int32_t bad : {-1, 2}) {
        try {
            FList.Delete(bad);
            ADD_FAILURE() << bad;
        } catch (const EInvalidOperation& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Invalid ImageList Index"));
        }
        EXPECT_THROW(FList.Replace(bad, &strip, nullptr), EInvalidOperation);
    }
    FList.Clear();
    EXPECT_EQ(FList.Count(), 0);
    EXPECT_EQ(changes, 4);
}

TEST_F(ImageListTest, AssignCopiesSizeAndImages)
{
    TBitmap strip;
    Strip(strip, {clRed, clLime});
    FList.AddMasked(&strip, clFuchsia);
    TImageList copy(nullptr);
    copy.Assign(&FList);
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(copy.Count(), 2);
    FList.Clear();
    TBitmap image;
    copy.GetBitmap(1, &image);
    EXPECT_EQ(image.Canvas()->Pixels(0, 0), clLime);
}

}  // namespace
