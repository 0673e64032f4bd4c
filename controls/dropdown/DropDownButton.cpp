// The drop button: the holder's sizing and release click, and the speed button's tone, glyph and classic faces.
#include "dropdown/DropDownButton.h"

#include "dropdown/DropDownUtil.h"
#include "dropdown/ExtDropDown.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"

// ---- The speed button ----

TExtDropDownSpeedButton::TExtDropDownSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner)
{
}

void TExtDropDownSpeedButton::SetButtonStyle(TButtonStyle Value)
{
    FButtonStyle = Value;
    Invalidate();
}

void TExtDropDownSpeedButton::SetEtched(bool Value)
{
    FEtched = Value;
    Invalidate();
}

void TExtDropDownSpeedButton::SetFocused(bool Value)
{
    FFocused = Value;
    Invalidate();
}

TDropDownEditButton* TExtDropDownSpeedButton::Holder() const
{
    return dynamic_cast<TDropDownEditButton*>(Parent());
}

TExtCustomDropDown* TExtDropDownSpeedButton::DropDown() const
{
    const TDropDownEditButton* Owner = Holder();
    return Owner ? dynamic_cast<TExtCustomDropDown*>(Owner->Parent()) : nullptr;
}

bool TExtDropDownSpeedButton::Pressed() const
{
    return (FState == bsDown || FState == bsExclusive) && !FUp;
}

void TExtDropDownSpeedButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TSpeedButton::Dispatch(Message);
        if (Message.LParam == 0) {
            FHot = Message.Msg == CM_MOUSEENTER;
            Invalidate();
        }
        break;
    default: TSpeedButton::Dispatch(Message); break;
    }
}

void TExtDropDownSpeedButton::Paint()
{
    if (FButtonStyle == bsDropDown) PaintDropDownStyle();
    else PaintButtonStyle();
}

void TExtDropDownSpeedButton::PaintDropDownStyle()
{
    TCanvas* C = Canvas();
    const TRect R = ClientRect();
    const TDropDownEditButton* Owner = Holder();
    TExtCustomDropDown* Edit = DropDown();
    if (Owner && Owner->FButtonColor != clNone) {
        // The tones: face, a line in the drop-down's border colour, the arrow.
        TColor Face = Owner->FButtonColor, Arrow = Owner->FButtonTextColor;
        if (Pressed()) {
            Face = Owner->FButtonColorDown;
            Arrow = Owner->FButtonTextColorDown;
        } else if (MouseInControl()) {
            Face = Owner->FButtonColorHot;
            Arrow = Owner->FButtonTextColorHot;
        }
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(Face);
        C->FillRect(R);
        if (Edit && Edit->BorderColor() != clNone) {
            C->Pen()->SetColor(Edit->BorderColor());
            C->MoveTo(0, 0);
            C->LineTo(0, R.Bottom);
        }
        C->Pen()->SetColor(Arrow);
        C->Brush()->SetColor(Arrow);
        C->Polygon({{5, 7}, {11, 7}, {8, 10}});
        return;
    }
    if (!Glyph()->Empty()) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(clBtnFace);
        C->Pen()->SetColor(RGB(128, 128, 128));
        C->Rectangle(R);
        TBitmap Shown;
        Shown.Assign(Glyph());
        Shown.SetTransparent(true);
        C->Draw(0, 0, &Shown);
        return;
    }
    if (Edit) {
        const bool Usable = Edit->Enabled() && !Edit->ReadOnly();
        if (Enabled() != Usable) SetEnabled(Usable);
    }
    // The classic face, then the combo-box look of its edges and the arrow.
    TSpeedButton::Paint();
    const int32_t W = R.Width(), H = R.Height();
    C->Pen()->SetStyle(psSolid);
    C->Pen()->SetWidth(1);
    C->Pen()->SetColor(clBtnFace);
    C->Polyline({{W - 2, 0}, {0, 0}, {0, H - 1}});
    C->Pen()->SetColor(clWhite);
    C->Polyline({{W - 3, 1}, {1, 1}, {1, H - 2}});
    C->Pen()->SetColor(clBlack);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(clBlack);
    C->Polygon({{5, 7}, {11, 7}, {8, 10}});
}

