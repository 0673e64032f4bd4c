// TExtWatch painting: face shapes and border, gradients, the picture, marks and numbers by TickMarks, hands, centre disc, presets.
#include "PickerTestSupport.h"

#include "dropdown/AnalogClock.h"
#include "dropdown/HexColor.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace PickerTest;

namespace {

// Whether any pixel of the square of side 2 * Half + 1 around (X, Y) differs from Background.
bool HasInk(const QImage& Image, int X, int Y, int Half, TColor Background)
{
    for (int DY = -Half; DY <= Half; ++DY)
        for (int DX = -Half; DX <= Half; ++DX)
            if (Image.pixel(X + DX, Y + DY) != Rgb(Background)) return true;
    return false;
}

// A point at Distance from the centre, Angle degrees clockwise from 3 o'clock.
TPoint At(double Distance, double Angle)
{
    const double A = Angle * std::numbers::pi / 180;
    return {int(std::lround(90 + Distance * std::cos(A))), int(std::lround(90 + Distance * std::sin(A)))};
}

class ClockFaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(400, 200, clSilver);
        Clock = Place<TExtWatch>(Form.get(), Bounds(0, 0, 180, 180));
        Clock->SetColor(clSilver);
        Clock->SetAnimation(false);
        Clock->SetShowAMPM(false);
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
    TExtWatch* Clock = nullptr;
};

TEST_F(ClockFaceTest, RoundFaceWithBorderInsideTheControlBackground)
{
    Clock->SetTime(ClockTime(3, 30));
    const QImage Image = RenderAndSave(Clock, QStringLiteral("AnalogClock"));
    EXPECT_EQ(HtmlAt(Image, 3, 3), Html(clSilver)) << "the corner shows the control";
    EXPECT_EQ(HtmlAt(Image, 11, 90), QStringLiteral("#000000")) << "the border on the left";
    EXPECT_EQ(HtmlAt(Image, 90, 168), QStringLiteral("#000000")) << "the border at the bottom";
    EXPECT_EQ(HtmlAt(Image, 40, 40), QStringLiteral("#FFFFFF")) << "the face";
    EXPECT_EQ(HtmlAt(Image, 90, 90), QStringLiteral("#000000")) << "the centre disc";
}

TEST_F(ClockFaceTest, HandsPointAtHourAndMinute)
{
    TWatchAppearance* A = Clock->Appearance();
    A->SetHourPointer(clRed);
    A->SetMinutePointer(clBlue);
    A->SetHourPointerShadow(clNone);
    A->SetMinutePointerShadow(clNone);
    A->SetCenterPointSize(0);
    Clock->SetTime(ClockTime(3, 30));
    const QImage Image = RenderAndSave(Clock, QStringLiteral("AnalogClockHands"));
    // Hour at 105 degrees from 12 (15 below 3 o'clock), minute straight down.
    for (double D : {16.0, 28.0, 38.0}) {
        const TPoint P = At(D, 15);
        EXPECT_EQ(HtmlAt(Image, P.X, P.Y), QStringLiteral("#FF0000")) << "hour hand at " << D;
    }
    EXPECT_EQ(HtmlAt(Image, 90 + 30, 90), QStringLiteral("#FFFFFF")) << "not at 3 o'clock";
    for (int D : {10, 30, 54}) EXPECT_EQ(HtmlAt(Image, 90, 90 + D), QStringLiteral("#0000FF")) << "minute hand at " << D;
    EXPECT_EQ(HtmlAt(Image, 90, 90 - 6), QStringLiteral("#0000FF")) << "its tail";

    A->SetPointerStyle(psPointer);
    const QImage Pointer = RenderAndSave(Clock, QStringLiteral("AnalogClockPointerHands"));
    EXPECT_EQ(HtmlAt(Pointer, 90 + 2, 90 + 20), QStringLiteral("#0000FF")) << "a pointer hand is wider than a line";
    for (TPointerStyle Style : {psShortLine, psLineArrow}) {
        A->SetPointerStyle(Style);
        const QImage Other = RenderControl(Clock);
        EXPECT_EQ(HtmlAt(Other, 90, 90 + 30), QStringLiteral("#0000FF")) << "style " << Style << " shows a minute hand";
        const TPoint P = At(24, 15);
        EXPECT_EQ(HtmlAt(Other, P.X, P.Y), QStringLiteral("#FF0000")) << "style " << Style << " shows an hour hand";
    }
}

