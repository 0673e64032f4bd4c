// Sizing the columns of a 100,000 x 10 string grid to their texts (AutoSizeCol), beside
// QTableView::resizeColumnToContents measuring every row (resizeContentsPrecision -1) over a
// QStandardItemModel, and beside a plain loop of QFontMetrics::horizontalAdvance over the same texts.
#include "grid/core/ExtGrid.h"

#include "graphics/FontMapper.h"
#include "graphics/GraphicsObjects.h"
#include "support/Peer.h"
#include "support/Session.h"
#include "windows/Forms.h"
#include "windows/Session.h"

#include <benchmark/benchmark.h>

#include <QFontMetrics>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QString>
#include <QTableView>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int32_t Rows = 100000;
constexpr int32_t Cols = 10;

using Bench::EnsureSession;

// Words, numbers and codes of varying length.
const std::vector<QString>& Texts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> t(size_t(Rows) * Cols);
        std::mt19937 random(20418);
        for (int32_t r = 0; r < Rows; ++r)
            for (int32_t c = 0; c < Cols; ++c) {
                QString& s = t[size_t(r) * Cols + size_t(c)];
                if (c % 3 == 0) s = QString::number(double(random() % 1000000) / 100, 'f', 2);
                else if (c % 3 == 1) s = QStringLiteral("Item %1").arg(random() % 100000);
                else s = QString(int(4 + random() % 20), QChar(u'a' + int(random() % 26)));
            }
        return t;
    }();
    return texts;
}

struct TGridSetup {
    std::unique_ptr<TForm> Form;
    TExtStringGrid* Grid = nullptr;
};

TGridSetup MakeGrid()
{
    EnsureSession();
    TGridSetup s;
    s.Form.reset(New<TForm>(nullptr));
    s.Grid = New<TExtStringGrid>(s.Form.get());
    s.Grid->SetParent(s.Form.get());
    s.Grid->SetColCount(Cols);
    s.Grid->SetRowCount(Rows + 1);
    const std::vector<QString>& t = Texts();
    for (int32_t r = 0; r < Rows; ++r)
        for (int32_t c = 0; c < Cols; ++c) s.Grid->SetCells(c, r + 1, t[size_t(r) * Cols + size_t(c)]);
    return s;
}

void SizeAllColumns(TExtStringGrid* Grid)
{
    for (int32_t c = 0; c < Cols; ++c) Grid->AutoSizeCol(c);
}

void AutoSizeColVsTableView(benchmark::State& State)
{
    TGridSetup s = MakeGrid();
    QStandardItemModel Model(Rows, Cols);
    const std::vector<QString>& t = Texts();
    for (int32_t r = 0; r < Rows; ++r)
        for (int32_t c = 0; c < Cols; ++c) Model.setItem(r, c, new QStandardItem(t[size_t(r) * Cols + size_t(c)]));
    QTableView View;
    View.setModel(&Model);
    View.horizontalHeader()->setResizeContentsPrecision(-1);
    View.setFont(ToQFont(*s.Grid->Font()));
    RunBesidePeer(
        State, "QTableView", [&] { SizeAllColumns(s.Grid); },
        [&] {
            for (int32_t c = 0; c < Cols; ++c) View.resizeColumnToContents(c);
        });
    benchmark::DoNotOptimize(View.columnWidth(0));
}

void AutoSizeColVsFontMetrics(benchmark::State& State)
{
    TGridSetup s = MakeGrid();
    const QFont Font = ToQFont(*s.Grid->Font());
    const std::vector<QString>& t = Texts();
    RunBesidePeer(
        State, "FontMetricsLoop", [&] { SizeAllColumns(s.Grid); },
        [&] {
            const QFontMetrics Metrics(Font);
            for (int32_t c = 0; c < Cols; ++c) {
                int32_t Widest = 0;
                for (int32_t r = 0; r < Rows; ++r)
                    Widest = std::max(Widest, int32_t(Metrics.horizontalAdvance(t[size_t(r) * Cols + size_t(c)])));
                benchmark::DoNotOptimize(Widest);
            }
        });
}

BENCHMARK(AutoSizeColVsTableView)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(AutoSizeColVsFontMetrics)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
