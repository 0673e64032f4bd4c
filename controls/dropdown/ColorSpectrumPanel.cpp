// TExtColorSpectrumPanel: the picture with the eyedropper cursor, layout, swatches and the picture's mouse events.
#include "dropdown/ColorSpectrumPanel.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Picture.h"
#include "windows/ExtCtrls.h"
#include "windows/Forms.h"

TExtColorSpectrumPanel::TExtColorSpectrumPanel(TComponent* AOwner) : TExtCustomColorSelectorPanel(AOwner)
{
    FSpectrumImage = New<TImage>(this);
    FSpectrumImage->SetParent(this);
    FSpectrumImage->SetWidth(128);
    FSpectrumImage->SetHeight(128);
    FSpectrumImage->Picture()->Bitmap()->LoadFromResourceName(0, QStringLiteral("VYX_SPECTRUM"));
    FSpectrumImage->OnMouseMove = [this](TObject*, TShiftState Shift, int32_t X, int32_t Y) { ImageMouseMove(Shift, X, Y); };
    FSpectrumImage->OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
        ImageMouseDown(Button, Shift, X, Y);
    };
    FSpectrumImage->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
        ImageMouseUp(Button, Shift, X, Y);
    };
    Screen->SetCursors(crEyedropper, LoadCursor(0, QStringLiteral("VYX_POINTER")));
    FSpectrumImage->SetCursor(crEyedropper);
}

void TExtColorSpectrumPanel::ArrangeSpectrum()
{
    SetWidth(150);
    SetHeight(174);
    FSpectrumImage->SetLeft((Width() - FSpectrumImage->Width()) / 2);
    FSpectrumImage->SetTop(10);
    const int32_t L = FSpectrumImage->Left();
    const int32_t B = FSpectrumImage->Top() + FSpectrumImage->Height();
    const int32_t PW = FSpectrumImage->Width();
    FSelectedRect = Rect(L - 1, B + 8, L + PW / 2 - 2, B + 28);
    FHotRect = Rect(FSelectedRect.Right + 4, FSelectedRect.Top, L + PW + 1, FSelectedRect.Bottom);
    FHotColor = clNone;
    Invalidate();
}

void TExtColorSpectrumPanel::DrawSwatch(const TRect& R, TColor Color)
{
    TCanvas* C = Canvas();
    C->Pen()->SetWidth(1);
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetColor(clGray);
    C->Rectangle(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
    C->Pen()->SetColor(clWhite);
    if (Color != clNone) C->Brush()->SetColor(Color);
    C->Rectangle(R);
}

void TExtColorSpectrumPanel::Paint()
{
    TExtCustomColorSelectorPanel::Paint();
    TCanvas* C = Canvas();
    const TRect Picture = FSpectrumImage->BoundsRect();
    C->Pen()->SetWidth(1);
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetColor(clWhite);
    C->Rectangle(Picture.Left - 1, Picture.Top - 1, Picture.Right + 1, Picture.Bottom + 1);
    C->Pen()->SetColor(clGray);
    C->Rectangle(Picture.Left - 2, Picture.Top - 2, Picture.Right + 2, Picture.Bottom + 2);
    DrawSwatch(FSelectedRect, FSelectedColor);
    DrawSwatch(FHotRect, FHotColor);
}

void TExtColorSpectrumPanel::ImageMouseMove(TShiftState, int32_t X, int32_t Y)
{
    // What the screen shows under the pointer.
    FHotColor = Canvas()->Pixels(FSpectrumImage->Left() + X, FSpectrumImage->Top() + Y);
    DrawSwatch(FHotRect, FHotColor);
}

void TExtColorSpectrumPanel::ImageMouseDown(TMouseButton, TShiftState, int32_t, int32_t)
{
    SetSelectedColor(FHotColor);
    DrawSwatch(FSelectedRect, FSelectedColor);
    if (OnSelect) OnSelect(this);
}

void TExtColorSpectrumPanel::ImageMouseUp(TMouseButton, TShiftState, int32_t, int32_t)
{
    DoShouldHide();
}
