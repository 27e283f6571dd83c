#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>

#include "art/Rgb.h"

// A picture being drawn: an ARGB32 surface with its cairo context, and the shading helpers that
// every screen's artwork shares.
class TArtCanvas {
public:
    TArtCanvas(int width, int height);
    ~TArtCanvas();
    TArtCanvas(const TArtCanvas&) = delete;
    TArtCanvas& operator=(const TArtCanvas&) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    cairo_t* Cr() const { return m_cr; }
    cairo_surface_t* Surface() const { return m_surface; }

    // Premultiplied ARGB pixels, rows top-down; call Flush before reading and MarkDirty after
    // writing them directly.
    std::uint32_t* Row(int y) const;
    void Flush() const;
    void MarkDirty() const;

    void Fill(const TRgb& color) const;
    // Fills the path that addPath builds with a vertical gradient from top to bottom colour.
    void VerticalGradient(double top, double bottom, const TRgb& topColor,
                          const TRgb& bottomColor) const;
    // A blurred dark copy of the shape that addPath builds, offset by (dx, dy); for shadows
    // cast on the ground and, with inside set, for the inner shadow of a recess.
    void SoftShadow(const std::function<void(cairo_t*)>& addPath, double dx, double dy, int blur,
                    double alpha, bool inside = false) const;

    static void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
    static void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
    // The outline of a circle, for rims, grooves and bearing rings.
    static void StrokeCircle(cairo_t* cr, double cx, double cy, double radius, const TRgb& color,
                             double width, double alpha = 1);
    // An opaque pixel made lighter (or, negative, darker) by delta in each channel: the grain
    // of printed and painted surfaces.
    static std::uint32_t Grained(std::uint32_t pixel, int delta);

private:
    struct TArea {
        int left;
        int top;
        int right;
        int bottom;
    };

    TArea ShadowArea(int blur, double dx, double dy) const;
    static cairo_surface_t* ShadowMask(const std::function<void(cairo_t*)>& addPath,
                                       const TArea& area, double dx, double dy, bool inside);

    int m_width;
    int m_height;
    cairo_surface_t* m_surface;
    cairo_t* m_cr;
};
