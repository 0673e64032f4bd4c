// TEsgSpinEdit: values by kind, stepping, typing rules, keys, and the layout of its arrow buttons.
#include "grid/base/SpinEdit.h"

#include "grid/base/EditorParts.h"
#include "rtl/Format.h"
#include "rtl/FormatSettings.h"
#include "rtl/NumConv.h"
#include "windows/SystemMetrics.h"

#include <algorithm>

namespace {

// Key data bit 22: the key is on the numeric keypad's block (its scan code has bit 6 set).
constexpr LPARAM KeypadKeyData = 0x00400000;

}  // namespace

TEsgSpinEdit::TEsgSpinEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    FControlStyle.Exclude(csSetCaption);
    FButton = New<TEsgSpinButton>(this);
    FButton->SetBounds(0, 0, 15, 17);
    FButton->SetVisible(true);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](TObject* Sender) { UpClick(Sender); };
    FButton->OnDownClick = [this](TObject* Sender) { DownClick(Sender); };
    SetText(QStringLiteral("0"));
}

TEsgSpinEdit::~TEsgSpinEdit()
{
    FButton->OnUpClick = nullptr;
    FButton->OnDownClick = nullptr;
}

void TEsgSpinEdit::Loaded()
{
    TCustomMaskEdit::Loaded();
    if (FSpinType == sptDate) SetText(DateToStr(FDateValue));
    else if (FSpinType == sptTime) SetText(FShowSeconds ? TimeToStr(FTimeValue) : FormatDateTime(QStringLiteral("h:nn"), FTimeValue));
    SetSpinType(FSpinType);
}

// ---- Values ----

int32_t TEsgSpinEdit::Value() const
{
    return SpinTextToInt(Text(), FMinValue);
}

void TEsgSpinEdit::SetValue(int32_t NewValue)
{
    SetText(QString::number(CheckValue(NewValue)));
    if (!FEditorEnabled) SelectAll();
}

double TEsgSpinEdit::FloatValue() const
{
    return SpinTextToFloat(Text(), FMinFloatValue, FormatSettings());
}

void TEsgSpinEdit::SetFloatValue(double NewValue)
{
    const double Clamped = CheckFloatValue(NewValue);
    SetText(FPrecision != 0 ? FloatToStrF(Clamped, ffFixed, 15, FPrecision) : FloatToStr(Clamped));
}

TDateTime TEsgSpinEdit::DateValue() const
{
    const QString Shown = Text();
    if (Shown.isEmpty() || Shown == QLatin1String("0")) return Now();
    TDateTime Read = 0;
    return TryStrToDate(Shown, Read) ? Read : FMinDateValue;
}

void TEsgSpinEdit::SetDateValue(TDateTime NewValue)
{
    FDateValue = NewValue;
    if (ComponentState().Contains(csLoading)) return;
    SetTextKeepCaret(DateToStr(CheckDateValue(NewValue)));
}

TDateTime TEsgSpinEdit::TimeValue() const
{
    TDateTime Read = 0;
    return TryStrToTime(Text(), Read) ? Read : 0;
}

void TEsgSpinEdit::SetTimeValue(TDateTime NewValue)
{
    FTimeValue = NewValue;
    if (ComponentState().Contains(csLoading)) return;
    const TDateTime Clamped = CheckDateValue(NewValue);
    SetTextKeepCaret(FShowSeconds ? TimeToStr(Clamped) : FormatDateTime(QStringLiteral("h:nn"), Clamped));
}

void TEsgSpinEdit::SetTextKeepCaret(const QString& Value)
{
    const int32_t Caret = SelStart();
    SetText(Value);
    SetSelStart(std::min(Caret, static_cast<int32_t>(Value.size())));
}

