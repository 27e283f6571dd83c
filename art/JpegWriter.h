#pragma once

#include <string>

class TArtCanvas;

// Writes a canvas as a baseline JPEG file (the canvas is taken as opaque).
class TJpegWriter {
public:
    static void Write(const TArtCanvas& canvas, const std::string& path, int quality = 92);
};
