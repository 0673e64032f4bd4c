// TExtWatch painting: the face cache (shape, gradient, border, picture, marks, numbers, AM/PM box), the AM/PM slide and the hands.
#include "dropdown/AnalogClock.h"

#include "dropdown/DropDownUtil.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Picture.h"
#include "graphics/Region.h"
#include "rtl/NumConv.h"
#include "windows/Timer.h"

#include <cmath>
#include <numbers>

namespace {

int32_t Round(long double Value)
{
    return static_cast<int32_t>(RoundHalfEven(Value));
}

double Radians(double Degrees)
{
    return Degrees * std::numbers::pi / 180;
}

// A point at Distance from the centre, Angle degrees clockwise from 12 o'clock (numbers and hands).
TPoint HandPoint(TPoint C, double Distance, double Angle)
{
    return {Round(C.X + Distance * std::sin(Radians(Angle))), Round(C.Y - Distance * std::cos(Radians(Angle)))};
}

// The same, measured clockwise from 3 o'clock (marks).
TPoint MarkPoint(TPoint C, double Distance, double Angle)
{
    return {Round(C.X + Distance * std::cos(Radians(Angle))), Round(C.Y + Distance * std::sin(Radians(Angle)))};
}

TPoint Shifted(TPoint P, TPoint By)
{
    return {P.X + By.X, P.Y + By.Y};
}

void SetPen(TCanvas* Canvas, TColor Color, int32_t Width)
{
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(Color);
    Canvas->Pen()->SetWidth(Width);
}

void Line(TCanvas* Canvas, TPoint From, TPoint To)
{
    Canvas->MoveTo(From.X, From.Y);
    Canvas->LineTo(To.X, To.Y);
}

// The circle of Diameter around the centre.
TRect Disc(TPoint C, int32_t Diameter)
{
    const int32_t Left = Round(C.X - Diameter / 2.0L);
    const int32_t Top = Round(C.Y - Diameter / 2.0L);
    return Rect(Left, Top, Left + Diameter, Top + Diameter);
}

}  // namespace

// ---- Whole face and hands ----

void TExtWatch::SyncAutoAM()
{
    if (!FSettings->Auto()) return;
    uint16_t H, M, S, MS;
    DecodeTime(ShownTime(), H, M, S, MS);
    FollowAM(H < 12);
}

void TExtWatch::Paint()
{
    PaintAll();
}

void TExtWatch::PaintAll()
{
    if (FSettings->Auto()) {
        uint16_t H, M, S, MS;
        DecodeTime(ShownTime(), H, M, S, MS);
        FAM = H < 12;
    }
    const TRect Client = ClientRect();
    // A new bitmap each time: a resized bitmap's canvas loses its clip region on this platform.
    FBKGCache = std::make_unique<TBitmap>();
    FBKGCache->SetSize(Client.Width(), Client.Height());
    TCanvas* Cache = FBKGCache->Canvas();
    Cache->Brush()->SetStyle(bsSolid);
    Cache->Brush()->SetColor(Color());
    Cache->FillRect(Client);
    DrawFace(Cache, Client);
    DrawTickMarks(Cache);
    DrawNumbers(Cache);
    DrawAMPM(Cache);
    ComposeFrame(Canvas());
}

void TExtWatch::RepaintHands()
{
    if (!HandleAllocated()) return;
    SyncAutoAM();
    if (FBKGCache->Width() != ClientWidth() || FBKGCache->Height() != ClientHeight()) {
        Invalidate();
        return;
    }
    ComposeFrame(Canvas());
}

void TExtWatch::ComposeFrame(TCanvas* Target)
{
    TBitmap Frame;
    Frame.SetSize(FBKGCache->Width(), FBKGCache->Height());
    Frame.Canvas()->Draw(0, 0, FBKGCache.get());
    if (FSlideFramesLeft > 0) DrawSlide(Frame.Canvas());
    DrawHands(Frame.Canvas());
    Target->Draw(0, 0, &Frame);
}

// ---- Face ----

