// Filtering rows: the conditions and their combinations, levels of hidden rows, progress, node
// rows, narrowing while typing, and the column filter drop-down's list and check list.
#include "ExtGridTestSupport.h"

#include "support/Artifacts.h"

#include "grid/base/ExtUtil.h"
#include "grid/core/DropLists.h"
#include "grid/core/GridItems.h"
#include "grid/core/SortSettings.h"

#include "windows/Messages.h"

using namespace Input;

namespace {

class TFilterGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
};

class ExtGridFilterFixture : public ExtGridFixture {
protected:
    // Column 1 holds Texts under one fixed row; column 4 the row's id.
    void Fill(const QStringList& Texts)
    {
        Grid->SetRowCount(static_cast<int32_t>(Texts.size()) + 1);
        for (int32_t k = 0; k < Texts.size(); ++k) {
            Grid->SetCells(1, k + 1, Texts[k]);
            Grid->SetCells(4, k + 1, QString::number(k + 1));
        }
    }
    QStringList Column(int32_t ACol)
    {
        QStringList Result;
        for (int32_t r = Grid->FixedRows(); r < Grid->RowCount(); ++r) Result << Grid->Cells(ACol, r);
        return Result;
    }
    // Every row once, shown or hidden, and the two mappings agree.
    void ExpectRowsIntact(int32_t Total)
    {
        EXPECT_EQ(Grid->RowCount() + Grid->NumHiddenRows(), Total + 1);
        QStringList Ids;
        for (int32_t r = 1; r <= Total; ++r) Ids << Grid->AllCells(4, r);
        for (int32_t r = 1; r <= Total; ++r) EXPECT_EQ(Ids[r - 1], QString::number(r)) << "real row " << r;
        for (int32_t d = 0; d < Grid->RowCount(); ++d) EXPECT_EQ(Grid->DisplRowIndex(Grid->RealRowIndex(d)), d);
    }
    TFilterData* AddCondition(int32_t ACol, const QString& Condition, TFilterOperation Op)
    {
        TFilterData* Item = Grid->Filter()->Add();
        Item->SetColumn(static_cast<int16_t>(ACol));
        Item->SetCondition(Condition);
        Item->SetOperation(Op);
        return Item;
    }
};

TEST_F(ExtGridFilterFixture, ConditionsCombineAsTheirOperationsSay)
{
    Fill({QStringLiteral("Apple"), QStringLiteral("fizz"), QStringLiteral("pear"), QStringLiteral("  Ax  "),
          QStringLiteral("$12"), QStringLiteral("5 kg"), QStringLiteral("a kg b kg"), QStringLiteral("xABCx")});
    // Without conditions every row passes.
    for (int32_t r = 1; r <= 8; ++r) EXPECT_TRUE(Grid->RowMatchesFilter(r));
    struct TCase {
        const char* Name;
        std::function<void()> Setup;
        QList<int32_t> Passing;
    };
    const TCase Cases[] = {
        {"A* or *z", [&] { AddCondition(1, QStringLiteral("A*"), foNONE); AddCondition(1, QStringLiteral("*z"), foOR); },
         {1, 2, 4}},
        {"A* and *e", [&] { AddCondition(1, QStringLiteral("A*"), foNONE); AddCondition(1, QStringLiteral("*e"), foAND); },
         {1}},
        {"A* xor *e", [&] { AddCondition(1, QStringLiteral("A*"), foNONE); AddCondition(1, QStringLiteral("*e"), foXOR); },
         {4}},
        // A failing short item ends the test: later items do not rescue the row.
        {"short", [&] { AddCondition(1, QStringLiteral("p*"), foSHORT); AddCondition(1, QStringLiteral("*"), foOR); },
         {3}},
        {"case", [&] { AddCondition(1, QStringLiteral("a*"), foNONE)->SetCaseSensitive(false); }, {1, 4, 7}},
        {"row", [&] {
             TFilterData* Item = AddCondition(0, QStringLiteral("abc"), foNONE);
             Item->SetData(fcRow);
         },
         {8}},
        {"prefix", [&] {
             TFilterData* Item = AddCondition(1, QStringLiteral("12"), foNONE);
             Item->SetPrefix(QStringLiteral("$"));
             Item->SetMethod(fmLiteral);
         },
         {5}},
        // A suffix goes only when its first occurrence ends the text.
        {"suffix", [&] {
             TFilterData* Item = AddCondition(1, QStringLiteral("?"), foNONE);
             Item->SetSuffix(QStringLiteral(" kg"));
         },
         {6}},
        {"literal", [&] {
             AddCondition(1, QStringLiteral("Ax"), foNONE)->SetMethod(fmLiteral);
         },
         {4}},
    };
    for (const TCase& C : Cases) {
        Grid->Filter()->Clear();
        C.Setup();
        QList<int32_t> Passing;
        for (int32_t r = 1; r <= 8; ++r)
            if (Grid->RowMatchesFilter(r)) Passing << r;
        EXPECT_EQ(Passing, C.Passing) << C.Name;
    }
    // The application decides last, also over a failing short item.
    Grid->OnCustomFilter = [](TObject*, int32_t ARow, bool& Accept) { Accept = Accept || ARow == 2; };
    QList<int32_t> Passing;
    for (int32_t r = 1; r <= 8; ++r)
        if (Grid->RowMatchesFilter(r)) Passing << r;
    EXPECT_EQ(Passing, (QList<int32_t>{2, 4}));

    // A wide-encoded cell is tested decoded.
    Grid->OnCustomFilter = nullptr;
    Grid->Filter()->Clear();
    AddCondition(1, QStringLiteral("Ж*"), foNONE);
    Grid->SetCells(1, 2, EncodeWideCellText(QStringLiteral("Жук")));
    EXPECT_TRUE(Grid->RowMatchesFilter(2));
}

