// The column grid's column items and their collection: one item per real column of the grid.
#pragma once

#include "grid/core/CellTypes.h"
#include "grid/core/ExtGridTypes.h"

#include "graphics/Colors.h"
#include "rtl/Collection.h"
#include "rtl/DateTime.h"
#include "windows/Controls.h"

#include <QString>

#include <cstdint>
#include <memory>

class TEditLink;
class TExtColumnGrid;
class TFont;
class TPen;
class TPopupMenu;
class TStringList;
class TStrings;

// Which clicks open a column's pop-up menu.
enum TColumnPopupType {
    cpFixedCellsRClick,
    cpFixedCellsLClick,
    cpNormalCellsRClick,
    cpNormalCellsLClick,
    cpAllCellsRClick,
    cpAllCellsLClick
};

// The settings of one column. Index() is the real column index, hidden columns included. Inside a
// collection owned by a column grid the item starts from the grid's font and colour and hears the
// changes of its own fonts, pen and filter list; alone it keeps default fonts and colour 0.
class TGridColumnItem : public TCollectionItem {
public:
    explicit TGridColumnItem(TCollection* Collection);
    ~TGridColumnItem() override;

    // From another column item: every property but ColumnPopupType and the two print flags, and
    // DefIdx; nothing for any other source.
    void Assign(TPersistent* Source) override;
    // The visual settings of another item (see the copy list); Color and Font become the grid's.
    void AssignVisuals(TPersistent* Source);
    QString DisplayName() const override;
    QString GetDisplayName() const { return DisplayName(); }

    // The grid owning the collection; nil for an item alone or in a collection without a grid.
    TExtColumnGrid* Grid() const;

    int32_t AutoMinSize() const { return FAutoMinSize; }
    void SetAutoMinSize(int32_t Value) { FAutoMinSize = Value; }
    int32_t AutoMaxSize() const { return FAutoMaxSize; }
    void SetAutoMaxSize(int32_t Value) { FAutoMaxSize = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TCellBorders Borders() const { return FBorders; }
    void SetBorders(TCellBorders Value);
    TPen* BorderPen() const { return FBorderPen.get(); }
    void SetBorderPen(TPen* Value);
    const QString& CheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const QString& Value) { FCheckFalse = Value; }
    const QString& CheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const QString& Value) { FCheckTrue = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // Not owned; the grid clears it when the menu goes.
    TPopupMenu* ColumnPopup() const { return FColumnPopup; }
    void SetColumnPopup(TPopupMenu* Value) { FColumnPopup = Value; }
    TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
    void SetColumnPopupType(TColumnPopupType Value) { FColumnPopupType = Value; }
    TStringList* ComboItems() const { return FComboItems.get(); }
    void SetComboItems(TStrings* Value);
    int32_t DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int32_t Value) { FDropDownCount = Value; }
    int32_t EditLength() const { return FEditLength; }
    void SetEditLength(int32_t Value) { FEditLength = Value; }
    // Not owned; the grid clears it when the link goes.
    TEditLink* EditLink() const { return FEditLink; }
    void SetEditLink(TEditLink* Value) { FEditLink = Value; }
    const QString& EditMask() const { return FEditMask; }
    void SetEditMask(const QString& Value) { FEditMask = Value; }
    TEditorType Editor() const { return FEditorType; }
    void SetEditor(TEditorType Value);
    TStringList* Filter() const { return FFilter.get(); }
    void SetFilter(TStrings* Value);
    bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
    void SetFilterCaseSensitive(bool Value) { FFilterCaseSensitive = Value; }
    bool Fixed() const { return FFixed; }
    void SetFixed(bool Value);
    const QString& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const QString& Value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    const QString& Header() const { return FColumnHeader; }
    void SetHeader(const QString& Value);
    TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void SetHeaderAlignment(TAlignment Value);
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(TFont* Value);
    int32_t MinSize() const { return FMinSize; }
    void SetMinSize(int32_t Value) { FMinSize = Value; }
    int32_t MaxSize() const { return FMaxSize; }
    void SetMaxSize(int32_t Value) { FMaxSize = Value; }
    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }
    bool Password() const { return FPassword; }
    void SetPassword(bool Value);
    bool PrintBorderCustom() const { return FPrintBorderCustom; }
    void SetPrintBorderCustom(bool Value) { FPrintBorderCustom = Value; }
    TCellBorders PrintBorders() const { return FPrintBorders; }
    void SetPrintBorders(TCellBorders Value) { FPrintBorders = Value; }
    TPen* PrintBorderPen() const { return FPrintBorderPen.get(); }
    void SetPrintBorderPen(TPen* Value);
    TColor PrintColor() const { return FPrintColor; }
    void SetPrintColor(TColor Value) { FPrintColor = Value; }
    bool PrintFontCustom() const { return FPrintFontCustom; }
    void SetPrintFontCustom(bool Value) { FPrintFontCustom = Value; }
    TFont* PrintFont() const { return FPrintFont.get(); }
    void SetPrintFont(TFont* Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool ShowBands() const { return FShowBands; }
    void SetShowBands(bool Value);
    TSortStyle SortStyle() const { return FSortStyle; }
    void SetSortStyle(TSortStyle Value) { FSortStyle = Value; }
    const QString& SortPrefix() const { return FSortPrefix; }
    void SetSortPrefix(const QString& Value) { FSortPrefix = Value; }
    const QString& SortSuffix() const { return FSortSuffix; }
    void SetSortSuffix(const QString& Value) { FSortSuffix = Value; }
    int32_t SpinMax() const { return FSpinMax; }
    void SetSpinMax(int32_t Value) { FSpinMax = Value; }
    int32_t SpinMin() const { return FSpinMin; }
    void SetSpinMin(int32_t Value) { FSpinMin = Value; }
    int32_t SpinStep() const { return FSpinStep; }
    void SetSpinStep(int32_t Value) { FSpinStep = Value; }
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t Value) { FTag = Value; }
    // The grid's width of the column (0 without a collection); setting also sizes the grid column.
    int32_t Width() const;
    void SetWidth(int32_t Value);
    // The last width known to the item.
    int32_t WidthField() const { return FWidth; }
    void SetWidthField(int32_t Value) { FWidth = Value; }
    int32_t DefIdx() const { return FDefIdx; }
    void SetDefIdx(int32_t Value) { FDefIdx = Value; }

    // The grid's cell of this column in real row ARow.
    QString Rows(int32_t ARow) const;
    void SetRows(int32_t ARow, const QString& Value);
    int32_t Ints(int32_t ARow) const;
    void SetInts(int32_t ARow, int32_t Value);
    double Floats(int32_t ARow) const;
    void SetFloats(int32_t ARow, double Value);
    TDateTime Dates(int32_t ARow) const;
    void SetDates(int32_t ARow, TDateTime Value);
    TDateTime Times(int32_t ARow) const;
    void SetTimes(int32_t ARow, TDateTime Value);

