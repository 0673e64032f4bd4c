// TExtStringGrid: the balloon tooltip window, its texts for the cell under the pointer, and the
// date change of a date-time picker child.
#include "grid/core/ExtGrid.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/ExtUtil.h"
#include "grid/core/GridOptions.h"

#include "graphics/Colors.h"
#include "windows/ComCtrls.h"
#include "windows/Tooltips.h"

#include <algorithm>
#include <string>

namespace {

constexpr qsizetype MaxBalloonText = 2048;
constexpr qsizetype MaxBalloonTitle = 100;
constexpr int32_t BalloonTipWidth = 300;

// Longer than Max: its first Max - 3 characters and "...".
QString Shortened(const QString& Text, qsizetype Max)
{
    if (Text.length() <= Max) return Text;
    return Text.left(Max - 3) + QStringLiteral("...");
}

int32_t TitleIcon(int32_t Icon)
{
    return Icon >= 0 && Icon <= static_cast<int32_t>(TTI_ERROR) ? Icon : 0;
}

}  // namespace

void TExtStringGrid::BalloonInit()
{
    if (!HandleAllocated()) return;
    // Made for this window already; a window made again needs its own tooltip.
    if (FBalloonInit && IsWindow(FHToolTip) && GetWindow(FHToolTip, GW_OWNER) == Handle()) return;
    DestroyBalloonWindow();
    FBalloonInit = true;
    CreateBalloonWindow();
    AddBalloonTool(3, QStringLiteral("ToolTipText"));
    if (FBalloonSettings->InitialDelay() != -1)
        SendMessage(FHToolTip, TTM_SETDELAYTIME, TTDT_INITIAL, FBalloonSettings->InitialDelay());
    if (FBalloonSettings->ReshowDelay() != -1)
        SendMessage(FHToolTip, TTM_SETDELAYTIME, TTDT_RESHOW, FBalloonSettings->ReshowDelay());
    if (FBalloonSettings->AutoHideDelay() != -1)
        SendMessage(FHToolTip, TTM_SETDELAYTIME, TTDT_AUTOPOP, FBalloonSettings->AutoHideDelay());
    if (FBalloonSettings->Transparency() > 0)
        SetLayeredAlpha(FHToolTip, 0, static_cast<uint8_t>(255 - FBalloonSettings->Transparency()), Rect(0, 0, 100, 100));
}

void TExtStringGrid::BalloonDone()
{
    // Whatever Enable says now: a window left behind would leak and come twice.
    DestroyBalloonWindow();
    FBalloonInit = false;
}

