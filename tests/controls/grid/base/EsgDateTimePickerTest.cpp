// The date-time picker editor: creation values, the platform's look without the metro style, the flat
// border, metro borders and button edge, the drop button's colours, hover and the version.
#include "grid/base/EsgDateTimePicker.h"

#include "EditorTestSupport.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Region.h"
#include "support/Artifacts.h"
#include "support/Input.h"
#include "support/LayerInternals.h"
#include "windows/SystemMetrics.h"

#include <gtest/gtest.h>

using namespace EditorTest;

namespace {

// Reaches the picker's protected state and its Vista-only painting.
class TProbe : public TEsgDateTimePicker {
public:
    using TEsgDateTimePicker::TEsgDateTimePicker;
    using TEsgDateTimePicker::DrawButton;
    using TEsgDateTimePicker::PaintAdditions;
    void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
    void SetHover(bool Value) { FButtonHover = Value; }
    int32_t ButtonWidth() const { return FButtonWidth; }
};

class EsgDateTimePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 120);
        Picker = Place<TProbe>(Form.get(), Bounds(10, 10, 150, 24));
        Plain = Place<TDateTimePicker>(Form.get(), Bounds(10, 60, 150, 24));
        Plain->SetDateTime(EncodeDate(2021, 3, 15));
        Picker->SetDateTime(EncodeDate(2021, 3, 15));
        Other = Place<TCustomControl>(Form.get(), Bounds(250, 90, 30, 20));
        Other->SetTabStop(true);
        Form->Show();
        Other->SetFocus();
        ProcessPendingEvents();
        Input::MoveMouse(Form.get(), {290, 5});
    }

    std::unique_ptr<TForm> Form;
    TProbe* Picker = nullptr;
    TDateTimePicker* Plain = nullptr;
    TCustomControl* Other = nullptr;
};

TEST_F(EsgDateTimePickerTest, CreationValues)
{
    EXPECT_EQ(Picker->Version(), "1.0.0.0");
    Picker->SetVersion(QStringLiteral("2.0.0.0"));
    EXPECT_EQ(Picker->Version(), "1.0.0.0");
    EXPECT_EQ(Picker->BorderStyle(), bsNone);
    EXPECT_TRUE(Picker->Ctl3D());
    EXPECT_FALSE(Picker->ParentCtl3D());
    EXPECT_TRUE(Picker->DoubleBuffered());
    EXPECT_FALSE(Picker->MetroStyle());
    EXPECT_EQ(Picker->BorderColor(), clNone);
    EXPECT_EQ(Picker->ButtonColor(), clNone);
    EXPECT_EQ(Picker->ButtonWidth(), GetSystemMetrics(SM_CXVSCROLL) + 2);
    EXPECT_EQ(ReadFileVersion(QStringLiteral("COMCTL32.DLL")), -1);
    EXPECT_FALSE(IsMouseButtonDown());
}

TEST_F(EsgDateTimePickerTest, WithoutMetroAndWith3DItPaintsLikeThePlatformsPicker)
{
    Picker->SetBorderColor(clRed);
    EXPECT_EQ(RenderControl(Picker), RenderControl(Plain));
}

TEST_F(EsgDateTimePickerTest, Without3DABorderColourAddsOnlyTheFlatBorder)
{
    Picker->SetCtl3D(false);
    Picker->SetBorderColor(clRed);
    const QImage Own = RenderControl(Picker);
    const QImage Platform = RenderControl(Plain);
    const int32_t W = Picker->Width(), H = Picker->Height();
    // Border style none: the outline in the parent's colour.
    EXPECT_EQ(PixelText(Own, 0, 5), ColorText(Form->Color()));
    EXPECT_EQ(PixelText(Own, W - 1, 5), ColorText(Form->Color()));
    EXPECT_EQ(Own.copy(2, 2, W - 4, H - 4), Platform.copy(2, 2, W - 4, H - 4));
    // A single border: the outline in the border colour, the inner top-left line in the parent's colour.
    Picker->SetBorderStyle(bsSingle);
    const QImage Single = RenderControl(Picker);
    EXPECT_EQ(PixelText(Single, W - 1, 5), ColorText(clRed));
    EXPECT_EQ(PixelText(Single, 5, H - 1), ColorText(clRed));
    EXPECT_EQ(PixelText(Single, 0, 0), ColorText(clRed));
    EXPECT_EQ(PixelText(Single, 1, 5), ColorText(Form->Color()));
    EXPECT_EQ(PixelText(Single, 5, 1), ColorText(Form->Color()));
}

