#pragma once

#include <cstdint>
#include <span>

class TBitmap;

// Reads an icon or cursor file: picks its largest picture, deeper colour breaking ties, and
// decodes it from PNG or from a device-independent bitmap with a transparency mask.
class IcoDecoder {
public:
    static bool Recognises(std::span<const std::uint8_t> data);
    // Throws Exception when the data cannot be read; the target may then hold a partial picture.
    static void Decode(std::span<const std::uint8_t> data, TBitmap& target);

private:
    struct TEntry {
        int width = 0;
        int height = 0;
        int bitCount = 0;
        std::span<const std::uint8_t> data;
    };

    static TEntry BestEntry(std::span<const std::uint8_t> data);
    static TEntry ReadEntry(std::span<const std::uint8_t> file, std::span<const std::uint8_t> raw);
    static int EntryBitCount(std::span<const std::uint8_t> data, int listed);
    static void DecodeDib(std::span<const std::uint8_t> data, TBitmap& target);
};
