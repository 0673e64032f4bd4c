// Common controls: the painted page control and tab sheets, and the track bar, scroll bar and date-time picker over Qt widgets.
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

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

using namespace WindowsInternal;

namespace {

// A scroll notification (WM_HSCROLL / WM_VSCROLL) of Control with Code and position Pos.
void NotifyScroll(TWinControl* Control, bool Vertical, int32_t Code, int32_t Pos)
{
    if (!Control->HandleAllocated()) return;
    SendToParent(Control, Vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(static_cast<uint16_t>(Code), static_cast<uint16_t>(Pos)),
                 reinterpret_cast<LPARAM>(Control->Handle()));
}

// The scroll code (SB_ / TB_, which agree) of an action of a Qt slider; -1 for none.
int32_t ScrollCodeOf(int Action)
{
    switch (Action) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
    default: return -1;
    }
}

// The scroll code of a key on a focused track bar or scroll bar; -1 for other keys.
int32_t ScrollCodeOfKey(uint16_t Key)
{
    switch (Key) {
    case VK_LEFT:
    case VK_UP: return SB_LINEUP;
    case VK_RIGHT:
    case VK_DOWN: return SB_LINEDOWN;
    case VK_PRIOR: return SB_PAGEUP;
    case VK_NEXT: return SB_PAGEDOWN;
    case VK_HOME: return SB_TOP;
    case VK_END: return SB_BOTTOM;
    default: return -1;
    }
}

// ---- Page control drawing ----

// The space left and right of a tab's text.
constexpr int32_t TabPadding = 6;

int32_t TabHeight(const TFont* Font)
{
    return FontHeight(Font) + 5;
}

// A caption as it shows: a single "&" marks the accelerator and is not drawn, "&&" draws one.
QString WithoutAccelerator(const QString& Caption)
{
    QString Result;
    for (qsizetype I = 0; I < Caption.size(); ++I) {
        if (Caption[I] == QLatin1Char('&') && I + 1 < Caption.size()) ++I;
        Result += Caption[I];
    }
    return Result;
}

void Line(HDC DC, TColor Color, TPoint From, TPoint To)
{
    DC->Pen()->SetColor(Color);
    DC->MoveTo(From.X, From.Y);
    DC->LineTo(To.X, To.Y);
}

// A tab in the classic look: light left and top edges with a cut corner, dark right edge, open at the bottom.
void DrawTab(HDC DC, const TRect& R)
{
    DC->Brush()->SetColor(clBtnFace);
    DC->FillRect(R);
    Line(DC, clBtnHighlight, {R.Left, R.Bottom - 1}, {R.Left, R.Top + 1});
    Line(DC, clBtnHighlight, {R.Left + 1, R.Top + 1}, {R.Left + 2, R.Top});
    Line(DC, clBtnHighlight, {R.Left + 2, R.Top}, {R.Right - 2, R.Top});
    Line(DC, cl3DDkShadow, {R.Right - 2, R.Top + 1}, {R.Right - 1, R.Top + 2});
    Line(DC, cl3DDkShadow, {R.Right - 1, R.Top + 2}, {R.Right - 1, R.Bottom});
    Line(DC, clBtnShadow, {R.Right - 2, R.Top + 2}, {R.Right - 2, R.Bottom});
}

// ---- Date-time picker helpers ----

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

// ---- Tab sheet ----

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csParentBackground};
    SetAlign(alClient);
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value)
{
    if (FPageControl == Value) return;
    if (FPageControl) FPageControl->RemovePage(this);
    FPageControl = Value;
    TWinControl::SetParent(Value);
    if (Value) Value->InsertPage(this);
}

void TTabSheet::SetParent(TWinControl* AParent)
{
    if (auto* PageControl = dynamic_cast<TPageControl*>(AParent)) {
        SetPageControl(PageControl);
        return;
    }
    if (FPageControl) {
        FPageControl->RemovePage(this);
        FPageControl = nullptr;
    }
    TWinControl::SetParent(AParent);
}

int32_t TTabSheet::PageIndex() const
{
    if (!FPageControl) return -1;
    const auto& Pages = FPageControl->FPages;
    return static_cast<int32_t>(std::find(Pages.begin(), Pages.end(), this) - Pages.begin());
}

