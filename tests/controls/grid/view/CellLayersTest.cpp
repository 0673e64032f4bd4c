// The layers of one cell on rendered pixels: fixed-cell looks, markers, editor buttons, and a
// sheet of every look.
#include "CellPaintTestSupport.h"

#include "support/TextTrace.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"
#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SortSettings.h"

#include "graphics/Bitmap.h"
#include "graphics/GraphicsObjects.h"
#include "windows/StdCtrls.h"

#include <QPainter>

#include <algorithm>
#include <functional>

namespace {

using CellLayersTest = CellPaintFixture;

// Plain look Sand, hover Olive framed Red, pressed Plum framed Blue.
void SetLookColours(TPaintGrid* G, TGridLook Look)
{
    G->SetLook(Look);
    G->SetVyxGradientFrom(Sand);
    G->SetVyxGradientTo(clNone);
    G->SetVyxGradientMirrorFrom(clNone);
    G->SetVyxGradientHoverFrom(Olive);
    G->SetVyxGradientHoverTo(clNone);
    G->SetVyxGradientHoverMirrorFrom(clNone);
    G->SetVyxGradientHoverBorder(Red);
    G->SetVyxGradientDownFrom(Plum);
    G->SetVyxGradientDownTo(clNone);
    G->SetVyxGradientDownMirrorFrom(clNone);
    G->SetVyxGradientDownBorder(Blue);
}

// The fixed cell's look by HoverFixedCells, the mouse, the drop-down button, the active cell and the sort column.
TEST_F(CellLayersTest, FixedCellLooks)
{
    struct TCase {
        const char* What;
        std::function<void(TPaintGrid*)> Setup;
        int32_t Col, Row, DX, DY;  // DX, DY from the cell's top-left (negative: from its right or bottom)
        TColor Expected;
    };
    const auto Hover = [](THoverFixedCells Cells, int32_t X, int32_t Y) {
        return [=](TPaintGrid* G) {
            G->SetHoverFixedCells(Cells);
            G->FHoverFixedX = X;
            G->FHoverFixedY = Y;
        };
    };
    const auto Held = [](bool DropDownDown) {
        return [=](TPaintGrid* G) {
            G->SetHoverFixedCells(hfAll);
            G->FHoverFixedX = 2;
            G->FHoverFixedY = 0;
            G->FMouseDownMove = true;
            G->FDropDownDown = DropDownDown;
            G->ControlLook()->SetFixedDropDownButton(true);
        };
    };
    const TCase Cases[] = {
        {"no hover with hfNone", Hover(hfNone, 2, 0), 2, 0, 20, 10, Sand},
        {"hover with hfAll", Hover(hfAll, 2, 0), 2, 0, 20, 10, Olive},
        {"another cell keeps the plain look", Hover(hfAll, 2, 0), 3, 0, 20, 10, Sand},
        {"hfFixedRows: header row", Hover(hfFixedRows, 2, 0), 2, 0, 20, 10, Olive},
        {"hfFixedRows: not the fixed column", Hover(hfFixedRows, 0, 3), 0, 3, 20, 10, Sand},
        {"hfFixedColumns: fixed column", Hover(hfFixedColumns, 0, 3), 0, 3, 20, 10, Olive},
        {"hfFixedColumns: not the header row", Hover(hfFixedColumns, 2, 0), 2, 0, 20, 10, Sand},
        {"pressed",
         [](TPaintGrid* G) {
             G->SetHoverFixedCells(hfAll);
             G->FHoverFixedX = 2;
             G->FHoverFixedY = 0;
             G->FMouseDownMove = true;
         },
         2, 0, 20, 10, Plum},
        {"hover frame", Hover(hfAll, 2, 0), 2, 0, 0, 10, Red},
        {"pressed frame",
         [](TPaintGrid* G) {
             G->SetHoverFixedCells(hfAll);
             G->FHoverFixedX = 2;
             G->FHoverFixedY = 0;
             G->FMouseDownMove = true;
         },
         2, 0, 0, 10, Blue},
        {"drop-down line", Held(false), 2, 0, -17, 12, Blue},
        {"drop-down triangle", Held(false), 2, 0, -9, 9, clBlack},
        {"held, button down: the rest hovers", Held(true), 2, 0, 20, 12, Olive},
        {"held, button down: the button is down", Held(true), 2, 0, -5, 16, Plum},
        {"held, button up: the rest is down", Held(false), 2, 0, 20, 12, Plum},
        {"held, button up: the button hovers", Held(false), 2, 0, -5, 16, Olive},
        {"active cell: its row's fixed cell",
         [](TPaintGrid* G) {
             G->FocusCell(2, 3);
             G->SetActiveCellColor(Red);
             G->SetActiveCellShow(true);
         },
         0, 3, 20, 10, Red},
        {"active cell: its column's header",
         [](TPaintGrid* G) {
             G->FocusCell(2, 3);
             G->SetActiveCellColor(Red);
             G->SetActiveCellShow(true);
         },
         2, 0, 20, 10, Red},
        {"active cell: other headers",
         [](TPaintGrid* G) {
             G->FocusCell(2, 3);
             G->SetActiveCellColor(Red);
             G->SetActiveCellShow(true);
         },
         3, 0, 20, 10, Sand},
        {"sort column header",
         [](TPaintGrid* G) {
             G->SortSettings()->SetColumn(3);
             G->SortSettings()->SetHeaderColor(Blue);
             G->SortSettings()->SetHeaderColorTo(clNone);
         },
         3, 0, 20, 10, Blue},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.What);
        SetUp();
        SetLookColours(Grid, glXP);
        C.Setup(Grid);
        const QImage Image = Render();
        EXPECT_EQ(At(Image, C.Col, C.Row, C.DX, C.DY), Rgb(C.Expected));
    }
}

