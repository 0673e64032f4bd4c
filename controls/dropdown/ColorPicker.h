// TExtColorPickerDropDown: a drop-down for choosing a colour from a named list, the palette, the colour cube or the spectrum.
#pragma once

#include "dropdown/ExtDropDown.h"

#include "rtl/Collection.h"

#include <QString>

#include <functional>
#include <memory>

class TCustomColorSelector;
class TExtColorCubePanel;
class TExtColorSpectrumPanel;
class TExtCustomItemSelector;
class TItemAppearance;
class TPickerSearch;

enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };
enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

// (Sender, the canvas, the rectangle): replaces drawing the selected colour in the edit.
using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas* Canvas, TRect R)>;

// One named colour of the list. Caption and Color tell the collection's OnChange of a change.
class TColorItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }

    // From another colour item: caption, colour, enabled state and hint.
    void Assign(TPersistent* Source) override;

private:
    void NotifyChange();

    QString FCaption;
    TColor FColor = clNone;
    bool FEnabled = true;
    QString FHint;
};

class TColorItems : public TOwnedCollection {
public:
    explicit TColorItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TColorItem>()) {}
    TColorItem* Add() { return static_cast<TColorItem*>(TCollection::Add()); }
    TColorItem* Insert(int32_t Index) { return static_cast<TColorItem*>(TCollection::Insert(Index)); }
    TColorItem* Items(int32_t Index) const { return static_cast<TColorItem*>(TCollection::Items(Index)); }

    std::function<void(TObject* Sender)> OnChange;
};

// The edit takes no typing: it shows a swatch of the selected colour and its name or value.
class TExtColorPickerDropDown : public TExtCustomDropDown {
public:
    explicit TExtColorPickerDropDown(TComponent* AOwner);
    ~TExtColorPickerDropDown() override;
    void AfterConstruction() override;

    // The list's columns, caption place and colour box size; they reach the list at the next opening.
    int32_t Columns() const { return FColumns; }
    void SetColumns(int32_t Value) { FColumns = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    int32_t ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int32_t Value) { FColorBoxHeight = Value; }
    int32_t ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int32_t Value) { FColorBoxWidth = Value; }
    TColorItems* Colors() const { return FColors.get(); }
    void SetColors(TColorItems* Value);
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(TItemAppearance* Value);
    // The selected entry of Colors, -1 for none; an index past the colours is ignored.
    int32_t ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int32_t Value);
    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first entry of that colour; with none, ItemIndex stays.
    void SetSelectedColor(TColor Value);
    // The entry's caption in the list style, else the colour written by ColorValueText.
    virtual QString SelectedColorText() const;
    TColorValueText ColorValueText() const { return FColorValueText; }
    void SetColorValueText(TColorValueText Value) { FColorValueText = Value; }
    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool Value);

    // Appends the 16 basic colours with their names.
    void AddDefaultColors();

    // The pop-up's panels; nil until the style needs them.
    TExtCustomItemSelector* ItemSelector() const { return FItemSelector; }
    TCustomColorSelector* ColorSelector() const { return FColorSelector; }
    TExtColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
    TExtColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }

    void SetComponentStyle(TVyxStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;

    std::function<void(TObject* Sender)> OnSelect;
    TOnDrawSelectedItem OnDrawSelectedColor;
    // (Sender, Canvas, R, Index): replaces drawing a list item's content.
    std::function<void(TObject* Sender, TCanvas* Canvas, TRect R, int32_t Index)> OnDrawColor;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void PlaceDropDownControl() override;
    void SizeDropDownForm() override;
    void DoHideDropDown(bool Cancelled) override;
    void DropDownFormDestroyed() override;
    void SelectNextValue() override;
    void SelectPreviousValue() override;
    void DrawEditValue() override;
    void Dispatch(TMessage& Message) override;

private:
    void PrepareItemSelector();
    void PrepareColorSelector();
    void PrepareCubePanel();
    void PrepareSpectrumPanel();
    void PrepareStyle();
    void ShowOnly(TControl* Shown);
    void RouteDrawItem();
    void UpdateSelector();
    void SizeList();
    void ListSelect();
    void PaletteSelect();
    void PanelSelect(TColor Color);
    void DrawSelectedColor();
    void KeyDownList(uint16_t Key, bool EnterHandled);
    void BringListUp();
    void BringPaletteUp();
    void GoToListItem(int32_t Target);
    // The mouse wheel's step of the list or the palette.
    void StepValue(bool Forward);

    TExtCustomItemSelector* FItemSelector = nullptr;
    TExtColorCubePanel* FColorCubePanel = nullptr;
    TExtColorSpectrumPanel* FSpectrumPanel = nullptr;
    TCustomColorSelector* FColorSelector = nullptr;
    int32_t FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    std::unique_ptr<TColorItems> FColors;
    int32_t FItemIndex = -1;
    int32_t FColorBoxWidth = 14;
    int32_t FColorBoxHeight = 14;
    TColorSelectionStyle FColorSelectionStyle = csList;
    TColor FSelectedColor = clNone;
    bool FShowText = true;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    std::unique_ptr<TPickerSearch> FSearch;
    int32_t FOldItemIndex = -1;
    TColor FOldSelectedColor = clNone;
    TColorValueText FColorValueText = cvtNone;
};