void TExtDropDownSpeedButton::PaintButtonStyle()
{
    TCanvas* C = Canvas();
    if (TExtCustomDropDown* Edit = DropDown()) C->Font()->Assign(Edit->Font());
    if (!Flat()) {
        TSpeedButton::Paint();
        return;
    }
    const TRect R = ClientRect();
    C->Brush()->SetStyle(bsSolid);
    C->FillRect(R);
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(R);
    TRect Edge = R;
    const bool Down = Pressed();
    DrawEdge(C->Handle(), Edge, Down ? EDGE_SUNKEN : (FEtched ? EDGE_ETCHED : EDGE_RAISED), BF_RECT | (Down ? BF_FLAT : 0));
    TRect Inner = R;
    InflateRect(Inner, -3, -3);
    if (!Glyph()->Empty()) DrawTransparentBitmap(C, Glyph(), clBtnFace, Inner);
    const QString Text = Caption();
    if (!Text.isEmpty()) {
        C->Brush()->SetStyle(bsClear);
        TRect TextRect = R;
        InflateRect(TextRect, -3, -1);
        uint32_t Format = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
        // Beside a glyph the caption starts after it, a pixel higher.
        if (!Glyph()->Empty()) {
            TextRect.Left += Glyph()->Width() + 2;
            OffsetRect(TextRect, 0, -1);
            Format = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
        }
        DrawText(C->Handle(), Text, -1, TextRect, Format);
    }
}

// ---- The holder ----

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle.Exclude(csAcceptsControls);
    FControlStyle.Exclude(csSetCaption);
    FControlStyle.Include(csOpaque);
    FButton = New<TExtDropDownSpeedButton>(this);
    FButton->SetParent(this);
    FButton->OnClick = nullptr;
    FButton->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
        ButtonMouseUp(Sender, Button, Shift, X, Y);
    };
    FButton->SetVisible(true);
    FButton->SetEnabled(Enabled());
    FButton->SetCaption(QString());
    FButton->SetButtonStyle(bsDropDown);
    FButton->SetGlyph(nullptr);
    SetBounds(Left(), Top(), 16, 25);
}

TDropDownEditButton::~TDropDownEditButton() = default;

TBitmap* TDropDownEditButton::Glyph() const
{
    return FButton->Glyph();
}

void TDropDownEditButton::SetGlyph(TBitmap* Value)
{
    FButton->SetGlyph(Value);
}

QString TDropDownEditButton::ButtonCaption() const
{
    return FButton->Caption();
}

void TDropDownEditButton::SetButtonCaption(const QString& Value)
{
    FButton->SetCaption(Value);
}

int32_t TDropDownEditButton::NumGlyphs() const
{
    return FButton->NumGlyphs();
}

void TDropDownEditButton::SetNumGlyphs(int32_t Value)
{
    FButton->SetNumGlyphs(Value);
}

void TDropDownEditButton::SetButtonWidth(int32_t Value)
{
    FBWidth = Value;
    AdjustWinSize();
}

void TDropDownEditButton::ButtonMouseUp(TObject* Sender, TMouseButton Button, TShiftState, int32_t, int32_t)
{
    if (Button == mbLeft && Sender == FButton && OnClick) OnClick(this);
}

void TDropDownEditButton::AdjustWinSize()
{
    if (ComponentState().Contains(csLoading) && !ComponentState().Contains(csDesigning)) return;
    if (Width() != FBWidth) TWinControl::SetBounds(Left(), Top(), FBWidth, Height());
    FButton->SetBounds(0, 0, FBWidth, Height());
}

void TDropDownEditButton::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    AdjustWinSize();
}

void TDropDownEditButton::Loaded()
{
    TWinControl::Loaded();
    AdjustWinSize();
}

void TDropDownEditButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZE:
        TWinControl::Dispatch(Message);
        AdjustWinSize();
        Message.Result = 0;
        break;
    case CM_ENABLEDCHANGED:
        TWinControl::Dispatch(Message);
        if (!ComponentState().Contains(csDesigning)) FButton->SetEnabled(Enabled());
        break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TDropDownEditButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}
