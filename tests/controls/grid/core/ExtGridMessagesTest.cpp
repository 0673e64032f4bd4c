// The update count seen through WM_SETREDRAW and the update region, the grid timer's search end,
// hovering and blinking on the test clock, the special cursors, focus arrival and loss, dialog
// codes and the print layout's column range.
#include "ExtGridTestSupport.h"

#include "grid/base/GridSettings.h"

#include "support/LayerInternals.h"

#include "windows/StdCtrls.h"

namespace {

class TMessageGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    using TExtStringGrid::FBlockKill;
    using TExtStringGrid::FCellSelectorMode;
    using TExtStringGrid::FGridBlink;
    using TExtStringGrid::FHoverFixedX;
    using TExtStringGrid::FHoverFixedY;
    using TExtStringGrid::FMouseSelectMode;
    using TExtStringGrid::FSelChange;
    using TExtStringGrid::FSizeFixed;
    using TExtStringGrid::FSizeFixedR;
    using TExtStringGrid::Invokedchange;
    using TExtStringGrid::SearchTics;
};

class MessagesTest : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        delete Grid;
        G = New<TMessageGrid>(Form.get());
        G->SetParent(Form.get());
        G->SetLeft(10);
        G->SetTop(10);
        Grid = G;
    }
    TPoint Centre(int32_t c, int32_t r) const
    {
        const TRect R = G->CellRect(c, r);
        return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
    }
    bool Pending(TRect& R) { return GetUpdateRect(G->Handle(), R); }

    TMessageGrid* G = nullptr;
};

TEST_F(MessagesTest, UpdatesNestAndOnlyTheLastEndRepaintsTheWholeWindow)
{
    TTestClock Clock;
    Show();
    ProcessPendingEvents();
    TPaintHold Hold;
    TRect R;
    G->Redraws.clear();
    G->BeginUpdate();
    G->BeginUpdate();
    G->SetCells(2, 2, QStringLiteral("x"));
    G->SetRowSelect(3, true);
    EXPECT_FALSE(Pending(R)) << "invalidations are dropped while redrawing is off";
    G->EndUpdate();
    EXPECT_FALSE(Pending(R));
    EXPECT_EQ(G->Redraws, (QList<WPARAM>{0, 0}));
    G->FSelChange = true;
    G->EndUpdate();
    EXPECT_EQ(G->Redraws, (QList<WPARAM>{0, 0, 1}));
    ASSERT_TRUE(Pending(R));
    EXPECT_EQ(R, G->ClientRect());
    EXPECT_FALSE(G->FSelChange);

    // An end without a beginning stays at 0 and repaints.
    ProcessPendingEvents();
    G->Redraws.clear();
    G->EndUpdate();
    EXPECT_FALSE(G->LockUpdate());
    EXPECT_EQ(G->Redraws, (QList<WPARAM>{1}));
    EXPECT_TRUE(Pending(R));
}

TEST_F(MessagesTest, AnInvisibleGridCountsNothingButClosesABracketOpenedWhileVisible)
{
    Show();
    G->Redraws.clear();
    G->SetVisible(false);
    G->SetLockUpdate(true);
    EXPECT_FALSE(G->LockUpdate());
    EXPECT_TRUE(G->Redraws.isEmpty());

    G->SetVisible(true);
    G->BeginUpdate();
    G->SetVisible(false);
    G->EndUpdate();
    EXPECT_FALSE(G->LockUpdate());
    EXPECT_EQ(G->Redraws, (QList<WPARAM>{0, 1}));
    G->SetVisible(true);
    ProcessPendingEvents();
    TPaintHold Hold;
    G->SetCells(1, 1, QStringLiteral("y"));
    TRect R;
    EXPECT_TRUE(Pending(R)) << "painting is on again";
}

TEST_F(MessagesTest, TheIncrementalSearchEndsAtTheFourthTickAfterTheLastLetter)
{
    TTestClock Clock;
    Show();
    struct TCase {
        bool AutoGoto;
        int32_t TypeEvery;  // ticks between letters, 0 for one letter only
        int32_t Ticks;
        QString Text;
    };
    const TCase Cases[] = {
        {true, 0, 3, QStringLiteral("a")},
        {true, 0, 4, QString()},
        {true, 2, 12, QStringLiteral("aaaaaaa")},
        {false, 0, 12, QStringLiteral("a")},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Ticks);
        G->Navigation()->SetAutoGotoIncremental(C.AutoGoto);
        // A typed letter: the text grows and the ticks start again.
        const auto Type = [&] {
            G->SetIncrSearchText(G->IncrSearchText() + QLatin1Char('a'));
            G->SearchTics = 0;
        };
        G->SetIncrSearchText(QString());
        Type();
        for (int32_t t = 1; t <= C.Ticks; ++t) {
            Clock.Advance(500);
            if (C.TypeEvery && t % C.TypeEvery == 0) Type();
        }
        EXPECT_EQ(G->IncrSearchText(), C.Text);
    }
}

