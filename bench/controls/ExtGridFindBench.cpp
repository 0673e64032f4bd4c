// Find over every cell of a 100,000 x 10 string grid (the text only in the last cell scanned) and
// Replace over the same grid with the text in 10 % of the cells, beside a plain QString::indexOf
// loop over the same texts and beside QStandardItemModel::match over a model holding them.
#include "grid/core/ExtGrid.h"

#include "support/Peer.h"
#include "support/Session.h"
#include "windows/Forms.h"
#include "windows/Session.h"

#include <benchmark/benchmark.h>

#include <QStandardItemModel>
#include <QString>

#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int32_t Rows = 100000;
constexpr int32_t Cols = 10;
const QString Needle = QStringLiteral("needle");
const QString Thread = QStringLiteral("thread");

using Bench::EnsureSession;

// Words and numbers without the needle; with Share > 0 about that share of cells hold it,
// otherwise only the last cell of a column-order scan.
std::vector<QString> MakeTexts(double Share)
{
    std::vector<QString> t(size_t(Rows) * Cols);
    std::mt19937 random(20418);
    std::uniform_real_distribution<double> Unit(0, 1);
    for (int32_t r = 0; r < Rows; ++r)
        for (int32_t c = 0; c < Cols; ++c) {
            QString& s = t[size_t(r) * Cols + size_t(c)];
            if (c % 2 == 0) s = QStringLiteral("Item %1").arg(random() % 100000);
            else s = QString(int(4 + random() % 12), QChar(u'a' + int(random() % 20)));
            if (Share > 0 && Unit(random) < Share) s += QStringLiteral(" Needle");
        }
    if (Share == 0) t[size_t(Rows - 1) * Cols + size_t(Cols - 1)] = QStringLiteral("a needle here");
    return t;
}

struct TSetup {
    std::unique_ptr<TForm> Form;
    TExtStringGrid* Grid = nullptr;
    std::vector<QString> Texts;
    std::vector<QString> Plain;
    std::unique_ptr<QStandardItemModel> Model;

    explicit TSetup(double Share) : Texts(MakeTexts(Share))
    {
        EnsureSession();
        Form.reset(New<TForm>(nullptr));
        Grid = New<TExtStringGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetColCount(Cols);
        Grid->SetFixedCols(0);
        Grid->SetRowCount(Rows + 1);
        Model = std::make_unique<QStandardItemModel>(Rows, Cols);
        for (int32_t r = 0; r < Rows; ++r)
            for (int32_t c = 0; c < Cols; ++c) Model->setItem(r, c, new QStandardItem());
        Reset();
    }

    // Every copy back to the texts made at the start.
    void Reset()
    {
        for (int32_t r = 0; r < Rows; ++r)
            for (int32_t c = 0; c < Cols; ++c) {
                const QString& s = Texts[size_t(r) * Cols + size_t(c)];
                Grid->SetCells(c, r + 1, s);
                Model->item(r, c)->setText(s);
            }
        Plain = Texts;
    }
};

// The plain loop: column by column, as Find scans.
QPoint PlainFind(const std::vector<QString>& t, const QString& s)
{
    for (int32_t c = 0; c < Cols; ++c)
        for (int32_t r = 0; r < Rows; ++r)
            if (t[size_t(r) * Cols + size_t(c)].indexOf(s, 0, Qt::CaseInsensitive) >= 0) return QPoint(c, r);
    return QPoint(-1, -1);
}

QModelIndex ModelFind(QStandardItemModel& Model, const QString& s)
{
    for (int32_t c = 0; c < Cols; ++c) {
        const QModelIndexList Hits = Model.match(Model.index(0, c), Qt::DisplayRole, s, 1, Qt::MatchContains);
        if (!Hits.isEmpty()) return Hits.first();
    }
    return {};
}

void FindVsIndexOfLoop(benchmark::State& State)
{
    TSetup s(0);
    RunBesidePeer(
        State, "IndexOfLoop",
        [&] { benchmark::DoNotOptimize(s.Grid->Find(Point(-1, -1), Needle, {})); },
        [&] { benchmark::DoNotOptimize(PlainFind(s.Plain, Needle)); });
}

void FindVsModelMatch(benchmark::State& State)
{
    TSetup s(0);
    RunBesidePeer(
        State, "QStandardItemModel",
        [&] { benchmark::DoNotOptimize(s.Grid->Find(Point(-1, -1), Needle, {})); },
        [&] { benchmark::DoNotOptimize(ModelFind(*s.Model, Needle)); });
}

void ReplaceVsIndexOfLoop(benchmark::State& State)
{
    TSetup s(0.1);
    RunBesidePeer(
        State, "IndexOfLoop", [&] { s.Reset(); },
        [&] { benchmark::DoNotOptimize(s.Grid->Replace(Needle, Thread, {})); },
        [&] {
            int32_t Count = 0;
            for (int32_t c = 0; c < Cols; ++c)
                for (int32_t r = 0; r < Rows; ++r) {
                    QString& t = s.Plain[size_t(r) * Cols + size_t(c)];
                    if (t.indexOf(Needle, 0, Qt::CaseInsensitive) < 0) continue;
                    t.replace(Needle, Thread, Qt::CaseInsensitive);
                    ++Count;
                }
            benchmark::DoNotOptimize(Count);
        });
}

void ReplaceVsModelMatch(benchmark::State& State)
{
    TSetup s(0.1);
    RunBesidePeer(
        State, "QStandardItemModel", [&] { s.Reset(); },
        [&] { benchmark::DoNotOptimize(s.Grid->Replace(Needle, Thread, {})); },
        [&] {
            int32_t Count = 0;
            for (int32_t c = 0; c < Cols; ++c) {
                const QModelIndexList Hits =
                    s.Model->match(s.Model->index(0, c), Qt::DisplayRole, Needle, -1, Qt::MatchContains);
                for (const QModelIndex& Hit : Hits) {
                    QString t = Hit.data().toString();
                    t.replace(Needle, Thread, Qt::CaseInsensitive);
                    s.Model->setData(Hit, t);
                    ++Count;
                }
            }
            benchmark::DoNotOptimize(Count);
        });
}

BENCHMARK(FindVsIndexOfLoop)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(FindVsModelMatch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ReplaceVsIndexOfLoop)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ReplaceVsModelMatch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
