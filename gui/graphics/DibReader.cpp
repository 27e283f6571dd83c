#include "gui/graphics/DibReader.h"

#include <cairo.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <string>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/ByteReader.h"
#include "gui/graphics/Exception.h"

namespace {

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;
constexpr std::uint32_t BI_ALPHABITFIELDS = 6;

constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t V2HeaderSize = 52;
constexpr std::uint32_t V3HeaderSize = 56;
constexpr std::uint32_t V4HeaderSize = 108;
constexpr std::uint32_t V5HeaderSize = 124;

constexpr std::uint32_t Opaque = 0xFF000000u;

enum TChannelIndex { ciRed, ciGreen, ciBlue, ciAlpha };

std::uint32_t Premultiply(std::uint32_t pixel) {
    const std::uint32_t a = pixel >> 24;
    auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return a << 24 | scale(pixel >> 16 & 0xFF) << 16 | scale(pixel >> 8 & 0xFF) << 8 |
           scale(pixel & 0xFF);
}

} // namespace

DibReader::DibReader(std::span<const std::uint8_t> dib, TKind kind)
    : m_kind(kind), m_format(kind == dkIcon ? "Icon" : "Bitmap") {
    ByteReader reader(dib, m_format);
    const std::uint32_t headerSize = reader.U32();
    if (headerSize == CoreHeaderSize) {
        ReadCoreHeader(reader);
    } else {
        ReadInfoHeader(reader, headerSize);
    }
    if (m_kind == dkIcon) {
        m_height /= 2;
    }
    CheckFormat();
    CheckSize();
}

void DibReader::ReadCoreHeader(ByteReader& reader) {
    m_width = reader.U16();
    m_height = reader.U16();
    reader.Skip(2);
    m_bitCount = reader.U16();
    m_compression = BI_RGB;
    SetDefaultMasks();
    ReadPalette(reader, 0, 3);
}

void DibReader::ReadInfoHeader(ByteReader& reader, std::uint32_t headerSize) {
    if (headerSize != InfoHeaderSize && headerSize != V2HeaderSize && headerSize != V3HeaderSize &&
        headerSize != V4HeaderSize && headerSize != V5HeaderSize) {
        throw Exception(std::string(m_format) + " header size " + std::to_string(headerSize) +
                        " is not supported");
    }
    m_width = reader.I32();
    const std::int32_t height = reader.I32();
    if (height == INT_MIN) {
        throw Exception(std::string(m_format) + " height is out of range");
    }
    m_topDown = height < 0;
    m_height = m_topDown ? -height : height;
    reader.Skip(2);
    m_bitCount = reader.U16();
    m_compression = reader.U32();
    reader.Skip(12);
    const std::uint32_t colorsUsed = reader.U32();
    reader.Skip(4);
    ReadMasks(reader, headerSize);
    ReadPalette(reader, colorsUsed, 4);
}

void DibReader::ReadMasks(ByteReader& reader, std::uint32_t headerSize) {
    const bool bitFields = m_compression == BI_BITFIELDS || m_compression == BI_ALPHABITFIELDS;
    if (headerSize == InfoHeaderSize && bitFields) {
        const std::uint32_t red = reader.U32();
        const std::uint32_t green = reader.U32();
        const std::uint32_t blue = reader.U32();
        SetMasks(red, green, blue, m_compression == BI_ALPHABITFIELDS ? reader.U32() : 0);
        return;
    }
    if (bitFields) {
        const std::uint32_t red = reader.U32();
        const std::uint32_t green = reader.U32();
        const std::uint32_t blue = reader.U32();
        SetMasks(red, green, blue, headerSize >= V3HeaderSize ? reader.U32() : 0);
    } else {
        SetDefaultMasks();
    }
    reader.Seek(headerSize);
}

void DibReader::SetDefaultMasks() {
    if (m_bitCount == 16) {
        SetMasks(0x7C00, 0x03E0, 0x001F, 0);
    } else {
        SetMasks(0xFF0000, 0xFF00, 0xFF, m_kind == dkIcon && m_bitCount == 32 ? 0xFF000000u : 0);
    }
}

void DibReader::SetMasks(std::uint32_t red, std::uint32_t green, std::uint32_t blue,
                         std::uint32_t alpha) {
    m_channels = {Channel(red), Channel(green), Channel(blue), Channel(alpha)};
}