TEST_F(ExtGridFilterFixture, ActiveFilterHidesALevelAndBringsItBack)
{
    Fill({QStringLiteral("a1"), QStringLiteral("b1"), QStringLiteral("a2"), QStringLiteral("b2"), QStringLiteral("a3")});
    AddCondition(1, QStringLiteral("a*"), foNONE);
    QList<int16_t> Progress;
    Grid->OnFilterProgress = [&](TObject*, int16_t P) { Progress << P; };
    Grid->SetFilterActive(true);
    EXPECT_EQ(Column(1), (QStringList{"a1", "a2", "a3"}));
    EXPECT_EQ(Grid->FilterLevel(), 1);
    EXPECT_EQ(Progress, (QList<int16_t>{20, 40, 60, 80, 100, 100}));
    ExpectRowsIntact(5);
    // Off: the rows come back; the level count stays.
    Grid->SetFilterActive(false);
    EXPECT_EQ(Column(1), (QStringList{"a1", "b1", "a2", "b2", "a3"}));
    EXPECT_EQ(Grid->FilterLevel(), 1);
    ExpectRowsIntact(5);

    // Progress rounds halves to even: 1 of 8 is 12.5 -> 12, 3 of 8 is 37.5 -> 38.
    Fill({"a", "a", "a", "a", "a", "a", "a", "a"});
    Progress.clear();
    Grid->ApplyFilter();
    EXPECT_EQ(Progress.mid(0, 3), (QList<int16_t>{12, 25, 38}));
}

TEST_F(ExtGridFilterFixture, NodeRowsStayWithNormalCellsOnly)
{
    Fill({QStringLiteral("group"), QStringLiteral("a1"), QStringLiteral("b1"), QStringLiteral("a2")});
    Grid->MakeNode(1, 4);
    AddCondition(1, QStringLiteral("a*"), foNONE);
    Grid->ApplyFilter();
    EXPECT_EQ(Column(1), (QStringList{"group", "a1", "a2"}));
    EXPECT_TRUE(Grid->RemoveLastFilter() == false);
    Grid->SetFilterNormalCellsOnly(false);
    Grid->ApplyFilter();
    EXPECT_EQ(Column(1), (QStringList{"a1", "a2"}));
}

