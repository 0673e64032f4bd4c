// TItemAppearance: the selection colour presets and copying.
#include "dropdown/ItemAppearance.h"

#include "graphics/GraphicsObjects.h"

namespace {

// #RRGGBB written red first.
constexpr TColor Hex(uint32_t Rgb)
{
    return RGB((Rgb >> 16) & 0xFF, (Rgb >> 8) & 0xFF, Rgb & 0xFF);
}

struct TPreset {
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo;
    TColor ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
    TColor BorderColor, BorderColorTop, BorderColorBottom, EdgeColor;
};

constexpr TPreset Office2007{Hex(0xFDFFD7), Hex(0xFCD458), Hex(0xFCD458), Hex(0xFCF1B3), Hex(0xFBFFA6), Hex(0xF4B904),
                             Hex(0xFBC115), Hex(0xF9E368), Hex(0xD3D78D), Hex(0xFFFEF4), Hex(0xFFF8CA), Hex(0xDFD9C3)};
constexpr TPreset Vista{Hex(0xF1F8FD), Hex(0xD5EFFC), clNone, clNone, Hex(0xDEEEFA), Hex(0xB4E3FA),
                        clNone, clNone, Hex(0x99DEFD), Hex(0xF6FBFD), Hex(0xE7F5FD), Hex(0xCBEDFC)};
constexpr TPreset Windows7{Hex(0xDCEBFC), Hex(0xC1DBFC), clNone, clNone, Hex(0xB9D8F9), Hex(0xA2CAFB),
                           clNone, clNone, Hex(0x7DA2CE), Hex(0xEBF4FD), Hex(0xDBEAFD), Hex(0xAEC5E0)};

}  // namespace

TItemAppearance::TItemAppearance(TPersistent* AOwner) : FOwner(AOwner), FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Tahoma"));
    SetColorStyle(scOffice2007);
}

TItemAppearance::~TItemAppearance() = default;

void TItemAppearance::SetFont(TFont* Value)
{
    FFont->Assign(Value);
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Style)
{
    if (Style == FColorStyle) return;
    FColorStyle = Style;
    const TPreset* Preset = nullptr;
    switch (Style) {
    case scOffice2007: Preset = &Office2007; break;
    case scWindowsVista: Preset = &Vista; break;
    case scWindows7: Preset = &Windows7; break;
    case scCustom: return;
    }
    FColorHot = Preset->ColorHot;
    FColorHotTo = Preset->ColorHotTo;
    FColorMirrorHot = Preset->ColorMirrorHot;
    FColorMirrorHotTo = Preset->ColorMirrorHotTo;
    FColorSelected = Preset->ColorSelected;
    FColorSelectedTo = Preset->ColorSelectedTo;
    FColorMirrorSelected = Preset->ColorMirrorSelected;
    FColorMirrorSelectedTo = Preset->ColorMirrorSelectedTo;
    FBorderColor = Preset->BorderColor;
    FBorderColorTop = Preset->BorderColorTop;
    FBorderColorBottom = Preset->BorderColorBottom;
    FEdgeColor = Preset->EdgeColor;
}

void TItemAppearance::CopyStyleColors(const TItemAppearance* Source)
{
    FColorHot = Source->FColorHot;
    FColorHotTo = Source->FColorHotTo;
    FColorMirrorHot = Source->FColorMirrorHot;
    FColorMirrorHotTo = Source->FColorMirrorHotTo;
    FColorSelected = Source->FColorSelected;
    FColorSelectedTo = Source->FColorSelectedTo;
    FColorMirrorSelected = Source->FColorMirrorSelected;
    FColorMirrorSelectedTo = Source->FColorMirrorSelectedTo;
    FBorderColor = Source->FBorderColor;
    FBorderColorTop = Source->FBorderColorTop;
    FBorderColorBottom = Source->FBorderColorBottom;
    FEdgeColor = Source->FEdgeColor;
}

void TItemAppearance::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TItemAppearance*>(Source);
    if (!From) {
        TPersistent::Assign(Source);
        return;
    }
    CopyStyleColors(From);
    FFont->Assign(From->FFont.get());
    SetColorStyle(From->FColorStyle);
    FColorSelectedText = From->FColorSelectedText;
    FColorHotText = From->FColorHotText;
    FBorderColorHot = From->FBorderColorHot;
    FBorderColorSelected = From->FBorderColorSelected;
}
