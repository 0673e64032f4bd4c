// The page control and its tab sheets, painted in the classic look.
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

#include <algorithm>

using namespace WindowsInternal;

namespace {

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

}  // namespace

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
