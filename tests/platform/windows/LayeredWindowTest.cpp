// Layered windows: the picture UpdateLayeredWindow gives (per-pixel and constant alpha, colour key),
// the shape it leaves the window, moves without activation, and SetLayeredWindowAttributes.
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "Recorder.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Region.h"
#include "windows/LayeredWindows.h"
#include "windows/WindowDC.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace {

// A disabled, topmost tool pop-up without a parent, like a glow around a control.
class TPopup : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TCustomControl::CreateParams(Params);
        Params.Style = WS_POPUP | WS_DISABLED;
        Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    }
};

// A 32-bit bitmap of 8 x 4 pixels: column x has alpha 0 (x = 0), 128 (x = 1..3) or 255, colours
// premultiplied from pure blue.
void FillSource(TBitmap& Source)
{
    Source.SetPixelFormat(pf32bit);
    Source.SetSize(8, 4);
    for (int32_t Y = 0; Y < 4; ++Y) {
        uint8_t* Row = Source.ScanLine(Y);
        for (int32_t X = 0; X < 8; ++X) {
            const uint8_t A = X == 0 ? 0 : X < 4 ? 128 : 255;
            Row[X * 4 + 0] = A;  // blue, premultiplied
            Row[X * 4 + 1] = 0;
            Row[X * 4 + 2] = 0;
            Row[X * 4 + 3] = A;
        }
    }
}

class LayeredWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 150);
        Form->Show();
        ProcessPendingEvents();
        Popup = New<TPopup>(Form.get());
        Popup->SetBounds(100, 80, 8, 4);
        Popup->HandleNeeded();
        FillSource(Source);
    }

    void MakeLayered()
    {
        SetWindowLong(Popup->Handle(), GWL_EXSTYLE, GetWindowLong(Popup->Handle(), GWL_EXSTYLE) | static_cast<int32_t>(WS_EX_LAYERED));
    }

    bool Update(uint8_t Constant, uint32_t Flags, const TPoint* Pos = nullptr, COLORREF Key = 0)
    {
        BLENDFUNCTION Blend;
        Blend.SourceConstantAlpha = Constant;
        Blend.AlphaFormat = AC_SRC_ALPHA;
        const TSize Size{8, 4};
        const TPoint From{0, 0};
        return UpdateLayeredWindow(Popup->Handle(), nullptr, Pos, &Size, Source.Canvas()->Handle(), &From, Key, &Blend, Flags);
    }

    std::unique_ptr<TForm> Form;
    TPopup* Popup = nullptr;
    TBitmap Source;
};

TEST_F(LayeredWindowTest, OnlyALayeredWindowTakesAPicture)
{
    EXPECT_FALSE(Update(255, ULW_ALPHA));
    EXPECT_TRUE(LayeredPixels(Popup->Handle()).isNull());
    EXPECT_FALSE(SetLayeredWindowAttributes(Popup->Handle(), 0, 128, LWA_ALPHA));
    EXPECT_FALSE(UpdateLayeredWindow(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, ULW_ALPHA));
    MakeLayered();
    EXPECT_TRUE(Update(255, ULW_ALPHA));
    EXPECT_FALSE(LayeredPixels(Popup->Handle()).isNull());
    // A source rectangle beyond the source's pixels, and an empty size, are refused.
    const TSize Big{9, 4};
    const TSize Empty{0, 4};
    EXPECT_FALSE(UpdateLayeredWindow(Popup->Handle(), nullptr, nullptr, &Big, Source.Canvas()->Handle(), nullptr, 0, nullptr, ULW_ALPHA));
    EXPECT_FALSE(UpdateLayeredWindow(Popup->Handle(), nullptr, nullptr, &Empty, Source.Canvas()->Handle(), nullptr, 0, nullptr, ULW_ALPHA));
}

TEST_F(LayeredWindowTest, PictureTakesPerPixelAndConstantAlpha)
{
    MakeLayered();
    struct Case {
        uint8_t Constant;
        uint32_t Flags;
        int Alpha0, Alpha1, Alpha7;
    } Cases[] = {
        {255, ULW_ALPHA, 0, 128, 255},
        {128, ULW_ALPHA, 0, 64, 128},
        {128, ULW_OPAQUE, 255, 255, 255},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << "constant " << int(C.Constant) << " flags " << C.Flags);
        ASSERT_TRUE(Update(C.Constant, C.Flags));
        const QImage Picture = LayeredPixels(Popup->Handle());
        ASSERT_EQ(Picture.size(), QSize(8, 4));
        EXPECT_EQ(qAlpha(Picture.pixel(0, 2)), C.Alpha0);
        EXPECT_EQ(qAlpha(Picture.pixel(1, 2)), C.Alpha1);
        EXPECT_EQ(qAlpha(Picture.pixel(7, 2)), C.Alpha7);
        // Premultiplied: blue equals alpha for pure blue.
        EXPECT_EQ(qBlue(Picture.pixel(1, 2)), C.Flags == ULW_OPAQUE ? 128 : C.Alpha1);
        EXPECT_EQ(qRed(Picture.pixel(7, 2)), 0);
    }
}

