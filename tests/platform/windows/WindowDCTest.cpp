// Drawing on windows outside their paint cycle: window and client contexts, wrapped widgets, WM_NCPAINT after each paint.
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "Recorder.h"

#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "windows/StdCtrls.h"
#include "windows/WindowDC.h"

#include <gtest/gtest.h>

namespace {

QRgb Rgb(TColor Color)
{
    const auto Value = static_cast<COLORREF>(ColorToRGB(Color));
    return qRgb(GetRValue(Value), GetGValue(Value), GetBValue(Value));
}

void Fill(HDC DC, const TRect& R, TColor Color)
{
    TBrush Brush;
    Brush.SetColor(Color);
    FillRect(DC, R, &Brush);
}

// A bordered control that draws a red frame around its whole window in WM_NCPAINT, through the window's context.
class TFramed : public TPlainControl {
public:
    using TPlainControl::TPlainControl;
    int32_t NCPaints = 0;
    bool DrawFrame = true;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TPlainControl::CreateParams(Params);
        Params.Style |= WS_BORDER;
    }
    void Dispatch(TMessage& Message) override
    {
        TPlainControl::Dispatch(Message);
        if (Message.Msg != WM_NCPAINT || !DrawFrame) return;
        ++NCPaints;
        HDC DC = GetWindowDC(Handle());
        TBrush Red;
        Red.SetColor(clRed);
        FrameRect(DC, Rect(0, 0, Width(), Height()), &Red);
        ReleaseDC(Handle(), DC);
    }
};

class WindowDCTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 150);
        Form->SetColor(clWhite);
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
};

TEST_F(WindowDCTest, WindowContextReachesTheFrameClientContextStartsInside)
{
    auto* Framed = Place<TFramed>(Form.get(), Bounds(10, 10, 60, 40));
    Framed->DrawFrame = false;
    Framed->SetColor(clLime);
    ProcessPendingEvents();
    HDC Window = GetWindowDC(Framed->Handle());
    Fill(Window, Rect(0, 0, 2, 2), clBlue);
    EXPECT_EQ(ReleaseDC(Framed->Handle(), Window), 1);
    HDC Client = GetDC(Framed->Handle());
    Fill(Client, Rect(0, 0, 2, 2), clYellow);
    // The client context is clipped to the client area.
    Fill(Client, Rect(-1, 10, 0, 11), clYellow);
    ReleaseDC(Framed->Handle(), Client);
    EXPECT_EQ(ReleaseDC(Framed->Handle(), Client), 0) << "released twice";
    ProcessPendingEvents();
    const QImage Drawn = OverlayPixels(Framed->Handle());
    EXPECT_EQ(Drawn.pixel(0, 0), Rgb(clBlue));
    EXPECT_EQ(Drawn.pixel(1, 1), Rgb(clYellow)) << "the client area starts inside the one-pixel border";
    EXPECT_EQ(Drawn.pixel(0, 11), 0u) << "nothing drawn outside the client area";
    // What the window repaints replaces what was drawn there.
    Framed->Invalidate();
    ProcessPendingEvents();
    EXPECT_EQ(OverlayPixels(Framed->Handle()).pixel(0, 0), 0u);
}

TEST_F(WindowDCTest, WindowWithoutAFrameOfOursGetsNCPaintAfterEachPaint)
{
    auto* Framed = Place<TFramed>(Form.get(), Bounds(10, 10, 60, 40));
    Framed->SetColor(clLime);
    const QImage Image = RenderControl(Framed);
    EXPECT_GT(Framed->NCPaints, 0);
    EXPECT_EQ(Image.pixel(0, 0), Rgb(clRed));
    EXPECT_EQ(Image.pixel(59, 39), Rgb(clRed));
    EXPECT_EQ(Image.pixel(30, 20), Rgb(clLime));
}

TEST_F(WindowDCTest, WrappedWidgetIsDrawnOverAfterItPaints)
{
    auto* Edit = Place<TEdit>(Form.get(), Bounds(10, 10, 100, 24));
    Edit->SetText(QStringLiteral("text"));
    int32_t NCPaints = 0;
    const TWndMethod Old = Edit->WindowProc();
    Edit->SetWindowProc([&, Old](TMessage& Message) {
        Old(Message);
        if (Message.Msg == WM_NCPAINT) {
            ++NCPaints;
            HDC DC = GetWindowDC(Edit->Handle());
            TBrush Green;
            Green.SetColor(clLime);
            FrameRect(DC, Rect(0, 0, Edit->Width(), Edit->Height()), &Green);
            ReleaseDC(Edit->Handle(), DC);
        } else if (Message.Msg == WM_PAINT) {
            HDC DC = GetDC(Edit->Handle());
            Fill(DC, Rect(0, 0, 3, 3), clBlue);
            ReleaseDC(Edit->Handle(), DC);
        }
    });
    const QImage Image = RenderControl(Edit);
    EXPECT_GT(NCPaints, 0);
    EXPECT_EQ(Image.pixel(0, 0), Rgb(clLime));
    EXPECT_EQ(Image.pixel(Image.width() - 1, Image.height() - 1), Rgb(clLime));
    // The client area of an edit with a sunken edge starts two pixels in.
    EXPECT_EQ(Image.pixel(2, 2), Rgb(clBlue));
    EXPECT_EQ(Image.pixel(4, 4), Rgb(clBlue));
    EXPECT_NE(Image.pixel(5, 5), Rgb(clBlue));
    Edit->SetWindowProc(nullptr);
}

}  // namespace
