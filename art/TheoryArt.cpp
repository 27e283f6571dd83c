#include "art/TheoryArt.h"

#include <algorithm>
#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"
#include "art/ArtPalette.h"
#include "art/ArtText.h"
#include "art/PlaqueArt.h"
#include "art/RedPanelArt.h"

namespace {

struct TTopicButton {
    int left;
    int top;
    int width;
    int height;
    const char* caption;
    int fontPx;
    const char* released;
    const char* pressed;
};

constexpr TTopicButton Topics[] = {
    {56, 8, 257, 81, "устройство и принцип работы генератора постоянного тока", 20, "ico/ystr.ico",
     "ico/ystr1.ico"},
    {720, 8, 257, 97, "способы возбуждения генератора постоянного тока", 21, "ico/sposob.ico",
     "ico/sposob1.ico"},
    {144, 120, 257, 89, "независимое", 24, "ico/nez.ico", "ico/nez1.ico"},
    {432, 120, 257, 89, "последовательное", 24, "ico/posl.ico", "ico/posl1.ico"},
    {720, 120, 257, 105, "параллельное", 24, "ico/paral.ico", "ico/paral1.ico"},
};

// Icons are at most 256 pixels wide; the screen shows the picture from the button's left edge.
constexpr int MaxIconSide = 256;

// The back button's corner and the frames around the illustration and the text.
constexpr double BackLeft = 24;
constexpr double BackTop = 608;
constexpr double BackWidth = 137;
constexpr double BackHeight = 145;
constexpr double FrameInset = 14;

void AddLeftFrame(cairo_t* cr) {
    const double left = 40 - FrameInset;
    const double top = 238 - FrameInset;
    const double right = 457 + FrameInset;
    const double bottom = 735 + FrameInset;
    // The cut runs parallel to the back button's slanted edge, a little outside it.
    const double slope = BackWidth / BackHeight;
    const double gap = 20;
    cairo_move_to(cr, left, top);
    cairo_line_to(cr, right, top);
    cairo_line_to(cr, right, bottom);
    cairo_line_to(cr, BackLeft + (bottom - BackTop) * slope + gap, bottom);
    cairo_line_to(cr, left, BackTop + (left - BackLeft) / slope - gap / slope);
    cairo_close_path(cr);
}

void AddRightFrame(cairo_t* cr) {
    TArtCanvas::RoundedRect(cr, 560 - FrameInset, 238 - FrameInset, 417 + 2 * FrameInset,
                            497 + 2 * FrameInset, 10);
}

void AddTriangle(cairo_t* cr, double inset) {
    cairo_move_to(cr, inset, inset * 2.2);
    cairo_line_to(cr, BackWidth - inset * 2.2, BackHeight - inset);
    cairo_line_to(cr, inset, BackHeight - inset);
    cairo_close_path(cr);
}

} // namespace

void TTheoryArt::Write(const TArtOutput& output) {
    WriteBackground(output);
    WriteTopics(output);
    WriteBackButton(output);
}

void TTheoryArt::WriteBackground(const TArtOutput& output) {
    const TArtCanvas canvas(1024, 768);
    TRedPanelArt::DrawGround(canvas);
    TRedPanelArt::DrawHeading(canvas, "теория", 516, 56, 60);
    DrawConnector(canvas);
    for (const TTopicButton& topic : Topics) {
        TPlaqueArt::DrawRecess(canvas, topic.left, topic.top, std::min(topic.width, MaxIconSide),
                               topic.height);
    }
    DrawFrames(canvas);
    output.Jpeg("pictures/theory.jpg", canvas);
}

// Ties the excitation plaque of the first row to the three methods below it.
void TTheoryArt::DrawConnector(const TArtCanvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double y = 113;
    cairo_move_to(cr, 848, 100);
    cairo_line_to(cr, 848, y);
    cairo_move_to(cr, 272, 126);
    cairo_line_to(cr, 272, y);
    cairo_line_to(cr, 848, y);
    cairo_move_to(cr, 560, y);
    cairo_line_to(cr, 560, 126);
    TRedPanelArt::StrokeGroove(canvas, 4);
}

