// TEsgCustomCombo: setters, focus and pointer tracking, the label, and its button and border painting.
#include "grid/base/ExtCombo.h"

#include "grid/base/ExtStyleIF.h"
#include "grid/base/ExtXPVS.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Region.h"
#include "rtl/Strings.h"
#include "windows/StdCtrls.h"
#include "windows/SystemMetrics.h"
#include "windows/WindowDC.h"

#include <algorithm>

TEsgCustomCombo::TEsgCustomCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2), FIsThemed(IsComCtl6()),
      FLabelFont(std::make_unique<TFont>())
{
    FLabelFont->OnChange = [this](TObject*) { LabelFontChanged(); };
}

TEsgCustomCombo::~TEsgCustomCombo() = default;

void TEsgCustomCombo::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomComboBox::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FLabel) FLabel = nullptr;
}

// ---- Setters ----

void TEsgCustomCombo::SetButtonWidth(int32_t Value)
{
    if (Value < 14 || Value > 32) return;
    FButtonWidth = Value;
    Invalidate();
}

void TEsgCustomCombo::SetFlat(bool Value)
{
    if (FFlat == Value) return;
    FFlat = Value;
    SetCtl3D(!Value);
    if (FFlatParentColor && Value) {
        if (Parent()) TCustomComboBox::SetColor(Parent()->Color());
    } else {
        TCustomComboBox::SetColor(FLoadedColor);
    }
    Invalidate();
}

void TEsgCustomCombo::SetEtched(bool Value)
{
    FEtched = Value;
    Invalidate();
}

void TEsgCustomCombo::SetFlatLineColor(TColor Value)
{
    FFlatLineColor = Value;
    Invalidate();
}

void TEsgCustomCombo::SetFlatParentColor(bool Value)
{
    FFlatParentColor = Value;
    Invalidate();
}

void TEsgCustomCombo::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value) return;
    FBorderColor = Value;
    if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TEsgCustomCombo::SetDropWidth(int32_t Value)
{
    FDropWidth = Value;
    if (Value > 0) Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(Value), 0);
}

void TEsgCustomCombo::SetColor(TColor Value)
{
    if (ComponentState().Contains(csLoading)) FLoadedColor = Value;
    TCustomComboBox::SetColor(Value);
}

void TEsgCustomCombo::SetEnabled(bool Value)
{
    const bool Changed = Value != Enabled();
    TCustomComboBox::SetEnabled(Value);
    if (!Changed || ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning)) return;
    if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Value);
    PlaceLabel();
}

void TEsgCustomCombo::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    TCustomComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!ComponentState().Contains(csDestroying)) PlaceLabel();
}

void TEsgCustomCombo::SelectItem(const QString& AString)
{
    const int32_t Index = Items()->IndexOf(AString);
    if (Index >= 0) SetItemIndex(Index);
}

// ---- Label ----

QString TEsgCustomCombo::LabelCaption() const
{
    return FLabel ? FLabel->Caption() : QString();
}