TEST_F(MessagesTest, HoveringMovesTheCurrentCellToTheNormalCellUnderTheRestingMouse)
{
    TTestClock Clock;
    auto* Other = New<TEdit>(Form.get());
    Other->SetParent(Form.get());
    Other->SetTop(240);
    Show();
    struct TCase {
        const char* Name;
        bool Hovering;
        TPoint At;
        TGridCoord Current;
    };
    const TCase Cases[] = {
        {"normal cell", true, Centre(3, 4), {3, 4}},
        {"another normal cell", true, Centre(2, 6), {2, 6}},
        {"fixed column", true, Centre(0, 4), {1, 1}},
        {"fixed row", true, Centre(3, 0), {1, 1}},
        {"outside the grid", true, {-5, -5}, {1, 1}},
        {"hovering off", false, Centre(3, 4), {1, 1}},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        G->SetHovering(C.Hovering);
        G->FocusCell(1, 1);
        Other->SetFocus();
        ProcessPendingEvents();
        Input::MoveMouse(G, C.At);
        Clock.Advance(499);
        EXPECT_EQ((TGridCoord{G->Col(), G->Row()}), (TGridCoord{1, 1}));
        Clock.Advance(1);
        EXPECT_EQ((TGridCoord{G->Col(), G->Row()}), C.Current);
        EXPECT_EQ(G->Focused(), C.Current.X != 1) << "the grid takes the focus with the cell";
    }
}

TEST_F(MessagesTest, BlinkingCellsRepaintEveryTickInTheThreePasses)
{
    TTestClock Clock;
    G->SetEnableBlink(true);
    Show();
    struct TCase {
        const char* Name;
        int32_t HideCol;  // real column hidden first, -1 for none
        int32_t StoreCol;
        int32_t Row;
        QString Text;
        int32_t ShownCol;  // where it repaints, -1 for nowhere
    };
    const TCase Cases[] = {
        {"normal cell", -1, 2, 3, QStringLiteral("<bli>on</bli>"), 2},
        {"tag in capitals", -1, 4, 5, QStringLiteral("x<BLINK>on"), 4},
        {"fixed row", -1, 3, 0, QStringLiteral("<Blink>h</Blink>"), 3},
        {"fixed column", -1, 0, 2, QStringLiteral("<bLi>r"), 0},
        {"other markup", -1, 2, 3, QStringLiteral("<b>bold</b>"), -1},
        {"behind a hidden column", 1, 3, 4, QStringLiteral("<BLI>"), 2},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        G->UnHideColumnsAll();
        for (int32_t r = 0; r < G->RowCount(); ++r)
            for (int32_t c = 0; c < G->TotalColCount(); ++c) G->SetCells(c, r, QString());
        G->SetCells(C.StoreCol, C.Row, C.Text);
        if (C.HideCol >= 0) G->HideColumn(C.HideCol);
        ProcessPendingEvents();
        TPaintHold Hold;
        const bool Phase = G->FGridBlink;
        Clock.Advance(500);
        EXPECT_NE(G->FGridBlink, Phase);
        TRect R;
        if (C.ShownCol < 0) {
            EXPECT_FALSE(Pending(R));
        } else {
            ASSERT_TRUE(Pending(R));
            EXPECT_EQ(R, G->CellRect(C.ShownCol, C.Row));
        }
    }
}

TEST_F(MessagesTest, SpecialMouseModesShowTheGridsCursors)
{
    Show();
    struct TCase {
        const char* Name;
        std::function<void()> Set;
        TCursor Cursor;
    };
    const TCase Cases[] = {
        {"column selection", [&] { G->FMouseSelectMode = msColumn; }, 8011},
        {"row selection", [&] { G->FMouseSelectMode = msRow; }, 8010},
        {"whole grid", [&] { G->FMouseSelectMode = msAll; }, 8012},
        {"selection resizing", [&] { G->FMouseSelectMode = msResize; }, 8012},
        {"cell selector", [&] { G->FCellSelectorMode = true; }, 8014},
        {"fixed column hovered", [&] { G->FSizeFixed = true; }, crHSplit},
        {"fixed row hovered", [&] { G->FSizeFixedR = true; }, crVSplit},
        {"normal: the grid's own cursor", [] {}, crCross},
    };
    G->SetCursor(crCross);
    int32_t Step = 0;
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        G->FMouseSelectMode = msNormal;
        G->FCellSelectorMode = false;
        G->FSizeFixed = false;
        G->FSizeFixedR = false;
        C.Set();
        Input::MoveMouse(G, Centre(2, 2 + (Step++ % 2)));
        EXPECT_EQ(GetCursor(), Screen->Cursors(C.Cursor));
    }
}

