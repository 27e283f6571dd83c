#pragma once

#include <cstdint>

// The 3D look of borders, frames and etched lines.
enum TiBevelStyle : std::uint8_t { ibsNone, ibsRaised, ibsLowered };

enum TiAlignmentHorizontal : std::uint8_t { iahCenter, iahLeft, iahRight };
enum TiAlignmentVertical : std::uint8_t { iavCenter, iavTop, iavBottom };

// The direction of a track or scale, and the side of it where marks and labels go: right of a
// vertical one or below a horizontal one (iosBottomRight), or the other side.
enum TiOrientation : std::uint8_t { ioVertical, ioHorizontal };
enum TiOrientationSide : std::uint8_t { iosBottomRight, iosTopLeft };
