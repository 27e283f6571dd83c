#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "gui/graphics/Geometry.h"

// The slots of an image list laid out as its stream stores them: four pictures to a row, slot i
// at column i mod 4 and row i div 4. Colour pixels are four bytes each (blue, green, red, unused)
// and the mask has one bit per pixel, set where the picture is transparent. Rows run top-down
// and keep every byte they were given, row padding and unused bytes included, so that a list
// read from a stream writes back exactly. A grid may instead look at rows stored elsewhere,
// bottom-up as a bitmap file keeps them, and takes a copy of its own only when it is changed.
class TImageGrid {
public:
    static constexpr int PicturesPerRow = 4;

    // Throws Exception unless Fits.
    TImageGrid(int width, int height, int capacity);
    // Looks at bottom-up rows of exactly the grid's size, which must outlive the grid and every
    // copy of it. Throws Exception unless Fits and the sizes match.
    static TImageGrid Viewing(int width, int height, int capacity,
                              std::span<const std::uint8_t> colourRows,
                              std::span<const std::uint8_t> maskRows);

    // Whether the pictures and the whole grid are small enough to hold (see TBitmap::MaxSide and
    // TBitmap::MaxPixels).
    static bool Fits(int width, int height, int capacity);
    // Rows of pictures needed for that many slots.
    static int SlotRows(int capacity) { return (capacity + PicturesPerRow - 1) / PicturesPerRow; }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Capacity() const { return m_capacity; }
    // Additional slots come as zero rows below the existing ones.
    void SetCapacity(int capacity);

    // The grid as a picture of its own.
    int GridWidth() const { return PicturesPerRow * m_width; }
    int GridHeight() const { return SlotRows(m_capacity) * m_height; }
    std::size_t ColourStride() const;
    std::size_t MaskStride() const;
    // Row y from the top. The changeable rows of a viewing grid are its own copy, taken then.
    std::span<std::uint8_t> ColourRow(int y);
    std::span<const std::uint8_t> ColourRow(int y) const;
    std::span<std::uint8_t> MaskRow(int y);
    std::span<const std::uint8_t> MaskRow(int y) const;

    // Pixels of one slot, (x, y) inside the picture; colours are 0x00RRGGBB.
    std::uint32_t Colour(int index, int x, int y) const;
    void SetColour(int index, int x, int y, std::uint32_t rgb);
    bool Masked(int index, int x, int y) const;
    void SetMasked(int index, int x, int y, bool masked);

private:
    static void CheckSize(int width, int height, int capacity);
    void Own();
    TPoint Origin(int index) const;
    std::size_t ColourOffset(int index, int x) const;

    int m_width;
    int m_height;
    int m_capacity;
    std::vector<std::uint8_t> m_colour;
    std::vector<std::uint8_t> m_mask;
    // Bottom-up rows looked at in place of the two vectors while those are empty.
    std::span<const std::uint8_t> m_viewedColour;
    std::span<const std::uint8_t> m_viewedMask;
};
