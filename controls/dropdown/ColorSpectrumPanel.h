// TExtColorSpectrumPanel: the spectrum picture, the colour under the eyedropper and the two swatches below it.
#pragma once

#include "dropdown/ColorSelectorPanel.h"

#include "graphics/Colors.h"

#include <functional>

class TImage;

// The eyedropper cursor the spectrum picture shows, registered with the screen.
constexpr TCursor crEyedropper = 54;

class TExtColorSpectrumPanel : public TExtCustomColorSelectorPanel {
public:
    explicit TExtColorSpectrumPanel(TComponent* AOwner);

    TColor SelectedColor() const { return FSelectedColor; }
    // Only stores.
    void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
    // The colour under the pointer; clNone before the pointer moved over the picture.
    TColor HotColor() const { return FHotColor; }
    // The picture (not owned by the caller).
    TImage* SpectrumImage() const { return FSpectrumImage; }
    TRect SelectedRect() const { return FSelectedRect; }
    TRect HotRect() const { return FHotRect; }

    // 150 x 174 with the picture centred 10 pixels from the top and the swatches below it; no hot colour.
    void ArrangeSpectrum();

    std::function<void(TObject* Sender)> OnSelect;

protected:
    void Paint() override;

private:
    void ImageMouseMove(TShiftState Shift, int32_t X, int32_t Y);
    void ImageMouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
    void ImageMouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
    // A grey frame around R, then R with a white pen over Color (nothing filled for clNone).
    void DrawSwatch(const TRect& R, TColor Color);

    // Owned as a component and a child of the panel.
    TImage* FSpectrumImage = nullptr;
    TColor FHotColor = clNone;
    TColor FSelectedColor = clWhite;
    TRect FHotRect;
    TRect FSelectedRect;
};
