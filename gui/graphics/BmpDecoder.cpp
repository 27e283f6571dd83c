#include "gui/graphics/BmpDecoder.h"

#include "gui/graphics/ByteReader.h"
#include "gui/graphics/DibReader.h"
#include "gui/graphics/Exception.h"

namespace {

constexpr std::size_t FileHeaderSize = 14;

} // namespace

bool BmpDecoder::Recognises(std::span<const std::uint8_t> data) {
    return data.size() >= 2 && data[0] == 'B' && data[1] == 'M';
}

// The file size field is not read: some writers put a wrong value there, and the pixel offset
// together with the real data length says all that is needed.
void BmpDecoder::Decode(std::span<const std::uint8_t> data, TBitmap& target) {
    ByteReader reader(data, "Bitmap");
    reader.Skip(10);
    const std::uint32_t pixelOffset = reader.U32();
    if (pixelOffset < FileHeaderSize || pixelOffset > data.size()) {
        throw Exception("Bitmap pixel offset is out of range");
    }
    const DibReader dib(data.subspan(FileHeaderSize, pixelOffset - FileHeaderSize),
                        DibReader::dkFile);
    dib.ReadPixels(data.subspan(pixelOffset), target);
}
