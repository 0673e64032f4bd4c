// TExtDateTimePicker: kinds, the value split between the picker and its time part, the time part's
// place, AutoTab for dates, the check box and the messages.
#include "dropdown/ExtDateTimePicker.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "grid/base/ExtStyleIF.h"
#include "grid/base/ExtXPVS.h"
#include "windows/StdCtrls.h"
#include "windows/Timer.h"
#include "windows/WinApi.h"

#include <cmath>

namespace {

// The whole days of Value.
TDateTime WholeDays(TDateTime Value)
{
    return std::trunc(Value);
}

// The time of day of Value in whole seconds.
TDateTime TimeOfDay(TDateTime Value)
{
    uint16_t Hour, Min, Sec, MSec;
    DecodeTime(Value, Hour, Min, Sec, MSec);
    return EncodeTime(Hour, Min, Sec, 0);
}

// Days and a time of day as one value; before the epoch the time counts away from zero too.
TDateTime Compose(TDateTime Days, TDateTime Time)
{
    return Days >= 0 ? Days + Time : Days - Time;
}

}  // namespace

TExtDateTimePicker::TExtDateTimePicker(TComponent* AOwner)
    : TCustomDateTimePicker(AOwner), FLabelFont(std::make_unique<TFont>())
{
    FLabelFont->OnChange = [this](TObject*) {
        UpdateLabel();
        if (Designing()) SetParentFont(false);
    };
}

TExtDateTimePicker::~TExtDateTimePicker()
{
    delete FFocusTimer;
    if (FLabel) {
        FLabel->SetParent(nullptr);
        delete FLabel;
    }
    delete FTimePicker;
}

void TExtDateTimePicker::AfterConstruction()
{
    TCustomDateTimePicker::AfterConstruction();
    SetBorderStyle(bsSingle);
    SetCtl3D(true);
    SetMetroStyle(false);
    FFocusTimer = New<TTimer>(this);
    FFocusTimer->SetEnabled(false);
    FFocusTimer->SetInterval(20);
    FFocusTimer->OnTimer = [this](TObject*) { FFocusTimer->SetEnabled(false); };
}

bool TExtDateTimePicker::Designing() const
{
    return ComponentState().Contains(csDesigning);
}

QString TExtDateTimePicker::Version() const
{
    constexpr uint32_t Number = 0x01020000;
    return QStringLiteral("%1.%2.%3.%4")
        .arg(Number >> 24)
        .arg((Number >> 16) & 0xFF)
        .arg((Number >> 8) & 0xFF)
        .arg(Number & 0xFF);
}

void TExtDateTimePicker::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value) return;
    FBorderColor = Value;
    Invalidate();
}

// ---- Kind and value ----

void TExtDateTimePicker::SetKind(TExtDateTimeKind Value)
{
    if (FKind == Value) return;
    FKind = Value;
    TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
    CreateTimePicker();
    UpdateTimePicker();
}

void TExtDateTimePicker::CreateWnd()
{
    TCustomDateTimePicker::CreateWnd();
    TDateTimePicker::SetKind(FKind == dkTime ? dtkTime : dtkDate);
    CreateTimePicker();
    UpdateTimePicker();
}

TDateTime TExtDateTimePicker::Time() const
{
    // Before the epoch the picker's own time of day comes negative.
    if (FKind == dkDateTime && FTimePicker) return std::fabs(FTimePicker->Time());
    return std::fabs(TDateTimePicker::Time());
}

void TExtDateTimePicker::SetTime(TDateTime Value)
{
    TDateTimePicker::SetTime(TimeOfDay(Value));
    // The time part shows the time: it takes the new one before the parts are brought together.
    if (FTimePicker) FTimePicker->SetTime(TimeOfDay(Value));
    UpdateTimePicker();
}

TDateTime TExtDateTimePicker::DateTime() const
{
    const TDateTime Own = TDateTimePicker::DateTime();
    if (!FTimePicker) return Own;
    return Compose(WholeDays(Own), std::fabs(FTimePicker->Time()));
}

void TExtDateTimePicker::SetDateTime(TDateTime Value)
{
    const TDateTime Whole = Compose(WholeDays(Value), TimeOfDay(Value));
    TDateTimePicker::SetDateTime(Whole);
    CreateTimePicker();
    if (FTimePicker) FTimePicker->SetDateTime(Whole);
}

TDateTime TExtDateTimePicker::Date() const
{
    return WholeDays(TDateTimePicker::DateTime());
}

void TExtDateTimePicker::SetDate(TDateTime Value)
{
    SetDateTime(Compose(WholeDays(Value), TimeOfDay(Time())));
}

void TExtDateTimePicker::SetTimeFormat(const QString& Value)
{
    if (FTimePicker) FTimePicker->SetFormat(Value);
    if (FKind == dkTime) SetFormat(Value);
    FTimeFormat = Value;
    UpdateTimePicker();
}

