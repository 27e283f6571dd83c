#pragma once

#include <cstdint>
#include <span>

class TBitmap;

// Reads a BMP file: the file header, then the device-independent bitmap it wraps.
class BmpDecoder {
public:
    static bool Recognises(std::span<const std::uint8_t> data);
    // Throws Exception when the data cannot be read; the target may then hold a partial picture.
    static void Decode(std::span<const std::uint8_t> data, TBitmap& target);
};
