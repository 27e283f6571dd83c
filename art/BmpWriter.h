#pragma once

#include <string>

class TArtCanvas;

// Writes a canvas as an uncompressed 24-bit bottom-up BMP file (the canvas is taken as opaque).
class TBmpWriter {
public:
    static void Write(const TArtCanvas& canvas, const std::string& path);
};
