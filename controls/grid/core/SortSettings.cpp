// The sort settings of a grid.
#include "grid/core/SortSettings.h"

#include "grid/base/GridSupport.h"
#include "grid/core/ExtGrid.h"

#include "graphics/Bitmap.h"
#include "rtl/Exceptions.h"
#include "rtl/NumConv.h"

TSortSettings::TSortSettings(TExtStringGrid* AGrid)
    : FGrid(AGrid), FSortUpGlyph(std::make_unique<TBitmap>()), FSortDownGlyph(std::make_unique<TBitmap>()),
      FIndexUpGlyph(std::make_unique<TBitmap>()), FIndexDownGlyph(std::make_unique<TBitmap>())
{
}

TSortSettings::~TSortSettings() = default;

void TSortSettings::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TSortSettings*>(Source);
    if (!Src) return;
    FAutoSortForGrouping = Src->FAutoSortForGrouping;
    FAutoColumnMerge = Src->FAutoColumnMerge;
    FSortColumn = Src->FSortColumn;
    FSortShow = Src->FSortShow;
    FSortIndexShow = Src->FSortIndexShow;
    FSortIndexColor = Src->FSortIndexColor;
    FIndexSortKey = Src->FIndexSortKey;
    FSortFull = Src->FSortFull;
    FSortSingleColumn = Src->FSortSingleColumn;
    FSortIgnoreBlanks = Src->FSortIgnoreBlanks;
    FSortBlankPos = Src->FSortBlankPos;
    FSortAutoFormat = Src->FSortAutoFormat;
    FSortDirection = Src->FSortDirection;
    FSortUpGlyph->Assign(Src->FSortUpGlyph.get());
    FSortDownGlyph->Assign(Src->FSortDownGlyph.get());
    FIndexUpGlyph->Assign(Src->FIndexUpGlyph.get());
    FIndexDownGlyph->Assign(Src->FIndexDownGlyph.get());
    FInitSortDirection = Src->FInitSortDirection;
    FSortFixedCols = Src->FSortFixedCols;
    FSortNormalCellsOnly = Src->FSortNormalCellsOnly;
    FSortRow = Src->FSortRow;
    FUndoSort = Src->FUndoSort;
    FHeaderColor = Src->FHeaderColor;
    FHeaderColorTo = Src->FHeaderColorTo;
    FHeaderMirrorColor = Src->FHeaderMirrorColor;
    FHeaderMirrorColorTo = Src->FHeaderMirrorColorTo;
}

void TSortSettings::Remove()
{
    FSortColumn = -1;
    if (!FGrid) return;
    FGrid->SortIndexes()->Clear();
    FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

void TSortSettings::ToggleDirection()
{
    FSortDirection = FSortDirection == sdAscending ? sdDescending : sdAscending;
}

QString TSortSettings::SaveToString() const
{
    if (FSortIndexShow) return QStringLiteral("i;") + (FGrid ? FGrid->SortIndexes()->SaveToString() : QString());
    return (FSortDirection == sdDescending ? QStringLiteral("d") : QStringLiteral("u")) + IntToStr(FSortColumn);
}

void TSortSettings::LoadFromString(const QString& Value)
{
    if (Value.isEmpty()) return;
    if (Value.size() < 2) throw Exception(QStringLiteral("Invalid sort settings specifier"));
    SetShow(true);
    const int32_t Columns = FGrid ? FGrid->TotalColCount() : 0;
    if (!Value.contains(QLatin1String("i;"))) {
        FSortIndexShow = false;
        FSortDirection = Value.contains(QLatin1Char('u')) ? sdAscending : sdDescending;
        int32_t Column = 0;
        if (!TryStrToInt(Value.mid(1), Column)) return;
        // -1 is the unsorted state; other columns must be the grid's own.
        if (Column != -1 && (Column < 0 || Column >= Columns)) return;
        FSortColumn = Column;
        if (FGrid) FGrid->QSort();
        return;
    }
    FSortIndexShow = true;
    const QString Keys = Value.mid(2);
    if (Keys.isEmpty() || !FGrid) return;
    TSortIndexList Read;
    Read.LoadFromString(Keys);
    for (int32_t I = 0; I < Read.Count(); ++I)
        if (Read.SortColumns(I) >= Columns) return;
    FGrid->SortIndexes()->LoadFromString(Keys);
    if (Read.Count() > 0) FGrid->QSortIndexed();
}

void TSortSettings::SetShow(bool Value)
{
    if (FSortShow == Value) return;
    FSortShow = Value;
    if (FGrid) FGrid->Invalidate();
}

void TSortSettings::SetUpGlyph(TBitmap* Value)
{
    FSortUpGlyph->Assign(Value);
}

void TSortSettings::SetDownGlyph(TBitmap* Value)
{
    FSortDownGlyph->Assign(Value);
}

void TSortSettings::SetIndexUpGlyph(TBitmap* Value)
{
    FIndexUpGlyph->Assign(Value);
}

void TSortSettings::SetIndexDownGlyph(TBitmap* Value)
{
    FIndexDownGlyph->Assign(Value);
}

void TSortSettings::SetRow(int32_t Value)
{
    if (FGrid && Value >= FGrid->FixedRows())
        throw Exception(QStringLiteral("Sort row should be smaller than number of fixed rows"));
    FSortRow = Value;
}

void TSortSettings::SetHeader(TColor& Field, TColor Value)
{
    if (Field == Value) return;
    Field = Value;
    if (FGrid && FGrid->FixedRows() > 0) FGrid->RepaintRow(FGrid->FixedRows() - 1);
}
