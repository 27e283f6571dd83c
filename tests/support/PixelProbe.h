#pragma once

#include <algorithm>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Geometry.h"

// Bounding box of every pixel that differs from the background; Right = -1 when there is none.
inline TRect InkBounds(const TBitmap& bitmap, TColor background = clWhite) {
    TRect box{bitmap.Width(), bitmap.Height(), -1, -1};
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (bitmap.Pixel(x, y) != background) {
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                       std::max(box.Bottom, y + 1)};
            }
        }
    }
    return box;
}

inline int CountPixels(const TBitmap& bitmap, TColor color) {
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            count += bitmap.Pixel(x, y) == color ? 1 : 0;
        }
    }
    return count;
}
