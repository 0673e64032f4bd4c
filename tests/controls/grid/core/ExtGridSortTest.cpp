// Sorting the string grid's rows: the sort styles under two locales, blanks, ties, sort keys,
// the footer, column 0, the cross-reference, putting rows back, and the moved row data; the
// quick sort against a reference partition on random tables.
#include "ExtGridTestSupport.h"
#include "grid/core/FlagList.h"

#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SortSettings.h"

#include "rtl/FormatSettings.h"
#include "rtl/List.h"

#include <random>

namespace {

class TSortGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    using TTestExtGrid::FModifiedRows;
    using TTestExtGrid::FNormalRowCount;
    using TTestExtGrid::FRowSelect;
};

class ExtGridSortFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Grid = MakeGrid();
        UseLocale(0);
    }
    void TearDown() override { ResetFormatSettings(); }

    TSortGrid* MakeGrid()
    {
        auto* G = New<TSortGrid>(Form.get());
        G->SetParent(Form.get());
        G->SetColCount(5);
        return G;
    }

    // 0: "." decimal, "," thousands, "/" dates day first; 1: "," decimal, "." thousands, "." dates.
    static void UseLocale(int32_t Which)
    {
        TFormatSettings S = FormatSettings();
        S.DecimalSeparator = QLatin1Char(Which == 0 ? '.' : ',');
        S.ThousandSeparator = QLatin1Char(Which == 0 ? ',' : '.');
        S.DateSeparator = QLatin1Char(Which == 0 ? '/' : '.');
        S.TimeSeparator = QLatin1Char(':');
        S.ShortDateFormat = Which == 0 ? QStringLiteral("dd/mm/yyyy") : QStringLiteral("dd.mm.yyyy");
        SetFormatSettings(S);
    }

    // Column 1 holds Texts under one fixed row; column 4 the row's id (its first position).
    void Fill(TSortGrid* G, const QStringList& Texts)
    {
        G->SetRowCount(static_cast<int32_t>(Texts.size()) + 1);
        for (int32_t k = 0; k < Texts.size(); ++k) {
            for (int32_t c = 0; c < 4; ++c) G->SetCells(c, k + 1, QString());
            G->SetCells(1, k + 1, Texts[k]);
            G->SetCells(4, k + 1, QString::number(k + 1));
        }
    }
    static QStringList Column(TSortGrid* G, int32_t ACol)
    {
        QStringList Result;
        for (int32_t r = G->FixedRows(); r < G->RowCount(); ++r) Result << G->Cells(ACol, r);
        return Result;
    }
    // No row lost or doubled: the ids are a permutation.
    static void ExpectIdsIntact(TSortGrid* G)
    {
        QStringList Ids = Column(G, 4);
        Ids.sort();
        for (int32_t k = 1; k < Ids.size(); ++k) EXPECT_NE(Ids[k - 1], Ids[k]);
    }
    void UseStyle(TSortStyle Style, const QString& Prefix = QString())
    {
        Grid->OnGetFormat = [Style, Prefix](TObject*, int32_t, TSortStyle& AStyle, QString& APrefix, QString&) {
            AStyle = Style;
            APrefix = Prefix;
        };
    }

    std::unique_ptr<TForm> Form;
    TSortGrid* Grid = nullptr;
};

const QStringList L(std::initializer_list<const char*> Items)
{
    QStringList Result;
    for (const char* Item : Items) Result << QString::fromUtf8(Item);
    return Result;
}

