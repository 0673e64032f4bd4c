// Balloon tooltips of the grid: the texts it hands the tooltip for the cell under the pointer, the
// tooltip window's life, a real hover on the test clock, and the date change of a picker child.
#include "ExtGridTestSupport.h"

#include "grid/base/ExtUtil.h"
#include "grid/core/ExtRichEdit.h"
#include "grid/core/GridOptions.h"

#include "support/Artifacts.h"

#include "windows/ComCtrls.h"
#include "windows/Tooltips.h"
#include "windows/WindowHooks.h"

namespace {

QString TextAt(const char16_t* Text)
{
    if (!Text) return {};
    size_t Length = 0;
    while (Text[Length]) ++Length;
    return QString::fromUtf16(Text, static_cast<qsizetype>(Length));
}

// The tooltip messages sent to one window, as "name value [text]".
struct TTooltipTrace {
    static inline HWND Target = nullptr;
    static inline QStringList Sent;
    static LRESULT Hook(int32_t Code, WPARAM WParam, LPARAM LParam)
    {
        const auto* Call = reinterpret_cast<const CWPSTRUCT*>(LParam);
        if (Code == HC_ACTION && Call && Call->hwnd == Target) {
            switch (Call->message) {
            case TTM_SETMAXTIPWIDTH: Sent.append(QStringLiteral("width %1").arg(Call->lParam)); break;
            case TTM_SETTIPTEXTCOLOR: Sent.append(QStringLiteral("text %1").arg(Call->wParam, 6, 16, QChar(u'0'))); break;
            case TTM_SETTIPBKCOLOR: Sent.append(QStringLiteral("back %1").arg(Call->wParam, 6, 16, QChar(u'0'))); break;
            case TTM_SETTITLEW:
                Sent.append(QStringLiteral("title %1 %2")
                                .arg(Call->wParam)
                                .arg(TextAt(reinterpret_cast<const char16_t*>(Call->lParam))));
                break;
            default: break;
            }
        }
        return CallNextHookEx(nullptr, Code, WParam, LParam);
    }
};

// A child window that notes the notifications handed back to it (CN_NOTIFY).
class TNotifyTaker : public TWinControl {
public:
    using TWinControl::TWinControl;
    QList<UINT> Codes;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == CN_NOTIFY) Codes.append(reinterpret_cast<NMHDR*>(Message.LParam)->code);
        TWinControl::Dispatch(Message);
    }
};

class ExtGridBalloonTest : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        Grid->SetBounds(10, 10, 400, 240);
        Show();
        Grid->Balloon()->SetEnable(true);
        TTooltipTrace::Target = Grid->BalloonWindow();
        TTooltipTrace::Sent.clear();
        Hook = SetWindowsHookEx(WH_CALLWNDPROC, TTooltipTrace::Hook, 0, 0);
    }
    void TearDown() override
    {
        UnhookWindowsHookEx(Hook);
        TTooltipTrace::Target = nullptr;
    }

    // The pointer over the middle of a cell, then the tooltip's text request.
    QString Request(int32_t ACol, int32_t ARow, LRESULT* Result = nullptr)
    {
        const TRect R = Grid->CellRect(ACol, ARow);
        Input::MoveMouse(Grid, CenterPoint(R));
        NMTTDISPINFOW Info;
        Info.hdr.hwndFrom = Grid->BalloonWindow();
        Info.hdr.code = TTN_GETDISPINFOW;
        TTooltipTrace::Sent.clear();
        const LRESULT Answer = SendMessage(Grid->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&Info));
        if (Result) *Result = Answer;
        return Info.lpszText ? TextAt(Info.lpszText) : QStringLiteral("<none>");
    }

    TTestClock Clock;
    HHOOK Hook = nullptr;
};

