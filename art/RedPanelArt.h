#pragma once

#include <string>

class TArtCanvas;

// The red leather-like panel of the menu and theory screens, with its gold frame and embossed
// gold headings.
class TRedPanelArt {
public:
    static void DrawGround(const TArtCanvas& canvas);
    static void DrawHeading(const TArtCanvas& canvas, const std::string& text, double cx, double cy,
                            int fontPx);
    // A groove pressed into the panel along the current path; the path is consumed.
    static void StrokeGroove(const TArtCanvas& canvas, double width);

private:
    static void DrawTexture(const TArtCanvas& canvas);
    static void DrawFrame(const TArtCanvas& canvas);
};
