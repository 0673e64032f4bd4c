// The floating footer's settings and its panel: the grid's last row follows the footer's
// visibility and style, the panel paints the four styles (mirrored for a right-to-left grid),
// fills "<#n>" templates from the current row, and answers hints and clicks per column.
#include "ExtGridTestSupport.h"

#include "grid/core/FloatingFooter.h"
#include "grid/core/FooterPanel.h"

#include "support/Artifacts.h"

#include "graphics/GraphicsObjects.h"

namespace {

class TRtlGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    bool UseRightToLeftAlignment() const override { return true; }
};

class TDesignGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    using TComponent::SetDesigning;
};

class TCalcGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    QList<int32_t> Calcs;
    void CalcColumnFooter(int32_t ACol) override
    {
        Calcs.append(ACol);
        TTestExtGrid::CalcColumnFooter(ACol);
    }
};

QColor Pixel(const QImage& Image, int32_t X, int32_t Y)
{
    return Image.pixelColor(X, Y);
}

QColor Q(TColor Color)
{
    const uint32_t C = static_cast<uint32_t>(Color);
    return QColor(C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF);
}

const TColor Red = TColor(0x0000FF);
const TColor Lime = TColor(0x00FF00);
const TColor Blue = TColor(0xFF0000);
const TColor Aqua = TColor(0xFFFF00);
const TColor Yellow = TColor(0x00FFFF);

// Columns 30, 40, 50, 60 and 70 pixels wide: they end at 30, 70, 120, 180 and 250.
class FooterPanelFixture : public ExtGridFixture {
protected:
    template <typename TGrid = TTestExtGrid>
    TGrid* MakeGrid(int32_t Left, int32_t Width)
    {
        auto* G = New<TGrid>(Form.get());
        G->SetParent(Form.get());
        G->SetBounds(Left, 10, Width, 200);
        for (int32_t c = 0; c < 5; ++c) G->SetColWidths(c, 30 + 10 * c);
        return G;
    }

    void SetUp() override
    {
        ExtGridFixture::SetUp();
        Grid->SetBounds(10, 10, 300, 200);
        for (int32_t c = 0; c < 5; ++c) Grid->SetColWidths(c, 30 + 10 * c);
    }

    QImage RenderPanel(TExtStringGrid* G)
    {
        G->FooterPanel()->Invalidate();
        ProcessPendingEvents();
        return RenderControl(G->FooterPanel());
    }
};

// ---------------------------------------------------------------------------------------------
// Settings
// ---------------------------------------------------------------------------------------------

TEST(FloatingFooterTest, ANewFooterIsAnInvisibleLastRowWithoutBorderInButtonFace)
{
    TFloatingFooter F(nullptr);
    EXPECT_FALSE(F.Visible());
    EXPECT_EQ(F.FooterStyle(), fsFixedLastRow);
    EXPECT_EQ(F.BorderColor(), clNone);
    EXPECT_EQ(F.Color(), clBtnFace);
    EXPECT_EQ(F.Column(), 0);
    EXPECT_TRUE(F.CustomTemplate().isEmpty());
    EXPECT_TRUE(F.CalculateHiddenRows());
    EXPECT_TRUE(F.EnableCalculation());
    EXPECT_FALSE(F.ShowHint());
    EXPECT_EQ(F.Height(), 0);
    EXPECT_FALSE(F.OnCalcFooter);
    // Without a grid the setters only store.
    F.SetVisible(true);
    F.SetHeight(30);
    F.SetFooterStyle(fsCustomPaint);
    F.SetShowHint(true);
    EXPECT_TRUE(F.Visible());
    EXPECT_EQ(F.ColumnCalc(1), acNONE);
}