void TTabSheet::SetPageIndex(int32_t Value)
{
    if (!FPageControl) return;
    auto& Pages = FPageControl->FPages;
    std::erase(Pages, this);
    Pages.insert(Pages.begin() + std::clamp<int32_t>(Value, 0, static_cast<int32_t>(Pages.size())), this);
    FPageControl->UpdateTabs();
}

int32_t TTabSheet::TabIndex() const
{
    if (!FPageControl || !FTabVisible) return -1;
    const auto Tabs = FPageControl->Tabs();
    return static_cast<int32_t>(std::find_if(Tabs.begin(), Tabs.end(), [this](const auto& Tab) { return Tab.Page == this; }) - Tabs.begin());
}

void TTabSheet::SetTabVisible(bool Value)
{
    if (FTabVisible == Value) return;
    FTabVisible = Value;
    if (FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::Dispatch(TMessage& Message)
{
    TWinControl::Dispatch(Message);
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
        if (FPageControl) FPageControl->UpdateTabs();
        break;
    case CM_SHOWINGCHANGED:
        if (Showing() && OnShow) OnShow(this);
        if (!Showing() && OnHide) OnHide(this);
        break;
    default: break;
    }
}

// ---- Page control ----

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csDoubleClicks, csOpaque};
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    // The pages go with the windows' children; they must not reach back into this control.
    for (TTabSheet* Page : FPages) Page->FPageControl = nullptr;
    FPages.clear();
}

