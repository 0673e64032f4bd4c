// TExtStringGrid: looks, style presets, component styles, colour tones, XP schemes, the Office theme,
// the platform style, look names and the URL and image-list setters.
#include "grid/core/ExtGrid.h"

#include "grid/base/ExtStyleIF.h"
#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"
#include "grid/base/SpinButton.h"
#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"
#include "grid/view/GridEditors.h"
#include "grid/view/GridValueEditors.h"
#include "grid/core/SortSettings.h"

#include "graphics/Bitmap.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"

namespace {

struct TFour {
    TColor From, To, MirrorFrom, MirrorTo;
};

struct TFive {
    TColor From, To, MirrorFrom, MirrorTo, Border;
};

enum TLookGradient { lgUnchanged, lgGradient, lgNone };

// One preset: what it writes after its look; the Sets... switches off leave a value as it was.
struct TPreset {
    bool SetsLook = true;
    TGridLook Look = glXP;
    bool SetsActive = true;
    TColor ActiveFrom = clNone, ActiveTo = clNone;
    bool SetsGradient = true;
    TFour Gradient{clNone, clNone, clNone, clNone};
    bool SetsGridHover = false;
    TFive GridHover{clNone, clNone, clNone, clNone, clNone};
    // ControlLook.FixedGradientFrom/To: the grid's gradient, or clNone.
    TLookGradient LookGradient = lgNone;
    bool SetsHover = false;
    TFive Hover{clNone, clNone, clNone, clNone, clNone};
    bool HoverKeepsBorder = false;
    bool SetsDown = false;
    TFive Down{clNone, clNone, clNone, clNone, clNone};
    bool SetsSort = false;
    TFour Sort{clNone, clNone, clNone, clNone};
    bool SetsSelection = false;
    TColor Selection = clNone, SelectionTo = clNone, SelectionText = clBlack;
    bool SetsSelectionStyle = false;
    TGridSelectionStyle SelectionStyle = ssDefault;
    bool SetsLines = true;
    TColor GridLine = 0xC0C0C0, FixedLine = 0x808080;
    bool SetsSearchFooter = true;
};

constexpr TFive Office2010Hover{0x6BDFFF, 0x00AFEFFF, 0x00AFEFFF, 0xE6FCFF, 0x3ABFE8};
constexpr TFive Office2010Down{0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};
constexpr TFour VistaSort{0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8};

constexpr TPreset Office2003(TColor From, TColor To)
{
    return {.Look = glXP, .ActiveFrom = 0x94E6FB, .ActiveTo = 0x1595EE, .Gradient = {From, To, clNone, clNone},
            .LookGradient = lgGradient, .SetsSelection = true, .Selection = 0x94E6FB, .SelectionTo = 0x1595EE};
}

constexpr TPreset Office2010(TColor Fixed, TColor FixedLine, TColor Sort)
{
    return {.Look = glOffice2007, .ActiveFrom = 0x5BD5FF, .ActiveTo = 0x71EFFF, .Gradient = {Fixed, Fixed, Fixed, Fixed},
            .SetsGridHover = true, .SetsHover = true, .Hover = Office2010Hover, .SetsDown = true,
            .Down = Office2010Down, .SetsSort = true, .Sort = {Sort, Sort, Sort, Sort}, .SetsSelection = true,
            .Selection = 0xFFDBB7, .SetsSelectionStyle = true, .SelectionStyle = ssDefault, .FixedLine = FixedLine};
}

// In TExtGridStyle order.
constexpr TPreset Presets[] = {
    Office2003(0xFCE1CB, 0xE0A57D),
    Office2003(0xECE2E1, 0xB39698),
    Office2003(0xCFF0EA, 0x8CC0B1),
    // gsOffice2003Classic
    {.Look = glXP, .ActiveFrom = 0xD8D5D4, .ActiveTo = 0xD8D5D4, .Gradient = {clWhite, 0xCCD4D8, clNone, clNone}},
    // gsOffice2007Luna
    {.Look = glOffice2007, .ActiveFrom = 0x9DD8F9, .ActiveTo = 0x5EC1F1,
     .Gradient = {0xFBF9F6, 0xE8DBD2, clNone, clNone}, .LookGradient = lgGradient, .SetsHover = true,
     .Hover = {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87}, .SetsDown = true,
     .Down = {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D}, .SetsSelection = true, .Selection = 0x5EC1F1,
     .SetsSelectionStyle = true, .SelectionStyle = ssOffice2007, .GridLine = 0xF1EDEB, .FixedLine = 0xD1BBA4},
    // gsOffice2007Obsidian
    {.Look = glOffice2007, .ActiveFrom = 0x9DD8F9, .ActiveTo = 0x5EC1F1,
     .Gradient = {0xF7F7F7, 0xDEDEDE, clNone, clNone}, .LookGradient = lgGradient, .SetsSelection = true,
     .Selection = 0x5EC1F1, .GridLine = 0xE5D7D0},
    // gsWindowsXP
    {.Look = glXP, .ActiveFrom = clBtnFace, .ActiveTo = clBtnFace, .Gradient = {clBtnFace, clBtnFace, clNone, clNone}},
    // gsWhidbey
    {.SetsLook = false, .ActiveFrom = 0x94E6FB, .ActiveTo = 0x1595EE, .Gradient = {clWhite, clBtnFace, clNone, clNone}},
    // gsCustom
    {.SetsLook = false, .SetsActive = false, .SetsGradient = false, .LookGradient = lgUnchanged, .SetsLines = false,
     .SetsSearchFooter = false},
    // gsOffice2007Silver
    {.Look = glOffice2007, .ActiveFrom = 0x99CCFF, .ActiveTo = 0x699CFF,
     .Gradient = {0xF3F3F1, 0xCAC9C8, clNone, clNone}, .LookGradient = lgGradient, .SetsSelection = true,
     .Selection = 0x95C7F5, .GridLine = 0xE5D7D0},
    // gsWindowsVista
    {.Look = glVista, .ActiveFrom = 0xFDF8F1, .ActiveTo = 0xFCEFD5, .Gradient = {clWhite, clWhite, 0xFAF8F7, 0xF4F2F1},
     .SetsGridHover = true, .GridHover = {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993}, .SetsHover = true,
     .Hover = {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993}, .SetsDown = true,
     .Down = {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F}, .SetsSort = true, .Sort = VistaSort,
     .SetsSelection = true, .Selection = 0xEACAB6, .SetsSelectionStyle = true, .SelectionStyle = ssVista,
     .GridLine = 0xECECF0, .FixedLine = 0xD4D2D1},
    // gsWindows7
    {.Look = glWin7, .ActiveFrom = 0xFCEBDC, .ActiveTo = 0xFCDBC1, .Gradient = {0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD},
     .SetsGridHover = true, .GridHover = {0xFDF8F3, 0xF9F3EF, clNone, clNone, 0xEEE8E3}, .SetsHover = true,
     .Hover = {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, clNone}, .HoverKeepsBorder = true, .SetsDown = true,
     .Down = {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA}, .SetsSort = true, .Sort = VistaSort,
     .SetsSelection = true, .Selection = 0xEACAB6, .SetsSelectionStyle = true, .SelectionStyle = ssWin7,
     .GridLine = 0xECECF0, .FixedLine = 0xD4D2D1},
    // gsTerminal
    {.Look = glStandard, .SetsActive = false, .SetsGradient = false, .LookGradient = lgUnchanged, .SetsLines = false,
     .SetsSearchFooter = false},
    Office2010(0xF5E7DA, 0xC7B0A0, 0xD6CEC7),
    Office2010(0xE8E3DF, 0xBAB5B1, 0xAAAAAA),
    Office2010(0x6A6A6A, 0x444444, 0xBABABA),
};
static_assert(std::size(Presets) == gsOffice2010Black + 1);

}  // namespace

