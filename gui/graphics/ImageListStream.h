#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "gui/graphics/ImageGrid.h"

// The stored form of an image list: a 28-byte header ("IL", version 0x0101, count, capacity,
// grow, width, height, background colour, flags, four overlay indexes), a 32-bit bottom-up
// bitmap file of the colour grid, a 1-bit bitmap file of the mask grid and 22 zero bytes, all
// little-endian. Whatever a stream holds that does not shape the pictures is kept as read, so
// reading and writing again reproduces the stream byte for byte.
class TImageListStream {
public:
    // Bitmap file fields that carry no layout; a new list writes these values.
    struct TBitmapFields {
        std::uint32_t FileSize = 54;
        // A stored image size may be 0; otherwise it is the size of the pixel rows.
        bool ImageSizeGiven = true;
        std::int32_t XPelsPerMeter = 0;
        std::int32_t YPelsPerMeter = 0;
        std::uint32_t ColorsUsed = 0;
        std::uint32_t ColorsImportant = 0;
    };

    struct TFields {
        std::uint16_t Grow = 4;
        std::uint32_t Background = 0xFFFFFFFF;
        std::uint16_t Flags = 0x10FF;
        std::array<std::int16_t, 4> Overlays = {-1, -1, -1, -1};
        TBitmapFields Colour;
        TBitmapFields Mask;
        std::array<std::uint8_t, 8> MaskPalette = {0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00};
    };

    struct TContent {
        int Count = 0;
        TFields Fields;
        TImageGrid Grid;
    };

    // Reads one list starting at offset and moves offset past it. Throws EReadError and leaves
    // offset alone when the data is not a readable list.
    static TContent Read(std::span<const std::uint8_t> data, std::size_t& offset);
    // The same, but the pictures stay where the data holds them until they are changed: the
    // data must outlive the content and every copy of it (the program's embedded files do).
    static TContent View(std::span<const std::uint8_t> data, std::size_t& offset);
    // Appends the list to out; throws EWriteError, appending nothing, when a count or size does
    // not fit its 16-bit field.
    static void Write(const TContent& content, std::vector<std::uint8_t>& out);

private:
    static TContent Parse(std::span<const std::uint8_t> data, std::size_t& offset, bool inPlace);
};
