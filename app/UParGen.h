// Communication parameters window and ParGen.xml: TFParGen edits the EtherNet/IP and PROFIBUS slave settings of the configuration.
#pragma once

#include "windows/Forms.h"

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>

class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TLbButton;
class TXMLDocument;

class TFParGen : public TForm {
public:
    explicit TFParGen(TComponent* AOwner);

    // Takes every caption, hint and message of the window from the language table.
    void Set_Lang();
    // True when every field holds a valid value; otherwise shows the first failure's message.
    bool Controllo_Dati();
    // Every group box starts expanded, its collapse button shown and its expand button hidden.
    void Collapse_Expand_Creation();
    // Places the group boxes one below the other, the buttons below them, and sizes the window.
    void Move_GroupBoxs();

    // Handlers.
    void FormCreate(TObject* Sender);
    // Fills the fields from ParGen.xml (defaults where it or an element is missing).
    void FormShow(TObject* Sender);
    void FormActivate(TObject* Sender);
    // Validates, writes ParGen.xml and closes with OK.
    void Btn_OKClick(TObject* Sender);
    // Closes with Cancel, after asking when something was changed.
    void Btn_CancelClick(TObject* Sender);
    void On_Change(TObject* Sender);
    void On_Click(TObject* Sender);
    // The full stop moves from an octet edit to the next one instead of being typed.
    void Octet_KeyPress(TObject* Sender, QChar& Key);
    void Btn_GB_Collapse(TObject* Sender);
    void Btn_GB_Expande(TObject* Sender);

    // Controls (owned by the window).
    TGroupBox* GB_EtherNetIP;
    TLabel* L_EtherNetIP_IP;
    TEdit* E_IP1;
    TEdit* E_IP2;
    TEdit* E_IP3;
    TEdit* E_IP4;
    TLabel* L_EtherNetIP_SM;
    TEdit* E_SM1;
    TEdit* E_SM2;
    TEdit* E_SM3;
    TEdit* E_SM4;
    TCheckBox* CB_EN_GAT;
    TEdit* E_GAT1;
    TEdit* E_GAT2;
    TEdit* E_GAT3;
    TEdit* E_GAT4;
    TLabel* L_EtherNetIP_Port;
    TEdit* E_PORT;
    TLabel* L_EtherNetIP_NumIn;
    TEdit* E_NB_Input;
    TLabel* L_EtherNetIP_NumOut;
    TEdit* E_NB_Output;
    TLbButton* Btn_EtherNetIP_Collapse;
    TLbButton* Btn_EtherNetIP_Expande;
    TXMLDocument* XML1;
    TGroupBox* GB_PROFIBUS_Slave;
    TLabel* L_PROFIBUS_Slave_ID;
    TEdit* E_ID_DEV_PROFI_Slave;
    TLabel* L_PROFIBUS_Slave_Baud;
    TComboBox* CB_Baud_PROFI_Slave;
    TLbButton* Btn_PROFIBUS_Slave_Collapse;
    TLbButton* Btn_PROFIBUS_Slave_Expande;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;

    // Whether each group box is expanded; kept between showings.
    bool GB_EtherNetIP_Visible = true;
    bool GB_PROFIBUS_Slave_Visible = true;
    // Something was changed since the window was filled.
    bool Is_Change = false;

private:
    // One collapsible group box: the box, its buttons, its flag, its expanded height and the
    // controls of its first row, which show above the collapsed height.
    struct TCollapsible {
        TGroupBox* Box;
        TLbButton* Collapse;
        TLbButton* Expand;
        bool* Expanded;
        int32_t Height;
        std::array<TControl*, 2> First_Row;
    };

    void Create_Controls();
    // The box whose collapse or expand button is Button.
    TCollapsible& Collapsible_Of(TObject* Button);
    void Set_Expanded(TCollapsible& Box, bool Expanded);
    // The octet edit after Edit in the order address, mask, gateway; nil after the last one.
    TEdit* Next_Octet_Edit(TObject* Edit) const;

    // The twelve octet edits: E_IP1 .. E_IP4, E_SM1 .. E_SM4, E_GAT1 .. E_GAT4.
    std::array<TEdit*, 12> Octet_Edits() const;
    std::array<TCollapsible, 2> Boxes;
};

extern TFParGen* FParGen;
