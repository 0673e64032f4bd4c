// TExtCustomDropDown's looks: the component styles, colour tones, selection colour styles and the selection box.
#include "dropdown/ExtDropDown.h"

#include "dropdown/DropDownButton.h"
#include "dropdown/DropDownUtil.h"
#include "dropdown/ExtButtonAppearance.h"
#include "dropdown/ItemAppearance.h"
#include "dropdown/PopupAppearance.h"

#include "grid/base/ExtUtil.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"

namespace {

// What a style keeps as it was.
constexpr TColor Keep = static_cast<TColor>(0x7FFFFFFF);

struct TStripColors {
    TColor Color, ColorTo, Font, Border;
};

struct TStyleColors {
    TVyxStyle Style;
    TColor DropDownColor, DropDownColorTo, DropDownBorderColor;
    TStripColors Header;
    TStripColors Footer;
};

constexpr TColor White = RGB(255, 255, 255);
constexpr TColor Black = RGB(0, 0, 0);

// The pop-up, header and footer colours of each style but tsCustom.
constexpr TStyleColors StyleColors[] = {
    {tsOffice2003Blue, White, clNone, Keep, {RGB(203, 225, 252), RGB(125, 165, 224), Black, Black},
     {RGB(203, 225, 252), RGB(125, 165, 224), Black, RGB(0, 45, 150)}},
    {tsOffice2003Silver, White, clNone, Keep, {RGB(225, 226, 236), RGB(152, 150, 179), Black, RGB(124, 124, 148)},
     {RGB(225, 226, 236), RGB(152, 150, 179), Black, RGB(124, 124, 148)}},
    {tsOffice2003Olive, White, clNone, clNone, {RGB(234, 240, 207), RGB(177, 192, 140), Black, RGB(96, 128, 88)},
     {RGB(234, 240, 207), RGB(177, 192, 140), Black, RGB(96, 128, 88)}},
    {tsOffice2003Classic, RGB(242, 242, 242), RGB(242, 242, 242), clNone,
     {RGB(128, 128, 128), RGB(128, 128, 128), White, RGB(128, 128, 128)},
     {RGB(128, 128, 128), RGB(128, 128, 128), White, RGB(128, 128, 128)}},
    {tsOffice2007Luna, RGB(218, 229, 243), RGB(208, 222, 240), clNone,
     {RGB(227, 239, 255), RGB(175, 210, 255), RGB(8, 55, 114), RGB(175, 210, 255)},
     {RGB(227, 239, 255), RGB(175, 210, 255), RGB(8, 55, 114), RGB(175, 210, 255)}},
    {tsOffice2007Obsidian, White, clNone, clNone, {RGB(240, 241, 242), RGB(189, 194, 201), RGB(55, 60, 67), RGB(76, 83, 92)},
     {RGB(240, 241, 242), RGB(189, 194, 201), RGB(55, 60, 67), RGB(76, 83, 92)}},
    {tsWindowsXP, White, clNone, Keep, {White, clBtnFace, Black, RGB(128, 128, 128)},
     {White, clBtnFace, Black, RGB(128, 128, 128)}},
    {tsWhidbey, RGB(250, 249, 245), RGB(250, 249, 245), clNone, {RGB(239, 238, 235), RGB(152, 152, 126), White, RGB(0, 45, 150)},
     {RGB(239, 238, 235), RGB(152, 152, 126), White, RGB(0, 45, 150)}},
    {tsOffice2007Silver, RGB(241, 244, 248), RGB(227, 232, 240), clNone,
     {RGB(246, 247, 248), RGB(219, 224, 232), RGB(21, 66, 139), RGB(111, 112, 116)},
     {RGB(246, 247, 248), RGB(219, 224, 232), RGB(21, 66, 139), RGB(111, 112, 116)}},
    {tsWindowsVista, White, White, RGB(151, 151, 151), {RGB(249, 253, 255), RGB(240, 250, 255), Black, RGB(218, 242, 252)},
     {RGB(240, 250, 255), RGB(249, 253, 255), Black, RGB(218, 242, 252)}},
    {tsWindows7, White, White, RGB(151, 151, 151), {RGB(250, 251, 253), RGB(235, 243, 253), Black, RGB(184, 214, 251)},
     {RGB(250, 251, 253), RGB(235, 243, 253), Black, RGB(184, 214, 251)}},
    {tsTerminal, White, White, RGB(128, 128, 128), {clBtnFace, clBtnFace, Black, clNone}, {clBtnFace, clBtnFace, Black, clNone}},
    {tsOffice2010Blue, White, RGB(237, 239, 241), RGB(236, 237, 237),
     {RGB(239, 246, 253), RGB(199, 218, 240), RGB(30, 57, 91), RGB(159, 178, 199)},
     {RGB(239, 246, 253), RGB(199, 218, 240), RGB(30, 57, 91), RGB(159, 178, 199)}},
    {tsOffice2010Silver, White, RGB(237, 239, 241), RGB(236, 237, 237), {White, RGB(224, 229, 237), RGB(30, 57, 91), RGB(200, 205, 210)},
     {White, RGB(224, 229, 237), RGB(30, 57, 91), RGB(200, 205, 210)}},
    {tsOffice2010Black, White, RGB(237, 239, 241), RGB(236, 237, 237),
     {RGB(191, 191, 191), RGB(145, 145, 145), RGB(214, 215, 215), RGB(109, 109, 109)},
     {RGB(191, 191, 191), RGB(145, 145, 145), RGB(214, 215, 215), RGB(109, 109, 109)}},
};

// A button appearance's colours, per state; the checked colours follow the down ones where a
// style leaves them open.
struct TButtonColors {
    TColor Color, ColorTo, BorderColor;
    TColor ColorHot, ColorHotTo, BorderColorHot;
    TColor ColorDown, ColorDownTo, BorderColorDown;
    TColor ColorDisabled, ColorDisabledTo;
    TColor ColorChecked, ColorCheckedTo, BorderColorChecked;
};

// The common hot, down, disabled and checked colours of the Office 2003, 2007 and Whidbey styles.
TButtonColors OfficeButtons(TColor Color, TColor ColorTo)
{
    return {Color, ColorTo, clNone,
            RGB(255, 253, 235), RGB(255, 236, 172), RGB(219, 206, 153),
            RGB(255, 217, 170), RGB(255, 187, 110), RGB(254, 174, 66),
            RGB(242, 242, 242), RGB(182, 182, 182),
            RGB(241, 175, 118), RGB(243, 144, 65), RGB(123, 102, 69)};
}

TButtonColors Office2010Buttons(const TStripColors& Header)
{
    return {Header.Color, Header.ColorTo, Header.Border,
            RGB(253, 227, 138), clNone, RGB(241, 202, 88),
            RGB(255, 208, 108), clNone, RGB(194, 138, 48),
            RGB(242, 242, 242), RGB(182, 182, 182),
            RGB(254, 225, 69), clNone, RGB(206, 160, 79)};
}

TButtonColors ButtonColorsOf(TVyxStyle Style, const TStyleColors& Colors)
{
    switch (Style) {
    case tsOffice2003Blue: return OfficeButtons(RGB(203, 225, 252), RGB(125, 165, 224));
    case tsOffice2003Silver: return OfficeButtons(RGB(225, 226, 236), RGB(152, 150, 179));
    case tsOffice2003Olive: return OfficeButtons(RGB(234, 240, 207), RGB(177, 192, 140));
    case tsOffice2007Luna: return OfficeButtons(RGB(227, 239, 255), RGB(196, 221, 255));
    case tsOffice2007Obsidian: return OfficeButtons(RGB(240, 241, 242), RGB(189, 194, 201));
    case tsWhidbey: return OfficeButtons(White, RGB(240, 237, 223));
    case tsOffice2007Silver: return OfficeButtons(RGB(248, 248, 249), RGB(223, 226, 228));
    case tsOffice2010Blue:
    case tsOffice2010Silver: return Office2010Buttons(Colors.Header);
    case tsOffice2010Black: {
        // The black style's button border is its header's font colour.
        TButtonColors Result = Office2010Buttons(Colors.Header);
        Result.BorderColor = RGB(214, 215, 215);
        return Result;
    }
    case tsWindows7:
        return {RGB(250, 251, 253), RGB(235, 243, 253), RGB(184, 214, 251),
                RGB(250, 251, 253), RGB(235, 243, 253), RGB(184, 214, 251),
                RGB(220, 235, 252), RGB(193, 219, 252), RGB(125, 162, 206),
                White, White,
                RGB(240, 249, 254), RGB(193, 219, 252), RGB(125, 162, 206)};
    case tsWindowsVista:
        return {RGB(249, 253, 255), RGB(240, 250, 255), RGB(218, 242, 252),
                RGB(240, 249, 254), RGB(240, 250, 255), RGB(218, 242, 252),
                RGB(240, 249, 254), RGB(215, 240, 253), RGB(154, 223, 254),
                White, White,
                RGB(240, 249, 254), RGB(215, 240, 253), RGB(154, 223, 254)};
    // The classic, XP and terminal sets: normal, hot and down as given; disabled a flat light grey,
    // checked as down with the darker frame of the style.
    case tsOffice2003Classic:
        return {White, RGB(213, 209, 201), RGB(128, 128, 128),
                RGB(182, 189, 210), RGB(182, 189, 210), RGB(128, 128, 128),
                RGB(133, 146, 181), RGB(133, 146, 181), RGB(128, 128, 128),
                RGB(242, 242, 242), clNone,
                RGB(133, 146, 181), RGB(133, 146, 181), RGB(128, 128, 128)};
    case tsWindowsXP:
        return {White, clBtnFace, RGB(128, 128, 128),
                RGB(198, 211, 239), RGB(198, 211, 239), clHighlight,
                clInactiveCaption, clInactiveCaption, clHighlight,
                clBtnFace, clNone,
                clInactiveCaption, clInactiveCaption, clHighlight};
    case tsTerminal:
        return {clBtnFace, clBtnFace, RGB(128, 128, 128),
                RGB(192, 192, 192), RGB(192, 192, 192), RGB(128, 128, 128),
                clHighlight, clHighlight, RGB(128, 128, 128),
                clBtnFace, clBtnFace,
                clHighlight, clHighlight, RGB(128, 128, 128)};
    default: return {};
    }
}

void ApplyStrip(TPopupStripAppearance* Strip, const TStripColors& Colors)
{
    Strip->SetColor(Colors.Color);
    Strip->SetColorTo(Colors.ColorTo);
    Strip->Font()->SetColor(Colors.Font);
    Strip->SetBorderColor(Colors.Border);
}

void ApplyButtons(TExtButtonAppearance* Appearance, const TButtonColors& Colors)
{
    Appearance->SetColor(Colors.Color);
    Appearance->SetColorTo(Colors.ColorTo);
    Appearance->SetBorderColor(Colors.BorderColor);
    Appearance->SetColorHot(Colors.ColorHot);
    Appearance->SetColorHotTo(Colors.ColorHotTo);
    Appearance->SetBorderColorHot(Colors.BorderColorHot);
    Appearance->SetColorDown(Colors.ColorDown);
    Appearance->SetColorDownTo(Colors.ColorDownTo);
    Appearance->SetBorderColorDown(Colors.BorderColorDown);
    Appearance->SetColorDisabled(Colors.ColorDisabled);
    Appearance->SetColorDisabledTo(Colors.ColorDisabledTo);
    Appearance->SetColorChecked(Colors.ColorChecked);
    Appearance->SetColorCheckedTo(Colors.ColorCheckedTo);
    Appearance->SetBorderColorChecked(Colors.BorderColorChecked);
}

}  // namespace

