// TExtStringGrid: the cursor moves that end an edit (Tab step, advance after Enter).
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSettings.h"
#include "grid/core/ControlLook.h"
#include "grid/core/EditLink.h"

#include "graphics/Graphics.h"
#include "windows/Forms.h"
#include "windows/WinApi.h"

#include <algorithm>
#include <iterator>
#include <memory>

// ---------------------------------------------------------------------------------------------
// Tab step
// ---------------------------------------------------------------------------------------------

int32_t TExtStringGrid::FirstTabCol() const
{
    return FixedCols() == 0 && FNumNodes > 0 ? 1 : FixedCols();
}

bool TExtStringGrid::CanTabTo(int32_t ACol, int32_t ARow)
{
    bool Can = Options().Contains(goEditing) ? CanEdit(RealColIndex(ACol), ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, Can);
    return Can;
}

bool TExtStringGrid::AdvanceToNextCell(bool Backward)
{
    if (OnKeyDown) {
        uint16_t Key = VK_TAB;
        OnKeyDown(this, Key, Backward ? TShiftState{ssShift} : TShiftState{});
        if (Key != VK_TAB) return true;
    }
    if (Col() == FLastTabCol && Row() == FLastTabRow) return true;
    FLastTabCol = Col();
    FLastTabRow = Row();
    const int32_t First = FirstTabCol();
    const int32_t LastCol = ColCount() - FixedRightCols() - 1;
    const int32_t LastRow = RowCount() - FixedFooters() - 1;
    const bool RowWise = FNavigation->TabAdvanceDirection() == adLeftRight;
    bool Result = true;
    if (First <= LastCol && FixedRows() <= LastRow) {
        int32_t c = std::clamp(Col(), First, LastCol);
        int32_t r = std::clamp(Row(), FixedRows(), LastRow);
        bool Wrapped = false;
        // Every data cell at most once: a grid without a cell Tab may take keeps its cursor.
        const int64_t Cells = int64_t(LastCol - First + 1) * (LastRow - FixedRows() + 1);
        for (int64_t Step = 0; Step < Cells; ++Step) {
            if (RowWise) {
                if (Backward) {
                    if (--c < First) {
                        c = LastCol;
                        if (--r < FixedRows()) r = LastRow;
                    }
                } else if (++c > LastCol) {
                    c = First;
                    if (++r > LastRow) {
                        r = FixedRows();
                        Wrapped = true;
                    }
                }
            } else if (Backward) {
                if (--r < FixedRows()) {
                    r = LastRow;
                    if (--c < First) c = LastCol;
                }
            } else if (++r > LastRow) {
                r = FixedRows();
                if (++c > LastCol) {
                    c = First;
                    Wrapped = true;
                }
            }
            if (CanTabTo(c, r)) break;
        }
        if (c != Col() || r != Row()) {
            FForceSel = true;
            SetRow(r);
            SetCol(c);
            FForceSel = false;
        }
        if (Wrapped && FNavigation->TabToNextAtEnd() && Parent() && Parent()->HandleAllocated()) {
            PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_TAB, 0);
            Result = false;
        }
    }
    FLastTabCol = -1;
    FLastTabRow = -1;
    if (FNavigation->AlwaysEdit() && CanFocus()) SetFocus();
    return Result;
}