// The last row is hidden exactly while the footer shows in style fsFixedLastRow; a hidden footer
// leaves FixedFooters alone, so the application's own footer row survives style changes.
TEST_F(FooterPanelFixture, LastRowFollowsVisibilityAndStyle)
{
    Show();
    TFloatingFooter* F = Grid->FloatingFooter();
    struct TStep {
        const char* What;
        std::function<void()> Act;
        int32_t FixedFooters;
        bool Hidden;
    };
    const TStep Steps[] = {
        {"visible, last row", [&] { F->SetVisible(true); }, 1, true},
        {"column preview", [&] { F->SetFooterStyle(fsColumnPreview); }, 0, false},
        {"last row again", [&] { F->SetFooterStyle(fsFixedLastRow); }, 1, true},
        {"invisible", [&] { F->SetVisible(false); }, 0, false},
        {"application's footer", [&] { Grid->SetFixedFooters(1); }, 1, false},
        {"style while invisible", [&] { F->SetFooterStyle(fsCustomPreview); }, 1, false},
        {"visible in preview", [&] { F->SetVisible(true); }, 0, false},
        {"custom paint", [&] { F->SetFooterStyle(fsCustomPaint); }, 0, false},
        {"last row while visible", [&] { F->SetFooterStyle(fsFixedLastRow); }, 1, true},
        {"shown again", [&] { F->SetVisible(true); }, 1, true},
    };
    for (const TStep& S : Steps) {
        S.Act();
        EXPECT_EQ(Grid->FixedFooters(), S.FixedFooters) << S.What;
        EXPECT_EQ(Grid->FHideLastRow, S.Hidden) << S.What;
        EXPECT_EQ(Grid->FooterPanel()->Visible(), F->Visible()) << S.What;
    }
}

TEST_F(FooterPanelFixture, HeightShowHintAndAssign)
{
    Show();
    TFloatingFooter* F = Grid->FloatingFooter();
    TFooterPanel* Panel = Grid->FooterPanel();
    F->SetHeight(40);
    EXPECT_EQ(Panel->Height(), 39);
    F->SetHeight(0);
    EXPECT_EQ(F->Height(), 0);
    EXPECT_EQ(Panel->Height(), 39) << "a height of 0 leaves the panel";
    F->SetShowHint(true);
    EXPECT_TRUE(Panel->ShowHint());
    F->SetShowHint(false);
    EXPECT_FALSE(Panel->ShowHint());

    auto* Other = MakeGrid(320, 80);
    TFloatingFooter* S = Other->FloatingFooter();
    S->SetCalculateHiddenRows(false);
    S->SetColor(Lime);
    S->SetColumn(3);
    S->SetCustomTemplate(QStringLiteral("<#1>"));
    S->SetFooterStyle(fsColumnPreview);
    S->SetVisible(true);
    S->SetShowHint(true);
    S->SetBorderColor(Red);
    S->SetHeight(50);
    S->SetEnableCalculation(false);
    S->OnCalcFooter = [](TObject*, int32_t, int32_t, QString&) {};
    F->SetHeight(22);
    F->Assign(S);
    EXPECT_FALSE(F->CalculateHiddenRows());
    EXPECT_EQ(F->Color(), Lime);
    EXPECT_EQ(F->Column(), 3);
    EXPECT_EQ(F->CustomTemplate(), QStringLiteral("<#1>"));
    EXPECT_EQ(F->FooterStyle(), fsColumnPreview);
    EXPECT_TRUE(F->Visible());
    EXPECT_TRUE(Panel->Visible()) << "visibility goes through its setter";
    EXPECT_TRUE(F->ShowHint());
    EXPECT_TRUE(Panel->ShowHint());
    // Not copied.
    EXPECT_EQ(F->BorderColor(), clNone);
    EXPECT_EQ(F->Height(), 22);
    EXPECT_TRUE(F->EnableCalculation());
    EXPECT_FALSE(F->OnCalcFooter);
    // Anything else is ignored.
    TFont Font;
    F->Assign(&Font);
    EXPECT_EQ(F->Column(), 3);
}

