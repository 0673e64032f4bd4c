// The spin, edit-with-button and value-and-unit editors over a grid cell, driven by real keys:
// page keys and their events, the keys that leave a cell, the character filters, paste, lookup
// completion and the value with its unit.
#include "EditorWrapperFixture.h"

#include "grid/view/GridValueEditors.h"

#include "rtl/Strings.h"
#include "windows/Clipbrd.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class GridValueEditorsTest : public EditorWrapperFixture {};

// ---- TGridSpin ----

TEST_F(GridValueEditorsTest, SpinPageKeysStayInTheRangeAndReportTheirDirection)
{
    struct TCase {
        const char* Name;
        TEditorType Type;
        QString Cell;
        std::vector<uint16_t> Keys;
        QString Shown;
        QList<QPair<int32_t, bool>> Clicks;
        QString Stored;
    };
    const std::vector<TCase> Cases = {
        {"PageUpReachesTheMaximum", edSpinEdit, "9", {VK_PRIOR}, "10", {{10, true}}, "10"},
        {"PageUpAtTheMaximumChangesNothing", edSpinEdit, "9", {VK_PRIOR, VK_PRIOR}, "10", {{10, true}, {10, true}}, "10"},
        {"PageDownStopsAtTheMinimum", edSpinEdit, "1", {VK_NEXT, VK_NEXT}, "0", {{0, false}, {0, false}}, "0"},
        {"HomeSetsTheMaximum", edSpinEdit, "5", {VK_HOME}, "10", {{10, true}}, "10"},
        {"EndSetsTheMinimum", edSpinEdit, "5", {VK_END}, "0", {{0, false}}, "0"},
        // A decimal reports its text read as a whole number: the minimum for "1.6".
        {"DecimalPageUpStepsByIncrementFloat", edFloatSpinEdit, "1.5", {VK_PRIOR}, "1.6", {{0, true}}, "1.60"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        QList<QPair<int32_t, bool>> Clicks;
        Grid->OnSpinClick = [&](TObject* Sender, int32_t ACol, int32_t ARow, int32_t AValue, bool Up) {
            EXPECT_EQ(Sender, Grid);
            EXPECT_EQ(ACol, 1);
            EXPECT_EQ(ARow, 1);
            Clicks.append({AValue, Up});
        };
        TGridSpin* Spin = Grid->SpinEdit();
        Spin->SetMinValue(0);
        Spin->SetMaxValue(10);
        ASSERT_EQ(Open(Case.Type, Case.Cell), Spin);
        for (uint16_t K : Case.Keys) Key(K);
        EXPECT_EQ(Spin->Text(), Case.Shown);
        EXPECT_EQ(Clicks, Case.Clicks);
        EXPECT_EQ(FindControl(GetFocus()), Spin);
        Key(VK_RETURN);
        EXPECT_EQ(Grid->Cells(1, 1), Case.Stored);
    }
}

TEST_F(GridValueEditorsTest, SpinEnterUpAndDownStoreAndLeaveEscKeepsTheCell)
{
    TGridSpin* Spin = Grid->SpinEdit();
    ASSERT_EQ(Open(edSpinEdit, "3"), Spin);
    Key(VK_PRIOR);
    Key(VK_DOWN);
    EXPECT_TRUE(GridHasFocus());
    EXPECT_FALSE(Spin->Visible());
    EXPECT_EQ(Grid->Cells(1, 1), "4");
    EXPECT_EQ(Grid->Row(), 2);

    ASSERT_EQ(Open(edSpinEdit, "7", 1, 2), Spin);
    Key(VK_UP);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->Cells(1, 2), "7");

    // Esc leaves a cell that is no number as it was, though the spin shows its minimum.
    for (const QString& Cell : {QStringLiteral("abc"), QString()}) {
        SCOPED_TRACE(Cell.toStdString());
        ASSERT_EQ(Open(edSpinEdit, Cell), Spin);
        Key(VK_PRIOR);
        Key(VK_ESCAPE);
        EXPECT_TRUE(GridHasFocus());
        EXPECT_EQ(Grid->Cells(1, 1), Cell);
    }
}