TEST_F(ExtGridBalloonTest, TheTextOfTheCellUnderThePointerByItsKind)
{
    QString Rich;
    {
        // A rich text cell, as the grid's own rich edit writes it.
        Grid->RichEdit()->SetText(QStringLiteral("Rich cell"));
        Grid->RichToCell(1, 1, Grid->RichEdit());
        Rich = Grid->Cells(1, 1);
        ASSERT_EQ(GetCellTextKind(Rich, true), ctkRichText);
    }
    const QString Long = QString(3000, u'x');
    const QString Limit = QString(2048, u'y');
    const struct {
        const char* Name;
        QString Cell;
        bool Html;
        QString Expected;
    } Cases[] = {
        {"plain", QStringLiteral("Flow"), true, QStringLiteral("Flow")},
        {"two line breaks first", QStringLiteral("\r\n\r\nFlow\r\nmeter"), true, QStringLiteral("Flow\r\nmeter")},
        {"tabs", QStringLiteral("\tFlow\tmeter"), true, QStringLiteral("Flow meter")},
        {"markup", QStringLiteral("<b>Flow</b> meter"), true, QStringLiteral("Flow meter")},
        {"markup switched off", QStringLiteral("<b>Flow</b>"), false, QStringLiteral("<b>Flow</b>")},
        {"wide", EncodeWideCellText(QStringLiteral("Flow \u0436")), true, QStringLiteral("Flow \u0436")},
        {"rich", Rich, true, QStringLiteral("Rich cell")},
        {"3000 characters", Long, true, QString(2045, u'x') + QStringLiteral("...")},
        {"2048 characters", Limit, true, Limit},
        {"long after line breaks", QStringLiteral("\n\n") + Limit, true, Limit},
        {"empty", QString(), true, QString()},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->SetEnableHTML(C.Html);
        Grid->SetCells(2, 3, C.Cell);
        LRESULT Result = -1;
        EXPECT_EQ(Request(2, 3, &Result), C.Expected);
        EXPECT_EQ(Result, 0);
        EXPECT_EQ(TTooltipTrace::Sent, QStringList({"width 300", "title 1  "})) << "info icon, a blank title";
    }
    EXPECT_EQ(Grid->FLastBalloonPos, Point(2, 3));
}

TEST_F(ExtGridBalloonTest, TitleIconAndColoursComeFromTheCellTheEventAndTheSettings)
{
    Grid->SetCells(1, 2, QStringLiteral("Valve"));
    Grid->AddBalloon(1, 2, QStringLiteral("Valve 4"), QStringLiteral("Closed since noon"), biWarning);
    EXPECT_EQ(Request(1, 2), QStringLiteral("Closed since noon"));
    EXPECT_EQ(TTooltipTrace::Sent, QStringList({"width 300", "title 2 Valve 4"}));

    Grid->Balloon()->SetTextColor(clRed);
    Grid->Balloon()->SetBackgroundColor(clBtnFace);
    QStringList Heard;
    Grid->OnCellBalloon = [&](TObject*, int32_t ACol, int32_t ARow, QString& Title, QString& Text, int32_t& Icon) {
        Heard.append(QStringLiteral("%1,%2 %3 %4 %5").arg(ACol).arg(ARow).arg(Title, Text).arg(Icon));
        Title = QString(120, u't');
        Text = QStringLiteral("From the event");
        Icon = 7;
    };
    EXPECT_EQ(Request(1, 2), QStringLiteral("From the event"));
    EXPECT_EQ(Heard, QStringList({"1,2 Valve 4 Closed since noon 2"}));
    const COLORREF Face = ColorToRGB(clBtnFace);
    EXPECT_EQ(TTooltipTrace::Sent,
              QStringList({"width 300", "text 0000ff", QStringLiteral("back %1").arg(Face, 6, 16, QChar(u'0')),
                           QStringLiteral("title 0 ") + QString(97, u't') + QStringLiteral("...")}));

    // A text the event makes longer than the buffer is cut to fit it.
    Grid->OnCellBalloon = [](TObject*, int32_t, int32_t, QString&, QString& Text, int32_t&) { Text = QString(5000, u'z'); };
    EXPECT_EQ(Request(1, 2), QString(4095, u'z'));
}

TEST_F(ExtGridBalloonTest, OnlyOtherNotificationsReachTheInheritedHandling)
{
    auto* Taker = New<TNotifyTaker>(Grid);
    Taker->SetParent(Grid);
    Taker->SetBounds(0, 0, 1, 1);
    Grid->SetCells(1, 1, QStringLiteral("Flow"));
    for (UINT Code : {TTN_GETDISPINFOW, TTN_SHOW, TTN_POP, 12345u}) {
        NMTTDISPINFOW Info;
        Info.hdr.hwndFrom = Taker->Handle();
        Info.hdr.code = Code;
        SendMessage(Grid->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&Info));
    }
    EXPECT_EQ(Taker->Codes, QList<UINT>({12345u}));

    // Switched off: the request gets no answer at all.
    Grid->Balloon()->SetEnable(false);
    LRESULT Result = -1;
    EXPECT_EQ(Request(1, 1, &Result), QStringLiteral("<none>"));
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(TTooltipTrace::Sent.isEmpty());
}