TTabSheet* TPageControl::Pages(int32_t Index) const
{
    if (Index < 0 || Index >= PageCount()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FPages[static_cast<size_t>(Index)];
}

void TPageControl::ShowControl(TControl* AControl)
{
    if (auto* Page = dynamic_cast<TTabSheet*>(AControl); Page && Page->PageControl() == this) SetActivePage(Page);
    TWinControl::ShowControl(AControl);
}

void TPageControl::SetActivePage(TTabSheet* Page)
{
    if (Page && Page->FPageControl != this) return;
    ChangeActivePage(Page);
    FSelectedTab = Page && Page->TabVisible() ? Page : nullptr;
    Invalidate();
}

void TPageControl::SetActivePageIndex(int32_t Value)
{
    SetActivePage(Value >= 0 && Value < PageCount() ? FPages[static_cast<size_t>(Value)] : nullptr);
}

int32_t TPageControl::TabIndex() const
{
    return static_cast<int32_t>(const_cast<TPageControl*>(this)->Perform(TCM_GETCURSEL, 0, 0));
}

void TPageControl::SetTabIndex(int32_t Value)
{
    Perform(TCM_SETCURSEL, static_cast<WPARAM>(Value), 0);
}

TRect TPageControl::DisplayRect() const
{
    TRect Rect = ClientRect();
    const_cast<TPageControl*>(this)->Perform(TCM_ADJUSTRECT, 0, reinterpret_cast<LPARAM>(&Rect));
    return Rect;
}

TRect TPageControl::TabRect(int32_t Index) const
{
    TRect Rect;
    const_cast<TPageControl*>(this)->Perform(TCM_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Rect));
    return Rect;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const
{
    const int32_t Count = PageCount();
    if (Count == 0) return nullptr;
    int32_t Start = CurPage ? CurPage->PageIndex() : -1;
    if (Start < 0 || Start >= Count) Start = GoForward ? Count - 1 : 0;
    int32_t I = Start;
    do {
        I = GoForward ? (I + 1) % Count : (I + Count - 1) % Count;
        TTabSheet* Page = FPages[static_cast<size_t>(I)];
        if (!CheckTabVisible || Page->TabVisible()) return Page;
    } while (I != Start);
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward, bool CheckTabVisible)
{
    TTabSheet* Page = FindNextPage(FActivePage, GoForward, CheckTabVisible);
    if (!Page || Page == FActivePage || !CanChange()) return;
    SetActivePage(Page);
    Change();
}

bool TPageControl::CanChange()
{
    bool Allow = true;
    if (OnChanging) OnChanging(this, Allow);
    return Allow;
}

void TPageControl::Change()
{
    if (FSelectedTab) ChangeActivePage(FSelectedTab);
    if (OnChange) OnChange(this);
}

void TPageControl::InsertPage(TTabSheet* Page)
{
    FPages.push_back(Page);
    UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* Page)
{
    if (FActivePage == Page) {
        TTabSheet* Next = FindNextPage(Page, true, true);
        ChangeActivePage(Next == Page ? nullptr : Next);
    }
    std::erase(FPages, Page);
    if (FActivePage == Page) FActivePage = nullptr;
    if (FSelectedTab == Page) FSelectedTab = nullptr;
    UpdateTabs();
}

// Shows Page in place of the active page. When the focus was on the old page it moves to the new
// one (or to this control when the page cannot take it).
void TPageControl::ChangeActivePage(TTabSheet* Page)
{
    if (FActivePage == Page) return;
    TCustomForm* Form = GetParentForm(this);
    if (Form && FActivePage && FActivePage->ContainsControl(Form->ActiveControl())) {
        Form->SetActiveControl(FActivePage);
        if (Form->ActiveControl() != FActivePage) return;
    }
    if (Page) {
        Page->BringToFront();
        Page->SetVisible(true);
        if (Form && FActivePage && Form->ActiveControl() == FActivePage) {
            if (Page->CanFocus()) Form->SetActiveControl(Page);
            else Form->SetActiveControl(this);
        }
    }
    if (FActivePage) FActivePage->SetVisible(false);
    FActivePage = Page;
    if (Form && FActivePage && Form->ActiveControl() == FActivePage) FActivePage->SelectNext(nullptr, true, true);
}

std::vector<TPageControl::TTab> TPageControl::Tabs() const
{
    std::vector<TTab> Result;
    const int32_t Height = TabHeight(Font());
    int32_t X = 2;
    for (TTabSheet* Page : FPages) {
        if (!Page->TabVisible()) continue;
        const int32_t Width = TextSize(Font(), WithoutAccelerator(Page->Caption())).cx + 2 * TabPadding;
        Result.push_back({Page, {X, 2, X + Width, 2 + Height}});
        X += Width;
    }
    return Result;
}

void TPageControl::UpdateTabs()
{
    // A tab control selects its first tab as soon as it has one.
    if (!FSelectedTab || !FSelectedTab->TabVisible()) {
        const auto Tabs = this->Tabs();
        FSelectedTab = FActivePage && FActivePage->TabVisible() ? FActivePage : (Tabs.empty() ? nullptr : Tabs.front().Page);
    }
    Invalidate();
}

void TPageControl::ChooseTab(int32_t Index)
{
    const auto Tabs = this->Tabs();
    if (Index < 0 || Index >= static_cast<int32_t>(Tabs.size()) || Index == TabIndex()) return;
    NMHDR Header{Handle(), static_cast<UINT_PTR>(GetWindowLong(Handle(), GWL_ID)), TCN_SELCHANGING};
    if (SendToParent(this, WM_NOTIFY, Header.idFrom, reinterpret_cast<LPARAM>(&Header)) != 0) return;
    FSelectedTab = Tabs[static_cast<size_t>(Index)].Page;
    Invalidate();
    Header.code = TCN_SELCHANGE;
    SendToParent(this, WM_NOTIFY, Header.idFrom, reinterpret_cast<LPARAM>(&Header));
}

void TPageControl::AdjustClientRect(TRect& Rect)
{
    Rect = DisplayRect();
}

void TPageControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_NOTIFY: CNNotify(TWMNotify(Message)); break;
    case CM_DIALOGKEY: CMDialogKey(TWMKey(Message)); break;
    case CM_FONTCHANGED:
        TWinControl::Dispatch(Message);
        Realign();
        break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TPageControl::CNNotify(TWMNotify Message)
{
    switch (Message.NMHdr()->code) {
    case TCN_SELCHANGING: Message.SetResult(CanChange() ? 0 : 1); break;
    case TCN_SELCHANGE: Change(); break;
    default: break;
    }
}

void TPageControl::CMDialogKey(TWMKey Message)
{
    const TWinControl* Focused = FindControl(GetFocus());
    if (Message.CharCode() == VK_TAB && GetKeyState(VK_CONTROL) < 0 && Focused && ContainsControl(Focused)) {
        SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
        Message.SetResult(1);
        return;
    }
    TWinControl::Dispatch(Message.Message);
}

void TPageControl::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case TCM_GETITEMCOUNT: Message.Result = static_cast<LRESULT>(Tabs().size()); return;
    case TCM_GETCURSEL: {
        const auto Tabs = this->Tabs();
        const auto Found = std::find_if(Tabs.begin(), Tabs.end(), [this](const TTab& Tab) { return Tab.Page == FSelectedTab; });
        Message.Result = Found == Tabs.end() ? -1 : Found - Tabs.begin();
        return;
    }
    case TCM_SETCURSEL: {
        const auto Tabs = this->Tabs();
        const auto Index = static_cast<int32_t>(Message.WParam);
        Message.Result = TabIndex();
        if (Index >= 0 && Index < static_cast<int32_t>(Tabs.size())) FSelectedTab = Tabs[static_cast<size_t>(Index)].Page;
        else Message.Result = -1;
        Invalidate();
        return;
    }
    case TCM_GETITEMRECT: {
        const auto Tabs = this->Tabs();
        const auto Index = static_cast<int32_t>(Message.WParam);
        const bool Valid = Index >= 0 && Index < static_cast<int32_t>(Tabs.size());
        if (Valid) *reinterpret_cast<TRect*>(Message.LParam) = Tabs[static_cast<size_t>(Index)].Rect;
        Message.Result = Valid;
        return;
    }
    case TCM_ADJUSTRECT: {
        auto& Rect = *reinterpret_cast<TRect*>(Message.LParam);
        const int32_t Top = 2 + TabHeight(Font());
        Rect = {Rect.Left + 4, Rect.Top + Top + 4, Rect.Right - 4, Rect.Bottom - 4};
        return;
    }
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); return;
    case WM_KEYDOWN:
        if (Message.WParam == VK_LEFT || Message.WParam == VK_RIGHT) {
            ChooseTab(TabIndex() + (Message.WParam == VK_LEFT ? -1 : 1));
            return;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const TPoint Pos = LParamToPoint(Message.LParam);
        const auto Tabs = this->Tabs();
        for (size_t I = 0; I < Tabs.size(); ++I) {
            TRect Rect = Tabs[I].Rect;
            if (Tabs[I].Page == FSelectedTab) InflateRect(Rect, 2, 2);
            if (PtInRect(Rect, Pos)) {
                ChooseTab(static_cast<int32_t>(I));
                return;
            }
        }
        return;
    }
    case WM_PAINT:
        if (HDC DC = TWMPaint(Message).DC() ? TWMPaint(Message).DC() : HookOf(Handle())->PaintDC()) Paint(DC);
        return;
    default: break;
    }
    TWinControl::DefaultHandler(Message);
}

