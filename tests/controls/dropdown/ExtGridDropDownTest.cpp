// TCustomExtGridDropDown: items loaded and tagged, the pop-up's height, lookup and narrowing by typing, sorting that
// keeps the item, picking and in-place editing, the list style's keys, and the grid's events handed on.
#include "PickerTestSupport.h"

#include "dropdown/DropDownForm.h"
#include "dropdown/ExtGridDropDown.h"
#include "dropdown/ExtGridDropDownGrid.h"
#include "dropdown/PopupAppearance.h"

#include "graphics/GraphicsObjects.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SortSettings.h"
#include "rtl/Strings.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace {

using GridDropDown::TExtColGrid;

// Opens the protected row mapping to the tests.
class TTestGridDropDown : public TCustomExtGridDropDown {
public:
    using TCustomExtGridDropDown::TCustomExtGridDropDown;
    using TCustomExtGridDropDown::ItemIndexToRow;
    using TCustomExtGridDropDown::RowToItemIndex;
};

class ExtGridDropDownTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = PickerTest::MakeForm(420, 320, clWhite);
        DropDown = PickerTest::Place<TTestGridDropDown>(Form.get(), Bounds(10, 10, 150, 22));
        DropDown->SetTabStop(true);
        DropDown->OnSelect = [this](TObject*) { Selects << DropDown->ItemIndex(); };
        DropDown->DropDownHeader()->SetVisible(false);
        DropDown->DropDownFooter()->SetVisible(false);
        Fill({{"Alpha", "1"}, {"Beta", "2"}, {"Royal", "3"}, {"Gamma", "4"}, {"Gala", "5"}});
        Form->Show();
        ProcessPendingEvents();
        DropDown->SetFocus();
        ProcessPendingEvents();
    }

    // Two columns and one item per row of lines, filled as the grid's edit cycle fills.
    void Fill(std::initializer_list<QStringList> Rows)
    {
        DropDown->BeginUpdate();
        DropDown->Columns()->Clear();
        DropDown->Columns()->Add()->SetHeader(QStringLiteral("Name"));
        DropDown->Columns()->Add()->SetHeader(QStringLiteral("Code"));
        DropDown->Items()->Clear();
        for (const QStringList& Lines : Rows) {
            GridDropDown::TDropDownItem* Item = DropDown->Items()->Add();
            for (const QString& Line : Lines) Item->Text()->Add(Line);
        }
        DropDown->EndUpdate();
    }

    void Open()
    {
        PickerTest::ClickDropButton(DropDown);
        ASSERT_TRUE(IsOpen());
    }
    void Close()
    {
        if (IsOpen()) Input::PressKey(VK_ESCAPE);
        Clock.Advance(300);
    }
    bool IsOpen() const { return DropDown->DroppedDown() && DropDown->DropDownForm()->Visible(); }
    TExtColGrid* Grid() const { return DropDown->GetGrid(); }
    QString Selected() const { return DropDown->EditText().mid(DropDown->SelStart(), DropDown->SelLength()); }
    // The lookup texts of the grid's data rows, top down.
    QStringList Rows() const
    {
        QStringList Texts;
        for (int32_t R = Grid()->FixedRows(); R < Grid()->RowCount(); ++R) Texts << Grid()->Cells(0, R);
        return Texts;
    }
    TPoint CellPoint(int32_t ACol, int32_t ARow) const
    {
        const TRect Cell = Grid()->CellRect(ACol, ARow);
        return {(Cell.Left + Cell.Right) / 2, (Cell.Top + Cell.Bottom) / 2};
    }

    TTestClock Clock;
    std::unique_ptr<TForm> Form;
    TTestGridDropDown* DropDown = nullptr;
    QList<int32_t> Selects;
};

TEST_F(ExtGridDropDownTest, DefaultsVersionAndStyleSwitchTheEditorOff)
{
    EXPECT_EQ(DropDown->Version(), QStringLiteral("6.0.1.1"));
    EXPECT_TRUE(DropDown->UseItems());
    EXPECT_EQ(DropDown->ItemIndex(), -1);
    EXPECT_EQ(DropDown->LookupMethod(), GridDropDown::lmLookup);
    EXPECT_EQ(DropDown->DropDownHeight(), 200);
    EXPECT_EQ(DropDown->LineColor(), RGB(235, 237, 241));
    EXPECT_EQ(DropDown->FixedLineColor(), RGB(164, 187, 209));
    EXPECT_TRUE(DropDown->EditorEnabled());
    DropDown->SetStyle(GridDropDown::dsDropDownList);
    EXPECT_FALSE(DropDown->EditorEnabled());
    DropDown->SetStyle(GridDropDown::dsDropDown);
    EXPECT_TRUE(DropDown->EditorEnabled());
    // The Office 2010 styles leave the header and line colours alone; others set them.
    DropDown->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(DropDown->HeaderColor(), clWhite);
    EXPECT_EQ(DropDown->LineColor(), RGB(235, 237, 241));
    DropDown->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(DropDown->HeaderColor(), RGB(89, 135, 214));
    EXPECT_EQ(DropDown->LineColor(), RGB(0, 45, 150));
}

