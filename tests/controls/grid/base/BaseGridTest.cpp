// Tests of the base grid's cell store: properties, texts through merged areas and hooks, merging
// and splitting, geometry of areas, freeing, and the keys and wheel that keep to base cells.
#include "BaseGridTestSupport.h"

#include "grid/base/ExtUtil.h"

#include "windows/WinApi.h"

namespace {

using BaseGridTest = BaseGridFixture;

// Objects with the class names the grid frees by; they report their end.
namespace Probe {
int Freed = 0;
class TCellGraphic : public TObject {
public:
    ~TCellGraphic() override { ++Freed; }
};
}  // namespace Probe
class TCellGraphicKid : public Probe::TCellGraphic {};

QString Text(const TPoint& P)
{
    return QStringLiteral("%1,%2").arg(P.X).arg(P.Y);
}

QString Text(const TRect& R)
{
    return QStringLiteral("%1,%2,%3,%4").arg(R.Left).arg(R.Top).arg(R.Right).arg(R.Bottom);
}

}  // namespace

TEST_F(BaseGridTest, CreationValues)
{
    MakeGrid(5, 5);
    EXPECT_EQ(Grid->GridLineWidth(), 1);
    EXPECT_EQ(Grid->TObjStringGrid::GridLineWidth(), 0);
    EXPECT_FALSE(Grid->DefaultDrawing());
    EXPECT_FALSE(Grid->TObjStringGrid::DefaultDrawing());
    EXPECT_EQ(Grid->GridLineColor(), clSilver);
    EXPECT_EQ(Grid->GridFixedLineColor(), clGray);
    EXPECT_EQ(Grid->ActiveRowColor(), clInfoBk);
    EXPECT_EQ(Grid->ActiveRowColorTo(), clNone);
    EXPECT_EQ(Grid->ActiveRowMirrorColor(), clNone);
    EXPECT_EQ(Grid->ActiveRowMirrorColorTo(), clNone);
    EXPECT_EQ(Grid->HoverRowColor(), clInfoBk);
    EXPECT_EQ(Grid->HoverRowColorTo(), clNone);
    EXPECT_EQ(Grid->HoverRowCells(), (THoverRowCells{hcNormal, hcSelected}));
    EXPECT_FALSE(Grid->ActiveRowShow() || Grid->HoverRow() || Grid->FHideLastRow);
    EXPECT_TRUE(Grid->WordWrap());
    EXPECT_TRUE(Grid->FShowSel);
    EXPECT_EQ(Grid->FPaintID > 0, true);
    EXPECT_EQ(Grid->FHoverRowIdx, -1);
    EXPECT_EQ(Grid->FMergeCount, 0);
    EXPECT_EQ(Grid->FNormalRowCount, 0);
    EXPECT_EQ(Grid->SelectionStyle(), ssDefault);

    // The platform's own settings stay off whatever is asked.
    Grid->SetDefaultDrawing(true);
    Grid->SetGridLineWidth(3);
    EXPECT_TRUE(Grid->DefaultDrawing());
    EXPECT_FALSE(Grid->TObjStringGrid::DefaultDrawing());
    EXPECT_EQ(Grid->TObjStringGrid::GridLineWidth(), 0);
}

