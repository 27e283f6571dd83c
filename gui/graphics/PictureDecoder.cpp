#include "gui/graphics/PictureDecoder.h"

#include "gui/graphics/Exception.h"

void PictureDecoder::Decode(std::span<const std::uint8_t>, TBitmap&) {
    throw Exception("Unknown picture format");
}
