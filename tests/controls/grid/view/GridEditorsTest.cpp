// The grid's editor wrappers: their owner, and the keys they hand back to the grid.
#include "grid/core/ExtGrid.h"
#include "grid/view/GridDropDownEditors.h"
#include "grid/view/GridEditors.h"

#include "support/ExceptionMessage.h"
#include "support/Input.h"
#include "support/Render.h"

#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Each wrapper made by its constructor with the given owner.
struct TWrapperMaker {
    const char* Name;
    std::function<TGridEditorContract*(TComponent*)> Make;
};

template <class TWrapper>
TWrapperMaker Maker(const char* Name)
{
    return {Name, [](TComponent* Owner) -> TGridEditorContract* { return New<TWrapper>(Owner); }};
}

std::vector<TWrapperMaker> Wrappers()
{
    return {Maker<TGridCombo>("combo"),
            Maker<TGridCheckBox>("check box"),
            Maker<TGridButton>("button"),
            Maker<TGridTrackbarDropDown>("track bar"),
            Maker<TGridMemoDropDown>("memo"),
            Maker<TGridCalculatorDropDown>("calculator"),
            Maker<TGridTimepickerDropDown>("time picker"),
            Maker<TGridDetailPickerDropDown>("detail picker"),
            Maker<TGridGridDropDown>("multi-column"),
            Maker<TGridColorDropDown>("colour"),
            Maker<TGridImageDropDown>("image")};
}

TEST(GridEditorWrapperTest, EveryWrapperKnowsTheGridThatOwnsIt)
{
    std::unique_ptr<TExtStringGrid> Grid(New<TExtStringGrid>(nullptr));
    for (const TWrapperMaker& Wrapper : Wrappers()) {
        SCOPED_TRACE(Wrapper.Name);
        TGridEditorContract* Made = Wrapper.Make(Grid.get());
        EXPECT_EQ(Made->OwnerGrid(), Grid.get());
    }
}

TEST(GridEditorWrapperTest, AnOwnerThatIsNoStringGridRaisesTheInvalidTypecast)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    for (const TWrapperMaker& Wrapper : Wrappers()) {
        SCOPED_TRACE(Wrapper.Name);
        const int32_t Before = Form->ComponentCount();
        EXPECT_EQ(MessageOf<EInvalidCast>([&] { Wrapper.Make(Form.get()); }), "Invalid class typecast");
        EXPECT_EQ(Form->ComponentCount(), Before);
        EXPECT_EQ(MessageOf<EInvalidCast>([&] { Wrapper.Make(nullptr); }), "Invalid class typecast");
    }
}

TEST(GridEditorWrapperTest, TheComboStartsWithTheNarrowDropButtonAndCompletionOn)
{
    std::unique_ptr<TExtStringGrid> Grid(New<TExtStringGrid>(nullptr));
    auto* Combo = New<TGridCombo>(Grid.get());
    EXPECT_EQ(Combo->ButtonWidth(), 16);
    EXPECT_TRUE(Combo->WorkMode);
    EXPECT_EQ(Combo->Grid(), Grid.get());
}

// The grid with the edit state the cycle keeps, open to the tests.
class TProbeGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::EditMode;
    using TExtStringGrid::EditControl;
    using TExtStringGrid::FCellCache;
    using TExtStringGrid::FNoAutoAdvance;
    using TExtStringGrid::LButFlg;
};

