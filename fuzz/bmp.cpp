#include "fuzz/PictureFuzzing.h"
#include "gui/graphics/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return FuzzPictureDecoder<BmpDecoder>(data, size);
}
