// Fuzz target: a grid's sort settings read from a sort-state text (UTF-8). A text is refused
// whole (one character) or read; what was read writes a text that reads back to the same state;
// the sorted column is one the grid holds or -1; sorting only moves rows.
#include "grid/base/GridSupport.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/SortSettings.h"

#include "rtl/Exceptions.h"
#include "FuzzRig.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool Holds, const char* What)
{
    if (Holds) return;
    std::fprintf(stderr, "broken: %s\n", What);
    std::abort();
}

// Five columns and seven rows, set on first use.
TExtStringGrid* SortGrid()
{
    static TExtStringGrid* Made = [] {
        TExtStringGrid* Grid = FuzzControl<TExtStringGrid>();
        Grid->SetColCount(5);
        Grid->SetRowCount(7);
        return Grid;
    }();
    return Made;
}

// Six rows with ties in columns 1 to 3, each column of one kind; column 4 names the row.
void Reset(TExtStringGrid* Grid)
{
    const char* Rows[6][4] = {{"2", "b", "7", "r1"},   {"1", "a", "0", "r2"},  {"2", "a", "3.5", "r3"},
                              {"10", "b", "12", "r4"}, {"1", "c", "-1", "r5"}, {"-4", "a", "3.5", "r6"}};
    for (int32_t r = 0; r < 6; ++r)
        for (int32_t c = 0; c < 4; ++c) Grid->SetCells(c + 1, r + 1, QString::fromLatin1(Rows[r][c]));
    TSortSettings* Sort = Grid->SortSettings();
    Sort->SetShow(false);
    Sort->SetIndexShow(false);
    Sort->SetDirection(sdAscending);
    Sort->SetColumn(-1);
    Grid->SortIndexes()->Clear();
}

struct TState {
    bool Show, IndexShow;
    TSortDirection Direction;
    int32_t Column;
    QString Keys;
    bool operator==(const TState&) const = default;
};

TState StateOf(TExtStringGrid* Grid)
{
    const TSortSettings* Sort = Grid->SortSettings();
    return {Sort->Show(), Sort->IndexShow(), Sort->Direction(), Sort->Column(), Grid->SortIndexes()->SaveToString()};
}

QStringList Rows(TExtStringGrid* Grid)
{
    QStringList Result;
    for (int32_t r = 1; r < Grid->RowCount(); ++r) Result << Grid->Rows(r)->CommaText();
    return Result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TExtStringGrid* Grid = SortGrid();
    Reset(Grid);
    TSortSettings* Sort = Grid->SortSettings();
    const QString Text = QString::fromUtf8(QByteArrayView(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    const TState Before = StateOf(Grid);
    QStringList Sorted = Rows(Grid);
    Sorted.sort();
    try {
        Sort->LoadFromString(Text);
    } catch (const Exception&) {
        Check(Text.size() == 1 && StateOf(Grid) == Before, "refused text changed the state");
        return 0;
    }
    Check(Text.size() != 1, "one character read");
    const TState Read = StateOf(Grid);
    Check(Text.isEmpty() ? Read == Before : Read.Show, "empty text changed the state or Show off");
    Check(Read.Column >= -1 && Read.Column < Grid->TotalColCount(), "column outside the grid");
    const TSortIndexList* Keys = Grid->SortIndexes();
    for (int32_t I = 0; I < Keys->Count(); ++I)
        Check(Keys->SortColumns(I) < Grid->TotalColCount(), "key outside the grid");
    QStringList After = Rows(Grid);
    After.sort();
    Check(After == Sorted, "rows lost or changed");

    const QString Saved = Sort->SaveToString();
    const QStringList Order = Rows(Grid);
    Sort->LoadFromString(Saved);
    const TState Expected =
        Text.isEmpty() ? TState{true, Read.IndexShow, Read.Direction, Read.Column, Read.Keys} : Read;
    Check(StateOf(Grid) == Expected, "written text read to another state");
    Check(Sort->SaveToString() == Saved, "written text differs after reading it");
    // A second sort by one column (ties broken by the columns after it) leaves the rows where
    // the first put them.
    if (!Read.IndexShow) Check(Rows(Grid) == Order, "second sort moved rows");
    return 0;
}