// ---------------------------------------------------------------------------------------------
// Advance after Enter
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AdvanceAfterEdit(int32_t ACol, int32_t ARow, bool Force, bool AutoEdit, bool Forward,
                                      bool KeepOrigin, bool EditAfter)
{
    if (!FNavigation->AdvanceOnEnter() && !Force) return;
    if (FMouseActions->RangeSelectAndEdit() && !Options().Contains(goEditing))
        SetOptions(Options() + TGridOptions{goEditing});
    if (!KeepOrigin) {
        FAECol = ACol;
        FAERow = ARow;
    }
    const int32_t OC = ACol;
    const int32_t OR = ARow;
    FStartEditChar = QChar();
    const TPoint S = CellSpan(ACol, ARow);
    const int32_t First = FirstTabCol();
    const int32_t LastRow = RowCount() - FixedFooters() - 1;
    const int32_t LastCol = ColCount() - FixedRightCols() - 1;
    const TAdvanceDirection Dir = FNavigation->AdvanceDirection();
    if (Forward) {
        if (Dir == adLeftRight || Dir == adLeftRightInRow) {
            if (ACol + S.X < LastCol) {
                ACol += S.X + 1;
            } else if (Dir == adLeftRightInRow) {
                if (FNavigation->AdvanceOnEnterLoop()) ACol = First;
            } else if (ARow >= LastRow) {
                if (FNavigation->AdvanceInsert()) {
                    bool CanAdd = true;
                    DoCanAddRow(CanAdd);
                    ACol = First;
                    if (CanAdd) {
                        AddRow();
                        ++ARow;
                        if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FixedFooters() - 1);
                        bool Editable = false;
                        for (int32_t c = FixedCols(); c < ColCount() && !Editable; ++c)
                            Editable = CanEdit(RealColIndex(c), ARow);
                        if (!Editable) return;
                    }
                } else if (FNavigation->AdvanceOnEnterLoop()) {
                    ARow = FixedRows();
                    ACol = First;
                }
            } else {
                ++ARow;
                ACol = First;
            }
        } else if (ARow < LastRow) {
            ++ARow;
        } else if (Dir == adTopBottomInCol) {
            ARow = FixedRows();
        } else {
            if (ACol + 1 != ColCount() - FixedRightCols()) {
                ARow = FixedRows();
                if (++ACol >= ColCount()) ACol = First;
            } else if (FNavigation->AdvanceInsert()) {
                SetColCount(ColCount() + 1);
                ACol += S.X + 1;
                ARow = FixedRows();
                if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FixedRightCols() - 1);
            } else {
                ARow = FixedRows();
                ACol = First;
            }
            Invalidate();
        }
    } else if (Dir == adLeftRight) {
        if (ACol > First) {
            --ACol;
        } else {
            ARow = ARow > FixedRows() ? ARow - 1 : LastRow;
            ACol = LastCol;
        }
    } else if (Dir == adTopBottom) {
        if (ARow > FixedRows()) {
            --ARow;
        } else {
            ACol = ACol > First ? ACol - 1 : LastCol;
            ARow = LastRow;
        }
    }

    bool E = true;
    CanEdit(RealColIndex(ACol), ARow, E);
    // A walk over read-only cells ends where it began or where it no longer moves.
    const bool Moved = ACol != OC || ARow != OR;
    const bool BackAtStart = KeepOrigin && ACol == FAECol && ARow == FAERow;
    if (E) {
        bool Allow = true;
        int32_t NewRow = ARow;
        int32_t NewCol = ACol;
        if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, NewRow, NewCol, Allow);
        FDisableChange = true;
        if (Allow) {
            if (OnCellChanging) OnCellChanging(this, FAERow, FAECol, NewRow, NewCol, Allow);
            if (Allow) {
                SetCol(NewCol);
                SetRow(NewRow);
            } else {
                SelectCell(OC, OR);
            }
        } else {
            SelectCell(OC, OR);
        }
        FDisableChange = false;
    } else if (FNavigation->AdvanceSkipReadOnlyCells() && Moved && !BackAtStart) {
        AdvanceAfterEdit(ACol, ARow, Force, AutoEdit, Forward, true, EditAfter);
        return;
    } else {
        SetCol(ACol);
        SetRow(ARow);
    }
    if (!EditAfter) return;
    const int32_t C = RealColIndex(Col());
    if ((AutoEdit && FNavigation->AdvanceAutoEdit()) || IsControlCell(C, Row())) {
        if (!CanEdit(C, Row())) return;
        ShowEditor();
        if (IsControlCell(C, Row())) ClickAdvancedToControl(OC, OR);
    }
    if (FMouseActions->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(Row(), true);
    }
}

void TExtStringGrid::ClickAdvancedToControl(int32_t OC, int32_t OR)
{
    const int32_t NC = Col();
    const int32_t NR = Row();
    FDisableChange = true;
    SetCol(OC);
    SetRow(OR);
    SetCol(NC);
    SetRow(NR);
    // The control acts as under a click, unless the walk started on a control cell too.
    if (!IsControlCell(RealColIndex(OC), OR)) {
        const TRect R = CellRect(NC, NR);
        MouseDown(mbLeft, TShiftState{}, R.Left + 2, R.Top + 2);
        MouseUp(mbLeft, TShiftState{}, R.Left + 2, R.Top + 2);
        if (FNavigation->AdvanceDirection() != adLeftRight) HideEditor();
    }
    FDisableChange = false;
    bool Allow = true;
    if (OnCellChanging) OnCellChanging(this, OR, OC, Row(), Col(), Allow);
    TEditorType T = FDefaultEditor;
    GetEditorType(RealColIndex(OC), OR, T);
    static constexpr TEditorType Normal[] = {edNormal,    edNumeric,    edPositiveNumeric, edFloat,
                                             edCapital,   edMixedCase,  edPassword,        edLowerCase,
                                             edUpperCase, edPositiveFloat};
    if (std::find(std::begin(Normal), std::end(Normal), T) == std::end(Normal)) HideEditor();
}
