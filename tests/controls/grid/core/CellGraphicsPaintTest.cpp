// The cell graphic layer: sizes by cell type, placement, and every type, check-box style and
// radio-button style drawn into rendered grids and canvases, checked on their pixels.
#include "ExtGridTestSupport.h"

#include "support/Artifacts.h"

#include "grid/base/GridSupport.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/view/CellPaint.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"

#include <QImage>

#include <functional>
#include <map>

namespace {

// A grid whose cells show only their graphic, laid out and drawn by the graphic layer alone.
class TGraphicGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;

    void DrawCellContent(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect,
                         TGridDrawState AState) override
    {
        Rects[{ACol, ARow}] = ARect;
        if (Direct) {
            Direct(ACol, ARow, ARect);
            return;
        }
        TCellPaint P;
        P.Canvas = ACanvas;
        P.ACol = ACol;
        P.RCol = RealColIndex(ACol);
        P.ARow = ARow;
        P.DataRow = ARow;
        P.State = AState;
        P.Cell = ARect;
        P.R = ARect;
        P.HA = HA;
        P.VA = VA;
        P.TextWidth = TextWidth;
        GetCellGraphicLayout(P.RCol, ARow, P.Graphic);
        TRect R = ARect;
        DrawCellGraphics(P, R, VA);
        EXPECT_EQ(R, ARect) << "the layer leaves the cell rectangle as it was";
    }

    // Drawing in place of the graphic layer, for the drawers called on their own.
    std::function<void(int32_t ACol, int32_t ARow, const TRect& R)> Direct;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    int32_t TextWidth = 0;
    std::map<std::pair<int32_t, int32_t>, TRect> Rects;
};

QRgb Rgb(TColor C)
{
    C = ColorToRGB(C);
    return qRgb(C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF);
}

QRgb BitmapPixel(TBitmap* B, int32_t X, int32_t Y)
{
    return Rgb(B->Canvas()->Pixels(X, Y));
}

// A solid bitmap of W x H.
std::unique_ptr<TBitmap> Solid(int32_t W, int32_t H, TColor Color)
{
    auto B = std::make_unique<TBitmap>();
    B->SetSize(W, H);
    B->Canvas()->Brush()->SetColor(Color);
    B->Canvas()->FillRect(Rect(0, 0, W, H));
    return B;
}

// A bitmap of W x H in Color with a fuchsia (transparent) frame.
std::unique_ptr<TBitmap> Keyed(int32_t W, int32_t H, TColor Color)
{
    auto B = Solid(W, H, clFuchsia);
    B->Canvas()->Brush()->SetColor(Color);
    B->Canvas()->FillRect(Rect(1, 1, W - 1, H - 1));
    return B;
}

// The bounding box of the pixels of Area that have colour C.
QRect BoxOf(const QImage& Image, const QRect& Area, QRgb C)
{
    QRect Box;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            if ((Image.pixel(x, y) & 0xFFFFFF) == (C & 0xFFFFFF)) Box |= QRect(x, y, 1, 1);
    return Box;
}

int32_t CountOf(const QImage& Image, const QRect& Area, QRgb C)
{
    int32_t N = 0;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x) N += (Image.pixel(x, y) & 0xFFFFFF) == (C & 0xFFFFFF);
    return N;
}

QRect Q(const TRect& R)
{
    return QRect(R.Left, R.Top, R.Width(), R.Height());
}

// True when the image shows Glyph at (X, Y), its transparent pixels showing Background.
bool ShowsGlyph(const QImage& Image, int32_t X, int32_t Y, TBitmap* Glyph, QRgb Background)
{
    const QRgb Key = Rgb(Glyph->TransparentColor() & 0xFFFFFF);
    for (int32_t y = 0; y < Glyph->Height(); ++y)
        for (int32_t x = 0; x < Glyph->Width(); ++x) {
            const QRgb G = BitmapPixel(Glyph, x, y);
            const QRgb Want = G == Key ? Background : G;
            if ((Image.pixel(X + x, Y + y) & 0xFFFFFF) != (Want & 0xFFFFFF)) return false;
        }
    return true;
}

std::unique_ptr<TBitmap> Resource(const char* Name)
{
    auto B = std::make_unique<TBitmap>();
    B->LoadFromResourceName(0, QString::fromLatin1(Name));
    return B;
}

class CellGraphicsPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetClientWidth(600);
        Form->SetClientHeight(300);
        Grid = New<TGraphicGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 600, 300);
        Grid->SetFixedCols(0);
        Grid->SetFixedRows(0);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        Grid->SetDefaultColWidth(100);
        Grid->SetDefaultRowHeight(30);
        Grid->SetColor(clWhite);
        Grid->SetShowSelection(false);
        Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
        Grid->SetCol(4);
        Grid->SetRow(5);
        Form->Show();
        ProcessPendingEvents();
    }

    QImage Render()
    {
        Grid->Rects.clear();
        Grid->Invalidate();
        ProcessPendingEvents();
        // The client area alone, so that image and cell coordinates agree.
        const QImage Image = RenderControl(Grid);
        const TPoint Outer = Form->ClientToScreen(Point(Grid->Left(), Grid->Top()));
        const TPoint Border = Point(Grid->ClientOrigin().X - Outer.X, Grid->ClientOrigin().Y - Outer.Y);
        return Image.copy(Border.X, Border.Y, Grid->ClientWidth(), Grid->ClientHeight());
    }

    // The content rectangle of a cell in the last rendering, deflated as the layer deflates it.
    TRect Inner(int32_t C, int32_t R)
    {
        TRect Rc = Grid->Rects.at({C, R});
        InflateRect(Rc, -1, -1);
        return Rc;
    }

    std::unique_ptr<TForm> Form;
    TGraphicGrid* Grid = nullptr;
    const QRgb White = qRgb(255, 255, 255);
};

