// The string grid driven by the keyboard and the mouse: moves, range and row selection, vetoes, auto-scrolling, sizing and moving.
#include "GridTestSupport.h"

#include "support/LayerInternals.h"

#include "graphics/Canvas.h"
#include "rtl/NumConv.h"
#include "rtl/Strings.h"
#include "windows/StdCtrls.h"
#include "windows/SystemMetrics.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using GridKeysTest = GridFixture;
using GridMouseTest = GridFixture;

using TKeys = std::vector<std::pair<uint16_t, TShiftState>>;

// ---- Keyboard moves ----

TEST_F(GridKeysTest, KeysMoveTheCurrentCellAsTheOptionsSay)
{
    // 10 x 30 cells in 300 x 200: columns 1..4 and rows 1..8 show whole.
    struct TCase {
        const char* Name;
        TGridOptions Added, Removed;
        TGridCoord Start;
        TKeys Keys;
        const char* Where;
        int32_t TopRow;
        std::function<bool(int32_t, int32_t)> Veto = nullptr;
        std::function<void(TLoggingGrid*, int32_t, int32_t)> InSelectCell = nullptr;
    } Cases[] = {
        {"Right", {}, {}, {1, 1}, {{VK_RIGHT, {}}}, "2,1 [2,1-2,1]", 1},
        {"Down twice", {}, {}, {1, 1}, {{VK_DOWN, {}}, {VK_DOWN, {}}}, "1,3 [1,3-1,3]", 1},
        {"Up at the first row stays", {}, {}, {1, 1}, {{VK_UP, {}}}, "1,1 [1,1-1,1]", 1},
        {"Left stops at the fixed column", {}, {}, {1, 1}, {{VK_LEFT, {}}}, "1,1 [1,1-1,1]", 1},
        {"End", {}, {}, {1, 1}, {{VK_END, {}}}, "9,1 [9,1-9,1]", 1},
        {"Ctrl+End goes to the last cell", {}, {}, {1, 1}, {{VK_END, {ssCtrl}}}, "9,29 [9,29-9,29]", 22},
        {"Ctrl+Home goes to the first cell", {}, {}, {5, 5}, {{VK_HOME, {ssCtrl}}}, "1,1 [1,1-1,1]", 1},
        {"PgDn moves a page", {}, {}, {1, 1}, {{VK_NEXT, {}}}, "1,9 [1,9-1,9]", 9},
        {"PgDn then PgUp", {}, {}, {1, 1}, {{VK_NEXT, {}}, {VK_PRIOR, {}}}, "1,1 [1,1-1,1]", 1},
        {"Shift extends the range", {}, {}, {1, 1}, {{VK_DOWN, {ssShift}}, {VK_RIGHT, {ssShift}}}, "2,2 [1,1-2,2]", 1},
        {"a plain move ends the range", {}, {}, {1, 1}, {{VK_DOWN, {ssShift}}, {VK_DOWN, {}}}, "1,3 [1,3-1,3]", 1},
        {"Shift without goRangeSelect", {}, {goRangeSelect}, {1, 1}, {{VK_DOWN, {ssShift}}}, "1,2 [1,2-1,2]", 1},
        {"Tab without goTabs leaves the cell", {}, {}, {1, 1}, {{VK_TAB, {}}}, "1,1 [1,1-1,1]", 1},
        {"Tab with goTabs", {goTabs}, {}, {1, 1}, {{VK_TAB, {}}}, "2,1 [2,1-2,1]", 1},
        {"Tab wraps to the next row", {goTabs}, {}, {9, 1}, {{VK_TAB, {}}}, "1,2 [1,2-1,2]", 1},
        {"Shift+Tab wraps back", {goTabs}, {}, {1, 2}, {{VK_TAB, {ssShift}}}, "9,1 [9,1-9,1]", 1},
        {"Shift+Tab at the first cell", {goTabs}, {}, {1, 1}, {{VK_TAB, {ssShift}}}, "9,29 [9,29-9,29]", 22},
        {"goRowSelect selects the row", {goRowSelect}, {}, {1, 1}, {{VK_DOWN, {}}}, "1,2 [1,2-9,2]", 1},
        {"goRowSelect Right scrolls", {goRowSelect}, {}, {1, 1}, {{VK_RIGHT, {}}}, "1,1 [1,1-9,1]", 1},
        {"SelectCell refuses",
         {},
         {},
         {1, 1},
         {{VK_RIGHT, {}}},
         "1,1 [1,1-1,1]",
         1,
         [](int32_t C, int32_t) { return C == 2; }},
        {"after a refusal another key passes",
         {},
         {},
         {1, 1},
         {{VK_RIGHT, {}}, {VK_DOWN, {}}},
         "1,2 [1,2-1,2]",
         1,
         [](int32_t C, int32_t) { return C == 2; }},
        {"Options set in SelectCell",
         {},
         {},
         {1, 1},
         {{VK_DOWN, {}}},
         "1,2 [1,2-9,2]",
         1,
         nullptr,
         [](TLoggingGrid* G, int32_t, int32_t) { G->SetOptions(G->Options() + TGridOptions{goRowSelect}); }},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        MakeGrid(10, 30);
        Grid->SetOptions(Grid->Options() + Case.Added - Case.Removed);
        Grid->SetCol(Case.Start.X);
        Grid->SetRow(Case.Start.Y);
        Grid->Veto = Case.Veto;
        Grid->InSelectCell = Case.InSelectCell;
        for (const auto& [Key, Shift] : Case.Keys) Input::PressKey(Key, Shift);
        EXPECT_EQ(Where(), QString::fromUtf8(Case.Where));
        EXPECT_EQ(Grid->TopRow(), Case.TopRow);
    }
}

