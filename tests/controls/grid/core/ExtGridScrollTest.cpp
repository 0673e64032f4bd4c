// Proportional scroll bars, scroll hints, the in-cell scroll bar, column stretching, proportional
// sizing of all columns and drag scrolling on the test clock.
#include "ExtGridTestSupport.h"

#include "grid/base/GridSettings.h"
#include "grid/core/ColumnSize.h"
#include "grid/core/GridOptions.h"

#include "windows/ComCtrls.h"
#include "windows/ExtCtrls.h"
#include "windows/Timer.h"
#include "rtl/NumConv.h"
#include "support/ExceptionMessage.h"

namespace {

// The grid with the sizing state the mouse handling sets opened.
class TSizingGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    using TExtStringGrid::ColSized;
    using TExtStringGrid::Colclicked;
    using TExtStringGrid::Colclickedsize;
    using TExtStringGrid::FScrollBar;
    using TExtStringGrid::FScrollCol;
    using TExtStringGrid::FScrollRow;
    using TExtStringGrid::Rowclicked;
    using TExtStringGrid::Rowclickedsize;
    using TExtStringGrid::Rowsized;
};

class ScrollTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetClientWidth(500);
        Form->SetClientHeight(400);
        Grid = New<TSizingGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(10, 10, 400, 300);
        Form->Show();
        ProcessPendingEvents();
    }

    SCROLLINFO Info(int32_t Bar)
    {
        SCROLLINFO Result;
        Result.fMask = SIF_ALL;
        GetScrollInfo(Grid->Handle(), Bar, Result);
        return Result;
    }

    // Client height for exactly Rows rows of 22 pixels (and their lines) below one fixed row.
    void ShowRows(int32_t Rows)
    {
        Grid->SetClientHeight(23 * (Rows + 1) + 10);
        ProcessPendingEvents();
        ASSERT_EQ(Grid->VisibleRowCount(), Rows);
    }

    std::unique_ptr<TForm> Form;
    TSizingGrid* Grid = nullptr;
};

// ---- Proportional scroll bars ----

TEST_F(ScrollTest, ProportionalVerticalBarFollowsTheVisibleShare)
{
    // One fixed row of 19 and twenty normal rows, nineteen of 19 and one of 20, lines of 1: F = 21,
    // C = 402.
    Grid->SetDefaultRowHeight(19);
    Grid->SetRowCount(21);
    Grid->SetRowHeights(20, 20);
    // Height 222: (222 - 21) / 402 = 0.5.
    Grid->SetHeight(222);
    ProcessPendingEvents();
    Grid->SetScrollProportional(true);
    SCROLLINFO V = Info(SB_VERT);
    EXPECT_EQ(V.nMax, 255);
    EXPECT_EQ(V.nPage, 129u);
    EXPECT_EQ(V.nPos, 0);

    // Five rows down: D = 1 + 4 * 20 = 81, 81 / (402 - 222) * 128 = 57.6.
    Grid->SetTopRow(5);
    Grid->UpdateVertScrollProportional();
    EXPECT_EQ(Info(SB_VERT).nPos, 57);
}

TEST_F(ScrollTest, ProportionalBarsLeaveWhatFitsUntouched)
{
    struct TCase {
        const char* Name;
        int32_t Rows;
        int32_t Cols;
        bool VertChanges;
        bool HorzChanges;
    };
    // Nine columns of 64 (lines of 1) beside one fixed column in 359 pixels: e = 0.5 as well.
    for (const TCase& C : {TCase{"all fit", 3, 3, false, false}, TCase{"rows fit", 3, 10, false, true},
                           TCase{"columns fit", 40, 3, true, false}}) {
        SCOPED_TRACE(C.Name);
        Grid->SetScrollProportional(false);
        Grid->SetRowCount(C.Rows);
        Grid->SetColCount(C.Cols);
        Grid->SetWidth(359);
        ProcessPendingEvents();
        const SCROLLINFO V0 = Info(SB_VERT), H0 = Info(SB_HORZ);
        Grid->SetScrollProportional(true);
        const SCROLLINFO V = Info(SB_VERT), H = Info(SB_HORZ);
        EXPECT_EQ(V.nMax != V0.nMax || V.nPage != V0.nPage, C.VertChanges);
        EXPECT_EQ(H.nMax != H0.nMax || H.nPage != H0.nPage, C.HorzChanges);
        if (C.HorzChanges) {
            EXPECT_EQ(H.nMax, 255);
            EXPECT_EQ(H.nPage, 129u);
            // The columns are wider than the grid: the bar stays.
            EXPECT_TRUE(GetWindowLong(Grid->Handle(), GWL_STYLE) & WS_HSCROLL);
        }
    }
    // Off again: the thumb covers 0..127 with no page.
    Grid->SetColCount(10);
    Grid->SetScrollProportional(true);
    ASSERT_EQ(Info(SB_HORZ).nMax, 255);
    Grid->SetScrollProportional(false);
    EXPECT_EQ(Info(SB_HORZ).nPage, 0u);
    EXPECT_EQ(Info(SB_HORZ).nMax, 127);
}

