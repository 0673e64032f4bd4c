// Check boxes, radio groups and buttons, cell buttons, balloons and expandable cells of the grid.
#include "ExtGridTestSupport.h"

#include "grid/base/GridSettings.h"
#include "grid/base/GridUndo.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridItems.h"
#include "grid/core/HiddenRows.h"
#include "grid/core/GridOptions.h"

#include "rtl/Exceptions.h"

namespace {

TEST_F(ExtGridFixture, ControlsOutsideTheGridRaiseInvalidCellAndChangeNothing)
{
    const std::function<void()> Adds[] = {
        [&] { Grid->AddCheckBox(5, 0, true, false); },
        [&] { Grid->AddCheckBox(0, 10, cbChecked); },
        [&] { Grid->AddRadioButton(-1, 2, true); },
        [&] { Grid->AddCheckBox(2, -1, false, true); },
    };
    for (const auto& Add : Adds) {
        try {
            Add();
            ADD_FAILURE() << "no exception";
        } catch (const Exception& E) {
            EXPECT_EQ(E.Message(), QStringLiteral("Invalid cell"));
        }
    }
    for (int32_t c = 0; c < 6; ++c)
        for (int32_t r = 0; r < 11; ++r) EXPECT_EQ(Grid->GetGridObject(c, r), nullptr) << c << "," << r;
    EXPECT_EQ(Grid->ColCount(), 5);
    EXPECT_EQ(Grid->RowCount(), 10);

    // The corners inside are accepted, also on an empty grid.
    Grid->AddCheckBox(4, 9, true, false);
    Grid->AddCheckBox(0, 0, true, false);
    EXPECT_TRUE(Grid->HasCheckBox(4, 9) && Grid->HasCheckBox(0, 0));
    EXPECT_EQ(Grid->Cells(0, 0), QString());
}

TEST_F(ExtGridFixture, DataCheckBoxesKeepTheirStateInTheText)
{
    Grid->SetCells(1, 1, QStringLiteral("N"));
    Grid->SetCells(1, 2, QStringLiteral("Y"));
    Grid->SetCells(1, 3, QStringLiteral("maybe"));
    const struct {
        int32_t Row;
        bool State;
        QString Text;
        bool Checked;
    } Cases[] = {{1, true, QStringLiteral("N"), false},
                 {2, false, QStringLiteral("Y"), true},
                 {3, true, QStringLiteral("Y"), true},
                 {4, false, QStringLiteral("N"), false}};
    for (const auto& C : Cases) {
        Grid->AddCheckBox(1, C.Row, C.State, true);
        EXPECT_EQ(Grid->Cells(1, C.Row), C.Text) << C.Row;
        EXPECT_EQ(Grid->IsChecked(1, C.Row), C.Checked) << C.Row;
        EXPECT_TRUE(Grid->HasDataCheckBox(1, C.Row));
    }
    // Toggling writes the other text, with the hook's texts.
    Grid->OnGetCheckTrue = [](TObject*, int32_t, int32_t, QString& V) { V = QStringLiteral("on"); };
    EXPECT_TRUE(Grid->ToggleCheckBox(1, 1));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("on"));
    EXPECT_TRUE(Grid->IsChecked(1, 1));
    EXPECT_TRUE(Grid->ToggleCheckBox(1, 1));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("N"));
}

