// The grid's life: window creation, whole-row height, scroll bars kept shown, the owner form's
// resize chain, the window-procedure hook and the unit start, copying, the update count, row
// selection flags and a rendered grid.
#include "ExtGridTestSupport.h"

#include "support/Artifacts.h"
#include "support/LayerInternals.h"

#include "grid/base/GridMarkers.h"
#include "grid/base/GridSettings.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SortSettings.h"

#include "windows/SystemMetrics.h"
#include "windows/WindowHooks.h"

#include <QImage>

namespace {

TEST_F(ExtGridFixture, IntegralHeightShowsWholeRows)
{
    Show();
    Grid->SetIntegralHeight(true);
    const struct {
        int32_t Asked, Got;
    } Cases[] = {{100, 92}, {92, 92}, {113, 114}, {250, 246}};
    for (const auto& C : Cases) {
        Grid->SetBounds(10, 10, 400, C.Asked);
        EXPECT_EQ(Grid->Height(), C.Got) << C.Asked;
    }
    // During an update the height stays as asked.
    Grid->BeginUpdate();
    Grid->SetBounds(10, 10, 400, 100);
    EXPECT_EQ(Grid->Height(), 100);
    Grid->EndUpdate();
    // A horizontal bar takes its height off first.
    Grid->SetColCount(20);
    Grid->SetBounds(10, 10, 400, 100);
    const int32_t H = GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_EQ(Grid->Height(), 100 + 2 - ((100 - H - 2) % 22));
}

TEST_F(ExtGridFixture, ScrollBarsNamedAlwaysStayShownAndDisabledWhileAllFits)
{
    Grid->SetRowCount(5);
    Show();
    const HWND Wnd = Grid->Handle();
    const auto Shown = [&](uint32_t Style) { return (GetWindowLong(Wnd, GWL_STYLE) & Style) != 0; };
    EXPECT_FALSE(Shown(WS_VSCROLL));
    Grid->SetScrollBarAlways(saVert);
    ProcessPendingEvents();
    EXPECT_TRUE(Shown(WS_VSCROLL));
    EXPECT_FALSE(Shown(WS_HSCROLL));
    // Already disabled: disabling again changes nothing; a click moves nothing.
    EXPECT_FALSE(EnableScrollBar(Wnd, SB_VERT, ESB_DISABLE_BOTH));
    Input::ClickScrollBar(Grid, SB_VERT, Input::sbpLineDown);
    EXPECT_EQ(Grid->TopRow(), 1);

    // Once the rows do not fit the bar is enabled.
    Grid->SetRowCount(50);
    ProcessPendingEvents();
    EXPECT_TRUE(Shown(WS_VSCROLL));
    Input::ClickScrollBar(Grid, SB_VERT, Input::sbpLineDown);
    EXPECT_EQ(Grid->TopRow(), 2);
    Grid->SetRowCount(5);
    ProcessPendingEvents();
    EXPECT_TRUE(Shown(WS_VSCROLL));
    EXPECT_FALSE(EnableScrollBar(Wnd, SB_VERT, ESB_DISABLE_BOTH));

    // Without the rule the bar goes (the setter forces it); with both named both stay.
    Grid->SetScrollBarAlways(saNone);
    EXPECT_FALSE(Shown(WS_VSCROLL));

    Grid->SetScrollBarAlways(saBoth);
    EXPECT_TRUE(Shown(WS_VSCROLL) && Shown(WS_HSCROLL));
}

TEST_F(ExtGridFixture, AForcedCallWithoutTheRuleKeepsABarWithRowsToScroll)
{
    Grid->SetRowCount(50);
    Show();
    const HWND Wnd = Grid->Handle();
    const auto Shown = [&](uint32_t Style) { return (GetWindowLong(Wnd, GWL_STYLE) & Style) != 0; };
    ASSERT_TRUE(Shown(WS_VSCROLL));
    ASSERT_FALSE(Shown(WS_HSCROLL));
    Grid->ApplyScrollBarAlways(true);
    EXPECT_TRUE(Shown(WS_VSCROLL));
    EXPECT_FALSE(Shown(WS_HSCROLL));
    Input::ClickScrollBar(Grid, SB_VERT, Input::sbpLineDown);
    EXPECT_EQ(Grid->TopRow(), 2);
}

// Records whether its grid counts as being destroyed when the grid frees it.
struct TDestroyProbe : TBitmap {
    static inline TExtStringGrid* Grid = nullptr;
    static inline int32_t Seen = -1;
    ~TDestroyProbe() override { Seen = Grid->ComponentState().Contains(csDestroying); }
};

TEST_F(ExtGridFixture, ObjectsFreedWithTheGridSeeItBeingDestroyed)
{
    Grid->AddBitmap(1, 1, new TDestroyProbe(), false, haLeft, vaTop);
    Grid->GetCellGraphic(1, 1)->SetCellCreated(true);
    TDestroyProbe::Grid = Grid;
    TDestroyProbe::Seen = -1;
    delete Grid;
    Grid = nullptr;
    EXPECT_EQ(TDestroyProbe::Seen, 1);
}

// A form whose own OnResize counts its calls.
struct TResizeCount {
    int32_t Calls = 0;
};

TEST(ExtGridFormResizeTest, GridsFreedInEitherOrderLeaveTheFormsHandler)
{
    for (const bool FirstFirst : {true, false}) {
        SCOPED_TRACE(FirstFirst ? "first grid freed first" : "second grid freed first");
        std::unique_ptr<TForm> Form(New<TForm>(nullptr));
        TResizeCount Count;
        Form->OnResize = [&](TObject*) { ++Count.Calls; };
        auto* A = New<TExtStringGrid>(Form.get());
        auto* B = New<TExtStringGrid>(Form.get());
        Form->SetWidth(Form->Width() + 10);
        EXPECT_EQ(Count.Calls, 1);
        delete (FirstFirst ? A : B);
        Form->SetWidth(Form->Width() + 10);
        EXPECT_EQ(Count.Calls, 2);
        delete (FirstFirst ? B : A);
        Form->SetWidth(Form->Width() + 10);
        EXPECT_EQ(Count.Calls, 3);
        EXPECT_EQ(Form->OnResize.target<TFormResizeLink>(), nullptr);
    }
    // A form without a handler of its own has none again.
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    delete New<TExtStringGrid>(Form.get());
    EXPECT_FALSE(Form->OnResize);
}

TEST(ExtGridFormResizeTest, SizeWithFormFollowsTheFormAndSwallowsTheKeptHandlersErrors)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    Form->SetBounds(0, 0, 500, 400);
    Form->OnResize = [](TObject*) { throw Exception(QStringLiteral("kept handler fails")); };
    auto* Grid = New<TExtStringGrid>(Form.get());
    Grid->SetParent(Form.get());
    Grid->SetSizeWithForm(true);
    Form->SetBounds(0, 0, 530, 390);
    EXPECT_EQ(Grid->Width(), 430);
    EXPECT_EQ(Grid->Height(), 240);
    // Sizes that would not stay positive are not taken.
    Form->SetBounds(0, 0, 90, 390);
    EXPECT_EQ(Grid->Width(), 430);
}

