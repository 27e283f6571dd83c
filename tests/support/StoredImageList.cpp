#include "StoredImageList.h"

#include <random>

#include "gui/graphics/ByteWriter.h"

namespace {

void AppendBitmap(TByteWriter& out, const TStoredList& list, int bitCount, std::mt19937& noise) {
    const int gridWidth = 4 * list.Width;
    const int gridHeight = (list.Capacity + 3) / 4 * list.Height;
    const std::size_t stride = (static_cast<std::size_t>(gridWidth) * bitCount + 31) / 32 * 4;
    const std::uint32_t offset = bitCount == 1 ? 62 : 54;
    out.U8('B').U8('M');
    for (std::uint32_t v : {offset + 17u, 0u, offset, 40u, static_cast<std::uint32_t>(gridWidth),
                            static_cast<std::uint32_t>(gridHeight)}) {
        out.U32(v);
    }
    out.U16(1).U16(static_cast<std::uint16_t>(bitCount));
    for (std::uint32_t v : {0u, 0u, 3780u, 3780u, bitCount == 1 ? 2u : 0u, 7u}) {
        out.U32(v);
    }
    if (bitCount == 1) {
        for (std::uint8_t v : {0, 0, 0, 0, 255, 255, 255, 0}) {
            out.U8(v);
        }
    }
    for (std::size_t i = 0; i < stride * gridHeight; ++i) {
        out.U8(static_cast<std::uint8_t>(noise()));
    }
}

} // namespace

std::vector<std::uint8_t> TStoredList::Stream() const {
    std::mt19937 noise(7);
    TByteWriter out;
    out.U8('I').U8('L');
    for (int v : {0x0101, Count, Capacity, 4, Width, Height}) {
        out.U16(static_cast<std::uint16_t>(v));
    }
    out.U32(0xFFFFFFFF).U16(0x10FF);
    for (int i = 0; i < 4; ++i) {
        out.U16(0xFFFF);
    }
    AppendBitmap(out, *this, 32, noise);
    AppendBitmap(out, *this, 1, noise);
    out.Zeros(22);
    return out.Bytes();
}
