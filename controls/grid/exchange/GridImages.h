// The nine image classes of the binary cell stream: a header, a cell, its properties, its graphic
// and the pictures and lists a graphic carries. Each owns the one object it carries.
#pragma once

#include "grid/exchange/ComponentImage.h"

#include <QString>

#include <cstdint>
#include <memory>

class TBitmap;
class TCellGraphic;
class TCellProperties;
class TFilePicture;
class TIcon;
class TPicture;
class TStringList;

// The stream's header: the size of the rectangle and whether it is the whole grid.
class TGridPropIO : public TGridImage {
public:
    using TGridImage::TGridImage;
    const TImageClass& ImageClass() const override;

    int32_t ColCount() const { return FColCount; }
    void SetColCount(int32_t Value) { FColCount = Value; }
    int32_t RowCount() const { return FRowCount; }
    void SetRowCount(int32_t Value) { FRowCount = Value; }
    // Widths and heights in pixels, as decimal numbers joined by ",".
    const QString& ColWidths() const { return FColWidths; }
    void SetColWidths(const QString& Value) { FColWidths = Value; }
    const QString& RowHeights() const { return FRowHeights; }
    void SetRowHeights(const QString& Value) { FRowHeights = Value; }
    bool FullGrid() const { return FFullGrid; }
    void SetFullGrid(bool Value) { FFullGrid = Value; }
    // Tells the writing grid's own copy from a foreign one.
    int32_t ID() const { return FID; }
    void SetID(int32_t Value) { FID = Value; }

private:
    int32_t FColCount = 0;
    int32_t FRowCount = 0;
    QString FColWidths;
    QString FRowHeights;
    bool FFullGrid = false;
    int32_t FID = 0;
};

// One cell: its place modulo 65536, its text and whether a properties image follows.
class TGridCellIO : public TGridImage {
public:
    using TGridImage::TGridImage;
    const TImageClass& ImageClass() const override;

    uint16_t Col() const { return FCol; }
    void SetCol(uint16_t Value) { FCol = Value; }
    uint16_t Row() const { return FRow; }
    void SetRow(uint16_t Value) { FRow = Value; }
    const QString& Cell() const { return FCell; }
    void SetCell(const QString& Value) { FCell = Value; }
    bool HasProp() const { return FHasProp; }
    void SetHasProp(bool Value) { FHasProp = Value; }

private:
    uint16_t FCol = 0;
    uint16_t FRow = 0;
    QString FCell;
    bool FHasProp = false;
};

// A cell's properties (of no grid) and whether a graphic image follows. The image carries the
// numeric object reference and the control's name, but reading sets neither: both mean something
// only inside the program that wrote them.
class TGridCellPropIO : public TGridImage {
public:
    explicit TGridCellPropIO(TComponent* AOwner);
    ~TGridCellPropIO() override;
    const TImageClass& ImageClass() const override;

    TCellProperties* CellProperties() const { return FCellProperties.get(); }
    bool HasGraphic() const { return FHasGraphic; }
    void SetHasGraphic(bool Value) { FHasGraphic = Value; }

private:
    std::unique_ptr<TCellProperties> FCellProperties;
    bool FHasGraphic = false;
};

// A cell's graphic object: its kind, placement and plain values.
class TGridGraphicIO : public TGridImage {
public:
    explicit TGridGraphicIO(TComponent* AOwner);
    ~TGridGraphicIO() override;
    const TImageClass& ImageClass() const override;

    TCellGraphic* CellGraphic() const { return FCellGraphic.get(); }

private:
    std::unique_ptr<TCellGraphic> FCellGraphic;
};

class TGridBMPIO : public TGridImage {
public:
    explicit TGridBMPIO(TComponent* AOwner);
    ~TGridBMPIO() override;
    const TImageClass& ImageClass() const override;

    TBitmap* Bitmap() const { return FBitmap.get(); }

private:
    std::unique_ptr<TBitmap> FBitmap;
};

class TGridIconIO : public TGridImage {
public:
    explicit TGridIconIO(TComponent* AOwner);
    ~TGridIconIO() override;
    const TImageClass& ImageClass() const override;

    TIcon* Icon() const { return FIcon.get(); }

private:
    std::unique_ptr<TIcon> FIcon;
};

class TGridPicIO : public TGridImage {
public:
    explicit TGridPicIO(TComponent* AOwner);
    ~TGridPicIO() override;
    const TImageClass& ImageClass() const override;

    TPicture* Picture() const { return FPicture.get(); }

private:
    std::unique_ptr<TPicture> FPicture;
};

// A file picture travels by name only. Reading the name opens only a regular file; a file that
// cannot be read as a picture leaves the name with the size 0 x 0.
class TGridFilePicIO : public TGridImage {
public:
    explicit TGridFilePicIO(TComponent* AOwner);
    ~TGridFilePicIO() override;
    const TImageClass& ImageClass() const override;

    TFilePicture* Picture() const { return FPicture.get(); }

private:
    std::unique_ptr<TFilePicture> FPicture;
};

// Radio options, or image indexes as decimal texts.
class TGridSLIO : public TGridImage {
public:
    explicit TGridSLIO(TComponent* AOwner);
    ~TGridSLIO() override;
    const TImageClass& ImageClass() const override;

    TStringList* Strings() const { return FStrings.get(); }

private:
    std::unique_ptr<TStringList> FStrings;
};
