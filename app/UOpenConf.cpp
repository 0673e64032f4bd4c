// Open-configuration window: TFOpenConf.
#include "UOpenConf.h"

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(TComponent* AOwner) : TForm(AOwner) {}

void TFOpenConf::Set_Lang() {}
