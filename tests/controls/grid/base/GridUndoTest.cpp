// Tests of the undo component on a base grid: single changes, sequences, the level, MaxLevel,
// the current cell after a step, the events, and the link between grid and component.
#include "BaseGridTestSupport.h"

#include "grid/base/GridUndo.h"

namespace {

// A grid with an undo component and a recorder of changes made the way the string grid makes them.
class GridUndoTest : public BaseGridFixture {
protected:
    void SetUp() override
    {
        MakeGrid(6, 6);
        Undo = New<TExtGridUndoRedo>(Form.get());
        Grid->SetUndoRedo(Undo);
    }

    void Change(int32_t Col, int32_t Row, const QString& Value)
    {
        Undo->RegisterChange(Col, Row, Grid->GetCellEx(Col, Row), Value);
        Grid->SetCellEx(Col, Row, Value);
    }

    // Cells (1,1), (2,1), (3,1) as "a|b|c".
    QString Row1() { return Grid->GetCellEx(1, 1) + "|" + Grid->GetCellEx(2, 1) + "|" + Grid->GetCellEx(3, 1); }

    TExtGridUndoRedo* Undo = nullptr;
};

}  // namespace

TEST_F(GridUndoTest, SingleChangesStepBackAndForth)
{
    EXPECT_EQ(Undo->Grid(), Grid);
    Change(1, 1, "A");
    Change(2, 1, "B");
    Undo->Undo();
    Undo->Undo();
    EXPECT_EQ(Row1(), "||");
    Undo->Redo();
    EXPECT_EQ(Row1(), "A||");
    EXPECT_EQ(Undo->Level(), 1);
    EXPECT_TRUE(Undo->CanUndo());
    EXPECT_TRUE(Undo->CanRedo());
    EXPECT_EQ(Where(), "1,1");  // the redone cell became current
}

TEST_F(GridUndoTest, ASequenceIsOneStep)
{
    Change(3, 3, "before");
    Undo->StartSequence();
    Change(1, 1, "X");
    Change(2, 1, "Y");
    Undo->StopSequence();
    EXPECT_EQ(Undo->Items()->Count(), 5);

    QStringList Undone;
    Undo->OnUndo = [&](TObject* Sender, TBaseGrid* G, int32_t Col, int32_t Row, const QString& Orig,
                       const QString& New) {
        EXPECT_EQ(Sender, Undo);
        EXPECT_EQ(G, Grid);
        Undone.append(QStringLiteral("%1,%2 %3>%4").arg(Col).arg(Row).arg(Orig, New));
    };
    Undo->Undo();
    EXPECT_EQ(Undone, (QStringList{"2,1 Y>", "1,1 X>"}));  // last first
    EXPECT_EQ(Row1(), "||");
    EXPECT_EQ(Undo->Level(), 1);  // before the start marker
    EXPECT_EQ(Grid->GetCellEx(3, 3), "before");

    QStringList Redone;
    Undo->OnRedo = [&](TObject*, TBaseGrid*, int32_t Col, int32_t Row, const QString& Orig, const QString& New) {
        Redone.append(QStringLiteral("%1,%2 %3>%4").arg(Col).arg(Row).arg(Orig, New));
    };
    Undo->Redo();
    EXPECT_EQ(Redone, (QStringList{"1,1 >X", "2,1 >Y"}));  // in recorded order
    EXPECT_EQ(Row1(), "X|Y|");
    EXPECT_EQ(Undo->Level(), 5);  // after the stop marker
    EXPECT_FALSE(Undo->CanRedo());
}

TEST_F(GridUndoTest, ANewChangeDropsWhatCouldBeRedone)
{
    Change(1, 1, "A");
    Change(2, 1, "B");
    Undo->Undo();
    Change(3, 1, "C");
    EXPECT_FALSE(Undo->CanRedo());
    EXPECT_EQ(Undo->Items()->Count(), 2);
    Undo->Undo();
    Undo->Undo();
    EXPECT_EQ(Row1(), "||");
    EXPECT_FALSE(Undo->CanUndo());
    Undo->Undo();  // nothing left: nothing happens
    EXPECT_EQ(Undo->Level(), 0);

    // A sequence opened after an undo drops the undone entries too.
    Undo->Redo();
    Undo->StartSequence();
    EXPECT_EQ(Undo->Items()->Count(), 2);
    EXPECT_EQ(Undo->Level(), 2);
}

