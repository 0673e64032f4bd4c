// The column grid: item defaults and copy lists, items in step with the columns, the per-cell hooks
// answered from the columns, column moves, stored positions, streams and the column order.
#include "grid/core/ColumnGrid.h"

#include "grid/base/GridSettings.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/view/GridEditors.h"
#include "grid/view/GridValueEditors.h"

#include "support/Input.h"
#include "support/Render.h"
#include "support/TempFolder.h"

#include "graphics/GraphicsObjects.h"
#include "os/IniFiles.h"
#include "rtl/Streams.h"
#include "rtl/Strings.h"
#include "windows/Forms.h"
#include "windows/Menus.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace {

class TTestColumnGrid : public TExtColumnGrid {
public:
    using TExtColumnGrid::TExtColumnGrid;
    void Invalidate() override
    {
        ++Invalidations;
        TExtColumnGrid::Invalidate();
    }
    int32_t Invalidations = 0;
};

// A pop-up menu that records where it would show instead of running its loop.
class TRecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(int32_t X, int32_t Y) override { Shown.append(Point(X, Y)); }
    QList<TPoint> Shown;
};

class ColumnGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetClientWidth(520);
        Form->SetClientHeight(300);
        Grid = New<TTestColumnGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(10, 10, 500, 280);
    }

    TGridColumnItem* Col(int32_t I) { return Grid->Columns()->Items(I); }
    // The names of the items in order.
    QStringList Names()
    {
        QStringList L;
        for (int32_t I = 0; I < Grid->Columns()->Count(); ++I) L << Col(I)->Name();
        return L;
    }
    void NameColumns()
    {
        for (int32_t I = 0; I < Grid->Columns()->Count(); ++I) Col(I)->SetName(QStringLiteral("c%1").arg(I));
    }

    std::unique_ptr<TForm> Form;
    TTestColumnGrid* Grid = nullptr;
};

// One property of an item: how to give it a value other than a new item's, whether it holds that
// value, and which copies take it.
struct TPropRow {
    const char* Name;
    std::function<void(TGridColumnItem*)> Set;
    std::function<bool(const TGridColumnItem*)> IsSet;
    bool ByAssign;
    bool ByVisuals;
};

TPopupMenu* SharedMenu()
{
    static TPopupMenu Menu(nullptr);
    return &Menu;
}

const std::vector<TPropRow>& PropRows()
{
    using I = TGridColumnItem;
    static const std::vector<TPropRow> Rows = {
        {"AutoMinSize", [](I* It) { It->SetAutoMinSize(11); }, [](const I* It) { return It->AutoMinSize() == 11; }, true, true},
        {"AutoMaxSize", [](I* It) { It->SetAutoMaxSize(99); }, [](const I* It) { return It->AutoMaxSize() == 99; }, true, true},
        {"Alignment", [](I* It) { It->SetAlignment(taCenter); }, [](const I* It) { return It->Alignment() == taCenter; }, true, true},
        {"Borders", [](I* It) { It->SetBorders({cbTop, cbBottom}); },
         [](const I* It) { return It->Borders() == TCellBorders{cbTop, cbBottom}; }, true, true},
        {"BorderPen", [](I* It) { It->BorderPen()->SetColor(clRed); }, [](const I* It) { return It->BorderPen()->Color() == clRed; }, true, true},
        {"CheckFalse", [](I* It) { It->SetCheckFalse("off"); }, [](const I* It) { return It->CheckFalse() == "off"; }, true, true},
        {"CheckTrue", [](I* It) { It->SetCheckTrue("on"); }, [](const I* It) { return It->CheckTrue() == "on"; }, true, true},
        {"Color", [](I* It) { It->SetColor(0x123456); }, [](const I* It) { return It->Color() == 0x123456; }, true, false},
        {"ColumnPopup", [](I* It) { It->SetColumnPopup(SharedMenu()); }, [](const I* It) { return It->ColumnPopup() == SharedMenu(); }, true, true},
        {"ColumnPopupType", [](I* It) { It->SetColumnPopupType(cpAllCellsLClick); },
         [](const I* It) { return It->ColumnPopupType() == cpAllCellsLClick; }, false, false},
        {"ComboItems", [](I* It) { It->ComboItems()->Add("a"); }, [](const I* It) { return It->ComboItems()->Count() == 1; }, true, false},
        {"DropDownCount", [](I* It) { It->SetDropDownCount(3); }, [](const I* It) { return It->DropDownCount() == 3; }, true, false},
        {"EditLength", [](I* It) { It->SetEditLength(7); }, [](const I* It) { return It->EditLength() == 7; }, true, true},
        {"EditMask", [](I* It) { It->SetEditMask("99"); }, [](const I* It) { return It->EditMask() == "99"; }, true, true},
        {"Editor", [](I* It) { It->SetEditor(edComboList); }, [](const I* It) { return It->Editor() == edComboList; }, true, true},
        {"Filter", [](I* It) { It->Filter()->Add("x=1"); }, [](const I* It) { return It->Filter()->Count() == 1; }, true, true},
        {"FilterCaseSensitive", [](I* It) { It->SetFilterCaseSensitive(true); }, [](const I* It) { return It->FilterCaseSensitive(); }, true, true},
        {"Fixed", [](I* It) { It->SetFixed(true); }, [](const I* It) { return It->Fixed(); }, true, true},
        {"FloatFormat", [](I* It) { It->SetFloatFormat("%.2f"); }, [](const I* It) { return It->FloatFormat() == "%.2f"; }, true, true},
        {"Font", [](I* It) { It->Font()->SetSize(17); }, [](const I* It) { return It->Font()->Size() == 17; }, true, false},
        {"Header", [](I* It) { It->SetHeader("Head"); }, [](const I* It) { return It->Header() == "Head"; }, true, false},
        {"HeaderAlignment", [](I* It) { It->SetHeaderAlignment(taRightJustify); },
         [](const I* It) { return It->HeaderAlignment() == taRightJustify; }, true, true},
        {"HeaderFont", [](I* It) { It->HeaderFont()->SetSize(15); }, [](const I* It) { return It->HeaderFont()->Size() == 15; }, true, false},
        {"MinSize", [](I* It) { It->SetMinSize(20); }, [](const I* It) { return It->MinSize() == 20; }, true, true},
        {"MaxSize", [](I* It) { It->SetMaxSize(200); }, [](const I* It) { return It->MaxSize() == 200; }, true, true},
        {"Name", [](I* It) { It->SetName("nm"); }, [](const I* It) { return It->Name() == "nm"; }, true, false},
        {"Password", [](I* It) { It->SetPassword(true); }, [](const I* It) { return It->Password(); }, true, true},
        {"PrintBorderCustom", [](I* It) { It->SetPrintBorderCustom(false); }, [](const I* It) { return !It->PrintBorderCustom(); }, false, false},
        {"PrintBorders", [](I* It) { It->SetPrintBorders({cbLeft}); }, [](const I* It) { return It->PrintBorders() == TCellBorders{cbLeft}; }, true, true},
        {"PrintBorderPen", [](I* It) { It->PrintBorderPen()->SetWidth(3); }, [](const I* It) { return It->PrintBorderPen()->Width() == 3; }, true, true},
        {"PrintColor", [](I* It) { It->SetPrintColor(clYellow); }, [](const I* It) { return It->PrintColor() == clYellow; }, true, true},
        {"PrintFontCustom", [](I* It) { It->SetPrintFontCustom(false); }, [](const I* It) { return !It->PrintFontCustom(); }, false, false},
        {"PrintFont", [](I* It) { It->PrintFont()->SetName("Arial"); }, [](const I* It) { return It->PrintFont()->Name() == "Arial"; }, true, true},
        {"ReadOnly", [](I* It) { It->SetReadOnly(true); }, [](const I* It) { return It->ReadOnly(); }, true, true},
        {"ShowBands", [](I* It) { It->SetShowBands(true); }, [](const I* It) { return It->ShowBands(); }, true, true},
        {"SortStyle", [](I* It) { It->SetSortStyle(ssNumeric); }, [](const I* It) { return It->SortStyle() == ssNumeric; }, true, true},
        {"SortPrefix", [](I* It) { It->SetSortPrefix("$"); }, [](const I* It) { return It->SortPrefix() == "$"; }, true, true},
        {"SortSuffix", [](I* It) { It->SetSortSuffix("%"); }, [](const I* It) { return It->SortSuffix() == "%"; }, true, true},
        {"SpinMax", [](I* It) { It->SetSpinMax(9); }, [](const I* It) { return It->SpinMax() == 9; }, true, true},
        {"SpinMin", [](I* It) { It->SetSpinMin(-9); }, [](const I* It) { return It->SpinMin() == -9; }, true, true},
        {"SpinStep", [](I* It) { It->SetSpinStep(3); }, [](const I* It) { return It->SpinStep() == 3; }, true, true},
        {"Tag", [](I* It) { It->SetTag(42); }, [](const I* It) { return It->Tag() == 42; }, true, false},
        {"DefIdx", [](I* It) { It->SetDefIdx(4); }, [](const I* It) { return It->DefIdx() == 4; }, true, true},
    };
    return Rows;
}

}  // namespace

