// The cell edit cycle: which editor opens over which cell, where it stands, what it loads, what the
// end of the edit stores (and what a cancel leaves), the order of the events around an edit, the
// posted edit-done notice, the combo item list and the editors' notifications.
#include "grid/core/ExtGrid.h"
#include "grid/base/GridSettings.h"
#include "grid/core/ControlLook.h"
#include "grid/core/ExtRichEdit.h"
#include "grid/view/GridDateEditors.h"
#include "grid/view/GridDropDownEditors.h"
#include "grid/view/GridEditors.h"
#include "grid/view/GridValueEditors.h"

#include "support/Artifacts.h"
#include "support/Input.h"
#include "support/Render.h"

#include "rtl/DateTime.h"
#include "rtl/FormatSettings.h"
#include "rtl/Exceptions.h"
#include "rtl/Strings.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>

namespace {

using namespace Input;

class TEditGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::EditMode;
    TGridDatePicker* DatePicker() const { return FEditDate; }
    TGridEditBtn* EditBtnEditor() const { return EditBtn; }
    TGridUnitEditBtn* UnitEditor() const { return UnitEditBtn; }
    TGridCheckBox* EditCheckBox() const { return EditCheck; }
    TGridButton* EditButton() const { return GridButton; }
    TWinControl* FindEditorControl() const { return EditCtrl; }
};

// A grid whose column 1 edits with the type under test; column 2 holds a check box.
class EditCycleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetBounds(100, 100, 480, 300);
        Grid = New<TEditGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(10, 10, 440, 220);
        Grid->SetColCount(4);
        Grid->SetRowCount(6);
        Grid->SetDefaultColWidth(90);
        Grid->SetDefaultRowHeight(24);
        Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
        Grid->OnGetEditorType = [this](TObject*, int32_t ACol, int32_t, TEditorType& AEditor) {
            Log << QStringLiteral("GetEditorType");
            if (ACol == 1) AEditor = Type;
        };
        Grid->AddCheckBox(2, 2, false, false);
        Form->Show();
        Grid->SetFocus();
        ProcessPendingEvents();
    }

    void TearDown() override
    {
        Form.reset();
        ProcessPendingEvents();
    }

    enum TRoute { ByF2, ByClick };

    // Goes to the cell, then opens its editor as a user does.
    void Open(int32_t ACol, int32_t ARow, TRoute Route = ByF2)
    {
        Grid->SetFocus();
        Grid->GotoCell(ACol, ARow);
        ProcessPendingEvents();
        if (Route == ByF2) {
            PressKey(VK_F2);
        } else {
            const TRect R = Grid->CellRect(ACol, ARow);
            Click(Grid, Point((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2));
        }
        ProcessPendingEvents();
    }

    // The rectangle of an editor over the cell: W and H one less than the cell's.
    TRect EditorRect(int32_t ACol, int32_t ARow) const
    {
        const TRect R = Grid->CellRect(ACol, ARow);
        return Rect(R.Left, R.Top, R.Right - 1, R.Bottom - 1);
    }

    void FillCombo(const QStringList& Items)
    {
        Grid->ClearComboString();
        for (const QString& S : Items) Grid->AddComboString(S);
    }

    std::unique_ptr<TForm> Form;
    TEditGrid* Grid = nullptr;
    TEditorType Type = edNormal;
    QStringList Log;
};

// What one editor type shows, loads and stores.
struct TEditorCase {
    TEditorType Type;
    QString Text;
    // The shown control, nil for the normal editor.
    std::function<TWinControl*(TExtStringGrid*)> Control;
    // The value the control loaded is the cell's.
    std::function<bool(TExtStringGrid*)> Loaded;
    // Changes the control's value as typing would.
    std::function<void(TExtStringGrid*)> Change;
    QString Stored;
};

