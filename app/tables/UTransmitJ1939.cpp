// J1939 transmit rule table: the window, its size and its texts.
#include "tables/UTransmitJ1939.h"

#include "ULanguage.h"

#include "button/LbButton.h"

TFTransmitJ1939* FTransmitJ1939 = nullptr;

TFTransmitJ1939::TFTransmitJ1939(TComponent* AOwner) : TRuleTableForm(AOwner, 800, 337) {}

void TFTransmitJ1939::Set_Lang()
{
    Set_Frame_Lang(1600);
    Btn_OK->SetHint(Lang(1628));
    Btn_Cancel->SetHint(Lang(1629));
}