TEST_F(ScrollTest, FlatScrollTypesStayOffWithoutTheCommonControlsModule)
{
    Grid->SetRowCount(60);
    for (const TScrollType Type : {ssFlat, ssEncarta, ssNormal, ssFlat}) {
        SCOPED_TRACE(Type);
        Grid->SetScrollType(Type);
        Grid->SetScrollColor(clRed);
        Grid->SetScrollWidth(30);
        EXPECT_EQ(Grid->ScrollType(), Type);
        EXPECT_FALSE(Grid->IsFlat());
        // The window's own bar keeps scrolling.
        EXPECT_TRUE(GetWindowLong(Grid->Handle(), GWL_STYLE) & WS_VSCROLL);
    }
    Grid->SetTopRow(1);
    Input::ClickScrollBar(Grid, SB_VERT, Input::sbpLineDown);
    EXPECT_EQ(Grid->TopRow(), 2);
}

TEST_F(ScrollTest, ScrollingSidewaysWithoutFixedColumnsClosesTheEditor)
{
    struct TCase {
        int32_t FixedCols;
        bool Closed;
    };
    Grid->SetColCount(30);
    TGridOptions Options = Grid->Options();
    Options.Include(goEditing);
    Grid->SetOptions(Options);
    for (const TCase& C : {TCase{1, false}, TCase{0, true}}) {
        SCOPED_TRACE(C.FixedCols);
        Grid->SetFixedCols(C.FixedCols);
        Grid->SetLeftCol(C.FixedCols);
        // A line click carries position 0: the target column is the first scrolling one.
        Grid->FocusCell(C.FixedCols, 1);
        Grid->SetFocus();
        Grid->SetEditorMode(true);
        ASSERT_TRUE(Grid->EditorMode());
        Input::ClickScrollBar(Grid, SB_HORZ, Input::sbpLineDown);
        EXPECT_EQ(Grid->LeftCol(), C.FixedCols + 1);
        EXPECT_EQ(Grid->EditorMode(), !C.Closed);
        Grid->SetEditorMode(false);
    }
}

// ---- Scroll hints ----

TEST_F(ScrollTest, ThumbDragShowsTheTargetRowOrColumn)
{
    struct TCase {
        TScrollHintType Hints;
        int32_t Bar;
        bool Shown;
    };
    Grid->SetRowCount(101);
    Grid->SetColCount(40);
    ShowRows(10);
    for (const TCase& C : {TCase{shBoth, SB_VERT, true}, TCase{shVertical, SB_VERT, true},
                           TCase{shHorizontal, SB_VERT, false}, TCase{shHorizontal, SB_HORZ, true},
                           TCase{shVertical, SB_HORZ, false}, TCase{shNone, SB_VERT, false}}) {
        SCOPED_TRACE(QStringLiteral("hints %1 bar %2").arg(C.Hints).arg(C.Bar).toStdString());
        Grid->SetTopRow(1);
        Grid->SetLeftCol(1);
        Grid->SetScrollHints(C.Hints);
        QStringList Hints;
        QList<int32_t> Indexes;
        bool ShowingDuringTrack = false;
        Grid->OnScrollHint = [&](TObject*, int32_t Index, QString& Hint) {
            Hints.append(Hint);
            Indexes.append(Index);
            ShowingDuringTrack = Grid->ScrollHintShowing();
        };
        // The middle of 101 rows with 10 shown below one fixed row: MulDiv(64, 90, 127) + 1 = 46.
        Input::DragScrollThumb(Grid, C.Bar, 64);
        Grid->OnScrollHint = nullptr;
        ASSERT_EQ(!Hints.isEmpty(), C.Shown);
        EXPECT_FALSE(Grid->ScrollHintShowing());
        if (!C.Shown) continue;
        const int32_t Count = C.Bar == SB_VERT ? 101 - 10 - 1 : 40 - Grid->VisibleColCount() - 1;
        const int32_t Expected = MulDiv(64, Count, 127) + 1;
        EXPECT_EQ(Hints.last(), (C.Bar == SB_VERT ? QStringLiteral("Row : ") : QStringLiteral("Col : ")) +
                                    QString::number(Expected));
        EXPECT_EQ(Indexes.last(), Expected);
        if (C.Bar == SB_VERT) {
            EXPECT_EQ(Hints.last(), QStringLiteral("Row : 46"));
        }
        // The hint of the step before was showing.
        if (Hints.size() > 1) {
            EXPECT_TRUE(ShowingDuringTrack);
        }
        EXPECT_EQ(C.Bar == SB_VERT ? Grid->TopRow() : Grid->LeftCol(), Expected);
    }
}

