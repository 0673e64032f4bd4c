// TExtStringGrid: the per-cell hooks (the grid's default, then the event) and the notification
// hooks that relay a grid action to an event.
#include "grid/core/ExtGrid.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"
#include "grid/base/GridUndo.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridItems.h"
#include "grid/core/HiddenRows.h"
#include "grid/core/GridOptions.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/Collection.h"
#include "rtl/List.h"
#include "rtl/Strings.h"
#include "windows/Forms.h"

// ---------------------------------------------------------------------------------------------
// Per-cell queries
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::GetCellHint(int32_t ACol, int32_t ARow, QString& Hint, QString& WideHint)
{
    if (OnGridHint) OnGridHint(this, ARow, ACol, Hint);
    if (OnGridWideHint) {
        OnGridWideHint(this, ARow, ACol, WideHint);
        if (!WideHint.isEmpty()) Hint = EncodeWideCellText(WideHint);
    }
}

void TExtStringGrid::GetCellColor(int32_t ACol, int32_t ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (FActiveCellShow) {
        const int32_t c = DisplColIndex(ACol);
        if ((ARow == Row() && FixedCols() > 0 && c == FixedCols() - 1) ||
            (c == Col() && FixedRows() > 0 && ARow == FixedRows() - 1)) {
            AFont->Assign(FActiveCellFont.get());
            ABrush->SetColor(FActiveCellColor);
        }
    }
    if (HasCellProperties(ACol, ARow)) {
        TCellProperties* Props = GetCellProperties(ACol, ARow);
        static const TCellTypes BrushKinds{ctIcon, ctNone, ctImageList, ctEmpty, ctImages, ctComment};
        if (BrushKinds.Contains(GetCellType(ACol, ARow)) && Props->BrushColor() != clNone)
            ABrush->SetColor(Props->BrushColor());
        if (Props->FontColor() != clNone) AFont->SetColor(Props->FontColor());
        if (!Props->FontStyle().Empty()) AFont->SetStyle(Props->FontStyle());
        if (Props->FontSize() != 0) AFont->SetSize(Props->FontSize());
        if (!Props->FontName().isEmpty()) AFont->SetName(Props->FontName());
    }
    if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellPrintColor(int32_t ACol, int32_t ARow, TGridDrawState AState, TBrush* ABrush,
                                       TFont* AFont)
{
    if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellBorder(int32_t ACol, int32_t ARow, TPen* APen, TCellBorders& Borders)
{
    if (FGrouping->HeaderUnderline() && IsNode(ARow) && ACol > 0) {
        Borders = {cbBottom};
        APen->SetColor(FGrouping->HeaderLineColor());
        APen->SetWidth(FGrouping->HeaderLineWidth());
    }
    if (FGrouping->SummaryLine() && IsSummary(ARow) && ACol > 0) {
        Borders = {cbTop};
        APen->SetColor(FGrouping->SummaryLineColor());
        APen->SetWidth(FGrouping->SummaryLineWidth());
    }
    if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellPrintBorder(int32_t ACol, int32_t ARow, TPen* APen, TCellBorders& Borders)
{
    if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetAlignment(int32_t ACol, int32_t ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (ACol == 0 && FMouseActions->HotmailRowSelect()) HAlign = taCenter;
    if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExtStringGrid::GetFormat(int32_t ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)
{
    if (OnGetFormat) OnGetFormat(this, ACol, AStyle, aPrefix, aSuffix);
}

void TExtStringGrid::QueryEditorType(int32_t ACol, int32_t ARow, TEditorType& AEditor)
{
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExtStringGrid::GetEditorType(int32_t ACol, int32_t ARow, TEditorType& AEditor)
{
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TExtStringGrid::IsNoEditorCell(int32_t ACol, int32_t ARow)
{
    if (!OnGetEditorType) return false;
    TEditorType Editor = edNormal;
    OnGetEditorType(this, ACol, ARow, Editor);
    return Editor == edNone;
}

void TExtStringGrid::IsFixedCell(int32_t ACol, int32_t ARow, bool& IsFixed)
{
    if (IsFixed) return;
    IsFixed = (FFixedRowAlways && ARow <= FFixedRowsMin && RowCount() == FFixedRowsMin) ||
              (FFixedColAlways && ACol < FFixedColsMin && ColCount() == FFixedColsMin) || ACol < FixedCols() ||
              ARow < FixedRows();
    if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

bool TExtStringGrid::IsFixed(int32_t ACol, int32_t ARow)
{
    if (ARow >= RowCount() - FFixedFooters || ACol >= ColCount() - FFixedRightCols) return true;
    bool Fixed = false;
    IsFixedCell(ACol, ARow, Fixed);
    return Fixed;
}

void TExtStringGrid::CanEdit(int32_t ACol, int32_t ARow, bool& Value)
{
    const TPoint Base = BaseCell(ACol, ARow);
    if (HasCellProperties(Base.X, Base.Y) && Value) {
        Value = !GetCellProperties(Base.X, Base.Y)->ReadOnly();
        if (!Options().Contains(goEditing) && !FEditDisable && !FMouseActions->RangeSelectAndEdit()) Value = false;
    }
    if (Base.X < ColCount() + FNumHidden) DoCanEditCell(Base.X, Base.Y, Value);
    else Value = true;
}

bool TExtStringGrid::CanEdit(int32_t ACol, int32_t ARow)
{
    bool Value = true;
    CanEdit(ACol, ARow, Value);
    return Value;
}

void TExtStringGrid::DoCanEditCell(int32_t ACol, int32_t ARow, bool& Value)
{
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, Value);
}

void TExtStringGrid::IsPasswordCell(int32_t ACol, int32_t ARow, bool& IsPassword)
{
    if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TExtStringGrid::GetCellWordWrap(int32_t ACol, int32_t ARow, bool& WordWrap)
{
    if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrap);
}

bool TExtStringGrid::HasComboBox(int32_t ACol, int32_t ARow)
{
    bool Result = false;
    if (OnHasComboBox) {
        OnHasComboBox(this, ACol, ARow, Result);
    } else if (FControlLook->DropDownAlwaysVisible()) {
        TEditorType Editor = FDefaultEditor;
        GetEditorType(ACol, ARow, Editor);
        Result = Editor == edComboEdit || Editor == edComboList;
    }
    return Result;
}

bool TExtStringGrid::HasSpinEdit(int32_t ACol, int32_t ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows()) return false;
    bool Result = false;
    if (OnHasSpinEdit) {
        OnHasSpinEdit(this, ACol, ARow, Result);
    } else if (FControlLook->SpinButtonsAlwaysVisible()) {
        TEditorType Editor = FDefaultEditor;
        QueryEditorType(ACol, ARow, Editor);
        Result = Editor == edSpinEdit || Editor == edFloatSpinEdit || Editor == edTimeSpinEdit ||
                 Editor == edDateSpinEdit;
    }
    return Result;
}

void TExtStringGrid::GetCheckTrue(int32_t ACol, int32_t ARow, QString& Value)
{
    Value = FCheckTrue;
    if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExtStringGrid::GetCheckFalse(int32_t ACol, int32_t ARow, QString& Value)
{
    Value = FCheckFalse;
    if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

QString TExtStringGrid::CheckTrueOf(int32_t ACol, int32_t ARow)
{
    QString Value;
    GetCheckTrue(ACol, ARow, Value);
    return Value;
}

QString TExtStringGrid::CheckFalseOf(int32_t ACol, int32_t ARow)
{
    QString Value;
    GetCheckFalse(ACol, ARow, Value);
    return Value;
}

namespace {

// A text with a blank becomes a name=value entry: the shown name, then the quoted condition.
QString FilterEntry(const QString& Text)
{
    if (!Text.contains(QLatin1Char(' '))) return Text;
    return Text + QLatin1Char('=') + QLatin1Char('"') + Text + QLatin1Char('"');
}

}  // namespace

bool TExtStringGrid::GetColumnFilter(int32_t ACol)
{
    FFilterList->Clear();
    if (FFilterDropDownAuto && (ACol >= FixedCols() || FFilterDropDownColumns == fdAll)) {
        FFilterList->SetSorted(true);
        for (int32_t r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r)
            FFilterList->Add(FilterEntry(GetCellEx(ACol, r).trimmed()));
        if (!FFilterIncremental) {
            for (int32_t I = 0; I < FGridItems->Count(); ++I) {
                TStrings* Texts = static_cast<TGridItem*>(FGridItems->Items(I))->Items();
                if (ACol >= 0 && ACol < Texts->Count()) FFilterList->Add(FilterEntry(Texts->Strings(ACol)));
            }
        }
        FFilterList->SetSorted(false);
        if (!FFilterDropDownClear.isEmpty()) FFilterList->Insert(0, FFilterDropDownClear);
    }
    if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, FFilterList.get());
    return FFilterList->Count() > 0;
}

void TExtStringGrid::GetCellCursor(int32_t ACol, int32_t ARow, int32_t X, int32_t Y)
{
    if (!OnGetCellCursor) return;
    TCursor Cursor = this->Cursor();
    OnGetCellCursor(this, ACol, ARow, X, Y, Cursor);
    ::SetCursor(Screen->Cursors(Cursor));
}

void TExtStringGrid::GetCellDefaults(int32_t ACol, int32_t ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                     TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                     bool& WW, TCellGradientDirection& GD)
{
    TGridDrawState State;
    GetVisualProperties(ACol, ARow, State, false, false, false, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont,
                        HA, VA, WW, GD);
    if (IsFixed(ACol, ARow) || FBands->Active() || FBackGround->Display() == bdGradientHorz ||
        FBackGround->Display() == bdGradientVert || State.Contains(gdSelected)) {
        ABrush->SetColor(clNone);
        AColorTo = clNone;
    }
}

TFont* TExtStringGrid::GetCellFont(int32_t ACol, int32_t ARow)
{
    if (!HasCellProperties(ACol, ARow)) return Font();
    TCellProperties* Props = GetCellProperties(ACol, ARow);
    cf->SetName(Props->FontName());
    cf->SetSize(Props->FontSize());
    cf->SetStyle(Props->FontStyle());
    cf->SetColor(Props->FontColor());
    return cf.get();
}

bool TExtStringGrid::HasNodes()
{
    return FNumNodes > 0;
}

int32_t TExtStringGrid::GetNodeIndent(int32_t ARow)
{
    if (!HasNodes() || ARow < 0 || !HasCellProperties(0, ARow)) return 0;
    return GetCellProperties(0, ARow)->NodeLevel() * FCellNode->NodeIndent();
}

// ---------------------------------------------------------------------------------------------
// Notifications
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::DoButtonClick(int32_t ACol, int32_t ARow)
{
    if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TExtStringGrid::DoExpandClick(int32_t ACol, int32_t ARow, bool Expanded)
{
    if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
    SetRowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

void TExtStringGrid::DoComboCloseUp(int32_t ARow, int32_t ACol)
{
    if (OnComboCloseUp) OnComboCloseUp(this, ARow, ACol);
}

void TExtStringGrid::DoComboDropDown(int32_t ARow, int32_t ACol)
{
    if (OnComboDropDown) OnComboDropDown(this, ARow, ACol);
}

void TExtStringGrid::DoCanAddRow(bool& CanAdd)
{
    if (OnCanAddRow) OnCanAddRow(this, CanAdd);
}

void TExtStringGrid::DoCanInsertRow(int32_t ARow, bool& CanInsert)
{
    if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}

void TExtStringGrid::DoCheckBoxChange(int32_t ACol, int32_t ARow, bool State)
{
    if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

void TExtStringGrid::DoCheckBoxClick(int32_t ACol, int32_t ARow, bool State)
{
    if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

bool TExtStringGrid::DoRatingChange(int32_t ACol, int32_t ARow, double& NewRate)
{
    bool Allow = true;
    if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, Allow);
    return Allow;
}

void TExtStringGrid::DoSearchFooterAction(const QString& Value, int32_t ACol, int32_t ARow,
                                          TSearchAction SearchAction)
{
    if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TExtStringGrid::DoFixedEdit(int32_t ACol, int32_t ARow, TGridFixedCellEditor& AEditor, TStrings* Values)
{
    if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void TExtStringGrid::DoSelectionChanged(int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom)
{
    if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) {
        const TGridRect S = Selection();
        RepaintRect(TRect{S.Left, S.Top, S.Right, S.Bottom});
    }
    FSelChange = true;
    if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TExtStringGrid::DoEditorTextChange(const QString&, int32_t, int32_t) {}

void TExtStringGrid::DoFilterDone()
{
    if (OnFilterDone) OnFilterDone(this);
}

void TExtStringGrid::AutoInsertRow(int32_t ARow)
{
    if (!HasNodes()) InsertRows(ARow, 1, true);
    else if (GetParentRow(ARow) == -1) InsertNormalRow(ARow);
    else InsertChildRow(ARow, 0);
}

void TExtStringGrid::AutoDeleteRow(int32_t ARow)
{
    if (HasNodes()) {
        if (GetParentRow(ARow) == -1) RemoveNormalRow(ARow);
        else RemoveChildRow(ARow);
    } else if (RowCount() - FixedRows() - FFixedFooters != 1 || FFixedRowAlways) {
        RemoveRowBlock(ARow, 1);
    } else {
        ClearRows(ARow, 1);
    }
    if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

void TExtStringGrid::GetCellText(int32_t ACol, int32_t ARow, QString& Value)
{
    Value = GetCellEx(ACol, ARow);
}

void TExtStringGrid::GetSaveCellText(int32_t ACol, int32_t ARow, QString& Value)
{
    Value = FSaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
    if (Value.isEmpty()) {
        const TCellType Kind = GetCellType(ACol, ARow);
        if (Kind == ctCheckBox) {
            bool State = false;
            GetCheckBoxState(ACol, RealRowIndex(ARow), State);
            Value = State ? CheckTrueOf(ACol, ARow) : CheckFalseOf(ACol, ARow);
        } else if (Kind == ctTriStateCheckBox) {
            TCheckBoxState State = cbUnchecked;
            GetCheckBoxState(ACol, RealRowIndex(ARow), State);
            Value = State == cbChecked ? CheckTrueOf(ACol, ARow) : CheckFalseOf(ACol, ARow);
        }
    }
    const int32_t Kind = GetCellTextKind(Value, true);
    if (Kind == ctkMarkup && !FSaveWithHTML) {
        Value = MarkupToPlainText(Value);
    } else if (Kind == ctkRichText && FSaveWithRTF) {
        Value = RtfWithoutLineBreaks(Value);
    } else if (Kind == ctkRichText) {
        Value = RichCellPlainText(ACol, ARow);
    }
    if (OnSaveCell) OnSaveCell(this, ACol, ARow, Value);
}

void TExtStringGrid::SetLoadedCellText(int32_t ACol, int32_t ARow, const QString& Value)
{
    QString Text = Value;
    if (OnLoadCell) OnLoadCell(this, ACol, ARow, Text);
    SetGridCell(ACol, ARow, Text);
}

void TExtStringGrid::CalcColumnFooter(int32_t ACol)
{
    CalcFooter(ACol);
}

void TExtStringGrid::CalcAllFooters()
{
    CalcFooter(-1);
}

void TExtStringGrid::DoCellsChanged(const TRect& R)
{
    if (OnCellsChanged) OnCellsChanged(this, R);
    // A notifier may unregister itself: walk a copy.
    QList<TGridChangeNotifier*> Notifiers;
    for (int32_t I = 0; I < FNotifierList->Count(); ++I)
        Notifiers.append(static_cast<TGridChangeNotifier*>(FNotifierList->Items(I)));
    for (TGridChangeNotifier* Notifier : Notifiers)
        if (FNotifierList->IndexOf(Notifier) >= 0) Notifier->CellsChanged(R);
    CalcFooter(-1);
}

void TExtStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (ANotifier && FNotifierList->IndexOf(ANotifier) < 0) FNotifierList->Add(ANotifier);
}

void TExtStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier)
{
    FNotifierList->Remove(ANotifier);
}

void TExtStringGrid::ExportNotification(TGridExportState, int32_t) {}

void TExtStringGrid::ImportNotification(TGridImportState, int32_t) {}

void TExtStringGrid::DoClickSort(int32_t ACol)
{
    if (OnClickSort) OnClickSort(this, ACol);
}

void TExtStringGrid::DoPrintGetPageNum(int32_t PageNum, int32_t PageColNum, QString& PageNumString)
{
    if (OnPrintGetPageNum) OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

void TExtStringGrid::UpdateColumnSize(int32_t ACol, int32_t& AWidth)
{
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TExtStringGrid::UpdateAutoColumnSize(int32_t ACol, int32_t& AWidth)
{
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TExtStringGrid::DoEllipsClick(QString& Value)
{
    if (OnEllipsClick) OnEllipsClick(this, Col(), Row(), Value);
}

void TExtStringGrid::IsDesigning(bool& Value)
{
    Value = Designing();
}

void TExtStringGrid::MouseActionsInvalidate()
{
    Invalidate();
}

void TExtStringGrid::DisableEditing()
{
    TGridOptions Opts = Options();
    Opts.Exclude(goEditing);
    SetOptions(Opts);
}

void TExtStringGrid::DoCellChanging(int32_t, int32_t, bool&) {}

void TExtStringGrid::DoScrollCell(int32_t ACol, int32_t ARow, int32_t ScrollPosition, int32_t ScrollMin,
                                  int32_t ScrollMax)
{
    if (OnScrollCell) OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

bool TExtStringGrid::CanShowFixedDropDown(int32_t ACol)
{
    bool CanShow = true;
    if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, CanShow);
    return CanShow;
}

void TExtStringGrid::DoStartBlockFocus()
{
    if (OnStartBlockFocus) OnStartBlockFocus(this);
}

void TExtStringGrid::DoEndBlockFocus()
{
    if (OnEndBlockFocus) OnEndBlockFocus(this);
}

void TExtStringGrid::GetFloatFormat(int32_t, int32_t, QString& AFormat)
{
    AFormat = FFloatFormat;
}