// Each style sorts ascending as tabled, under both locales (texts in the locale's own separators).
TEST_F(ExtGridSortFixture, StylesSortAsTabledUnderTwoLocales)
{
    struct TCase {
        int32_t Locale;
        TSortStyle Style;
        QString Prefix;
        QStringList Input;
        QStringList Expected;
    };
    const TCase Cases[] = {
        {0, ssAutomatic, {}, L({"10", "9", "100"}), L({"9", "10", "100"})},
        {0, ssAlphabetic, {}, L({"10", "9", "100"}), L({"10", "100", "9"})},
        {0, ssAlphabetic, {}, L({"b", "A", "a"}), L({"A", "a", "b"})},
        {0, ssAlphaCase, {}, L({"b", "_", "a"}), L({"_", "a", "b"})},
        // Only a-z are upper-cased: "a" sorts as "A", before "_".
        {0, ssAlphaNoCase, {}, L({"_", "b", "a"}), L({"a", "b", "_"})},
        {0, ssAlphaNoCase, {}, L({"é", "E", "f"}), L({"E", "f", "é"})},
        {0, ssNumeric, QStringLiteral("$"), L({"$40", "$5", "$-2"}), L({"$-2", "$5", "$40"})},
        {0, ssNumeric, {}, L({"5", "", "-1"}), L({"-1", "", "5"})},
        {0, ssNumeric, {}, L({"1e3", "2.5", "12"}), L({"2.5", "12", "1e3"})},
        // A partly numeric text counts as 0; two texts that are no numbers compare equal.
        {0, ssNumeric, {}, L({"3", "2x", "-1"}), L({"-1", "2x", "3"})},
        {0, ssNumeric, {}, L({"x", "y"}), L({"x", "y"})},
        {0, ssFinancial, {}, L({"1,200.50", "999.99", "12"}), L({"12", "999.99", "1,200.50"})},
        {1, ssFinancial, {}, L({"1.200,50", "999,99", "12"}), L({"12", "999,99", "1.200,50"})},
        {1, ssNumeric, {}, L({"2,5", "10", "-0,5"}), L({"-0,5", "2,5", "10"})},
        {0, ssAutomatic, {}, L({"01/06/2020", "12/05/2020"}), L({"12/05/2020", "01/06/2020"})},
        {1, ssAutomatic, {}, L({"01.06.2020", "12.05.2020"}), L({"12.05.2020", "01.06.2020"})},
        {0, ssAutomatic, {}, L({"10:00", "9:30"}), L({"9:30", "10:00"})},
        {0, ssAutomatic, {}, L({"02/06/2020 10:00", "12/05/2020 09:00"}), L({"12/05/2020 09:00", "02/06/2020 10:00"})},
        // The separator is not the second or third character: alphabetic.
        {0, ssAutomatic, {}, L({"2020/5/01", "2020/12/05"}), L({"2020/12/05", "2020/5/01"})},
        {0, ssDate, {}, L({"01/06/2020", "", "12/05/2020"}), L({"", "12/05/2020", "01/06/2020"})},
        {0, ssTime, {}, L({"10:00", "x", "9:30"}), L({"x", "9:30", "10:00"})},
        {0, ssShortDateEU, {}, L({"01/06/20", "12/05/20"}), L({"12/05/20", "01/06/20"})},
        {0, ssShortDateUS, {}, L({"01/06/20", "12/05/20"}), L({"01/06/20", "12/05/20"})},
        {0, ssAlphaNumeric, {}, L({"10", "9"}), L({"9", "10"})},
        {0, ssAlphaNumeric, {}, L({"10", "9x"}), L({"10", "9x"})},
        {0, ssHTML, {}, L({"<b>b</b>", "a"}), L({"a", "<b>b</b>"})},
        // Without their events the custom and raw styles find every pair equal.
        {0, ssCustom, {}, L({"b", "a"}), L({"b", "a"})},
        {0, ssRaw, {}, L({"b", "a"}), L({"b", "a"})},
    };
    for (const TCase& C : Cases) {
        UseLocale(C.Locale);
        UseStyle(C.Style, C.Prefix);
        Fill(Grid, C.Input);
        Grid->Sort(1, sdAscending);
        EXPECT_EQ(Column(Grid, 1), C.Expected) << "style " << C.Style << " locale " << C.Locale << " "
                                               << C.Input.join(QLatin1Char('|')).toStdString();
        ExpectIdsIntact(Grid);
    }
}