TEST_F(ScrollTest, ScrollSynchMovesTheRowsWhileTheThumbIsDragged)
{
    Grid->SetRowCount(101);
    ShowRows(10);
    Grid->SetScrollHints(shVertical);
    for (const bool Synch : {false, true}) {
        SCOPED_TRACE(Synch);
        Grid->SetTopRow(1);
        Grid->SetScrollSynch(Synch);
        QList<int32_t> TopRows;
        Grid->OnScrollHint = [&](TObject*, int32_t, QString&) { TopRows.append(Grid->TopRow()); };
        Input::DragScrollThumb(Grid, SB_VERT, 64);
        Grid->OnScrollHint = nullptr;
        ASSERT_GE(TopRows.size(), 2);
        // Each hint comes before its own step moves the rows: the last one sees the step before.
        EXPECT_EQ(TopRows.last() > 1, Synch);
        EXPECT_EQ(Grid->TopRow(), 46);
    }
}

// ---- In-cell scroll bar ----

TEST_F(ScrollTest, InCellScrollBarMovesByTensAndHundredsAndReportsTheCell)
{
    struct TCase {
        const char* Name;
        int32_t Start;
        bool Down;
        bool Page;
        int32_t Expected;
    };
    Grid->AddScrollBar(2, 3, false);
    Grid->FScrollCol = 2;
    Grid->FScrollRow = 3;
    TScrollBar* Bar = Grid->FScrollBar;
    Bar->SetParams(0, 0, 300);
    Bar->SetBounds(200, 20, 17, 260);
    Bar->SetVisible(true);
    ProcessPendingEvents();
    for (const TCase& C : {TCase{"line down", 50, true, false, 60}, TCase{"line up at the start", 5, false, false, 0},
                           TCase{"page down", 50, true, true, 150}, TCase{"page past the end", 220, true, true, 300},
                           TCase{"page up", 250, false, true, 150}}) {
        SCOPED_TRACE(C.Name);
        Bar->SetPosition(C.Start);
        Grid->SetScrollPosition(2, 3, C.Start);
        QList<int32_t> Reports;
        Grid->OnScrollCell = [&](TObject*, int32_t ACol, int32_t ARow, int32_t Pos, int32_t Min, int32_t Max) {
            EXPECT_EQ(ACol, 2);
            EXPECT_EQ(ARow, 3);
            EXPECT_EQ(Min, 0);
            EXPECT_EQ(Max, 300);
            Reports.append(Pos);
        };
        const int32_t TopRow = Grid->TopRow();
        // Arrows at the ends; the page areas just inside them (the thumb stands far from there).
        int32_t Y = C.Down ? Bar->Height() - 6 : 6;
        if (C.Page) Y = C.Down ? Bar->Height() - 24 : 24;
        Input::Click(Bar, {8, Y});
        ProcessPendingEvents();
        EXPECT_EQ(Bar->Position(), C.Expected);
        EXPECT_EQ(Grid->GetScrollPosition(2, 3), C.Expected);
        EXPECT_EQ(Reports, (C.Expected == C.Start ? QList<int32_t>{} : QList<int32_t>{C.Expected}));
        // The grid itself does not scroll.
        EXPECT_EQ(Grid->TopRow(), TopRow);
        Grid->OnScrollCell = nullptr;
    }
}

// ---- Column stretching ----

