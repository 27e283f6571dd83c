#pragma once

#include <cstdint>
#include <span>

class TBitmap;

// Reads a picture file held in memory into a bitmap, recognising the format by its content.
class PictureDecoder {
public:
    // Throws Exception with a clear message when the data is not a readable JPEG, ICO, BMP or
    // PNG picture. A codec may fail halfway through the pixels, so callers that must keep their
    // picture on failure decode into a scratch bitmap (as TBitmap::LoadFromBytes does).
    static void Decode(std::span<const std::uint8_t> data, TBitmap& target);
};