// A grid on a form, 4 x 5 cells with a fixed row and column; the edited cell is (2, 2) with its
// neighbours named after their side.
class GridEditorKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetBounds(100, 100, 420, 300);
        Grid = New<TProbeGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(10, 10, 340, 200);
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
        Grid->SetDefaultColWidth(80);
        Grid->SetDefaultRowHeight(24);
        Grid->SetOptions(Grid->Options() + goEditing);
        Grid->SetTabStop(true);
        Grid->SetCells(2, 2, QStringLiteral("Beta"));
        Grid->SetCells(1, 2, QStringLiteral("L"));
        Grid->SetCells(3, 2, QStringLiteral("R"));
        Grid->SetCells(2, 1, QStringLiteral("U"));
        Grid->SetCells(2, 3, QStringLiteral("D"));
        Grid->SetCol(2);
        Grid->SetRow(2);
        Form->Show();
        Grid->SetFocus();
        ProcessPendingEvents();
    }

    // Shows Editor over the current cell as the edit cycle does, with the focus.
    void Open(TWinControl* Editor, TEditorType Type)
    {
        Grid->FCellCache = Grid->CurrentCell();
        Grid->EditMode = true;
        Grid->EditControl = Type;
        const TRect R = Grid->CellRect(Grid->Col(), Grid->Row());
        Editor->SetParent(Grid);
        Editor->SetBounds(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
        Editor->SetEnabled(true);
        Editor->SetVisible(true);
        Editor->SetFocus();
        ProcessPendingEvents();
    }

    TGridCombo* OpenCombo(TComboBoxStyle Style)
    {
        TGridCombo* Combo = Grid->EditCombo;
        Combo->Items()->Clear();
        Combo->Items()->Add(QStringLiteral("Alpha"));
        Combo->Items()->Add(QStringLiteral("Beta"));
        Combo->Items()->Add(QStringLiteral("Gamma"));
        Combo->SetStyle(Style);
        Combo->SetDroppedDown(false);
        if (Style == csDropDownList) Combo->SetItemIndex(Combo->Items()->IndexOf(Grid->CurrentCell()));
        else Combo->SetText(Grid->CurrentCell());
        Open(Combo, Style == csDropDownList ? edComboList : edComboEdit);
        return Combo;
    }

    static void Press(uint16_t Key, TShiftState Shift = {})
    {
        Input::PressKey(Key, Shift);
        ProcessPendingEvents();
    }

    TWinControl* FocusedControl() const { return Form->ActiveControl(); }

    std::unique_ptr<TForm> Form;
    TProbeGrid* Grid = nullptr;
};

// The combo's keys, each pressed once in a list-style or editable combo whose list is closed or
// open, after Down (list) or typing "Zed" (editable) changed the value.
struct TComboKeyCase {
    const char* Name;
    TComboBoxStyle Style;
    bool Open;
    uint16_t Key;
    // The editor still has the focus, and where the current cell is then.
    bool StaysInEditor;
    int32_t Col;
    int32_t Row;
    // The cell's text right after the key; nullptr where only the edit cycle's store decides it.
    const char* Cell;
};

class GridComboKeyTest : public GridEditorKeysTest, public ::testing::WithParamInterface<TComboKeyCase> {};

TEST_P(GridComboKeyTest, KeyHandsBackOrStaysAsTheTableSays)
{
    const TComboKeyCase& Case = GetParam();
    TGridCombo* Combo = OpenCombo(Case.Style);
    ASSERT_EQ(FocusedControl(), Combo);
    if (Case.Style == csDropDownList) {
        Press(VK_DOWN);
        ASSERT_EQ(Combo->Text(), "Gamma");
    } else {
        Combo->SelectAll();
        Input::TypeText(QStringLiteral("Zed"));
        ProcessPendingEvents();
        ASSERT_EQ(Combo->Text(), "Zed");
    }
    if (Case.Open) {
        Press(VK_DOWN, TShiftState{ssAlt});
        ASSERT_TRUE(Combo->DroppedDown());
    }
    Press(Case.Key);
    EXPECT_EQ(FocusedControl() == Combo, Case.StaysInEditor);
    if (!Case.StaysInEditor) {
        EXPECT_EQ(FocusedControl(), Grid);
    }
    EXPECT_EQ(Grid->Col(), Case.Col);
    EXPECT_EQ(Grid->Row(), Case.Row);
    if (Case.Cell) {
        EXPECT_EQ(Grid->Cells(2, 2), Case.Cell);
    }
}

