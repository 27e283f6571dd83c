#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

// Writes a cairo surface as PNG into memory, for the decoder tests and the fuzz seeds.
class PngEncoder {
public:
    static std::vector<std::uint8_t> Encode(cairo_surface_t* surface) {
        std::vector<std::uint8_t> file;
        cairo_surface_write_to_png_stream(surface, Append, &file);
        return file;
    }

private:
    static cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
        auto* file = static_cast<std::vector<std::uint8_t>*>(closure);
        file->insert(file->end(), data, data + length);
        return CAIRO_STATUS_SUCCESS;
    }
};
