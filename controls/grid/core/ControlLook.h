// TControlLook: the look of a grid's in-cell controls, the gradient of its fixed cells and the
// header and footer of its drop-down editors.
#pragma once

#include "grid/core/ExtGridTypes.h"

#include "graphics/Colors.h"
#include "rtl/Object.h"

#include <cstdint>
#include <memory>

class TBitmap;
class TExtStringGrid;
class TFooterAppearance;
class THeaderAppearance;

class TControlLook : public TPersistent {
public:
    using TControlStyle = ExtGrid::TControlStyle;

    // AGrid is not owned and may be nil.
    explicit TControlLook(TExtStringGrid* AGrid);
    ~TControlLook() override;

    // The colours and the sixteen fixed-gradient colours take their first values; the mirror
    // colours of hover and down go through their setters.
    void Init();
    // From another control look; not FixedDropDownButton, FlatButton, NoDisabledCheckRadioLook,
    // NoDisabledButtonLook or ProgressXP. Any other source is ignored.
    void Assign(TPersistent* Source) override;

    // Setters below store; those marked repaint the grid.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);  // repaints
    TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(TColor Value);  // repaints
    TBitmap* CheckedGlyph() const { return FCheckedGlyph.get(); }
    void SetCheckedGlyph(TBitmap* Value);  // copies, repaints
    TBitmap* UnCheckedGlyph() const { return FUnCheckedGlyph.get(); }
    void SetUnCheckedGlyph(TBitmap* Value);
    TBitmap* RadioOnGlyph() const { return FRadioOnGlyph.get(); }
    void SetRadioOnGlyph(TBitmap* Value);
    TBitmap* RadioOffGlyph() const { return FRadioOffGlyph.get(); }
    void SetRadioOffGlyph(TBitmap* Value);
    // A colour other than clNone is also handed to the grid's Vyx gradient colour of the same role.
    TColor FixedGradientFrom() const { return FFixedGradientFrom; }
    void SetFixedGradientFrom(TColor Value);
    TColor FixedGradientTo() const { return FFixedGradientTo; }
    void SetFixedGradientTo(TColor Value);
    // The mirror colours are always handed on, clNone too.
    TColor FixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
    void SetFixedGradientMirrorFrom(TColor Value);
    TColor FixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
    void SetFixedGradientMirrorTo(TColor Value);
    TColor FixedGradientHoverFrom() const { return FFixedGradientHoverFrom; }
    void SetFixedGradientHoverFrom(TColor Value);
    TColor FixedGradientHoverTo() const { return FFixedGradientHoverTo; }
    void SetFixedGradientHoverTo(TColor Value);
    TColor FixedGradientHoverMirrorFrom() const { return FFixedGradientHoverMirrorFrom; }
    void SetFixedGradientHoverMirrorFrom(TColor Value);
    TColor FixedGradientHoverMirrorTo() const { return FFixedGradientHoverMirrorTo; }
    void SetFixedGradientHoverMirrorTo(TColor Value);
    TColor FixedGradientHoverBorder() const { return FFixedGradientHoverBorder; }
    void SetFixedGradientHoverBorder(TColor Value);
    TColor FixedGradientDownFrom() const { return FFixedGradientDownFrom; }
    void SetFixedGradientDownFrom(TColor Value);
    TColor FixedGradientDownTo() const { return FFixedGradientDownTo; }
    void SetFixedGradientDownTo(TColor Value);
    TColor FixedGradientDownMirrorFrom() const { return FFixedGradientDownMirrorFrom; }
    void SetFixedGradientDownMirrorFrom(TColor Value);
    TColor FixedGradientDownMirrorTo() const { return FFixedGradientDownMirrorTo; }
    void SetFixedGradientDownMirrorTo(TColor Value);
    TColor FixedGradientDownBorder() const { return FFixedGradientDownBorder; }
    void SetFixedGradientDownBorder(TColor Value);
    bool FixedDropDownButton() const { return FFixedDropDownButton; }
    void SetFixedDropDownButton(bool Value) { FFixedDropDownButton = Value; }
    int32_t HintMaxWidth() const { return FHintMaxWidth; }
    void SetHintMaxWidth(int32_t Value) { FHintMaxWidth = Value; }
    int32_t CheckSize() const { return FCheckSize; }
    void SetCheckSize(int32_t Value);  // repaints
    bool CheckAlwaysActive() const { return FCheckAlwaysActive; }
    void SetCheckAlwaysActive(bool Value) { FCheckAlwaysActive = Value; }
    int32_t RadioSize() const { return FRadioSize; }
    void SetRadioSize(int32_t Value);  // repaints
    bool RadioAlwaysActive() const { return FRadioAlwaysActive; }
    void SetRadioAlwaysActive(bool Value) { FRadioAlwaysActive = Value; }
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value);  // repaints
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool Value);  // repaints
    int32_t DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int32_t Value) { FDropDownCount = Value; }
    THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
    void SetDropDownHeader(THeaderAppearance* Value);  // copies
    TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
    void SetDropDownFooter(TFooterAppearance* Value);  // copies
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool Value);  // repaints
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool Value);  // repaints
    bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool Value);  // repaints
    bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool Value);  // repaints
    TColor ProgressBorderColor() const { return FProgressBorderColor; }
    void SetProgressBorderColor(TColor Value) { FProgressBorderColor = Value; }
    int32_t ProgressMarginX() const { return FProgressMarginX; }
    void SetProgressMarginX(int32_t Value);  // repaints
    int32_t ProgressMarginY() const { return FProgressMarginY; }
    void SetProgressMarginY(int32_t Value);  // repaints
    bool ProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool Value);  // repaints
    TExtStringGrid* Grid() const { return FGrid; }

