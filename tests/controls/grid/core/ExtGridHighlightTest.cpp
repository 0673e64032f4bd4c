// Highlighting and error marks over cells, columns, rows and the grid (round trips with "<" and "&",
// the columns each operation reaches), cell checking, the fills and cells as dates and times.
#include "ExtGridTestSupport.h"

#include "grid/base/CellCheck.h"
#include "grid/core/FloatingFooter.h"

#include "rtl/DateTime.h"
#include "rtl/Exceptions.h"
#include "rtl/FormatSettings.h"

namespace {

TEST_F(ExtGridFixture, HighlightRoundTrips)
{
    struct TCase {
        const char* Cell;
        const char* Text;
        bool DoCase;
        const char* Highlighted;
    };
    const TCase Cases[] = {
        {"xAbyab", "ab", false, "x<hi>Ab</hi>y<hi>ab</hi>"},
        {"xAbyab", "ab", true, "xAby<hi>ab</hi>"},
        {"a<b", "a<b", false, "<hi>a&lt;b</hi>"},
        {"A & B", "&", false, "A <hi>&amp;</hi> B"},
        {"say \"hi\"", "\"hi\"", false, "say <hi>&quot;hi&quot;</hi>"},
        // Markup in the cell shows as text once highlighted.
        {"<b>x</b>", "x", false, "&lt;b&gt;<hi>x</hi>&lt;/b&gt;"},
        // A tag typed as text survives.
        {"<hi> y", "y", false, "&lt;hi&gt; <hi>y</hi>"},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Cell);
        Grid->SetCells(1, 1, QString::fromUtf8(C.Cell));
        Grid->HilightInCell(C.DoCase, 1, 1, QString::fromUtf8(C.Text));
        EXPECT_EQ(Grid->Cells(1, 1), QString::fromUtf8(C.Highlighted));
        Grid->UnHilightInCell(1, 1);
        EXPECT_EQ(Grid->Cells(1, 1), QString::fromUtf8(C.Cell));
        // Error marks the same way with their own tag.
        Grid->MarkInCell(C.DoCase, 1, 1, QString::fromUtf8(C.Text));
        EXPECT_EQ(Grid->Cells(1, 1), QString::fromUtf8(C.Highlighted).replace(QStringLiteral("hi>"), QStringLiteral("e>")));
        Grid->UnHilightInCell(1, 1);
        EXPECT_NE(Grid->Cells(1, 1), QString::fromUtf8(C.Cell));
        Grid->UnMarkInCell(1, 1);
        EXPECT_EQ(Grid->Cells(1, 1), QString::fromUtf8(C.Cell));
    }
}

// Cells without a match, or without the tag, keep their text as it was.
TEST_F(ExtGridFixture, OnlyMatchedCellsAreWritten)
{
    Grid->SetCells(1, 1, QStringLiteral("A & B"));
    Grid->SetCells(2, 1, QStringLiteral("5 &lt; 6"));
    Grid->SetCells(3, 1, QStringLiteral("x"));
    QList<TPoint> Written;
    Grid->OnGetDisplText = nullptr;
    Grid->HilightInGrid(false, false, QStringLiteral("x"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("A & B"));
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("5 &lt; 6"));
    EXPECT_EQ(Grid->Cells(3, 1), QStringLiteral("<hi>x</hi>"));
    Grid->UnHilightInGrid(false);
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("A & B"));
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("5 &lt; 6"));
    EXPECT_EQ(Grid->Cells(3, 1), QStringLiteral("x"));
}

// The text-only forms.
TEST(ExtGridHighlightText, TextForms)
{
    EXPECT_EQ(TExtStringGrid::HilightText(false, QStringLiteral("aXa"), QStringLiteral("x")),
              QStringLiteral("a<hi>X</hi>a"));
    EXPECT_EQ(TExtStringGrid::UnHilightText(QStringLiteral("a<HI>X</hi>&lt;")), QStringLiteral("aX<"));
    EXPECT_EQ(TExtStringGrid::MarkText(true, QStringLiteral("aXa"), QStringLiteral("x")), QStringLiteral("aXa"));
    EXPECT_EQ(TExtStringGrid::UnMarkText(QStringLiteral("<e>b</E>")), QStringLiteral("b"));
}