TEST_F(ExtGridFilterFixture, LevelsAndRemoval)
{
    Fill({QStringLiteral("abc"), QStringLiteral("abd"), QStringLiteral("acd"), QStringLiteral("b")});
    AddCondition(1, QStringLiteral("a*"), foNONE);
    Grid->ApplyFilter();
    Grid->Filter()->Items(0)->SetCondition(QStringLiteral("ab*"));
    Grid->ApplyFilter();
    Grid->Filter()->Items(0)->SetCondition(QStringLiteral("abc"));
    Grid->ApplyFilter();
    EXPECT_EQ(Column(1), QStringList{"abc"});
    ExpectRowsIntact(4);
    EXPECT_TRUE(Grid->RemoveLastFilter());
    EXPECT_EQ(Column(1), (QStringList{"abc", "abd"}));
    EXPECT_FALSE(Grid->RemoveLastFilter());
    EXPECT_EQ(Column(1), (QStringList{"abc", "abd", "acd"}));
    EXPECT_FALSE(Grid->RemoveLastFilter());
    EXPECT_FALSE(Grid->RemoveLastFilter());
    EXPECT_EQ(Column(1), (QStringList{"abc", "abd", "acd", "b"}));
    ExpectRowsIntact(4);
    // Without levels RemoveAllFilters deletes the conditions.
    Grid->RemoveAllFilters();
    EXPECT_EQ(Grid->Filter()->Count(), 0);

    // A row hidden by hand, a filter level over it, the level removed: rows keep their order.
    Fill({"1", "2", "3", "4", "5", "6"});
    Grid->HideRow(2);
    AddCondition(4, QStringLiteral("!4"), foNONE);
    Grid->ApplyFilter();
    EXPECT_EQ(Column(4), (QStringList{"1", "3", "5", "6"}));
    Grid->RemoveLastFilter();
    EXPECT_EQ(Column(4), (QStringList{"1", "2", "3", "4", "5", "6"}));
    ExpectRowsIntact(6);
}

TEST_F(ExtGridFilterFixture, NarrowDownAddsAndRemovesLevels)
{
    Fill({QStringLiteral("xa"), QStringLiteral("ab"), QStringLiteral("ba b"), QStringLiteral("c")});
    Grid->NarrowDown(QStringLiteral("a"), 1);
    EXPECT_EQ(Grid->FilterLevel(), 1);
    EXPECT_EQ(Column(1), (QStringList{"xa", "ab", "ba b"}));
    EXPECT_EQ(Grid->Filter()->Items(0)->Condition(), QStringLiteral("*a*"));
    EXPECT_FALSE(Grid->Filter()->Items(0)->CaseSensitive());
    Grid->NarrowDown(QStringLiteral("ab"), 1);
    EXPECT_EQ(Grid->FilterLevel(), 2);
    EXPECT_EQ(Column(1), QStringList{"ab"});
    Grid->NarrowDown(QStringLiteral("a"), 1);
    EXPECT_EQ(Grid->FilterLevel(), 1);
    EXPECT_EQ(Column(1), (QStringList{"xa", "ab", "ba b"}));
    // A blank keeps the pattern whole inside quotes.
    Grid->NarrowDown(QStringLiteral("a b"), 1);
    EXPECT_EQ(Grid->Filter()->Items(0)->Condition(), QStringLiteral("\"*a b*\""));
    EXPECT_EQ(Column(1), QStringList{"ba b"});
    Grid->NarrowDown(QString(), 1);
    EXPECT_EQ(Grid->FilterLevel(), 0);
    EXPECT_EQ(Grid->NumHiddenRows(), 0);
    EXPECT_EQ(Column(1), (QStringList{"xa", "ab", "ba b", "c"}));
    ExpectRowsIntact(4);
    // Whole rows with -1; an empty condition also shows rows hidden otherwise.
    Grid->NarrowDown(QStringLiteral("C"), -1);
    EXPECT_EQ(Column(1), QStringList{"c"});
    Grid->HideRow(1);
    Grid->NarrowDown(QString(), -1);
    EXPECT_EQ(Grid->NumHiddenRows(), 0);
    ExpectRowsIntact(4);
}

