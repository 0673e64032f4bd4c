// Dimensions of the string grid: the wished fixed rows and columns, the footer row that follows
// the row count, header lists and the simple property setters.
#include "ExtGridTestSupport.h"

#include "support/LayerInternals.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/FloatingFooter.h"

#include "windows/WinApi.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

using DimensionsTest = ExtGridFixture;

// One axis of the grid: rows with FixedRowAlways or columns with FixedColAlways.
struct TAxis {
    const char* Name;
    void (*SetAlways)(TExtStringGrid*, bool);
    void (*SetCount)(TExtStringGrid*, int32_t);
    void (*SetFixed)(TExtStringGrid*, int32_t);
    int32_t (*Fixed)(TExtStringGrid*);
    int32_t (*PlatformFixed)(TExtStringGrid*);
};

const TAxis Axes[] = {
    {"rows", [](TExtStringGrid* G, bool V) { G->SetFixedRowAlways(V); },
     [](TExtStringGrid* G, int32_t V) { G->SetRowCount(V); }, [](TExtStringGrid* G, int32_t V) { G->SetFixedRows(V); },
     [](TExtStringGrid* G) { return G->FixedRows(); }, [](TExtStringGrid* G) { return G->TCustomGrid::FixedRows(); }},
    {"columns", [](TExtStringGrid* G, bool V) { G->SetFixedColAlways(V); },
     [](TExtStringGrid* G, int32_t V) { G->SetColCount(V); }, [](TExtStringGrid* G, int32_t V) { G->SetFixedCols(V); },
     [](TExtStringGrid* G) { return G->FixedCols(); }, [](TExtStringGrid* G) { return G->TCustomGrid::FixedCols(); }},
};

TEST_F(DimensionsTest, FixedAlwaysKeepsOneFixedLineAndBringsTheWishedCountBack)
{
    enum TOp { Count, Fixed };
    struct TStep {
        TOp Op;
        int32_t Value;
        int32_t Platform, Read;
    };
    struct TCase {
        const char* Name;
        bool Always;
        std::vector<TStep> Steps;
    };
    const TCase Cases[] = {
        // Three wished on a grid of one line: none applied, one read; ten lines apply them.
        {"wished above the count", true, {{Count, 1, 0, 1}, {Fixed, 3, 0, 1}, {Count, 10, 3, 3}}},
        {"off reads zero", false, {{Fixed, 0, 0, 0}, {Count, 12, 0, 0}}},
        {"on with none wished", true, {{Fixed, 0, 0, 1}, {Count, 12, 0, 1}}},
        // Shrinking to the fixed count leaves one normal line; growing brings the wish back.
        {"shrink and grow", true, {{Fixed, 2, 2, 2}, {Count, 2, 1, 1}, {Count, 3, 2, 2}, {Count, 2, 1, 1}}},
        {"shrink and grow, off", false, {{Fixed, 2, 2, 2}, {Count, 2, 1, 1}, {Count, 6, 1, 1}}},
        // The count asked for is the wish even when less was applied.
        {"wish kept when cut", true, {{Count, 4, 1, 1}, {Fixed, 4, 3, 3}, {Count, 8, 4, 4}}},
    };
    for (const TAxis& A : Axes)
        for (const TCase& C : Cases) {
            Grid->SetFixedRowAlways(false);
            Grid->SetFixedColAlways(false);
            Grid->SetRowCount(10);
            Grid->SetColCount(5);
            Grid->SetFixedRows(1);
            Grid->SetFixedCols(1);
            A.SetAlways(Grid, C.Always);
            int32_t N = 0;
            for (const TStep& S : C.Steps) {
                (S.Op == Count ? A.SetCount : A.SetFixed)(Grid, S.Value);
                EXPECT_EQ(A.PlatformFixed(Grid), S.Platform) << A.Name << ", " << C.Name << ", step " << N;
                EXPECT_EQ(A.Fixed(Grid), S.Read) << A.Name << ", " << C.Name << ", step " << N;
                ++N;
            }
        }
}

// Records the footer recalculations asked for.
class TFooterGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    void CalcFooter(int32_t ACol) override
    {
        Calcs.append(ACol);
        TTestExtGrid::CalcFooter(ACol);
    }
    QList<int32_t> Calcs;
};

