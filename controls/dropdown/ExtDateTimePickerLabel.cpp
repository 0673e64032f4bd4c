// TExtDateTimePicker: the attached label, its place, font and state, and the picker's moves it follows.
#include "dropdown/ExtDateTimePicker.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "windows/StdCtrls.h"

QString TExtDateTimePicker::LabelCaption() const
{
    return FLabel ? FLabel->Caption() : QString();
}

void TExtDateTimePicker::SetLabelCaption(const QString& Value)
{
    if (!FLabel) CreateLabel();
    FLabel->SetCaption(Value);
    UpdateLabel();
}

void TExtDateTimePicker::SetLabelFont(TFont* Value)
{
    if (!ParentFont()) FLabelFont->Assign(Value);
    if (FLabel) UpdateLabel();
}

void TExtDateTimePicker::SetLabelPosition(TLabelPosition Value)
{
    if (Value > lpRighBottom) return;
    FLabelPosition = Value;
    if (FLabel) UpdateLabel();
}

void TExtDateTimePicker::SetLabelMargin(int32_t Value)
{
    FLabelMargin = Value;
    if (FLabel) UpdateLabel();
}

void TExtDateTimePicker::SetLabelTransparent(bool Value)
{
    FLabelTransparent = Value;
    if (FLabel) UpdateLabel();
}

void TExtDateTimePicker::SetLabelAlwaysEnabled(bool Value)
{
    FLabelAlwaysEnabled = Value;
    if (Value && FLabel) FLabel->SetEnabled(true);
    Invalidate();
}

void TExtDateTimePicker::CreateLabel()
{
    FLabel = New<TLabel>(this);
    FLabel->SetParent(Parent());
    FLabel->SetFocusControl(this);
    FLabel->Font()->Assign(FLabelFont.get());
    FLabel->OnClick = [this](TObject*) {
        if (OnLabelClick) OnLabelClick(this);
    };
    FLabel->OnDblClick = [this](TObject*) {
        if (OnLabelDblClick) OnLabelDblClick(this);
    };
    FLabel->SetParentFont(ParentFont());
}

void TExtDateTimePicker::UpdateLabel()
{
    if (!FLabel) return;
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->Font()->Assign(FParentFnt ? Font() : FLabelFont.get());
    TBitmap Measure;
    Measure.SetSize(1, 1);
    Measure.Canvas()->Font()->Assign(FLabel->Font());
    TRect Caption{0, 0, 1000, 200};
    DrawText(Measure.Canvas(), FLabel->Caption(), -1, Caption, DT_CALCRECT | DT_SINGLELINE);
    const TPoint At =
        LabelPlace(FLabelPosition, BoundsRect(), FLabel->Width(), FLabel->Height(), Caption.Width(), FLabelMargin);
    FLabel->SetBounds(At.X, At.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}

void TExtDateTimePicker::FocusChanged(bool Focused)
{
    if (!FFocusLabel || !FLabel) return;
    TFontStyles Style = FLabel->Font()->Style();
    if (Focused)
        Style.Include(fsBold);
    else
        Style.Exclude(fsBold);
    FLabel->Font()->SetStyle(Style);
}

void TExtDateTimePicker::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLabel && FLabel->Parent()) UpdateLabel();
}

void TExtDateTimePicker::SetParent(TWinControl* AParent)
{
    TCustomDateTimePicker::SetParent(AParent);
    if (FLabel) FLabel->SetParent(AParent);
}
