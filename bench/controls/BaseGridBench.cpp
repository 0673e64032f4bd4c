// The base grid's cell store and painting beside QStandardItemModel and QTableView: 100,000 x 10
// cells of 8 characters filled through SetCellEx and read through GetCellEx (with the floor of any read
// by value), the heap each cell takes, and a repaint of a 1920 x 1080 client into an image.
#include "grid/base/BaseGrid.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "support/Peer.h"
#include "support/PeerTableView.h"
#include "support/Session.h"
#include "windows/Forms.h"
#include "windows/Session.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QStandardItemModel>
#include <QString>
#include <QTableView>

#include <malloc.h>

#include <memory>
#include <vector>

namespace {

constexpr int32_t Rows = 100000;
constexpr int32_t Cols = 10;

using Bench::EnsureSession;

// Eight characters, different in every cell.
QString CellText(int32_t Col, int32_t Row)
{
    return QStringLiteral("%1").arg(Row * Cols + Col, 8, 36, QLatin1Char('0'));
}

const std::vector<QString>& Texts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> list;
        list.reserve(size_t(Rows) * Cols);
        for (int32_t R = 0; R < Rows; ++R)
            for (int32_t C = 0; C < Cols; ++C) list.push_back(CellText(C, R));
        return list;
    }();
    return texts;
}

std::unique_ptr<TBaseGrid> MakeGrid()
{
    auto Grid = std::unique_ptr<TBaseGrid>(New<TBaseGrid>(nullptr));
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows + 1);
    return Grid;
}

void FillGrid(TBaseGrid* Grid, bool Fresh)
{
    const std::vector<QString>& texts = Texts();
    for (int32_t R = 0; R < Rows; ++R)
        for (int32_t C = 0; C < Cols; ++C)
            Grid->SetCellEx(C, R + 1, Fresh ? CellText(C, R) : texts[size_t(R) * Cols + size_t(C)]);
}

std::unique_ptr<QStandardItemModel> MakeModel()
{
    return std::make_unique<QStandardItemModel>(Rows, Cols);
}

void FillModel(QStandardItemModel* Model, bool Fresh)
{
    const std::vector<QString>& texts = Texts();
    for (int32_t R = 0; R < Rows; ++R)
        for (int32_t C = 0; C < Cols; ++C)
            Model->setItem(R, C, new QStandardItem(Fresh ? CellText(C, R) : texts[size_t(R) * Cols + size_t(C)]));
}

void Fill(benchmark::State& State)
{
    EnsureSession();
    Texts();
    RunBesidePeer(
        State, "QStandardItemModel",
        [] {
            auto Grid = MakeGrid();
            FillGrid(Grid.get(), false);
            benchmark::DoNotOptimize(Grid.get());
        },
        [] {
            auto Model = MakeModel();
            FillModel(Model.get(), false);
            benchmark::DoNotOptimize(Model.get());
        });
    State.SetItemsProcessed(State.iterations() * Rows * Cols);
}
BENCHMARK(Fill)->Name("BaseGrid/FillBySetCellEx")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void Read(benchmark::State& State)
{
    EnsureSession();
    auto Grid = MakeGrid();
    FillGrid(Grid.get(), false);
    auto Model = MakeModel();
    FillModel(Model.get(), false);
    RunBesidePeer(
        State, "QStandardItemModel",
        [&] {
            qsizetype Length = 0;
            for (int32_t R = 1; R <= Rows; ++R)
                for (int32_t C = 0; C < Cols; ++C) Length += Grid->GetCellEx(C, R).size();
            benchmark::DoNotOptimize(Length);
        },
        [&] {
            qsizetype Length = 0;
            for (int32_t R = 0; R < Rows; ++R)
                for (int32_t C = 0; C < Cols; ++C) Length += Model->item(R, C)->text().size();
            benchmark::DoNotOptimize(Length);
        });
    State.SetItemsProcessed(State.iterations() * Rows * Cols);
}
BENCHMARK(Read)->Name("BaseGrid/ReadByGetCellEx")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The least a read that hands out a QString by value can cost: a copy of each stored QString out of one
// flat array (its reference count up and down again), beside the same peer. GetCellEx cannot beat it.
void ReadFloor(benchmark::State& State)
{
    EnsureSession();
    const std::vector<QString> Flat(Texts());
    auto Model = MakeModel();
    FillModel(Model.get(), false);
    RunBesidePeer(
        State, "QStandardItemModel",
        [&] {
            qsizetype Length = 0;
            for (const QString& Stored : Flat) Length += QString(Stored).size();
            benchmark::DoNotOptimize(Length);
        },
        [&] {
            qsizetype Length = 0;
            for (int32_t R = 0; R < Rows; ++R)
                for (int32_t C = 0; C < Cols; ++C) Length += Model->item(R, C)->text().size();
            benchmark::DoNotOptimize(Length);
        });
    State.SetItemsProcessed(State.iterations() * Rows * Cols);
}
BENCHMARK(ReadFloor)->Name("BaseGrid/ReadFloorQStringCopy")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

