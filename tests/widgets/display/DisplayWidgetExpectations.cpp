// What the displays promise for each change of a property, where it is not exactly one request
// of either kind.

#include "../classwide/WidgetExpectations.h"

namespace {

const char* const Fits =
    "the widget is placed at a size other than the one its measures give, so auto-size resizes it "
    "(width and height in turn) besides the setter's own request";

} // namespace

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
    {"TiSevenSegmentCharacter", "Value", erSeveral, Fits},
    {"TiSevenSegmentCharacter", "Character", erSeveral, Fits},
    {"TiSevenSegmentCharacter", "SegmentSize", erSeveral, Fits},
    {"TiSevenSegmentCharacter", "SegmentMargin", erSeveral, Fits},
    {"TiSevenSegmentInteger", "DigitCount", erSeveral, Fits},
    {"TiSevenSegmentInteger", "DigitSpacing", erSeveral, Fits},
    {"TiSevenSegmentInteger", "SegmentSize", erSeveral, Fits},
    {"TiSevenSegmentInteger", "SegmentMargin", erSeveral, Fits},
    {"TiSevenSegmentInteger", "ShowSign", erSeveral, Fits},
    {"TiLabel", "Caption", erSeveral, Fits},
    {"TiLabel", "Font", erSeveral, Fits},
    {"TiLabel", "BorderStyle", erSeveral, Fits},
    {"TiLabel", "OuterMarginLeft", erSeveral, Fits},
    {"TiLabel", "OuterMarginTop", erSeveral, Fits},
    {"TiLabel", "OuterMarginRight", erSeveral, Fits},
    {"TiLabel", "OuterMarginBottom", erSeveral, Fits},
    {"TiLabel", "ShadowShow", erSeveral, Fits},
    {"TiLabel", "ShadowXOffset", erSeveral, Fits},
    {"TiLabel", "ShadowYOffset", erSeveral, Fits},
    {"TiSevenSegmentCharacter", "SegmentBits", erInvalidateAlways,
     "writing the segment set repaints even when it is the set already shown"},
};
