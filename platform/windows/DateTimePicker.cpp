// The date-time picker over a Qt date-time edit with its check box and calendar, and the system times.
#include "windows/ComCtrls.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "windows/Forms.h"
#include "windows/private/ClassicLook.h"
#include "windows/private/Notify.h"
#include "windows/private/StockMetrics.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QBoxLayout>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

using namespace WindowsInternal;

namespace {

// The Qt display format of a format of the toolkit (FormatDateTime's specifiers).
QString DisplayFormatOf(const QString& Format, const TFormatSettings& Settings)
{
    const auto Literal = [](const QString& Text) { return QLatin1Char('\'') + QString(Text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); };
    QString Result;
    bool AfterHour = false;
    for (qsizetype I = 0; I < Format.size();) {
        const QChar C = Format[I];
        if (C == QLatin1Char('\'') || C == QLatin1Char('"')) {
            const qsizetype End = Format.indexOf(C, I + 1);
            Result += Literal(Format.mid(I + 1, (End < 0 ? Format.size() : End) - I - 1));
            I = End < 0 ? Format.size() : End + 1;
            continue;
        }
        if (Format.mid(I, 4).compare(QStringLiteral("ampm"), Qt::CaseInsensitive) == 0 ||
            Format.mid(I, 5).compare(QStringLiteral("am/pm"), Qt::CaseInsensitive) == 0) {
            Result += QStringLiteral("AP");
            I += Format[I + 2] == QLatin1Char('/') ? 5 : 4;
            continue;
        }
        const QChar Lower = C.toLower();
        qsizetype Run = 1;
        while (I + Run < Format.size() && Format[I + Run].toLower() == Lower) ++Run;
        I += Run;
        switch (Lower.unicode()) {
        case 'd':
            if (Run == 5) Result += DisplayFormatOf(Settings.ShortDateFormat, Settings);
            else if (Run >= 6) Result += DisplayFormatOf(Settings.LongDateFormat, Settings);
            else Result += QString(Run, QLatin1Char('d'));
            break;
        case 'm':
            Result += AfterHour ? QString(std::min<qsizetype>(Run, 2), QLatin1Char('m')) : QString(std::min<qsizetype>(Run, 4), QLatin1Char('M'));
            break;
        case 'y': Result += Run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"); break;
        case 'h': Result += QString(std::min<qsizetype>(Run, 2), QLatin1Char('h')); break;
        case 'n': Result += QString(std::min<qsizetype>(Run, 2), QLatin1Char('m')); break;
        case 's': Result += QString(std::min<qsizetype>(Run, 2), QLatin1Char('s')); break;
        case 'z': Result += QStringLiteral("zzz"); break;
        case 't': Result += DisplayFormatOf(Run == 1 ? Settings.ShortTimeFormat : Settings.LongTimeFormat, Settings); break;
        case 'c':
            Result += DisplayFormatOf(Settings.ShortDateFormat, Settings) + QLatin1Char(' ') + DisplayFormatOf(Settings.LongTimeFormat, Settings);
            break;
        case '/': Result += Literal(QString(Run, Settings.DateSeparator)); break;
        case ':': Result += Literal(QString(Run, Settings.TimeSeparator)); break;
        default: Result += Literal(QString(Run, C)); break;
        }
        // An m right after an hour (separators between) stands for minutes.
        if (Lower.isLetter()) AfterHour = Lower == QLatin1Char('h');
    }
    return Result;
}

// The Qt display format of a picture of the system's picker: the same letters, but for the years
// (y and yy show two digits, yyy and yyyy four) and t, tt (AM or PM).
QString DisplayFormatOfPicture(const QString& Picture)
{
    QString Result;
    for (qsizetype I = 0; I < Picture.size();) {
        const QChar C = Picture[I];
        if (C == QLatin1Char('\'')) {
            const qsizetype End = Picture.indexOf(C, I + 1);
            const qsizetype Next = End < 0 ? Picture.size() : End + 1;
            Result += Picture.mid(I, Next - I);
            I = Next;
            continue;
        }
        qsizetype Run = 1;
        while (I + Run < Picture.size() && Picture[I + Run] == C) ++Run;
        I += Run;
        if (C == QLatin1Char('y')) Result += Run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        else if (C == QLatin1Char('t')) Result += QStringLiteral("AP");
        else Result += QString(Run, C);
    }
    return Result;
}

QDateTime ToQDateTime(TDateTime Value)
{
    uint16_t Year, Month, Day, Hour, Min, Sec, MSec;
    DecodeDate(Value, Year, Month, Day);
    DecodeTime(Value, Hour, Min, Sec, MSec);
    return QDateTime(QDate(Year, Month, Day), QTime(Hour, Min, Sec, MSec));
}

TDateTime FromQDateTime(const QDateTime& Value)
{
    const QDate D = Value.date();
    const QTime T = Value.time();
    const TDateTime Date = EncodeDate(static_cast<uint16_t>(D.year()), static_cast<uint16_t>(D.month()), static_cast<uint16_t>(D.day()));
    const TDateTime Time = EncodeTime(static_cast<uint16_t>(T.hour()), static_cast<uint16_t>(T.minute()), static_cast<uint16_t>(T.second()),
                                      static_cast<uint16_t>(T.msec()));
    return Date >= 0 ? Date + Time : Date - Time;
}

// The check box of a picker that shows one: drawn over the start of the edit, which it lets the
// clicks through to.
class TCheckMark : public QWidget {
public:
    explicit TCheckMark(QWidget* Parent) : QWidget(Parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
    bool Checked = true;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter Painter(this);
        QStyleOptionButton Box;
        Box.initFrom(this);
        Box.rect = rect();
        Box.state = (Box.state & ~QStyle::State_HasFocus) | (Checked ? QStyle::State_On : QStyle::State_Off);
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &Box, &Painter, this);
    }
};