TEST_F(GridValueEditorsTest, SpinTakesTabOnlyWithGoTabs)
{
    TGridSpin* Spin = Grid->SpinEdit();
    Grid->OnCellValidate = [](TObject*, int32_t, int32_t, QString&, bool&) {};
    ASSERT_EQ(Open(edSpinEdit, "2"), Spin);
    EXPECT_EQ(Spin->Perform(CM_WANTSPECIALKEY, VK_TAB, 0), 0);
    EXPECT_EQ(Spin->Perform(CM_WANTSPECIALKEY, VK_RETURN, 0), 1);
    EXPECT_EQ(Spin->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0), 1);
    Key(VK_ESCAPE);

    Grid->SetOptions(Grid->Options() + goTabs);
    ASSERT_EQ(Open(edSpinEdit, "2"), Spin);
    EXPECT_EQ(Spin->Perform(CM_WANTSPECIALKEY, VK_TAB, 0), 1);
    Key(VK_PRIOR);
    Key(VK_TAB);
    EXPECT_EQ(Grid->Cells(1, 1), "3");
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_FALSE(Spin->Visible());
}

TEST_F(GridValueEditorsTest, SpinKeepsARejectedValueOpen)
{
    TGridSpin* Spin = Grid->SpinEdit();
    Grid->OnCellValidate = [](TObject*, int32_t, int32_t, QString&, bool& Valid) { Valid = false; };
    ASSERT_EQ(Open(edSpinEdit, "2"), Spin);
    Key(VK_PRIOR);
    Key(VK_RETURN);
    EXPECT_EQ(FindControl(GetFocus()), Spin);
    EXPECT_TRUE(Spin->Visible());
    EXPECT_EQ(Spin->SelStart(), Spin->Text().size());
    EXPECT_EQ(Grid->Row(), 1);
}

TEST_F(GridValueEditorsTest, SpinButtonClicksFireTheEventOfTheSpinType)
{
    QStringList Log;
    Grid->OnSpinClick = [&](TObject*, int32_t, int32_t, int32_t V, bool Up) { Log << QStringLiteral("int %1 %2").arg(V).arg(Up); };
    Grid->OnFloatSpinClick = [&](TObject*, int32_t, int32_t, double V, bool Up) {
        Log << QStringLiteral("float %1 %2").arg(V).arg(Up);
    };
    TGridSpin* Spin = Grid->SpinEdit();
    ASSERT_EQ(Open(edSpinEdit, "4"), Spin);
    TControl* Up = Spin->Button()->UpButton();
    TControl* Down = Spin->Button()->DownButton();
    Input::Click(Up, {Up->Width() / 2, Up->Height() / 2});
    Input::Click(Down, {Down->Width() / 2, Down->Height() / 2});
    Input::Click(Down, {Down->Width() / 2, Down->Height() / 2});
    ProcessPendingEvents();
    EXPECT_EQ(Spin->Text(), "3");
    Key(VK_ESCAPE);
    ASSERT_EQ(Open(edFloatSpinEdit, "1.5"), Spin);
    Input::Click(Up, {Up->Width() / 2, Up->Height() / 2});
    ProcessPendingEvents();
    EXPECT_EQ(Log, (QStringList{"int 5 1", "int 4 0", "int 3 0", "float 1.6 1"}));
}

// ---- TGridEditBtn ----

TEST_F(GridValueEditorsTest, EditButtonFiltersTypedCharactersByType)
{
    struct TCase {
        const char* Name;
        TEditorType Type;
        QString Cell;
        int32_t SelStart;
        int32_t SelLength;
        QString Typed;
        QString Result;
        uint32_t Beeps;
    };
    const std::vector<TCase> Cases = {
        {"NumericDigits", edNumericEditBtn, "", 0, 0, "12", "12", 0},
        {"NumericMinusAtTheStart", edNumericEditBtn, "5", 0, 0, "-", "-5", 0},
        {"NumericMinusAfterADigit", edNumericEditBtn, "5", 1, 0, "-", "5", 1},
        {"NumericSecondMinus", edNumericEditBtn, "-5", 0, 0, "-", "-5", 1},
        {"NumericLetter", edNumericEditBtn, "5", 1, 0, "a", "5", 1},
        {"FloatSecondSeparatorDropped", edFloatEditBtn, "1.5", 3, 0, ".", "1.5", 0},
        {"FloatSelectedSeparatorReplaced", edFloatEditBtn, "1.5", 1, 1, ".", "1.5", 0},
        {"FloatSeparatorOverSelection", edFloatEditBtn, "1.5", 1, 2, ".", "1.", 0},
        {"FloatThousandSeparatorDropped", edFloatEditBtn, "1", 1, 0, ",", "1", 0},
        {"FloatMinusLate", edFloatEditBtn, "1", 1, 0, "-", "1", 1},
        {"FloatMinusOverTheSelectedOne", edFloatEditBtn, "-1", 0, 1, "-", "-1", 0},
        {"FloatLetterDropped", edFloatEditBtn, "1", 1, 0, "x", "1", 0},
        {"PlainTakesAll", edEditBtn, "", 0, 0, "a-.,", "a-.,", 0},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        auto* Edit = dynamic_cast<TGridEditBtn*>(Open(Case.Type, Case.Cell));
        ASSERT_NE(Edit, nullptr);
        Edit->SetSelStart(Case.SelStart);
        Edit->SetSelLength(Case.SelLength);
        Input::TypeText(Case.Typed);
        ProcessPendingEvents();
        EXPECT_EQ(Edit->Text(), Case.Result);
        Key(VK_ESCAPE);
        EXPECT_EQ(Grid->Cells(1, 1), Case.Cell);
    }
}

