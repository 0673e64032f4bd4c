// The string grid's cell store: paged rows, dense leading columns, far columns in a map.
#include "windows/private/GridCellStore.h"

#include <algorithm>
#include <tuple>
#include <utility>

TGridCellStore::TGridCellStore() = default;

TGridCellStore::~TGridCellStore() = default;

TGridCellStore::TRow& TGridCellStore::Make(int32_t ARow)
{
    const auto Table = static_cast<size_t>(ARow >> (2 * PageBits));
    if (Table >= FTables.size()) FTables.resize(Table + 1);
    if (!FTables[Table]) FTables[Table] = std::make_unique<TTable>();
    std::unique_ptr<TPage>& Page = FTables[Table]->Pages[(ARow >> PageBits) & (PageSize - 1)];
    if (!Page) Page = std::make_unique<TPage>();
    return Page->Rows[ARow & (PageSize - 1)];
}

const QString TGridCellStore::Empty;

const QString& TGridCellStore::FarText(const TRow& Row, int32_t ACol)
{
    if (ACol >= DenseColumns && Row.Far) {
        const auto Found = Row.Far->find(ACol);
        if (Found != Row.Far->end()) return Found->second.Text;
    }
    return Empty;
}

void TGridCellStore::SetText(int32_t ACol, int32_t ARow, const QString& Value)
{
    if (ACol < 0 || ARow < 0) return;
    TRow* Row = Find(ARow);
    if (ACol >= DenseColumns) {
        if (!Row) {
            if (Value.isEmpty()) return;
            Row = &Make(ARow);
        }
        if (!Row->Far) {
            if (Value.isEmpty()) return;
            Row->Far = std::make_unique<std::map<int32_t, TFarCell>>();
        }
        TFarCell& Cell = (*Row->Far)[ACol];
        Cell.Text = Value;
        if (Cell.Text.isEmpty() && !Cell.Object) Row->Far->erase(ACol);
        return;
    }
    const auto Index = static_cast<size_t>(ACol);
    if (!Row || Index >= Row->Texts.size()) {
        // An empty text beyond what the row holds is there already.
        if (Value.isEmpty()) return;
        if (!Row) Row = &Make(ARow);
        if (Index >= Row->Texts.capacity())
            Row->Texts.reserve(std::max<size_t>(Index + 1, static_cast<size_t>(std::min(FWidthHint, DenseColumns))));
        Row->Texts.resize(Index + 1);
    }
    Row->Texts[Index] = Value;
}

TObject* TGridCellStore::Object(int32_t ACol, int32_t ARow) const
{
    const TRow* Row = Find(ARow);
    if (!Row || ACol < 0) return nullptr;
    if (static_cast<size_t>(ACol) < Row->Objects.size()) return Row->Objects[static_cast<size_t>(ACol)];
    if (ACol >= DenseColumns && Row->Far) {
        const auto Found = Row->Far->find(ACol);
        if (Found != Row->Far->end()) return Found->second.Object;
    }
    return nullptr;
}

void TGridCellStore::SetObject(int32_t ACol, int32_t ARow, TObject* Value)
{
    if (ACol < 0 || ARow < 0) return;
    TRow* Row = Find(ARow);
    if (ACol >= DenseColumns) {
        if (!Row) {
            if (!Value) return;
            Row = &Make(ARow);
        }
        if (!Row->Far) {
            if (!Value) return;
            Row->Far = std::make_unique<std::map<int32_t, TFarCell>>();
        }
        TFarCell& Cell = (*Row->Far)[ACol];
        Cell.Object = Value;
        if (Cell.Text.isEmpty() && !Cell.Object) Row->Far->erase(ACol);
        return;
    }
    const auto Index = static_cast<size_t>(ACol);
    if (!Row || Index >= Row->Objects.size()) {
        if (!Value) return;
        if (!Row) Row = &Make(ARow);
        Row->Objects.resize(Index + 1, nullptr);
    }
    Row->Objects[Index] = Value;
}

void TGridCellStore::MoveRow(int32_t From, int32_t To)
{
    if (From == To || From < 0 || To < 0) return;
    // Only rows that hold something move; a row moving into a page that does not exist makes it.
    const auto Take = [this](int32_t Index) {
        TRow* Row = Find(Index);
        return Row ? std::move(*Row) : TRow{};
    };
    const auto Put = [this](int32_t Index, TRow&& Row) {
        if (Row.Empty()) {
            if (TRow* Target = Find(Index)) *Target = TRow{};
            return;
        }
        Make(Index) = std::move(Row);
    };
    TRow Moving = Take(From);
    const int32_t Step = From < To ? 1 : -1;
    for (int32_t I = From; I != To; I += Step) {
        TRow* Next = Find(I + Step);
        if (!Next || Next->Empty()) {
            if (TRow* Here = Find(I)) *Here = TRow{};
            continue;
        }
        Put(I, std::move(*Next));
    }
    Put(To, std::move(Moving));
}

void TGridCellStore::ExchangeRows(int32_t Row1, int32_t Row2)
{
    if (Row1 == Row2 || Row1 < 0 || Row2 < 0) return;
    TRow* A = Find(Row1);
    TRow* B = Find(Row2);
    if ((!A || A->Empty()) && (!B || B->Empty())) return;
    if (!A) A = &Make(Row1);
    if (!B) B = &Make(Row2);
    std::swap(*A, *B);
}