void TExtWatch::DrawFace(TCanvas* Canvas, const TRect& C)
{
    const TWatchAppearance* A = FAppearance.get();
    const TWatchShape Shape = A->Shape();
    const TRect S = Shape == wsCircle ? FaceRect() : C;
    const TRect ClipBounds = Rect(S.Left - 1, S.Top - 1, S.Right + 2, S.Bottom + 2);
    if (Shape == wsCircle) {
        const TRegion Clip = CreateEllipticRgn(ClipBounds.Left, ClipBounds.Top, ClipBounds.Right, ClipBounds.Bottom);
        SelectClipRgn(Canvas->Handle(), &Clip);
    } else if (Shape == wsRoundRect) {
        const TRegion Clip = CreateRoundRectRgn(ClipBounds.Left, ClipBounds.Top, ClipBounds.Right, ClipBounds.Bottom, 20, 20);
        SelectClipRgn(Canvas->Handle(), &Clip);
    }

    if (A->BackgroundColor() != clNone && A->BackgroundColorTo() != clNone) {
        DrawStepGradient(Canvas, A->BackgroundColor(), A->BackgroundColorTo(), 80, S, A->BackgroundGradient() == wgRadial);
    } else if (A->BackgroundColor() != clNone) {
        Canvas->Brush()->SetColor(A->BackgroundColor());
        Canvas->FillRect(S);
    }
    if (A->BorderColor() != clNone && A->BorderWidth() > 0) {
        SetPen(Canvas, A->BorderColor(), A->BorderWidth());
        Canvas->Brush()->SetStyle(bsClear);
        if (Shape == wsCircle) Canvas->Ellipse(S);
        else if (Shape == wsRect) Canvas->Rectangle(C);
        else Canvas->RoundRect(C.Left, C.Top, C.Right, C.Bottom, 20, 20);
    }
    SelectClipRgn(Canvas->Handle(), nullptr);

    TPicture* Picture = A->Picture();
    if (Picture->Graphic() && !Picture->Graphic()->Empty()) {
        TBitmap Over;
        Over.SetSize(C.Width(), C.Height());
        Over.Canvas()->Draw(0, 0, Picture->Graphic());
        Over.SetTransparent(true);
        Canvas->Draw(C.Left, C.Top, &Over);
    }
}

void TExtWatch::DrawTickMarks(TCanvas* Canvas)
{
    const TWatchAppearance* A = FAppearance.get();
    const TTickMarks Marks = A->TickMarks();
    if (Marks == tmNone) return;
    const TPoint C = FaceCenter();
    const double Outer = FaceRadius() - A->BorderWidth() / 2;

    double Inner = A->HourMarkLength() != 0 ? Outer - A->HourMarkLength() : 0.9 * Outer;
    SetPen(Canvas, A->HourColor(), A->HourMarkWidth());
    for (int32_t Quarter = 0; Quarter < 4; ++Quarter) {
        const double Angle = Quarter * 90;
        if (A->HourMarkStyle() == hmsQuartDblLine) {
            // Two lines 2 pixels either side of the mark, across it.
            const bool Across = Quarter % 2 == 0;
            for (int32_t Side : {-2, 2}) {
                const TPoint By = Across ? Point(0, Side) : Point(Side, 0);
                Line(Canvas, Shifted(MarkPoint(C, Inner, Angle), By), Shifted(MarkPoint(C, Outer, Angle), By));
            }
        } else {
            Line(Canvas, MarkPoint(C, Inner, Angle), MarkPoint(C, Outer, Angle));
        }
    }
    if (Marks == tmAll || Marks == tmHours) {
        for (int32_t Hour = 1; Hour <= 11; ++Hour)
            if (Hour % 3 != 0) Line(Canvas, MarkPoint(C, Inner, Hour * 30), MarkPoint(C, Outer, Hour * 30));
    }
    if (Marks == tmAll) {
        Inner = A->MinuteMarkLength() != 0 ? Outer - A->MinuteMarkLength() : 0.95 * Outer;
        SetPen(Canvas, A->MinuteColor(), A->MinuteMarkWidth());
        for (int32_t Minute = 0; Minute < 60; ++Minute)
            if (Minute % 5 != 0) Line(Canvas, MarkPoint(C, Inner, Minute * 6), MarkPoint(C, Outer, Minute * 6));
    }
}

