#include "art/MenuArt.h"

#include <string>

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"
#include "art/ArtPalette.h"
#include "art/ArtText.h"
#include "art/BenchPhotoArt.h"
#include "art/PlaqueArt.h"
#include "art/RedPanelArt.h"

namespace {

struct TMenuButton {
    int left;
    int top;
    int width;
    int height;
    const char* caption;
    const char* released;
    const char* pressed;
};

// Where the menu screen lays its buttons; the recesses are cut to these bounds.
constexpr TMenuButton Buttons[] = {
    {680, 168, 241, 105, "СТЕНД", "ico/2.ico", "ico/22.ico"},
    {688, 320, 241, 105, "ТЕОРИЯ", "ico/7.ico", "ico/44.ico"},
    {688, 464, 241, 105, "СПРАВКА", "ico/3.ico", "ico/33.ico"},
    {680, 624, 249, 105, "ВЫХОД", "ico/4.ico", "ico/45.ico"},
};

constexpr double PhotoX = 330;
constexpr double PhotoY = 430;
constexpr double PhotoRadius = 225;

} // namespace

void TMenuArt::Write(const TArtOutput& output) {
    WriteBackground(output);
    WriteButtons(output);
}

void TMenuArt::WriteBackground(const TArtOutput& output) {
    const TArtCanvas canvas(1024, 768);
    TRedPanelArt::DrawGround(canvas);
    TRedPanelArt::DrawHeading(canvas, "Лабораторный стенд", 512, 80, 64);
    TBenchPhotoArt::Draw(canvas, PhotoX, PhotoY, PhotoRadius);
    const TArtText rim(canvas.Cr(), "способы возбуждения генератора постоянного тока",
                       "PT Serif Bold Italic 22px");
    cairo_new_path(canvas.Cr());
    rim.AddPathAlongBottomArc(PhotoX, PhotoY, PhotoRadius + 34);
    cairo_path_t* letters = cairo_copy_path(canvas.Cr());
    canvas.SoftShadow([&](cairo_t* c) { cairo_append_path(c, letters); }, 1.5, 2.5, 2, 0.8);
    cairo_new_path(canvas.Cr());
    cairo_append_path(canvas.Cr(), letters);
    ArtPalette::Gold.Lighter(0.2).Use(canvas.Cr());
    cairo_fill(canvas.Cr());
    cairo_path_destroy(letters);
    for (const TMenuButton& button : Buttons) {
        TPlaqueArt::DrawRecess(canvas, button.left, button.top, button.width, button.height);
    }
    output.Jpeg("pictures/menu.jpg", canvas);
}

void TMenuArt::WriteButtons(const TArtOutput& output) {
    for (const TMenuButton& button : Buttons) {
        for (const bool pressed : {false, true}) {
            const TArtCanvas canvas(button.width, button.height);
            TPlaqueArt::Draw(canvas, button.caption, 30, pressed);
            output.Icon(pressed ? button.pressed : button.released, canvas);
        }
    }
}