TEST_F(ExtGridSortFixture, EventsCheckBoxesAndNoCase)
{
    Fill(Grid, L({"b", "c", "a"}));
    UseStyle(ssCustom);
    Grid->OnCustomCompare = [](TObject*, const QString& A, const QString& B, int32_t& Res) {
        Res = A < B ? 1 : (A == B ? 0 : -1);
    };
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(Grid, 1), L({"c", "b", "a"}));

    // The raw event sees the rows where they stand as the partition goes.
    UseStyle(ssRaw);
    Grid->OnRawCompare = [this](TObject*, int32_t ACol, int32_t R1, int32_t R2, int32_t& Res) {
        const QString A = Grid->GetGridCell(ACol, R1);
        const QString B = Grid->GetGridCell(ACol, R2);
        Res = A > B ? 1 : (A == B ? 0 : -1);
    };
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(Grid, 1), L({"a", "b", "c"}));
    Grid->OnRawCompare = nullptr;

    // Checked boxes count greater; column 2 holds them.
    Fill(Grid, L({"x", "y", "z"}));
    Grid->AddCheckBox(2, 1, true, false);
    Grid->AddCheckBox(2, 2, false, false);
    Grid->AddCheckBox(2, 3, true, false);
    Grid->OnGetFormat = nullptr;
    Grid->Sort(2, sdAscending);
    EXPECT_EQ(Column(Grid, 1), L({"y", "x", "z"}));
    EXPECT_FALSE(Grid->IsChecked(2, 1));
    EXPECT_TRUE(Grid->IsChecked(2, 2));

    // a and A compare equal without case.
    Grid->SortSettings()->SetIgnoreCase(true);
    Grid->SortSettings()->SetAutoFormat(false);
    Fill(Grid, L({"b", "A", "a"}));
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(Grid, 1).last(), QStringLiteral("b"));
    EXPECT_EQ(Grid->CompareCellsForSort(1, 1, 2, 0), 0);
}

// Blanks go last (or first) in both directions; Full breaks ties on the next columns.
TEST_F(ExtGridSortFixture, BlanksAndTies)
{
    Grid->SortSettings()->SetIgnoreBlanks(true);
    Grid->SortSettings()->SetBlankPos(blLast);
    for (const TSortDirection Dir : {sdAscending, sdDescending}) {
        Fill(Grid, L({"", "b", "", "a"}));
        Grid->Sort(1, Dir);
        EXPECT_EQ(Column(Grid, 1).mid(2), L({"", ""})) << Dir;
        EXPECT_EQ(Column(Grid, 1).first(), QString::fromLatin1(Dir == sdAscending ? "a" : "b"));
    }
    Grid->SortSettings()->SetBlankPos(blFirst);
    Fill(Grid, L({"b", "", "a"}));
    Grid->Sort(1, sdDescending);
    EXPECT_EQ(Column(Grid, 1), L({"", "b", "a"}));

    Grid->SortSettings()->SetIgnoreBlanks(false);
    for (const bool Full : {true, false}) {
        Grid->SortSettings()->SetFull(Full);
        Fill(Grid, L({"x", "x", "a"}));
        Grid->SetCells(2, 1, QStringLiteral("1"));
        Grid->SetCells(2, 2, QStringLiteral("2"));
        Grid->Sort(1, sdAscending);
        // With Full the tie goes to column 2; without it the partition leaves x, x as they met.
        EXPECT_EQ(Column(Grid, 2), Full ? L({"", "1", "2"}) : L({"", "2", "1"}));
    }
    // An ignored column takes no part: its ties fall through to the next column.
    Grid->SortSettings()->SetFull(true);
    Grid->IgnoreColumns()->Add(1);
    Fill(Grid, L({"b", "a"}));
    Grid->SetCells(2, 1, QStringLiteral("1"));
    Grid->SetCells(2, 2, QStringLiteral("2"));
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(Grid, 1), L({"b", "a"}));
}

