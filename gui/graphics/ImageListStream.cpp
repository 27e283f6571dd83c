#include "gui/graphics/ImageListStream.h"

#include <algorithm>

#include "gui/graphics/Exception.h"

namespace {

constexpr std::uint16_t kMagic = 'I' | 'L' << 8;
constexpr std::uint16_t kVersion = 0x0101;
constexpr std::uint16_t kBitmapMagic = 'B' | 'M' << 8;
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::size_t kTrailerSize = 22;
constexpr std::uint32_t kMaskColours = 2;

[[noreturn]] void Fail() {
    throw EReadError("Failed to read ImageList data from stream");
}

void Require(bool condition) {
    if (!condition) {
        Fail();
    }
}

// Little-endian fields taken one after another; running past the end fails the read.
class TFieldReader {
public:
    TFieldReader(std::span<const std::uint8_t> data, std::size_t offset)
        : m_data(data), m_offset(offset) {
        Require(offset <= data.size());
    }

    std::size_t Offset() const { return m_offset; }

    std::span<const std::uint8_t> Take(std::size_t size) {
        Require(size <= m_data.size() - m_offset);
        const auto bytes = m_data.subspan(m_offset, size);
        m_offset += size;
        return bytes;
    }

    std::uint16_t U16() {
        const auto b = Take(2);
        return static_cast<std::uint16_t>(b[0] | b[1] << 8);
    }

    std::uint32_t U32() {
        const auto b = Take(4);
        return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
               static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    }

    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_offset;
};

void Put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

// What the layout dictates about one of the two bitmap files.
struct TBitmapShape {
    int Width;
    int Height;
    std::uint16_t BitCount;
    std::uint32_t PaletteColours;

    std::uint32_t PixelOffset() const {
        return kFileHeaderSize + kInfoHeaderSize + 4 * PaletteColours;
    }
    // Rows are padded to whole 32-bit words.
    std::size_t Stride() const {
        return (static_cast<std::size_t>(Width) * BitCount + 31) / 32 * 4;
    }
    std::size_t ImageSize() const { return Stride() * static_cast<std::size_t>(Height); }
};

TBitmapShape ColourShape(int width, int height, int capacity) {
    return {TImageGrid::PicturesPerRow * width, TImageGrid::SlotRows(capacity) * height, 32, 0};
}

TBitmapShape MaskShape(int width, int height, int capacity) {
    return {TImageGrid::PicturesPerRow * width, TImageGrid::SlotRows(capacity) * height, 1,
            kMaskColours};
}

TImageListStream::TBitmapFields ReadBitmapHeader(TFieldReader& in, const TBitmapShape& shape) {
    TImageListStream::TBitmapFields fields;
    Require(in.U16() == kBitmapMagic);
    fields.FileSize = in.U32();
    Require(in.U16() == 0 && in.U16() == 0);
    Require(in.U32() == shape.PixelOffset());
    Require(in.U32() == kInfoHeaderSize);
    Require(in.I32() == shape.Width && in.I32() == shape.Height);
    Require(in.U16() == 1 && in.U16() == shape.BitCount && in.U32() == 0);
    const std::uint32_t imageSize = in.U32();
    Require(imageSize == 0 || imageSize == shape.ImageSize());
    fields.ImageSizeGiven = imageSize != 0;
    fields.XPelsPerMeter = in.I32();
    fields.YPelsPerMeter = in.I32();
    fields.ColorsUsed = in.U32();
    Require(fields.ColorsUsed == 0 || fields.ColorsUsed == shape.PaletteColours);
    fields.ColorsImportant = in.U32();
    return fields;
}

void WriteBitmapHeader(std::vector<std::uint8_t>& out,
                       const TImageListStream::TBitmapFields& fields, const TBitmapShape& shape) {
    Put16(out, kBitmapMagic);
    Put32(out, fields.FileSize);
    Put32(out, 0);
    Put32(out, shape.PixelOffset());
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(shape.Width));
    Put32(out, static_cast<std::uint32_t>(shape.Height));
    Put16(out, 1);
    Put16(out, shape.BitCount);
    Put32(out, 0);
    Put32(out, fields.ImageSizeGiven ? static_cast<std::uint32_t>(shape.ImageSize()) : 0);
    Put32(out, static_cast<std::uint32_t>(fields.XPelsPerMeter));
    Put32(out, static_cast<std::uint32_t>(fields.YPelsPerMeter));
    Put32(out, fields.ColorsUsed);
    Put32(out, fields.ColorsImportant);
}

// Bitmap files store the bottom row first; the grid keeps rows top-down.
template <typename RowOf>
void CopyRows(std::span<const std::uint8_t> rows, const TBitmapShape& shape, RowOf rowOf) {
    for (int y = 0; y < shape.Height; ++y) {
        const auto source = rows.subspan(shape.Stride() * (shape.Height - 1 - y), shape.Stride());
        std::copy(source.begin(), source.end(), rowOf(y).begin());
    }
}

