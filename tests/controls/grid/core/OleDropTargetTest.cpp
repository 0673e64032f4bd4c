// The grid's drop target: registered for the grid's window and revoked by DragDropSettings, the
// accept switches it takes after streaming, the unit's rich-text switch and the base target's answers.
#include "ExtGridTestSupport.h"

#include "support/LayerInternals.h"

#include "grid/core/GridOptions.h"
#include "grid/exchange/GridDropTarget.h"
#include "windows/ActiveX.h"

#include <QWidget>

#include <memory>

namespace {

class TOleGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::FGridDropTarget;
    using TExtStringGrid::FOleDropTargetAssigned;
};

// An owner in the form designer: the components it owns are designed too.
class TDesignedOwner : public TComponent {
public:
    TDesignedOwner() : TComponent(nullptr) { SetDesigning(true); }
};

class TForeignTarget : public TESGDropTarget {};

class OleDropTargetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDropRTFEnabled(false);
        Form.reset(New<TForm>(nullptr));
        Grid = New<TOleGrid>(Form.get());
        Grid->SetParent(Form.get());
        Form->Show();
        ProcessPendingEvents();
    }
    void TearDown() override { SetDropRTFEnabled(false); }

    bool TakesDrops() { return WidgetOf(Grid->Handle())->acceptDrops(); }

    std::unique_ptr<TForm> Form;
    TOleGrid* Grid = nullptr;
};

TEST_F(OleDropTargetTest, TheSwitchRegistersTheGridsTargetAndRevokesIt)
{
    TDragDropSettings* Settings = Grid->DragDropSettings();
    EXPECT_EQ(Settings->Grid(), Grid);
    EXPECT_FALSE(Grid->FGridDropTarget);
    EXPECT_FALSE(Grid->FOleDropTargetAssigned);
    EXPECT_FALSE(TakesDrops());

    Settings->SetOleDropTarget(true);
    EXPECT_TRUE(Settings->OleDropTarget());
    ASSERT_TRUE(Grid->FGridDropTarget);
    EXPECT_EQ(Grid->FGridDropTarget->Grid(), Grid);
    EXPECT_TRUE(Grid->FOleDropTargetAssigned);
    EXPECT_TRUE(TakesDrops());
    EXPECT_EQ(RegisterDragDrop(Grid->Handle(), std::make_shared<TForeignTarget>()), DRAGDROP_E_ALREADYREGISTERED);
    std::weak_ptr<TGridDropTarget> First = Grid->FGridDropTarget;

    // Switched on again: the standing registration makes way for a new target, which can still be revoked.
    Settings->SetOleDropTarget(true);
    EXPECT_TRUE(First.expired());
    ASSERT_TRUE(Grid->FGridDropTarget);
    EXPECT_TRUE(Grid->FOleDropTargetAssigned);
    EXPECT_TRUE(TakesDrops());
    const std::weak_ptr<TGridDropTarget> Second = Grid->FGridDropTarget;

    Settings->SetOleDropTarget(false);
    EXPECT_FALSE(Settings->OleDropTarget());
    EXPECT_FALSE(Grid->FOleDropTargetAssigned);
    EXPECT_TRUE(Second.expired()) << "neither the grid nor its window keeps the target";
    EXPECT_FALSE(TakesDrops());
    EXPECT_EQ(RevokeDragDrop(Grid->Handle()), DRAGDROP_E_NOTREGISTERED);
    Settings->SetOleDropTarget(false);
    EXPECT_FALSE(TakesDrops());

    Settings->SetOleDropTarget(true);
    EXPECT_TRUE(Grid->FOleDropTargetAssigned);
    EXPECT_TRUE(TakesDrops());
}

TEST_F(OleDropTargetTest, AFailedRegistrationIsRecordedAndNeverRevoked)
{
    ASSERT_EQ(RegisterDragDrop(Grid->Handle(), std::make_shared<TForeignTarget>()), S_OK);
    Grid->DragDropSettings()->SetOleDropTarget(true);
    EXPECT_TRUE(Grid->FGridDropTarget) << "kept as the grid's target all the same";
    EXPECT_FALSE(Grid->FOleDropTargetAssigned);
    Grid->DragDropSettings()->SetOleDropTarget(false);
    EXPECT_TRUE(TakesDrops()) << "the other registration stands";
    EXPECT_EQ(RevokeDragDrop(Grid->Handle()), S_OK);
}

TEST_F(OleDropTargetTest, FreeingTheGridLetsGoOfItsTarget)
{
    Grid->DragDropSettings()->SetOleDropTarget(true);
    const std::weak_ptr<TGridDropTarget> Target = Grid->FGridDropTarget;
    ASSERT_FALSE(Target.expired());
    delete Grid;
    Grid = nullptr;
    EXPECT_TRUE(Target.expired());
}