TEST_F(ExtGridFixture, ToggleCyclesAndReportsTheNewState)
{
    QStringList Log;
    Grid->OnCheckBoxChange = [&](TObject*, int32_t ACol, int32_t ARow, bool State) {
        Log.append(QStringLiteral("%1,%2 %3").arg(ACol).arg(ARow).arg(State));
    };
    Grid->AddCheckBox(2, 2, false, false);
    Grid->AddCheckBox(3, 3, cbUnchecked);
    TCheckBoxState State = cbChecked;
    const TCheckBoxState Cycle[] = {cbGrayed, cbChecked, cbUnchecked, cbGrayed};
    for (TCheckBoxState Expected : Cycle) {
        EXPECT_TRUE(Grid->ToggleCheckBox(3, 3));
        ASSERT_TRUE(Grid->GetCheckBoxState(3, 3, State));
        EXPECT_EQ(State, Expected);
        bool Checked = false;
        ASSERT_TRUE(Grid->GetCheckBoxState(3, 3, Checked));
        EXPECT_EQ(Checked, Expected == cbChecked);
    }
    EXPECT_TRUE(Grid->ToggleCheckBox(2, 2));
    EXPECT_TRUE(Grid->IsChecked(2, 2));
    EXPECT_EQ(Log, (QStringList{QStringLiteral("3,3 0"), QStringLiteral("3,3 0"), QStringLiteral("3,3 0"),
                                QStringLiteral("3,3 0"), QStringLiteral("2,2 1")}));

    // Only check boxes toggle; an editable check asks CanEdit unless checks are always active.
    Grid->AddRadioButton(4, 4);
    EXPECT_FALSE(Grid->ToggleCheckBox(4, 4));
    EXPECT_FALSE(Grid->ToggleCheckBox(1, 1));
    EXPECT_FALSE(Grid->DoToggleCheckBox(2, 2, true));
    EXPECT_TRUE(Grid->IsChecked(2, 2));
    Grid->ControlLook()->SetCheckAlwaysActive(true);
    EXPECT_TRUE(Grid->DoToggleCheckBox(2, 2, true));
    EXPECT_FALSE(Grid->IsChecked(2, 2));
}

TEST_F(ExtGridFixture, ToggleRecordsTheRealOldAndNewValuesForUndo)
{
    auto* Undo = New<TExtGridUndoRedo>(Form.get());
    Grid->SetUndoRedo(Undo);
    Grid->AddCheckBox(1, 1, false, false);
    Grid->AddCheckBox(1, 2, cbGrayed);
    Grid->AddCheckBox(1, 3, false, true);
    Grid->ToggleCheckBox(1, 1);
    Grid->ToggleCheckBox(1, 2);
    Grid->ToggleCheckBox(1, 3);
    ASSERT_EQ(Undo->Items()->Count(), 3);
    const QString Expected[][2] = {{QStringLiteral("N"), QStringLiteral("Y")},
                                   {QStringLiteral("N"), QStringLiteral("Y")},
                                   {QStringLiteral("N"), QStringLiteral("Y")}};
    for (int32_t I = 0; I < 3; ++I) {
        EXPECT_EQ(Undo->Items()->Item(I)->OrigValue(), Expected[I][0]) << I;
        EXPECT_EQ(Undo->Items()->Item(I)->Value(), Expected[I][1]) << I;
        EXPECT_EQ(Undo->Items()->Item(I)->Row(), I + 1);
    }
}

TEST_F(ExtGridFixture, CheckAllReportsOnlyTheBoxesThatChange)
{
    Grid->AddCheckBoxColumn(2, false, false);
    Grid->SetCheckBoxState(2, 3, true);
    Grid->AddCheckBox(2, 5, false, true);
    Grid->SetCells(2, 6, QStringLiteral("Y"));
    Grid->AddCheckBox(2, 6, false, true);
    QList<int32_t> Changed;
    Grid->OnCheckBoxChange = [&](TObject*, int32_t, int32_t ARow, bool State) {
        EXPECT_TRUE(State);
        Changed.append(ARow);
    };
    Grid->CheckAll(2);
    EXPECT_EQ(Changed, (QList<int32_t>{1, 2, 4, 5, 7, 8, 9}));
    for (int32_t r = 1; r < 10; ++r) EXPECT_TRUE(Grid->IsChecked(2, r)) << r;
    EXPECT_FALSE(Grid->HasCheckBox(2, 0));
    Grid->OnCheckBoxChange = nullptr;
    Grid->UnCheckAll(2);
    for (int32_t r = 1; r < 10; ++r) EXPECT_FALSE(Grid->IsChecked(2, r)) << r;
}