// Reports the size the caller gives it.
class TSizedDrawer : public TPersistent, public IGridCellDrawer {
public:
    void Draw(TCanvas* Canvas, const TRect& Rect, int32_t, int32_t, bool, TExtStringGrid*) override
    {
        Canvas->Brush()->SetColor(clLime);
        Canvas->FillRect(Rect);
        Drawn = Rect;
    }
    int32_t GetWidth() override { return 7; }
    int32_t GetHeight() override { return 9; }
    bool DrawsBeforeText() override { return false; }
    TRect Drawn;
};

}  // namespace

TEST_F(CellGraphicsPaintTest, LayoutSizesAndTextByCellType)
{
    auto Images = std::make_unique<TImageList>(nullptr);
    Images->SetSize(16, 12);
    for (int32_t i = 0; i < 3; ++i) Images->Add(Solid(16, 12, clRed).get(), nullptr);
    Grid->SetGridImages(Images.get());
    auto Bmp = Solid(12, 10, clRed);
    TSizedDrawer Drawer;

    struct Case {
        const char* Name;
        std::function<void(int32_t, int32_t)> Add;
        int32_t W, H;
        bool ShowText;
    } Cases[] = {
        {"bitmap", [&](int32_t c, int32_t r) { Grid->AddBitmap(c, r, Bmp.get(), false, haLeft, vaTop); }, 12, 10, true},
        {"image", [&](int32_t c, int32_t r) { Grid->AddImageIdx(c, r, 1, haLeft, vaTop); }, 16, 12, true},
        {"data image", [&](int32_t c, int32_t r) { Grid->AddDataImage(c, r, 1, haLeft, vaTop); }, 16, 12, false},
        {"images across",
         [&](int32_t c, int32_t r) {
             Grid->AddMultiImage(c, r, 0, haLeft, vaTop);
             Grid->CellImages(c, r)->Add(0), Grid->CellImages(c, r)->Add(1), Grid->CellImages(c, r)->Add(2);
             Grid->CellGraphics(c, r)->SetCellBoolean(true);
         },
         48, 12, true},
        {"check box", [&](int32_t c, int32_t r) { Grid->AddCheckBox(c, r, true, false); }, 15, 15, true},
        {"data check box", [&](int32_t c, int32_t r) { Grid->AddCheckBox(c, r, true, true); }, 15, 15, false},
        {"tri-state", [&](int32_t c, int32_t r) { Grid->AddCheckBox(c, r, cbGrayed); }, 15, 15, true},
        {"radio button", [&](int32_t c, int32_t r) { Grid->AddRadioButton(c, r, true); }, 14, 14, true},
        {"radio group", [&](int32_t c, int32_t r) { Grid->CreateRadio(c, r, 0, 0)->Add(QStringLiteral("A")); }, 0, 0,
         false},
        {"rotated", [&](int32_t c, int32_t r) { Grid->AddRotated(c, r, 90, QStringLiteral("x")); }, 0, 0, false},
        {"progress", [&](int32_t c, int32_t r) { Grid->AddProgress(c, r, clBlue, clWhite); }, 0, 0, false},
        {"level progress", [&](int32_t c, int32_t r) { Grid->AddExtProgress(c, r, 0, 100); }, 0, 0, false},
        {"range", [&](int32_t c, int32_t r) { Grid->AddRangeIndicator(c, r, 10, clRed, clBlue, false); }, 0, 0, false},
        {"button", [&](int32_t c, int32_t r) { Grid->AddButton(c, r, 40, 18, QStringLiteral("Go"), haLeft, vaTop); },
         40, 18, true},
        {"pie", [&](int32_t c, int32_t r) { Grid->AddProgressPie(c, r, clRed, 30); }, 20, 20, true},
        {"interface", [&](int32_t c, int32_t r) { Grid->AddInterfacedCell(c, r, &Drawer); }, 7, 9, true},
        {"shape", [&](int32_t c, int32_t r) { Grid->AddShape(c, r, csCircle, clRed, clBlack, haLeft, vaTop); }, 26, 26,
         true},
        {"rating", [&](int32_t c, int32_t r) { Grid->AddRating(c, r, 5, clRed, clSilver); }, 90, 16, false},
        {"comment", [&](int32_t c, int32_t r) { Grid->AddComment(c, r, QStringLiteral("note")); }, 0, 0, true},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        C.Add(1, 1);
        TCellGraphicLayout L;
        Grid->GetCellGraphicLayout(1, 1, L);
        EXPECT_EQ(L.Graphic, Grid->CellGraphics(1, 1));
        EXPECT_EQ(L.Width, C.W);
        EXPECT_EQ(L.Height, C.H);
        EXPECT_EQ(L.ShowText, C.ShowText);
        Grid->RemoveCellGraphic(1, 1);
    }
    TCellGraphicLayout None;
    None.Width = 5;
    Grid->GetCellGraphicLayout(2, 2, None);
    EXPECT_EQ(None.Graphic, nullptr);
    EXPECT_EQ(None.Width, 0);

    Grid->ControlLook()->SetCheckSize(20);
    Grid->ControlLook()->SetRadioSize(12);
    Grid->AddCheckBox(1, 1, true, false);
    Grid->AddRadioButton(1, 2, true);
    TCellGraphicLayout Check, Radio;
    Grid->GetCellGraphicLayout(1, 1, Check);
    Grid->GetCellGraphicLayout(1, 2, Radio);
    EXPECT_EQ(Check.Width, 20);
    EXPECT_EQ(Radio.Height, 16);
    Grid->SetGridImages(nullptr);
}

