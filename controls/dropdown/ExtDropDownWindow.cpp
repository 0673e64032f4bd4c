// TExtCustomDropDown's window side: messages, focus, layout and formatting rectangle, borders, the value bar and the label.
#include "dropdown/ExtDropDown.h"

#include "dropdown/DropDownButton.h"
#include "dropdown/DropDownForm.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "windows/Forms.h"
#include "windows/StdCtrls.h"
#include "windows/WindowDC.h"

#include <algorithm>

void TExtCustomDropDown::CreateParams(TCreateParams& Params)
{
    TCustomMaskEdit::CreateParams(Params);
    // A multi-line edit takes a formatting rectangle.
    Params.Style |= uint32_t{ES_MULTILINE} | uint32_t{WS_CLIPCHILDREN};
}

void TExtCustomDropDown::CreateWnd()
{
    TCustomMaskEdit::CreateWnd();
    SetEditRect();
}

void TExtCustomDropDown::WndProc(TMessage& Message)
{
    TCustomMaskEdit::WndProc(Message);
    if (Message.Msg == EM_SETREADONLY && FButton) FButton->SpeedButton()->Invalidate();
}

void TExtCustomDropDown::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_KEYDOWN: WMKeyDown(TWMKeyDown(Message)); break;
    case WM_CHAR: WMChar(TWMChar(Message)); break;
    case WM_CUT: WMCut(Message); break;
    case WM_COPY: WMCopy(Message); break;
    case WM_PASTE: WMPaste(Message); break;
    case CM_WANTSPECIALKEY: CMWantSpecialKey(TCMWantSpecialKey(Message)); break;
    case CN_COMMAND: CNCommand(TWMCommand(Message)); break;
    case CM_TEXTCHANGED: CMTextChanged(Message); break;
    case WM_SETFOCUS: WMSetFocus(Message); break;
    case WM_KILLFOCUS: WMKillFocus(Message); break;
    case WM_LBUTTONDOWN: WMLButtonDown(TWMMouse(Message)); break;
    case WM_LBUTTONUP: WMLButtonUp(TWMMouse(Message)); break;
    case WM_PAINT: WMPaint(Message); break;
    case WM_NCPAINT: WMNCPaint(Message); break;
    case CM_ENTER: CMEnter(Message); break;
    case CM_EXIT: CMExit(Message); break;
    case CM_MOUSEENTER: CMMouseEnter(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    case WM_SIZE:
        TCustomMaskEdit::Dispatch(Message);
        AdjustLayout();
        break;
    case CM_ENABLEDCHANGED:
        TCustomMaskEdit::Dispatch(Message);
        if (FButton) FButton->SetEnabled(Enabled());
        break;
    case CM_PARENTFONTCHANGED:
        TCustomMaskEdit::Dispatch(Message);
        if (FLabel && ParentFont()) {
            FLabel->Font()->Assign(Font());
            UpdateLabel();
        }
        break;
    case CM_VISIBLECHANGED:
        TCustomMaskEdit::Dispatch(Message);
        if (FLabel && !FLabel->Caption().isEmpty()) FLabel->SetVisible(Visible());
        break;
    case CM_FONTCHANGED:
        TCustomMaskEdit::Dispatch(Message);
        if (HandleAllocated()) SetEditRect();
        break;
    case CM_MOUSEWHEEL:
        TCustomMaskEdit::Dispatch(Message);
        if (TCMMouseWheel(Message).WheelDelta() < 0) SelectNextValue();
        else SelectPreviousValue();
        break;
    default: TCustomMaskEdit::Dispatch(Message); break;
    }
}

void TExtCustomDropDown::DoEnter()
{
    TCustomMaskEdit::DoEnter();
    SetEditRect();
}

void TExtCustomDropDown::Change()
{
    TCustomMaskEdit::Change();
}

void TExtCustomDropDown::CMTextChanged(TMessage& Message)
{
    // A multi-line edit window (or an edit without a window yet) tells of text set by program here,
    // not by EN_CHANGE: a rewrite the drop-down asked to swallow is swallowed here then, so that no
    // later change of the user's is.
    if (FBlockChange) {
        FBlockChange = false;
        TWinControl::Dispatch(Message);
        return;
    }
    TCustomMaskEdit::Dispatch(Message);
}

// ---- Focus ----

void TExtCustomDropDown::WMSetFocus(TMessage& Message)
{
    if (ComponentState().Contains(csLoading)) return;
    TCustomMaskEdit::Dispatch(Message);
    if (FEditorEnabled) {
        FOldString = Text();
        if (AutoSelect()) SelectAll();
        else if (FEditType == etFloat || FEditType == etMoney) SelectBeforeDecimal();
    } else {
        HideCaret(Handle());
        Invalidate();
    }
}