TEST_F(ExtGridFixture, CheckBoxColumnsCoverHeaderNodesAndSummaries)
{
    Grid->MakeNode(2, 3);
    Grid->NewCellGraphic(0, 5)->SetCellType(ctSummary);
    Grid->MouseActions()->SetCheckAllCheck(true);
    Grid->AddCheckBoxColumn(1, true, false);
    EXPECT_EQ(Grid->GetCellType(1, 0), ctCheckBox);
    EXPECT_EQ(Grid->GetCellType(1, 2), ctTriStateCheckBox);
    EXPECT_EQ(Grid->GetCellType(1, 5), ctEmpty);
    EXPECT_EQ(Grid->GetCellType(1, 6), ctCheckBox);
    EXPECT_TRUE(Grid->IsChecked(1, 6));

    Grid->RemoveCheckBoxColumn(1);
    for (int32_t r = 0; r < 10; ++r) EXPECT_FALSE(Grid->HasCheckBox(1, r)) << r;
}

TEST_F(ExtGridFixture, AutoCheckGroupChecksChildrenAndSumsThemIntoTheNode)
{
    Grid->Grouping()->SetAutoCheckGroup(true);
    Grid->MakeNode(2, 4);  // node row 2, children 3, 4, 5
    Grid->AddCheckBox(1, 2, cbUnchecked);
    for (int32_t r = 3; r <= 5; ++r) Grid->AddCheckBox(1, r, false, false);

    // Checking the node checks its children.
    Grid->ToggleCheckBox(1, 2);
    for (int32_t r = 3; r <= 5; ++r) EXPECT_TRUE(Grid->IsChecked(1, r)) << r;
    TCheckBoxState Node = cbUnchecked;
    Grid->GetCheckBoxState(1, 2, Node);
    EXPECT_EQ(Node, cbChecked);

    // Unchecking one child grays the node; unchecking all unchecks it; checking all checks it.
    const struct {
        int32_t Row;
        TCheckBoxState Node;
    } Steps[] = {{4, cbGrayed}, {3, cbGrayed}, {5, cbUnchecked}, {3, cbGrayed}, {4, cbGrayed}, {5, cbChecked}};
    for (const auto& S : Steps) {
        Grid->ToggleCheckBox(1, S.Row);
        Grid->GetCheckBoxState(1, 2, Node);
        EXPECT_EQ(Node, S.Node) << S.Row;
    }
}

TEST_F(ExtGridFixture, HiddenRowsReadTheCheckBoxWhereTheRowLies)
{
    // Real row 3 is parked in a hidden-row item with its cell properties; display row 3 shows real row 4.
    Grid->AddCheckBox(1, 3, true, false);
    Grid->AddCheckBox(1, 4, false, false);
    auto* Item = static_cast<TGridItem*>(Grid->GridItems()->Add());
    Item->SetIdx(3);
    for (int32_t c = 0; c < Grid->ColCount(); ++c) Item->Items()->AddObject(Grid->Cells(c, 3), Grid->Objects(c, 3));
    for (int32_t c = 0; c < Grid->ColCount(); ++c) Grid->SetObjects(c, 3, nullptr);
    Grid->SetObjects(1, 3, Grid->Objects(1, 4));
    Grid->SetObjects(1, 4, nullptr);

    EXPECT_TRUE(Grid->IsChecked(1, 3));
    EXPECT_FALSE(Grid->IsChecked(1, 4));
    EXPECT_TRUE(Grid->SetCheckBoxState(1, 4, true));
    EXPECT_TRUE(Grid->IsChecked(1, 4));
    // Displayed row 3 is real row 4: the notifying setter maps it.
    EXPECT_TRUE(Grid->SetCheckBoxStateNotify(1, 3, false));
    EXPECT_FALSE(Grid->IsChecked(1, 4));
    EXPECT_TRUE(Grid->IsChecked(1, 3));

    // The item frees what it parks (properties and their graphic) with the grid.
}

TEST_F(ExtGridFixture, RowCheckBoxesFollowTheRowSelection)
{
    Grid->MouseActions()->SetHotmailRowSelect(true);
    EXPECT_EQ(Grid->GetCellType(0, 4), ctRowCheckBox);
    EXPECT_TRUE(Grid->SetCheckBoxStateNotify(0, 4, true));
    EXPECT_TRUE(Grid->RowSelect(4));
    EXPECT_TRUE(Grid->IsChecked(0, 4));
    int32_t Changes = 0;
    Grid->OnCheckBoxChange = [&](TObject*, int32_t, int32_t, bool) { ++Changes; };
    EXPECT_TRUE(Grid->SetCheckBoxStateNotify(0, 4, true));
    EXPECT_EQ(Changes, 0);
    EXPECT_TRUE(Grid->SetCheckBoxState(0, 5, true));
    EXPECT_TRUE(Grid->RowSelect(5));
    EXPECT_EQ(Changes, 0);
}

