// The columns and items of the multi-column drop-down, and the event types of its list.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Collection.h"
#include "rtl/Types.h"
#include "windows/Controls.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TCanvas;
class TFont;
class TStringList;
class TStrings;

// The columns and items of the multi-column drop-down; the grid drop-down takes them under its own names.
namespace MultiColumn {

enum TColumnType { ctText, ctImage };

// (Sender, Column, Row, var Text).
using TGetCellTextEvent = std::function<void(TObject* Sender, int32_t Column, int32_t Row, QString& Text)>;
// (Sender, Column, Row, ACanvas, ARect).
using TDrawCellEvent =
    std::function<void(TObject* Sender, int32_t Column, int32_t Row, TCanvas* ACanvas, const TRect& ARect)>;
// (Sender, Column, Row, Font, var AColor, var AColorTo).
using TGetCellPropEvent =
    std::function<void(TObject* Sender, int32_t Column, int32_t Row, TFont* Font, TColor& AColor, TColor& AColorTo)>;

// One column of the list; its Width is also its weight when the widths follow the pop-up's.
class TDropDownColumn : public TCollectionItem {
public:
    explicit TDropDownColumn(TCollection* Collection);
    ~TDropDownColumn() override;

    bool Wordwrap() const { return FWordwrap; }
    void SetWordwrap(bool Value) { FWordwrap = Value; }
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t Value) { FWidth = Value; }
    // Takes the width of its widest cell text when the list is filled.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    const QString& Header() const { return FHeader; }
    void SetHeader(const QString& Value) { FHeader = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColumnType ColumnType() const { return FColumnType; }
    void SetColumnType(TColumnType Value) { FColumnType = Value; }
    TFont* Font() const { return FFont.get(); }
    // Copies the font's attributes.
    void SetFont(TFont* Value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value) { FEllipsis = Value; }

    // From another column every field, the font by value.
    void Assign(TPersistent* Source) override;

private:
    bool FWordwrap = false;
    int32_t FWidth = 80;
    bool FAutoSize = false;
    QString FHeader;
    TAlignment FAlignment = taLeftJustify;
    TColor FColor = clWhite;
    TColumnType FColumnType = ctText;
    std::unique_ptr<TFont> FFont;
    bool FEllipsis = false;
};

class TDropDownColumns : public TCollection {
public:
    // AOwner: the drop-down or the list (not owned).
    explicit TDropDownColumns(TPersistent* AOwner);
    TDropDownColumn* Add() { return static_cast<TDropDownColumn*>(TCollection::Add()); }
    TDropDownColumn* Insert(int32_t Index) { return static_cast<TDropDownColumn*>(TCollection::Insert(Index)); }
    TDropDownColumn* Items(int32_t Index) const { return static_cast<TDropDownColumn*>(TCollection::Items(Index)); }
    void SetItems(int32_t Index, TDropDownColumn* Value) { Items(Index)->Assign(Value); }

    std::function<void(TObject* Sender)> OnChange;

protected:
    TPersistent* GetOwner() const override { return FMyOwner; }

private:
    TPersistent* FMyOwner;
};

// One row of the list: line i of Text is the cell of column i.
class TDropDownItem : public TCollectionItem {
public:
    explicit TDropDownItem(TCollection* Collection);
    ~TDropDownItem() override;

    // The image of the row in ctImage columns.
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value) { FImageIndex = Value; }
    TStringList* Text() const { return FText.get(); }
    // Copies the lines.
    void SetText(TStrings* Value);
    // The line of Column; empty when the item has no such line.
    QString Line(int32_t Column) const;
    bool HasLine(int32_t Column) const;

    // From another item its image index and its lines.
    void Assign(TPersistent* Source) override;

private:
    int32_t FImageIndex = -1;
    std::unique_ptr<TStringList> FText;
};

class TDropDownItems : public TCollection {
public:
    explicit TDropDownItems(TPersistent* AOwner);
    ~TDropDownItems() override;
    TDropDownItem* Add() { return static_cast<TDropDownItem*>(TCollection::Add()); }
    TDropDownItem* Insert(int32_t Index) { return static_cast<TDropDownItem*>(TCollection::Insert(Index)); }
    TDropDownItem* Items(int32_t Index) const { return static_cast<TDropDownItem*>(TCollection::Items(Index)); }
    void SetItems(int32_t Index, TDropDownItem* Value) { Items(Index)->Assign(Value); }
    // The first item whose line Column is exactly Value (case counts); items without that line are
    // passed over; -1 when none is.
    int32_t IndexInColumn(int32_t Column, const QString& Value) const;
    // Counts every change of the items or their lines, so that what was prepared from them can tell
    // whether it still holds.
    uint64_t ChangeStamp() const { return FChangeStamp; }

    std::function<void(TObject* Sender)> OnChange;

protected:
    TPersistent* GetOwner() const override { return FMyOwner; }
    void Update(TCollectionItem* Item) override;
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

private:
    friend class TDropDownItem;
    TPersistent* FMyOwner;
    uint64_t FChangeStamp = 0;
};

}  // namespace MultiColumn