template <typename RowOf>
void WriteRows(std::vector<std::uint8_t>& out, const TBitmapShape& shape, RowOf rowOf) {
    for (int y = shape.Height - 1; y >= 0; --y) {
        const auto row = rowOf(y);
        out.insert(out.end(), row.begin(), row.end());
    }
}

} // namespace

TImageListStream::TContent TImageListStream::Read(std::span<const std::uint8_t> data,
                                                  std::size_t& offset) {
    return Parse(data, offset, false);
}

TImageListStream::TContent TImageListStream::View(std::span<const std::uint8_t> data,
                                                  std::size_t& offset) {
    return Parse(data, offset, true);
}

TImageListStream::TContent TImageListStream::Parse(std::span<const std::uint8_t> data,
                                                   std::size_t& offset, bool inPlace) {
    TFieldReader in(data, offset);
    Require(in.U16() == kMagic && in.U16() == kVersion);
    const int count = in.U16();
    const int capacity = in.U16();
    TContent content{count, {}, TImageGrid(0, 0, 0)};
    TFields& fields = content.Fields;
    fields.Grow = in.U16();
    const int width = in.U16();
    const int height = in.U16();
    fields.Background = in.U32();
    fields.Flags = in.U16();
    for (std::int16_t& overlay : fields.Overlays) {
        overlay = static_cast<std::int16_t>(in.U16());
    }
    Require(count <= capacity && (count == 0 || (width > 0 && height > 0)));
    Require(TImageGrid::Fits(width, height, capacity));

    // Both pixel arrays are taken whole, so a short stream fails before any grid is allocated.
    const TBitmapShape colour = ColourShape(width, height, capacity);
    fields.Colour = ReadBitmapHeader(in, colour);
    const auto colourRows = in.Take(colour.ImageSize());
    const TBitmapShape mask = MaskShape(width, height, capacity);
    fields.Mask = ReadBitmapHeader(in, mask);
    const auto palette = in.Take(fields.MaskPalette.size());
    std::copy(palette.begin(), palette.end(), fields.MaskPalette.begin());
    const auto maskRows = in.Take(mask.ImageSize());
    const auto trailer = in.Take(kTrailerSize);
    Require(std::all_of(trailer.begin(), trailer.end(), [](std::uint8_t b) { return b == 0; }));

    if (inPlace) {
        content.Grid = TImageGrid::Viewing(width, height, capacity, colourRows, maskRows);
    } else {
        content.Grid = TImageGrid(width, height, capacity);
        TImageGrid& grid = content.Grid;
        CopyRows(colourRows, colour, [&grid](int y) { return grid.ColourRow(y); });
        CopyRows(maskRows, mask, [&grid](int y) { return grid.MaskRow(y); });
    }
    offset = in.Offset();
    return content;
}

void TImageListStream::Write(const TContent& content, std::vector<std::uint8_t>& out) {
    const TImageGrid& grid = content.Grid;
    const auto fits = [](int value) { return value >= 0 && value <= 0xFFFF; };
    if (!fits(content.Count) || !fits(grid.Capacity()) || !fits(grid.Width()) ||
        !fits(grid.Height())) {
        throw EWriteError("Failed to write ImageList data to stream");
    }
    const TBitmapShape colour = ColourShape(grid.Width(), grid.Height(), grid.Capacity());
    const TBitmapShape mask = MaskShape(grid.Width(), grid.Height(), grid.Capacity());
    const TFields& fields = content.Fields;
    out.reserve(out.size() + 28 + colour.PixelOffset() + colour.ImageSize() + mask.PixelOffset() +
                mask.ImageSize() + kTrailerSize);

    Put16(out, kMagic);
    Put16(out, kVersion);
    Put16(out, static_cast<std::uint16_t>(content.Count));
    Put16(out, static_cast<std::uint16_t>(grid.Capacity()));
    Put16(out, fields.Grow);
    Put16(out, static_cast<std::uint16_t>(grid.Width()));
    Put16(out, static_cast<std::uint16_t>(grid.Height()));
    Put32(out, fields.Background);
    Put16(out, fields.Flags);
    for (std::int16_t overlay : fields.Overlays) {
        Put16(out, static_cast<std::uint16_t>(overlay));
    }

    WriteBitmapHeader(out, fields.Colour, colour);
    WriteRows(out, colour, [&grid](int y) { return grid.ColourRow(y); });
    WriteBitmapHeader(out, fields.Mask, mask);
    out.insert(out.end(), fields.MaskPalette.begin(), fields.MaskPalette.end());
    WriteRows(out, mask, [&grid](int y) { return grid.MaskRow(y); });
    out.insert(out.end(), kTrailerSize, 0);
}