TEST_F(ColumnGridTest, NewItemsStartFromTheGridAndAloneFromDefaults)
{
    Grid->Font()->SetName(QStringLiteral("Arial"));
    Grid->Font()->SetSize(12);
    Grid->SetColor(0x00E0F0FF);
    Grid->SetColCount(6);
    ASSERT_EQ(Grid->Columns()->Count(), 6);
    TGridColumnItem* New = Col(5);
    EXPECT_EQ(Col(0)->WidthField(), 50);
    // The copy of the visuals takes the width the item before has in the grid.
    EXPECT_EQ(New->WidthField(), Grid->ColWidths(4));
    EXPECT_EQ(New->CheckTrue(), "Y");
    EXPECT_EQ(New->CheckFalse(), "N");
    EXPECT_EQ(New->DropDownCount(), 8);
    EXPECT_EQ(New->SpinStep(), 1);
    EXPECT_EQ(New->PrintColor(), clWhite);
    EXPECT_TRUE(New->PrintBorderCustom());
    EXPECT_TRUE(New->PrintFontCustom());
    EXPECT_EQ(New->PrintBorders(), (TCellBorders{cbTop, cbLeft, cbRight, cbBottom}));
    EXPECT_TRUE(New->Borders().Empty());
    EXPECT_EQ(New->BorderPen()->Width(), 1);
    EXPECT_EQ(New->BorderPen()->Color(), clSilver);
    EXPECT_EQ(New->PrintBorderPen()->Color(), clBlack);
    EXPECT_EQ(New->Editor(), edNormal);
    EXPECT_EQ(New->ColumnPopupType(), cpFixedCellsRClick);
    // Column 5 copies the visuals of column 4 (which took the grid's colour and font) through Add.
    EXPECT_EQ(New->Color(), Grid->Color());
    EXPECT_EQ(New->Font()->Name(), "Arial");
    EXPECT_EQ(Col(4)->HeaderFont()->Name(), "Tahoma") << "made before the font changed";

    Grid->Columns()->Insert(6);
    EXPECT_EQ(Col(6)->WidthField(), 50);
    EXPECT_EQ(Col(6)->HeaderFont()->Name(), "Arial");
    EXPECT_EQ(Col(6)->PrintFont()->Size(), 12);
    EXPECT_EQ(Col(6)->Color(), 0x00E0F0FF);

    TGridColumnItem Alone(nullptr);
    EXPECT_EQ(Alone.Color(), 0);
    EXPECT_EQ(Alone.Font()->Name(), "Tahoma");
    EXPECT_EQ(Alone.Width(), 0);
    EXPECT_EQ(Alone.WidthField(), 50);
    EXPECT_EQ(Alone.DisplayName(), "Column -1");
    Col(2)->SetName(QStringLiteral("Addr"));
    EXPECT_EQ(Col(2)->DisplayName(), "Col 2: Addr");
    EXPECT_EQ(Col(3)->DisplayName(), "Column 3");
}

