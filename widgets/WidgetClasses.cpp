#include "widgets/WidgetClasses.h"

#include "gui/controls/ControlClasses.h"
#include "widgets/controls/SwitchClasses.h"
#include "widgets/display/DisplayClasses.h"
#include "widgets/scale/ScaleClasses.h"

void TWidgetClasses::RegisterAll() {
    TControlClasses::RegisterAll();
    TScaleClasses::RegisterAll();
    TSwitchClasses::RegisterAll();
    TDisplayClasses::RegisterAll();
}