TEST_F(CellGraphicsPaintTest, PlacementByAlignmentsAndTextWidth)
{
    auto Bmp = Solid(10, 10, clRed);
    struct Case {
        TCellHAlign H;
        TCellVAlign V;
        TAlignment TextAlign;
        int32_t TextWidth;
        std::function<TPoint(const TRect& R)> Where;
    } Cases[] = {
        {haLeft, vaTop, taLeftJustify, 0, [](const TRect& R) { return Point(R.Left + 1, R.Top + 1); }},
        {haRight, vaBottom, taLeftJustify, 0, [](const TRect& R) { return Point(R.Right - 11, R.Bottom - 11); }},
        {haCenter, vaCenter, taLeftJustify, 0,
         [](const TRect& R) { return Point(R.Left + (R.Width() - 10) / 2, R.Top + (R.Height() - 10) / 2); }},
        {haLeft, vaUnderText, taLeftJustify, 0, [](const TRect& R) { return Point(R.Left + 1, R.Bottom - 10); }},
        {haBeforeText, vaAboveText, taRightJustify, 30,
         [](const TRect& R) { return Point(R.Right - 32 - 10, R.Top + 1); }},
        {haBeforeText, vaTop, taCenter, 30,
         [](const TRect& R) { return Point(R.Left + (R.Width() - 32 - 10) / 2, R.Top + 1); }},
        {haAfterText, vaTop, taLeftJustify, 30, [](const TRect& R) { return Point(R.Left + 32, R.Top + 1); }},
        {haAfterText, vaTop, taLeftJustify, 0, [](const TRect& R) { return Point(R.Left, R.Top + 1); }},
        {haAfterText, vaTop, taRightJustify, 30, [](const TRect& R) { return Point(R.Right - 11, R.Top + 1); }},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.H << "/" << C.V << "/" << C.TextAlign);
        Grid->AddBitmap(2, 1, Bmp.get(), false, C.H, C.V);
        Grid->HA = C.TextAlign;
        Grid->TextWidth = C.TextWidth;
        const QImage Image = Render();
        const TRect R = Inner(2, 1);
        const TPoint At = C.Where(R);
        EXPECT_EQ(BoxOf(Image, Q(Grid->Rects.at({2, 1})), Rgb(clRed)), QRect(At.X, At.Y, 10, 10));
    }
}

TEST_F(CellGraphicsPaintTest, CheckBoxStylesAndStates)
{
    Grid->ControlLook()->SetColor(clRed);
    auto Checked = Keyed(15, 15, clBlue);
    auto Unchecked = Keyed(15, 15, clGreen);
    Grid->ControlLook()->SetCheckedGlyph(Checked.get());
    Grid->ControlLook()->SetUnCheckedGlyph(Unchecked.get());
    const std::map<std::pair<int, int>, const char*> XPNames{
        {{1, 1}, "ESGCHK05"}, {{0, 1}, "ESGCHK06"}, {{1, 0}, "ESGCHK07"}, {{0, 0}, "ESGCHK08"}};
    const std::map<std::pair<int, int>, const char*> VyxNames{
        {{1, 1}, "ESGCHK01"}, {{0, 1}, "ESGCHK02"}, {{1, 0}, "ESGCHK03"}, {{0, 0}, "ESGCHK04"}};
    const QRgb Face = Rgb(clBtnFace);
    const QRgb Shadow = Rgb(clBtnShadow);

    QImage Classic[2][2];
    for (ExtGrid::TControlStyle Style : {csClassic, csFlat, csTheme, csWinXP, csVyx, csBorland, csGlyph}) {
        for (bool On : {true, false}) {
            for (bool Enabled : {true, false}) {
                SCOPED_TRACE(testing::Message() << "style " << Style << " checked " << On << " enabled " << Enabled);
                Grid->Direct = [&](int32_t C, int32_t R, const TRect& Rc) {
                    if (C == 1 && R == 1)
                        Grid->DrawCheckBox(Bounds(Rc.Left + 4, Rc.Top + 4, 15, 15), On, cbUnchecked, false, Style,
                                           false, Enabled);
                };
                const QImage Image = Render();
                const TRect Cell = Grid->Rects.at({1, 1});
                const int32_t L = Cell.Left + 4, T = Cell.Top + 4;
                const QImage Box = Image.copy(L, T, 15, 15);
                switch (Style) {
                case csWinXP:
                case csVyx: {
                    auto Glyph = Resource((Style == csWinXP ? XPNames : VyxNames).at({On, Enabled}));
                    EXPECT_TRUE(ShowsGlyph(Image, L, T, Glyph.get(), White));
                    break;
                }
                case csGlyph:
                    EXPECT_EQ(Image.pixel(L + 7, T + 7) & 0xFFFFFF, Rgb(On ? clBlue : clGreen) & 0xFFFFFF);
                    break;
                case csBorland:
                    EXPECT_EQ(Image.pixel(L + 8, T + 3) & 0xFFFFFF, (Enabled ? Face : Shadow) & 0xFFFFFF);
                    EXPECT_EQ(Image.pixel(L, T + 5) & 0xFFFFFF, Rgb(clBtnHighlight) & 0xFFFFFF);
                    EXPECT_EQ(Image.pixel(L + 14, T + 5) & 0xFFFFFF, Shadow & 0xFFFFFF);
                    EXPECT_EQ(Image.pixel(L + 2, T + 8) & 0xFFFFFF, (On        ? (Enabled ? Rgb(clRed) : Rgb(0x808080))
                                                                     : Enabled ? Face
                                                                               : Shadow) &
                                                                        0xFFFFFF);
                    break;
                default: {
                    // A sunken frame around a white (enabled) or face-coloured box, a tick when checked.
                    EXPECT_EQ(Image.pixel(L, T + 7) & 0xFFFFFF, Shadow & 0xFFFFFF);
                    EXPECT_EQ(Image.pixel(L + 7, T) & 0xFFFFFF, Shadow & 0xFFFFFF);
                    EXPECT_EQ(Image.pixel(L + 3, T + 3) & 0xFFFFFF, (Enabled ? White : Face) & 0xFFFFFF);
                    const QRgb Mark = Image.pixel(L + 7, T + 8) & 0xFFFFFF;
                    const QRgb WantMark = !On ? (Enabled ? White : Face) : Enabled ? qRgb(0, 0, 0) : Shadow;
                    EXPECT_EQ(Mark, WantMark & 0xFFFFFF);
                    if (Style == csClassic) Classic[On][Enabled] = Box;
                    if (Style == csTheme) {
                        EXPECT_EQ(Box, Classic[On][Enabled]) << "without visual styles csTheme is classic";
                    }
                    // Both frames are two pixels: the flat one grey in face colour, the classic one dark.
                    const QRgb Inner = Image.pixel(L + 1, T + 7) & 0xFFFFFF;
                    if (Style == csFlat) {
                        EXPECT_EQ(Inner, Face & 0xFFFFFF);
                    } else {
                        EXPECT_LT(qRed(Inner), 128);
                    }
                    break;
                }
                }
                SaveArtifact(Box.scaled(60, 60), QStringLiteral("check-box-%1-%2-%3").arg(Style).arg(On).arg(Enabled));
            }
        }
    }
}

