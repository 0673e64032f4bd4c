// The colours and fonts a cell is painted with, read back from rendered pixels.
#include "CellPaintTestSupport.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"

#include "graphics/GraphicsObjects.h"

#include <functional>

namespace {

TEST(BlendColors, ChannelsMixedHalvesToEvenAndNoColourRules)
{
    const struct {
        TColor C1, C2;
        int32_t Percent;
        TColor Expected;
    } Cases[] = {
        {clNone, Red, 100, clNone},                         // 100 gives C1, even clNone
        {Red, Blue, 150, Red},
        {Red, Blue, 0, Blue},                               // below 1 gives C2
        {clNone, Blue, 50, Blue},
        {Red, clNone, 50, Red},
        {RGB(255, 0, 0), RGB(0, 0, 0), 50, RGB(128, 0, 0)},  // 127.5 to even 128
        {RGB(1, 3, 5), RGB(0, 0, 0), 50, RGB(0, 2, 2)},      // 0.5, 1.5, 2.5 to even
        {RGB(200, 100, 0), RGB(0, 100, 200), 25, RGB(50, 100, 150)},
        {clBlack, clWhite, 1, RGB(252, 252, 252)},          // 252.45
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << std::hex << C.C1 << " " << C.C2 << " " << std::dec << C.Percent);
        EXPECT_EQ(BlendColors(C.C1, C.C2, C.Percent), C.Expected);
        EXPECT_EQ(BlendColorsIf(C.C1, C.C2, true, C.Percent), C.Expected);
        EXPECT_EQ(BlendColorsIf(C.C1, C.C2, false, C.Percent), C.C1);
    }
    // System colours are resolved before mixing.
    EXPECT_EQ(BlendColors(clBtnFace, clBlack, 50), BlendColors(ColorToRGB(clBtnFace), clBlack, 50));
}

using VisualPropertiesTest = CellPaintFixture;

// Each case sets the grid up, then names a cell, a place in it and the colour painted there.
TEST_F(VisualPropertiesTest, CellColoursOnPixels)
{
    struct TCase {
        const char* What;
        std::function<void(TPaintGrid*)> Setup;
        int32_t Col, Row;
        std::function<TColor(TPaintGrid*)> Expected;
    };
    const TCase Cases[] = {
        {"plain cell", [](TPaintGrid*) {}, 3, 4, [](TPaintGrid* G) { return G->Color(); }},
        {"own colour", [](TPaintGrid* G) { G->SetColors(3, 4, Olive); }, 3, 4, [](TPaintGrid*) { return Olive; }},
        {"fixed cell keeps its own colour (ctNone)", [](TPaintGrid* G) { G->SetColors(2, 0, Olive); }, 2, 0,
         [](TPaintGrid*) { return Olive; }},
        {"fixed check-box cell takes the look instead",
         [](TPaintGrid* G) {
             G->SetVyxGradientFrom(Plum);
             G->SetVyxGradientTo(clNone);
             G->AddCheckBox(2, 0, false, false);
             G->SetColors(2, 0, Olive);
         },
         2, 0, [](TPaintGrid*) { return Plum; }},
        {"classic fixed cell: FixedColor",
         [](TPaintGrid* G) {
             G->SetLook(glClassic);
             G->SetFixedColor(Sand);
         },
         2, 0, [](TPaintGrid*) { return Sand; }},
        {"XP fixed cell: look gradient start",
         [](TPaintGrid* G) {
             G->SetLook(glXP);
             G->SetVyxGradientFrom(Plum);
             G->SetVyxGradientTo(clNone);
         },
         0, 3, [](TPaintGrid*) { return Plum; }},
        {"band, primary",
         [](TPaintGrid* G) {
             G->Bands()->SetPrimaryColor(Olive);
             G->Bands()->SetSecondaryColor(Sand);
             G->Bands()->SetActive(true);
         },
         2, 1, [](TPaintGrid*) { return Olive; }},
        {"band, secondary",
         [](TPaintGrid* G) {
             G->Bands()->SetPrimaryColor(Olive);
             G->Bands()->SetSecondaryColor(Sand);
             G->Bands()->SetActive(true);
         },
         2, 2, [](TPaintGrid*) { return Sand; }},
        {"selected cell", [](TPaintGrid* G) { G->FocusCell(2, 3); }, 2, 3,
         [](TPaintGrid* G) { return G->SelectionColor(); }},
        {"mixer 50, own colour: halfway",
         [](TPaintGrid* G) {
             G->SetSelectionColorMixer(true);
             G->SetColors(2, 3, Olive);
             G->FocusCell(2, 3);
         },
         2, 3, [](TPaintGrid* G) { return BlendColors(G->SelectionColor(), Olive, 50); }},
        {"mixer 50, exactly Color: SelectionColor",
         [](TPaintGrid* G) {
             G->SetSelectionColorMixer(true);
             G->SetColors(2, 3, G->Color());
             G->FocusCell(2, 3);
         },
         2, 3, [](TPaintGrid* G) { return G->SelectionColor(); }},
        {"selection colour over a band",
         [](TPaintGrid* G) {
             G->Bands()->SetPrimaryColor(Olive);
             G->Bands()->SetActive(true);
             G->SetSelectionColorMixer(true);
             G->FocusCell(2, 1);
         },
         2, 1, [](TPaintGrid* G) { return BlendColors(G->SelectionColor(), Olive, 50); }},
        {"disjunct rows: another selected row 7 % lighter",
         [](TPaintGrid* G) {
             G->FocusCell(1, 5);
             G->MouseActions()->SetDisjunctRowSelect(true);
             G->SetRowSelect(3, true);
             G->SetRowSelect(5, true);
         },
         2, 3, [](TPaintGrid* G) { return ScaleColor(G->SelectionColor(), 7); }},
        {"disjunct rows: the current row",
         [](TPaintGrid* G) {
             G->FocusCell(1, 5);
             G->MouseActions()->SetDisjunctRowSelect(true);
             G->SetRowSelect(3, true);
             G->SetRowSelect(5, true);
         },
         2, 5, [](TPaintGrid* G) { return G->SelectionColor(); }},
        {"disjunct rows: a row not selected",
         [](TPaintGrid* G) {
             G->FocusCell(1, 5);
             G->MouseActions()->SetDisjunctRowSelect(true);
             G->SetRowSelect(5, true);
         },
         2, 4, [](TPaintGrid* G) { return G->Color(); }},
        {"gradient hook",
         [](TPaintGrid* G) {
             G->OnGetCellGradient = [](TObject*, int32_t ARow, int32_t ACol, TColor& C, TColor&, TColor&, TColor&,
                                       TCellGradientDirection&) {
                 if (ARow == 6 && ACol == 2) C = Plum;
             };
         },
         2, 6, [](TPaintGrid*) { return Plum; }},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.What);
        SetUp();
        C.Setup(Grid);
        const QImage Image = Render();
        // Near the top right of the cell: clear of graphics, text and the focus rectangle.
        EXPECT_EQ(At(Image, C.Col, C.Row, -6, 4), Rgb(C.Expected(Grid)));
    }
}