// ---------------------------------------------------------------------------------------------
// Look
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SetLook(TGridLook Value)
{
    if (Value == FLook) return;
    FLook = Value;
    const bool Loading = ComponentState().Contains(csLoading);
    if (Value != glCustom) {
        FControlLook->SetFixedGradientMirrorFrom(clNone);
        FControlLook->SetFixedGradientMirrorTo(clNone);
        FControlLook->SetFixedGradientFrom(clNone);
        FControlLook->SetFixedGradientTo(clNone);
        FVyxGradFrom = clNone;
        FVyxGradTo = clNone;
        FVyxGradMirrorFrom = clNone;
        FVyxGradMirrorTo = clNone;
        FSortSettings->SetHeaderColor(clNone);
    }
    switch (Value) {
    case glVista:
        SetStyle(gsWindowsVista);
        FStyle = tsWindowsVista;
        SetSelectionStyle(ssVista);
        break;
    case glWin7:
        SetStyle(gsWindows7);
        FStyle = tsWindows7;
        SetSelectionStyle(ssWin7);
        break;
    case glOffice2007:
        SetStyle(gsOffice2007Luna);
        FStyle = tsOffice2007Luna;
        SetSelectionStyle(ssOffice2007);
        break;
    case glCustom:
        break;
    default: {
        if (!Designing()) PropagateStyleToEditors(tsWindowsXP);
        SetSelectionStyle(ssDefault);
        if (Loading) break;
        const bool Plain = Value == glStandard || Value == glSoft || Value == glClassic;
        TColor S = clWhite;
        TColor E = clBtnFace;
        if (Plain) {
            SetFixedColor(clBtnFace);
            S = clBtnFace;
            E = clNone;
        }
        FControlLook->SetFixedGradientFrom(S);
        FControlLook->SetFixedGradientTo(E);
        FControlLook->SetFixedGradientMirrorFrom(clNone);
        FControlLook->SetFixedGradientMirrorTo(clNone);
        SetGridFixedLineColor(0x808080);
        SetGridLineColor(0xC0C0C0);
        if (Value == glVyx || Value == glXP) {
            SetActiveCellColor(0xEACAB6);
            SetActiveCellColorTo(clNone);
            SetSelectionColor(0xEACAB6);
            SetSelectionColorTo(clNone);
            SetSelectionTextColor(clBlack);
            FSearchFooter->SetColor(FVyxGradFrom);
            FSearchFooter->SetColorTo(FVyxGradTo);
            FControlLook->SetFixedGradientFrom(clWhite);
            FControlLook->SetFixedGradientTo(Value == glXP ? clBtnFace : TColor(0xC0C0C0));
            FControlLook->SetFixedGradientHoverFrom(0xCFD0D1);
            FControlLook->SetFixedGradientHoverTo(0xBEC6C8);
            FControlLook->SetFixedGradientHoverMirrorFrom(0xBEC6C8);
            FControlLook->SetFixedGradientHoverMirrorTo(0xABBCBF);
            FControlLook->SetFixedGradientDownFrom(0x868788);
            FControlLook->SetFixedGradientDownTo(0x737C7E);
            FControlLook->SetFixedGradientDownMirrorFrom(0x737C7E);
            FControlLook->SetFixedGradientDownMirrorTo(0x627376);
        } else {
            SetActiveCellColor(0x808080);
            SetActiveCellColorTo(clNone);
            SetSelectionColor(clHighlight);
            SetSelectionTextColor(clHighlightText);
            FSearchFooter->SetColor(clBtnFace);
            FSearchFooter->SetColorTo(clBtnFace);
        }
        break;
    }
    }
    SetScrollType(ssNormal);
    SetBorderStyle(bsSingle);
    SetBorderColor(0xB99D7F);
    Invalidate();
    if (!Loading) UpdateFooter();
}