std::vector<TEditorCase> EditorCases()
{
    const auto Spin = [](TExtStringGrid* G) -> TWinControl* { return G->SpinEdit(); };
    const auto Combo = [](TExtStringGrid* G) -> TWinControl* { return G->EditCombo; };
    return {
        {edNormal, QStringLiteral("abc"), nullptr,
         [](TExtStringGrid* G) { return G->InplaceEditor()->Text() == "abc"; },
         [](TExtStringGrid* G) { G->InplaceEditor()->SetText(QStringLiteral("xyz")); }, QStringLiteral("xyz")},
        {edPassword, QStringLiteral("pw"), nullptr,
         [](TExtStringGrid* G) { return G->InplaceEditor()->Text() == "pw"; },
         [](TExtStringGrid* G) { G->InplaceEditor()->SetText(QStringLiteral("pw2")); }, QStringLiteral("pw2")},
        {edSpinEdit, QStringLiteral("12"), Spin, [](TExtStringGrid* G) { return G->SpinEdit()->Value() == 12; },
         [](TExtStringGrid* G) { G->SpinEdit()->SetValue(42); }, QStringLiteral("42")},
        {edFloatSpinEdit, QStringLiteral("1.5"), Spin,
         [](TExtStringGrid* G) { return G->SpinEdit()->FloatValue() == 1.5; },
         [](TExtStringGrid* G) { G->SpinEdit()->SetFloatValue(2.25); }, QString()},
        {edTimeSpinEdit, QStringLiteral("10:30"), Spin,
         [](TExtStringGrid* G) { return G->SpinEdit()->TimeValue() == EncodeTime(10, 30, 0, 0); },
         [](TExtStringGrid* G) { G->SpinEdit()->SetTimeValue(EncodeTime(11, 45, 0, 0)); }, QString()},
        {edDateSpinEdit, QStringLiteral("3/4/2020"), Spin,
         [](TExtStringGrid* G) { return G->SpinEdit()->DateValue() == EncodeDate(2020, 3, 4); },
         [](TExtStringGrid* G) { G->SpinEdit()->SetDateValue(EncodeDate(2021, 5, 6)); }, QString()},
        {edComboEdit, QStringLiteral("zz"), Combo, [](TExtStringGrid* G) { return G->EditCombo->Text() == "zz"; },
         [](TExtStringGrid* G) { G->EditCombo->SetText(QStringLiteral("typed")); }, QStringLiteral("typed")},
        {edComboList, QStringLiteral("beta"), Combo,
         [](TExtStringGrid* G) { return G->EditCombo->ItemIndex() == 1; },
         [](TExtStringGrid* G) { G->EditCombo->SetItemIndex(2); }, QStringLiteral("gamma")},
        {edEditBtn, QStringLiteral("btn"), [](TExtStringGrid* G) -> TWinControl* { return static_cast<TEditGrid*>(G)->EditBtnEditor(); },
         [](TExtStringGrid* G) { return static_cast<TEditGrid*>(G)->EditBtnEditor()->Text() == "btn"; },
         [](TExtStringGrid* G) { static_cast<TEditGrid*>(G)->EditBtnEditor()->SetText(QStringLiteral("btn2")); }, QStringLiteral("btn2")},
        {edUnitEditBtn, QStringLiteral("12"), [](TExtStringGrid* G) -> TWinControl* { return static_cast<TEditGrid*>(G)->UnitEditor(); },
         [](TExtStringGrid* G) { return static_cast<TEditGrid*>(G)->UnitEditor()->Text() == "12" && static_cast<TEditGrid*>(G)->UnitEditor()->UnitID().isEmpty(); },
         [](TExtStringGrid* G) {
             static_cast<TEditGrid*>(G)->UnitEditor()->SetText(QStringLiteral("13"));
             static_cast<TEditGrid*>(G)->UnitEditor()->SetUnitID(QStringLiteral("kg"));
         },
         QStringLiteral("13kg")},
        {edDateEdit, DateToStr(EncodeDate(2020, 3, 4)), [](TExtStringGrid* G) -> TWinControl* { return static_cast<TEditGrid*>(G)->DatePicker(); },
         [](TExtStringGrid* G) { return static_cast<TEditGrid*>(G)->DatePicker()->Date() == EncodeDate(2020, 3, 4); },
         [](TExtStringGrid* G) { static_cast<TEditGrid*>(G)->DatePicker()->SetDate(EncodeDate(2021, 5, 6)); },
         DateToStr(EncodeDate(2021, 5, 6))},
        {edDateTimeEdit, DateTimeToStr(EncodeDate(2020, 3, 4) + EncodeTime(8, 15, 0, 0)),
         [](TExtStringGrid* G) -> TWinControl* { return G->DateAndTimePicker(); },
         [](TExtStringGrid* G) { return G->DateAndTimePicker()->DateTime() == EncodeDate(2020, 3, 4) + EncodeTime(8, 15, 0, 0); },
         [](TExtStringGrid* G) { G->DateAndTimePicker()->SetDateTime(EncodeDate(2022, 1, 2) + EncodeTime(9, 30, 0, 0)); },
         FormatDateTime(FormatSettings().ShortDateFormat + " " + FormatSettings().ShortTimeFormat,
                        EncodeDate(2022, 1, 2) + EncodeTime(9, 30, 0, 0))},
    };
}