TEST_F(ExtGridSortFixture, RunsKeepFooterColumnZeroAndUnsortBringsRowsBack)
{
    // No sort column: nothing at all.
    Fill(Grid, L({"b", "a"}));
    Grid->SortSettings()->SetColumn(-1);
    const int32_t Compares = Grid->SortCompares();
    Grid->QSort();
    EXPECT_EQ(Column(Grid, 1), L({"b", "a"}));
    EXPECT_EQ(Grid->SortCompares(), Compares);

    // A floating footer's row stays last with its values; the scratch rows are gone again.
    Fill(Grid, L({"c", "a", "b", "SUM"}));
    Grid->FloatingFooter()->SetVisible(true);
    ASSERT_EQ(Grid->FixedFooters(), 1);
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(Grid, 1), L({"a", "b", "c", "SUM"}));
    EXPECT_EQ(Grid->RowCount(), 5);
    EXPECT_EQ(Grid->FixedFooters(), 1);
    EXPECT_TRUE(Grid->FloatingFooter()->Visible());
    EXPECT_EQ(Grid->Cells(1, 5), QString());
    Grid->FloatingFooter()->SetVisible(false);

    // The cross-reference names each row's position before sorting; QUnSort puts them back,
    // fixed rows included.
    Fill(Grid, L({"c", "a", "b"}));
    Grid->SetCells(1, 0, QStringLiteral("head"));
    Grid->Sort(1, sdDescending);
    EXPECT_EQ(Column(Grid, 1), L({"c", "b", "a"}));
    EXPECT_EQ(Grid->SortRowXRef()->StrValue(), QStringLiteral("0,1,3,2"));
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Grid->SortRowXRef()->StrValue(), QStringLiteral("0,2,3,1"));
    Grid->QUnSort();
    EXPECT_EQ(Column(Grid, 1), L({"c", "a", "b"}));
    EXPECT_EQ(Grid->Cells(1, 0), QStringLiteral("head"));
    EXPECT_EQ(Grid->SortRowXRef()->StrValue(), QStringLiteral("0,1,2,3"));

    // With NormalCellsOnly and a fixed column, column 0 stays where it is.
    Grid->SortSettings()->SetNormalCellsOnly(true);
    Fill(Grid, L({"c", "a", "b"}));
    for (int32_t r = 1; r <= 3; ++r) Grid->SetCells(0, r, QString::number(r));
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(Grid, 0), L({"1", "2", "3"}));
    EXPECT_EQ(Column(Grid, 4), L({"2", "3", "1"}));
}

TEST_F(ExtGridSortFixture, IndexedSortAndSortLine)
{
    Fill(Grid, L({"a", "b", "a", "b"}));
    for (int32_t r = 1; r <= 4; ++r) Grid->SetCells(2, r, QString::number(r));
    // No keys: the error, before anything changes.
    const int32_t Rows = Grid->RowCount();
    try {
        Grid->QSortIndexed();
        ADD_FAILURE() << "no error";
    } catch (const EExtGridError& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("No indexes specified for indexed sort"));
    }
    EXPECT_EQ(Grid->RowCount(), Rows);
    EXPECT_EQ(Grid->SortRowXRef()->Count(), Rows);
    EXPECT_THROW(Grid->QuickSortIndexed(1, 4), EExtGridError);
    EXPECT_EQ(Grid->RowCount(), Rows);

    // Column 1 ascending, then column 2 descending.
    Grid->SortIndexes()->AddIndex(1, true);
    Grid->SortIndexes()->AddIndex(2, false);
    Grid->QSortIndexed();
    EXPECT_EQ(Column(Grid, 2), L({"3", "1", "4", "2"}));
    EXPECT_EQ(Grid->SortIndexes()->Count(), 2);
    // QSort forgets the keys.
    Grid->Sort(2, sdAscending);
    EXPECT_EQ(Grid->SortIndexes()->Count(), 0);
    EXPECT_EQ(Column(Grid, 2), L({"1", "2", "3", "4"}));

    // SortLine swaps two rows out of the last run's order; equal cells pass to the next column.
    EXPECT_FALSE(Grid->SortLine(2, 1, 2));
    const int32_t Swaps = Grid->SortSwaps();
    EXPECT_TRUE(Grid->SortLine(2, 2, 1));
    EXPECT_EQ(Grid->SortSwaps(), Swaps + 1);
    EXPECT_EQ(Column(Grid, 2), L({"2", "1", "3", "4"}));
    EXPECT_TRUE(Grid->SortLine(1, 3, 2));
    EXPECT_EQ(Column(Grid, 2), L({"2", "3", "1", "4"}));
}

