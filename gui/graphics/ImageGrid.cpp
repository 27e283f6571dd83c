#include "gui/graphics/ImageGrid.h"

#include <algorithm>
#include <string>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"

TImageGrid::TImageGrid(int width, int height, int capacity)
    : m_width(width), m_height(height), m_capacity(capacity) {
    CheckSize(width, height, capacity);
    m_colour.resize(ColourStride() * GridHeight());
    m_mask.resize(MaskStride() * GridHeight());
}

TImageGrid TImageGrid::Viewing(int width, int height, int capacity,
                               std::span<const std::uint8_t> colourRows,
                               std::span<const std::uint8_t> maskRows) {
    TImageGrid grid(0, 0, 0);
    CheckSize(width, height, capacity);
    grid.m_width = width;
    grid.m_height = height;
    grid.m_capacity = capacity;
    const auto rows = static_cast<std::size_t>(grid.GridHeight());
    if (colourRows.size() != grid.ColourStride() * rows ||
        maskRows.size() != grid.MaskStride() * rows) {
        throw Exception("The rows do not fit an image list of " + std::to_string(capacity) +
                        " pictures of " + std::to_string(width) + " x " + std::to_string(height));
    }
    grid.m_viewedColour = colourRows;
    grid.m_viewedMask = maskRows;
    return grid;
}

bool TImageGrid::Fits(int width, int height, int capacity) {
    const auto side = [](int value) { return value >= 0 && value <= TBitmap::MaxSide; };
    return side(width) && side(height) && capacity >= 0 && capacity <= TBitmap::MaxPixels &&
           static_cast<long long>(PicturesPerRow) * width * SlotRows(capacity) * height <=
               TBitmap::MaxPixels;
}

void TImageGrid::CheckSize(int width, int height, int capacity) {
    if (!Fits(width, height, capacity)) {
        throw Exception("An image list of " + std::to_string(capacity) + " pictures of " +
                        std::to_string(width) + " x " + std::to_string(height) +
                        " is not supported");
    }
}

void TImageGrid::SetCapacity(int capacity) {
    CheckSize(m_width, m_height, capacity);
    Own();
    m_capacity = capacity;
    m_colour.resize(ColourStride() * GridHeight());
    m_mask.resize(MaskStride() * GridHeight());
}

std::size_t TImageGrid::ColourStride() const {
    return static_cast<std::size_t>(GridWidth()) * 4;
}

// Mask rows are padded to whole 32-bit words.
std::size_t TImageGrid::MaskStride() const {
    return (static_cast<std::size_t>(GridWidth()) + 31) / 32 * 4;
}

// A viewing grid turns into one with rows of its own, top-down, before anything changes.
void TImageGrid::Own() {
    if (m_viewedColour.data() == nullptr)
        return;
    const int rows = GridHeight();
    std::vector<std::uint8_t> colour(ColourStride() * rows);
    std::vector<std::uint8_t> mask(MaskStride() * rows);
    const TImageGrid& viewed = *this;
    for (int y = 0; y < rows; ++y) {
        const auto colourRow = viewed.ColourRow(y);
        const auto maskRow = viewed.MaskRow(y);
        std::copy(colourRow.begin(), colourRow.end(), colour.begin() + ColourStride() * y);
        std::copy(maskRow.begin(), maskRow.end(), mask.begin() + MaskStride() * y);
    }
    m_colour = std::move(colour);
    m_mask = std::move(mask);
    m_viewedColour = {};
    m_viewedMask = {};
}

std::span<std::uint8_t> TImageGrid::ColourRow(int y) {
    Own();
    return {m_colour.data() + ColourStride() * y, ColourStride()};
}

std::span<const std::uint8_t> TImageGrid::ColourRow(int y) const {
    if (m_viewedColour.data() != nullptr)
        return m_viewedColour.subspan(ColourStride() * (GridHeight() - 1 - y), ColourStride());
    return {m_colour.data() + ColourStride() * y, ColourStride()};
}

std::span<std::uint8_t> TImageGrid::MaskRow(int y) {
    Own();
    return {m_mask.data() + MaskStride() * y, MaskStride()};
}

std::span<const std::uint8_t> TImageGrid::MaskRow(int y) const {
    if (m_viewedMask.data() != nullptr)
        return m_viewedMask.subspan(MaskStride() * (GridHeight() - 1 - y), MaskStride());
    return {m_mask.data() + MaskStride() * y, MaskStride()};
}

TPoint TImageGrid::Origin(int index) const {
    return {index % PicturesPerRow * m_width, index / PicturesPerRow * m_height};
}

// Of the pixel's blue byte, within its row.
std::size_t TImageGrid::ColourOffset(int index, int x) const {
    return static_cast<std::size_t>(Origin(index).X + x) * 4;
}

std::uint32_t TImageGrid::Colour(int index, int x, int y) const {
    const std::uint8_t* bgr = ColourRow(Origin(index).Y + y).data() + ColourOffset(index, x);
    return static_cast<std::uint32_t>(bgr[2]) << 16 | static_cast<std::uint32_t>(bgr[1]) << 8 |
           bgr[0];
}

void TImageGrid::SetColour(int index, int x, int y, std::uint32_t rgb) {
    std::uint8_t* bgr = ColourRow(Origin(index).Y + y).data() + ColourOffset(index, x);
    bgr[0] = static_cast<std::uint8_t>(rgb);
    bgr[1] = static_cast<std::uint8_t>(rgb >> 8);
    bgr[2] = static_cast<std::uint8_t>(rgb >> 16);
    bgr[3] = 0;
}

// The leftmost pixel of a mask row is the high bit of its first byte.
bool TImageGrid::Masked(int index, int x, int y) const {
    const TPoint origin = Origin(index);
    const int column = origin.X + x;
    return (MaskRow(origin.Y + y)[column / 8] >> (7 - column % 8) & 1) != 0;
}

void TImageGrid::SetMasked(int index, int x, int y, bool masked) {
    const TPoint origin = Origin(index);
    const int column = origin.X + x;
    std::uint8_t& byte = MaskRow(origin.Y + y)[column / 8];
    const auto bit = static_cast<std::uint8_t>(0x80 >> (column % 8));
    byte = static_cast<std::uint8_t>(masked ? byte | bit : byte & ~bit);
}