TEST_F(ExtGridFixture, TheHookPlacesTheFocusWindowWhenTheFormMoves)
{
    Form->SetBounds(100, 100, 500, 400);
    Show();
    QList<UINT> Seen;
    static QList<UINT>* Log = nullptr;
    Log = &Seen;
    HHOOK Mine = SetWindowsHookEx(
        WH_CALLWNDPROC,
        [](int32_t Code, WPARAM W, LPARAM L) -> LRESULT {
            const auto* Data = reinterpret_cast<const CWPSTRUCT*>(L);
            if (Data->message == WM_WINDOWPOSCHANGING || Data->message == WM_WINDOWPOSCHANGED) Log->append(Data->message);
            return CallNextHookEx(nullptr, Code, W, L);
        },
        0, GetCurrentThreadId());
    ASSERT_NE(Mine, nullptr);
    ASSERT_NE(GridHookHandle, nullptr);
    FocusWindowGrid = Grid;
    Form->SetBounds(150, 120, 500, 400);
    EXPECT_TRUE(Seen.contains(WM_WINDOWPOSCHANGING));
    EXPECT_TRUE(Seen.contains(WM_WINDOWPOSCHANGED));
    const TRect Cell = Grid->TBaseGrid::CellRect(Grid->Col(), Grid->Row());
    const TPoint At = Grid->ClientToScreen(TPoint{Cell.Left, Cell.Top});
    EXPECT_EQ(Grid->FocusWindow()->BoundsRect(),
              Bounds(At.X - 4, At.Y - 4, Cell.Width() + 9, Cell.Height() + 9));
    UnhookWindowsHookEx(Mine);
    FocusWindowGrid = nullptr;
    Log = nullptr;
}

