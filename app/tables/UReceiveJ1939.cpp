// J1939 receive rule table: the window, its size and its texts.
#include "tables/UReceiveJ1939.h"

#include "ULanguage.h"

#include "button/LbButton.h"

TFReceiveJ1939* FReceiveJ1939 = nullptr;

TFReceiveJ1939::TFReceiveJ1939(TComponent* AOwner) : TRuleTableForm(AOwner, 800, 337)
{
    // The OK and Cancel hints are set but not shown here.
    Btn_OK->SetShowHint(false);
    Btn_Cancel->SetShowHint(false);
}

void TFReceiveJ1939::Set_Lang()
{
    Set_Frame_Lang(1500);
    Btn_OK->SetHint(Lang(1529));
    Btn_Cancel->SetHint(Lang(1530));
}
