// The grid's transparent in-cell edit and combo: made hidden with the grid, Enter swallowed, and
// leaving them validates the text into the cell or keeps them open on it.
#include "ExtGridTestSupport.h"

#include "grid/core/HeaderDragButton.h"
#include "grid/core/TransEditors.h"

#include "windows/ListControls.h"
#include "windows/StdCtrls.h"

namespace {

class TTransGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    using TExtStringGrid::ComboTrans;
    using TExtStringGrid::EditTrans;
    using TExtStringGrid::MoveButton;
};

class TransEditorsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetClientWidth(500);
        Form->SetClientHeight(300);
        Grid = New<TTransGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(10, 10, 400, 250);
        Other = New<TEdit>(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(420, 10, 70, 24);
        Grid->SetCells(1, 2, QStringLiteral("old"));
        Grid->OnEditingDone = [this](TObject* Sender) {
            EXPECT_EQ(Sender, Grid);
            Log << QStringLiteral("done");
        };
        Form->Show();
        ProcessPendingEvents();
    }

    // Opens Control over cell (1, 2) with the focus, as the grid does for a fixed-cell edit.
    void Open(TWinControl* Control)
    {
        Control->SetBounds(Grid->CellRect(1, 2).Left, Grid->CellRect(1, 2).Top, 80, 22);
        Control->Show();
        Control->SetFocus();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
    TTransGrid* Grid = nullptr;
    TEdit* Other = nullptr;
    QStringList Log;
};

TEST_F(TransEditorsFixture, TheGridMakesThemHidden)
{
    ASSERT_NE(Grid->EditTrans, nullptr);
    ASSERT_NE(Grid->ComboTrans, nullptr);
    ASSERT_NE(Grid->MoveButton, nullptr);
    EXPECT_EQ(Grid->EditTrans->Parent(), Grid);
    EXPECT_FALSE(Grid->EditTrans->Visible());
    EXPECT_EQ(Grid->EditTrans->BorderStyle(), bsNone);
    EXPECT_EQ(Grid->ComboTrans->Parent(), Grid);
    EXPECT_FALSE(Grid->ComboTrans->Visible());
    EXPECT_EQ(Grid->MoveButton->Parent(), Grid);
    EXPECT_EQ(Grid->MoveButton->Grid(), Grid);
    EXPECT_FALSE(Grid->MoveButton->Visible());
    EXPECT_FALSE(Grid->MoveButton->Enabled());
}

// Leaving the control by a click elsewhere: OnCellValidate sees the typed text; accepted (maybe
// changed) it lands in the cell after OnEditingDone and the control hides; refused, the cell becomes
// current and the control stays open with the focus.
TEST_F(TransEditorsFixture, LeavingValidates)
{
    struct TCase {
        const char* Name;
        bool Combo;
        const char* Answer;  // nullptr: refuse
        const char* Cell;
        QStringList Log;
    };
    const TCase Cases[] = {
        {"edit, accepted", false, "", "new", {"validate 1 2 new", "done"}},
        {"edit, accepted changed", false, "NEW!", "NEW!", {"validate 1 2 new", "done"}},
        {"edit, refused", false, nullptr, "old", {"validate 1 2 new"}},
        {"combo, accepted", true, "", "new", {"validate 1 2 new", "done"}},
        {"combo, refused", true, nullptr, "old", {"validate 1 2 new"}},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->SetCells(1, 2, QStringLiteral("old"));
        Grid->FocusCell(3, 4);
        TWinControl* Control = C.Combo ? static_cast<TWinControl*>(Grid->ComboTrans) : Grid->EditTrans;
        if (C.Combo) {
            Grid->ComboTrans->SetCol(1);
            Grid->ComboTrans->SetRow(2);
        } else {
            Grid->EditTrans->SetCol(1);
            Grid->EditTrans->SetRow(2);
        }
        Control->SetText(QString());
        Open(Control);
        Input::TypeText(QStringLiteral("new"));
        Grid->OnCellValidate = [&](TObject* Sender, int32_t ACol, int32_t ARow, QString& Value, bool& Valid) {
            EXPECT_EQ(Sender, Grid);
            Log << QStringLiteral("validate %1 %2 %3").arg(ACol).arg(ARow).arg(Value);
            if (!C.Answer) Valid = false;
            else if (*C.Answer) Value = QString::fromUtf8(C.Answer);
        };
        Log.clear();
        Input::Click(Other, Point(5, 5));
        ProcessPendingEvents();
        EXPECT_EQ(Log, C.Log);
        EXPECT_EQ(Grid->Cells(1, 2), QString::fromUtf8(C.Cell));
        if (C.Answer) {
            EXPECT_FALSE(Control->Visible());
            EXPECT_TRUE(Other->Focused());
        } else {
            EXPECT_TRUE(Control->Visible());
            EXPECT_TRUE(Control->Focused());
            EXPECT_EQ(Grid->Col(), 1);
            EXPECT_EQ(Grid->Row(), 2);
            // Accepted on the next try.
            Grid->OnCellValidate = nullptr;
            Log.clear();
            Input::Click(Other, Point(5, 5));
            ProcessPendingEvents();
            EXPECT_EQ(Log, QStringList{"done"});
            EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("new"));
            EXPECT_FALSE(Control->Visible());
        }
        Grid->OnCellValidate = nullptr;
    }
}