// Cell borders from the hooks: each side where the rule puts it, the bottom pen from OnGetCellBorderProp.
TEST_F(CellLayersTest, BordersFromTheHooks)
{
    TCellBorders Sides;
    Grid->OnGetCellBorder = [&](TObject*, int32_t ARow, int32_t ACol, TPen* Pen, TCellBorders& Borders) {
        if (ARow != 3 || ACol != 2) return;
        Borders = Sides;
        Pen->SetColor(Red);
    };
    Grid->OnGetCellBorderProp = [](TObject*, int32_t ARow, int32_t ACol, TPen*, TPen*, TPen*, TPen* Bottom) {
        if (ARow == 3 && ACol == 2) Bottom->SetColor(Blue);
    };
    const QImage Plain = Render();
    const struct {
        TCellBorders Sides;
        int32_t DX, DY;
        TColor Expected;
    } Cases[] = {
        {{cbLeft}, 1, 12, Red},      {{cbRight}, -2, 12, Red}, {{cbTop}, 30, 0, Red},
        {{cbBottom}, 30, -2, Blue}, {{cbTop}, 1, 12, clNone},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.DX << "," << C.DY);
        Sides = C.Sides;
        Grid->Invalidate();
        const QImage Image = Render();
        const QRgb Expected = C.Expected == clNone ? At(Plain, 2, 3, C.DX, C.DY) : Rgb(C.Expected);
        EXPECT_EQ(At(Image, 2, 3, C.DX, C.DY), Expected);
    }
    // Nothing of it reaches the neighbours' insides.
    Sides = {cbLeft, cbTop, cbRight, cbBottom};
    Grid->Invalidate();
    const QImage All = Render();
    EXPECT_EQ(Mid(All, 1, 3), Mid(Plain, 1, 3));
    EXPECT_EQ(Mid(All, 3, 3), Mid(Plain, 3, 3));
}

