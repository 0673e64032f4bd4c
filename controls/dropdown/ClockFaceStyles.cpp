// TExtWatch looks: the colours of the 16 component styles and the 12 named presets.
#include "dropdown/AnalogClock.h"

#include "dropdown/HexColor.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/NumConv.h"

#include <algorithm>

namespace {

struct TClockTones {
    TColor AMPMBorder, AMPM, Background, BackgroundTo, Border, CenterBorder, Center, MarksAndHands, Shadow, Second;
};

constexpr TColor H(uint32_t RRGGBB)
{
    return HexColor(RRGGBB);
}

// By TVyxStyle; tsCustom sets nothing.
constexpr TClockTones StyleTones[] = {
    {H(0x002D96), H(0x5987D6), H(0xAFD2FF), H(0xAFD2FF), H(0x5987D6), H(0x5987D6), H(0x5987D6), H(0x5987D6), H(0xFFFFFF), H(0xFFFFFF)},
    {H(0x002D96), H(0xA5A4BD), H(0xD8D8E6), H(0xD8D8E6), H(0xA5A4BD), H(0xA5A4BD), H(0xA5A4BD), H(0xA5A4BD), H(0xFFFFFF), H(0xFFFFFF)},
    {H(0x002D96), H(0xAFC082), H(0xE1EAB9), H(0xE1EAB9), H(0xAFC082), H(0xAFC082), H(0xAFC082), H(0xAFC082), H(0xFFFFFF), H(0xFFFFFF)},
    {H(0x002D96), H(0x808080), H(0xF2F2F2), H(0xF2F2F2), H(0x808080), H(0x808080), H(0x808080), H(0x808080), H(0xFFFFFF), H(0x808080)},
    {H(0xD0DEF0), H(0xD0DEF0), H(0xE3EFFF), H(0xE3EFFF), H(0xD0DEF0), H(0xE3EFFF), H(0xE3EFFF), H(0x083772), H(0xFFFFFF), H(0x083772)},
    {H(0xF0F1F2), H(0x4C535C), H(0x4C535C), H(0x4C535C), H(0xF0F1F2), H(0xE3EFFF), H(0xE3EFFF), H(0xF0F1F2), H(0xFFFFFF), H(0xF0F1F2)},
    {H(0x000000), clBtnFace, clBtnFace, clBtnFace, H(0x000000), H(0x000000), H(0x000000), H(0x000000), H(0xFFFFFF), H(0x000000)},
    {H(0x98987E), H(0xFAF9F5), H(0xFAF9F5), H(0xFAF9F5), H(0x98987E), H(0x98987E), H(0x98987E), H(0x98987E), H(0xFFFFFF), H(0x98987E)},
    {},
    {H(0xDBE0E8), H(0xF1F4F8), H(0xF1F4F8), H(0xF1F4F8), H(0xDBE0E8), H(0xDBE0E8), H(0x6F7074), H(0x6F7074), H(0xFFFFFF), H(0x6F7074)},
    {H(0x9ADFFE), H(0xF9FDFF), H(0xF9FDFF), H(0xF0FAFF), H(0x9ADFFE), H(0x9ADFFE), H(0x9ADFFE), H(0x9ADFFE), H(0xFFFFFF), H(0x9ADFFE)},
    {H(0xB8D6FB), H(0xFAFBFD), H(0xFAFBFD), H(0xEBF3FD), H(0xB8D6FB), H(0xB8D6FB), H(0xB8D6FB), H(0xB8D6FB), H(0xFFFFFF), H(0xB8D6FB)},
    {H(0x808080), clBtnFace, clBtnFace, clBtnFace, H(0x808080), H(0x808080), H(0x808080), H(0x808080), H(0xFFFFFF), H(0x808080)},
    {H(0x9FB2C7), H(0xC7DAF0), H(0xEFF6FD), H(0xEFF6FD), H(0x9FB2C7), H(0x9FB2C7), H(0x9FB2C7), H(0x9FB2C7), H(0xFFFFFF), H(0x9FB2C7)},
    {H(0xC8CDD2), H(0xE0E5ED), H(0xFFFFFF), H(0xFFFFFF), H(0xC8CDD2), H(0xC8CDD2), H(0xC8CDD2), H(0xC8CDD2), H(0xC0C0C0), H(0xC8CDD2)},
    {H(0x6D6D6D), H(0x919191), H(0xBFBFBF), H(0xBFBFBF), H(0x6D6D6D), H(0x6D6D6D), H(0x6D6D6D), H(0x6D6D6D), H(0xFFFFFF), H(0x6D6D6D)},
};
static_assert(std::size(StyleTones) == tsOffice2010Black + 1);

void SetPresetFont(TFont* Font, const char* Name, int32_t Size, bool Bold)
{
    Font->SetName(QString::fromLatin1(Name));
    if (Size > 0) Font->SetSize(Size);
    Font->SetStyle(Bold ? TFontStyles{fsBold} : TFontStyles{});
}

void SetShadows(TWatchAppearance* A, TColor Color)
{
    A->SetHourPointerShadow(Color);
    A->SetMinutePointerShadow(Color);
}

void SetHands(TWatchAppearance* A, TColor Color)
{
    A->SetHourPointer(Color);
    A->SetMinutePointer(Color);
}

}  // namespace

