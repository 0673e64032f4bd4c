// TCustomGrid: counts, sizes, the current cell and selection, the cells shown and where they lie on screen.
#include "windows/Grids.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "windows/Forms.h"

#include <algorithm>

namespace {

const QString IndexOutOfRange = QStringLiteral("Grid index out of range");

[[noreturn]] void InvalidOp(const QString& Text)
{
    throw EInvalidGridOperation(Text);
}

}  // namespace

// ---- TGridExtents ----

void TGridExtents::Set(int32_t Index, int32_t Value)
{
    if (Index < 0 || Index >= FCount) return;
    const int32_t Old = Get(Index);
    if (Old == Value) return;
    if (FSizes.empty()) FSizes.assign(static_cast<size_t>(FCount), FDefault);
    FSizes[static_cast<size_t>(Index)] = Value;
    FTotal += Value - Old;
}

void TGridExtents::SetCount(int32_t Value)
{
    if (Value == FCount) return;
    if (Value < FCount) {
        if (FSizes.empty())
            FTotal -= int64_t(FCount - Value) * FDefault;
        else
            for (int32_t I = Value; I < FCount; ++I) FTotal -= FSizes[static_cast<size_t>(I)];
    } else {
        FTotal += int64_t(Value - FCount) * FDefault;
    }
    if (!FSizes.empty()) FSizes.resize(static_cast<size_t>(Value), FDefault);
    FCount = Value;
}

void TGridExtents::Reset(int32_t Value)
{
    FSizes.clear();
    FSizes.shrink_to_fit();
    FDefault = Value;
    FTotal = int64_t(FCount) * Value;
}

void TGridExtents::Move(int32_t From, int32_t To)
{
    if (FSizes.empty() || From == To || From < 0 || To < 0 || From >= FCount || To >= FCount) return;
    const auto First = FSizes.begin();
    if (From < To)
        std::rotate(First + From, First + From + 1, First + To + 1);
    else
        std::rotate(First + To, First + From, First + From + 1);
}

void TGridExtents::Rotate(int32_t First, int32_t Middle, int32_t Last)
{
    if (FSizes.empty() || First < 0 || First >= Middle || Middle >= Last || Last > FCount) return;
    const auto Begin = FSizes.begin();
    std::rotate(Begin + First, Begin + Middle, Begin + Last);
}

void TGridExtents::Arrange(int32_t First, const std::vector<int32_t>& Sources)
{
    if (FSizes.empty() || Sources.empty()) return;
    std::vector<int32_t> Sizes(Sources.size());
    for (size_t I = 0; I < Sources.size(); ++I) Sizes[I] = FSizes[static_cast<size_t>(Sources[I])];
    std::copy(Sizes.begin(), Sizes.end(), FSizes.begin() + First);
}

// ---- Construction ----

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner), FFixedColor(clBtnFace)
{
    FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks};
    FColWidths.Reset(64);
    FRowHeights.Reset(24);
    FColCount = 5;
    FRowCount = 5;
    FColWidths.SetCount(FColCount);
    FRowHeights.SetCount(FRowCount);
    FFixedCols = 1;
    FFixedRows = 1;
    FCurrent = {1, 1};
    FAnchor = FCurrent;
    FTopLeft = {1, 1};
    FOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    SetColor(clWindow);
    SetParentColor(false);
    SetTabStop(true);
    SetBounds(Left(), Top(), FColWidths.Default() * 5 + 10, FRowHeights.Default() * 5 + 10);
}

TCustomGrid::~TCustomGrid()
{
    Destroying();
    FInplaceEdit = nullptr;
}

void TCustomGrid::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style |= WS_TABSTOP;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
    if (FBorderStyle == bsSingle) {
        if (Ctl3D())
            Params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            Params.Style |= WS_BORDER;
    }
}

void TCustomGrid::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollRange();
}

// ---- Shape ----

void TCustomGrid::SetColCount(int32_t Value)
{
    if (Value < 0) InvalidOp(IndexOutOfRange);
    if (Value == FColCount) return;
    if (Value <= FFixedCols) FFixedCols = std::max(0, Value - 1);
    ChangeCount(Value, FRowCount);
}

