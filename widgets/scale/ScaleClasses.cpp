#include "widgets/scale/ScaleClasses.h"

void TScaleClasses::RegisterAll() {}
