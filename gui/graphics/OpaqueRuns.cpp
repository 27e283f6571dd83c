#include "gui/graphics/OpaqueRuns.h"

#include "gui/graphics/Bitmap.h"

TOpaqueRuns::TOpaqueRuns(const TBitmap& picture) {
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint32_t* row = picture.ScanLine(y);
        for (int x = 0; x < picture.Width();) {
            if ((row[x] >> 24) == 0) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < picture.Width() && (row[x] >> 24) != 0) {
                ++x;
            }
            m_spans.push_back({y, left, x});
        }
    }
}