TEST_F(MessagesTest, ACursorChangeFromOutsideEndsTheSpecialMouseMode)
{
    G->FMouseSelectMode = msRow;
    G->Invokedchange = true;
    G->SetCursor(crHandPoint);
    EXPECT_EQ(G->FMouseSelectMode, msRow);
    EXPECT_FALSE(G->Invokedchange);
    G->SetCursor(crCross);
    EXPECT_EQ(G->FMouseSelectMode, msNormal);
}

TEST_F(MessagesTest, LeavingTheGridCopiesAPendingRectangleIntoTheDisjunctRows)
{
    auto* Other = New<TEdit>(Form.get());
    Other->SetParent(Form.get());
    Other->SetTop(240);
    Show();
    G->MouseActions()->SetDisjunctRowSelect(true);
    G->SetOptions(G->Options() + TGridOptions{goRangeSelect});
    for (const bool Block : {true, false}) {
        SCOPED_TRACE(Block);
        G->SetFocus();
        ProcessPendingEvents();
        G->SetSelection({1, 3, 3, 5});
        G->FSelChange = true;
        G->FBlockKill = Block;
        Other->SetFocus();
        ProcessPendingEvents();
        G->FBlockKill = false;
        EXPECT_EQ(G->FSelChange, Block);
        EXPECT_EQ(G->SelectedRowCount(), Block ? 0 : 3);
        for (int32_t r = 1; r < G->RowCount(); ++r) EXPECT_EQ(G->RowSelect(r), !Block && r >= 3 && r <= 5) << r;
    }
}

TEST_F(MessagesTest, TheGridWantsCharactersAndAnswersTheKillFocusBlock)
{
    Show();
    struct TCase {
        bool Editing;
        bool AutoGoto;
    };
    for (const TCase& C : {TCase{false, false}, TCase{true, false}, TCase{true, true}}) {
        TGridOptions Opts = G->Options();
        if (C.Editing) Opts.Include(goEditing);
        else Opts.Exclude(goEditing);
        G->SetOptions(Opts);
        G->Navigation()->SetAutoGotoWhenSorted(C.AutoGoto);
        const LRESULT Code = G->Perform(WM_GETDLGCODE, 0, 0);
        EXPECT_NE(Code & DLGC_WANTCHARS, 0);
        EXPECT_NE(Code & DLGC_WANTARROWS, 0);
    }
    G->FBlockKill = true;
    EXPECT_EQ(G->Perform(WM_KILLFOCUS, 0, 0), 1);
    G->FBlockKill = false;
}

TEST_F(MessagesTest, PrintColumnsOutsideTheLayoutRaise)
{
    for (const int32_t Col : {-1, 0, 511, 512, 100000}) {
        SCOPED_TRACE(Col);
        const bool Bad = Col < 0 || Col > 511;
        for (int32_t Which = 0; Which < 2; ++Which) {
            try {
                Which ? G->PrintColOffset(Col) : G->PrintColWidth(Col);
                EXPECT_FALSE(Bad);
            } catch (const EExtGridError& E) {
                EXPECT_TRUE(Bad);
                EXPECT_EQ(E.Message(), QStringLiteral("Columns is not in valid range"));
            }
        }
    }
}

TEST_F(MessagesTest, ResettingTheFixedCellHighlightRepaintsTheHoveredCell)
{
    Show();
    G->SetHoverFixedCells(hfAll);
    G->FHoverFixedX = 2;
    G->FHoverFixedY = 0;
    G->FSizeFixed = true;
    ProcessPendingEvents();
    TPaintHold Hold;
    G->ResetFixedCellHighlight();
    EXPECT_FALSE(G->FSizeFixed);
    EXPECT_EQ(G->FHoverFixedX, -1);
    EXPECT_EQ(G->FHoverFixedY, -1);
    TRect R;
    ASSERT_TRUE(Pending(R));
    EXPECT_EQ(R, G->CellRect(2, 0));
}

}  // namespace
