// Edit-with-button controls: the hot speed button, its holder, the edit with the button, and the unit edit.
#include "grid/base/EditBtn.h"

#include "grid/base/ExtXPVS.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "rtl/Strings.h"
#include "windows/Menus.h"
#include "windows/SystemMetrics.h"
#include "windows/WindowDC.h"

#include <algorithm>

// ---- TExtSpeedButton ----

TExtSpeedButton::TExtSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TExtSpeedButton::SetIsWinXP(bool Value)
{
    FIsWinXP = Value;
    Invalidate();
}

void TExtSpeedButton::SetFlat(bool Value)
{
    FFlat = Value;
    Invalidate();
}

void TExtSpeedButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        TSpeedButton::Dispatch(Message);
        FHot = true;
        Repaint();
        break;
    case CM_MOUSELEAVE:
        TSpeedButton::Dispatch(Message);
        FHot = false;
        Repaint();
        break;
    default: TSpeedButton::Dispatch(Message); break;
    }
}

void TExtSpeedButton::Paint()
{
    TCanvas* Target = Canvas();
    TRect R = ClientRect();
    const bool Pressed = IsButtonPressed(FState);
    const auto* Holder = dynamic_cast<const TEsgEditButton*>(Owner());
    if (Holder && Holder->ButtonColor() != clNone) {
        FFlat = true;
        TColor Fill = Holder->ButtonColor();
        if (FHot) Fill = Holder->ButtonColorHot();
        if (Pressed) Fill = Holder->ButtonColorDown();
        Target->Brush()->SetStyle(bsSolid);
        Target->Brush()->SetColor(Fill);
        Target->FillRect(R);
    } else if (!(FIsWinXP && DrawThemedPart(ThemeAPI, Parent() ? Parent()->Handle() : nullptr, u"button", Target->Handle(),
                                            BP_PUSHBUTTON, Pressed ? PBS_PRESSED : FHot ? PBS_HOT : PBS_NORMAL, R))) {
        if (FFlat) {
            TRect Edge = R;
            Target->Brush()->SetColor(clBtnFace);
            DrawEdge(Target->Handle(), Edge, Pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
            InflateRect(R, -1, -1);
        } else {
            TRect Frame = R;
            DrawFrameControl(Target->Handle(), Frame, DFC_BUTTON, DFCS_BUTTONPUSH | (Pressed ? DFCS_PUSHED : 0));
        }
    }
    const int32_t Shift = FState == bsDown ? 1 : 0;
    TBitmap* Image = Glyph();
    if (!Image->Empty()) {
        const int32_t CellWidth = Image->Width() / NumGlyphs();
        const int32_t X = CellWidth < Width() ? (Width() - CellWidth) / 2 : 0;
        const int32_t Y = Image->Height() < Height() ? (Height() - Image->Height()) / 2 : 0;
        TransparentBlt(Target->Handle(), X + Shift, Y + Shift, CellWidth, Image->Height(), Image->Canvas()->Handle(), 0, 0,
                       CellWidth, Image->Height(), ColorToRGB(Image->TransparentColor() & 0xFFFFFF));
    }
    if (!Caption().isEmpty()) {
        TRect Text = ClientRect();
        OffsetRect(Text, Shift, Shift);
        Target->SetFont(Font());
        Target->Font()->SetColor(clBlack);
        Target->Brush()->SetStyle(bsClear);
        DrawText(Target->Handle(), Caption(), -1, Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

// ---- TEsgEditButton ----

TEsgEditButton::TEsgEditButton(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    FButton = New<TExtSpeedButton>(this);
    FButton->SetParent(this);
    FButton->SetVisible(true);
    FButton->SetEnabled(true);
    FButton->SetCaption({});
    FButton->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int32_t, int32_t) { ButtonMouseUp(Button); };
    SetBounds(0, 0, 20, 25);
}

void TEsgEditButton::SetFocusControl(TWinControl* Value)
{
    if (FFocusControl == Value) return;
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TEsgEditButton::SetFlat(bool Value)
{
    FFlat = Value;
    FButton->SetFlat(Value);
}

TBitmap* TEsgEditButton::Glyph() const
{
    return FButton->Glyph();
}

void TEsgEditButton::SetGlyph(TBitmap* Value)
{
    FButton->SetGlyph(Value);
}

int32_t TEsgEditButton::NumGlyphs() const
{
    return FButton->NumGlyphs();
}

void TEsgEditButton::SetNumGlyphs(int32_t Value)
{
    FButton->SetNumGlyphs(Value);
}

QString TEsgEditButton::ButtonCaption() const
{
    return FButton->Caption();
}

void TEsgEditButton::SetButtonCaption(const QString& Value)
{
    FButton->SetCaption(Value);
}

void TEsgEditButton::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FitButton();
}

void TEsgEditButton::Loaded()
{
    TWinControl::Loaded();
    FitButton();
}

void TEsgEditButton::FitButton()
{
    if (!FButton || ComponentState().Contains(csLoading)) return;
    FButton->SetBounds(0, 0, Width(), Height());
}

void TEsgEditButton::Dispatch(TMessage& Message)
{
    TWinControl::Dispatch(Message);
    if (Message.Msg == WM_SIZE) FitButton();
}

void TEsgEditButton::ButtonMouseUp(TMouseButton Button)
{
    if (Button != mbLeft) return;
    if (OnClick) OnClick(this);
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && !Focused() && CanFocus())
        SetFocus();
}

void TEsgEditButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

// ---- TEsgEditBtn ----

TEsgEditBtn::TEsgEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    FControlStyle.Exclude(csSetCaption);
    FButton = New<TEsgEditButton>(this);
    FButton->SetBounds(0, 0, 18, 18);
    FButton->SetVisible(true);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](TObject*) { DoClickBtn(); };
    SetText(QStringLiteral("0"));
}