TEST_F(ColumnGridTest, AssignAndAssignVisualsCopyExactlyTheirLists)
{
    for (const TPropRow& Row : PropRows()) {
        SCOPED_TRACE(Row.Name);
        TGridColumnItem* Source = Col(1);
        Row.Set(Source);
        ASSERT_TRUE(Row.IsSet(Source));
        TGridColumnItem A(nullptr);
        A.Assign(Source);
        EXPECT_EQ(Row.IsSet(&A), Row.ByAssign);
        TGridColumnItem V(nullptr);
        V.AssignVisuals(Source);
        EXPECT_EQ(Row.IsSet(&V), Row.ByVisuals);
        Grid->Columns()->Delete(1);
        Grid->Columns()->Insert(1);
    }
    // The width field takes the source's grid width; the grid's widths stay.
    Grid->SetColWidths(2, 77);
    TGridColumnItem* A = Grid->Columns()->Insert(4);
    A->Assign(Col(2));
    EXPECT_EQ(A->WidthField(), 77);
    EXPECT_EQ(Grid->ColWidths(4), Grid->DefaultColWidth());
    // Any other source changes nothing and raises nothing.
    TStringList Other;
    EXPECT_NO_THROW(A->Assign(&Other));
    EXPECT_EQ(A->WidthField(), 77);
}

TEST_F(ColumnGridTest, AddCopiesTheVisualsOfTheItemBefore)
{
    TGridColumnItem* Last = Col(4);
    Last->SetEditor(edComboList);
    Last->SetReadOnly(true);
    Last->SetDefIdx(4);
    Last->SetCheckTrue(QStringLiteral("J"));
    Last->SetHeader(QStringLiteral("H4"));
    Last->SetName(QStringLiteral("n4"));
    Last->ComboItems()->Add(QStringLiteral("x"));
    Last->SetDropDownCount(2);
    TGridColumnItem* New = Grid->Columns()->Add();
    EXPECT_EQ(Grid->ColCount(), 6) << "the change hook adds the grid column";
    EXPECT_EQ(New->Editor(), edComboList);
    EXPECT_TRUE(New->ReadOnly());
    EXPECT_EQ(New->DefIdx(), 4);
    EXPECT_EQ(New->CheckTrue(), "J");
    EXPECT_EQ(New->Header(), "");
    EXPECT_EQ(New->Name(), "");
    EXPECT_EQ(New->ComboItems()->Count(), 0);
    EXPECT_EQ(New->DropDownCount(), 8);
}

TEST_F(ColumnGridTest, EditorRepaintsOnlyAroundDataCheckBoxes)
{
    struct {
        TEditorType From, To;
        bool Repaints;
    } Cases[] = {
        {edNormal, edNormal, false},         {edNormal, edComboList, false},
        {edComboList, edNormal, false},      {edNormal, edDataCheckBox, true},
        {edDataCheckBox, edComboList, true}, {edDataCheckBox, edDataCheckBox, false},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.From << "->" << C.To);
        Col(2)->SetEditor(C.From);
        Grid->Invalidations = 0;
        Col(2)->SetEditor(C.To);
        EXPECT_EQ(Grid->Invalidations > 0, C.Repaints);
    }
}

TEST_F(ColumnGridTest, HeaderWritesRowZeroOnlyWithAFixedRow)
{
    Col(1)->SetHeader(QStringLiteral("Address"));
    EXPECT_EQ(Grid->Cells(1, 0), "Address");
    EXPECT_EQ(Grid->ColumnHeaders()->Strings(1), "Address");
    Grid->SetFixedRows(0);
    Grid->SetCells(2, 0, QStringLiteral("data"));
    Col(2)->SetHeader(QStringLiteral("Value"));
    EXPECT_EQ(Grid->Cells(2, 0), "data");
    EXPECT_EQ(Grid->ColumnHeaders()->Count(), 5);
    EXPECT_EQ(Grid->ColumnHeaders()->Strings(2), "Value");
}

TEST_F(ColumnGridTest, ItemsFollowColCountInsertsAndRemoves)
{
    NameColumns();
    Col(4)->SetEditor(edComboList);
    Grid->SetColCount(8);
    ASSERT_EQ(Grid->Columns()->Count(), 8);
    for (int32_t I = 5; I < 8; ++I) EXPECT_EQ(Col(I)->Editor(), edComboList) << I;
    Grid->SetColCount(3);
    EXPECT_EQ(Names(), (QStringList{"c0", "c1", "c2"}));

    // Inserted items are plain new ones; the cells move with the columns.
    Grid->SetCells(1, 1, QStringLiteral("one"));
    Col(1)->SetEditor(edComboList);
    Grid->InsertCols(1, 2);
    EXPECT_EQ(Grid->ColCount(), 5);
    EXPECT_EQ(Names(), (QStringList{"c0", "", "", "c1", "c2"}));
    EXPECT_EQ(Col(1)->Editor(), edNormal);
    EXPECT_EQ(Grid->Cells(3, 1), "one");
    Grid->RemoveCols(1, 2);
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Names(), (QStringList{"c0", "c1", "c2"}));
    EXPECT_EQ(Grid->Cells(1, 1), "one");

    // Deleting items takes grid columns from the right, never down to the fixed columns.
    Grid->SetColCount(4);
    Grid->Columns()->Delete(0);
    EXPECT_EQ(Grid->ColCount(), 3);
    Grid->Columns()->Delete(0);
    Grid->Columns()->Delete(0);
    EXPECT_EQ(Grid->ColCount(), 2) << "one item left is at or below FixedCols";
}