void TCustomGrid::SetRowCount(int32_t Value)
{
    if (Value < 0) InvalidOp(IndexOutOfRange);
    if (Value == FRowCount) return;
    if (Value <= FFixedRows) FFixedRows = std::max(0, Value - 1);
    ChangeCount(FColCount, Value);
}

void TCustomGrid::ChangeCount(int32_t NewColCount, int32_t NewRowCount)
{
    const int32_t OldColCount = FColCount;
    const int32_t OldRowCount = FRowCount;
    FColCount = NewColCount;
    FRowCount = NewRowCount;
    FColWidths.SetCount(NewColCount);
    FRowHeights.SetCount(NewRowCount);
    if (!FTabStops.empty()) FTabStops.resize(static_cast<size_t>(NewColCount), true);
    // The current cell, the anchor and the first cell shown stay inside the grid and off the fixed cells.
    const auto Keep = [](int32_t Value, int32_t Fixed, int32_t Count) {
        return Count <= 0 ? 0 : std::clamp(Value, std::min(Fixed, Count - 1), Count - 1);
    };
    const TGridCoord OldCurrent = FCurrent;
    FCurrent = {Keep(FCurrent.X, FFixedCols, FColCount), Keep(FCurrent.Y, FFixedRows, FRowCount)};
    FAnchor = {Keep(FAnchor.X, FFixedCols, FColCount), Keep(FAnchor.Y, FFixedRows, FRowCount)};
    if (FOptions.Contains(goRowSelect)) FAnchor.X = std::max(0, FColCount - 1);
    FTopLeft = {Keep(FTopLeft.X, FFixedCols, FColCount), Keep(FTopLeft.Y, FFixedRows, FRowCount)};
    if (FTopLeft.X < FFixedCols) FTopLeft.X = FFixedCols;
    if (FTopLeft.Y < FFixedRows) FTopLeft.Y = FFixedRows;
    if (!(FCurrent == OldCurrent)) InvalidateEditor();
    InvalidateGrid();
    UpdateScrollRange();
    UpdateEdit();
    SizeChanged(OldColCount, OldRowCount);
}