TEST_F(FooterPanelFixture, ColumnCalcLivesInTheLastRowsCellProperties)
{
    auto* G = MakeGrid<TCalcGrid>(10, 300);
    TFloatingFooter* F = G->FloatingFooter();
    const int32_t Last = G->RowCount() - 1;
    EXPECT_EQ(F->ColumnCalc(2), acNONE);
    EXPECT_FALSE(G->HasCellProperties(2, Last)) << "reading makes no properties";
    F->SetColumnCalc(2, acSUM);
    EXPECT_EQ(F->ColumnCalc(2), acSUM);
    EXPECT_TRUE(G->HasCellProperties(2, Last));
    EXPECT_EQ(G->GetCellProperties(2, Last)->CalcType(), acSUM);
    EXPECT_EQ(G->Calcs, QList<int32_t>{2});
    EXPECT_EQ(F->ColumnCalc(3), acNONE);
}

// ---------------------------------------------------------------------------------------------
// Templates
// ---------------------------------------------------------------------------------------------

// Each template draws as the markup it expands to, filled from the current row (row 2).
TEST_F(FooterPanelFixture, TemplatesFillFromTheCurrentRow)
{
    Grid->SetCells(1, 2, QStringLiteral("one"));
    Grid->SetCells(2, 2, QStringLiteral("abc"));
    Grid->SetCells(2, 3, QStringLiteral("other row"));
    Grid->SetCells(3, 2, QStringLiteral("stored"));
    Grid->OnGetDisplText = [](TObject*, int32_t ACol, int32_t ARow, QString& Value) {
        if (ACol == 3 && ARow == 2) Value = QStringLiteral("shown");
    };
    Show();
    Grid->FocusCell(1, 2);
    TFloatingFooter* F = Grid->FloatingFooter();
    F->SetFooterStyle(fsCustomPreview);
    F->SetVisible(true);
    auto Render = [&](const QString& Template) {
        F->SetCustomTemplate(Template);
        return RenderPanel(Grid);
    };
    struct TCase {
        const char* Template;
        const char* Shows;
    };
    const TCase Cases[] = {
        {"Total: <#2>", "Total: abc"},
        {"<#1>/<#2>", "one/abc"},
        {"<#1><#1>", "oneone"},
        {"<b><#2></b> sum", "<b>abc</b> sum"},
        {"A<#x>B", "AB"},
        {"A<#>B", "AB"},
        {"A<#9>B<#-1>C", "ABC"},
        {"<#<#2>>", ">"},
        {"<#1> and <#2", "one and <#2"},
        {"Total <#2", "Total <#2"},
        {"<#3>", "shown"},
        {"no tags", "no tags"},
    };
    for (const TCase& C : Cases) {
        const QImage Expanded = Render(QString::fromUtf8(C.Template));
        EXPECT_EQ(Expanded, Render(QString::fromUtf8(C.Shows))) << C.Template;
    }
    // The comparisons see the texts.
    EXPECT_NE(Render(QStringLiteral("Total: <#2>")), Render(QStringLiteral("Total: ")));
    EXPECT_NE(Render(QStringLiteral("<#3>")), Render(QStringLiteral("stored")));
    SaveArtifact(Render(QStringLiteral("<b>Total:</b> <#2> <i><#1></i>")), QStringLiteral("footer-template"));
}

// In the form designer the template shows as it is written.
TEST_F(FooterPanelFixture, DesignerShowsTheTemplateAsPlainText)
{
    auto* G = MakeGrid<TDesignGrid>(10, 300);
    Grid->SetVisible(false);
    Show();
    G->SetCells(2, G->Row(), QStringLiteral("abc"));
    TFloatingFooter* F = G->FloatingFooter();
    F->SetFooterStyle(fsCustomPreview);
    F->SetCustomTemplate(QStringLiteral("<b><#2></b>"));
    F->SetVisible(true);
    const QImage Running = RenderPanel(G);
    G->SetDesigning(true);
    const QImage Designed = RenderPanel(G);
    G->SetCells(2, G->Row(), QStringLiteral("other"));
    EXPECT_EQ(RenderPanel(G), Designed) << "no cell text in the designer";
    EXPECT_NE(Designed, Running);
    G->SetDesigning(false);
    EXPECT_NE(RenderPanel(G), Running) << "running, the template follows the cell";
}

