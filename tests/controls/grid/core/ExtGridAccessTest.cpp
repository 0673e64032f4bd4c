// Cell access of the string grid: real rows with hidden ones, pre-sort rows, hidden column widths,
// the current cell and the editor's text, the per-cell look and cells holding controls.
#include "ExtGridTestSupport.h"

#include "support/LayerInternals.h"

#include "grid/base/GridSupport.h"

#include "rtl/Exceptions.h"
#include "windows/ExtCtrls.h"
#include "windows/WinApi.h"

#include <functional>

namespace {

using AccessTest = ExtGridFixture;

QString Text(int32_t c, int32_t r)
{
    return QStringLiteral("r%1c%2").arg(r).arg(c);
}

void FillTexts(TExtStringGrid* Grid)
{
    for (int32_t r = 0; r < Grid->RowCount(); ++r)
        for (int32_t c = 0; c < Grid->ColCount(); ++c) Grid->SetCells(c, r, Text(c, r));
}

TEST_F(AccessTest, AllCellsReachHiddenRows)
{
    FillTexts(Grid);
    TObject Mine;
    Grid->SetObjectEx(1, 5, &Mine);
    Grid->HideRow(5);
    Grid->OnGetDisplText = [](TObject*, int32_t, int32_t, QString& Value) { Value += QStringLiteral("!"); };
    struct TCase {
        int32_t Col, RealRow;
        QString All, Raw;
    };
    // Real row 5 is hidden: display row 5 shows real row 6.
    const TCase Cases[] = {{2, 5, Text(2, 5) + "!", Text(2, 5)},
                           {2, 6, Text(2, 6) + "!", Text(2, 6)},
                           {4, 9, Text(4, 9) + "!", Text(4, 9)},
                           {-1, 5, QString(), QString()},
                           {2, -1, QString(), QString()}};
    for (const TCase& C : Cases) {
        EXPECT_EQ(Grid->AllCells(C.Col, C.RealRow), C.All) << C.Col << "," << C.RealRow;
        if (C.Col >= 0 && C.RealRow >= 0) {
            EXPECT_EQ(Grid->AllGridCells(C.Col, C.RealRow), C.Raw);
        }
    }
    EXPECT_EQ(Grid->GetGridCell(2, 5), Text(2, 5 + 1));
    EXPECT_EQ(Grid->AllObjects(1, 5), &Mine);

    // Writing a hidden row: AllCells extends its lines, AllGridCells needs the line to exist.
    TStrings* Parked = Grid->HiddenRowTexts(5);
    ASSERT_NE(Parked, nullptr);
    const int32_t Stored = Parked->Count();
    Grid->SetAllCells(Stored + 2, 5, QStringLiteral("x"));
    EXPECT_EQ(Parked->Count(), Stored + 3);
    EXPECT_EQ(Parked->Strings(Stored), QString());
    EXPECT_EQ(Parked->Strings(Stored + 2), QStringLiteral("x"));
    EXPECT_THROW(Grid->SetAllGridCells(Stored + 5, 5, QStringLiteral("y")), EStringListError);
    Grid->SetAllGridCells(3, 5, QStringLiteral("raw"));
    EXPECT_EQ(Grid->AllGridCells(3, 5), QStringLiteral("raw"));
    // The user object of a hidden cell is replaced inside its properties.
    TObject Other;
    Grid->SetAllObjects(1, 5, &Other);
    EXPECT_EQ(Grid->AllObjects(1, 5), &Other);
    EXPECT_NE(Parked->Objects(1), &Other);
    // Wide access is the same text.
    Grid->SetAllWideCells(2, 6, QString::fromUtf8("\xCE\xA9"));
    EXPECT_EQ(Grid->GetGridCell(2, 5), QString::fromUtf8("\xCE\xA9"));

    Grid->OnGetDisplText = nullptr;
    Grid->UnHideRow(5);
    EXPECT_EQ(Grid->Cells(3, 5), QStringLiteral("raw"));
    EXPECT_EQ(Grid->GetObjectEx(1, 5), &Other);
}

TEST_F(AccessTest, AllCellsInAHiddenColumnsGridRepaintTheDisplayedCell)
{
    Show();
    Grid->HideColumn(1);
    TRect Pending;
    ProcessPendingEvents();
    TPaintHold Hold;
    ASSERT_FALSE(GetUpdateRect(Grid->Handle(), Pending));
    Grid->SetAllCells(3, 2, QStringLiteral("v"));
    EXPECT_EQ(Grid->Cells(3, 2), QStringLiteral("v"));
    ASSERT_TRUE(GetUpdateRect(Grid->Handle(), Pending));
    const TRect Cell = Grid->TCustomGrid::CellRect(2, 2);
    EXPECT_LE(Pending.Left, Cell.Left);
    EXPECT_GE(Pending.Right, Cell.Right);
    EXPECT_LE(Pending.Top, Cell.Top);
    EXPECT_GE(Pending.Bottom, Cell.Bottom);
}

TEST_F(AccessTest, PreSortRowsAndOriginalColumns)
{
    // Before any sort every row is its own.
    EXPECT_EQ(Grid->UnSortedRowIndex(3), 3);
    EXPECT_EQ(Grid->SortedRowIndex(3), 3);
    Grid->SetRowCount(5);
    const QString Keys[] = {QStringLiteral("d"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")};
    for (int32_t r = 1; r <= 4; ++r) {
        Grid->SetCells(1, r, Keys[r - 1]);
        Grid->SetCells(2, r, QStringLiteral("was %1").arg(r));
    }
    Grid->Sort(1, sdAscending);
    ASSERT_EQ(Grid->Cells(1, 1), QStringLiteral("a"));
    struct TCase {
        int32_t PreSort, Now;
    };
    for (const TCase& C : {TCase{4, 1}, {2, 2}, {3, 3}, {1, 4}}) {
        EXPECT_EQ(Grid->UnSortedCells(2, C.PreSort), QStringLiteral("was %1").arg(C.PreSort));
        EXPECT_EQ(Grid->UnSortedRowIndex(C.PreSort), C.Now);
        EXPECT_EQ(Grid->SortedRowIndex(C.Now), C.PreSort);
    }
    // A row index past the list is taken as it stands; one that no entry holds finds nothing.
    EXPECT_EQ(Grid->UnSortedRowIndex(9), 5);
    Grid->SetUnSortedCells(2, 1, QStringLiteral("first"));
    EXPECT_EQ(Grid->Cells(2, 4), QStringLiteral("first"));
    // The entry is taken as a display row: with real row 2 hidden, entry 2 shows real row 3.
    Grid->HideRow(2);
    EXPECT_EQ(Grid->SortedRowIndex(2), 3);

    // Without a recorded column order a column's first place is its place.
    EXPECT_EQ(Grid->ColumnPosition(3), 3);
    Grid->SetOriginalCells(3, 1, QStringLiteral("o"));
    EXPECT_EQ(Grid->OriginalCells(3, 1), QStringLiteral("o"));
    EXPECT_EQ(Grid->Cells(3, 1), QStringLiteral("o"));
}

TEST_F(AccessTest, HiddenColumnsKeepTheirWidths)
{
    Grid->SetColCount(6);
    Grid->SetColWidths(2, 50);
    Grid->SetColWidths(3, 44);
    Grid->HideColumn(2);
    EXPECT_EQ(Grid->AllColWidths(2), 50);
    EXPECT_EQ(Grid->AllColWidths(3), 44);
    // A hidden column's width is only kept; the shown column takes its own at once.
    Grid->SetAllColWidths(2, 70);
    Grid->SetAllColWidths(3, 33);
    EXPECT_EQ(Grid->ColWidths(2), 33);
    Grid->UnHideColumn(2);
    EXPECT_EQ(Grid->ColWidths(2), 70);
    EXPECT_EQ(Grid->ColWidths(3), 33);
    // Past the table a shown column still takes the width.
    Grid->SetColCount(600);
    Grid->SetAllColWidths(550, 21);
    EXPECT_EQ(Grid->ColWidths(550), 21);
    EXPECT_EQ(Grid->AllColWidths(550), 21);
}

TEST_F(AccessTest, CurrentCellAndTheEditorsText)
{
    Grid->OnGetDisplText = [](TObject*, int32_t, int32_t, QString& Value) { Value += QStringLiteral("!"); };
    Grid->SetCells(2, 3, QStringLiteral("v"));
    Grid->FocusCell(2, 3);
    EXPECT_EQ(Grid->CurrentCell(), QStringLiteral("v"));
    QString Shown;
    Grid->GetCurrentCellText(Shown);
    EXPECT_EQ(Shown, QStringLiteral("v!"));
    Grid->SetCurrentCellEditText(QStringLiteral("w"));
    EXPECT_EQ(Grid->GetGridCell(2, 3), QStringLiteral("w"));
    Grid->OnGetDisplText = nullptr;

    // A covered cell reads and writes its base cell.
    Grid->MergeCells(1, 2, 2, 1);
    Grid->SetCellEx(1, 2, QStringLiteral("<B>base</B> &amp; more"));
    Grid->FocusCell(2, 2);
    EXPECT_EQ(Grid->CurrentCell(), QStringLiteral("<B>base</B> &amp; more"));
    struct TCase {
        int32_t Col, Row;
        bool WithTags;
        QString Expected;
    };
    for (const TCase& C : {TCase{1, 2, false, QStringLiteral("base &amp; more")},
                           {2, 2, false, QStringLiteral("base &amp; more")},
                           {2, 2, true, QStringLiteral("<B>base</B> &amp; more")}}) {
        Grid->SetEditWithTags(C.WithTags);
        EXPECT_EQ(Grid->GetEditText(C.Col, C.Row), C.Expected) << C.Col << C.WithTags;
    }
    Grid->SetCurrentCellEditText(QStringLiteral("m"));
    EXPECT_EQ(Grid->GetGridCell(1, 2), QStringLiteral("m"));
    EXPECT_TRUE(Grid->GetGridCell(2, 2).isEmpty());

    // Displayed columns map to the store's columns.
    Grid->SetCells(3, 5, QStringLiteral("third"));
    Grid->HideColumn(2);
    EXPECT_EQ(Grid->GetEditText(2, 5), QStringLiteral("third"));
    Grid->SetEditText(2, 5, QStringLiteral("3rd"));
    EXPECT_EQ(Grid->GetGridCell(3, 5), QStringLiteral("3rd"));

    for (const auto& C : {std::pair{QString(), 1}, {QStringLiteral("a\r\nb\r\nc"), 3}, {QStringLiteral("one"), 1}}) {
        Grid->SetCells(1, 7, C.first);
        EXPECT_EQ(Grid->LinesInCell(1, 7), C.second) << C.first.toStdString();
    }
}

TEST_F(AccessTest, CellLookReadsCreateNothingButWordWraps)
{
    using TRead = std::function<int64_t(TExtStringGrid*)>;
    struct TCase {
        const char* Name;
        TRead Read;
        int64_t Default;
        std::function<void(TExtStringGrid*)> Write;
        int64_t Written;
    };
    const TCase Cases[] = {
        {"Colors", [](auto* G) { return G->Colors(2, 2); }, clNone, [](auto* G) { G->SetColors(2, 2, clRed); }, clRed},
        {"ColorsTo", [](auto* G) { return G->ColorsTo(2, 2); }, clNone, [](auto* G) { G->SetColorsTo(2, 2, clBlue); },
         clBlue},
        {"Gradients", [](auto* G) { return G->Gradients(2, 2); }, GradientVertical,
         [](auto* G) { G->SetGradients(2, 2, GradientHorizontal); }, GradientHorizontal},
        {"FontColors", [](auto* G) { return G->FontColors(2, 2); }, clNone,
         [](auto* G) { G->SetFontColors(2, 2, clGreen); }, clGreen},
        {"FontStyles", [](auto* G) { return int64_t(G->FontStyles(2, 2).Contains(fsItalic)); }, 0,
         [](auto* G) { G->SetFontStyles(2, 2, {fsItalic}); }, 1},
        {"FontSizes", [](auto* G) { return G->FontSizes(2, 2); }, 0, [](auto* G) { G->SetFontSizes(2, 2, 14); }, 14},
        {"FontNames", [](auto* G) { return int64_t(G->FontNames(2, 2).size()); }, 0,
         [](auto* G) { G->SetFontNames(2, 2, QStringLiteral("Arial")); }, 5},
        {"Alignments", [](auto* G) { return G->Alignments(2, 2); }, taLeftJustify,
         [](auto* G) { G->SetAlignments(2, 2, taCenter); }, taCenter},
        {"ReadOnly", [](auto* G) { return int64_t(G->ReadOnly(2, 2)); }, 0, [](auto* G) { G->SetReadOnly(2, 2, true); },
         1},
        {"CellControls", [](auto* G) { return int64_t(G->CellControls(2, 2) != nullptr); }, 0, nullptr, 0},
    };
    for (const TCase& C : Cases) {
        Grid->FreeCellProps(2, 2);
        EXPECT_EQ(C.Read(Grid), C.Default) << C.Name;
        EXPECT_FALSE(Grid->HasCellProperties(2, 2)) << C.Name;
        if (!C.Write) continue;
        C.Write(Grid);
        EXPECT_TRUE(Grid->HasCellProperties(2, 2)) << C.Name;
        EXPECT_EQ(C.Read(Grid), C.Written) << C.Name;
    }
    // WordWraps reads the grid's word wrap through properties it makes.
    for (bool Wrap : {false, true}) {
        Grid->FreeCellProps(2, 2);
        Grid->SetWordWrap(Wrap);
        EXPECT_EQ(Grid->WordWraps(2, 2), Wrap);
        EXPECT_TRUE(Grid->HasCellProperties(2, 2));
        Grid->SetWordWraps(2, 2, !Wrap);
        EXPECT_EQ(Grid->WordWraps(2, 2), !Wrap);
    }
    // Fonts copies name, size, style and colour.
    TFont Font;
    Font.SetName(QStringLiteral("Tahoma"));
    Font.SetSize(11);
    Font.SetStyle({fsBold});
    Font.SetColor(clMaroon);
    Grid->SetFonts(3, 3, &Font);
    EXPECT_EQ(Grid->FontNames(3, 3), QStringLiteral("Tahoma"));
    EXPECT_EQ(Grid->FontSizes(3, 3), 11);
    EXPECT_TRUE(Grid->FontStyles(3, 3).Contains(fsBold));
    EXPECT_EQ(Grid->FontColors(3, 3), clMaroon);
}

TEST_F(AccessTest, CellControlsCountAndBounds)
{
    Show();
    auto* Panel = New<TPanel>(Form.get());
    const TRect Cell = Grid->TBaseGrid::CellRect(2, 3);
    for (int32_t Round = 0; Round < 2; ++Round) {
        Grid->SetCellControls(2, 3, Panel);
        Grid->SetCellControls(2, 3, Panel);
        EXPECT_EQ(Grid->NumCellControls(), 1) << Round;
        EXPECT_EQ(Grid->CellControls(2, 3), Panel);
        EXPECT_EQ(Panel->Parent(), Grid);
        EXPECT_EQ(Panel->Left(), Cell.Left - 1);
        EXPECT_EQ(Panel->Top(), Cell.Top - 1);
        EXPECT_EQ(Panel->Width(), Cell.Width() + 1);
        EXPECT_EQ(Panel->Height(), Cell.Height() + 1);
        Grid->SetCellControls(2, 3, nullptr);
        Grid->SetCellControls(2, 3, nullptr);
        Grid->SetCellControls(4, 4, nullptr);
        EXPECT_EQ(Grid->NumCellControls(), 0) << Round;
        EXPECT_EQ(Grid->CellControls(2, 3), nullptr);
    }
    // Two cells, one control list entry each.
    auto* Second = New<TPanel>(Form.get());
    Grid->SetCellControls(2, 3, Panel);
    Grid->SetCellControls(3, 4, Second);
    EXPECT_EQ(Grid->NumCellControls(), 2);
    Grid->SetCellControls(2, 3, nullptr);
    EXPECT_EQ(Grid->NumCellControls(), 1);
    EXPECT_EQ(Grid->CellControls(3, 4), Second);
    Grid->SetCellControls(3, 4, nullptr);

    // With a hidden row the list keys the controls by real row, and a cell finds its own entry.
    Grid->HideRow(1);
    Grid->SetCellControls(2, 3, Panel);
    Grid->SetCellControls(2, 4, Second);
    EXPECT_GE(Grid->FControlList->ControlIndex(2, 4), 0);
    EXPECT_GE(Grid->FControlList->ControlIndex(2, 5), 0);
    EXPECT_EQ(Grid->FControlList->Count(), 2);
    Grid->SetCellControls(2, 4, nullptr);
    EXPECT_GE(Grid->FControlList->ControlIndex(2, 4), 0);
    EXPECT_LT(Grid->FControlList->ControlIndex(2, 5), 0);
    Grid->SetCellControls(2, 3, nullptr);
    EXPECT_EQ(Grid->FControlList->Count(), 0);
    EXPECT_EQ(Grid->NumCellControls(), 0);
}

TEST_F(AccessTest, ScrollBarFollowingTheTextIsFittedToIt)
{
    Grid->SetCellEx(1, 1, QStringLiteral("one"));
    Grid->AddScrollBar(1, 1, true);
    const TScrollProp One = Grid->GetScrollProp(1, 1);
    EXPECT_EQ(One.PageSize, Grid->RowHeights(1));
    Grid->SetCellEx(1, 1, QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
    const TScrollProp Four = Grid->GetScrollProp(1, 1);
    TPoint Size{0, 0};
    Grid->GetCellTextSize(1, 1, Size, false, true);
    EXPECT_EQ(Four.Range, Size.Y);
    EXPECT_GT(Four.Range, One.Range);
    // A bar with its own range keeps it.
    Grid->AddScrollBar(2, 1, false);
    Grid->SetCellEx(2, 1, QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(Grid->GetScrollProp(2, 1).Range, 100);
}

}  // namespace