void TExtCustomDropDown::WMKillFocus(TMessage& Message)
{
    if (ComponentState().Contains(csLoading)) return;
    const bool Decimal = FEditType == etFloat || FEditType == etMoney;
    if (FPrecision > 0 && Decimal && (!Text().isEmpty() || !FAllowNumericNullValue)) {
        const bool WasModified = FIsModified;
        const bool EditWasModified = Modified();
        SetFloatValue(FloatValue());
        FIsModified = WasModified;
        SetModified(EditWasModified);
    }
    if (FEditType == etNumeric && Text().isEmpty() && !FAllowNumericNullValue) SetText(QStringLiteral("0"));
    if (Decimal && Text().isEmpty() && !FAllowNumericNullValue) SetFloatValue(0);
    TCustomMaskEdit::Dispatch(Message);
    if (!FEditorEnabled) Invalidate();
}

// ---- Layout ----

int32_t TExtCustomDropDown::GetMinHeight() const
{
    TBitmap Measure;
    Measure.SetSize(1, 1);
    TCanvas* C = Measure.Canvas();
    C->Font()->Assign(Font());
    const int32_t Own = C->TextHeight(QStringLiteral("Wg"));
    // The system font: the platform's default font.
    TFont SystemFont;
    C->Font()->Assign(&SystemFont);
    const int32_t System = C->TextHeight(QStringLiteral("Wg"));
    return Own + std::min(Own, System) / 4;
}

void TExtCustomDropDown::AdjustLayout()
{
    if (Height() < GetMinHeight()) {
        SetHeight(GetMinHeight());
        return;
    }
    if (FButton) {
        if (Ctl3D() && BorderStyle() == bsSingle) {
            const int32_t K = FFlat ? 3 : 4;
            FButton->SetBounds(Width() - FButtonWidth - K, FFlat ? 2 : 0, FButtonWidth, Height() - K);
        } else {
            const int32_t X = Width() - FButtonWidth - (Ctl3D() ? 0 : 2);
            FButton->SetBounds(X, 1, FButtonWidth, Height() - 2);
        }
    }
    SetEditRect();
    Invalidate();
}

void TExtCustomDropDown::SetEditRect()
{
    const TRect Client = ClientRect();
    TRect Rect;
    if (BorderStyle() == bsSingle) Rect = {1, 1, 0, 0};
    else Rect = {2, 3, 0, 0};
    Rect.Right = Client.Right - FButtonWidth - 3;
    Rect.Bottom = Client.Bottom + 1;
    FEditRect = Rect;
    if (!Ctl3D()) Rect.Left += 1;
    if (HandleAllocated()) Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&Rect));
}

void TExtCustomDropDown::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLabel && FLabel->Parent()) UpdateLabel();
}

// ---- Borders and the value bar ----

bool TExtCustomDropDown::IsActive() const
{
    if (ComponentState().Contains(csDesigning)) return Enabled();
    return FMouseInControl || Focused();
}

void TExtCustomDropDown::PaintBorder()
{
    if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
    DrawBorder();
    if (FButton) FButton->SpeedButton()->SetFocused(IsActive());
}

void TExtCustomDropDown::DrawBorder()
{
    if (ComponentState().Contains(csDesigning) || !HandleAllocated()) return;
    HDC DC = GetWindowDC(Handle());
    if (!DC) return;
    TRect Ring = Rect(0, 0, Width(), Height());
    TBrush Frame;
    const auto FrameIn = [&](TColor Color) {
        Frame.SetColor(Color);
        FrameRect(DC, Ring, &Frame);
    };
    if (!Enabled() && FIsThemed && FDisabledBorder) {
        FrameIn(RGB(192, 192, 192));
    } else if (FBorderColor != clNone && (!Focused() || FFocusBorderColor == clNone)) {
        FrameIn(FBorderColor);
    } else if (FFocusBorderColor != clNone) {
        if (Focused()) FrameIn(FFocusBorderColor);
    } else if (FFlat) {
        const TColor ParentColor = Parent() ? Parent()->Color() : clBtnFace;
        if (IsActive()) {
            TRect Edge = Ring;
            DrawEdge(DC, Edge, BDR_SUNKENOUTER, BF_RECT);
            InflateRect(Ring, -1, -1);
            FrameIn(clBtnFace);
        } else {
            FrameIn(ParentColor);
            InflateRect(Ring, -1, -1);
            FrameIn(ParentColor);
        }
    }
    ReleaseDC(Handle(), DC);
}

void TExtCustomDropDown::WMPaint(TMessage& Message)
{
    TCustomMaskEdit::Dispatch(Message);
    DrawEditValue();
    if (FBorderColor != clNone || FFocusBorderColor != clNone || (!Enabled() && FDisabledBorder)) PaintBorder();
}

