// TCustomDrawGrid's events and TStringGrid: cells over the cell store, and rows and columns seen as string lists.
#include "windows/Grids.h"

#include "graphics/Canvas.h"
#include "rtl/Strings.h"
#include "windows/private/GridCellStore.h"

// ---- TCustomDrawGrid ----

void TCustomDrawGrid::ColumnMoved(int32_t FromIndex, int32_t ToIndex)
{
    if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(int32_t FromIndex, int32_t ToIndex)
{
    if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

QString TCustomDrawGrid::GetEditMask(int32_t ACol, int32_t ARow)
{
    QString Result;
    if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, Result);
    return Result;
}

QString TCustomDrawGrid::GetEditText(int32_t ACol, int32_t ARow)
{
    QString Result;
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, Result);
    return Result;
}

void TCustomDrawGrid::SetEditText(int32_t ACol, int32_t ARow, const QString& Value)
{
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

bool TCustomDrawGrid::SelectCell(int32_t ACol, int32_t ARow)
{
    bool Result = true;
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, Result);
    return Result;
}

void TCustomDrawGrid::DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

void TCustomDrawGrid::TopLeftChanged()
{
    TCustomGrid::TopLeftChanged();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

bool TCustomGrid::SelectCell(int32_t, int32_t)
{
    return true;
}

// ---- A row or a column as a string list ----

// Row (or column) Index of the grid: ColCount (RowCount) strings; Add fills the first empty cell, and
// nothing can be inserted or deleted.
class TStringGrid::TLines : public TStrings {
public:
    TLines(TStringGrid* Grid, int32_t Index, bool Column) : FGrid(Grid), FIndex(Index), FColumn(Column) {}

    int32_t Add(const QString& S) override
    {
        for (int32_t I = 0; I < GetCount(); ++I) {
            if (!Get(I).isEmpty()) continue;
            Put(I, S);
            return I;
        }
        return -1;
    }
    void Clear() override
    {
        for (int32_t I = 0; I < GetCount(); ++I) {
            Put(I, {});
            PutObject(I, nullptr);
        }
    }
    void Delete(int32_t) override { NoChange(); }
    int32_t Index() const { return FIndex; }
    bool IsColumn() const { return FColumn; }
    void Insert(int32_t, const QString&) override { NoChange(); }

protected:
    QString Get(int32_t Index) const override
    {
        return FColumn ? FGrid->Cells(FIndex, Index) : FGrid->Cells(Index, FIndex);
    }
    int32_t GetCount() const override { return FColumn ? FGrid->RowCount() : FGrid->ColCount(); }
    void Put(int32_t Index, const QString& S) override
    {
        if (FColumn)
            FGrid->SetCells(FIndex, Index, S);
        else
            FGrid->SetCells(Index, FIndex, S);
    }
    TObject* GetObject(int32_t Index) const override
    {
        return FColumn ? FGrid->Objects(FIndex, Index) : FGrid->Objects(Index, FIndex);
    }
    void PutObject(int32_t Index, TObject* AObject) override
    {
        // Add finds no empty cell for a line: its object goes nowhere either.
        if (Index < 0) return;
        if (FColumn)
            FGrid->SetObjects(FIndex, Index, AObject);
        else
            FGrid->SetObjects(Index, FIndex, AObject);
    }

private:
    [[noreturn]] static void NoChange()
    {
        throw EInvalidGridOperation(QStringLiteral("Cannot insert or delete rows from grid"));
    }

    TStringGrid* FGrid;
    int32_t FIndex;
    bool FColumn;
};

// ---- TStringGrid ----

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner), FStore(std::make_unique<TGridCellStore>())
{
    FStore->SetWidthHint(ColCount());
}

TStringGrid::~TStringGrid()
{
    Destroying();
    FLines.clear();
}

QString TStringGrid::Cells(int32_t ACol, int32_t ARow) const
{
    return FStore->Text(ACol, ARow);
}

const QString& TStringGrid::StoredCell(int32_t ACol, int32_t ARow) const
{
    return FStore->TextRef(ACol, ARow);
}

void TStringGrid::SetCells(int32_t ACol, int32_t ARow, const QString& Value)
{
    if (ACol < 0 || ARow < 0) throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    FStore->SetWidthHint(ColCount());
    FStore->SetText(ACol, ARow, Value);
    InvalidateCell(ACol, ARow);
    // A text written into the cell being edited shows in the editor.
    if (FEditUpdate == 0 && ACol == Col() && ARow == Row()) InvalidateEditor();
}

TObject* TStringGrid::Objects(int32_t ACol, int32_t ARow) const
{
    return FStore->Object(ACol, ARow);
}

void TStringGrid::SetObjects(int32_t ACol, int32_t ARow, TObject* Value)
{
    if (ACol < 0 || ARow < 0) throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    FStore->SetObject(ACol, ARow, Value);
}

TStringGrid::TLines* TStringGrid::LinesOf(int32_t Index, bool Column)
{
    if (Index < 0) throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    for (const std::unique_ptr<TLines>& Lines : FLines)
        if (Lines->Index() == Index && Lines->IsColumn() == Column) return Lines.get();
    FLines.push_back(std::make_unique<TLines>(this, Index, Column));
    return FLines.back().get();
}

TStrings* TStringGrid::Cols(int32_t Index)
{
    return LinesOf(Index, true);
}

void TStringGrid::SetCols(int32_t Index, TStrings* Value)
{
    Cols(Index)->Assign(Value);
}

TStrings* TStringGrid::Rows(int32_t Index)
{
    return LinesOf(Index, false);
}

void TStringGrid::SetRows(int32_t Index, TStrings* Value)
{
    Rows(Index)->Assign(Value);
}

void TStringGrid::ColumnMoved(int32_t FromIndex, int32_t ToIndex)
{
    FStore->MoveColumn(FromIndex, ToIndex);
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int32_t FromIndex, int32_t ToIndex)
{
    FStore->MoveRow(FromIndex, ToIndex);
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::PermuteRows(int32_t First, const std::vector<int32_t>& Sources)
{
    FStore->ArrangeRows(First, Sources);
}

void TStringGrid::ExchangeRows(int32_t Row1, int32_t Row2)
{
    FStore->ExchangeRows(Row1, Row2);
}

void TStringGrid::RowsRotated(int32_t First, int32_t Middle, int32_t Last)
{
    FStore->RotateRows(First, Middle, Last);
    TDrawGrid::RowsRotated(First, Middle, Last);
}

void TStringGrid::RowsArranged(int32_t First, const std::vector<int32_t>& Sources)
{
    FStore->ArrangeRows(First, Sources);
    TDrawGrid::RowsArranged(First, Sources);
}

void TStringGrid::DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState)
{
    if (DefaultDrawing()) Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

QString TStringGrid::GetEditText(int32_t ACol, int32_t ARow)
{
    QString Result = Cells(ACol, ARow);
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, Result);
    return Result;
}

void TStringGrid::SetEditText(int32_t ACol, int32_t ARow, const QString& Value)
{
    // Only a changed text is written (and repainted).
    ++FEditUpdate;
    try {
        if (Cells(ACol, ARow) != Value) SetCells(ACol, ARow, Value);
    } catch (...) {
        --FEditUpdate;
        throw;
    }
    --FEditUpdate;
    TDrawGrid::SetEditText(ACol, ARow, Value);
}
