// TExtStringGrid: the editor controls made on first use, the item list of the shared combo editor,
// the date pickers' handlers and the parent-form lookup.
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSettings.h"
#include "grid/view/GridDateEditors.h"
#include "grid/view/GridDropDownEditors.h"
#include "grid/view/GridEditors.h"

#include "rtl/DateTime.h"
#include "rtl/Strings.h"
#include "windows/ComCtrls.h"
#include "windows/Forms.h"
#include "windows/WinApi.h"

// The handlers the grid binds to its date pickers.
class TEditorControls {
public:
    // The picker's text goes to OnEditChange: its time for a time picker, else its date.
    static void DateChange(TExtStringGrid& G)
    {
        if (!G.OnEditChange || !G.FEditDate) return;
        const QString Text =
            G.FEditDate->Kind() == dtkTime ? TimeToStr(G.FEditDate->Time()) : DateToStr(G.FEditDate->Date());
        G.OnEditChange(&G, G.Col(), G.Row(), Text);
    }

    static void CloseUp(TExtStringGrid& G)
    {
        if (G.OnDatePickerCloseUp) G.OnDatePickerCloseUp(&G, G.Row(), G.Col());
        if (G.FMouseActions->DirectDateClose()) G.HideInplaceEdit();
    }

    // The calendar gets the picker's switches and the size its month needs, plus 2 pixels.
    static void DropDown(TExtStringGrid& G)
    {
        TGridDatePicker* D = G.FEditDate;
        if (D && D->HandleAllocated()) {
            const auto Calendar = reinterpret_cast<HWND>(SendMessage(D->Handle(), DTM_GETMONTHCAL, 0, 0));
            if (Calendar) {
                uint32_t Extra = 0;
                if (!D->ShowToday()) Extra |= MCS_NOTODAY;
                if (!D->ShowTodayCircle()) Extra |= MCS_NOTODAYCIRCLE;
                if (D->WeekNumbers()) Extra |= MCS_WEEKNUMBERS;
                if (Extra != 0)
                    SetWindowLong(Calendar, GWL_STYLE,
                                  GetWindowLong(Calendar, GWL_STYLE) | static_cast<int32_t>(Extra));
                TRect R{};
                SendMessage(Calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&R));
                SetWindowPos(Calendar, nullptr, 0, 0, R.Width() + 2, R.Height() + 2, SWP_NOZORDER);
            }
        }
        if (G.OnDatePickerDropDown) G.OnDatePickerDropDown(&G, G.Row(), G.Col());
    }

    static void TimeChange(TExtStringGrid& G)
    {
        if (G.OnDateTimeChange && G.FEditDateTime) G.OnDateTimeChange(&G, G.Col(), G.Row(), G.FEditDateTime->DateTime());
    }
};

// ---------------------------------------------------------------------------------------------
// Editors made on first use
// ---------------------------------------------------------------------------------------------

TGridDatePicker* TExtStringGrid::DatePickerEditor()
{
    if (!FEditDate) {
        FEditDate = new TGridDatePicker(this);
        FEditDate->SetParent(this);
        FEditDate->SetEnabled(false);
        FEditDate->SetVisible(false);
        FEditDate->OnCloseUp = [this](TObject*) { TEditorControls::CloseUp(*this); };
        FEditDate->OnDropDown = [this](TObject*) { TEditorControls::DropDown(*this); };
        FEditDate->OnChange = [this](TObject*) { TEditorControls::DateChange(*this); };
    }
    return FEditDate;
}

TGridDateTimePicker* TExtStringGrid::DateAndTimePicker()
{
    if (!FEditDateTime) {
        FEditDateTime = new TGridDateTimePicker(this);
        FEditDateTime->SetParent(this);
        FEditDateTime->SetVisible(false);
        FEditDateTime->SetEnabled(false);
        FEditDateTime->SetAutoTab(true);
        FEditDateTime->OnCloseUp = [this](TObject*) { TEditorControls::CloseUp(*this); };
        FEditDateTime->OnTimeChange = [this](TObject*) { TEditorControls::TimeChange(*this); };
    }
    return FEditDateTime;
}

namespace {

// A drop-down made for the grid: its window child, hidden, in the grid's style and tones.
template <class TEditor>
TEditor* MakeDropDown(TExtStringGrid* Grid, TVyxStyle Style, const TColorTones& Tones)
{
    auto* D = new TEditor(Grid);
    D->SetParent(Grid);
    D->SetVisible(false);
    D->SetComponentStyle(Style);
    D->SetColorTones(Tones);
    return D;
}

}  // namespace

TGridTrackbarDropDown* TExtStringGrid::TrackbarDropDown()
{
    if (!FEditTrackBar) {
        FEditTrackBar = MakeDropDown<TGridTrackbarDropDown>(this, FStyle, FTones);
        FEditTrackBar->SetEditorEnabled(true);
    }
    return FEditTrackBar;
}

TGridMemoDropDown* TExtStringGrid::MemoDropDown()
{
    if (!FEditMemo) {
        FEditMemo = MakeDropDown<TGridMemoDropDown>(this, FStyle, FTones);
        FEditMemo->OnChange = [this](TObject* Sender) { MemoDropDownChange(Sender); };
    }
    return FEditMemo;
}

