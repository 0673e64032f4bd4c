// Find, FindNext, Replace and the incremental row search: every find flag in one table, the start
// step and the end of the range, ignored and hidden columns, hidden rows, replacing under the flags.
#include "ExtGridTestSupport.h"

#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SortSettings.h"

namespace {

class ExtGridFindFixture : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        // Columns 1..3 and rows 1..4 are normal; (1, 0) is a header.
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
        const char* Texts[4][3] = {
            {"xABCx", "abcd", "foo"},
            {"abc", "", "Banana"},
            {"x<b>abc</b>", "ABC", "bar"},
            {"zzz", "ab", "abc"},
        };
        for (int32_t r = 0; r < 4; ++r)
            for (int32_t c = 0; c < 3; ++c) Grid->SetCells(c + 1, r + 1, QString::fromUtf8(Texts[r][c]));
        Grid->SetCells(1, 0, QStringLiteral("abc"));
        for (int32_t r = 0; r < 5; ++r) Grid->SetCells(0, r, QStringLiteral("-"));
    }
};

struct TFindCase {
    const char* Name;
    TFindParams Flags;
    const char* Text;
    TPoint Start;
    TPoint Expected;
    int32_t Col = -1;  // current cell, FindCol and FindRow before the search; -1 leaves them
    int32_t Row = -1;
};

TEST_F(ExtGridFindFixture, FindFlags)
{
    const TPoint None = Point(-1, -1);
    const TPoint First = Point(-1, -1);
    const TFindCase Cases[] = {
        {"substring, any case, column order", {}, "abc", First, Point(1, 1)},
        {"fnMatchCase", {fnMatchCase}, "abc", First, Point(1, 2)},
        {"fnMatchFull", {fnMatchFull}, "ab", First, Point(2, 4)},
        {"fnMatchStart", {fnMatchStart}, "ab", First, Point(1, 2)},
        {"fnMatchStart row order", {fnMatchStart, fnDirectionLeftRight}, "ab", First, Point(2, 1)},
        {"fnMatchRegular", {fnMatchRegular}, "b*", First, Point(3, 2)},
        {"fnBackward from the last cell", {fnBackward}, "abc", First, Point(3, 4)},
        {"fnBackward row order", {fnBackward, fnDirectionLeftRight, fnMatchStart}, "ab", First, Point(3, 4)},
        {"two quotes: an empty cell", {}, "\"\"", First, Point(2, 2)},
        {"empty text finds nothing", {}, "", First, None},
        {"fnIncludeFixed", {fnIncludeFixed}, "abc", First, Point(1, 0)},
        {"fnIgnoreHTMLTags", {fnIgnoreHTMLTags, fnMatchFull}, "xabc", First, Point(1, 3)},
        {"tags compared without fnIgnoreHTMLTags", {fnMatchFull}, "xabc", First, None},
        {"fnFindInCurrentRow", {fnFindInCurrentRow}, "ab", First, Point(2, 4), 1, 4},
        {"fnFindInCurrentCol", {fnFindInCurrentCol}, "abc", First, Point(2, 1), 2, 1},
        {"fnFindInPresetCol", {fnFindInPresetCol}, "abc", First, Point(3, 4), 3, 1},
        {"fnFindInPresetRow", {fnFindInPresetRow}, "a", First, Point(2, 4), 1, 4},
        {"fnAutoGoto", {fnAutoGoto}, "bar", First, Point(3, 3)},
        {"step from a match, column order", {}, "abc", Point(1, 1), Point(1, 2)},
        {"step from a match, row order", {fnDirectionLeftRight}, "abc", Point(1, 1), Point(2, 1)},
        {"last cell, row order: no wrap-around", {fnDirectionLeftRight}, "abc", Point(3, 4), None},
        {"last cell, column order: no wrap-around", {}, "abc", Point(3, 4), None},
        {"first cell backward: no wrap-around", {fnBackward}, "abc", Point(1, 1), None},
        {"pinned column, row order, moves on", {fnFindInCurrentCol, fnDirectionLeftRight}, "abc", Point(1, 1),
         Point(1, 2), 1, 1},
        {"pinned row, column order, moves on", {fnFindInCurrentRow}, "ab", Point(1, 1), Point(2, 1), 1, 1},
    };
    for (const TFindCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        if (C.Col >= 0) {
            Grid->FocusCell(C.Col, C.Row);
            Grid->SetFindCol(C.Col);
            Grid->SetFindRow(C.Row);
        } else {
            Grid->FocusCell(1, 1);
        }
        const TPoint Found = Grid->Find(C.Start, QString::fromUtf8(C.Text), C.Flags);
        EXPECT_EQ(Found, C.Expected);
        EXPECT_EQ(Grid->FindBusy(), Found != None);
        if (C.Flags.Contains(fnAutoGoto)) {
            EXPECT_EQ(Grid->Col(), C.Expected.X);
            EXPECT_EQ(Grid->Row(), C.Expected.Y);
        }
    }
}