TEST_F(LayeredWindowTest, TransparentPixelsAndColourKeyLeaveTheShape)
{
    MakeLayered();
    ASSERT_TRUE(Update(255, ULW_ALPHA));
    const QWidget* Widget = WidgetOf(Popup->Handle());
    EXPECT_FALSE(Widget->mask().contains(QPoint(0, 1)));
    EXPECT_TRUE(Widget->mask().contains(QPoint(1, 1)));
    EXPECT_TRUE(Widget->mask().contains(QPoint(7, 3)));
    // A region set afterwards limits the shape further.
    const TRegion Left = CreateRectRgn(0, 0, 4, 4);
    SetWindowRgn(Popup->Handle(), &Left, false);
    EXPECT_FALSE(Widget->mask().contains(QPoint(0, 1)));
    EXPECT_TRUE(Widget->mask().contains(QPoint(2, 1)));
    EXPECT_FALSE(Widget->mask().contains(QPoint(5, 1)));
    SetWindowRgn(Popup->Handle(), nullptr, false);
    // Opaque blue as the key: columns 4..7 go.
    BLENDFUNCTION Blend;
    const TSize Size{8, 4};
    Source.Canvas()->Brush()->SetColor(clRed);
    Source.Canvas()->FillRect(Rect(0, 0, 2, 4));
    Source.Canvas()->Brush()->SetColor(clBlue);
    Source.Canvas()->FillRect(Rect(2, 0, 8, 4));
    ASSERT_TRUE(UpdateLayeredWindow(Popup->Handle(), nullptr, nullptr, &Size, Source.Canvas()->Handle(), nullptr,
                                    RGB(0, 0, 255), &Blend, ULW_COLORKEY));
    EXPECT_EQ(qAlpha(LayeredPixels(Popup->Handle()).pixel(4, 0)), 0);
    EXPECT_EQ(LayeredPixels(Popup->Handle()).pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_TRUE(Widget->mask().contains(QPoint(1, 1)));
    EXPECT_FALSE(Widget->mask().contains(QPoint(4, 1)));
    // No longer layered: the window paints itself again and shows whole.
    SetWindowLong(Popup->Handle(), GWL_EXSTYLE, GetWindowLong(Popup->Handle(), GWL_EXSTYLE) & ~static_cast<int32_t>(WS_EX_LAYERED));
    EXPECT_TRUE(LayeredPixels(Popup->Handle()).isNull());
    EXPECT_TRUE(Widget->mask().isEmpty());
}

TEST_F(LayeredWindowTest, MovesAndShowsWithoutTakingTheActivation)
{
    MakeLayered();
    const TPoint To{140, 90};
    ASSERT_TRUE(Update(255, ULW_ALPHA, &To));
    SetWindowPos(Popup->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ProcessPendingEvents();
    TRect Bounds;
    GetWindowRect(Popup->Handle(), Bounds);
    EXPECT_EQ(Bounds, Rect(140, 90, 148, 94));
    EXPECT_TRUE(IsWindowVisible(Popup->Handle()));
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
    // What shows is the picture: the transparent column stays out, the opaque ones are blue.
    const QImage Shown = RenderControl(Popup);
    EXPECT_EQ(Shown.pixel(7, 1), qRgb(0, 0, 255));
    EXPECT_EQ(qRed(Shown.pixel(2, 1)), 0);
    EXPECT_GT(qBlue(Shown.pixel(2, 1)), 0);
}

TEST_F(LayeredWindowTest, AttributesGiveOpacityAndKey)
{
    MakeLayered();
    ASSERT_TRUE(Update(255, ULW_ALPHA));
    ASSERT_TRUE(SetLayeredWindowAttributes(Popup->Handle(), RGB(1, 2, 3), 128, LWA_ALPHA | LWA_COLORKEY));
    EXPECT_TRUE(LayeredPixels(Popup->Handle()).isNull());
    COLORREF Key = 0;
    uint8_t Alpha = 0;
    uint32_t Flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(Popup->Handle(), &Key, &Alpha, &Flags));
    EXPECT_EQ(Key, RGB(1, 2, 3));
    EXPECT_EQ(Alpha, 128);
    EXPECT_EQ(Flags, LWA_ALPHA | LWA_COLORKEY);
    EXPECT_NEAR(WidgetOf(Popup->Handle())->windowOpacity(), 128 / 255.0, 0.01);
}

}  // namespace
