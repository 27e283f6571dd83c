#include "gui/graphics/IcoDecoder.h"

#include <cairo.h>

#include <string>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/ByteReader.h"
#include "gui/graphics/DibReader.h"
#include "gui/graphics/Exception.h"
#include "gui/graphics/PngDecoder.h"

namespace {

constexpr std::uint16_t IconType = 1;
constexpr std::uint16_t CursorType = 2;
constexpr std::size_t EntrySize = 16;

int ListedSide(std::uint8_t value) {
    return value == 0 ? 256 : value;
}

} // namespace

bool IcoDecoder::Recognises(std::span<const std::uint8_t> data) {
    return data.size() >= 4 && data[0] == 0 && data[1] == 0 &&
           (data[2] == IconType || data[2] == CursorType) && data[3] == 0;
}

void IcoDecoder::Decode(std::span<const std::uint8_t> data, TBitmap& target) {
    const TEntry entry = BestEntry(data);
    if (PngDecoder::Recognises(entry.data)) {
        PngDecoder::Decode(entry.data, target);
    } else {
        DecodeDib(entry.data, target);
    }
}

IcoDecoder::TEntry IcoDecoder::BestEntry(std::span<const std::uint8_t> data) {
    ByteReader reader(data, "Icon");
    const std::uint16_t reserved = reader.U16();
    const std::uint16_t type = reader.U16();
    if (reserved != 0 || (type != IconType && type != CursorType)) {
        throw Exception("Icon header is not valid");
    }
    const std::uint16_t count = reader.U16();
    if (count == 0) {
        throw Exception("Icon holds no pictures");
    }
    const auto directory = reader.Bytes(count * EntrySize);
    TEntry best;
    for (std::size_t i = 0; i < count; ++i) {
        const TEntry entry = ReadEntry(data, directory.subspan(i * EntrySize, EntrySize));
        const long long area = static_cast<long long>(entry.width) * entry.height;
        const long long bestArea = static_cast<long long>(best.width) * best.height;
        if (area > bestArea || (area == bestArea && entry.bitCount > best.bitCount)) {
            best = entry;
        }
    }
    return best;
}

IcoDecoder::TEntry IcoDecoder::ReadEntry(std::span<const std::uint8_t> file,
                                         std::span<const std::uint8_t> raw) {
    ByteReader reader(raw, "Icon");
    TEntry entry;
    entry.width = ListedSide(reader.U8());
    entry.height = ListedSide(reader.U8());
    reader.Skip(4);
    const int listedBitCount = reader.U16();
    const std::uint32_t size = reader.U32();
    const std::uint32_t offset = reader.U32();
    if (size == 0 || offset > file.size() || size > file.size() - offset) {
        throw Exception("Icon picture lies outside the file");
    }
    entry.data = file.subspan(offset, size);
    entry.bitCount = EntryBitCount(entry.data, listedBitCount);
    return entry;
}

// The directory's bit count is often zero, and in a cursor the field holds the hot spot, so the
// picture's own header is asked instead.
int IcoDecoder::EntryBitCount(std::span<const std::uint8_t> data, int listed) {
    constexpr int PngBitCount = 32;
    constexpr std::size_t CoreHeaderSize = 12;
    if (PngDecoder::Recognises(data)) {
        return PngBitCount;
    }
    if (data.size() < 16) {
        return listed;
    }
    ByteReader reader(data, "Icon");
    reader.Seek(reader.U32() == CoreHeaderSize ? 10 : 14);
    return reader.U16();
}

// Without alpha in the colour pixels, a set bit of the mask that follows them makes a pixel
// transparent.
void IcoDecoder::DecodeDib(std::span<const std::uint8_t> data, TBitmap& target) {
    const DibReader dib(data, DibReader::dkIcon);
    const auto pixels = data.subspan(dib.HeaderBytes());
    if (dib.ReadPixels(pixels, target)) {
        return;
    }
    const std::size_t maskRowBytes = (static_cast<std::size_t>(dib.Width()) + 31) / 32 * 4;
    ByteReader reader(pixels, "Icon");
    reader.Skip(dib.RowBytes() * dib.Height());
    const auto mask = reader.Bytes(maskRowBytes * dib.Height());
    for (int row = 0; row < dib.Height(); ++row) {
        const std::uint8_t* bits = mask.data() + row * maskRowBytes;
        std::uint32_t* line = target.ScanLine(dib.TargetRow(row));
        for (int x = 0; x < dib.Width(); ++x) {
            if (bits[x / 8] & (0x80 >> (x % 8))) {
                line[x] = 0;
            }
        }
    }
    cairo_surface_mark_dirty(target.Surface());
}
