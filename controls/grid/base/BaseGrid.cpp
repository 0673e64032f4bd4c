// TBaseGrid: creation and destruction, its properties, geometry of cells and merged areas, and the
// keys, wheel and selection steps that keep the current cell on base cells.
#include "grid/base/BaseGrid.h"

#include "grid/base/GridUndo.h"

#include "windows/WinApi.h"

#include <algorithm>

TBaseGrid::TBaseGrid(TComponent* AOwner) : TObjStringGrid(AOwner)
{
    TCustomGrid::SetGridLineWidth(0);
    TCustomGrid::SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid()
{
    if (FHasCellProps)
        FreeCellPropsRect(0, 0, std::max(ColCount() - 1, FPropsMaxCol), std::max(RowCount() - 1, FPropsMaxRow));
}

// ---------------------------------------------------------------------------------------------
// Properties
// ---------------------------------------------------------------------------------------------

void TBaseGrid::SetDefaultDrawing(bool Value)
{
    FDefaultDrawing = Value;
    TCustomGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(int32_t Value)
{
    FGridLineWidth = Value;
    TCustomGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value)
{
    FGridLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value)
{
    FGridFixedLineColor = Value;
    Invalidate();
}

namespace {

template <typename T>
bool Store(T& Field, T Value)
{
    if (Field == Value) return false;
    Field = Value;
    return true;
}

}  // namespace

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value)
{
    if (Store(FSelectionStyle, Value)) Invalidate();
}

void TBaseGrid::SetActiveRowShow(bool Value)
{
    if (Store(FActiveRowShow, Value)) Invalidate();
}

void TBaseGrid::SetActiveRowColor(TColor Value)
{
    if (Store(FActiveRowColor, Value)) Invalidate();
}

void TBaseGrid::SetActiveRowColorTo(TColor Value)
{
    if (Store(FActiveRowColorTo, Value)) Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColor(TColor Value)
{
    if (Store(FActiveRowMirrorColor, Value)) Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value)
{
    if (Store(FActiveRowMirrorColorTo, Value)) Invalidate();
}

void TBaseGrid::SetUndoRedo(TExtGridUndoRedo* Value)
{
    if (FUndoRedo && FUndoRedo != Value) FUndoRedo->RemoveFreeNotification(this);
    FUndoRedo = Value;
    if (FUndoRedo) {
        FUndoRedo->FreeNotification(this);
        FUndoRedo->SetGrid(this);
    }
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FUndoRedo) FUndoRedo = nullptr;
    TObjStringGrid::Notification(AComponent, Operation);
}

// ---------------------------------------------------------------------------------------------
// Virtual operations of the base
// ---------------------------------------------------------------------------------------------

bool TBaseGrid::IsFixed(int32_t, int32_t)
{
    return false;
}

int32_t TBaseGrid::GetNodeIndent(int32_t)
{
    return 0;
}

bool TBaseGrid::HasNodes()
{
    return false;
}

void TBaseGrid::HiddenLastRowChanged() {}

void TBaseGrid::GetDisplText(int32_t ACol, int32_t ARow, QString& Value)
{
    if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int32_t ACol, int32_t ARow, QString& Value)
{
    if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::GetCellDefaults(int32_t, int32_t, TFont* AFont, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                                TCellGradientDirection& GD)
{
    AFont->Assign(Font());
    ABrush->SetColor(Color());
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    HA = taLeftJustify;
    VA = vtaTop;
    WW = FWordWrap;
    GD = GradientVertical;
}

void TBaseGrid::CellTextChanged(int32_t, int32_t) {}

bool TBaseGrid::HasCustomBorders()
{
    return false;
}

bool TBaseGrid::IsStyledByPlatform()
{
    return false;
}

void TBaseGrid::GetVisualProperties(int32_t, int32_t, TGridDrawState&, bool, bool, bool, TBrush*, TColor&, TColor&,
                                    TColor&, TFont*, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&)
{
}

int32_t TBaseGrid::DisplColIndex(int32_t ACol)
{
    return ACol;
}

int32_t TBaseGrid::TotalColCount() const
{
    return ColCount();
}

void TBaseGrid::ChangeScale(int32_t M, int32_t D)
{
    TObjStringGrid::ChangeScale(M, D);
}

QString TBaseGrid::GetEditText(int32_t ACol, int32_t ARow)
{
    return TObjStringGrid::GetEditText(ACol, ARow);
}

void TBaseGrid::SetEditText(int32_t ACol, int32_t ARow, const QString& Value)
{
    TObjStringGrid::SetEditText(ACol, ARow, Value);
}

// ---------------------------------------------------------------------------------------------
// Geometry
// ---------------------------------------------------------------------------------------------

TRect TBaseGrid::CalcCellRect(int32_t ACol, int32_t ARow) const
{
    // Along one axis: fixed cells at their absolute place, scrolling ones from the first shown.
    const auto Start = [](int32_t Index, int32_t Fixed, int32_t First, int32_t FixedExtent, auto Size) {
        int32_t Pos = 0;
        if (Index < Fixed) {
            for (int32_t I = 0; I < Index; ++I) Pos += Size(I);
            return Pos;
        }
        Pos = FixedExtent;
        for (int32_t I = First; I < Index; ++I) Pos += Size(I);
        for (int32_t I = Index; I < First; ++I) Pos -= Size(I);
        return Pos;
    };
    const int32_t Left =
        Start(ACol, FixedCols(), LeftCol(), FixedColsWidth(), [this](int32_t I) { return ColWidths(I); });
    const int32_t Top =
        Start(ARow, FixedRows(), TopRow(), FixedRowsHeight(), [this](int32_t I) { return RowHeights(I); });
    return Rect(Left, Top, Left + ColWidths(ACol), Top + RowHeights(ARow));
}

TRect TBaseGrid::CellRect(int32_t c, int32_t r) const
{
    if (IsMergedCell(c, r)) {
        const TPoint Base = BaseCell(c, r);
        const TPoint Span = CellSpan(c, r);
        TRect Near = CalcCellRect(Base.X, Base.Y);
        TRect Far = CalcCellRect(Base.X + Span.X, Base.Y + Span.Y);
        if (Near.Width() == 0) ++Near.Right;
        if (Far.Width() == 0) --Far.Left;
        return Rect(std::min(Near.Left, Far.Left), std::min(Near.Top, Far.Top), std::max(Near.Right, Far.Right),
                    std::max(Near.Bottom, Far.Bottom));
    }
    const TCellProperties* Props = PropsIn(c, r);
    if (Props && Props->Control()) return CalcCellRect(c, r);
    const TRect Platform = TObjStringGrid::CellRect(c, r);
    return Rect(Platform.Left, Platform.Top, Platform.Left + ColWidths(c), Platform.Top + RowHeights(r));
}

TPoint TBaseGrid::CellSize(int32_t c, int32_t r) const
{
    if (IsMergedCell(c, r)) {
        const TPoint Base = BaseCell(c, r);
        const TPoint Span = CellSpan(c, r);
        const TRect Near = CalcCellRect(Base.X, Base.Y);
        const TRect Far = CalcCellRect(Base.X + Span.X, Base.Y + Span.Y);
        return Point(std::max(Near.Right, Far.Right) - std::min(Near.Left, Far.Left),
                     std::max(Near.Bottom, Far.Bottom) - std::min(Near.Top, Far.Top));
    }
    const TRect R = CalcCellRect(c, r);
    return Point(R.Width(), R.Height());
}

void TBaseGrid::RepaintCell(int32_t c, int32_t r)
{
    if (!HandleAllocated()) return;
    const TRect R = CellRect(c, r);
    ::InvalidateRect(Handle(), &R, true);
}

int32_t TBaseGrid::FixedColsWidth() const
{
    int32_t Result = 0;
    for (int32_t I = 0; I < FixedCols(); ++I) Result += ColWidths(I);
    return Result;
}

int32_t TBaseGrid::FixedRowsHeight() const
{
    int32_t Result = 0;
    for (int32_t I = 0; I < FixedRows(); ++I) Result += RowHeights(I);
    return Result;
}

void TBaseGrid::RepaintMergedFixedRowCells()
{
    if (FixedRows() == 0) return;
    for (int32_t R = 0; R < FixedRows(); ++R)
        for (int32_t C = LeftCol(); C <= LeftCol() + VisibleColCount(); ++C)
            if (IsMergedCell(C, R)) RepaintCell(C, R);
}

void TBaseGrid::RepaintMergedFixedColCells()
{
    if (FixedCols() == 0) return;
    for (int32_t C = 0; C < FixedCols(); ++C)
        for (int32_t R = TopRow(); R <= TopRow() + VisibleRowCount(); ++R)
            if (IsMergedCell(C, R)) RepaintCell(C, R);
}

// ---------------------------------------------------------------------------------------------
// Keeping the current cell on base cells
// ---------------------------------------------------------------------------------------------

void TBaseGrid::GotoBaseCell()
{
    if (!PropsIn(Col(), Row())) return;
    const TPoint Base = BaseCell(Col(), Row());
    if (Base.X != Col()) SetCol(Base.X);
    if (Base.Y != Row()) SetRow(Base.Y);
}

bool TBaseGrid::SelectCell(int32_t ACol, int32_t ARow)
{
    if (UseRightToLeftReading()) {
        const bool Result = TObjStringGrid::SelectCell(ACol, ARow);
        Invalidate();
        return Result;
    }
    RepaintCell(Col(), Row());
    const bool Result = TObjStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return Result;
}

void TBaseGrid::KeyDown(uint16_t& Key, TShiftState Shift)
{
    const TCellProperties* Props = PropsIn(Col(), Row());
    int32_t bc = Col(), br = Row();
    const TCellProperties* BaseProps = nullptr;
    if (Props) {
        const TPoint Base = Props->GetBaseCell(Col(), Row());
        bc = Base.X;
        br = Base.Y;
        BaseProps = PropsIn(bc, br);
    }
    switch (Key) {
    case VK_NEXT:
        if (RowCount() == VisibleRowCount() + TopRow() - FixedRows() + 1 && FHideLastRow && RowCount() > 1)
            SetRow(RowCount() - 2);
        break;
    case VK_RIGHT:
        if (BaseProps) {
            const int32_t e = bc + BaseProps->CellSpanX();
            if (e >= Col() && Col() < ColCount() - 1 && bc < ColCount() - 1 && e < ColCount()) SetCol(e);
        }
        break;
    case VK_DOWN:
        if (BaseProps) {
            const int32_t e = br + BaseProps->CellSpanY();
            if (e >= Row() && Row() < RowCount() - 1 && br < RowCount() - 1) SetRow(e);
        }
        break;
    case VK_LEFT:
        // From a covered cell the step starts at the base cell: to the column left of the area.
        if (Props && !Props->IsBaseCell() && bc < Col()) SetCol(bc);
        break;
    case VK_UP:
        if (Props && !Props->IsBaseCell() && br < Row()) SetRow(br);
        break;
    default: break;
    }
    TObjStringGrid::KeyDown(Key, Shift);
    GotoBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    const bool Result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow) SetTopRow(TopRow() + 1);
    GotoBaseCell();
    return Result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool Result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
    GotoBaseCell();
    return Result;
}

void TBaseGrid::TopLeftChanged()
{
    TObjStringGrid::TopLeftChanged();
    RepaintMergedFixedColCells();
    RepaintMergedFixedRowCells();
}
