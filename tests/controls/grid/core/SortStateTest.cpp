// The sort state of a grid as text: what SortSettings writes, what it reads, how the grid sorts
// by it, and what a text it cannot use leaves alone.
#include "ExtGridTestSupport.h"

#include "grid/base/GridSupport.h"
#include "grid/core/SortSettings.h"

#include "rtl/Exceptions.h"

namespace {

// Rows A..D under one fixed row; column 4 holds the row's letter.
//   row | col 1 | col 2 | col 3
//    A  |   2   |   x   |  20
//    B  |   4   |   y   |  40
//    C  |   1   |   y   |  30
//    D  |   3   |   x   |  10
class SortStateFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Grid = New<TExtStringGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetColCount(5);
        Grid->SetRowCount(5);
        const char* Rows[4][4] = {
            {"2", "x", "20", "A"}, {"4", "y", "40", "B"}, {"1", "y", "30", "C"}, {"3", "x", "10", "D"}};
        for (int32_t r = 0; r < 4; ++r)
            for (int32_t c = 0; c < 4; ++c) Grid->SetCells(c + 1, r + 1, QString::fromLatin1(Rows[r][c]));
    }

    QString Order() const
    {
        QString Result;
        for (int32_t r = 1; r < Grid->RowCount(); ++r) Result += Grid->Cells(4, r);
        return Result;
    }

    std::unique_ptr<TForm> Form;
    TExtStringGrid* Grid = nullptr;
};

TEST_F(SortStateFixture, WrittenFromTheCurrentState)
{
    TSortSettings* Sort = Grid->SortSettings();
    EXPECT_EQ(Sort->SaveToString(), QStringLiteral("u-1"));
    Grid->Sort(3, sdDescending);
    EXPECT_EQ(Order(), QStringLiteral("BCAD"));
    EXPECT_EQ(Sort->SaveToString(), QStringLiteral("d3"));
    // The keys go without a trailing separator.
    Sort->SetIndexShow(true);
    Grid->SortIndexes()->AddIndex(3, true);
    Grid->SortIndexes()->AddIndex(1, false);
    EXPECT_EQ(Sort->SaveToString(), QStringLiteral("i;u3;d1"));
    Grid->SortIndexes()->Clear();
    EXPECT_EQ(Sort->SaveToString(), QStringLiteral("i;"));
}

