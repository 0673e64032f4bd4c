// The main window TFQuillaneFirmWare: the step wizard, the start-up of the shared state and the creation of every window.
#pragma once

#include "os/Services.h"
#include "windows/ExtCtrls.h"
#include "windows/Forms.h"

#include <QString>

#include <cstdint>

class TIdHTTP;
class TLabel;
class TLbButton;
class TSaveDialog;
class TTimer;
class TXMLDocument;

// The first version check comes this long after the timer is enabled, the next ones this often.
inline constexpr uint32_t Version_Check_Delay = 60000;
inline constexpr uint32_t Version_Check_Interval = 7200000;

class TFQuillaneFirmWare : public TForm {
public:
    explicit TFQuillaneFirmWare(TComponent* AOwner);

    // The controls, owned by the window.
    TXMLDocument* XML1;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLinkLabel* LL_Update;
    TLbButton* Btn_Info;
    TLbButton* Btn_Opz;
    TLbButton* Btn_Close;
    TTimer* Timer_Update;
    TIdHTTP* HTTP1;
    TSaveDialog* SaveEDS;
    TLabel* L_Begin;
    TLabel* L_Name_Conf;
    TLabel* L_Name_Conf_L2;
    TShape* Shape2;
    TLabel* L_Step_1;
    TLbButton* Btn_New;
    TLbButton* Btn_Open;
    TLabel* L_Step_2;
    TLbButton* Btn_Prm_Gen;
    TLabel* L_Step_3;
    TLbButton* Btn_Set_Access;
    TLabel* L_Step_4;
    TLabel* L_Step_5;
    TLabel* L_Step_6;
    TLabel* L_Step_7;
    TLabel* L_Step_8;
    TLabel* L_Velmora;
    TLbButton* Btn_CreateBin;
    TLbButton* Btn_PROFIBUS_GSD;
    TShape* Shape1;
    TLbButton* Btn_Receive_NMEA;
    TLbButton* Btn_Transmit_NMEA;
    TLbButton* Btn_SDO_Server_CANopen;
    TLbButton* Btn_SDO_Client_CANopen;
    TLbButton* Btn_PDO_CANopen;
    TLbButton* Btn_DMX_Default;
    TLbButton* Btn_CANopen_EDS;
    TLbButton* Btn_J1939_Rec_Frame;
    TLbButton* Btn_J1939_Send_Frame;
    TLbButton* Btn_CAN_Rec_Frame;
    TLbButton* Btn_CAN_Rec_Info;
    TLbButton* Btn_CAN_Send_Frame;
    TLbButton* Btn_CAN_Send_Info;
    TLbButton* Btn_ReStart_Devices_CANopen;
    TLbButton* Btn_NodeGuard_CANopen;
    TLabel* L_Step_9;

    // Window events and the handlers of its controls.
    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // The click handler of every button.
    void Btn_Click(TObject* Sender);
    void Timer_UpdateTimer(TObject* Sender);
    void LL_UpdateLinkClick(TObject* Sender, const QString& Link, TSysLinkType LinkType);
    void L_VelmoraClick(TObject* Sender);

    // Takes this window's texts from the language table.
    void Set_Lang();
    // Re-labels the windows that follow a language change, this one first.
    void Change_Language();
    // Derives the open configuration's file paths from Path_Project.
    void Set_Files();
    // Rewrites the settings file; raises EFCreateError when it cannot be written.
    void Save_Setting();
    void Create_New_Project();
    void Open_Project();
    void Update_Device();
    void Build_EDS_File();
    // Runs NomeSW and waits for it (see UStartProgram.h).
    TProgramRun Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo);

private:
    // Options confirmed: the version-check timer follows the flags and the settings are written.
    void Set_Options();
    // L_Name_Conf and L_Name_Conf_L2 for the open configuration, or for none.
    void Show_Project_Name();
    // The rule-table window Button opens; nil for other buttons.
    TForm* Table_Window_Of(TObject* Button) const;
    void Lay_Out();
};

extern TFQuillaneFirmWare* FQuillaneFirmWare;

// Creates the program's 24 windows through the application, the main window first; each runs its
// creation handler at once.
void Create_Forms();
// Frees the windows Create_Forms made, last first, and clears their globals.
void Free_Forms();

// Paints Form's client area, with its controls, into a bitmap saved as a BMP file; false when the
// file could not be written.
bool Save_Form_Picture(TWinControl* Form, const QString& FileName);