TEST_F(ExtGridFixture, RadioGroupsStepAndWrap)
{
    TStrings* Options = Grid->CreateRadio(1, 1, 0, 0);
    Options->Add(QStringLiteral("one"));
    Options->Add(QStringLiteral("two"));
    Options->Add(QStringLiteral("three"));
    EXPECT_TRUE(Grid->IsRadio(1, 1));
    EXPECT_EQ(Grid->GetRadioStrings(1, 1), Options);
    const struct {
        int32_t Index;
        QString Text;
    } Steps[] = {{1, QStringLiteral("two")}, {2, QStringLiteral("three")}, {0, QStringLiteral("one")}};
    for (const auto& S : Steps) {
        EXPECT_TRUE(Grid->SelectNextRadio(1, 1, false));
        int32_t Index = -5;
        EXPECT_TRUE(Grid->GetRadioIdx(1, 1, Index));
        EXPECT_EQ(Index, S.Index);
        EXPECT_EQ(Grid->Cells(1, 1), S.Text);
    }
    // Below -1 the text alone chooses: the index stays.
    Grid->SetRadioIdx(1, 1, -2);
    Grid->SetCells(1, 1, QStringLiteral("two"));
    Grid->SelectNextRadio(1, 1, false);
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("three"));
    EXPECT_EQ(Grid->GetCellGraphic(1, 1)->CellIndex(), -2);
    EXPECT_EQ(Grid->GetCellGraphic(1, 1)->CellVar().toInt(), 2);
    // -1 empties the text.
    Grid->SetRadioIdx(1, 1, -1);
    EXPECT_EQ(Grid->Cells(1, 1), QString());

    // On a check box the index is read but the answer is false.
    Grid->AddCheckBox(2, 2, false, false);
    Grid->GetCellGraphic(2, 2)->SetCellIndex(7);
    int32_t Index = 0;
    EXPECT_FALSE(Grid->GetRadioIdx(2, 2, Index));
    EXPECT_EQ(Index, 7);
    EXPECT_EQ(Grid->GetRadioStrings(2, 2), nullptr);
}

TEST_F(ExtGridFixture, RadioGroupListsAreFreedOnlyWhenTheGridMadeThem)
{
    auto* Mine = new TCountedList();
    Mine->Add(QStringLiteral("a"));
    Grid->AddRadio(1, 1, 1, -1, Mine);
    EXPECT_EQ(Grid->GetCellGraphic(1, 1)->CellAngle(), 1);
    EXPECT_TRUE(Grid->GetCellGraphic(1, 1)->CellBoolean());
    Grid->RemoveRadio(1, 1);
    EXPECT_EQ(TFreed::Lists, 0);
    delete Mine;
    EXPECT_EQ(TFreed::Lists, 1);
}

TEST_F(ExtGridFixture, RadioButtonsAreExclusiveInTheirColumn)
{
    Grid->AddRadioButtonColumn(2);
    EXPECT_EQ(Grid->GetRadioButtonColumnIndex(2), -1);
    Grid->SetRadioButtonColumnIndex(2, 4);
    EXPECT_EQ(Grid->GetRadioButtonColumnIndex(2), 4);
    Grid->ControlLook()->SetCheckAlwaysActive(true);
    EXPECT_TRUE(Grid->SelectRadioButton(2, 6, true));
    EXPECT_EQ(Grid->GetRadioButtonColumnIndex(2), 6);
    EXPECT_FALSE(Grid->IsRadioButtonChecked(2, 4));
    // Already on: nothing changes, the answer is true.
    EXPECT_TRUE(Grid->SelectRadioButton(2, 6, false));
    EXPECT_TRUE(Grid->IsRadioButtonChecked(2, 6));
    EXPECT_FALSE(Grid->SelectRadioButton(1, 6, false));
    // The state setter touches no other button.
    EXPECT_TRUE(Grid->SetRadioButtonState(2, 3, true));
    EXPECT_TRUE(Grid->IsRadioButtonChecked(2, 6));
    EXPECT_FALSE(Grid->SetRadioButtonState(1, 3, true));
    Grid->RemoveRadioButtonColumn(2);
    EXPECT_FALSE(Grid->HasRadioButton(2, 6));
}