// Heights, modified flags, disjunct selection flags and the current row follow their rows.
TEST_F(ExtGridSortFixture, RowDataFollowsTheRows)
{
    Grid->ShowModified()->SetEnabled(true);
    Grid->MouseActions()->SetDisjunctRowSelect(true);
    Grid->Navigation()->SetMoveRowOnSort(true);
    Fill(Grid, L({"d", "b", "c", "a"}));
    for (int32_t r = 1; r <= 4; ++r) Grid->SetRowHeights(r, 20 + r);
    Grid->FModifiedRows->Clear();
    for (int32_t r = 0; r <= 4; ++r) Grid->FModifiedRows->Add(r == 2 ? 1 : 0);
    Grid->SetRowSelect(3, true);
    Grid->SetRow(1);
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(Grid, 4), L({"4", "2", "3", "1"}));
    for (int32_t r = 1; r <= 4; ++r) {
        const int32_t Id = Grid->Cells(4, r).toInt();
        EXPECT_EQ(Grid->RowHeights(r), 20 + Id);
        EXPECT_EQ(Grid->FModifiedRows->GetInteger(r), Id == 2 ? 1 : 0);
        EXPECT_EQ(Grid->RowSelect(r), Id == 3);
    }
    // The current row went with its row (d, now last).
    EXPECT_EQ(Grid->Row(), 4);
}

// Only the children of the deepest expanded nodes move; node rows stay.
TEST_F(ExtGridSortFixture, GroupSortKeepsNodeRows)
{
    Fill(Grid, L({"g1", "c", "a", "b", "g2", "z", "y"}));
    Grid->MakeNode(1, 4);
    Grid->MakeNode(5, 3);
    Grid->SortSettings()->SetColumn(1);
    Grid->QSortGroup();
    EXPECT_EQ(Column(Grid, 1), L({"g1", "a", "b", "c", "g2", "y", "z"}));
    ExpectIdsIntact(Grid);
    EXPECT_EQ(Grid->RowCount(), 8);
    Grid->SortIndexes()->AddIndex(1, false);
    Grid->QSortGroupIndexed();
    EXPECT_EQ(Column(Grid, 1), L({"g1", "c", "b", "a", "g2", "z", "y"}));

    // A span reaching past the last row sorts only the rows there are; none is lost.
    Grid->SortIndexes()->Clear();
    Fill(Grid, L({"g", "b", "c", "a"}));
    Grid->MakeNode(1, 20);
    Grid->QSortGroup();
    EXPECT_EQ(Column(Grid, 1), L({"g", "a", "b", "c"}));
    EXPECT_EQ(Column(Grid, 4), L({"1", "4", "2", "3"}));
}

// A failing compare event escapes; the grid is whole again afterwards.
TEST_F(ExtGridSortFixture, FailingEventLeavesTheGridWhole)
{
    Fill(Grid, L({"b", "a", "c"}));
    Grid->FloatingFooter()->SetVisible(true);
    UseStyle(ssCustom);
    Grid->OnCustomCompare = [](TObject*, const QString&, const QString&, int32_t&) {
        throw Exception(QStringLiteral("boom"));
    };
    EXPECT_THROW(Grid->Sort(1, sdAscending), Exception);
    EXPECT_EQ(Grid->RowCount(), 4);
    EXPECT_EQ(Grid->ColCount(), 5);
    EXPECT_EQ(Grid->FixedFooters(), 1);
    EXPECT_EQ(Column(Grid, 1), L({"b", "a", "c"}));
}

