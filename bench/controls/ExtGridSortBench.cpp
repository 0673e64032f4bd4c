// Sorting the string grid's 100,000 x 10 cells of mixed text and numbers on one column (QSort) and
// on two (QSortIndexed), beside QSortFilterProxyModel over QStandardItemModel (numbers as numbers)
// and beside std::stable_sort of an index vector whose keys are converted once (conversion timed);
// filtering the same rows by a filter expression beside the proxy with the equivalent regular
// expression.
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSupport.h"
#include "grid/core/GridItems.h"
#include "grid/core/SortSettings.h"

#include "rtl/Strings.h"
#include "support/Peer.h"
#include "support/Session.h"
#include "windows/Session.h"

#include <benchmark/benchmark.h>

#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr int32_t Rows = 100000;
constexpr int32_t Cols = 10;

using Bench::EnsureSession;

// Column 0 integers with many repeats, column 1 words, columns 2 and up decimals and codes.
struct TTable {
    std::vector<int32_t> Ints;
    std::vector<QString> Texts;
};

const TTable& Table()
{
    static const TTable table = [] {
        TTable t;
        std::mt19937 random(20418);
        t.Ints.resize(Rows);
        t.Texts.resize(size_t(Rows) * Cols);
        for (int32_t r = 0; r < Rows; ++r) {
            t.Ints[size_t(r)] = int32_t(random() % 5000);
            for (int32_t c = 0; c < Cols; ++c) {
                QString& s = t.Texts[size_t(r) * Cols + size_t(c)];
                if (c == 0) s = QString::number(t.Ints[size_t(r)]);
                else if (c == 1) s = QStringLiteral("w%1").arg(random() % 700, 4, 36, QLatin1Char('0'));
                else if (c % 2 == 0) s = QString::number(double(random() % 100000) / 100, 'f', 2);
                else s = QStringLiteral("c%1").arg(random() % 100000);
            }
        }
        return t;
    }();
    return table;
}

std::unique_ptr<TExtStringGrid> MakeGrid()
{
    EnsureSession();
    auto Grid = std::unique_ptr<TExtStringGrid>(New<TExtStringGrid>(nullptr));
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows + 1);
    const TTable& t = Table();
    for (int32_t r = 0; r < Rows; ++r)
        for (int32_t c = 0; c < Cols; ++c) Grid->SetCells(c, r + 1, t.Texts[size_t(r) * Cols + size_t(c)]);
    return Grid;
}

std::unique_ptr<QStandardItemModel> MakeModel()
{
    auto Model = std::make_unique<QStandardItemModel>(Rows, Cols);
    const TTable& t = Table();
    for (int32_t r = 0; r < Rows; ++r)
        for (int32_t c = 0; c < Cols; ++c) {
            auto* Item = new QStandardItem;
            if (c == 0) Item->setData(t.Ints[size_t(r)], Qt::DisplayRole);
            else Item->setData(t.Texts[size_t(r) * Cols + size_t(c)], Qt::DisplayRole);
            Model->setItem(r, c, Item);
        }
    return Model;
}

// Each iteration puts the grid back into its first order (untimed), then times our sort and the peer.
void SortOneColumnVsProxy(benchmark::State& State)
{
    auto Grid = MakeGrid();
    auto Model = MakeModel();
    QSortFilterProxyModel Proxy;
    Proxy.setSourceModel(Model.get());
    bool Ascending = false;
    RunBesidePeer(
        State, "QSortFilterProxyModel", [&] { Grid->QUnSort(); Ascending = !Ascending; },
        [&] { Grid->Sort(0, sdAscending); },
        [&] { Proxy.sort(0, Ascending ? Qt::AscendingOrder : Qt::DescendingOrder); });
}

