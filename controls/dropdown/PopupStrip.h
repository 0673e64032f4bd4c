// TPopupStrip: what the pop-up's header and footer panels share: attachment, button row, background, border and caption.
#pragma once

#include "dropdown/DbgList.h"
#include "dropdown/DropDownTypes.h"

#include "windows/Controls.h"

#include <memory>

class TCustomImageList;
class TExtButton;
class TExtCustomDropDown;
class TPopupButtonItem;
class TPopupButtons;
class TPopupStripAppearance;

class TPopupStrip : public TCustomControl {
public:
    ~TPopupStrip() override;

    // Not owned; removing it from its owner clears it.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
    // Binds the panel to ADropDown: its image list, and a copy of its strip appearance.
    void SetExtDropDown(TExtCustomDropDown* ADropDown);
    // Rebuilds the buttons from the drop-down's collection; nothing while not attached.
    void UpdateButtons();
    // The buttons shown, in item order.
    TDbgList* ButtonList() const { return FButtonList.get(); }
    int32_t ButtonCount() const { return FButtonList->Count(); }
    TExtButton* ExtButtons(int32_t Index) const { return static_cast<TExtButton*>(FButtonList->GetItemsEx(Index)); }

    // Replaces the whole painting when assigned.
    TDrawBackGroundEvent OnDrawBackGround;
    TGetTextEvent OnGetText;

protected:
    TPopupStrip(TComponent* AOwner, std::unique_ptr<TPopupStripAppearance> Appearance);

    TPopupStripAppearance* StripAppearance() const { return FAppearance.get(); }
    virtual void BuildButtons();
    virtual void ClearButtons();
    virtual void ArrangeButtons();
    virtual void RefreshButtons();

    // The drop-down's strip appearance and its button collection; nil while not attached.
    virtual TPopupStripAppearance* DropDownAppearance() const = 0;
    TPopupButtons* ItemButtons() const;
    // The client rectangle less the margins of the button row.
    virtual TRect ButtonArea() const = 0;
    // Settings only one of the two strips gives its buttons.
    virtual void PrepareButton(TExtButton* Button, TPopupButtonItem* Item);
    // Raises the drop-down's header or footer button event.
    virtual void ButtonClicked(int32_t ButtonIndex) = 0;
    // The border lines: the main line at the edge next to the content, the rest when the pop-up
    // draws no frame of its own, and the light inner frame.
    virtual void DrawBorder(const TRect& R) = 0;
    // Drawn after the caption.
    virtual void PaintOver(const TRect&) {}
    // The pop-up draws a frame of its own.
    bool DropDownFramed() const;

    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void ButtonClick(TObject* Sender);

    std::unique_ptr<TPopupStripAppearance> FAppearance;
    TCustomImageList* FImages = nullptr;
    TExtCustomDropDown* FExtDropDown = nullptr;
    std::unique_ptr<TDbgList> FButtonList;
};