QStringList ColumnTexts(TSortGrid* G, int32_t ACol)
{
    QStringList Result;
    for (int32_t r = G->FixedRows(); r < G->RowCount(); ++r) Result << G->Cells(ACol, r);
    return Result;
}

// The partition written out plainly: pivot copied into a scratch row, rows swapped in place.
void ReferenceSort(TSortGrid* G, bool Indexed, int32_t Col, int32_t Want, int32_t Left, int32_t Right)
{
    const int32_t Scratch = G->RowCount() - 2;
    const auto Cmp = [&](int32_t a, int32_t b) {
        return Indexed ? G->CompareRowsIndexed(0, a, b) : G->CompareRowsForSort(Col, a, b);
    };
    const int32_t m = (Left + Right) / 2;
    for (int32_t c = 0; c < G->ColCount(); ++c) {
        G->SetGridCell(c, Scratch, G->GetGridCell(c, m));
        G->SetObjects(c, Scratch, G->GetGridObject(c, m));
    }
    int32_t i = Left;
    int32_t j = Right;
    do {
        while (Cmp(Scratch, i) == Want && i < Right) ++i;
        while (Cmp(j, Scratch) == Want && Left < j) --j;
        if (i <= j) {
            if (i != j && (Indexed || Cmp(i, j) != 0)) G->SortSwapRows(i, j);
            ++i;
            --j;
        }
    } while (i <= j);
    if (Left < j) ReferenceSort(G, Indexed, Col, Want, Left, j);
    if (i < Right) ReferenceSort(G, Indexed, Col, Want, i, Right);
}

// One random table sorted by the grid and by the reference; both must leave the same rows in the
// same places with the same cross-reference, comparisons and swaps.
void SortBesideReference(TSortGrid* Grid, TSortGrid* Ref, const QStringList& Keys, std::mt19937& Random, int32_t Round)
{
    const int32_t N = 2 + static_cast<int32_t>(Random() % 60);
    const bool Indexed = Round % 3 == 2;
    const bool Descending = Round % 2 == 1;
    const bool Full = Round % 4 != 3;
    for (TSortGrid* G : {Grid, Ref}) {
        G->SetRowCount(N + 1);
        G->SortSettings()->SetFull(Full);
        G->SortSettings()->SetIgnoreBlanks(Round % 5 == 0);
        G->SortIndexes()->Clear();
    }
    for (int32_t r = 1; r <= N; ++r) {
        const QString K1 = Keys[static_cast<qsizetype>(Random() % Keys.size())];
        const QString K2 = Keys[static_cast<qsizetype>(Random() % Keys.size())];
        for (TSortGrid* G : {Grid, Ref}) {
            G->SetCells(1, r, K1);
            G->SetCells(2, r, K2);
            G->SetCells(4, r, QString::number(r));
            G->SetRowHeights(r, 18 + r % 7);
        }
    }
    const int32_t GridSwaps = Grid->SortSwaps();
    const int32_t GridCompares = Grid->SortCompares();
    if (Indexed) {
        Grid->SortIndexes()->AddIndex(2, !Descending);
        Grid->SortIndexes()->AddIndex(1, true);
        Ref->SortIndexes()->AddIndex(2, !Descending);
        Ref->SortIndexes()->AddIndex(1, true);
        Grid->QSortIndexed();
    } else {
        Grid->Sort(1, Descending ? sdDescending : sdAscending);
        Ref->SortSettings()->SetDirection(Descending ? sdDescending : sdAscending);
    }
    Ref->InitSortXRef();
    const int32_t Swaps = Ref->SortSwaps();
    const int32_t Compares = Ref->SortCompares();
    Ref->SetRowCount(N + 4);
    Ref->FNormalRowCount = N + 1;
    ReferenceSort(Ref, Indexed, 1, Indexed ? 1 : (Descending ? -1 : 1), 1, N);
    Ref->SetRowCount(N + 1);
    SCOPED_TRACE(testing::Message() << "round " << Round);
    EXPECT_EQ(ColumnTexts(Grid, 4), ColumnTexts(Ref, 4));
    EXPECT_EQ(Grid->SortRowXRef()->StrValue(), Ref->SortRowXRef()->StrValue());
    for (int32_t r = 1; r <= N; ++r) EXPECT_EQ(Grid->RowHeights(r), 18 + Grid->Cells(4, r).toInt() % 7);
    // The same partition: as many comparisons and swaps.
    EXPECT_EQ(Grid->SortCompares() - GridCompares, Ref->SortCompares() - Compares);
    EXPECT_EQ(Grid->SortSwaps() - GridSwaps, Ref->SortSwaps() - Swaps);
}

