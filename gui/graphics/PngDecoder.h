#pragma once

#include <cairo.h>

#include <cstdint>
#include <span>

class TBitmap;

// Reads a PNG picture through cairo, after checking its size against the bitmap limits.
class PngDecoder {
public:
    static bool Recognises(std::span<const std::uint8_t> data);
    // Throws Exception when the data cannot be read; the target may then hold a partial picture.
    static void Decode(std::span<const std::uint8_t> data, TBitmap& target);

private:
    static void CheckHeader(std::span<const std::uint8_t> data);
    static cairo_surface_t* ReadSurface(std::span<const std::uint8_t> data);
};