void TEsgCustomCombo::SetLabelCaption(const QString& Value)
{
    if (!FLabel) {
        FLabel = New<TLabel>(this);
        FLabel->SetParent(Parent());
        FLabel->SetFocusControl(this);
        FLabel->Font()->Assign(FLabelFont.get());
        FLabel->SetParentFont(ParentFont());
    }
    FLabel->SetCaption(Value);
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelPosition(TLabelPosition Value)
{
    FLabelPosition = Value;
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelMargin(int32_t Value)
{
    FLabelMargin = Value;
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelTransparent(bool Value)
{
    FLabelTransparent = Value;
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelAlwaysEnabled(bool Value)
{
    FLabelAlwaysEnabled = Value;
    if (FLabel) FLabel->SetEnabled(Value || Enabled());
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelFont(TFont* Value)
{
    if (!ParentFont()) FLabelFont->Assign(Value);
    PlaceLabel();
}

void TEsgCustomCombo::LabelFontChanged()
{
    if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) SetParentFont(false);
    PlaceLabel();
}

void TEsgCustomCombo::PlaceLabel()
{
    if (!FLabel) return;
    FLabel->SetTransparent(FLabelTransparent);
    if (!ParentFont()) FLabel->Font()->Assign(FLabelFont.get());
    TCanvas* Measure = GetDC(nullptr);
    Measure->SetFont(FLabel->Font());
    TRect Line{0, 0, 10000, 0};
    DrawText(Measure, FLabel->Caption(), -1, Line, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    ReleaseDC(nullptr, Measure);
    const TPoint At =
        LabelPlace(FLabelPosition, BoundsRect(), FLabel->Width(), FLabel->Height(), Line.Width(), FLabelMargin);
    FLabel->SetBounds(At.X, At.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}

// ---- Loading ----

void TEsgCustomCombo::Loaded()
{
    TCustomComboBox::Loaded();
    if (FDropWidth > 0) SetDropWidth(FDropWidth);
    FOldColor = FLoadedColor;
    if (!(FFlatParentColor && !FFlat)) TCustomComboBox::SetColor(FLoadedColor);
    if (FLabel) {
        if (!FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
        if (ParentFont()) FLabel->Font()->Assign(Font());
        PlaceLabel();
    }
    FNormalColor = Color();
}

// ---- Messages ----

void TEsgCustomCombo::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); break;
    case WM_NCPAINT:
        TCustomComboBox::Dispatch(Message);
        if (FFlat || (!Enabled() && Themed() && !FDisabledBorder) || (FHasFocus && FFocusBorderColor != clNone) ||
            FBorderColor != clNone)
            RepaintBorder();
        break;
    case CM_ENTER:
        FocusEnter();
        TCustomComboBox::Dispatch(Message);
        break;
    case CM_EXIT:
        FocusExit();
        TCustomComboBox::Dispatch(Message);
        break;
    case CM_MOUSEENTER:
        TCustomComboBox::Dispatch(Message);
        if (Message.LParam == 0) MouseEnter();
        break;
    case CM_MOUSELEAVE:
        TCustomComboBox::Dispatch(Message);
        if (Message.LParam == 0) MouseLeave();
        break;
    case WM_MOUSEMOVE:
        TCustomComboBox::Dispatch(Message);
        MouseMoved(TWMMouse(Message).XPos());
        break;
    case CM_ENABLEDCHANGED:
        TCustomComboBox::Dispatch(Message);
        if (FFlat && !ComponentState().Contains(csLoading)) FlatEnabledChanged();
        break;
    case CM_VISIBLECHANGED:
        TCustomComboBox::Dispatch(Message);
        if (FLabel) FLabel->SetVisible(Visible());
        break;
    case CM_FONTCHANGED:
        TCustomComboBox::Dispatch(Message);
        if ((ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading)) && FLabel && ParentFont())
            FLabel->Font()->Assign(Font());
        break;
    case CM_PARENTFONTCHANGED:
        TCustomComboBox::Dispatch(Message);
        if (FLabel && ParentFont()) {
            FLabel->Font()->Assign(Font());
            PlaceLabel();
        }
        break;
    default: TCustomComboBox::Dispatch(Message); break;
    }
}

void TEsgCustomCombo::FocusEnter()
{
    if (ComponentState().Contains(csDesigning)) return;
    FHasFocus = true;
    RepaintBorder();
    if (FFocusColor != clNone) {
        // A control made in code has no colour remembered from loading: the one it has now returns.
        if (FNormalColor == clNone) FNormalColor = Color();
        TCustomComboBox::SetColor(FFocusColor);
    }
    if (FFocusLabel && FLabel) FLabel->Font()->SetStyle(FLabel->Font()->Style() + TFontStyles{fsBold});
    if (FFocusBorderColor != clNone) Invalidate();
}

void TEsgCustomCombo::FocusExit()
{
    if (ComponentState().Contains(csDesigning)) return;
    FHasFocus = false;
    RepaintBorder();
    if (FFocusColor != clNone && FNormalColor != clNone) TCustomComboBox::SetColor(FNormalColor);
    if (FLabel) FLabel->Font()->SetStyle(FLabel->Font()->Style() - TFontStyles{fsBold});
    Invalidate();
}

void TEsgCustomCombo::MouseEnter()
{
    if (!FMouseInControl && Enabled()) {
        FMouseInControl = true;
        RepaintBorder();
    }
    if (FAutoFocus && !ComponentState().Contains(csDesigning)) {
        const TCustomForm* Form = GetParentForm(this);
        if ((!Form || GetActiveWindow() == const_cast<TCustomForm*>(Form)->Handle()) && CanFocus()) SetFocus();
    }
    if (FIsWinXP) Invalidate();
}

void TEsgCustomCombo::MouseLeave()
{
    if (FMouseInControl && Enabled()) {
        FMouseInControl = false;
        RepaintBorder();
    }
    FButtonHover = false;
    if (FIsWinXP) Invalidate();
}

void TEsgCustomCombo::MouseMoved(int32_t X)
{
    const bool Hover = X > Width() - FButtonWidth && X < Width();
    if (Hover == FButtonHover) return;
    FButtonHover = Hover;
    Invalidate();
}

void TEsgCustomCombo::FlatEnabledChanged()
{
    if (!Enabled()) {
        FOldParentColor = ParentColor();
        FOldColor = Color();
        if (Parent()) TCustomComboBox::SetColor(Parent()->Color());
    } else {
        TCustomComboBox::SetColor(FOldColor);
        SetParentColor(FOldParentColor);
    }
}

void TEsgCustomCombo::DropDown()
{
    TCustomComboBox::DropDown();
    RepaintButtonArea();
}

void TEsgCustomCombo::CloseUp()
{
    TCustomComboBox::CloseUp();
    RepaintButtonArea();
    if (OnDropUp) OnDropUp(this);
}

void TEsgCustomCombo::RepaintButtonArea()
{
    if (!HandleAllocated()) return;
    const TRect Area{ClientWidth() - FButtonWidth, 0, ClientWidth(), ClientHeight()};
    InvalidateRect(Handle(), &Area, false);
}

void TEsgCustomCombo::RepaintBorder()
{
    if (!HandleAllocated()) return;
    HDC DC = GetWindowDC(Handle());
    DrawBorder(DC);
    ReleaseDC(Handle(), DC);
}

// ---- Painting ----

bool TEsgCustomCombo::Themed() const
{
    return FIsThemed && ThemedPaintingActive(ThemeAPI);
}

bool TEsgCustomCombo::OwnPainting() const
{
    return FFlat || ButtonColor() != clNone || FBorderColor != clNone || (FHasFocus && FFocusBorderColor != clNone) ||
           (!Enabled() && Themed() && !FDisabledBorder);
}

void TEsgCustomCombo::WMPaint(TMessage& Message)
{
    if ((FIsVista && ButtonColor() == clNone) || !OwnPainting()) {
        TCustomComboBox::Dispatch(Message);
        return;
    }
    // The windowed control's paint handler hands the context (the paint cycle's or the message's) to PaintWindow.
    const TControlStateFlag Painting(FControlState, csCustomPaint);
    TCustomComboBox::Dispatch(Message);
}

void TEsgCustomCombo::PaintWindow(HDC DC)
{
    if ((FIsVista && ButtonColor() == clNone) || !OwnPainting()) {
        TCustomComboBox::PaintWindow(DC);
        return;
    }
    const int32_t Saved = SaveDC(DC);
    if (Style() != csSimple) {
        FillRect(DC, ClientRect(), Brush());
        DrawButton(DC);
    }
    TCustomComboBox::PaintWindow(DC);
    RestoreDC(DC, Saved);
    DrawBorder(DC);
}

void TEsgCustomCombo::DrawButton(HDC DC)
{
    TRect R{ClientWidth() - FButtonWidth + 2, 0, Width(), Height()};
    InflateRect(R, -1, -1);
    const bool Held = IsMouseButtonDown();
    if (ButtonColor() == clNone) {
        int32_t State = CBXS_HOT;
        if (!Enabled()) State = CBXS_DISABLED;
        else if (Held && DroppedDown()) State = CBXS_PRESSED;
        else if (Held || !FButtonHover || DroppedDown()) State = CBXS_NORMAL;
        if (!(Themed() && DrawThemedPart(ThemeAPI, Handle(), u"combobox", DC, CP_DROPDOWNBUTTON, State, R))) {
            TRect Arrow{R.Left - 4, R.Top + 1, R.Right, R.Bottom - 1};
            DrawFrameControl(DC, Arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT | (Enabled() ? 0 : DFCS_INACTIVE));
        }
    } else {
        const TRect Face{R.Left - 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
        TColor FaceColor = ButtonColor();
        if (FButtonHover) FaceColor = Held ? ButtonColorDown() : ButtonColorHot();
        FillIn(DC, Face, FaceColor);
        DC->Pen()->SetColor(ButtonBorderColor());
        DC->MoveTo(Face.Left, Face.Top);
        DC->LineTo(Face.Left, Face.Bottom);
        const TColor Ink = Held ? ButtonTextColorDown() : ButtonTextColor();
        DC->Pen()->SetColor(Ink);
        DC->Brush()->SetStyle(bsSolid);
        DC->Brush()->SetColor(Ink);
        DC->Polygon({{Face.Left + 4, Face.Top + 7}, {Face.Left + 10, Face.Top + 7}, {Face.Left + 7, Face.Top + 10}});
    }
    ExcludeClipRect(DC, ClientWidth() - FButtonWidth - 4, 0, ClientWidth() + 2, ClientHeight());
}

void TEsgCustomCombo::DrawBorder(HDC DC)
{
    if (!DC) return;
    if ((Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) || (FIsVista && FBorderColor == clNone))
        return;
    TRect R{0, 0, Width(), Height()};
    if (!Enabled() && Themed() && !FDisabledBorder) {
        FrameIn(DC, R, ThemedBorderColor);
        return;
    }
    if (FHasFocus && FFocusBorderColor != clNone) {
        FrameIn(DC, R, FFocusBorderColor);
        return;
    }
    if (FBorderColor != clNone) {
        FrameIn(DC, R, FBorderColor);
        return;
    }
    if (FFocusBorderColor != clNone) return;
    const bool Designing = ComponentState().Contains(csDesigning);
    const bool Active = Screen && Screen->ActiveControl() == this;
    const TColor ParentColorNow = Parent() ? Parent()->Brush()->Color() : clBtnFace;
    if (FFocusBorder && !Designing && (FMouseInControl || Active)) {
        DrawEdge(DC, R, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        FrameIn(DC, R, clBtnFace);
        InflateRect(R, -1, -1);
        FrameIn(DC, R, Color());
    } else {
        FrameIn(DC, R, ParentColorNow);
        InflateRect(R, -1, -1);
        TRect Edit = R;
        Edit.Right -= FButtonWidth;
        FrameIn(DC, Edit, ParentColorNow);
        InflateRect(Edit, -1, -1);
        FrameIn(DC, Edit, Color());
        InflateRect(R, -1, -1);
    }
    if (FFlat && FFlatLineColor != clNone) {
        DC->Pen()->SetColor(FFlatLineColor);
        DC->MoveTo(R.Left - 2, Height() - 1);
        DC->LineTo(R.Right - FButtonWidth - 1, Height() - 1);
    }
    if (Style() == csSimple || (FIsWinXP && Themed())) return;
    ExcludeClipRect(DC, 3, 3, ClientWidth() - FButtonWidth - 2, ClientHeight() - 3);
    TRect Button{ClientWidth() - FButtonWidth - 2, 0, ClientWidth(), ClientHeight()};
    InflateRect(Button, -2, -2);
    if ((!FMouseInControl && !Active) || (Designing && !Enabled())) {
        FillIn(DC, {Button.Left, Button.Top + 1, Button.Right - 1, Button.Bottom - 1}, clBtnFace);
        ExcludeClipRect(DC, Button.Left, Button.Top, Button.Right, Button.Bottom);
    }
}