TEST_F(CellGraphicsPaintTest, DisabledLookForcedOffAndTriStates)
{
    const auto Draw = [&](bool Checked, TCheckBoxState State, bool TriState, ExtGrid::TControlStyle Style,
                          bool Enabled) {
        Grid->Direct = [=, this](int32_t C, int32_t R, const TRect& Rc) {
            if (C == 1 && R == 1)
                Grid->DrawCheckBox(Bounds(Rc.Left + 4, Rc.Top + 4, 15, 15), Checked, State, TriState, Style, false,
                                   Enabled);
        };
        const QImage Image = Render();
        const TRect Cell = Grid->Rects.at({1, 1});
        return Image.copy(Cell.Left + 4, Cell.Top + 4, 15, 15);
    };
    const QImage Active = Draw(true, cbUnchecked, false, csWinXP, true);
    const QImage Disabled = Draw(true, cbUnchecked, false, csWinXP, false);
    EXPECT_NE(Active, Disabled);
    Grid->ControlLook()->SetCheckAlwaysActive(true);
    EXPECT_EQ(Draw(true, cbUnchecked, false, csWinXP, false), Active);
    Grid->ControlLook()->SetCheckAlwaysActive(false);
    Grid->ControlLook()->SetNoDisabledCheckRadioLook(true);
    EXPECT_EQ(Draw(true, cbUnchecked, false, csWinXP, false), Active);
    Grid->ControlLook()->SetNoDisabledCheckRadioLook(false);

    // The state of a three-state box beats the checked flag.
    EXPECT_EQ(Draw(false, cbChecked, true, csClassic, true), Draw(true, cbUnchecked, false, csClassic, true));
    EXPECT_EQ(Draw(true, cbUnchecked, true, csClassic, true), Draw(false, cbUnchecked, false, csClassic, true));
    const QImage Grayed = Draw(false, cbGrayed, true, csClassic, true);
    EXPECT_GT(CountOf(Grayed, QRect(2, 2, 11, 11), Rgb(clBtnFace)), 10) << "a dithered box";
    EXPECT_GT(CountOf(Grayed, QRect(2, 2, 11, 11), Rgb(clBtnShadow)), 10) << "a grey tick";
}

TEST_F(CellGraphicsPaintTest, CheckBoxCellsFollowTextStateAndEditRights)
{
    Grid->ControlLook()->SetControlStyle(csWinXP);
    Grid->SetCheckTrue(QStringLiteral("Y"));
    for (int32_t r = 0; r < 4; ++r) Grid->AddCheckBox(1, r, false, true);
    Grid->SetCells(1, 0, QStringLiteral("Y"));
    Grid->SetCells(1, 1, QStringLiteral("N"));
    Grid->SetCells(1, 3, QStringLiteral("Y"));
    Grid->AddCheckBox(2, 0, true, false);
    Grid->AddCheckBox(2, 1, cbChecked);
    Grid->OnCanEditCell = [](TObject*, int32_t ARow, int32_t, bool& Can) { Can = ARow != 3; };
    struct {
        int32_t Col, Row;
        const char* Glyph;
    } Cases[] = {{1, 0, "ESGCHK05"}, {1, 1, "ESGCHK06"}, {1, 2, "ESGCHK06"},
                 {1, 3, "ESGCHK07"}, {2, 0, "ESGCHK05"}, {2, 1, "ESGCHK05"}};
    QImage Image = Render();
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Col << "," << C.Row);
        const TRect R = Inner(C.Col, C.Row);
        auto Glyph = Resource(C.Glyph);
        EXPECT_TRUE(ShowsGlyph(Image, R.Left + 1, R.Top + 1, Glyph.get(), White));
    }
    Grid->ControlLook()->SetCheckAlwaysActive(true);
    Image = Render();
    auto Active = Resource("ESGCHK05");
    EXPECT_TRUE(ShowsGlyph(Image, Inner(1, 3).Left + 1, Inner(1, 3).Top + 1, Active.get(), White));

    // Right-aligned data check boxes stand at the right edge; centred ones in the middle.
    Grid->HA = taRightJustify;
    Image = Render();
    EXPECT_TRUE(ShowsGlyph(Image, Inner(1, 0).Right - 16, Inner(1, 0).Top + 1, Active.get(), White));
    Grid->HA = taCenter;
    Grid->VA = vtaCenter;
    Image = Render();
    const TRect R = Inner(1, 0);
    EXPECT_TRUE(ShowsGlyph(Image, R.Left + (R.Width() - 15) / 2, R.Top + (R.Height() - 15) / 2, Active.get(), White))
        << "a cell alignment other than the grid's places the box vertically";
}

