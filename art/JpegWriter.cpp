#include "art/JpegWriter.h"

#include <cstdio>
#include <jpeglib.h>
#include <memory>
#include <vector>

#include "art/ArtCanvas.h"
#include "gui/graphics/Exception.h"

namespace {

struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::vector<JSAMPLE> RgbRow(const TArtCanvas& canvas, int y) {
    std::vector<JSAMPLE> row(static_cast<std::size_t>(canvas.Width()) * 3);
    const std::uint32_t* pixels = canvas.Row(y);
    for (int x = 0; x < canvas.Width(); ++x) {
        row[x * 3] = static_cast<JSAMPLE>(pixels[x] >> 16);
        row[x * 3 + 1] = static_cast<JSAMPLE>(pixels[x] >> 8);
        row[x * 3 + 2] = static_cast<JSAMPLE>(pixels[x]);
    }
    return row;
}

} // namespace

void TJpegWriter::Write(const TArtCanvas& canvas, const std::string& path, int quality) {
    std::unique_ptr<std::FILE, TFileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        throw Exception("Cannot create the picture file " + path);
    }
    canvas.Flush();
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = static_cast<JDIMENSION>(canvas.Width());
    info.image_height = static_cast<JDIMENSION>(canvas.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < canvas.Height(); ++y) {
        std::vector<JSAMPLE> row = RgbRow(canvas, y);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (std::ferror(file.get())) {
        throw Exception("Cannot write the picture file " + path);
    }
}
