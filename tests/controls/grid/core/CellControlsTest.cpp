// The edit and combo a grid opens over a markup CONTROL tag: placement, the value written back into
// the tag, the combo's list and selection, and Enter and Tab handed back to the grid.
#include "ExtGridTestSupport.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/GridSettings.h"
#include "grid/core/ControlEditors.h"

#include "windows/StdCtrls.h"

namespace {

class TControlGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    using TExtStringGrid::FComboControl;
    using TExtStringGrid::FCtrlEditing;
    using TExtStringGrid::FCtrlType;
    using TExtStringGrid::FEditControl;
};

const QString TwoEdits =
    QStringLiteral(R"(<CONTROL TYPE="EDIT" ID="e1" VALUE="one" WIDTH="40"> <CONTROL TYPE="CHECK" ID="c" VALUE="TRUE" WIDTH="16"> <CONTROL TYPE="EDIT" ID="e2" VALUE="two" WIDTH="50">)");

class CellControlsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetClientWidth(500);
        Form->SetClientHeight(300);
        Grid = New<TControlGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(10, 10, 460, 250);
        Grid->SetColWidths(1, 200);
        Grid->OnControlEditDone = [this](TObject* Sender, int32_t ARow, int32_t ACol, const QString& ID,
                                         const QString& Type, const QString& Value) {
            EXPECT_EQ(Sender, Grid);
            Log << QStringLiteral("done %1 %2 %3 %4 %5").arg(ACol).arg(ARow).arg(ID, Type, Value);
        };
        Form->Show();
        ProcessPendingEvents();
    }

    // The edit's text emptied by keys, then Text typed.
    static void Retype(const QString& Text)
    {
        Input::PressKey(VK_END);
        for (int32_t i = 0; i < 8; ++i) Input::PressKey(VK_BACK);
        Input::TypeText(Text);
    }

    QString Value(int32_t ACol, int32_t ARow, const QString& ID) const
    {
        QString V;
        GetControlValue(Grid->Cells(ACol, ARow), ID, V);
        return V;
    }

    std::unique_ptr<TForm> Form;
    TControlGrid* Grid = nullptr;
    QStringList Log;
};

TEST_F(CellControlsFixture, TheGridMakesBothHidden)
{
    ASSERT_NE(Grid->FEditControl, nullptr);
    ASSERT_NE(Grid->FComboControl, nullptr);
    EXPECT_EQ(Grid->FEditControl->Parent(), Grid);
    EXPECT_EQ(Grid->FComboControl->Parent(), Grid);
    EXPECT_FALSE(Grid->FEditControl->Visible());
    EXPECT_FALSE(Grid->FComboControl->Visible());
}

