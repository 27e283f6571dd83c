#include "art/GraphPaperArt.h"

#include "art/ArtCanvas.h"
#include "art/ArtImageList.h"
#include "art/ArtOutput.h"

namespace {

constexpr TRgb Minor = TRgb::Bytes(0, 70, 0);
constexpr TRgb Major = TRgb::Bytes(0, 140, 0);
constexpr int MajorEvery = 5;

// Crisp one-pixel rulings every cell, stronger every fifth.
void Rule(cairo_t* cr, int cell) {
    cairo_set_line_width(cr, 1);
    for (int i = 0; i * cell < TGraphPaperArt::Width || i * cell < TGraphPaperArt::Height; ++i) {
        const double at = i * cell + 0.5;
        cairo_move_to(cr, at, 0);
        cairo_line_to(cr, at, TGraphPaperArt::Height);
        cairo_move_to(cr, 0, TGraphPaperArt::Height - at);
        cairo_line_to(cr, TGraphPaperArt::Width, TGraphPaperArt::Height - at);
        (i % MajorEvery == 0 ? Major : Minor).Use(cr);
        cairo_stroke(cr);
    }
}

} // namespace

void TGraphPaperArt::Write(const TArtOutput& output) {
    TArtImageList list(Width, Height);
    for (int i = 0; i < Count; ++i) {
        const TArtCanvas canvas(Width, Height);
        canvas.Fill(TRgb{0, 0, 0});
        Rule(canvas.Cr(), 4 + i);
        list.AddOnBlack(canvas);
    }
    output.ImageList("bench/canvas.il", list.List());
}