TEST_F(CellGraphicsPaintTest, RadioButtonsByIndexCaptionAndStyle)
{
    TBitmap Sheet;
    Sheet.SetSize(300, 120);
    TCanvas* C = Sheet.Canvas();
    const auto Clear = [&] {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(clWhite);
        C->FillRect(Rect(0, 0, 300, 120));
        C->Font()->SetColor(clBlack);
    };
    TStringList Items;
    for (const char* S : {"Alpha", "Beta", "Gamma"}) Items.Add(QString::fromLatin1(S));
    const int32_t Line = C->TextHeight(QStringLiteral("gh"));
    const auto Dot = [&](int32_t Item) { return BitmapPixel(&Sheet, 10 + 5, 10 + Item * Line + 2 + 5); };

    // Index -1: the option whose caption is the cell text.
    Grid->SetCells(1, 1, QStringLiteral("Beta"));
    struct {
        int32_t Index;
        int32_t On;
    } Cases[] = {{-1, 1}, {0, 0}, {2, 2}, {5, -1}};
    for (const auto& K : Cases) {
        SCOPED_TRACE(K.Index);
        Clear();
        Grid->DrawRadioButton(C, Rect(10, 10, 200, 110), false, 1.0, csClassic, 1, 1, false, &Items, false, false,
                              K.Index, 3);
        for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(Dot(i) == Rgb(clBlack), i == K.On) << i;
    }
    // The disabled look, forced off by RadioAlwaysActive; nothing for no items.
    Clear();
    Grid->DrawRadioButton(C, Rect(10, 10, 200, 110), false, 1.0, csClassic, 1, 1, false, &Items, true, false, 0, 3);
    EXPECT_EQ(Dot(0), Rgb(clBtnShadow));
    Grid->ControlLook()->SetRadioAlwaysActive(true);
    Grid->DrawRadioButton(C, Rect(10, 10, 200, 110), false, 1.0, csClassic, 1, 1, false, &Items, true, false, 0, 3);
    EXPECT_EQ(Dot(0), Rgb(clBlack));
    Grid->ControlLook()->SetRadioAlwaysActive(false);
    Clear();
    Grid->DrawRadioButton(C, Rect(10, 10, 200, 110), false, 1.0, csClassic, 1, 1, false, &Items, false, false, 0, 0);
    EXPECT_EQ(BitmapPixel(&Sheet, 15, 17), Rgb(clWhite));

    // Horizontal: each option after the previous caption.
    Clear();
    Grid->DrawRadioButton(C, Rect(10, 10, 290, 40), false, 1.0, csClassic, 1, 1, false, &Items, false, true, 1, 3);
    const int32_t Second = 10 + 10 + C->TextWidth(QStringLiteral("Alpha")) + 2;
    EXPECT_EQ(BitmapPixel(&Sheet, Second + 5, 17), Rgb(clBlack));
    EXPECT_NE(BitmapPixel(&Sheet, 15, 17), Rgb(clBlack));

    // The bitmap looks: a lone glyph centred in its rectangle.
    struct {
        ExtGrid::TControlStyle Style;
        bool On, Disabled;
        const char* Glyph;
    } Looks[] = {{csWinXP, true, false, "ESGRAD05"}, {csWinXP, false, false, "ESGRAD06"},
                 {csWinXP, true, true, "ESGRAD07"},  {csWinXP, false, true, "ESGRAD08"},
                 {csVyx, true, false, "ESGRAD01"},   {csVyx, false, false, "ESGRAD02"},
                 {csVyx, true, true, "ESGRAD03"},    {csVyx, false, true, "ESGRAD04"}};
    for (const auto& L : Looks) {
        SCOPED_TRACE(L.Glyph);
        Clear();
        Grid->DrawRadioButton(C, Rect(10, 10, 40, 30), false, 1.0, L.Style, 2, 2, false, nullptr, L.Disabled, false,
                              L.On ? 0 : -2, 1);
        auto Glyph = Resource(L.Glyph);
        bool Same = true;
        const TColor Key = Glyph->TransparentColor() & 0xFFFFFF;
        for (int32_t y = 0; y < Glyph->Height(); ++y)
            for (int32_t x = 0; x < Glyph->Width(); ++x) {
                const TColor G = Glyph->Canvas()->Pixels(x, y);
                Same = Same &&
                       Sheet.Canvas()->Pixels(10 + (30 - Glyph->Width()) / 2 + x, 10 + y) == (G == Key ? clWhite : G);
            }
        EXPECT_TRUE(Same);
    }
}

TEST_F(CellGraphicsPaintTest, RadioCellsAndRadioGroupsInTheGrid)
{
    Grid->AddRadioButton(1, 1, true);
    Grid->AddRadioButton(1, 2, false);
    TStrings* Options = Grid->CreateRadio(2, 1, 0, -1);
    for (const char* S : {"One", "Two"}) Options->Add(QString::fromLatin1(S));
    Grid->SetCells(2, 1, QStringLiteral("Two"));
    const QImage Image = Render();
    SaveArtifact(Image, QStringLiteral("cell-graphics-radios"));
    // The radio button cell: a RadioSize ring moved right by XYOffset.X, its dot when on.
    for (int32_t Row : {1, 2}) {
        SCOPED_TRACE(Row);
        const TRect R = Inner(1, Row);
        const QRect Cell = Q(Grid->Rects.at({1, Row}));
        const QRect Ring = BoxOf(Image, Cell, Rgb(clBtnShadow));
        EXPECT_EQ(Ring.left(), R.Left + 1 + Grid->XYOffset().X);
        EXPECT_EQ(CountOf(Image, Cell, qRgb(0, 0, 0)) > 0, Row == 1);
    }
    // The group: the second option, named by the cell text, is on.
    Grid->Canvas()->SetFont(Grid->Font());
    const int32_t Line = Grid->Canvas()->TextHeight(QStringLiteral("gh"));
    const TRect G = Inner(2, 1);
    const QRect Dots = BoxOf(Image, QRect(G.Left, G.Top, 12, G.Height()), qRgb(0, 0, 0));
    ASSERT_FALSE(Dots.isEmpty());
    EXPECT_GE(Dots.top(), G.Top + Line);
    EXPECT_LT(Dots.bottom(), G.Top + 2 * Line);
}