// The three edit types: placed on the control's rectangle, masked or hidden as the type says, limited
// by MAXLEN; Enter writes the typed value into the tag, fires OnControlEditDone and gives the grid the
// focus. Other types open nothing.
TEST_F(CellControlsFixture, EditTypesOpenAndEnterStoresTheValue)
{
    struct TCase {
        const char* Type;
        const char* Extra;
        QChar Password;
        const char* Typed;
        const char* Stored;
    };
    const TCase Cases[] = {
        {"EDIT", "", QChar(), "abc", "abc"},
        {"PASSWORD", "", QChar(u'*'), "pw", "pw"},
        {"EDIT", R"( MAXLEN="3")", QChar(), "abcdef", "abc"},
        {"MASK", R"( PROP="99-99")", QChar(), "1234", "12-34"},
    };
    const TRect R = Rect(30, 40, 110, 58);
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Type);
        const QString Text = QStringLiteral(R"(x <CONTROL TYPE="%1" ID="k" VALUE="" WIDTH="80"%2>)")
                                 .arg(QLatin1String(C.Type), QLatin1String(C.Extra));
        Grid->SetCells(1, 2, Text);
        Log.clear();
        Grid->ShowCellControl(Text, QLatin1String(C.Type), 2, 1, 1, R, QString(), QStringLiteral("k"));
        ProcessPendingEvents();
        TControlEdit* E = Grid->FEditControl;
        ASSERT_TRUE(E->Visible());
        EXPECT_TRUE(E->Focused());
        EXPECT_EQ(E->BoundsRect(), Rect(31, 48, 107, 62));
        EXPECT_EQ(E->PasswordChar(), C.Password);
        EXPECT_TRUE(Grid->FCtrlEditing);
        Input::TypeText(QString::fromLatin1(C.Typed));
        Input::PressKey(VK_RETURN);
        ProcessPendingEvents();
        EXPECT_FALSE(E->Visible());
        EXPECT_FALSE(Grid->FCtrlEditing);
        EXPECT_TRUE(Grid->FCtrlType.isEmpty());
        EXPECT_TRUE(Grid->Focused());
        EXPECT_EQ(Value(1, 2, QStringLiteral("k")), QLatin1String(C.Stored));
        EXPECT_EQ(Log, QStringList{QStringLiteral("done 1 2 k %1 %2").arg(QLatin1String(C.Type), QLatin1String(C.Stored))});
    }

    for (const char* Type : {"CHECK", "RADIO", "BUTTON", "edit"}) {
        Grid->ShowCellControl(QString(), QLatin1String(Type), 2, 1, 1, R, QString(), QStringLiteral("k"));
        EXPECT_FALSE(Grid->FEditControl->Visible()) << Type;
        EXPECT_FALSE(Grid->FComboControl->Visible()) << Type;
        EXPECT_FALSE(Grid->FCtrlEditing) << Type;
    }
}

