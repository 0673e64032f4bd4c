// NMEA 2000 receive rule table: the window, its size and its texts.
#include "tables/UReceiveNMEA.h"

TFReceiveNMEA* FReceiveNMEA = nullptr;

TFReceiveNMEA::TFReceiveNMEA(TComponent* AOwner) : TRuleTableForm(AOwner, 810, 337) {}

void TFReceiveNMEA::Set_Lang()
{
    Set_Frame_Lang(700);
}
