// Device-command window: TFAdvanceFunctions.
#include "UAdvanceFunctions.h"

TFAdvanceFunctions* FAdvanceFunctions = nullptr;

TFAdvanceFunctions::TFAdvanceFunctions(TComponent* AOwner) : TForm(AOwner) {}

void TFAdvanceFunctions::Set_Lang() {}
