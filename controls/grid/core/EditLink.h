// TEditLink: the base of custom cell editors that a string grid drives for edCustom cells.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Component.h"
#include "rtl/Set.h"
#include "rtl/Types.h"
#include "windows/Controls.h"

#include <QString>

#include <cstdint>

class TExtStringGrid;
class TFont;
class TForm;

enum TEditStyle { esInplace, esPopup };

// A descendant creates its own control in CreateEditor, returns it from GetEditControl, moves the
// value in and out through SetEditorValue/GetEditorValue and attaches EditKeyDown to the control's
// key-down event. The grid sets Grid and EditCell before each edit.
class TEditLink : public TComponent {
public:
    explicit TEditLink(TComponent* AOwner);
    ~TEditLink() override;

    // The editor control's key handler: a key that leaves the editor ends the edit (see the Want*
    // flags for the keys a descendant keeps); any other key is left to the control.
    virtual void EditKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    virtual TWinControl* GetEditControl() { return nullptr; }
    virtual void CreateEditor(TWinControl* AParent) { (void)AParent; }
    virtual void DestroyEditor() {}
    // Focuses the control (true) or the grid (false); in-place controls get the grid's message filter.
    virtual void SetFocus(bool Value);
    // Places the control on R less the grid's line width, keeping its z-order.
    virtual void SetRect(TRect R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(TColor AColor, TFont* AFont)
    {
        (void)AColor;
        (void)AFont;
    }
    virtual QString GetEditorValue() { return {}; }
    virtual void SetEditorValue(const QString& s) { (void)s; }

    // Ends the edit; a pop-up editor is destroyed and its form hidden.
    void EditExit(TObject* Sender);
    // The pop-up form's deactivation handler.
    void FormExit(TObject* Sender);
    // Stores the editor's value and ends the grid's edit.
    void HideEditor();
    // Takes the grid's message filter off an in-place control and hides its window.
    void RestoreWinProc();
    // The text of the grid's current cell (real column of Col, Row).
    QString GetCellValue();
    // Stores s into the grid's current cell as a finished edit.
    void SetCellValue(const QString& s);
    // The pop-up form for esPopup, else the grid.
    TWinControl* GetParent();

    // ---- Properties ----
    // Not owned; set by the grid before each edit.
    TExtStringGrid* Grid() const { return FOwner; }
    void SetGrid(TExtStringGrid* Value) { FOwner = Value; }
    TPoint EditCell() const { return FEditCell; }
    void SetEditCell(TPoint Value) { FEditCell = Value; }
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    // Made by the grid on the first pop-up edit; owned by the link.
    TForm* PopupForm() const { return FPopupForm; }
    void SetPopupForm(TForm* Value);

    int32_t Tag() const { return FTag; }
    void SetTag(int32_t Value) { FTag = Value; }
    bool AutoPopupWidth() const { return FAutoPopupWidth; }
    void SetAutoPopupWidth(bool Value) { FAutoPopupWidth = Value; }
    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle Value) { FEditStyle = Value; }
    // Screen position of the pop-up; -1 places it under the cell.
    int32_t PopupLeft() const { return FPopupLeft; }
    void SetPopupLeft(int32_t Value) { FPopupLeft = Value; }
    int32_t PopupTop() const { return FPopupTop; }
    void SetPopupTop(int32_t Value) { FPopupTop = Value; }
    int32_t PopupWidth() const { return FPopupWidth; }
    void SetPopupWidth(int32_t Value) { FPopupWidth = Value; }
    int32_t PopupHeight() const { return FPopupHeight; }
    void SetPopupHeight(int32_t Value) { FPopupHeight = Value; }
    bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
    void SetWantKeyLeftRight(bool Value) { FWantKeyLeftRight = Value; }
    bool WantKeyUpDown() const { return FWantKeyUpDown; }
    void SetWantKeyUpDown(bool Value) { FWantKeyUpDown = Value; }
    bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
    void SetWantKeyHomeEnd(bool Value) { FWantKeyHomeEnd = Value; }
    bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
    void SetWantKeyPriorNext(bool Value) { FWantKeyPriorNext = Value; }
    bool WantKeyReturn() const { return FWantKeyReturn; }
    void SetWantKeyReturn(bool Value) { FWantKeyReturn = Value; }
    bool WantKeyEscape() const { return FWantKeyEscape; }
    void SetWantKeyEscape(bool Value) { FWantKeyEscape = Value; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The grid is editing a cell through this link.
    bool Editing() const;
    // Whether Key ends the edit rather than going to the control.
    bool LeavesEditor(uint16_t Key, TShiftState Shift) const;

    TExtStringGrid* FOwner = nullptr;
    bool FWantKeyLeftRight = false;
    bool FWantKeyUpDown = false;
    bool FWantKeyHomeEnd = false;
    bool FWantKeyPriorNext = false;
    bool FWantKeyReturn = false;
    bool FWantKeyEscape = false;
    TEditStyle FEditStyle = esInplace;
    TForm* FPopupForm = nullptr;
    int32_t FPopupWidth = 0;
    int32_t FPopupHeight = 0;
    // Set by a descendant while it moves the focus back to the grid itself.
    bool FForcedExit = false;
    TPoint FEditCell{};
    int32_t FTag = 0;
    bool FAutoPopupWidth = false;
    int32_t FPopupLeft = -1;
    int32_t FPopupTop = -1;
    bool FSubClassed = false;
    bool FWantReturns = false;
    bool FWantTabs = false;
};
