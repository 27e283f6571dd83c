#include "gui/graphics/PngDecoder.h"

#include <cairo.h>

#include <cstring>
#include <string>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"

namespace {

constexpr std::uint8_t Signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::uint8_t HeaderChunk[] = {0, 0, 0, 13, 'I', 'H', 'D', 'R'};

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

struct TPngStream {
    std::span<const std::uint8_t> data;
    std::size_t position;
};

cairo_status_t ReadPngStream(void* closure, unsigned char* buffer, unsigned int length) {
    auto* stream = static_cast<TPngStream*>(closure);
    if (length > stream->data.size() - stream->position) {
        return CAIRO_STATUS_READ_ERROR;
    }
    std::memcpy(buffer, stream->data.data() + stream->position, length);
    stream->position += length;
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

bool PngDecoder::Recognises(std::span<const std::uint8_t> data) {
    return data.size() >= sizeof Signature &&
           std::memcmp(data.data(), Signature, sizeof Signature) == 0;
}

void PngDecoder::Decode(std::span<const std::uint8_t> data, TBitmap& target) {
    CheckHeader(data);
    cairo_surface_t* picture = ReadSurface(data);
    const int width = cairo_image_surface_get_width(picture);
    const int height = cairo_image_surface_get_height(picture);
    try {
        target.SetSize(width, height);
    } catch (...) {
        cairo_surface_destroy(picture);
        throw;
    }
    cairo_t* cr = cairo_create(target.Surface());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(picture);
}

// libpng would allocate whatever the header asks for, so the size is checked here first.
void PngDecoder::CheckHeader(std::span<const std::uint8_t> data) {
    constexpr std::size_t headerEnd = sizeof Signature + sizeof HeaderChunk + 8;
    if (!Recognises(data) || data.size() < headerEnd ||
        std::memcmp(data.data() + sizeof Signature, HeaderChunk, sizeof HeaderChunk) != 0) {
        throw Exception("PNG picture has no valid header");
    }
    const std::uint8_t* size = data.data() + sizeof Signature + sizeof HeaderChunk;
    const std::uint32_t width = BigEndian32(size);
    const std::uint32_t height = BigEndian32(size + 4);
    if (width < 1 || height < 1 || width > TBitmap::MaxSide || height > TBitmap::MaxSide ||
        static_cast<long long>(width) * height > TBitmap::MaxPixels) {
        throw Exception("PNG size " + std::to_string(width) + " x " + std::to_string(height) +
                        " is not supported");
    }
}

cairo_surface_t* PngDecoder::ReadSurface(std::span<const std::uint8_t> data) {
    TPngStream stream{data, 0};
    cairo_surface_t* picture = cairo_image_surface_create_from_png_stream(ReadPngStream, &stream);
    if (cairo_surface_status(picture) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(picture);
        throw Exception("PNG picture cannot be read");
    }
    return picture;
}