void TEsgSpinEdit::SetSpinType(TEsgSpinType Value)
{
    FSpinType = Value;
    switch (Value) {
    case sptNormal: SetValue(this->Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

void TEsgSpinEdit::SetPrecision(int32_t Value)
{
    FPrecision = Value;
    if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

// ---- Stepping ----

void TEsgSpinEdit::Step(bool Up, bool Page)
{
    if (ReadOnly()) {
        MessageBeep(0);
        return;
    }
    const int32_t Sign = Up ? 1 : -1;
    switch (FSpinType) {
    case sptNormal: SetValue(Value() + Sign * FIncrement); break;
    case sptFloat: SetFloatValue(FloatValue() + Sign * (Page ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: {
        const QString Format = FormatSettings().ShortDateFormat.toUpper();
        const qsizetype MonthAt = Format.indexOf(QLatin1Char('M'));
        const qsizetype DayAt = Format.indexOf(QLatin1Char('D'));
        FUsDates = MonthAt >= 0 && (DayAt < 0 || MonthAt < DayAt);
        TDateTime Stepped = 0;
        // A step out of the date range keeps the value.
        if (StepSpinDate(DateValue(), Text(), SelStart(), Sign, FormatSettings(), Stepped)) SetDateValue(Stepped);
        else MessageBeep(0);
        break;
    }
    case sptTime: {
        TDateTime Stepped = 0;
        if (StepSpinTime(TimeValue(), Text(), SelStart(), Up, FShowSeconds, FIncrementHours, FIncrementMinutes,
                         FIncrementSeconds, FormatSettings(), Stepped))
            SetTimeValue(Stepped);
        else
            MessageBeep(0);
        break;
    }
    }
}

void TEsgSpinEdit::SpinUp(bool Page)
{
    Step(true, Page);
}

void TEsgSpinEdit::SpinDown(bool Page)
{
    Step(false, Page);
}

void TEsgSpinEdit::UpClick(TObject*)
{
    SpinUp(false);
}

void TEsgSpinEdit::DownClick(TObject*)
{
    SpinDown(false);
}

// ---- Typing and keys ----

bool TEsgSpinEdit::IsValidChar(QChar& Key)
{
    TSpinCharState State;
    State.Text = Text();
    State.SelStart = SelStart();
    State.SelLength = SelLength();
    State.SpinType = FSpinType;
    State.Precision = FPrecision;
    State.EditorEnabled = FEditorEnabled;
    return IsValidSpinChar(Key, State, FormatSettings());
}

void TEsgSpinEdit::KeyPress(QChar& Key)
{
    // The Enter that became a Tab.
    if (Key == QLatin1Char('\r') && FReturnIsTab) Key = QChar();
    if (!Key.isNull() && !IsValidChar(Key)) {
        Key = QChar();
        MessageBeep(0);
    }
    if (!Key.isNull()) TCustomMaskEdit::KeyPress(Key);
}

void TEsgSpinEdit::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_DELETE && !FEditorEnabled) Key = 0;
    TCustomMaskEdit::KeyDown(Key, Shift);
}

void TEsgSpinEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZE: WMSize(Message); break;
    case WM_KEYDOWN:
        switch (Message.WParam) {
        case VK_UP: SpinUp(false); return;
        case VK_DOWN: SpinDown(false); return;
        case VK_PRIOR: SpinUp(true); return;
        case VK_NEXT: SpinDown(true); return;
        default: TCustomMaskEdit::Dispatch(Message); break;
        }
        break;
    case WM_CHAR:
        if (FExcelStyleDecimalSeparator && Message.WParam == '.' && (Message.LParam & KeypadKeyData))
            Message.WParam = FormatSettings().DecimalSeparator.unicode();
        TCustomMaskEdit::Dispatch(Message);
        break;
    case WM_PASTE:
    case WM_CUT:
        if (FEditorEnabled && !ReadOnly()) TCustomMaskEdit::Dispatch(Message);
        break;
    case CM_ENTER:
        if (AutoSelect() && (GetKeyState(VK_LBUTTON) >= 0 || !FEditorEnabled)) SelectAll();
        TCustomMaskEdit::Dispatch(Message);
        break;
    case CM_EXIT:
        switch (FSpinType) {
        case sptNormal:
            if (CheckValue(Value()) != Value()) SetValue(Value());
            break;
        case sptFloat:
            if (CheckFloatValue(FloatValue()) != FloatValue()) SetFloatValue(FloatValue());
            break;
        case sptDate:
            if (CheckDateValue(DateValue()) != DateValue()) SetDateValue(DateValue());
            break;
        case sptTime:
            if (CheckDateValue(TimeValue()) != TimeValue()) SetTimeValue(TimeValue());
            break;
        }
        TCustomMaskEdit::Dispatch(Message);
        break;
    default: TCustomMaskEdit::Dispatch(Message); break;
    }
}

// ---- Window and layout ----

void TEsgSpinEdit::CreateParams(TCreateParams& Params)
{
    TCustomMaskEdit::CreateParams(Params);
    Params.Style |= WS_CLIPCHILDREN;
    Params.Style |= ES_MULTILINE;
    Params.Style &= ~static_cast<uint32_t>(ES_RIGHT | ES_CENTER);
    if (FEditAlign == eaRight) Params.Style |= ES_RIGHT;
    else if (FEditAlign == eaCenter) Params.Style |= ES_CENTER;
}

void TEsgSpinEdit::CreateWnd()
{
    TCustomMaskEdit::CreateWnd();
    SetEditRect();
}

void TEsgSpinEdit::SetEditRect()
{
    if (!HandleAllocated()) return;
    const int32_t Margin = BorderStyle() == bsNone ? 3 : 0;
    const TRect Format{Margin, Margin, ClientWidth() - FButton->Width() - Margin - 2, ClientHeight() + 1};
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&Format));
}

int32_t TEsgSpinEdit::GetMinHeight()
{
    const int32_t Own = FontLineHeight(Font());
    int32_t Least = Own + std::min(Own, FontLineHeight(SystemFont())) / 4 + 2;
    if (BorderStyle() == bsSingle) Least += GetSystemMetrics(SM_CYBORDER) * 4;
    return Least;
}

void TEsgSpinEdit::WMSize(TMessage& Message)
{
    TCustomMaskEdit::Dispatch(Message);
    const int32_t Least = GetMinHeight();
    if (Height() < Least) {
        SetHeight(Least);
        return;
    }
    PlaceEditButton(this, FButton, BorderStyle() == bsNone);
    SetEditRect();
}

// ---- Look ----

void TEsgSpinEdit::NudgeWidth()
{
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TEsgSpinEdit::SetDirection(TSpinDirection Value)
{
    if (FDirection == Value) return;
    FDirection = Value;
    FButton->SetDirection(Value);
    NudgeWidth();
}

void TEsgSpinEdit::SetEditAlign(TEditAlign Value)
{
    if (FEditAlign == Value) return;
    FEditAlign = Value;
    RecreateWnd();
}

void TEsgSpinEdit::SetSpinFlat(bool Value)
{
    FSpinFlat = Value;
    FButton->UpButton()->SetFlat(Value);
    FButton->DownButton()->SetFlat(Value);
}

void TEsgSpinEdit::SetSpinTransparent(bool Value)
{
    FSpinTransparent = Value;
    FButton->UpButton()->SetTransparent(Value);
    FButton->DownButton()->SetTransparent(Value);
    NudgeWidth();
}

void TEsgSpinEdit::SetIsWinXP(bool Value)
{
    FIsWinXP = Value;
    FButton->SetIsWinXP(Value);
}
