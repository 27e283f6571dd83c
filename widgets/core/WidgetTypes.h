#pragma once

#include <cstdint>

// The 3D look of borders, frames and etched lines.
enum TiBevelStyle : std::uint8_t { ibsNone, ibsRaised, ibsLowered };

enum TiAlignmentHorizontal : std::uint8_t { iahCenter, iahLeft, iahRight };
enum TiAlignmentVertical : std::uint8_t { iavCenter, iavTop, iavBottom };