const TComboKeyCase ComboKeyCases[] = {
    // List style, closed.
    {"ListEscRestores", csDropDownList, false, VK_ESCAPE, false, 2, 2, "Beta"},
    {"ListEnterStores", csDropDownList, false, VK_RETURN, false, 2, 2, "Gamma"},
    {"ListDownSelectsTheNextItem", csDropDownList, false, VK_DOWN, true, 2, 2, "Beta"},
    {"ListUpSelectsThePreviousItem", csDropDownList, false, VK_UP, true, 2, 2, "Beta"},
    {"ListLeftLeavesLeft", csDropDownList, false, VK_LEFT, false, 1, 2, nullptr},
    {"ListRightLeavesRight", csDropDownList, false, VK_RIGHT, false, 3, 2, nullptr},
    {"ListPageDownStays", csDropDownList, false, VK_NEXT, true, 2, 2, "Beta"},
    {"ListHomeStays", csDropDownList, false, VK_HOME, true, 2, 2, "Beta"},
    // Editable, closed.
    {"EditEscRestores", csDropDown, false, VK_ESCAPE, false, 2, 2, "Beta"},
    {"EditEnterStores", csDropDown, false, VK_RETURN, false, 2, 2, "Zed"},
    {"EditDownStoresAndMovesDown", csDropDown, false, VK_DOWN, false, 2, 3, "Zed"},
    {"EditUpStoresAndMovesUp", csDropDown, false, VK_UP, false, 2, 1, "Zed"},
    {"EditPageDownLeavesInPlace", csDropDown, false, VK_NEXT, false, 2, 2, nullptr},
    {"EditPageUpLeavesInPlace", csDropDown, false, VK_PRIOR, false, 2, 2, nullptr},
    {"EditEndStays", csDropDown, false, VK_END, true, 2, 2, "Beta"},
    {"EditLeftStays", csDropDown, false, VK_LEFT, true, 2, 2, "Beta"},
    {"EditRightStays", csDropDown, false, VK_RIGHT, true, 2, 2, "Beta"},
    // Open list.
    {"OpenListEscRestores", csDropDownList, true, VK_ESCAPE, false, 2, 2, "Beta"},
    {"OpenListLeftLeaves", csDropDownList, true, VK_LEFT, false, 1, 2, nullptr},
    {"OpenListRightLeaves", csDropDownList, true, VK_RIGHT, false, 3, 2, nullptr},
    {"OpenEditEscRestores", csDropDown, true, VK_ESCAPE, false, 2, 2, "Beta"},
    {"OpenEditEnterLeaves", csDropDown, true, VK_RETURN, false, 2, 2, nullptr},
    {"OpenEditRightLeaves", csDropDown, true, VK_RIGHT, false, 3, 2, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Keys, GridComboKeyTest, ::testing::ValuesIn(ComboKeyCases),
                         [](const ::testing::TestParamInfo<TComboKeyCase>& Info) { return std::string(Info.param.Name); });

TEST_F(GridEditorKeysTest, WithComboGetUpDownOffDownInAClosedComboMovesTheGridOneRow)
{
    Grid->Navigation()->SetComboGetUpDown(false);
    TGridCombo* Combo = OpenCombo(csDropDownList);
    Press(VK_DOWN);
    EXPECT_EQ(FocusedControl(), Grid);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Combo->Text(), "Beta");
}

