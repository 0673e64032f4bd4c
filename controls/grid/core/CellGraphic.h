// TCellGraphic: the typed content of one cell (check box, picture, progress bar, button...), kept
// as the graphic object of the cell's properties.
#pragma once

#include "grid/core/CellTypes.h"

#include "graphics/Colors.h"
#include "rtl/Object.h"
#include "rtl/Types.h"
#include "windows/StdCtrls.h"

#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>

class TBitmap;
class TCanvas;
class TExtStringGrid;
class TFilePicture;
class TIcon;
class TIntList;
class TPicture;
class TStrings;

// The drawing side of an object kept in a ctInterface cell: the grid asks the object for it with
// dynamic_cast and sizes and paints the cell through it.
class IGridCellDrawer {
public:
    virtual ~IGridCellDrawer() = default;
    virtual void Draw(TCanvas* Canvas, const TRect& Rect, int32_t ACol, int32_t ARow, bool Selected,
                      TExtStringGrid* Grid) = 0;
    virtual int32_t GetWidth() = 0;
    virtual int32_t GetHeight() = 0;
    // True when the object is drawn before the cell text, false when after it.
    virtual bool DrawsBeforeText() = 0;
};

// A graphic has two reference slots, each holding an object or a colour value, as its kind says
// (a progress bar keeps its colours there, a picture cell its picture). Objects are freed with the
// graphic by kind: a caller's object (CellCreated false) never, colours never, an interfaced
// object never.
class TCellGraphic : public TPersistent {
public:
    TCellGraphic() = default;
    ~TCellGraphic() override;

    // Copies kind, placements and the plain fields (CellCreated too) from another cell graphic.
    // The slots, CellVar and CellCheckBoxState are not copied: what this graphic owned is freed
    // first and both slots end empty, so the copy never frees an object it does not hold.
    void Assign(TPersistent* Source) override;

    TCellType CellType() const { return FCellType; }
    void SetCellType(TCellType Value) { FCellType = Value; }
    TCellVAlign CellVAlign() const { return FCellVAlign; }
    void SetCellVAlign(TCellVAlign Value) { FCellVAlign = Value; }
    TCellHAlign CellHAlign() const { return FCellHAlign; }
    void SetCellHAlign(TCellHAlign Value) { FCellHAlign = Value; }
    int32_t CellIndex() const { return FCellIndex; }
    void SetCellIndex(int32_t Value) { FCellIndex = Value; }
    bool CellTransparent() const { return FCellTransparent; }
    void SetCellTransparent(bool Value) { FCellTransparent = Value; }
    // The graphic made the object in its first slot (the icon for ctIcon) and frees it.
    bool CellCreated() const { return FCellCreated; }
    void SetCellCreated(bool Value) { FCellCreated = Value; }
    bool CellBoolean() const { return FCellBoolean; }
    void SetCellBoolean(bool Value) { FCellBoolean = Value; }
    TCheckBoxState CellCheckBoxState() const { return FCellCheckBoxState; }
    void SetCellCheckBoxState(TCheckBoxState Value) { FCellCheckBoxState = Value; }
    int32_t CellAngle() const { return FCellAngle; }
    void SetCellAngle(int32_t Value) { FCellAngle = Value; }
    double CellValue() const { return FCellValue; }
    void SetCellValue(double Value) { FCellValue = Value; }
    int32_t CellErrFrom() const { return FCellErrFrom; }
    void SetCellErrFrom(int32_t Value) { FCellErrFrom = Value; }
    int32_t CellErrLen() const { return FCellErrLen; }
    void SetCellErrLen(int32_t Value) { FCellErrLen = Value; }
    const QString& CellText() const { return FCellText; }
    void SetCellText(const QString& Value) { FCellText = Value; }
    const QVariant& CellVar() const { return FCellVar; }
    void SetCellVar(const QVariant& Value) { FCellVar = Value; }