TEST_F(DimensionsTest, FloatingFooterRowFollowsTheRowCount)
{
    auto* Footer = New<TFooterGrid>(Form.get());
    Footer->SetParent(Form.get());
    Footer->FloatingFooter()->SetVisible(true);
    ASSERT_EQ(Footer->FixedFooters(), 1);
    TObject Marker;
    for (int32_t c = 0; c < 5; ++c) Footer->SetCells(c, 9, QStringLiteral("total %1").arg(c));
    Footer->SetObjects(2, 9, &Marker);
    Footer->SetCells(1, 8, QStringLiteral("data"));
    struct TCase {
        int32_t NewCount;
    };
    int32_t Last = 9;
    // Growing, shrinking below the old last row, and a count that stays.
    for (const TCase& C : {TCase{15}, {6}, {6}, {30}}) {
        Footer->SetRowCount(C.NewCount);
        const int32_t NewLast = C.NewCount - 1;
        for (int32_t c = 0; c < 5; ++c)
            EXPECT_EQ(Footer->Cells(c, NewLast), QStringLiteral("total %1").arg(c)) << C.NewCount;
        EXPECT_EQ(Footer->Objects(2, NewLast), &Marker) << C.NewCount;
        // Every footer value is recalculated after a move, and only then.
        EXPECT_EQ(Footer->Calcs, NewLast != Last ? QList<int32_t>{-1} : QList<int32_t>{}) << C.NewCount;
        Footer->Calcs.clear();
        // The row above the old footer row stays where it was.
        if (C.NewCount == 15) {
            EXPECT_EQ(Footer->Cells(1, 8), QStringLiteral("data"));
        }
        if (NewLast != Last) {
            for (int32_t c = 0; c < 5; ++c) EXPECT_TRUE(Footer->Cells(c, Last).isEmpty()) << C.NewCount;
            EXPECT_EQ(Footer->Objects(2, Last), nullptr) << C.NewCount;
        }
        Last = NewLast;
    }
    EXPECT_EQ(Footer->MaxRowCount(), 30);
    Footer->SetObjects(2, Last, nullptr);

    // Without the footer the last row is a row like any other.
    Footer->FloatingFooter()->SetVisible(false);
    Footer->SetCells(0, 29, QStringLiteral("plain"));
    Footer->SetRowCount(31);
    EXPECT_EQ(Footer->Cells(0, 29), QStringLiteral("plain"));
    EXPECT_TRUE(Footer->Cells(0, 30).isEmpty());
}

TEST_F(DimensionsTest, CountsKeepTheProportionalScrollBars)
{
    Show();
    Grid->SetScrollProportional(true);
    const auto Info = [&](int32_t Bar) {
        SCROLLINFO Result;
        Result.fMask = SIF_ALL;
        GetScrollInfo(Grid->Handle(), Bar, Result);
        return Result;
    };
    const auto Scramble = [&](int32_t Bar) {
        SCROLLINFO Other;
        Other.fMask = SIF_ALL;
        Other.nMin = 0;
        Other.nMax = 5000;
        Other.nPage = 10;
        Other.nPos = 0;
        SetScrollInfo(Grid->Handle(), Bar, Other, false);
    };
    // Each count setter puts the bars of what does not fit back on the 0..127 thumb scale (range
    // above 127, page range - 126), whatever the platform grid made of them.
    struct TCase {
        const char* Name;
        std::function<void()> Set;
        std::vector<int32_t> Bars;
    };
    const TCase Cases[] = {{"rows", [&] { Grid->SetRowCount(400); }, {SB_VERT}},
                           {"more rows", [&] { Grid->SetRowCount(401); }, {SB_VERT}},
                           {"columns", [&] { Grid->SetColCount(30); }, {SB_VERT, SB_HORZ}},
                           {"more columns", [&] { Grid->SetColCount(31); }, {SB_VERT, SB_HORZ}},
                           {"rows again", [&] { Grid->SetRowCount(402); }, {SB_VERT, SB_HORZ}}};
    for (const TCase& C : Cases) {
        Scramble(SB_VERT);
        Scramble(SB_HORZ);
        C.Set();
        for (int32_t Bar : C.Bars) {
            const SCROLLINFO I = Info(Bar);
            EXPECT_GE(I.nMax, 127) << C.Name << " " << Bar;
            EXPECT_LT(I.nMax, 5000) << C.Name << " " << Bar;
            EXPECT_EQ(static_cast<int32_t>(I.nPage), std::max(0, I.nMax - 126)) << C.Name << " " << Bar;
        }
    }
}

