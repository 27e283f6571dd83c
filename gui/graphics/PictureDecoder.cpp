#include "gui/graphics/PictureDecoder.h"

#include "gui/graphics/BmpDecoder.h"
#include "gui/graphics/Exception.h"
#include "gui/graphics/IcoDecoder.h"
#include "gui/graphics/JpegDecoder.h"
#include "gui/graphics/PngDecoder.h"

void PictureDecoder::Decode(std::span<const std::uint8_t> data, TBitmap& target) {
    if (JpegDecoder::Recognises(data)) {
        JpegDecoder::Decode(data, target);
    } else if (IcoDecoder::Recognises(data)) {
        IcoDecoder::Decode(data, target);
    } else if (BmpDecoder::Recognises(data)) {
        BmpDecoder::Decode(data, target);
    } else if (PngDecoder::Recognises(data)) {
        PngDecoder::Decode(data, target);
    } else {
        throw Exception("Unknown picture format");
    }
}