void TPageControl::Paint(HDC DC)
{
    const TRect Client = ClientRect();
    const int32_t Top = 2 + TabHeight(Font());
    DC->Brush()->Assign(Brush());
    DC->FillRect(Client);
    // The raised panel under the tabs.
    const TRect Panel{0, Top, Client.Right, Client.Bottom};
    Line(DC, clBtnHighlight, {Panel.Left, Panel.Bottom - 1}, {Panel.Left, Panel.Top});
    Line(DC, clBtnHighlight, {Panel.Left, Panel.Top}, {Panel.Right - 1, Panel.Top});
    Line(DC, cl3DDkShadow, {Panel.Right - 1, Panel.Top}, {Panel.Right - 1, Panel.Bottom - 1});
    Line(DC, cl3DDkShadow, {Panel.Right - 1, Panel.Bottom - 1}, {Panel.Left - 1, Panel.Bottom - 1});
    Line(DC, clBtnShadow, {Panel.Right - 2, Panel.Top + 1}, {Panel.Right - 2, Panel.Bottom - 2});
    Line(DC, clBtnShadow, {Panel.Right - 2, Panel.Bottom - 2}, {Panel.Left, Panel.Bottom - 2});
    DC->Font()->Assign(Font());
    DC->Brush()->SetStyle(bsClear);
    const auto Tabs = this->Tabs();
    const auto DrawCaption = [&](const TTab& Tab, TRect Rect) {
        DC->Font()->Assign(Font());
        DC->Brush()->SetStyle(bsClear);
        DrawText(DC->Handle(), Tab.Page->Caption(), -1, Rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    };
    for (const TTab& Tab : Tabs) {
        if (Tab.Page == FSelectedTab) continue;
        DrawTab(DC, Tab.Rect);
        DrawCaption(Tab, Tab.Rect);
    }
    for (const TTab& Tab : Tabs) {
        if (Tab.Page != FSelectedTab) continue;
        // The selected tab stands out: wider, higher, and open into the panel.
        TRect Rect = Tab.Rect;
        InflateRect(Rect, 2, 2);
        Rect.Bottom = Top + 1;
        DrawTab(DC, Rect);
        TRect TextRect = Tab.Rect;
        OffsetRect(TextRect, 0, -1);
        DrawCaption(Tab, TextRect);
        if (Focused()) {
            TRect FocusRect = Tab.Rect;
            InflateRect(FocusRect, -3, -2);
            OffsetRect(FocusRect, 0, -1);
            DrawFocusRect(DC, FocusRect);
        }
    }
}

// ---- Track bar ----

struct TTrackBar::TParts {
    QPointer<QSlider> Slider;
    // The scroll code of the user's action now moving the slider.
    int32_t Action = -1;
    bool MousePressed = false;
};

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner), FParts(std::make_unique<TParts>())
{
    SetTabStop(true);
    SetBounds(0, 0, 150, 45);
}

