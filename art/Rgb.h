#pragma once

#include <cairo.h>

#include <algorithm>
#include <cstdint>

// A colour of the artwork as cairo takes it: channels from 0 to 1.
struct TRgb {
    double r = 0;
    double g = 0;
    double b = 0;

    static constexpr TRgb Bytes(int red, int green, int blue) {
        return {red / 255.0, green / 255.0, blue / 255.0};
    }

    // Towards other by the given share (0 keeps this colour, 1 gives other).
    constexpr TRgb Mix(const TRgb& other, double share) const {
        return {r + (other.r - r) * share, g + (other.g - g) * share, b + (other.b - b) * share};
    }
    constexpr TRgb Darker(double share) const { return Mix({0, 0, 0}, share); }
    constexpr TRgb Lighter(double share) const { return Mix({1, 1, 1}, share); }

    // The opaque ARGB32 pixel of this colour.
    constexpr std::uint32_t Pixel() const {
        return 0xFF000000u | Channel(r) << 16 | Channel(g) << 8 | Channel(b);
    }
    static constexpr std::uint32_t Channel(double value) {
        return static_cast<std::uint32_t>(std::clamp(value, 0.0, 1.0) * 255 + 0.5);
    }

    void Use(cairo_t* cr, double alpha = 1) const { cairo_set_source_rgba(cr, r, g, b, alpha); }
    void Stop(cairo_pattern_t* pattern, double offset, double alpha = 1) const {
        cairo_pattern_add_color_stop_rgba(pattern, offset, r, g, b, alpha);
    }
};