TEST_F(ColumnGridTest, CreateAloneAndLoaded)
{
    EXPECT_EQ(Grid->Columns()->Count(), 5);
    for (int32_t I = 0; I < 5; ++I) EXPECT_EQ(Col(I)->DefIdx(), 0) << "recorded only by Loaded";

    std::unique_ptr<TTestColumnGrid> Loading(New<TTestColumnGrid>(nullptr));
    Loading->BeginLoading();
    Loading->SetColCount(7);
    // While loading the change hook leaves ColCount alone.
    Loading->Columns()->Delete(6);
    Loading->Columns()->Delete(5);
    Loading->Columns()->Delete(4);
    EXPECT_EQ(Loading->ColCount(), 7);
    Loading->Loaded();
    EXPECT_EQ(Loading->ColCount(), 7);
    ASSERT_EQ(Loading->Columns()->Count(), 7);
    for (int32_t I = 0; I < 7; ++I) EXPECT_EQ(Loading->Columns()->Items(I)->DefIdx(), I);
}

TEST_F(ColumnGridTest, CanEditPrecedence)
{
    Grid->SetRowCount(6);
    Grid->SetFixedFooters(0);
    struct {
        const char* Name;
        int32_t Col, Row;
        bool ColumnReadOnly, ColumnFixed, CellReadOnly;
        int Event;  // -1 none, 0 false, 1 true
        bool Expected;
    } Cases[] = {
        {"plain", 2, 2, false, false, false, -1, true},
        {"read-only column", 2, 2, true, false, false, -1, false},
        {"read-only column opened by the event", 2, 2, true, false, false, 1, true},
        {"fixed column item", 2, 2, false, true, false, -1, false},
        {"read-only cell", 2, 2, false, false, true, -1, false},
        {"read-only cell in read-only column", 2, 2, true, false, true, -1, false},
        {"event closes", 2, 2, false, false, false, 0, false},
        {"header row", 2, 0, false, false, false, -1, false},
        {"fixed column 0", 0, 2, false, false, false, -1, false},
        {"fixed column 0 opened by the event", 0, 2, false, false, false, 1, true},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Col(C.Col)->SetReadOnly(C.ColumnReadOnly);
        Col(C.Col)->SetFixed(C.ColumnFixed);
        Grid->GetCellProperties(C.Col, C.Row)->SetReadOnly(C.CellReadOnly);
        Grid->OnCanEditCell = nullptr;
        if (C.Event >= 0)
            Grid->OnCanEditCell = [&C](TObject*, int32_t, int32_t, bool& Can) { Can = C.Event == 1; };
        EXPECT_EQ(Grid->CanEdit(C.Col, C.Row), C.Expected);
        Col(C.Col)->SetReadOnly(false);
        Col(C.Col)->SetFixed(false);
        Grid->GetCellProperties(C.Col, C.Row)->SetReadOnly(false);
    }
    // A merged area asks with its base cell.
    Grid->OnCanEditCell = nullptr;
    Grid->MergeCells(2, 2, 2, 2);
    int32_t SeenCol = -1, SeenRow = -1;
    Grid->OnCanEditCell = [&](TObject*, int32_t ARow, int32_t ACol, bool&) {
        SeenCol = ACol;
        SeenRow = ARow;
    };
    Grid->CanEdit(3, 3);
    EXPECT_EQ(SeenCol, 2);
    EXPECT_EQ(SeenRow, 2);
    // While loading nothing opens unless the event says so.
    Grid->OnCanEditCell = nullptr;
    Grid->BeginLoading();
    EXPECT_FALSE(Grid->CanEdit(4, 4));
    Grid->Loaded();
}

TEST_F(ColumnGridTest, CheckTextsColumnBeatsTheEventInDataCellsOnly)
{
    Grid->SetRowCount(6);
    Grid->SetFixedFooters(1);
    Col(2)->SetCheckTrue(QStringLiteral("Y"));
    Col(2)->SetCheckFalse(QStringLiteral("N"));
    Grid->OnGetCheckTrue = [](TObject*, int32_t, int32_t, QString& V) { V = QStringLiteral("T"); };
    Grid->OnGetCheckFalse = [](TObject*, int32_t, int32_t, QString& V) { V = QStringLiteral("F"); };
    struct {
        int32_t Row;
        const char *True, *False;
    } Cases[] = {{0, "T", "F"}, {1, "Y", "N"}, {4, "Y", "N"}, {5, "T", "F"}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Row);
        EXPECT_EQ(Grid->CheckTrueOf(2, C.Row), C.True);
        EXPECT_EQ(Grid->CheckFalseOf(2, C.Row), C.False);
    }
    EXPECT_EQ(Grid->CheckTrueOf(0, 2), "T") << "a fixed column is no data cell";
}

TEST_F(ColumnGridTest, CellColorColumnThenCellThenEvent)
{
    Grid->SetRowCount(5);
    Col(2)->SetColor(0x00AA0000);
    Col(2)->Font()->SetColor(0x00000011);
    Col(2)->HeaderFont()->SetColor(0x00000022);
    Col(3)->SetFixed(true);
    TBrush Brush;
    TFont Font;
    struct {
        const char* Name;
        int32_t Col, Row;
        TColor CellBrush;
        bool Event;
        TColor Brush, Font;
    } Cases[] = {
        {"column colour", 2, 2, clNone, false, 0x00AA0000, 0x00000011},
        {"header row keeps the brush, takes the header font", 2, 0, clNone, false, clWhite, 0x00000022},
        {"cell colour beats the column", 2, 3, 0x0000BB00, false, 0x0000BB00, 0x00000011},
        {"the event has the last word", 2, 2, 0x0000BB00, true, 0x00CC0000, 0x00000011},
        {"fixed column item", 3, 2, clNone, false, Grid->FixedColor(), clWindowText},
        {"grid fixed column untouched", 0, 2, clNone, false, clWhite, clWindowText},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->FreeCellProps(C.Col, C.Row);
        if (C.CellBrush != clNone) Grid->GetCellProperties(C.Col, C.Row)->SetBrushColor(C.CellBrush);
        Grid->OnGetCellColor = nullptr;
        if (C.Event)
            Grid->OnGetCellColor = [](TObject*, int32_t, int32_t, TGridDrawState, TBrush* B, TFont*) {
                B->SetColor(0x00CC0000);
            };
        Brush.SetColor(clWhite);
        Font.SetColor(clWindowText);
        Grid->GetCellColor(C.Col, C.Row, {}, &Brush, &Font);
        EXPECT_EQ(Brush.Color(), C.Brush);
        EXPECT_EQ(Font.Color(), C.Font);
    }
}

