// What the displays promise for each change of a property, where it is not exactly one request
// of either kind.

#include "../classwide/WidgetExpectations.h"

const TWidgetExpectations::TRegistration DisplayWidgetExpectations{
    {"TiImageDisplay", "TimerEnabled", erNone,
     "it starts or stops the animation timer; the picture changes only at the timer's ticks"},
    {"TiImageDisplay", "AutoSize", erSeveral,
     "the setter marks the background changed and the auto-size step then resizes the widget"},
    {"TiObjectCanvas", "DefaultBrushColor", erNone, "it is given only to objects added later"},
    {"TiObjectCanvas", "DefaultBrushStyle", erNone, "it is given only to objects added later"},
    {"TiObjectCanvas", "DefaultPenColor", erNone, "it is given only to objects added later"},
    {"TiObjectCanvas", "DefaultPenStyle", erNone, "it is given only to objects added later"},
    {"TiObjectCanvas", "DefaultPenWidth", erNone, "it is given only to objects added later"},
    {"TiObjectCanvas", "DefaultFontName", erNone, "it is given only to objects added later"},
    {"TiObjectCanvas", "DefaultFontSize", erNone, "it is given only to objects added later"},
    {"TiObjectCanvas", "DefaultFontColor", erNone, "it is given only to objects added later"},
    {"TiObjectCanvas", "DefaultFontBold", erNone, "it is given only to objects added later"},
    {"TiObjectCanvas", "DefaultFontItalic", erNone, "it is given only to objects added later"},
    {"TiObjectCanvas", "DefaultFontUnderLine", erNone, "it is given only to objects added later"},
    {"TiObjectCanvas", "DefaultFontStrikeOut", erNone, "it is given only to objects added later"},
};