void TExtWatch::DrawNumbers(TCanvas* Canvas)
{
    const TWatchAppearance* A = FAppearance.get();
    if (!FShowNumbers || A->TickMarks() == tmNone || A->TickMarks() == tmHours) return;
    const TPoint C = FaceCenter();
    const double R = FaceRadius() - A->BorderWidth() / 2;
    const int32_t B = A->HourMarkLength() != 0 ? A->HourMarkLength() : Round(R - 0.9 * R) + 2;
    Canvas->Font()->Assign(A->HourFont());
    Canvas->Brush()->SetStyle(bsClear);
    const double Rho0 = R - 2 * B - 2;
    for (int32_t Hour = 1; Hour <= 12; ++Hour) {
        if (A->TickMarks() == tmQuartHours && Hour % 3 != 0) continue;
        const QString Text = QString::number(Hour);
        const TSize Extent = GetTextSize(Canvas, Text);
        const int32_t D = Hour == 10 ? Round(0.2 * Extent.cy) : Hour == 11 ? Round(0.15 * Extent.cy) : 0;
        const double Rho = Rho0 - D + B / 2;
        const double Angle = Radians(Hour * 30);
        const int32_t X = Round(std::sin(Angle) * Rho) + C.X + 1;
        const int32_t Y = C.Y + 1 - Round(std::cos(Angle) * Rho);
        const TRect Q = Rect(X - B / 2, Y - B / 2, X + B / 2, Y + B / 2);
        Canvas->TextOut(Q.Right - (Q.Right - Q.Left) / 2 - Extent.cx / 2 - 1,
                        Q.Bottom - (Q.Bottom - Q.Top) / 2 - Extent.cy / 2 - 1, Text);
    }
}

void TExtWatch::DrawAMPMFrame(TCanvas* Canvas)
{
    const TRect Box = AMPMRect();
    if (FAppearance->AMPMFrame() == apRect) Canvas->Rectangle(Box);
    else Canvas->RoundRect(Box.Left, Box.Top, Box.Right, Box.Bottom, 5, 5);
}

