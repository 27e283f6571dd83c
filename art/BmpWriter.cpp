#include "art/BmpWriter.h"

#include "art/ArtCanvas.h"
#include "gui/graphics/ByteWriter.h"

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t PixelsPerMetre = 3780;

} // namespace

void TBmpWriter::Write(const TArtCanvas& canvas, const std::string& path) {
    canvas.Flush();
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(canvas.Width()) * 3 + 3) / 4 * 4;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(canvas.Height());
    TByteWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(FileHeaderSize + InfoHeaderSize + imageBytes);
    out.U32(0);
    out.U32(FileHeaderSize + InfoHeaderSize);
    out.U32(InfoHeaderSize);
    out.U32(static_cast<std::uint32_t>(canvas.Width()));
    out.U32(static_cast<std::uint32_t>(canvas.Height()));
    out.U16(1);
    out.U16(24);
    out.U32(0);
    out.U32(imageBytes);
    out.U32(PixelsPerMetre);
    out.U32(PixelsPerMetre);
    out.U32(0);
    out.U32(0);
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        const std::uint32_t* pixels = canvas.Row(y);
        for (int x = 0; x < canvas.Width(); ++x) {
            out.U8(static_cast<std::uint8_t>(pixels[x]));
            out.U8(static_cast<std::uint8_t>(pixels[x] >> 8));
            out.U8(static_cast<std::uint8_t>(pixels[x] >> 16));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(canvas.Width()) * 3; pad < rowBytes;
             ++pad) {
            out.U8(0);
        }
    }
    out.SaveToFile(path);
}
