// What the widget base classes and the test widget promise for each change of a property.

#include "../classwide/WidgetExpectations.h"

const TWidgetExpectations::TRegistration CoreWidgetExpectations{
    {"TiComponent", "BackGroundColor", erBackGround, ""},
    {"TiComponent", "BorderStyle", erBackGround, ""},
    {"TiComponent", "OffsetX", erBackGround, ""},
    {"TiComponent", "OffsetY", erBackGround, ""},
    {"TiComponent", "CachedDrawing", erBackGround, ""},
    {"TiComponent", "UpdateFrameRate", erBackGround, ""},
    // Turning the throttle on repaints at once; turning it off flushes what is pending.
    {"TiComponent", "AutoFrameRate", erBackGround, ""},
    {"TiComponent", "OptionSaveAllProperties", erNone,
     "it only chooses what saving to a property file writes"},
    {"TiVCLComponent", "Transparent", erSeveral,
     "turning transparency on asks for a snapshot of what lies beneath, itself a background "
     "change, and then ends with the background change every setting does"},

    {"TTestWidget", "Count", erInvalidate, ""},
    {"TTestWidget", "Active", erInvalidate, ""},
    {"TTestWidget", "Shape", erBackGround, ""},
    {"TTestWidget", "Options", erInvalidate, ""},
    {"TTestWidget", "Maximum", erBackGround, ""},
    {"TTestWidget", "Caption", erInvalidate, ""},
    {"TTestWidget", "NeedleColor", erInvalidate, ""},
    {"TTestWidget", "Font", erBackGround, ""},
};