void TExtWatch::DrawAMPM(TCanvas* Canvas)
{
    if (!FShowAMPM) return;
    const TWatchAppearance* A = FAppearance.get();
    TRect Box = AMPMRect();
    if (A->AMPMColor() != clNone || A->AMPMBorderColor() != clNone) {
        if (A->AMPMColor() != clNone) Canvas->Brush()->SetColor(A->AMPMColor());
        else Canvas->Brush()->SetStyle(bsClear);
        if (A->AMPMBorderColor() != clNone) SetPen(Canvas, A->AMPMBorderColor(), 1);
        else Canvas->Pen()->SetStyle(psClear);
        DrawAMPMFrame(Canvas);
    }
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Font()->Assign(A->AMPMFont());
    DrawText(Canvas->Handle(), FAM ? QStringLiteral("AM") : QStringLiteral("PM"), -1, Box,
             DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

// ---- AM/PM slide ----

void TExtWatch::StartSlide()
{
    const TRect Box = AMPMRect();
    const int32_t W = Box.Width() - 2;
    const int32_t H = Box.Height() - 2;
    if (W <= 0 || H <= 0) {
        if (HandleAllocated()) PaintAll();
        return;
    }
    FSlideStrip = std::make_unique<TBitmap>();
    FSlideStrip->SetSize(W, 2 * H);
    TCanvas* Strip = FSlideStrip->Canvas();
    Strip->Brush()->SetColor(FAppearance->AMPMColor());
    Strip->FillRect(Rect(0, 0, W, 2 * H));
    Strip->Brush()->SetStyle(bsClear);
    Strip->Font()->Assign(FAppearance->AMPMFont());
    TRect Upper = Rect(0, 0, W, H);
    TRect Lower = Rect(0, H, W, 2 * H);
    DrawText(Strip->Handle(), QStringLiteral("AM"), -1, Upper, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    DrawText(Strip->Handle(), QStringLiteral("PM"), -1, Lower, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    // The old word shows first; the window rolls a pixel a frame towards the new one.
    FSlideOffset = FAM ? H : 0;
    FSlideFramesLeft = H;
    FSlideTimer->SetEnabled(false);
    FSlideTimer->SetEnabled(true);
    SlideTick();
}

void TExtWatch::SlideTick()
{
    if (FSlideFramesLeft <= 0) {
        FSlideTimer->SetEnabled(false);
        FSlideStrip.reset();
        if (HandleAllocated()) PaintAll();
        return;
    }
    if (HandleAllocated()) ComposeFrame(Canvas());
    FSlideOffset += FAM ? -1 : 1;
    --FSlideFramesLeft;
}

void TExtWatch::DrawSlide(TCanvas* Canvas)
{
    if (!FSlideStrip) return;
    const TRect Box = AMPMRect();
    const TRect Inside = Rect(Box.Left + 1, Box.Top + 1, Box.Right - 1, Box.Bottom - 1);
    const int32_t W = FSlideStrip->Width();
    const int32_t H = FSlideStrip->Height() / 2;
    Canvas->CopyRect(Inside, FSlideStrip->Canvas(), Rect(0, FSlideOffset, W, FSlideOffset + H));
    SetPen(Canvas, FAppearance->AMPMBorderColor(), 1);
    if (FAppearance->AMPMBorderColor() == clNone) Canvas->Pen()->SetStyle(psClear);
    Canvas->Brush()->SetStyle(bsClear);
    DrawAMPMFrame(Canvas);
}

// ---- Hands ----

void TExtWatch::DrawHands(TCanvas* Canvas)
{
    const TWatchAppearance* A = FAppearance.get();
    uint16_t Hour, Minute, Second, MSec;
    DecodeTime(ShownTime(), Hour, Minute, Second, MSec);
    const TPoint C = FaceCenter();
    const double R = FaceRadius();
    const double HourAngle = (Hour % 12) * 30 + Minute / 12.0 * 6;
    const double MinuteAngle = Minute * 6;
    const double SecondAngle = Second * 6;

    // A line hand from Tail behind the centre to Tip, shifted by Shift.
    const auto LineHand = [&](TColor Color, int32_t Width, double Angle, double Tail, double Tip, TPoint Shift) {
        SetPen(Canvas, Color, Width);
        Line(Canvas, Shifted(HandPoint(C, Tail, Angle + 180), Shift), Shifted(HandPoint(C, Tip, Angle), Shift));
    };
    // A four-point hand: tail, a side, the tip and the other side.
    const auto PointerHand = [&](TColor Color, double Angle, double Tip, TPoint Shift) {
        SetPen(Canvas, Color, 1);
        Canvas->Brush()->SetColor(Color);
        Canvas->Polygon({Shifted(HandPoint(C, 0.1 * R, Angle + 180), Shift), Shifted(HandPoint(C, 0.05 * R, Angle - 90), Shift),
                         Shifted(HandPoint(C, Tip, Angle), Shift), Shifted(HandPoint(C, 0.05 * R, Angle + 90), Shift)});
    };
    // A line hand ending in a filled arrow head.
    const auto ArrowHand = [&](TColor Color, int32_t Width, double Angle, double Tip, TPoint Shift) {
        LineHand(Color, Width, Angle, 0.1 * R, Tip - 0.1 * R, Shift);
        SetPen(Canvas, Color, 1);
        Canvas->Brush()->SetColor(Color);
        const TPoint Base = HandPoint(C, Tip - 0.12 * R, Angle);
        const TPoint Across = {Round(0.05 * R * std::cos(Radians(Angle))), Round(0.05 * R * std::sin(Radians(Angle)))};
        Canvas->Polygon({Shifted(HandPoint(C, Tip, Angle), Shift), Shifted({Base.X + Across.X, Base.Y + Across.Y}, Shift),
                         Shifted({Base.X - Across.X, Base.Y - Across.Y}, Shift)});
    };

    switch (A->PointerStyle()) {
    case psLine:
        if (A->HourPointerShadow() != clNone)
            LineHand(A->HourPointerShadow(), A->HourPointerSize(), HourAngle, 0.1 * R, 0.46 * R, {-1, 3});
        if (A->MinutePointerShadow() != clNone)
            LineHand(A->MinutePointerShadow(), A->MinutePointerSize(), MinuteAngle, 0.1 * R, 0.65 * R, {0, 3});
        LineHand(A->HourPointer(), A->HourPointerSize(), HourAngle, 0.1 * R, 0.5 * R, {});
        LineHand(A->MinutePointer(), A->MinutePointerSize(), MinuteAngle, 0.1 * R, 0.7 * R, {});
        break;
    case psShortLine:
        // Hands from the centre, without tails: the hour to a third, the minute to half the radius.
        if (A->HourPointerShadow() != clNone)
            LineHand(A->HourPointerShadow(), A->HourPointerSize(), HourAngle, 0, 0.33 * R, {-1, 3});
        if (A->MinutePointerShadow() != clNone)
            LineHand(A->MinutePointerShadow(), A->MinutePointerSize(), MinuteAngle, 0, 0.5 * R, {0, 3});
        LineHand(A->HourPointer(), A->HourPointerSize(), HourAngle, 0, 0.35 * R, {});
        LineHand(A->MinutePointer(), A->MinutePointerSize(), MinuteAngle, 0, 0.55 * R, {});
        break;
    case psPointer:
        if (A->HourPointerShadow() != clNone) PointerHand(A->HourPointerShadow(), HourAngle, 0.5 * R, {1, 3});
        PointerHand(A->HourPointer(), HourAngle, 0.5 * R, {});
        if (A->MinutePointerShadow() != clNone) PointerHand(A->MinutePointerShadow(), MinuteAngle, 0.7 * R, {1, 3});
        PointerHand(A->MinutePointer(), MinuteAngle, 0.7 * R, {});
        break;
    case psLineArrow:
        // The line hands of psLine with arrow heads at their tips.
        if (A->HourPointerShadow() != clNone)
            ArrowHand(A->HourPointerShadow(), A->HourPointerSize(), HourAngle, 0.46 * R, {-1, 3});
        if (A->MinutePointerShadow() != clNone)
            ArrowHand(A->MinutePointerShadow(), A->MinutePointerSize(), MinuteAngle, 0.65 * R, {0, 3});
        ArrowHand(A->HourPointer(), A->HourPointerSize(), HourAngle, 0.5 * R, {});
        ArrowHand(A->MinutePointer(), A->MinutePointerSize(), MinuteAngle, 0.7 * R, {});
        break;
    }
    if (FSettings->Auto() && FSettings->Second())
        LineHand(A->SecondPointer(), A->SecondPointerSize(), SecondAngle, 0.2 * R, 0.9 * R, {});

    const int32_t Size = A->CenterPointSize();
    if (Size <= 0) return;
    if (A->CenterPointColor() != clNone) {
        SetPen(Canvas, A->CenterPointColor(), 1);
        Canvas->Brush()->SetColor(A->CenterPointColor());
        Canvas->Ellipse(Disc(C, Size));
    }
    int32_t OuterWidth = 0;
    if (A->CenterPointOuterBorderColor() != clNone) {
        OuterWidth = Round(0.2 * Size);
        Canvas->Brush()->SetStyle(bsClear);
        SetPen(Canvas, A->CenterPointOuterBorderColor(), OuterWidth);
        Canvas->Ellipse(Disc(C, Size));
    }
    if (A->CenterPointBorderColor() != clNone) {
        Canvas->Brush()->SetStyle(bsClear);
        SetPen(Canvas, A->CenterPointBorderColor(), Round(0.1 * Size));
        Canvas->Ellipse(Disc(C, Size - OuterWidth));
    }
}
