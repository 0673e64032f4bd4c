// The elements of ParGen.xml: the one table of their names, in the order of the file. Each reader
// and writer keeps its own defaults.
#pragma once

#include <QString>

#include <cstdint>

enum TParGen_Element : int32_t {
    pgIP1, pgIP2, pgIP3, pgIP4,      // the converter's EtherNet/IP address, octet by octet
    pgSM1, pgSM2, pgSM3, pgSM4,      // its subnet mask
    pgGAT1, pgGAT2, pgGAT3, pgGAT4,  // its gateway
    pgEN_GAT,                        // "1" while the gateway is switched on
    pgPORT,
    pgNB_Input,                      // image sizes in bytes
    pgNB_Output,
    pgID_DEV,                        // the PROFIBUS station address
    pgBAUDRATE,                      // the PROFIBUS baud rate choice
};
inline constexpr int32_t ParGen_Element_Count = pgBAUDRATE + 1;

// The root element: "Par_Gen".
QString ParGen_Root();
// The element's name, as "EtherNetIP_IP1".
QString ParGen_Name(TParGen_Element Element);
// Octet Octet (0-3) of the address whose first octet is First: ParGen_Octet(pgSM1, 3) is pgSM4.
inline TParGen_Element ParGen_Octet(TParGen_Element First, int32_t Octet)
{
    return static_cast<TParGen_Element>(First + Octet);
}
