#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Writes device-independent bitmaps, BMP files around them and icon pictures, laid out the way
// common writers lay them out, so the loader tests can build every variant in code.
class DibBuilder {
public:
    static constexpr std::uint32_t Rgb = 0;
    static constexpr std::uint32_t Rle8 = 1;
    static constexpr std::uint32_t Rle4 = 2;
    static constexpr std::uint32_t BitFields = 3;

    DibBuilder(int width, int height, int bitCount);

    DibBuilder& HeaderSize(std::uint32_t value);
    DibBuilder& Compression(std::uint32_t value);
    DibBuilder& ColorsUsed(std::uint32_t value);
    // Colours as 0xRRGGBB.
    DibBuilder& Palette(std::vector<std::uint32_t> colors);
    DibBuilder& Masks(std::uint32_t red, std::uint32_t green, std::uint32_t blue,
                      std::uint32_t alpha);
    DibBuilder& TopDown();
    // One value per pixel, picture rows counted from the top: a palette index or the raw 16, 24
    // or 32-bit pixel. Rows are stored padded to 32 bits in the header's order.
    DibBuilder& Pixels(const std::function<std::uint32_t(int x, int y)>& value);
    // Stored pixel data as is, for compressed pictures.
    DibBuilder& RawPixels(std::vector<std::uint8_t> bytes);
    // Makes an icon picture: the header height doubles and a 1-bit mask follows the pixels.
    DibBuilder& IconMask(const std::function<bool(int x, int y)>& transparent);

    std::vector<std::uint8_t> Dib() const;
    std::vector<std::uint8_t> Bmp() const;

private:
    std::vector<std::uint8_t> Header() const;
    int StoredRow(int y) const { return m_topDown ? y : m_height - 1 - y; }

    int m_width;
    int m_height;
    int m_bitCount;
    std::uint32_t m_headerSize = 40;
    std::uint32_t m_compression = Rgb;
    std::uint32_t m_colorsUsed = 0;
    std::vector<std::uint32_t> m_palette;
    std::vector<std::uint32_t> m_masks;
    bool m_topDown = false;
    bool m_icon = false;
    std::vector<std::uint8_t> m_pixels;
    std::vector<std::uint8_t> m_mask;
};