void TExtCustomDropDown::SetComponentStyle(TVyxStyle AStyle)
{
    FVyxStyle = AStyle;
    if (AStyle == tsCustom) return;
    for (const TStyleColors& Colors : StyleColors) {
        if (Colors.Style != AStyle) continue;
        FDropDownColor = Colors.DropDownColor;
        FDropDownColorTo = Colors.DropDownColorTo;
        if (Colors.DropDownBorderColor != Keep) FDropDownBorderColor = Colors.DropDownBorderColor;
        ApplyStrip(FDropDownHeader.get(), Colors.Header);
        ApplyStrip(FDropDownFooter.get(), Colors.Footer);
        ApplyButtons(FButtonAppearance.get(), ButtonColorsOf(AStyle, Colors));
        return;
    }
}

void TExtCustomDropDown::SetColorTones(const TColorTones& ATones)
{
    if (FButton) {
        FButton->FButtonColor = ATones.Background.BrushColor;
        FButton->FButtonColorHot = ATones.Hover.BrushColor;
        FButton->FButtonColorDown = ATones.Selected.BrushColor;
        FButton->FButtonBorderColor = ATones.Background.BorderColor;
    }
    SetBorderColor(ATones.Background.BorderColor);
}

void TExtCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    FSelectionColorStyle = Value;
    switch (Value) {
    case scOffice2007:
        FSelectionColor = RGB(253, 255, 215);
        FSelectionColorTo = RGB(252, 212, 88);
        break;
    case scWindowsVista:
        FSelectionColor = RGB(241, 248, 253);
        FSelectionColorTo = RGB(213, 239, 252);
        break;
    case scWindows7:
        FSelectionColor = RGB(220, 235, 252);
        FSelectionColorTo = RGB(193, 219, 252);
        break;
    case scCustom: break;
    }
}