void DibReader::ReadPalette(ByteReader& reader, std::uint32_t colorsUsed, std::size_t entryBytes) {
    m_palette.fill(Opaque);
    std::size_t count = colorsUsed;
    if (count == 0 && m_bitCount <= 8) {
        count = std::size_t{1} << m_bitCount;
    }
    if (count > reader.Remaining() / entryBytes) {
        throw Exception(std::string(m_format) + " palette does not fit in the data");
    }
    const auto entries = reader.Bytes(count * entryBytes);
    const std::size_t used = m_bitCount <= 8 ? std::min(count, m_palette.size()) : 0;
    for (std::size_t i = 0; i < used; ++i) {
        const std::uint8_t* entry = entries.data() + i * entryBytes;
        m_palette[i] = Opaque | static_cast<std::uint32_t>(entry[2]) << 16 |
                       static_cast<std::uint32_t>(entry[1]) << 8 | entry[0];
    }
    m_headerBytes = reader.Position();
}

void DibReader::CheckFormat() const {
    bool valid = false;
    switch (m_compression) {
    case BI_RGB:
        valid = m_bitCount == 1 || m_bitCount == 4 || m_bitCount == 8 || m_bitCount == 16 ||
                m_bitCount == 24 || m_bitCount == 32;
        break;
    case BI_RLE8:
        valid = m_bitCount == 8 && !m_topDown && m_kind == dkFile;
        break;
    case BI_RLE4:
        valid = m_bitCount == 4 && !m_topDown && m_kind == dkFile;
        break;
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
        valid = m_bitCount == 16 || m_bitCount == 32;
        break;
    default:
        break;
    }
    if (!valid) {
        throw Exception(std::string(m_format) + " with " + std::to_string(m_bitCount) +
                        " bits per pixel and compression " + std::to_string(m_compression) +
                        " is not supported");
    }
}

void DibReader::CheckSize() const {
    if (m_width < 1 || m_height < 1 || m_width > TBitmap::MaxSide || m_height > TBitmap::MaxSide ||
        static_cast<long long>(m_width) * m_height > TBitmap::MaxPixels) {
        throw Exception(std::string(m_format) + " size " + std::to_string(m_width) + " x " +
                        std::to_string(m_height) + " is not supported");
    }
}

DibReader::TChannel DibReader::Channel(std::uint32_t mask) {
    if (mask == 0) {
        return {};
    }
    const int shift = std::countr_zero(mask);
    return {mask, shift, static_cast<int>(std::bit_width(mask >> shift))};
}

std::uint32_t DibReader::Expand(std::uint32_t value, const TChannel& channel) {
    if (channel.mask == 0) {
        return 0;
    }
    const std::uint32_t raw = (value & channel.mask) >> channel.shift;
    if (channel.bits >= 8) {
        return raw >> (channel.bits - 8);
    }
    const std::uint32_t max = (1u << channel.bits) - 1;
    return (raw * 255 + max / 2) / max;
}

std::size_t DibReader::RowBytes() const {
    return (static_cast<std::size_t>(m_width) * m_bitCount + 31) / 32 * 4;
}

bool DibReader::IsRle() const {
    return m_compression == BI_RLE8 || m_compression == BI_RLE4;
}

bool DibReader::ReadPixels(std::span<const std::uint8_t> pixels, TBitmap& target) const {
    if (IsRle()) {
        ReadRle(pixels, target);
    } else {
        ReadRows(pixels, target);
    }
    const bool alpha = FinishAlpha(target);
    cairo_surface_mark_dirty(target.Surface());
    return alpha;
}

void DibReader::ReadRows(std::span<const std::uint8_t> pixels, TBitmap& target) const {
    const std::size_t rowBytes = RowBytes();
    if (rowBytes * static_cast<std::size_t>(m_height) > pixels.size()) {
        throw Exception(std::string(m_format) + " pixel data is truncated");
    }
    target.SetSize(m_width, m_height);
    for (int row = 0; row < m_height; ++row) {
        ReadRow(pixels.data() + row * rowBytes, target.ScanLine(TargetRow(row)));
    }
}