void TGridCellStore::RotateRows(int32_t First, int32_t Middle, int32_t Last)
{
    if (First < 0 || First >= Middle || Middle >= Last) return;
    std::vector<TRow> Rows(static_cast<size_t>(Last - First));
    bool Any = false;
    for (int32_t I = First; I < Last; ++I) {
        TRow* Row = Find(I);
        if (!Row || Row->Empty()) continue;
        Rows[static_cast<size_t>(I - First)] = std::move(*Row);
        *Row = TRow{};
        Any = true;
    }
    if (!Any) return;
    std::rotate(Rows.begin(), Rows.begin() + (Middle - First), Rows.end());
    for (size_t I = 0; I < Rows.size(); ++I)
        if (!Rows[I].Empty()) Make(First + static_cast<int32_t>(I)) = std::move(Rows[I]);
}

void TGridCellStore::ArrangeRows(int32_t First, const std::vector<int32_t>& Sources)
{
    if (First < 0 || Sources.empty()) return;
    std::vector<TRow> Rows(Sources.size());
    for (size_t I = 0; I < Sources.size(); ++I) {
        TRow* Row = Find(Sources[I]);
        if (!Row || Row->Empty()) continue;
        Rows[I] = std::move(*Row);
        *Row = TRow{};
    }
    for (size_t I = 0; I < Rows.size(); ++I)
        if (!Rows[I].Empty()) Make(First + static_cast<int32_t>(I)) = std::move(Rows[I]);
}

void TGridCellStore::MoveColumn(int32_t From, int32_t To)
{
    if (From == To || From < 0 || To < 0) return;
    for (const std::unique_ptr<TTable>& Table : FTables) {
        if (!Table) continue;
        for (const std::unique_ptr<TPage>& Page : Table->Pages) {
            if (!Page) continue;
            for (TRow& Row : Page->Rows)
                if (!Row.Empty()) MoveRowContents(Row, From, To);
        }
    }
}

void TGridCellStore::MoveRowContents(TRow& Row, int32_t From, int32_t To)
{
    const int32_t Low = std::min(From, To);
    const int32_t High = std::max(From, To);
    const auto Rotate = [&](auto& Cells) {
        if (static_cast<size_t>(Low) >= Cells.size()) return;
        if (static_cast<size_t>(High) >= Cells.size()) Cells.resize(static_cast<size_t>(High) + 1);
        const auto First = Cells.begin();
        if (From < To)
            std::rotate(First + From, First + From + 1, First + To + 1);
        else
            std::rotate(First + To, First + From, First + From + 1);
    };
    if (High < DenseColumns) {
        Rotate(Row.Texts);
        Rotate(Row.Objects);
        return;
    }
    // Far columns take part: every stored cell of the range goes to its new place one by one.
    std::vector<std::tuple<int32_t, QString, TObject*>> Cells;
    const auto Take = [&](int32_t Col) {
        QString Text;
        TObject* Object = nullptr;
        if (Col < DenseColumns) {
            if (static_cast<size_t>(Col) < Row.Texts.size())
                Text = std::exchange(Row.Texts[static_cast<size_t>(Col)], QString());
            if (static_cast<size_t>(Col) < Row.Objects.size())
                Object = std::exchange(Row.Objects[static_cast<size_t>(Col)], nullptr);
        }
        if (!Text.isEmpty() || Object) Cells.emplace_back(Col, std::move(Text), Object);
    };
    const int32_t DenseEnd =
        std::min<int32_t>(High + 1, static_cast<int32_t>(std::max(Row.Texts.size(), Row.Objects.size())));
    for (int32_t Col = Low; Col < DenseEnd; ++Col) Take(Col);
    if (Row.Far) {
        for (auto It = Row.Far->lower_bound(Low); It != Row.Far->end() && It->first <= High;) {
            Cells.emplace_back(It->first, std::move(It->second.Text), It->second.Object);
            It = Row.Far->erase(It);
        }
        if (Row.Far->empty()) Row.Far.reset();
    }
    for (auto& [Col, Text, Object] : Cells) {
        int32_t NewCol = Col;
        if (Col == From)
            NewCol = To;
        else if (From < To)
            --NewCol;
        else
            ++NewCol;
        if (NewCol < DenseColumns) {
            if (!Text.isEmpty()) {
                if (static_cast<size_t>(NewCol) >= Row.Texts.size()) Row.Texts.resize(static_cast<size_t>(NewCol) + 1);
                Row.Texts[static_cast<size_t>(NewCol)] = std::move(Text);
            }
            if (Object) {
                if (static_cast<size_t>(NewCol) >= Row.Objects.size())
                    Row.Objects.resize(static_cast<size_t>(NewCol) + 1, nullptr);
                Row.Objects[static_cast<size_t>(NewCol)] = Object;
            }
        } else {
            if (!Row.Far) Row.Far = std::make_unique<std::map<int32_t, TFarCell>>();
            (*Row.Far)[NewCol] = TFarCell{std::move(Text), Object};
        }
    }
}
