// TEsgDateTimePicker: the platform's date-time picker with painted borders and a drop button for a
// flat "metro" look, drawn on the window after the platform has painted.
#pragma once

#include "windows/ComCtrls.h"
#include "windows/Forms.h"

#include <QString>

#include <cstdint>

// The high 32 bits of a file's fixed version information (major version in the upper 16 bits);
// -1 when there is none. No file here carries Windows version information: always -1.
int32_t ReadFileVersion(const QString& FileName);
// The left or the right mouse button is held right now.
bool IsMouseButtonDown();

// Nearly all of its own painting happens with MetroStyle on: the border in BorderColor (or the
// focus border colour while focused), and a flat or coloured drop button.
class TEsgDateTimePicker : public TDateTimePicker {
public:
    explicit TEsgDateTimePicker(TComponent* AOwner);

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle Value);
    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool Value);
    // "1.0.0.0"; setting it does nothing.
    QString Version() const;
    void SetVersion(const QString&) {}
    static int32_t GetVersionNr() { return 0x01000000; }

    // The drop button's colours; ButtonTextColorHot is kept only.
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;
    TColor ButtonBorderColor = clNone;

    bool MouseInControl() const { return FMouseInControl; }
    bool ButtonHover() const { return FButtonHover; }

protected:
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;

    bool IsMetro() const;
    bool ThemesOn() const;
    bool IsHot() const;
    bool IsFocusBorderActive() const;
    void DrawBorders();
    void DrawBorder(HDC DC);
    void DrawButtonEdge(HDC DC);
    void DrawFlatBorder();
    void DrawButton(HDC DC);
    // What WM_PAINT adds on Vista and later: the native drop button erased and the own one drawn
    // (not for a time picker), then the borders.
    void PaintAdditions();

    TBorderStyle FBorderStyle = bsNone;
    TColor FBorderColor = clNone;
    bool FIsThemed;
    int32_t FButtonWidth;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FIsWinXP;
    bool FMetroStyle = false;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = false;
    bool FHasFocus = false;
    bool FFocusBorder = false;

private:
    // The two checks WM_NCPAINT repeats: a disabled themed control, or a colour to frame in.
    void NCPaintBorders();
};