private:
    template <typename T>
    void StoreAndRepaint(T& Field, T Value);
    void Repaint();

    TExtStringGrid* FGrid;
    TColor FColor = clBlack;
    TColor FCommentColor = clRed;
    std::unique_ptr<TBitmap> FCheckedGlyph;
    std::unique_ptr<TBitmap> FUnCheckedGlyph;
    std::unique_ptr<TBitmap> FRadioOnGlyph;
    std::unique_ptr<TBitmap> FRadioOffGlyph;
    TColor FFixedGradientFrom = clNone;
    TColor FFixedGradientTo = clNone;
    TColor FFixedGradientMirrorFrom = clNone;
    TColor FFixedGradientMirrorTo = clNone;
    TColor FFixedGradientHoverFrom = clGray;
    TColor FFixedGradientHoverTo = clWhite;
    TColor FFixedGradientHoverMirrorFrom = clNone;
    TColor FFixedGradientHoverMirrorTo = clNone;
    TColor FFixedGradientHoverBorder = clSilver;
    TColor FFixedGradientDownFrom = clGray;
    TColor FFixedGradientDownTo = clSilver;
    TColor FFixedGradientDownMirrorFrom = clNone;
    TColor FFixedGradientDownMirrorTo = clNone;
    TColor FFixedGradientDownBorder = clGray;
    bool FFixedDropDownButton = false;
    int32_t FHintMaxWidth = 0;
    int32_t FCheckSize = 15;
    bool FCheckAlwaysActive = false;
    int32_t FRadioSize = 10;
    bool FRadioAlwaysActive = false;
    TControlStyle FControlStyle = csTheme;
    bool FDropDownAlwaysVisible = false;
    int32_t FDropDownCount = 8;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    bool FSpinButtonsAlwaysVisible = false;
    bool FFlatButton = false;
    bool FNoDisabledCheckRadioLook = false;
    bool FNoDisabledButtonLook = false;
    TColor FProgressBorderColor = clGray;
    int32_t FProgressMarginX = 2;
    int32_t FProgressMarginY = 2;
    bool FProgressXP = false;
};
