#include "art/SignArt.h"

#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtText.h"
#include "art/WoodTexture.h"

namespace {

constexpr double Margin = 6;
constexpr double Radius = 12;
constexpr double ScrewSpace = 24;
constexpr int MinFontPx = 12;
constexpr TRgb SignLight = TRgb::Bytes(214, 164, 104);
constexpr TRgb SignDark = TRgb::Bytes(120, 70, 32);

void AddBoard(cairo_t* cr, double w, double h) {
    TArtCanvas::RoundedRect(cr, Margin, Margin, w - 2 * Margin, h - 2 * Margin, Radius);
}

std::string CaptionFont(int px) {
    return "PT Serif Bold " + std::to_string(px) + "px";
}

void StrokeBevel(cairo_t* cr, double w, double h, double offset, const TRgb& color, double alpha) {
    cairo_save(cr);
    AddBoard(cr, w, h);
    cairo_clip(cr);
    TArtCanvas::RoundedRect(cr, Margin + offset, Margin + offset, w - 2 * Margin, h - 2 * Margin,
                            Radius);
    cairo_set_line_width(cr, 5);
    color.Use(cr, alpha);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace

void TSignArt::Draw(const TArtCanvas& canvas, const std::string& caption, std::uint32_t seed,
                    bool pressed) {
    DrawBoard(canvas, seed, pressed);
    const double w = canvas.Width();
    const double h = canvas.Height();
    const double shift = pressed ? 1 : 0;
    DrawScrew(canvas.Cr(), Margin + 13 + shift, h / 2 + shift);
    DrawScrew(canvas.Cr(), w - Margin - 13 + shift, h / 2 + shift);
    DrawCaption(canvas, caption, pressed);
}

void TSignArt::DrawBoard(const TArtCanvas& canvas, std::uint32_t seed, bool pressed) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width();
    const double h = canvas.Height();
    canvas.SoftShadow([&](cairo_t* c) { AddBoard(c, w, h); }, pressed ? 1 : 3, pressed ? 1 : 4, 4,
                      pressed ? 0.4 : 0.65);
    const TArtCanvas wood(canvas.Width(), canvas.Height());
    TWoodTexture(seed, SignLight, SignDark).Paint(wood);
    AddBoard(cr, w, h);
    cairo_set_source_surface(cr, wood.Surface(), 0, 0);
    cairo_fill_preserve(cr);
    // Varnish: a soft sheen that falls off towards the bottom.
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, Margin, 0, h - Margin);
    TRgb{1, 0.95, 0.85}.Stop(sheen, 0, pressed ? 0.05 : 0.25);
    TRgb{0, 0, 0}.Stop(sheen, 1, pressed ? 0.4 : 0.2);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
    if (pressed) {
        canvas.SoftShadow([&](cairo_t* c) { AddBoard(c, w, h); }, 3, 3, 5, 0.75, true);
        StrokeBevel(cr, w, h, -2, TRgb{1, 0.9, 0.7}, 0.25);
        return;
    }
    StrokeBevel(cr, w, h, 2, TRgb{1, 0.92, 0.75}, 0.55);
    StrokeBevel(cr, w, h, -2, TRgb{0.2, 0.08, 0}, 0.55);
}

void TSignArt::DrawScrew(cairo_t* cr, double cx, double cy) {
    cairo_pattern_t* head = cairo_pattern_create_radial(cx - 2, cy - 2, 0.5, cx, cy, 5.5);
    TRgb::Bytes(255, 236, 170).Stop(head, 0);
    TRgb::Bytes(178, 134, 52).Stop(head, 0.6);
    TRgb::Bytes(90, 60, 20).Stop(head, 1);
    cairo_arc(cr, cx, cy, 5, 0, 2 * M_PI);
    cairo_set_source(cr, head);
    cairo_fill(cr);
    cairo_pattern_destroy(head);
    cairo_move_to(cr, cx - 3.2, cy + 2.2);
    cairo_line_to(cr, cx + 3.2, cy - 2.2);
    cairo_set_line_width(cr, 1.2);
    TRgb::Bytes(70, 45, 15).Use(cr, 0.9);
    cairo_stroke(cr);
}

void TSignArt::DrawCaption(const TArtCanvas& canvas, const std::string& caption, bool pressed) {
    const double w = canvas.Width();
    const double h = canvas.Height();
    // Between the screws, at most a third of the board's height.
    const double room = w - 2 * Margin - 2 * ScrewSpace;
    int fontPx = static_cast<int>(h * 0.32);
    while (fontPx > MinFontPx &&
           TArtText(canvas.Cr(), caption, CaptionFont(fontPx)).Ink().width > room) {
        --fontPx;
    }
    const TArtText text(canvas.Cr(), caption, CaptionFont(fontPx));
    const double shift = pressed ? 1 : 0;
    // Carved: the lower lip of each groove catches the light, the groove itself is dark.
    text.DrawCentred(w / 2 + shift, h / 2 + shift + 1.2, TRgb{1, 0.9, 0.7}, 0.55);
    text.DrawCentred(w / 2 + shift, h / 2 + shift, TRgb::Bytes(62, 30, 8));
}