TEST_F(EsgDateTimePickerTest, MetroBorderAndButtonEdge)
{
    Picker->SetMetroStyle(true);
    Picker->SetBorderColor(clRed);
    QImage Image = RenderControl(Picker);
    SaveArtifact(Image, QStringLiteral("EsgDateTimePickerMetro"));
    const int32_t W = Picker->Width(), H = Picker->Height(), BW = Picker->ButtonWidth();
    const int32_t CW = Picker->ClientWidth();
    EXPECT_EQ(PixelText(Image, 0, 0), ColorText(clRed));
    EXPECT_EQ(PixelText(Image, W - 1, H - 1), ColorText(clRed));
    // Not hot: the button area filled with the face colour, one pixel less at top, bottom and right.
    EXPECT_EQ(PixelText(Image, CW - BW - 1, 4), ColorText(clBtnFace));
    // Hot: a raised edge around the button, its inner highlight one pixel in.
    Input::MoveMouse(Picker, {20, 5});
    EXPECT_TRUE(Picker->MouseInControl());
    Image = RenderControl(Picker);
    EXPECT_EQ(PixelText(Image, CW - BW - 1, 4), ColorText(clBtnHighlight));
    Input::MoveMouse(Form.get(), {290, 5});
    EXPECT_FALSE(Picker->MouseInControl());
}

TEST_F(EsgDateTimePickerTest, FocusBorderColourFramesOnlyWhileFocused)
{
    Picker->SetMetroStyle(true);
    Picker->SetFocusBorderColor(clBlue);
    Picker->SetFocus();
    ProcessPendingEvents();
    EXPECT_EQ(PixelText(RenderControl(Picker), 0, 0), ColorText(clBlue));
    Other->SetFocus();
    ProcessPendingEvents();
    EXPECT_NE(PixelText(RenderControl(Picker), 0, 0), ColorText(clBlue));
}

TEST_F(EsgDateTimePickerTest, PointerOverTheButtonIsHover)
{
    const int32_t W = Picker->Width();
    Input::MoveMouse(Picker, {W - 5, 5});
    EXPECT_TRUE(Picker->ButtonHover());
    Input::MoveMouse(Picker, {W - Picker->ButtonWidth(), 5});
    EXPECT_FALSE(Picker->ButtonHover());
}

TEST_F(EsgDateTimePickerTest, DropButtonColoursAndTheTimeKind)
{
    Picker->SetMetroStyle(true);
    Picker->SetButtonColor(static_cast<TColor>(0xFF0000));
    Picker->SetButtonColorHot(clLime);
    Picker->SetButtonColorDown(clYellow);
    Picker->SetButtonTextColor(clBlack);
    Picker->SetButtonTextColorDown(clRed);
    Picker->SetButtonBorderColor(clNavy);
    TBitmap Surface;
    Surface.SetSize(Picker->Width(), Picker->Height());
    const int32_t Left = Picker->ClientWidth() - Picker->ButtonWidth() + 2;
    const auto FaceAt = [&] {
        Surface.Canvas()->Brush()->SetColor(clWhite);
        Surface.Canvas()->FillRect(Rect(0, 0, Surface.Width(), Surface.Height()));
        Picker->DrawButton(Surface.Canvas()->Handle());
        // The button's area is excluded from the clip afterwards: read past it.
        SelectClipRgn(Surface.Canvas()->Handle(), nullptr);
        return ColorText(Surface.Canvas()->Pixels(Left + 3, 3));
    };
    EXPECT_EQ(FaceAt(), ColorText(0xFF0000));
    EXPECT_EQ(ColorText(Surface.Canvas()->Pixels(Left, 5)), ColorText(clNavy));
    EXPECT_EQ(ColorText(Surface.Canvas()->Pixels(Left + 8, 1 + 8)), ColorText(clBlack));
    Picker->SetHover(true);
    EXPECT_EQ(FaceAt(), ColorText(clLime));
    // A mouse button held over the button.
    SetKeyDown(VK_LBUTTON, true);
    EXPECT_TRUE(IsMouseButtonDown());
    EXPECT_EQ(FaceAt(), ColorText(clYellow));
    EXPECT_EQ(ColorText(Surface.Canvas()->Pixels(Left + 8, 1 + 8)), ColorText(clRed));
    SetKeyDown(VK_LBUTTON, false);
    // The Vista additions draw the button on the window, but never for a time picker.
    Picker->SetHover(false);
    Picker->PaintAdditions();
    ProcessPendingEvents();
    const QImage Drawn = OverlayPixels(Picker->Handle());
    EXPECT_EQ(Drawn.pixel(Left + 3, 3), qRgb(0, 0, 0xFF)) << "the face in ButtonColor";
    Picker->SetKind(dtkTime);
    const QImage Before = RenderControl(Picker);
    Picker->PaintAdditions();
    EXPECT_EQ(RenderControl(Picker), Before);
}

}  // namespace
