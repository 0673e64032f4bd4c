// TWatchSettings and TWatchAppearance: the analog clock's automatic mode and its looks.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Object.h"

#include <cstdint>
#include <functional>
#include <memory>

class TFont;
class TPicture;

enum TAMPMFrame { apRect, apRoundRect };
enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };

// Automatic mode: the clock shows the current time plus an offset and ticks. Each setter fires
// OnChange when the value changes.
class TWatchSettings : public TPersistent {
public:
    bool Auto() const { return FAuto; }
    void SetAuto(bool Value);
    // The second hand is drawn (automatic mode only).
    bool Second() const { return FSeconds; }
    void SetSecond(bool Value);
    // Minutes added to the current time.
    int32_t TimeOffset() const { return FTimeOffset; }
    void SetTimeOffset(int32_t Value);

    // Copies Second and TimeOffset, then Auto through its setter.
    void Assign(TPersistent* Source) override;

    std::function<void(TObject* Sender)> OnChange;

private:
    void Changed();

    bool FAuto = false;
    bool FSeconds = true;
    int32_t FTimeOffset = 0;
};

// The looks of the clock. Each setter fires OnChange when the value changes, the font and picture
// setters copy and always fire it, and so do changes of the fonts and picture themselves;
// AMPMColor and AMPMBorderColor only store.
class TWatchAppearance : public TPersistent {
public:
    TWatchAppearance();
    ~TWatchAppearance() override;

    // Face diameter; 0 fits the control.
    int32_t Size() const { return FSize; }
    void SetSize(int32_t Value) { Store(FSize, Value); }
    TColor HourPointer() const { return FHourPointer; }
    void SetHourPointer(TColor Value) { Store(FHourPointer, Value); }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { Store(FBackgroundColor, Value); }
    TColor MinutePointerShadow() const { return FMinutePointerShadow; }
    void SetMinutePointerShadow(TColor Value) { Store(FMinutePointerShadow, Value); }
    // clNone: a plain fill.
    TColor BackgroundColorTo() const { return FBackgroundColorTo; }
    void SetBackgroundColorTo(TColor Value) { Store(FBackgroundColorTo, Value); }
    TColor HourPointerShadow() const { return FHourPointerShadow; }
    void SetHourPointerShadow(TColor Value) { Store(FHourPointerShadow, Value); }
    TColor SecondPointer() const { return FSecondPointer; }
    void SetSecondPointer(TColor Value) { Store(FSecondPointer, Value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Store(FBorderColor, Value); }
    TColor MinutePointer() const { return FMinutePointer; }
    void SetMinutePointer(TColor Value) { Store(FMinutePointer, Value); }
    TFont* HourFont() const { return FHourFont.get(); }
    void SetHourFont(TFont* Value);
    TFont* AMPMFont() const { return FAMPMFont.get(); }
    void SetAMPMFont(TFont* Value);
    // Drawn over the face from the top-left corner, its bottom-left colour transparent.
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* Value);
    TAMPMFrame AMPMFrame() const { return FAMPMFrame; }
    void SetAMPMFrame(TAMPMFrame Value) { Store(FAMPMFrame, Value); }
    TWatchShape Shape() const { return FWatchShape; }
    void SetShape(TWatchShape Value) { Store(FWatchShape, Value); }
    TPointerStyle PointerStyle() const { return FPointerStyle; }
    void SetPointerStyle(TPointerStyle Value) { Store(FPointerStyle, Value); }
    uint8_t HourPointerSize() const { return FHourPointerSize; }
    void SetHourPointerSize(uint8_t Value) { Store(FHourPointerSize, Value); }
    uint8_t SecondPointerSize() const { return FSecondPointerSize; }
    void SetSecondPointerSize(uint8_t Value) { Store(FSecondPointerSize, Value); }
    uint8_t MinutePointerSize() const { return FMinutePointerSize; }
    void SetMinutePointerSize(uint8_t Value) { Store(FMinutePointerSize, Value); }
    TColor HourColor() const { return FHourColor; }
    void SetHourColor(TColor Value) { Store(FHourColor, Value); }
    TColor MinuteColor() const { return FMinuteColor; }
    void SetMinuteColor(TColor Value) { Store(FMinuteColor, Value); }
    // Diameter of the centre disc; 0 draws none.
    uint8_t CenterPointSize() const { return FCenterPointSize; }
    void SetCenterPointSize(uint8_t Value) { Store(FCenterPointSize, Value); }
    TColor CenterPointColor() const { return FCenterPointColor; }
    void SetCenterPointColor(TColor Value) { Store(FCenterPointColor, Value); }
    TColor CenterPointBorderColor() const { return FCenterPointBorderColor; }
    void SetCenterPointBorderColor(TColor Value) { Store(FCenterPointBorderColor, Value); }
    TWatchGradient BackgroundGradient() const { return FBackgroundGradient; }
    void SetBackgroundGradient(TWatchGradient Value) { Store(FBackgroundGradient, Value); }
    // 0: a tenth of the radius.
    uint8_t HourMarkLength() const { return FHourMarkLength; }
    void SetHourMarkLength(uint8_t Value) { Store(FHourMarkLength, Value); }
    uint8_t HourMarkWidth() const { return FHourMarkWidth; }
    void SetHourMarkWidth(uint8_t Value) { Store(FHourMarkWidth, Value); }
    // 0: a twentieth of the radius.
    uint8_t MinuteMarkLength() const { return FMinuteMarkLength; }
    void SetMinuteMarkLength(uint8_t Value) { Store(FMinuteMarkLength, Value); }
    uint8_t MinuteMarkWidth() const { return FMinuteMarkWidth; }
    void SetMinuteMarkWidth(uint8_t Value) { Store(FMinuteMarkWidth, Value); }
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t Value) { Store(FBorderWidth, Value); }
    // clNone: transparent.
    TColor AMPMColor() const { return FAMPMColor; }
    void SetAMPMColor(TColor Value) { FAMPMColor = Value; }
    TColor AMPMBorderColor() const { return FAMPMBorderColor; }
    void SetAMPMBorderColor(TColor Value) { FAMPMBorderColor = Value; }
    TColor CenterPointOuterBorderColor() const { return FCenterPointOuterBorderColor; }
    void SetCenterPointOuterBorderColor(TColor Value) { Store(FCenterPointOuterBorderColor, Value); }
    TTickMarks TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMarks Value) { Store(FTickMarks, Value); }
    THourMarkStyle HourMarkStyle() const { return FHourMarkStyle; }
    void SetHourMarkStyle(THourMarkStyle Value) { Store(FHourMarkStyle, Value); }

    // Copies every look; CenterPointOuterBorderColor, TickMarks and HourMarkStyle through their
    // setters, the others without notice.
    void Assign(TPersistent* Source) override;
    // The looks a new appearance has, then OnChange.
    void Reset();

    std::function<void(TObject* Sender)> OnChange;

