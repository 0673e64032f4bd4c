// TExtImagePickerDropDown: a drop-down that shows the chosen image in the edit and offers the images in an item selector.
#pragma once

#include "dropdown/ExtDropDown.h"
#include "dropdown/ItemSelector.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TImageItems;
class TItemAppearance;
class TTimer;

// Replaces the painting of the selected image in the edit: (Sender, Canvas, the value rectangle).
using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas* Canvas, TRect R)>;

// The edit takes no typing. Keys step through the images (Up and Down by rows of Columns while
// open), and letters look captions up: the letters typed within 500 ms of the first one of a run
// are searched together.
class TExtImagePickerDropDown : public TExtCustomDropDown {
public:
    explicit TExtImagePickerDropDown(TComponent* AOwner);
    ~TExtImagePickerDropDown() override;

    // Columns and Layout take effect at the next opening.
    int32_t Columns() const { return FColumns; }
    void SetColumns(int32_t Value) { FColumns = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TImageItems* Items() const { return FItems.get(); }
    void SetItems(TImageItems* Value);
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(TItemAppearance* Value);

    int32_t ItemIndex() const { return FItemIndex; }
    // Values at or above the item count are ignored; a negative one clears the selection. A change
    // repaints and fires OnChange, then OnSelect.
    void SetItemIndex(int32_t Value);
    // The selected item's image-list index; -1 without a selection.
    int32_t ImageIndex() const;
    // Selects the first item with that image-list index, or clears the selection.
    void SetImageIndex(int32_t Value);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    // One item per image of Images, with image indexes 0, 1, 2...
    void AddImagesFromImageList();
    // One item per folder entry AFolder (a folder and a mask) finds, folders included, in the order
    // of the search; an entry that does not load as a picture leaves its item empty.
    void AddImagesFromFolder(const QString& AFolder, bool SetImageCaption);

    // The pop-up's content; created with the pop-up.
    TExtCustomItemSelector* ItemSelector() const { return FItemSelector; }

    void SetComponentStyle(TVyxStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    std::function<void(TObject* Sender)> OnSelect;
    TOnDrawSelectedItem OnDrawSelectedImage;
    TDropDownDrawItemEvent OnDrawItem;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void SizeDropDownForm() override;
    void DoHideDropDown(bool Cancelled) override;
    void SelectNextValue() override;
    void SelectPreviousValue() override;
    void DrawEditValue() override;
    void Dispatch(TMessage& Message) override;

private:
    // Brings the selector's settings, items and selection up to date.
    void UpdateSelector();
    void SelectorItemSelect();
    // Moves the selector's selection to Target without closing the pop-up.
    void SelectInSelector(int32_t Target);
    // Runs Action with FInternalCall set.
    template <typename F>
    void Internally(const F& Action);
    void WMKeyDown(TMessage& Message);
    void DrawSelectedImage();

    TExtCustomItemSelector* FItemSelector = nullptr;
    int32_t FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    std::unique_ptr<TImageItems> FItems;
    int32_t FItemIndex = -1;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    std::unique_ptr<TTimer> FKeyTimer;
    QString FCurSearch;
    int32_t FOldItemIndex = -1;
};