TGridCalculatorDropDown* TExtStringGrid::CalculatorDropDown()
{
    if (!FEditCalculator) {
        FEditCalculator = MakeDropDown<TGridCalculatorDropDown>(this, FStyle, FTones);
        FEditCalculator->SetEditorEnabled(true);
    }
    return FEditCalculator;
}

TGridTimepickerDropDown* TExtStringGrid::TimePickerDropDown()
{
    if (!FEditTimePicker) FEditTimePicker = MakeDropDown<TGridTimepickerDropDown>(this, FStyle, FTones);
    return FEditTimePicker;
}

TGridDetailPickerDropDown* TExtStringGrid::DetailPickerDropDown()
{
    if (!FEditDetailPicker) FEditDetailPicker = MakeDropDown<TGridDetailPickerDropDown>(this, FStyle, FTones);
    return FEditDetailPicker;
}

TGridGridDropDown* TExtStringGrid::GridDropDown()
{
    if (!FEditGridPicker) FEditGridPicker = MakeDropDown<TGridGridDropDown>(this, FStyle, FTones);
    return FEditGridPicker;
}

TGridColorDropDown* TExtStringGrid::ColorPickerDropDown()
{
    if (!FEditColorPicker) {
        FEditColorPicker = MakeDropDown<TGridColorDropDown>(this, FStyle, FTones);
        FEditColorPicker->AddDefaultColors();
        FEditColorPicker->OnSelect = [this](TObject*) { DoColorSelect(); };
    }
    return FEditColorPicker;
}

TGridImageDropDown* TExtStringGrid::ImagePickerDropDown()
{
    if (!FEditImagePicker) {
        FEditImagePicker = MakeDropDown<TGridImageDropDown>(this, FStyle, FTones);
        FEditImagePicker->OnSelect = [this](TObject*) { DoImageSelect(); };
    }
    return FEditImagePicker;
}

TGridExtGridDropDown* TExtStringGrid::ExtGridDropDown()
{
    if (!FEditExtGridPicker) FEditExtGridPicker = MakeDropDown<TGridExtGridDropDown>(this, FStyle, FTones);
    return FEditExtGridPicker;
}

void TExtStringGrid::DoColorSelect()
{
    if (OnColorSelect && FEditColorPicker)
        OnColorSelect(this, Col(), Row(), FEditColorPicker->SelectedColor(), FEditColorPicker->SelectedColorText());
}

void TExtStringGrid::DoImageSelect()
{
    if (OnImageSelect && FEditImagePicker) OnImageSelect(this, Col(), Row(), FEditImagePicker->ItemIndex());
}

void TExtStringGrid::MemoDropDownChange(TObject*)
{
    if (!FEditMemo) return;
    QStringList Lines;
    TStrings* Memo = FEditMemo->MemoText();
    for (int32_t I = 0; I < Memo->Count(); ++I) Lines << Memo->Strings(I);
    SetEditText(Col(), Row(), Lines.join(QStringLiteral("\r\n")));
}

// ---------------------------------------------------------------------------------------------
// Combo items
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::ClearComboString()
{
    if (EditCombo) EditCombo->Items()->Clear();
}

void TExtStringGrid::AddComboString(const QString& S)
{
    if (EditCombo) EditCombo->Items()->Add(S);
}

void TExtStringGrid::AddComboStringObject(const QString& S, TObject* AObject)
{
    if (EditCombo) EditCombo->Items()->AddObject(S, AObject);
}

bool TExtStringGrid::RemoveComboString(const QString& S)
{
    if (!EditCombo) return false;
    const int32_t I = EditCombo->Items()->IndexOf(S);
    if (I == -1) return false;
    EditCombo->Items()->Delete(I);
    return true;
}

bool TExtStringGrid::SetComboSelectionString(const QString& S)
{
    if (!EditCombo) return false;
    const int32_t I = EditCombo->Items()->IndexOf(S);
    if (I == -1) return false;
    FComboIdx = I;
    return true;
}

void TExtStringGrid::SetComboSelection(int32_t Idx)
{
    FComboIdx = Idx;
}

int32_t TExtStringGrid::GetComboCount()
{
    return EditCombo ? EditCombo->Items()->Count() : 0;
}

int32_t TExtStringGrid::GetComboIndex(int32_t ACol, int32_t ARow)
{
    GetEditorProp(ACol, ARow, nullptr);
    return EditCombo ? EditCombo->Items()->IndexOf(GetCellEx(ACol, ARow)) : -1;
}

void TExtStringGrid::SetComboIndex(int32_t ACol, int32_t ARow, int32_t Value)
{
    GetEditorProp(ACol, ARow, nullptr);
    if (!EditCombo) return;
    // The item is read first: an index outside the list raises before the cell changes.
    const QString Item = EditCombo->Items()->Strings(Value);
    SetCellEx(ACol, ARow, Item);
}

// ---------------------------------------------------------------------------------------------
// Parent form
// ---------------------------------------------------------------------------------------------

TCustomForm* TExtStringGrid::FindParentForm(TControl* Control)
{
    for (TControl* C = Control; C; C = C->Parent())
        if (auto* Form = dynamic_cast<TCustomForm*>(C)) return Form;
    return nullptr;
}
