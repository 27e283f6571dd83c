#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"

// A picture read from any bytes either fails cleanly or gives a picture within the bitmap limits
// whose premultiplied colour never exceeds its alpha.
template <typename Decoder> int FuzzPictureDecoder(const std::uint8_t* data, std::size_t size) {
    TBitmap bitmap;
    try {
        Decoder::Decode(std::span(data, size), bitmap);
    } catch (const Exception&) {
        return 0;
    }
    if (bitmap.Empty() || bitmap.Width() > TBitmap::MaxSide || bitmap.Height() > TBitmap::MaxSide) {
        __builtin_trap();
    }
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint32_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const std::uint32_t alpha = row[x] >> 24;
            if ((row[x] >> 16 & 0xFF) > alpha || (row[x] >> 8 & 0xFF) > alpha ||
                (row[x] & 0xFF) > alpha) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