// ---------------------------------------------------------------------------------------------
// Painting
// ---------------------------------------------------------------------------------------------

// The fixed last row: the footer colour under the shown columns, the grid's colour beyond them,
// raised column edges for the soft looks, gray edges between scrolled columns (grid-line colour
// for the Vista look), and cell colours from Colors and OnGetCellColor below the top line.
TEST_F(FooterPanelFixture, FixedLastRowPaintsLinesAndCellColours)
{
    Show();
    const int32_t Last = Grid->RowCount() - 1;
    Grid->SetOptions(Grid->Options() + goFixedVertLine + goFixedHorzLine);
    Grid->SetColors(2, Last, Blue);
    Grid->OnGetCellColor = [&](TObject*, int32_t ARow, int32_t ACol, TGridDrawState State, TBrush* ABrush, TFont*) {
        if (ARow == Last && ACol == 3 && State.Contains(gdFixed)) ABrush->SetColor(Yellow);
    };
    TFloatingFooter* F = Grid->FloatingFooter();
    F->SetColor(Lime);
    F->SetVisible(true);
    struct TCase {
        TGridLook Look;
        bool Flat;
        QColor LeftEdge;   // x 30, the first pixel of column 1
        QColor RightEdge;  // x 69, the last pixel of column 1
    };
    const TCase Cases[] = {
        {glSoft, false, Qt::white, Q(TColor(0x808080))},
        {glXP, false, Qt::white, Q(TColor(0x808080))},
        {glVista, false, Qt::white, Q(Red)},
        {glStandard, false, Q(Lime), Q(TColor(0x808080))},
        {glSoft, true, Q(Lime), Q(TColor(0x808080))},
    };
    for (const TCase& C : Cases) {
        Grid->SetLook(C.Look);
        Grid->SetFlat(C.Flat);
        Grid->SetGridLineColor(Red);
        Grid->SetColor(Aqua);
        const QImage Image = RenderPanel(Grid);
        const int32_t Mid = Image.height() / 2;
        const std::string What = std::to_string(static_cast<int>(C.Look)) + (C.Flat ? " flat" : "");
        EXPECT_EQ(Pixel(Image, 30, Mid), C.LeftEdge) << What;
        EXPECT_EQ(Pixel(Image, 69, Mid), C.RightEdge) << What;
        EXPECT_EQ(Pixel(Image, 29, Mid), Q(Red)) << What << ": fixed column's edge";
        EXPECT_EQ(Pixel(Image, 10, 0), Q(Red)) << What << ": top line";
        EXPECT_EQ(Pixel(Image, 15, Mid), Q(Lime)) << What;
        EXPECT_EQ(Pixel(Image, 90, Mid), Q(Blue)) << What << ": Colors";
        EXPECT_EQ(Pixel(Image, 90, 0), Q(Red)) << What << ": the cell starts below the top line";
        EXPECT_EQ(Pixel(Image, 150, Mid), Q(Yellow)) << What << ": OnGetCellColor";
        EXPECT_EQ(Pixel(Image, 260, Mid), Q(Aqua)) << What << ": beyond the columns";
    }
    Grid->SetCells(1, Last, QStringLiteral("total"));
    SaveArtifact(RenderPanel(Grid), QStringLiteral("footer-fixed-last-row"));
}

