// TExtMemoDropDown: the memo in the pop-up, the one-line display of the text and the memo's keys.
#include "dropdown/ExtMemoDropDown.h"

#include "dropdown/DropDownForm.h"
#include "dropdown/DropDownUtil.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Strings.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");

bool AltDown()
{
    return GetKeyState(VK_MENU) < 0;
}

}  // namespace

TExtMemoDropDown::TExtMemoDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FMemoText(std::make_unique<TStringList>())
{
    FMemoText->OnChange = [this](TObject*) { UpdateMemoDisplay(); };
}

TExtMemoDropDown::~TExtMemoDropDown()
{
    FMemoText->OnChange = nullptr;
}

TStrings* TExtMemoDropDown::MemoText() const
{
    return FMemoText.get();
}

void TExtMemoDropDown::SetMemoText(TStrings* Value)
{
    FMemoText->Assign(Value);
    if (FMemo) FMemo->Lines()->Assign(Value);
}

void TExtMemoDropDown::SetMemoReadOnly(bool Value)
{
    FMemoReadOnly = Value;
    if (DroppedDown() && FMemo) FMemo->SetReadOnly(Value);
}

QString TExtMemoDropDown::JoinedText() const
{
    QStringList Lines;
    for (int32_t I = 0; I < FMemoText->Count(); ++I) Lines << FMemoText->Strings(I);
    return Lines.join(LineBreak);
}

void TExtMemoDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (!FMemo && DropDownForm()) {
        FMemo = New<TMemo>(this);
        FMemo->SetParent(DropDownForm());
        FMemo->SetBounds(0, 0, FMemo->Width(), 100);
        FMemo->SetBorderStyle(bsNone);
        FMemo->OnChange = [this](TObject*) {
            if (OnMemoChange) OnMemoChange(this);
        };
    }
    SetControl(FMemo);
}

void TExtMemoDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    SetCancelOnDeActivate(false);
    FOpenText = FMemoText->Text();
    if (!FMemo) return;
    FMemo->Lines()->Assign(FMemoText.get());
    FMemo->SetPopupMenu(FMemoPopup);
    FMemo->SetMaxLength(MaxLength());
    FMemo->SetScrollBars(FMemoScrollBars);
    FMemo->SetReadOnly(FMemoReadOnly);
}

void TExtMemoDropDown::DoHideDropDown(bool Cancelled)
{
    const bool WasOpen = DroppedDown();
    const bool AutoDropWas = FAutoDrop;
    FAutoDrop = false;
    if (Cancelled && FMemo) FMemo->Lines()->Assign(FMemoText.get());
    // The base gives back the text last set by program; the memo gives back the text it opened with.
    FInternalUpdate = Cancelled;
    TExtCustomDropDown::DoHideDropDown(Cancelled);
    FInternalUpdate = false;
    if (WasOpen && Cancelled) FMemoText->SetText(FOpenText);
    FAutoDrop = AutoDropWas;
}

void TExtMemoDropDown::AfterHideDropDown()
{
    TExtCustomDropDown::AfterHideDropDown();
    if (FMemo) FMemoText->Assign(FMemo->Lines());
    UpdateMemoDisplay();
    SetSelStart(0);
    SetSelLength(0);
}

void TExtMemoDropDown::UpdateMemoDisplay()
{
    QString Display = JoinedText();
    if (FMemoText->Count() > 0 && !EditorEnabled()) {
        const QString First = FMemoText->Strings(0);
        TBitmap Measure;
        Measure.SetSize(1, 1);
        TCanvas* Canvas = Measure.Canvas();
        Canvas->Font()->Assign(Font());
        const int32_t Room = GetEditRect().Width();
        if (Canvas->TextWidth(First) <= Room) Display = FMemoText->Count() > 1 ? First + QStringLiteral("...") : First;
        else FitTextToWidth(Canvas, First, Room, Display, true);
    }
    FInternalUpdate = true;
    SetTextUnformatted(Display);
    FInternalUpdate = false;
}

void TExtMemoDropDown::Change()
{
    // The one-line display is no value: only typing in an editable edit writes the text back.
    if (!FInternalUpdate && EditorEnabled()) {
        const auto Handler = std::exchange(FMemoText->OnChange, nullptr);
        FMemoText->SetText(Text());
        FMemoText->OnChange = Handler;
    }
    TExtCustomDropDown::Change();
}

void TExtMemoDropDown::DoEnter()
{
    TExtCustomDropDown::DoEnter();
    if (FAutoDrop) DoShowDropDown();
}

void TExtMemoDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift)
{
    if (Key == 'A' && Shift.Contains(ssCtrl) && FMemo) {
        FMemo->SelectAll();
        return;
    }
    if (AltDown() || Key == VK_ESCAPE || Key == VK_F4) TExtCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExtMemoDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift)
{
    if (AltDown() || Key == VK_ESCAPE || Key == VK_F4) TExtCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExtMemoDropDown::ControlKeyPress(QChar& Key)
{
    if (AltDown() || Key == QChar(27)) TExtCustomDropDown::ControlKeyPress(Key);
}