TEST_F(ColumnGridTest, AlignmentColumnThenCellThenEvent)
{
    Col(2)->SetAlignment(taRightJustify);
    Col(2)->SetHeaderAlignment(taCenter);
    struct {
        const char* Name;
        int32_t Row;
        bool CellProps, Event;
        TAlignment Expected;
    } Cases[] = {
        {"data row", 2, false, false, taRightJustify},
        {"header row", 0, false, false, taCenter},
        {"cell properties", 3, true, false, taLeftJustify},
        {"event last", 2, false, true, taCenter},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        if (C.CellProps) Grid->GetCellProperties(2, C.Row)->SetAlignment(taLeftJustify);
        Grid->OnGetAlignment = nullptr;
        if (C.Event)
            Grid->OnGetAlignment = [](TObject*, int32_t, int32_t, TAlignment& H, TVAlignment&) { H = taCenter; };
        TAlignment H = taLeftJustify;
        TVAlignment V = vtaTop;
        Grid->GetAlignment(2, C.Row, H, V);
        EXPECT_EQ(H, C.Expected);
    }
}

TEST_F(ColumnGridTest, ComboBoxesAndEditorTypes)
{
    Grid->SetRowCount(5);
    Col(1)->SetEditor(edComboList);
    Col(1)->SetDropDownCount(12);
    Col(1)->SetFloatFormat(QStringLiteral("%.1f"));
    Col(2)->SetEditor(edComboEdit);
    struct {
        int32_t Col, Row;
        bool Combo;
    } Cases[] = {{1, 2, true}, {2, 2, true}, {3, 2, false}, {1, 0, false}, {0, 2, false}};
    for (const auto& C : Cases) EXPECT_EQ(Grid->HasComboBox(C.Col, C.Row), C.Combo) << C.Col << "," << C.Row;
    Grid->OnHasComboBox = [](TObject*, int32_t ACol, int32_t, bool& Has) { Has = ACol == 3; };
    EXPECT_FALSE(Grid->HasComboBox(1, 2));
    EXPECT_TRUE(Grid->HasComboBox(3, 2));

    TEditorType Editor = edNormal;
    Grid->GetEditorType(1, 2, Editor);
    EXPECT_EQ(Editor, edComboList);
    EXPECT_EQ(Grid->ControlLook()->DropDownCount(), 12);
    EXPECT_EQ(Grid->FloatFormat(), "%.1f");
    Editor = edNormal;
    Grid->GetEditorType(1, 0, Editor);
    EXPECT_EQ(Editor, edNormal) << "the header row keeps its editor";
}

TEST_F(ColumnGridTest, VirtualCheckBoxesInDataCellsOnly)
{
    Grid->SetRowCount(6);
    Grid->SetFixedFooters(1);
    Col(3)->SetEditor(edDataCheckBox);
    Grid->SetCells(3, 2, QStringLiteral("Y"));
    Grid->SetCells(3, 3, QStringLiteral("N"));
    struct {
        int32_t Row;
        TCellType Type;
    } Cases[] = {{0, ctEmpty}, {1, ctDataCheckBox}, {4, ctDataCheckBox}, {5, ctEmpty}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Row);
        EXPECT_EQ(Grid->GetCellType(3, C.Row), C.Type);
        TCellGraphic* G = Grid->GetCellGraphic(3, C.Row);
        EXPECT_EQ(G != nullptr, C.Type == ctDataCheckBox);
        if (G) {
            EXPECT_EQ(G->CellType(), ctVirtCheckBox);
        }
    }
    EXPECT_EQ(Grid->GetCellGraphic(3, 1), Grid->GetCellGraphic(3, 2)) << "one shared graphic";
    Grid->ControlLook()->SetControlStyle(csFlat);
    EXPECT_TRUE(Grid->GetCellGraphic(3, 2)->CellTransparent());

    bool State = false;
    EXPECT_TRUE(Grid->GetCheckBoxState(3, 2, State));
    EXPECT_TRUE(State);
    EXPECT_TRUE(Grid->GetCheckBoxState(3, 3, State));
    EXPECT_FALSE(State);
    Grid->ToggleCheckBox(3, 3);
    EXPECT_EQ(Grid->Cells(3, 3), "Y");
    Grid->ToggleCheckBox(3, 3);
    EXPECT_EQ(Grid->Cells(3, 3), "N");

    // A cell with its own graphic keeps it.
    Grid->AddCheckBox(3, 4, true, false);
    EXPECT_EQ(Grid->GetCellType(3, 4), ctCheckBox);
    EXPECT_EQ(Grid->GetCellGraphic(3, 4)->CellType(), ctCheckBox);
}

TEST_F(ColumnGridTest, FilterListsComeFromTheColumn)
{
    Grid->SetRowCount(4);
    Grid->SetCells(2, 1, QStringLiteral("a"));
    Grid->OnGetColumnFilter = [](TObject*, int32_t, TStrings* L) { L->Add(QStringLiteral("extra")); };
    EXPECT_FALSE(Grid->GetColumnFilter(2)) << "an empty Filter list shows no drop-down";
    Col(2)->Filter()->Add(QStringLiteral("Small=<10"));
    Col(2)->Filter()->Add(QStringLiteral("Any"));
    ASSERT_TRUE(Grid->GetColumnFilter(2));
    EXPECT_EQ(Grid->FilterList()->Count(), 2);
    EXPECT_EQ(Grid->FilterList()->Strings(0), "Small");
    EXPECT_EQ(Grid->FilterList()->Strings(1), "Any");

    Grid->SetAutoFilterDisplay(true);
    Grid->SetAutoFilterUpdate(false);
    QString Seen;
    Grid->OnFilterSelect = [&](TObject*, int32_t, int32_t, const QString& Friendly, QString& Condition) {
        Seen = Friendly + QLatin1Char('|') + Condition;
    };
    Grid->SetFilterColumn(2);
    Grid->ApplyFilterListChoice(Grid, 0);
    EXPECT_EQ(Seen, "Small|<10");
    EXPECT_EQ(Col(2)->Header(), "Small");
    EXPECT_EQ(Grid->Cells(2, 0), "Small");
    EXPECT_EQ(Grid->FilterColumn(), -1);
}

