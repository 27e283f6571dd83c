#include "fuzz/PictureFuzzing.h"
#include "gui/graphics/IcoDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return FuzzPictureDecoder<IcoDecoder>(data, size);
}
