// Options window: TFSoftOptions.
#include "USoftOptions.h"

TFSoftOptions* FSoftOptions = nullptr;

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TForm(AOwner) {}

void TFSoftOptions::Set_Lang() {}
