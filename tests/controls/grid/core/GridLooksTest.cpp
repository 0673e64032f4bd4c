// Tests of the grid's looks, style presets, component styles, colour tones, XP schemes, the Office
// theme and the look names.
#include "ExtGridTestSupport.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"
#include "grid/base/SpinButton.h"
#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"
#include "grid/view/GridEditors.h"
#include "grid/view/GridValueEditors.h"
#include "grid/core/SortSettings.h"

#include "graphics/ImageList.h"
#include "os/Registry.h"
#include "support/TempFolder.h"

namespace {

class TLookGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    using TExtStringGrid::FStyle;
    using TExtStringGrid::FTones;
    using TComponent::SetDesigning;
};

class GridLooksTest : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        delete Grid;
        Look = New<TLookGrid>(Form.get());
        Look->SetParent(Form.get());
        Grid = Look;
    }

    // True when something of the grid waits to be painted.
    bool Invalidated()
    {
        TRect R;
        return GetUpdateRect(Grid->Handle(), R);
    }

    TLookGrid* Look = nullptr;
};

struct TPresetCase {
    TExtGridStyle Style;
    const char* Name;
    TGridLook Look;
    TGridSelectionStyle SelectionStyle;
    TColor Active, ActiveTo;
    TColor GradFrom, GradTo, GradMirrorFrom, GradMirrorTo;
    TColor LookFrom, LookTo;
    TColor Selection, SelectionTo, SelectionText;
    TColor GridLine, FixedLine;
    TColor FooterFrom, FooterTo;
    friend void PrintTo(const TPresetCase& Value, std::ostream* Out) { *Out << Value.Name; }
};

constexpr TColor N = clNone;

}  // namespace

