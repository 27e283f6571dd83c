#include "widgets/scale/ScaleClasses.h"

#include "widgets/scale/iAngularGauge.h"
#include "widgets/scale/iGaugeComponent.h"
#include "widgets/scale/iPositionComponent.h"
#include "widgets/scale/iScaleComponent.h"

void TScaleClasses::RegisterAll() {
    TiPositionComponent::StaticClassInfo();
    TiScaleComponent::StaticClassInfo();
    TiGaugeComponent::StaticClassInfo();
    TiAngularGauge::StaticClassInfo();
}