TEST_F(ExtGridDropDownTest, OpeningLoadsTaggedRowsAndTheHeightTakesWholeRows)
{
    DropDown->SetItemIndex(3);
    Open();
    // 200 requested: 200 - 25 - 2 = 173 leaves seven rows of 22 under the 25 high header, plus 6.
    EXPECT_EQ(DropDown->DropDownForm()->Height(), 25 + 6 + 7 * 22);
    ASSERT_EQ(Grid()->RowCount(), 6);
    EXPECT_EQ(Grid()->Cells(0, 0), QStringLiteral("Name"));
    EXPECT_EQ(Grid()->Cells(1, 0), QStringLiteral("Code"));
    EXPECT_EQ(Rows(), QStringList({"Alpha", "Beta", "Royal", "Gamma", "Gala"}));
    EXPECT_EQ(Grid()->Row(), 4);
    for (int32_t I = 0; I < 5; ++I) {
        EXPECT_EQ(DropDown->RowToItemIndex(I + 1), I);
        EXPECT_EQ(DropDown->ItemIndexToRow(I), I + 1);
    }
    EXPECT_EQ(DropDown->RowToItemIndex(0), -1);
    // An unknown item gives the selection back.
    EXPECT_EQ(DropDown->ItemIndexToRow(9), 3);
    // Cell properties beside the tags: the grid tells them apart while painting.
    Grid()->SetColors(1, 2, clYellow);
    const QImage Image = PickerTest::RenderAndSave(DropDown->DropDownForm(), QStringLiteral("ExtGridDropDown-open"));
    EXPECT_FALSE(Image.isNull());
    EXPECT_EQ(DropDown->RowToItemIndex(2), 1);
    Close();
}

TEST_F(ExtGridDropDownTest, MovingInTheGridSelectsEscRestoresEnterAndClickPick)
{
    DropDown->SetItemIndex(1);
    Open();
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(DropDown->ItemIndex(), 2);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Royal"));
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(DropDown->ItemIndex(), 1);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Beta"));

    Clock.Advance(300);
    Open();
    Input::PressKey(VK_UP);
    Input::PressKey(VK_RETURN);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(DropDown->ItemIndex(), 0);
    EXPECT_EQ(Selects, QList<int32_t>({0}));

    Clock.Advance(300);
    Open();
    Input::Click(Grid(), CellPoint(1, 5));
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(DropDown->ItemIndex(), 4);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Gala"));
    EXPECT_EQ(Selects, QList<int32_t>({0, 4}));
}

TEST_F(ExtGridDropDownTest, NarrowingKeepsRowsContainingTheTypedLettersInAnyCase)
{
    DropDown->SetLookupMethod(GridDropDown::lmNarrowDown);
    Open();
    Input::TypeText(QStringLiteral("aL"));
    EXPECT_EQ(Rows(), QStringList({"Alpha", "Royal", "Gala"}));
    EXPECT_EQ(Grid()->FixedRows(), 1);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Alpha"));
    EXPECT_EQ(Selected(), QStringLiteral("pha"));
    EXPECT_EQ(Grid()->Row(), 1);
    // The first Backspace takes the completed part, the next ones the typed letters.
    for (int I = 0; I < 3; ++I) Input::PressKey(VK_BACK);
    EXPECT_EQ(Rows(), QStringList({"Alpha", "Beta", "Royal", "Gamma", "Gala"}));
    Input::TypeText(QStringLiteral("ro"));
    EXPECT_EQ(Rows(), QStringList({"Royal"}));
    EXPECT_EQ(DropDown->ItemIndex(), 2);
    Input::PressKey(VK_RETURN);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(DropDown->ItemIndex(), 2);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Royal"));
}