TEST_F(ExtGridFindFixture, SelectedCellsOnly)
{
    TGridRect Sel;
    Sel.Left = 2;
    Sel.Top = 3;
    Sel.Right = 3;
    Sel.Bottom = 4;
    Grid->SetSelection(Sel);
    EXPECT_EQ(Grid->Find(Point(-1, -1), QStringLiteral("abc"), {fnSelectedCells}), Point(2, 3));
    EXPECT_EQ(Grid->Find(Point(-1, -1), QStringLiteral("foo"), {fnSelectedCells}), Point(-1, -1));
}

// FindNext walks every match of the last search once and ends without wrapping.
TEST_F(ExtGridFindFixture, FindNextVisitsEachMatchOnce)
{
    QList<TPoint> Seen{Grid->FindFirst(QStringLiteral("abc"), {fnDirectionLeftRight})};
    for (int k = 0; k < 10 && Seen.last() != Point(-1, -1); ++k) Seen << Grid->FindNext();
    EXPECT_EQ(Seen, QList<TPoint>({Point(1, 1), Point(2, 1), Point(1, 2), Point(1, 3), Point(2, 3), Point(3, 4),
                                   Point(-1, -1)}));
}

TEST_F(ExtGridFindFixture, IgnoredColumnsSkippedOnlyRowWise)
{
    Grid->IgnoreColumns()->Add(1);
    EXPECT_EQ(Grid->Find(Point(-1, -1), QStringLiteral("abc"), {fnDirectionLeftRight}), Point(2, 1));
    EXPECT_EQ(Grid->Find(Point(-1, -1), QStringLiteral("abc"), {}), Point(1, 1));
}

TEST_F(ExtGridFindFixture, HiddenColumnsAndRows)
{
    Grid->HideColumn(2);
    // Displayed column 2 is stored column 3.
    EXPECT_EQ(Grid->Find(Point(-1, -1), QStringLiteral("foo"), {}), Point(2, 1));
    EXPECT_EQ(Grid->Find(Point(-1, -1), QStringLiteral("abcd"), {}), Point(-1, -1));
    EXPECT_EQ(Grid->Find(Point(-1, -1), QStringLiteral("abcd"), {fnIncludeHiddenColumns}), Point(2, 1));
    Grid->UnHideColumnsAll();

    Grid->HideRow(2);
    EXPECT_EQ(Grid->Find(Point(-1, -1), QStringLiteral("banana"), {}), Point(-1, -1));
    // Real row indexes.
    EXPECT_EQ(Grid->Find(Point(-1, -1), QStringLiteral("banana"), {fnIncludeHiddenRows}), Point(3, 2));
    EXPECT_EQ(Grid->Find(Point(-1, -1), QStringLiteral("bar"), {fnIncludeHiddenRows}), Point(3, 3));
    EXPECT_EQ(Grid->Find(Point(-1, -1), QStringLiteral("bar"), {}), Point(3, 2));
}

// Going to a match in a contracted node expands the node.
TEST_F(ExtGridFindFixture, AutoGotoExpandsTheNodeHoldingTheRow)
{
    Grid->AddNode(1, 3);
    Grid->ContractNode(1);
    ASSERT_EQ(Grid->RowCount(), 3);
    const TPoint Found = Grid->Find(Point(-1, -1), QStringLiteral("x<b>"), {fnIncludeHiddenRows, fnAutoGoto});
    EXPECT_EQ(Found, Point(1, 3));
    EXPECT_EQ(Grid->RowCount(), 5);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Grid->Col(), 1);
}