TEST_F(GridKeysTest, EveryMoveAsksSelectCellFirst)
{
    MakeGrid(10, 30);
    Grid->Veto = [](int32_t C, int32_t R) { return C == 2 && R == 1; };
    Input::PressKey(VK_RIGHT);
    Input::PressKey(VK_DOWN);
    Input::Click(Grid, CellPoint(3, 3));
    Input::TurnWheel(Grid, CellPoint(3, 3), -WHEEL_DELTA);
    EXPECT_EQ(Grid->Log.filter(QStringLiteral("SelectCell")),
              (QStringList{"SelectCell 2,1", "SelectCell 1,2", "SelectCell 3,3", "SelectCell 3,4"}));
    EXPECT_EQ(Where(), QStringLiteral("3,4 [3,4-3,4]"));
}

TEST_F(GridKeysTest, DialogCodesClaimWhatTheOptionsNeed)
{
    MakeGrid(5, 5);
    struct TCase {
        TGridOptions Added;
        LRESULT Code;
    } Cases[] = {
        {{}, DLGC_WANTARROWS | DLGC_WANTCHARS},
        {{goTabs}, DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB},
        {{goEditing}, DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS},
    };
    const TGridOptions Plain = Grid->Options();
    for (const TCase& Case : Cases) {
        Grid->SetOptions(Plain + Case.Added);
        EXPECT_EQ(Grid->Perform(WM_GETDLGCODE, 0, 0), Case.Code);
    }
    // Through the keyboard: Tab leaves the grid unless goTabs keeps it.
    auto* Other = Place<TEdit>(Form.get(), Bounds(10, 215, 80, 21));
    Grid->SetOptions(Plain);
    Grid->SetFocus();
    Input::PressKey(VK_TAB);
    EXPECT_TRUE(Other->Focused());
    Grid->SetOptions(Plain + TGridOptions{goTabs});
    Grid->SetFocus();
    Input::PressKey(VK_TAB);
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Col(), 2);
}

// ---- Mouse ----