// The picker's window: Qt's date-time edit with the picker's check box before the value.
class TDateTimeEditWidget : public QDateTimeEdit {
public:
    explicit TDateTimeEditWidget(QWidget* Parent) : QDateTimeEdit(Parent), FMark(new TCheckMark(this)) { FMark->hide(); }
    using QDateTimeEdit::lineEdit;

    static constexpr int CheckBoxWidth = 18;

    void SetCheckBox(bool Show, bool Checked)
    {
        FMark->Checked = Checked;
        FMark->setVisible(Show);
        FMark->raise();
        FMark->update();
        lineEdit()->setTextMargins(Show ? CheckBoxWidth : 0, 0, 0, 0);
        SetWidgetColors(lineEdit(), QPalette::Base, clWindow, Show && !Checked ? clGrayText : clWindowText);
    }
    bool OnCheckBox(int X) const { return FMark->isVisible() && X < CheckBoxWidth; }

    // Opens the calendar as a click on the drop-down arrow does.
    void OpenCalendar()
    {
        QStyleOptionComboBox Option;
        Option.initFrom(this);
        Option.editable = true;
        Option.subControls = QStyle::SC_All;
        const QRect Arrow = style()->subControlRect(QStyle::CC_ComboBox, &Option, QStyle::SC_ComboBoxArrow, this);
        QMouseEvent Press(QEvent::MouseButtonPress, QPointF(Arrow.center()), mapToGlobal(QPointF(Arrow.center())), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        mousePressEvent(&Press);
    }

protected:
    void resizeEvent(QResizeEvent* Event) override
    {
        QDateTimeEdit::resizeEvent(Event);
        FMark->setGeometry(4, (height() - 13) / 2, 13, 13);
    }

private:
    TCheckMark* FMark;
};

// The month calendar of the drop-down: Qt's calendar with the "Today" line under it and a circle
// round today's date, switched off by MCS_NOTODAY and MCS_NOTODAYCIRCLE; MCS_WEEKNUMBERS shows
// the week numbers.
class TMonthCalendar : public QCalendarWidget {
public:
    explicit TMonthCalendar(QWidget* Parent) : QCalendarWidget(Parent), FToday(new QLabel(this))
    {
        setGridVisible(false);
        setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        FToday->setAlignment(Qt::AlignCenter);
        if (auto* Box = qobject_cast<QBoxLayout*>(layout())) Box->addWidget(FToday);
        ApplyStyle(0);
    }