TEST_F(EditCycleTest, EachEditorOpensOverItsCellLoadedAndStoresWhenTheEditEnds)
{
    for (const TEditorCase& Case : EditorCases()) {
        for (TRoute Route : {ByF2, ByClick}) {
            SCOPED_TRACE(testing::Message() << "type " << int(Case.Type) << (Route == ByF2 ? " by F2" : " by click"));
            Type = Case.Type;
            FillCombo({QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma")});
            Grid->SetCells(1, 3, Case.Text);
            Open(1, 3, Route);
            ASSERT_TRUE(Grid->EditMode);
            EXPECT_EQ(Grid->CurrentEditor(), Case.Type);
            TWinControl* Control = Case.Control ? Case.Control(Grid) : Grid->InplaceEditor();
            ASSERT_NE(Control, nullptr);
            EXPECT_TRUE(Control->Visible());
            EXPECT_TRUE(Control->Enabled());
            EXPECT_TRUE(Control->Focused());
            const TRect Expected = EditorRect(1, 3);
            if (Case.Control) {
                EXPECT_EQ(Control->Left(), Expected.Left);
                EXPECT_EQ(Control->Top(), Expected.Top);
                EXPECT_EQ(Control->Width(), Expected.Width());
                if (Case.Type != edComboEdit && Case.Type != edComboList && Case.Type != edDateTimeEdit) {
                    EXPECT_EQ(Control->Height(), Expected.Height());
                }
            }
            EXPECT_TRUE(Case.Loaded(Grid)) << (Case.Control ? Control->Text() : QString()).toStdString();
            if (Route == ByF2) SaveArtifact(RenderControl(Form.get()), QStringLiteral("edit-cycle-open-%1").arg(int(Case.Type)));

            Case.Change(Grid);
            Grid->HideInplaceEdit();
            ProcessPendingEvents();
            EXPECT_FALSE(Grid->EditMode);
            if (Case.Control) {
                EXPECT_FALSE(Control->Visible());
                EXPECT_FALSE(Control->Enabled());
            }
            if (Case.Type == edFloatSpinEdit) {
                EXPECT_DOUBLE_EQ(Grid->Floats(1, 3), 2.25);
            } else if (Case.Type == edDateSpinEdit) {
                EXPECT_EQ(Grid->Dates(1, 3), EncodeDate(2021, 5, 6));
            } else if (Case.Type == edTimeSpinEdit) {
                // The spin's own text of the time is stored.
                EXPECT_EQ(Grid->Cells(1, 3), Grid->SpinEdit()->Text());
                EXPECT_TRUE(Grid->Cells(1, 3).startsWith(QStringLiteral("11:45")));
            } else {
                EXPECT_EQ(Grid->Cells(1, 3), Case.Stored);
            }
        }
    }
}

TEST_F(EditCycleTest, ACancelledEditLeavesTheCellTextByteEqual)
{
    // Texts each editor would rewrite on its store: no number, no item, surrounding blanks.
    struct TCase {
        TEditorType Type;
        QString Text;
    };
    const TCase Cases[] = {{edSpinEdit, QStringLiteral("abc")},        {edSpinEdit, QString()},
                           {edFloatSpinEdit, QStringLiteral(" 7 ")},  {edDateSpinEdit, QStringLiteral("no date")},
                           {edComboList, QStringLiteral("not an item")}, {edComboEdit, QStringLiteral("x\ty")}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(Case.Type) << " text '" << Case.Text.toStdString() << "'");
        Type = Case.Type;
        FillCombo({QStringLiteral("alpha"), QStringLiteral("beta")});
        Grid->SetCells(1, 2, Case.Text);
        Open(1, 2);
        ASSERT_TRUE(Grid->EditMode);
        if (Case.Type == edComboEdit) Grid->EditCombo->SetText(QStringLiteral("changed"));
        if (Case.Type == edSpinEdit) Grid->SpinEdit()->SetValue(99);
        Grid->CancelCellEdit();
        Grid->HideInplaceEdit();
        ProcessPendingEvents();
        EXPECT_EQ(Grid->Cells(1, 2), Case.Text);
        EXPECT_FALSE(Grid->EditMode);

        // The next edit stores again.
        Open(1, 2);
        if (Case.Type == edSpinEdit) Grid->SpinEdit()->SetValue(7);
        if (Case.Type == edComboEdit) Grid->EditCombo->SetText(QStringLiteral("kept"));
        Grid->HideInplaceEdit();
        if (Case.Type == edSpinEdit) {
            EXPECT_EQ(Grid->Cells(1, 2), "7");
        } else if (Case.Type == edComboEdit) {
            EXPECT_EQ(Grid->Cells(1, 2), "kept");
        }
    }
}

TEST_F(EditCycleTest, NoEditorOpensForEdNoneOrAControlCell)
{
    Type = edNone;
    Grid->SetCells(1, 1, QStringLiteral("keep"));
    for (TRoute Route : {ByF2, ByClick}) {
        Open(1, 1, Route);
        EXPECT_FALSE(Grid->EditMode);
        EXPECT_TRUE(Grid->InplaceEditor() == nullptr || !Grid->InplaceEditor()->Visible());
        EXPECT_FALSE(Grid->EditCombo->Visible());
    }
    // The next try on an editable cell opens its editor.
    Type = edSpinEdit;
    Open(1, 1);
    EXPECT_TRUE(Grid->EditMode);
    Grid->HideInplaceEdit();

    // A check-box cell gets no editor whatever its type, and ShowInplaceEdit changes nothing.
    for (TRoute Route : {ByF2, ByClick}) {
        Open(2, 2, Route);
        EXPECT_FALSE(Grid->EditMode);
        EXPECT_TRUE(Grid->InplaceEditor() == nullptr || !Grid->InplaceEditor()->Visible());
    }
    Grid->SetTopRow(3);
    Grid->ShowInplaceEdit();
    EXPECT_EQ(Grid->TopRow(), 3);
    EXPECT_FALSE(Grid->EditMode);
}

TEST_F(EditCycleTest, ShowInplaceEditScrollsTheCurrentRowIntoViewFirst)
{
    Grid->SetRowCount(40);
    Type = edNormal;
    Grid->GotoCell(1, 3);
    Grid->SetTopRow(10);
    Grid->ShowInplaceEdit();
    EXPECT_EQ(Grid->TopRow(), 3);
    EXPECT_TRUE(Grid->EditMode);
}

TEST_F(EditCycleTest, EventsComeInTheCycleOrderAndTheNoticeArrivesLater)
{
    Type = edComboList;
    FillCombo({QStringLiteral("alpha"), QStringLiteral("beta")});
    Grid->SetCells(1, 2, QStringLiteral("alpha"));
    Grid->OnGetEditorProp = [this](TObject*, int32_t ACol, int32_t ARow, TEditLink*) {
        Log << QStringLiteral("GetEditorProp(%1,%2)").arg(ACol).arg(ARow);
    };
    Grid->OnGetEditorPropInt = [this](TObject*, int32_t ARow, int32_t ACol) {
        Log << QStringLiteral("GetEditorPropInt(%1,%2)").arg(ARow).arg(ACol);
    };
    Grid->OnSetEditText = [this](TObject*, int32_t ACol, int32_t ARow, const QString& Value) {
        Log << QStringLiteral("SetEditText(%1,%2,%3)").arg(ACol).arg(ARow).arg(Value);
    };
    Grid->OnEditingDone = [this](TObject*) {
        Log << QStringLiteral("EditingDone cell=%1").arg(Grid->Cells(1, 2));
    };
    Grid->OnSelectCell = [this](TObject*, int32_t, int32_t, bool&) { Log << QStringLiteral("SelectCell"); };
    Grid->OnEditCellDone = [this](TObject*, int32_t ACol, int32_t ARow) {
        Log << QStringLiteral("EditCellDone(%1,%2)").arg(ACol).arg(ARow);
    };
    Grid->GotoCell(1, 2);
    ProcessPendingEvents();
    Log.clear();
    PressKey(VK_F2);
    ProcessPendingEvents();
    Grid->EditCombo->SetItemIndex(1);
    Grid->HideInplaceEdit();
    // The notice is posted: nothing of it before the messages are handled.
    EXPECT_FALSE(Log.contains(QStringLiteral("EditCellDone(1,2)")));
    ProcessPendingEvents();

    QStringList Order;
    for (const QString& S : Log)
        if (Order.isEmpty() || Order.last() != S) Order << S;
    const QStringList Expected = {QStringLiteral("GetEditorType"), QStringLiteral("GetEditorProp(1,2)"),
                                  QStringLiteral("GetEditorPropInt(2,1)"), QStringLiteral("SetEditText(1,2,beta)"),
                                  QStringLiteral("EditingDone cell=beta"), QStringLiteral("SelectCell"),
                                  QStringLiteral("EditCellDone(1,2)")};
    int32_t From = 0;
    for (const QString& S : Expected) {
        const int32_t At = Order.indexOf(S, From);
        EXPECT_GE(At, From) << S.toStdString() << " in " << Order.join(" | ").toStdString();
        if (At >= 0) From = At + 1;
    }
}

TEST_F(EditCycleTest, EditOnDblClickOnlySwitchesEditingOffAfterTheNotice)
{
    Grid->MouseActions()->SetEditOnDblClickOnly(true);
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Type = edSpinEdit;
    Open(1, 1);
    ASSERT_TRUE(Grid->EditMode);
    Grid->HideInplaceEdit();
    EXPECT_TRUE(Grid->Options().Contains(goEditing));
    ProcessPendingEvents();
    EXPECT_FALSE(Grid->Options().Contains(goEditing));
}

TEST_F(EditCycleTest, ListComboFallsBackToTheFirstItemWithItsEvents)
{
    Type = edComboList;
    QStringList Events;
    Grid->OnComboChange = [&](TObject*, int32_t ACol, int32_t ARow, int32_t Index, const QString& S) {
        Events << QStringLiteral("change %1,%2,%3,%4").arg(ACol).arg(ARow).arg(Index).arg(S);
    };
    Grid->OnComboObjectChange = [&](TObject*, int32_t, int32_t, int32_t Index, const QString& S, TObject*) {
        Events << QStringLiteral("object %1,%2").arg(Index).arg(S);
    };
    FillCombo({QStringLiteral("first"), QStringLiteral("second")});
    Grid->SetCells(1, 4, QStringLiteral("none of them"));
    Open(1, 4);
    EXPECT_EQ(Grid->EditCombo->ItemIndex(), 0);
    EXPECT_TRUE(Events.contains(QStringLiteral("change 1,4,0,first")));
    EXPECT_TRUE(Events.contains(QStringLiteral("object 0,first")));
    Grid->CancelCellEdit();
    Grid->HideInplaceEdit();
    EXPECT_EQ(Grid->Cells(1, 4), "none of them");

    // Without items nothing is selected and neither event fires.
    Events.clear();
    Grid->ClearComboString();
    Open(1, 4);
    EXPECT_EQ(Grid->EditCombo->ItemIndex(), -1);
    EXPECT_FALSE(Events.join(' ').contains(QStringLiteral("change 1,4,0")));
    EXPECT_FALSE(Events.join(' ').contains(QStringLiteral("object")));
    Grid->HideInplaceEdit();

    // A chosen fallback item applies when the text is none of the items.
    Type = edComboEdit;
    FillCombo({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    Grid->SetComboSelection(2);
    Open(1, 4);
    EXPECT_EQ(Grid->EditCombo->ItemIndex(), 2);
    Grid->HideInplaceEdit();
    Grid->SetComboSelection(-1);
}

TEST_F(EditCycleTest, ComboEditorTakesTheListStyleAndTheLookOfTheGrid)
{
    struct TCase {
        TGridLook Look;
        bool Flat;
    };
    for (const TCase& Case : {TCase{glStandard, false}, TCase{glOffice2007, true}, TCase{glClassic, false},
                              TCase{glWin7, true}}) {
        Grid->SetLook(Case.Look);
        for (TEditorType T : {edComboEdit, edComboList}) {
            Type = T;
            FillCombo({QStringLiteral("one"), QStringLiteral("two")});
            Open(1, 1);
            EXPECT_EQ(Grid->EditCombo->Style(), T == edComboList ? csDropDownList : csDropDown);
            EXPECT_EQ(Grid->EditCombo->Flat(), Case.Flat);
            EXPECT_EQ(Grid->EditCombo->Etched(), Case.Flat);
            EXPECT_EQ(Grid->EditCombo->DropDownCount(), Grid->ControlLook()->DropDownCount());
            EXPECT_FALSE(Grid->EditCombo->DroppedDown());
            Grid->HideInplaceEdit();
        }
    }
    // DirectComboDrop opens the list at once.
    Grid->MouseActions()->SetDirectComboDrop(true);
    Open(1, 1);
    EXPECT_TRUE(Grid->EditCombo->DroppedDown());
    Grid->EditCombo->SetDroppedDown(false);
    Grid->HideInplaceEdit();
}

TEST_F(EditCycleTest, ComboItemListOperations)
{
    FillCombo({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("x")});
    EXPECT_EQ(Grid->GetComboCount(), 3);
    EXPECT_TRUE(Grid->RemoveComboString(QStringLiteral("x")));
    EXPECT_EQ(Grid->EditCombo->Items()->Count(), 2);
    EXPECT_EQ(Grid->EditCombo->Items()->Strings(0), "y");
    EXPECT_EQ(Grid->EditCombo->Items()->Strings(1), "x");
    EXPECT_FALSE(Grid->RemoveComboString(QStringLiteral("z")));

    EXPECT_TRUE(Grid->SetComboSelectionString(QStringLiteral("x")));
    EXPECT_FALSE(Grid->SetComboSelectionString(QStringLiteral("nope")));
    Type = edComboEdit;
    Grid->SetCells(1, 1, QStringLiteral("unknown"));
    Open(1, 1);
    // The fallback stayed at "x".
    EXPECT_EQ(Grid->EditCombo->ItemIndex(), 1);
    Grid->CancelCellEdit();
    Grid->HideInplaceEdit();
    Grid->SetComboSelection(-1);

    // Index and item go through the cell's own list, loaded by OnGetEditorProp.
    int32_t Props = 0;
    Grid->OnGetEditorProp = [&](TObject*, int32_t ACol, int32_t, TEditLink* Link) {
        ++Props;
        EXPECT_EQ(Link, nullptr);
        FillCombo(ACol == 3 ? QStringList{QStringLiteral("p"), QStringLiteral("q")} : QStringList{QStringLiteral("r")});
    };
    Grid->SetCells(3, 1, QStringLiteral("q"));
    EXPECT_EQ(Grid->GetComboIndex(3, 1), 1);
    EXPECT_EQ(Grid->GetComboIndex(1, 1), -1);
    EXPECT_EQ(Props, 2);
    Grid->SetComboIndex(3, 1, 0);
    EXPECT_EQ(Grid->Cells(3, 1), "p");
    EXPECT_THROW(Grid->SetComboIndex(3, 1, 2), EStringListError);
    EXPECT_THROW(Grid->SetComboIndex(3, 1, -1), EStringListError);
    EXPECT_EQ(Grid->Cells(3, 1), "p");
}

TEST_F(EditCycleTest, ComboNotificationsReachTheGridsEvents)
{
    // Real column 3 shows as display column 2 once column 2 is hidden: the events tell them apart.
    Grid->OnGetEditorType = [](TObject*, int32_t ACol, int32_t, TEditorType& AEditor) {
        if (ACol == 3) AEditor = edComboEdit;
    };
    FillCombo({QStringLiteral("red"), QStringLiteral("green")});
    Grid->HideColumn(2);
    QStringList Events;
    Grid->OnComboChange = [&](TObject*, int32_t ACol, int32_t ARow, int32_t Index, const QString& S) {
        Events << QStringLiteral("%1,%2,%3,%4").arg(ACol).arg(ARow).arg(Index).arg(S);
    };
    Grid->OnComboDropDown = [&](TObject*, int32_t ARow, int32_t ACol) {
        Events << QStringLiteral("drop %1,%2").arg(ARow).arg(ACol);
    };
    Grid->OnComboCloseUp = [&](TObject*, int32_t ARow, int32_t ACol) {
        Events << QStringLiteral("close %1,%2").arg(ARow).arg(ACol);
    };
    Grid->SetCells(3, 2, QStringLiteral("gr"));
    Open(2, 2);
    ASSERT_TRUE(Grid->EditCombo->Visible());
    EXPECT_EQ(Grid->EditCombo->Text(), "gr");
    Events.clear();
    // A change typed in the combo's field: the item index with the real column, then -1 with the
    // display column (the field completes the typed text to the item).
    Grid->EditCombo->SetSelStart(2);
    Grid->EditCombo->SetSelLength(0);
    TypeText(QStringLiteral("e"));
    ProcessPendingEvents();
    const int32_t Real = Events.indexOf(QStringLiteral("3,2,1,green"));
    const int32_t Display = Events.indexOf(QStringLiteral("2,2,-1,green"));
    EXPECT_GE(Real, 0) << Events.join(" | ").toStdString();
    EXPECT_GT(Display, Real) << Events.join(" | ").toStdString();
    Events.clear();
    PressKey(VK_F4);
    ProcessPendingEvents();
    PressKey(VK_F4);
    ProcessPendingEvents();
    EXPECT_TRUE(Events.contains(QStringLiteral("drop 2,3"))) << Events.join(" | ").toStdString();
    EXPECT_TRUE(Events.contains(QStringLiteral("close 2,3"))) << Events.join(" | ").toStdString();
    Grid->HideInplaceEdit();
    EXPECT_EQ(Grid->Cells(3, 2), "green");
}

TEST_F(EditCycleTest, DirectComboCloseStoresTheChoiceOrKeepsTheTypedText)
{
    Grid->MouseActions()->SetDirectComboClose(true);
    Type = edComboEdit;
    FillCombo({QStringLiteral("one"), QStringLiteral("two")});
    Grid->SetCells(1, 1, QStringLiteral("typed"));
    Open(1, 1);
    Grid->EditCombo->SetDroppedDown(true);
    ProcessPendingEvents();
    // No item chosen: the text stays and the edit ends with it.
    Grid->EditCombo->SetDroppedDown(false);
    ProcessPendingEvents();
    EXPECT_FALSE(Grid->EditMode);
    EXPECT_EQ(Grid->Cells(1, 1), "typed");
    EXPECT_TRUE(Grid->Focused());

    Open(1, 1);
    Grid->EditCombo->SetDroppedDown(true);
    ProcessPendingEvents();
    Grid->EditCombo->SetItemIndex(1);
    Grid->EditCombo->SetDroppedDown(false);
    ProcessPendingEvents();
    EXPECT_FALSE(Grid->EditMode);
    EXPECT_EQ(Grid->Cells(1, 1), "two");
}

TEST_F(EditCycleTest, TypingInASpinEditorUpdatesTheCellOnceANormalEditorWasOpen)
{
    Type = edSpinEdit;
    Grid->SetCells(1, 1, QStringLiteral("4"));
    Open(1, 1);
    Grid->SpinEdit()->SelectAll();
    TypeText(QStringLiteral("8"));
    ProcessPendingEvents();
    // No normal editor yet: the cell waits for the end of the edit.
    EXPECT_EQ(Grid->Cells(1, 1), "4");
    Grid->HideInplaceEdit();
    EXPECT_EQ(Grid->Cells(1, 1), "8");

    Type = edNormal;
    Open(1, 2);
    Grid->HideInplaceEdit();
    Type = edSpinEdit;
    Open(1, 1);
    Grid->SpinEdit()->SelectAll();
    TypeText(QStringLiteral("5"));
    ProcessPendingEvents();
    EXPECT_EQ(Grid->Cells(1, 1), "5");
    Grid->HideInplaceEdit();
}

TEST_F(EditCycleTest, SpinEditorWithAllowEmptyValueLeavesABlankCellEmpty)
{
    Type = edSpinEdit;
    Grid->SpinEdit()->SetAllowEmptyValue(true);
    Grid->SetCells(1, 1, QStringLiteral("3"));
    Open(1, 1);
    Grid->SpinEdit()->SetText(QStringLiteral("   "));
    Grid->HideInplaceEdit();
    EXPECT_EQ(Grid->Cells(1, 1), "");
    Grid->SpinEdit()->SetAllowEmptyValue(false);
}

TEST_F(EditCycleTest, AHideWithoutAnOpenEditorStoresNothing)
{
    Type = edSpinEdit;
    Grid->SetCells(1, 1, QStringLiteral("6"));
    Open(1, 1);
    Grid->SpinEdit()->SetValue(9);
    Grid->HideInplaceEdit();
    EXPECT_EQ(Grid->Cells(1, 1), "9");
    // The cursor moves on; a late hide of the same kind writes nothing into the new cell.
    Grid->SetCells(1, 3, QStringLiteral("other"));
    Grid->GotoCell(1, 3);
    Grid->HideCellEdit();
    EXPECT_EQ(Grid->Cells(1, 3), "other");
    Grid->HideInplaceEdit();
    EXPECT_EQ(Grid->Cells(1, 3), "other");
}

TEST_F(EditCycleTest, ShowCellEditIsF2)
{
    Type = edSpinEdit;
    Grid->GotoCell(1, 2);
    Grid->ShowCellEdit();
    ProcessPendingEvents();
    EXPECT_TRUE(Grid->EditMode);
    EXPECT_TRUE(Grid->SpinEdit()->Focused());
    Grid->HideInplaceEdit();
}

TEST_F(EditCycleTest, SmallHooks)
{
    EXPECT_FALSE(Grid->WantsEditorTab());
    Grid->OnCellValidate = [](TObject*, int32_t, int32_t, QString&, bool&) {};
    EXPECT_TRUE(Grid->WantsEditorTab());
    Grid->OnCellValidate = nullptr;
    Grid->SetOptions(Grid->Options() + TGridOptions{goTabs});
    EXPECT_TRUE(Grid->WantsEditorTab());

    Grid->OnIsPasswordCell = [](TObject*, int32_t, int32_t ACol, bool& IsPassword) { IsPassword = ACol == 3; };
    EXPECT_TRUE(Grid->CellIsPassword(3, 1));
    EXPECT_FALSE(Grid->CellIsPassword(1, 1));

    TCustomForm* Found = TExtStringGrid::FindParentForm(Grid);
    EXPECT_EQ(Found, Form.get());
    EXPECT_EQ(TExtStringGrid::FindParentForm(Form.get()), Form.get());
    TExtStringGrid Loose(nullptr);
    EXPECT_EQ(TExtStringGrid::FindParentForm(&Loose), nullptr);
}

TEST_F(EditCycleTest, ASimulatedClickMovesTheCursorUnseenByTheMouseEvents)
{
    int32_t Downs = 0, Ups = 0;
    Grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int32_t, int32_t) { ++Downs; };
    Grid->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int32_t, int32_t) { ++Ups; };
    Grid->SimulateCellClick(3, 4);
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 4);
    EXPECT_EQ(Downs, 0);
    EXPECT_EQ(Ups, 0);
    // The handlers are back for the user's own clicks.
    const TRect R = Grid->CellRect(2, 1);
    Click(Grid, Point(R.Left + 3, R.Top + 3));
    ProcessPendingEvents();
    EXPECT_EQ(Downs, 1);
    EXPECT_EQ(Ups, 1);
}

