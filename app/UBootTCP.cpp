// Update window and the hand-off to the outside updater: TFBootTCP.
#include "UBootTCP.h"

TFBootTCP* FBootTCP = nullptr;

TFBootTCP::TFBootTCP(TComponent* AOwner) : TForm(AOwner) {}

void TFBootTCP::Set_Lang() {}