TEST_F(ExtGridFilterFixture, DropDownListChoices)
{
    // FilterDropDownRow takes only fixed rows.
    Grid->SetFilterDropDownRow(Grid->FixedRows());
    EXPECT_EQ(Grid->FilterDropDownRow(), 0);
    Grid->SetFixedRows(2);
    Grid->SetFilterDropDownRow(1);
    EXPECT_EQ(Grid->FilterDropDownRow(), 1);
    Grid->SetFixedRows(1);

    Fill({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a")});
    Grid->OnGetColumnFilter = [](TObject*, int32_t, TStrings* List) {
        List->Clear();
        List->Add(QStringLiteral("(All)"));
        List->Add(QStringLiteral("Only a=a"));
        List->Add(QStringLiteral("b"));
    };
    Grid->SetFilterDropDownClear(QStringLiteral("(All)"));
    QStringList Selected;
    Grid->OnFilterSelect = [&](TObject*, int32_t Column, int32_t Index, const QString& Friendly, QString& Condition) {
        Selected << QStringLiteral("%1:%2:%3:%4").arg(Column).arg(Index).arg(Friendly, Condition);
    };
    int32_t Done = 0;
    Grid->OnFilterDone = [&](TObject*) { ++Done; };
    TDropList* List = Grid->DropList();
    ASSERT_NE(List, nullptr);
    List->Items()->SetCommaText(QStringLiteral("x,y,z"));

    // The entries come sorted: "(All)", "b", "Only a=a".
    Grid->SetFilterColumn(1);
    Grid->ApplyFilterListChoice(List, 2);
    EXPECT_EQ(Selected, QStringList{"1:2:Only a:a"});
    EXPECT_EQ(Column(1), (QStringList{"a", "a"}));
    EXPECT_EQ(Grid->FilterColumn(), -1);
    EXPECT_EQ(Done, 1);
    // "(All)" removes the column's condition.
    Grid->SetFilterColumn(1);
    Grid->ApplyFilterListChoice(List, 0);
    EXPECT_FALSE(Grid->Filter()->HasFilter(1));
    EXPECT_EQ(Column(1), (QStringList{"a", "b", "a"}));
    // Out of range: ignored, the drop-down closes.
    Grid->SetFilterColumn(1);
    Grid->ApplyFilterListChoice(List, 3);
    EXPECT_EQ(Selected.size(), 2);
    EXPECT_EQ(Grid->FilterColumn(), -1);

    // Enter in the shown list picks its selected entry.
    Show();
    Grid->SetFilterColumn(1);
    List->SetBounds(10, 10, 100, 60);
    List->Show();
    List->SetItemIndex(1);
    List->SetFocus();
    ProcessPendingEvents();
    PressKey(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_FALSE(List->Visible());
    EXPECT_EQ(Selected.last(), QStringLiteral("1:1:b:b"));
    EXPECT_EQ(Column(1), QStringList{"b"});

    // Losing the mouse with the pointer outside hides the list and closes the column.
    Grid->SetFilterColumn(1);
    List->Show();
    MoveMouse(List, {20, 20});
    List->Perform(CM_CANCELMODE, 0, 0);
    EXPECT_TRUE(List->Visible());
    EXPECT_EQ(Grid->FilterColumn(), 1);
    MoveMouse(Form.get(), {400, 260});
    List->Perform(CM_CANCELMODE, 0, 0);
    EXPECT_FALSE(List->Visible());
    EXPECT_EQ(Grid->FilterColumn(), -1);

}

TEST_F(ExtGridFilterFixture, DropDownCheckListTicks)
{
    Fill({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    Grid->OnGetColumnFilter = [](TObject*, int32_t, TStrings* List) {
        List->Clear();
        List->Add(QStringLiteral("a"));
        List->Add(QStringLiteral("b"));
        List->Add(QStringLiteral("c"));
    };
    QStringList Checked;
    Grid->OnFilterCheck = [&](TObject*, int32_t, int32_t Index, const QString&, QString& Condition, TCheckListBox*) {
        Checked << QStringLiteral("%1:%2").arg(Index).arg(Condition);
    };
    Show();
    TDropCheckList* List = Grid->DropCheckList();
    List->Items()->SetCommaText(QStringLiteral("a,b,c"));
    List->SetBounds(10, 10, 120, 80);
    List->Show();
    ProcessPendingEvents();
    Grid->SetFilterColumn(1);
    // A click on an entry's box ticks it: the ticked entries become conditions joined by or.
    const TRect Item0 = List->ItemRect(0);
    const TRect Item2 = List->ItemRect(2);
    Click(List, {Item0.Left + 3, (Item0.Top + Item0.Bottom) / 2});
    EXPECT_EQ(Column(1), QStringList{"a"});
    Click(List, {Item2.Left + 3, (Item2.Top + Item2.Bottom) / 2});
    EXPECT_EQ(Column(1), (QStringList{"a", "c"}));
    EXPECT_EQ(Checked.mid(1), (QStringList{"0:a", "2:c"}));
    ASSERT_EQ(Grid->Filter()->Count(), 2);
    EXPECT_EQ(Grid->Filter()->Items(0)->Operation(), foNONE);
    EXPECT_EQ(Grid->Filter()->Items(1)->Operation(), foOR);
    EXPECT_EQ(Grid->FilterColumn(), 1);
    // Space on the selected entry unticks it.
    List->SetItemIndex(0);
    List->SetFocus();
    ProcessPendingEvents();
    PressKeyWithText(VK_SPACE, QStringLiteral(" "));
    ProcessPendingEvents();
    EXPECT_EQ(Column(1), QStringList{"c"});
}

// A grouped grid, filtered and sorted within its groups, as the user sees it: the rows that pass,
// each group's rows in order, nothing painted below the last row.
TEST_F(ExtGridFilterFixture, GroupedFilteredSortedGridRenders)
{
    Fill({QStringLiteral("Fruit"), QStringLiteral("pear"), QStringLiteral("apple"), QStringLiteral("plum"),
          QStringLiteral("Nuts"), QStringLiteral("pecan"), QStringLiteral("almond"), QStringLiteral("walnut")});
    Grid->SetCells(1, 0, QStringLiteral("Name"));
    Grid->MakeNode(1, 4);
    Grid->MakeNode(5, 4);
    AddCondition(1, QStringLiteral("p*|a*"), foNONE);
    Grid->SetFilterActive(true);
    EXPECT_EQ(Column(1), (QStringList{"Fruit", "pear", "apple", "plum", "Nuts", "pecan", "almond"}));
    // The groups' spans still count the filtered row; the sort stays inside each group.
    Grid->SortSettings()->SetColumn(1);
    Grid->QSortGroup();
    EXPECT_EQ(Column(1).mid(0, 4), (QStringList{"Fruit", "apple", "pear", "plum"}));
    Show();
    Grid->Invalidate();
    ProcessPendingEvents();
    const QImage Image = RenderControl(Grid);
    SaveArtifact(Image, QStringLiteral("ext-string-grid-grouped-filtered-sorted"));
    const int32_t Border = (Grid->Width() - Grid->ClientWidth()) / 2;
    const auto Inked = [&](int32_t ARow) {
        const TRect Cell = Grid->TBaseGrid::CellRect(1, ARow);
        for (int32_t y = Cell.Top + 2; y < Cell.Bottom - 1; ++y)
            for (int32_t x = Cell.Left + 2; x < Cell.Right - 2; ++x)
                if (Image.pixel(x + Border, y + Border) != Image.pixel(Cell.Left + Border + 1, Cell.Top + Border + 1))
                    return true;
        return false;
    };
    for (int32_t r = 1; r < Grid->RowCount(); ++r) EXPECT_TRUE(Inked(r)) << "row " << r;
    const TRect Last = Grid->TBaseGrid::CellRect(1, Grid->RowCount() - 1);
    const int32_t Below = Last.Bottom + 4 + Border;
    ASSERT_LT(Below, Image.height());
    for (int32_t x = Last.Left + Border; x < Last.Right + Border; ++x)
        EXPECT_EQ(Image.pixel(x, Below), Image.pixel(Last.Left + Border, Below));
}

}  // namespace
