#pragma once

#include <span>
#include <vector>

#include "gui/graphics/PixelRaster.h"

class TBitmap;

// Where a picture shows: per row, the runs of its pixels that are not fully transparent. For a
// picture whose pixels are either opaque or fully transparent, such as a masked picture of a
// picture list, copying just these runs gives what drawing the whole picture over a canvas
// gives, without blending every pixel.
class TOpaqueRuns {
public:
    TOpaqueRuns() = default;
    explicit TOpaqueRuns(const TBitmap& picture);

    std::span<const PixelRaster::Span> Spans() const { return m_spans; }

private:
    std::vector<PixelRaster::Span> m_spans;
};
