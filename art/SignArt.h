#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

class TArtCanvas;

// The wooden signs that lead off the bench: a planed board with bevelled edges, two brass
// screws and a carved caption.
class TSignArt {
public:
    static void Draw(const TArtCanvas& canvas, const std::string& caption, std::uint32_t seed,
                     bool pressed);

private:
    static void DrawBoard(const TArtCanvas& canvas, std::uint32_t seed, bool pressed);
    static void DrawScrew(cairo_t* cr, double cx, double cy);
    static void DrawCaption(const TArtCanvas& canvas, const std::string& caption, bool pressed);
};