// Which stored columns each operation reaches: one fixed column, one right fixed column, one hidden
// column; "h" operations reach one column further.
TEST_F(ExtGridFixture, ColumnRangesOfEachOperation)
{
    Grid->SetColCount(6);
    Grid->SetRowCount(4);
    Grid->SetFixedRightCols(1);
    auto FillAll = [&] {
        for (int32_t c = 0; c < 6; ++c)
            for (int32_t r = 0; r < 4; ++r) Grid->SetCells(c, r, QStringLiteral("q"));
    };
    auto FillMarked = [&] {
        for (int32_t c = 0; c < 6; ++c)
            for (int32_t r = 0; r < 4; ++r) Grid->SetCells(c, r, QStringLiteral("<hi>q</hi><e>q</e>"));
    };
    // Columns of row 1 changed, as a string of 0 and 1 over the stored columns 0..5.
    auto Changed = [&](const QString& Original) {
        QString S;
        for (int32_t c = 0; c < 6; ++c) S += Grid->Cells(c, 1) == Original ? u'0' : u'1';
        return S;
    };
    struct TCase {
        const char* Name;
        bool Unmark;
        std::function<void()> Run;
        const char* Columns;
    };
    TTestExtGrid* G = Grid;
    const QString Q = QStringLiteral("q");
    const TCase Cases[] = {
        {"HilightInGrid", false, [&] { G->HilightInGrid(false, false, Q); }, "011110"},
        {"HilightInGrid fixed", false, [&] { G->HilightInGrid(true, false, Q); }, "111110"},
        {"MarkInGrid", false, [&] { G->MarkInGrid(false, false, Q); }, "011100"},
        {"MarkInGrid fixed", false, [&] { G->MarkInGrid(true, false, Q); }, "111110"},
        {"HilightInRow", false, [&] { G->HilightInRow(false, false, 1, Q); }, "011100"},
        {"MarkInRow fixed", false, [&] { G->MarkInRow(true, false, 1, Q); }, "111110"},
        {"UnHilightInRow", true, [&] { G->UnHilightInRow(false, 1); }, "011110"},
        {"UnHilightInRow fixed", true, [&] { G->UnHilightInRow(true, 1); }, "111111"},
        {"UnMarkInGrid", true, [&] { G->UnMarkInGrid(false); }, "011110"},
        {"UnMarkInGrid fixed", true, [&] { G->UnMarkInGrid(true); }, "111111"},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->UnHideColumnsAll();
        if (C.Unmark) FillMarked(); else FillAll();
        Grid->HideColumn(2);
        C.Run();
        EXPECT_EQ(Changed(C.Unmark ? QStringLiteral("<hi>q</hi><e>q</e>") : Q), QString::fromUtf8(C.Columns));
    }
}

// Rows: normal rows stop above the footer row, DoFixed reaches every row.
TEST_F(ExtGridFixture, RowRangesOfColumnOperations)
{
    Grid->SetRowCount(5);
    for (int32_t r = 0; r < 5; ++r) Grid->SetCells(1, r, QStringLiteral("q"));
    Grid->FloatingFooter()->SetVisible(true);
    Grid->HilightInCol(false, false, 1, QStringLiteral("q"));
    QString S;
    for (int32_t r = 0; r < 5; ++r) S += Grid->Cells(1, r) == QStringLiteral("q") ? u'0' : u'1';
    EXPECT_EQ(S, QStringLiteral("01110"));
    Grid->UnHilightInCol(true, 1);
    Grid->MarkInCol(true, false, 1, QStringLiteral("q"));
    S.clear();
    for (int32_t r = 0; r < 5; ++r) S += Grid->Cells(1, r) == QStringLiteral("<e>q</e>") ? u'1' : u'0';
    EXPECT_EQ(S, QStringLiteral("11111"));
}

// With OnGetDisplText the shown text is what gets highlighted and stored.
TEST_F(ExtGridFixture, HighlightStoresTheDisplayedText)
{
    Grid->SetCells(1, 1, QStringLiteral("raw"));
    Grid->OnGetDisplText = [](TObject*, int32_t, int32_t, QString& Value) { Value = Value.toUpper(); };
    Grid->HilightInCell(false, 1, 1, QStringLiteral("a"));
    Grid->OnGetDisplText = nullptr;
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("R<hi>A</hi>W"));
}

// ---------------------------------------------------------------------------------------------

class TTestChecker : public TExtStringGridCheck {
public:
    using TExtStringGridCheck::TExtStringGridCheck;
    QString Correct(int32_t ACol, int32_t ARow, const QString& S) override
    {
        Checked << Point(ACol, ARow);
        return S == QStringLiteral("teh") ? QStringLiteral("the") : S;
    }
    QString MarkError(int32_t, int32_t, const QString& S) override
    {
        return S == QStringLiteral("teh") ? QStringLiteral("<e>teh</e>") : S;
    }
    void StartCheck() override { Calls << QStringLiteral("start"); }
    void StopCheck() override { Calls << QStringLiteral("stop"); }
    QList<TPoint> Checked;
    QStringList Calls;
};

