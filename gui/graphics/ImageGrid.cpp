#include "gui/graphics/ImageGrid.h"

#include <string>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"

TImageGrid::TImageGrid(int width, int height, int capacity)
    : m_width(width), m_height(height), m_capacity(capacity) {
    CheckSize(width, height, capacity);
    m_colour.resize(ColourStride() * GridHeight());
    m_mask.resize(MaskStride() * GridHeight());
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

std::span<std::uint8_t> TImageGrid::ColourRow(int y) {
    return {m_colour.data() + ColourStride() * y, ColourStride()};
}

std::span<const std::uint8_t> TImageGrid::ColourRow(int y) const {
    return {m_colour.data() + ColourStride() * y, ColourStride()};
}

std::span<std::uint8_t> TImageGrid::MaskRow(int y) {
    return {m_mask.data() + MaskStride() * y, MaskStride()};
}

std::span<const std::uint8_t> TImageGrid::MaskRow(int y) const {
    return {m_mask.data() + MaskStride() * y, MaskStride()};
}

TPoint TImageGrid::Origin(int index) const {
    return {index % PicturesPerRow * m_width, index / PicturesPerRow * m_height};
}

std::uint8_t* TImageGrid::ColourPixel(int index, int x, int y) {
    const TPoint origin = Origin(index);
    return ColourRow(origin.Y + y).data() + static_cast<std::size_t>(origin.X + x) * 4;
}

const std::uint8_t* TImageGrid::ColourPixel(int index, int x, int y) const {
    return const_cast<TImageGrid*>(this)->ColourPixel(index, x, y);
}

std::uint32_t TImageGrid::Colour(int index, int x, int y) const {
    const std::uint8_t* bgr = ColourPixel(index, x, y);
    return static_cast<std::uint32_t>(bgr[2]) << 16 | static_cast<std::uint32_t>(bgr[1]) << 8 |
           bgr[0];
}

void TImageGrid::SetColour(int index, int x, int y, std::uint32_t rgb) {
    std::uint8_t* bgr = ColourPixel(index, x, y);
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
