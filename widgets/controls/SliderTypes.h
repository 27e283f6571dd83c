#pragma once

#include <cstdint>

// The looks shared by the slide switch and the slider.
enum TiSliderPointerStyle : std::uint8_t {
    ispsLed,
    ispsPointer,
    ispsBar,
    ispsLightBar,
    ispsBarColor
};
enum TiSliderTrackStyle : std::uint8_t { istsBox, istsLine, istsBevelLowered, istsBevelRasied };
