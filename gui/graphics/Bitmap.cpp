#include "gui/graphics/Bitmap.h"

#include <pixman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "gui/graphics/Canvas.h"
#include "gui/graphics/Exception.h"
#include "gui/graphics/FileBytes.h"
#include "gui/graphics/PictureDecoder.h"

namespace {

const cairo_user_data_key_t kBufferKey{};

// The pixels are allocated here rather than by cairo, which would zero them first: every new
// bitmap is filled right away.
cairo_surface_t* NewSurface(int width, int height) {
    if (width < 0 || height < 0 || width > TBitmap::MaxSide || height > TBitmap::MaxSide ||
        static_cast<long long>(width) * height > TBitmap::MaxPixels) {
        throw Exception("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                        " is not supported");
    }
    if (width == 0 || height == 0) {
        return nullptr;
    }
    auto* buffer =
        static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(width) * height * 4));
    if (!buffer) {
        throw Exception("Out of memory for a bitmap");
    }
    cairo_surface_t* surface =
        cairo_image_surface_create_for_data(buffer, CAIRO_FORMAT_ARGB32, width, height, width * 4);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_set_user_data(surface, &kBufferKey, buffer, std::free) !=
            CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        std::free(buffer);
        throw Exception("Out of memory for a bitmap");
    }
    return surface;
}

std::uint32_t* Pixels(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface));
}

void FillPixels(cairo_surface_t* surface, std::uint32_t pixel) {
    const int width = cairo_image_surface_get_width(surface);
    pixman_fill(Pixels(surface), width, 32, 0, 0, width, cairo_image_surface_get_height(surface),
                pixel);
    cairo_surface_mark_dirty(surface);
}

} // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}

TBitmap::~TBitmap() {
    m_canvas.reset();
    if (m_surface) {
        cairo_surface_destroy(m_surface);
    }
}

TBitmap& TBitmap::operator=(const TBitmap& source) {
    if (this == &source) {
        return *this;
    }
    cairo_surface_t* copy = NewSurface(source.m_width, source.m_height);
    if (copy) {
        std::memcpy(Pixels(copy), Pixels(source.m_surface),
                    static_cast<std::size_t>(source.m_width) * source.m_height * 4);
        cairo_surface_mark_dirty(copy);
    }
    m_transparent = source.m_transparent;
    m_transparentMode = source.m_transparentMode;
    m_transparentColor = source.m_transparentColor;
    Replace(copy, source.m_width, source.m_height);
    Changed();
    return *this;
}

void TBitmap::SetSize(int width, int height) {
    if (width == m_width && height == m_height) {
        return;
    }
    cairo_surface_t* resized = NewSurface(width, height);
    if (resized) {
        FillPixels(resized, 0xFFFFFFFFu);
        if (m_surface) {
            cairo_t* cr = cairo_create(resized);
            cairo_set_source_surface(cr, m_surface, 0, 0);
            cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
            cairo_rectangle(cr, 0, 0, std::min(width, m_width), std::min(height, m_height));
            cairo_fill(cr);
            cairo_destroy(cr);
        }
    }
    Replace(resized, width, height);
    Changed();
}

void TBitmap::Exchange(TBitmap& other) {
    if (this == &other) {
        return;
    }
    std::swap(m_surface, other.m_surface);
    std::swap(m_width, other.m_width);
    std::swap(m_height, other.m_height);
    for (TBitmap* bitmap : {this, &other}) {
        if (bitmap->m_canvas) {
            bitmap->m_canvas->SurfaceReplaced();
        }
        bitmap->Changed();
    }
}

void TBitmap::Replace(cairo_surface_t* surface, int width, int height) {
    if (m_surface) {
        cairo_surface_destroy(m_surface);
    }
    m_surface = surface;
    m_width = width;
    m_height = height;
    if (m_canvas) {
        m_canvas->SurfaceReplaced();
    }
}

TCanvas& TBitmap::Canvas() {
    if (!m_canvas) {
        m_canvas = std::make_unique<TCanvas>(*this);
        m_canvas->OnChange = [this](TObject*) { Changed(); };
    }
    return *m_canvas;
}

std::uint32_t* TBitmap::ScanLine(int y) {
    if (!m_surface || y < 0 || y >= m_height) {
        throw Exception("Scan line index out of range");
    }
    return Pixels(m_surface) + static_cast<std::size_t>(y) * m_width;
}

const std::uint32_t* TBitmap::ScanLine(int y) const {
    return const_cast<TBitmap*>(this)->ScanLine(y);
}

TColor TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return clNone;
    }
    return PixelToColor(ScanLine(y)[x]);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    ScanLine(y)[x] = ColorToPixel(color);
    cairo_surface_mark_dirty(m_surface);
    Changed();
}

void TBitmap::Fill(TColor color) {
    if (m_surface) {
        FillPixels(m_surface, ColorToPixel(color));
        Changed();
    }
}

std::uint32_t TBitmap::Argb(int x, int y) const {
    const std::uint32_t p = ScanLine(y)[x];
    const std::uint32_t a = p >> 24;
    if (a == 0 || a == 255) {
        return a == 0 ? 0 : p;
    }
    auto unpremultiply = [a](std::uint32_t c) { return (c * 255 + a / 2) / a; };
    return (a << 24) | (unpremultiply((p >> 16) & 0xFF) << 16) |
           (unpremultiply((p >> 8) & 0xFF) << 8) | unpremultiply(p & 0xFF);
}

void TBitmap::SetTransparent(bool value) {
    if (value != m_transparent) {
        m_transparent = value;
        Changed();
    }
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
    if (value != m_transparentMode) {
        m_transparentMode = value;
        Changed();
    }
}

TColor TBitmap::TransparentColor() const {
    if (m_transparentMode == tmFixed && m_transparentColor != clDefault) {
        return m_transparentColor;
    }
    return Empty() ? clNone : Pixel(0, m_height - 1);
}

void TBitmap::SetTransparentColor(TColor value) {
    m_transparentMode = value == clDefault ? tmAuto : tmFixed;
    if (value != m_transparentColor) {
        m_transparentColor = value;
        Changed();
    }
}

void TBitmap::LoadFromFile(const std::string& path) {
    LoadFromBytes(ReadFileBytes(path));
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> data) {
    TBitmap decoded;
    PictureDecoder::Decode(data, decoded);
    Replace(std::exchange(decoded.m_surface, nullptr), decoded.m_width, decoded.m_height);
    decoded.m_width = decoded.m_height = 0;
    Changed();
}

void TBitmap::SaveToPngFile(const std::string& path) const {
    if (!m_surface) {
        throw Exception("Cannot save an empty bitmap");
    }
    if (cairo_surface_write_to_png(m_surface, path.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw Exception("Cannot write \"" + path + "\"");
    }
}

std::vector<std::uint8_t> TBitmap::SaveToPngBytes() const {
    if (!m_surface) {
        throw Exception("Cannot save an empty bitmap");
    }
    std::vector<std::uint8_t> bytes;
    auto append = [](void* closure, const unsigned char* data, unsigned int length) {
        auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
        out->insert(out->end(), data, data + length);
        return CAIRO_STATUS_SUCCESS;
    };
    if (cairo_surface_write_to_png_stream(m_surface, append, &bytes) != CAIRO_STATUS_SUCCESS) {
        throw Exception("Cannot encode the picture as PNG");
    }
    return bytes;
}
