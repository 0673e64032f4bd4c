// TExtColumnGrid: the per-cell hooks answered from the column items, before the string grid's own.
#include "grid/core/ColumnGrid.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/view/GridEditors.h"
#include "grid/view/GridValueEditors.h"
#include "grid/core/GridItems.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/Format.h"
#include "rtl/Strings.h"

bool TExtColumnGrid::IsDataCell(int32_t ACol, int32_t ARow) const
{
    return FColumnCollection && ACol < FColumnCollection->Count() && ACol >= FixedCols() &&
           ACol < ColCount() + NumHiddenColumns() - FixedRightCols() && ARow >= FixedRows() &&
           ARow < RowCount() - FixedFooters();
}

void TExtColumnGrid::GetAlignment(int32_t ACol, int32_t ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (TGridColumnItem* Item = ItemOf(ACol)) {
        HAlign = ARow < FixedRows() ? Item->HeaderAlignment() : Item->Alignment();
        if (HasCellProperties(ACol, ARow)) HAlign = GetCellProperties(ACol, ARow)->Alignment();
    }
    TExtStringGrid::GetAlignment(ACol, ARow, HAlign, VAlign);
}

void TExtColumnGrid::GetCellBorder(int32_t ACol, int32_t ARow, TPen* APen, TCellBorders& Borders)
{
    TGridColumnItem* Item = ItemOf(ACol);
    if (Item && IsNormalCell(ACol, ARow)) {
        Borders = Item->Borders();
        APen->Assign(Item->BorderPen());
    }
    TExtStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TExtColumnGrid::GetCellPrintBorder(int32_t ACol, int32_t ARow, TPen* APen, TCellBorders& Borders)
{
    TGridColumnItem* Item = ItemOf(ACol);
    if (Item && Item->PrintBorderCustom() && IsNormalCell(ACol, ARow)) {
        Borders = Item->PrintBorders();
        APen->Assign(Item->PrintBorderPen());
    }
    TExtStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TExtColumnGrid::GetCellColor(int32_t ACol, int32_t ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    TGridColumnItem* Item = ItemOf(ACol);
    if (Item && ACol >= FixedCols() && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() &&
        ARow < RowCount() - FixedFooters()) {
        if (Item->Fixed()) ABrush->SetColor(FixedColor());
        else if (ARow >= FixedRows() && (!Item->ShowBands() || !Bands()->Active())) ABrush->SetColor(Item->Color());
        AFont->Assign(ARow < FixedRows() ? Item->HeaderFont() : Item->Font());
        if (HasCellProperties(ACol, ARow)) {
            TCellProperties* Props = GetCellProperties(ACol, ARow);
            if (Props->BrushColor() != clNone) ABrush->SetColor(Props->BrushColor());
            if (Props->FontColor() != clNone) AFont->SetColor(Props->FontColor());
        }
    }
    TExtStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetCellPrintColor(int32_t ACol, int32_t ARow, TGridDrawState AState, TBrush* ABrush,
                                       TFont* AFont)
{
    TGridColumnItem* Item = ItemOf(ACol);
    // Fixed cells take the print settings' fixed font, which the print settings object brings.
    const bool FixedCell = ACol < FixedCols() || ARow < FixedRows() || ACol >= ColCount() - FixedRightCols() ||
                           ARow >= RowCount() - FixedFooters();
    if (Item && !FixedCell) {
        TCellProperties* Props = HasCellProperties(ACol, ARow) ? GetCellProperties(ACol, ARow) : nullptr;
        if (Item->Fixed()) {
            ABrush->SetColor(FixedColor());
        } else if (!(Item->ShowBands() && Bands()->Active() && Bands()->Print())) {
            ABrush->SetColor(Item->PrintColor());
            if (Props && Props->BrushColor() != clNone) ABrush->SetColor(Props->BrushColor());
        }
        if (Item->PrintFontCustom()) {
            AFont->Assign(Item->PrintFont());
            if (Props) {
                if (Props->FontColor() != clNone) AFont->SetColor(Props->FontColor());
                if (!Props->FontStyle().Empty()) AFont->SetStyle(Props->FontStyle());
                if (Props->FontSize() != 0) AFont->SetSize(Props->FontSize());
                if (!Props->FontName().isEmpty()) AFont->SetName(Props->FontName());
            }
        }
    }
    TExtStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetFormat(int32_t ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)
{
    if (TGridColumnItem* Item = ItemOf(ACol)) {
        AStyle = Item->SortStyle();
        aPrefix = Item->SortPrefix();
        aSuffix = Item->SortSuffix();
    }
    TExtStringGrid::GetFormat(ACol, AStyle, aPrefix, aSuffix);
}

void TExtColumnGrid::GetEditorType(int32_t ACol, int32_t ARow, TEditorType& AEditor)
{
    if (TGridColumnItem* Item = ItemOf(ACol)) {
        if (IsNormalCell(ACol, ARow)) {
            AEditor = Item->Editor();
            if (EditCombo) {
                EditCombo->Items()->Assign(Item->ComboItems());
                EditCombo->SetDropDownCount(Item->DropDownCount());
            }
            TGridSpin* Spin = SpinEdit();
            Spin->SetMinValue(Item->SpinMin());
            Spin->SetMaxValue(Item->SpinMax());
            Spin->SetIncrement(Item->SpinStep());
            SetEditLink(Item->EditLink());
            ControlLook()->SetDropDownCount(Item->DropDownCount());
        }
        if (!Item->FloatFormat().isEmpty()) SetFloatFormat(Item->FloatFormat());
    }
    TExtStringGrid::GetEditorType(ACol, ARow, AEditor);
}

bool TExtColumnGrid::HasComboBox(int32_t ACol, int32_t ARow)
{
    TGridColumnItem* Item = ItemOf(ACol);
    if (!Item) return TExtStringGrid::HasComboBox(ACol, ARow);
    bool Result = false;
    if (IsNormalCell(ACol, ARow)) Result = Item->Editor() == edComboEdit || Item->Editor() == edComboList;
    if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, Result);
    return Result;
}

void TExtColumnGrid::IsFixedCell(int32_t ACol, int32_t ARow, bool& IsFixed)
{
    TGridColumnItem* Item = ItemOf(RealColIndex(ACol));
    if (Item && IsNormalCell(ACol, ARow)) IsFixed = Item->Fixed();
    TExtStringGrid::IsFixedCell(ACol, ARow, IsFixed);
}

void TExtColumnGrid::CanEdit(int32_t ACol, int32_t ARow, bool& Value)
{
    Value = false;
    TGridColumnItem* Item = ItemOf(ACol);
    if (!ComponentState().Contains(csLoading) && Item && IsNormalCell(ACol, ARow))
        Value = !(Item->ReadOnly() || Item->Fixed());
    const TPoint Base = BaseCell(ACol, ARow);
    if (Value && HasCellProperties(Base.X, Base.Y)) Value = !GetCellProperties(Base.X, Base.Y)->ReadOnly();
    DoCanEditCell(Base.X, Base.Y, Value);
}

void TExtColumnGrid::IsPasswordCell(int32_t ACol, int32_t ARow, bool& IsPassword)
{
    if (TGridColumnItem* Item = ItemOf(ACol)) IsPassword = Item->Password();
    TExtStringGrid::IsPasswordCell(ACol, ARow, IsPassword);
}

void TExtColumnGrid::GetCheckTrue(int32_t ACol, int32_t ARow, QString& Value)
{
    TExtStringGrid::GetCheckTrue(ACol, ARow, Value);
    if (IsDataCell(ACol, ARow)) Value = ItemOf(ACol)->CheckTrue();
}

void TExtColumnGrid::GetCheckFalse(int32_t ACol, int32_t ARow, QString& Value)
{
    TExtStringGrid::GetCheckFalse(ACol, ARow, Value);
    if (IsDataCell(ACol, ARow)) Value = ItemOf(ACol)->CheckFalse();
}

bool TExtColumnGrid::GetColumnFilter(int32_t ACol)
{
    FilterList()->SetSorted(false);
    TExtStringGrid::GetColumnFilter(ACol);
    TGridColumnItem* Item = ItemOf(ACol);
    if (!Item || Item->Filter()->Count() == 0) return false;
    FilterList()->Clear();
    for (int32_t I = 0; I < Item->Filter()->Count(); ++I) {
        const QString Entry = Item->Filter()->Strings(I);
        const auto Eq = Entry.indexOf(QLatin1Char('='));
        FilterList()->Add(Eq >= 0 ? Entry.left(Eq) : Entry);
    }
    return true;
}

void TExtColumnGrid::GetFloatFormat(int32_t ACol, int32_t ARow, QString& AFormat)
{
    TExtStringGrid::GetFloatFormat(ACol, ARow, AFormat);
    TGridColumnItem* Item = ItemOf(ACol);
    if (Item && !Item->FloatFormat().isEmpty()) AFormat = Item->FloatFormat();
}

QString TExtColumnGrid::GetFormattedCell(int32_t ACol, int32_t ARow)
{
    TGridColumnItem* Item = ItemOf(ACol);
    if (!Item) return TExtStringGrid::GetFormattedCell(ACol, ARow);
    QString Pattern = Item->FloatFormat();
    const QString Text = GetCellEx(ACol, ARow);
    const int32_t Kind = GetNumberTextKind(Text);
    bool IsFloat = Kind == ntkInteger || Kind == ntkDecimal;
    if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, IsFloat, Pattern);
    if (!Pattern.isEmpty() && IsFloat) return Format(Pattern, {Floats(ACol, ARow)});
    return Text;
}

TCellGraphic* TExtColumnGrid::GetCellGraphic(int32_t ACol, int32_t ARow)
{
    TCellGraphic* Graphic = TExtStringGrid::GetCellGraphic(ACol, ARow);
    if (IsDestroying() || !FColumnCollection || Graphic || !IsDataCell(ACol, ARow)) return Graphic;
    if (ItemOf(ACol)->Editor() != edDataCheckBox) return Graphic;
    FCellGraphic->SetCellType(ctVirtCheckBox);
    FCellGraphic->SetCellTransparent(ControlLook()->ControlStyle() == csFlat);
    return FCellGraphic.get();
}

TCellType TExtColumnGrid::GetCellType(int32_t ACol, int32_t ARow)
{
    const TCellType Type = TExtStringGrid::GetCellType(ACol, ARow);
    if (IsDestroying() || !FColumnCollection || Type != ctEmpty || !IsDataCell(ACol, ARow)) return Type;
    return ItemOf(ACol)->Editor() == edDataCheckBox ? ctDataCheckBox : Type;
}

void TExtColumnGrid::GetCellDefaults(int32_t ACol, int32_t ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                     TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                     bool& WW, TCellGradientDirection& GD)
{
    TGridColumnItem* Item = ItemOf(ACol);
    if (!Item) {
        TExtStringGrid::GetCellDefaults(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA, VA, WW,
                                        GD);
        return;
    }
    AFont->Assign(Item->Font());
    ABrush->SetColor(Item->Color());
    AColorTo = clNone;
    HA = ARow < FixedRows() ? Item->HeaderAlignment() : Item->Alignment();
    VA = VAlignment();
    WW = WordWrap();
    GD = GradientVertical;
    if (IsFixed(ACol, ARow) || (Bands()->Active() && Item->ShowBands())) {
        ABrush->SetColor(clNone);
        AColorTo = clNone;
    }
}

void TExtColumnGrid::UpdateColumnSize(int32_t ACol, int32_t& AWidth)
{
    if (TGridColumnItem* Item = ItemOf(ACol)) {
        if (Item->MinSize() > 0 && AWidth < Item->MinSize()) AWidth = Item->MinSize();
        if (Item->MaxSize() > 0 && AWidth > Item->MaxSize()) AWidth = Item->MaxSize();
    }
    TExtStringGrid::UpdateColumnSize(ACol, AWidth);
}

void TExtColumnGrid::UpdateAutoColumnSize(int32_t ACol, int32_t& AWidth)
{
    if (TGridColumnItem* Item = ItemOf(ACol)) {
        if (Item->AutoMinSize() > 0 && AWidth < Item->AutoMinSize()) AWidth = Item->AutoMinSize();
        if (Item->AutoMaxSize() > 0 && AWidth > Item->AutoMaxSize()) AWidth = Item->AutoMaxSize();
    }
    TExtStringGrid::UpdateAutoColumnSize(ACol, AWidth);
}

void TExtColumnGrid::ApplyFilterListChoice(TObject* Sender, int32_t ItemIndex)
{
    const int32_t Column = FilterColumn();
    TGridColumnItem* Item = ItemOf(Column);
    if (Item && ItemIndex >= 0 && ItemIndex < Item->Filter()->Count()) {
        const QString Entry = Item->Filter()->Strings(ItemIndex);
        const auto Eq = Entry.indexOf(QLatin1Char('='));
        const QString Friendly = Eq >= 0 ? Entry.left(Eq) : Entry;
        if (FAutoFilterDisplay) Item->SetHeader(Friendly);
        if (AutoFilterUpdate()) SetFilterActive(false);
        QString Condition = Eq >= 0 ? Entry.mid(Eq + 1) : Entry;
        if (OnFilterSelect) OnFilterSelect(Sender, Column, ItemIndex, Friendly, Condition);
        TFilterData* Data = Filter()->ColumnFilter(Column);
        Data->SetCondition(Condition);
        Data->SetCaseSensitive(Item->FilterCaseSensitive());
        if (AutoFilterUpdate()) {
            SetFilterActive(true);
            if (RowCount() != FixedRows() && !(RowCount() == 1 && FixedRowAlways())) SetRow(FixedRows());
            DoFilterDone();
        }
    }
    CloseFilterDropDown();
}

QString TExtColumnGrid::GetEditMask(int32_t ACol, int32_t ARow)
{
    QString Mask;
    TGridColumnItem* Item = ItemOf(RealColIndex(ACol));
    if (Item && ACol >= FixedCols()) Mask = Item->EditMask();
    const QString Own = TExtStringGrid::GetEditMask(ACol, ARow);
    return Own.isEmpty() ? Mask : Own;
}

int32_t TExtColumnGrid::GetEditLimit()
{
    TGridColumnItem* Item = ItemOf(RealColIndex(Col()));
    if (Item && Col() >= FixedCols()) return Item->EditLength();
    return TExtStringGrid::GetEditLimit();
}