// The edges each look gives a fixed cell (header cell (2, 0)).
TEST_F(CellLayersTest, FixedCellEdges)
{
    const TColor Dark = HalveColor(Sand);
    const struct {
        TGridLook Look;
        bool Flat;
        int32_t DX, DY;
        TColor Expected;
    } Cases[] = {
        {glClassic, false, 1, 12, clBtnHighlight}, {glClassic, false, -2, 12, clBlack},
        {glXP, false, 20, 1, clWhite},             {glXP, false, 1, 12, clWhite},
        {glXP, false, 20, -2, Dark},               {glXP, true, 20, 1, Sand},
        {glSoft, false, -2, 12, Dark},             {glSoft, true, -2, 12, Sand},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << "look " << int(C.Look) << (C.Flat ? " flat" : "") << " at " << C.DX << ","
                                        << C.DY);
        SetUp();
        SetLookColours(Grid, C.Look);
        Grid->SetFixedColor(Sand);
        Grid->SetFlat(C.Flat);
        const QImage Image = Render();
        EXPECT_EQ(At(Image, 2, 0, C.DX, C.DY), Rgb(C.Expected));
    }
}

// The text gives way to a graphic with NoImageAndText, and to the application's drawing with
// NoDefaultDraw; borders and OnDrawCell's rectangle stay.
TEST_F(CellLayersTest, NoImageAndTextAndNoDefaultDraw)
{
    const struct {
        const char* What;
        bool NoImageAndText, NoDefaultDraw, Handler, TextShown;
    } Cases[] = {
        {"graphic and text", false, false, false, true},
        {"NoImageAndText", true, false, false, false},
        {"NoDefaultDraw alone", false, true, false, true},
        {"handler alone", false, false, true, true},
        {"NoDefaultDraw with a handler", false, true, true, false},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.What);
        SetUp();
        Grid->SetCells(2, 3, QStringLiteral("Hello"));
        Grid->SetCells(3, 3, QStringLiteral("World"));
        Grid->AddCheckBox(2, 3, true, false);
        Grid->SetNoImageAndText(C.NoImageAndText);
        Grid->SetNoDefaultDraw(C.NoDefaultDraw);
        TRect Drawn{};
        Grid->OnGetCellBorder = [](TObject*, int32_t ARow, int32_t ACol, TPen* Pen, TCellBorders& Borders) {
            if (ARow == 3 && ACol == 2) {
                Borders = {cbLeft};
                Pen->SetColor(Red);
            }
        };
        if (C.Handler)
            Grid->OnDrawCell = [&](TObject*, int32_t ACol, int32_t ARow, const TRect& Rect, TGridDrawState) {
                if (ACol == 2 && ARow == 3) Drawn = Rect;
            };
        TTextTracer Tracer;
        const QImage Image = Render();
        bool Hello = false, World = false;
        for (const TTracedText& T : Tracer.Drawn()) {
            Hello = Hello || T.Text.contains(QStringLiteral("Hello"));
            World = World || T.Text.contains(QStringLiteral("World"));
        }
        EXPECT_EQ(Hello, C.TextShown);
        EXPECT_EQ(World, !(C.NoDefaultDraw && C.Handler)) << "a cell without graphic";
        EXPECT_EQ(At(Image, 2, 3, 1, 12), Rgb(Red)) << "border";
        if (C.Handler) {
            const TRect R = Grid->CellRect(2, 3);
            EXPECT_EQ(Drawn, Rect(R.Left, R.Top, R.Right - 2, R.Bottom - 2));
        }
    }
}

// Tree lines in column 0 of the rows under a node, by ShowTree and ShowTreeFull.
TEST_F(CellLayersTest, TreeLines)
{
    const auto Shot = [&](bool Show, bool Full) {
        SetUp();
        Grid->SetColWidths(0, 80);
        Grid->CellNode()->SetTreeColor(Plum);
        Grid->CellNode()->SetShowTree(Show);
        Grid->CellNode()->SetShowTreeFull(Full);
        Grid->AddNode(2, 4);
        return Render();
    };
    const auto PlumIn = [&](const QImage& Image, int32_t ARow, bool MiddleOnly) {
        const TRect R = Grid->CellRect(0, ARow);
        const int32_t O = Border(Image);
        int32_t Count = 0;
        for (int32_t x = R.Left; x < R.Right; ++x)
            for (int32_t y = R.Top; y < R.Bottom; ++y)
                if (Image.pixel(O + x, O + y) == Rgb(Plum) && (!MiddleOnly || y == (R.Top + R.Bottom) / 2)) ++Count;
        return Count;
    };
    const QImage Full = Shot(true, true);
    SaveArtifact(Full, QStringLiteral("cell-painting-tree-lines"));
    for (int32_t r = 3; r <= 5; ++r) EXPECT_GT(PlumIn(Full, r, false), 0) << r;
    const QImage None = Shot(false, true);
    for (int32_t r = 3; r <= 5; ++r) EXPECT_EQ(PlumIn(None, r, false), 0) << r;
}