void TExtStringGrid::CreateBalloonWindow()
{
    FHToolTip = CreateWindowEx(0, TOOLTIPS_CLASS, QString(), TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, 0, nullptr);
    SetWindowPos(FHToolTip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TExtStringGrid::DestroyBalloonWindow()
{
    if (FHToolTip) DestroyWindow(FHToolTip);
    FHToolTip = nullptr;
}

void TExtStringGrid::AddBalloonTool(int32_t Icon, const QString& Title)
{
    if (!HandleAllocated() || IsRectEmpty(ClientRect())) return;
    TOOLINFOW Info;
    Info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    Info.hwnd = Handle();
    Info.uId = reinterpret_cast<UINT_PTR>(Handle());
    Info.rect = ClientRect();
    Info.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessage(FHToolTip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&Info));
    std::array<char16_t, 256> Buffer{};
    const qsizetype Count = std::min<qsizetype>(Title.length(), static_cast<qsizetype>(Buffer.size()) - 1);
    std::copy_n(Title.utf16(), Count, Buffer.begin());
    SendMessage(FHToolTip, TTM_SETTITLEW, static_cast<WPARAM>(TitleIcon(Icon)), reinterpret_cast<LPARAM>(Buffer.data()));
}

void TExtStringGrid::SetLayeredAlpha(HWND Wnd, TColor Color, uint8_t Alpha, const TRect&)
{
    SetWindowLong(Wnd, GWL_EXSTYLE, GetWindowLong(Wnd, GWL_EXSTYLE) | static_cast<int32_t>(WS_EX_LAYERED));
    // The alpha of the attributes is the whole effect: an update of the layered window with a zero
    // blend as well would make the balloon invisible.
    CallSetLayeredWindowAttributes(Wnd, static_cast<COLORREF>(Color), Alpha, LWA_ALPHA);
}

bool TExtStringGrid::WMNotify(TMessage& Message)
{
    auto* Header = reinterpret_cast<NMHDR*>(Message.LParam);
    if (!Header) return false;
    switch (Header->code) {
    case TTN_GETDISPINFOW:
        if (FBalloonSettings->Enable()) BalloonText(Header);
        return true;
    case TTN_SHOW:
    case TTN_POP: return true;
    case DTN_DATETIMECHANGE:
        if (OnDateTimeChange) {
            const auto* Change = reinterpret_cast<const NMDATETIMECHANGE*>(Header);
            const SYSTEMTIME& St = Change->st;
            // A cleared date (GDT_NONE) carries no date either.
            const bool HasDate = Change->dwFlags != static_cast<uint32_t>(GDT_NONE) && St.wYear != 0 &&
                                 St.wMonth != 0 && St.wDay != 0;
            OnDateTimeChange(this, Col(), Row(), HasDate ? SystemTimeToDateTime(St) : TDateTime(0));
        }
        return false;
    default: return false;
    }
}

void TExtStringGrid::BalloonText(NMHDR* Header)
{
    auto* Info = reinterpret_cast<NMTTDISPINFOW*>(Header);
    TPoint Pos;
    GetCursorPos(Pos);
    Pos = ScreenToClient(Pos);
    int32_t ACol = -1;
    int32_t ARow = -1;
    MouseToCell(Pos.X, Pos.Y, ACol, ARow);
    const bool Hit = ACol >= 0 && ARow >= 0;
    int32_t C = -1;
    QString Text;
    if (Hit) {
        const TPoint Base = BaseCell(ACol, ARow);
        ACol = Base.X;
        ARow = Base.Y;
        C = RealColIndex(ACol);
        Text = GetCellEx(C, ARow);
        switch (GetCellTextKind(Text, FEnableHTML)) {
        case ctkMarkup: Text = MarkupToPlainText(Text); break;
        case ctkRichText: Text = RichCellPlainText(C, ARow); break;
        case ctkWide: Text = DecodeWideCellText(Text); break;
        default: break;
        }
    }

    qsizetype First = 0;
    while (First < Text.length() && (Text[First] == u'\r' || Text[First] == u'\n' || Text[First] == u'\t')) ++First;
    Text = Shortened(Text.mid(First), MaxBalloonText);
    Text.replace(u'\t', u' ');

    int32_t Icon = biInfo;
    QString Title = QStringLiteral(" ");
    if (Hit) {
        TBalloonIcon CellIcon = static_cast<TBalloonIcon>(Icon);
        if (IsBalloon(C, ARow, Title, Text, CellIcon)) Icon = CellIcon;
        if (OnCellBalloon) OnCellBalloon(this, C, ARow, Title, Text, Icon);
    }

    FLastBalloonPos = Point(ACol, ARow);
    // The buffer's last unit stays the terminating zero; no surrogate pair is cut in two.
    qsizetype Count = std::min<qsizetype>(Text.length(), static_cast<qsizetype>(FToolTipBuffer.size()) - 1);
    if (Count > 0 && Count < Text.length() && Text[Count - 1].isHighSurrogate()) --Count;
    std::copy_n(Text.utf16(), Count, FToolTipBuffer.begin());
    FToolTipBuffer[static_cast<size_t>(Count)] = 0;
    Title = Shortened(Title, MaxBalloonTitle);
    Info->lpszText = FToolTipBuffer.data();

    SendMessage(FHToolTip, TTM_SETMAXTIPWIDTH, 0, BalloonTipWidth);
    if (FBalloonSettings->TextColor() != clNone)
        SendMessage(FHToolTip, TTM_SETTIPTEXTCOLOR, static_cast<WPARAM>(ColorToRGB(FBalloonSettings->TextColor())), 0);
    if (FBalloonSettings->BackgroundColor() != clNone)
        SendMessage(FHToolTip, TTM_SETTIPBKCOLOR, static_cast<WPARAM>(ColorToRGB(FBalloonSettings->BackgroundColor())), 0);
    const std::u16string TitleText(reinterpret_cast<const char16_t*>(Title.utf16()), static_cast<size_t>(Title.length()));
    SendMessage(FHToolTip, TTM_SETTITLEW, static_cast<WPARAM>(TitleIcon(Icon)), reinterpret_cast<LPARAM>(TitleText.c_str()));
}