void TCustomGrid::SetFixedCols(int32_t Value)
{
    if (Value < 0) InvalidOp(IndexOutOfRange);
    if (Value == FFixedCols) return;
    if (Value > 0 && Value >= FColCount) InvalidOp(QStringLiteral("Fixed column count must be less than column count"));
    FFixedCols = Value;
    FTopLeft.X = std::min(Value, std::max(FColCount - 1, 0));
    if (FCurrent.X < Value) FCurrent.X = FTopLeft.X;
    if (FAnchor.X < Value) FAnchor.X = FCurrent.X;
    InvalidateEditor();
    InvalidateGrid();
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::SetFixedRows(int32_t Value)
{
    if (Value < 0) InvalidOp(IndexOutOfRange);
    if (Value == FFixedRows) return;
    if (Value > 0 && Value >= FRowCount) InvalidOp(QStringLiteral("Fixed row count must be less than row count"));
    FFixedRows = Value;
    FTopLeft.Y = std::min(Value, std::max(FRowCount - 1, 0));
    if (FCurrent.Y < Value) FCurrent.Y = FTopLeft.Y;
    if (FAnchor.Y < Value) FAnchor.Y = FCurrent.Y;
    InvalidateEditor();
    InvalidateGrid();
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::SetDefaultColWidth(int32_t Value)
{
    if (Value < 0) InvalidOp(IndexOutOfRange);
    FColWidths.Reset(Value);
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int32_t Value)
{
    if (Value < 0) InvalidOp(IndexOutOfRange);
    FRowHeights.Reset(Value);
    RowHeightsChanged();
}

void TCustomGrid::SetColWidths(int32_t Index, int32_t Value)
{
    if (Index < 0 || Index >= FColCount) InvalidOp(IndexOutOfRange);
    Value = std::max(Value, 0);
    if (Value == FColWidths.Get(Index)) return;
    FColWidths.Set(Index, Value);
    ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int32_t Index, int32_t Value)
{
    if (Index < 0 || Index >= FRowCount) InvalidOp(IndexOutOfRange);
    Value = std::max(Value, 0);
    if (Value == FRowHeights.Get(Index)) return;
    FRowHeights.Set(Index, Value);
    RowHeightsChanged();
}

bool TCustomGrid::TabStops(int32_t Index) const
{
    return static_cast<size_t>(Index) >= FTabStops.size() || FTabStops[static_cast<size_t>(Index)];
}

void TCustomGrid::SetTabStops(int32_t Index, bool Value)
{
    if (Index < 0 || Index >= FColCount) InvalidOp(IndexOutOfRange);
    if (FTabStops.empty()) {
        if (Value) return;
        FTabStops.assign(static_cast<size_t>(FColCount), true);
    }
    FTabStops[static_cast<size_t>(Index)] = Value;
}

void TCustomGrid::SetGridLineWidth(int32_t Value)
{
    Value = std::max(Value, 0);
    if (Value == FGridLineWidth) return;
    FGridLineWidth = Value;
    InvalidateGrid();
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::ColWidthsChanged()
{
    UpdateScrollRange();
    UpdateEdit();
    InvalidateGrid();
}

void TCustomGrid::RowHeightsChanged()
{
    UpdateScrollRange();
    UpdateEdit();
    InvalidateGrid();
}

void TCustomGrid::SizeChanged(int32_t, int32_t) {}

void TCustomGrid::TopLeftChanged()
{
    if (FEditorMode && FInplaceEdit) FInplaceEdit->UpdateLoc(CellRect(FCurrent.X, FCurrent.Y));
}

void TCustomGrid::ChangeScale(int32_t M, int32_t D)
{
    if (M == D || D == 0) return;
    const auto Scale = [M, D](int32_t Value) { return static_cast<int32_t>(int64_t(Value) * M / D); };
    TGridExtents& Widths = FColWidths;
    TGridExtents& Heights = FRowHeights;
    std::vector<int32_t> OldWidths, OldHeights;
    if (!Widths.AllDefault())
        for (int32_t I = 0; I < FColCount; ++I) OldWidths.push_back(Widths.Get(I));
    if (!Heights.AllDefault())
        for (int32_t I = 0; I < FRowCount; ++I) OldHeights.push_back(Heights.Get(I));
    Widths.Reset(Scale(Widths.Default()));
    Heights.Reset(Scale(Heights.Default()));
    for (size_t I = 0; I < OldWidths.size(); ++I) Widths.Set(static_cast<int32_t>(I), Scale(OldWidths[I]));
    for (size_t I = 0; I < OldHeights.size(); ++I) Heights.Set(static_cast<int32_t>(I), Scale(OldHeights[I]));
    ColWidthsChanged();
    RowHeightsChanged();
}

void TCustomGrid::SetOptions(TGridOptions Value)
{
    if (FOptions == Value) return;
    const TGridOptions Old = FOptions;
    FOptions = Value;
    if (Value.Contains(goRowSelect) && !Old.Contains(goRowSelect)) {
        FAnchor = {std::max(0, FColCount - 1), FCurrent.Y};
        FEditorMode = false;
    }
    if (!Value.Contains(goRangeSelect) && Old.Contains(goRangeSelect) && !Value.Contains(goRowSelect))
        FAnchor = FCurrent;
    if (Value.Contains(goAlwaysShowEditor) && Value.Contains(goEditing) && !Value.Contains(goRowSelect))
        FEditorMode = true;
    else if (!Value.Contains(goEditing) || Value.Contains(goRowSelect))
        HideEditor();
    else if (!Value.Contains(goAlwaysShowEditor) && Old.Contains(goAlwaysShowEditor))
        HideEditor();
    InvalidateGrid();
    UpdateEdit();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    RecreateWnd();
}

void TCustomGrid::SetFixedColor(TColor Value)
{
    if (FFixedColor == Value) return;
    FFixedColor = Value;
    InvalidateGrid();
}

void TCustomGrid::SetDefaultDrawing(bool Value)
{
    if (FDefaultDrawing == Value) return;
    FDefaultDrawing = Value;
    InvalidateGrid();
}

// ---- Drawing information ----

void TCustomGrid::CalcAxis(TGridAxisDrawInfo& Axis, int32_t FixedCount, int32_t FirstCell, int32_t CellCount,
                           int32_t Extent) const
{
    Axis.GridExtent = Extent;
    Axis.FixedCellCount = FixedCount;
    Axis.FirstGridCell = FirstCell;
    Axis.GridCellCount = CellCount;
    const int32_t Line = Axis.EffectiveLineWidth;
    int32_t Pos = 0;
    for (int32_t I = 0; I < FixedCount && I < CellCount; ++I) Pos += Axis.GetExtent(I) + Line;
    Axis.FixedBoundary = Pos;
    Axis.FullVisBoundary = Pos;
    Axis.LastFullVisibleCell = FirstCell - 1;
    for (int32_t I = FirstCell; I < CellCount && Pos < Extent; ++I) {
        Pos += Axis.GetExtent(I) + Line;
        if (Pos <= Extent) {
            Axis.FullVisBoundary = Pos;
            Axis.LastFullVisibleCell = I;
        }
    }
    Axis.GridBoundary = std::min(Pos, Extent);
}

void TCustomGrid::CalcDrawInfo(TGridDrawInfo& DrawInfo) const
{
    const TRect Client = ClientRect();
    DrawInfo.Horz.Extents = &FColWidths;
    DrawInfo.Vert.Extents = &FRowHeights;
    DrawInfo.Horz.EffectiveLineWidth = FOptions.Contains(goVertLine) ? FGridLineWidth : 0;
    DrawInfo.Vert.EffectiveLineWidth = FOptions.Contains(goHorzLine) ? FGridLineWidth : 0;
    CalcAxis(DrawInfo.Horz, FFixedCols, FTopLeft.X, FColCount, Client.Width());
    CalcAxis(DrawInfo.Vert, FFixedRows, FTopLeft.Y, FRowCount, Client.Height());
}

void TCustomGrid::CalcFixedInfo(TGridDrawInfo& DrawInfo) const
{
    CalcDrawInfo(DrawInfo);
    const TRect Client = ClientRect();
    CalcAxis(DrawInfo.Horz, FFixedCols, FFixedCols, FFixedCols, Client.Width());
    CalcAxis(DrawInfo.Vert, FFixedRows, FFixedRows, FFixedRows, Client.Height());
}

int32_t TCustomGrid::VisibleColCount() const
{
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    return DrawInfo.Horz.LastFullVisibleCell - FTopLeft.X + 1;
}

int32_t TCustomGrid::VisibleRowCount() const
{
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    return DrawInfo.Vert.LastFullVisibleCell - FTopLeft.Y + 1;
}

int32_t TCustomGrid::GridWidth() const
{
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    return DrawInfo.Horz.GridBoundary;
}

int32_t TCustomGrid::GridHeight() const
{
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    return DrawInfo.Vert.GridBoundary;
}

namespace {

// Where Index starts on screen: a fixed cell, or a scrolling cell from the first shown on; -1 when it
// is scrolled out or lies beyond the client extent.
int32_t LinePos(const TGridAxisDrawInfo& Axis, int32_t Index)
{
    if (Index < 0 || Index >= Axis.GridCellCount) return -1;
    const int32_t Line = Axis.EffectiveLineWidth;
    int32_t Pos = 0;
    int32_t Start = 0;
    if (Index >= Axis.FixedCellCount) {
        if (Index < Axis.FirstGridCell) return -1;
        Pos = Axis.FixedBoundary;
        Start = Axis.FirstGridCell;
    }
    for (int32_t I = Start; I < Index; ++I) {
        Pos += Axis.GetExtent(I) + Line;
        if (Pos >= Axis.GridExtent) return -1;
    }
    return Pos < Axis.GridExtent ? Pos : -1;
}

// The cell of the axis at Pos, -1 outside the cells.
int32_t CellAt(const TGridAxisDrawInfo& Axis, int32_t Pos)
{
    if (Pos < 0) return -1;
    const int32_t Line = Axis.EffectiveLineWidth;
    int32_t Edge = 0;
    if (Pos < Axis.FixedBoundary) {
        for (int32_t I = 0; I < Axis.FixedCellCount; ++I) {
            Edge += Axis.GetExtent(I) + Line;
            if (Pos < Edge) return I;
        }
        return -1;
    }
    Edge = Axis.FixedBoundary;
    for (int32_t I = Axis.FirstGridCell; I < Axis.GridCellCount; ++I) {
        Edge += Axis.GetExtent(I) + Line;
        if (Pos < Edge) return Pos < Axis.GridExtent ? I : -1;
        if (Edge >= Axis.GridExtent) break;
    }
    return -1;
}

}  // namespace

TGridCoord TCustomGrid::CalcCoordFromPoint(int32_t X, int32_t Y, const TGridDrawInfo& DrawInfo) const
{
    return {CellAt(DrawInfo.Horz, X), CellAt(DrawInfo.Vert, Y)};
}

TGridCoord TCustomGrid::MouseCoord(int32_t X, int32_t Y) const
{
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    TGridCoord Result = CalcCoordFromPoint(X, Y, DrawInfo);
    if (Result.X < 0)
        Result.Y = -1;
    else if (Result.Y < 0)
        Result.X = -1;
    return Result;
}

void TCustomGrid::MouseToCell(int32_t X, int32_t Y, int32_t& ACol, int32_t& ARow) const
{
    const TGridCoord Coord = MouseCoord(X, Y);
    ACol = Coord.X;
    ARow = Coord.Y;
}

TRect TCustomGrid::CellRect(int32_t ACol, int32_t ARow) const
{
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    const int32_t Left = LinePos(DrawInfo.Horz, ACol);
    const int32_t Top = LinePos(DrawInfo.Vert, ARow);
    if (Left < 0 || Top < 0) return {};
    return {Left, Top, std::min(Left + FColWidths.Get(ACol), DrawInfo.Horz.GridExtent),
            std::min(Top + FRowHeights.Get(ARow), DrawInfo.Vert.GridExtent)};
}

TRect TCustomGrid::BoxRect(int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom) const
{
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    // Each axis: from the first cell of the range that shows to the end of the last one that shows.
    const auto Span = [](const TGridAxisDrawInfo& Axis, int32_t First, int32_t Last, int32_t& From, int32_t& To) {
        if (First > Last) std::swap(First, Last);
        First = std::max(First, 0);
        Last = std::min(Last, Axis.GridCellCount - 1);
        if (First < Axis.FixedCellCount && Last >= Axis.FixedCellCount && Last < Axis.FirstGridCell)
            Last = Axis.FixedCellCount - 1;
        if (First >= Axis.FixedCellCount && First < Axis.FirstGridCell) First = Axis.FirstGridCell;
        From = First <= Last ? LinePos(Axis, First) : -1;
        if (From < 0) return false;
        int32_t End = From;
        for (int32_t I = First; I <= Last; ++I) {
            if (I >= Axis.FixedCellCount && I < Axis.FirstGridCell) {
                I = Axis.FirstGridCell - 1;
                continue;
            }
            End += Axis.GetExtent(I) + Axis.EffectiveLineWidth;
            if (End >= Axis.GridExtent) break;
        }
        To = std::min(End, Axis.GridExtent);
        return To > From;
    };
    int32_t L = 0, R = 0, T = 0, B = 0;
    if (!Span(DrawInfo.Horz, ALeft, ARight, L, R) || !Span(DrawInfo.Vert, ATop, ABottom, T, B)) return {};
    return {L, T, R, B};
}

// ---- Invalidation ----

void TCustomGrid::InvalidateScreenRect(const TRect& Rect)
{
    if (!HandleAllocated() || Rect.Width() <= 0 || Rect.Height() <= 0) return;
    ::InvalidateRect(Handle(), &Rect, false);
}

void TCustomGrid::InvalidateCell(int32_t ACol, int32_t ARow)
{
    // Cells that do not show are passed by quickly: a grid is often filled a million cells at a time.
    if (!HandleAllocated() || ACol < 0 || ARow < 0 || ACol >= FColCount || ARow >= FRowCount) return;
    if ((ACol >= FFixedCols && (ACol < FTopLeft.X || ACol > FShownLastCol)) ||
        (ARow >= FFixedRows && (ARow < FTopLeft.Y || ARow > FShownLastRow)))
        return;
    InvalidateRect({ACol, ARow, ACol, ARow});
}

void TCustomGrid::InvalidateCol(int32_t ACol)
{
    if (!HandleAllocated()) return;
    InvalidateRect({ACol, 0, ACol, FRowCount - 1});
}

void TCustomGrid::InvalidateRow(int32_t ARow)
{
    if (!HandleAllocated()) return;
    InvalidateRect({0, ARow, FColCount - 1, ARow});
}

void TCustomGrid::InvalidateGrid()
{
    Invalidate();
}

void TCustomGrid::InvalidateRect(const TGridRect& ARect)
{
    if (!HandleAllocated()) return;
    InvalidateScreenRect(BoxRect(ARect.Left, ARect.Top, ARect.Right, ARect.Bottom));
}

// ---- Current cell, anchor and selection ----

TGridRect TCustomGrid::Selection() const
{
    TGridRect Result{std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y), std::max(FCurrent.X, FAnchor.X),
                     std::max(FCurrent.Y, FAnchor.Y)};
    if (FOptions.Contains(goRowSelect)) {
        Result.Left = FFixedCols;
        Result.Right = std::max(FColCount - 1, 0);
    }
    return Result;
}

void TCustomGrid::SetSelection(const TGridRect& Value)
{
    const TGridRect OldSel = Selection();
    const auto InX = [this](int32_t X) { return std::clamp(X, 0, std::max(FColCount - 1, 0)); };
    const auto InY = [this](int32_t Y) { return std::clamp(Y, 0, std::max(FRowCount - 1, 0)); };
    const TGridCoord OldCurrent = FCurrent;
    FAnchor = {InX(Value.Left), InY(Value.Top)};
    FCurrent = {InX(Value.Right), InY(Value.Bottom)};
    if (!(FCurrent == OldCurrent)) {
        UpdateText();
        InvalidateEditor();
    }
    SelectionMoved(OldSel);
    UpdateEdit();
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSel)
{
    if (!HandleAllocated()) return;
    InvalidateRect(OldSel);
    InvalidateRect(Selection());
}

void TCustomGrid::SetCol(int32_t Value)
{
    if (Value != FCurrent.X) FocusCell(Value, FCurrent.Y, true);
}

void TCustomGrid::SetRow(int32_t Value)
{
    if (Value != FCurrent.Y) FocusCell(FCurrent.X, Value, true);
}

void TCustomGrid::FocusCell(int32_t ACol, int32_t ARow, bool MoveAnchor)
{
    MoveCurrent(ACol, ARow, MoveAnchor, true);
    UpdateEdit();
    Click();
}

void TCustomGrid::MoveColRow(int32_t ACol, int32_t ARow, bool MoveAnchor, bool Show)
{
    MoveCurrent(ACol, ARow, MoveAnchor, Show);
}

void TCustomGrid::MoveCurrent(int32_t ACol, int32_t ARow, bool MoveAnchor, bool Show)
{
    if (ACol < 0 || ARow < 0 || ACol >= FColCount || ARow >= FRowCount) InvalidOp(IndexOutOfRange);
    const bool Moves = ACol != FCurrent.X || ARow != FCurrent.Y;
    // The editor's text reaches its cell before the move is asked for.
    if (Moves) UpdateText();
    if (!SelectCell(ACol, ARow)) return;
    const TGridRect OldSel = Selection();
    if (Moves && !FOptions.Contains(goAlwaysShowEditor)) HideEditor();
    FCurrent = {ACol, ARow};
    if (MoveAnchor || !FOptions.Contains(goRangeSelect)) {
        FAnchor = FCurrent;
        if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
    }
    if (Moves) InvalidateEditor();
    if (Show) ClampInView(FCurrent);
    SelectionMoved(OldSel);
}

void TCustomGrid::MoveAnchor(const TGridCoord& NewAnchor)
{
    if (!FOptions.Contains(goRangeSelect)) {
        MoveCurrent(NewAnchor.X, NewAnchor.Y, true, true);
        return;
    }
    const TGridRect OldSel = Selection();
    FAnchor = NewAnchor;
    if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
    ClampInView(NewAnchor);
    SelectionMoved(OldSel);
}

// ---- Scrolling into view ----

TGridCoord TCustomGrid::CalcMaxTopLeft(const TGridCoord& Coord, const TGridDrawInfo& DrawInfo) const
{
    // The first cell that still lets everything from it to Coord show whole.
    const auto Max = [](const TGridAxisDrawInfo& Axis, int32_t End) {
        int32_t Pos = Axis.FixedBoundary;
        int32_t Result = End;
        for (int32_t I = End; I >= Axis.FixedCellCount; --I) {
            Pos += Axis.GetExtent(I) + Axis.EffectiveLineWidth;
            if (Pos > Axis.GridExtent) break;
            Result = I;
        }
        return std::max(Result, Axis.FixedCellCount);
    };
    return {Max(DrawInfo.Horz, Coord.X), Max(DrawInfo.Vert, Coord.Y)};
}

void TCustomGrid::ClampInView(const TGridCoord& Coord)
{
    if (!HandleAllocated()) return;
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    const TGridCoord MaxTopLeft = CalcMaxTopLeft(Coord, DrawInfo);
    int32_t NewLeft = FTopLeft.X;
    int32_t NewTop = FTopLeft.Y;
    if (Coord.X >= FFixedCols) {
        if (Coord.X < FTopLeft.X)
            NewLeft = Coord.X;
        else if (Coord.X > DrawInfo.Horz.LastFullVisibleCell)
            NewLeft = MaxTopLeft.X;
    }
    if (Coord.Y >= FFixedRows) {
        if (Coord.Y < FTopLeft.Y)
            NewTop = Coord.Y;
        else if (Coord.Y > DrawInfo.Vert.LastFullVisibleCell)
            NewTop = MaxTopLeft.Y;
    }
    MoveTopLeft(NewLeft, NewTop);
}

void TCustomGrid::ScrollInView(int32_t ACol, int32_t ARow)
{
    ClampInView({ACol, ARow});
}

void TCustomGrid::SetLeftCol(int32_t Value)
{
    if (Value != FTopLeft.X) MoveTopLeft(Value, FTopLeft.Y);
}

void TCustomGrid::SetTopRow(int32_t Value)
{
    if (Value != FTopLeft.Y) MoveTopLeft(FTopLeft.X, Value);
}

void TCustomGrid::MoveTopLeft(int32_t ALeft, int32_t ATop)
{
    ALeft = std::clamp(ALeft, std::min(FFixedCols, std::max(FColCount - 1, 0)), std::max(FColCount - 1, 0));
    ATop = std::clamp(ATop, std::min(FFixedRows, std::max(FRowCount - 1, 0)), std::max(FRowCount - 1, 0));
    if (ALeft == FTopLeft.X && ATop == FTopLeft.Y) return;
    const TGridCoord Old = FTopLeft;
    FTopLeft = {ALeft, ATop};
    TopLeftMoved(Old);
}

void TCustomGrid::TopLeftMoved(const TGridCoord&)
{
    UpdateScrollPos();
    InvalidateGrid();
    TopLeftChanged();
}

// ---- Moving and deleting columns and rows ----

void TCustomGrid::MoveAdjust(int32_t& CellPos, int32_t FromIndex, int32_t ToIndex)
{
    if (CellPos == FromIndex)
        CellPos = ToIndex;
    else if (FromIndex < ToIndex && CellPos > FromIndex && CellPos <= ToIndex)
        --CellPos;
    else if (FromIndex > ToIndex && CellPos >= ToIndex && CellPos < FromIndex)
        ++CellPos;
}

void TCustomGrid::MoveColumn(int32_t FromIndex, int32_t ToIndex)
{
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= FColCount || ToIndex >= FColCount) InvalidOp(IndexOutOfRange);
    if (FromIndex == ToIndex) return;
    UpdateText();
    FColWidths.Move(FromIndex, ToIndex);
    if (!FTabStops.empty()) {
        const bool Stop = FTabStops[static_cast<size_t>(FromIndex)];
        FTabStops.erase(FTabStops.begin() + FromIndex);
        FTabStops.insert(FTabStops.begin() + ToIndex, Stop);
    }
    MoveAdjust(FCurrent.X, FromIndex, ToIndex);
    MoveAdjust(FAnchor.X, FromIndex, ToIndex);
    MoveAdjust(FInplaceCol, FromIndex, ToIndex);
    ColumnMoved(FromIndex, ToIndex);
    InvalidateEditor();
    InvalidateGrid();
    UpdateEdit();
}

void TCustomGrid::MoveRow(int32_t FromIndex, int32_t ToIndex)
{
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= FRowCount || ToIndex >= FRowCount) InvalidOp(IndexOutOfRange);
    if (FromIndex == ToIndex) return;
    UpdateText();
    FRowHeights.Move(FromIndex, ToIndex);
    MoveAdjust(FCurrent.Y, FromIndex, ToIndex);
    MoveAdjust(FAnchor.Y, FromIndex, ToIndex);
    MoveAdjust(FInplaceRow, FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    InvalidateEditor();
    InvalidateGrid();
    UpdateEdit();
}

void TCustomGrid::RotateRows(int32_t First, int32_t Middle, int32_t Last)
{
    if (First < 0 || First >= Middle || Middle >= Last || Last > FRowCount) return;
    UpdateText();
    FRowHeights.Rotate(First, Middle, Last);
    const auto Adjust = [&](int32_t& Pos) {
        if (Pos < First || Pos >= Last) return;
        Pos = Pos >= Middle ? Pos - (Middle - First) : Pos + (Last - Middle);
    };
    Adjust(FCurrent.Y);
    Adjust(FAnchor.Y);
    Adjust(FInplaceRow);
    RowsRotated(First, Middle, Last);
    InvalidateEditor();
    InvalidateGrid();
    UpdateEdit();
}

void TCustomGrid::RowsRotated(int32_t, int32_t, int32_t) {}

void TCustomGrid::ArrangeRows(int32_t First, const std::vector<int32_t>& Sources)
{
    const auto Size = static_cast<int32_t>(Sources.size());
    if (First < 0 || Size == 0 || First + Size > FRowCount) return;
    // Where each old row goes; a source outside the range or used twice refuses the whole call.
    std::vector<int32_t> Target(Sources.size(), -1);
    for (int32_t I = 0; I < Size; ++I) {
        const int32_t From = Sources[static_cast<size_t>(I)] - First;
        if (From < 0 || From >= Size || Target[static_cast<size_t>(From)] >= 0) return;
        Target[static_cast<size_t>(From)] = First + I;
    }
    UpdateText();
    FRowHeights.Arrange(First, Sources);
    const auto Adjust = [&](int32_t& Pos) {
        if (Pos >= First && Pos < First + Size) Pos = Target[static_cast<size_t>(Pos - First)];
    };
    Adjust(FCurrent.Y);
    Adjust(FAnchor.Y);
    Adjust(FInplaceRow);
    RowsArranged(First, Sources);
    InvalidateEditor();
    InvalidateGrid();
    UpdateEdit();
}

void TCustomGrid::RowsArranged(int32_t, const std::vector<int32_t>&) {}

void TCustomGrid::ColumnMoved(int32_t, int32_t) {}

void TCustomGrid::RowMoved(int32_t, int32_t) {}

void TCustomGrid::DeleteColumn(int32_t ACol)
{
    MoveColumn(ACol, FColCount - 1);
    SetColCount(FColCount - 1);
}

void TCustomGrid::DeleteRow(int32_t ARow)
{
    MoveRow(ARow, FRowCount - 1);
    SetRowCount(FRowCount - 1);
}

// ---- Focus ----

bool TCustomGrid::IsActiveControl() const
{
    const TCustomForm* Form = GetParentForm(this);
    if (Form && Form->ActiveControl()) {
        const TWinControl* Active = Form->ActiveControl();
        return Active == this || (FInplaceEdit && Active == FInplaceEdit);
    }
    const HWND Focus = GetFocus();
    return Focus &&
           (Focus == Handle() || (FInplaceEdit && FInplaceEdit->HandleAllocated() && Focus == FInplaceEdit->Handle()));
}
