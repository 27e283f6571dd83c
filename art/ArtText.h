#pragma once

#include <pango/pangocairo.h>

#include <string>

#include "art/Rgb.h"

// One piece of text of the artwork, laid out by pango. The layout refuses text that its font
// cannot show completely, since a missing Cyrillic glyph would go unnoticed in a picture.
class TArtText {
public:
    // font is a pango description such as "PT Serif Bold 40px"; a positive width wraps the
    // text at that width and aligns the lines as given.
    TArtText(cairo_t* cr, const std::string& text, const std::string& font, int width = -1,
             PangoAlignment alignment = PANGO_ALIGN_LEFT);
    ~TArtText();
    TArtText(const TArtText&) = delete;
    TArtText& operator=(const TArtText&) = delete;

    double Width() const;
    double Height() const;
    // Distance from the top of the layout to the first line's baseline.
    double Baseline() const;

    void Draw(double x, double y, const TRgb& color, double alpha = 1) const;
    // Centred on (cx, cy) by its ink.
    void DrawCentred(double cx, double cy, const TRgb& color, double alpha = 1) const;
    // Adds the outlines of the glyphs to the current path, top-left at (x, y).
    void AddPath(double x, double y) const;
    // Adds the outlines bent along a circle about (cx, cy): the baseline follows the given
    // radius, the text centred at the bottom of the circle and read left to right with the tops
    // of the letters towards the centre.
    void AddPathAlongBottomArc(double cx, double cy, double radius) const;
    // Ink rectangle relative to the layout's top-left.
    PangoRectangle Ink() const;

private:
    cairo_t* m_cr;
    PangoLayout* m_layout;
};
