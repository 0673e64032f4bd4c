// TExtStringGrid: inserting, removing and joining columns by real index, with their cells, widths,
// visibility and the cells parked in hidden rows.
#include "grid/core/ExtGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/GridItems.h"
#include "grid/core/HiddenRows.h"

#include "rtl/Strings.h"

#include <algorithm>

void TExtStringGrid::InsertCols(int32_t ColIndex, int32_t CCount)
{
    if (ColIndex < 0 || CCount <= 0 || ColIndex > TotalColCount()) return;
    const int32_t Total = TotalColCount();
    const int32_t d = DisplColIndex(std::min(ColIndex, 511));
    SetColCount(ColCount() + CCount);
    // Shown columns keep their own widths; the new ones take the default.
    for (int32_t i = ColCount() - 1; i >= d + CCount; --i) SetColWidths(i, ColWidths(i - CCount));
    for (int32_t i = d; i < d + CCount && i < ColCount(); ++i) SetColWidths(i, DefaultColWidth());
    for (int32_t i = 511; i >= ColIndex + CCount; --i) {
        FVisibleCol[static_cast<size_t>(i)] = FVisibleCol[static_cast<size_t>(i - CCount)];
        FAllColWidths[static_cast<size_t>(i)] = FAllColWidths[static_cast<size_t>(i - CCount)];
    }
    for (int32_t i = ColIndex; i < ColIndex + CCount && i < 512; ++i) FVisibleCol[static_cast<size_t>(i)] = true;
    // Cells move right in every row, shown and hidden.
    for (int32_t r = 0; r < RowCount(); ++r) {
        for (int32_t i = Total + CCount - 1; i >= ColIndex + CCount; --i) {
            SetCells(i, r, Cells(i - CCount, r));
            SetObjects(i, r, Objects(i - CCount, r));
        }
        for (int32_t i = ColIndex; i < ColIndex + CCount; ++i) {
            SetObjects(i, r, nullptr);
            SetCells(i, r, QString());
        }
    }
    for (int32_t I = 0; I < NumHiddenRows(); ++I) {
        TStrings* Texts = FGridItems->Items(I)->Items();
        if (ColIndex > Texts->Count()) continue;
        for (int32_t k = 0; k < CCount; ++k) Texts->Insert(ColIndex, QString());
    }
}

void TExtStringGrid::RemoveCols(int32_t ColIndex, int32_t CCount)
{
    const int32_t Total = TotalColCount();
    CCount = std::min(CCount, Total - ColIndex);
    if (ColIndex < 0 || CCount <= 0) return;
    // The columns are real ones: emptied without the display mapping.
    const bool SaveHidden = FSaveHiddenCells;
    FSaveHiddenCells = false;
    ClearCols(ColIndex, CCount);
    FSaveHiddenCells = SaveHidden;
    int32_t Shown = 0;
    int32_t Hidden = 0;
    // Display slots of the removed shown columns go, from the right, so that others keep their widths.
    for (int32_t j = ColIndex + CCount - 1; j >= ColIndex; --j) {
        if (IsHiddenColumn(j)) {
            ++Hidden;
            continue;
        }
        ++Shown;
        const int32_t d = DisplColIndex(j);
        for (int32_t i = d; i < ColCount() - 1; ++i) SetColWidths(i, ColWidths(i + 1));
    }
    for (int32_t i = ColIndex; i < 512; ++i) {
        const int32_t From = i + CCount;
        FVisibleCol[static_cast<size_t>(i)] = From < 512 ? FVisibleCol[static_cast<size_t>(From)] : true;
        FAllColWidths[static_cast<size_t>(i)] = From < 512 ? FAllColWidths[static_cast<size_t>(From)] : 0;
    }
    for (int32_t r = 0; r < RowCount(); ++r) {
        for (int32_t i = ColIndex; i < Total - CCount; ++i) {
            SetCells(i, r, Cells(i + CCount, r));
            SetObjects(i, r, Objects(i + CCount, r));
        }
        for (int32_t i = Total - CCount; i < Total; ++i) {
            SetObjects(i, r, nullptr);
            SetCells(i, r, QString());
        }
    }
    for (int32_t I = 0; I < NumHiddenRows(); ++I) {
        TGridItem* Item = FGridItems->Items(I);
        TStrings* Texts = Item->Items();
        for (int32_t k = 0; k < CCount && ColIndex < Texts->Count(); ++k) {
            if (auto* Props = dynamic_cast<TCellProperties*>(Texts->Objects(ColIndex))) {
                auto* Graphic = dynamic_cast<TCellGraphic*>(Props->GraphicObject());
                if (!IsSharedGraphic(Graphic)) delete Graphic;
                delete Props;
            }
            Texts->Delete(ColIndex);
        }
    }
    FNumHidden -= Hidden;
    if (Shown > 0) SetColCount(ColCount() - Shown);
    DoCellsChanged(Rect(ColIndex, 0, ColIndex + CCount, RowCount() - 1));
}

void TExtStringGrid::MergeCols(int32_t ColIndex1, int32_t ColIndex2, const QString& Separator)
{
    for (int32_t r = FixedRows(); r < RowCount(); ++r)
        SetCells(ColIndex1, r, (Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)).trimmed());
    RemoveCols(ColIndex2, 1);
}