TEST_F(ScrollTest, StretchColumnFillsTheClientWidth)
{
    struct TCase {
        const char* Name;
        int32_t Cols;
        int32_t OtherWidth;
        bool ScrolledRight;
        int32_t Expected;  // -1: the client width less the others and 1; -2: the client width
    };
    for (const TCase& C : {TCase{"others fit", 4, 50, false, -1}, TCase{"one column", 1, 0, false, -2},
                           TCase{"others too wide, left edge", 4, 200, false, 64},
                           TCase{"others too wide, scrolled", 4, 200, true, 33}}) {
        SCOPED_TRACE(C.Name);
        Grid->ColumnSize()->SetStretch(false);
        Grid->SetColCount(C.Cols);
        Grid->SetFixedCols(C.Cols > 1 ? 1 : 0);
        Grid->SetDefaultColWidth(64);
        for (int32_t c = 0; c + 1 < C.Cols; ++c) Grid->SetColWidths(c, C.OtherWidth);
        Grid->SetColWidths(C.Cols - 1, 33);
        if (C.ScrolledRight) Grid->SetLeftCol(2);
        Grid->ColumnSize()->SetStretch(true);
        const int32_t Last = Grid->ColWidths(C.Cols - 1);
        if (C.Expected == -1)
            EXPECT_EQ(Last, Grid->ClientWidth() - (C.Cols - 1) * C.OtherWidth - 1);
        else if (C.Expected == -2)
            EXPECT_EQ(Last, Grid->ClientWidth());
        else
            EXPECT_EQ(Last, C.Expected);
    }
}

TEST_F(ScrollTest, StretchFollowsWidthChangesAndChecksTheIndex)
{
    Grid->SetColCount(4);
    for (int32_t c = 0; c < 3; ++c) Grid->SetColWidths(c, 50);
    Grid->ColumnSize()->SetStretch(true);
    EXPECT_EQ(Grid->ColWidths(3), Grid->ClientWidth() - 151);
    // Widening another column takes the room from the stretched one.
    Grid->SetColWidths(1, 80);
    EXPECT_EQ(Grid->ColWidths(3), Grid->ClientWidth() - 181);
    Grid->ColumnSize()->SetStretchColumn(1);
    Grid->SetColWidths(3, 40);
    EXPECT_EQ(Grid->ColWidths(1), Grid->ClientWidth() - 141);

    EXPECT_EQ(MessageOf<Exception>([&] { Grid->StretchColumn(4); }), QStringLiteral("Stretch column index out of range"));
    // A stretch column past the grid does not break the width changes of the grid.
    Grid->ColumnSize()->SetStretchColumn(9);
    Grid->SetColWidths(0, 30);
    EXPECT_EQ(Grid->ColWidths(0), 30);
    const int32_t Middle = Grid->ColWidths(1);
    Grid->StretchRightColumn();
    EXPECT_EQ(Grid->ColWidths(3), Grid->ClientWidth() - 30 - Middle - 50 - 1);
}

// ---- Proportional sizing of all columns and rows ----

TEST_F(ScrollTest, SizingOneColumnOrRowScalesTheOthers)
{
    Grid->SetColCount(5);
    Grid->SetRowCount(5);
    Grid->MouseActions()->SetAllColumnSize(true);
    Grid->MouseActions()->SetAllRowSize(true);
    const QList<int32_t> Widths{30, 50, 41, 25, 60};
    for (int32_t c = 0; c < 5; ++c) Grid->SetColWidths(c, Widths[c]);
    QList<int32_t> Ended;
    Grid->OnEndColumnSize = [&](TObject*, int32_t ACol) { Ended.append(ACol); };
    // The user took column 1 from 50 to 100.
    Grid->Colclicked = 1;
    Grid->Colclickedsize = 50;
    Grid->ColSized = true;
    Grid->SetColWidths(1, 100);
    // The fixed column stays; 41 * 2 = 82, 25 * 2 = 50, 60 * 2 = 120.
    EXPECT_EQ(QList<int32_t>({Grid->ColWidths(0), Grid->ColWidths(1), Grid->ColWidths(2), Grid->ColWidths(3),
                              Grid->ColWidths(4)}),
              QList<int32_t>({30, 100, 82, 50, 120}));
    EXPECT_EQ(Ended, QList<int32_t>{1});
    EXPECT_EQ(Grid->Colclicked, -1);

    // Halves to even: 1.5 times 21, 23, 25 gives 31.5, 34.5, 37.5.
    for (int32_t r = 1; r < 5; ++r) Grid->SetRowHeights(r, 19 + 2 * r);
    Grid->Rowclicked = 1;
    Grid->Rowclickedsize = 20;
    Grid->Rowsized = true;
    Grid->SetRowHeights(1, 30);
    EXPECT_EQ(QList<int32_t>({Grid->RowHeights(2), Grid->RowHeights(3), Grid->RowHeights(4)}),
              QList<int32_t>({34, 38, 40}));
}