TEST_F(SortStateFixture, ReadAndSortedByTheGrid)
{
    const struct {
        const char* First;  // read before Value; empty for none
        const char* Value;
        bool IndexShow;
        TSortDirection Direction;
        int32_t Column;
        const char* Keys;
        const char* Order;
        const char* Saved;
        // Rows after reading Saved back, when they differ from Order.
        const char* Reread = nullptr;
    } Cases[] = {
        {"", "u1", false, sdAscending, 1, "", "CADB", "u1"},
        {"", "d1", false, sdDescending, 1, "", "BDAC", "d1"},
        // Only an "u" anywhere makes it ascending.
        {"", "x1", false, sdDescending, 1, "", "BDAC", "d1"},
        {"", "d3", false, sdDescending, 3, "", "BCAD", "d3"},
        {"", "u 3", false, sdAscending, 3, "", "DACB", "u3"},
        // A number that does not read sets the direction only.
        {"", "dz", false, sdDescending, -1, "", "ABCD", "d-1"},
        {"", "3u", false, sdAscending, -1, "", "ABCD", "u-1"},
        // A column the grid does not hold sorts nothing and keeps the sorted column.
        {"", "u5", false, sdAscending, -1, "", "ABCD", "u-1"},
        {"", "u-2", false, sdAscending, -1, "", "ABCD", "u-1"},
        // The direction is taken all the same, so the text written sorts the other way.
        {"d3", "u9", false, sdAscending, 3, "", "BCAD", "u3", "DACB"},
        {"d3", "u2147483648", false, sdAscending, 3, "", "BCAD", "u3", "DACB"},
        // "u-1" is the unsorted state: rows stay where they are.
        {"d3", "u-1", false, sdAscending, -1, "", "BCAD", "u-1"},
        // Several keys: column 2 ascending, ties by column 3 descending.
        {"", "i;u2;d3", true, sdAscending, -1, "u2;d3", "ADBC", "i;u2;d3"},
        {"", "i;u2;d3;", true, sdAscending, -1, "u2;d3", "ADBC", "i;u2;d3"},
        {"", "i;d2;u1", true, sdAscending, -1, "d2;u1", "CBAD", "i;d2;u1"},
        {"", "i;d2;;x;u1", true, sdAscending, -1, "d2;u1", "CBAD", "i;d2;u1"},
        {"", "i;", true, sdAscending, -1, "", "ABCD", "i;"},
        {"", "i;x", true, sdAscending, -1, "", "ABCD", "i;"},
        {"i;u2;d3", "i;u2;d7", true, sdAscending, -1, "u2;d3", "ADBC", "i;u2;d3"},
        {"i;u2;d3", "i;", true, sdAscending, -1, "u2;d3", "ADBC", "i;u2;d3"},
        {"u1", "i;", true, sdAscending, 1, "", "CADB", "i;"},
        // A single-column sort drops the keys.
        {"i;u2;d3", "d1", false, sdDescending, 1, "", "BDAC", "d1"},
    };
    for (const auto& C : Cases) {
        SetUp();
        SCOPED_TRACE(std::string(C.First) + " then " + C.Value);
        TSortSettings* Sort = Grid->SortSettings();
        if (*C.First) Sort->LoadFromString(QString::fromLatin1(C.First));
        Sort->LoadFromString(QString::fromLatin1(C.Value));
        EXPECT_TRUE(Sort->Show());
        EXPECT_EQ(Sort->IndexShow(), C.IndexShow);
        EXPECT_EQ(Sort->Direction(), C.Direction);
        EXPECT_EQ(Sort->Column(), C.Column);
        EXPECT_EQ(Grid->SortIndexes()->SaveToString(), QString::fromLatin1(C.Keys));
        EXPECT_EQ(Order(), QString::fromLatin1(C.Order));
        const QString Saved = Sort->SaveToString();
        EXPECT_EQ(Saved, QString::fromLatin1(C.Saved));

        // What was written reads back to the same state.
        Sort->LoadFromString(Saved);
        EXPECT_EQ(Sort->SaveToString(), Saved);
        EXPECT_EQ(Sort->Direction(), C.Direction);
        EXPECT_EQ(Sort->Column(), C.Column);
        EXPECT_EQ(Order(), QString::fromLatin1(C.Reread ? C.Reread : C.Order));
    }
}

TEST_F(SortStateFixture, EmptyAndOneCharacterTextsChangeNothing)
{
    TSortSettings* Sort = Grid->SortSettings();
    Grid->Sort(1, sdDescending);
    Sort->SetShow(false);
    Sort->LoadFromString(QString());
    EXPECT_FALSE(Sort->Show());
    for (const char* Text : {"u", "i", "3"}) {
        try {
            Sort->LoadFromString(QString::fromLatin1(Text));
            ADD_FAILURE() << Text;
        } catch (const Exception& E) {
            EXPECT_EQ(E.Message(), QStringLiteral("Invalid sort settings specifier"));
        }
        EXPECT_FALSE(Sort->Show());
        EXPECT_EQ(Sort->SaveToString(), QStringLiteral("d1"));
        EXPECT_EQ(Order(), QStringLiteral("BDAC"));
    }
}

// Hidden columns are still the grid's: a state naming one sorts by it.
TEST_F(SortStateFixture, HiddenColumnsCount)
{
    Grid->HideColumn(3);
    ASSERT_EQ(Grid->ColCount(), 4);
    Grid->SortSettings()->LoadFromString(QStringLiteral("u4"));
    EXPECT_EQ(Grid->SortSettings()->Column(), 4);
    Grid->SortSettings()->LoadFromString(QStringLiteral("u5"));
    EXPECT_EQ(Grid->SortSettings()->Column(), 4);
}

}  // namespace
