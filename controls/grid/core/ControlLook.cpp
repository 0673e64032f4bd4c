// The control look of a grid.
#include "grid/core/ControlLook.h"

#include "grid/core/ExtGrid.h"

#include "dropdown/PopupAppearance.h"
#include "graphics/Bitmap.h"

TControlLook::TControlLook(TExtStringGrid* AGrid)
    : FGrid(AGrid), FCheckedGlyph(std::make_unique<TBitmap>()), FUnCheckedGlyph(std::make_unique<TBitmap>()),
      FRadioOnGlyph(std::make_unique<TBitmap>()), FRadioOffGlyph(std::make_unique<TBitmap>())
{
    Init();
    FDropDownHeader = std::make_unique<THeaderAppearance>(AGrid);
    FDropDownFooter = std::make_unique<TFooterAppearance>(AGrid);
}

TControlLook::~TControlLook() = default;

void TControlLook::Init()
{
    FColor = clBlack;
    FCommentColor = clRed;
    FProgressBorderColor = clGray;
    FFixedGradientFrom = clNone;
    FFixedGradientTo = clNone;
    FFixedGradientMirrorFrom = clNone;
    FFixedGradientMirrorTo = clNone;
    FFixedGradientHoverFrom = clGray;
    FFixedGradientHoverTo = clWhite;
    SetFixedGradientHoverMirrorFrom(clNone);
    SetFixedGradientHoverMirrorTo(clNone);
    FFixedGradientHoverBorder = clSilver;
    FFixedGradientDownFrom = clGray;
    FFixedGradientDownTo = clSilver;
    SetFixedGradientDownMirrorFrom(clNone);
    SetFixedGradientDownMirrorTo(clNone);
    FFixedGradientDownBorder = clGray;
}

void TControlLook::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TControlLook*>(Source);
    if (!Src) return;
    FCheckSize = Src->FCheckSize;
    FRadioSize = Src->FRadioSize;
    FControlStyle = Src->FControlStyle;
    FCheckedGlyph->Assign(Src->FCheckedGlyph.get());
    FUnCheckedGlyph->Assign(Src->FUnCheckedGlyph.get());
    FRadioOnGlyph->Assign(Src->FRadioOnGlyph.get());
    FRadioOffGlyph->Assign(Src->FRadioOffGlyph.get());
    FProgressMarginX = Src->FProgressMarginX;
    FProgressMarginY = Src->FProgressMarginY;
    FCommentColor = Src->FCommentColor;
    FColor = Src->FColor;
    FProgressBorderColor = Src->FProgressBorderColor;
    FCheckAlwaysActive = Src->FCheckAlwaysActive;
    FRadioAlwaysActive = Src->FRadioAlwaysActive;
    SetFixedGradientFrom(Src->FFixedGradientFrom);
    SetFixedGradientTo(Src->FFixedGradientTo);
    SetFixedGradientMirrorFrom(Src->FFixedGradientMirrorFrom);
    SetFixedGradientMirrorTo(Src->FFixedGradientMirrorTo);
    SetFixedGradientHoverFrom(Src->FFixedGradientHoverFrom);
    SetFixedGradientHoverTo(Src->FFixedGradientHoverTo);
    SetFixedGradientHoverMirrorFrom(Src->FFixedGradientHoverMirrorFrom);
    SetFixedGradientHoverMirrorTo(Src->FFixedGradientHoverMirrorTo);
    SetFixedGradientHoverBorder(Src->FFixedGradientHoverBorder);
    SetFixedGradientDownFrom(Src->FFixedGradientDownFrom);
    SetFixedGradientDownTo(Src->FFixedGradientDownTo);
    SetFixedGradientDownMirrorFrom(Src->FFixedGradientDownMirrorFrom);
    SetFixedGradientDownMirrorTo(Src->FFixedGradientDownMirrorTo);
    SetFixedGradientDownBorder(Src->FFixedGradientDownBorder);
    FDropDownAlwaysVisible = Src->FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = Src->FSpinButtonsAlwaysVisible;
    FDropDownCount = Src->FDropDownCount;
    FDropDownFooter->Assign(Src->FDropDownFooter.get());
    FDropDownHeader->Assign(Src->FDropDownHeader.get());
    FHintMaxWidth = Src->FHintMaxWidth;
}

void TControlLook::Repaint()
{
    if (FGrid) FGrid->Invalidate();
}

template <typename T>
void TControlLook::StoreAndRepaint(T& Field, T Value)
{
    Field = Value;
    Repaint();
}

void TControlLook::SetColor(TColor Value)
{
    StoreAndRepaint(FColor, Value);
}

void TControlLook::SetCommentColor(TColor Value)
{
    StoreAndRepaint(FCommentColor, Value);
}

void TControlLook::SetCheckedGlyph(TBitmap* Value)
{
    FCheckedGlyph->Assign(Value);
    Repaint();
}

void TControlLook::SetUnCheckedGlyph(TBitmap* Value)
{
    FUnCheckedGlyph->Assign(Value);
    Repaint();
}