TEST_F(ExtGridFixture, ButtonsAreSizedAndPlacedInTheirCell)
{
    Show();
    Grid->AddButton(2, 2, 30, 12, QStringLiteral("Go"), haLeft, vaTop);
    EXPECT_TRUE(Grid->HasButton(2, 2));
    EXPECT_EQ(Grid->GetCellGraphic(2, 2)->CellIndex(), 30 + 12 * 65536);
    Grid->GetCellGraphic(2, 2)->SetCellValue(3 + 4 * 65536);
    const TRect Cell = Grid->TBaseGrid::CellRect(2, 2);
    EXPECT_EQ(Grid->GetCellButtonRect(2, 2), (TRect{Cell.Left + 3, Cell.Top + 4, Cell.Left + 33, Cell.Top + 16}));
    Grid->GetCellGraphic(2, 2)->SetCellVAlign(vaFull);
    Grid->GetCellGraphic(2, 2)->SetCellHAlign(haFull);
    EXPECT_EQ(Grid->GetCellButtonRect(2, 2), Cell);
    EXPECT_EQ(Grid->GetCellButtonRect(3, 3), TRect{});

    Grid->SetButtonText(2, 2, QStringLiteral("Stop"));
    EXPECT_EQ(Grid->GetButtonText(2, 2), QStringLiteral("Stop"));
    EXPECT_EQ(Grid->GetButtonText(3, 3), QString());
    Grid->PushButton(2, 2, true);
    EXPECT_TRUE(Grid->GetCellGraphic(2, 2)->CellBoolean());

    // A glyph the caller gives stays the caller's; one the grid makes goes with the cell.
    auto* Glyph = new TCountedBitmap();
    Grid->AddBitButton(3, 3, 20, 20, QString(), Glyph, haLeft, vaTop);
    Grid->RemoveBitButton(3, 3);
    EXPECT_EQ(TFreed::Bitmaps, 0);
    Grid->CreateBitButton(3, 4, 20, 20, QString(), haLeft, vaTop);
    Grid->AddButton(1, 5, 20, 20, QString(), haLeft, vaTop);
    Grid->RemoveAllButtons();
    EXPECT_FALSE(Grid->HasButton(2, 2) || Grid->HasButton(3, 4) || Grid->HasButton(1, 5));
    delete Glyph;
    EXPECT_EQ(TFreed::Bitmaps, 1);
}

TEST_F(ExtGridFixture, BalloonsAttachToCheckBoxesAndStayOnBalloonCells)
{
    QString Title, Text;
    TBalloonIcon Icon = biNone;
    Grid->AddBalloon(1, 1, QStringLiteral("first"), QStringLiteral("one"), biInfo);
    Grid->AddBalloon(1, 1, QStringLiteral("second"), QStringLiteral("two"), biError);
    EXPECT_TRUE(Grid->HasBalloon(1, 1));
    ASSERT_TRUE(Grid->IsBalloon(1, 1, Title, Text, Icon));
    EXPECT_EQ(Title, QStringLiteral("first"));
    EXPECT_EQ(Icon, biInfo);

    Grid->AddCheckBox(2, 2, false, false);
    Grid->AddBalloon(2, 2, QStringLiteral("a"), QStringLiteral("b"), biWarning);
    Grid->AddBalloon(2, 2, QStringLiteral("c"), QStringLiteral("d"), biWarning);
    ASSERT_TRUE(Grid->IsBalloon(2, 2, Title, Text, Icon));
    EXPECT_EQ(Text, QStringLiteral("d"));
    EXPECT_TRUE(Grid->ToggleCheckBox(2, 2));
    EXPECT_FALSE(Grid->HasBalloon(2, 2));
    Grid->RemoveBalloon(2, 2);
    EXPECT_FALSE(Grid->IsBalloon(2, 2, Title, Text, Icon));
    EXPECT_EQ(Grid->GetCellGraphic(2, 2)->CellAngle(), 0);
    EXPECT_TRUE(Grid->IsChecked(2, 2));

    // Texts attached before are freed when replaced.
    Grid->AddRadioButton(4, 4);
    Grid->GetCellGraphic(4, 4)->SetCellObject(new TCountedList());
    Grid->GetCellGraphic(4, 4)->SetCellAngle(1);
    Grid->AddBalloon(4, 4, QStringLiteral("t"), QStringLiteral("u"), biInfo);
    EXPECT_EQ(TFreed::Lists, 1);
    ASSERT_TRUE(Grid->IsBalloon(4, 4, Title, Text, Icon));
    EXPECT_EQ(Title, QStringLiteral("t"));

    Grid->AddButton(3, 3, 10, 10, QString(), haLeft, vaTop);
    Grid->AddBalloon(3, 3, QStringLiteral("x"), QStringLiteral("y"), biInfo);
    EXPECT_FALSE(Grid->IsBalloon(3, 3, Title, Text, Icon));
    Grid->RemoveBalloon(1, 1);
    EXPECT_FALSE(Grid->HasBalloon(1, 1));
}