TEST_F(GridEditorKeysTest, EnterRejectedByTheValidationKeepsTheComboOpenWithTheValidatedTextSelected)
{
    Grid->OnCellValidate = [](TObject*, int32_t, int32_t, QString& Value, bool& Valid) {
        Value = QStringLiteral("Fixed");
        Valid = false;
    };
    TGridCombo* Combo = OpenCombo(csDropDown);
    Combo->SelectAll();
    Input::TypeText(QStringLiteral("Zed"));
    ProcessPendingEvents();
    Input::KeyDown(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_EQ(FocusedControl(), Combo);
    EXPECT_TRUE(Grid->FNoAutoAdvance);
    EXPECT_EQ(Combo->SelLength(), Combo->Text().size());
    // The next key-up clears the flag.
    Input::KeyUp(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_FALSE(Grid->FNoAutoAdvance);
}

TEST_F(GridEditorKeysTest, TabWithGoTabsValidatesStoresAndTabsBothWays)
{
    Grid->SetOptions(Grid->Options() + goTabs);
    int32_t Validations = 0;
    Grid->OnCellValidate = [&](TObject*, int32_t, int32_t, QString&, bool&) { ++Validations; };
    TGridCombo* Combo = OpenCombo(csDropDown);
    Combo->SelectAll();
    Input::TypeText(QStringLiteral("Zed"));
    ProcessPendingEvents();
    Press(VK_TAB);
    EXPECT_EQ(Validations, 1);
    EXPECT_EQ(Grid->Cells(2, 2), "Zed");
    EXPECT_EQ(FocusedControl(), Grid);
    EXPECT_EQ(Grid->Col(), 3);

    Grid->SetCol(2);
    OpenCombo(csDropDown);
    Press(VK_TAB, TShiftState{ssShift});
    EXPECT_EQ(Grid->Col(), 1);
}

TEST_F(GridEditorKeysTest, TheWheelMovesTheSelectionAndStopsAtBothEnds)
{
    std::vector<QString> Log;
    Grid->OnEditChange = [&](TObject*, int32_t ACol, int32_t ARow, const QString& Value) {
        Log.push_back(QStringLiteral("edit %1,%2 %3").arg(ACol).arg(ARow).arg(Value));
    };
    Grid->OnComboChange = [&](TObject*, int32_t ACol, int32_t ARow, int32_t Index, const QString& Value) {
        Log.push_back(QStringLiteral("combo %1,%2 %3 %4").arg(ACol).arg(ARow).arg(Index).arg(Value));
    };
    Grid->OnComboObjectChange = [&](TObject*, int32_t, int32_t, int32_t Index, const QString&, TObject*) {
        Log.push_back(QStringLiteral("object %1").arg(Index));
    };
    TGridCombo* Combo = OpenCombo(csDropDownList);
    const TPoint Middle = Point(Combo->Width() / 2, Combo->Height() / 2);
    Input::TurnWheel(Combo, Middle, -WHEEL_DELTA);
    ProcessPendingEvents();
    EXPECT_EQ(Combo->ItemIndex(), 2);
    EXPECT_EQ(Log, (std::vector<QString>{"edit 2,2 Gamma", "combo 2,2 2 Gamma", "object 2"}));
    Input::TurnWheel(Combo, Middle, -WHEEL_DELTA);
    ProcessPendingEvents();
    EXPECT_EQ(Combo->ItemIndex(), 2);
    for (int32_t I = 0; I < 4; ++I) Input::TurnWheel(Combo, Middle, WHEEL_DELTA);
    ProcessPendingEvents();
    EXPECT_EQ(Combo->ItemIndex(), 0);
    EXPECT_EQ(FocusedControl(), Combo);
}

TEST_F(GridEditorKeysTest, CompletionKeepsTheTypedCaseAndPausesForBackspace)
{
    Grid->SetLookup(true);
    TGridCombo* Combo = OpenCombo(csDropDown);
    Combo->Items()->Clear();
    Combo->Items()->Add(QStringLiteral("Abc"));
    Combo->SetText(QString());
    Input::TypeText(QStringLiteral("ab"));
    ProcessPendingEvents();
    EXPECT_EQ(Combo->Text(), "abc");
    EXPECT_EQ(Combo->SelStart(), 2);
    EXPECT_EQ(Combo->SelLength(), 1);
    EXPECT_EQ(Combo->ItemIndex(), 0);
    Press(VK_BACK);
    EXPECT_EQ(Combo->Text(), "ab");
    EXPECT_FALSE(Combo->WorkMode);
}

TEST_F(GridEditorKeysTest, CompletionFallsBackToTheGridsLookupItems)
{
    Grid->SetLookup(true);
    Grid->LookupItems()->Add(QStringLiteral("Delta"));
    TGridCombo* Combo = OpenCombo(csDropDown);
    Combo->SetText(QString());
    Input::TypeText(QStringLiteral("DE"));
    ProcessPendingEvents();
    EXPECT_EQ(Combo->Text(), "DElta");
    EXPECT_EQ(Combo->ItemIndex(), -1);
}

TEST_F(GridEditorKeysTest, EachTypedCharacterReportsOneEditChange)
{
    std::vector<QString> Values;
    Grid->OnEditChange = [&](TObject*, int32_t, int32_t, const QString& Value) { Values.push_back(Value); };
    TGridCombo* Combo = OpenCombo(csDropDown);
    Combo->SelectAll();
    Input::TypeText(QStringLiteral("xy"));
    ProcessPendingEvents();
    EXPECT_EQ(Values, (std::vector<QString>{"x", "xy"}));
}

TEST_F(GridEditorKeysTest, KeyPressReachesTheGridsOnKeyPressWithTheComboAsSender)
{
    std::vector<std::pair<TObject*, QChar>> Keys;
    Grid->OnKeyPress = [&](TObject* Sender, QChar& Key) { Keys.emplace_back(Sender, Key); };
    int32_t Returns = 0;
    TGridCombo* Combo = OpenCombo(csDropDown);
    Combo->OnReturnKey = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Combo);
        ++Returns;
    };
    Combo->SelectAll();
    Input::TypeText(QStringLiteral("q"));
    ProcessPendingEvents();
    ASSERT_EQ(Keys.size(), 1u);
    EXPECT_EQ(Keys[0].first, Combo);
    EXPECT_EQ(Keys[0].second, QChar('q'));
    EXPECT_EQ(Returns, 0);
}

