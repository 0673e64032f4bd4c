// TExtFooter: the strip below the content of a drop-down's pop-up, with the size grip.
#pragma once

#include "dropdown/PopupStrip.h"

class TFooterAppearance;
class TFooterButtons;

class TExtFooter : public TPopupStrip {
public:
    explicit TExtFooter(TComponent* AOwner);

    // The panel's own copy of the drop-down's DropDownFooter.
    TFooterAppearance* Appearance() const;
    void SetAppearance(TFooterAppearance* Value);
    // The drop-down's DropDownFooter buttons; nil while not attached.
    TFooterButtons* Buttons() const;
    // The grip shows and sizes the pop-up: SizeGrip set, attached, and the drop-down sizeable.
    bool GripActive() const;

protected:
    TPopupStripAppearance* DropDownAppearance() const override;
    TRect ButtonArea() const override;
    void PrepareButton(TExtButton* Button, TPopupButtonItem* Item) override;
    void ButtonClicked(int32_t ButtonIndex) override;
    void DrawBorder(const TRect& R) override;
    void PaintOver(const TRect& R) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

private:
    bool InGrip(int32_t X, int32_t Y) const;
    void RestoreCursor();

    TCursor FOldCursor = crDefault;
};
