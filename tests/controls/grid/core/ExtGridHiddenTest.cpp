// Hidden columns and rows: both index spaces, hiding and showing, the filter levels, the parked
// selection and the current and top row.
#include "RowTracking.h"

#include "grid/base/GridSupport.h"

#include <QRandomGenerator>

#include <memory>
#include <set>

namespace {

using HiddenColumnsTest = ExtGridFixture;
using HiddenRowsTest = RowTrackingFixture;

QList<int32_t> Range(int32_t From, int32_t To)
{
    QList<int32_t> Ids;
    for (int32_t i = From; i <= To; ++i) Ids.append(i);
    return Ids;
}

// ---- Columns ----

TEST_F(HiddenColumnsTest, MappingWithAndWithoutHiddenColumns)
{
    Grid->SetColCount(5);
    for (int32_t c = 0; c < 5; ++c) {
        EXPECT_EQ(Grid->RealColIndex(c), c);
        EXPECT_EQ(Grid->DisplColIndex(c), c);
    }
    Grid->HideColumn(2);
    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(Grid->AllColCount(), 5);
    EXPECT_EQ(Grid->NumHiddenColumns(), 1);
    EXPECT_TRUE(Grid->IsHiddenColumn(2));
    struct TCase {
        int32_t Real, Displ;
    };
    // Display 0..3 show real 0, 1, 3, 4; the hidden real 2 maps onto the next shown display column.
    for (const TCase& C : {TCase{0, 0}, {1, 1}, {3, 2}, {4, 3}}) {
        EXPECT_EQ(Grid->RealColIndex(C.Displ), C.Real);
        EXPECT_EQ(Grid->DisplColIndex(C.Real), C.Displ);
    }
    EXPECT_EQ(Grid->DisplColIndex(2), 2);
    // Columns from 512 on always show and never enter the map.
    EXPECT_FALSE(Grid->IsHiddenColumn(600));
    EXPECT_EQ(Grid->RealColIndex(600), 600);
    Grid->HideColumn(512);
    Grid->HideColumn(-1);
    EXPECT_EQ(Grid->NumHiddenColumns(), 1);
}

TEST_F(HiddenColumnsTest, CellsStayAtTheirRealColumnAndWidthsComeBack)
{
    Grid->SetColCount(6);
    for (int32_t c = 0; c < 6; ++c) {
        Grid->SetColWidths(c, 30 + c);
        Grid->SetCells(c, 1, QStringLiteral("c%1").arg(c));
    }
    // Hidden and shown in a different order: each column gets its own width back.
    Grid->HideColumn(1);
    Grid->HideColumn(4);
    Grid->HideColumn(4);  // hidden already: nothing
    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(Grid->ColWidths(1), 32);
    EXPECT_EQ(Grid->ColWidths(2), 33);
    EXPECT_EQ(Grid->ColWidths(3), 35);
    EXPECT_EQ(Grid->Cells(4, 1), QStringLiteral("c4"));
    Grid->UnHideColumn(1);
    Grid->HideColumn(2);
    Grid->UnHideColumnsAll();
    EXPECT_EQ(Grid->ColCount(), 6);
    EXPECT_EQ(Grid->NumHiddenColumns(), 0);
    for (int32_t c = 0; c < 6; ++c) {
        EXPECT_EQ(Grid->ColWidths(c), 30 + c) << c;
        EXPECT_EQ(Grid->Cells(c, 1), QStringLiteral("c%1").arg(c));
    }
}

TEST_F(HiddenColumnsTest, TheLastShownColumnMovesTheCurrentColumnLeftAndOneColumnStays)
{
    Show();
    Grid->SetColCount(4);
    Grid->SetFixedCols(0);
    Grid->SetCol(3);
    Grid->HideColumn(1);
    EXPECT_EQ(Grid->Col(), 2);
    Grid->HideColumns(0, 3);
    EXPECT_EQ(Grid->ColCount(), 1);
    EXPECT_EQ(Grid->RealColIndex(0), 3);
    Grid->UnHideColumnsAll();
    EXPECT_EQ(Grid->ColCount(), 4);
}

// ---- Rows ----

TEST_F(HiddenRowsTest, HideRowsParksTheRowsAndUnHideRowsBringsThemBack)
{
    MakeRows(10);
    Grid->HideRows(3, 5);
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Grid->NumHiddenRows(), 3);
    EXPECT_EQ(Grid->RealRowIndex(3), 6);
    EXPECT_EQ(Grid->DisplRowIndex(4), 3);
    EXPECT_TRUE(Grid->IsHiddenRow(4));
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 1, 2, 6, 7, 8, 9}));
    CheckRows(Range(0, 9));
    Grid->UnHideRows(3, 5);
    EXPECT_EQ(Grid->NumHiddenRows(), 0);
    EXPECT_EQ(Shown(), Range(0, 9));
    CheckRows(Range(0, 9));
}