TEST_F(EditCycleTest, AnArrowDownEndingAnEditOnTheLastRowAppendsARow)
{
    Grid->Navigation()->SetAppendOnArrowDown(true);
    Type = edSpinEdit;
    bool Refuse = false;
    Grid->OnCanAddRow = [&](TObject*, bool& CanAdd) { CanAdd = !Refuse; };
    Open(1, 5);
    Grid->DoneInplaceEdit(VK_DOWN, {});
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Grid->Row(), 6);
    EXPECT_FALSE(Grid->EditMode);
    EXPECT_TRUE(Grid->Focused());

    Refuse = true;
    Open(1, 6);
    Grid->DoneInplaceEdit(VK_DOWN, {});
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Grid->Row(), 6);

    // Up moves the cursor; Esc leaves it.
    Open(1, 6);
    Grid->DoneInplaceEdit(VK_UP, {});
    EXPECT_EQ(Grid->Row(), 5);
    Open(1, 5);
    Grid->DoneInplaceEdit(VK_ESCAPE, {});
    EXPECT_EQ(Grid->Row(), 5);
}

TEST_F(EditCycleTest, ADatePickerOpensInsideItsRange)
{
    Type = edDateEdit;
    Open(1, 1);
    Grid->HideInplaceEdit();
    TGridDatePicker* D = Grid->DatePicker();
    ASSERT_NE(D, nullptr);
    struct TCase {
        TDateTime Min, Max, Cell, Opened;
    };
    const TDateTime Jan10 = EncodeDate(2024, 1, 10), Jan20 = EncodeDate(2024, 1, 20);
    const TCase Cases[] = {
        {0, 0, EncodeDate(1999, 12, 31), EncodeDate(1999, 12, 31)},
        {Jan10, Jan20, EncodeDate(2024, 2, 1), Jan20 - 1},
        {Jan10, Jan20, Jan10, Jan10 + 1},
        {Jan10, Jan20, EncodeDate(2024, 1, 15), EncodeDate(2024, 1, 15)},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(DateToStr(Case.Cell).toStdString());
        D->SetMinDate(0);
        D->SetMaxDate(0);
        D->SetMaxDate(Case.Max);
        D->SetMinDate(Case.Min);
        Grid->SetCells(1, 1, DateToStr(Case.Cell));
        Open(1, 1);
        ASSERT_TRUE(D->Visible());
        EXPECT_EQ(D->Date(), Case.Opened);
        Grid->CancelCellEdit();
        Grid->HideInplaceEdit();
        EXPECT_EQ(Grid->Cells(1, 1), DateToStr(Case.Cell));
    }
    // A text that is no date opens at today.
    D->SetMinDate(0);
    D->SetMaxDate(0);
    Grid->SetCells(1, 1, QStringLiteral("soon"));
    Open(1, 1);
    EXPECT_EQ(D->Date(), Date());
    Grid->CancelCellEdit();
    Grid->HideInplaceEdit();
    EXPECT_EQ(Grid->Cells(1, 1), "soon");
}

