// TExtHeader: the strip above the content of a drop-down's pop-up.
#pragma once

#include "dropdown/PopupStrip.h"

class THeaderAppearance;
class THeaderButtons;

class TExtHeader : public TPopupStrip {
public:
    explicit TExtHeader(TComponent* AOwner);

    // The panel's own copy of the drop-down's DropDownHeader.
    THeaderAppearance* Appearance() const;
    void SetAppearance(THeaderAppearance* Value);
    // The drop-down's DropDownHeader buttons; nil while not attached.
    THeaderButtons* Buttons() const;

protected:
    TPopupStripAppearance* DropDownAppearance() const override;
    TRect ButtonArea() const override;
    void ArrangeButtons() override;
    void ButtonClicked(int32_t ButtonIndex) override;
    void DrawBorder(const TRect& R) override;
};
