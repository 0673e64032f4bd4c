// Fuzz target: sequences of row operations on a small string grid. Each input byte pair is one step
// (the first byte the operation, the second its argument): hiding and showing rows (ranges, lists,
// levels, all), inserting, removing and moving rows. Every row carries its id in a hidden column and
// cell properties holding the id; after each step no row is lost or doubled, the real order of the
// ids is what a plain model of the same steps says, both mappings agree, every shown and parked row
// keeps its properties and height, and no properties leak.
#include "grid/base/GridSupport.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridItems.h"
#include "grid/core/HiddenRows.h"

#include "FuzzRig.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void Check(bool Holds)
{
    if (!Holds) std::abort();
}

int32_t Live = 0;

class TCountedProps : public TCellProperties {
public:
    TCountedProps(TBaseGrid* AOwner, int32_t ACol, int32_t ARow) : TCellProperties(AOwner, ACol, ARow) { ++Live; }
    ~TCountedProps() override { --Live; }
};

constexpr int32_t IdCol = 3;
constexpr int32_t StartRows = 12;

int32_t HeightOf(int32_t Id)
{
    return 18 + Id % 5;
}

// The ids in real row order.
std::vector<int32_t> RealOrder(TExtStringGrid* Grid)
{
    std::vector<int32_t> Ids;
    for (int32_t r = 0; r < Grid->TotalRowCount(); ++r) {
        if (TStrings* Texts = Grid->HiddenRowTexts(r)) Ids.push_back(Texts->Strings(IdCol).toInt());
        else Ids.push_back(Grid->Cells(IdCol, Grid->DisplRowIndex(r)).toInt());
    }
    return Ids;
}

void CheckGrid(TExtStringGrid* Grid, const std::vector<int32_t>& Model)
{
    Check(RealOrder(Grid) == Model);
    for (int32_t d = 0; d < Grid->RowCount(); ++d) {
        const int32_t r = Grid->RealRowIndex(d);
        Check(!Grid->IsHiddenRow(r) && Grid->DisplRowIndex(r) == d);
        const int32_t Id = Grid->Cells(IdCol, d).toInt();
        auto* Props = dynamic_cast<TCellProperties*>(Grid->Objects(1, d));
        Check(Props && Props->CellObject() == static_cast<uintptr_t>(Id) && Grid->RowHeights(d) == HeightOf(Id));
    }
    for (int32_t I = 0; I < Grid->NumHiddenRows(); ++I) {
        TGridItem* Item = Grid->GridItems()->Items(I);
        const int32_t Id = Item->Items()->Strings(IdCol).toInt();
        auto* Props = dynamic_cast<TCellProperties*>(Item->Items()->Objects(1));
        Check(Props && Props->CellObject() == static_cast<uintptr_t>(Id) && Item->Height() == HeightOf(Id));
    }
    Check(Live == static_cast<int32_t>(Model.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TExtStringGrid* Grid = FuzzControl<TExtStringGrid>();
    Grid->UnHideRowsAll();
    Grid->UnHideColumnsAll();
    Grid->SetColCount(4);
    Grid->Clear();
    Live = 0;
    Grid->SetRowCount(StartRows);
    std::vector<int32_t> Model;
    for (int32_t r = 0; r < StartRows; ++r) {
        Grid->SetCells(IdCol, r, QString::number(r));
        auto* Props = new TCountedProps(Grid, 1, r);
        Props->SetCellObject(static_cast<uintptr_t>(r));
        Grid->SetCellProperties(1, r, Props);
        Grid->SetRowHeights(r, HeightOf(r));
        Model.push_back(r);
    }
    Grid->HideColumn(IdCol);
    int32_t NextId = StartRows;
    for (size_t I = 0; I + 1 < Size && I < 128; I += 2) {
        const int32_t Arg = Data[I + 1];
        const int32_t Total = Grid->TotalRowCount();
        const int32_t Shown = Grid->RowCount();
        switch (Data[I] % 9) {
        case 0:
            Grid->HideRows(Arg % (Total + 2), Arg % (Total + 2) + Arg / 64);
            break;
        case 1:
            Grid->UnHideRows(Arg % (Total + 2), Arg % (Total + 2) + Arg / 32);
            break;
        case 2: {
            TIntList List(0, 0);
            for (int32_t d = 0; d < Shown; ++d)
                if ((Arg >> (d % 8)) & 1) List.Add(d);
            Grid->HideRowList(&List);
            break;
        }
        case 3:
            Grid->UnHideRowList();
            break;
        case 4:
            Grid->UnHideRowsAll();
            break;
        case 5: {
            // Rows inserted among the shown ones get ids of their own; they go before the real row
            // shown at At, after the hidden rows above it.
            const int32_t At = Arg % (Shown + 1);
            const int32_t Count = 1 + Arg / 128;
            const int32_t Real = std::min(Grid->RealRowIndex(At), static_cast<int32_t>(Model.size()));
            Grid->InsertRows(At, Count);
            for (int32_t k = 0; k < Count; ++k) {
                const int32_t r = At + k;
                Grid->SetCells(IdCol, r, QString::number(NextId));
                auto* Props = new TCountedProps(Grid, 1, r);
                Props->SetCellObject(static_cast<uintptr_t>(NextId));
                Grid->SetCellProperties(1, r, Props);
                Grid->SetRowHeights(r, HeightOf(NextId));
                Model.insert(Model.begin() + Real + k, NextId++);
            }
            break;
        }
        case 6:
        case 7: {
            if (Shown == 0) break;
            const int32_t d = Arg % Shown;
            const int32_t Count = 1 + Arg / 100;
            for (int32_t k = std::min(d + Count, Shown) - 1; k >= d; --k) {
                const int32_t Id = Grid->Cells(IdCol, k).toInt();
                Model.erase(std::find(Model.begin(), Model.end(), Id));
            }
            if (Data[I] % 9 == 6) Grid->RemoveRows(d, Count);
            else Grid->RemoveRowBlock(d, Count);
            break;
        }
        default: {
            if (Grid->NumHiddenRows() > 0 || Shown < 2) break;
            const int32_t From = Arg % Shown;
            const int32_t To = (Arg / 7) % Shown;
            const int32_t Count = 1 + Arg % 3;
            Grid->MoveRows(From, To, Count);
            // The model follows the grid's shown order.
            Model.clear();
            for (int32_t d = 0; d < Grid->RowCount(); ++d) Model.push_back(Grid->Cells(IdCol, d).toInt());
            break;
        }
        }
        CheckGrid(Grid, Model);
    }
    return 0;
}