TEST_F(HiddenRowsTest, HidingAroundHiddenRowsKeepsTheCollectionInIndexOrder)
{
    MakeRows(10);
    Grid->HideRow(6);
    Grid->HideRows(5, 7);
    ASSERT_EQ(Grid->NumHiddenRows(), 3);
    for (int32_t I = 0; I < 3; ++I) {
        TGridItem* Item = Grid->GridItems()->Items(I);
        EXPECT_EQ(Item->Idx(), 5 + I);
        EXPECT_EQ(Item->Items()->Strings(RowTrackingFixture::IdCol).toInt(), 5 + I);
    }
    // Hiding rows that are all hidden changes nothing.
    Grid->HideRows(5, 7);
    EXPECT_EQ(Grid->NumHiddenRows(), 3);
    CheckRows(Range(0, 9));
    // Unhiding a range whose first row shows restores nothing.
    Grid->UnHideRows(4, 6);
    EXPECT_EQ(Grid->NumHiddenRows(), 3);
    // A range with a shown row inside keeps that row between the restored ones.
    Grid->UnHideRow(5);
    Grid->UnHideRows(6, 9);
    EXPECT_EQ(Shown(), Range(0, 9));
    CheckRows(Range(0, 9));
}

TEST_F(HiddenRowsTest, UnHideRowsAllRestoresEachRun)
{
    MakeRows(10);
    Grid->HideRow(7);
    Grid->HideRows(2, 3);
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 1, 4, 5, 6, 8, 9}));
    Grid->UnHideRowsAll();
    EXPECT_EQ(Grid->NumHiddenRows(), 0);
    EXPECT_EQ(Shown(), Range(0, 9));
    CheckRows(Range(0, 9));
}

TEST_F(HiddenRowsTest, HideRowsExSkipsRowsHiddenAlready)
{
    MakeRows(10);
    Grid->HideRow(6);
    Grid->HideRowsEx(5, 7);
    EXPECT_EQ(Grid->NumHiddenRows(), 3);
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 1, 2, 3, 4, 8, 9}));
    CheckRows(Range(0, 9));
    Grid->HideRowsEx(6, 8);  // first row hidden: nothing
    EXPECT_EQ(Grid->NumHiddenRows(), 3);
    Grid->UnHideRowsAll();
    EXPECT_EQ(Shown(), Range(0, 9));
    CheckRows(Range(0, 9));
}

TEST_F(HiddenRowsTest, RowListLevelsComeBackInTheirOldOrder)
{
    MakeRows(6);
    TIntList List(0, 0);
    List.Add(1);
    List.Add(3);
    Grid->HideRowList(&List);
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 2, 4, 5}));
    EXPECT_EQ(Grid->FilterLevel(), 1);
    for (int32_t I = 0; I < Grid->NumHiddenRows(); ++I) EXPECT_EQ(Grid->GridItems()->Items(I)->Level(), 0);
    CheckRows(Range(0, 5));
    // A second level hides display row 1 (real row 2).
    TIntList Second(0, 0);
    Second.Add(1);
    Grid->HideRowList(&Second);
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 4, 5}));
    CheckRows(Range(0, 5));
    Grid->UnHideRowList();
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 2, 4, 5}));
    EXPECT_EQ(Grid->NumHiddenRows(), 2);
    CheckRows(Range(0, 5));
}

TEST_F(HiddenRowsTest, RemovingTheFirstLevelShowsHiddenRowsAtTheirRealPlaces)
{
    // A row hidden by HideRow and a filtered one come back in their own order.
    MakeRows(6);
    Grid->HideRow(2);
    TIntList List(0, 0);
    List.Add(3);  // display row 3 is real row 4
    Grid->HideRowList(&List);
    EXPECT_EQ(Shown(), (QList<int32_t>{0, 1, 3, 5}));
    CheckRows(Range(0, 5));
    Grid->UnHideRowList();
    EXPECT_EQ(Grid->NumHiddenRows(), 0);
    EXPECT_EQ(Shown(), Range(0, 5));
    CheckRows(Range(0, 5));
}

