#include "art/ArtOutput.h"

#include <filesystem>

#include "art/ArtCanvas.h"
#include "art/BmpWriter.h"
#include "art/IcoWriter.h"
#include "art/JpegWriter.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"

TArtOutput::TArtOutput(std::string folder) : m_folder(std::move(folder)) {}

void TArtOutput::Jpeg(const std::string& name, const TArtCanvas& canvas) const {
    const std::string path = PathOf(name);
    TJpegWriter::Write(canvas, path);
    Verify(path, canvas);
}

void TArtOutput::Icon(const std::string& name, const TArtCanvas& canvas) const {
    const std::string path = PathOf(name);
    TIcoWriter::Write(canvas, path);
    Verify(path, canvas);
}

void TArtOutput::Bmp(const std::string& name, const TArtCanvas& canvas) const {
    const std::string path = PathOf(name);
    TBmpWriter::Write(canvas, path);
    Verify(path, canvas);
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

void TArtOutput::Verify(const std::string& path, const TArtCanvas& canvas) {
    TBitmap bitmap;
    bitmap.LoadFromFile(path);
    if (bitmap.Width() != canvas.Width() || bitmap.Height() != canvas.Height()) {
        throw Exception("The picture " + path + " reads back at a different size");
    }
}