TEST_F(GridEditorKeysTest, FocusLossEndsTheComboEditAndLookupHistoryKeepsTheNewText)
{
    Grid->SetLookupHistory(true);
    TGridCombo* Combo = OpenCombo(csDropDown);
    Combo->SelectAll();
    Input::TypeText(QStringLiteral("Omega"));
    ProcessPendingEvents();
    Grid->SetFocus();
    ProcessPendingEvents();
    EXPECT_EQ(Combo->Items()->IndexOf(QStringLiteral("Omega")), 3);
}

TEST_F(GridEditorKeysTest, SizeDropDownWidthFollowsTheWidestItem)
{
    TGridCombo* Combo = OpenCombo(csDropDownList);
    Combo->SetWidth(60);
    const QString Wide = QStringLiteral("A rather long item for the list");
    Combo->Items()->Add(Wide);
    Combo->SizeDropDownWidth();
    const int32_t ItemWidth = Grid->Canvas()->TextWidth(Wide);
    EXPECT_EQ(Combo->Perform(CB_GETDROPPEDWIDTH, 0, 0), ItemWidth + 8);
    Combo->SetDropDownCount(2);
    Combo->SizeDropDownWidth();
    EXPECT_EQ(Combo->Perform(CB_GETDROPPEDWIDTH, 0, 0), ItemWidth + 25);
}

// ---- Check box and button ----

TEST_F(GridEditorKeysTest, EscOnTheCheckBoxPutsTheCellTextBackAsCaption)
{
    TGridCheckBox* Check = New<TGridCheckBox>(Grid);
    Check->SetCaption(QStringLiteral("changed"));
    Open(Check, edCheckBox);
    Press(VK_ESCAPE);
    EXPECT_EQ(Check->Caption(), "Beta");
    EXPECT_EQ(FocusedControl(), Grid);
}

TEST_F(GridEditorKeysTest, SpaceOnTheButtonWritesWhatOnEllipsClickReturned)
{
    Grid->OnEllipsClick = [](TObject*, int32_t, int32_t, QString& S) { S += QStringLiteral("!"); };
    TGridButton* Button = New<TGridButton>(Grid);
    Button->SetCaption(Grid->CurrentCell());
    Open(Button, edButton);
    Press(VK_SPACE);
    EXPECT_EQ(Button->Caption(), "Beta!");
    EXPECT_EQ(Grid->Cells(2, 2), "Beta!");
    EXPECT_EQ(FocusedControl(), Button);
}

