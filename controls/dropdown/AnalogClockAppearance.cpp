// TWatchSettings and TWatchAppearance: setters, copies and the defaults.
#include "dropdown/AnalogClockAppearance.h"

#include "graphics/GraphicsObjects.h"
#include "graphics/Picture.h"

// ---- Settings ----

void TWatchSettings::Changed()
{
    if (OnChange) OnChange(this);
}

void TWatchSettings::SetAuto(bool Value)
{
    if (FAuto == Value) return;
    FAuto = Value;
    Changed();
}

void TWatchSettings::SetSecond(bool Value)
{
    if (FSeconds == Value) return;
    FSeconds = Value;
    Changed();
}

void TWatchSettings::SetTimeOffset(int32_t Value)
{
    if (FTimeOffset == Value) return;
    FTimeOffset = Value;
    Changed();
}

void TWatchSettings::Assign(TPersistent* Source)
{
    if (auto* Settings = dynamic_cast<TWatchSettings*>(Source)) {
        FSeconds = Settings->FSeconds;
        FTimeOffset = Settings->FTimeOffset;
        SetAuto(Settings->FAuto);
    } else {
        TPersistent::Assign(Source);
    }
}

// ---- Appearance ----

namespace {

std::unique_ptr<TFont> TahomaFont(int32_t Size)
{
    auto Font = std::make_unique<TFont>();
    Font->SetName(QStringLiteral("Tahoma"));
    Font->SetSize(Size);
    return Font;
}

}  // namespace

TWatchAppearance::TWatchAppearance()
    : FHourFont(TahomaFont(8)), FAMPMFont(TahomaFont(10)), FPicture(std::make_unique<TPicture>())
{
    const auto Notify = [this](TObject*) { Changed(); };
    FHourFont->OnChange = Notify;
    FAMPMFont->OnChange = Notify;
    FPicture->OnChange = Notify;
}

TWatchAppearance::~TWatchAppearance() = default;

void TWatchAppearance::Changed()
{
    if (OnChange) OnChange(this);
}

void TWatchAppearance::SetHourFont(TFont* Value)
{
    FHourFont->Assign(Value);
    Changed();
}

void TWatchAppearance::SetAMPMFont(TFont* Value)
{
    FAMPMFont->Assign(Value);
    Changed();
}

void TWatchAppearance::SetPicture(TPicture* Value)
{
    FPicture->Assign(Value);
    Changed();
}

void TWatchAppearance::CopyPlain(const TWatchAppearance& Source)
{
    const auto Saved = std::move(OnChange);
    FSize = Source.FSize;
    FHourPointer = Source.FHourPointer;
    FBackgroundColor = Source.FBackgroundColor;
    FMinutePointerShadow = Source.FMinutePointerShadow;
    FBackgroundColorTo = Source.FBackgroundColorTo;
    FHourPointerShadow = Source.FHourPointerShadow;
    FSecondPointer = Source.FSecondPointer;
    FBorderColor = Source.FBorderColor;
    FMinutePointer = Source.FMinutePointer;
    FHourFont->Assign(Source.FHourFont.get());
    FAMPMFont->Assign(Source.FAMPMFont.get());
    FPicture->Assign(Source.FPicture.get());
    FAMPMFrame = Source.FAMPMFrame;
    FWatchShape = Source.FWatchShape;
    FPointerStyle = Source.FPointerStyle;
    FHourPointerSize = Source.FHourPointerSize;
    FSecondPointerSize = Source.FSecondPointerSize;
    FMinutePointerSize = Source.FMinutePointerSize;
    FHourColor = Source.FHourColor;
    FMinuteColor = Source.FMinuteColor;
    FCenterPointSize = Source.FCenterPointSize;
    FCenterPointColor = Source.FCenterPointColor;
    FCenterPointBorderColor = Source.FCenterPointBorderColor;
    FBackgroundGradient = Source.FBackgroundGradient;
    FHourMarkLength = Source.FHourMarkLength;
    FHourMarkWidth = Source.FHourMarkWidth;
    FMinuteMarkLength = Source.FMinuteMarkLength;
    FMinuteMarkWidth = Source.FMinuteMarkWidth;
    FBorderWidth = Source.FBorderWidth;
    FAMPMColor = Source.FAMPMColor;
    FAMPMBorderColor = Source.FAMPMBorderColor;
    OnChange = Saved;
}

void TWatchAppearance::Assign(TPersistent* Source)
{
    if (auto* Appearance = dynamic_cast<TWatchAppearance*>(Source)) {
        CopyPlain(*Appearance);
        SetCenterPointOuterBorderColor(Appearance->FCenterPointOuterBorderColor);
        SetTickMarks(Appearance->FTickMarks);
        SetHourMarkStyle(Appearance->FHourMarkStyle);
    } else {
        TPersistent::Assign(Source);
    }
}

void TWatchAppearance::Reset()
{
    const TWatchAppearance Defaults;
    CopyPlain(Defaults);
    FCenterPointOuterBorderColor = Defaults.FCenterPointOuterBorderColor;
    FTickMarks = Defaults.FTickMarks;
    FHourMarkStyle = Defaults.FHourMarkStyle;
    Changed();
}