TEST_F(GridMouseTest, ClicksAndDragsSelect)
{
    struct TCase {
        const char* Name;
        TGridOptions Removed;
        std::function<void(GridFixture&)> Act;
        const char* Where;
        int32_t Clicks;
    } Cases[] = {
        {"a click", {}, [](GridFixture& F) { Input::Click(F.Grid, F.CellPoint(3, 4)); }, "3,4 [3,4-3,4]", 1},
        {"a drag selects a range",
         {},
         [](GridFixture& F) { Input::Drag(F.Grid, F.CellPoint(1, 1), F.CellPoint(3, 3)); },
         "1,1 [1,1-3,3]",
         1},
        {"Shift+click extends",
         {},
         [](GridFixture& F) {
             Input::Click(F.Grid, F.CellPoint(1, 1));
             Input::Click(F.Grid, F.CellPoint(3, 3), mbLeft, {ssShift});
         },
         "1,1 [1,1-3,3]",
         2},
        {"a drag without goRangeSelect moves",
         {goRangeSelect},
         [](GridFixture& F) { Input::Drag(F.Grid, F.CellPoint(1, 1), F.CellPoint(3, 3)); },
         "3,3 [3,3-3,3]",
         1},
        {"a fixed cell selects nothing",
         {},
         [](GridFixture& F) { Input::Click(F.Grid, F.CellPoint(2, 0)); },
         "1,1 [1,1-1,1]",
         0},
        {"outside the cells",
         {},
         [](GridFixture& F) {
             Input::Click(F.Grid, {290, 190});
         },
         "1,1 [1,1-1,1]",
         0},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        MakeGrid(5, 5);
        Grid->SetOptions(Grid->Options() - Case.Removed);
        int32_t Clicks = 0;
        Grid->OnClick = [&](TObject*) { ++Clicks; };
        Case.Act(*this);
        EXPECT_EQ(Where(), QString::fromUtf8(Case.Where));
        EXPECT_EQ(Clicks, Case.Clicks);
        EXPECT_EQ(Grid->FGridState, gsNormal);
    }
}

TEST_F(GridMouseTest, ASelectionDraggedPastTheEdgeScrollsOnTheTimer)
{
    TTestClock Clock;
    MakeGrid(10, 30);
    Input::MouseDown(Grid, CellPoint(2, 2));
    Input::MoveMouse(Grid, {100, 215});
    EXPECT_EQ(Grid->TopRow(), 1);
    Clock.Advance(60);
    EXPECT_EQ(Grid->TopRow(), 2);
    EXPECT_EQ(Where(), QStringLiteral("2,2 [2,2-2,9]"));
    // Each tick scrolls one row.
    for (int I = 0; I < 3; ++I) Clock.Advance(60);
    EXPECT_EQ(Grid->TopRow(), 5);
    EXPECT_EQ(Where(), QStringLiteral("2,2 [2,2-2,12]"));
    Input::MouseUp(Grid, {100, 215});
    for (int I = 0; I < 3; ++I) Clock.Advance(60);
    EXPECT_EQ(Grid->TopRow(), 5);
    // Back over the cells nothing scrolls.
    Input::MouseDown(Grid, CellPoint(2, 6));
    Input::MoveMouse(Grid, CellPoint(3, 7));
    for (int I = 0; I < 3; ++I) Clock.Advance(60);
    EXPECT_EQ(Grid->TopRow(), 5);
    Input::MouseUp(Grid, CellPoint(3, 7));
    EXPECT_EQ(Where(), QStringLiteral("2,6 [2,6-3,7]"));
}