TEST_F(ExtGridFixture, CheckingEveryCellOfARange)
{
    EXPECT_TRUE(Grid->CheckGrid(false));  // no checker
    auto* Checker = New<TTestChecker>(Form.get());
    Grid->SetCellChecker(Checker);
    Checker->SetUseCorrect(true);
    Checker->SetGotoCell(true);
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->SetCells(1, 1, QStringLiteral("teh"));
    Grid->SetCells(2, 2, QStringLiteral("ok"));
    Grid->FocusCell(2, 1);
    EXPECT_FALSE(Grid->CheckGrid(false));
    // Rows outer; every cell after the failing one is still checked.
    EXPECT_EQ(Checker->Checked, QList<TPoint>({Point(1, 1), Point(2, 1), Point(1, 2), Point(2, 2)}));
    EXPECT_EQ(Checker->Calls, QStringList({QStringLiteral("start"), QStringLiteral("stop")}));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("the"));
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_TRUE(Grid->CheckCol(false, 1));

    // Marking replaces earlier marks; with both on, the marked text is what remains.
    Grid->SetCells(1, 1, QStringLiteral("teh"));
    Checker->SetUseMarkError(true);
    EXPECT_FALSE(Grid->CheckCell(1, 1));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("<e>teh</e>"));
    EXPECT_FALSE(Grid->CheckRow(false, 1));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("<e>teh</e>"));
    Grid->SetCellChecker(nullptr);
}

// ---------------------------------------------------------------------------------------------

TEST_F(ExtGridFixture, FillsOverTheirRange)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    Grid->LinearFill(false);
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("1:1"));
    EXPECT_EQ(Grid->Cells(2, 3), QStringLiteral("2:3"));
    EXPECT_EQ(Grid->Cells(0, 0), QString());
    Grid->LinearFill(true);
    EXPECT_EQ(Grid->Cells(0, 0), QStringLiteral("0:0"));

    Grid->FormatFill(false, QStringLiteral("c%d r%d"));
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("c2 r1"));
    // The platform's checked formatting refuses a template that does not take two integers.
    EXPECT_THROW(Grid->FormatFill(false, QStringLiteral("%s")), EConvertError);

    Grid->TextFill(false, QStringLiteral("t"));
    EXPECT_EQ(Grid->Cells(1, 3), QStringLiteral("t"));
    EXPECT_EQ(Grid->Cells(0, 3), QStringLiteral("0:3"));

    Grid->RandomFill(false, 3);
    for (int32_t c = 1; c < 3; ++c)
        for (int32_t r = 1; r < 4; ++r) {
            EXPECT_GE(Grid->Ints(c, r), 0);
            EXPECT_LT(Grid->Ints(c, r), 3);
        }
    Grid->RandomFill(false, 0);
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("0"));
}

// Fills end by recalculating the footers.
TEST_F(ExtGridFixture, FillRecalculatesFooters)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(5);
    Grid->FloatingFooter()->SetVisible(true);
    Grid->FloatingFooter()->SetColumnCalc(1, acSUM);
    Grid->TextFill(false, QStringLiteral("2"));
    // Rows 1..3 are normal; the footer row is not filled.
    EXPECT_DOUBLE_EQ(Grid->Floats(1, 4), 6);
}

TEST_F(ExtGridFixture, DatesAndTimes)
{
    TFormatSettings S = FormatSettings();
    S.DateSeparator = QLatin1Char('-');
    S.ShortDateFormat = QStringLiteral("yyyy/mm/dd");
    S.TimeSeparator = QLatin1Char(':');
    S.LongTimeFormat = QStringLiteral("hh:nn:ss");
    SetFormatSettings(S);
    const TDateTime Day = EncodeDate(2024, 2, 29);
    Grid->SetDates(1, 1, Day);
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("2024-02-29"));
    EXPECT_DOUBLE_EQ(Grid->Dates(1, 1), Day);
    Grid->SetShowNullDates(false);
    Grid->SetDates(1, 1, 0);
    EXPECT_EQ(Grid->Cells(1, 1), QString());
    Grid->SetDates(1, 1, -1);
    EXPECT_EQ(Grid->Cells(1, 1), QString());
    Grid->SetShowNullDates(true);
    Grid->SetDates(1, 1, 0);
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("1899-12-30"));

    const TDateTime Time = EncodeTime(13, 5, 9, 0);
    Grid->SetTimes(2, 1, Time);
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("13:05:09"));
    EXPECT_NEAR(Grid->Times(2, 1), Time, 1e-9);
    ResetFormatSettings();
}

}  // namespace