// The horizontal tree line of a child row runs to the cell's right edge only with ShowTreeFull.
TEST_F(CellLayersTest, TreeLineLengthFollowsShowTreeFull)
{
    const auto LineEnd = [&](bool Full) {
        SetUp();
        Grid->SetColWidths(0, 80);
        Grid->CellNode()->SetTreeColor(Plum);
        Grid->CellNode()->SetShowTree(true);
        Grid->CellNode()->SetShowTreeFull(Full);
        Grid->AddNode(2, 4);
        const QImage Image = Render();
        const TRect R = Grid->CellRect(0, 4);
        const int32_t O = Border(Image);
        int32_t Last = -1;
        for (int32_t x = R.Left; x < R.Right; ++x)
            for (int32_t y = R.Top; y < R.Bottom; ++y)
                if (Image.pixel(O + x, O + y) == Rgb(Plum)) Last = x;
        return Last;
    };
    const int32_t L = Grid->CellNode()->NodeIndent();
    // LineTo leaves the end point unpainted.
    EXPECT_EQ(LineEnd(false), L + 3);
    EXPECT_GE(LineEnd(true), Grid->CellRect(0, 4).Right - 2);
}

// The dotted focus rectangle lies on the current cell's edge only while the grid has the focus,
// without goRowSelect and HideFocusRect; a covered cell of a merged area shows it when the area's
// base cell is current.
TEST_F(CellLayersTest, FocusRectangleRules)
{
    // Colour changes along the cell's top two pixel rows: a dotted line alternates, a plain edge does not.
    const auto Dots = [&](const QImage& Image, int32_t ACol, int32_t ARow) {
        const TRect R = Grid->CellRect(ACol, ARow);
        const int32_t O = Border(Image);
        int32_t Most = 0;
        for (int32_t y = R.Top; y <= R.Top + 1; ++y) {
            int32_t Changes = 0;
            for (int32_t x = R.Left + 3; x < R.Right - 4; ++x)
                if (Image.pixel(O + x, O + y) != Image.pixel(O + x + 1, O + y)) ++Changes;
            Most = std::max(Most, Changes);
        }
        return Most;
    };
    struct TCase {
        const char* Name;
        bool Focus;
        bool RowSelect;
        bool Hide;
        bool Drawn;
    };
    const TCase Cases[] = {
        {"focused", true, false, false, true},
        {"unfocused", false, false, false, false},
        {"goRowSelect", true, true, false, false},
        {"HideFocusRect", true, false, true, false},
    };
    for (const TCase& Case : Cases) {
        SetUp();
        if (Case.RowSelect) Grid->SetOptions(Grid->Options() + TGridOptions{goRowSelect});
        Grid->SetHideFocusRect(Case.Hide);
        Grid->SetCol(2);
        Grid->SetRow(3);
        if (Case.Focus) {
            Grid->SetFocus();
        } else {
            auto* Other = New<TEdit>(Form.get());
            Other->SetParent(Form.get());
            Other->SetBounds(0, 285, 80, 14);
            Other->SetFocus();
        }
        const QImage Image = Render();
        EXPECT_EQ(Grid->Focused(), Case.Focus) << Case.Name;
        EXPECT_EQ(Dots(Image, 2, 3) > 8, Case.Drawn) << Case.Name;
        EXPECT_EQ(Dots(Image, 3, 4), 0) << Case.Name;
    }

    SetUp();
    Grid->MergeCells(1, 1, 2, 2);
    Grid->SetCol(1);
    Grid->SetRow(1);
    Grid->SetFocus();
    const QImage Merged = Render();
    SaveArtifact(Merged, QStringLiteral("cell-painting-focus-rectangle-merged"));
    EXPECT_GT(Dots(Merged, 1, 1), 8);
}