// Each preset applied to a new grid (look glXP): what it leaves, with the look's own preset first
// where its look differs.
TEST_F(GridLooksTest, EveryPresetWritesItsRow)
{
    const TColor Face = ColorToRGB(clBtnFace);
    const TPresetCase Cases[] = {
        {gsOffice2003Blue, "Office2003Blue", glXP, ssDefault, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, N, N, 0xFCE1CB,
         0xE0A57D, 0x94E6FB, 0x1595EE, clBlack, 0xC0C0C0, 0x808080, 0xFCE1CB, N},
        {gsOffice2003Silver, "Office2003Silver", glXP, ssDefault, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, N, N,
         0xECE2E1, 0xB39698, 0x94E6FB, 0x1595EE, clBlack, 0xC0C0C0, 0x808080, 0xECE2E1, N},
        {gsOffice2003Olive, "Office2003Olive", glXP, ssDefault, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, N, N,
         0xCFF0EA, 0x8CC0B1, 0x94E6FB, 0x1595EE, clBlack, 0xC0C0C0, 0x808080, 0xCFF0EA, N},
        {gsOffice2003Classic, "Office2003Classic", glXP, ssDefault, 0xD8D5D4, 0xD8D5D4, clWhite, 0xCCD4D8, N, N, N, N,
         clHighlight, N, clHighlightText, 0xC0C0C0, 0x808080, clWhite, N},
        {gsOffice2007Luna, "Office2007Luna", glOffice2007, ssOffice2007, 0x9DD8F9, 0x5EC1F1, 0xFBF9F6, 0xE8DBD2, N, N,
         0xFBF9F6, 0xE8DBD2, 0x5EC1F1, N, clBlack, 0xF1EDEB, 0xD1BBA4, 0xFBF9F6, N},
        // The look step (Luna) leaves ssOffice2007; the row itself sets no selection style.
        {gsOffice2007Obsidian, "Office2007Obsidian", glOffice2007, ssOffice2007, 0x9DD8F9, 0x5EC1F1, 0xF7F7F7,
         0xDEDEDE, N, N, 0xF7F7F7, 0xDEDEDE, 0x5EC1F1, N, clBlack, 0xE5D7D0, 0x808080, 0xF7F7F7, N},
        {gsWindowsXP, "WindowsXP", glXP, ssDefault, clBtnFace, clBtnFace, clBtnFace, clBtnFace, N, N, N, N, clHighlight,
         N, clHighlightText, 0xC0C0C0, 0x808080, clBtnFace, N},
        {gsWhidbey, "Whidbey", glXP, ssDefault, 0x94E6FB, 0x1595EE, clWhite, clBtnFace, N, N, N, N, clHighlight, N,
         clHighlightText, 0xC0C0C0, 0x808080, clWhite, N},
        {gsOffice2007Silver, "Office2007Silver", glOffice2007, ssOffice2007, 0x99CCFF, 0x699CFF, 0xF3F3F1, 0xCAC9C8, N,
         N, 0xF3F3F1, 0xCAC9C8, 0x95C7F5, N, clBlack, 0xE5D7D0, 0x808080, 0xF3F3F1, N},
        {gsWindowsVista, "WindowsVista", glVista, ssVista, 0xFDF8F1, 0xFCEFD5, clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, N,
         N, 0xEACAB6, N, clBlack, 0xECECF0, 0xD4D2D1, clWhite, 0xF4F2F1},
        {gsWindows7, "Windows7", glWin7, ssWin7, 0xFCEBDC, 0xFCDBC1, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, N, N,
         0xEACAB6, N, clBlack, 0xECECF0, 0xD4D2D1, 0xFDFCFA, 0xF7E9DD},
        // Only the look: glStandard's colours, no search footer of its own.
        {gsTerminal, "Terminal", glStandard, ssDefault, 0x808080, N, Face, N, N, N, clBtnFace, N, clHighlight, N,
         clHighlightText, 0xC0C0C0, 0x808080, clBtnFace, clBtnFace},
        {gsOffice2010Blue, "Office2010Blue", glOffice2007, ssDefault, 0x5BD5FF, 0x71EFFF, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA,
         0xF5E7DA, N, N, 0xFFDBB7, N, clBlack, 0xC0C0C0, 0xC7B0A0, 0xF5E7DA, 0xF5E7DA},
        {gsOffice2010Silver, "Office2010Silver", glOffice2007, ssDefault, 0x5BD5FF, 0x71EFFF, 0xE8E3DF, 0xE8E3DF,
         0xE8E3DF, 0xE8E3DF, N, N, 0xFFDBB7, N, clBlack, 0xC0C0C0, 0xBAB5B1, 0xE8E3DF, 0xE8E3DF},
        {gsOffice2010Black, "Office2010Black", glOffice2007, ssDefault, 0x5BD5FF, 0x71EFFF, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A,
         0x6A6A6A, N, N, 0xFFDBB7, N, clBlack, 0xC0C0C0, 0x444444, 0x6A6A6A, 0x6A6A6A},
    };
    for (const TPresetCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        std::unique_ptr<TLookGrid> G(New<TLookGrid>(nullptr));
        ASSERT_EQ(G->Look(), glXP);
        G->SetStyle(C.Style);
        EXPECT_EQ(G->Look(), C.Look);
        EXPECT_EQ(G->SelectionStyle(), C.SelectionStyle);
        EXPECT_EQ(G->ActiveCellColor(), C.Active);
        EXPECT_EQ(G->ActiveCellColorTo(), C.ActiveTo);
        EXPECT_EQ(G->VyxGradientFrom(), C.GradFrom);
        EXPECT_EQ(G->VyxGradientTo(), C.GradTo);
        EXPECT_EQ(G->VyxGradientMirrorFrom(), C.GradMirrorFrom);
        EXPECT_EQ(G->VyxGradientMirrorTo(), C.GradMirrorTo);
        EXPECT_EQ(G->ControlLook()->FixedGradientFrom(), C.LookFrom);
        EXPECT_EQ(G->ControlLook()->FixedGradientTo(), C.LookTo);
        EXPECT_EQ(G->SelectionColor(), C.Selection);
        EXPECT_EQ(G->SelectionColorTo(), C.SelectionTo);
        EXPECT_EQ(G->SelectionTextColor(), C.SelectionText);
        EXPECT_EQ(G->GridLineColor(), C.GridLine);
        EXPECT_EQ(G->GridFixedLineColor(), C.FixedLine);
        EXPECT_EQ(G->SearchFooter()->Color(), C.FooterFrom);
        EXPECT_EQ(G->SearchFooter()->ColorTo(), C.FooterTo);
    }
}

