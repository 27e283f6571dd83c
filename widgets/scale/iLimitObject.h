#pragma once

#include <cstdint>

#include "gui/graphics/Color.h"

// An upper and a lower threshold that a value widget reports crossings of, and that a gauge may
// mark with pointers of their own.
struct TiLimitObject {
    double UpperValue = 0;
    double LowerValue = 0;
    int PointerSize = 0;
    int PointerMargin = 0;
    // Any value but 0 puts the limit's pointers outside the arc.
    std::uint8_t Outside = 0;
    TColor UpperColor = clBlack;
    TColor LowerColor = clBlack;
    bool ShowUpperPointer = false;
    bool ShowLowerPointer = false;
};