TEST_F(ExtGridBalloonTest, TheTooltipWindowComesAndGoesWithTheSwitch)
{
    const HWND Tip = Grid->BalloonWindow();
    ASSERT_TRUE(IsWindow(Tip));
    EXPECT_EQ(GetWindow(Tip, GW_OWNER), Grid->Handle());
    EXPECT_TRUE(GetWindowLong(Tip, GWL_EXSTYLE) & WS_EX_TOPMOST);
    Grid->BalloonInit();
    EXPECT_EQ(Grid->BalloonWindow(), Tip) << "one window for two calls";

    Grid->Balloon()->SetEnable(false);
    EXPECT_FALSE(IsWindow(Tip));
    EXPECT_EQ(Grid->BalloonWindow(), nullptr);

    Grid->Balloon()->SetTransparency(55);
    Grid->Balloon()->SetEnable(true);
    ASSERT_TRUE(IsWindow(Grid->BalloonWindow()));
    EXPECT_TRUE(GetWindowLong(Grid->BalloonWindow(), GWL_EXSTYLE) & WS_EX_LAYERED);

    // A window made again gets a tooltip of its own.
    const HWND Before = Grid->BalloonWindow();
    Grid->RecreateWnd();
    Grid->HandleNeeded();
    EXPECT_FALSE(IsWindow(Before));
    ASSERT_TRUE(IsWindow(Grid->BalloonWindow()));
    EXPECT_EQ(GetWindow(Grid->BalloonWindow(), GW_OWNER), Grid->Handle());
}

TEST_F(ExtGridBalloonTest, ARestOverACellShowsItsBalloon)
{
    Grid->Balloon()->SetEnable(false);
    Grid->Balloon()->SetInitialDelay(200);
    Grid->Balloon()->SetAutoHideDelay(3000);
    Grid->Balloon()->SetBackgroundColor(static_cast<TColor>(RGB(230, 240, 255)));
    Grid->Balloon()->SetEnable(true);
    Grid->SetCells(2, 3, QStringLiteral("\r\nFlow\tmeter <b>4</b>"));
    Grid->OnCellBalloon = [](TObject*, int32_t, int32_t, QString& Title, QString&, int32_t& Icon) {
        Title = QStringLiteral("Row 3");
        Icon = biInfo;
    };
    const HWND Tip = Grid->BalloonWindow();

    Input::MoveMouse(Grid, CenterPoint(Grid->CellRect(2, 3)));
    Clock.Advance(199);
    EXPECT_FALSE(IsWindowVisible(Tip));
    Clock.Advance(1);
    ASSERT_TRUE(IsWindowVisible(Tip));
    TWinControl* Balloon = FindControl(Tip);
    EXPECT_EQ(Balloon->Caption(), QStringLiteral("Flow meter 4"));
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
    const QImage Image = RenderControl(Balloon);
    SaveArtifact(Image, QStringLiteral("grid-balloon"));
    EXPECT_EQ(Image.pixel(Image.width() - 4, Image.height() / 2), qRgb(230, 240, 255));
    EXPECT_EQ(Grid->FLastBalloonPos, Point(2, 3));

    Clock.Advance(3000);
    EXPECT_FALSE(IsWindowVisible(Tip));
}

TEST_F(ExtGridBalloonTest, TheDateChangeOfAPickerChildFiresOnDateTimeChangeWithZeroForNoDate)
{
    auto* Picker = New<TDateTimePicker>(Grid);
    Picker->SetParent(Grid);
    Picker->SetBounds(5, 5, 120, 22);
    Picker->SetShowCheckbox(true);
    Picker->SetDateTime(EncodeDate(2026, 3, 14));
    Grid->SetCol(2);
    Grid->SetRow(4);
    QStringList Heard;
    Grid->OnDateTimeChange = [&](TObject* Sender, int32_t ACol, int32_t ARow, TDateTime Value) {
        Heard.append(QStringLiteral("%1 %2,%3 %4").arg(Sender == Grid).arg(ACol).arg(ARow).arg(static_cast<double>(Value)));
    };
    int32_t Changes = 0;
    Picker->OnChange = [&](TObject*) { ++Changes; };
    ProcessPendingEvents();
    Picker->SetFocus();
    Input::PressKey(VK_SPACE);
    Input::PressKey(VK_SPACE);
    const double Date = EncodeDate(2026, 3, 14);
    EXPECT_EQ(Heard, QStringList({"1 2,4 0", QStringLiteral("1 2,4 %1").arg(Date)}));
    EXPECT_EQ(Changes, 2) << "the picker's own handling still runs";
}

}  // namespace