namespace {

struct TButtonCase {
    TExtGridStyle Style;
    const char* Name;
    std::array<TColor, 5> Hover;  // control look: from, to, mirror from, mirror to, border
    std::array<TColor, 5> GridHover;
    std::array<TColor, 5> Down;
    std::array<TColor, 4> Sort;
    friend void PrintTo(const TButtonCase& Value, std::ostream* Out) { *Out << Value.Name; }
};

}  // namespace

// The hover, down and sort-header colours of the presets that have them; the control look's hover
// colours reach the grid's own hover colours.
TEST_F(GridLooksTest, PresetHoverDownAndSortHeaderColours)
{
    const std::array<TColor, 4> VistaSort{0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8};
    const std::array<TColor, 5> Hover2010{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8};
    const std::array<TColor, 5> Down2010{0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};
    const TButtonCase Cases[] = {
        {gsOffice2007Luna, "Luna", {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87},
         {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87}, {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D},
         {N, N, N, N}},
        {gsWindowsVista, "Vista", {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993},
         {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993}, {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F},
         VistaSort},
        // The control look's hover border stays its first value; the grid keeps its own 0xEEE8E3.
        {gsWindows7, "Windows7", {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, clSilver},
         {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3}, {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA},
         VistaSort},
        {gsOffice2010Blue, "2010Blue", Hover2010, Hover2010, Down2010, {0xD6CEC7, 0xD6CEC7, 0xD6CEC7, 0xD6CEC7}},
        {gsOffice2010Silver, "2010Silver", Hover2010, Hover2010, Down2010, {0xAAAAAA, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA}},
        {gsOffice2010Black, "2010Black", Hover2010, Hover2010, Down2010, {0xBABABA, 0xBABABA, 0xBABABA, 0xBABABA}},
    };
    for (const TButtonCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        std::unique_ptr<TLookGrid> G(New<TLookGrid>(nullptr));
        G->SetStyle(C.Style);
        const TControlLook* L = G->ControlLook();
        EXPECT_EQ((std::array<TColor, 5>{L->FixedGradientHoverFrom(), L->FixedGradientHoverTo(),
                                          L->FixedGradientHoverMirrorFrom(), L->FixedGradientHoverMirrorTo(),
                                          L->FixedGradientHoverBorder()}),
                  C.Hover);
        EXPECT_EQ((std::array<TColor, 5>{G->VyxGradientHoverFrom(), G->VyxGradientHoverTo(),
                                          G->VyxGradientHoverMirrorFrom(), G->VyxGradientHoverMirrorTo(),
                                          G->VyxGradientHoverBorder()}),
                  C.GridHover);
        EXPECT_EQ((std::array<TColor, 5>{L->FixedGradientDownFrom(), L->FixedGradientDownTo(),
                                          L->FixedGradientDownMirrorFrom(), L->FixedGradientDownMirrorTo(),
                                          L->FixedGradientDownBorder()}),
                  C.Down);
        const TSortSettings* S = G->SortSettings();
        EXPECT_EQ((std::array<TColor, 4>{S->HeaderColor(), S->HeaderColorTo(), S->HeaderMirrorColor(),
                                          S->HeaderMirrorColorTo()}),
                  C.Sort);
    }
}

