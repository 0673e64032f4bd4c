// TCustomDateTimePicker: the platform's date-time picker with a flat border, a metro frame and drop
// button drawn on its window, hover tracking of that button, and AutoTab.
#pragma once

#include "grid/base/EditorParts.h"
#include "windows/ComCtrls.h"
#include "windows/Forms.h"

#include <cstdint>

// The registered message "DTPShiftFocus": AutoTab posts it to a picker after a typed digit.
UINT DTPShiftFocusMessage();

// With AutoTab, a typed digit that changes the current field moves the caret on to the next field
// (a time picker here; dates are TExtDateTimePicker's). The metro look (MetroStyle, outer pickers
// only) frames the window in BorderColor and draws its own drop button.
class TCustomDateTimePicker : public TDateTimePicker, protected TEditorButtonColors {
public:
    explicit TCustomDateTimePicker(TComponent* AOwner);

    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool Value);
    bool AutoTab() const { return FAutoTab; }
    virtual void SetAutoTab(bool Value);
    // bsNone draws the flat border in the parent's colour.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle Value);
    // True for a plain picker, which may be the time part of another: no metro look of its own.
    virtual bool IsTimePart() const { return true; }

    // The pointer is over the control, and over its drop button area.
    bool MouseInControl() const { return FMouseInControl; }
    bool ButtonHover() const { return FButtonHover; }

protected:
    // The AutoTab check after a typed digit: a time picker whose hour, minute or second changed
    // moves to the next field.
    virtual void DoShiftFocus();

    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void KeyPress(QChar& Key) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;

    // MetroStyle on an outer picker.
    bool IsMetro() const;
    // Common controls 6 with the visual style active.
    bool IsStyled() const;
    bool IsHot() const;
    // The metro frame on the window, with the classic drop button area unless styled.
    void DrawFrame();
    void DrawFrameOn(HDC DC);
    // The frame after a non-client paint: disabled and styled, or with a BorderColor.
    void NCPaintFrame();
    // The flat border of a control without Ctl3D.
    void DrawFlatBorder(HDC DC);
    // What a paint adds on Vista and later: the metro button, the flat border and the frame.
    void PaintAdditions();
    // The metro drop button right of the client area.
    void DrawMetroButton(HDC DC);

    TBorderStyle FBorderStyle = bsNone;
    TColor FBorderColor = clBlack;
    bool FIsThemed;
    int32_t FButtonWidth;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FIsWinXP;
    bool FMetroStyle = false;
    bool FAutoTab = false;
    // The time before the last digit was typed.
    uint16_t Fh = 0;
    uint16_t Fm = 0;
    uint16_t Fs = 0;

private:
    TColor FlatBorderColor() const;
};