    void ApplyStyle(uint32_t Style)
    {
        FCircle = !(Style & MCS_NOTODAYCIRCLE);
        FToday->setText(QStringLiteral("Today: ") + DateToStr(WindowsDate()));
        FToday->setVisible(!(Style & MCS_NOTODAY));
        setVerticalHeaderFormat((Style & MCS_WEEKNUMBERS) ? QCalendarWidget::ISOWeekNumbers : QCalendarWidget::NoVerticalHeader);
        updateGeometry();
        update();
    }

    // The whole month with its headers and, when shown, the "Today" line (the calendar's size
    // hint is this too).
    QSize minimumSizeHint() const override
    {
        QSize Size = QCalendarWidget::minimumSizeHint();
        if (!FToday->isHidden()) {
            const QSize Line = FToday->sizeHint();
            Size = QSize(std::max(Size.width(), Line.width()), Size.height() + Line.height());
        }
        return Size;
    }

protected:
    void paintCell(QPainter* Painter, const QRect& Rect, QDate Date) const override
    {
        QCalendarWidget::paintCell(Painter, Rect, Date);
        if (!FCircle || Date != QDate::currentDate()) return;
        Painter->save();
        Painter->setRenderHint(QPainter::Antialiasing);
        Painter->setPen(QPen(QColor(0xC0, 0, 0), 1.5));
        Painter->setBrush(Qt::NoBrush);
        Painter->drawEllipse(QRectF(Rect).adjusted(1.5, 1.5, -1.5, -1.5));
        Painter->restore();
    }

private:
    static TDateTime WindowsDate() { return std::trunc(Now()); }

    QLabel* FToday;
    bool FCircle = true;
};

// Tells of a pop-up window being shown and hidden.
class TPopupWatch : public QObject {
public:
    TPopupWatch(QObject* Parent, std::function<void(bool Shown)> OnChange) : QObject(Parent), FOnChange(std::move(OnChange)) {}

protected:
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() == QEvent::Show || Event->type() == QEvent::Hide) FOnChange(Event->type() == QEvent::Show);
        return false;
    }

private:
    std::function<void(bool)> FOnChange;
};

// The digits typed into one field of a picker, as the system's picker takes them: each digit is
// added to those typed before into the same field, and the field takes the number as soon as it
// is a valid value; a number no valid value begins with starts again with the digit alone. A
// field is complete when no further digit could make a valid value; the next digit starts anew.
// The caret never moves on by itself. A year of four digits is taken when all four are typed.
class TFieldTyping {
public:
    void Reset() { FDigits.clear(); }