TEST_F(ExtGridSortFixture, QuickSortEqualsTheReferencePartition)
{
    const QStringList Keys = L({"", "", "1", "2", "10", "1.5", "-3", "a", "A", "b", "B", "x1", "1x", " 7"});
    TSortGrid* Ref = MakeGrid();
    std::mt19937 Random(20418);
    for (int32_t Round = 0; Round < 24; ++Round) {
        SortBesideReference(Grid, Ref, Keys, Random, Round);
        ExpectIdsIntact(Grid);
    }
}

// Columns whose cells all read as numbers or all as texts are compared through compact keys; the
// result is the reference partition's, blanks, failed numbers, prefixes and case included.
TEST_F(ExtGridSortFixture, CompactKeysEqualTheReferencePartition)
{
    struct TCase {
        QStringList Keys;
        bool AutoFormat;
        bool IgnoreCase;
        TSortStyle Style;  // ssAutomatic: no format event
    };
    const TCase Cases[] = {
        {L({"1", "2", "10", "10", "-3", "007", "1.5", "1e3", "0"}), true, false, ssAutomatic},
        {L({"a", "A", "b", "B", "ab", "aB", "abcd", "abcde", "abcdf", "", "", "Zz", "zz", "a b"}), true, false, ssAutomatic},
        {L({"a", "A", "b", "B", "ab", "aB", "abcd", "abcde", "ABCDE", "", "zz", "Zz"}), true, true, ssAutomatic},
        {L({"a", "A", "b", "B", "abcd", "abcde", "ABCDE", "", "1", "10", "12/05/2020"}), false, true, ssAutomatic},
        // Numbers, blanks and words mixed: the first cell of each comparison decides.
        {L({"1", "10", "2", "", "", "a", "B", "-3", "b10", "007", "1.5"}), true, false, ssAutomatic},
        {L({"1", "10", "", "a", "B", "b", "-3", "abcde", "ABCDF"}), true, true, ssAutomatic},
        {L({"a", "b", "abcd", "abcde", "ABCDE", "", "1", "10"}), false, false, ssAlphaCase},
        {L({"$1", "$10", "$2", "", "x", "y", "1", "$-4", "2.5"}), true, false, ssNumeric},
        {L({"1,200.50", "999.99", "1,000", "", "abc", "12"}), true, false, ssFinancial},
    };
    TSortGrid* Ref = MakeGrid();
    std::mt19937 Random(418);
    for (const TCase& Case : Cases) {
        for (TSortGrid* G : {Grid, Ref}) {
            G->SortSettings()->SetAutoFormat(Case.AutoFormat);
            G->SortSettings()->SetIgnoreCase(Case.IgnoreCase);
            G->OnGetFormat = nullptr;
            if (Case.Style != ssAutomatic)
                G->OnGetFormat = [Style = Case.Style](TObject*, int32_t ACol, TSortStyle& AStyle, QString& APrefix, QString&) {
                    if (ACol != 1) return;
                    AStyle = Style;
                    APrefix = QStringLiteral("$");
                };
        }
        SCOPED_TRACE(testing::Message() << "keys " << Case.Keys.join(QLatin1Char(' ')).toStdString());
        for (int32_t Round = 0; Round < 12; ++Round) {
            SortBesideReference(Grid, Ref, Case.Keys, Random, Round);
            ExpectIdsIntact(Grid);
        }
    }
}

}  // namespace