TTrackBar::~TTrackBar() = default;

void TTrackBar::SetMin(int32_t Value)
{
    FMin = Value;
    FPosition = std::clamp(FPosition, FMin, std::max(FMin, FMax));
    UpdateSlider();
}

void TTrackBar::SetMax(int32_t Value)
{
    FMax = Value;
    FPosition = std::clamp(FPosition, FMin, std::max(FMin, FMax));
    UpdateSlider();
}

void TTrackBar::SetPosition(int32_t Value)
{
    const int32_t Old = FPosition;
    Perform(TBM_SETPOS, 1, Value);
    if (FPosition != Old) Changed();
}

void TTrackBar::SetFrequency(int32_t Value)
{
    FFrequency = Value;
    UpdateSlider();
}

void TTrackBar::SetLineSize(int32_t Value)
{
    FLineSize = Value;
    UpdateSlider();
}

void TTrackBar::SetPageSize(int32_t Value)
{
    FPageSize = Value;
    UpdateSlider();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value)
{
    if (FOrientation == Value) return;
    FOrientation = Value;
    SetBounds(Left(), Top(), Height(), Width());
    UpdateSlider();
}

void TTrackBar::SetTickMarks(TTickMark Value)
{
    FTickMarks = Value;
    UpdateSlider();
}

void TTrackBar::SetTickStyle(TTickStyle Value)
{
    FTickStyle = Value;
    UpdateSlider();
}

void TTrackBar::UpdateSlider()
{
    QSlider* Slider = FParts->Slider;
    if (!Slider) return;
    const QSignalBlocker Blocker(Slider);
    Slider->setOrientation(FOrientation == trHorizontal ? Qt::Horizontal : Qt::Vertical);
    // The system's vertical track bar has its minimum at the top.
    Slider->setInvertedAppearance(FOrientation == trVertical);
    Slider->setRange(FMin, std::max(FMin, FMax));
    Slider->setSingleStep(FLineSize);
    Slider->setPageStep(FPageSize);
    Slider->setValue(FPosition);
    const QSlider::TickPosition Ticks = FTickMarks == tmBoth ? QSlider::TicksBothSides
                                      : FTickMarks == tmTopLeft ? QSlider::TicksAbove
                                                                : QSlider::TicksBelow;
    Slider->setTickPosition(FTickStyle == tsNone ? QSlider::NoTicks : Ticks);
    // Manual ticks are the ends alone.
    Slider->setTickInterval(FTickStyle == tsManual ? std::max(FMax - FMin, 1) : std::max(FFrequency, 1));
}

QWidget* TTrackBar::CreateWindowWidget(const TCreateParams&, QWidget* ParentWidget)
{
    auto* Slider = new QSlider(ParentWidget);
    FParts->Slider = Slider;
    QObject::connect(Slider, &QAbstractSlider::actionTriggered, Slider, [this](int Action) { FParts->Action = ScrollCodeOf(Action); });
    QObject::connect(Slider, &QAbstractSlider::valueChanged, Slider, [this](int Value) {
        Guarded(this, [&] {
            FPosition = Value;
            NotifyScroll(this, FOrientation == trVertical, FParts->Action >= 0 ? FParts->Action : TB_THUMBTRACK, Value);
        });
    });
    QObject::connect(Slider, &QAbstractSlider::sliderReleased, Slider,
                     [this] { Guarded(this, [this] { NotifyScroll(this, FOrientation == trVertical, TB_THUMBPOSITION, FPosition); }); });
    UpdateSlider();
    return Slider;
}

void TTrackBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
        FPosition = static_cast<int32_t>(Perform(TBM_GETPOS, 0, 0));
        Changed();
        Message.Result = 0;
        break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TTrackBar::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case TBM_GETPOS: Message.Result = FPosition; return;
    case TBM_SETPOS:
        FPosition = std::clamp(static_cast<int32_t>(Message.LParam), FMin, std::max(FMin, FMax));
        UpdateSlider();
        return;
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
    case WM_KEYDOWN: {
        const int32_t Code = ScrollCodeOfKey(static_cast<uint16_t>(Message.WParam));
        if (Code < 0) break;
        const int32_t Steps[] = {-FLineSize, FLineSize, -FPageSize, FPageSize};
        const int32_t Target = Code == TB_TOP ? FMin : Code == TB_BOTTOM ? FMax : FPosition + Steps[Code];
        Perform(TBM_SETPOS, 1, Target);
        NotifyScroll(this, FOrientation == trVertical, Code, FPosition);
        return;
    }
    case WM_KEYUP:
        if (ScrollCodeOfKey(static_cast<uint16_t>(Message.WParam)) < 0) break;
        NotifyScroll(this, FOrientation == trVertical, TB_ENDTRACK, FPosition);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        FParts->Action = -1;
        TWinControl::DefaultHandler(Message);
        const bool Released = Message.Msg == WM_LBUTTONUP && FParts->MousePressed;
        FParts->MousePressed = Message.Msg == WM_LBUTTONDOWN;
        if (Released) NotifyScroll(this, FOrientation == trVertical, TB_ENDTRACK, FPosition);
        return;
    }
    default: break;
    }
    TWinControl::DefaultHandler(Message);
}

void TTrackBar::Changed()
{
    if (OnChange) OnChange(this);
}

// ---- Scroll bar ----

struct TScrollBar::TParts {
    QPointer<QScrollBar> Bar;
    // A scroll by the user: the bar's own move is replaced by the position it leads to.
    bool Scrolling = false;
    int32_t TrackPos = 0;
    bool MousePressed = false;
};

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner), FParts(std::make_unique<TParts>())
{
    SetTabStop(true);
    SetBounds(0, 0, 121, ScrollBarExtent());
}

TScrollBar::~TScrollBar() = default;

void TScrollBar::SetKind(TScrollBarKind Value)
{
    if (FKind == Value) return;
    FKind = Value;
    SetBounds(Left(), Top(), Height(), Width());
    UpdateBar();
}

void TScrollBar::SetParams(int32_t APosition, int32_t AMin, int32_t AMax)
{
    if (AMax < AMin || AMax < FPageSize) throw EInvalidOperation(QStringLiteral("Scroll bar property out of range"));
    FMin = AMin;
    FMax = AMax;
    const int32_t Position = std::clamp(APosition, AMin, AMax);
    const bool Moved = Position != FPosition;
    FPosition = Position;
    UpdateBar();
    if (Moved) Change();
}

void TScrollBar::SetLargeChange(int32_t Value)
{
    FLargeChange = Value;
    UpdateBar();
}

void TScrollBar::SetPageSize(int32_t Value)
{
    if (Value < 0 || Value > FMax - FMin + 1) throw EInvalidOperation(QStringLiteral("Scroll bar property out of range"));
    FPageSize = Value;
    UpdateBar();
}

void TScrollBar::UpdateBar()
{
    QScrollBar* Bar = FParts->Bar;
    if (!Bar) return;
    const QSignalBlocker Blocker(Bar);
    Bar->setOrientation(FKind == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
    Bar->setRange(FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
    Bar->setSingleStep(FSmallChange);
    Bar->setPageStep(FPageSize > 0 ? FPageSize : FLargeChange);
    Bar->setValue(FPosition);
}

QWidget* TScrollBar::CreateWindowWidget(const TCreateParams&, QWidget* ParentWidget)
{
    auto* Bar = new QScrollBar(ParentWidget);
    FParts->Bar = Bar;
    QObject::connect(Bar, &QAbstractSlider::actionTriggered, Bar, [this](int Action) {
        const int32_t Code = ScrollCodeOf(Action);
        if (Code < 0) return;
        Guarded(this, [&] {
            FParts->TrackPos = FParts->Bar->sliderPosition();
            NotifyScroll(this, FKind == sbVertical, Code, FParts->TrackPos);
        });
        // The bar moves where the scroll led, not where Qt would have put it.
        if (FParts->Bar) FParts->Bar->setSliderPosition(FPosition);
    });
    QObject::connect(Bar, &QAbstractSlider::sliderReleased, Bar, [this] {
        Guarded(this, [this] {
            FParts->TrackPos = FParts->Bar->sliderPosition();
            NotifyScroll(this, FKind == sbVertical, SB_THUMBPOSITION, FParts->TrackPos);
        });
    });
    UpdateBar();
    return Bar;
}

void TScrollBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: DoScroll(TWMScroll(Message)); break;
    default: TWinControl::Dispatch(Message); break;
    }
}