QString TExtStringGrid::LookToString(TGridLook Look)
{
    static const char* const Names[] = {"glStandard", "glSoft",  "glClassic", "glVyx",       "glXP",
                                        "glListView", "glVista", "glWin7",    "glOffice2007"};
    return Look >= glStandard && Look < glCustom ? QString::fromLatin1(Names[Look]) : QString();
}

QString TExtStringGrid::LookDisplayName(TGridLook Look)
{
    static const char* const Names[] = {"Standard", "Soft",          "Classic",   "Vyx",       "Windows XP",
                                        "ListView", "Windows Vista", "Windows 7", "Office2007"};
    return Look >= glStandard && Look < glCustom ? QString::fromLatin1(Names[Look]) : QString();
}

// ---------------------------------------------------------------------------------------------
// Style presets and component styles
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SetStyle(TExtGridStyle AStyle)
{
    SetSelectionColor(clHighlight);
    SetSelectionColorTo(clNone);
    SetSelectionTextColor(clHighlightText);
    SetSelectionStyle(ssDefault);
    FSortSettings->SetHeaderColor(clNone);
    FSortSettings->SetHeaderColorTo(clNone);
    FSortSettings->SetHeaderMirrorColor(clNone);
    FSortSettings->SetHeaderMirrorColorTo(clNone);
    FControlLook->Init();
    if (AStyle < gsOffice2003Blue || AStyle > gsOffice2010Black) {
        Invalidate();
        return;
    }
    const TPreset& P = Presets[AStyle];
    if (P.SetsLook) SetLook(P.Look);
    if (P.SetsActive) {
        SetActiveCellColor(P.ActiveFrom);
        SetActiveCellColorTo(P.ActiveTo);
    }
    if (P.SetsGradient) {
        FVyxGradFrom = P.Gradient.From;
        FVyxGradTo = P.Gradient.To;
        FVyxGradMirrorFrom = P.Gradient.MirrorFrom;
        FVyxGradMirrorTo = P.Gradient.MirrorTo;
    }
    if (P.SetsGridHover) {
        FVyxGradHoverFrom = P.GridHover.From;
        FVyxGradHoverTo = P.GridHover.To;
        FVyxGradHoverMirrorFrom = P.GridHover.MirrorFrom;
        FVyxGradHoverMirrorTo = P.GridHover.MirrorTo;
        FVyxGradHoverBorder = P.GridHover.Border;
    }
    if (P.LookGradient != lgUnchanged) {
        const bool FromGrid = P.LookGradient == lgGradient;
        FControlLook->SetFixedGradientFrom(FromGrid ? FVyxGradFrom : clNone);
        FControlLook->SetFixedGradientTo(FromGrid ? FVyxGradTo : clNone);
    }
    if (P.SetsHover) {
        FControlLook->SetFixedGradientHoverFrom(P.Hover.From);
        FControlLook->SetFixedGradientHoverTo(P.Hover.To);
        FControlLook->SetFixedGradientHoverMirrorFrom(P.Hover.MirrorFrom);
        FControlLook->SetFixedGradientHoverMirrorTo(P.Hover.MirrorTo);
        if (!P.HoverKeepsBorder) FControlLook->SetFixedGradientHoverBorder(P.Hover.Border);
    }
    if (P.SetsDown) {
        FControlLook->SetFixedGradientDownFrom(P.Down.From);
        FControlLook->SetFixedGradientDownTo(P.Down.To);
        FControlLook->SetFixedGradientDownMirrorFrom(P.Down.MirrorFrom);
        FControlLook->SetFixedGradientDownMirrorTo(P.Down.MirrorTo);
        FControlLook->SetFixedGradientDownBorder(P.Down.Border);
    }
    if (P.SetsSort) {
        FSortSettings->SetHeaderColor(P.Sort.From);
        FSortSettings->SetHeaderColorTo(P.Sort.To);
        FSortSettings->SetHeaderMirrorColor(P.Sort.MirrorFrom);
        FSortSettings->SetHeaderMirrorColorTo(P.Sort.MirrorTo);
    }
    if (P.SetsSelection) {
        SetSelectionColor(P.Selection);
        SetSelectionColorTo(P.SelectionTo);
        SetSelectionTextColor(P.SelectionText);
    }
    if (P.SetsSelectionStyle) SetSelectionStyle(P.SelectionStyle);
    if (P.SetsLines) {
        SetGridLineColor(P.GridLine);
        SetGridFixedLineColor(P.FixedLine);
    }
    if (P.SetsSearchFooter) {
        FSearchFooter->SetColor(FVyxGradFrom);
        FSearchFooter->SetColorTo(FVyxGradMirrorTo);
    }
    Invalidate();
}