private:
    friend class TExtColumnGrid;
    // The collection's Update hook.
    void Notify();
    void Repaint();
    TExtColumnGrid* GridOrRaise() const;

    int32_t FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    QString FColumnHeader;
    TSortStyle FSortStyle = ssAutomatic;
    QString FSortPrefix;
    QString FSortSuffix;
    QString FEditMask;
    int32_t FEditLength = 0;
    TEditLink* FEditLink = nullptr;
    std::unique_ptr<TFont> FFont;
    TColor FColor = 0;
    TEditorType FEditorType = edNormal;
    bool FFixed = false;
    bool FReadOnly = false;
    std::unique_ptr<TStringList> FComboItems;
    int32_t FDropDownCount = 8;
    int32_t FSpinMin = 0;
    int32_t FSpinMax = 0;
    int32_t FSpinStep = 1;
    bool FPassword = false;
    std::unique_ptr<TFont> FPrintFont;
    TColor FPrintColor = clWhite;
    TCellBorders FBorders;
    std::unique_ptr<TPen> FBorderPen;
    TCellBorders FPrintBorders{cbTop, cbLeft, cbRight, cbBottom};
    std::unique_ptr<TPen> FPrintBorderPen;
    int32_t FTag = 0;
    int32_t FDefIdx = 0;
    QString FName;
    QString FCheckFalse = QStringLiteral("N");
    QString FCheckTrue = QStringLiteral("Y");
    bool FShowBands = false;
    std::unique_ptr<TStringList> FFilter;
    int32_t FMaxSize = 0;
    int32_t FMinSize = 0;
    int32_t FAutoMinSize = 0;
    int32_t FAutoMaxSize = 0;
    TColumnPopupType FColumnPopupType = cpFixedCellsRClick;
    TPopupMenu* FColumnPopup = nullptr;
    bool FFilterCaseSensitive = false;
    QString FFloatFormat;
    TAlignment FHeaderAlignment = taLeftJustify;
    std::unique_ptr<TFont> FHeaderFont;
    bool FPrintBorderCustom = true;
    bool FPrintFontCustom = true;
};

// The items of a column grid. While NoRecursiveUpdate is set the Update hook does nothing, so that
// the grid can add and remove items while it adjusts itself.
class TGridColumnCollection : public TCollection {
public:
    // AOwner is not owned.
    explicit TGridColumnCollection(TExtColumnGrid* AOwner);

    TGridColumnItem* Items(int32_t Index) const { return Item<TGridColumnItem>(Index); }
    // Copies Value into the item at Index.
    void SetItems(int32_t Index, TGridColumnItem* Value) { Items(Index)->Assign(Value); }
    // A new item at the end; from the second item on it copies the visuals of the one before.
    TGridColumnItem* Add();
    TGridColumnItem* Insert(int32_t Index);
    // Moves the grid's columns back to the order of their DefIdx (stable, at most Count moves).
    void ResetOrganization();
    // Items and grid columns in step, then every DefIdx := its index.
    void SetOrganization();

    TExtColumnGrid* Grid() const { return FOwner; }
    bool NoRecursiveUpdate() const { return FNoRecursiveUpdate; }
    void SetNoRecursiveUpdate(bool Value) { FNoRecursiveUpdate = Value; }

protected:
    TPersistent* GetOwner() const override;
    void Update(TCollectionItem* Item) override;

private:
    TExtColumnGrid* FOwner = nullptr;
    bool FNoRecursiveUpdate = false;
};