TEST_F(EditCycleTest, DatePickerEventsReachTheGrid)
{
    Type = edDateEdit;
    QStringList Events;
    Grid->OnEditChange = [&](TObject*, int32_t ACol, int32_t ARow, const QString& Text) {
        Events << QStringLiteral("change %1,%2,%3").arg(ACol).arg(ARow).arg(Text);
    };
    Grid->OnDatePickerCloseUp = [&](TObject*, int32_t ARow, int32_t ACol) {
        Events << QStringLiteral("closeup %1,%2 editing=%3").arg(ARow).arg(ACol).arg(Grid->EditMode);
    };
    Grid->MouseActions()->SetDirectDateClose(true);
    Grid->SetCells(1, 2, DateToStr(EncodeDate(2020, 6, 1)));
    Open(1, 2);
    TGridDatePicker* D = Grid->DatePicker();
    ASSERT_NE(D, nullptr);
    D->SetDate(EncodeDate(2020, 6, 9));
    ASSERT_TRUE(static_cast<bool>(D->OnChange));
    D->OnChange(D);
    EXPECT_TRUE(Events.contains(QStringLiteral("change 1,2,%1").arg(DateToStr(EncodeDate(2020, 6, 9)))));
    // A close-up with DirectDateClose stores the date and ends the edit.
    D->OnCloseUp(D);
    EXPECT_TRUE(Events.contains(QStringLiteral("closeup 2,1 editing=1")));
    EXPECT_FALSE(Grid->EditMode);
    EXPECT_EQ(Grid->Cells(1, 2), DateToStr(EncodeDate(2020, 6, 9)));
}