TEST_F(GridMouseTest, SizingAtBordersInTheFixedCells)
{
    // Column 1 ends at x 101, row 1 at y 41.
    struct TCase {
        const char* Name;
        TGridOptions Added;
        TPoint From, To;
        int32_t Width, Height;
        TCursor Cursor;
        bool Cancel = false;
    } Cases[] = {
        {"a column border", {goColSizing}, {101, 10}, {131, 10}, 80, 20, crHSplit},
        {"3 pixels off the border", {goColSizing}, {104, 10}, {134, 10}, 80, 20, crHSplit},
        {"narrower", {goColSizing}, {99, 10}, {69, 10}, 20, 20, crHSplit},
        {"4 pixels off sizes nothing", {goColSizing}, {105, 10}, {135, 10}, 50, 20, crDefault},
        {"without goColSizing", {}, {101, 10}, {131, 10}, 50, 20, crDefault},
        {"a column border below the fixed row", {goColSizing}, {101, 30}, {131, 30}, 50, 20, crDefault},
        {"a row border", {goRowSizing}, {10, 41}, {10, 61}, 50, 40, crVSplit},
        {"a row border in a normal column", {goRowSizing}, {100, 41}, {100, 61}, 50, 20, crDefault},
        {"the state reset before the release", {goColSizing}, {101, 10}, {131, 10}, 50, 20, crHSplit, true},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        MakeGrid(5, 5);
        Grid->SetOptions(Grid->Options() + Case.Added);
        ::SetCursor(nullptr);
        Input::MoveMouse(Grid, Case.From);
        const HCURSOR Hover = GetCursor();
        Input::MouseDown(Grid, Case.From);
        Input::MoveMouse(Grid, Case.To);
        if (Case.Cursor != crDefault) {
            EXPECT_EQ(Hover, Screen->Cursors(Case.Cursor));
            EXPECT_EQ(GetCursor(), Screen->Cursors(Case.Cursor));
            EXPECT_EQ(Grid->FGridState, Case.Cursor == crHSplit ? gsColSizing : gsRowSizing);
        } else {
            EXPECT_NE(Grid->FGridState, gsColSizing);
            EXPECT_NE(Grid->FGridState, gsRowSizing);
        }
        if (Case.Cancel) Grid->FGridState = gsNormal;
        Input::MouseUp(Grid, Case.To);
        EXPECT_EQ(Grid->ColWidths(1), Case.Width);
        EXPECT_EQ(Grid->RowHeights(1), Case.Height);
    }
}

TEST_F(GridMouseTest, TheSizingLineShowsInvertedWhereTheBorderGoes)
{
    MakeGrid(5, 5);
    Grid->SetOptions(Grid->Options() + TGridOptions{goColSizing});
    Input::MouseDown(Grid, {101, 10});
    Input::MoveMouse(Grid, {141, 10});
    const QImage During = RenderControl(Grid);
    // Inside cell (2, 2), white, the line is black.
    EXPECT_EQ(During.pixelColor(141, 50), QColor(Qt::black));
    EXPECT_EQ(During.pixelColor(139, 50), QColor(Qt::white));
    Input::MouseUp(Grid, {141, 10});
    // Column 1 now ends there: its grid line, and no inverted line beside it.
    const QImage After = RenderControl(Grid);
    EXPECT_EQ(Grid->ColWidths(1), 90);
    EXPECT_EQ(After.pixelColor(141, 50), QColor(192, 192, 192));
    EXPECT_EQ(After.pixelColor(145, 50), QColor(Qt::white));
}