    // The value with Digit typed into the edit's current field; false when the field takes no
    // digits or the value does not change yet.
    bool Type(const QDateTimeEdit& Edit, QChar Digit, QDateTime& Value)
    {
        const int Index = Edit.currentSectionIndex();
        if (Index != FSection) {
            FDigits.clear();
            FSection = Index;
        }
        FDigits += Digit;
        const QString Format = Edit.displayFormat();
        QDate Date = Value.date();
        QTime Time = Value.time();
        int N = -1;
        switch (Edit.sectionAt(Index)) {
        case QDateTimeEdit::DaySection:
            // Day names take no digits.
            if (const QString Shown = Edit.sectionText(QDateTimeEdit::DaySection);
                Shown.isEmpty() || !Shown.at(0).isDigit())
                return Forget();
            if ((N = Number(1, Date.daysInMonth())) < 0) return false;
            Date.setDate(Date.year(), Date.month(), N);
            break;
        case QDateTimeEdit::MonthSection:
            if ((N = Number(1, 12)) < 0) return false;
            Date = WithDay(Date.year(), N, Date.day());
            break;
        case QDateTimeEdit::YearSection: {
            const bool Four = Format.contains(QStringLiteral("yyyy"));
            if (FDigits.size() < (Four ? 4 : 2)) return false;
            N = FDigits.toInt() + (Four ? 0 : Date.year() / 100 * 100);
            FDigits.clear();
            if (N < 1) return false;
            Date = WithDay(N, Date.month(), Date.day());
            break;
        }
        case QDateTimeEdit::HourSection: {
            const bool Twelve = Format.contains(QStringLiteral("AP"), Qt::CaseInsensitive);
            if ((N = Twelve ? Number(1, 12) : Number(0, 23)) < 0) return false;
            if (Twelve) N = N % 12 + (Time.hour() >= 12 ? 12 : 0);
            Time.setHMS(N, Time.minute(), Time.second(), Time.msec());
            break;
        }
        case QDateTimeEdit::MinuteSection:
            if ((N = Number(0, 59)) < 0) return false;
            Time.setHMS(Time.hour(), N, Time.second(), Time.msec());
            break;
        case QDateTimeEdit::SecondSection:
            if ((N = Number(0, 59)) < 0) return false;
            Time.setHMS(Time.hour(), Time.minute(), N, Time.msec());
            break;
        default: return Forget();
        }
        const QDateTime Typed(Date, Time);
        if (Typed == Value) return false;
        Value = Typed;
        return true;
    }

private:
    bool Forget()
    {
        FDigits.clear();
        return false;
    }
    // The number the digits make for a field of Min..Max, or -1 while they make no valid value yet.
    int Number(int Min, int Max)
    {
        int N = FDigits.toInt();
        if (FDigits.size() > 2 || N > Max) {
            FDigits = FDigits.right(1);
            N = FDigits.toInt();
        }
        if (FDigits.size() == 2 || N * 10 > Max) FDigits.clear();
        return N >= Min && N <= Max ? N : -1;
    }
    // A new month or year keeps the day, as far as the month has it.
    static QDate WithDay(int Year, int Month, int Day)
    {
        return QDate(Year, Month, std::min(Day, QDate(Year, Month, 1).daysInMonth()));
    }

    QString FDigits;
    int FSection = -1;
};

// Makes field Index of the edit the current one, selected.
void SelectField(QDateTimeEdit& Edit, int Index)
{
    Edit.setCurrentSectionIndex(Index);
    Edit.setSelectedSection(Edit.sectionAt(Index));
}

}  // namespace

// ---- System times ----

void DateTimeToSystemTime(TDateTime DateTime, SYSTEMTIME& SystemTime)
{
    DecodeDate(DateTime, SystemTime.wYear, SystemTime.wMonth, SystemTime.wDay);
    DecodeTime(DateTime, SystemTime.wHour, SystemTime.wMinute, SystemTime.wSecond, SystemTime.wMilliseconds);
    SystemTime.wDayOfWeek = static_cast<uint16_t>(DayOfWeek(DateTime) - 1);
}

TDateTime SystemTimeToDateTime(const SYSTEMTIME& SystemTime)
{
    const TDateTime Date = EncodeDate(SystemTime.wYear, SystemTime.wMonth, SystemTime.wDay);
    const TDateTime Time = EncodeTime(SystemTime.wHour, SystemTime.wMinute, SystemTime.wSecond, SystemTime.wMilliseconds);
    return Date >= 0 ? Date + Time : Date - Time;
}

// ---- Date-time picker ----

struct TDateTimePicker::TParts {
    QPointer<TDateTimeEditWidget> Edit;
    // The calendar's pop-up, once its showing and hiding are watched.
    QPointer<QWidget> Calendar;
    // The picker shows a value set by code: Qt's change is no change of the user.
    bool Updating = false;
    TFieldTyping Typing;
    QPointer<TMonthCalendar> MonthCal;
    // The month calendar's window (DTM_GETMONTHCAL), made on the first question; forgotten with
    // the calendar.
    HWND MonthCalWnd = nullptr;
};

