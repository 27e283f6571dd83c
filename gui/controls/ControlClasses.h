#pragma once

#include "gui/streaming/ClassInfo.h"

// The streamable classes of the controls layer, published as the designer publishes them.
class TControlClasses {
public:
    static const TClassInfo& Image();
    static const TClassInfo& Label();
    static const TClassInfo& RichEdit();
    static const TClassInfo& SpeedButton();

    // Builds the class information of every framework and control class, so that layouts may
    // name them; the program calls it once at start-up, before it reads a layout.
    static void RegisterAll();
};
