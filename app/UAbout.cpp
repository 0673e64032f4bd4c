// About box: TFAbout.
#include "UAbout.h"

TFAbout* FAbout = nullptr;

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner) {}

void TFAbout::Set_Lang() {}
