#include "gui/graphics/PictureDecoder.h"

#include <cairo.h>

#include <cstring>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/BmpDecoder.h"
#include "gui/graphics/Exception.h"
#include "gui/graphics/IcoDecoder.h"
#include "gui/graphics/JpegDecoder.h"
#include "gui/graphics/PngDecoder.h"

namespace {

void DecodeByContent(std::span<const std::uint8_t> data, TBitmap& target) {
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

} // namespace

// The codecs may fail halfway through the pixels, so they work on a bitmap of their own and the
// target is touched only once the whole picture has been read.
void PictureDecoder::Decode(std::span<const std::uint8_t> data, TBitmap& target) {
    TBitmap decoded;
    DecodeByContent(data, decoded);
    target.SetSize(decoded.Width(), decoded.Height());
    std::memcpy(target.ScanLine(0), decoded.ScanLine(0),
                static_cast<std::size_t>(decoded.Width()) * decoded.Height() * 4);
    cairo_surface_mark_dirty(target.Surface());
    target.PixelsChanged();
}