TEST_F(CellGraphicsPaintTest, RatingsRoundToHalvesEvenly)
{
    struct {
        const char* Value;
        const char* Stars;  // F full, H half, E empty
    } Cases[] = {{"3.5", "FFFHE"}, {"3.25", "FFFEE"}, {"3.75", "FFFFE"}, {"0", "EEEEE"},
                 {"9", "FFFFF"},   {"", "EEEEE"},     {"abc", "EEEEE"}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Value);
        Grid->AddRating(1, 1, 5, clRed, clSilver);
        Grid->SetCells(1, 1, QString::fromLatin1(C.Value));
        const QImage Image = Render();
        const TRect R = Inner(1, 1);
        for (int32_t i = 0; i < 5; ++i) {
            const QRect Left(R.Left + 18 * i, R.Top + 1, 8, 16);
            const QRect Right(R.Left + 18 * i + 9, R.Top + 1, 7, 16);
            const char Want = C.Stars[i];
            SCOPED_TRACE(i);
            EXPECT_EQ(CountOf(Image, Left, Rgb(clRed)) > 5, Want != 'E');
            EXPECT_EQ(CountOf(Image, Right, Rgb(clRed)) > 5, Want == 'F');
            EXPECT_EQ(CountOf(Image, Right, Rgb(clSilver)) > 5, Want != 'F');
        }
        if (QString::fromLatin1(C.Value) == QStringLiteral("3.5"))
            SaveArtifact(Image.copy(Q(Grid->Rects.at({1, 1}))), QStringLiteral("cell-graphics-rating-3.5"));
    }
}

TEST_F(CellGraphicsPaintTest, ProgressBarsAndAnEmptyLevelRange)
{
    Grid->AddProgress(1, 1, clBlue, clWhite);
    Grid->SetCells(1, 1, QStringLiteral("50"));
    Grid->AddProgress(1, 2, clBlue, clWhite);
    Grid->SetCells(1, 2, QStringLiteral("not a number"));
    Grid->AddExtProgress(2, 1, 10, 10);
    Grid->SetCells(2, 1, QStringLiteral("40"));
    Grid->AddExtProgress(2, 2, 0, 100);
    Grid->SetCells(2, 2, QStringLiteral("0"));
    Grid->AddExtProgress(2, 3, 0, 100);
    Grid->SetCells(2, 3, QStringLiteral("60"));
    QImage Image;
    ASSERT_NO_THROW(Image = Render());
    SaveArtifact(Image, QStringLiteral("cell-graphics-progress"));

    // Half the bar in the done colour.
    const TRect P = Inner(1, 1);
    const QRect Blue = BoxOf(Image, Q(Grid->Rects.at({1, 1})), Rgb(clBlue));
    ASSERT_FALSE(Blue.isEmpty());
    const int32_t Bar = P.Width() + 2 - 4 - 2 * Grid->ControlLook()->ProgressMarginX();
    EXPECT_NEAR(Blue.width(), Bar / 2, 3);
    EXPECT_TRUE(BoxOf(Image, Q(Grid->Rects.at({1, 2})), Rgb(clBlue)).isEmpty()) << "a text that is no number shows 0 %";

    // An empty range shows what 0 % shows.
    const auto Cell = [&](int32_t C, int32_t R) { return Image.copy(Q(Grid->Rects.at({C, R}))); };
    EXPECT_EQ(Cell(2, 1), Cell(2, 2));
    EXPECT_NE(Cell(2, 3), Cell(2, 2));
}

TEST_F(CellGraphicsPaintTest, CommentTrianglesButtonsAndChevrons)
{
    Grid->AddComment(1, 1, QStringLiteral("note"));
    Grid->AddColorComment(1, 2, QStringLiteral("note"), clBlue);
    Grid->AddButton(2, 1, 40, 20, QString(), haLeft, vaTop);
    Grid->AddExpand(3, 1, 60);
    Grid->AddExpand(3, 2, 60);
    Grid->CellGraphics(3, 2)->SetCellVar(true);
    QImage Image = Render();
    SaveArtifact(Image, QStringLiteral("cell-graphics-comment-button-expand"));

    const TRect C1 = Grid->Rects.at({1, 1});
    EXPECT_EQ(Image.pixel(C1.Right - 3, C1.Top + 1) & 0xFFFFFF, Rgb(clRed) & 0xFFFFFF);
    EXPECT_EQ(Image.pixel(C1.Right - 2, C1.Top + 4) & 0xFFFFFF, Rgb(clRed) & 0xFFFFFF);
    EXPECT_EQ(Image.pixel(C1.Right - 6, C1.Top + 4) & 0xFFFFFF, White & 0xFFFFFF);
    const TRect C2 = Grid->Rects.at({1, 2});
    EXPECT_EQ(Image.pixel(C2.Right - 3, C2.Top + 1) & 0xFFFFFF, Rgb(clBlue) & 0xFFFFFF);

    // The button's place in its cell is kept for hit testing.
    const TRect B = Inner(2, 1);
    const TRect Whole = Grid->CellRect(2, 1);
    EXPECT_EQ(Grid->CellGraphics(2, 1)->CellValue(),
              double((B.Left + 1 - Whole.Left) + ((B.Top + 1 - Whole.Top) << 16)));
    EXPECT_EQ(Grid->GetCellButtonRect(2, 1), Bounds(B.Left + 1, B.Top + 1, 40, 20)) << "the place found again";
    EXPECT_EQ(Image.pixel(B.Left + 20, B.Top + 10) & 0xFFFFFF, Rgb(clBtnFace) & 0xFFFFFF);

    // Chevrons: down (three points) when CellVar is false, up when true.
    for (int32_t Row : {1, 2}) {
        const TRect R = Inner(3, Row);
        const bool Up = Row == 2;
        SCOPED_TRACE(Row);
        EXPECT_EQ(Image.pixel(R.Right - 10, R.Top + (Up ? 8 : 5)) & 0xFFFFFF, 0u);
        EXPECT_EQ(Image.pixel(R.Right - 7, R.Top + (Up ? 5 : 8)) & 0xFFFFFF, 0u);
        EXPECT_NE(Image.pixel(R.Right - 7, R.Top + (Up ? 8 : 5)) & 0xFFFFFF, 0u);
    }

    Grid->ControlLook()->SetCommentColor(clNone);
    Image = Render();
    EXPECT_EQ(Image.pixel(C1.Right - 3, C1.Top + 1) & 0xFFFFFF, White & 0xFFFFFF);
}