namespace {

// The window of the month calendar: its MCS_ styles switch its parts, MCM_GETMINREQRECT tells its
// least size, and a size set by SetWindowPos sizes the drop-down to it.
HWND RegisterMonthCalendar(TMonthCalendar* Calendar)
{
    const HWND Wnd = RegisterWindow(nullptr, Calendar, WS_CHILD | WS_VISIBLE, 0);
    QPointer<TMonthCalendar> Guard(Calendar);
    FindWindow(Wnd)->Method = [Wnd, Guard](TMessage& Message) {
        Message.Result = 0;
        TMonthCalendar* Calendar = Guard.data();
        if (!Calendar) return;
        switch (Message.Msg) {
        case MCM_GETMINREQRECT: {
            const QSize Size = Calendar->minimumSizeHint();
            *reinterpret_cast<TRect*>(Message.LParam) = TRect{0, 0, Size.width(), Size.height()};
            Message.Result = 1;
            return;
        }
        case WM_STYLECHANGED: Calendar->ApplyStyle(static_cast<uint32_t>(GetWindowLong(Wnd, GWL_STYLE))); return;
        case WM_SIZE:
            // The calendar fills its drop-down.
            if (QWidget* Drop = Calendar->window(); Drop != Calendar) {
                const QRect Placed = Calendar->geometry();
                // Its least size follows the calendar's styles at once.
                if (QLayout* Layout = Drop->layout()) Layout->activate();
                Drop->resize(Placed.right() + 1, Placed.bottom() + 1);
            }
            return;
        default: return;
        }
    };
    QObject::connect(Calendar, &QObject::destroyed, [Wnd] { UnregisterWindow(Wnd); });
    return Wnd;
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner), FParts(std::make_unique<TParts>())
{
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    FDateTime = Now();
    SetBounds(0, 0, 186, 21);
}

TDateTimePicker::~TDateTimePicker() = default;

void TDateTimePicker::SetKind(TDateTimeKind Value)
{
    FKind = Value;
    UpdatePicker();
}

void TDateTimePicker::SetDateTime(TDateTime Value)
{
    SYSTEMTIME Time;
    DateTimeToSystemTime(Value, Time);
    Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&Time));
}

TDateTime TDateTimePicker::Date() const
{
    return std::trunc(FDateTime);
}

void TDateTimePicker::SetDate(TDateTime Value)
{
    SetDateTime(std::trunc(Value) + (FDateTime - std::trunc(FDateTime)));
}

TDateTime TDateTimePicker::Time() const
{
    return FDateTime - std::trunc(FDateTime);
}

void TDateTimePicker::SetTime(TDateTime Value)
{
    SetDateTime(std::trunc(FDateTime) + std::fabs(Value - std::trunc(Value)));
}

void TDateTimePicker::SetDateFormat(TDTDateFormat Value)
{
    FDateFormat = Value;
    UpdatePicker();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value)
{
    FDateMode = Value;
    UpdatePicker();
}

void TDateTimePicker::SetFormat(const QString& Value)
{
    Perform(DTM_SETFORMAT, 0, reinterpret_cast<LPARAM>(Value.utf16()));
}

void TDateTimePicker::SetShowCheckbox(bool Value)
{
    FShowCheckbox = Value;
    UpdatePicker();
}

void TDateTimePicker::SetChecked(bool Value)
{
    FChecked = Value;
    if (!FShowCheckbox) {
        UpdatePicker();
        return;
    }
    // As the system's picker is told: the value again, or none.
    if (Value)
        SetDateTime(FDateTime);
    else
        Perform(DTM_SETSYSTEMTIME, static_cast<WPARAM>(GDT_NONE), 0);
}

void TDateTimePicker::SetMinDate(TDateTime Value)
{
    FMinDate = Value;
    UpdatePicker();
}

void TDateTimePicker::SetMaxDate(TDateTime Value)
{
    FMaxDate = Value;
    UpdatePicker();
}