TEST(ExtGridUnitTest, StartAndEndAreCounted)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    New<TExtStringGrid>(Form.get());
    const HHOOK Hook = GridHookHandle;
    ASSERT_NE(Hook, nullptr);
    ExtGridInitialization();
    EXPECT_EQ(GridHookHandle, Hook);
    ExtGridFinalization();
    EXPECT_EQ(GridHookHandle, Hook);
    int32_t Ends = 0;
    while (GridHookHandle) {
        ExtGridFinalization();
        ++Ends;
    }
    EXPECT_GE(Ends, 1);
    EXPECT_FALSE(UnhookWindowsHookEx(Hook));
    for (int32_t I = 0; I < Ends; ++I) ExtGridInitialization();
    EXPECT_NE(GridHookHandle, nullptr);
    EXPECT_EQ(GridEditDoneMsg, RegisterWindowMessage(QStringLiteral("GridEditDone")));
    EXPECT_EQ(DTPShiftFocusMsg, RegisterWindowMessage(QStringLiteral("dtpshiftfocus")));
    EXPECT_NE(GridCellsClipFormat, 0u);

    Form->Show();
    ProcessPendingEvents();
    const HWND Wnd = Form->Handle();
    SetWindowTransparent(Wnd);
    EXPECT_NE(GetWindowLong(Wnd, GWL_EXSTYLE) & int32_t(WS_EX_TRANSPARENT), 0);
}

TEST_F(ExtGridFixture, TheGridTimerTicksEveryHalfSecond)
{
    TTestClock Clock;
    Show();
    EXPECT_EQ(Grid->GridTicks, 0);
    Clock.Advance(499);
    EXPECT_EQ(Grid->GridTicks, 0);
    Clock.Advance(1);
    EXPECT_EQ(Grid->GridTicks, 1);
    Clock.Advance(500);
    Clock.Advance(500);
    EXPECT_EQ(Grid->GridTicks, 3);
}

TEST_F(ExtGridFixture, ResizeFiresOnResizeOnce)
{
    Show();
    int32_t Resizes = 0;
    Grid->OnResize = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Grid);
        ++Resizes;
    };
    Grid->SetHeight(300);
    EXPECT_EQ(Resizes, 1);
}

TEST_F(ExtGridFixture, InvalidateSkipsOnceAfterTheEditorsOwnChange)
{
    Show();
    TPaintHold Hold;
    ProcessPendingEvents();
    TRect Pending;
    ASSERT_FALSE(GetUpdateRect(Grid->Handle(), Pending));
    Grid->FEditChange = true;
    Grid->Invalidate();
    EXPECT_FALSE(GetUpdateRect(Grid->Handle(), Pending));
    EXPECT_FALSE(Grid->FEditChange);
    Grid->Invalidate();
    ASSERT_TRUE(GetUpdateRect(Grid->Handle(), Pending));
    EXPECT_EQ(Pending, Grid->ClientRect());
}