TEST_F(GridMouseTest, HeadersDragColumnsAndRowsToTheirPlaces)
{
    struct TCase {
        const char* Name;
        TGridOptions Added;
        TGridCoord From, To;
        const char* Moved;
        const char* Row1;
        const char* Col0;
    } Cases[] = {
        {"a column on", {goColMoving}, {1, 0}, {3, 0}, "ColumnMoved 1,3", "a1,c1,d1,b1,e1", "a0,a1,a2,a3,a4"},
        {"a column back", {goColMoving}, {4, 0}, {2, 0}, "ColumnMoved 4,2", "a1,b1,e1,c1,d1", "a0,a1,a2,a3,a4"},
        {"a row", {goRowMoving}, {0, 1}, {0, 3}, "RowMoved 1,3", "a2,b2,c2,d2,e2", "a0,a2,a3,a1,a4"},
        {"without goColMoving", {}, {1, 0}, {3, 0}, "", "a1,b1,c1,d1,e1", "a0,a1,a2,a3,a4"},
        {"onto itself", {goColMoving}, {2, 0}, {2, 0}, "", "a1,b1,c1,d1,e1", "a0,a1,a2,a3,a4"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        MakeGrid(5, 5);
        Grid->SetOptions(Grid->Options() + Case.Added);
        for (int32_t R = 0; R < 5; ++R)
            for (int32_t C = 0; C < 5; ++C) Grid->SetCells(C, R, QStringLiteral("%1%2").arg(QChar('a' + C)).arg(R));
        Grid->Log.clear();
        Input::Drag(Grid, CellPoint(Case.From.X, Case.From.Y), CellPoint(Case.To.X, Case.To.Y));
        EXPECT_EQ(Grid->Log.filter(QStringLiteral("Moved")).join(QLatin1Char(';')), QString::fromUtf8(Case.Moved));
        EXPECT_EQ(Grid->Rows(1)->CommaText(), QString::fromUtf8(Case.Row1));
        EXPECT_EQ(Grid->Cols(0)->CommaText(), QString::fromUtf8(Case.Col0));
        EXPECT_EQ(Grid->FGridState, gsNormal);
    }
}

TEST_F(GridMouseTest, WheelNotchesMoveARowAndUnhandledWheelsGoUp)
{
    MakeGrid(5, 30);
    struct TCase {
        int32_t Delta;
        int32_t Row;
    } Turns[] = {{-WHEEL_DELTA, 2}, {-2 * WHEEL_DELTA, 4}, {WHEEL_DELTA, 3}, {-60, 3}, {-60, 4}, {5 * WHEEL_DELTA, 1}};
    for (const TCase& Turn : Turns) {
        Input::TurnWheel(Grid, CellPoint(2, 2), Turn.Delta);
        EXPECT_EQ(Grid->Row(), Turn.Row);
    }
    // A control that does not take the wheel hands it to its parent.
    auto* Plain = Place<TPlainControl>(Form.get(), Bounds(10, 215, 40, 20));
    int32_t Downs = 0;
    Form->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& Handled) {
        ++Downs;
        Handled = true;
    };
    Input::TurnWheel(Plain, {5, 5}, -WHEEL_DELTA);
    Input::TurnWheel(Grid, CellPoint(2, 2), -WHEEL_DELTA);
    EXPECT_EQ(Downs, 1);
}

// ---- The window's scroll bars ----

TEST_F(GridMouseTest, TheThumbMapsOntoRowsFromZeroTo127)
{
    // 101 rows, 1 fixed, 10 showing whole.
    MakeGrid(4, 101, 300, 231);
    Grid->SetScrollBars(ssVertical);
    ProcessPendingEvents();
    ASSERT_EQ(Grid->VisibleRowCount(), 10);
    ASSERT_EQ(Grid->ClientWidth(), 300 - GetSystemMetrics(SM_CXVSCROLL));
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    GetScrollInfo(Grid->Handle(), SB_VERT, Info);
    EXPECT_EQ(Info.nMin, 0);
    EXPECT_EQ(Info.nMax, 127);
    Input::DragScrollThumb(Grid, SB_VERT, 64);
    EXPECT_EQ(Grid->TopRow(), 46);
    EXPECT_EQ(GetScrollPos(Grid->Handle(), SB_VERT), 64);
    struct TClick {
        Input::TScrollBarPart Part;
        int32_t TopRow;
    } Clicks[] = {{Input::sbpLineDown, 47}, {Input::sbpPageDown, 57}, {Input::sbpLineUp, 56}, {Input::sbpPageUp, 46}};
    for (const TClick& Click : Clicks) {
        Input::ClickScrollBar(Grid, SB_VERT, Click.Part);
        EXPECT_EQ(Grid->TopRow(), Click.TopRow);
    }
    // With goThumbTracking the rows follow the thumb while it moves.
    Grid->SetOptions(Grid->Options() + TGridOptions{goThumbTracking});
    Grid->Log.clear();
    Input::DragScrollThumb(Grid, SB_VERT, 127);
    EXPECT_EQ(Grid->TopRow(), 91);
    EXPECT_GT(Grid->Log.filter(QStringLiteral("TopLeftChanged")).size(), 1);
}