TEST_F(ExtGridFindFixture, WideFindReadsTheCellTexts)
{
    EXPECT_EQ(Grid->FindWide(Point(-1, -1), QStringLiteral("BANANA"), {fnMatchCase}), Point(-1, -1));
    EXPECT_EQ(Grid->FindWide(Point(-1, -1), QStringLiteral("Banana"), {fnMatchCase}), Point(3, 2));
}

struct TReplaceCase {
    const char* Name;
    const char* Cell;
    const char* Orig;
    const char* New;
    TFindParams Flags;
    const char* Expected;
    int32_t Count;
};

TEST(ExtGridReplace, ReplaceUnderTheFlags)
{
    const TReplaceCase Cases[] = {
        {"every occurrence, any case", "banana", "a", "A", {}, "bAnAnA", 1},
        {"fnMatchCase leaves other cases", "Abc abc", "abc", "X", {fnMatchCase}, "Abc X", 1},
        {"any case without fnMatchCase", "Abc abc", "abc", "X", {}, "X X", 1},
        {"tag text stays with fnIgnoreHTMLTags", "<b>b</b> b", "b", "i", {fnIgnoreHTMLTags}, "<b>i</b> i", 1},
        {"a replacement holding the text", "ab", "a", "aa", {}, "aab", 1},
        {"same text again: not counted", "ABC", "abc", "ABC", {}, "ABC", 0},
        {"no match", "xyz", "abc", "X", {}, "xyz", 0},
        {"empty text", "xyz", "", "X", {}, "xyz", 0},
    };
    for (const TReplaceCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        std::unique_ptr<TTestExtGrid> Grid(New<TTestExtGrid>(nullptr));
        Grid->SetColCount(3);
        Grid->SetRowCount(3);
        Grid->SetCells(1, 1, QString::fromUtf8(C.Cell));
        Grid->SetCells(2, 2, QStringLiteral("other"));
        EXPECT_EQ(Grid->Replace(QString::fromUtf8(C.Orig), QString::fromUtf8(C.New), C.Flags), C.Count);
        EXPECT_EQ(Grid->Cells(1, 1), QString::fromUtf8(C.Expected));
        EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("other"));
    }
}

TEST_F(ExtGridFindFixture, ReplaceWritesTheCellItMatched)
{
    Grid->ShowModified()->SetEnabled(true);
    Grid->HideColumn(1);
    // Displayed (1, 1) is stored (2, 1), "abcd".
    EXPECT_EQ(Grid->Replace(QStringLiteral("abcd"), QStringLiteral("X"), {fnMatchFull}), 1);
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("X"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("xABCx"));
    EXPECT_TRUE(Grid->RowModified(1));
    EXPECT_FALSE(Grid->RowModified(2));
    Grid->UnHideColumnsAll();

    Grid->HideRow(2);
    EXPECT_EQ(Grid->Replace(QStringLiteral("banana"), QStringLiteral("Y"), {fnIncludeHiddenRows}), 1);
    Grid->UnHideRowsAll();
    EXPECT_EQ(Grid->Cells(3, 2), QStringLiteral("Y"));
}

TEST_F(ExtGridFindFixture, IncrementalSearchInTheSearchColumn)
{
    Grid->SetCells(1, 3, QStringLiteral("<b>Abz</b>"));
    // Markup removed, any case; the first normal column while sorting is not shown.
    EXPECT_EQ(Grid->Search(QStringLiteral("ABZ")), 3);
    EXPECT_EQ(Grid->Search(QStringLiteral("ZZ")), 4);
    EXPECT_EQ(Grid->Search(QStringLiteral("Q")), -1);
    Grid->SortSettings()->SetShow(true);
    Grid->SortSettings()->SetColumn(3);
    EXPECT_EQ(Grid->Search(QStringLiteral("BA")), 2);
    Grid->SortSettings()->SetColumn(-1);
    EXPECT_EQ(Grid->Search(QStringLiteral("BA")), -1);
}

}  // namespace