TEsgEditBtn::~TEsgEditBtn()
{
    // The holder is freed as a child and owned component: no clicks reach a half-destroyed edit.
    FButton->OnClick = nullptr;
}

void TEsgEditBtn::SetButtonWidth(int32_t Value)
{
    FButtonWidth = Value;
    FButton->SetWidth(Value);
}

void TEsgEditBtn::SetIsWinXP(bool Value)
{
    FIsWinXP = Value;
    FButton->Button()->SetIsWinXP(Value);
}

void TEsgEditBtn::SetRightAlign(bool Value)
{
    if (FRightAlign == Value) return;
    FRightAlign = Value;
    RecreateWnd();
}

void TEsgEditBtn::CreateParams(TCreateParams& Params)
{
    TCustomMaskEdit::CreateParams(Params);
    Params.Style |= ES_MULTILINE;
    Params.Style |= WS_CLIPCHILDREN;
    if (FRightAlign) Params.Style |= ES_RIGHT;
}

void TEsgEditBtn::CreateWnd()
{
    TCustomMaskEdit::CreateWnd();
    SetEditRect();
}

LRESULT TEsgEditBtn::DialogCode()
{
    // Multi-line only for its formatting rectangle: the dialog keys stay the form's.
    return TCustomMaskEdit::DialogCode() & ~DLGC_WANTALLKEYS;
}

void TEsgEditBtn::SetEditRect()
{
    if (!HandleAllocated()) return;
    const int32_t Inset = BorderStyle() == bsNone ? 3 : 1;
    int32_t Right = ClientWidth() - FButton->Width() - FUnitSize - 5;
    if (FUnitSize > 0) Right -= 3;
    const TRect Format{Inset, Inset, Right, ClientHeight() + 1};
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&Format));
}

int32_t TEsgEditBtn::MinHeight()
{
    const int32_t Own = FontLineHeight(Font());
    return Own + std::min(Own, FontLineHeight(SystemFont())) / 4;
}

void TEsgEditBtn::WMSize(TMessage& Message)
{
    TCustomMaskEdit::Dispatch(Message);
    const int32_t Least = MinHeight();
    if (Height() < Least) {
        SetHeight(Least);
        return;
    }
    PlaceEditButton(this, FButton, BorderStyle() == bsNone);
    SetEditRect();
}