TEST_F(GridLooksTest, CustomPresetOnlyResetsSelectionSortHeaderAndControlLook)
{
    Grid->SetActiveCellColor(clRed);
    Grid->SetGridLineColor(clLime);
    Grid->SetVyxGradientFrom(clYellow);
    Grid->SearchFooter()->SetColor(clAqua);
    Grid->SetSelectionColor(clRed);
    Grid->SetSelectionTextColor(clLime);
    Grid->SetSelectionStyle(ssWin7);
    Grid->SortSettings()->SetHeaderColor(clRed);
    Grid->ControlLook()->SetFixedGradientDownFrom(clRed);
    Grid->SetStyle(gsCustom);
    EXPECT_EQ(Grid->Look(), glXP);
    EXPECT_EQ(Grid->ActiveCellColor(), clRed);
    EXPECT_EQ(Grid->GridLineColor(), clLime);
    EXPECT_EQ(Grid->VyxGradientFrom(), clYellow);
    EXPECT_EQ(Grid->SearchFooter()->Color(), clAqua);
    EXPECT_EQ(Grid->SelectionColor(), clHighlight);
    EXPECT_EQ(Grid->SelectionColorTo(), clNone);
    EXPECT_EQ(Grid->SelectionTextColor(), clHighlightText);
    EXPECT_EQ(Grid->SelectionStyle(), ssDefault);
    EXPECT_EQ(Grid->SortSettings()->HeaderColor(), clNone);
    EXPECT_EQ(Grid->ControlLook()->FixedGradientDownFrom(), clGray);
}

TEST_F(GridLooksTest, SettingTheCurrentLookDoesNothing)
{
    Show();
    Grid->SetSelectionColor(clRed);
    Grid->SetBorderColor(clLime);
    ProcessPendingEvents();
    ASSERT_FALSE(Invalidated());
    Grid->SetLook(glXP);
    EXPECT_FALSE(Invalidated());
    EXPECT_EQ(Grid->SelectionColor(), clRed);
    EXPECT_EQ(Grid->BorderColor(), clLime);
    Grid->SetLook(glSoft);
    EXPECT_TRUE(Invalidated());
    EXPECT_EQ(Grid->SelectionColor(), clHighlight);
    EXPECT_EQ(Grid->BorderColor(), 0xB99D7F);
}

TEST_F(GridLooksTest, Office2007LookThenObsidianPreset)
{
    Look->SetScrollType(ssFlat);
    Look->SetBorderStyle(bsNone);
    Look->SetLook(glOffice2007);
    EXPECT_EQ(Look->FStyle, tsOffice2007Luna);
    EXPECT_EQ(Look->SelectionStyle(), ssOffice2007);
    EXPECT_EQ(Look->ActiveCellColor(), 0x9DD8F9);
    EXPECT_EQ(Look->ScrollType(), ssNormal);
    EXPECT_EQ(Look->BorderStyle(), bsSingle);
    EXPECT_EQ(Look->BorderColor(), 0xB99D7F);
    Look->SetStyle(gsOffice2007Obsidian);
    EXPECT_EQ(Look->Look(), glOffice2007);
    EXPECT_EQ(Look->SelectionStyle(), ssDefault);
    EXPECT_EQ(Look->VyxGradientFrom(), 0xF7F7F7);
}

namespace {

struct TPlainLookCase {
    TGridLook Look;
    const char* Name;
    TColor FixedColor;
    TColor LookFrom, LookTo;
    TColor Active, Selection, SelectionText;
    TColor FooterFrom, FooterTo;
    TColor HoverFrom, DownMirrorTo;
    friend void PrintTo(const TPlainLookCase& Value, std::ostream* Out) { *Out << Value.Name; }
};

}  // namespace