TEST_F(DimensionsTest, HeaderListsUnescapeLineBreaksAndEmptyTheRest)
{
    for (int32_t c = 0; c < 5; ++c) Grid->SetCells(c, 0, QStringLiteral("old"));
    for (int32_t r = 0; r < 10; ++r) Grid->SetCells(0, r, QStringLiteral("old"));
    TStringList Columns;
    Columns.Add(QStringLiteral("Name"));
    Columns.Add(QStringLiteral("Set\\npoint"));
    Columns.Add(QStringLiteral("Unit"));
    Grid->SetColumnHeaders(&Columns);
    const QString Expected[] = {QStringLiteral("Name"), QStringLiteral("Set\rpoint"), QStringLiteral("Unit"), QString(),
                                QString()};
    for (int32_t c = 0; c < 5; ++c) EXPECT_EQ(Grid->Cells(c, 0), Expected[c]) << c;

    // A change of the list itself rewrites the headers (without emptying the others).
    Grid->ColumnHeaders()->Add(QStringLiteral("Note"));
    EXPECT_EQ(Grid->Cells(3, 0), QStringLiteral("Note"));

    // Row headers go into column 0; outside the designer the rows past the list keep their text.
    TStringList Rows;
    Rows.Add(QStringLiteral("top"));
    Rows.Add(QStringLiteral("a\\nb"));
    Grid->SetRowHeaders(&Rows);
    EXPECT_EQ(Grid->Cells(0, 0), QStringLiteral("top"));
    EXPECT_EQ(Grid->Cells(0, 1), QStringLiteral("a\rb"));
    EXPECT_EQ(Grid->Cells(0, 2), QStringLiteral("old"));

    // Without fixed rows (columns) nothing is written.
    Grid->SetFixedRows(0);
    Grid->SetCells(1, 0, QStringLiteral("data"));
    Grid->ColumnHeaders()->Add(QStringLiteral("More"));
    EXPECT_EQ(Grid->Cells(1, 0), QStringLiteral("data"));
    Grid->SetFixedCols(0);
    Grid->RowHeaders()->Add(QStringLiteral("More"));
    EXPECT_EQ(Grid->Cells(0, 2), QStringLiteral("old"));

    // Merged header cells write their base cell.
    Grid->SetFixedRows(1);
    Grid->MergeCells(1, 0, 2, 1);
    Grid->ColumnHeaders()->Clear();
    Grid->ColumnHeaders()->Add(QStringLiteral("a"));
    Grid->ColumnHeaders()->Add(QStringLiteral("b"));
    Grid->ColumnHeaders()->Add(QStringLiteral("c"));
    EXPECT_EQ(Grid->Cells(1, 0), QStringLiteral("c"));
    EXPECT_EQ(Grid->Cells(2, 0), QStringLiteral("Unit"));

    // A nil lookup list is ignored.
    TStringList Words;
    Words.Add(QStringLiteral("alpha"));
    Grid->SetLookupItems(&Words);
    Grid->SetLookupItems(nullptr);
    EXPECT_EQ(Grid->LookupItems()->Text(), QStringLiteral("alpha\r\n"));
}