void TDateTimePicker::UpdatePicker()
{
    TDateTimeEditWidget* Edit = FParts->Edit;
    if (!Edit) return;
    FParts->Typing.Reset();
    FParts->Updating = true;
    const TFormatSettings& Settings = FormatSettings();
    Edit->setDisplayFormat(!FFormat.isEmpty() ? DisplayFormatOfPicture(FFormat)
                           : FKind == dtkTime ? DisplayFormatOf(Settings.LongTimeFormat, Settings)
                                              : DisplayFormatOf(FDateFormat == dfShort ? Settings.ShortDateFormat : Settings.LongDateFormat, Settings));
    Edit->setCalendarPopup(FKind == dtkDate && FDateMode == dmComboBox);
    if (Edit->calendarPopup() && !FParts->MonthCal) {
        FParts->MonthCal = new TMonthCalendar(Edit);
        Edit->setCalendarWidget(FParts->MonthCal);
    }
    if (Edit->calendarPopup() && !FParts->Calendar) {
        // The calendar's pop-up tells of its showing and hiding as DTN_DROPDOWN and DTN_CLOSEUP.
        FParts->Calendar = Edit->calendarWidget()->window();
        FParts->Calendar->installEventFilter(new TPopupWatch(Edit, [this](bool Shown) {
            Guarded(this, [&] {
                NMHDR Header{Handle(), static_cast<UINT_PTR>(GetWindowLong(Handle(), GWL_ID)), Shown ? DTN_DROPDOWN : DTN_CLOSEUP};
                SendToParent(this, WM_NOTIFY, Header.idFrom, reinterpret_cast<LPARAM>(&Header));
            });
        }));
    }
    if (FMinDate != 0) Edit->setMinimumDateTime(ToQDateTime(std::trunc(FMinDate)));
    else Edit->clearMinimumDateTime();
    if (FMaxDate != 0) Edit->setMaximumDateTime(ToQDateTime(std::trunc(FMaxDate) + 1).addMSecs(-1));
    else Edit->clearMaximumDateTime();
    Edit->setDateTime(ToQDateTime(FDateTime));
    Edit->SetCheckBox(FShowCheckbox, FChecked);
    FParts->Updating = false;
}

void TDateTimePicker::CreateWindowWidget(TWidgetRequest& Request)
{
    QWidget* ParentWidget = Request.Parent;
    auto* Edit = new TDateTimeEditWidget(ParentWidget);
    FParts->Edit = Edit;
    QObject::connect(Edit, &QDateTimeEdit::dateTimeChanged, Edit, [this](const QDateTime& Value) {
        if (FParts->Updating) return;
        Guarded(this, [&] {
            NMDATETIMECHANGE Change;
            Change.nmhdr = {Handle(), static_cast<UINT_PTR>(GetWindowLong(Handle(), GWL_ID)), DTN_DATETIMECHANGE};
            Change.dwFlags = static_cast<uint32_t>(GDT_VALID);
            DateTimeToSystemTime(FromQDateTime(Value), Change.st);
            SendToParent(this, WM_NOTIFY, Change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&Change));
        });
    });
    UpdatePicker();
    Request.Widget = Edit;
}

void TDateTimePicker::CreateWnd()
{
    TWinControl::CreateWnd();
    // Keys and clicks in the edit of Qt's widget are the window's.
    HookOf(Handle())->Attach(FParts->Edit->lineEdit());
}

