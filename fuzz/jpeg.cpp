#include "fuzz/PictureFuzzing.h"
#include "gui/graphics/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return FuzzPictureDecoder<JpegDecoder>(data, size);
}