// The looks that take no preset, each set on a grid of glCustom with a red fixed colour.
TEST_F(GridLooksTest, PlainLooksWriteTheirColours)
{
    const TColor Face = ColorToRGB(clBtnFace);
    const TPlainLookCase Cases[] = {
        {glStandard, "Standard", clBtnFace, clBtnFace, N, 0x808080, clHighlight, clHighlightText, clBtnFace,
         clBtnFace, clGray, N},
        {glSoft, "Soft", clBtnFace, clBtnFace, N, 0x808080, clHighlight, clHighlightText, clBtnFace, clBtnFace, clGray,
         N},
        {glClassic, "Classic", clBtnFace, clBtnFace, N, 0x808080, clHighlight, clHighlightText, clBtnFace, clBtnFace,
         clGray, N},
        {glListView, "ListView", clRed, clWhite, clBtnFace, 0x808080, clHighlight, clHighlightText, clBtnFace,
         clBtnFace, clGray, N},
        {glXP, "XP", clRed, clWhite, clBtnFace, 0xEACAB6, 0xEACAB6, clBlack, clWhite, Face, 0xCFD0D1, 0x627376},
        {glVyx, "Vyx", clRed, clWhite, 0xC0C0C0, 0xEACAB6, 0xEACAB6, clBlack, clWhite, Face, 0xCFD0D1, 0x627376},
    };
    for (const TPlainLookCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        std::unique_ptr<TLookGrid> G(New<TLookGrid>(nullptr));
        G->SetLook(glCustom);
        G->SetFixedColor(clRed);
        G->SetSelectionStyle(ssVista);
        G->SetLook(C.Look);
        EXPECT_EQ(G->SelectionStyle(), ssDefault);
        EXPECT_EQ(G->FixedColor(), C.FixedColor);
        EXPECT_EQ(G->ControlLook()->FixedGradientFrom(), C.LookFrom);
        EXPECT_EQ(G->ControlLook()->FixedGradientTo(), C.LookTo);
        EXPECT_EQ(G->ControlLook()->FixedGradientMirrorFrom(), clNone);
        EXPECT_EQ(G->VyxGradientFrom(), ColorToRGB(C.LookFrom));
        EXPECT_EQ(G->GridLineColor(), 0xC0C0C0);
        EXPECT_EQ(G->GridFixedLineColor(), 0x808080);
        EXPECT_EQ(G->ActiveCellColor(), C.Active);
        EXPECT_EQ(G->ActiveCellColorTo(), clNone);
        EXPECT_EQ(G->SelectionColor(), C.Selection);
        EXPECT_EQ(G->SelectionTextColor(), C.SelectionText);
        EXPECT_EQ(G->SearchFooter()->Color(), C.FooterFrom);
        EXPECT_EQ(G->SearchFooter()->ColorTo(), C.FooterTo);
        EXPECT_EQ(G->ControlLook()->FixedGradientHoverFrom(), C.HoverFrom);
        EXPECT_EQ(G->ControlLook()->FixedGradientDownMirrorTo(), C.DownMirrorTo);
    }
}

TEST_F(GridLooksTest, ComponentStyleAndTheMetroScrollType)
{
    Show();
    Look->SetScrollType(ssMetro);
    Look->SetComponentStyle(tsCustom);
    EXPECT_EQ(Look->FStyle, tsCustom);
    EXPECT_EQ(Look->ScrollType(), ssMetro);
    Look->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(Look->FStyle, tsOffice2010Blue);
    EXPECT_EQ(Look->ScrollType(), ssNormal);
    EXPECT_EQ(Look->Look(), glOffice2007);
    EXPECT_EQ(Look->ActiveCellColor(), 0x5BD5FF);
    // Through the style interface, as a drop-down hands its style on.
    EXPECT_TRUE(ApplyComponentStyle(Look, tsWindows7));
    EXPECT_EQ(Look->Look(), glWin7);
    EXPECT_EQ(Look->FStyle, tsWindows7);
}