TEST_F(ExtGridDropDownTest, LookupPerStyle)
{
    const struct {
        GridDropDown::TDropDownStyle Style;
        int32_t AfterAg;
        QString TextAfterB, SelectedAfterB;
    } Cases[] = {
        // "g" continues no entry: the entry is emptied, so "b" alone finds Beta.
        {GridDropDown::dsDropDown, 0, QStringLiteral("Beta"), QStringLiteral("eta")},
        // The list style tries the character alone at once.
        {GridDropDown::dsDropDownList, 3, QStringLiteral("Beta"), QString()},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(int(Case.Style));
        DropDown->SetStyle(Case.Style);
        DropDown->SetItemIndex(-1);
        DropDown->SetFocus();
        Input::TypeText(QStringLiteral("a"));
        EXPECT_EQ(DropDown->ItemIndex(), 0);
        Input::TypeText(QStringLiteral("g"));
        EXPECT_EQ(DropDown->ItemIndex(), Case.AfterAg);
        Input::TypeText(QStringLiteral("b"));
        EXPECT_EQ(DropDown->ItemIndex(), 1);
        EXPECT_EQ(DropDown->Text(), Case.TextAfterB);
        EXPECT_EQ(Selected(), Case.SelectedAfterB);
        // Esc ends the entry.
        Input::PressKey(VK_ESCAPE);
    }
}

TEST_F(ExtGridDropDownTest, ListStyleEndAndHomeSelectLastAndFirst)
{
    DropDown->SetStyle(GridDropDown::dsDropDownList);
    DropDown->SetItemIndex(2);
    Input::PressKey(VK_END);
    EXPECT_EQ(DropDown->ItemIndex(), 4);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Gala"));
    Input::PressKey(VK_HOME);
    EXPECT_EQ(DropDown->ItemIndex(), 0);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Alpha"));
    // With Shift held, and in the typing style, they stay with the caret.
    Input::PressKey(VK_END, {ssShift});
    EXPECT_EQ(DropDown->ItemIndex(), 0);
    DropDown->SetStyle(GridDropDown::dsDropDown);
    Input::PressKey(VK_END);
    EXPECT_EQ(DropDown->ItemIndex(), 0);
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(DropDown->ItemIndex(), 1);
}

TEST_F(ExtGridDropDownTest, SortingKeepsTheSelectedItem)
{
    DropDown->SetItemIndex(1);
    DropDown->SetSorting(GridDropDown::gsSingleColumn);
    Open();
    // No sort column yet: the items' order.
    EXPECT_EQ(Rows(), QStringList({"Alpha", "Beta", "Royal", "Gamma", "Gala"}));
    Close();
    Grid()->SortSettings()->SetColumn(0);
    Grid()->SortSettings()->SetDirection(sdDescending);
    Open();
    EXPECT_EQ(Rows(), QStringList({"Royal", "Gamma", "Gala", "Beta", "Alpha"}));
    EXPECT_EQ(Grid()->Row(), 4);
    EXPECT_EQ(DropDown->RowToItemIndex(4), 1);
    // A header click's sort: asked first, sorted, then told.
    bool DoSort = true;
    Grid()->OnCanSort(Grid(), 0, DoSort);
    Grid()->SortSettings()->SetDirection(sdAscending);
    Grid()->QSort();
    Grid()->OnClickSort(Grid(), 0);
    EXPECT_EQ(Rows(), QStringList({"Alpha", "Beta", "Gala", "Gamma", "Royal"}));
    EXPECT_EQ(Grid()->Row(), 2);
    Input::PressKey(VK_DOWN);
    Input::PressKey(VK_RETURN);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(DropDown->ItemIndex(), 4);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Gala"));
}