TEST_F(GridValueEditorsTest, EditButtonPastesIntoTheCellAtOnce)
{
    struct TCase {
        const char* Name;
        TEditorType Type;
        QString Clip;
        QString Result;
    };
    const std::vector<TCase> Cases = {
        {"CopiedCellLosesItsLineBreak", edEditBtn, "12\r\n", "a12"},
        {"InnerLineBreakKept", edEditBtn, "1\r\n2\r\n", "a1\r\n2\r\n"},
        {"NumericTakesDigits", edNumericEditBtn, "12\r\n", "12"},
        {"NumericRefusesLetters", edNumericEditBtn, "1x", ""},
        {"FloatTakesADecimal", edFloatEditBtn, "1.5", "1.5"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const QString Cell = Case.Type == edEditBtn ? QStringLiteral("a") : QString();
        auto* Edit = dynamic_cast<TGridEditBtn*>(Open(Case.Type, Cell));
        ASSERT_NE(Edit, nullptr);
        Edit->SetSelStart(static_cast<int32_t>(Cell.size()));
        Edit->SetSelLength(0);
        Clipboard()->SetAsText(Case.Clip);
        Key(VK_INSERT, TShiftState{ssShift});
        EXPECT_EQ(Edit->Text(), Case.Result);
        // The cell has it before the edit ends.
        EXPECT_EQ(Grid->Cells(1, 1), Case.Result.isEmpty() ? Cell : Case.Result);
        Key(VK_ESCAPE);
        EXPECT_EQ(Grid->Cells(1, 1), Cell);
    }
}

TEST_F(GridValueEditorsTest, EditButtonPasteEventsMayChangeOrVetoThePaste)
{
    Grid->OnClipboardBeforePasteCell = [](TObject*, int32_t, int32_t, QString& S, bool&) { S = S.toUpper(); };
    auto* Edit = dynamic_cast<TGridEditBtn*>(Open(edEditBtn, "xyz"));
    ASSERT_NE(Edit, nullptr);
    Edit->SetSelStart(1);
    Edit->SetSelLength(1);
    Clipboard()->SetAsText("ab");
    Key('V', TShiftState{ssCtrl});
    EXPECT_EQ(Edit->Text(), "xABz");
    EXPECT_EQ(Edit->SelStart(), 1);
    EXPECT_EQ(Edit->SelLength(), 2);
    Grid->OnClipboardPaste = [](TObject*, bool& Allow) { Allow = false; };
    Key('V', TShiftState{ssCtrl});
    EXPECT_EQ(Edit->Text(), "xABz");
    Key(VK_ESCAPE);
}

TEST_F(GridValueEditorsTest, EditButtonF4AsksOnEllipsClickAndSelectsTheAnswer)
{
    QStringList Asked;
    Grid->OnEllipsClick = [&](TObject*, int32_t, int32_t, QString& S) {
        Asked << S;
        S = QStringLiteral("picked");
    };
    auto* Edit = dynamic_cast<TGridEditBtn*>(Open(edEditBtn, "old"));
    ASSERT_NE(Edit, nullptr);
    Key(VK_F4, TShiftState{ssCtrl});
    EXPECT_TRUE(Asked.isEmpty());
    Key(VK_F4);
    EXPECT_EQ(Asked, QStringList{"old"});
    EXPECT_EQ(Edit->Text(), "picked");
    EXPECT_EQ(Edit->SelLength(), 6);
    EXPECT_TRUE(Edit->Visible());
    Edit->SetStopEditAfterClick(true);
    Key(VK_F4);
    EXPECT_TRUE(GridHasFocus());
}

TEST_F(GridValueEditorsTest, EditButtonCompletesFromLookupItemsKeepingTheTypedCase)
{
    Grid->SetLookup(true);
    Grid->LookupItems()->Add(QStringLiteral("Alpha"));
    Grid->LookupItems()->Add(QStringLiteral("Alps"));
    auto* Edit = dynamic_cast<TGridEditBtn*>(Open(edEditBtn, ""));
    ASSERT_NE(Edit, nullptr);
    Input::TypeText(QStringLiteral("al"));
    ProcessPendingEvents();
    EXPECT_EQ(Edit->Text(), "alpha");
    EXPECT_EQ(Edit->SelStart(), 2);
    EXPECT_EQ(Edit->SelLength(), 3);
    Input::TypeText(QStringLiteral("ps"));
    ProcessPendingEvents();
    EXPECT_EQ(Edit->Text(), "alps");
    // Backspace removes without completing again.
    Key(VK_BACK);
    EXPECT_EQ(Edit->Text(), "alp");
    Key(VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "alp");
}

TEST_F(GridValueEditorsTest, EditButtonEnterDoesNotReopenAndEscKeepsTheCell)
{
    Grid->Navigation()->SetAdvanceOnEnter(true);
    Grid->Navigation()->SetAdvanceAutoEdit(true);
    auto* Edit = dynamic_cast<TGridEditBtn*>(Open(edEditBtn, "a"));
    ASSERT_NE(Edit, nullptr);
    Input::TypeText(QStringLiteral("b"));
    Key(VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(1, 1), "a");
    EXPECT_TRUE(GridHasFocus());

    ASSERT_EQ(Open(edEditBtn, "a"), Edit);
    Edit->SetSelStart(1);
    Input::TypeText(QStringLiteral("b"));
    Key(VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "ab");
    // Enter moved nowhere (AdvanceOnEnter has no auto edit here) and opened nothing.
    EXPECT_TRUE(GridHasFocus());
}

// ---- TGridUnitEditBtn ----

class GridUnitEditorTest : public GridValueEditorsTest {
protected:
    void SetUp() override
    {
        GridValueEditorsTest::SetUp();
        // The editor exists with the grid; it learns its units before the edits.
        Edit = dynamic_cast<TGridUnitEditBtn*>(Open(edUnitEditBtn, QString(), 2, 3));
        ASSERT_NE(Edit, nullptr);
        TStringList Units;
        Units.Add(QStringLiteral("kg"));
        Units.Add(QStringLiteral("g"));
        Edit->SetUnits(&Units);
        Key(VK_ESCAPE);
    }
    TGridUnitEditBtn* Edit = nullptr;
};

TEST_F(GridUnitEditorTest, ValueAndUnitAreStoredTogether)
{
    ASSERT_EQ(Open(edNumericUnitEditBtn, "5kg"), Edit);
    EXPECT_EQ(Edit->Text(), "5");
    EXPECT_EQ(Edit->UnitID(), "kg");
    Edit->SetSelStart(1);
    Edit->SetSelLength(0);
    Input::TypeText(QStringLiteral("x7"));
    ProcessPendingEvents();
    EXPECT_EQ(Edit->Text(), "57");
    Key(VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "57kg");
}

TEST_F(GridUnitEditorTest, EscKeepsTheCellAndARejectedValueKeepsOneUnit)
{
    ASSERT_EQ(Open(edUnitEditBtn, "5kg"), Edit);
    Input::TypeText(QStringLiteral("9"));
    Key(VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(1, 1), "5kg");

    Grid->OnCellValidate = [](TObject*, int32_t, int32_t, QString&, bool& Valid) { Valid = false; };
    ASSERT_EQ(Open(edUnitEditBtn, "5kg"), Edit);
    Key(VK_RETURN);
    EXPECT_TRUE(Edit->Visible());
    EXPECT_EQ(Edit->Text(), "5");
    EXPECT_EQ(Edit->UnitID(), "kg");
    EXPECT_EQ(Edit->TextAndUnit(), "5kg");
}

}  // namespace
