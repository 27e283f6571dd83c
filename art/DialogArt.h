#pragma once

#include "art/Rgb.h"

#include <string>

class TArtCanvas;
class TArtOutput;

// The missing-files dialog: its picture with the warning and the glyphs of its two buttons.
class TDialogArt {
public:
    static void Write(const TArtOutput& output);

private:
    static void WritePicture(const TArtOutput& output);
    static void DrawExclamation(cairo_t* cr, double cx, double cy);
    static void WriteGlyph(const TArtOutput& output, const std::string& name,
                           const std::string& caption, const TRgb& color);
};
