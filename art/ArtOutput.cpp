#include "art/ArtOutput.h"

#include <cairo.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "art/ArtCanvas.h"
#include "art/BmpWriter.h"
#include "art/IcoWriter.h"
#include "art/JpegWriter.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"
#include "gui/graphics/ImageList.h"

TArtOutput::TArtOutput(std::string folder) : m_folder(std::move(folder)) {}

void TArtOutput::Jpeg(const std::string& name, const TArtCanvas& canvas) const {
    const std::string path = PathOf(name);
    TJpegWriter::Write(canvas, path);
    Verify(path, canvas, false);
}

void TArtOutput::Icon(const std::string& name, const TArtCanvas& canvas) const {
    const std::string path = PathOf(name);
    TIcoWriter::Write(canvas, path);
    Verify(path, canvas, true);
}

void TArtOutput::Bmp(const std::string& name, const TArtCanvas& canvas) const {
    const std::string path = PathOf(name);
    TBmpWriter::Write(canvas, path);
    Verify(path, canvas, true);
}

void TArtOutput::Png(const std::string& name, const TArtCanvas& canvas) const {
    const std::string path = PathOf(name);
    canvas.Flush();
    if (cairo_surface_write_to_png(canvas.Surface(), path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw Exception("Cannot write the picture " + path);
    cairo_surface_t* read = cairo_image_surface_create_from_png(path.c_str());
    const bool same = cairo_surface_status(read) == CAIRO_STATUS_SUCCESS &&
                      cairo_image_surface_get_width(read) == canvas.Width() &&
                      cairo_image_surface_get_height(read) == canvas.Height();
    cairo_surface_destroy(read);
    if (!same)
        throw Exception("The picture " + path + " does not read back as drawn");
}

void TArtOutput::ImageList(const std::string& name, const TImageList& list) const {
    const std::string path = PathOf(name);
    const std::vector<std::uint8_t> bytes = list.WriteToStream();
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        throw Exception("Cannot write the picture list " + path);
    }
    VerifyList(path, list);
}

std::string TArtOutput::PathOf(const std::string& name) const {
    const std::filesystem::path path = std::filesystem::path(m_folder) / name;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        throw Exception("Cannot create the folder " + path.parent_path().string());
    }
    return path.string();
}

void TArtOutput::Verify(const std::string& path, const TArtCanvas& canvas, bool lossless) {
    TBitmap bitmap;
    bitmap.LoadFromFile(path);
    if (bitmap.Width() != canvas.Width() || bitmap.Height() != canvas.Height()) {
        throw Exception("The picture " + path + " reads back at a different size");
    }
    if (lossless && !SamePixels(bitmap, canvas)) {
        throw Exception("The picture " + path + " reads back with other pixels than were drawn");
    }
}

// Transparency must come back exactly, and opaque colours too; half-transparent colours may
// differ by the rounding of premultiplication.
bool TArtOutput::SamePixels(const TBitmap& bitmap, const TArtCanvas& canvas) {
    canvas.Flush();
    for (int y = 0; y < canvas.Height(); ++y) {
        const std::uint32_t* drawn = canvas.Row(y);
        for (int x = 0; x < canvas.Width(); ++x) {
            const std::uint32_t read = bitmap.Argb(x, y);
            const std::uint32_t alpha = drawn[x] >> 24;
            if ((read >> 24) != alpha || (alpha == 0xFF && read != drawn[x])) {
                return false;
            }
        }
    }
    return true;
}

void TArtOutput::VerifyList(const std::string& path, const TImageList& list) {
    std::vector<std::uint8_t> bytes(std::filesystem::file_size(path));
    std::ifstream file(path, std::ios::binary);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    TImageList read;
    std::size_t offset = 0;
    read.ReadFromStream(bytes, offset);
    if (offset != bytes.size() || read.Count() != list.Count() || read.Width() != list.Width() ||
        read.Height() != list.Height()) {
        throw Exception("The picture list " + path + " reads back with another shape");
    }
    TBitmap drawn;
    TBitmap back;
    for (int i = 0; i < list.Count(); ++i) {
        list.GetBitmap(i, drawn);
        read.GetBitmap(i, back);
        for (int y = 0; y < drawn.Height(); ++y) {
            const std::uint32_t* row = drawn.ScanLine(y);
            if (!std::equal(row, row + drawn.Width(), back.ScanLine(y))) {
                throw Exception("The picture list " + path + " reads back with other pixels");
            }
        }
    }
}