TEST_F(ClockFaceTest, TickMarksChooseMarksAndNumbers)
{
    Clock->Appearance()->SetCenterPointSize(0);
    Clock->SetTime(ClockTime(0, 0));
    const TPoint Quarter = At(74, 0), Hour4 = At(74, 30), Minute = At(76, 6);
    const TPoint Number3{152, 91}, Number1{121, 38};
    const struct {
        TTickMarks Marks;
        bool Hours, Minutes, Three, One;
    } Cases[] = {
        {tmAll, true, true, true, true},
        {tmHours, true, false, false, false},
        {tmQuartHours, false, false, true, false},
        {tmNone, false, false, false, false},
    };
    for (const auto& Case : Cases) {
        Clock->Appearance()->SetTickMarks(Case.Marks);
        const QImage Image = RenderAndSave(Clock, QStringLiteral("AnalogClockMarks%1").arg(int(Case.Marks)));
        EXPECT_EQ(HtmlAt(Image, Quarter.X, Quarter.Y), Case.Marks == tmNone ? QStringLiteral("#FFFFFF") : QStringLiteral("#000000"))
            << "quarter mark, tick marks " << Case.Marks;
        EXPECT_EQ(HtmlAt(Image, Hour4.X, Hour4.Y), Case.Hours ? QStringLiteral("#000000") : QStringLiteral("#FFFFFF"))
            << "hour mark, tick marks " << Case.Marks;
        EXPECT_EQ(HtmlAt(Image, Minute.X, Minute.Y), Case.Minutes ? QStringLiteral("#808080") : QStringLiteral("#FFFFFF"))
            << "minute mark, tick marks " << Case.Marks;
        EXPECT_EQ(HasInk(Image, Number3.X, Number3.Y, 5, clWhite), Case.Three) << "number 3, tick marks " << Case.Marks;
        EXPECT_EQ(HasInk(Image, Number1.X, Number1.Y, 5, clWhite), Case.One) << "number 1, tick marks " << Case.Marks;
    }
    Clock->Appearance()->SetTickMarks(tmAll);
    Clock->SetShowNumbers(false);
    EXPECT_FALSE(HasInk(RenderControl(Clock), Number3.X, Number3.Y, 5, clWhite)) << "ShowNumbers off";
}

TEST_F(ClockFaceTest, ShapesFillTheirArea)
{
    Clock->SetBounds(0, 0, 180, 120);
    const QImage Circle = RenderAndSave(Clock, QStringLiteral("AnalogClockCircle180x120"));
    EXPECT_EQ(Clock->FaceRect(), Rect(40, 10, 140, 110)) << "a round face of 100";
    EXPECT_EQ(HtmlAt(Circle, 20, 60), Html(clSilver));
    EXPECT_EQ(HtmlAt(Circle, 160, 60), Html(clSilver));
    EXPECT_EQ(HtmlAt(Circle, 41, 60), QStringLiteral("#000000")) << "border at the left of the circle";
    EXPECT_EQ(HtmlAt(Circle, 60, 30), QStringLiteral("#FFFFFF")) << "inside the circle";

    Clock->Appearance()->SetShape(wsRect);
    const QImage Square = RenderAndSave(Clock, QStringLiteral("AnalogClockRect"));
    EXPECT_EQ(HtmlAt(Square, 0, 0), QStringLiteral("#000000")) << "the border runs round the control";
    EXPECT_EQ(HtmlAt(Square, 20, 60), QStringLiteral("#FFFFFF")) << "the face fills the control";

    Clock->Appearance()->SetShape(wsRoundRect);
    const QImage Rounded = RenderAndSave(Clock, QStringLiteral("AnalogClockRoundRect"));
    EXPECT_EQ(HtmlAt(Rounded, 0, 0), Html(clSilver)) << "rounded corners";
    EXPECT_EQ(HtmlAt(Rounded, 20, 60), QStringLiteral("#FFFFFF"));
}