    // First slot as an object: nil while it holds a colour. Storing frees nothing.
    TObject* CellObject() const { return FBitmapSlot.Object(); }
    void SetCellObject(TObject* Value) { FBitmapSlot.SetObject(Value); }
    // The first slot's object as the class each kind keeps there; nil for another class.
    TBitmap* CellBitmap() const;
    TPicture* CellPicture() const;
    TFilePicture* CellFilePicture() const;
    // The image indexes of a ctImages cell.
    TIntList* CellImages() const;
    // Radio options, balloon title and text.
    TStrings* CellStrings() const;
    // First slot as a colour: clNone while it holds an object or nothing.
    TColor CellBitmapColor() const { return FBitmapSlot.Color(); }
    void SetCellBitmapColor(TColor Value) { FBitmapSlot.SetColor(Value); }
    // Second slot: the icon of ctIcon, or a second colour.
    TIcon* CellIcon() const;
    void SetCellIcon(TIcon* Value);
    TColor CellIconColor() const { return FIconSlot.Color(); }
    void SetCellIconColor(TColor Value) { FIconSlot.SetColor(Value); }

    // Frees what the graphic owns by its kind and empties both slots; CellCreated turns false.
    void ClearObjects();

    // A caller's object for a ctInterface cell, never freed by the graphic.
    void SetInterfacedCell(TPersistent* AObject);
    void SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    // The button size is packed into CellIndex: width in the low 16 bits, height in the high 16.
    void SetButton(int32_t bw, int32_t bh, const QString& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int32_t bw, int32_t bh, const QString& caption, TBitmap* Glyph, TCellHAlign hal, TCellVAlign val);
    void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int32_t padding, TCellHAlign hal,
                    TCellVAlign val);
    void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int32_t padding,
                        TCellHAlign hal, TCellVAlign val);
    // A new image-index list owned by the graphic, tagged (Col, Row), reporting through Notifier;
    // images side by side when dir is 0, stacked otherwise.
    void SetMultiImage(int32_t Col, int32_t Row, int32_t dir, TCellHAlign hal, TCellVAlign val,
                       std::function<void(TObject* Sender, int32_t ACol, int32_t ARow)> Notifier);
    // The size a picture cell draws its picture at in a cell of cw x rh (see TStretchMode);
    // hastext changes nothing. (0, 0) for a graphic of another kind.
    TPoint GetPictureSize(int32_t cw, int32_t rh, bool hastext) const;
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetIcon(TIcon* aicon, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int32_t idx, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int32_t idx, TCellHAlign hal, TCellVAlign val);
    // Rotated text, the angle brought into 0..360. A graphic of another kind first frees what it
    // owned, since a rotated-text cell keeps no object.
    void SetAngle(int16_t AAngle);

private:
    // An object or a colour.
    class TSlot {
    public:
        TObject* Object() const { return FHoldsColor ? nullptr : FObject; }
        void SetObject(TObject* Value) { FObject = Value, FHoldsColor = false; }
        TColor Color() const { return FHoldsColor ? FColor : clNone; }
        void SetColor(TColor Value) { FObject = nullptr, FColor = Value, FHoldsColor = true; }
        void Clear() { FObject = nullptr, FHoldsColor = false; }

    private:
        TObject* FObject = nullptr;
        TColor FColor = clNone;
        bool FHoldsColor = false;
    };

    void Place(TCellHAlign hal, TCellVAlign val) { FCellHAlign = hal, FCellVAlign = val; }
    TPoint PictureExtent() const;

    TCellType FCellType = ctNone;
    TSlot FBitmapSlot;
    TSlot FIconSlot;
    TCellVAlign FCellVAlign = vaTop;
    TCellHAlign FCellHAlign = haLeft;
    int32_t FCellIndex = 0;
    bool FCellTransparent = false;
    bool FCellCreated = false;
    bool FCellBoolean = false;
    int32_t FCellAngle = 0;
    double FCellValue = 0;
    int32_t FCellErrFrom = 0;
    int32_t FCellErrLen = 0;
    QString FCellText;
    QVariant FCellVar;
    TCheckBoxState FCellCheckBoxState = cbUnchecked;
};