void TExtCustomDropDown::WMNCPaint(TMessage& Message)
{
    TCustomMaskEdit::Dispatch(Message);
    // Here every paint repaints the frame too, so the flat look is drawn again with it.
    if (FBorderColor != clNone || FFocusBorderColor != clNone || FFlat) PaintBorder();
}

void TExtCustomDropDown::CMEnter(TMessage& Message)
{
    if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
    TCustomMaskEdit::Dispatch(Message);
    PaintBorder();
}

void TExtCustomDropDown::CMExit(TMessage& Message)
{
    TCustomMaskEdit::Dispatch(Message);
    PaintBorder();
}

void TExtCustomDropDown::CMMouseEnter(TMessage& Message)
{
    TCustomMaskEdit::Dispatch(Message);
    if (Message.LParam != 0 || !Enabled() || FMouseInControl) return;
    FMouseInControl = true;
    PaintBorder();
}

void TExtCustomDropDown::CMMouseLeave(TMessage& Message)
{
    TCustomMaskEdit::Dispatch(Message);
    if (Message.LParam != 0 || !Enabled() || !FMouseInControl) return;
    FMouseInControl = false;
    PaintBorder();
}

void TExtCustomDropDown::DrawEditValue()
{
    if (FEditorEnabled || !Focused() || ComponentState().Contains(csDesigning) || !FFocusDraw || !HandleAllocated()) return;
    HDC DC = GetWindowDC(Handle());
    if (!DC) return;
    const TRect Bar = Rect(2, 2, Width() - FButtonWidth - 1, Height() - 2);
    DC->Brush()->SetStyle(bsSolid);
    DC->Brush()->SetColor(clHighlight);
    DC->Pen()->SetStyle(psSolid);
    DC->Pen()->SetWidth(1);
    DC->Pen()->SetColor(clBlack);
    DC->Rectangle(Bar);
    DC->Font()->Assign(Font());
    DC->Font()->SetColor(clHighlightText);
    DC->Brush()->SetStyle(bsClear);
    TRect TextRect = Rect(Bar.Left + 2, Bar.Top, Bar.Right - 3, Bar.Bottom);
    DrawText(DC, Text(), -1, TextRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    ReleaseDC(Handle(), DC);
}

// ---- The label ----

void TExtCustomDropDown::DoLabelClick()
{
    if (OnLabelClick) OnLabelClick(this);
}

void TExtCustomDropDown::DoLabelDblClick()
{
    if (OnLabelDblClick) OnLabelDblClick(this);
}

void TExtCustomDropDown::CreateLabel()
{
    FLabel = New<TLabel>(this);
    FLabel->SetParent(Parent());
    FLabel->SetFocusControl(this);
    FLabel->Font()->Assign(FLabelFont.get());
    FLabel->OnClick = [this](TObject*) { DoLabelClick(); };
    FLabel->OnDblClick = [this](TObject*) { DoLabelDblClick(); };
    FLabel->SetParentFont(ParentFont());
}

QString TExtCustomDropDown::LabelCaption() const
{
    return FLabel ? FLabel->Caption() : QString();
}

void TExtCustomDropDown::SetLabelCaption(const QString& Value)
{
    if (!FLabel) CreateLabel();
    FLabel->SetCaption(Value);
    UpdateLabel();
}

void TExtCustomDropDown::SetLabelPosition(TLabelPosition Value)
{
    FLabelPosition = Value;
    if (FLabel) UpdateLabel();
}

void TExtCustomDropDown::SetLabelMargin(int32_t Value)
{
    FLabelMargin = Value;
    if (FLabel) UpdateLabel();
}

void TExtCustomDropDown::SetLabelTransparent(bool Value)
{
    FLabelTransparent = Value;
    if (FLabel) UpdateLabel();
}

void TExtCustomDropDown::SetLabelFont(TFont* Value)
{
    if (!ParentFont()) FLabelFont->Assign(Value);
    if (FLabel) UpdateLabel();
}

void TExtCustomDropDown::UpdateLabel()
{
    if (!FLabel) return;
    if (FLabel->Parent() != Parent()) FLabel->SetParent(Parent());
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->Font()->Assign(FParentFnt ? Font() : FLabelFont.get());
    TBitmap Measure;
    Measure.SetSize(1, 1);
    Measure.Canvas()->Font()->Assign(FLabel->Font());
    TRect Box = Rect(0, 0, 1000, 255);
    DrawText(Measure.Canvas(), FLabel->Caption(), -1, Box, DT_CALCRECT | DT_SINGLELINE | DT_LEFT | DT_HIDEPREFIX);
    const TPoint At =
        LabelPlace(FLabelPosition, BoundsRect(), FLabel->Width(), FLabel->Height(), Box.Width(), FLabelMargin);
    FLabel->SetBounds(At.X, At.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}