TEST_F(EditCycleTest, CheckBoxAndButtonEditorsShowTheTextAndStoreNothing)
{
    Type = edCheckBox;
    Grid->SetCells(1, 2, QStringLiteral("caption"));
    Open(1, 2);
    TGridCheckBox* Check = Grid->EditCheckBox();
    ASSERT_NE(Check, nullptr);
    EXPECT_TRUE(Check->Visible());
    EXPECT_TRUE(Check->Focused());
    EXPECT_EQ(Check->Caption(), "caption");
    EXPECT_FALSE(Check->Checked());
    EXPECT_EQ(Check->BoundsRect(), EditorRect(1, 2));
    SaveArtifact(RenderControl(Form.get()), QStringLiteral("edit-cycle-open-%1").arg(int(edCheckBox)));
    Check->SetChecked(true);
    Grid->HideInplaceEdit();
    EXPECT_FALSE(Check->Visible());
    EXPECT_EQ(Grid->Cells(1, 2), "caption");

    // The button covers the cell one pixel beyond it on every side.
    Type = edButton;
    Open(1, 3);
    TGridButton* Button = Grid->EditButton();
    ASSERT_NE(Button, nullptr);
    const TRect Cell = Grid->CellRect(1, 3);
    EXPECT_EQ(Button->BoundsRect(), Rect(Cell.Left - 1, Cell.Top - 1, Cell.Right, Cell.Bottom));
    EXPECT_TRUE(Button->Focused());
    SaveArtifact(RenderControl(Form.get()), QStringLiteral("edit-cycle-open-%1").arg(int(edButton)));
    Grid->HideInplaceEdit();
    EXPECT_FALSE(Button->Visible());
}

