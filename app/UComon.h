// The application state every window shares: language table, folders, open configuration, options, file paths, row clipboard.
#pragma once

#include "rtl/Strings.h"

#include <QString>

#include <cstdint>
#include <memory>

// Plain process-wide globals, touched only by the user-interface thread.

// The language table: text n is entry n (ULanguage fills it).
extern std::unique_ptr<TStringList> Lang_Table;
extern int32_t Lang_Table_Size;
// The open configuration; an empty Path_Project means none is open.
extern QString Name_Project;
extern QString Path_Project;
extern QString Path_Projects;
// The program's folder, without a trailing separator.
extern QString Path_Exe;
extern QString Path_Master;
extern QString Path_Language;
extern QString SW_Title;
extern QString SW_Code;
extern QString SW_Description;
extern QString Last_IP_Address;
extern QString Current_Language;
extern bool Enable_Internet;
extern bool Enable_Update;
extern bool Enable_Jump_Field_Tables;
extern bool Double_Click_Auto_Size;
// Full paths of the open configuration's files; empty while none is open.
extern QString File_ParGen;
extern QString File_Set_Access;
extern QString File_Receive_NMEA;
extern QString File_Transmit_NMEA;
extern QString File_SDO_Server;
extern QString File_SDO_Client;
extern QString File_PDO;
extern QString File_Node_Guard;
extern QString File_ReStart_Devices;
extern QString File_Modbus_TCP_Master;
extern QString File_DMX_Def_Val;
extern QString File_Receive_J1939;
extern QString File_Transmit_J1939;
extern QString File_Receive_Frame;
extern QString File_Receive_Info;
extern QString File_Send_Frame;
extern QString File_Send_Info;
// The cells (columns 1 and up) of the last copied table row.
extern std::unique_ptr<TStringList> Row_Clipboard;

inline const QString Def_SW_Code = QStringLiteral("KT20418");
inline const QString Def_SW_Description = QStringLiteral("EtherNet/IP / PROFIBUS Slave - Converter");
// The software code sent by the version check.
inline const QString Def_SW_Code_Update = QStringLiteral("KT20418");
