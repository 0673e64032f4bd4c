// TColor, the named colours, the fixed system-colour table and the colour conversions.
#pragma once

#include <QString>

#include <cstdint>

// 0x00BBGGRR for a literal colour, 0xFF0000nn for system colour nn, or clNone / clDefault.
using TColor = int32_t;
// A Windows COLORREF: 0x00BBGGRR, never a system colour.
using COLORREF = uint32_t;

namespace ColorsDetail {
constexpr TColor System(int Index) { return static_cast<TColor>(0xFF000000u | static_cast<uint32_t>(Index)); }
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The Windows COLOR_* indexes of the system colours.
enum : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
    COLOR_HOTLIGHT = 26,
    COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28,
    COLOR_MENUHILIGHT = 29,
    COLOR_MENUBAR = 30,
    COLOR_DESKTOP = COLOR_BACKGROUND,
    COLOR_3DFACE = COLOR_BTNFACE,
    COLOR_3DSHADOW = COLOR_BTNSHADOW,
    COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT,
    COLOR_3DHILIGHT = COLOR_BTNHIGHLIGHT,
    COLOR_BTNHILIGHT = COLOR_BTNHIGHLIGHT,
};

constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor clScrollBar = ColorsDetail::System(COLOR_SCROLLBAR);
constexpr TColor clBackground = ColorsDetail::System(COLOR_BACKGROUND);
constexpr TColor clActiveCaption = ColorsDetail::System(COLOR_ACTIVECAPTION);
constexpr TColor clInactiveCaption = ColorsDetail::System(COLOR_INACTIVECAPTION);
constexpr TColor clMenu = ColorsDetail::System(COLOR_MENU);
constexpr TColor clWindow = ColorsDetail::System(COLOR_WINDOW);
constexpr TColor clWindowFrame = ColorsDetail::System(COLOR_WINDOWFRAME);
constexpr TColor clMenuText = ColorsDetail::System(COLOR_MENUTEXT);
constexpr TColor clWindowText = ColorsDetail::System(COLOR_WINDOWTEXT);
constexpr TColor clCaptionText = ColorsDetail::System(COLOR_CAPTIONTEXT);
constexpr TColor clActiveBorder = ColorsDetail::System(COLOR_ACTIVEBORDER);
constexpr TColor clInactiveBorder = ColorsDetail::System(COLOR_INACTIVEBORDER);
constexpr TColor clAppWorkSpace = ColorsDetail::System(COLOR_APPWORKSPACE);
constexpr TColor clHighlight = ColorsDetail::System(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = ColorsDetail::System(COLOR_HIGHLIGHTTEXT);
constexpr TColor clBtnFace = ColorsDetail::System(COLOR_BTNFACE);
constexpr TColor clBtnShadow = ColorsDetail::System(COLOR_BTNSHADOW);
constexpr TColor clGrayText = ColorsDetail::System(COLOR_GRAYTEXT);
constexpr TColor clBtnText = ColorsDetail::System(COLOR_BTNTEXT);
constexpr TColor clInactiveCaptionText = ColorsDetail::System(COLOR_INACTIVECAPTIONTEXT);
constexpr TColor clBtnHighlight = ColorsDetail::System(COLOR_BTNHIGHLIGHT);
constexpr TColor cl3DDkShadow = ColorsDetail::System(COLOR_3DDKSHADOW);
constexpr TColor cl3DLight = ColorsDetail::System(COLOR_3DLIGHT);
constexpr TColor clInfoText = ColorsDetail::System(COLOR_INFOTEXT);
constexpr TColor clInfoBk = ColorsDetail::System(COLOR_INFOBK);
constexpr TColor clHotLight = ColorsDetail::System(COLOR_HOTLIGHT);
constexpr TColor clGradientActiveCaption = ColorsDetail::System(COLOR_GRADIENTACTIVECAPTION);
constexpr TColor clGradientInactiveCaption = ColorsDetail::System(COLOR_GRADIENTINACTIVECAPTION);
constexpr TColor clMenuHighlight = ColorsDetail::System(COLOR_MENUHILIGHT);
constexpr TColor clMenuBar = ColorsDetail::System(COLOR_MENUBAR);

constexpr COLORREF RGB(int R, int G, int B)
{
    return static_cast<COLORREF>((R & 0xFF) | ((G & 0xFF) << 8) | ((B & 0xFF) << 16));
}
constexpr uint8_t GetRValue(uint32_t Color) { return static_cast<uint8_t>(Color); }
constexpr uint8_t GetGValue(uint32_t Color) { return static_cast<uint8_t>(Color >> 8); }
constexpr uint8_t GetBValue(uint32_t Color) { return static_cast<uint8_t>(Color >> 16); }

// The RGB value of system colour Index (COLOR_*) in our fixed scheme (see Colors.cpp); 0 for an unknown index.
COLORREF GetSysColor(int Index);
// A system colour resolved through GetSysColor; any other colour unchanged (drawing uses only the
// low 24 bits, so clNone paints white and clDefault black).
TColor ColorToRGB(TColor Color);

// "clRed" for a named colour, otherwise "$" and eight upper-case hexadecimal digits.
QString ColorToString(TColor Color);
// A colour name, or a number in the toolkit's integer syntax ("$00FF00FF", "255"); EConvertError otherwise.
TColor StringToColor(const QString& S);
bool ColorToIdent(TColor Color, QString& Ident);
// Case-insensitive.
bool IdentToColor(const QString& Ident, TColor& Color);
