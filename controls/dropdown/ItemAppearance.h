// TItemAppearance: the colours of the hot and the selected items of an item selector.
#pragma once

#include "dropdown/DropDownTypes.h"

#include "graphics/Colors.h"
#include "rtl/Object.h"

#include <functional>
#include <memory>

class TFont;

// The colours store without notice; SetColorStyle puts a style's twelve colours in.
class TItemAppearance : public TPersistent {
public:
    explicit TItemAppearance(TPersistent* AOwner);
    ~TItemAppearance() override;

    // From another item appearance; any other source raises the conversion error.
    void Assign(TPersistent* Source) override;
    TSelectionColorStyle ColorStyle() const { return FColorStyle; }
    // A different named style overwrites the hot, selected and frame colours; scCustom keeps them.
    void SetColorStyle(TSelectionColorStyle Style);

    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value) { FColorHot = Value; }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { FColorHotTo = Value; }
    TColor ColorMirrorHot() const { return FColorMirrorHot; }
    void SetColorMirrorHot(TColor Value) { FColorMirrorHot = Value; }
    TColor ColorMirrorHotTo() const { return FColorMirrorHotTo; }
    void SetColorMirrorHotTo(TColor Value) { FColorMirrorHotTo = Value; }
    TColor ColorSelected() const { return FColorSelected; }
    void SetColorSelected(TColor Value) { FColorSelected = Value; }
    TColor ColorSelectedTo() const { return FColorSelectedTo; }
    void SetColorSelectedTo(TColor Value) { FColorSelectedTo = Value; }
    TColor ColorMirrorSelected() const { return FColorMirrorSelected; }
    void SetColorMirrorSelected(TColor Value) { FColorMirrorSelected = Value; }
    TColor ColorMirrorSelectedTo() const { return FColorMirrorSelectedTo; }
    void SetColorMirrorSelectedTo(TColor Value) { FColorMirrorSelectedTo = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    TColor BorderColorTop() const { return FBorderColorTop; }
    void SetBorderColorTop(TColor Value) { FBorderColorTop = Value; }
    TColor BorderColorBottom() const { return FBorderColorBottom; }
    void SetBorderColorBottom(TColor Value) { FBorderColorBottom = Value; }
    TColor EdgeColor() const { return FEdgeColor; }
    void SetEdgeColor(TColor Value) { FEdgeColor = Value; }
    TColor ColorSelectedText() const { return FColorSelectedText; }
    void SetColorSelectedText(TColor Value) { FColorSelectedText = Value; }
    TColor ColorHotText() const { return FColorHotText; }
    void SetColorHotText(TColor Value) { FColorHotText = Value; }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor Value) { FBorderColorHot = Value; }
    TColor BorderColorSelected() const { return FBorderColorSelected; }
    void SetBorderColorSelected(TColor Value) { FBorderColorSelected = Value; }

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    TPersistent* Owner() const { return FOwner; }

    std::function<void(TObject* Sender)> OnChange;

private:
    void CopyStyleColors(const TItemAppearance* Source);

    TPersistent* FOwner;
    TColor FColorHot = clNone;
    TColor FColorHotTo = clNone;
    TColor FColorMirrorHot = clNone;
    TColor FColorMirrorHotTo = clNone;
    TColor FColorSelected = clNone;
    TColor FColorSelectedTo = clNone;
    TColor FColorMirrorSelected = clNone;
    TColor FColorMirrorSelectedTo = clNone;
    TColor FBorderColor = clNone;
    TColor FBorderColorTop = clNone;
    TColor FBorderColorBottom = clNone;
    TColor FEdgeColor = clNone;
    TColor FColorSelectedText = clBlack;
    TColor FColorHotText = clBlack;
    TColor FBorderColorHot = clNone;
    TColor FBorderColorSelected = clNone;
    TSelectionColorStyle FColorStyle = scCustom;
    std::unique_ptr<TFont> FFont;
};