// ---- Drop-down wrappers ----

TEST_F(GridEditorKeysTest, AltDownOpensTheDropDownAndTheEditGoesOn)
{
    auto* Memo = New<TGridMemoDropDown>(Grid);
    Memo->SetTextUnformatted(Grid->CurrentCell());
    Open(Memo, edMemoDropDown);
    Press(VK_DOWN, TShiftState{ssAlt});
    EXPECT_TRUE(Memo->DroppedDown());
    EXPECT_EQ(Grid->Row(), 2);
    Press(VK_DOWN, TShiftState{ssAlt});
    EXPECT_FALSE(Memo->DroppedDown());
    EXPECT_EQ(FocusedControl(), Memo);
}

TEST_F(GridEditorKeysTest, DownInAClosedDropDownValidatesStoresAndMovesTheGrid)
{
    int32_t Validations = 0;
    Grid->OnCellValidate = [&](TObject*, int32_t, int32_t, QString&, bool&) { ++Validations; };
    auto* Detail = New<TGridDetailPickerDropDown>(Grid);
    Detail->SetEditorEnabled(true);
    Detail->SetTextUnformatted(Grid->CurrentCell());
    Open(Detail, edDetailDropDown);
    Detail->SelectAll();
    Input::TypeText(QStringLiteral("Zed"));
    ProcessPendingEvents();
    Press(VK_DOWN);
    EXPECT_EQ(Validations, 1);
    EXPECT_EQ(Grid->Cells(2, 2), "Zed");
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(FocusedControl(), Grid);
}

TEST_F(GridEditorKeysTest, PageDownInAClosedDropDownLeavesWithoutValidationOrMove)
{
    int32_t Validations = 0;
    Grid->OnCellValidate = [&](TObject*, int32_t, int32_t, QString&, bool&) { ++Validations; };
    auto* Detail = New<TGridDetailPickerDropDown>(Grid);
    Detail->SetEditorEnabled(true);
    Detail->SetTextUnformatted(Grid->CurrentCell());
    Open(Detail, edDetailDropDown);
    Press(VK_NEXT);
    EXPECT_EQ(Validations, 0);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(FocusedControl(), Grid);
}

TEST_F(GridEditorKeysTest, EscInADropDownPutsTheCellBack)
{
    auto* Detail = New<TGridDetailPickerDropDown>(Grid);
    Detail->SetEditorEnabled(true);
    Detail->SetTextUnformatted(Grid->CurrentCell());
    Open(Detail, edDetailDropDown);
    Detail->SelectAll();
    Input::TypeText(QStringLiteral("Zed"));
    ProcessPendingEvents();
    Press(VK_ESCAPE);
    EXPECT_EQ(Detail->Text(), "Beta");
    EXPECT_EQ(Grid->Cells(2, 2), "Beta");
    EXPECT_EQ(FocusedControl(), Grid);
}

TEST_F(GridEditorKeysTest, TheCheckBoxTogglesOncePerSpaceOrClickAndHandsEndBack)
{
    TGridCheckBox* Check = New<TGridCheckBox>(Grid);
    Check->SetCaption(Grid->CurrentCell());
    Open(Check, edCheckBox);
    Press(VK_SPACE);
    EXPECT_TRUE(Check->Checked());
    Input::Click(Check, Point(6, Check->Height() / 2));
    ProcessPendingEvents();
    EXPECT_FALSE(Check->Checked());
    Press(VK_HOME);
    EXPECT_EQ(FocusedControl(), Check);
    // The form keeps the arrows for its dialog navigation; End reaches the box and hands back.
    Press(VK_END);
    EXPECT_EQ(FocusedControl(), Grid);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Grid->Cells(2, 2), "Beta");
}

