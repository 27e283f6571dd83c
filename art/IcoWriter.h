#pragma once

#include <string>

class TArtCanvas;

// Writes a canvas as an icon file holding one 32-bit picture: straight (not premultiplied)
// BGRA rows bottom-up, then the AND mask that marks the fully transparent pixels for readers
// that ignore alpha. Sides up to 256 pixels.
class TIcoWriter {
public:
    static void Write(const TArtCanvas& canvas, const std::string& path);
};