// The combo's list comes from OnControlComboList each time; the stored value is selected and the
// list dropped; the event can make it a pick list and change its length; a pick fires
// OnControlComboSelect and leaving writes the value back.
TEST_F(CellControlsFixture, ComboListSelectionAndStore)
{
    const QString Text = QStringLiteral(R"(<CONTROL TYPE="COMBO" ID="m" VALUE="b" WIDTH="80">)");
    Grid->SetCells(2, 3, Text);
    bool Edit = true;
    int32_t Count = 8;
    Grid->OnControlComboList = [&](TObject*, int32_t ARow, int32_t ACol, const QString& ID, const QString& Type,
                                   const QString& Val, TStringList* Values, bool& E, int32_t& DropCount) {
        EXPECT_EQ(ARow, 3);
        EXPECT_EQ(ACol, 2);
        EXPECT_EQ(ID, QStringLiteral("m"));
        EXPECT_EQ(Type, QStringLiteral("COMBO"));
        EXPECT_EQ(Val, QStringLiteral("b"));
        EXPECT_TRUE(E);
        EXPECT_EQ(DropCount, 8);
        Values->Add(QStringLiteral("a"));
        Values->Add(QStringLiteral("b"));
        Values->Add(QStringLiteral("c"));
        E = Edit;
        DropCount = Count;
    };
    QStringList Picks;
    Grid->OnControlComboSelect = [&](TObject*, int32_t ARow, int32_t ACol, int32_t Index, const QString& ID,
                                     const QString& Val) {
        Picks << QStringLiteral("%1 %2 %3 %4 %5").arg(ACol).arg(ARow).arg(Index).arg(ID, Val);
    };
    TControlCombo* C = Grid->FComboControl;
    for (int32_t Round = 0; Round < 2; ++Round) {
        SCOPED_TRACE(Round);
        Edit = Round == 0;
        Count = Round == 0 ? 8 : 3;
        Grid->ShowCellControl(Text, QStringLiteral("COMBO"), 3, 2, 2, Rect(20, 30, 100, 50), QStringLiteral("b"),
                              QStringLiteral("m"));
        ProcessPendingEvents();
        ASSERT_TRUE(C->Visible());
        EXPECT_EQ(C->Items()->Count(), 3);
        EXPECT_EQ(C->ItemIndex(), 1);
        EXPECT_EQ(C->Style(), Edit ? csDropDown : csDropDownList);
        EXPECT_EQ(C->DropDownCount(), Count);
        EXPECT_TRUE(C->DroppedDown());
        EXPECT_EQ(C->Left(), 19);
        EXPECT_EQ(C->Width(), 80);
        C->SetDroppedDown(false);
        Grid->SetFocus();
        ProcessPendingEvents();
        EXPECT_FALSE(C->Visible());
    }
    Grid->ShowCellControl(Text, QStringLiteral("COMBO"), 3, 2, 2, Rect(20, 30, 100, 50), QStringLiteral("b"),
                          QStringLiteral("m"));
    ProcessPendingEvents();
    C->SetDroppedDown(false);
    Input::PressKey(VK_DOWN);
    ProcessPendingEvents();
    EXPECT_EQ(Picks, QStringList{QStringLiteral("2 3 2 m c")});
    Log.clear();
    Input::PressKey(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_EQ(Value(2, 3, QStringLiteral("m")), QStringLiteral("c"));
    EXPECT_EQ(Log, QStringList{QStringLiteral("done 2 3 m COMBO c")});
}

// Tab walks from one editable control to the next of the cell, past the check box; after the last
// the grid has the focus. With AdvanceAuto Tab moves on to the next cell instead.
TEST_F(CellControlsFixture, TabWalksTheCellsControls)
{
    Grid->SetCells(1, 2, TwoEdits);
    Grid->FocusCell(1, 2);
    Grid->ActivateCellControl(1, 2, QString());
    ProcessPendingEvents();
    TControlEdit* E = Grid->FEditControl;
    ASSERT_TRUE(E->Visible());
    EXPECT_EQ(E->Text(), QStringLiteral("one"));
    const int32_t FirstLeft = E->Left();
    Retype(QStringLiteral("1st"));
    Input::PressKey(VK_TAB);
    ProcessPendingEvents();
    ASSERT_TRUE(E->Visible());
    EXPECT_TRUE(E->Focused());
    EXPECT_EQ(E->Text(), QStringLiteral("two"));
    EXPECT_GT(E->Left(), FirstLeft);
    Retype(QStringLiteral("2nd"));
    Input::PressKey(VK_TAB);
    ProcessPendingEvents();
    EXPECT_FALSE(E->Visible());
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Value(1, 2, QStringLiteral("e1")), QStringLiteral("1st"));
    EXPECT_EQ(Value(1, 2, QStringLiteral("e2")), QStringLiteral("2nd"));
    EXPECT_EQ(Value(1, 2, QStringLiteral("c")), QStringLiteral("TRUE"));

    Grid->Navigation()->SetAdvanceAuto(true);
    Grid->Navigation()->SetAdvanceOnEnter(true);
    Grid->ActivateCellControl(1, 2, QString());
    ProcessPendingEvents();
    ASSERT_TRUE(E->Visible());
    Input::PressKey(VK_TAB);
    ProcessPendingEvents();
    EXPECT_FALSE(E->Visible());
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 2);
}

// Under another parent the edit is a plain masked edit: Enter and Tab are not taken.
TEST_F(CellControlsFixture, OutsideAGridKeysStayWithTheEdit)
{
    auto* E = New<TControlEdit>(Form.get());
    E->SetParent(Form.get());
    E->SetBounds(10, 270, 100, 22);
    QList<QChar> Keys;
    E->OnKeyPress = [&](TObject*, QChar& Key) { Keys << Key; };
    E->SetFocus();
    ProcessPendingEvents();
    Input::PressKey(VK_RETURN);
    Input::TypeText(QStringLiteral("a"));
    ProcessPendingEvents();
    EXPECT_EQ(Keys, (QList<QChar>{QChar(u'\r'), QChar(u'a')}));
    EXPECT_TRUE(E->Focused());
}

}  // namespace