TEST_F(DimensionsTest, FixedColumnWidthAndFixedRowHeight)
{
    Grid->SetFixedCols(2);
    Grid->SetColWidths(0, 90);
    Grid->SetColWidths(1, 80);
    // The default width leaves widened fixed columns alone; any other width sets them all.
    Grid->SetFixedColWidth(Grid->DefaultColWidth());
    EXPECT_EQ(Grid->ColWidths(0), 90);
    EXPECT_EQ(Grid->ColWidths(1), 80);
    Grid->SetFixedColWidth(40);
    EXPECT_EQ(Grid->ColWidths(0), 40);
    EXPECT_EQ(Grid->ColWidths(1), 40);
    EXPECT_EQ(Grid->ColWidths(2), Grid->DefaultColWidth());
    EXPECT_EQ(Grid->FixedColWidth(), 40);

    Grid->SetFixedRows(2);
    Grid->SetRowHeights(5, 50);
    Grid->SetFixedRowHeight(30);
    EXPECT_EQ(Grid->RowHeights(0), 30);
    EXPECT_EQ(Grid->RowHeights(1), 30);
    EXPECT_EQ(Grid->RowHeights(5), 50);
    // The default height resets every row height.
    Grid->SetFixedRowHeight(Grid->DefaultRowHeight());
    for (int32_t r : {0, 1, 5}) EXPECT_EQ(Grid->RowHeights(r), Grid->DefaultRowHeight()) << r;
    EXPECT_EQ(Grid->FixedRowHeight(), Grid->DefaultRowHeight());

    Grid->SetDefaultRowHeight(26);
    EXPECT_EQ(Grid->FloatingFooter()->Height(), 26);
}

TEST_F(DimensionsTest, PropertySetters)
{
    // The mixer factor is limited to 0..100.
    for (const auto& C : {std::pair{150, 100}, {-5, 0}, {37, 37}}) {
        Grid->SetSelectionColorMixerFactor(C.first);
        EXPECT_EQ(Grid->SelectionColorMixerFactor(), C.second) << C.first;
    }
    // The vertical alignment's text-drawing flag.
    for (const auto& C : {std::pair{vtaCenter, 4u}, {vtaBottom, 8u}, {vtaTop, 0u}}) {
        Grid->SetVAlignment(C.first);
        EXPECT_EQ(Grid->FVAlign, C.second) << C.first;
    }
    // SpreadSheet turns the spreadsheet's selecting and editing on, whatever the value.
    Grid->SetSpreadSheet(false);
    EXPECT_FALSE(Grid->SpreadSheet());
    EXPECT_TRUE(Grid->SelectionRectangle());
    EXPECT_TRUE(Grid->SelectionResizer());
    EXPECT_TRUE(Grid->Navigation()->AllowSmartClipboard());
    EXPECT_TRUE(Grid->Options().Contains(goRangeSelect));
    EXPECT_TRUE(Grid->Options().Contains(goEditing));
    EXPECT_TRUE(Grid->MouseActions()->RangeSelectAndEdit());
    // Gradient colours are kept as RGB values.
    Grid->SetVyxGradientTo(clBtnFace);
    Grid->SetVyxGradientMirrorFrom(clWindow);
    EXPECT_EQ(Grid->VyxGradientTo(), ColorToRGB(clBtnFace));
    EXPECT_EQ(Grid->VyxGradientMirrorFrom(), ColorToRGB(clWindow));
    // The markup renderer takes both highlight colours.
    Grid->SetHighlightColor(clRed);
    Grid->SetHighlightTextColor(clYellow);
    EXPECT_EQ(MarkupHighlightColor, clRed);
    EXPECT_EQ(MarkupHighlightTextColor, clYellow);
    Grid->SetHighlightColor(clHighlight);
    Grid->SetHighlightTextColor(clHighlightText);
    EXPECT_EQ(MarkupHighlightColor, clHighlight);
    // The four drag arrows share one colour.
    Grid->SetArrowColor(clBlue);
    EXPECT_EQ(Grid->ArrowColor(), clBlue);
    Grid->UpdateXYOffset(3, 4);
    EXPECT_EQ(Grid->XYOffset(), Point(3, 4));
    // AutoSize sizes the normal columns to their texts.
    const QString Long = QStringLiteral("a rather long text for one column");
    Grid->SetCells(2, 1, Long);
    Grid->SetCells(0, 1, Long);
    Grid->Canvas()->Font()->Assign(Grid->Font());
    const int32_t Needed = Grid->Canvas()->TextWidth(Long);
    ASSERT_LT(Grid->ColWidths(2), Needed);
    Grid->SetAutoSize(true);
    EXPECT_TRUE(Grid->AutoSize());
    EXPECT_GE(Grid->ColWidths(2), Needed + 10);
    EXPECT_LT(Grid->ColWidths(0), Needed);
}