void DibReader::ReadRow(const std::uint8_t* source, std::uint32_t* target) const {
    switch (m_bitCount) {
    case 1:
    case 4:
    case 8: {
        const unsigned indexMask = (1u << m_bitCount) - 1;
        for (int x = 0; x < m_width; ++x) {
            const std::size_t bit = static_cast<std::size_t>(x) * m_bitCount;
            const int shift = 8 - m_bitCount - static_cast<int>(bit % 8);
            target[x] = m_palette[(source[bit / 8] >> shift) & indexMask];
        }
        break;
    }
    case 16:
        for (int x = 0; x < m_width; ++x) {
            target[x] = Masked(source[2 * x] | source[2 * x + 1] << 8);
        }
        break;
    case 24:
        for (int x = 0; x < m_width; ++x) {
            const std::uint8_t* p = source + 3 * x;
            target[x] = Opaque | static_cast<std::uint32_t>(p[2]) << 16 |
                        static_cast<std::uint32_t>(p[1]) << 8 | p[0];
        }
        break;
    default:
        for (int x = 0; x < m_width; ++x) {
            const std::uint8_t* p = source + 4 * x;
            target[x] = Masked(
                static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
        }
        break;
    }
}

std::uint32_t DibReader::Masked(std::uint32_t value) const {
    return Expand(value, m_channels[ciAlpha]) << 24 | Expand(value, m_channels[ciRed]) << 16 |
           Expand(value, m_channels[ciGreen]) << 8 | Expand(value, m_channels[ciBlue]);
}

// Runs and literals must stay inside the picture; rows count from the bottom and pixels that
// the data skips stay black.
void DibReader::ReadRle(std::span<const std::uint8_t> pixels, TBitmap& target) const {
    target.SetSize(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        std::fill_n(target.ScanLine(y), m_width, Opaque);
    }
    ByteReader reader(pixels, m_format);
    int x = 0;
    int y = 0;
    for (;;) {
        const int count = reader.U8();
        const std::uint8_t value = reader.U8();
        if (count > 0) {
            PutRun(target, x, y, count, value);
            x += count;
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            x += reader.U8();
            y += reader.U8();
        } else {
            const std::size_t bytes = m_compression == BI_RLE8 ? value : (value + 1u) / 2;
            PutLiteral(target, x, y, value, reader.Bytes(bytes));
            reader.Skip(bytes % 2);
            x += value;
        }
        if (x > m_width || y > m_height) {
            throw Exception(std::string(m_format) + " RLE data runs past the picture");
        }
    }
}

std::uint32_t* DibReader::RlePixels(TBitmap& target, int x, int y, int count) const {
    if (y >= m_height || count > m_width - x) {
        throw Exception(std::string(m_format) + " RLE data runs past the picture");
    }
    return target.ScanLine(m_height - 1 - y) + x;
}

void DibReader::PutRun(TBitmap& target, int x, int y, int count, std::uint8_t value) const {
    std::uint32_t* pixels = RlePixels(target, x, y, count);
    if (m_compression == BI_RLE8) {
        std::fill_n(pixels, count, m_palette[value]);
        return;
    }
    const std::uint32_t colors[2] = {m_palette[value >> 4], m_palette[value & 0x0F]};
    for (int i = 0; i < count; ++i) {
        pixels[i] = colors[i % 2];
    }
}

void DibReader::PutLiteral(TBitmap& target, int x, int y, int count,
                           std::span<const std::uint8_t> indices) const {
    std::uint32_t* pixels = RlePixels(target, x, y, count);
    for (int i = 0; i < count; ++i) {
        const std::uint8_t index = m_compression == BI_RLE8 ? indices[i]
                                   : i % 2 == 0             ? indices[i / 2] >> 4
                                                            : indices[i / 2] & 0x0F;
        pixels[i] = m_palette[index];
    }
}

// Only an alpha channel that some pixel actually uses counts: many writers leave it all zero.
bool DibReader::FinishAlpha(TBitmap& target) const {
    bool anyAlpha = false;
    if (m_channels[ciAlpha].mask != 0) {
        for (int y = 0; y < m_height && !anyAlpha; ++y) {
            const std::uint32_t* row = target.ScanLine(y);
            anyAlpha = std::any_of(row, row + m_width, [](std::uint32_t p) { return p >> 24; });
        }
    }
    for (int y = 0; y < m_height; ++y) {
        std::uint32_t* row = target.ScanLine(y);
        for (int x = 0; x < m_width; ++x) {
            row[x] = anyAlpha ? Premultiply(row[x]) : row[x] | Opaque;
        }
    }
    return anyAlpha;
}
