#include "art/PlaqueArt.h"

#include <memory>

#include "art/ArtCanvas.h"
#include "art/ArtPalette.h"
#include "art/ArtText.h"

namespace {

constexpr double Margin = 4;
constexpr double RimWidth = 5;
constexpr int SmallestFontPx = 9;
constexpr long LongCaption = 20;

void AddOval(cairo_t* cr, double w, double h, double inset) {
    TArtCanvas::Ellipse(cr, w / 2, h / 2, w / 2 - inset, h / 2 - inset);
}

} // namespace

void TPlaqueArt::Draw(const TArtCanvas& canvas, const std::string& caption, int fontPx,
                      bool pressed) {
    DrawBody(canvas, pressed);
    DrawCaption(canvas, caption, fontPx, pressed);
}

void TPlaqueArt::DrawBody(const TArtCanvas& canvas, bool pressed) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width();
    const double h = canvas.Height();
    // Shadow cast into the recess; a pressed plaque lies on its floor and casts almost none.
    canvas.SoftShadow([&](cairo_t* c) { AddOval(c, w, h, Margin); }, pressed ? 0.5 : 1.5,
                      pressed ? 0.5 : 2.5, 4, pressed ? 0.35 : 0.6);
    DrawRim(cr, w, h, pressed);
    // Red face, domed by a radial gradient whose light moves below the centre when pressed.
    AddOval(cr, w, h, Margin + RimWidth);
    const double lightY = pressed ? h * 0.7 : h * 0.3;
    cairo_pattern_t* face = cairo_pattern_create_radial(w * 0.4, lightY, 2, w / 2, h / 2, w / 2);
    const TRgb red = pressed ? ArtPalette::PlaqueRed.Darker(0.25) : ArtPalette::PlaqueRed;
    red.Lighter(pressed ? 0.05 : 0.25).Stop(face, 0);
    red.Stop(face, 0.45);
    ArtPalette::PlaqueDark.Darker(pressed ? 0.3 : 0).Stop(face, 1);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    if (pressed) {
        canvas.SoftShadow([&](cairo_t* c) { AddOval(c, w, h, Margin + RimWidth); }, 2, 3, 5, 0.7,
                          true);
    } else {
        DrawGloss(cr, w, h);
    }
}

void TPlaqueArt::DrawCaption(const TArtCanvas& canvas, const std::string& caption, int fontPx,
                             bool pressed) {
    const double w = canvas.Width();
    const double h = canvas.Height();
    const std::unique_ptr<TArtText> text = FitCaption(canvas, caption, fontPx);
    const double shift = pressed ? 1.5 : 0;
    text->DrawCentred(w / 2 + shift + 1, h / 2 + shift + 1.5, TRgb{0.15, 0, 0}, 0.8);
    text->DrawCentred(w / 2 + shift, h / 2 + shift,
                      pressed ? ArtPalette::Cream.Darker(0.15) : ArtPalette::Cream);
}

// The golden rim, lit from the top left.
void TPlaqueArt::DrawRim(cairo_t* cr, double w, double h, bool pressed) {
    AddOval(cr, w, h, Margin);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, w * 0.3, h);
    (pressed ? ArtPalette::GoldDark : ArtPalette::Gold).Stop(rim, 0);
    ArtPalette::GoldDark.Darker(pressed ? 0.3 : 0.1).Stop(rim, 1);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
}

// A soft highlight over the upper half of a raised plaque.
void TPlaqueArt::DrawGloss(cairo_t* cr, double w, double h) {
    cairo_pattern_t* gloss = cairo_pattern_create_linear(0, h * 0.13, 0, h * 0.53);
    TRgb{1, 1, 1}.Stop(gloss, 0, 0.35);
    TRgb{1, 1, 1}.Stop(gloss, 1, 0);
    TArtCanvas::Ellipse(cr, w / 2, h * 0.33, w / 2 - Margin - RimWidth - w * 0.06, h * 0.2);
    cairo_set_source(cr, gloss);
    cairo_fill(cr);
    cairo_pattern_destroy(gloss);
}

// The largest size, and the wrap width for it, at which the corners of the caption's ink stay
// well inside the red face.
std::unique_ptr<TArtText> TPlaqueArt::FitCaption(const TArtCanvas& canvas,
                                                 const std::string& caption, int fontPx) {
    const double rx = canvas.Width() / 2.0 - Margin - RimWidth;
    const double ry = canvas.Height() / 2.0 - Margin - RimWidth;
    // Long captions take the narrow face so that they can stay large.
    const std::string family =
        g_utf8_strlen(caption.c_str(), -1) > LongCaption ? "PT Sans Narrow Bold " : "PT Sans Bold ";
    std::unique_ptr<TArtText> text;
    for (int size = fontPx; size >= SmallestFontPx; --size) {
        for (const double wrap : {1.7, 1.5, 1.3, 1.1}) {
            text = std::make_unique<TArtText>(canvas.Cr(), caption,
                                              family + std::to_string(size) + "px",
                                              static_cast<int>(rx * wrap), PANGO_ALIGN_CENTER);
            const PangoRectangle ink = text->Ink();
            const double across = ink.width / 2.0 / rx;
            const double down = ink.height / 2.0 / ry;
            if (across * across + down * down <= 0.85) {
                return text;
            }
        }
    }
    return text;
}

void TPlaqueArt::DrawRecess(const TArtCanvas& canvas, double x, double y, double w, double h) {
    cairo_t* cr = canvas.Cr();
    const auto addOval = [&](cairo_t* c) {
        TArtCanvas::Ellipse(c, x + w / 2, y + h / 2, w / 2 + 1, h / 2 + 1);
    };
    // Light catches the lower right lip, the upper left falls into shade.
    TArtCanvas::Ellipse(cr, x + w / 2 + 1, y + h / 2 + 1, w / 2 + 3, h / 2 + 3);
    TRgb{1, 0.85, 0.8}.Use(cr, 0.35);
    cairo_fill(cr);
    addOval(cr);
    cairo_pattern_t* floor = cairo_pattern_create_linear(0, y, 0, y + h);
    ArtPalette::PanelDark.Darker(0.4).Stop(floor, 0);
    ArtPalette::PanelDark.Stop(floor, 1);
    cairo_set_source(cr, floor);
    cairo_fill(cr);
    cairo_pattern_destroy(floor);
    canvas.SoftShadow(addOval, 3, 4, 6, 0.8, true);
}