TEST_F(EditCycleTest, DropDownEditorsOpenOverTheCellAndStoreTheirText)
{
    struct TCase {
        TEditorType Type;
        QString Text;
        bool TextEditor;  // the drop-down shows the cell text and stores its own
    };
    const TCase Cases[] = {{edTrackbarDropDown, QStringLiteral("40"), false},
                           {edMemoDropDown, QStringLiteral("memo"), true},
                           {edCalculatorDropDown, QStringLiteral("12"), true},
                           {edTimePickerDropDown, QStringLiteral("10:00"), false},
                           {edDetailDropDown, QStringLiteral("detail"), true},
                           {edGridDropDown, QStringLiteral("grid"), true},
                           {edColorPickerDropDown, QStringLiteral("colour"), false},
                           {edImagePickerDropDown, QStringLiteral("image"), false},
                           {edExtGridDropDown, QStringLiteral("ext"), true}};
    int32_t HeaderClicks = 0;
    Grid->OnDropDownHeaderButtonClick = [&](TObject*, int32_t, int32_t, int32_t) { ++HeaderClicks; };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(Case.Type));
        Type = Case.Type;
        Grid->SetCells(1, 3, Case.Text);
        Open(1, 3);
        ASSERT_TRUE(Grid->EditMode);
        auto* D = dynamic_cast<TExtCustomDropDown*>(Grid->FindEditorControl());
        ASSERT_NE(D, nullptr);
        EXPECT_TRUE(D->Visible());
        EXPECT_TRUE(D->Focused());
        EXPECT_EQ(D->BoundsRect(), EditorRect(1, 3));
        if (Case.TextEditor) {
            EXPECT_EQ(D->Text(), Case.Text);
        }
        ASSERT_TRUE(static_cast<bool>(D->OnDropDownHeaderButtonClick));
        D->OnDropDownHeaderButtonClick(D, 0);
        SaveArtifact(RenderControl(Form.get()), QStringLiteral("edit-cycle-open-%1").arg(int(Case.Type)));
        // Cancelled: the text is back byte for byte.
        Grid->CancelCellEdit();
        Grid->HideInplaceEdit();
        EXPECT_FALSE(D->Visible());
        EXPECT_EQ(Grid->Cells(1, 3), Case.Text);
        if (Case.TextEditor && Case.Type != edMemoDropDown) {
            Open(1, 3);
            D->SetText(Case.Text + QStringLiteral("2"));
            Grid->HideInplaceEdit();
            EXPECT_EQ(Grid->Cells(1, 3), Case.Text + QStringLiteral("2"));
        }
    }
    EXPECT_EQ(HeaderClicks, 9);
}