TEST_F(CellGraphicsPaintTest, NodeGlyphsByNodeType)
{
    Grid->CellNode()->SetColor(clWhite);
    Grid->CellNode()->SetNodeColor(clBlack);
    Grid->CellNode()->SetShowTree(false);
    Grid->MakeNode(1, 2, true);
    Grid->MakeNode(3, 2, false);
    const int32_t Indent = Grid->CellNode()->NodeIndent();
    for (ExtGrid::TNodeType Type : {cnFlat, cn3D, cnGlyph, cnLeaf, cnXP}) {
        SCOPED_TRACE(Type);
        Grid->CellNode()->SetNodeType(Type);
        const QImage Image = Render();
        SaveArtifact(Image.copy(0, 0, 100, 150), QStringLiteral("cell-graphics-node-%1").arg(Type));
        for (int32_t Row : {1, 3}) {
            const bool Contracted = Row == 1;
            const TRect R = Grid->Rects.at({0, Row});
            const int32_t Left = R.Left + Indent - Indent / 2 - 4;
            SCOPED_TRACE(Row);
            switch (Type) {
            case cnLeaf:
            case cnXP: {
                auto Glyph = Resource(Type == cnLeaf ? (Contracted ? "ESGLEAFCLOSE" : "ESGLEAFOPEN")
                                                     : (Contracted ? "XPNODEC" : "XPNODEO"));
                const int32_t Height = Type == cnLeaf ? 12 : 10;
                const QRgb Key = BitmapPixel(Glyph.get(), 0, 0);
                bool Same = true;
                const int32_t X = Left + (Type == cnXP ? 4 : 0);
                const int32_t Y = R.Top + (R.Height() - Height) / 2;
                for (int32_t y = 0; y < Glyph->Height(); ++y)
                    for (int32_t x = 0; x < Glyph->Width(); ++x) {
                        const QRgb G = BitmapPixel(Glyph.get(), x, y);
                        Same = Same && (Image.pixel(X + x, Y + y) & 0xFFFFFF) == ((G == Key ? White : G) & 0xFFFFFF);
                    }
                EXPECT_TRUE(Same);
                break;
            }
            default: {
                const int32_t X = Left + 4;
                const int32_t Y = R.Top + (R.Height() - 8) / 2;
                if (Type == cnFlat) {
                    EXPECT_EQ(Image.pixel(X, Y) & 0xFFFFFF, 0u);
                    EXPECT_EQ(Image.pixel(X + 3, Y + 4) & 0xFFFFFF, 0u) << "the bar of the minus";
                    EXPECT_EQ((Image.pixel(X + 4, Y + 2) & 0xFFFFFF) == 0u, Contracted) << "the bar of the plus";
                } else {
                    // A soft edge: white on the top-left when raised (contracted), dark when sunken.
                    const QRgb TopLeft = Image.pixel(X, Y + 4) & 0xFFFFFF;
                    EXPECT_EQ(TopLeft == (White & 0xFFFFFF), Contracted);
                    EXPECT_EQ(Image.pixel(X + 4, Y + 4) & 0xFFFFFF, White & 0xFFFFFF);
                }
                break;
            }
            }
        }
    }
}

TEST_F(CellGraphicsPaintTest, ImagesPicturesShapesAndInterfacedCells)
{
    auto Images = std::make_unique<TImageList>(nullptr);
    Images->SetSize(10, 10);
    for (TColor C : {clRed, clLime, clBlue}) Images->Add(Solid(10, 10, C).get(), nullptr);
    Grid->SetGridImages(Images.get());
    Grid->AddImageIdx(1, 1, 2, haLeft, vaTop);
    Grid->AddDataImage(1, 2, 1, haLeft, vaTop);
    Grid->SetCells(1, 2, QStringLiteral("1"));
    Grid->AddMultiImage(2, 1, 0, haLeft, vaTop);
    for (int32_t i : {2, 0, 1}) Grid->CellImages(2, 1)->Add(i);
    Grid->CellGraphics(2, 1)->SetCellBoolean(true);
    TSizedDrawer Drawer;
    Grid->AddInterfacedCell(3, 1, &Drawer);
    Grid->AddShape(3, 2, csRectangle, clBlue, clBlue, haLeft, vaTop);
    auto Framed = Keyed(10, 10, clRed);
    Grid->AddBitmap(2, 2, Framed.get(), true, haLeft, vaTop);

    const QImage Image = Render();
    SaveArtifact(Image, QStringLiteral("cell-graphics-images"));
    const auto At = [&](int32_t C, int32_t R, int32_t DX, int32_t DY) {
        const TRect In = Inner(C, R);
        return Image.pixel(In.Left + 1 + DX, In.Top + 1 + DY) & 0xFFFFFF;
    };
    EXPECT_EQ(At(1, 1, 5, 5), Rgb(clBlue) & 0xFFFFFF);
    EXPECT_EQ(At(1, 2, 5, 5), Rgb(clBlue) & 0xFFFFFF) << "the cell's number plus the graphic's index";
    EXPECT_EQ(At(2, 1, 5, 5), Rgb(clBlue) & 0xFFFFFF);
    EXPECT_EQ(At(2, 1, 15, 5), Rgb(clRed) & 0xFFFFFF);
    EXPECT_EQ(At(2, 1, 25, 5), Rgb(clLime) & 0xFFFFFF);
    EXPECT_EQ(At(2, 2, 5, 5), Rgb(clRed) & 0xFFFFFF);
    EXPECT_EQ(At(2, 2, 0, 0), White & 0xFFFFFF) << "transparent by the bottom-left pixel";
    const TRect In = Inner(3, 1);
    EXPECT_EQ(Drawer.Drawn, Rect(In.Left - 1, In.Top - 1, In.Right, In.Bottom));
    const TRect S = Inner(3, 2);
    EXPECT_EQ(BoxOf(Image, Q(Grid->Rects.at({3, 2})), Rgb(clBlue)), QRect(S.Left + 2, S.Top + 2, 23, 23))
        << "a 25-pixel rectangle shape in a 26-pixel square";
    Grid->SetGridImages(nullptr);
}

