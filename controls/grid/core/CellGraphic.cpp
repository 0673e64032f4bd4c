// TCellGraphic: kinds, slots, ownership by kind and the picture size of picture cells.
#include "grid/core/CellGraphic.h"

#include "grid/base/FilePicture.h"
#include "grid/base/GridSupport.h"

#include "graphics/Bitmap.h"
#include "graphics/Icon.h"
#include "graphics/Picture.h"
#include "rtl/NumConv.h"
#include "rtl/Strings.h"

#include <algorithm>

TCellGraphic::~TCellGraphic()
{
    ClearObjects();
}

void TCellGraphic::ClearObjects()
{
    switch (FCellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        if (FCellCreated) delete FBitmapSlot.Object();
        break;
    case ctImages:
    case ctBalloon: delete FBitmapSlot.Object(); break;
    case ctIcon:
        if (FCellCreated) delete FIconSlot.Object();
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
        // Balloon texts attached to the box.
        if (FCellAngle == 1) delete FBitmapSlot.Object();
        break;
    default: break;
    }
    FBitmapSlot.Clear();
    FIconSlot.Clear();
    FCellCreated = false;
}

void TCellGraphic::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TCellGraphic*>(Source);
    if (!Src) {
        TPersistent::Assign(Source);
        return;
    }
    if (Src == this) return;
    ClearObjects();
    FCellType = Src->FCellType;
    FCellVAlign = Src->FCellVAlign;
    FCellHAlign = Src->FCellHAlign;
    FCellIndex = Src->FCellIndex;
    FCellTransparent = Src->FCellTransparent;
    FCellValue = Src->FCellValue;
    FCellAngle = Src->FCellAngle;
    FCellBoolean = Src->FCellBoolean;
    FCellErrFrom = Src->FCellErrFrom;
    FCellErrLen = Src->FCellErrLen;
    FCellText = Src->FCellText;
    FCellCreated = Src->FCellCreated;
}

TBitmap* TCellGraphic::CellBitmap() const
{
    return dynamic_cast<TBitmap*>(FBitmapSlot.Object());
}

TPicture* TCellGraphic::CellPicture() const
{
    return dynamic_cast<TPicture*>(FBitmapSlot.Object());
}

TFilePicture* TCellGraphic::CellFilePicture() const
{
    return dynamic_cast<TFilePicture*>(FBitmapSlot.Object());
}

TIntList* TCellGraphic::CellImages() const
{
    return dynamic_cast<TIntList*>(FBitmapSlot.Object());
}

TStrings* TCellGraphic::CellStrings() const
{
    return dynamic_cast<TStrings*>(FBitmapSlot.Object());
}

TIcon* TCellGraphic::CellIcon() const
{
    return dynamic_cast<TIcon*>(FIconSlot.Object());
}

void TCellGraphic::SetCellIcon(TIcon* Value)
{
    FIconSlot.SetObject(Value);
}

void TCellGraphic::SetInterfacedCell(TPersistent* AObject)
{
    FCellType = ctInterface;
    FBitmapSlot.SetObject(AObject);
}

void TCellGraphic::SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctBitmap;
    FBitmapSlot.SetObject(ABmp);
    FCellTransparent = Transparent;
    Place(hal, val);
}

void TCellGraphic::SetButton(int32_t bw, int32_t bh, const QString& caption, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctButton;
    Place(hal, val);
    FCellIndex = static_cast<int32_t>((static_cast<uint32_t>(bh) << 16) | (static_cast<uint32_t>(bw) & 0xFFFF));
    FCellBoolean = false;
    FCellText = caption;
}

void TCellGraphic::SetBitButton(int32_t bw, int32_t bh, const QString& caption, TBitmap* Glyph, TCellHAlign hal,
                                TCellVAlign val)
{
    SetButton(bw, bh, caption, hal, val);
    FCellType = ctBitButton;
    FBitmapSlot.SetObject(Glyph);
}

void TCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int32_t padding,
                              TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctPicture;
    FBitmapSlot.SetObject(APicture);
    FCellTransparent = Transparent;
    FCellAngle = StretchMode;
    FCellIndex = padding;
    Place(hal, val);
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int32_t padding,
                                  TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctFilePicture;
    FBitmapSlot.SetObject(APicture);
    FCellTransparent = Transparent;
    FCellAngle = StretchMode;
    FCellIndex = padding;
    Place(hal, val);
}

void TCellGraphic::SetMultiImage(int32_t Col, int32_t Row, int32_t dir, TCellHAlign hal, TCellVAlign val,
                                 std::function<void(TObject* Sender, int32_t ACol, int32_t ARow)> Notifier)
{
    ClearObjects();
    FCellType = ctImages;
    Place(hal, val);
    FCellBoolean = dir == 0;
    auto* Images = new TIntList(Col, Row);
    Images->OnChange = std::move(Notifier);
    FBitmapSlot.SetObject(Images);
    FCellCreated = true;
}

TPoint TCellGraphic::PictureExtent() const
{
    if (TPicture* Picture = CellPicture()) return {Picture->Width(), Picture->Height()};
    if (TFilePicture* Picture = CellFilePicture()) return {Picture->Width(), Picture->Height()};
    return {0, 0};
}

TPoint TCellGraphic::GetPictureSize(int32_t cw, int32_t rh, bool) const
{
    if (FCellType != ctPicture && FCellType != ctFilePicture) return {0, 0};
    const TPoint Size = PictureExtent();
    const int32_t w = Size.X;
    const int32_t h = Size.Y;
    cw -= FCellIndex;
    rh -= FCellIndex;
    const auto Fit = [&](bool CapAtOne) -> TPoint {
        double rx = w > 0 ? double(cw) / w : 1.0;
        double ry = h > 0 ? double(rh) / h : 1.0;
        if (CapAtOne) rx = std::min(rx, 1.0), ry = std::min(ry, 1.0);
        if (rx >= ry) return {static_cast<int32_t>(RoundHalfEven(w * ry)), rh};
        return {cw, static_cast<int32_t>(RoundHalfEven(h * rx))};
    };
    const bool Fits = cw >= w && rh >= h;
    switch (FCellAngle) {
    case Stretch: return {cw, rh};
    case StretchWithAspectRatio: return Fit(false);
    case Shrink: return Fits ? TPoint{w, h} : TPoint{cw, rh};
    case ShrinkWithAspectRatio: return Fits ? TPoint{w, h} : Fit(true);
    default: return {w, h};
    }
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    FCellType = Data ? ctDataCheckBox : ctCheckBox;
    FCellAngle = 0;
    FCellBoolean = Value;
    FCellTransparent = Flat;
    Place(hal, val);
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctTriStateCheckBox;
    FCellCheckBoxState = Value;
    FCellBoolean = false;
    FCellTransparent = Flat;
    Place(hal, val);
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctRadioButton;
    FCellAngle = 0;
    FCellBoolean = Value;
    FCellTransparent = Flat;
    Place(hal, val);
}

void TCellGraphic::SetIcon(TIcon* aicon, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctIcon;
    FIconSlot.SetObject(aicon);
    Place(hal, val);
}

void TCellGraphic::SetDataImage(int32_t idx, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctDataImage;
    FCellIndex = idx;
    Place(hal, val);
}

void TCellGraphic::SetImageIdx(int32_t idx, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctImageList;
    FCellIndex = idx;
    Place(hal, val);
}

void TCellGraphic::SetAngle(int16_t AAngle)
{
    if (FCellType != ctRotated) ClearObjects();
    FCellType = ctRotated;
    int32_t Angle = AAngle;
    while (Angle < 0) Angle += 360;
    while (Angle > 360) Angle -= 360;
    FCellAngle = Angle;
}
