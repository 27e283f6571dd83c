#pragma once

// jpeglib.h uses FILE and size_t without including their headers.
#include <cstdio>

#include <jpeglib.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

// Encodes pictures with libjpeg's compressor for the decoder tests, the fuzz seeds and the
// benchmark. The input is always valid there, so libjpeg's own error handling is kept.
class JpegEncoder {
public:
    JpegEncoder(int width, int height, J_COLOR_SPACE input, int components)
        : m_width(width), m_height(height), m_input(input), m_components(components) {}

    JpegEncoder& Quality(int value) {
        m_quality = value;
        return *this;
    }
    JpegEncoder& Progressive() {
        m_progressive = true;
        return *this;
    }
    // The colour space written to the file when it differs from the input's default.
    JpegEncoder& StoreAs(J_COLOR_SPACE value) {
        m_stored = value;
        return *this;
    }

    // Samples are rows of width * components bytes, top row first.
    std::vector<std::uint8_t> Encode(const std::vector<std::uint8_t>& samples) const {
        jpeg_compress_struct info{};
        jpeg_error_mgr error{};
        info.err = jpeg_std_error(&error);
        jpeg_create_compress(&info);
        unsigned char* buffer = nullptr;
        unsigned long size = 0;
        jpeg_mem_dest(&info, &buffer, &size);
        info.image_width = static_cast<JDIMENSION>(m_width);
        info.image_height = static_cast<JDIMENSION>(m_height);
        info.input_components = m_components;
        info.in_color_space = m_input;
        jpeg_set_defaults(&info);
        if (m_stored != JCS_UNKNOWN) {
            jpeg_set_colorspace(&info, m_stored);
        }
        jpeg_set_quality(&info, m_quality, TRUE);
        if (m_progressive) {
            jpeg_simple_progression(&info);
        }
        jpeg_start_compress(&info, TRUE);
        const std::size_t stride = static_cast<std::size_t>(m_width) * m_components;
        while (info.next_scanline < info.image_height) {
            auto* row = const_cast<JSAMPLE*>(samples.data() + info.next_scanline * stride);
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
        std::vector<std::uint8_t> file(buffer, buffer + size);
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return file;
    }

private:
    int m_width;
    int m_height;
    J_COLOR_SPACE m_input;
    int m_components;
    int m_quality = 90;
    bool m_progressive = false;
    J_COLOR_SPACE m_stored = JCS_UNKNOWN;
};