// The application paints the scrolled cells of the last row: real column indexes, a merged area
// once over its columns, the fixed columns left to the grid.
TEST_F(FooterPanelFixture, FooterPaintGetsRealColumnsAndMergedAreas)
{
    Show();
    const int32_t Last = Grid->RowCount() - 1;
    Grid->SetOptions(Grid->Options() - goFixedHorzLine);
    TFloatingFooter* F = Grid->FloatingFooter();
    F->SetVisible(true);
    QList<int32_t> Columns;
    QList<TRect> Rects;
    Grid->OnFooterPaint = [&](TObject* Sender, int32_t AColumn, TCanvas*, const TRect& R) {
        EXPECT_EQ(Sender, Grid->FooterPanel());
        Columns << AColumn;
        Rects << R;
    };
    // One paint's calls.
    const auto Paint = [&] {
        Grid->FooterPanel()->Invalidate();
        ProcessPendingEvents();
        Columns.clear();
        Rects.clear();
        return RenderControl(Grid->FooterPanel());
    };
    const int32_t H = Paint().height();
    EXPECT_EQ(Columns, (QList<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(Rects.value(0), Rect(30, 0, 70, H));

    Grid->MergeCells(1, Last, 2, 1);
    Paint();
    EXPECT_EQ(Columns, (QList<int32_t>{1, 3, 4}));
    EXPECT_EQ(Rects.value(0), Rect(30, 0, 120, H)) << "the merged area";
    EXPECT_EQ(Rects.value(1), Rect(120, 0, 180, H));

    Grid->SplitCells(1, Last);
    Grid->HideColumn(2);
    Paint();
    EXPECT_EQ(Columns, (QList<int32_t>{1, 3, 4})) << "real indexes around a hidden column";
}

// The column preview: framed footer colour, OnFooterPaint with the column and the shown width,
// the selection text colour off while it paints; a border line only with a border colour.
TEST_F(FooterPanelFixture, ColumnPreviewFrameBorderAndPaintEvent)
{
    Show();
    Grid->SetColor(Aqua);
    Grid->SetSelectionTextColor(Blue);
    TFloatingFooter* F = Grid->FloatingFooter();
    F->SetColor(Lime);
    F->SetFooterStyle(fsColumnPreview);
    F->SetColumn(3);
    F->SetVisible(true);
    QList<int32_t> Columns;
    QList<TRect> Rects;
    QList<TColor> SelectionText;
    Grid->OnFooterPaint = [&](TObject* Sender, int32_t AColumn, TCanvas*, const TRect& R) {
        EXPECT_EQ(Sender, Grid->FooterPanel());
        Columns << AColumn;
        Rects << R;
        SelectionText << Grid->SelectionTextColor();
    };
    QImage Image = RenderPanel(Grid);
    const int32_t H = Image.height();
    ASSERT_FALSE(Columns.isEmpty());
    EXPECT_EQ(Columns.last(), 3);
    EXPECT_EQ(Rects.last(), Rect(0, 0, 250, H));
    EXPECT_EQ(SelectionText.last(), TColor(0));
    EXPECT_EQ(Grid->SelectionTextColor(), Blue);
    EXPECT_EQ(Pixel(Image, 10, 0), QColor(Qt::white));
    EXPECT_EQ(Pixel(Image, 0, H / 2), QColor(Qt::white));
    EXPECT_EQ(Pixel(Image, 249, H / 2), Q(TColor(0x808080)));
    EXPECT_EQ(Pixel(Image, 10, H - 1), Q(TColor(0x808080)));
    EXPECT_EQ(Pixel(Image, 10, H / 2), Q(Lime));
    EXPECT_EQ(Pixel(Image, 260, 0), Q(Aqua));

    F->SetBorderColor(Red);
    Image = RenderPanel(Grid);
    EXPECT_EQ(Pixel(Image, 10, 0), Q(Red));
    EXPECT_EQ(Pixel(Image, 248, 0), Q(Red));
    EXPECT_EQ(Pixel(Image, 260, 0), Q(Aqua)) << "the line ends with the columns";

    // Custom paint hands over the whole panel and draws nothing else.
    F->SetFooterStyle(fsCustomPaint);
    F->SetBorderColor(clNone);
    Image = RenderPanel(Grid);
    EXPECT_EQ(Rects.last(), Rect(0, 0, Image.width(), H));
}

// A right-to-left grid paints the mirror image of the same left-to-right footer.
TEST_F(FooterPanelFixture, RightToLeftMirrorsThePanel)
{
    auto* Ltr = MakeGrid(10, 280);
    auto* Rtl = MakeGrid<TRtlGrid>(300, 280);
    Grid->SetVisible(false);
    Show();
    const int32_t Last = Ltr->RowCount() - 1;
    for (TExtStringGrid* G : {static_cast<TExtStringGrid*>(Ltr), static_cast<TExtStringGrid*>(Rtl)}) {
        G->SetLook(glSoft);
        G->SetOptions(G->Options() + goFixedVertLine + goFixedHorzLine);
        G->SetGridLineColor(Red);
        G->SetColor(Aqua);
        G->SetColors(2, Last, Blue);
        G->FloatingFooter()->SetColor(Lime);
        G->FloatingFooter()->SetBorderColor(Yellow);
        G->FloatingFooter()->SetVisible(true);
    }
    for (TFooterStyle Style : {fsFixedLastRow, fsColumnPreview}) {
        Ltr->FloatingFooter()->SetFooterStyle(Style);
        Rtl->FloatingFooter()->SetFooterStyle(Style);
        const QImage L = RenderPanel(Ltr);
        const QImage R = RenderPanel(Rtl);
        ASSERT_EQ(L.size(), R.size());
        EXPECT_EQ(R, L.mirrored(true, false)) << Style;
        EXPECT_NE(R, L) << Style;
    }
    SaveArtifact(RenderPanel(Rtl), QStringLiteral("footer-right-to-left"));
}

// ---------------------------------------------------------------------------------------------
// Hints and clicks
// ---------------------------------------------------------------------------------------------

// The column a hint asks about: fixed columns first, then from the grid's left column; past the
// last column there is none.
TEST_F(FooterPanelFixture, HintColumnUnderThePointer)
{
    auto* Narrow = MakeGrid(10, 200);
    Grid->SetVisible(false);
    Show();
    Narrow->FloatingFooter()->SetVisible(true);
    Narrow->FloatingFooter()->SetShowHint(true);
    TFooterPanel* Panel = Narrow->FooterPanel();
    QList<QPair<int32_t, int32_t>> Asked;
    Narrow->OnGridHint = [&](TObject*, int32_t ARow, int32_t ACol, QString& Hint) {
        Asked.append({ARow, ACol});
        Hint = QStringLiteral("col %1").arg(ACol);
    };
    const int32_t Last = Narrow->RowCount() - 1;
    struct TCase {
        int32_t LeftCol;
        int32_t X;
        int32_t Column;  // -1: none
    };
    const TCase Cases[] = {
        {1, 0, 0},   {1, 10, 0},  {1, 30, 0},  {1, 31, 1}, {1, 70, 1}, {1, 71, 2},
        {1, 199, 4}, {1, 250, 4}, {1, 251, -1}, {3, 10, 0}, {3, 31, 3}, {3, 90, 3},
        {3, 91, 4},  {3, 160, 4}, {3, 170, -1},
    };
    for (const TCase& C : Cases) {
        Narrow->SetLeftCol(C.LeftCol);
        ASSERT_EQ(Narrow->LeftCol(), C.LeftCol);
        THintInfo Info;
        Info.HintControl = Panel;
        Info.CursorPos = {C.X, 5};
        Info.HintStr = QStringLiteral("panel");
        Asked.clear();
        EXPECT_EQ(Panel->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&Info)), 0);
        EXPECT_EQ(Panel->LastHintX(), C.Column) << C.LeftCol << " " << C.X;
        if (C.Column >= 0) {
            EXPECT_EQ(Asked, (QList<QPair<int32_t, int32_t>>{{Last, C.Column}})) << C.LeftCol << " " << C.X;
            EXPECT_EQ(Info.HintStr, QStringLiteral("col %1").arg(C.Column));
        } else {
            EXPECT_TRUE(Asked.isEmpty()) << C.X;
            EXPECT_EQ(Info.HintStr, QStringLiteral("panel"));
        }
    }
    // Without the footer's hints nothing shows and no column is recorded.
    Narrow->FloatingFooter()->SetShowHint(false);
    THintInfo Info;
    Info.CursorPos = {50, 5};
    EXPECT_NE(Panel->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&Info)), 0);
    EXPECT_EQ(Panel->LastHintX(), -1);
}

