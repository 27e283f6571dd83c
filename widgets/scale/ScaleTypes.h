#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "gui/graphics/Object.h"
#include "widgets/core/WidgetTypes.h"

// Where minor ticks sit within the band of the major ticks.
enum TiTickMinorAlignment : std::uint8_t { itmnaInside, itmnaCenter, itmnaOutside };
// How the label precision is read: digits that matter over the range, or decimals as they are.
enum TiPrecisionStyle : std::uint8_t { ipsSignificantDigits, ipsFixedDecimalPoints };
// Auto-scaling widens the range to round limits, or keeps it and moves the major ticks onto round
// values inside it.
enum TiAutoScaleStyle : std::uint8_t { iassAutoMinMax, iassFixedMinMax };

// Lets the application replace the text of the label at a major tick (index from 0).
using TOnCustomizeTickLabel =
    std::function<void(TObject* sender, int index, std::string& displayText)>;
