#pragma once

#include <cairo.h>

class TArtCanvas;
class TArtOutput;

// The program's icon for the desktop's menus and task bar: a round voltmeter dial with its
// pointer, set in the red panel of the program's screens, at every size the icon theme asks for.
class TAppIconArt {
public:
    static constexpr int Sizes[] = {16, 24, 32, 48, 64, 128, 256};

    static void Write(const TArtOutput& output);
    static void Draw(const TArtCanvas& canvas);

private:
    // The dial's face on an icon of the given size.
    struct TDial {
        double cx;
        double cy;
        double radius;
        double size;
    };
    static TDial DialOf(double size);

    static void DrawPanel(cairo_t* cr, double size);
    static void DrawFace(cairo_t* cr, const TDial& dial);
    static void DrawTicks(cairo_t* cr, const TDial& dial);
    static void DrawPointer(cairo_t* cr, const TDial& dial);
};