TEST_F(GridLooksTest, ColorTonesGiveTheMetroLook)
{
    Show();
    TColorTones Tones;
    Tones.Background = {0xF0F0F0, 0xA0A0A0, 0x202020};
    Tones.Foreground = {0x808080, 0x404040, 0x101010};
    Tones.Selected = {0xC08040, 0x804020, 0xFFFFFF};
    Tones.Hover = {0xE0C0A0, 0xC0A080, 0x000000};
    Tones.Disabled = {0xD0D0D0, 0xB0B0B0, 0x909090};
    Look->SpinEdit();
    Look->SetColorTones(Tones);
    ProcessPendingEvents();

    EXPECT_EQ(Look->FTones, Tones);
    EXPECT_EQ(Look->Look(), glClassic);
    EXPECT_TRUE(Look->Flat());
    EXPECT_EQ(Look->ScrollType(), ssMetro);
    EXPECT_EQ(Look->FixedColor(), 0x808080);
    EXPECT_EQ(Look->FixedFont()->Color(), 0x101010);
    EXPECT_EQ(Look->FixedFont()->Name(), GetDefaultFontName());
    EXPECT_EQ(Look->Font()->Name(), GetDefaultFontName());
    EXPECT_EQ(Look->Color(), 0xF0F0F0);
    EXPECT_EQ(Look->Font()->Color(), 0x202020);
    EXPECT_EQ(Look->SelectionColor(), 0xC08040);
    EXPECT_EQ(Look->SelectionTextColor(), 0xFFFFFF);
    EXPECT_EQ(Look->SelectionColorTo(), clNone);
    EXPECT_EQ(Look->GridLineColor(), 0xE6E6E6);
    // 128 less 20 % is 102.4, so 102 each.
    EXPECT_EQ(Look->GridFixedLineColor(), 0x666666);
    EXPECT_EQ(Look->ControlLook()->FlatButton(), true);
    EXPECT_EQ(Look->FloatingFooter()->Color(), 0x808080);
    EXPECT_EQ(Look->SearchFooter()->Color(), 0x808080);
    EXPECT_EQ(Look->SearchFooter()->ColorTo(), 0x808080);
    EXPECT_EQ(Look->CellNode()->NodeType(), cnFlat);

    // No border: the client area is the whole grid.
    EXPECT_EQ(Look->BorderStyle(), bsNone);
    EXPECT_EQ(Look->ClientWidth(), Look->Width());

    // The check boxes and radio buttons take the flat glyphs.
    const TControlLook* L = Look->ControlLook();
    EXPECT_EQ(L->ControlStyle(), csGlyph);
    struct TGlyphCase {
        TBitmap* Glyph;
        int32_t Size;
        bool Marked;
        TPoint Mark;
    } Glyphs[] = {{L->CheckedGlyph(), 15, true, Point(6, 9)},
                  {L->UnCheckedGlyph(), 15, false, Point(6, 9)},
                  {L->RadioOnGlyph(), 13, true, Point(6, 6)},
                  {L->RadioOffGlyph(), 13, false, Point(6, 6)}};
    for (const TGlyphCase& G : Glyphs) {
        ASSERT_FALSE(G.Glyph->Empty());
        EXPECT_EQ(G.Glyph->Width(), G.Size);
        EXPECT_EQ(G.Glyph->Height(), G.Size);
        // The corner is the white that a transparent draw leaves out; the middle shows the mark.
        EXPECT_EQ(G.Glyph->Canvas()->Pixels(0, G.Size - 1), clWhite);
        EXPECT_EQ(G.Glyph->Canvas()->Pixels(G.Mark.X, G.Mark.Y) != clWhite, G.Marked);
    }

    // The editors the grid has take the button colours.
    TGridCombo* Combo = Look->EditCombo;
    ASSERT_NE(Combo, nullptr);
    EXPECT_EQ(Combo->ButtonColor(), 0xF0F0F0);
    EXPECT_EQ(Combo->ButtonColorHot(), 0xE0C0A0);
    EXPECT_EQ(Combo->ButtonColorDown(), 0xC08040);
    EXPECT_EQ(Combo->ButtonBorderColor(), 0xA0A0A0);
    EXPECT_EQ(Combo->BorderColor(), 0xF0F0F0);
    EXPECT_TRUE(Combo->Flat());
    TEsgSpinButton* Spin = Look->SpinEdit()->Button();
    EXPECT_EQ(Spin->ButtonColor(), 0xF0F0F0);
    EXPECT_EQ(Spin->ButtonColorHot(), 0xE0C0A0);
    EXPECT_EQ(Spin->ButtonColorDown(), 0xC08040);

    // A component style other than tsCustom leaves the metro scroll bars.
    Look->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(Look->ScrollType(), ssNormal);
}

