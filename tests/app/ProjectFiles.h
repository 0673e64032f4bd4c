// The configuration's file-path globals, in declaration order, with their file names.
#pragma once

#include "UComon.h"

#include <QString>

#include <utility>
#include <vector>

inline std::vector<std::pair<const QString*, QString>> ProjectFiles()
{
    const std::pair<const QString*, const char*> Files[] = {
        {&File_ParGen, "ParGen.xml"},
        {&File_Set_Access, "Set_Access.xml"},
        {&File_Receive_NMEA, "Receive_NMEA.xml"},
        {&File_Transmit_NMEA, "Transmit_NMEA.xml"},
        {&File_SDO_Server, "SDO_Server.xml"},
        {&File_SDO_Client, "SDO_Client.xml"},
        {&File_PDO, "PDO.xml"},
        {&File_Node_Guard, "Node_Guard.xml"},
        {&File_ReStart_Devices, "ReStart_Devices.xml"},
        {&File_Modbus_TCP_Master, "Modbus_TCP_Master.xml"},
        {&File_DMX_Def_Val, "DMX_Def_Val.xml"},
        {&File_Receive_J1939, "Receive_J1939.xml"},
        {&File_Transmit_J1939, "Transmit_J1939.xml"},
        {&File_Receive_Frame, "Receive_Frame.xml"},
        {&File_Receive_Info, "Receive_Info.xml"},
        {&File_Send_Frame, "Send_Frame.xml"},
        {&File_Send_Info, "Send_Info.xml"},
    };
    std::vector<std::pair<const QString*, QString>> Result;
    for (const auto& [Path, Name] : Files) Result.emplace_back(Path, QString::fromLatin1(Name));
    return Result;
}
