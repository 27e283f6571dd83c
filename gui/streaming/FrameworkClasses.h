#pragma once

#include "gui/streaming/ClassInfo.h"

// The streamable classes of the framework and the graphics layer that widgets and screens
// build on. Each is built and registered on first use.
class TFrameworkClasses {
public:
    static const TClassInfo& Component();
    static const TClassInfo& Control();
    static const TClassInfo& WinControl();
    static const TClassInfo& Form();
    static const TClassInfo& Timer();
    static const TClassInfo& Font();
    // A picture streamed as the defined property "Data" (PNG bytes when written).
    static const TClassInfo& Bitmap();
};