// The modified-row marker, the row indicator and always-visible combo buttons.
TEST_F(CellLayersTest, MarkersAndEditorButtons)
{
    Grid->ShowModified()->SetColor(Red);
    Grid->ShowModified()->SetEnabled(true);
    Grid->SetRowModified(4, true);
    TBitmap Indicator;
    Indicator.SetSize(8, 8);
    Indicator.Canvas()->Brush()->SetColor(Blue);
    Indicator.Canvas()->FillRect(Rect(0, 0, 8, 8));
    Indicator.Canvas()->SetPixels(0, 7, clWhite);  // the automatic transparent colour
    Grid->SetRowIndicator(&Indicator);
    Grid->FocusCell(2, 6);
    Grid->OnHasComboBox = [](TObject*, int32_t ACol, int32_t, bool& Has) { Has = ACol == 3; };
    Grid->ControlLook()->SetDropDownAlwaysVisible(true);
    const QImage Image = Render();
    SaveArtifact(Image, QStringLiteral("cell-painting-markers"));

    EXPECT_EQ(At(Image, 0, 4, -3, 12), Rgb(Red)) << "marker at the right of column 0";
    EXPECT_NE(At(Image, 0, 5, -3, 12), Rgb(Red)) << "an unmodified row";
    EXPECT_EQ(At(Image, 0, 6, 4, 4), Rgb(Blue)) << "indicator in the current row";
    EXPECT_NE(At(Image, 0, 5, 4, 4), Rgb(Blue));
    int32_t Face = 0;
    const TRect R = Grid->CellRect(3, 8);
    for (int32_t x = R.Right - 18; x < R.Right - 2; ++x)
        if (Image.pixel(x, R.Top + 5) == Rgb(clBtnFace)) ++Face;
    EXPECT_GT(Face, 8) << "combo button in column 3";
    EXPECT_EQ(At(Image, 2, 8, -8, 5), Rgb(Grid->Color())) << "no button in column 2";
    EXPECT_EQ(At(Image, 3, 0, -8, 5), At(Image, 2, 0, -8, 5)) << "none in the header";
}

// Every look's fixed cells side by side, for people to look at.
TEST_F(CellLayersTest, DemoOfEveryLook)
{
    const TGridLook Looks[] = {glStandard, glSoft, glClassic, glVyx, glXP, glListView, glVista, glWin7, glOffice2007};
    QImage Sheet(390 * 3, 290 * 3, QImage::Format_RGB32);
    Sheet.fill(Qt::white);
    QPainter Painter(&Sheet);
    int32_t i = 0;
    for (TGridLook Look : Looks) {
        SetUp();
        SetLookColours(Grid, Look);
        Grid->SetVyxGradientTo(0xC0C0C0);
        Grid->SetFixedColor(Sand);
        Grid->SetHoverFixedCells(hfAll);
        Grid->FHoverFixedX = 3;
        Grid->FHoverFixedY = 0;
        Grid->ControlLook()->SetFixedDropDownButton(true);
        for (int32_t c = 1; c < 5; ++c) Grid->SetCells(c, 0, QStringLiteral("Col %1").arg(c));
        for (int32_t r = 1; r < 10; ++r) Grid->SetCells(0, r, QString::number(r));
        Grid->SetCells(1, 2, QStringLiteral("Look %1").arg(int(Look)));
        Grid->SetColors(2, 4, Olive);
        Grid->Bands()->SetActive(Look == glVista);
        Grid->FocusCell(2, 5);
        const QImage Image = Render();
        Painter.drawImage((i % 3) * 390, (i / 3) * 290, Image);
        ++i;
    }
    Painter.end();
    SaveArtifact(Sheet, QStringLiteral("cell-painting-looks"));
}

}  // namespace