TEST_F(ExtGridFixture, LoadedTakesTheWishedCountsAndTheEditorOption)
{
    Grid->BeginLoading();
    Grid->SetOptions(Grid->Options() + TGridOptions{goAlwaysShowEditor});
    Grid->SetRowCount(4);
    Grid->ColumnHeaders()->Add(QStringLiteral("a\\nb"));
    Grid->ColumnHeaders()->Add(QStringLiteral("c"));
    Grid->SetLook(glVyx);
    Grid->Loaded();
    EXPECT_FALSE(Grid->Options().Contains(goAlwaysShowEditor));
    EXPECT_TRUE(Grid->Navigation()->AlwaysEdit());
    EXPECT_EQ(Grid->MaxRowCount(), 4);
    EXPECT_EQ(Grid->MinRowHeight(), 22);
    EXPECT_EQ(Grid->MinColWidth(), 10);
    EXPECT_EQ(Grid->Look(), glVyx);
    EXPECT_EQ(Grid->Cells(0, 0), QStringLiteral("a\rb"));
    EXPECT_EQ(Grid->Cells(1, 0), QStringLiteral("c"));
    // Before the window exists the grid still counts as themed: the look stays.
    EXPECT_EQ(Grid->ControlLook()->ControlStyle(), csTheme);
    // Once the window showed there are no visual styles: a themed control look turns classic.
    Show();
    ASSERT_FALSE(Grid->IsWinXP());
    Grid->BeginLoading();
    Grid->Loaded();
    EXPECT_EQ(Grid->ControlLook()->ControlStyle(), csClassic);
}

TEST_F(ExtGridFixture, AssignCopiesSettingsDimensionsAndCells)
{
    auto* Source = New<TExtStringGrid>(Form.get());
    Source->SetColCount(7);
    Source->SetRowCount(12);
    Source->SetColWidths(2, 90);
    Source->SetRowHeights(3, 40);
    Source->SetCells(6, 11, QStringLiteral("corner"));
    Source->SetActiveCellColor(clRed);
    Source->SortSettings()->SetColumn(3);
    Source->Grouping()->SetShowGroupCount(true);
    Source->SetScrollBarAlways(saHorz);
    Grid->Assign(Source);
    EXPECT_EQ(Grid->ColCount(), 7);
    EXPECT_EQ(Grid->RowCount(), 12);
    EXPECT_EQ(Grid->ColWidths(2), 90);
    EXPECT_EQ(Grid->RowHeights(3), 40);
    EXPECT_EQ(Grid->Cells(6, 11), QStringLiteral("corner"));
    EXPECT_EQ(Grid->ActiveCellColor(), clRed);
    EXPECT_EQ(Grid->SortSettings()->Column(), 3);
    EXPECT_TRUE(Grid->Grouping()->ShowGroupCount());
    EXPECT_EQ(Grid->ScrollBarAlways(), saHorz);

    TStringList Other;
    Grid->Assign(&Other);
    Grid->AssignCells(&Other);
    EXPECT_EQ(Grid->ColCount(), 7);
}

TEST_F(ExtGridFixture, FreeingClearsTheCellObjectsOfRowsBeyondTheCount)
{
    auto* Mine = new TCountedBitmap();
    Grid->AddBitmap(2, 8, Mine, false, haLeft, vaTop);
    Grid->GetCellGraphic(2, 8)->SetCellCreated(true);
    Grid->SetRowCount(5);
    EXPECT_EQ(TFreed::Bitmaps, 0);
    delete Grid;
    Grid = nullptr;
    EXPECT_EQ(TFreed::Bitmaps, 1);
}

TEST_F(ExtGridFixture, UpdatesNestAndRepaintAtTheLastEnd)
{
    Show();
    Grid->Redraws.clear();
    Grid->BeginUpdate();
    Grid->BeginUpdate();
    Grid->EndUpdate();
    EXPECT_TRUE(Grid->LockUpdate());
    EXPECT_EQ(Grid->Redraws, (QList<WPARAM>{0, 0}));
    Grid->EndUpdate();
    EXPECT_FALSE(Grid->LockUpdate());
    EXPECT_EQ(Grid->Redraws, (QList<WPARAM>{0, 0, 1}));
    Grid->EndUpdate();
    EXPECT_FALSE(Grid->LockUpdate());
    EXPECT_EQ(Grid->Redraws.size(), 4);

    // An invisible grid counts nothing, but a bracket opened while visible still closes.
    Grid->SetLockUpdate(true);
    Grid->SetVisible(false);
    Grid->SetLockUpdate(true);
    EXPECT_TRUE(Grid->LockUpdate());
    Grid->SetLockUpdate(false);
    EXPECT_FALSE(Grid->LockUpdate());
    Grid->StartUpdate();
    EXPECT_TRUE(Grid->LockUpdate());
    Grid->ResetUpdate();
    EXPECT_FALSE(Grid->LockUpdate());
}

