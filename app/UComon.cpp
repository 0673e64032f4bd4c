// The shared application state: definitions of the globals declared in UComon.h.
#include "UComon.h"

std::unique_ptr<TStringList> Lang_Table;
int32_t Lang_Table_Size = 0;
QString Name_Project;
QString Path_Project;
QString Path_Projects;
QString Path_Exe;
QString Path_Master;
QString Path_Language;
QString SW_Title;
QString SW_Code;
QString SW_Description;
QString Last_IP_Address;
QString Current_Language;
bool Enable_Internet = false;
bool Enable_Update = false;
bool Enable_Jump_Field_Tables = false;
bool Double_Click_Auto_Size = false;
QString File_ParGen;
QString File_Set_Access;
QString File_Receive_NMEA;
QString File_Transmit_NMEA;
QString File_SDO_Server;
QString File_SDO_Client;
QString File_PDO;
QString File_Node_Guard;
QString File_ReStart_Devices;
QString File_Modbus_TCP_Master;
QString File_DMX_Def_Val;
QString File_Receive_J1939;
QString File_Transmit_J1939;
QString File_Receive_Frame;
QString File_Receive_Info;
QString File_Send_Frame;
QString File_Send_Info;
std::unique_ptr<TStringList> Row_Clipboard;