TEST_F(FooterPanelFixture, RightToLeftHintsCountFromTheRight)
{
    auto* Rtl = MakeGrid<TRtlGrid>(10, 300);
    Grid->SetVisible(false);
    Show();
    Rtl->FloatingFooter()->SetVisible(true);
    Rtl->FloatingFooter()->SetShowHint(true);
    TFooterPanel* Panel = Rtl->FooterPanel();
    const int32_t Right = Panel->ClientWidth() - 1;
    for (const auto& [X, Column] : {std::pair{Right, 0}, std::pair{Right - 40, 1}, std::pair{Right - 251, -1}}) {
        THintInfo Info;
        Info.CursorPos = {X, 5};
        Panel->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&Info));
        EXPECT_EQ(Panel->LastHintX(), Column) << X;
    }
}

// Real pointer moves: the hint shows after the pause with the grid's text for the column, moving
// to another column cancels it, leaving the panel forgets the column.
TEST_F(FooterPanelFixture, HintsFollowThePointer)
{
    TTestClock Clock;
    Show();
    TFloatingFooter* F = Grid->FloatingFooter();
    F->SetVisible(true);
    F->SetShowHint(true);
    TFooterPanel* Panel = Grid->FooterPanel();
    // The layer starts its hint timer only for controls with a hint text.
    Panel->SetHint(QStringLiteral("footer"));
    Grid->OnGridHint = [](TObject*, int32_t, int32_t ACol, QString& Hint) { Hint = QStringLiteral("col %1").arg(ACol); };
    ProcessPendingEvents();
    Application->CancelHint();
    Input::MoveMouse(Panel, {50, 5});
    Clock.Advance(static_cast<uint32_t>(Application->HintPause()));
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_EQ(Application->HintWindow()->Caption(), QStringLiteral("col 1"));
    EXPECT_EQ(Panel->LastHintX(), 1);

    Input::MoveMouse(Panel, {60, 5});
    EXPECT_NE(Application->HintWindow(), nullptr) << "the same column keeps its hint";
    Input::MoveMouse(Panel, {100, 5});
    EXPECT_EQ(Application->HintWindow(), nullptr);
    EXPECT_EQ(Panel->LastHintX(), 2);
    Input::MoveMouse(Panel, {101, 5});
    Clock.Advance(static_cast<uint32_t>(Application->HintPause()));
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_EQ(Application->HintWindow()->Caption(), QStringLiteral("col 2"));

    Input::LeaveWindow(Panel);
    EXPECT_EQ(Panel->LastHintX(), -1);
    Application->CancelHint();
}

TEST_F(FooterPanelFixture, ClicksReportTheLastRowsCell)
{
    Show();
    Grid->FloatingFooter()->SetVisible(true);
    TFooterPanel* Panel = Grid->FooterPanel();
    QStringList Log;
    Grid->OnClick = [&](TObject* Sender) { Log << (Sender == Grid ? "click" : "click from elsewhere"); };
    Grid->OnClickCell = [&](TObject* Sender, int32_t ARow, int32_t ACol) {
        Log << QStringLiteral("%1 cell %2,%3").arg(Sender == Grid ? "grid" : "other").arg(ACol).arg(ARow);
    };
    ProcessPendingEvents();
    const QString LastRow = QString::number(Grid->RowCount() - 1);
    struct TCase {
        int32_t X;
        QStringList Log;
    };
    const TCase Cases[] = {
        {10, {"click", "grid cell 0," + LastRow}},
        {50, {"click", "grid cell 1," + LastRow}},
        {200, {"click", "grid cell 4," + LastRow}},
        {270, {"click"}},
    };
    for (const TCase& C : Cases) {
        Log.clear();
        Input::Click(Panel, {C.X, 5});
        EXPECT_EQ(Log, C.Log) << C.X;
    }
}

}  // namespace