void TDateTimePicker::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_NOTIFY: CNNotify(TWMNotify(Message)); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FParts->Typing.Reset();
        TWinControl::Dispatch(Message);
        break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TDateTimePicker::CNNotify(TWMNotify Message)
{
    switch (Message.NMHdr()->code) {
    case DTN_DATETIMECHANGE: {
        const auto* Change = reinterpret_cast<const NMDATETIMECHANGE*>(Message.NMHdr());
        const bool Valid = Change->dwFlags == static_cast<uint32_t>(GDT_VALID);
        if (FDroppedDown && FKind == dtkDate) {
            FChangedWhileDropped = Valid;
            if (Valid) FDroppedValue = SystemTimeToDateTime(Change->st);
            break;
        }
        if (FShowCheckbox && !Valid) {
            FChecked = false;
        } else if (Valid) {
            FDateTime = SystemTimeToDateTime(Change->st);
            if (FShowCheckbox) FChecked = true;
        }
        this->Change();
        break;
    }
    case DTN_DROPDOWN:
        // Each drop starts with a calendar of the default style.
        if (FParts->MonthCalWnd) {
            SetWindowLong(FParts->MonthCalWnd, GWL_STYLE, WS_CHILD | WS_VISIBLE);
            FParts->MonthCal->ApplyStyle(0);
        }
        FDroppedDown = true;
        FChangedWhileDropped = false;
        DropDown();
        break;
    case DTN_CLOSEUP:
        FDroppedDown = false;
        if (FChangedWhileDropped) {
            FChangedWhileDropped = false;
            FDateTime = FDroppedValue;
            Change();
        }
        CloseUp();
        break;
    default: break;
    }
}