void TControlLook::SetRadioOnGlyph(TBitmap* Value)
{
    FRadioOnGlyph->Assign(Value);
    Repaint();
}

void TControlLook::SetRadioOffGlyph(TBitmap* Value)
{
    FRadioOffGlyph->Assign(Value);
    Repaint();
}

void TControlLook::SetFixedGradientFrom(TColor Value)
{
    FFixedGradientFrom = Value;
    if (FGrid && Value != clNone) FGrid->SetVyxGradientFrom(Value);
}

void TControlLook::SetFixedGradientTo(TColor Value)
{
    FFixedGradientTo = Value;
    if (FGrid && Value != clNone) FGrid->SetVyxGradientTo(Value);
}

void TControlLook::SetFixedGradientMirrorFrom(TColor Value)
{
    FFixedGradientMirrorFrom = Value;
    if (FGrid) FGrid->SetVyxGradientMirrorFrom(Value);
}

void TControlLook::SetFixedGradientMirrorTo(TColor Value)
{
    FFixedGradientMirrorTo = Value;
    if (FGrid) FGrid->SetVyxGradientMirrorTo(Value);
}

void TControlLook::SetFixedGradientHoverFrom(TColor Value)
{
    FFixedGradientHoverFrom = Value;
    if (FGrid && Value != clNone) FGrid->SetVyxGradientHoverFrom(Value);
}

void TControlLook::SetFixedGradientHoverTo(TColor Value)
{
    FFixedGradientHoverTo = Value;
    if (FGrid && Value != clNone) FGrid->SetVyxGradientHoverTo(Value);
}

void TControlLook::SetFixedGradientHoverMirrorFrom(TColor Value)
{
    FFixedGradientHoverMirrorFrom = Value;
    if (FGrid) FGrid->SetVyxGradientHoverMirrorFrom(Value);
}

void TControlLook::SetFixedGradientHoverMirrorTo(TColor Value)
{
    FFixedGradientHoverMirrorTo = Value;
    if (FGrid) FGrid->SetVyxGradientHoverMirrorTo(Value);
}

void TControlLook::SetFixedGradientHoverBorder(TColor Value)
{
    FFixedGradientHoverBorder = Value;
    if (FGrid && Value != clNone) FGrid->SetVyxGradientHoverBorder(Value);
}

void TControlLook::SetFixedGradientDownFrom(TColor Value)
{
    FFixedGradientDownFrom = Value;
    if (FGrid && Value != clNone) FGrid->SetVyxGradientDownFrom(Value);
}

void TControlLook::SetFixedGradientDownTo(TColor Value)
{
    FFixedGradientDownTo = Value;
    if (FGrid && Value != clNone) FGrid->SetVyxGradientDownTo(Value);
}

void TControlLook::SetFixedGradientDownMirrorFrom(TColor Value)
{
    FFixedGradientDownMirrorFrom = Value;
    if (FGrid) FGrid->SetVyxGradientDownMirrorFrom(Value);
}

void TControlLook::SetFixedGradientDownMirrorTo(TColor Value)
{
    FFixedGradientDownMirrorTo = Value;
    if (FGrid) FGrid->SetVyxGradientDownMirrorTo(Value);
}

void TControlLook::SetFixedGradientDownBorder(TColor Value)
{
    FFixedGradientDownBorder = Value;
    if (FGrid && Value != clNone) FGrid->SetVyxGradientDownBorder(Value);
}

void TControlLook::SetCheckSize(int32_t Value)
{
    StoreAndRepaint(FCheckSize, Value);
}

void TControlLook::SetRadioSize(int32_t Value)
{
    StoreAndRepaint(FRadioSize, Value);
}

void TControlLook::SetControlStyle(TControlStyle Value)
{
    StoreAndRepaint(FControlStyle, Value);
}

void TControlLook::SetDropDownAlwaysVisible(bool Value)
{
    StoreAndRepaint(FDropDownAlwaysVisible, Value);
}

void TControlLook::SetDropDownHeader(THeaderAppearance* Value)
{
    FDropDownHeader->Assign(Value);
}

void TControlLook::SetDropDownFooter(TFooterAppearance* Value)
{
    FDropDownFooter->Assign(Value);
}

void TControlLook::SetSpinButtonsAlwaysVisible(bool Value)
{
    StoreAndRepaint(FSpinButtonsAlwaysVisible, Value);
}

void TControlLook::SetFlatButton(bool Value)
{
    StoreAndRepaint(FFlatButton, Value);
}

void TControlLook::SetNoDisabledCheckRadioLook(bool Value)
{
    StoreAndRepaint(FNoDisabledCheckRadioLook, Value);
}

void TControlLook::SetNoDisabledButtonLook(bool Value)
{
    StoreAndRepaint(FNoDisabledButtonLook, Value);
}

void TControlLook::SetProgressMarginX(int32_t Value)
{
    StoreAndRepaint(FProgressMarginX, Value);
}

void TControlLook::SetProgressMarginY(int32_t Value)
{
    StoreAndRepaint(FProgressMarginY, Value);
}

void TControlLook::SetProgressXP(bool Value)
{
    StoreAndRepaint(FProgressXP, Value);
}