TEST(OleDropTargetDesignTest, InTheFormDesignerTheSwitchOnlyStores)
{
    TDesignedOwner Owner;
    auto* Grid = New<TOleGrid>(&Owner);
    ASSERT_TRUE(Grid->ComponentState().Contains(csDesigning));
    Grid->DragDropSettings()->SetOleDropTarget(true);
    EXPECT_TRUE(Grid->DragDropSettings()->OleDropTarget());
    EXPECT_FALSE(Grid->FGridDropTarget);
    EXPECT_FALSE(Grid->FOleDropTargetAssigned);
    EXPECT_FALSE(Grid->HandleAllocated()) << "not even a window is made";
    Grid->DragDropSettings()->SetOleDropTarget(false);
    EXPECT_FALSE(Grid->HandleAllocated());
}

TEST_F(OleDropTargetTest, AfterStreamingTheTargetTakesTheAcceptSwitches)
{
    TDragDropSettings* Settings = Grid->DragDropSettings();
    Grid->BeginLoading();
    Settings->SetOleDropTarget(true);
    Settings->SetOleAcceptText(false);
    Settings->SetOleAcceptURLs(false);
    ASSERT_TRUE(Grid->FGridDropTarget);
    TGridDropTarget* Target = Grid->FGridDropTarget.get();
    EXPECT_TRUE(Target->AcceptText() && Target->AcceptFiles() && Target->AcceptURLs()) << "taken only at the end";
    EXPECT_FALSE(Target->AcceptCols());
    Grid->Loaded();
    EXPECT_FALSE(Target->AcceptText());
    EXPECT_TRUE(Target->AcceptFiles());
    EXPECT_FALSE(Target->AcceptURLs());
    EXPECT_FALSE(Target->AcceptCols());

    Settings->SetOleAcceptFiles(false);
    Settings->SetOleDropTarget(false);
    Grid->BeginLoading();
    Grid->Loaded();
    EXPECT_FALSE(Grid->FGridDropTarget) << "nothing to take them without a registration";
}

TEST_F(OleDropTargetTest, RichTextSwitchIsTheUnitsAndAssignLeavesWindowAndUnitAlone)
{
    TDragDropSettings* Settings = Grid->DragDropSettings();
    EXPECT_FALSE(DropRTFEnabled());
    Settings->SetOleDropRTF(true);
    EXPECT_TRUE(Settings->OleDropRTF());
    EXPECT_TRUE(DropRTFEnabled());
    TDragDropSettings Other(nullptr);
    EXPECT_TRUE(DropRTFEnabled()) << "one switch for all grids";
    Other.SetOleDropRTF(false);
    EXPECT_FALSE(DropRTFEnabled());
    EXPECT_TRUE(Settings->OleDropRTF());

    TDragDropSettings Source(nullptr);
    Source.SetOleDropTarget(true);
    Source.SetOleDropRTF(true);
    SetDropRTFEnabled(false);
    Settings->Assign(&Source);
    EXPECT_TRUE(Settings->OleDropTarget());
    EXPECT_TRUE(Settings->OleDropRTF());
    EXPECT_FALSE(Grid->FGridDropTarget);
    EXPECT_FALSE(TakesDrops());
    EXPECT_FALSE(DropRTFEnabled());
}

// Records the base target's virtual operations as they are called.
class TRecordingTarget : public TESGDropTarget {
public:
    void DragMouseEnter() override { Log << QStringLiteral("enter"); }
    void DragMouseLeave() override { Log << QStringLiteral("leave"); }
    void DragMouseMove(TPoint Pt, bool& Allow, TDropFormats Formats) override
    {
        Log << QStringLiteral("move %1,%2 %3 %4").arg(Pt.X).arg(Pt.Y).arg(Allow).arg(Formats.Empty());
    }
    void DropText(TPoint, const QString& S) override { Log << QStringLiteral("text ") + S; }

    QStringList Log;
};

TEST(ESGDropTargetTest, StartsAcceptingAllButColumnsAndRefusesWhatItCannotRead)
{
    TRecordingTarget Target;
    EXPECT_TRUE(Target.AcceptText());
    EXPECT_TRUE(Target.AcceptFiles());
    EXPECT_TRUE(Target.AcceptURLs());
    EXPECT_FALSE(Target.AcceptCols());

    IDropTarget& Ole = Target;
    uint32_t Effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(Ole.DragEnter(nullptr, MK_LBUTTON, POINTL{30, 40}, Effect), S_OK);
    EXPECT_EQ(Effect, DROPEFFECT_NONE);
    Effect = DROPEFFECT_COPY;
    EXPECT_EQ(Ole.DragOver(MK_LBUTTON | MK_CONTROL, POINTL{31, -2}, Effect), S_OK);
    EXPECT_EQ(Effect, DROPEFFECT_NONE);
    EXPECT_EQ(Ole.DragLeave(), S_OK);
    Effect = DROPEFFECT_COPY;
    EXPECT_EQ(Ole.Drop(nullptr, 0, POINTL{31, 41}, Effect), S_OK);
    EXPECT_EQ(Effect, DROPEFFECT_NONE);
    EXPECT_EQ(Target.Log, (QStringList{QStringLiteral("enter"), QStringLiteral("move 31,-2 0 1"), QStringLiteral("leave")}));
}

}  // namespace