TEST_F(BaseGridTest, NewPropertiesTakeTheCellDefaults)
{
    MakeGrid(5, 5);
    Grid->SetColor(clYellow);
    Grid->Font()->SetName(QStringLiteral("Tahoma"));
    Grid->Font()->SetSize(11);
    Grid->Font()->SetColor(clMaroon);
    Grid->Font()->SetStyle({fsBold});
    Grid->SetWordWrap(false);
    EXPECT_FALSE(Grid->HasCellProperties(2, 2));
    TCellProperties* Props = Grid->GetCellProperties(2, 2);
    EXPECT_TRUE(Grid->HasCellProperties(2, 2));
    EXPECT_EQ(Grid->GetCellProperties(2, 2), Props);
    EXPECT_EQ(Props->OwnerCol(), 2);
    EXPECT_EQ(Props->OwnerGrid(), Grid);
    EXPECT_EQ(Props->BrushColor(), clYellow);
    EXPECT_EQ(Props->BrushColorTo(), clNone);
    EXPECT_EQ(Props->FontName(), "Tahoma");
    EXPECT_EQ(Props->FontSize(), 11);
    EXPECT_EQ(Props->FontColor(), clMaroon);
    EXPECT_EQ(Props->FontStyle(), TFontStyles{fsBold});
    EXPECT_FALSE(Props->WordWrap());
    EXPECT_EQ(Props->Alignment(), taLeftJustify);
    EXPECT_EQ(Props->VAlignment(), vtaTop);
    EXPECT_EQ(Props->GradientDirection(), GradientVertical);
    EXPECT_EQ(Props->CalcType(), acNONE);
    EXPECT_TRUE(Props->IsBaseCell());
    EXPECT_EQ(Props->CellSpanX(), -1);
    EXPECT_EQ(Props->CellSpanY(), -1);
    EXPECT_FALSE(Props->ReadOnly());
    EXPECT_EQ(Props->NodeLevel(), 0);

    // Queries answer for cells outside the grid as for cells without properties.
    EXPECT_FALSE(Grid->HasCellProperties(-1, 0));
    EXPECT_FALSE(Grid->HasCellProperties(5, 0));
    EXPECT_TRUE(Grid->IsBaseCell(99, 99));
    EXPECT_EQ(Text(Grid->CellSpan(-3, 2)), "0,0");
}

TEST_F(BaseGridTest, AssignCopiesTheCellValuesOnly)
{
    MakeGrid(5, 5);
    TCellProperties From(Grid, 1, 2);
    From.SetBrushColor(clRed);
    From.SetBrushColorTo(clBlue);
    From.SetGradientDirection(GradientHorizontal);
    From.SetCalcType(acSUM);
    From.SetFontName("Arial");
    From.SetCellSpanX(3);
    From.SetIsBaseCell(false);
    From.SetReadOnly(true);
    From.SetEditor(edSpinEdit);
    From.SetPaintID(77);
    TObject Graphic;
    From.SetGraphicObject(&Graphic);

    TCellProperties To(Grid, 0, 0);
    To.Assign(&From);
    EXPECT_EQ(To.BrushColor(), clRed);
    EXPECT_EQ(To.FontName(), "Arial");
    EXPECT_EQ(To.CellSpanX(), 3);
    EXPECT_FALSE(To.IsBaseCell());
    EXPECT_TRUE(To.ReadOnly());
    EXPECT_EQ(To.Editor(), edSpinEdit);
    EXPECT_EQ(To.OwnerCol(), 1);
    EXPECT_EQ(To.OwnerRow(), 2);
    EXPECT_EQ(To.BrushColorTo(), clNone);
    EXPECT_EQ(To.GradientDirection(), GradientVertical);
    EXPECT_EQ(To.CalcType(), acNONE);
    EXPECT_EQ(To.PaintID(), 0);
    EXPECT_EQ(To.GraphicObject(), nullptr);
}

