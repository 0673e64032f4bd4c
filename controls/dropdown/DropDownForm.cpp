// TDropDownForm: window parameters, header and footer building, background painting and the activation rules.
#include "dropdown/DropDownForm.h"

#include "dropdown/DropDownUtil.h"
#include "dropdown/ExtDropDown.h"
#include "dropdown/ExtFooter.h"
#include "dropdown/ExtHeader.h"
#include "dropdown/PopupAppearance.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"

TDropDownForm::TDropDownForm(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsNone);
    SetVisible(false);
    SetDoubleBuffered(true);
}

TDropDownForm::~TDropDownForm() = default;

void TDropDownForm::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TDropDownForm::CreateParams(TCreateParams& Params)
{
    TForm::CreateParams(Params);
    Params.ExStyle |= WS_EX_TOPMOST;
    // Owned by the window of the drop-down's form, which the pop-up then stays above.
    if (FExtDropDown)
        if (TCustomForm* Form = GetParentForm(FExtDropDown); Form && Form != this && Form->HandleAllocated())
            Params.WndParent = Form->Handle();
}

void TDropDownForm::AdjustClientRect(TRect& Rect)
{
    TForm::AdjustClientRect(Rect);
    if (!FExtDropDown) return;
    const int32_t Border = FExtDropDown->DropDownBorderWidth();
    InflateRect(Rect, -Border, -Border);
}

// While the pop-up is hidden its content keeps its size, from which the next opening sizes the
// pop-up; showing aligns it.
void TDropDownForm::AlignControls(TControl* AControl, TRect& Rect)
{
    if (Visible()) TForm::AlignControls(AControl, Rect);
}

void TDropDownForm::DoShow()
{
    TForm::DoShow();
    Realign();
}

void TDropDownForm::InitializeAndUpdate()
{
    TExtCustomDropDown* DropDown = FExtDropDown;
    if (!DropDown) return;
    THeaderAppearance* HeaderLook = DropDown->DropDownHeader();
    if (!FHeader && HeaderLook->Visible()) {
        FHeader = New<TExtHeader>(this);
        FHeader->SetParent(this);
        FHeader->SetHeight(HeaderLook->Height());
        FHeader->SetExtDropDown(DropDown);
        FHeader->UpdateButtons();
        FHeader->SetAlign(alTop);
    } else if (FHeader) {
        FHeader->SetExtDropDown(DropDown);
        FHeader->UpdateButtons();
        FHeader->SetVisible(HeaderLook->Visible());
    }
    if (FHeader) {
        FHeader->OnDrawBackGround = DropDown->OnDrawHeader;
        FHeader->OnGetText = DropDown->OnGetHeaderText;
    }
    TFooterAppearance* FooterLook = DropDown->DropDownFooter();
    if (!FFooter && FooterLook->Visible()) {
        FFooter = New<TExtFooter>(this);
        FFooter->SetParent(this);
        FFooter->SetHeight(FooterLook->Height());
        FFooter->SetExtDropDown(DropDown);
        FFooter->UpdateButtons();
        FFooter->SetAlign(alBottom);
    } else if (FFooter) {
        FFooter->SetExtDropDown(DropDown);
        FFooter->UpdateButtons();
        FFooter->SetVisible(FooterLook->Visible());
    }
    if (FFooter) {
        FFooter->OnDrawBackGround = DropDown->OnDrawFooter;
        FFooter->OnGetText = DropDown->OnGetFooterText;
    }
}

void TDropDownForm::Paint()
{
    DrawBackground();
    TForm::Paint();
}

void TDropDownForm::DrawBackground()
{
    if (!FExtDropDown) return;
    TCanvas* C = Canvas();
    const int32_t Border = FExtDropDown->DropDownBorderWidth();
    TRect R = ClientRect();
    TRect Inner = R;
    InflateRect(Inner, -Border, -Border);
    const TColor Color = FExtDropDown->DropDownColor();
    const TColor ColorTo = FExtDropDown->DropDownColorTo();
    if (Color != clNone && ColorTo != clNone) {
        DrawStepGradient(C, Color, ColorTo, 80, Inner, FExtDropDown->DropDownGradient() == gdHorizontal);
    } else if (Color != clNone) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(Color);
        C->FillRect(Inner);
    }
    if (Border > 0 && FExtDropDown->DropDownBorderColor() != clNone) {
        C->Pen()->SetStyle(psSolid);
        C->Pen()->SetWidth(Border);
        C->Pen()->SetColor(FExtDropDown->DropDownBorderColor());
        C->Brush()->SetStyle(bsClear);
        R.Left += Border / 2;
        R.Top += Border / 2;
        C->Rectangle(R);
        C->Pen()->SetWidth(1);
    }
}

void TDropDownForm::WMActivate(TMessage& Message)
{
    TForm::Dispatch(Message);
    if (FBlockActivate) return;
    if (LOWORD(Message.WParam) != WA_INACTIVE) {
        // The owning window keeps its active caption.
        if (FExtDropDown && FExtDropDown->HandleAllocated()) {
            HWND Top = FExtDropDown->Handle();
            for (HWND Up = GetParent(Top); Up; Up = GetParent(Up)) Top = Up;
            SendMessage(Top, WM_NCACTIVATE, 1, 0);
        }
        return;
    }
    if (!Visible()) return;
    FDeActivate = GetTickCount();
    // A window of the pop-up's own (a nested pop-up) leaves it open.
    const auto Activated = reinterpret_cast<HWND>(Message.LParam);
    const auto Above = [](HWND Wnd) {
        const HWND Parent = GetParent(Wnd);
        return Parent ? Parent : GetWindow(Wnd, GW_OWNER);
    };
    for (HWND Up = Activated ? Above(Activated) : nullptr; Up; Up = Above(Up))
        if (HandleAllocated() && Up == Handle()) return;
    if (FExtDropDown) FExtDropDown->DoHideDropDown(FCancelOnDeActivate);
    else Hide();
}

void TDropDownForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ACTIVATE: WMActivate(Message); break;
    case WM_SIZE:
        TForm::Dispatch(Message);
        Invalidate();
        break;
    case WM_SIZING:
        TForm::Dispatch(Message);
        if (OnSizing) OnSizing(this);
        break;
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; break;
    case WM_NCHITTEST: {
        Message.Result = HTNOWHERE;
        if (!FSizeable) break;
        const TPoint P = ScreenToClient(TWMNCHitTest(Message).Pos());
        if (P.X > Width() - 10 && P.Y > Height() - 10) Message.Result = HTBOTTOMRIGHT;
        break;
    }
    case CM_MOUSEWHEEL:
        TForm::Dispatch(Message);
        if (Message.Result == 0 && FExtDropDown) {
            if (TCMMouseWheel(Message).WheelDelta() < 0) FExtDropDown->DropDownWheelDown();
            else FExtDropDown->DropDownWheelUp();
            Message.Result = 1;
        }
        break;
    default: TForm::Dispatch(Message); break;
    }
}