void SortTwoColumnsVsProxy(benchmark::State& State)
{
    auto Grid = MakeGrid();
    Grid->SortIndexes()->AddIndex(1, true);
    Grid->SortIndexes()->AddIndex(0, false);
    auto Model = MakeModel();
    QSortFilterProxyModel Proxy;
    Proxy.setSourceModel(Model.get());
    bool Ascending = false;
    RunBesidePeer(
        State, "QSortFilterProxyModel", [&] { Grid->QUnSort(); Ascending = !Ascending; },
        [&] { Grid->QSortIndexed(); },
        [&] {
            // Two keys: the second column's order kept stable under a sort on the first.
            Proxy.sort(0, Qt::DescendingOrder);
            Proxy.sort(1, Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        });
}

// The keys converted once from the texts, then a stable sort of the row indexes.
void StableSortIndexes(bool TwoKeys)
{
    const TTable& t = Table();
    std::vector<double> Numbers(Rows);
    std::vector<QString> Words;
    for (int32_t r = 0; r < Rows; ++r) Numbers[size_t(r)] = t.Texts[size_t(r) * Cols].toDouble();
    if (TwoKeys) {
        Words.resize(Rows);
        for (int32_t r = 0; r < Rows; ++r) Words[size_t(r)] = t.Texts[size_t(r) * Cols + 1];
    }
    std::vector<int32_t> Order(Rows);
    std::iota(Order.begin(), Order.end(), 0);
    if (TwoKeys)
        std::stable_sort(Order.begin(), Order.end(), [&](int32_t a, int32_t b) {
            const int32_t w = Words[size_t(a)].compare(Words[size_t(b)]);
            return w != 0 ? w < 0 : Numbers[size_t(a)] > Numbers[size_t(b)];
        });
    else
        std::stable_sort(Order.begin(), Order.end(),
                         [&](int32_t a, int32_t b) { return Numbers[size_t(a)] < Numbers[size_t(b)]; });
    benchmark::DoNotOptimize(Order.data());
}

void SortOneColumnVsStableSort(benchmark::State& State)
{
    auto Grid = MakeGrid();
    const int32_t Compares = Grid->SortCompares();
    RunBesidePeer(
        State, "stable_sort", [&] { Grid->QUnSort(); }, [&] { Grid->Sort(0, sdAscending); },
        [] { StableSortIndexes(false); });
    State.counters["compares"] = double(Grid->SortCompares() - Compares) / double(State.iterations());
}

void SortTwoColumnsVsStableSort(benchmark::State& State)
{
    auto Grid = MakeGrid();
    Grid->SortIndexes()->AddIndex(1, true);
    Grid->SortIndexes()->AddIndex(0, false);
    RunBesidePeer(
        State, "stable_sort", [&] { Grid->QUnSort(); }, [&] { Grid->QSortIndexed(); },
        [] { StableSortIndexes(true); });
}

// Rows whose word starts with "w00a" or "w00b" stay shown; each iteration first shows every row again
// (untimed).
void FilterVsProxy(benchmark::State& State)
{
    auto Grid = MakeGrid();
    TFilterData* Condition = Grid->Filter()->ColumnFilter(1);
    Condition->SetCondition(QStringLiteral("w00a*|w00b*"));
    auto Model = MakeModel();
    QSortFilterProxyModel Proxy;
    Proxy.setSourceModel(Model.get());
    Proxy.setFilterKeyColumn(1);
    const QRegularExpression Expression(QStringLiteral("^(w00a|w00b)"));
    int32_t Shown = 0;
    int32_t PeerShown = 0;
    RunBesidePeer(
        State, "QSortFilterProxyModel",
        [&] {
            Grid->SetFilterActive(false);
            Proxy.setFilterRegularExpression(QRegularExpression());
        },
        [&] {
            Grid->SetFilterActive(true);
            Shown = Grid->RowCount() - Grid->FixedRows();
        },
        [&] {
            Proxy.setFilterRegularExpression(Expression);
            PeerShown = Proxy.rowCount();
        });
    if (Shown != PeerShown) State.SkipWithError("the filter and the proxy show different rows");
    State.counters["shown"] = Shown;
}

BENCHMARK(SortOneColumnVsProxy)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SortTwoColumnsVsProxy)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SortOneColumnVsStableSort)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SortTwoColumnsVsStableSort)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(FilterVsProxy)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
