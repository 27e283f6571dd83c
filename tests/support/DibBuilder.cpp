#include "support/DibBuilder.h"

#include "gui/graphics/ByteWriter.h"

namespace {

std::size_t RowBytes(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

} // namespace

DibBuilder::DibBuilder(int width, int height, int bitCount)
    : m_width(width), m_height(height), m_bitCount(bitCount) {}

DibBuilder& DibBuilder::HeaderSize(std::uint32_t value) {
    m_headerSize = value;
    return *this;
}

DibBuilder& DibBuilder::Compression(std::uint32_t value) {
    m_compression = value;
    return *this;
}

DibBuilder& DibBuilder::ColorsUsed(std::uint32_t value) {
    m_colorsUsed = value;
    return *this;
}

DibBuilder& DibBuilder::Palette(std::vector<std::uint32_t> colors) {
    m_palette = std::move(colors);
    return *this;
}

DibBuilder& DibBuilder::Masks(std::uint32_t red, std::uint32_t green, std::uint32_t blue,
                              std::uint32_t alpha) {
    m_masks = {red, green, blue, alpha};
    return *this;
}

DibBuilder& DibBuilder::TopDown() {
    m_topDown = true;
    return *this;
}

DibBuilder& DibBuilder::Pixels(const std::function<std::uint32_t(int x, int y)>& value) {
    const std::size_t rowBytes = RowBytes(m_width, m_bitCount);
    m_pixels.assign(rowBytes * m_height, 0);
    for (int y = 0; y < m_height; ++y) {
        std::uint8_t* row = m_pixels.data() + StoredRow(y) * rowBytes;
        for (int x = 0; x < m_width; ++x) {
            const std::uint32_t v = value(x, y);
            if (m_bitCount <= 8) {
                const int bit = x * m_bitCount;
                row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - m_bitCount - bit % 8));
                continue;
            }
            for (int i = 0; i < m_bitCount / 8; ++i) {
                row[x * m_bitCount / 8 + i] = static_cast<std::uint8_t>(v >> (8 * i));
            }
        }
    }
    return *this;
}

DibBuilder& DibBuilder::RawPixels(std::vector<std::uint8_t> bytes) {
    m_pixels = std::move(bytes);
    return *this;
}

DibBuilder& DibBuilder::IconMask(const std::function<bool(int x, int y)>& transparent) {
    m_icon = true;
    const std::size_t rowBytes = RowBytes(m_width, 1);
    m_mask.assign(rowBytes * m_height, 0);
    for (int y = 0; y < m_height; ++y) {
        std::uint8_t* row = m_mask.data() + StoredRow(y) * rowBytes;
        for (int x = 0; x < m_width; ++x) {
            if (transparent(x, y)) {
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return *this;
}

std::vector<std::uint8_t> DibBuilder::Header() const {
    TByteWriter out;
    out.U32(m_headerSize);
    const int storedHeight = (m_topDown ? -m_height : m_height) * (m_icon ? 2 : 1);
    if (m_headerSize == 12) {
        out.U16(static_cast<std::uint16_t>(m_width)).U16(static_cast<std::uint16_t>(storedHeight));
        out.U16(1).U16(static_cast<std::uint16_t>(m_bitCount));
    } else {
        out.I32(m_width).I32(storedHeight).U16(1).U16(static_cast<std::uint16_t>(m_bitCount));
        out.U32(m_compression).U32(static_cast<std::uint32_t>(m_pixels.size()));
        out.I32(2835).I32(2835).U32(m_colorsUsed).U32(0);
        const bool masksInHeader = m_headerSize > 40;
        for (std::size_t i = 0; i < m_masks.size() && (masksInHeader || i < 3); ++i) {
            out.U32(m_masks[i]);
        }
        if (masksInHeader) {
            out.Zeros(m_headerSize - out.Size());
        }
    }
    for (const std::uint32_t color : m_palette) {
        out.U8(static_cast<std::uint8_t>(color)).U8(static_cast<std::uint8_t>(color >> 8));
        out.U8(static_cast<std::uint8_t>(color >> 16));
        if (m_headerSize != 12) {
            out.U8(0);
        }
    }
    return out.Bytes();
}

std::vector<std::uint8_t> DibBuilder::Dib() const {
    TByteWriter out;
    out.Append(Header()).Append(m_pixels).Append(m_mask);
    return out.Bytes();
}

std::vector<std::uint8_t> DibBuilder::Bmp() const {
    const std::vector<std::uint8_t> dib = Dib();
    const auto pixelOffset = static_cast<std::uint32_t>(14 + Header().size());
    TByteWriter out;
    out.U8('B').U8('M').U32(static_cast<std::uint32_t>(14 + dib.size())).U32(0).U32(pixelOffset);
    out.Append(dib);
    return out.Bytes();
}