TEST_F(DimensionsTest, SettersRepaintOnlyWhenTheValueChanges)
{
    Show();
    struct TCase {
        const char* Name;
        std::function<void()> Same, Other;
    };
    const TCase Cases[] = {
        {"ShowDesignHelper", [&] { Grid->SetShowDesignHelper(true); }, [&] { Grid->SetShowDesignHelper(false); }},
        {"DefaultAlignment", [&] { Grid->SetDefaultAlignment(taLeftJustify); },
         [&] { Grid->SetDefaultAlignment(taCenter); }},
        {"SelectionColor", [&] { Grid->SetSelectionColor(Grid->SelectionColor()); },
         [&] { Grid->SetSelectionColor(clLime); }},
        {"SelectionColorMixerFactor", [&] { Grid->SetSelectionColorMixerFactor(50); },
         [&] { Grid->SetSelectionColorMixerFactor(60); }},
        {"HighlightColor", [&] { Grid->SetHighlightColor(Grid->HighlightColor()); },
         [&] { Grid->SetHighlightColor(clAqua); }},
        {"ShowSelection", [&] { Grid->SetShowSelection(true); }, [&] { Grid->SetShowSelection(false); }},
        {"VyxGradientFrom", [&] { Grid->SetVyxGradientFrom(Grid->VyxGradientFrom()); },
         [&] { Grid->SetVyxGradientFrom(clSilver); }},
    };
    TRect Pending;
    for (const TCase& C : Cases) {
        ProcessPendingEvents();
        TPaintHold Hold;
        ASSERT_FALSE(GetUpdateRect(Grid->Handle(), Pending)) << C.Name;
        C.Same();
        EXPECT_FALSE(GetUpdateRect(Grid->Handle(), Pending)) << C.Name;
        C.Other();
        EXPECT_TRUE(GetUpdateRect(Grid->Handle(), Pending)) << C.Name;
    }
    SetMarkupHighlightColors(clHighlight, clHighlightText);
}

TEST_F(DimensionsTest, MergedColumnsListMergesItsColumns)
{
    for (int32_t r = 1; r < 10; ++r) {
        Grid->SetCells(1, r, r < 4 ? QStringLiteral("a") : QStringLiteral("b"));
        Grid->SetCells(2, r, r < 6 ? QStringLiteral("x") : QStringLiteral("y"));
    }
    Grid->MergedColumns()->Add(1);
    EXPECT_EQ(Grid->CellSpan(1, 1).Y, 2);
    EXPECT_FALSE(Grid->IsMergedCell(2, 1));
    // Only the first listed column merges on its own; the next one within its runs.
    Grid->MergedColumns()->Add(2);
    EXPECT_EQ(Grid->CellSpan(1, 1).Y, 2);
    EXPECT_EQ(Grid->CellSpan(2, 1).Y, 2);
    EXPECT_EQ(Grid->CellSpan(2, 4).Y, 1);
    // Taking a column out of the list splits it.
    Grid->MergedColumns()->DeleteValue(1);
    EXPECT_FALSE(Grid->IsMergedCell(1, 1));
    EXPECT_EQ(Grid->CellSpan(2, 1).Y, 4);
}

TEST_F(DimensionsTest, CurrentColumnFollowsIntoTheSyncGrid)
{
    auto* Other = New<TTestExtGrid>(Form.get());
    Other->SetParent(Form.get());
    Grid->SyncGrid()->SetGrid(Other);
    Other->SyncGrid()->SetGrid(Grid);
    Grid->SetCol(3);
    EXPECT_EQ(Other->Col(), 1);
    Grid->SyncGrid()->SetSelectionColumn(true);
    Other->SyncGrid()->SetSelectionColumn(true);
    Grid->SetCol(3);
    EXPECT_EQ(Other->Col(), 3);
    Other->SetCol(2);
    EXPECT_EQ(Grid->Col(), 2);
    Grid->SyncGrid()->SetGrid(nullptr);
    Other->SyncGrid()->SetGrid(nullptr);
}

}  // namespace