TEST_F(GridLooksTest, XPSchemesWriteGradientActiveCellAndSearchFooter)
{
    struct TCase {
        TXPColorScheme Scheme;
        TColor Active, ActiveTo, From, To, MirrorFrom, MirrorTo, LookFrom, LookTo, FooterFrom, FooterTo;
    } Cases[] = {
        {xpBlue, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, N, N, 0xFCE1CB, 0xE0A57D, 0xFCE1CB, 0xE0A57D},
        {xpGreen, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, N, N, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA, 0x8CC0B1},
        {xpGray, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, N, N, 0xECE2E1, 0xB39698, 0xECE2E1, 0xB39698},
        {vistaAero, 0x94E6FB, 0x1595EE, clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, clWhite, clWhite, 0xECE2E1, 0xB39698},
        {xpNone, clWhite, 0xFFD9B3, clWhite, clBtnFace, N, N, N, N, clWhite, 0xFFD9B3},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Scheme);
        Grid->SetVyxGradientMirrorFrom(clRed);
        Grid->SetTheme(C.Scheme);
        EXPECT_EQ(Grid->ActiveCellColor(), C.Active);
        EXPECT_EQ(Grid->ActiveCellColorTo(), C.ActiveTo);
        EXPECT_EQ(Grid->VyxGradientFrom(), C.From);
        EXPECT_EQ(Grid->VyxGradientTo(), C.To);
        EXPECT_EQ(Grid->VyxGradientMirrorFrom(), C.MirrorFrom);
        EXPECT_EQ(Grid->VyxGradientMirrorTo(), C.MirrorTo);
        EXPECT_EQ(Grid->ControlLook()->FixedGradientFrom(), C.LookFrom);
        EXPECT_EQ(Grid->ControlLook()->FixedGradientTo(), C.LookTo);
        EXPECT_EQ(Grid->SearchFooter()->Color(), C.FooterFrom);
        EXPECT_EQ(Grid->SearchFooter()->ColorTo(), C.FooterTo);
    }
}

