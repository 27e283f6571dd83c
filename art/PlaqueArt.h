#pragma once

#include <cairo.h>

#include <memory>
#include <string>

class TArtCanvas;
class TArtText;

// The red oval plaques of the menu and theory buttons, and the recesses they lie in.
class TPlaqueArt {
public:
    // Fills a transparent canvas of the button's size with the plaque. A pressed plaque keeps
    // the outline but sinks: darker, lit from below, its caption shifted down and right.
    static void Draw(const TArtCanvas& canvas, const std::string& caption, int fontPx,
                     bool pressed);
    // The oval recess in a background behind a button at the given bounds.
    static void DrawRecess(const TArtCanvas& canvas, double x, double y, double w, double h);

private:
    static void DrawBody(const TArtCanvas& canvas, bool pressed);
    static void DrawRim(cairo_t* cr, double w, double h, bool pressed);
    static void DrawGloss(cairo_t* cr, double w, double h);
    static std::unique_ptr<TArtText> FitCaption(const TArtCanvas& canvas,
                                                const std::string& caption, int fontPx);
    static void DrawCaption(const TArtCanvas& canvas, const std::string& caption, int fontPx,
                            bool pressed);
};