void TExtCustomDropDown::DrawSelectionBackground(TCanvas* Canvas, const TRect& R, int32_t EndKind, TColor CornerColor)
{
    if (!Canvas) return;
    struct TSelectionBox {
        TColor MirrorColor, MirrorColorTo, TopInner, BottomInner, Border, Corner;
    };
    TSelectionBox Box{};
    switch (FSelectionColorStyle) {
    case scCustom:
        SetPenAndBrushColor(Canvas, FSelectionColor);
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->FillRect(R);
        return;
    case scOffice2007:
        Box = {RGB(252, 212, 88), RGB(252, 241, 179), RGB(255, 254, 244), RGB(255, 248, 202), RGB(211, 215, 141),
               RGB(223, 217, 195)};
        break;
    case scWindowsVista:
        Box = {clNone, clNone, RGB(246, 251, 253), RGB(231, 245, 253), RGB(153, 222, 253), RGB(203, 237, 252)};
        break;
    case scWindows7:
        Box = {clNone, clNone, RGB(235, 244, 253), RGB(219, 234, 253), RGB(125, 162, 206), RGB(174, 197, 224)};
        break;
    }
    DrawRoundedSelection(Canvas, FSelectionColor, FSelectionColorTo, Box.MirrorColor, Box.MirrorColorTo, Box.TopInner,
                         Box.BottomInner, Box.Border, Box.Corner, CornerColor, R, EndKind);
}

