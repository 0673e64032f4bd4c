// New-configuration window: TFNew_Project.
#include "UNew_Project.h"

TFNew_Project* FNew_Project = nullptr;

TFNew_Project::TFNew_Project(TComponent* AOwner) : TForm(AOwner) {}

void TFNew_Project::Set_Lang() {}
