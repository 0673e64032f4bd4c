// TCustomColorSelector: the palette of colour boxes (60 by default) with framed shade columns, hot and selected boxes and keys.
#pragma once

#include "dropdown/ColorSelectorPanel.h"
#include "dropdown/DropDownTypes.h"

#include "graphics/Colors.h"
#include "rtl/Collection.h"

#include <cstdint>
#include <functional>
#include <memory>

class TCanvas;

// Where a box stands in a framed column of shades.
enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

class TColorBoxItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    // clNone leaves the box unfilled. A new colour fires the collection's OnChange.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // A disabled box can be neither hot nor selected.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    // The box's cell in panel coordinates, written by the layout; (-1, -1, -1, -1) before it.
    TRect Rect() const { return FRect; }
    void SetRect(const TRect& Value) { FRect = Value; }
    TItemPos ColorBoxPos() const { return FColorBoxPos; }
    void SetColorBoxPos(TItemPos Value) { FColorBoxPos = Value; }

    // From another colour box: colour, enabled state and position.
    void Assign(TPersistent* Source) override;

private:
    TColor FColor = clNone;
    bool FEnabled = true;
    TRect FRect{-1, -1, -1, -1};
    TItemPos FColorBoxPos = ipStandAlone;
};

class TColorBoxItems : public TOwnedCollection {
public:
    explicit TColorBoxItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TColorBoxItem>()) {}
    TColorBoxItem* Add() { return static_cast<TColorBoxItem*>(TCollection::Add()); }
    TColorBoxItem* Insert(int32_t Index) { return static_cast<TColorBoxItem*>(TCollection::Insert(Index)); }
    TColorBoxItem* Items(int32_t Index) const { return static_cast<TColorBoxItem*>(TCollection::Items(Index)); }

    // Fired by the items' colour setter.
    std::function<void(TObject* Sender)> OnChange;
};

// The frame colours of the boxes; the setters only store.
class TColorBoxAppearance : public TPersistent {
public:
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    TColor OuterBorderColorHot() const { return FOuterBorderColorHot; }
    void SetOuterBorderColorHot(TColor Value) { FOuterBorderColorHot = Value; }
    TColor InnerBorderColorHot() const { return FInnerBorderColorHot; }
    void SetInnerBorderColorHot(TColor Value) { FInnerBorderColorHot = Value; }
    TColor OuterBorderColorSelected() const { return FOuterBorderColorSelected; }
    void SetOuterBorderColorSelected(TColor Value) { FOuterBorderColorSelected = Value; }
    TColor InnerBorderColorSelected() const { return FInnerBorderColorSelected; }
    void SetInnerBorderColorSelected(TColor Value) { FInnerBorderColorSelected = Value; }
    // The colours a new appearance has.
    void ResetColors();

    void Assign(TPersistent* Source) override;

    std::function<void(TObject* Sender)> OnChange;

private:
    void CopyColors(const TColorBoxAppearance& Source);

    TColor FBorderColor = 0xC5C5C5;
    TColor FOuterBorderColorHot = RGB(0xF2, 0x94, 0x36);
    TColor FInnerBorderColorHot = RGB(0xFF, 0xE2, 0x94);
    TColor FOuterBorderColorSelected = clRed;
    TColor FInnerBorderColorSelected = RGB(0xFF, 0xE2, 0x94);
};

class TCustomColorSelector : public TExtCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(TComponent* AOwner);
    ~TCustomColorSelector() override;

    TColorBoxAppearance* ColorBoxAppearance() const { return FColorBoxAppearance.get(); }
    void SetColorBoxAppearance(TColorBoxAppearance* Value) { FColorBoxAppearance->Assign(Value); }
    TColorBoxItems* Items() const { return FItems.get(); }
    void SetItems(TColorBoxItems* Value) { FItems->Assign(Value); }
    // The selected box, -1 for none. Selecting a box takes its colour, draws it and fires
    // OnItemSelect (also when it was selected already); a disabled box is refused; an index past
    // the boxes raises the collection's index error.
    int32_t ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int32_t Value);
    int32_t ItemHot() const { return FItemHot; }
    // Nothing for the hot box or a disabled one; otherwise the old hot box is cleared and the new drawn.
    void SetItemHot(int32_t Index);
    // These four re-run the layout when they change.
    int32_t ColumnGap() const { return FColumnGap; }
    void SetColumnGap(int32_t Value);
    int32_t Columns() const { return FColumns; }
    void SetColumns(int32_t Value);
    int32_t ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int32_t Value);
    int32_t ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int32_t Value);
    // A preset style gives the box appearance its first colours again; scCustom changes none.
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle Value);
    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first box of that colour, or none.
    void SetSelectedColor(TColor AColor);

    // The 60 colours: a row of base colours, then five rows of their shades in framed columns.
    void AddDefaultPalette();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Arrow and paging keys of the picker, by whether its pop-up is open and its edit takes typing.
    void HandleKey(uint16_t Key, bool EditorEnabled, bool DroppedDown);
    // The first box whose cell holds the point; -1 when none does.
    int32_t ItemAtPos(int32_t X, int32_t Y) const;

    virtual void DrawItem(int32_t Index, TCanvas* ACanvas);
    virtual void GetItemsArea(TRect& R);
    virtual void GetItemSize(TSize& ASize);
    // Places the boxes row by row and sizes the panel around them.
    virtual void ArrangeItems();
    virtual void InvalidateItem(int32_t Index);

    std::function<void(TObject* Sender)> OnItemSelect;

protected:
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;

private:
    bool IsDisabledItem(int32_t Index) const;
    // Draws the box now when the panel has a window.
    void DrawItemNow(int32_t Index);

    int32_t FItemIndex = -1;
    int32_t FItemHot = -1;
    int32_t FOffSetX = 4;
    int32_t FOffSetY = 4;
    int32_t FColumns = 10;
    int32_t FColumnGap = 4;
    int32_t FColorBoxHeight = 12;
    int32_t FColorBoxWidth = 12;
    std::unique_ptr<TColorBoxAppearance> FColorBoxAppearance;
    std::unique_ptr<TColorBoxItems> FItems;
    TSelectionColorStyle FItemColorStyle = scOffice2007;
    TColor FSelectedColor = clNone;
};