void TDateTimePicker::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case DTM_GETSYSTEMTIME:
        DateTimeToSystemTime(FDateTime, *reinterpret_cast<SYSTEMTIME*>(Message.LParam));
        Message.Result = FShowCheckbox && !FChecked ? GDT_NONE : GDT_VALID;
        return;
    case DTM_SETSYSTEMTIME: {
        if (static_cast<LRESULT>(Message.WParam) == GDT_NONE) {
            Message.Result = FShowCheckbox;
            if (FShowCheckbox) {
                FChecked = false;
                UpdatePicker();
            }
            return;
        }
        const TDateTime Value = SystemTimeToDateTime(*reinterpret_cast<const SYSTEMTIME*>(Message.LParam));
        if (FMaxDate != 0 && std::trunc(Value) > std::trunc(FMaxDate))
            throw ECommonCalendarError(QStringLiteral("Date exceeds maximum of %1").arg(DateToStr(FMaxDate)));
        if (FMinDate != 0 && std::trunc(Value) < std::trunc(FMinDate))
            throw ECommonCalendarError(QStringLiteral("Date is less than minimum of %1").arg(DateToStr(FMinDate)));
        FDateTime = Value;
        if (FShowCheckbox) FChecked = true;
        UpdatePicker();
        Message.Result = 1;
        return;
    }
    case DTM_GETRANGE: {
        auto* Range = reinterpret_cast<SYSTEMTIME*>(Message.LParam);
        Message.Result = 0;
        if (FMinDate != 0) {
            DateTimeToSystemTime(FMinDate, Range[0]);
            Message.Result |= GDTR_MIN;
        }
        if (FMaxDate != 0) {
            DateTimeToSystemTime(FMaxDate, Range[1]);
            Message.Result |= GDTR_MAX;
        }
        return;
    }
    case DTM_SETRANGE: {
        const auto* Range = reinterpret_cast<const SYSTEMTIME*>(Message.LParam);
        FMinDate = (Message.WParam & GDTR_MIN) ? SystemTimeToDateTime(Range[0]) : 0;
        FMaxDate = (Message.WParam & GDTR_MAX) ? SystemTimeToDateTime(Range[1]) : 0;
        UpdatePicker();
        Message.Result = 1;
        return;
    }
    case DTM_GETMONTHCAL:
        Message.Result = 0;
        if (FDroppedDown && FParts->MonthCal) {
            if (!FParts->MonthCalWnd || !FindWindow(FParts->MonthCalWnd)) FParts->MonthCalWnd = RegisterMonthCalendar(FParts->MonthCal);
            Message.Result = reinterpret_cast<LRESULT>(FParts->MonthCalWnd);
        }
        return;
    case DTM_SETFORMAT:
        FFormat = Message.LParam ? QString::fromUtf16(reinterpret_cast<const char16_t*>(Message.LParam)) : QString();
        UpdatePicker();
        Message.Result = 1;
        return;
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT: {
        // The value as it shows.
        const QString Text = FParts->Edit ? FParts->Edit->text() : QString();
        if (Message.Msg == WM_GETTEXTLENGTH) {
            Message.Result = Text.size();
        } else if (Message.WParam > 0) {
            const QString Copied = Text.left(static_cast<qsizetype>(Message.WParam) - 1);
            auto* Buffer = reinterpret_cast<char16_t*>(Message.LParam);
            std::copy_n(Copied.utf16(), Copied.size(), Buffer);
            Buffer[Copied.size()] = 0;
            Message.Result = Copied.size();
        }
        return;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const bool Alt = Message.Msg == WM_SYSKEYDOWN;
        const bool Calendar = FParts->Edit && FParts->Edit->calendarPopup();
        if (Calendar && ((Message.WParam == VK_F4 && !Alt) || (Alt && Message.WParam == VK_DOWN))) {
            FParts->Edit->OpenCalendar();
            return;
        }
        // Left and Right move from field to field, round the ends; a posted key does the same.
        if (!Alt && (Message.WParam == VK_LEFT || Message.WParam == VK_RIGHT) && FParts->Edit &&
            FParts->Edit->sectionCount() > 0) {
            TDateTimeEditWidget& Edit = *FParts->Edit;
            const int Count = Edit.sectionCount();
            SelectField(Edit, (Edit.currentSectionIndex() + (Message.WParam == VK_RIGHT ? 1 : Count - 1)) % Count);
            FParts->Typing.Reset();
            return;
        }
        if (FShowCheckbox && Message.WParam == VK_SPACE && !Alt) {
            FChecked = !FChecked;
            UpdatePicker();
            NMDATETIMECHANGE Change;
            Change.nmhdr = {Handle(), static_cast<UINT_PTR>(GetWindowLong(Handle(), GWL_ID)), DTN_DATETIMECHANGE};
            Change.dwFlags = static_cast<uint32_t>(FChecked ? GDT_VALID : GDT_NONE);
            DateTimeToSystemTime(FDateTime, Change.st);
            SendToParent(this, WM_NOTIFY, Change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&Change));
            return;
        }
        break;
    }
    case WM_CHAR: {
        const QChar Key(static_cast<char16_t>(Message.WParam));
        if (!FParts->Edit || !Key.isDigit() || Key.unicode() > '9') break;
        // Digits edit the current field; the caret stays in it.
        TDateTimeEditWidget& Edit = *FParts->Edit;
        QDateTime Value = Edit.dateTime();
        const int Field = Edit.currentSectionIndex();
        if (FParts->Typing.Type(Edit, Key, Value) && Value >= Edit.minimumDateTime() &&
            Value <= Edit.maximumDateTime()) {
            Edit.setDateTime(Value);
            SelectField(Edit, Field);
        }
        return;
    }
    case WM_LBUTTONDOWN:
        if (FParts->Edit && FParts->Edit->OnCheckBox(LParamToPoint(Message.LParam).X)) {
            if (GetFocus() != Handle() && CanFocus()) ::SetFocus(Handle());
            Message.WParam = VK_SPACE;
            Message.Msg = WM_KEYDOWN;
            DefaultHandler(Message);
            return;
        }
        // A click selects the field under the pointer.
        TWinControl::DefaultHandler(Message);
        if (FParts->Edit && FParts->Edit->sectionCount() > 0)
            SelectField(*FParts->Edit, FParts->Edit->currentSectionIndex());
        FParts->Typing.Reset();
        return;
    default: break;
    }
    TWinControl::DefaultHandler(Message);
}

void TDateTimePicker::Change()
{
    if (OnChange) OnChange(this);
}

void TDateTimePicker::DropDown()
{
    if (OnDropDown) OnDropDown(this);
}

void TDateTimePicker::CloseUp()
{
    if (OnCloseUp) OnCloseUp(this);
}
