// TEsgDateTimePicker: the platform's date-time picker with painted borders and a drop button for a
// flat "metro" look, drawn on the window after the platform has painted.
#pragma once

#include "grid/base/EditorParts.h"
#include "windows/ComCtrls.h"
#include "windows/Forms.h"

#include <QString>

#include <cstdint>

// The high 32 bits of a file's fixed version information (major version in the upper 16 bits);
// -1 when there is none. No file here carries Windows version information: always -1.
int32_t ReadFileVersion(const QString& FileName);

// Nearly all of its own painting happens with MetroStyle on: the border in BorderColor (or the
// focus border colour while focused), and a flat or coloured drop button (ButtonTextColorHot is
// kept only).
class TEsgDateTimePicker : public TDateTimePicker, public TEditorButtonColors {
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
