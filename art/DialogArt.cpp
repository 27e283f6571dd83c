#include "art/DialogArt.h"

#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"
#include "art/ArtPalette.h"
#include "art/ArtText.h"
#include "gui/graphics/Exception.h"

namespace {

// The key colour of the button glyphs: the bottom-left pixel marks what is transparent.
constexpr TRgb Key = TRgb::Bytes(255, 0, 255);
constexpr TRgb WarningRed = TRgb::Bytes(200, 16, 16);

} // namespace

void TDialogArt::Write(const TArtOutput& output) {
    WritePicture(output);
    WriteGlyph(output, "pictures/ok.bmp", "OK", TRgb::Bytes(20, 60, 20));
    WriteGlyph(output, "pictures/net.bmp", "НЕТ", TRgb::Bytes(120, 10, 10));
}

void TDialogArt::WritePicture(const TArtOutput& output) {
    const TArtCanvas canvas(300, 200);
    cairo_t* cr = canvas.Cr();
    canvas.Fill(ArtPalette::ButtonFace);
    // A faint sunken band behind the message, the buttons below it on the plain face.
    TArtCanvas::RoundedRect(cr, 6.5, 6.5, 276, 144, 6);
    ArtPalette::ButtonFace.Lighter(0.35).Use(cr);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    TRgb::Bytes(128, 128, 128).Use(cr);
    cairo_stroke(cr);
    DrawExclamation(cr, 44, 62);
    const TArtText message(cr, "Файлы программы были перемещены или удалены.", "PT Sans Bold 15px",
                           190);
    message.Draw(86, 22, TRgb::Bytes(20, 20, 20));
    const TArtText closing(cr, "Приложение будет закрыто.", "PT Sans Bold 15px", 190);
    closing.Draw(86, 28 + message.Height() + 8, WarningRed);
    output.Jpeg("pictures/dialog.jpg", canvas);
}

void TDialogArt::DrawExclamation(cairo_t* cr, double cx, double cy) {
    cairo_arc(cr, cx + 2, cy + 3, 32, 0, 2 * M_PI);
    TRgb{0, 0, 0}.Use(cr, 0.25);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 32, 0, 2 * M_PI);
    cairo_pattern_t* disc = cairo_pattern_create_radial(cx - 10, cy - 12, 3, cx, cy, 32);
    WarningRed.Lighter(0.45).Stop(disc, 0);
    WarningRed.Stop(disc, 0.6);
    WarningRed.Darker(0.45).Stop(disc, 1);
    cairo_set_source(cr, disc);
    cairo_fill(cr);
    // The mark itself: a tapering bar and a dot.
    cairo_move_to(cr, cx - 6, cy - 22);
    cairo_line_to(cr, cx + 6, cy - 22);
    cairo_line_to(cr, cx + 3, cy + 8);
    cairo_line_to(cr, cx - 3, cy + 8);
    cairo_close_path(cr);
    cairo_arc(cr, cx, cy + 18, 5, 0, 2 * M_PI);
    TRgb{1, 1, 1}.Use(cr);
    cairo_fill(cr);
    cairo_pattern_destroy(disc);
}

// The glyph is drawn on the dialog's face colour so its smoothed edges blend with the face the
// button shows, and only then is the untouched face turned into the key colour.
void TDialogArt::WriteGlyph(const TArtOutput& output, const std::string& name,
                            const std::string& caption, const TRgb& color) {
    const TArtCanvas canvas(102, 37);
    canvas.Fill(ArtPalette::ButtonFace);
    const TArtText text(canvas.Cr(), caption, "PT Sans Bold 24px");
    text.DrawCentred(51 + 1, 18.5 + 1, TRgb{1, 1, 1});
    text.DrawCentred(51, 18.5, color);
    canvas.Flush();
    const std::uint32_t face = ArtPalette::ButtonFace.Pixel();
    const std::uint32_t key = Key.Pixel();
    for (int y = 0; y < canvas.Height(); ++y) {
        std::uint32_t* row = canvas.Row(y);
        for (int x = 0; x < canvas.Width(); ++x) {
            if (row[x] == face) {
                row[x] = key;
            }
        }
    }
    canvas.MarkDirty();
    if (canvas.Row(canvas.Height() - 1)[0] != key) {
        throw Exception("The glyph " + name + " must keep its bottom-left pixel transparent");
    }
    output.Bmp(name, canvas);
}
