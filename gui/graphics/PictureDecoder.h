#pragma once

#include <cstdint>
#include <span>

class TBitmap;

// Reads a picture file held in memory into a bitmap, recognising the format by its content.
class PictureDecoder {
public:
    // Throws Exception with a clear message when the data is not a readable JPEG, ICO, BMP or
    // PNG picture; the target is then left as it was.
    static void Decode(std::span<const std::uint8_t> data, TBitmap& target);
};