void TExtDateTimePicker::SetAutoTab(bool Value)
{
    TCustomDateTimePicker::SetAutoTab(Value);
    if (FTimePicker) FTimePicker->SetAutoTab(Value);
}

void TExtDateTimePicker::SetBorderStyle(TBorderStyle Value)
{
    TCustomDateTimePicker::SetBorderStyle(Value);
    UpdateTimePicker();
}

// ---- The time part ----

void TExtDateTimePicker::CreateTimePicker()
{
    if (FTimePicker || FKind != dkDateTime) return;
    FTimePicker = New<TCustomDateTimePicker>(this);
    const TComponentStateSet State = ComponentState();
    if (!(State.Contains(csLoading) && State.Contains(csDesigning))) FTimePicker->SetParent(this);
    FTimePicker->SetWidth(90);
    FTimePicker->SetHeight(17);
    FTimePicker->SetVisible(false);
    FTimePicker->SetEnabled(Enabled());
    FTimePicker->SetKind(dtkTime);
    // It starts with the time the picker holds while it has no time part.
    FTimePicker->SetDateTime(TDateTimePicker::DateTime());
    FTimePicker->SetAutoTab(AutoTab());
    FTimePicker->OnChange = [this](TObject*) {
        DoChange();
        if (OnTimeChange) OnTimeChange(this);
    };
    FTimePicker->OnClick = [this](TObject*) { DoClick(); };
    FTimePicker->OnKeyPress = [](TObject*, QChar&) {};
    FTimePicker->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) { KeyDown(Key, Shift); };
}

void TExtDateTimePicker::UpdateTimePicker()
{
    if (!FTimePicker) return;
    FTimePicker->SetParent(this);
    FTimePicker->SetColor(Color());
    FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    FTimePicker->SetVisible(FKind == dkDateTime);
    FTimePicker->SetDateTime(DateTime());
    FTimePicker->SetFormat(FTimeFormat);
    FTimePicker->SetFont(Font());
    const TComponentStateSet State = ComponentState();
    const bool Loading = State.Contains(csLoading) && !State.Contains(csDesigning);
    if (FTimePicker->Visible() || Loading) {
        PlaceTimePicker();
    } else if (!State.Contains(csLoading)) {
        // The picker keeps the time the part held.
        const TDateTime Value = DateTime();
        TCustomDateTimePicker* Part = FTimePicker;
        FTimePicker = nullptr;
        delete Part;
        if (!ShowCheckbox() || Checked()) TDateTimePicker::SetDateTime(Value);
    }
}

void TExtDateTimePicker::PlaceTimePicker()
{
    TBitmap Measure;
    Measure.SetSize(1, 1);
    Measure.Canvas()->Font()->Assign(Font());
    TRect Box{0, 0, 1000, 200};
    DrawText(Measure.Canvas(), FTimePicker->Text().left(255), -1, Box, DT_CALCRECT | DT_SINGLELINE);
    const int32_t W = Box.Width() + 31;
    const int32_t B = (BevelInner() != bvNone || BevelOuter() != bvNone) && BevelKind() != bkNone ? 4 : 0;
    const int32_t H = Height();
    if (!IsVistaOrLater())
        FTimePicker->SetBounds(Width() - W - 21, -2, W, H);
    else if (!IsComCtl6() || !ThemeAPI.Loaded)
        FTimePicker->SetBounds(Width() - W - B - 23, -2, W, H - B);
    else if (!ThemedPaintingActive(ThemeAPI))
        FTimePicker->SetBounds(Width() - W - B - 21, 2, W, H - B - 4);
    else if (IsMetro())
        FTimePicker->SetBounds(Width() - W - B - 21, 1, W, H - B - 2);
    else
        FTimePicker->SetBounds(Width() - W - B - 34, 1, W, H - B - 2);
}

// ---- AutoTab ----

void TExtDateTimePicker::KeyPress(QChar& Key)
{
    if (AutoTab() && Key >= QLatin1Char('0') && Key <= QLatin1Char('9')) DecodeDate(DateTime(), Fy, Fm, Fd);
    TCustomDateTimePicker::KeyPress(Key);
}

void TExtDateTimePicker::DoShiftFocus()
{
    if (FKind == dkTime) {
        TCustomDateTimePicker::DoShiftFocus();
        return;
    }
    uint16_t Year, Month, Day;
    DecodeDate(DateTime(), Year, Month, Day);
    const bool DayChanged = Day != Fd, MonthChanged = Month != Fm, YearChanged = Year != Fy;
    bool IntoTime = false, NextField = false;
    if (!Format().isEmpty()) {
        // The last field of the format was completed when the digit changed it.
        const QChar Last = Format().back().toLower();
        IntoTime = (DayChanged && Last == QLatin1Char('d')) || (MonthChanged && Last == QLatin1Char('m')) ||
                   (YearChanged && Last == QLatin1Char('y'));
        NextField = !IntoTime && (DayChanged || MonthChanged || YearChanged);
    } else {
        NextField = DayChanged || MonthChanged;
        IntoTime = !NextField && YearChanged;
    }
    if (NextField) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    // A time part that cannot take the focus (the check box cleared) leaves it where it is.
    if (IntoTime && FTimePicker && FTimePicker->CanFocus()) FTimePicker->SetFocus();
}