void TExtStringGrid::SetComponentStyle(TVyxStyle AStyle)
{
    FStyle = AStyle;
    SetStyle(static_cast<TExtGridStyle>(AStyle));
    // A preset's look may name its own style on the way; the style given is the one kept.
    FStyle = AStyle;
    if (!Designing()) PropagateStyleToEditors(AStyle);
    if (AStyle != tsCustom && FScrollType == ssMetro) SetScrollType(ssNormal);
}

void TExtStringGrid::PropagateStyleToEditors(TVyxStyle)
{
    // The drop-down editors that take a component style (colour, image, grid and detail pickers,
    // time picker, calculator, memo) are not made by this grid: there is none to hand it to.
}

// ---------------------------------------------------------------------------------------------
// Colour tones, XP schemes, the Office theme and the platform style
// ---------------------------------------------------------------------------------------------

namespace {

void LoadGlyph(TBitmap* Target, const char* Name)
{
    TBitmap Glyph;
    Glyph.LoadFromResourceName(0, QString::fromLatin1(Name));
    Target->Assign(&Glyph);
}

void ToneButtons(TEditorButtonColors& Colors, const TColorTones& Tones)
{
    Colors.SetButtonColor(Tones.Background.BrushColor);
    Colors.SetButtonColorHot(Tones.Hover.BrushColor);
    Colors.SetButtonColorDown(Tones.Selected.BrushColor);
    Colors.SetButtonBorderColor(Tones.Background.BorderColor);
}

}  // namespace

