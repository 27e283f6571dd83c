#include "art/BeltArt.h"

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"
#include "art/DriveGeometry.h"

namespace {

constexpr TRgb BeltEdge = TRgb::Bytes(30, 24, 20);
constexpr TRgb BeltFace = TRgb::Bytes(86, 66, 50);

} // namespace

void TBeltArt::Write(const TArtOutput& output) {
    WriteRun(output, "bench/belt1.ico", 144, 408, 105, 105);
    WriteRun(output, "bench/belt2.ico", 56, 360, 105, 137);
}

void TBeltArt::WriteRun(const TArtOutput& output, const char* name, int left, int top, int width,
                        int height) {
    const TArtCanvas canvas(width, height);
    cairo_translate(canvas.Cr(), -left, -top);
    Draw(canvas.Cr());
    output.Icon(name, canvas);
}

void TBeltArt::Draw(cairo_t* cr) {
    cairo_save(cr);
    cairo_new_path(cr);
    TDriveGeometry::AddBelt(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Leather: dark worn edges, a lighter face, a sheen along the middle.
    cairo_set_line_width(cr, TDriveGeometry::BeltWidth);
    BeltEdge.Use(cr);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, TDriveGeometry::BeltWidth - 3);
    BeltFace.Use(cr);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    BeltFace.Lighter(0.35).Use(cr, 0.6);
    cairo_stroke(cr);
    cairo_restore(cr);
}
