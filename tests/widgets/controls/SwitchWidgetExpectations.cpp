// What the switches, LEDs and sliders promise for each change of a property, where it is not
// exactly one request of either kind.

#include "../classwide/WidgetExpectations.h"

const TWidgetExpectations::TRegistration SwitchWidgetExpectations{
    {"TiLedArrow", "AutoSize", erNone,
     "it only runs the auto-size step; a size change repaints through the resize"},
    {"TiLedArrow", "ArrowBodyLength", erSeveral,
     "the auto-size step resizes the arrow, which redraws the background, besides the setter's "
     "own request"},
    {"TiLedArrow", "ArrowHeadSize", erSeveral,
     "the auto-size step sets height and width one after the other, each a resize, besides the "
     "setter's own request"},
    {"TiSwitchSlider", "Orientation", erSeveral,
     "turning the slider swaps its width and height, a resize that redraws the background, "
     "besides the setter's InvalidateChange"},
    {"TiSlider", "Orientation", erSeveral,
     "turning the slider swaps its width and height, a resize that redraws the background, "
     "besides the setter's own request"},
    {"TiSlider", "MouseControlStyle", erNone,
     "it only chooses how the pointer follows the mouse; nothing on the picture changes"},
};
