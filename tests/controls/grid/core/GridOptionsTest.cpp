// The grid's own grouping, drag-and-drop, balloon, modified-row, drag-scroll, progress and
// filter drop-down settings: what a new grid holds and which changes repaint it.
#include "ExtGridTestSupport.h"

#include "support/LayerInternals.h"

#include "grid/core/GridOptions.h"

#include "graphics/Canvas.h"

namespace {

TEST_F(ExtGridFixture, NewGridsSettingsHoldTheirDefaults)
{
    TDragScrollOptions* Scroll = Grid->DragScrollOptions();
    EXPECT_FALSE(Scroll->Active());
    EXPECT_EQ(Scroll->Delays()->InitialDelay(), 1000);
    EXPECT_EQ(Scroll->Delays()->RepeatDelay(), 250);
    const TDragScrollMargins* Margins = Scroll->Margins();
    for (const int32_t Margin : {Margins->TopMargin(), Margins->BottomMargin(), Margins->LeftMargin(), Margins->RightMargin()})
        EXPECT_EQ(Margin, 50);

    EXPECT_FALSE(Grid->Grouping()->Summary());
    EXPECT_EQ(Grid->Grouping()->HeaderLineColor(), clBlue);
    EXPECT_EQ(Grid->Grouping()->HeaderColor(), clNone);
    EXPECT_TRUE(Grid->DragDropSettings()->ShowCells());
    EXPECT_TRUE(Grid->DragDropSettings()->OleAcceptText());
    EXPECT_FALSE(Grid->DragDropSettings()->OleDropTarget());
    EXPECT_FALSE(Grid->Balloon()->Enable());
    EXPECT_EQ(Grid->Balloon()->AutoHideDelay(), -1);
    EXPECT_FALSE(Grid->ShowModified()->Enabled());
    EXPECT_EQ(Grid->ShowModified()->Color(), clYellow);
    EXPECT_EQ(Grid->ProgressAppearance()->Steps(), 11);
    EXPECT_EQ(Grid->ProgressAppearance()->UnCompleteFontColor(), clWindowText);
    EXPECT_EQ(Grid->FilterDropDown()->Height(), 150);
    EXPECT_EQ(Grid->FilterDropDown()->Color(), clWindow);
}

TEST_F(ExtGridFixture, OnlyTheReportingSettingsRepaintTheGrid)
{
    Show();
    TBitmap Glyph;
    Glyph.SetSize(4, 4);
    Glyph.Canvas()->Brush()->SetColor(clRed);
    Glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
    struct TCase {
        const char* Name;
        std::function<void()> Set;
        bool Repaints;
    };
    const TCase Cases[] = {
        {"same progress steps", [&] { Grid->ProgressAppearance()->SetSteps(11); }, false},
        {"progress steps", [&] { Grid->ProgressAppearance()->SetSteps(12); }, true},
        {"same progress colour", [&] { Grid->ProgressAppearance()->SetCompleteColor(clRed); }, false},
        {"progress colour", [&] { Grid->ProgressAppearance()->SetCompleteColor(clAqua); }, true},
        {"modified colour, also unchanged", [&] { Grid->ShowModified()->SetColor(clYellow); }, true},
        {"modified marking", [&] { Grid->ShowModified()->SetEnabled(true); }, false},
        {"filter glyph", [&] { Grid->FilterDropDown()->SetGlyph(&Glyph); }, true},
        {"filter active glyph", [&] { Grid->FilterDropDown()->SetGlyphActive(&Glyph); }, true},
        {"filter list height", [&] { Grid->FilterDropDown()->SetHeight(90); }, false},
        {"group header colour", [&] { Grid->Grouping()->SetHeaderColor(clRed); }, false},
        {"drag scrolling", [&] { Grid->DragScrollOptions()->SetActive(true); }, false},
        {"balloon colour", [&] { Grid->Balloon()->SetTextColor(clRed); }, false},
        {"balloon switch", [&] { Grid->Balloon()->SetEnable(false); }, false},
        {"drop target", [&] { Grid->DragDropSettings()->SetOleDropTarget(true); }, false},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        ProcessPendingEvents();
        TPaintHold Hold;
        TRect Pending;
        ASSERT_FALSE(GetUpdateRect(Grid->Handle(), Pending));
        C.Set();
        EXPECT_EQ(GetUpdateRect(Grid->Handle(), Pending), C.Repaints);
    }
    Grid->DragDropSettings()->SetOleDropTarget(false);
}

TEST_F(ExtGridFixture, BalloonSwitchReportsEverySettingButNoAssign)
{
    TBalloonSettings* Balloon = Grid->Balloon();
    int32_t Reports = 0;
    const TGridNotifyEvent GridsOwn = Balloon->OnEnableChange;
    ASSERT_TRUE(GridsOwn);
    Balloon->OnEnableChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Balloon);
        ++Reports;
        GridsOwn(Sender);
    };
    Balloon->SetEnable(true);
    Balloon->SetEnable(true);
    EXPECT_EQ(Reports, 2);
    TBalloonSettings Source;
    Source.SetReshowDelay(300);
    Balloon->Assign(&Source);
    EXPECT_EQ(Reports, 2);
    EXPECT_FALSE(Balloon->Enable());
    EXPECT_EQ(Balloon->ReshowDelay(), 300);
}

}  // namespace
