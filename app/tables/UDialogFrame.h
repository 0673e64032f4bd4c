// The frame of the rule-table and device-command windows: title panel, button panel, fixed client size, Set_Lang on creation.
#pragma once

#include "button/LbButtons.h"
#include "windows/Forms.h"

#include <QString>

#include <cstdint>

class TLabel;
class TLbButton;
class TPanel;

// A dialog with the title panel across the top (the software code and the window's description)
// and the button panel across the bottom. Its creation handler shows SW_Code, fixes the client
// size and runs Set_Lang.
class TDialogFrame : public TForm {
public:
    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;

    // Takes the window's texts from the language table.
    virtual void Set_Lang() = 0;

protected:
    TDialogFrame(TComponent* AOwner, int32_t AClientWidth, int32_t AClientHeight);

    // A button of the button panel in slot Slot (0 leftmost) with the glyph and modal result of Kind.
    TLbButton* New_Panel_Button(int32_t Slot, TLbButtonKind Kind, TModalResult ModalResult);

    void FormCreate(TObject* Sender);

private:
    int32_t FClientWidth;
    int32_t FClientHeight;
};

// A rule-table window's frame: the dialog frame with OK and Cancel. Its language block starts with
// the caption, the description and the two button captions.
class TRuleTableForm : public TDialogFrame {
public:
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

protected:
    TRuleTableForm(TComponent* AOwner, int32_t AClientWidth, int32_t AClientHeight);

    // Texts Block to Block + 3: caption, L_SW_Desc, Btn_OK and Btn_Cancel.
    void Set_Frame_Lang(int32_t Block);
};