TEST_F(ExtGridFixture, RowSelectionFlagsCheckTheirRowsAndAskTheEvent)
{
    Grid->MouseActions()->SetDisjunctRowSelect(true);
    try {
        Grid->RowSelect(-1);
        ADD_FAILURE();
    } catch (const EExtGridError& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Invalid row -1 accessed"));
    }
    try {
        Grid->SetRowSelect(-1, true);
        ADD_FAILURE();
    } catch (const EExtGridError& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Invalid row accessed"));
    }
    EXPECT_THROW(Grid->SetRowSelect(10, true), EExtGridError);

    QStringList Log;
    bool Allow = true;
    Grid->OnRowDisjunctSelect = [&](TObject*, int32_t ARow, bool State, bool& A) {
        Log.append(QStringLiteral("ask %1 %2").arg(ARow).arg(State));
        A = Allow;
    };
    Grid->OnRowDisjunctSelected = [&](TObject*, int32_t ARow) { Log.append(QStringLiteral("done %1").arg(ARow)); };
    Grid->SetRowSelect(3, true);
    Grid->SetRowSelect(3, true);
    Allow = false;
    Grid->SetRowSelect(5, true);
    EXPECT_EQ(Log, (QStringList{QStringLiteral("ask 3 1"), QStringLiteral("done 3"), QStringLiteral("done 3"),
                                QStringLiteral("ask 5 1")}));
    EXPECT_FALSE(Grid->RowSelect(5));
    Allow = true;
    // Fixed row 0 is flagged but not counted among the selected rows.
    Grid->SetRowSelect(0, true);
    EXPECT_TRUE(Grid->RowSelect(0));
    EXPECT_EQ(Grid->SelectedRowCount(), 1);
    EXPECT_EQ(Grid->RowSelectCount(), 2);
    Grid->ClearRowSelect();
    EXPECT_EQ(Grid->RowSelectCount(), 0);

    // A grid of fixed rows only takes any row.
    Grid->SetFixedRowAlways(true);
    Grid->SetRowCount(1);
    ASSERT_EQ(Grid->FixedRows(), 1);
    Grid->OnRowDisjunctSelect = nullptr;
    EXPECT_NO_THROW(Grid->SetRowSelect(50, true));
    EXPECT_THROW(Grid->RowSelect(50), EExtGridError);
}

TEST_F(ExtGridFixture, NewGridOnAFormRenders)
{
    Grid->SetCells(1, 0, QStringLiteral("Name"));
    Grid->SetCells(2, 0, QStringLiteral("Value"));
    Grid->SetCells(1, 1, QStringLiteral("alpha"));
    Grid->SetCells(2, 1, QStringLiteral("12"));
    Grid->AddCheckBox(3, 1, true, true);
    Show();
    Grid->Invalidate();
    ProcessPendingEvents();
    const QImage Image = RenderControl(Form.get(), true);
    SaveArtifact(Image, QStringLiteral("ext-string-grid-new"));
    const QImage GridImage = RenderControl(Grid);
    ASSERT_EQ(GridImage.width(), 400);
    ASSERT_EQ(GridImage.height(), 250);
    // Grid lines between the columns, and the text of a cell somewhere in its rectangle.
    const int32_t Border = (Grid->Width() - Grid->ClientWidth()) / 2;
    TRect Cell = Grid->TBaseGrid::CellRect(1, 1);
    Cell = {Cell.Left + Border, Cell.Top + Border, Cell.Right + Border, Cell.Bottom + Border};
    const int32_t MidY = (Cell.Top + Cell.Bottom) / 2;
    EXPECT_NE(GridImage.pixel(Cell.Left - 1, MidY), qRgb(255, 255, 255));
    EXPECT_NE(GridImage.pixel(Cell.Right - 1, MidY), qRgb(255, 255, 255));
    bool Inked = false;
    for (int32_t x = Cell.Left + 2; x < Cell.Right - 2; ++x)
        for (int32_t y = Cell.Top + 2; y < Cell.Bottom - 2; ++y) Inked = Inked || GridImage.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(Inked);
}

}  // namespace