void ApplyWatchComponentStyle(TWatchAppearance* A, TVyxStyle AStyle)
{
    A->SetCenterPointOuterBorderColor(clBlack);
    A->HourFont()->SetColor(clBlack);
    A->AMPMFont()->SetColor(clBlack);
    if (AStyle == tsCustom) return;
    const TClockTones& T = StyleTones[AStyle];
    A->SetAMPMBorderColor(T.AMPMBorder);
    A->SetAMPMColor(T.AMPM);
    A->SetBackgroundColor(T.Background);
    A->SetBackgroundColorTo(T.BackgroundTo);
    A->SetBorderColor(T.Border);
    A->SetCenterPointBorderColor(T.CenterBorder);
    A->SetCenterPointColor(T.Center);
    A->SetHourColor(T.MarksAndHands);
    A->SetMinuteColor(T.MarksAndHands);
    SetHands(A, T.MarksAndHands);
    SetShadows(A, T.Shadow);
    A->SetSecondPointer(T.Second);
    if (AStyle == tsOffice2007Obsidian) {
        A->AMPMFont()->SetColor(H(0xF0F1F2));
        A->HourFont()->SetColor(H(0xF0F1F2));
    }
}

void TExtWatch::SetComponentStyle(TVyxStyle AStyle)
{
    ApplyWatchComponentStyle(FAppearance.get(), AStyle);
}