// The position a scroll code leads to, which OnScroll may change, becomes Position.
void TScrollBar::DoScroll(TWMScroll Message)
{
    int32_t NewPos = FPosition;
    switch (Message.ScrollCode()) {
    case SB_LINEUP: NewPos -= FSmallChange; break;
    case SB_LINEDOWN: NewPos += FSmallChange; break;
    case SB_PAGEUP: NewPos -= FPageSize > 0 ? FPageSize : FLargeChange; break;
    case SB_PAGEDOWN: NewPos += FPageSize > 0 ? FPageSize : FLargeChange; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: NewPos = FParts->TrackPos; break;
    case SB_TOP: NewPos = FMin; break;
    case SB_BOTTOM: NewPos = FMax; break;
    default: break;
    }
    int32_t ScrollPos = std::clamp(NewPos, FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
    Scroll(static_cast<TScrollCode>(Message.ScrollCode()), ScrollPos);
    SetPosition(ScrollPos);
}

void TScrollBar::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
    case WM_KEYDOWN: {
        const int32_t Code = ScrollCodeOfKey(static_cast<uint16_t>(Message.WParam));
        if (Code < 0) break;
        FParts->TrackPos = FPosition;
        NotifyScroll(this, FKind == sbVertical, Code, FPosition);
        return;
    }
    case WM_KEYUP:
        if (ScrollCodeOfKey(static_cast<uint16_t>(Message.WParam)) < 0) break;
        NotifyScroll(this, FKind == sbVertical, SB_ENDSCROLL, FPosition);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        TWinControl::DefaultHandler(Message);
        const bool Released = Message.Msg == WM_LBUTTONUP && FParts->MousePressed;
        FParts->MousePressed = Message.Msg == WM_LBUTTONDOWN;
        if (Released) NotifyScroll(this, FKind == sbVertical, SB_ENDSCROLL, FPosition);
        return;
    }
    default: break;
    }
    TWinControl::DefaultHandler(Message);
}

void TScrollBar::Change()
{
    if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int32_t& ScrollPos)
{
    if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
}

// ---- Date-time picker ----

struct TDateTimePicker::TParts {
    QPointer<TDateTimeEditWidget> Edit;
    // The calendar's pop-up, once its showing and hiding are watched.
    QPointer<QWidget> Calendar;
    // The picker shows a value set by code: Qt's change is no change of the user.
    bool Updating = false;
};

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
    UpdatePicker();
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
    FParts->Updating = true;
    const TFormatSettings& Settings = FormatSettings();
    Edit->setDisplayFormat(!FFormat.isEmpty() ? DisplayFormatOfPicture(FFormat)
                           : FKind == dtkTime ? DisplayFormatOf(Settings.LongTimeFormat, Settings)
                                              : DisplayFormatOf(FDateFormat == dfShort ? Settings.ShortDateFormat : Settings.LongDateFormat, Settings));
    Edit->setCalendarPopup(FKind == dtkDate && FDateMode == dmComboBox);
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

QWidget* TDateTimePicker::CreateWindowWidget(const TCreateParams&, QWidget* ParentWidget)
{
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
    return Edit;
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
            if (FShowCheckbox) SetChecked(false);
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
    case WM_LBUTTONDOWN:
        if (FParts->Edit && FParts->Edit->OnCheckBox(LParamToPoint(Message.LParam).X)) {
            if (GetFocus() != Handle() && CanFocus()) ::SetFocus(Handle());
            Message.WParam = VK_SPACE;
            Message.Msg = WM_KEYDOWN;
            DefaultHandler(Message);
            return;
        }
        break;
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
