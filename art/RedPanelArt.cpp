#include "art/RedPanelArt.h"

#include <algorithm>

#include "art/ArtCanvas.h"
#include "art/ArtNoise.h"
#include "art/ArtPalette.h"
#include "art/ArtText.h"

void TRedPanelArt::DrawGround(const TArtCanvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width();
    const double h = canvas.Height();
    cairo_pattern_t* ground = cairo_pattern_create_radial(w * 0.4, h * 0.35, 20, w / 2, h / 2, w);
    ArtPalette::PanelRed.Lighter(0.08).Stop(ground, 0);
    ArtPalette::PanelRed.Stop(ground, 0.45);
    ArtPalette::PanelDark.Stop(ground, 1);
    cairo_set_source(cr, ground);
    cairo_paint(cr);
    cairo_pattern_destroy(ground);
    DrawTexture(canvas);
    DrawFrame(canvas);
}

// A fine leather grain, lightening and darkening the ground a little.
void TRedPanelArt::DrawTexture(const TArtCanvas& canvas) {
    const TArtNoise noise(5);
    canvas.Flush();
    for (int y = 0; y < canvas.Height(); ++y) {
        std::uint32_t* row = canvas.Row(y);
        for (int x = 0; x < canvas.Width(); ++x) {
            const double grain = noise.Smooth(x * 0.35, y * 0.35) * 0.6 + noise.Cell(x, y) * 0.4;
            const int delta = static_cast<int>((grain - 0.5) * 18);
            row[x] = TArtCanvas::Grained(row[x], delta);
        }
    }
    canvas.MarkDirty();
}

void TRedPanelArt::DrawFrame(const TArtCanvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width();
    const double h = canvas.Height();
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, 0, w, h);
    ArtPalette::Gold.Lighter(0.2).Stop(gold, 0);
    ArtPalette::GoldDark.Stop(gold, 0.5);
    ArtPalette::Gold.Stop(gold, 1);
    cairo_set_source(cr, gold);
    cairo_set_line_width(cr, 3);
    TArtCanvas::RoundedRect(cr, 3.5, 3.5, w - 7, h - 7, 14);
    cairo_stroke(cr);
    cairo_pattern_destroy(gold);
    cairo_set_line_width(cr, 1);
    TArtCanvas::RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, 16);
    ArtPalette::PanelDark.Darker(0.5).Use(cr);
    cairo_stroke(cr);
}

void TRedPanelArt::DrawHeading(const TArtCanvas& canvas, const std::string& text, double cx,
                               double cy, int fontPx) {
    cairo_t* cr = canvas.Cr();
    const TArtText heading(cr, text, "PT Serif Bold Italic " + std::to_string(fontPx) + "px");
    const PangoRectangle ink = heading.Ink();
    const double x = cx - ink.x - ink.width / 2.0;
    const double y = cy - ink.y - ink.height / 2.0;
    canvas.SoftShadow(
        [&](cairo_t* c) {
            const TArtText shadow(c, text, "PT Serif Bold Italic " + std::to_string(fontPx) + "px");
            shadow.AddPath(x, y);
        },
        3, 4, 4, 0.75);
    cairo_new_path(cr);
    heading.AddPath(x, y);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, y + ink.y, 0, y + ink.y + ink.height);
    ArtPalette::Cream.Stop(gold, 0);
    ArtPalette::Gold.Stop(gold, 0.5);
    ArtPalette::GoldDark.Stop(gold, 1);
    cairo_set_source(cr, gold);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(gold);
    cairo_set_line_width(cr, 1);
    ArtPalette::GoldDark.Darker(0.4).Use(cr, 0.8);
    cairo_stroke(cr);
}

void TRedPanelArt::StrokeGroove(const TArtCanvas& canvas, double width) {
    cairo_t* cr = canvas.Cr();
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Light lower lip, dark groove, gold inlay.
    cairo_save(cr);
    cairo_translate(cr, 1, 1.5);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_set_line_width(cr, width + 2);
    TRgb{1, 0.8, 0.7}.Use(cr, 0.3);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_set_line_width(cr, width + 2);
    ArtPalette::PanelDark.Darker(0.5).Use(cr);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_set_line_width(cr, width - 1);
    ArtPalette::Gold.Use(cr);
    cairo_stroke(cr);
    cairo_path_destroy(path);
}