TEST_F(GridEditorKeysTest, ArrowsOnTheButtonGoToTheGrid)
{
    TGridButton* Button = New<TGridButton>(Grid);
    Button->SetCaption(Grid->CurrentCell());
    Open(Button, edButton);
    Press(VK_RIGHT);
    EXPECT_FALSE(Button->Visible());
    EXPECT_FALSE(Button->Enabled());
    EXPECT_FALSE(Grid->EditMode);
    EXPECT_EQ(FocusedControl(), Grid);
    EXPECT_EQ(Grid->Col(), 3);

}

TEST_F(GridEditorKeysTest, HomeEndsOnlyAClosedColourEditor)
{
    auto* Detail = New<TGridDetailPickerDropDown>(Grid);
    Detail->SetEditorEnabled(true);
    Open(Detail, edDetailDropDown);
    Press(VK_HOME);
    EXPECT_EQ(FocusedControl(), Detail);

    auto* Colour = New<TGridColorDropDown>(Grid);
    // Without EditorEnabled the drop-down passes only Enter and Esc on to key-down.
    Colour->SetEditorEnabled(true);
    Open(Colour, edColorPickerDropDown);
    Press(VK_HOME);
    EXPECT_EQ(FocusedControl(), Grid);
}

TEST_F(GridEditorKeysTest, UpInAClosedColourEditorMovesTheGridWithoutValidation)
{
    int32_t Validations = 0;
    Grid->OnCellValidate = [&](TObject*, int32_t, int32_t, QString&, bool&) { ++Validations; };
    auto* Colour = New<TGridColorDropDown>(Grid);
    // Without EditorEnabled the drop-down passes only Enter and Esc on to key-down.
    Colour->SetEditorEnabled(true);
    Open(Colour, edColorPickerDropDown);
    Press(VK_UP);
    EXPECT_EQ(Validations, 0);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(FocusedControl(), Grid);
}

TEST_F(GridEditorKeysTest, EnterInTheCalculatorStoresThePendingResult)
{
    auto* Calculator = New<TGridCalculatorDropDown>(Grid);
    Calculator->SetTextUnformatted(QString());
    Open(Calculator, edCalculatorDropDown);
    Input::TypeText(QStringLiteral("12+30"));
    ProcessPendingEvents();
    Press(VK_RETURN);
    EXPECT_DOUBLE_EQ(Grid->Cells(2, 2).toDouble(), 42.0);
    EXPECT_EQ(FocusedControl(), Grid);
}

TEST_F(GridEditorKeysTest, WithoutEditSelectAllTheComboTakesTheFocusWithTheCaretAtTheEnd)
{
    Grid->Navigation()->SetEditSelectAll(false);
    TGridCombo* Combo = OpenCombo(csDropDown);
    EXPECT_EQ(Combo->SelStart(), 4);
    EXPECT_EQ(Combo->SelLength(), 0);
}

TEST_F(GridEditorKeysTest, TheClickThatStartedTheEditPlacesTheCaret)
{
    const TRect Cell = Grid->CellRect(2, 2);
    // Right of the text, left of the drop button: the caret goes behind the last character.
    Input::MoveMouse(Grid, Point(Cell.Left + 50, Cell.Top + 10));
    Grid->LButFlg = true;
    TGridCombo* Combo = OpenCombo(csDropDown);
    EXPECT_EQ(Combo->SelStart(), 4);
    EXPECT_EQ(Combo->SelLength(), 0);
    EXPECT_FALSE(Grid->LButFlg);

    // The memo drop-down asks its own window; the pointer outside leaves the flag alone.
    Grid->SetFocus();
    Input::MoveMouse(Grid, Point(Cell.Left + 2, Cell.Top + 10));
    Grid->LButFlg = true;
    auto* Memo = New<TGridMemoDropDown>(Grid);
    Memo->SetTextUnformatted(QStringLiteral("Beta"));
    Open(Memo, edMemoDropDown);
    EXPECT_EQ(Memo->SelStart(), 0);
    EXPECT_EQ(Memo->SelLength(), 0);
    EXPECT_FALSE(Grid->LButFlg);

    Grid->SetFocus();
    Input::MoveMouse(Grid, Point(Cell.Left - 30, Cell.Top + 10));
    Grid->LButFlg = true;
    Open(Memo, edMemoDropDown);
    EXPECT_TRUE(Grid->LButFlg);
}

