#include "widgets/controls/SwitchClasses.h"

#include "widgets/controls/iLedArrow.h"
#include "widgets/controls/iLedRound.h"
#include "widgets/controls/iLedSpiral.h"
#include "widgets/controls/iSlider.h"
#include "widgets/controls/iSwitchLed.h"
#include "widgets/controls/iSwitchSlider.h"

void TSwitchClasses::RegisterAll() {
    TiLedRound::StaticClassInfo();
    TiLedArrow::StaticClassInfo();
    TiSwitchLed::StaticClassInfo();
    TiSwitchSlider::StaticClassInfo();
    TiSlider::StaticClassInfo();
    TiLedSpiral::StaticClassInfo();
}
