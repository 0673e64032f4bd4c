// Small classes the string grid keeps: a hidden row, a filter condition, the background settings
// and the base of objects that hear about changed cells.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Collection.h"
#include "rtl/Component.h"
#include "rtl/Types.h"

#include <QString>

#include <cstdint>
#include <memory>

class TBitmap;
class TControl;
class TStringList;
class TStrings;

// A row the grid took out of view, with its texts (one line per column), height and level. The cell
// properties parked as the lines' objects are owned by the item and freed with it.
class TGridItem : public TCollectionItem {
public:
    explicit TGridItem(TCollection* Collection);
    ~TGridItem() override;

    // The real row index the row had. Storing tells the grid's row index.
    int32_t Idx() const { return FIdx; }
    void SetIdx(int32_t Value);
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t Value) { FHeight = Value; }
    // Owned; filled through the list itself, never replaced.
    TStrings* Items() const;
    // Empties every line's text and frees the properties parked there; the lines stay.
    void EmptyCells();
    int32_t Level() const { return FLevel; }
    void SetLevel(int32_t Value) { FLevel = Value; }

private:
    int32_t FIdx = 0;
    int32_t FHeight = 0;
    std::unique_ptr<TStringList> FItems;
    int32_t FLevel = 0;
};

// How a filter condition combines with the ones before it.
enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
// Which text of a cell a condition tests.
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterMethod { fmExpression, fmLiteral };

// One filter condition.
class TFilterData : public TCollectionItem {
public:
    explicit TFilterData(TCollection* Collection) : TCollectionItem(Collection) {}

    // Copies everything but Method from another condition; nil does nothing, a source of another
    // class raises EInvalidCast.
    void Assign(TPersistent* Source) override;

    int16_t Column() const { return FColumn; }
    void SetColumn(int16_t Value) { FColumn = Value; }
    const QString& Condition() const { return FCondition; }
    void SetCondition(const QString& Value) { FCondition = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    // Removed from the end of the cell text before testing.
    const QString& Suffix() const { return FSuffix; }
    void SetSuffix(const QString& Value) { FSuffix = Value; }
    // Removed from the start of the cell text before testing.
    const QString& Prefix() const { return FPrefix; }
    void SetPrefix(const QString& Value) { FPrefix = Value; }
    TFilterOperation Operation() const { return FOperation; }
    void SetOperation(TFilterOperation Value) { FOperation = Value; }
    TFilterCells Data() const { return FData; }
    void SetData(TFilterCells Value) { FData = Value; }
    TFilterMethod Method() const { return FMethod; }
    void SetMethod(TFilterMethod Value) { FMethod = Value; }

private:
    int16_t FColumn = 0;
    QString FCondition;
    bool FCaseSensitive = true;
    QString FSuffix;
    QString FPrefix;
    TFilterOperation FOperation = foSHORT;
    TFilterCells FData = fcVirtual;
    TFilterMethod FMethod = fmExpression;
};

class TExtStringGrid;

// The grid's filter conditions, one item per condition.
class TFilter : public TCollection {
public:
    // AOwner, the grid, is not owned and may be nil.
    explicit TFilter(TExtStringGrid* AOwner);

    // A new condition at the end: foNONE when it is the only one, else foAND.
    TFilterData* Add();
    // Appends a new condition (the index is not used); it keeps foSHORT.
    TFilterData* Insert(int32_t Index);
    TFilterData* Items(int32_t Index) const { return Item<TFilterData>(Index); }
    // Copies Value into the condition at Index.
    void SetItems(int32_t Index, TFilterData* Value) { TCollection::SetItems(Index, Value); }
    // The first condition of column Col; a new one made by Add when the column has none.
    TFilterData* ColumnFilter(int32_t Col);
    bool HasFilter(int32_t Col) const;
    // Deletes every condition of column Col, then repaints the grid's cell (Col, 0).
    void RemoveColumnFilter(int32_t Col);
    TExtStringGrid* Grid() const { return FOwner; }

protected:
    TPersistent* GetOwner() const override;

private:
    TExtStringGrid* FOwner;
};

enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

// The grid's background picture or gradient. Every setter stores and repaints the grid.
class TBackGround : public TPersistent {
public:
    // AGrid is not owned and may be nil.
    explicit TBackGround(TControl* AGrid);
    ~TBackGround() override;

    int32_t Top() const { return FTop; }
    void SetTop(int32_t Value);
    int32_t Left() const { return FLeft; }
    void SetLeft(int32_t Value);
    TBackGroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackGroundDisplay Value);
    TBitmap* Bitmap() const { return FBitmap.get(); }
    // Copies the picture into the owned bitmap.
    void SetBitmap(TBitmap* Value);
    TBackGroundCells Cells() const { return FBackgroundCells; }
    void SetCells(TBackGroundCells Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);

private:
    void Changed();

    TControl* FGrid;
    int32_t FTop = 0;
    int32_t FLeft = 0;
    TBackGroundDisplay FDisplay = bdTile;
    TBackGroundCells FBackgroundCells = bcNormal;
    TColor FColorTo = clBtnFace;
    TColor FColor = clWindow;
    std::unique_ptr<TBitmap> FBitmap;
};

// Base of the components that hear about changed cells once registered with a grid
// (RegisterNotifier): the grid calls CellsChanged with the rectangle of changed cells.
class TGridChangeNotifier : public TComponent {
public:
    explicit TGridChangeNotifier(TComponent* AOwner) : TComponent(AOwner) {}

    virtual void CellsChanged(const TRect& R) { (void)R; }
};