TEST_F(ColumnGridTest, ColumnMovesCarryItemsAndReportRealIndexes)
{
    NameColumns();
    Col(1)->SetColumnPopupType(cpAllCellsLClick);
    Col(1)->SetPrintFontCustom(false);
    Grid->SetCells(1, 1, QStringLiteral("one"));
    std::vector<std::pair<int32_t, int32_t>> Moves;
    Grid->OnAfterColumnMoved = [&](TObject*, int32_t From, int32_t To) { Moves.emplace_back(From, To); };
    Grid->MoveColumn(1, 3);
    EXPECT_EQ(Names(), (QStringList{"c0", "c2", "c3", "c1", "c4"}));
    EXPECT_EQ(Grid->Cells(3, 1), "one");
    EXPECT_EQ(Col(3)->ColumnPopupType(), cpAllCellsLClick);
    EXPECT_FALSE(Col(3)->PrintFontCustom());
    ASSERT_EQ(Moves.size(), 1u);
    EXPECT_EQ(Moves[0], std::make_pair(1, 3));

    // With real column 1 hidden, display columns 1 and 2 are real columns 2 and 3.
    Grid->HideColumn(1);
    Moves.clear();
    Grid->MoveColumn(1, 2);
    ASSERT_EQ(Moves.size(), 1u);
    EXPECT_EQ(Moves[0], std::make_pair(2, 3));
    EXPECT_EQ(Names(), (QStringList{"c0", "c2", "c1", "c3", "c4"}));
}

TEST_F(ColumnGridTest, ColumnOrderIsRecordedQueriedAndReset)
{
    Grid->SetColCount(3);
    EXPECT_EQ(Grid->ColumnAtPosition(2), 2);
    Grid->MoveColumn(0, 2);
    EXPECT_EQ(Grid->ColumnAtPosition(0), 1);
    EXPECT_EQ(Grid->ColumnAtPosition(1), 2);
    EXPECT_EQ(Grid->ColumnAtPosition(2), 0);
    EXPECT_THROW(Grid->ColumnAtPosition(3), EListError);
    Grid->ResetColumnOrder();
    for (int32_t p = 0; p < 3; ++p) EXPECT_EQ(Grid->ColumnAtPosition(p), p);

    Grid->SetCells(1, 0, QStringLiteral("Value"));
    EXPECT_EQ(Grid->ColumnByHeader(QStringLiteral("Value")), 1);
    EXPECT_EQ(Grid->ColumnByHeader(QStringLiteral("value")), -1);
    EXPECT_EQ(Grid->ColumnByHeader(QStringLiteral("none")), -1);
    Grid->SetWideCells(2, 1, QStringLiteral("\u20AC \u00E9"));
    EXPECT_EQ(Grid->WideCells(2, 1), QStringLiteral("\u20AC \u00E9"));
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("\u20AC \u00E9"));
}

TEST_F(ColumnGridTest, ColumnPositionsThroughAnIniFile)
{
    TempFolder Temp;
    const QString Ini = Temp.File(QStringLiteral("cols.ini"));
    Grid->SetColCount(3);
    Grid->Loaded();
    NameColumns();
    Grid->MoveColumn(0, 2);
    Grid->SaveColumnPositions(Ini, QStringLiteral("Grid"));
    {
        TIniFile File(Ini);
        EXPECT_EQ(File.ReadInteger("Grid", "CP0", -1), 1);
        EXPECT_EQ(File.ReadInteger("Grid", "CP1", -1), 2);
        EXPECT_EQ(File.ReadInteger("Grid", "CP2", -1), 0);
    }

    std::unique_ptr<TTestColumnGrid> Other(New<TTestColumnGrid>(Form.get()));
    Other->SetParent(Form.get());
    Other->SetColCount(3);
    Other->Loaded();
    for (int32_t I = 0; I < 3; ++I) Other->Columns()->Items(I)->SetName(QStringLiteral("c%1").arg(I));
    Other->SetCells(0, 1, QStringLiteral("zero"));
    Other->LoadColumnPositions(Ini, QStringLiteral("Grid"));
    QStringList Order;
    for (int32_t I = 0; I < 3; ++I) Order << Other->Columns()->Items(I)->Name();
    EXPECT_EQ(Order, (QStringList{"c1", "c2", "c0"}));
    for (int32_t I = 0; I < 3; ++I)
        EXPECT_EQ(Other->Columns()->Items(I)->DefIdx(), Order[I].mid(1).toInt()) << "initial index kept";
    EXPECT_EQ(Other->Cells(2, 1), "zero");

    struct {
        const char* Name;
        std::vector<std::pair<const char*, int32_t>> Keys;
        bool Raises;
    } Cases[] = {
        {"missing key", {{"CP0", 2}, {"CP1", 0}}, false},
        {"duplicates", {{"CP0", 1}, {"CP1", 1}, {"CP2", 0}}, true},
        {"out of range", {{"CP0", 1}, {"CP1", 3}, {"CP2", 0}}, true},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        const QString Path = Temp.File(QString::fromLatin1(C.Name) + ".ini");
        {
            TIniFile File(Path);
            for (const auto& [Key, Value] : C.Keys) File.WriteInteger("Grid", Key, Value);
        }
        if (C.Raises) EXPECT_THROW(Other->LoadColumnPositions(Path, QStringLiteral("Grid")), EListError);
        else Other->LoadColumnPositions(Path, QStringLiteral("Grid"));
        Order.clear();
        for (int32_t I = 0; I < 3; ++I) Order << Other->Columns()->Items(I)->Name();
        EXPECT_EQ(Order, (QStringList{"c1", "c2", "c0"})) << "nothing changed";
    }
}