TEST_F(ClockFaceTest, GradientsRunDownExceptRadial)
{
    TWatchAppearance* A = Clock->Appearance();
    A->SetShape(wsRect);
    A->SetBorderColor(clNone);
    A->SetTickMarks(tmNone);
    A->SetCenterPointSize(0);
    A->SetHourPointer(clNone);
    A->SetMinutePointer(clNone);
    A->SetHourPointerShadow(clNone);
    A->SetMinutePointerShadow(clNone);
    A->SetBackgroundColor(clWhite);
    A->SetBackgroundColorTo(clBlue);
    A->SetBackgroundGradient(wgVertical);
    const QImage Vertical = RenderAndSave(Clock, QStringLiteral("AnalogClockGradient"));
    EXPECT_EQ(HtmlAt(Vertical, 10, 0), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(HtmlAt(Vertical, 10, 0), HtmlAt(Vertical, 170, 0)) << "one colour across";
    EXPECT_NE(HtmlAt(Vertical, 10, 0), HtmlAt(Vertical, 10, 170)) << "changing downwards";
    for (TWatchGradient Diagonal : {wgDiagonalForward, wgDiagonalBackward}) {
        A->SetBackgroundGradient(Diagonal);
        EXPECT_EQ(RenderControl(Clock), Vertical) << "diagonal " << Diagonal << " draws the vertical gradient";
    }
    A->SetBackgroundGradient(wgRadial);
    const QImage Radial = RenderControl(Clock);
    EXPECT_EQ(HtmlAt(Radial, 0, 10), HtmlAt(Radial, 0, 170)) << "one colour down";
    EXPECT_NE(HtmlAt(Radial, 0, 10), HtmlAt(Radial, 170, 10)) << "changing across";
}

TEST_F(ClockFaceTest, PictureCoversTheClockFromTheTopLeftWithoutItsTransparentColour)
{
    TBitmap Picture;
    Picture.SetSize(180, 180);
    Picture.Canvas()->Brush()->SetColor(clFuchsia);
    Picture.Canvas()->FillRect(Rect(0, 0, 180, 180));
    Picture.Canvas()->Brush()->SetColor(clLime);
    Picture.Canvas()->FillRect(Rect(5, 5, 15, 15));
    Clock->Appearance()->Picture()->SetBitmap(&Picture);
    QImage Image = RenderAndSave(Clock, QStringLiteral("AnalogClockPicture"));
    EXPECT_EQ(HtmlAt(Image, 10, 10), QStringLiteral("#00FF00"));
    EXPECT_EQ(HtmlAt(Image, 2, 2), Html(clSilver)) << "the bottom-left colour is transparent";
    EXPECT_EQ(HtmlAt(Image, 40, 40), QStringLiteral("#FFFFFF")) << "the face shows through";
}

TEST_F(ClockFaceTest, AMPMBoxShowsTheHalfOfTheDay)
{
    Clock->SetShowAMPM(true);
    Clock->SetTime(ClockTime(9, 0));
    const TRect Box = Clock->AMPMRect();
    const QImage Morning = RenderControl(Clock);
    EXPECT_EQ(HtmlAt(Morning, Box.Left, Box.Top + 2), QStringLiteral("#000000")) << "the box frame";
    EXPECT_TRUE(HasInk(Morning.copy(Box.Left + 1, Box.Top + 1, Box.Width() - 2, Box.Height() - 2), Box.Width() / 2 - 1,
                       Box.Height() / 2 - 1, 2, clWhite)) << "the word";
    Clock->SetTime(ClockTime(21, 0));
    const QImage Evening = RenderAndSave(Clock, QStringLiteral("AnalogClockAMPM"));
    EXPECT_NE(Morning.copy(Box.Left, Box.Top, Box.Width(), Box.Height()), Evening.copy(Box.Left, Box.Top, Box.Width(), Box.Height()));
}

TEST_F(ClockFaceTest, PresetsResetTheAppearanceAndSetTheirLooks)
{
    Clock->SetStyle(wsSports);
    EXPECT_EQ(Clock->Appearance()->CenterPointSize(), 50);
    Clock->SetTime(ClockTime(3, 30));
    const QImage Sports = RenderAndSave(Clock, QStringLiteral("AnalogClockSports"));
    EXPECT_EQ(HtmlAt(Sports, 90, 90), QStringLiteral("#191919")) << "the disc covers the hands";
    int BlueLeft = 180, BlueRight = 0;
    for (int X = 0; X < 180; ++X) {
        if (Sports.pixel(X, 90) != qRgb(0, 0, 255)) continue;
        BlueLeft = std::min(BlueLeft, X);
        BlueRight = std::max(BlueRight, X);
    }
    EXPECT_NEAR(BlueRight - BlueLeft + 1, 44, 3) << "the inner ring of a disc of 50";
    EXPECT_FALSE(Clock->ShowAMPM());
    EXPECT_TRUE(Clock->ShowNumbers());

    Clock->SetStyle(wsSuperNova);
    EXPECT_EQ(Clock->Appearance()->HourMarkLength(), 40);
    EXPECT_EQ(Clock->Appearance()->MinuteMarkLength(), 60);
    EXPECT_EQ(Clock->Appearance()->CenterPointSize(), 10);
    EXPECT_EQ(Clock->Appearance()->BackgroundColor(), clWhite) << "reset to the default before the preset";
    EXPECT_EQ(Clock->Appearance()->HourColor(), clBlack);

    Clock->SetStyle(wsClassic);
    EXPECT_EQ(Clock->Appearance()->HourFont()->Name(), QStringLiteral("Comic Sans MS"));
    EXPECT_TRUE(Clock->Appearance()->HourFont()->Style().Contains(fsBold));
    EXPECT_EQ(Clock->Appearance()->HourPointerSize(), 5);
    EXPECT_EQ(Clock->Appearance()->BackgroundColorTo(), clNone);

    for (TWatchStyle Style : {wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray, wsSmooth}) {
        Clock->SetStyle(Style);
        RenderAndSave(Clock, QStringLiteral("AnalogClockStyle%1").arg(int(Style)));
    }
    EXPECT_EQ(Clock->Appearance()->TickMarks(), tmQuartHours);
}

TEST_F(ClockFaceTest, ComponentStylesColourTheClock)
{
    TWatchAppearance* A = Clock->Appearance();
    A->SetCenterPointOuterBorderColor(clRed);
    A->HourFont()->SetColor(clRed);
    A->SetBackgroundColor(clLime);
    Clock->SetComponentStyle(tsCustom);
    EXPECT_EQ(A->CenterPointOuterBorderColor(), clBlack);
    EXPECT_EQ(A->HourFont()->Color(), clBlack);
    EXPECT_EQ(A->BackgroundColor(), clLime) << "the custom style sets nothing more";

    Clock->SetComponentStyle(tsWindows7);
    EXPECT_EQ(A->BackgroundColor(), HexColor(0xFAFBFD));
    EXPECT_EQ(A->BackgroundColorTo(), HexColor(0xEBF3FD));
    EXPECT_EQ(A->MinutePointer(), HexColor(0xB8D6FB));
    EXPECT_EQ(A->HourColor(), HexColor(0xB8D6FB));
    EXPECT_EQ(A->HourPointerShadow(), clWhite);
    EXPECT_EQ(A->AMPMColor(), HexColor(0xFAFBFD));

    Clock->SetComponentStyle(tsOffice2007Obsidian);
    EXPECT_EQ(A->HourFont()->Color(), HexColor(0xF0F1F2));
    EXPECT_EQ(A->AMPMFont()->Color(), HexColor(0xF0F1F2));
    Clock->SetComponentStyle(tsOffice2010Silver);
    EXPECT_EQ(A->MinutePointerShadow(), HexColor(0xC0C0C0));
    EXPECT_EQ(A->HourFont()->Color(), clBlack);
    Clock->SetComponentStyle(tsWindowsXP);
    EXPECT_EQ(A->AMPMColor(), clBtnFace);
}

}  // namespace
