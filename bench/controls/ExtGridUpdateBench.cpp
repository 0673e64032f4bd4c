// Writing every cell of a shown 100,000 x 10 string grid inside BeginUpdate / EndUpdate, beside the
// same writes into a plain vector of texts and setData on a QStandardItemModel shown in a QTableView.
// Each run writes the other of two text sets, so that every write changes its cell.
#include "grid/core/ExtGrid.h"

#include "support/Peer.h"
#include "support/Session.h"
#include "windows/Forms.h"
#include "windows/Session.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardItemModel>
#include <QString>
#include <QTableView>

#include <memory>
#include <vector>

namespace {

constexpr int32_t Rows = 100000;
constexpr int32_t Cols = 10;

using Bench::EnsureSession;

// Two sets of eight-character texts, different in every cell.
const std::vector<QString>& Texts(int32_t Set)
{
    static const std::vector<QString> texts[2] = {[] {
        std::vector<QString> list;
        list.reserve(size_t(Rows) * Cols);
        for (int32_t i = 0; i < Rows * Cols; ++i) list.push_back(QStringLiteral("%1").arg(i, 8, 36, QLatin1Char('0')));
        return list;
    }(), [] {
        std::vector<QString> list;
        list.reserve(size_t(Rows) * Cols);
        for (int32_t i = 0; i < Rows * Cols; ++i) list.push_back(QStringLiteral("%1").arg(i, 8, 36, QLatin1Char('z')));
        return list;
    }()};
    return texts[Set];
}

struct TShownGrid {
    TShownGrid();
    std::unique_ptr<TForm> Form;
    TExtStringGrid* Grid = nullptr;
    // The window goes while the session is whole, with what it left for the event loop.
    ~TShownGrid()
    {
        Form.reset();
        QApplication::processEvents();
    }
};

TShownGrid::TShownGrid()
{
    EnsureSession();
    Form.reset(New<TForm>(nullptr));
    Form->SetClientWidth(800);
    Form->SetClientHeight(600);
    Grid = New<TExtStringGrid>(Form.get());
    Grid->SetParent(Form.get());
    Grid->SetBoundsRect(Bounds(0, 0, 800, 600));
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows + 1);
    Form->Show();
    QApplication::processEvents();
}

void WriteGrid(TExtStringGrid* Grid, int32_t Set)
{
    const std::vector<QString>& Source = Texts(Set);
    Grid->BeginUpdate();
    for (int32_t r = 0; r < Rows; ++r)
        for (int32_t c = 0; c < Cols; ++c) Grid->SetCellEx(c, r + 1, Source[size_t(r) * Cols + size_t(c)]);
    Grid->EndUpdate();
}

void BesideVector(benchmark::State& State)
{
    TShownGrid Shown;
    // Both start from the other text set, their memory touched.
    std::vector<QString> Plain(Texts(1));
    int32_t Set = 0;
    WriteGrid(Shown.Grid, 1);
    RunBesidePeer(
        State, "std::vector<QString>", [&] { Set = 1 - Set; },
        [&] { WriteGrid(Shown.Grid, Set); },
        [&] {
            const std::vector<QString>& Source = Texts(Set);
            for (int32_t r = 0; r < Rows; ++r)
                for (int32_t c = 0; c < Cols; ++c) Plain[size_t(r) * Cols + size_t(c)] = Source[size_t(r) * Cols + size_t(c)];
            benchmark::DoNotOptimize(Plain.data());
        });
    State.SetItemsProcessed(State.iterations() * Rows * Cols);
}
BENCHMARK(BesideVector)->Name("ExtGrid/UpdateWriteAllCellsBesideVector")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BesideModel(benchmark::State& State)
{
    TShownGrid Shown;
    QStandardItemModel Model(Rows, Cols);
    for (int32_t r = 0; r < Rows; ++r)
        for (int32_t c = 0; c < Cols; ++c) Model.setItem(r, c, new QStandardItem(Texts(1)[size_t(r) * Cols + size_t(c)]));
    QTableView View;
    View.setAttribute(Qt::WA_DontShowOnScreen);
    View.setModel(&Model);
    View.resize(800, 600);
    View.show();
    QApplication::processEvents();
    int32_t Set = 0;
    WriteGrid(Shown.Grid, 1);
    RunBesidePeer(
        State, "QStandardItemModel::setData", [&] { Set = 1 - Set; },
        [&] {
            WriteGrid(Shown.Grid, Set);
            QApplication::processEvents();
        },
        [&] {
            const std::vector<QString>& Source = Texts(Set);
            for (int32_t r = 0; r < Rows; ++r)
                for (int32_t c = 0; c < Cols; ++c)
                    Model.setData(Model.index(r, c), Source[size_t(r) * Cols + size_t(c)], Qt::DisplayRole);
            QApplication::processEvents();
        });
    State.SetItemsProcessed(State.iterations() * Rows * Cols);
}
BENCHMARK(BesideModel)->Name("ExtGrid/UpdateWriteAllCellsBesideQStandardItemModel")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(4);

}  // namespace
