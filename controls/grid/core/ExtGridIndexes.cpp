// TExtStringGrid: the all-cells view by real column and real row.
#include "grid/core/ExtGrid.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/GridItems.h"

#include "rtl/Collection.h"
#include "rtl/List.h"
#include "rtl/Strings.h"

#include <algorithm>
#include <cstdlib>

// ---------------------------------------------------------------------------------------------
// All cells: real column, real row
// ---------------------------------------------------------------------------------------------

QString TExtStringGrid::AllCells(int32_t i, int32_t j)
{
    if (i < 0 || j < 0) return QString();
    if (TStrings* Texts = HiddenRowTexts(j)) {
        QString Value = i < Texts->Count() ? Texts->Strings(i) : QString();
        GetDisplText(i, j, Value);
        return Value;
    }
    return GetCellEx(i, DisplRowIndex(j));
}

void TExtStringGrid::SetAllCells(int32_t i, int32_t j, const QString& Value)
{
    if (i < 0 || j < 0) return;
    if (TStrings* Texts = HiddenRowTexts(j)) {
        while (Texts->Count() <= i) Texts->Add(QString());
        Texts->SetStrings(i, Value);
        return;
    }
    const int32_t Row = DisplRowIndex(j);
    SetCellEx(i, Row, Value);
    if (DisplColIndex(i) != i) RepaintCell(DisplColIndex(i), Row);
}

QString TExtStringGrid::StrippedCells(int32_t i, int32_t j)
{
    return MarkupToPlainText(GetCellEx(i, j));
}
