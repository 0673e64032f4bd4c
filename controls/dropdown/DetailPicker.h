// TExtDetailDropDown: a drop-down for one item of a list whose entries carry a caption, an image and notes.
#pragma once

#include "dropdown/ExtDropDown.h"

#include "rtl/Collection.h"

#include <QString>

#include <functional>
#include <memory>

class TExtCustomItemSelector;
class TFont;
class TItemAppearance;
class TPickerSearch;
class TPicture;

// Caption and ImageIndex tell the collection's OnChange of a change; the rest only store.
class TDetailItem : public TCollectionItem {
public:
    explicit TDetailItem(TCollection* Collection);
    ~TDetailItem() override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    // Shown instead of the image-list image when not empty.
    TPicture* Image() const { return FImage.get(); }
    void SetImage(TPicture* Value);
    // The second text, drawn as markup below the caption.
    const QString& Notes() const { return FNotes; }
    void SetNotes(const QString& Value) { FNotes = Value; }
    // For the application; not owned.
    TObject* ItemObject() const { return FItemObject; }
    void SetItemObject(TObject* Value) { FItemObject = Value; }
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t Value) { FTag = Value; }

    void Assign(TPersistent* Source) override;

private:
    void NotifyChange();

    QString FCaption;
    int32_t FImageIndex = -1;
    bool FEnabled = true;
    std::unique_ptr<TPicture> FImage;
    QString FNotes;
    TObject* FItemObject = nullptr;
    int32_t FTag = 0;
};

class TDetailItems : public TOwnedCollection {
public:
    explicit TDetailItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TDetailItem>()) {}
    TDetailItem* Add() { return static_cast<TDetailItem*>(TCollection::Add()); }
    TDetailItem* Insert(int32_t Index) { return static_cast<TDetailItem*>(TCollection::Insert(Index)); }
    TDetailItem* Items(int32_t Index) const { return static_cast<TDetailItem*>(TCollection::Items(Index)); }
    // The first item whose caption is exactly AValue (case counts); -1 when none is.
    int32_t IndexOf(const QString& AValue) const;

    std::function<void(TObject* Sender)> OnChange;
};

// The edit completes typed text with the first caption that starts with it; keys move the selection
// in the open list without closing it and letters typed within half a second search it; a click picks
// an item and closes.
class TExtDetailDropDown : public TExtCustomDropDown {
public:
    explicit TExtDetailDropDown(TComponent* AOwner);
    ~TExtDetailDropDown() override;
    void AfterConstruction() override;

    TDetailItems* Items() const { return FItems.get(); }
    void SetItems(TDetailItems* Value);
    // Selecting shows the caption, selects it and fires OnSelect; -1 empties the text.
    int32_t ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int32_t Value);
    int32_t ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int32_t Value) { FItemHeight = Value; }
    // Takes effect at the next opening.
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(TItemAppearance* Value);
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    void SetCaptionFont(TFont* Value);
    TFont* NotesFont() const { return FNotesFont.get(); }
    void SetNotesFont(TFont* Value);
    // Completion compares case-sensitively.
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    // The pop-up's list; nil before the pop-up exists.
    TExtCustomItemSelector* ItemSelector() const { return FItemSelector; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void SetComponentStyle(TVyxStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    std::function<void(TObject* Sender)> OnSelect;
    // (Sender, Canvas, R): replaces the painting of every list cell.
    std::function<void(TObject* Sender, TCanvas* Canvas, TRect R)> OnDrawSelectedImage;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void SizeDropDownForm() override;
    void DoHideDropDown(bool Cancelled) override;
    void DropDownSizing() override;
    void SelectNextValue() override;
    void SelectPreviousValue() override;
    void Dispatch(TMessage& Message) override;
    void Change() override;

private:
    void UpdateSelector();
    void ItemSelected();
    void DrawDetailItem(TCanvas* Canvas, TRect R, int32_t Index);
    void DetailItemSize(TSize& ASize);
    // The list's navigation and search keys; true when the key is the list's alone.
    bool ListKey(uint16_t Key);
    void GoTo(int32_t Target);

    TExtCustomItemSelector* FItemSelector = nullptr;
    TItemLayout FLayout = ilCaptionRight;
    std::unique_ptr<TDetailItems> FItems;
    int32_t FItemIndex = -1;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    std::unique_ptr<TPickerSearch> FSearch;
    int32_t FOldItemIndex = -1;
    // The text when the pop-up opened, given back with the selection by a cancelled close.
    QString FOldText;
    int32_t FItemHeight = 22;
    std::unique_ptr<TFont> FCaptionFont;
    std::unique_ptr<TFont> FNotesFont;
    bool FWorkMode = true;
    bool FItemChange = false;
    int32_t FItemIdx = 0;
    int32_t FItemSel = 0;
    bool FMatchCase = false;
    // The completion is writing the text.
    bool FCompleting = false;
};
