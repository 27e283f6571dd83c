#include "widgets/controls/SwitchClasses.h"

void TSwitchClasses::RegisterAll() {}