size_t HeapInUse()
{
    malloc_trim(0);
    return mallinfo2().uordblks;
}

// Bytes the heap grows by per filled cell, each cell with a text of its own.
void HeapPerCell(benchmark::State& State)
{
    EnsureSession();
    double Ours = 0, Peer = 0;
    for (auto _ : State) {
        size_t Before = HeapInUse();
        {
            auto Grid = MakeGrid();
            FillGrid(Grid.get(), true);
            Ours = double(HeapInUse() - Before) / (double(Rows) * Cols);
        }
        Before = HeapInUse();
        {
            auto Model = MakeModel();
            FillModel(Model.get(), true);
            Peer = double(HeapInUse() - Before) / (double(Rows) * Cols);
        }
    }
    State.counters["bytes_per_cell"] = Ours;
    State.counters["bytes_per_cell_QStandardItemModel"] = Peer;
    State.counters["x_QStandardItemModel"] = Ours / Peer;
    char Label[96];
    std::snprintf(Label, sizeof Label, "%.2fx the heap of QStandardItemModel", Ours / Peer);
    State.SetLabel(Label);
}
BENCHMARK(HeapPerCell)->Name("BaseGrid/HeapPerCell")->Unit(benchmark::kMillisecond)->Iterations(1);

// A full client of cells with grid lines: 10 columns of 192 pixels, rows of 20, one header row.
void Repaint(benchmark::State& State)
{
    EnsureSession();
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    Form->SetBorderStyle(bsNone);
    Form->SetClientWidth(1920);
    Form->SetClientHeight(1080);
    TBaseGrid* Grid = New<TBaseGrid>(Form.get());
    Grid->SetBorderStyle(bsNone);
    Grid->SetScrollBars(ssNone);
    Grid->SetBoundsRect(Bounds(0, 0, 1920, 1080));
    Grid->SetParent(Form.get());
    Grid->Font()->SetName(QStringLiteral("DejaVu Sans"));
    Grid->Font()->SetSize(8);
    Grid->SetFixedCols(0);
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows + 1);
    Grid->SetDefaultColWidth(192);
    Grid->SetDefaultRowHeight(20);
    FillGrid(Grid, false);
    TBitmap Target;
    Target.SetSize(1920, 1080);

    QStandardItemModel Model(Rows, Cols);
    FillModel(&Model, false);
    QTableView View;
    View.setModel(&Model);
    SetUpPeerTableView(View, 1920, 1080);
    QImage Image(1920, 1080, QImage::Format_RGB32);

    RunBesidePeer(
        State, "QTableView", [&] { Grid->PaintTo(Target.Canvas()->Handle(), 0, 0); }, [&] { View.render(&Image); });
}
BENCHMARK(Repaint)->Name("BaseGrid/Repaint1920x1080")->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
