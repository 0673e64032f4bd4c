// Communication parameters window and ParGen.xml: TFParGen.
#include "UParGen.h"

TFParGen* FParGen = nullptr;

TFParGen::TFParGen(TComponent* AOwner) : TForm(AOwner) {}

void TFParGen::Set_Lang() {}
