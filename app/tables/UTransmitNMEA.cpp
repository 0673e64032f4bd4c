// NMEA 2000 transmit rule table: the window, its size and its texts.
#include "tables/UTransmitNMEA.h"

TFTransmitNMEA* FTransmitNMEA = nullptr;

TFTransmitNMEA::TFTransmitNMEA(TComponent* AOwner) : TRuleTableForm(AOwner, 810, 337) {}

void TFTransmitNMEA::Set_Lang()
{
    Set_Frame_Lang(800);
}