TEST_F(ScrollTest, UpdateColumnSizeHandlerSetsTheSizedWidth)
{
    Grid->OnUpdateColumnSize = [](TObject*, int32_t, int32_t& AWidth) { AWidth = 77; };
    Grid->Colclicked = 2;
    Grid->Colclickedsize = 64;
    Grid->ColSized = true;
    Grid->SetColWidths(2, 90);
    EXPECT_EQ(Grid->ColWidths(2), 77);
    EXPECT_EQ(Grid->ColWidths(3), 64);
}

// ---- Sizing zones ----

TEST_F(ScrollTest, SizingZoneLiesAtTheHeaderLines)
{
    struct TCase {
        int32_t X;
        int32_t Y;
        bool Expected;
    };
    TGridOptions Options = Grid->Options();
    Options.Include(goColSizing);
    Grid->SetOptions(Options);
    const TRect Header = Grid->CellRect(2, 0);
    const TRect Normal = Grid->CellRect(2, 3);
    for (const TCase& C :
         {TCase{Header.Right - 2, Header.Top + 5, true}, TCase{Header.Left + 3, Header.Top + 5, true},
          TCase{Header.Left + 10, Header.Top + 5, false}, TCase{Normal.Right - 2, Normal.Top + 5, false}}) {
        SCOPED_TRACE(QStringLiteral("%1,%2").arg(C.X).arg(C.Y).toStdString());
        EXPECT_EQ(Grid->IsInSizingZone(C.X, C.Y), C.Expected);
    }
    // Screen points find their cell; past the last column there is none.
    int32_t ACol = 0, ARow = 0;
    Grid->ScreenToCell(Grid->ClientToScreen(Point(Normal.Left + 3, Normal.Top + 3)), ACol, ARow);
    EXPECT_EQ(Point(ACol, ARow), Point(2, 3));
    Grid->ScreenToCell(Grid->ClientToScreen(Point(Grid->ClientWidth() - 2, Normal.Top + 3)), ACol, ARow);
    EXPECT_EQ(Point(ACol, ARow), Point(-1, -1));
    // Rows size in the fixed column only with goRowSizing.
    const TRect Fixed = Grid->CellRect(0, 3);
    EXPECT_FALSE(Grid->IsInSizingZone(Fixed.Left + 10, Fixed.Bottom - 1));
    Options.Include(goRowSizing);
    Grid->SetOptions(Options);
    EXPECT_TRUE(Grid->IsInSizingZone(Fixed.Left + 10, Fixed.Bottom - 1));
}

TEST_F(ScrollTest, OnColumnSizeRefusalKeepsTheColumnWidth)
{
    TGridOptions Options = Grid->Options();
    Options.Include(goColSizing);
    Grid->SetOptions(Options);
    const TRect Header = Grid->CellRect(1, 0);
    for (const bool Allow : {false, true}) {
        SCOPED_TRACE(Allow);
        Grid->SetColWidths(1, 64);
        QList<int32_t> Asked;
        Grid->OnColumnSize = [&](TObject*, int32_t ACol, bool& A) {
            Asked.append(ACol);
            A = Allow;
        };
        Input::Drag(Grid, {Header.Right - 1, Header.Top + 5}, {Header.Right + 30, Header.Top + 5});
        Grid->OnColumnSize = nullptr;
        EXPECT_TRUE(Asked.contains(1));
        EXPECT_EQ(Grid->ColWidths(1) > 64, Allow);
    }
}

// ---- Drag scrolling ----