void TExtStringGrid::SetColorTones(const TColorTones& ATones)
{
    FTones = ATones;
    SetLook(glClassic);
    SetFlat(true);
    SetScrollType(ssMetro);
    SetFixedColor(ATones.Foreground.BrushColor);
    FFixedFont->SetColor(ATones.Foreground.TextColor);
    FFixedFont->SetName(GetDefaultFontName());
    Font()->SetName(GetDefaultFontName());
    SetColor(ATones.Background.BrushColor);
    Font()->SetColor(ATones.Background.TextColor);
    SetSelectionColor(ATones.Selected.BrushColor);
    SetSelectionTextColor(ATones.Selected.TextColor);
    SetSelectionColorTo(clNone);
    SetGridLineColor(0xE6E6E6);
    SetGridFixedLineColor(ScaleColor(ATones.Foreground.BrushColor, -20));
    SetBorderStyle(bsNone);
    FControlLook->SetControlStyle(csGlyph);
    TBitmap Glyph;
    LoadGlyph(&Glyph, "metrocheckon");
    FControlLook->SetCheckedGlyph(&Glyph);
    LoadGlyph(&Glyph, "metrocheckoff");
    FControlLook->SetUnCheckedGlyph(&Glyph);
    LoadGlyph(&Glyph, "metroradiooff");
    FControlLook->SetRadioOffGlyph(&Glyph);
    LoadGlyph(&Glyph, "metroradioon");
    FControlLook->SetRadioOnGlyph(&Glyph);
    if (!Designing()) {
        // The editors this grid makes; the drop-down editors that would take FTones are not made here.
        if (FEditSpin && FEditSpin->Button()) ToneButtons(*FEditSpin->Button(), ATones);
        if (EditCombo) {
            ToneButtons(*EditCombo, ATones);
            EditCombo->SetBorderColor(Color());
            EditCombo->SetFlat(true);
        }
    }
    FControlLook->SetFlatButton(true);
    FFloatingFooter->SetColor(ATones.Foreground.BrushColor);
    FSearchFooter->SetColor(ATones.Foreground.BrushColor);
    FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
    FCellNode->SetNodeType(cnFlat);
}