void TExtWatch::SetStyle(TWatchStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    TWatchAppearance* A = FAppearance.get();
    A->Reset();
    const int32_t Smaller = std::min(Width(), Height());
    switch (Value) {
    case wsClassic:
        SetPresetFont(A->AMPMFont(), "MS Sans Serif", 0, false);
        SetPresetFont(A->HourFont(), "Comic Sans MS", 10, true);
        A->SetHourMarkLength(8);
        A->SetHourPointer(clBlack);
        SetShadows(A, clBtnShadow);
        A->SetHourPointerSize(5);
        A->SetMinuteMarkLength(4);
        FAnimation = true;
        FAnimationFactor = 10;
        SetShowAMPM(true);
        SetShowNumbers(true);
        break;
    case wsTower:
        SetPresetFont(A->AMPMFont(), "MS Sans Serif", 0, false);
        A->SetAMPMFrame(apRect);
        A->SetBorderWidth(1);
        A->SetBackgroundColor(H(0xFEF0B1));
        A->SetBackgroundGradient(wgDiagonalForward);
        A->SetCenterPointColor(H(0xD52B00));
        A->SetCenterPointSize(6);
        A->HourFont()->SetColor(clWindowText);
        SetPresetFont(A->HourFont(), "Century", 0, true);
        A->SetHourPointer(clBlack);
        SetShadows(A, clBtnShadow);
        A->SetHourPointerSize(5);
        A->SetSecondPointer(H(0xD52B00));
        A->SetShape(wsRect);
        A->SetPointerStyle(psPointer);
        A->SetBackgroundColorTo(H(0xE8CC5B));
        A->SetTickMarks(tmHours);
        SetShowNumbers(false);
        break;
    case wsFluorescent:
        A->AMPMFont()->SetColor(clWindowText);
        SetPresetFont(A->AMPMFont(), "MS Sans Serif", 10, false);
        A->SetAMPMFrame(apRoundRect);
        A->SetBorderColor(H(0x3E3EFF));
        A->SetBackgroundColor(clBlack);
        A->SetBackgroundColorTo(clBlack);
        A->SetCenterPointColor(H(0x3E3EFF));
        A->SetCenterPointBorderColor(clBlack);
        A->SetCenterPointOuterBorderColor(clBlack);
        A->SetCenterPointSize(20);
        A->HourFont()->SetColor(clWindowText);
        SetPresetFont(A->HourFont(), "MS Sans Serif", 8, false);
        A->SetHourColor(H(0x3E3EFF));
        A->SetMinuteColor(H(0x3E3EFF));
        SetHands(A, H(0x3E3EFF));
        A->SetHourMarkLength(10);
        SetShadows(A, clBtnShadow);
        A->SetHourPointerSize(2);
        A->SetMinutePointerSize(2);
        A->SetShape(wsRoundRect);
        A->SetHourMarkWidth(2);
        A->SetHourMarkStyle(hmsQuartDblLine);
        A->SetTickMarks(tmHours);
        SetShowAMPM(false);
        SetShowNumbers(false);
        break;
    case wsEmerald:
        A->AMPMFont()->SetColor(H(0x0000A0));
        SetPresetFont(A->AMPMFont(), "MS Sans Serif", 0, false);
        A->SetAMPMFrame(apRoundRect);
        A->SetBorderColor(H(0x00E83A));
        A->SetBackgroundColor(H(0x00E83A));
        A->SetBackgroundColorTo(clBlack);
        A->SetBackgroundGradient(wgDiagonalForward);
        A->SetCenterPointBorderColor(H(0x00FF40));
        A->SetCenterPointColor(H(0x00E138));
        A->SetCenterPointSize(16);
        SetPresetFont(A->HourFont(), "MS Sans Serif", 0, false);
        A->HourFont()->SetColor(A->BackgroundColor());
        SetHands(A, H(0x00FF40));
        SetShadows(A, clBtnShadow);
        A->SetHourPointerSize(5);
        A->SetShape(wsRect);
        A->SetPointerStyle(psPointer);
        A->SetAMPMColor(clNone);
        A->SetCenterPointOuterBorderColor(clBlack);
        A->SetHourMarkStyle(hmsQuartDblLine);
        A->SetHourColor(A->BackgroundColor());
        A->SetSecondPointer(H(0xFFFF00));
        A->SetTickMarks(tmHours);
        SetShowNumbers(false);
        SetShowAMPM(false);
        break;
    case wsBlueStar:
        A->AMPMFont()->SetColor(H(0x0000A0));
        SetPresetFont(A->AMPMFont(), "MS Sans Serif", 10, false);
        A->SetAMPMBorderColor(clNone);
        A->SetAMPMFrame(apRoundRect);
        A->SetBorderColor(H(0xD5D5FF));
        A->SetBackgroundColor(H(0xD5D5FF));
        A->SetBackgroundColorTo(H(0x0000A0));
        A->SetBackgroundGradient(wgRadial);
        SetPresetFont(A->HourFont(), "MS Sans Serif", 8, false);
        A->HourFont()->SetColor(A->BackgroundColor());
        SetHands(A, H(0x0000A0));
        SetShadows(A, clBtnShadow);
        A->SetHourPointerSize(5);
        A->SetShape(wsRoundRect);
        A->SetPointerStyle(psPointer);
        A->SetAMPMColor(clNone);
        SetShowAMPM(true);
        SetShowNumbers(true);
        break;
    case wsFuchsia:
        A->AMPMFont()->SetColor(clWindowText);
        SetPresetFont(A->AMPMFont(), "MS Sans Serif", 10, false);
        A->SetAMPMFrame(apRoundRect);
        A->SetBorderColor(H(0xFFD0FF));
        A->SetBackgroundColor(clBlack);
        A->SetBackgroundColorTo(clBlack);
        A->SetCenterPointBorderColor(H(0xDD68DD));
        A->SetCenterPointSize(20);
        A->HourFont()->SetColor(clWindowText);
        SetPresetFont(A->HourFont(), "MS Sans Serif", 8, false);
        A->SetHourColor(H(0xFFD0FF));
        A->SetMinuteColor(H(0xFFD0FF));
        SetHands(A, H(0xFFD0FF));
        A->SetHourMarkLength(10);
        SetShadows(A, clBtnShadow);
        A->SetHourPointerSize(2);
        A->SetMinutePointerSize(2);
        A->SetShape(wsRect);
        A->SetCenterPointOuterBorderColor(clBlack);
        A->SetHourMarkWidth(2);
        A->SetHourMarkStyle(hmsQuartDblLine);
        A->SetSecondPointer(H(0xDD68DD));
        A->SetTickMarks(tmQuartHours);
        SetShowAMPM(false);
        SetShowNumbers(false);
        break;
    case wsBlack:
        SetPresetFont(A->AMPMFont(), "MS Sans Serif", 0, false);
        A->SetBackgroundColor(H(0x202020));
        A->SetBackgroundColorTo(clNone);
        A->SetBorderColor(clBlack);
        A->SetCenterPointBorderColor(clWhite);
        A->SetCenterPointOuterBorderColor(clWhite);
        A->SetCenterPointColor(clWhite);
        A->SetHourColor(H(0x585858));
        A->SetMinuteColor(H(0x585858));
        A->HourFont()->SetColor(clWhite);
        A->HourFont()->SetName(QStringLiteral("Century Gothic"));
        A->HourFont()->SetSize(11);
        SetHands(A, clWhite);
        SetShadows(A, clBtnShadow);
        A->SetHourPointerSize(5);
        A->SetMinuteMarkLength(4);
        SetShowAMPM(false);
        SetShowNumbers(true);
        break;
    case wsBlackWhite:
        A->SetBackgroundColor(clWhite);
        A->SetBackgroundColorTo(clNone);
        A->SetBorderColor(clBlack);
        A->SetBorderWidth(8);
        A->SetCenterPointBorderColor(clBlack);
        A->SetCenterPointOuterBorderColor(clBlack);
        A->SetCenterPointColor(clBlack);
        A->SetCenterPointSize(8);
        A->SetHourColor(H(0x585858));
        A->HourFont()->SetColor(clBlack);
        SetPresetFont(A->HourFont(), "Century Gothic", 14, true);
        SetHands(A, clBlack);
        SetShadows(A, clBtnShadow);
        A->SetHourPointerSize(5);
        A->SetMinuteMarkLength(4);
        A->SetSecondPointer(H(0x800000));
        A->SetPointerStyle(psPointer);
        A->SetTickMarks(tmQuartHours);
        SetShowAMPM(false);
        SetShowNumbers(true);
        break;
    case wsGray:
        A->AMPMFont()->SetName(QStringLiteral("MS Sans Serif"));
        A->AMPMFont()->SetSize(10);
        A->SetBackgroundColor(H(0xD1D1D1));
        A->SetBackgroundColorTo(H(0x6C6C6C));
        A->SetBackgroundGradient(wgRadial);
        A->SetBorderColor(H(0x454545));
        A->SetCenterPointBorderColor(H(0x454545));
        A->SetCenterPointColor(clBlack);
        A->SetCenterPointOuterBorderColor(clNone);
        A->SetHourColor(clBlack);
        SetPresetFont(A->HourFont(), "Comic Sans MS", 8, false);
        SetHands(A, H(0x4E4E4E));
        SetShadows(A, clNone);
        A->SetHourPointerSize(1);
        A->SetMinutePointerSize(1);
        A->SetMinuteColor(H(0x808080));
        A->SetSecondPointer(clRed);
        SetShowAMPM(true);
        SetShowNumbers(true);
        break;
    case wsSuperNova:
        A->SetBackgroundColorTo(H(0xD3D3D1));
        A->SetBorderColor(clNone);
        A->SetCenterPointOuterBorderColor(clBlack);
        A->SetCenterPointSize(10);
        A->SetHourMarkLength(uint8_t(RoundHalfEven(Smaller / 4.5L)));
        A->SetHourPointer(clBlack);
        A->SetHourPointerShadow(clBtnShadow);
        A->SetMinuteColor(H(0x808080));
        A->SetMinuteMarkLength(uint8_t(Smaller / 3));
        A->SetMinutePointer(clBlack);
        SetShowAMPM(false);
        SetShowNumbers(false);
        break;
    case wsSports:
        A->SetBackgroundColor(clBlack);
        A->SetBackgroundColorTo(clNone);
        A->SetBorderColor(clBlack);
        A->SetBorderWidth(1);
        A->SetCenterPointBorderColor(clBlue);
        A->SetCenterPointOuterBorderColor(clBlack);
        A->SetCenterPointColor(H(0x191919));
        A->SetCenterPointSize(uint8_t(RoundHalfEven(Smaller / 3.6L)));
        A->SetHourColor(H(0xB1B0AB));
        A->HourFont()->SetColor(H(0x797979));
        A->HourFont()->SetName(QStringLiteral("Times New Roman"));
        A->HourFont()->SetSize(9);
        A->SetHourPointer(clRed);
        A->SetMinutePointer(clYellow);
        SetShadows(A, clNone);
        A->SetHourPointerSize(2);
        A->SetMinutePointerSize(2);
        A->SetMinuteColor(H(0x808080));
        A->SetMinuteMarkLength(1);
        A->SetSecondPointer(H(0xFE8B18));
        A->SetTickMarks(tmQuartHours);
        SetShowAMPM(false);
        SetShowNumbers(true);
        break;
    case wsSmooth:
        A->SetBackgroundColor(clWhite);
        A->SetBackgroundColorTo(H(0xB1B0AB));
        A->SetBorderColor(H(0x585858));
        A->SetBorderWidth(1);
        A->SetCenterPointBorderColor(clBlack);
        A->SetCenterPointOuterBorderColor(H(0x4A4A4A));
        A->SetCenterPointColor(clWhite);
        A->SetCenterPointSize(6);
        A->SetHourColor(H(0xB1B0AB));
        A->HourFont()->SetColor(H(0x797979));
        A->HourFont()->SetName(QStringLiteral("Times New Roman"));
        A->HourFont()->SetSize(9);
        SetHands(A, H(0x4A4A4A));
        SetShadows(A, H(0xB2B2B2));
        A->SetHourPointerSize(2);
        A->SetMinutePointerSize(2);
        A->SetMinuteColor(H(0x808080));
        A->SetMinuteMarkLength(1);
        A->SetSecondPointer(H(0x4A4A4A));
        A->SetTickMarks(tmQuartHours);
        SetShowAMPM(false);
        SetShowNumbers(true);
        break;
    }
}