void TEsgEditBtn::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZE: WMSize(Message); break;
    case WM_CHAR:
        // A single value: line breaks are not typed into it.
        if (FEditorEnabled && Message.WParam != '\r' && Message.WParam != '\n') TCustomMaskEdit::Dispatch(Message);
        break;
    case WM_CUT:
    case WM_PASTE:
        if (FEditorEnabled && !ReadOnly()) TCustomMaskEdit::Dispatch(Message);
        break;
    case CM_ENTER:
        // Multi-line edits select nothing by themselves on entry.
        if (AutoSelect() && !FControlState.Contains(csLButtonDown) && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
        TCustomMaskEdit::Dispatch(Message);
        break;
    default: TCustomMaskEdit::Dispatch(Message); break;
    }
}

void TEsgEditBtn::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Key == VK_F4 && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) DoClickBtn();
}

void TEsgEditBtn::DoClickBtn()
{
    if (OnClickBtn) OnClickBtn(this);
}

// ---- TEsgUnitEditBtn ----

TEsgUnitEditBtn::TEsgUnitEditBtn(TComponent* AOwner) : TEsgEditBtn(AOwner), FUnits(std::make_unique<TStringList>())
{
    FUnitSize = 20;
    SetRightAlign(true);
}

TEsgUnitEditBtn::~TEsgUnitEditBtn() = default;

void TEsgUnitEditBtn::SetUnitID(const QString& Value)
{
    FUnitID = Value;
    Invalidate();
}

TStrings* TEsgUnitEditBtn::Units() const
{
    return FUnits.get();
}

void TEsgUnitEditBtn::SetUnits(TStrings* Value)
{
    if (Value) FUnits->Assign(Value);
}

void TEsgUnitEditBtn::SetUnitSpace(int32_t Value)
{
    FUnitSize = Value;
    SetEditRect();
    Invalidate();
}

QString TEsgUnitEditBtn::TextAndUnit() const
{
    return Text() + FUnitID;
}

void TEsgUnitEditBtn::SetTextAndUnit(const QString& Value)
{
    for (int32_t Index = 0; Index < FUnits->Count(); ++Index) {
        const QString Unit = FUnits->Strings(Index);
        const qsizetype Found = Value.indexOf(Unit);
        if (Found < 0 || Found + Unit.size() != Value.size()) continue;
        SetText(Value.left(Found));
        SetUnitID(Unit);
        return;
    }
}

void TEsgUnitEditBtn::DoClickBtn()
{
    TEsgEditBtn::DoClickBtn();
    HMENU Menu = CreatePopupMenu();
    for (int32_t Index = 0; Index < FUnits->Count(); ++Index)
        AppendMenu(Menu, MF_STRING, static_cast<UINT_PTR>(Index + 1), FUnits->Strings(Index));
    TRect Window;
    GetWindowRect(Handle(), Window);
    TrackPopupMenu(Menu, TPM_LEFTBUTTON, Window.Left + ClientWidth() - 15, Window.Top + ClientHeight(), 0, Handle(), nullptr);
    DestroyMenu(Menu);
}

void TEsgUnitEditBtn::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_COMMAND && HIWORD(Message.WParam) != EN_CHANGE) {
        const int32_t Item = LOWORD(Message.WParam);
        if (Item >= 1 && Item <= FUnits->Count()) {
            const QString Previous = FUnitID;
            SetUnitID(FUnits->Strings(Item - 1));
            if (FUnitID != Previous && OnUnitChanged) OnUnitChanged(this, FUnitID);
        }
        return;
    }
    TEsgEditBtn::Dispatch(Message);
    if (Message.Msg == WM_PAINT) PaintUnit();
}

void TEsgUnitEditBtn::PaintUnit()
{
    if (!HandleAllocated()) return;
    HDC DC = GetDC(Handle());
    if (!DC) return;
    DC->SetFont(Font());
    DC->Brush()->SetStyle(bsSolid);
    DC->Brush()->SetColor(Color());
    const int32_t Right = ClientWidth() - Button()->Width() - 3;
    TRect Room{Right - FUnitSize, 2, Right, ClientHeight()};
    DrawText(DC, FUnitID, -1, Room, DT_LEFT | DT_EDITCONTROL);
    ReleaseDC(Handle(), DC);
}