void TExtStringGrid::SetTheme(TXPColorScheme Scheme)
{
    struct TScheme {
        TColor From, To, MirrorFrom, MirrorTo, FooterFrom, FooterTo;
    };
    TScheme S{};
    switch (Scheme) {
    case xpBlue: S = {0xFCE1CB, 0xE0A57D, clNone, clNone, 0xFCE1CB, 0xE0A57D}; break;
    case xpGreen: S = {0xCFF0EA, 0x8CC0B1, clNone, clNone, 0xCFF0EA, 0x8CC0B1}; break;
    case xpGray: S = {0xECE2E1, 0xB39698, clNone, clNone, 0xECE2E1, 0xB39698}; break;
    case vistaAero: S = {clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, 0xECE2E1, 0xB39698}; break;
    default:
        FActiveCellColor = clWhite;
        FActiveCellColorTo = 0xFFD9B3;
        FVyxGradFrom = clWhite;
        FVyxGradTo = clBtnFace;
        FVyxGradMirrorFrom = clNone;
        FVyxGradMirrorTo = clNone;
        FControlLook->SetFixedGradientFrom(clNone);
        FControlLook->SetFixedGradientTo(clNone);
        FSearchFooter->SetColor(clWhite);
        FSearchFooter->SetColorTo(0xFFD9B3);
        return;
    }
    FActiveCellColor = 0x94E6FB;
    FActiveCellColorTo = 0x1595EE;
    FVyxGradFrom = S.From;
    FVyxGradTo = S.To;
    FVyxGradMirrorFrom = S.MirrorFrom;
    FVyxGradMirrorTo = S.MirrorTo;
    FControlLook->SetFixedGradientFrom(S.From);
    FControlLook->SetFixedGradientTo(S.To);
    FSearchFooter->SetColor(S.FooterFrom);
    FSearchFooter->SetColorTo(S.FooterTo);
}

void TExtStringGrid::FollowOfficeTheme()
{
    if (Designing()) return;
    const TOfficeTheme Theme = DetectOfficeTheme();
    if (Theme == FOldOfficeTheme) return;
    static const TVyxStyle Styles[] = {tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic,
                                       tsOffice2007Luna, tsOffice2007Silver, tsOffice2007Obsidian,
                                       tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black};
    if (Theme >= ot2003Blue && Theme < otUnknown) SetComponentStyle(Styles[Theme]);
    FOldOfficeTheme = Theme;
}

void TExtStringGrid::DetectPlatformStyle()
{
    // The platform has no style service: the grid keeps its own colours.
    FUsePlatformStyles = false;
}

// ---------------------------------------------------------------------------------------------
// URL, image-list and sync-grid setters
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SetURLColor(TColor Value)
{
    FURLColor = Value;
    if (FURLShow) Invalidate();
}

void TExtStringGrid::SetURLShow(bool Value)
{
    StoreAndInvalidate(FURLShow, Value);
}

void TExtStringGrid::SetURLShowInText(bool Value)
{
    StoreAndInvalidate(FURLShowInText, Value);
}

void TExtStringGrid::SetURLFull(bool Value)
{
    FURLFull = Value;
    if (FURLShow) Invalidate();
}

void TExtStringGrid::SetGridImages(TCustomImageList* Value)
{
    if (FGridImages) FGridImages->RemoveFreeNotification(this);
    FGridImages = Value;
    if (Value) Value->FreeNotification(this);
}

void TExtStringGrid::SetSyncGrid(TSyncGrid* Value)
{
    FSyncGrid->Assign(Value);
}