TEST_F(ColumnGridTest, ResetOrganizationEndsOnDuplicateDefIdx)
{
    NameColumns();
    Grid->Loaded();
    Grid->MoveColumn(4, 1);
    Grid->InsertCols(2, 1);  // a plain item with DefIdx 0
    Col(2)->SetName(QStringLiteral("new"));
    Grid->Columns()->ResetOrganization();
    EXPECT_EQ(Names(), (QStringList{"c0", "new", "c1", "c2", "c3", "c4"}));
    Grid->Columns()->ResetOrganization();
    EXPECT_EQ(Names(), (QStringList{"c0", "new", "c1", "c2", "c3", "c4"})) << "sorted stays";
}

TEST_F(ColumnGridTest, GroupAndUnGroupGiveTheColumnItsSettingsBack)
{
    Grid->SetRowCount(6);
    for (int32_t r = 1; r < 6; ++r) {
        Grid->SetCells(1, r, QString::number(r));
        Grid->SetCells(2, r, r < 3 ? QStringLiteral("A") : QStringLiteral("B"));
    }
    Col(2)->SetName(QStringLiteral("grp"));
    Col(2)->SetEditor(edComboList);
    Col(2)->SetReadOnly(true);
    Col(2)->SetColumnPopupType(cpNormalCellsLClick);
    Col(2)->ComboItems()->Add(QStringLiteral("A"));
    Grid->Group(2);
    EXPECT_EQ(Grid->GroupColumn(), 2);
    EXPECT_EQ(Grid->Columns()->Count(), 4);
    Grid->UnGroup();
    ASSERT_EQ(Grid->Columns()->Count(), 5);
    EXPECT_EQ(Col(2)->Name(), "grp");
    EXPECT_EQ(Col(2)->Editor(), edComboList);
    EXPECT_TRUE(Col(2)->ReadOnly());
    EXPECT_EQ(Col(2)->ColumnPopupType(), cpNormalCellsLClick);
    EXPECT_EQ(Col(2)->ComboItems()->Count(), 1);
}

TEST_F(ColumnGridTest, VersionAndNames)
{
    EXPECT_EQ(Grid->GetVersionNr(), 0x03010301);
    EXPECT_EQ(Grid->Version(), "3.1.3.1");
    EXPECT_EQ(Grid->GetVersionString(), "3.1.3.1 Aug, 2012");
    Col(3)->SetName(QStringLiteral("Value"));
    EXPECT_EQ(Grid->ColumnByName(QStringLiteral("Value")), Col(3));
    EXPECT_EQ(Grid->ColumnByName(QStringLiteral("value")), nullptr);
}

TEST_F(ColumnGridTest, StreamsRoundTripEveryPropertyAndRejectBadInput)
{
    Grid->SetColCount(3);
    for (const TPropRow& Row : PropRows())
        if (std::string(Row.Name) != "ColumnPopup") Row.Set(Col(1));
    Col(1)->SetWidth(91);
    Col(2)->SetHeader(QStringLiteral("Two"));
    TBytesStream Stream;
    Grid->SaveColumnsToStream(&Stream);

    std::unique_ptr<TTestColumnGrid> Other(New<TTestColumnGrid>(Form.get()));
    Other->SetParent(Form.get());
    Other->SetColCount(3);
    Stream.SetPosition(0);
    Other->LoadColumnsFromStream(&Stream);
    ASSERT_EQ(Other->Columns()->Count(), 3);
    for (const TPropRow& Row : PropRows()) {
        if (std::string(Row.Name) == "ColumnPopup") continue;
        EXPECT_TRUE(Row.IsSet(Other->Columns()->Items(1))) << Row.Name;
        EXPECT_FALSE(Row.IsSet(Other->Columns()->Items(0))) << Row.Name;
    }
    EXPECT_EQ(Other->Columns()->Items(1)->Width(), 91);
    EXPECT_EQ(Other->ColWidths(1), 91);
    EXPECT_EQ(Other->Cells(2, 0), "Two");

    // Broken streams: nothing of the grid changes.
    const QByteArray Good = Stream.Bytes();
    Other->Columns()->Items(0)->SetName(QStringLiteral("kept"));
    const auto Rejects = [&](const QByteArray& Bad) {
        TBytesStream S;
        S.WriteBuffer(Bad.constData(), static_cast<int32_t>(Bad.size()));
        S.SetPosition(0);
        EXPECT_THROW(Other->LoadColumnsFromStream(&S), EColumnStreamError);
        EXPECT_EQ(Other->Columns()->Items(0)->Name(), "kept");
    };
    Rejects(Good.left(Good.size() - 1));
    Rejects(Good + QByteArray(1, '\0'));
    Rejects(QByteArray("KTCX") + Good.mid(4));
    QByteArray Version = Good;
    Version[4] = 2;
    Rejects(Version);
    QByteArray BadEnum = Good;
    const auto At = BadEnum.indexOf("Alignment");
    BadEnum[At + 10] = 9;  // the value after the kind byte
    Rejects(BadEnum);
    Rejects(QByteArray());
}

