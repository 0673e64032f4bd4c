// The string grid's row operations beside QStandardItemModel (and QSortFilterProxyModel for hiding):
// hiding and showing half the rows as one range and as a scattered list, and inserting and deleting
// 10,000 rows in the middle, at 10,000 and 100,000 rows of 10 columns, so that growth shows.
#include "grid/base/GridSupport.h"
#include "grid/core/ExtGrid.h"

#include "support/Peer.h"
#include "support/Session.h"
#include "windows/Forms.h"
#include "windows/Session.h"

#include <benchmark/benchmark.h>

#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QString>

#include <memory>

namespace {

constexpr int32_t Cols = 10;

using Bench::EnsureSession;

QString CellText(int32_t Col, int32_t Row)
{
    return Col % 2 ? QString::number(Row * 7 % 1000) : QStringLiteral("t%1").arg(Row * Cols + Col, 7, 36, QLatin1Char('0'));
}

std::unique_ptr<TExtStringGrid> MakeGrid(int32_t Rows)
{
    auto Grid = std::unique_ptr<TExtStringGrid>(New<TExtStringGrid>(nullptr));
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows + 1);
    for (int32_t R = 0; R < Rows; ++R)
        for (int32_t C = 0; C < Cols; ++C) Grid->SetCells(C, R + 1, CellText(C, R));
    return Grid;
}

std::unique_ptr<QStandardItemModel> MakeModel(int32_t Rows)
{
    auto Model = std::make_unique<QStandardItemModel>(Rows, Cols);
    for (int32_t R = 0; R < Rows; ++R)
        for (int32_t C = 0; C < Cols; ++C) Model->setItem(R, C, new QStandardItem(CellText(C, R)));
    return Model;
}

// Hides every other row (Scattered) or the second half, then shows all again.
class THalfFilter : public QSortFilterProxyModel {
public:
    bool Scattered = false;
    bool Active = false;
    void Apply(bool On)
    {
        Active = On;
        invalidateRowsFilter();
    }

protected:
    bool filterAcceptsRow(int Row, const QModelIndex&) const override
    {
        if (!Active) return true;
        return Scattered ? Row % 2 == 0 : Row < sourceModel()->rowCount() / 2;
    }
};

void HideAndShowHalf(benchmark::State& State, bool Scattered)
{
    EnsureSession();
    const auto Rows = static_cast<int32_t>(State.range(0));
    auto Grid = MakeGrid(Rows);
    auto Model = MakeModel(Rows);
    THalfFilter Proxy;
    Proxy.Scattered = Scattered;
    Proxy.setSourceModel(Model.get());
    RunBesidePeer(
        State, "QSortFilterProxyModel",
        [&] {
            if (Scattered) {
                TIntList List(0, 0);
                for (int32_t d = 2; d <= Rows; d += 2) List.Add(d);
                Grid->HideRowList(&List);
                Grid->UnHideRowList();
            } else {
                Grid->HideRows(Rows / 2 + 1, Rows);
                Grid->UnHideRowsAll();
            }
        },
        [&] {
            Proxy.Apply(true);
            benchmark::DoNotOptimize(Proxy.rowCount());
            Proxy.Apply(false);
            benchmark::DoNotOptimize(Proxy.rowCount());
        });
    State.counters["rows"] = Rows;
}

void InsertAndDeleteMiddle(benchmark::State& State)
{
    EnsureSession();
    const auto Rows = static_cast<int32_t>(State.range(0));
    auto Grid = MakeGrid(Rows);
    auto Model = MakeModel(Rows);
    RunBesidePeer(
        State, "QStandardItemModel",
        [&] {
            Grid->InsertRows(Rows / 2, 10000);
            Grid->RemoveRows(Rows / 2, 10000);
        },
        [&] {
            Model->insertRows(Rows / 2, 10000);
            Model->removeRows(Rows / 2, 10000);
        });
    State.counters["rows"] = Rows;
}

void BM_HideRangeAndShow(benchmark::State& State) { HideAndShowHalf(State, false); }
void BM_HideScatteredListAndShow(benchmark::State& State) { HideAndShowHalf(State, true); }
void BM_InsertAndDelete10000InTheMiddle(benchmark::State& State) { InsertAndDeleteMiddle(State); }

BENCHMARK(BM_HideRangeAndShow)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HideScatteredListAndShow)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertAndDelete10000InTheMiddle)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
