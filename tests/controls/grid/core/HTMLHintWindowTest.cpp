// The grid's hint window: markup and wide-encoded hints measured, kept on the monitor and painted.
#include "ExtGridTestSupport.h"

#include "grid/base/ExtUtil.h"
#include "grid/core/HTMLHintWindow.h"

#include "support/Artifacts.h"

#include "graphics/ImageList.h"

namespace {

class HTMLHintWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Hint.reset(New<THTMLHintWindow>(nullptr));
        GridHintFontName.clear();
    }
    void TearDown() override { GridHintFontName.clear(); }

    std::unique_ptr<THTMLHintWindow> Hint;
};

TEST_F(HTMLHintWindowTest, AHintIsSizedToItsTextAndKeptOnTheMonitor)
{
    const QString Text = QStringLiteral("Some <b>bold</b> hint text");
    const TRect Size = Hint->CalcHintRect(1008, Text, nullptr);
    ASSERT_GT(Size.Width(), 0);
    ASSERT_GT(Size.Height(), 0);
    TMonitor* Monitor = Screen->MonitorFromPoint(Point(100, 100));
    ASSERT_NE(Monitor, nullptr);
    const TRect Edges = Monitor->BoundsRect();

    const struct {
        const char* Name;
        TPoint At;
        TPoint Expected;
    } Cases[] = {
        {"inside", Point(Edges.Left + 20, Edges.Top + 30), Point(Edges.Left + 20, Edges.Top + 30)},
        {"past the right edge", Point(Edges.Right - 10, Edges.Top + 30),
         Point(Edges.Right - 2 - (Size.Width() + 16), Edges.Top + 30)},
        {"past the bottom", Point(Edges.Left + 20, Edges.Bottom - 3),
         Point(Edges.Left + 20, Edges.Bottom - 2 - (Size.Height() + 4))},
        {"past both", Point(Edges.Right - 1, Edges.Bottom - 1),
         Point(Edges.Right - 2 - (Size.Width() + 16), Edges.Bottom - 2 - (Size.Height() + 4))},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Hint->ActivateHint(Rect(C.At.X, C.At.Y, C.At.X + 5, C.At.Y + 5), Text);
        ProcessPendingEvents();
        EXPECT_EQ(Hint->BoundsRect(), Rect(C.Expected.X, C.Expected.Y, C.Expected.X + Size.Width() + 16,
                                           C.Expected.Y + Size.Height() + 4));
        EXPECT_TRUE(IsWindowVisible(Hint->Handle()));
        EXPECT_EQ(Hint->Caption(), Text);
    }
    // No border of the plain hint window.
    EXPECT_EQ(GetWindowLong(Hint->Handle(), GWL_STYLE) & static_cast<int32_t>(WS_BORDER), 0);
}

TEST_F(HTMLHintWindowTest, AWideEncodedHintShowsOnOneLineInTheGridsFont)
{
    GridHintFontName = QStringLiteral("Courier New");
    const QString Wide = QStringLiteral(u"Grüße <b>aus</b> Köln, a long hint that would wrap anywhere else");
    const QString Encoded = EncodeWideCellText(Wide);
    Hint->ActivateHint(Rect(30, 40, 35, 45), Encoded);
    ProcessPendingEvents();
    EXPECT_EQ(Hint->Canvas()->Font()->Name(), QStringLiteral("Courier New"));

    TBitmap Bitmap;
    Bitmap.SetSize(1, 1);
    Bitmap.Canvas()->Font()->Assign(Hint->Canvas()->Font());
    const TSize Extent = Bitmap.Canvas()->TextExtent(Wide);
    EXPECT_EQ(Hint->BoundsRect(), Rect(30, 40, 30 + Extent.cx + 8, 40 + Extent.cy + 4));
    EXPECT_EQ(Hint->CalcHintRect(100, Encoded, nullptr), Rect(0, 0, Extent.cx, Extent.cy));

    // Painted: the frame, and dark text in the one line band only.
    const QImage Image = RenderControl(Hint.get());
    SaveArtifact(Image, QStringLiteral("HTMLHintWindowWide"));
    const auto Rgb = [](TColor Color) {
        const TColor C = ColorToRGB(Color);
        return qRgb(GetRValue(C), GetGValue(C), GetBValue(C));
    };
    EXPECT_EQ(Image.pixel(0, 0), Rgb(cl3DLight));
    EXPECT_EQ(Image.pixel(0, Image.height() - 3), Rgb(cl3DLight));
    EXPECT_EQ(Image.pixel(Image.width() - 1, Image.height() - 1), Rgb(cl3DDkShadow));
    EXPECT_EQ(Image.pixel(Image.width() - 1, 0), Rgb(cl3DDkShadow));
    int32_t Ink = 0;
    for (int32_t Y = 1; Y < Image.height() - 1; ++Y)
        for (int32_t X = 1; X < Image.width() - 1; ++X)
            if (qGray(Image.pixel(X, Y)) < 100) ++Ink;
    EXPECT_GT(Ink, 50);
}

TEST_F(HTMLHintWindowTest, AMarkupHintPaintsItsMarkup)
{
    Hint->ActivateHint(Rect(30, 40, 35, 45), QStringLiteral("<b>Bold</b> and <font color=\"clRed\">red</font>"));
    ProcessPendingEvents();
    const QImage Image = RenderControl(Hint.get());
    SaveArtifact(Image, QStringLiteral("HTMLHintWindowMarkup"));
    int32_t Red = 0;
    for (int32_t Y = 0; Y < Image.height(); ++Y)
        for (int32_t X = 0; X < Image.width(); ++X)
            if (Image.pixel(X, Y) == qRgb(255, 0, 0)) ++Red;
    EXPECT_GT(Red, 5);
    // The window's colour behind the text.
    const TColor Back = ColorToRGB(Hint->Color());
    EXPECT_EQ(Image.pixel(2, 2), qRgb(GetRValue(Back), GetGValue(Back), GetBValue(Back)));
}

TEST_F(HTMLHintWindowTest, AGridsImagesServeItsHints)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    auto* Grid = New<TExtStringGrid>(Form.get());
    Grid->SetParent(Form.get());
    auto* Images = New<TCustomImageList>(Form.get());
    Images->SetSize(40, 30);
    TBitmap Image;
    Image.SetSize(40, 30);
    Images->Add(&Image, nullptr);
    Grid->SetGridImages(Images);
    const QString Text = QStringLiteral("<IMG src=\"idx:0\">x");

    // Without the grid there is no image to show.
    Hint->ActivateHintData(Rect(30, 40, 35, 45), Text, nullptr);
    EXPECT_LT(Hint->Height(), 30);
    Hint->ActivateHintData(Rect(30, 40, 35, 45), Text, static_cast<TObject*>(Grid));
    EXPECT_GE(Hint->Height(), 30 + 4);
    EXPECT_GE(Hint->Width(), 40 + 16);
}

}  // namespace
