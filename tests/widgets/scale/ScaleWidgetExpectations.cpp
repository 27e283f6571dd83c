// What the value and scale instruments promise for each change of a property, where it is not
// exactly one request of either kind.

#include "../classwide/WidgetExpectations.h"

const TWidgetExpectations::TRegistration ScaleWidgetExpectations{
    {"TiPositionComponent", "PositionMin", erSeveral,
     "a minimum above the value moves the value into the range, a repaint of its own, before the "
     "range change redraws the background"},
    {"TiPositionComponent", "CurrentMax", erNone,
     "the extremes show only as the max pointer, hidden by default; with it shown the change "
     "repaints"},
    {"TiPositionComponent", "CurrentMin", erNone,
     "the extremes show only as the min pointer, hidden by default; with it shown the change "
     "repaints"},
};