class DragScrollTest : public ScrollTest {
protected:
    void SetUp() override
    {
        ScrollTest::SetUp();
        Source = New<TPanel>(Form.get());
        Source->SetParent(Form.get());
        Source->SetBounds(420, 10, 60, 60);
        Source->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int32_t, int32_t) { Source->BeginDrag(true); };
        Grid->OnDragOver = [](TObject*, TObject*, int32_t, int32_t, TDragState, bool& Accept) { Accept = true; };
        Grid->SetRowCount(60);
        Grid->SetColCount(30);
        Grid->DragScrollOptions()->SetActive(true);
        ProcessPendingEvents();
    }

    // Presses on the source and rests the pointer at At over the grid.
    void DragTo(TPoint At)
    {
        Input::MouseDown(Source, {20, 20});
        Input::MoveMouse(Grid, At);
        Input::MoveMouse(Grid, At);
    }

    TTestClock Clock;
    TPanel* Source = nullptr;
};

TEST_F(DragScrollTest, RestingInTheTopMarginScrollsUpAfterTheDelays)
{
    Grid->SetTopRow(5);
    DragTo({150, 10});
    ASSERT_TRUE(Grid->DragScrollTimer());
    EXPECT_EQ(Grid->DragScrollTimer()->Owner(), Form.get());
    // First step after 1000 ms, then one every 250 ms until TopRow reaches FixedRows.
    const QList<std::pair<uint32_t, int32_t>> Steps{{999, 5}, {1, 4}, {249, 4}, {1, 3}, {250, 2}, {250, 1}, {250, 1}};
    for (const auto& [Ms, Top] : Steps) {
        Clock.Advance(Ms);
        EXPECT_EQ(Grid->TopRow(), Top);
    }
    // Out of the margins: no timer, no scrolling.
    Input::MoveMouse(Grid, {150, 150});
    EXPECT_EQ(Grid->DragScrollTimer(), nullptr);
    Input::MouseUp(Grid, {150, 150});
    EXPECT_FALSE(Source->Dragging());
}

TEST_F(DragScrollTest, MovingInTheMarginRestartsTheInitialDelay)
{
    Grid->SetTopRow(20);
    DragTo({150, Grid->Height() - 10});
    Clock.Advance(1000);
    EXPECT_EQ(Grid->TopRow(), 21);
    Input::MoveMouse(Grid, {160, Grid->Height() - 12});
    Clock.Advance(999);
    EXPECT_EQ(Grid->TopRow(), 21);
    Clock.Advance(1);
    EXPECT_EQ(Grid->TopRow(), 22);
    // The drop ends the drag and frees the timer.
    Input::MouseUp(Grid, {160, Grid->Height() - 12});
    EXPECT_EQ(Grid->DragScrollTimer(), nullptr);
    Clock.Advance(2000);
    EXPECT_EQ(Grid->TopRow(), 22);
}

TEST_F(DragScrollTest, OnDragScrollDecidesTheDirections)
{
    struct TCase {
        const char* Name;
        bool DropUp;
        bool Refuse;
        int32_t Top;
        int32_t Left;
    };
    for (const TCase& C : {TCase{"both", false, false, 4, 4}, TCase{"up removed", true, false, 5, 4},
                           TCase{"refused", false, true, 5, 5}}) {
        SCOPED_TRACE(C.Name);
        Grid->SetTopRow(5);
        Grid->SetLeftCol(5);
        QList<int32_t> Seen;
        Grid->OnDragScroll = [&](TObject*, int32_t TopRow, int32_t LeftCol, TDragScrollDirection& Dir, bool& Can) {
            Seen << TopRow << LeftCol;
            if (C.DropUp) Dir.Exclude(dsdUp);
            Can = !C.Refuse;
        };
        DragTo({10, 10});
        Clock.Advance(1000);
        EXPECT_EQ(Seen, (QList<int32_t>{5, 5}));
        EXPECT_EQ(Grid->TopRow(), C.Top);
        EXPECT_EQ(Grid->LeftCol(), C.Left);
        Input::MouseUp(Grid, {150, 150});
        Grid->OnDragScroll = nullptr;
    }
}

TEST_F(DragScrollTest, InactiveOptionsMakeNoTimer)
{
    Grid->DragScrollOptions()->SetActive(false);
    Grid->SetTopRow(5);
    DragTo({150, 10});
    EXPECT_EQ(Grid->DragScrollTimer(), nullptr);
    Clock.Advance(3000);
    EXPECT_EQ(Grid->TopRow(), 5);
    Input::MouseUp(Grid, {150, 10});
}

}  // namespace
