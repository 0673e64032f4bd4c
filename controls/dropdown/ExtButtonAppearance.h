// TExtButtonAppearance: the state colours and the font of a drop-down pop-up's buttons.
#pragma once

#include "dropdown/DropDownTypes.h"

#include "graphics/Colors.h"
#include "rtl/Object.h"

#include <functional>
#include <memory>

class TFont;

// The colours of each state of a pop-up button and its font. Every colour and gradient setter
// fires OnChange when the value changes.
class TExtButtonAppearance : public TPersistent {
public:
    TExtButtonAppearance();
    ~TExtButtonAppearance() override;

    // From another button appearance; any other source raises the conversion error.
    void Assign(TPersistent* Source) override;

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Store(FBorderColor, Value); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor Value) { Store(FBorderColorHot, Value); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor Value) { Store(FBorderColorDown, Value); }
    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(TColor Value) { Store(FBorderColorDisabled, Value); }
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(TColor Value) { Store(FBorderColorChecked, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Store(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { Store(FColorTo, Value); }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value) { Store(FColorDown, Value); }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor Value) { Store(FColorDownTo, Value); }
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value) { Store(FColorHot, Value); }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { Store(FColorHotTo, Value); }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value) { Store(FColorChecked, Value); }
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value) { Store(FColorCheckedTo, Value); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor Value) { Store(FColorDisabled, Value); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor Value) { Store(FColorDisabledTo, Value); }
    TGradientDirection Gradient() const { return FGradient; }
    void SetGradient(TGradientDirection Value);
    TFont* Font() const { return FFont.get(); }
    // Copies the font's attributes.
    void SetFont(TFont* Value);

    std::function<void(TObject* Sender)> OnChange;

private:
    void Store(TColor& Field, TColor Value);

    TColor FBorderColor = clNone;
    TColor FBorderColorHot;
    TColor FBorderColorDown;
    TColor FBorderColorDisabled;
    TColor FBorderColorChecked;
    TColor FColor = clNone;
    TColor FColorTo = clNone;
    TColor FColorDown;
    TColor FColorDownTo;
    TColor FColorHot;
    TColor FColorHotTo;
    TColor FColorCheckedTo;
    TColor FColorDisabled;
    TColor FColorDisabledTo = clNone;
    TColor FColorChecked;
    TGradientDirection FGradient = gdVertical;
    std::unique_ptr<TFont> FFont;
};