TEST_F(GridUndoTest, MaxLevelDropsTheOldestEntry)
{
    Undo->SetMaxLevel(2);
    Change(1, 1, "A");
    Change(2, 1, "B");
    Change(3, 1, "C");
    EXPECT_EQ(Undo->Items()->Count(), 2);
    EXPECT_EQ(Undo->Level(), 2);
    EXPECT_EQ(Undo->Items()->Item(0)->Col(), 2);
    Undo->Undo();
    Undo->Undo();
    EXPECT_EQ(Row1(), "A||");
}

TEST_F(GridUndoTest, OpenSequencesAndMarkers)
{
    // An unclosed sequence undoes change by change and steps over its start marker.
    Undo->StartSequence();
    Change(1, 1, "X");
    Change(2, 1, "Y");
    Undo->Undo();
    Undo->Undo();
    EXPECT_EQ(Row1(), "||");
    Grid->SetCol(4);
    Grid->SetRow(4);
    Undo->Undo();  // the start marker: nothing written, the current cell stays
    EXPECT_EQ(Undo->Level(), 0);
    EXPECT_EQ(Where(), "4,4");
    // Redoing it applies every change up to the end of the list.
    Undo->Redo();
    EXPECT_EQ(Row1(), "X|Y|");
    EXPECT_EQ(Undo->Level(), Undo->Items()->Count());
}

TEST_F(GridUndoTest, UndoMovesToTheChangedCellThroughItsDisplayedColumn)
{
    struct TShiftingGrid : TTestGrid {
        using TTestGrid::TTestGrid;
        int32_t DisplColIndex(int32_t ACol) override { return ACol - 1; }  // one hidden column before
    };
    auto* Shifted = New<TShiftingGrid>(Form.get());
    Shifted->SetParent(Form.get());
    Shifted->SetColCount(6);
    Shifted->SetRowCount(6);
    Grid->SetUndoRedo(nullptr);
    Shifted->SetUndoRedo(Undo);
    EXPECT_EQ(Undo->Grid(), Shifted);
    Undo->RegisterChange(4, 3, "old", "new");
    Shifted->SetCellEx(4, 3, "new");
    Undo->Undo();
    EXPECT_EQ(Shifted->GetCellEx(4, 3), "old");
    EXPECT_EQ(Shifted->Col(), 3);
    EXPECT_EQ(Shifted->Row(), 3);
}

TEST_F(GridUndoTest, ResetAndForgettingEachOther)
{
    Change(1, 1, "A");
    Undo->Reset();
    EXPECT_FALSE(Undo->CanUndo());
    EXPECT_FALSE(Undo->CanRedo());
    EXPECT_EQ(Undo->Items()->Count(), 0);

    // Without a grid nothing happens.
    Change(1, 1, "B");
    Grid->SetUndoRedo(nullptr);
    Undo->SetGrid(nullptr);
    Undo->Undo();
    EXPECT_EQ(Grid->GetCellEx(1, 1), "B");

    // A component made elsewhere: each side forgets the other when it goes.
    auto Other = std::unique_ptr<TExtGridUndoRedo>(New<TExtGridUndoRedo>(nullptr));
    Grid->SetUndoRedo(Other.get());
    Other.reset();
    EXPECT_EQ(Grid->UndoRedo(), nullptr);
    auto* Kept = New<TExtGridUndoRedo>(nullptr);
    Grid->SetUndoRedo(Kept);
    Form.reset();
    EXPECT_EQ(Kept->Grid(), nullptr);
    Kept->Undo();
    delete Kept;
}