TEST_F(ExtGridFixture, PreciseCheckBoxHitsOnlyTheBox)
{
    Show();
    Grid->AddCheckBox(2, 2, false, false);
    const TRect R = Grid->TBaseGrid::CellRect(2, 2);
    EXPECT_TRUE(Grid->IsInCheckBox(2, 2, R.Right - 1, R.Bottom - 1));
    EXPECT_FALSE(Grid->IsInCheckBox(3, 3, R.Left, R.Top));
    Grid->MouseActions()->SetPreciseCheckBoxCheck(true);
    const int32_t S = Grid->ControlLook()->CheckSize();
    const struct {
        int32_t X, Y;
        bool In;
    } Cases[] = {{R.Left + 2, R.Top + 2, true},
                 {R.Left + 1, R.Top + 2, false},
                 {R.Left + 2 + S - 1, R.Top + 2 + S - 1, true},
                 {R.Left + 2 + S, R.Top + 2, false},
                 {R.Left + 2, R.Top + 2 + S, false}};
    for (const auto& C : Cases) EXPECT_EQ(Grid->IsInCheckBox(2, 2, C.X, C.Y), C.In) << C.X << "," << C.Y;

    // Bottom placement, right-aligned text: the box stands left of the text.
    Grid->GetCellGraphic(2, 2)->SetCellVAlign(vaBottom);
    Grid->SetCells(2, 2, QStringLiteral("12345"));
    Grid->SetAutoNumAlign(true);
    Grid->GetCellProperties(2, 2)->SetAlignment(taRightJustify);
    TPoint Size;
    Grid->GetCellTextSize(2, 2, Size, false, false);
    const int32_t Left = R.Right - S - 2 - Size.X;
    EXPECT_TRUE(Grid->IsInCheckBox(2, 2, Left, R.Bottom - S - 2));
    EXPECT_FALSE(Grid->IsInCheckBox(2, 2, Left - 1, R.Bottom - S - 2));
}

TEST_F(ExtGridFixture, ExpandCellsSwitchBetweenTwoHeights)
{
    Show();
    EXPECT_EQ(Grid->GetExpandHeight(1, 1, true), 22);
    Grid->AddExpand(1, 1, 80);
    EXPECT_TRUE(Grid->HasExpand(1, 1));
    EXPECT_FALSE(Grid->GetExpandState(1, 1));
    EXPECT_TRUE(Grid->ToggleExpand(1, 1));
    EXPECT_TRUE(Grid->GetExpandState(1, 1));
    EXPECT_EQ(Grid->GetExpandHeight(1, 1, true), 80);
    const TRect R = Grid->TBaseGrid::CellRect(1, 1);
    EXPECT_EQ(Grid->GetExpandButtonRect(1, 1), (TRect{R.Right - 13, R.Top + 2, R.Right - 2, R.Top + 13}));
    EXPECT_EQ(Grid->GetExpandButtonRect(2, 1), TRect{});
    Grid->RemoveExpand(1, 1);
    EXPECT_FALSE(Grid->HasExpand(1, 1));
    EXPECT_FALSE(Grid->ToggleExpand(1, 1));
}

}  // namespace
