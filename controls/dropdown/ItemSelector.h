// TExtCustomItemSelector and TCustomItemSelector: the list of choices of the detail, image and colour pickers.
#pragma once

#include "dropdown/DropDownTypes.h"

#include "windows/ScrollingWinControl.h"

#include <cstdint>
#include <functional>
#include <memory>

class TCustomImageList;
class TCustomItemSelector;
class TItemAppearance;
class TSelectorItem;
class TSelectorItems;

enum TSelectorType { stImage, stColor };

// Replaces the drawing of an item's content: (Sender, Canvas, the item's cell, Index); the list
// controls have an item-drawing event type of their own.
using TDropDownDrawItemEvent = std::function<void(TObject* Sender, TCanvas* Canvas, TRect R, int32_t Index)>;
// Replaces the computing of the cell size.
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

// The host: holds the items and the settings and scrolls the panel that lays them out.
class TExtCustomItemSelector : public TScrollingWinControl {
public:
    explicit TExtCustomItemSelector(TComponent* AOwner);
    ~TExtCustomItemSelector() override;
    void AfterConstruction() override;

    TSelectorItems* Items() const { return FItems.get(); }
    // Copies Value (no change notice: run UpdateSelectorPanel afterwards).
    void SetItems(TSelectorItems* Value);
    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType Value);
    TItemLayout ItemLayout() const { return FItemLayout; }
    void SetItemLayout(TItemLayout Value) { FItemLayout = Value; }
    int32_t Columns() const { return FColumns; }
    // Only values above 0 are taken.
    void SetColumns(int32_t Value);
    int32_t ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int32_t Value);
    int32_t ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int32_t Value);
    // Not owned.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(TItemAppearance* Value);
    TCustomItemSelector* Panel() const { return FItemSelectorPanel; }

    int32_t ItemIndex() const;
    // Selects Index and scrolls it into view.
    void SetItemIndex(int32_t Value);
    int32_t ItemHot() const;
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose plain caption starts with S (given upper-cased).
    bool LookupItem(const QString& S);
    void ScrollItemInView(int32_t Index);
    // The items whole rows of the host's height show.
    int32_t GetVisibleItemCount() const;
    // The panel's size; 100 x 50 without a panel.
    TSize GetPanelSize() const;
    // Lays the items out again.
    void UpdateSelectorPanel();

    std::function<void(TObject* Sender)> OnItemSelect;
    TDropDownDrawItemEvent OnDrawItem;
    TItemSizeEvent OnItemSize;

protected:
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TSelectorItems> FItems;
    TSelectorType FSelectorType = stImage;
    TItemLayout FItemLayout = ilCaptionRight;
    int32_t FColumns = 1;
    int32_t FColorBoxWidth = 14;
    int32_t FColorBoxHeight = 14;
    TCustomImageList* FImages = nullptr;
    TCustomItemSelector* FItemSelectorPanel = nullptr;
    std::unique_ptr<TItemAppearance> FItemAppearance;
};

// The panel: lays the items out in cells, paints them, tracks the hot item and selects.
class TCustomItemSelector : public TCustomControl {
public:
    // AOwner must be the host; anything else raises Exception "Invalid parent".
    explicit TCustomItemSelector(TComponent* AOwner);

    int32_t ItemIndex() const { return FItemIndex; }
    // A disabled item is not taken; the item is drawn at once and OnItemSelect fires (again for
    // the current index too).
    void SetItemIndex(int32_t Value);
    int32_t ItemHot() const { return FItemHot; }
    void SetItemHot(int32_t Index);
    TExtCustomItemSelector* ExtItemSelector() const { return FExtItemSelector; }
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const QString& S);
    // The item's cell; (-1, -1, -1, -1) for an invalid index.
    TRect GetItemRect(int32_t Index) const;
    int32_t ItemAtPos(int32_t X, int32_t Y) const;
    void DrawItems(TCanvas* Canvas);

    int32_t Columns() const;
    TSelectorItems* Items() const;
    TSelectorType SelectorType() const;
    TItemLayout ItemLayout() const;
    TCustomImageList* Images() const;
    int32_t ColorBoxHeight() const;
    int32_t ColorBoxWidth() const;
    TSelectionColorStyle ItemColorStyle() const;

    std::function<void(TObject* Sender)> OnItemSelect;

    // The virtual operations, in slot order.
    virtual void DrawItem(int32_t Index, TCanvas* Canvas);
    virtual void GetItemsArea(TRect& R) const;
    virtual void GetItemSize(TSize& ASize);
    virtual void InvalidateItem(int32_t Index);
    virtual void ArrangeItems();

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void Dispatch(TMessage& Message) override;

private:
    bool IsValid(int32_t Index) const;
    bool IsDisabled(int32_t Index) const;
    void StepHot(int32_t Delta);

    int32_t FItemIndex = -1;
    int32_t FItemHot = -1;
    int32_t FOffSetX = 2;
    int32_t FOffSetY = 2;
    int32_t FItemOffSetX = 4;
    int32_t FItemOffSetY = 4;
    int32_t FCaptionGap = 4;
    TExtCustomItemSelector* FExtItemSelector = nullptr;
};
