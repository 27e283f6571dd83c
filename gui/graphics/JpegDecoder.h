#pragma once

#include <cstdint>
#include <span>

class TBitmap;

// Reads a JPEG picture through libjpeg: colour and grayscale straight into the bitmap rows,
// CMYK and YCCK converted here.
class JpegDecoder {
public:
    static bool Recognises(std::span<const std::uint8_t> data);
    // Throws Exception when the data cannot be read, including data that ends early; the target
    // may then hold a partial picture.
    static void Decode(std::span<const std::uint8_t> data, TBitmap& target);
};
