#include "art/IcoWriter.h"

#include <vector>

#include "art/ArtCanvas.h"
#include "gui/graphics/ByteWriter.h"
#include "gui/graphics/Exception.h"

namespace {

constexpr std::uint32_t DirectoryBytes = 6 + 16;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr int MaxSide = 256;

std::uint8_t Unpremultiplied(std::uint32_t pixel, int shift) {
    const std::uint32_t alpha = pixel >> 24;
    const std::uint32_t value = (pixel >> shift) & 0xFF;
    return alpha == 0 ? 0 : static_cast<std::uint8_t>((value * 255 + alpha / 2) / alpha);
}

void WriteColourRows(const TArtCanvas& canvas, TByteWriter& out) {
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        const std::uint32_t* pixels = canvas.Row(y);
        for (int x = 0; x < canvas.Width(); ++x) {
            out.U8(Unpremultiplied(pixels[x], 0));
            out.U8(Unpremultiplied(pixels[x], 8));
            out.U8(Unpremultiplied(pixels[x], 16));
            out.U8(static_cast<std::uint8_t>(pixels[x] >> 24));
        }
    }
}

void WriteMaskRows(const TArtCanvas& canvas, TByteWriter& out, std::uint32_t rowBytes) {
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        const std::uint32_t* pixels = canvas.Row(y);
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < canvas.Width(); ++x) {
            if ((pixels[x] >> 24) == 0) {
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        for (std::uint8_t byte : row) {
            out.U8(byte);
        }
    }
}

} // namespace

void TIcoWriter::Write(const TArtCanvas& canvas, const std::string& path) {
    if (canvas.Width() > MaxSide || canvas.Height() > MaxSide) {
        throw Exception("An icon side cannot exceed 256 pixels: " + path);
    }
    canvas.Flush();
    const auto width = static_cast<std::uint32_t>(canvas.Width());
    const auto height = static_cast<std::uint32_t>(canvas.Height());
    const std::uint32_t maskRowBytes = (width + 31) / 32 * 4;
    const std::uint32_t pictureBytes = InfoHeaderSize + width * height * 4 + maskRowBytes * height;
    TByteWriter out;
    out.U16(0);
    out.U16(1);
    out.U16(1);
    out.U8(static_cast<std::uint8_t>(width % MaxSide));
    out.U8(static_cast<std::uint8_t>(height % MaxSide));
    out.U8(0);
    out.U8(0);
    out.U16(1);
    out.U16(32);
    out.U32(pictureBytes);
    out.U32(DirectoryBytes);
    out.U32(InfoHeaderSize);
    out.U32(width);
    out.U32(height * 2);
    out.U16(1);
    out.U16(32);
    out.U32(0);
    out.U32(width * height * 4 + maskRowBytes * height);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    WriteColourRows(canvas, out);
    WriteMaskRows(canvas, out, maskRowBytes);
    out.SaveToFile(path);
}