void TTheoryArt::DrawFrames(const TArtCanvas& canvas) {
    cairo_t* cr = canvas.Cr();
    for (const auto addFrame : {AddLeftFrame, AddRightFrame}) {
        canvas.SoftShadow(addFrame, -2, -2, 4, 0.5);
        addFrame(cr);
        cairo_pattern_t* floor = cairo_pattern_create_linear(0, 224, 0, 750);
        ArtPalette::PanelDark.Darker(0.3).Stop(floor, 0);
        ArtPalette::PanelDark.Stop(floor, 1);
        cairo_set_source(cr, floor);
        cairo_fill(cr);
        cairo_pattern_destroy(floor);
        canvas.SoftShadow(addFrame, 4, 5, 7, 0.85, true);
        addFrame(cr);
        cairo_set_line_width(cr, 2);
        ArtPalette::Gold.Use(cr, 0.8);
        cairo_stroke(cr);
    }
    DrawWindow(canvas, 40, 238, 417, 345);
    DrawWindow(canvas, 560, 238, 417, 497);
}

// The light window in a frame where the screen lays the illustration or the text.
void TTheoryArt::DrawWindow(const TArtCanvas& canvas, double x, double y, double w, double h) {
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, x - 2, y - 2, w + 4, h + 4);
    ArtPalette::GoldDark.Use(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, x, y, w, h);
    TRgb{1, 1, 1}.Use(cr);
    cairo_fill(cr);
}

void TTheoryArt::WriteTopics(const TArtOutput& output) {
    for (const TTopicButton& topic : Topics) {
        for (const bool pressed : {false, true}) {
            const TArtCanvas canvas(std::min(topic.width, MaxIconSide), topic.height);
            TPlaqueArt::Draw(canvas, topic.caption, topic.fontPx, pressed);
            output.Icon(pressed ? topic.pressed : topic.released, canvas);
        }
    }
}

void TTheoryArt::WriteBackButton(const TArtOutput& output) {
    for (const bool pressed : {false, true}) {
        const TArtCanvas canvas(static_cast<int>(BackWidth), static_cast<int>(BackHeight));
        DrawBackButton(canvas, pressed);
        output.Icon(pressed ? "ico/v1.ico" : "ico/v.ico", canvas);
    }
}

void TTheoryArt::DrawBackButton(const TArtCanvas& canvas, bool pressed) {
    cairo_t* cr = canvas.Cr();
    canvas.SoftShadow([](cairo_t* c) { AddTriangle(c, 4); }, pressed ? 0.5 : 2, pressed ? 0.5 : 3,
                      3, 0.6);
    AddTriangle(cr, 4);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, BackWidth, BackHeight);
    ArtPalette::Gold.Stop(rim, 0);
    ArtPalette::GoldDark.Stop(rim, 1);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    AddTriangle(cr, 9);
    const TRgb red = pressed ? ArtPalette::PlaqueRed.Darker(0.3) : ArtPalette::PlaqueRed;
    cairo_pattern_t* face = cairo_pattern_create_linear(0, 20, 0, BackHeight);
    (pressed ? red : red.Lighter(0.2)).Stop(face, 0);
    ArtPalette::PlaqueDark.Darker(pressed ? 0.3 : 0).Stop(face, 1);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    if (pressed) {
        canvas.SoftShadow([](cairo_t* c) { AddTriangle(c, 9); }, 2, 3, 4, 0.7, true);
    }
    DrawBackLabel(canvas, pressed ? 1.5 : 0, ArtPalette::Cream.Darker(pressed ? 0.15 : 0));
}

// An arrow pointing up above the caption, both moved by shift when the button is down.
void TTheoryArt::DrawBackLabel(const TArtCanvas& canvas, double shift, const TRgb& color) {
    cairo_t* cr = canvas.Cr();
    const double ax = 40 + shift;
    const double ay = 62 + shift;
    cairo_move_to(cr, ax, ay);
    cairo_line_to(cr, ax + 13, ay + 17);
    cairo_line_to(cr, ax + 5, ay + 17);
    cairo_line_to(cr, ax + 5, ay + 34);
    cairo_line_to(cr, ax - 5, ay + 34);
    cairo_line_to(cr, ax - 5, ay + 17);
    cairo_line_to(cr, ax - 13, ay + 17);
    cairo_close_path(cr);
    color.Use(cr);
    cairo_fill(cr);
    const TArtText caption(cr, "ВВЕРХ", "PT Sans Bold 19px");
    caption.DrawCentred(50 + shift + 1, 120 + shift + 1, TRgb{0.15, 0, 0}, 0.8);
    caption.DrawCentred(50 + shift, 120 + shift, color);
}
