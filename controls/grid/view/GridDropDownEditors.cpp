// The grid's drop-down editor wrappers: the family's focus, change and key rules, and its members.
#include "grid/view/GridDropDownEditors.h"

#include "dropdown/ExtGridDropDownGrid.h"

#include "rtl/Strings.h"

#include <QStringList>

// ---- TGridDropDownHandBack ----

TGridDropDownHandBack::TGridDropDownHandBack(TComponent* AOwner, TExtCustomDropDown* AEdit,
                                             const TGridDropDownRules& ARules)
    : TGridEditorContract(AOwner), FEdit(AEdit), FRules(ARules)
{
}

QString TGridDropDownHandBack::ReadEditText() const
{
    return FEdit->Text();
}

void TGridDropDownHandBack::WriteEditText(const QString& Value)
{
    FEdit->SetTextUnformatted(Value);
}

void TGridDropDownHandBack::HandChange()
{
    FireEditChange(ReadEditText());
}

void TGridDropDownHandBack::HandExit()
{
    EndGridEdit();
}

void TGridDropDownHandBack::HandWantSpecialKey(TMessage& Message)
{
    const auto Key = static_cast<uint16_t>(Message.WParam);
    if (Key == VK_TAB && GridWantsEditorTab()) Message.Result = 1;
    if (FRules.ClaimsEnterEsc && (Key == VK_RETURN || Key == VK_ESCAPE)) Message.Result = 1;
}

void TGridDropDownHandBack::HandKeyPress(TObject* Sender, QChar& Key)
{
    FireGridKeyPress(Sender, Key);
    SwallowHandBackChar(Key);
}

void TGridDropDownHandBack::HandSetFocus()
{
    if (!FRules.CaretFromClick || !FEdit->HandleAllocated()) return;
    const int32_t Caret = CaretFromClick(FEdit, FEdit->Handle());
    if (Caret < 0) return;
    FEdit->SetSelStart(Caret);
    FEdit->SetSelLength(0);
}

bool TGridDropDownHandBack::Handles(uint16_t Key, TShiftState Shift) const
{
    if (Key == VK_DOWN && Shift.Contains(ssAlt)) return false;
    switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE: return true;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_UP:
    case VK_DOWN: return !FRules.ColorKeys || !FEdit->DroppedDown();
    case VK_HOME: return FRules.ColorKeys && !FEdit->DroppedDown();
    default: return false;
    }
}

bool TGridDropDownHandBack::HandKeyDown(uint16_t& Key, TShiftState Shift)
{
    if (!Handles(Key, Shift)) return true;
    const bool Open = FEdit->DroppedDown();
    if (Key == VK_ESCAPE) {
        // The cell keeps the text it had when the edit began.
        CancelGridEdit();
        WriteEditText(GridOriginalCellValue());
        EndGridEdit();
        FocusGrid();
        Key = 0;
        return false;
    }
    const bool Validates = FRules.ColorKeys ? Key == VK_RETURN : (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN);
    if (Validates) {
        if (Key == VK_RETURN) BeforeEnterStore();
        const QString Value = ReadEditText();
        SetGridCurrentCell(Value);
        if (!ValidateGridCell(Value)) {
            WriteEditText(NewCellText());
            FEdit->SelectAll();
            FEdit->Repaint();
            Key = 0;
            SetNoAutoAdvance(true);
            return false;
        }
        WriteEditText(GridCurrentCell());
    }
    if (Key == VK_TAB && GridWantsEditorTab()) {
        const QString Value = ReadEditText();
        SetGridCurrentCell(Value);
        if (!ValidateGridCell(Value)) {
            WriteEditText(NewCellText());
            FEdit->SetSelStart(static_cast<int32_t>(FEdit->EditText().size()));
            FEdit->SetSelLength(0);
            FEdit->Repaint();
            Key = 0;
            return false;
        }
        if (GridHasTabs()) {
            TabToNextCell();
            Key = 0;
            return false;
        }
        PostTabToGrid();
    }
    if (Open) {
        EndGridEdit();
        if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) Key = 0;
    } else if (Key == VK_END) {
        return true;
    }
    LeaveCell(Key, Shift);
    return true;
}

// ---- The members ----

TGridTrackbarDropDown::TGridTrackbarDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, {.ClaimsEnterEsc = true, .CaretFromClick = true})
{
}

void TGridTrackbarDropDown::WriteEditText(const QString& Value)
{
    SetText(Value);
}

TGridMemoDropDown::TGridMemoDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner, {.CaretFromClick = true}) {}

QString TGridMemoDropDown::ReadEditText() const
{
    QStringList Lines;
    for (int32_t I = 0; I < MemoText()->Count(); ++I) Lines << MemoText()->Strings(I);
    return Lines.join(QStringLiteral("\r\n"));
}

TGridCalculatorDropDown::TGridCalculatorDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, {.CaretFromClick = true})
{
}

void TGridCalculatorDropDown::BeforeEnterStore()
{
    CalcResult();
}

TGridTimepickerDropDown::TGridTimepickerDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner)
{
    FFocusDraw = false;
}

TGridDetailPickerDropDown::TGridDetailPickerDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner) {}

TGridGridDropDown::TGridGridDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner) {}

TGridColorDropDown::TGridColorDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, {.ClaimsEnterEsc = true, .ColorKeys = true})
{
}

TGridImageDropDown::TGridImageDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner) {}

TGridExtGridDropDown::TGridExtGridDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner) {}

TExtStringGrid* TGridExtGridDropDown::Grid() const
{
    return GetGrid();
}
