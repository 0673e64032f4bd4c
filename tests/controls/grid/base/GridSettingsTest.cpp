// Tests of the grid's settings objects: defaults, which setters report, and what Assign copies.
#include "grid/base/GridSettings.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/Strings.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A setter and how many change reports it gives on a fresh object.
template <typename T>
struct TReportCase {
    const char* Name;
    std::function<void(T&)> Act;
    int32_t Reports;
};

template <typename T>
int32_t CountReports(T& Object, const std::function<void(T&)>& Act)
{
    int32_t Count = 0;
    Object.OnChange = [&Count](TObject*) { ++Count; };
    Act(Object);
    Object.OnChange = nullptr;
    return Count;
}

}  // namespace

TEST(GridSettingsTest, SearchFooterTextsOnlyForTheDesigner)
{
    TSearchFooter Run(nullptr, false);
    for (const QString& Text :
         {Run.FindPrevCaption(), Run.FindNextCaption(), Run.MatchCaseCaption(), Run.HighLightCaption(), Run.HintClose(),
          Run.HintFindNext(), Run.HintFindPrev(), Run.HintHighlight()})
        EXPECT_TRUE(Text.isEmpty());

    TSearchFooter Design(nullptr, true);
    EXPECT_EQ(Design.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(Design.FindNextCaption(), "Find &next");
    EXPECT_EQ(Design.MatchCaseCaption(), "Match case");
    EXPECT_EQ(Design.HighLightCaption(), "Highlight");
    EXPECT_EQ(Design.HintClose(), "Close");
    EXPECT_EQ(Design.HintFindNext(), "Find next occurrence");
    EXPECT_EQ(Design.HintFindPrev(), "Find previous occurrence");
    EXPECT_EQ(Design.HintHighlight(), "Highlight occurrences");

    EXPECT_TRUE(Run.AutoSearch());
    EXPECT_EQ(Run.Color(), TColor(0xFFFFFF));
    EXPECT_EQ(Run.ColorTo(), clBtnFace);
    EXPECT_EQ(Run.SearchColumn(), -1);
    EXPECT_EQ(Run.SearchDirection(), sdTopBottom);
    EXPECT_TRUE(Run.ShowClose() && Run.ShowFindNext() && Run.ShowFindPrev() && Run.ShowHighLight() &&
                Run.ShowMatchCase());
    EXPECT_FALSE(Run.Visible() || Run.AlwaysHighLight() || Run.SearchFixedCells());
}

TEST(GridSettingsTest, SearchFooterReports)
{
    using T = TSearchFooter;
    TFont Font;
    const TReportCase<T> Cases[] = {
        {"ShowFindNext same", [](T& F) { F.SetShowFindNext(true); }, 0},
        {"ShowFindNext off", [](T& F) { F.SetShowFindNext(false); }, 1},
        {"ShowMatchCase same", [](T& F) { F.SetShowMatchCase(true); }, 0},
        {"Visible same", [](T& F) { F.SetVisible(false); }, 0},
        {"Visible on", [](T& F) { F.SetVisible(true); }, 1},
        {"ShowClose same", [](T& F) { F.SetShowClose(true); }, 1},
        {"Color same", [](T& F) { F.SetColor(0xFFFFFF); }, 1},
        {"caption", [](T& F) { F.SetFindNextCaption("x"); }, 1},
        {"hint", [](T& F) { F.SetHintClose("x"); }, 1},
        {"font", [&Font](T& F) { F.SetFont(&Font); }, 1},
        {"AutoThemeAdapt", [](T& F) { F.SetAutoThemeAdapt(true); }, 1},
        {"direct values",
         [](T& F) {
             F.SetAutoSearch(false);
             F.SetSearchColumn(3);
             F.SetSearchDirection(sdLeftRight);
             F.SetLastSearch("abc");
         },
         0},
    };
    for (const auto& Case : Cases) {
        T Footer(nullptr, false);
        EXPECT_EQ(CountReports<T>(Footer, Case.Act), Case.Reports) << Case.Name;
    }
}

TEST(GridSettingsTest, SearchFooterAssignSkipsAutoSearchAndFixedCells)
{
    TSearchFooter From(nullptr, true);
    From.SetAutoSearch(false);
    From.SetSearchFixedCells(true);
    From.SetSearchHiddenRows(true);
    From.SetSearchColumn(4);
    From.SetVisible(true);
    From.SetShowClose(false);
    From.SetColorTo(clRed);
    From.Font()->SetSize(14);
    From.SetLastSearch("kept apart");

    TSearchFooter To(nullptr, false);
    int32_t Reports = 0;
    To.OnChange = [&Reports](TObject*) { ++Reports; };
    To.Assign(&From);
    EXPECT_EQ(Reports, 0);
    EXPECT_TRUE(To.AutoSearch());
    EXPECT_FALSE(To.SearchFixedCells());
    EXPECT_TRUE(To.SearchHiddenRows());
    EXPECT_EQ(To.SearchColumn(), 4);
    EXPECT_TRUE(To.Visible());
    EXPECT_FALSE(To.ShowClose());
    EXPECT_EQ(To.ColorTo(), clRed);
    EXPECT_EQ(To.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(To.Font()->Size(), 14);
    EXPECT_NE(To.Font(), From.Font());
    EXPECT_EQ(To.LastSearch(), "");

    TBands Other;
    To.Assign(&Other);  // another class: nothing, no error
    EXPECT_EQ(To.SearchColumn(), 4);
}

TEST(GridSettingsTest, NavigationDefaultsSettersAndAssign)
{
    TNavigation Nav;
    EXPECT_TRUE(Nav.AdvanceOnEnterLoop() && Nav.SkipDisabledRows() && Nav.CopyHTMLTagsToClipboard());
    EXPECT_FALSE(Nav.AdvanceOnEnter() || Nav.TabToNextAtEnd() || Nav.AllowInsertRow());
    EXPECT_EQ(Nav.HomeEndKey(), heFirstLastColumn);
    EXPECT_EQ(Nav.CursorAdvance(), caDefault);

    using T = TNavigation;
    const TReportCase<T> Cases[] = {
        {"AdvanceDirection same", [](T& N) { N.SetAdvanceDirection(adLeftRight); }, 0},
        {"AdvanceDirection new", [](T& N) { N.SetAdvanceDirection(adTopBottom); }, 1},
        {"AdvanceInsert new", [](T& N) { N.SetAdvanceInsert(true); }, 1},
        {"AdvanceAuto", [](T& N) { N.SetAdvanceAuto(true); }, 0},
        {"AutoGotoWhenSorted", [](T& N) { N.SetAutoGotoWhenSorted(true); }, 0},
        {"TabAdvanceDirection", [](T& N) { N.SetTabAdvanceDirection(adTopBottomInCol); }, 0},
    };
    for (const auto& Case : Cases) {
        T Fresh;
        EXPECT_EQ(CountReports<T>(Fresh, Case.Act), Case.Reports) << Case.Name;
    }

    Nav.SetAdvanceAuto(true);
    EXPECT_TRUE(Nav.AdvanceOnEnter());
    Nav.SetAdvanceAuto(false);
    EXPECT_TRUE(Nav.AdvanceOnEnter());

    TNavigation From;
    From.SetTabAdvanceDirection(adTopBottomInCol);
    From.SetAdvanceDirection(adLeftRightInRow);
    From.SetKeepScrollOnSort(true);
    From.SetSkipFixedCells(false);
    From.SetHomeEndKey(heFirstLastCell);
    TNavigation To;
    int32_t Reports = 0;
    To.OnChange = [&Reports](TObject*) { ++Reports; };
    To.Assign(&From);
    EXPECT_EQ(Reports, 0);
    EXPECT_EQ(To.TabAdvanceDirection(), adTopBottomInCol);
    EXPECT_EQ(To.AdvanceDirection(), adLeftRightInRow);
    EXPECT_FALSE(To.KeepScrollOnSort());
    EXPECT_FALSE(To.SkipFixedCells());
    EXPECT_EQ(To.HomeEndKey(), heFirstLastCell);
}

TEST(GridSettingsTest, MouseActionsSetters)
{
    TMouseActions Mouse(nullptr);
    EXPECT_TRUE(Mouse.AutoSizeColOnDblClick() && Mouse.PreciseNodeClick());
    EXPECT_FALSE(Mouse.RowSelect() || Mouse.DirectEdit());
    EXPECT_EQ(Mouse.FixedRowsEdit(), fceNone);
    EXPECT_EQ(Mouse.FixedColsEditor(), fceEdit);
    EXPECT_EQ(Mouse.WheelAction(), waMoveSelection);
    EXPECT_EQ(Mouse.WheelIncrement(), 0);
    EXPECT_EQ(Mouse.FixedComboValues()->Count(), 0);

    int32_t Invalidates = 0, Disables = 0, Changes = 0;
    Mouse.OnInvalidate = [&](TObject*) { ++Invalidates; };
    Mouse.OnDisableEdit = [&](TObject*) { ++Disables; };
    Mouse.OnChange = [&](TObject*) { ++Changes; };

    Mouse.SetHotmailRowSelect(true);
    EXPECT_TRUE(Mouse.DisjunctRowSelect());
    EXPECT_TRUE(Mouse.CheckAllCheck());
    Mouse.SetHotmailRowSelect(false);
    EXPECT_TRUE(Mouse.DisjunctRowSelect());
    EXPECT_EQ(Invalidates, 2);

    Mouse.SetEditOnDblClickOnly(false);
    Mouse.SetEditOnDblClickOnly(true);
    EXPECT_EQ(Disables, 1);

    Mouse.SetWheelAction(waMoveSelection);
    Mouse.SetWheelAction(waScroll);
    EXPECT_EQ(Changes, 1);

    // At run time several disjunct modes may be on; in the designer one turns the others off.
    Mouse.SetDisjunctColSelect(true);
    Mouse.SetDisjunctCellSelect(true);
    EXPECT_TRUE(Mouse.DisjunctRowSelect() && Mouse.DisjunctColSelect() && Mouse.DisjunctCellSelect());
    Mouse.OnIsDesigning = [](TObject*, bool& Designing) { Designing = true; };
    Mouse.SetDisjunctColSelect(true);
    EXPECT_FALSE(Mouse.DisjunctRowSelect());
    EXPECT_TRUE(Mouse.DisjunctColSelect());
    EXPECT_FALSE(Mouse.DisjunctCellSelect());
    Mouse.SetDisjunctRowSelect(false);  // false touches nothing else
    EXPECT_TRUE(Mouse.DisjunctColSelect());

    TStringList Values;
    Values.Add("one");
    Values.Add("two");
    Mouse.SetFixedComboValues(&Values);
    Values.Clear();
    EXPECT_EQ(Mouse.FixedComboValues()->Count(), 2);
}

TEST(GridSettingsTest, MouseActionsAssignSkipsFourProperties)
{
    TMouseActions From(nullptr);
    From.SetEditOnDblClickOnly(true);
    From.SetHotmailRowSelect(true);  // also DisjunctRowSelect and CheckAllCheck
    From.SetSizeFixedRow(true);
    From.SetSizeFixedCol(true);
    From.SetWheelAction(waScroll);
    From.SetWheelIncrement(3);
    From.SetFixedColsEdit(fceRightClick);
    From.FixedComboValues()->Add("x");

    TMouseActions To(nullptr);
    int32_t Reports = 0;
    To.OnChange = [&Reports](TObject*) { ++Reports; };
    To.OnInvalidate = To.OnChange;
    To.OnDisableEdit = To.OnChange;
    To.Assign(&From);
    EXPECT_EQ(Reports, 0);
    EXPECT_FALSE(To.EditOnDblClickOnly());
    EXPECT_FALSE(To.HotmailRowSelect());
    EXPECT_FALSE(To.SizeFixedRow());
    EXPECT_EQ(To.FixedComboValues()->Count(), 0);
    EXPECT_TRUE(To.DisjunctRowSelect());
    EXPECT_TRUE(To.CheckAllCheck());
    EXPECT_TRUE(To.SizeFixedCol());
    EXPECT_EQ(To.WheelAction(), waScroll);
    EXPECT_EQ(To.WheelIncrement(), 3);
    EXPECT_EQ(To.FixedColsEdit(), fceRightClick);
}

TEST(GridSettingsTest, SyncGridIgnoresItsOwner)
{
    // Grids are only compared here, never reached.
    auto* Owner = reinterpret_cast<TStringGrid*>(0x1000);
    auto* Other = reinterpret_cast<TStringGrid*>(0x2000);
    TSyncGrid Sync(Owner);
    EXPECT_EQ(Sync.Grid(), nullptr);
    Sync.SetGrid(Other);
    Sync.SetGrid(Owner);
    EXPECT_EQ(Sync.Grid(), Other);
    Sync.SetMoveRow(true);
    Sync.SetScrollVertical(true);

    TSyncGrid OtherSide(Other);  // its owner is the source's grid: the setter drops it
    OtherSide.Assign(&Sync);
    EXPECT_EQ(OtherSide.Grid(), nullptr);
    EXPECT_TRUE(OtherSide.MoveRow());
    EXPECT_TRUE(OtherSide.ScrollVertical());
    EXPECT_FALSE(OtherSide.SelectionRow());
    TSyncGrid Third(Owner);
    Third.Assign(&Sync);
    EXPECT_EQ(Third.Grid(), Other);
}

TEST(GridSettingsTest, BandsReportOnlyWhileActive)
{
    TBands Bands;
    EXPECT_FALSE(Bands.Active());
    EXPECT_EQ(Bands.PrimaryColor(), clInfoBk);
    EXPECT_EQ(Bands.SecondaryColor(), clWindow);
    EXPECT_EQ(Bands.TotalLength(), 2);

    using T = TBands;
    const TReportCase<T> Cases[] = {
        {"colour inactive", [](T& B) { B.SetPrimaryColor(clRed); }, 0},
        {"length inactive", [](T& B) { B.SetSecondaryLength(5); }, 0},
        {"Active on", [](T& B) { B.SetActive(true); }, 1},
        {"Active same", [](T& B) { B.SetActive(false); }, 0},
        {"colour active",
         [](T& B) {
             B.SetActive(true);
             B.SetSecondaryColor(clRed);
         },
         2},
        {"same colour active",
         [](T& B) {
             B.SetActive(true);
             B.SetPrimaryColor(clInfoBk);
         },
         1},
        {"length active",
         [](T& B) {
             B.SetActive(true);
             B.SetPrimaryLength(3);
         },
         2},
        {"Print",
         [](T& B) {
             B.SetActive(true);
             B.SetPrint(true);
         },
         1},
    };
    for (const auto& Case : Cases) {
        T Fresh;
        EXPECT_EQ(CountReports<T>(Fresh, Case.Act), Case.Reports) << Case.Name;
    }

    Bands.SetPrimaryLength(3);
    EXPECT_EQ(Bands.TotalLength(), 4);
    Bands.SetActive(true);
    Bands.SetSecondaryColor(clLime);
    Bands.SetPrint(true);

    TBands To;
    int32_t Reports = 0;
    To.OnChange = [&Reports](TObject*) { ++Reports; };
    To.Assign(&Bands);
    EXPECT_EQ(Reports, 0);
    EXPECT_TRUE(To.Active());
    EXPECT_EQ(To.PrimaryLength(), 3);
    EXPECT_EQ(To.SecondaryColor(), clLime);
    EXPECT_TRUE(To.Print());
    EXPECT_EQ(To.TotalLength(), 4);
}

TEST(GridSettingsTest, FocusHelperCopiesEnabled)
{
    TFocusHelper From(nullptr), To(nullptr);
    EXPECT_FALSE(From.Enabled());
    From.SetEnabled(true);
    To.Assign(&From);
    EXPECT_TRUE(To.Enabled());
}