// ---- Events ----

void TExtDateTimePicker::DoChange()
{
    if (OnChange) OnChange(this);
}

void TExtDateTimePicker::DoClick()
{
    if (OnClick) OnClick(this);
}

// ---- Messages ----

void TExtDateTimePicker::WndProc(TMessage& Message)
{
    TCustomDateTimePicker::WndProc(Message);
    if (Message.Msg == DTM_SETSYSTEMTIME && ShowCheckbox()) AfterSetSystemTime(Message);
}

void TExtDateTimePicker::AfterSetSystemTime(TMessage& Message)
{
    if (static_cast<LRESULT>(Message.WParam) == GDT_NONE) {
        if (!Designing() && FTimePicker) FTimePicker->SetEnabled(Enabled() && Checked());
        return;
    }
    if (FTimePicker) FTimePicker->SetEnabled(Enabled() && Checked());
    FIgnoreTimePickerCheck = FTimePicker && FTimePicker->Enabled();
}

void TExtDateTimePicker::CNNotify(TMessage& Message)
{
    const NMHDR* Header = TWMNotify(Message).NMHdr();
    if (!ShowCheckbox() || Header->code != DTN_DATETIMECHANGE) {
        TCustomDateTimePicker::Dispatch(Message);
        return;
    }
    uint16_t Year, Month, Day, NewYear, NewMonth, NewDay;
    DecodeDate(Date(), Year, Month, Day);
    TCustomDateTimePicker::Dispatch(Message);
    DecodeDate(Date(), NewYear, NewMonth, NewDay);
    if (NewYear != Year || NewMonth != Month || NewDay != Day) {
        FChangePoint = NewYear != Year ? TPoint{80, 5} : NewMonth != Month ? TPoint{46, 5} : TPoint{28, 5};
        FFocusTimer->SetEnabled(true);
    }
    if (FTimePicker) {
        const auto* Change = reinterpret_cast<const NMDATETIMECHANGE*>(Header);
        if (!FIgnoreTimePickerCheck) FTimePicker->SetEnabled(Enabled() && Checked());
        // A cleared check box leaves no time to edit.
        if (Change->dwFlags == static_cast<uint32_t>(GDT_NONE)) FTimePicker->SetEnabled(false);
    }
    FIgnoreTimePickerCheck = false;
}

void TExtDateTimePicker::FollowEnabled()
{
    if (FTimePicker) FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
}

void TExtDateTimePicker::Dispatch(TMessage& Message)
{
    const TComponentStateSet State = ComponentState();
    switch (Message.Msg) {
    case CN_NOTIFY: CNNotify(Message); break;
    case CM_ENABLEDCHANGED:
        TCustomDateTimePicker::Dispatch(Message);
        FollowEnabled();
        break;
    case CM_FONTCHANGED:
        if ((State.Contains(csDesigning) || State.Contains(csLoading)) && ParentFont()) FLabelFont->Assign(Font());
        TCustomDateTimePicker::Dispatch(Message);
        break;
    case CM_PARENTFONTCHANGED:
        TCustomDateTimePicker::Dispatch(Message);
        if ((State.Contains(csDesigning) || State.Contains(csLoading)) && ParentFont()) FLabelFont->Assign(Font());
        break;
    case CM_COLORCHANGED:
        TCustomDateTimePicker::Dispatch(Message);
        UpdateTimePicker();
        break;
    case CM_SHOWINGCHANGED:
    case CM_VISIBLECHANGED:
        TCustomDateTimePicker::Dispatch(Message);
        if (FLabel) FLabel->SetVisible(Visible());
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomDateTimePicker::Dispatch(Message);
        if (!State.Contains(csLoading)) FocusChanged(Message.Msg == WM_SETFOCUS);
        break;
    case WM_PAINT:
        TCustomDateTimePicker::Dispatch(Message);
        if (FFirstRun) {
            FFirstRun = false;
            UpdateTimePicker();
        }
        break;
    case WM_SIZE:
        TCustomDateTimePicker::Dispatch(Message);
        UpdateTimePicker();
        break;
    default: TCustomDateTimePicker::Dispatch(Message); break;
    }
}

void TExtDateTimePicker::Loaded()
{
    TCustomDateTimePicker::Loaded();
    if (!Designing()) {
        CreateTimePicker();
        UpdateTimePicker();
        if (!Checked()) {
            Perform(DTM_SETSYSTEMTIME, static_cast<WPARAM>(GDT_NONE), 0);
            if (FTimePicker) FTimePicker->SetEnabled(false);
        }
    }
    if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
    UpdateLabel();
    if (ParentFont()) FLabelFont->Assign(Font());
    FParentFnt = ParentFont();
    UpdateLabel();
}