TEST_F(BaseGridTest, MergedAreaEncodingAndQueries)
{
    MakeGrid(8, 8);
    Grid->SetCells(1, 1, "base");
    Grid->SetCells(3, 2, "hidden");
    Grid->MergeCells(1, 1, 3, 2);
    EXPECT_EQ(Grid->FMergeCount, 1);

    struct TCase {
        int32_t Col, Row;
        bool Base, Merged, X, Y;
        QString Spans, BaseCell, Span, Ext, Full;
    } Cases[] = {
        // cell     base   merged  X      Y      own spans  base    span   ext    full
        {1, 1, true, true, true, true, "2,1", "1,1", "2,1", "2,1", "1,1,3,2"},
        {3, 2, false, true, true, true, "2,1", "1,1", "2,1", "0,0", "1,1,3,2"},
        {2, 1, false, true, true, true, "1,0", "1,1", "2,1", "1,1", "1,1,3,2"},
        {1, 2, false, true, true, true, "0,1", "1,1", "2,1", "2,0", "1,1,3,2"},
        {4, 1, true, false, false, false, "", "4,1", "0,0", "0,0", "4,1,4,1"},  // never touched
        {0, 0, true, false, false, false, "", "0,0", "0,0", "0,0", "0,0,0,0"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(QStringLiteral("cell %1,%2").arg(Case.Col).arg(Case.Row).toStdString());
        EXPECT_EQ(Grid->IsBaseCell(Case.Col, Case.Row), Case.Base);
        EXPECT_EQ(Grid->IsMergedCell(Case.Col, Case.Row), Case.Merged);
        EXPECT_EQ(Grid->IsMergedNonBaseCell(Case.Col, Case.Row), Case.Merged && !Case.Base);
        EXPECT_EQ(Grid->IsXMergedCell(Case.Col, Case.Row), Case.X);
        EXPECT_EQ(Grid->IsYMergedCell(Case.Col, Case.Row), Case.Y);
        if (!Case.Spans.isEmpty()) {
            const TCellProperties* Props = Grid->GetCellProperties(Case.Col, Case.Row);
            EXPECT_EQ(Text(Point(Props->CellSpanX(), Props->CellSpanY())), Case.Spans);
        }
        EXPECT_EQ(Text(Grid->BaseCell(Case.Col, Case.Row)), Case.BaseCell);
        int32_t bc = -9, br = -9;
        EXPECT_EQ(Grid->IsBaseCellEx(Case.Col, Case.Row, bc, br), Case.Base);
        EXPECT_EQ(Text(Point(bc, br)), Case.BaseCell);
        EXPECT_EQ(Text(Grid->CellSpan(Case.Col, Case.Row)), Case.Span);
        EXPECT_EQ(Text(Grid->CellExt(Case.Col, Case.Row)), Case.Ext);
        EXPECT_EQ(Text(Grid->FullCell(Case.Col, Case.Row)), Case.Full);
    }

    // Texts go to and come from the base cell; the covered cell keeps its own stored text.
    EXPECT_EQ(Grid->GetCellEx(3, 2), "base");
    Grid->SetCellEx(2, 2, "new");
    EXPECT_EQ(Grid->GetGridCell(1, 1), "new");
    EXPECT_EQ(Grid->GetGridCell(2, 2), "");
    EXPECT_EQ(Grid->GetGridCell(3, 2), "hidden");
    EXPECT_EQ(Grid->TextChanges, QStringList{"1,1"});

    // A one-cell merge makes a base cell with spans (0, 0) that counts as no merge.
    Grid->MergeCells(5, 5, 1, 1);
    EXPECT_FALSE(Grid->IsMergedCell(5, 5));
    EXPECT_EQ(Grid->GetCellProperties(5, 5)->CellSpanX(), 0);
    EXPECT_EQ(Grid->FMergeCount, 2);
}

TEST_F(BaseGridTest, SplittingUndoesTheWholeAreaAndCountsOnlyRealSplits)
{
    MakeGrid(8, 8);
    Grid->MergeCells(1, 1, 3, 2);
    Grid->MergeCells(5, 5, 1, 1);
    struct TCase {
        int32_t Col, Row;
        int32_t MergeCount;
    } Cases[] = {
        {6, 6, 2},  // never merged: nothing changes, the count stays
        {2, 2, 1},  // a covered cell splits the whole area
        {2, 2, 1},  // again: no area left there
        {5, 5, 0},  // the one-cell merge was a merge
        {1, 1, 0},  // never below 0
    };
    for (const TCase& Case : Cases) {
        Grid->SplitCells(Case.Col, Case.Row);
        EXPECT_EQ(Grid->FMergeCount, Case.MergeCount) << Case.Col << "," << Case.Row;
    }
    for (int32_t R = 1; R <= 2; ++R)
        for (int32_t C = 1; C <= 3; ++C) {
            EXPECT_TRUE(Grid->IsBaseCell(C, R));
            EXPECT_FALSE(Grid->IsMergedCell(C, R));
            EXPECT_EQ(Grid->GetCellProperties(C, R)->CellSpanX(), -1);
        }
    Grid->SetCells(2, 2, "own");
    EXPECT_EQ(Grid->GetCellEx(2, 2), "own");
}

TEST_F(BaseGridTest, RowAndColumnSpans)
{
    MakeGrid(8, 8);
    Grid->MergeCells(1, 1, 1, 3);  // rows 1-3 in column 1
    Grid->MergeCells(2, 2, 1, 2);  // rows 2-3 in column 2
    Grid->MergeCells(4, 1, 2, 1);  // columns 4-5 in row 1
    Grid->MergeCells(4, 4, 2, 1);  // columns 4-5 in row 4
    Grid->MergeCells(6, 5, 2, 2);  // columns 6-7, rows 5-6
    Grid->MergeCells(1, 4, 1, 2);  // rows 4-5 in column 1, right under the first area

    EXPECT_EQ(Grid->MinRowSpan(2), 1);
    EXPECT_EQ(Grid->MaxRowSpan(2), 2);
    EXPECT_EQ(Grid->MinRowSpan(0), Grid->RowCount());
    EXPECT_EQ(Grid->MaxRowSpan(0), 0);

    struct TCase {
        const char* Name;
        bool Answer;
    } Cases[] = {
        {"rows 2,3: both areas shared", Grid->RowSpanIdentical(2, 3)},
        {"rows 1,2: column 1 shared, column 2 spans in row 2 only", Grid->RowSpanIdentical(1, 2)},
        {"rows 3,4: column 1 spans in both, in two areas", Grid->RowSpanIdentical(3, 4)},
        {"rows 0,7: no column spans both", Grid->RowSpanIdentical(0, 7)},
        {"columns 4,5: rows 1 and 4 shared", Grid->ColSpanIdentical(4, 5)},
        {"columns 6,7: rows 5 and 6 shared", Grid->ColSpanIdentical(6, 7)},
        {"columns 5,6: row 1 spans in 5 only", Grid->ColSpanIdentical(5, 6)},
        {"columns 0,3: no row spans both", Grid->ColSpanIdentical(0, 3)},
    };
    const bool Expected[] = {true, true, false, false, true, true, false, false};
    for (size_t I = 0; I < std::size(Cases); ++I) EXPECT_EQ(Cases[I].Answer, Expected[I]) << Cases[I].Name;
}

TEST_F(BaseGridTest, DisplayHooksOnlyForNormalRows)
{
    MakeGrid(4, 6);
    Grid->SetCells(1, 1, "plain");
    Grid->SetCells(1, 4, "footer");
    Grid->FNormalRowCount = 3;
    QStringList Asked;
    Grid->OnGetDisplText = [&Asked](TObject*, int32_t C, int32_t R, QString& Value) {
        Asked.append(QStringLiteral("%1,%2").arg(C).arg(R));
        Value += "!";
    };
    EXPECT_EQ(Grid->GetCellEx(1, 1), "plain!");
    EXPECT_EQ(Grid->GetCellEx(1, 4), "footer");
    EXPECT_EQ(Asked, QStringList{"1,1"});

    // With the wide hook every normal row comes back wide-encoded, even a plain stored text.
    Grid->OnGetDisplWideText = [](TObject*, int32_t, int32_t, QString& Value) { Value = Value.toUpper(); };
    EXPECT_EQ(Grid->GetCellEx(1, 1), EncodeWideCellText("PLAIN!"));
    Grid->SetCells(2, 2, EncodeWideCellText(QString::fromUtf8("\u00e9t\u00e9")));
    Grid->OnGetDisplText = nullptr;
    EXPECT_EQ(Grid->GetCellEx(2, 2), EncodeWideCellText(QString::fromUtf8("\u00c9T\u00c9")));
    EXPECT_EQ(Grid->GetCellEx(1, 4), "footer");

    // A merged area reads the hooks with its base cell.
    Grid->MergeCells(0, 1, 2, 2);
    Grid->OnGetDisplWideText = nullptr;
    Grid->OnGetDisplText = [&Asked](TObject*, int32_t C, int32_t R, QString&) {
        Asked.append(QStringLiteral("%1,%2").arg(C).arg(R));
    };
    Asked.clear();
    Grid->GetCellEx(1, 2);
    EXPECT_EQ(Asked, QStringList{"0,1"});
}

// GetCellEx reads every stored cell, also beyond the counts and far out, and hands back a text of its
// own that a later write into the cell leaves alone.
TEST_F(BaseGridTest, GetCellExReadsEveryStoredCellAsAValue)
{
    MakeGrid(4, 5);
    const struct {
        int32_t Col, Row;
        QString Stored;
    } Cases[] = {
        {1, 1, "dense"}, {3, 4, "last"}, {9, 2, "beyond the columns"}, {2, 70000, "beyond the rows"},
        {5000, 1, "far column"}, {6000, 3000000, "far cell"},
    };
    for (const auto& Case : Cases) Grid->SetCells(Case.Col, Case.Row, Case.Stored);
    for (const auto& Case : Cases) {
        EXPECT_EQ(Grid->GetCellEx(Case.Col, Case.Row), Case.Stored) << Case.Stored.toStdString();
        EXPECT_EQ(Grid->GetCellEx(Case.Col + 1, Case.Row), "") << Case.Stored.toStdString();
    }
    EXPECT_EQ(Grid->GetCellEx(4999, 1), "");
    EXPECT_EQ(Grid->GetCellEx(6000, 2999999), "");
    EXPECT_EQ(Grid->GetCellEx(-1, 1), "");
    EXPECT_EQ(Grid->GetCellEx(1, -1), "");

    const QString Before = Grid->GetCellEx(1, 1);
    Grid->SetCellEx(1, 1, "changed");
    Grid->SetCellEx(5000, 1, "");
    EXPECT_EQ(Before, "dense");
    EXPECT_EQ(Grid->GetCellEx(1, 1), "changed");
    EXPECT_EQ(Grid->GetCellEx(5000, 1), "");
}

TEST_F(BaseGridTest, WritesIntoTheHiddenLastRowAreReported)
{
    MakeGrid(4, 5);
    struct TCase {
        bool Hidden;
        int32_t Row;
        int32_t Reports;
    } Cases[] = {{true, 4, 1}, {true, 3, 0}, {false, 4, 0}};
    for (const TCase& Case : Cases) {
        Grid->FHideLastRow = Case.Hidden;
        Grid->HiddenLastRowChanges = 0;
        Grid->SetCellEx(1, Case.Row, "x");
        EXPECT_EQ(Grid->HiddenLastRowChanges, Case.Reports) << Case.Hidden << " row " << Case.Row;
    }
}

TEST_F(BaseGridTest, ObjectsKeepAnEmptyTextEmpty)
{
    MakeGrid(4, 4);
    TObject User;
    Grid->SetObjectEx(1, 1, &User);
    EXPECT_EQ(Grid->GetObjectEx(1, 1), &User);
    EXPECT_EQ(Grid->GetCellEx(1, 1), "");

    Grid->SetCellEx(2, 1, "text");
    TObject Graphic;
    Grid->SetGraphicObjectEx(2, 1, &Graphic);
    EXPECT_EQ(Grid->GetGraphicObjectEx(2, 1), &Graphic);
    EXPECT_EQ(TBaseGrid::GraphicObjectOf(Grid->GetCellProperties(2, 1)), &Graphic);
    EXPECT_EQ(Grid->GetCellEx(2, 1), "text");
    EXPECT_EQ(Grid->GetObjectEx(3, 3), nullptr);
    EXPECT_EQ(Grid->GetGraphicObjectEx(3, 3), nullptr);
    Grid->SetGraphicObjectEx(2, 1, nullptr);
}

TEST_F(BaseGridTest, DetachingEmptiesTextsAndForgetsSlots)
{
    MakeGrid(5, 5);
    Grid->SetCells(1, 1, "base");
    Grid->SetCells(2, 1, "covered");
    Grid->MergeCells(1, 1, 2, 1);
    TCellProperties* Covered = Grid->GetCellProperties(2, 1);

    // DetachCell on a covered cell empties the base cell's text.
    Grid->DetachCell(2, 1);
    EXPECT_EQ(Grid->GetGridCell(1, 1), "");
    EXPECT_EQ(Grid->GetGridCell(2, 1), "covered");
    EXPECT_EQ(Grid->GetGridObject(2, 1), nullptr);
    delete Covered;  // detached: the grid no longer owns it

    // DetachColCells forgets the slot first, so the covered cell's own text is emptied.
    Grid->SetCells(1, 1, "base");
    Grid->SetCells(2, 2, "below");
    Grid->MergeCells(2, 2, 1, 2);
    TCellProperties* Props2 = Grid->GetCellProperties(2, 2);
    TCellProperties* Props3 = Grid->GetCellProperties(2, 3);
    Grid->SetCells(2, 3, "own");
    Grid->DetachColCells(2);
    EXPECT_EQ(Grid->GetGridCell(2, 3), "");
    EXPECT_EQ(Grid->GetGridCell(2, 2), "");
    EXPECT_EQ(Grid->GetGridCell(1, 1), "base");
    delete Props2;
    delete Props3;

    Grid->GetCellProperties(3, 4);
    Grid->SetCells(3, 4, "row");
    TCellProperties* Row4 = Grid->GetCellProperties(3, 4);
    Grid->DetachRowCells(4);
    EXPECT_EQ(Grid->GetGridCell(3, 4), "");
    EXPECT_FALSE(Grid->HasCellProperties(3, 4));
    delete Row4;
}

TEST_F(BaseGridTest, FreeingTakesOnlyGraphicsOfTheExactClass)
{
    MakeGrid(5, 5);
    Probe::Freed = 0;
    auto* Exact = new Probe::TCellGraphic;
    TCellGraphicKid Kid;
    Grid->SetGraphicObjectEx(1, 1, Exact);
    Grid->SetGraphicObjectEx(2, 1, &Kid);
    Grid->FreeCellPropsRect(0, 0, 4, 4);
    EXPECT_EQ(Probe::Freed, 1);  // the exact class only; the kid belongs to whoever made it
    EXPECT_FALSE(Grid->HasCellProperties(1, 1));
    EXPECT_FALSE(Grid->HasCellProperties(2, 1));

    // FreeCellProps frees the properties but not the graphic.
    Probe::TCellGraphic Kept;
    Grid->SetGraphicObjectEx(3, 3, &Kept);
    Grid->FreeCellProps(3, 3);
    EXPECT_EQ(Probe::Freed, 1);
    EXPECT_FALSE(Grid->HasCellProperties(3, 3));

    // SetCellProperties frees what the slot held.
    Grid->GetCellProperties(4, 4);
    auto* Replacement = new TCellProperties(Grid, 4, 4);
    Replacement->SetFontName("replacement");
    Grid->SetCellProperties(4, 4, Replacement);
    EXPECT_EQ(Grid->GetCellProperties(4, 4)->FontName(), "replacement");
    Grid->FreeAllCellProps();
    EXPECT_FALSE(Grid->HasCellProperties(4, 4));
}

TEST_F(BaseGridTest, DestroyingFreesPropertiesAlsoBeyondTheCounts)
{
    MakeGrid(5, 5);
    Probe::Freed = 0;
    Grid->SetGraphicObjectEx(1, 1, new Probe::TCellGraphic);
    Grid->SetGraphicObjectEx(4, 4, new Probe::TCellGraphic);
    TCellGraphicKid Kid;
    Grid->SetGraphicObjectEx(2, 2, &Kid);
    Grid->SetRowCount(3);  // row 4 lives on in the store
    Grid->SetColCount(3);
    Form.reset();
    EXPECT_EQ(Probe::Freed, 2);
}

TEST_F(BaseGridTest, GeometryOfCellsAndAreas)
{
    MakeGrid(10, 20);
    Grid->SetFixedCols(1);
    Grid->SetFixedRows(1);
    Grid->SetColWidths(2, 80);
    Grid->SetRowHeights(3, 30);
    EXPECT_EQ(Grid->FixedColsWidth(), 50);
    EXPECT_EQ(Grid->FixedRowsHeight(), 20);

    struct TCase {
        int32_t Col, Row;
        QString Calc;
    } Cases[] = {
        {0, 0, "0,0,50,20"},
        {1, 1, "50,20,100,40"},
        {2, 3, "100,60,180,90"},
        {4, 5, "230,110,280,130"},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(Text(Grid->CalcCellRect(Case.Col, Case.Row)), Case.Calc) << Case.Col << "," << Case.Row;

    // Scrolled: cells before the first shown lie left of (above) the fixed ones; fixed cells stay.
    Grid->SetLeftCol(3);
    Grid->SetTopRow(4);
    EXPECT_EQ(Text(Grid->CalcCellRect(2, 3)), "-30,-10,50,20");
    EXPECT_EQ(Text(Grid->CalcCellRect(3, 4)), "50,20,100,40");
    EXPECT_EQ(Text(Grid->CalcCellRect(0, 4)), "0,20,50,40");

    // A merged area scrolled partly out: the union of its corner cells.
    Grid->MergeCells(2, 3, 3, 2);
    EXPECT_EQ(Text(Grid->CellRect(3, 4)), "-30,-10,150,40");
    EXPECT_EQ(Text(Grid->CellSize(4, 3)), "180,50");
    // A plain cell keeps the platform's corner and its full size.
    EXPECT_EQ(Text(Grid->CellRect(5, 5)), "150,40,200,60");

    // Zero-width corner cells still give the area some width.
    Grid->SetLeftCol(1);
    Grid->SetTopRow(1);
    Grid->SetColWidths(6, 0);
    Grid->SetColWidths(7, 0);
    Grid->MergeCells(6, 10, 2, 1);
    const TRect Thin = Grid->CellRect(6, 10);
    EXPECT_EQ(Thin.Width(), 2) << Text(Thin).toStdString();
}

TEST_F(BaseGridTest, KeysStepOverMergedAreas)
{
    MakeGrid(8, 8);
    Grid->SetFixedCols(1);
    Grid->SetFixedRows(1);
    Grid->MergeCells(2, 2, 3, 2);  // columns 2-4, rows 2-3
    Grid->MergeCells(6, 1, 2, 1);  // columns 6-7 in row 1, at the right edge
    struct TCase {
        const char* Name;
        int32_t StartCol, StartRow;
        uint16_t Key;
        QString Where;
    } Cases[] = {
        {"Right from the base steps past the area", 2, 2, VK_RIGHT, "5,2"},
        {"Right into an area lands on its base", 1, 3, VK_RIGHT, "2,2"},
        {"Down from the base steps below the area", 2, 2, VK_DOWN, "2,4"},
        {"Down into an area lands on its base", 3, 1, VK_DOWN, "2,2"},
        {"Left from a covered cell leaves the area", 4, 3, VK_LEFT, "1,3"},
        {"Up from a covered cell leaves the area", 3, 3, VK_UP, "3,1"},
        {"Left into an area lands on its base", 5, 3, VK_LEFT, "2,2"},
        {"Right at the grid's edge stays on the base", 6, 1, VK_RIGHT, "6,1"},
        {"Left from a covered cell at the right edge", 7, 1, VK_LEFT, "5,1"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Grid->SetCol(Case.StartCol);
        Grid->SetRow(Case.StartRow);
        Input::PressKey(Case.Key);
        EXPECT_EQ(Where(), Case.Where);
    }
}

TEST_F(BaseGridTest, TheWheelEndsOnBaseCells)
{
    MakeGrid(4, 12);
    Grid->MergeCells(1, 2, 1, 3);  // rows 2-4 in column 1
    const TPoint At = CenterPoint(Grid->TObjStringGrid::CellRect(2, 6));
    struct TCase {
        int32_t StartRow;
        int32_t Delta;
        QString Where;
    } Cases[] = {
        {3, -120, "1,2"},  // from a covered cell down onto another covered cell
        {5, 120, "1,2"},   // up into the area
        {1, -120, "1,2"},  // down onto the base
        {4, -120, "1,5"},  // down out of the area
    };
    for (const TCase& Case : Cases) {
        Grid->SetCol(1);
        Grid->SetRow(Case.StartRow);
        Input::TurnWheel(Grid, At, Case.Delta, {});
        EXPECT_EQ(Where(), Case.Where) << "from row " << Case.StartRow;
    }
}