TEST_F(EditCycleTest, ValueAndUnitEditorSplitsTheTextByItsUnits)
{
    Type = edUnitEditBtn;
    QStringList Units{QStringLiteral("kg"), QStringLiteral("g")};
    TStringList List;
    for (const QString& U : Units) List.Add(U);
    Grid->UnitEditor()->SetUnits(&List);
    QStringList Changed;
    Grid->OnUnitChanged = [&](TObject*, int32_t ACol, int32_t ARow, const QString& Unit) {
        Changed << QStringLiteral("%1,%2,%3").arg(ACol).arg(ARow).arg(Unit);
    };
    Grid->SetCells(1, 2, QStringLiteral("12kg"));
    Open(1, 2);
    EXPECT_EQ(Grid->UnitEditor()->Text(), "12");
    EXPECT_EQ(Grid->UnitEditor()->UnitID(), "kg");
    Grid->UnitEditor()->SetUnitID(QStringLiteral("g"));
    Grid->HideInplaceEdit();
    EXPECT_EQ(Grid->Cells(1, 2), "12g");
    ASSERT_TRUE(static_cast<bool>(Grid->UnitEditor()->OnUnitChanged));
    Grid->UnitEditor()->OnUnitChanged(Grid->UnitEditor(), QStringLiteral("g"));
    EXPECT_EQ(Changed, QStringList{QStringLiteral("1,2,g")});

    // A text without a known unit is kept whole.
    Grid->SetCells(1, 3, QStringLiteral("7 stones"));
    Open(1, 3);
    EXPECT_EQ(Grid->UnitEditor()->Text(), "7 stones");
    Grid->HideInplaceEdit();
    EXPECT_EQ(Grid->Cells(1, 3), "7 stones");
}

}  // namespace
