// TExtStringGrid: cell access by real row, by pre-sort row and first column place, text forms, the
// current cell, the editor's text and the per-cell look.
#include "grid/core/ExtGrid.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/ExtUtil.h"
#include "grid/base/GridSupport.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/Strings.h"

#include <algorithm>

namespace {

const TCellProperties* PropsOf(const TExtStringGrid* Grid, int32_t ACol, int32_t ARow)
{
    return dynamic_cast<const TCellProperties*>(Grid->Objects(ACol, ARow));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Real rows: store column i, real row j
// ---------------------------------------------------------------------------------------------

QString TExtStringGrid::AllGridCells(int32_t i, int32_t j)
{
    if (TStrings* Texts = HiddenRowTexts(j)) return Texts->Strings(i);
    return GetGridCell(i, DisplRowIndex(j));
}

void TExtStringGrid::SetAllGridCells(int32_t i, int32_t j, const QString& Value)
{
    if (TStrings* Texts = HiddenRowTexts(j)) {
        Texts->SetStrings(i, Value);
        return;
    }
    const int32_t Row = DisplRowIndex(j);
    SetGridCell(i, Row, Value);
    if (DisplColIndex(i) != i) RepaintCell(DisplColIndex(i), Row);
}

TObject* TExtStringGrid::AllObjects(int32_t i, int32_t j)
{
    if (TStrings* Texts = HiddenRowTexts(j)) {
        TObject* Object = Texts->Objects(i);
        if (auto* Props = dynamic_cast<TCellProperties*>(Object)) return reinterpret_cast<TObject*>(Props->CellObject());
        return Object;
    }
    return GetObjectEx(i, DisplRowIndex(j));
}

void TExtStringGrid::SetAllObjects(int32_t i, int32_t j, TObject* Value)
{
    if (TStrings* Texts = HiddenRowTexts(j)) {
        if (auto* Props = dynamic_cast<TCellProperties*>(Texts->Objects(i)))
            Props->SetCellObject(reinterpret_cast<uintptr_t>(Value));
        else
            Texts->SetObjects(i, Value);
        return;
    }
    SetObjectEx(i, DisplRowIndex(j), Value);
}

TObject* TExtStringGrid::GetObjectRaw(int32_t i, int32_t j)
{
    if (TStrings* Texts = HiddenRowTexts(j)) return Texts->Objects(i);
    return GetGridObject(i, DisplRowIndex(j));
}

// ---------------------------------------------------------------------------------------------
// Order-independent access
// ---------------------------------------------------------------------------------------------

int32_t TExtStringGrid::UnSortedRow(int32_t j) const
{
    const int32_t Count = FSortRowXRef->Count();
    if (j > Count) return j;
    for (int32_t k = 0; k < Count; ++k)
        if (FSortRowXRef->GetInteger(k) == j) return k;
    return Count;
}

QString TExtStringGrid::UnSortedCells(int32_t i, int32_t j)
{
    return GetCellEx(i, UnSortedRow(j));
}

void TExtStringGrid::SetUnSortedCells(int32_t i, int32_t j, const QString& Value)
{
    SetCellEx(i, UnSortedRow(j), Value);
}

int32_t TExtStringGrid::SortedRowIndex(int32_t ARow)
{
    const int32_t Row = ARow < FSortRowXRef->Count() ? FSortRowXRef->GetInteger(ARow) : ARow;
    return RealRowIndex(Row);
}

int32_t TExtStringGrid::UnSortedRowIndex(int32_t ARow)
{
    const int32_t Count = FSortRowXRef->Count();
    if (Count == 0) return ARow;
    for (int32_t k = 0; k < Count; ++k)
        if (FSortRowXRef->GetInteger(k) == ARow) return k;
    return Count;
}

int32_t TExtStringGrid::ColumnPosition(int32_t ACol) const
{
    int32_t Position = ACol;
    const int32_t Count = std::min(FColumnOrder->Count(), ColCount() + FNumHidden);
    for (int32_t p = 0; p < Count; ++p)
        if (FColumnOrder->GetInteger(p) == ACol) {
            Position = p;
            break;
        }
    if (FGroupColumn >= 0 && ACol >= FGroupColumn) --Position;
    return Position;
}

QString TExtStringGrid::OriginalCells(int32_t i, int32_t j)
{
    return GetCellEx(ColumnPosition(i), j);
}

void TExtStringGrid::SetOriginalCells(int32_t i, int32_t j, const QString& Value)
{
    SetCellEx(ColumnPosition(i), j, Value);
}

int32_t TExtStringGrid::AllColWidths(int32_t i)
{
    if (IsHiddenColumn(i)) return FAllColWidths[static_cast<size_t>(i)];
    return ColWidths(DisplColIndex(i));
}

void TExtStringGrid::SetAllColWidths(int32_t i, int32_t Value)
{
    if (i < 0) return;
    if (i < static_cast<int32_t>(FAllColWidths.size())) FAllColWidths[static_cast<size_t>(i)] = Value;
    if (!IsHiddenColumn(i)) SetColWidths(DisplColIndex(i), Value);
}

// ---------------------------------------------------------------------------------------------
// Text forms
// ---------------------------------------------------------------------------------------------

int32_t TExtStringGrid::LinesInCell(int32_t i, int32_t j)
{
    return CountLines(GetCellEx(i, j), true);
}

// ---------------------------------------------------------------------------------------------
// Current cell and the editor's text
// ---------------------------------------------------------------------------------------------

QString TExtStringGrid::CurrentCell()
{
    const TPoint Base = BaseCell(RealCol(), Row());
    return GetGridCell(Base.X, Base.Y);
}

void TExtStringGrid::SetCurrentCell(const QString& Value)
{
    const TPoint Base = BaseCell(RealCol(), Row());
    SetCellEx(Base.X, Base.Y, Value);
}

void TExtStringGrid::GetCurrentCellText(QString& Value)
{
    const TPoint Base = BaseCell(RealCol(), Row());
    Value = GetCellEx(Base.X, Base.Y);
}

void TExtStringGrid::SetCurrentCellEditText(const QString& Value)
{
    // SetEditText redirects a covered cell to its base cell.
    SetEditText(Col(), Row(), Value);
}

QString TExtStringGrid::GetEditText(int32_t ACol, int32_t ARow)
{
    FNoEditChange = true;
    const TPoint Base = BaseCell(RealColIndex(ACol), ARow);
    QString Text = TBaseGrid::GetEditText(Base.X, Base.Y);
    if (!FEditWithTags) Text = MarkupToPlainText(Text);
    return Text;
}

void TExtStringGrid::SetEditText(int32_t ACol, int32_t ARow, const QString& Value)
{
    // The store keeps real columns, so the base cell is looked up after mapping.
    const TPoint Base = BaseCell(RealColIndex(ACol), ARow);
    TBaseGrid::SetEditText(Base.X, Base.Y, Value);
}

// ---------------------------------------------------------------------------------------------
// Per-cell look
// ---------------------------------------------------------------------------------------------

namespace {

// Writes through the cell's properties (made when missing), then repaints the cell unless an
// update is in progress.
template <typename Write>
void WriteLook(TExtStringGrid* Grid, int32_t ACol, int32_t ARow, bool Locked, Write Act)
{
    Act(Grid->GetCellProperties(ACol, ARow));
    if (!Locked) Grid->RepaintCell(Grid->DisplColIndex(ACol), ARow);
}

}  // namespace

TColor TExtStringGrid::ColorsTo(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsOf(this, ACol, ARow);
    return Props ? Props->BrushColorTo() : clNone;
}

void TExtStringGrid::SetColorsTo(int32_t ACol, int32_t ARow, TColor Value)
{
    WriteLook(this, ACol, ARow, FUpdateCount > 0, [&](TCellProperties* P) { P->SetBrushColorTo(Value); });
}

TCellGradientDirection TExtStringGrid::Gradients(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsOf(this, ACol, ARow);
    return Props ? Props->GradientDirection() : GradientVertical;
}

void TExtStringGrid::SetGradients(int32_t ACol, int32_t ARow, TCellGradientDirection Value)
{
    WriteLook(this, ACol, ARow, FUpdateCount > 0, [&](TCellProperties* P) { P->SetGradientDirection(Value); });
}

TColor TExtStringGrid::FontColors(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsOf(this, ACol, ARow);
    return Props ? Props->FontColor() : clNone;
}

void TExtStringGrid::SetFontColors(int32_t ACol, int32_t ARow, TColor Value)
{
    WriteLook(this, ACol, ARow, FUpdateCount > 0, [&](TCellProperties* P) { P->SetFontColor(Value); });
}

TFontStyles TExtStringGrid::FontStyles(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsOf(this, ACol, ARow);
    return Props ? Props->FontStyle() : TFontStyles{};
}

void TExtStringGrid::SetFontStyles(int32_t ACol, int32_t ARow, TFontStyles Value)
{
    WriteLook(this, ACol, ARow, FUpdateCount > 0, [&](TCellProperties* P) { P->SetFontStyle(Value); });
}

int32_t TExtStringGrid::FontSizes(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsOf(this, ACol, ARow);
    return Props ? Props->FontSize() : 0;
}

void TExtStringGrid::SetFontSizes(int32_t ACol, int32_t ARow, int32_t Value)
{
    WriteLook(this, ACol, ARow, FUpdateCount > 0, [&](TCellProperties* P) { P->SetFontSize(Value); });
}

QString TExtStringGrid::FontNames(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsOf(this, ACol, ARow);
    return Props ? Props->FontName() : QString();
}

void TExtStringGrid::SetFontNames(int32_t ACol, int32_t ARow, const QString& Value)
{
    WriteLook(this, ACol, ARow, FUpdateCount > 0, [&](TCellProperties* P) { P->SetFontName(Value); });
}

TAlignment TExtStringGrid::Alignments(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsOf(this, ACol, ARow);
    return Props ? Props->Alignment() : taLeftJustify;
}

void TExtStringGrid::SetAlignments(int32_t ACol, int32_t ARow, TAlignment Value)
{
    WriteLook(this, ACol, ARow, FUpdateCount > 0, [&](TCellProperties* P) { P->SetAlignment(Value); });
}

bool TExtStringGrid::ReadOnly(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsOf(this, ACol, ARow);
    return Props && Props->ReadOnly();
}

void TExtStringGrid::SetReadOnly(int32_t ACol, int32_t ARow, bool Value)
{
    WriteLook(this, ACol, ARow, FUpdateCount > 0, [&](TCellProperties* P) { P->SetReadOnly(Value); });
}

bool TExtStringGrid::WordWraps(int32_t ACol, int32_t ARow)
{
    return GetCellProperties(ACol, ARow)->WordWrap();
}

void TExtStringGrid::SetWordWraps(int32_t ACol, int32_t ARow, bool Value)
{
    WriteLook(this, ACol, ARow, FUpdateCount > 0, [&](TCellProperties* P) { P->SetWordWrap(Value); });
}

void TExtStringGrid::SetFonts(int32_t ACol, int32_t ARow, TFont* Value)
{
    WriteLook(this, ACol, ARow, FUpdateCount > 0, [&](TCellProperties* P) {
        P->SetFontName(Value->Name());
        P->SetFontSize(Value->Size());
        P->SetFontStyle(Value->Style());
        P->SetFontColor(Value->Color());
    });
}

TControl* TExtStringGrid::CellControls(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsOf(this, ACol, ARow);
    return Props ? Props->Control() : nullptr;
}

void TExtStringGrid::SetCellControls(int32_t ACol, int32_t ARow, TControl* Value)
{
    // The control list keys cells by real row, so the old entry is found by it too.
    const int32_t Real = RealRowIndex(ARow);
    if (!Value) {
        if (!CellControls(ACol, ARow)) return;
        const int32_t Index = FControlList->ControlIndex(ACol, Real);
        if (Index >= 0) FControlList->RemoveControl(Index);
        FNumCellControls = std::max(FNumCellControls - 1, 0);
        GetCellProperties(ACol, ARow)->SetControl(nullptr);
        return;
    }
    const int32_t Index = FControlList->ControlIndex(ACol, Real);
    if (Index >= 0) FControlList->RemoveControl(Index);
    if (!CellControls(ACol, ARow)) ++FNumCellControls;
    FControlList->AddControl(ACol, Real, Value);
    GetCellProperties(ACol, ARow)->SetControl(Value);
    Value->SetParent(this);
    const TRect R = CellRect(DisplColIndex(ACol), ARow);
    Value->SetBounds(R.Left - 1, R.Top - 1, R.Right - R.Left + 1, R.Bottom - R.Top + 1);
}

void TExtStringGrid::CellTextChanged(int32_t ACol, int32_t ARow)
{
    if (!HasAutoRangeScrollBar(ACol, ARow)) return;
    TPoint Size{0, 0};
    GetCellTextSize(ACol, ARow, Size, false, true);
    SetScrollProp(ACol, ARow, {RowHeights(ARow), Size.Y});
}