// The window procedure sees each scroll message before the grid scrolls, and the grid scrolls by the
// message as the procedure leaves it.
TEST_F(GridMouseTest, ScrollMessagesPassTheWindowProcedureBeforeTheGridScrolls)
{
    MakeGrid(4, 101, 300, 231);
    Grid->SetScrollBars(ssVertical);
    QStringList Seen;
    int32_t ForcedPos = -1;
    const TWndMethod Inherited = Grid->WindowProc();
    Grid->SetWindowProc([&](TMessage& Message) {
        if (Message.Msg == WM_VSCROLL) {
            const TWMScroll Scroll(Message);
            Seen.append(QStringLiteral("%1 %2 top %3").arg(Scroll.ScrollCode()).arg(Scroll.Pos()).arg(Grid->TopRow()));
            if (ForcedPos >= 0 && Scroll.ScrollCode() == SB_THUMBPOSITION)
                Message.WParam = MAKEWPARAM(SB_THUMBPOSITION, static_cast<uint16_t>(ForcedPos));
        }
        Inherited(Message);
    });
    Input::ClickScrollBar(Grid, SB_VERT, Input::sbpLineDown);
    EXPECT_EQ(Seen, (QStringList{QStringLiteral("%1 0 top 1").arg(SB_LINEDOWN),
                                 QStringLiteral("%1 0 top 2").arg(SB_ENDSCROLL)}));
    Seen.clear();
    Input::DragScrollThumb(Grid, SB_VERT, 64);
    ASSERT_GE(Seen.size(), 3);
    EXPECT_EQ(Seen.at(Seen.size() - 2), QStringLiteral("%1 64 top 2").arg(SB_THUMBPOSITION));
    EXPECT_EQ(Grid->TopRow(), 46);
    ForcedPos = 127;
    Input::DragScrollThumb(Grid, SB_VERT, 10);
    EXPECT_EQ(Grid->TopRow(), 91) << "the position as the procedure rewrote it";
    Grid->SetWindowProc(nullptr);
}

// A descendant's own range and page stay while the grid scrolls; a new count sets the range again.
TEST_F(GridMouseTest, TheRangeIsSetAgainOnlyWhenCountsOrSizesChange)
{
    MakeGrid(4, 101, 300, 231);
    Grid->SetScrollBars(ssVertical);
    SCROLLINFO Own;
    Own.fMask = SIF_RANGE | SIF_PAGE;
    Own.nMax = 177;
    Own.nPage = 51;
    SetScrollInfo(Grid->Handle(), SB_VERT, Own, true);
    Input::PressKey(VK_NEXT);
    Input::TurnWheel(Grid, CellPoint(1, 2), -WHEEL_DELTA);
    Input::ClickScrollBar(Grid, SB_VERT, Input::sbpLineDown);
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    GetScrollInfo(Grid->Handle(), SB_VERT, Info);
    EXPECT_EQ(Info.nMax, 177);
    EXPECT_EQ(Info.nPage, 51u);
    EXPECT_EQ(Info.nPos, MulDiv(Grid->TopRow() - 1, 127, 90));
    Grid->SetRowCount(120);
    GetScrollInfo(Grid->Handle(), SB_VERT, Info);
    EXPECT_EQ(Info.nMax, 127);
}

TEST_F(GridMouseTest, ScrollBarsShowOnlyWhileTheCellsDoNotFit)
{
    MakeGrid(4, 5, 300, 200);
    Grid->SetScrollBars(ssBoth);
    ProcessPendingEvents();
    EXPECT_EQ(Grid->ClientRect(), Bounds(0, 0, 300, 200));
    Grid->SetRowCount(40);
    EXPECT_EQ(Grid->ClientRect(), Bounds(0, 0, 300 - GetSystemMetrics(SM_CXVSCROLL), 200));
    Grid->SetColCount(12);
    EXPECT_EQ(Grid->ClientRect(),
              Bounds(0, 0, 300 - GetSystemMetrics(SM_CXVSCROLL), 200 - GetSystemMetrics(SM_CYHSCROLL)));
    Grid->SetTopRow(30);
    Grid->SetRowCount(5);
    EXPECT_EQ(Grid->TopRow(), 1);
    EXPECT_EQ(Grid->ClientRect(), Bounds(0, 0, 300, 200 - GetSystemMetrics(SM_CYHSCROLL)));
    Grid->SetScrollBars(ssNone);
    EXPECT_EQ(Grid->ClientRect(), Bounds(0, 0, 300, 200));
}

}  // namespace