private:
    template <typename T>
    void Store(T& Field, T Value)
    {
        if (Field == Value) return;
        Field = Value;
        Changed();
    }
    void Changed();
    // Every look of Source but the three Assign sets through their setters.
    void CopyPlain(const TWatchAppearance& Source);

    int32_t FSize = 0;
    TColor FHourPointer = clBlack;
    TColor FBackgroundColor = clWhite;
    TColor FMinutePointerShadow = clBtnShadow;
    TColor FBackgroundColorTo = clNone;
    TColor FHourPointerShadow = clBtnShadow;
    TColor FSecondPointer = clRed;
    TColor FBorderColor = clBlack;
    TColor FMinutePointer = clBlack;
    std::unique_ptr<TFont> FHourFont;
    std::unique_ptr<TFont> FAMPMFont;
    std::unique_ptr<TPicture> FPicture;
    TAMPMFrame FAMPMFrame = apRect;
    TWatchShape FWatchShape = wsCircle;
    TPointerStyle FPointerStyle = psLine;
    uint8_t FHourPointerSize = 4;
    uint8_t FSecondPointerSize = 1;
    uint8_t FMinutePointerSize = 3;
    TColor FHourColor = clBlack;
    TColor FMinuteColor = clGray;
    uint8_t FCenterPointSize = 4;
    TColor FCenterPointColor = clBlack;
    TColor FCenterPointBorderColor = clNone;
    TWatchGradient FBackgroundGradient = wgVertical;
    uint8_t FHourMarkLength = 0;
    uint8_t FHourMarkWidth = 1;
    uint8_t FMinuteMarkLength = 0;
    uint8_t FMinuteMarkWidth = 1;
    int32_t FBorderWidth = 4;
    TColor FAMPMColor = clWhite;
    TColor FAMPMBorderColor = clBlack;
    TColor FCenterPointOuterBorderColor = clNone;
    TTickMarks FTickMarks = tmAll;
    THourMarkStyle FHourMarkStyle = hmsLine;
};