void TExtCustomDropDown::DrawDropDownGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int32_t Steps,
                                              const TRect& R, bool Direction)
{
    DrawStepGradient(Canvas, FromColor, ToColor, Steps, R, !Direction);
}

void TExtCustomDropDown::ApplyItemAppearanceStyle(TItemAppearance* Appearance, TVyxStyle AStyle)
{
    if (!Appearance || AStyle == tsCustom) return;
    TItemAppearance& A = *Appearance;
    A.SetBorderColorHot(clNone);
    A.SetBorderColorSelected(clNone);
    A.SetColorSelectedText(clBlack);
    A.SetColorHotText(clBlack);
    const auto Hot = [&A](TColor Color, TColor ColorTo, TColor Mirror, TColor MirrorTo) {
        A.SetColorHot(Color);
        A.SetColorHotTo(ColorTo);
        A.SetColorMirrorHot(Mirror);
        A.SetColorMirrorHotTo(MirrorTo);
    };
    const auto Selected = [&A](TColor Color, TColor ColorTo, TColor Mirror, TColor MirrorTo) {
        A.SetColorSelected(Color);
        A.SetColorSelectedTo(ColorTo);
        A.SetColorMirrorSelected(Mirror);
        A.SetColorMirrorSelectedTo(MirrorTo);
    };
    const auto Frame = [&A](TColor Border, TColor Top, TColor Bottom, TColor Edge) {
        A.SetBorderColor(Border);
        A.SetBorderColorTop(Top);
        A.SetBorderColorBottom(Bottom);
        A.SetEdgeColor(Edge);
    };
    switch (AStyle) {
    case tsOffice2003Blue:
    case tsOffice2003Silver:
    case tsOffice2003Olive:
    case tsWhidbey:
    case tsOffice2007Luna:
    case tsOffice2007Obsidian:
    case tsOffice2007Silver: {
        Hot(RGB(255, 253, 235), RGB(255, 236, 172), RGB(255, 218, 89), RGB(255, 233, 164));
        Selected(RGB(255, 217, 170), RGB(255, 187, 110), RGB(254, 174, 66), RGB(254, 225, 122));
        const bool Office2007 = AStyle == tsOffice2007Luna || AStyle == tsOffice2007Obsidian || AStyle == tsOffice2007Silver;
        if (Office2007) Frame(RGB(254, 174, 66), RGB(255, 254, 244), RGB(255, 248, 202), RGB(223, 217, 195));
        else Frame(RGB(254, 174, 66), clNone, clNone, clNone);
        break;
    }
    case tsOffice2003Classic:
        Hot(RGB(182, 189, 210), RGB(182, 189, 210), clNone, clNone);
        Selected(RGB(133, 146, 181), RGB(133, 146, 181), clNone, clNone);
        Frame(RGB(128, 128, 128), clNone, clNone, clNone);
        break;
    case tsWindowsXP:
        Hot(RGB(198, 211, 239), RGB(198, 211, 239), clNone, clNone);
        Selected(clHighlight, clNone, clNone, clNone);
        Frame(clHighlight, clNone, clNone, clNone);
        A.SetColorSelectedText(clHighlightText);
        break;
    case tsWindowsVista:
        Hot(RGB(249, 253, 255), RGB(240, 250, 255), clNone, clNone);
        Selected(RGB(240, 249, 254), RGB(215, 240, 253), clNone, clNone);
        Frame(RGB(154, 223, 254), RGB(246, 251, 253), RGB(231, 245, 253), RGB(203, 237, 252));
        break;
    case tsWindows7:
        Hot(RGB(250, 251, 253), RGB(235, 243, 253), clNone, clNone);
        Selected(RGB(220, 235, 252), RGB(193, 219, 252), clNone, clNone);
        Frame(RGB(125, 162, 206), RGB(235, 244, 253), RGB(219, 234, 253), RGB(174, 197, 224));
        break;
    case tsTerminal:
        Hot(RGB(192, 192, 192), RGB(192, 192, 192), clNone, clNone);
        Selected(clHighlight, clNone, clNone, clNone);
        Frame(RGB(128, 128, 128), clNone, clNone, clNone);
        A.SetColorSelectedText(clHighlightText);
        break;
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black:
        Hot(RGB(253, 249, 217), RGB(253, 227, 138), RGB(253, 227, 138), RGB(253, 249, 217));
        Selected(RGB(255, 238, 123), RGB(255, 208, 108), RGB(255, 208, 108), RGB(255, 238, 123));
        Frame(RGB(194, 138, 48), clNone, clNone, clNone);
        break;
    case tsCustom: break;
    }
}
