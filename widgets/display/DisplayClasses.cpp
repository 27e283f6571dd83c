#include "widgets/display/DisplayClasses.h"

void TDisplayClasses::RegisterAll() {}