TEST_F(HiddenRowsTest, MappingAgreesWithACountOverRandomHiddenSets)
{
    MakeRows(60);
    QRandomGenerator Random(18);
    for (int32_t Round = 0; Round < 20; ++Round) {
        const int32_t From = Random.bounded(60);
        const int32_t To = std::min(59, From + Random.bounded(5));
        if (Random.bounded(3) == 0) Grid->UnHideRows(From, To);
        else Grid->HideRows(From, To);
        std::set<int32_t> Hidden;
        for (int32_t I = 0; I < Grid->NumHiddenRows(); ++I) Hidden.insert(Grid->GridItems()->Items(I)->Idx());
        // The plain count the mapping must agree with.
        int32_t Displ = 0;
        for (int32_t r = 0; r < 60; ++r) {
            EXPECT_EQ(Grid->DisplRowIndex(r), Displ);
            if (Hidden.count(r)) continue;
            EXPECT_EQ(Grid->RealRowIndex(Displ), r);
            ++Displ;
        }
        EXPECT_EQ(Grid->RealRowIndex(-1), -1);
        EXPECT_EQ(Grid->RealRowIndex(Displ + 2), 62);
        TIntList* List = nullptr;
        for (int32_t r = 0; r < 60; ++r) EXPECT_EQ(Grid->IsHiddenRow(r, List), Hidden.count(r) == 1);
        delete List;
        CheckRows(Range(0, 59));
    }
    Grid->UnHideRowsAll();
    CheckRows(Range(0, 59));
}

TEST_F(HiddenRowsTest, ParkedPropertiesAreFreedOnceWithTheGrid)
{
    MakeRows(8);
    Grid->HideRows(2, 4);
    TIntList List(0, 0);
    List.Add(1);
    Grid->HideRowList(&List);
    EXPECT_EQ(TCountedProps::Live, 8);
    Form.reset();
    EXPECT_EQ(TCountedProps::Live, 0);
}

// ---- Selection and the current row ----

TEST_F(HiddenRowsTest, ParkedSelectionComesBackOrFallsToTheFirstNormalCell)
{
    Show();
    MakeRows(10);
    Grid->SetSelection({1, 3, 2, 5});
    Grid->HideSelection();
    Grid->UnHideSelection();
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 3, 2, 5}));
    Grid->SetSelection({2, 8, 2, 8});
    Grid->HideSelection();
    Grid->SetRowCount(5);
    Grid->UnHideSelection();
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(HiddenRowsTest, RowReportsChangesAndTopRowIgnoresValuesOutside)
{
    Show();
    MakeRows(30);
    QStringList Reports;
    Grid->OnRowUpdate = [&](TObject*, int32_t Old, int32_t New) {
        Reports.append(QStringLiteral("%1>%2").arg(Old).arg(New));
    };
    Grid->SetRow(4);
    Grid->SetRow(4);
    Grid->SetRow(6);
    EXPECT_EQ(Reports, (QStringList{"-1>4", "4>6"}));
    Grid->SetTopRow(5);
    EXPECT_EQ(Grid->TopRow(), 5);
    Grid->SetTopRow(Grid->RowCount());
    Grid->SetTopRow(0);
    EXPECT_EQ(Grid->TopRow(), 5);
}

// ---- Random sequences ----

TEST_F(HiddenRowsTest, RandomHideAndShowSequencesKeepEveryRow)
{
    MakeRows(40);
    QRandomGenerator Random(4120);
    for (int32_t Step = 0; Step < 200; ++Step) {
        SCOPED_TRACE(Step);
        switch (Random.bounded(6)) {
        case 0: {
            const int32_t From = Random.bounded(45);
            Grid->HideRows(From, From + Random.bounded(4));
            break;
        }
        case 1: {
            const int32_t From = Random.bounded(45);
            Grid->UnHideRows(From, From + Random.bounded(6));
            break;
        }
        case 2: {
            const int32_t From = Random.bounded(45);
            Grid->HideRowsEx(From, From + Random.bounded(3));
            break;
        }
        case 3: {
            TIntList List(0, 0);
            for (int32_t d = 1; d < Grid->RowCount(); ++d)
                if (Random.bounded(5) == 0) List.Add(d);
            Grid->HideRowList(&List);
            break;
        }
        case 4:
            Grid->UnHideRowList();
            break;
        default:
            if (Random.bounded(4) == 0) Grid->UnHideRowsAll();
            break;
        }
        // Hiding and showing never changes the real order.
        CheckRows(Range(0, 39));
        if (HasFailure()) break;
    }
    Grid->UnHideRowsAll();
    CheckRows(Range(0, 39));
}

}  // namespace