TEST_F(ExtGridDropDownTest, EditableGridPicksWithoutClosingAndEnterStoresTheCell)
{
    DropDown->SetGridEditable(true);
    DropDown->SetRowSelect(false);
    Open();
    Input::PressKey(VK_DOWN);
    Input::PressKey(VK_RETURN);
    EXPECT_TRUE(IsOpen());
    EXPECT_EQ(Selects, QList<int32_t>({1}));
    EXPECT_EQ(DropDown->ItemIndex(), 1);
    // The lookup column of the row of Gamma, edited in place.
    Input::PressKey(VK_DOWN);
    Input::PressKey(VK_DOWN);
    Grid()->SetCol(0);
    Input::PressKey(VK_F2);
    ASSERT_TRUE(Grid()->EditorMode());
    Input::PressKey('A', {ssCtrl});
    Input::TypeText(QStringLiteral("Omega"));
    Input::PressKey(VK_RETURN);
    EXPECT_FALSE(Grid()->EditorMode());
    EXPECT_EQ(Grid()->Cells(0, 4), QStringLiteral("Omega"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Omega"));
    EXPECT_EQ(DropDown->ItemIndex(), 3);
    EXPECT_TRUE(IsOpen());
    Close();
}

TEST_F(ExtGridDropDownTest, TypeAheadInTheOpenGridAndWheelStepsThatDoNotSelect)
{
    DropDown->SetItemIndex(0);
    Open();
    Input::TypeText(QStringLiteral("g"));
    EXPECT_EQ(Grid()->Row(), 4);
    EXPECT_EQ(DropDown->ItemIndex(), 3);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Gamma"));
    EXPECT_EQ(Selected(), QStringLiteral("amma"));
    Input::TypeText(QStringLiteral("al"));
    EXPECT_EQ(Grid()->Row(), 5);
    EXPECT_EQ(DropDown->ItemIndex(), 4);
    EXPECT_EQ(Selected(), QStringLiteral("a"));
    // Nothing starts with "galx": the entry starts again, and "b" alone finds Beta.
    Input::TypeText(QStringLiteral("xb"));
    EXPECT_EQ(Grid()->Row(), 2);
    EXPECT_EQ(DropDown->ItemIndex(), 1);
    // The wheel moves the grid's row, not the selection, and a later confirmation keeps the selection.
    Input::TurnWheel(Grid(), CellPoint(0, 2), -WHEEL_DELTA);
    EXPECT_NE(Grid()->Row(), 2);
    EXPECT_EQ(DropDown->ItemIndex(), 1);
    Close();
    EXPECT_EQ(DropDown->ItemIndex(), 0) << "Esc restores the selection of the opening";
}

TEST_F(ExtGridDropDownTest, TheFirstMoveAfterEachOpeningRestartsTheBalloons)
{
    Open();
    Grid()->Balloon()->SetEnable(true);
    QStringList Changes;
    const auto Grids = Grid()->Balloon()->OnEnableChange;
    Grid()->Balloon()->OnEnableChange = [&](TObject* Sender) {
        Changes << (Grid()->Balloon()->Enable() ? QStringLiteral("on") : QStringLiteral("off"));
        if (Grids) Grids(Sender);
    };
    Input::MoveMouse(Grid(), CellPoint(0, 1));
    Input::MoveMouse(Grid(), CellPoint(0, 2));
    EXPECT_EQ(Changes, QStringList({"off", "on"}));
    Close();
    Open();
    Input::MoveMouse(Grid(), CellPoint(0, 3));
    EXPECT_EQ(Changes, QStringList({"off", "on", "off", "on"}));
    EXPECT_TRUE(Grid()->Balloon()->Enable());
    Close();
}

TEST_F(ExtGridDropDownTest, AModalBoxFromAButtonClickLeavesThePopupOpen)
{
    std::unique_ptr<TForm> Dialog = PickerTest::MakeForm(100, 60);
    const auto ShowDialog = [&] {
        QTimer::singleShot(0, [&] { Dialog->SetModalResult(mrOk); });
        Dialog->ShowModal();
    };
    bool BlockedInside = false;
    DropDown->OnGridButtonClick = [&](TObject*, int32_t, int32_t) {
        BlockedInside = DropDown->DropDownForm()->BlockActivate();
        ShowDialog();
    };
    DropDown->OnGridRightClickCell = [&](TObject*, int32_t, int32_t) { ShowDialog(); };
    Open();
    Grid()->OnButtonClick(Grid(), 1, 2);
    EXPECT_TRUE(BlockedInside);
    EXPECT_FALSE(DropDown->DropDownForm()->BlockActivate());
    EXPECT_TRUE(IsOpen()) << "the activation was blocked while the dialog showed";
    // An event without the block: the dialog takes the activation and the pop-up closes.
    Grid()->OnRightClickCell(Grid(), 2, 1);
    EXPECT_FALSE(IsOpen());
}

TEST_F(ExtGridDropDownTest, ColumnAlignmentAndColourComeFirstAndCustomDrawingAttachesAtOpening)
{
    DropDown->Columns()->Items(1)->SetAlignment(taRightJustify);
    DropDown->Columns()->Items(1)->SetColor(clYellow);
    Open();
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    Grid()->OnGetAlignment(Grid(), 1, 1, HA, VA);
    EXPECT_EQ(HA, taRightJustify);
    TBrush Brush;
    TFont Font;
    Brush.SetColor(clWhite);
    Grid()->OnGetCellColor(Grid(), 1, 1, {}, &Brush, &Font);
    EXPECT_EQ(Brush.Color(), clYellow);
    // Past the columns nothing is put in.
    HA = taCenter;
    Grid()->OnGetAlignment(Grid(), 1, 5, HA, VA);
    EXPECT_EQ(HA, taCenter);
    // A handler sees the column's alignment and may change it.
    TAlignment SeenByHandler = taLeftJustify;
    DropDown->OnGridGetAlignment = [&](TObject*, int32_t, int32_t C, TAlignment& H, TVAlignment&) {
        if (C != 1) return;
        SeenByHandler = H;
        H = taCenter;
    };
    HA = taLeftJustify;
    Grid()->OnGetAlignment(Grid(), 1, 1, HA, VA);
    EXPECT_EQ(SeenByHandler, taRightJustify);
    EXPECT_EQ(HA, taCenter);
    QString Format = QStringLiteral("%.2f");
    bool IsFloat = true;
    Grid()->OnGetFloatFormat(Grid(), 1, 1, IsFloat, Format);
    EXPECT_TRUE(Format.isEmpty());

    EXPECT_FALSE(Grid()->OnCustomCellDraw);
    DropDown->OnGridCustomCellDraw = [](TObject*, TCanvas*, int32_t, int32_t, TGridDrawState, const TRect&, bool) {};
    EXPECT_FALSE(Grid()->OnCustomCellDraw) << "attached at the next opening";
    Close();
    Open();
    EXPECT_TRUE(Grid()->OnCustomCellDraw);
    EXPECT_FALSE(Grid()->OnCustomCellBkgDraw);
    Close();
}

TEST_F(ExtGridDropDownTest, KeyEventsAndTopLeftChangesComeFromTheDropDown)
{
    QStringList Log;
    const auto Who = [&](TObject* Sender) {
        return Sender == DropDown ? QStringLiteral("dropdown") : Sender == Grid() ? QStringLiteral("grid") : QStringLiteral("?");
    };
    DropDown->OnGridKeyDown = [&](TObject* S, uint16_t& Key, TShiftState) { Log << Who(S) + " down " + QString::number(Key); };
    DropDown->OnGridKeyUp = [&](TObject* S, uint16_t& Key, TShiftState) { Log << Who(S) + " up " + QString::number(Key); };
    DropDown->OnGridKeyPress = [&](TObject* S, QChar& Key) { Log << Who(S) + " press " + QString(Key); };
    DropDown->OnGridMouseDown = [&](TObject* S, TMouseButton, TShiftState, int32_t, int32_t) { Log << Who(S) + " mouse"; };
    Open();
    Input::PressKey(VK_DOWN);
    Input::TypeText(QStringLiteral("z"));
    Input::MouseDown(Grid(), CellPoint(0, 1));
    DropDown->OnGridTopLeftChanged = [&](TObject* S) { Log << Who(S) + " topleft"; };
    Grid()->OnTopLeftChanged(Grid());
    EXPECT_EQ(Log, QStringList({"dropdown down 40", "dropdown up 40", "dropdown down 90", "dropdown press z",
                                "dropdown up 90", "grid mouse", "dropdown topleft"}));
    Input::MouseUp(Grid(), CellPoint(0, 1));
}

// Every forwarder: the grid's arguments reach the drop-down's event unchanged, and what the handler sets
// comes back to the grid.
TEST_F(ExtGridDropDownTest, ForwardersHandTheArgumentsOnBothWays)
{
    Open();
    TExtColGrid* G = Grid();
    TCustomExtGridDropDown* D = DropDown;
    QString Seen;
    const auto Note = [&](TObject* Sender, std::initializer_list<QString> Args) {
        Seen = (Sender == G ? QStringLiteral("grid") : QStringLiteral("other"));
        for (const QString& Arg : Args) Seen += QLatin1Char(' ') + Arg;
        if (DropDown->DropDownForm()->BlockActivate()) Seen += QStringLiteral(" blocked");
    };
    const auto N = [](int32_t V) { return QString::number(V); };
    const auto B = [](bool V) { return V ? QStringLiteral("true") : QStringLiteral("false"); };
    struct TCase {
        const char* Name;
        std::function<QString()> Fire;
        QString Expected;
    };
    const TCase Cases[] = {
        {"AnchorClick",
         [&] {
             D->OnGridAnchorClick = [&](TObject* S, int32_t R, int32_t C, const QString& A, bool& H) {
                 Note(S, {N(R), N(C), A, B(H)});
                 H = false;
             };
             bool H = true;
             G->OnAnchorClick(G, 3, 1, QStringLiteral("a"), H);
             return B(H);
         },
         "grid 3 1 a true blocked|false"},
        {"AnchorEnter",
         [&] {
             D->OnGridAnchorEnter = [&](TObject* S, int32_t R, int32_t C, const QString& A) { Note(S, {N(R), N(C), A}); };
             G->OnAnchorEnter(G, 3, 1, QStringLiteral("a"));
             return QString();
         },
         "grid 3 1 a|"},
        {"AnchorExit",
         [&] {
             D->OnGridAnchorExit = [&](TObject* S, int32_t R, int32_t C, const QString& A) { Note(S, {N(R), N(C), A}); };
             G->OnAnchorExit(G, 2, 0, QStringLiteral("b"));
             return QString();
         },
         "grid 2 0 b|"},
        {"AnchorHint",
         [&] {
             D->OnGridAnchorHint = [&](TObject* S, int32_t R, int32_t C, QString& A) {
                 Note(S, {N(R), N(C), A});
                 A = QStringLiteral("new");
             };
             QString A = QStringLiteral("old");
             G->OnAnchorHint(G, 2, 1, A);
             return A;
         },
         "grid 2 1 old|new"},
        {"EllipsClick",
         [&] {
             D->OnGridEllipsClick = [&](TObject* S, int32_t C, int32_t R, QString& V) {
                 Note(S, {N(C), N(R), V});
                 V = QStringLiteral("picked");
             };
             QString V = QStringLiteral("text");
             G->OnEllipsClick(G, 1, 2, V);
             return V;
         },
         "grid 1 2 text blocked|picked"},
        {"ColumnSize",
         [&] {
             D->OnGridColumnSize = [&](TObject* S, int32_t C, bool& Allow) {
                 Note(S, {N(C)});
                 Allow = false;
             };
             bool Allow = true;
             G->OnColumnSize(G, 1, Allow);
             return B(Allow);
         },
         "grid 1|false"},
        {"ColumnSizing",
         [&] {
             D->OnGridColumnSizing = [&](TObject* S, int32_t C, int32_t W) { Note(S, {N(C), N(W)}); };
             G->OnColumnSizing(G, 1, 44);
             return QString();
         },
         "grid 1 44|"},
        {"EndColumnSize",
         [&] {
             D->OnGridEndColumnSize = [&](TObject* S, int32_t C) { Note(S, {N(C)}); };
             G->OnEndColumnSize(G, 1);
             return QString();
         },
         "grid 1|"},
        {"RowSize",
         [&] {
             D->OnGridRowSize = [&](TObject* S, int32_t R, bool& Allow) {
                 Note(S, {N(R)});
                 Allow = false;
             };
             bool Allow = true;
             G->OnRowSize(G, 3, Allow);
             return B(Allow);
         },
         "grid 3|false"},
        {"RowSizing",
         [&] {
             D->OnGridRowSizing = [&](TObject* S, int32_t R, int32_t H) { Note(S, {N(R), N(H)}); };
             G->OnRowSizing(G, 3, 30);
             return QString();
         },
         "grid 3 30|"},
        {"EndRowSize",
         [&] {
             D->OnGridEndRowSize = [&](TObject* S, int32_t R) { Note(S, {N(R)}); };
             G->OnEndRowSize(G, 3);
             return QString();
         },
         "grid 3|"},
        {"RowMove",
         [&] {
             D->OnGridRowMove = [&](TObject* S, int32_t R, bool& Allow) {
                 Note(S, {N(R)});
                 Allow = false;
             };
             bool Allow = true;
             G->OnRowMove(G, 2, Allow);
             return B(Allow);
         },
         "grid 2|false"},
        {"RowMoving",
         [&] {
             D->OnGridRowMoving = [&](TObject* S, int32_t R, bool& Allow) {
                 Note(S, {N(R)});
                 Allow = false;
             };
             bool Allow = true;
             G->OnRowMoving(G, 4, Allow);
             return B(Allow);
         },
         "grid 4|false"},
        {"RowMoved",
         [&] {
             D->OnGridRowMoved = [&](TObject* S, int32_t From, int32_t To) { Note(S, {N(From), N(To)}); };
             G->OnRowMoved(G, 1, 3);
             return QString();
         },
         "grid 1 3|"},
        {"ColumnMove",
         [&] {
             D->OnGridColumnMove = [&](TObject* S, int32_t C, bool& Allow) {
                 Note(S, {N(C)});
                 Allow = false;
             };
             bool Allow = true;
             G->OnColumnMove(G, 1, Allow);
             return B(Allow);
         },
         "grid 1|false"},
        {"ColumnMoving",
         [&] {
             D->OnGridColumnMoving = [&](TObject* S, int32_t C, bool& Allow) {
                 Note(S, {N(C)});
                 Allow = false;
             };
             bool Allow = true;
             G->OnColumnMoving(G, 0, Allow);
             return B(Allow);
         },
         "grid 0|false"},
        {"ColumnMoved",
         [&] {
             D->OnGridColumnMoved = [&](TObject* S, int32_t From, int32_t To) { Note(S, {N(From), N(To)}); };
             G->OnColumnMoved(G, 0, 1);
             return QString();
         },
         "grid 0 1|"},
        {"CellBalloon",
         [&] {
             D->OnGridCellBalloon = [&](TObject* S, int32_t C, int32_t R, QString& T, QString& X, int32_t& I) {
                 Note(S, {N(C), N(R), T, X, N(I)});
                 T = QStringLiteral("T2");
                 X = QStringLiteral("X2");
                 I = 2;
             };
             QString T = QStringLiteral("T"), X = QStringLiteral("X");
             int32_t I = 1;
             G->OnCellBalloon(G, 1, 2, T, X, I);
             return T + X + N(I);
         },
         "grid 1 2 T X 1|T2X22"},
        {"GetCellGradient",
         [&] {
             D->OnGridGetCellGradient = [&](TObject* S, int32_t R, int32_t C, TColor& A, TColor& To, TColor&,
                                            TColor&, TCellGradientDirection&) {
                 Note(S, {N(R), N(C), N(int32_t(A))});
                 To = clRed;
             };
             TColor A = clBlue, To = clNone, M = clNone, MT = clNone;
             TCellGradientDirection GD = GradientVertical;
             G->OnGetCellGradient(G, 2, 1, A, To, M, MT, GD);
             return N(int32_t(To));
         },
         QStringLiteral("grid 2 1 %1|%2").arg(int32_t(clBlue)).arg(int32_t(clRed))},
        {"GetEditorType",
         [&] {
             D->OnGridGetEditorType = [&](TObject* S, int32_t C, int32_t R, TEditorType& E) {
                 Note(S, {N(C), N(R)});
                 E = edNumeric;
             };
             TEditorType E = edNormal;
             G->OnGetEditorType(G, 1, 2, E);
             return N(int32_t(E));
         },
         QStringLiteral("grid 1 2|%1").arg(int32_t(edNumeric))},
        {"GetEditorProp",
         [&] {
             D->OnGridGetEditorProp = [&](TObject* S, int32_t R, int32_t C) { Note(S, {N(R), N(C)}); };
             G->OnGetEditorPropInt(G, 2, 1);
             return QString();
         },
         "grid 2 1|"},
        {"CanEditCell",
         [&] {
             D->OnGridCanEditCell = [&](TObject* S, int32_t R, int32_t C, bool& CanEdit) {
                 Note(S, {N(R), N(C)});
                 CanEdit = false;
             };
             bool CanEdit = true;
             G->OnCanEditCell(G, 2, 1, CanEdit);
             return B(CanEdit);
         },
         "grid 2 1|false"},
        {"GetDiplText",
         [&] {
             D->OnGridGetDiplText = [&](TObject* S, int32_t C, int32_t R, QString& V) {
                 Note(S, {N(C), N(R), V});
                 V = QStringLiteral("shown");
             };
             QString V = QStringLiteral("stored");
             G->OnGetDisplText(G, 1, 2, V);
             return V;
         },
         "grid 1 2 stored|shown"},
        {"GetFormat",
         [&] {
             D->OnGridGetFormat = [&](TObject* S, int32_t C, TSortStyle&, QString& P, QString& X) {
                 Note(S, {N(C), P, X});
                 P = QStringLiteral("p");
                 X = QStringLiteral("s");
             };
             TSortStyle Style{};
             QString P, X;
             G->OnGetFormat(G, 1, Style, P, X);
             return P + X;
         },
         "grid 1  |ps"},
        {"Hint",
         [&] {
             D->OnGridHint = [&](TObject* S, int32_t R, int32_t C, QString& H) {
                 Note(S, {N(R), N(C), H});
                 H = QStringLiteral("hint");
             };
             QString H = QStringLiteral("cell");
             G->OnGridHint(G, 2, 1, H);
             return H;
         },
         "grid 2 1 cell|hint"},
        {"MouseMove",
         [&] {
             D->OnGridMouseMove = [&](TObject* S, TShiftState, int32_t X, int32_t Y) { Note(S, {N(X), N(Y)}); };
             G->OnMouseMove(G, {}, 7, 9);
             return QString();
         },
         "grid 7 9|"},
        {"MouseUp",
         [&] {
             D->OnGridMouseUp = [&](TObject* S, TMouseButton Button, TShiftState, int32_t X, int32_t Y) {
                 Note(S, {N(int32_t(Button)), N(X), N(Y)});
             };
             G->OnMouseUp(G, mbRight, {}, 7, 9);
             return QString();
         },
         QStringLiteral("grid %1 7 9|").arg(int32_t(mbRight))},
        {"ScrollHint",
         [&] {
             D->OnGridScrollHint = [&](TObject* S, int32_t R, QString& H) {
                 Note(S, {N(R), H});
                 H = QStringLiteral("row");
             };
             QString H;
             G->OnScrollHint(G, 4, H);
             return H;
         },
         "grid 4 |row"},
        {"SearchEditChange",
         [&] {
             D->OnGridSearchEditChange = [&](TObject* S, const QString& V, bool& Default) {
                 Note(S, {V});
                 Default = false;
             };
             bool Default = true;
             G->OnSearchEditChange(G, QStringLiteral("be"), Default);
             return B(Default);
         },
         "grid be|false"},
        {"AutoAddRow",
         [&] {
             D->OnGridAutoAddRow = [&](TObject* S, int32_t R) { Note(S, {N(R)}); };
             G->OnAutoAddRow(G, 6);
             return QString();
         },
         "grid 6|"},
        {"InsertRow",
         [&] {
             D->OnGridInsertRow = [&](TObject* S, int32_t R) { Note(S, {N(R)}); };
             G->OnAutoInsertRow(G, 2);
             return QString();
         },
         "grid 2|"},
        {"InsertCol",
         [&] {
             D->OnGridInsertCol = [&](TObject* S, int32_t C) { Note(S, {N(C)}); };
             G->OnAutoInsertCol(G, 1);
             return QString();
         },
         "grid 1|"},
        {"DeleteRow",
         [&] {
             D->OnGridDeleteRow = [&](TObject* S, int32_t R) { Note(S, {N(R)}); };
             G->OnAutoDeleteRow(G, 3);
             return QString();
         },
         "grid 3|"},
        {"CanAddRow",
         [&] {
             D->OnGridCanAddRow = [&](TObject* S, bool& CanAdd) {
                 Note(S, {});
                 CanAdd = false;
             };
             bool CanAdd = true;
             G->OnCanAddRow(G, CanAdd);
             return B(CanAdd);
         },
         "grid|false"},
        {"CanInsertRow",
         [&] {
             D->OnGridCanInsertRow = [&](TObject* S, int32_t R, bool& CanInsert) {
                 Note(S, {N(R)});
                 CanInsert = false;
             };
             bool CanInsert = true;
             G->OnCanInsertRow(G, 2, CanInsert);
             return B(CanInsert);
         },
         "grid 2|false"},
        {"CanDeleteRow",
         [&] {
             D->OnGridCanDeleteRow = [&](TObject* S, int32_t R, bool& CanDelete) {
                 Note(S, {N(R)});
                 CanDelete = false;
             };
             bool CanDelete = true;
             G->OnCanDeleteRow(G, 2, CanDelete);
             return B(CanDelete);
         },
         "grid 2|false"},
        {"CheckBoxClick",
         [&] {
             D->OnGridCheckBoxClick = [&](TObject* S, int32_t C, int32_t R, bool State) { Note(S, {N(C), N(R), B(State)}); };
             G->OnCheckBoxClick(G, 1, 2, true);
             return QString();
         },
         "grid 1 2 true|"},
        {"BlockFocus",
         [&] {
             Seen.clear();
             G->OnStartBlockFocus(G);
             const bool During = DropDown->DropDownForm()->BlockActivate();
             G->OnEndBlockFocus(G);
             return B(During) + B(DropDown->DropDownForm()->BlockActivate());
         },
         "|truefalse"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Seen = QStringLiteral("not fired");
        const QString Back = Case.Fire();
        EXPECT_EQ(Seen + QLatin1Char('|') + Back, Case.Expected);
    }
    // Never fired: the grid's sorting keeps the selection instead, and comparing and spinning stay unattached.
    bool Fired = false;
    D->OnGridCanSort = [&](TObject*, int32_t, bool&) { Fired = true; };
    D->OnGridClickSort = [&](TObject*, int32_t) { Fired = true; };
    bool DoSort = true;
    G->OnCanSort(G, 0, DoSort);
    G->OnClickSort(G, 0);
    EXPECT_FALSE(Fired);
    EXPECT_FALSE(G->OnCustomCompare);
    EXPECT_FALSE(G->OnRawCompare);
    EXPECT_FALSE(G->OnSpinClick);
    Close();
}

TEST_F(ExtGridDropDownTest, WithoutItemsTheGridsOwnCellsAreTheRows)
{
    DropDown->SetUseItems(false);
    TExtColGrid* G = Grid();
    ASSERT_NE(G, nullptr);
    G->SetColCount(2);
    G->SetRowCount(4);
    const QStringList Names = {"Oak", "Pine", "Elm"};
    for (int32_t R = 0; R < Names.size(); ++R) G->SetCells(0, R + 1, Names[R]);
    DropDown->SetItemIndex(1);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Pine"));
    Open();
    EXPECT_EQ(G->Row(), 2) << "the row whose lookup cell starts with the text";
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(DropDown->ItemIndex(), 2);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Elm"));
    Input::PressKey(VK_RETURN);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(DropDown->ItemIndex(), 2);
    EXPECT_GE(DropDown->Columns()->Count(), 2);
}

}  // namespace