TEST_F(GridLooksTest, OfficeThemeIsFollowedOnceAndNotAtDesignTime)
{
    TempFolder Folder;
    SetRegistryFile(Folder.File(QStringLiteral("registry.xml")));
    {
        TRegistry Registry;
        ASSERT_TRUE(Registry.OpenKey(QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common"), true));
        Registry.WriteInteger(QStringLiteral("Theme"), 3);
    }
    Look->SetDesigning(true);
    Look->FollowOfficeTheme();
    EXPECT_EQ(Look->Look(), glXP);
    Look->SetDesigning(false);

    Look->SetAutoThemeAdapt(true);
    EXPECT_EQ(Look->FStyle, tsOffice2010Black);
    EXPECT_EQ(Look->GridFixedLineColor(), 0x444444);
    // The same theme again changes nothing.
    Look->SetGridFixedLineColor(clRed);
    Look->FollowOfficeTheme();
    EXPECT_EQ(Look->GridFixedLineColor(), clRed);
    {
        TRegistry Registry;
        ASSERT_TRUE(Registry.OpenKey(QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common"), true));
        Registry.WriteInteger(QStringLiteral("Theme"), 1);
    }
    Look->FollowOfficeTheme();
    EXPECT_EQ(Look->FStyle, tsOffice2010Blue);
    EXPECT_EQ(Look->GridFixedLineColor(), 0xC7B0A0);
    SetRegistryFile(QString());
}

TEST_F(GridLooksTest, PlatformStyleIsNeverInUse)
{
    Grid->DetectPlatformStyle();
    EXPECT_FALSE(Grid->IsStyledByPlatform());
}

TEST(GridLookNames, EveryLookHasItsNames)
{
    const std::tuple<TGridLook, const char*, const char*> Cases[] = {
        {glStandard, "glStandard", "Standard"},     {glSoft, "glSoft", "Soft"},
        {glClassic, "glClassic", "Classic"},        {glVyx, "glVyx", "Vyx"},
        {glXP, "glXP", "Windows XP"},               {glListView, "glListView", "ListView"},
        {glVista, "glVista", "Windows Vista"},      {glWin7, "glWin7", "Windows 7"},
        {glOffice2007, "glOffice2007", "Office2007"}, {glCustom, "", ""},
    };
    for (const auto& [Look, Name, Display] : Cases) {
        EXPECT_EQ(TExtStringGrid::LookToString(Look), QString::fromLatin1(Name));
        EXPECT_EQ(TExtStringGrid::LookDisplayName(Look), QString::fromLatin1(Display));
    }
}

TEST_F(GridLooksTest, URLSettersRepaintByTheirRules)
{
    Show();
    const auto Repaints = [this](const std::function<void()>& Change) {
        ProcessPendingEvents();
        Change();
        return Invalidated();
    };
    EXPECT_FALSE(Repaints([&] { Grid->SetURLColor(clRed); }));
    EXPECT_FALSE(Repaints([&] { Grid->SetURLFull(true); }));
    EXPECT_TRUE(Repaints([&] { Grid->SetURLShow(true); }));
    EXPECT_FALSE(Repaints([&] { Grid->SetURLShow(true); }));
    EXPECT_TRUE(Repaints([&] { Grid->SetURLColor(clLime); }));
    EXPECT_TRUE(Repaints([&] { Grid->SetURLFull(false); }));
    EXPECT_TRUE(Repaints([&] { Grid->SetURLShowInText(true); }));
    EXPECT_FALSE(Repaints([&] { Grid->SetURLShowInText(true); }));
    EXPECT_EQ(Grid->URLColor(), clLime);
    EXPECT_FALSE(Grid->URLFull());
}

TEST_F(GridLooksTest, GridImagesAreStoredWithoutRepaintAndSyncGridIsCopied)
{
    Show();
    ProcessPendingEvents();
    std::unique_ptr<TImageList> Images(New<TImageList>(nullptr));
    Grid->SetGridImages(Images.get());
    EXPECT_EQ(Grid->GridImages(), Images.get());
    EXPECT_FALSE(Invalidated());
    Images.reset();
    EXPECT_EQ(Grid->GridImages(), nullptr);

    std::unique_ptr<TStringGrid> Other(New<TStringGrid>(nullptr));
    TSyncGrid Settings(nullptr);
    Settings.SetGrid(Other.get());
    Settings.SetScrollVertical(true);
    Settings.SetMoveRow(true);
    Grid->SetSyncGrid(&Settings);
    EXPECT_EQ(Grid->SyncGrid()->Grid(), Other.get());
    EXPECT_TRUE(Grid->SyncGrid()->ScrollVertical());
    EXPECT_TRUE(Grid->SyncGrid()->MoveRow());
    EXPECT_FALSE(Grid->SyncGrid()->ScrollHorizontal());
    Grid->SyncGrid()->SetGrid(nullptr);
}