TEST_F(CellGraphicsPaintTest, DemoGridOfEveryCellTypeThroughTheCellPainter)
{
    Grid->Hide();
    Form->SetClientHeight(480);
    auto* Demo = New<TTestExtGrid>(Form.get());
    Demo->SetParent(Form.get());
    Demo->SetBounds(0, 0, 600, 470);
    Demo->SetColCount(2);
    Demo->SetRowCount(18);
    Demo->SetFixedRows(1);
    Demo->SetDefaultColWidth(280);
    Demo->SetDefaultRowHeight(22);
    Demo->SetColor(clWhite);
    Demo->SetOptions(Demo->Options() + TGridOptions{goEditing});
    Demo->SetCells(1, 0, QStringLiteral("Cell type"));
    auto Images = std::make_unique<TImageList>(nullptr);
    Images->SetSize(12, 12);
    for (TColor C : {clRed, clLime, clBlue}) Images->Add(Keyed(12, 12, C).get(), nullptr);
    Demo->SetGridImages(Images.get());
    auto Bmp = Keyed(14, 14, clTeal);
    TSizedDrawer Drawer;

    int32_t Row = 1;
    const auto Add = [&](const char* Name, const std::function<void(int32_t)>& Make) {
        Demo->SetCells(0, Row, QString::fromLatin1(Name));
        Make(Row);
        ++Row;
    };
    Add("check box", [&](int32_t r) { Demo->AddCheckBox(1, r, true, false); });
    Add("data check box", [&](int32_t r) {
        Demo->AddCheckBox(1, r, false, true);
        Demo->SetCells(1, r, Demo->CheckTrue());
    });
    Add("tri-state check box", [&](int32_t r) { Demo->AddCheckBox(1, r, cbGrayed); });
    Add("radio button", [&](int32_t r) { Demo->AddRadioButton(1, r, true); });
    Add("radio group", [&](int32_t r) {
        TStrings* S = Demo->CreateRadio(1, r, 1, 1);
        for (const char* T : {"Coil", "Input", "Holding"}) S->Add(QString::fromLatin1(T));
    });
    Add("rating 3.5", [&](int32_t r) {
        Demo->AddRating(1, r, 5, clRed, clSilver);
        Demo->SetCells(1, r, QStringLiteral("3.5"));
    });
    Add("progress", [&](int32_t r) {
        Demo->AddProgress(1, r, clBlue, clWhite);
        Demo->SetCells(1, r, QStringLiteral("40"));
    });
    Add("level progress", [&](int32_t r) {
        Demo->AddExtProgress(1, r, 0, 100);
        Demo->SetCells(1, r, QStringLiteral("80"));
    });
    Add("range", [&](int32_t r) {
        Demo->AddRangeIndicator(1, r, 10, clRed, clGreen, true);
        Demo->SetCells(1, r, QStringLiteral("-4"));
    });
    Add("pie", [&](int32_t r) { Demo->AddProgressPie(1, r, clRed, 30); });
    Add("button", [&](int32_t r) { Demo->AddButton(1, r, 60, 20, QStringLiteral("Go"), haLeft, vaTop); });
    Add("expand", [&](int32_t r) { Demo->AddExpand(1, r, 60); });
    Add("comment", [&](int32_t r) { Demo->AddComment(1, r, QStringLiteral("note")); });
    Add("shape", [&](int32_t r) { Demo->AddShape(1, r, csStar, clYellow, clBlack, haLeft, vaTop); });
    Add("bitmap", [&](int32_t r) { Demo->AddBitmap(1, r, Bmp.get(), true, haLeft, vaTop); });
    Add("images", [&](int32_t r) {
        Demo->AddMultiImage(1, r, 0, haLeft, vaTop);
        for (int32_t i : {0, 1, 2}) Demo->CellImages(1, r)->Add(i);
        Demo->CellGraphics(1, r)->SetCellBoolean(true);
    });
    Add("interface", [&](int32_t r) { Demo->AddInterfacedCell(1, r, &Drawer); });
    Demo->SetCol(0);
    Demo->SetRow(1);
    Demo->Show();
    ProcessPendingEvents();

    const QImage Full = RenderControl(Demo);
    const TPoint Outer = Form->ClientToScreen(Point(Demo->Left(), Demo->Top()));
    const QImage Image = Full.copy(Demo->ClientOrigin().X - Outer.X, Demo->ClientOrigin().Y - Outer.Y,
                                   Demo->ClientWidth(), Demo->ClientHeight());
    SaveArtifact(Image, QStringLiteral("cell-graphics-demo-grid"));
    for (int32_t r = 1; r < Row; ++r) {
        SCOPED_TRACE(Demo->Cells(0, r).toStdString());
        const TRect Cell = Demo->CellRect(1, r);
        if (Cell.Bottom > Demo->ClientHeight()) break;
        // Something other than the cell's white is drawn in it.
        const QRect Area(Cell.Left + 1, Cell.Top + 1, Cell.Width() - 3, Cell.Height() - 3);
        EXPECT_LT(CountOf(Image, Area, White), Area.width() * Area.height() - 8);
    }
    Demo->SetGridImages(nullptr);
}
