// The settings objects the grid makes for itself: filter conditions, sort settings, control look
// and floating footer, with the setters that act on the grid.
#include "ExtGridTestSupport.h"

#include "support/LayerInternals.h"

#include "grid/base/GridSupport.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridItems.h"
#include "grid/core/SortSettings.h"

#include "dropdown/PopupAppearance.h"
#include "rtl/Exceptions.h"

namespace {

TEST_F(ExtGridFixture, FilterConditionsJoinByAndAfterTheFirst)
{
    TFilter* Filter = Grid->Filter();
    EXPECT_EQ(Filter->Add()->Operation(), foNONE);
    EXPECT_EQ(Filter->Add()->Operation(), foAND);
    TFilterData* Inserted = Filter->Insert(0);
    EXPECT_EQ(Inserted->Operation(), foSHORT);
    EXPECT_EQ(Filter->Items(2), Inserted);
    EXPECT_TRUE(Inserted->CaseSensitive());
    EXPECT_EQ(Inserted->Data(), fcVirtual);
    EXPECT_EQ(Inserted->Method(), fmExpression);

    Filter->Clear();
    TFilterData* ForThree = Filter->ColumnFilter(3);
    EXPECT_EQ(Filter->Count(), 1);
    EXPECT_EQ(ForThree->Column(), 3);
    EXPECT_EQ(Filter->ColumnFilter(3), ForThree);
    EXPECT_EQ(Filter->Count(), 1);
    Filter->Add()->SetColumn(3);
    Filter->Add()->SetColumn(2);
    Filter->Add()->SetColumn(3);
    EXPECT_TRUE(Filter->HasFilter(2));
    Filter->RemoveColumnFilter(3);
    EXPECT_EQ(Filter->Count(), 1);
    EXPECT_FALSE(Filter->HasFilter(3));
    EXPECT_EQ(Filter->Owner(), static_cast<TPersistent*>(Grid));
}

TEST_F(ExtGridFixture, SortSettingsHoldTheirValuesAndRepaintOnlyOnChange)
{
    TSortSettings* Sort = Grid->SortSettings();
    const struct {
        const char* Name;
        bool Value, Expected;
    } Flags[] = {{"AutoSortForGrouping", Sort->AutoSortForGrouping(), true},
                 {"Full", Sort->Full(), true},
                 {"AutoFormat", Sort->AutoFormat(), true},
                 {"SortOnVirtualCells", Sort->SortOnVirtualCells(), true},
                 {"Show", Sort->Show(), false},
                 {"IndexShow", Sort->IndexShow(), false},
                 {"IgnoreCase", Sort->IgnoreCase(), false},
                 {"UndoSort", Sort->UndoSort(), false}};
    for (const auto& F : Flags) EXPECT_EQ(F.Value, F.Expected) << F.Name;
    EXPECT_EQ(Sort->IndexColor(), clYellow);
    EXPECT_EQ(Sort->HeaderColor(), clNone);
    EXPECT_EQ(Sort->Row(), 0);

    // The sort row must stay above the normal rows; a bad one is refused and kept.
    try {
        Sort->SetRow(1);
        ADD_FAILURE();
    } catch (const Exception& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Sort row should be smaller than number of fixed rows"));
    }
    EXPECT_EQ(Sort->Row(), 0);

    Show();
    TRect Pending;
    {
        TPaintHold Hold;
        ProcessPendingEvents();
        Sort->SetHeaderColor(clNone);
        EXPECT_FALSE(GetUpdateRect(Grid->Handle(), Pending));
        Sort->SetHeaderColor(clRed);
        ASSERT_TRUE(GetUpdateRect(Grid->Handle(), Pending));
        EXPECT_EQ(Pending.Top, Grid->TCustomGrid::CellRect(1, 0).Top);
        EXPECT_EQ(Pending.Bottom, Grid->TCustomGrid::CellRect(1, 0).Bottom);
    }

    // Assign leaves IgnoreCase and SortOnVirtualCells as they are.
    TSortSettings Other(nullptr);
    Other.SetColumn(4);
    Other.SetDirection(sdDescending);
    Other.SetIgnoreCase(true);
    Other.SetSortOnVirtualCells(false);
    Sort->Assign(&Other);
    EXPECT_EQ(Sort->Column(), 4);
    EXPECT_EQ(Sort->Direction(), sdDescending);
    EXPECT_FALSE(Sort->IgnoreCase());
    EXPECT_TRUE(Sort->SortOnVirtualCells());
    Sort->ToggleDirection();
    EXPECT_EQ(Sort->Direction(), sdAscending);
    Grid->SortIndexes()->AddIndex(2, true);
    Sort->Remove();
    EXPECT_EQ(Sort->Column(), -1);
    EXPECT_EQ(Grid->SortIndexes()->Count(), 0);
}

TEST_F(ExtGridFixture, ControlLookHandsGradientColoursToTheGrid)
{
    TControlLook* Look = Grid->ControlLook();
    EXPECT_EQ(Look->FixedGradientHoverFrom(), clGray);
    EXPECT_EQ(Look->FixedGradientDownTo(), clSilver);
    EXPECT_EQ(Look->ControlStyle(), csTheme);
    EXPECT_EQ(Look->RadioSize(), 10);
    EXPECT_EQ(Look->DropDownCount(), 8);
    ASSERT_NE(Look->DropDownHeader(), nullptr);
    ASSERT_NE(Look->DropDownFooter(), nullptr);

    const TColor From = Grid->VyxGradientFrom();
    Look->SetFixedGradientFrom(clNone);
    EXPECT_EQ(Grid->VyxGradientFrom(), From);
    Look->SetFixedGradientFrom(clRed);
    EXPECT_EQ(Grid->VyxGradientFrom(), clRed);
    Look->SetFixedGradientMirrorFrom(clBlue);
    EXPECT_EQ(Grid->VyxGradientMirrorFrom(), clBlue);
    Look->SetFixedGradientMirrorFrom(clNone);
    EXPECT_EQ(Grid->VyxGradientMirrorFrom(), clNone);

    // Assign copies every gradient colour, not the five looks it leaves out.
    TControlLook Other(nullptr);
    Other.SetFixedGradientTo(clLime);
    Other.SetFixedGradientHoverBorder(clAqua);
    Other.SetFixedGradientDownMirrorTo(clFuchsia);
    Other.SetCheckSize(20);
    Other.SetFlatButton(true);
    Other.SetProgressXP(true);
    Look->Assign(&Other);
    EXPECT_EQ(Look->FixedGradientTo(), clLime);
    EXPECT_EQ(Look->FixedGradientHoverBorder(), clAqua);
    EXPECT_EQ(Look->FixedGradientDownMirrorTo(), clFuchsia);
    EXPECT_EQ(Look->FixedGradientFrom(), clNone);
    EXPECT_EQ(Grid->VyxGradientTo(), clLime);
    EXPECT_EQ(Grid->VyxGradientDownMirrorTo(), clFuchsia);
    EXPECT_EQ(Look->CheckSize(), 20);
    EXPECT_FALSE(Look->FlatButton());
    EXPECT_FALSE(Look->ProgressXP());
}

TEST_F(ExtGridFixture, FloatingFooterKeepsTheLastRowWhileVisibleInItsStyle)
{
    TFloatingFooter* Footer = Grid->FloatingFooter();
    EXPECT_FALSE(Footer->Visible());
    EXPECT_EQ(Footer->FooterStyle(), fsFixedLastRow);
    EXPECT_EQ(Footer->BorderColor(), clNone);
    EXPECT_EQ(Footer->Color(), clBtnFace);
    EXPECT_TRUE(Footer->CalculateHiddenRows());
    Footer->SetVisible(true);
    EXPECT_EQ(Grid->FixedFooters(), 1);
    EXPECT_TRUE(Grid->FHideLastRow);
    Footer->SetFooterStyle(fsColumnPreview);
    EXPECT_EQ(Grid->FixedFooters(), 0);
    EXPECT_FALSE(Grid->FHideLastRow);
    Footer->SetFooterStyle(fsFixedLastRow);
    EXPECT_EQ(Grid->FixedFooters(), 1);
    Footer->SetVisible(false);
    EXPECT_EQ(Grid->FixedFooters(), 0);

    EXPECT_EQ(Footer->ColumnCalc(2), acNONE);
    Footer->SetColumnCalc(2, acSUM);
    EXPECT_EQ(Footer->ColumnCalc(2), acSUM);
    EXPECT_EQ(Grid->GetCellProperties(2, Grid->RowCount() - 1)->CalcType(), acSUM);

    TFloatingFooter Other(nullptr);
    Other.SetVisible(true);
    Other.SetColumn(3);
    Other.SetBorderColor(clRed);
    Footer->Assign(&Other);
    EXPECT_TRUE(Footer->Visible());
    EXPECT_EQ(Footer->Column(), 3);
    EXPECT_EQ(Footer->BorderColor(), clNone);
    EXPECT_EQ(Grid->FixedFooters(), 1);
}

}  // namespace