// What GetVisualProperties leaves for the text layer and the printer: font, state and brush.
TEST_F(VisualPropertiesTest, FontStateAndUnselectedColours)
{
    const auto Ask = [&](int32_t ACol, int32_t ARow, TGridDrawState& State, TFont& Font, TBrush& Brush) {
        TColor To = clNone, Mirror = clNone, MirrorTo = clNone;
        TAlignment HA = taLeftJustify;
        TVAlignment VA = vtaTop;
        bool WW = false;
        TCellGradientDirection GD = GradientHorizontal;
        Grid->GetVisualProperties(ACol, ARow, State, false, true, true, &Brush, To, Mirror, MirrorTo, &Font, HA, VA,
                                  WW, GD);
        return GD;
    };
    Grid->FixedFont()->SetColor(Plum);
    Grid->Font()->SetColor(Olive);
    Grid->SetSelectionTextColor(Sand);
    Grid->FocusCell(2, 3);
    {
        // A selected state asks for a vertical gradient.
        TGridDrawState State{gdSelected};
        TFont Font;
        TBrush Brush;
        EXPECT_EQ(Ask(2, 3, State, Font, Brush), GradientVertical);
        EXPECT_TRUE(State.Contains(gdSelected));
        EXPECT_EQ(Font.Color(), Sand);
        EXPECT_EQ(Brush.Color(), Grid->SelectionColor());
    }
    {
        TGridDrawState State;
        TFont Font;
        TBrush Brush;
        Ask(2, 0, State, Font, Brush);
        EXPECT_TRUE(State.Contains(gdFixed));
        EXPECT_EQ(Font.Color(), Plum) << "fixed font";
    }
    // Disabled rows and a disabled grid take DisabledFontColor.
    Grid->FUseEnabledRows = true;
    Grid->SetRowEnabled(5, false);
    Grid->SetDisabledFontColor(Red);
    for (const auto& [Row, Expected] : {std::pair{5, Red}, std::pair{6, Olive}}) {
        TGridDrawState State;
        TFont Font;
        TBrush Brush;
        Ask(2, Row, State, Font, Brush);
        EXPECT_EQ(Font.Color(), Expected) << Row;
    }
    Grid->SetEnabled(false);
    TGridDrawState State;
    TFont Font;
    TBrush Brush;
    Ask(2, 6, State, Font, Brush);
    EXPECT_EQ(Font.Color(), Red) << "disabled grid";
    Grid->SetUseDisabledFont(false);
    Ask(2, 6, State, Font, Brush);
    EXPECT_EQ(Font.Color(), Olive) << "UseDisabledFont off";
}

// GetFontProperties: the fixed font in fixed cells, the cell's own font parts over it.
TEST_F(VisualPropertiesTest, FontPropertiesForMeasuring)
{
    Grid->FixedFont()->SetSize(14);
    Grid->Font()->SetSize(9);
    Grid->GetCellProperties(3, 4)->SetFontSize(20);
    Grid->GetCellProperties(3, 4)->SetFontName(QStringLiteral("Courier"));
    const struct {
        int32_t Col, Row, Size;
    } Cases[] = {{0, 4, 14}, {3, 0, 14}, {2, 4, 9}, {3, 4, 20}};
    for (const auto& C : Cases) {
        TGridDrawState State;
        TFont Font;
        TBrush Brush;
        Grid->GetFontProperties(C.Col, C.Col, C.Row, State, &Font, &Brush, false);
        EXPECT_EQ(Font.Size(), C.Size) << C.Col << "," << C.Row;
    }
}

}  // namespace