TEST_F(ColumnGridTest, ColumnPopUpsByClickAndRow)
{
    Form->Show();
    ProcessPendingEvents();
    Grid->SetRowCount(5);
    TRecordingMenu* Menu = New<TRecordingMenu>(Form.get());
    std::vector<TPoint> Fired;
    Grid->OnColumnPopup = [&](TObject*, int32_t ACol, int32_t ARow, TPopupMenu* M) {
        EXPECT_EQ(M, Menu);
        Fired.push_back(Point(ACol, ARow));
    };
    struct {
        TColumnPopupType Type;
        TMouseButton Button;
        int32_t Row;
        bool Fires, Pops;
    } Cases[] = {
        {cpFixedCellsRClick, mbRight, 0, true, true},   {cpFixedCellsRClick, mbRight, 2, true, false},
        {cpFixedCellsRClick, mbLeft, 0, false, false},  {cpNormalCellsLClick, mbLeft, 2, true, true},
        {cpNormalCellsLClick, mbLeft, 0, true, false},  {cpAllCellsRClick, mbRight, 3, true, true},
        {cpAllCellsLClick, mbLeft, 0, true, true},      {cpAllCellsLClick, mbRight, 0, false, false},
    };
    // With real column 1 hidden, display column 1 shows real column 2: its item decides.
    Grid->HideColumn(1);
    Col(2)->SetColumnPopup(Menu);
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Type << " button " << C.Button << " row " << C.Row);
        Col(2)->SetColumnPopupType(C.Type);
        Fired.clear();
        Menu->Shown.clear();
        const TRect R = Grid->CellRect(1, C.Row);
        Input::Click(Grid, Point(R.Left + 5, R.Top + 5), C.Button);
        ProcessPendingEvents();
        EXPECT_EQ(Fired.size(), C.Fires ? 1u : 0u);
        ASSERT_EQ(Menu->Shown.size(), C.Pops ? 1 : 0);
        if (C.Pops) {
            EXPECT_EQ(Menu->Shown[0], Grid->ClientToScreen(Point(R.Left, R.Bottom)));
        }
    }
    // The menu going away clears the reference.
    delete Menu;
    EXPECT_EQ(Col(2)->ColumnPopup(), nullptr);
}

TEST_F(ColumnGridTest, EditorTypeHandsTheColumnsListsAndRangesToTheEditors)
{
    Grid->SetRowCount(5);
    ASSERT_NE(Grid->EditCombo, nullptr) << "made with the grid";
    EXPECT_FALSE(Grid->EditCombo->Visible());
    EXPECT_FALSE(Grid->EditCombo->Enabled());
    EXPECT_EQ(Grid->EditCombo->ButtonWidth(), 16);
    EXPECT_EQ(Grid->EditCombo->Grid(), Grid);
    Col(1)->SetEditor(edComboList);
    Col(1)->ComboItems()->Add(QStringLiteral("Coil Status"));
    Col(1)->ComboItems()->Add(QStringLiteral("Input Status"));
    Col(1)->SetDropDownCount(2);
    Col(2)->SetEditor(edComboEdit);
    Col(2)->ComboItems()->Add(QStringLiteral("x"));
    Col(3)->SetEditor(edSpinEdit);
    Col(3)->SetSpinMin(-5);
    Col(3)->SetSpinMax(250);
    Col(3)->SetSpinStep(5);
    struct {
        int32_t Col, Row;
        TEditorType Editor;
        QStringList Items;
        int32_t DropDownCount, SpinMin, SpinMax, SpinStep;
    } Cases[] = {
        {1, 2, edComboList, {"Coil Status", "Input Status"}, 2, 0, 0, 1},
        {2, 4, edComboEdit, {"x"}, 8, 0, 0, 1},
        {3, 1, edSpinEdit, {}, 8, -5, 250, 5},
        // The header row and the fixed column leave the editors as the last cell set them.
        {1, 0, edNormal, {}, 8, -5, 250, 5},
        {0, 2, edNormal, {}, 8, -5, 250, 5},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Col << "," << C.Row);
        TEditorType Editor = edNormal;
        Grid->GetEditorType(C.Col, C.Row, Editor);
        EXPECT_EQ(Editor, C.Editor);
        QStringList Items;
        for (int32_t I = 0; I < Grid->EditCombo->Items()->Count(); ++I) Items << Grid->EditCombo->Items()->Strings(I);
        EXPECT_EQ(Items, C.Items);
        EXPECT_EQ(Grid->EditCombo->DropDownCount(), C.DropDownCount);
        EXPECT_EQ(Grid->SpinEdit()->MinValue(), C.SpinMin);
        EXPECT_EQ(Grid->SpinEdit()->MaxValue(), C.SpinMax);
        EXPECT_EQ(Grid->SpinEdit()->Increment(), C.SpinStep);
    }
    EXPECT_FALSE(Grid->SpinEdit()->Visible());
    EXPECT_EQ(Grid->SpinEdit(), Grid->SpinEdit()) << "made once";

    // The editors belong to a grid.
    TComponent Owner(nullptr);
    EXPECT_THROW(TGridCombo{&Owner}, EInvalidCast);
    EXPECT_THROW(TGridSpin{&Owner}, EInvalidCast);
}

TEST_F(ColumnGridTest, ItemsReachTheirColumnsCells)
{
    Grid->SetRowCount(6);
    TGridColumnItem* Item = Col(2);
    Item->SetRows(1, QStringLiteral("text"));
    EXPECT_EQ(Grid->Cells(2, 1), "text");
    Grid->SetCells(2, 2, QStringLiteral("42"));
    EXPECT_EQ(Item->Rows(2), "42");
    EXPECT_EQ(Item->Ints(2), 42);
    Item->SetInts(3, -7);
    EXPECT_EQ(Grid->Cells(2, 3), "-7");
    Item->SetFloats(4, 2.5);
    EXPECT_EQ(Item->Floats(4), Grid->Floats(2, 4));
    EXPECT_DOUBLE_EQ(Item->Floats(4), 2.5);
    const TDateTime Day = 45000;
    Item->SetDates(5, Day);
    EXPECT_EQ(Grid->Cells(2, 5), [&] { Grid->SetDates(3, 5, Day); return Grid->Cells(3, 5); }());
    EXPECT_DOUBLE_EQ(Item->Dates(5), Day);
    const TDateTime Noon = 0.5;
    Item->SetTimes(1, Noon);
    EXPECT_NEAR(Item->Times(1), Noon, 1e-6);
    EXPECT_NEAR(Grid->Times(2, 1), Noon, 1e-6);
    // Conversion errors are the grid's own; an item outside a grid reaches no cells.
    Grid->SetCells(2, 1, QStringLiteral("x"));
    EXPECT_THROW(Item->Ints(1), EExtGridError);
    TGridColumnItem Alone(nullptr);
    EXPECT_THROW(Alone.Rows(1), EListError);
}