TEST_F(GridEditorKeysTest, ADropDownRejectedOnEnterKeepsTheValidatedTextSelected)
{
    Grid->OnCellValidate = [](TObject*, int32_t, int32_t, QString& Value, bool& Valid) {
        Value = QStringLiteral("Fixed");
        Valid = false;
    };
    auto* Detail = New<TGridDetailPickerDropDown>(Grid);
    Detail->SetEditorEnabled(true);
    Detail->SetTextUnformatted(Grid->CurrentCell());
    Open(Detail, edDetailDropDown);
    Detail->SelectAll();
    Input::TypeText(QStringLiteral("Zed"));
    ProcessPendingEvents();
    Input::KeyDown(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_EQ(FocusedControl(), Detail);
    EXPECT_TRUE(Grid->FNoAutoAdvance);
    EXPECT_EQ(Detail->SelLength(), Detail->EditText().size());
    Input::KeyUp(VK_RETURN);
    ProcessPendingEvents();
}

TEST_F(GridEditorKeysTest, TabInADropDownWithGoTabsValidatesAndTabs)
{
    Grid->SetOptions(Grid->Options() + goTabs);
    int32_t Validations = 0;
    Grid->OnCellValidate = [&](TObject*, int32_t, int32_t, QString&, bool&) { ++Validations; };
    auto* Time = New<TGridTimepickerDropDown>(Grid);
    Time->SetEditorEnabled(true);
    Open(Time, edTimePickerDropDown);
    Press(VK_TAB);
    EXPECT_EQ(Validations, 1);
    EXPECT_EQ(FocusedControl(), Grid);
    EXPECT_EQ(Grid->Col(), 3);
}

TEST_F(GridEditorKeysTest, KeyPressInADropDownReachesTheGridAndEnterIsSwallowed)
{
    std::vector<QChar> Keys;
    TObject* Sender = nullptr;
    Grid->OnKeyPress = [&](TObject* S, QChar& Key) {
        Sender = S;
        Keys.push_back(Key);
    };
    auto* Detail = New<TGridDetailPickerDropDown>(Grid);
    Detail->SetEditorEnabled(true);
    Open(Detail, edDetailDropDown);
    Detail->SelectAll();
    Input::TypeText(QStringLiteral("k"));
    ProcessPendingEvents();
    EXPECT_EQ(Sender, Detail);
    EXPECT_EQ(Keys, (std::vector<QChar>{QChar('k')}));
    EXPECT_EQ(Detail->Text(), "k");
}

TEST_F(GridEditorKeysTest, TypingThatMovesTheSelectionFiresTheComboEventsWithTheRealColumn)
{
    Grid->HideColumn(1);
    Grid->SetCol(1);
    ASSERT_EQ(Grid->RealColIndex(1), 2);
    std::vector<QString> Log;
    Grid->OnEditChange = [&](TObject*, int32_t ACol, int32_t, const QString& Value) {
        Log.push_back(QStringLiteral("edit %1 %2").arg(ACol).arg(Value));
    };
    Grid->OnComboChange = [&](TObject*, int32_t ACol, int32_t, int32_t Index, const QString& Value) {
        Log.push_back(QStringLiteral("combo %1 %2 %3").arg(ACol).arg(Index).arg(Value));
    };
    OpenCombo(csDropDownList);
    Input::TypeText(QStringLiteral("g"));
    ProcessPendingEvents();
    EXPECT_EQ(Log, (std::vector<QString>{"edit 1 Gamma", "combo 2 2 Gamma"}));
}

}  // namespace