// Enter reaches the control's key handling as no key (0); other keys as themselves.
TEST_F(TransEditorsFixture, EnterIsSwallowed)
{
    for (TWinControl* Control : {static_cast<TWinControl*>(Grid->EditTrans), static_cast<TWinControl*>(Grid->ComboTrans)}) {
        QList<uint16_t> Keys;
        Control->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) { Keys << Key; };
        Open(Control);
        Input::PressKey(VK_RETURN);
        Input::PressKey('A');
        ProcessPendingEvents();
        EXPECT_EQ(Keys, (QList<uint16_t>{0, 'A'}));
        EXPECT_TRUE(Control->Visible());
        Control->OnKeyDown = nullptr;
        Grid->SetFocus();
        ProcessPendingEvents();
    }
}

// Without a grid StopEdit only hides; a StopEdit call ends the edit as leaving does.
TEST_F(TransEditorsFixture, StopEditWithAndWithoutGrid)
{
    auto* Loose = New<TGridTransEdit>(Form.get());
    Loose->SetParent(Form.get());
    Loose->Show();
    EXPECT_TRUE(Loose->StopEdit());
    EXPECT_FALSE(Loose->Visible());

    Grid->EditTrans->SetCol(2);
    Grid->EditTrans->SetRow(3);
    Grid->EditTrans->SetText(QStringLiteral("typed"));
    Grid->EditTrans->Show();
    bool Valid = false;
    Grid->OnCellValidate = [&](TObject*, int32_t, int32_t, QString&, bool& V) { V = Valid; };
    EXPECT_FALSE(Grid->EditTrans->StopEdit());
    EXPECT_TRUE(Grid->EditTrans->Visible());
    EXPECT_EQ(Grid->Cells(2, 3), QString());
    Valid = true;
    EXPECT_TRUE(Grid->EditTrans->StopEdit());
    EXPECT_EQ(Log, QStringList{"done"});
    EXPECT_EQ(Grid->Cells(2, 3), QStringLiteral("typed"));
    EXPECT_FALSE(Grid->EditTrans->Visible());
}

// A grid destroyed while its edit has the focus validates nothing on the way out.
TEST_F(TransEditorsFixture, DestroyingTheGridWithAnOpenEdit)
{
    Grid->EditTrans->SetCol(1);
    Grid->EditTrans->SetRow(2);
    Open(Grid->EditTrans);
    int32_t Validated = 0;
    Grid->OnCellValidate = [&](TObject*, int32_t, int32_t, QString&, bool&) { ++Validated; };
    Grid->OnEditingDone = nullptr;
    delete Grid;
    Grid = nullptr;
    ProcessPendingEvents();
    EXPECT_EQ(Validated, 0);
}

}  // namespace
