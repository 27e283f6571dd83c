#pragma once

#include <cstdint>
#include <string>

#include "gui/graphics/Brush.h"
#include "gui/graphics/Color.h"
#include "gui/graphics/Font.h"
#include "gui/graphics/Geometry.h"
#include "gui/graphics/Pen.h"

enum TiDrawObjectKind : std::uint8_t {
    idokEllipse,
    idokRectangle,
    idokLine,
    idokText,
    idokPicture
};

// One shape of an object canvas, placed in the canvas's user coordinates. The canvas owns it
// once it is added and remembers in Bounds where it was drawn last, for hit testing.
class TiDrawObject {
public:
    explicit TiDrawObject(TiDrawObjectKind kind) : Kind(kind) {}

    // Left and top inside, right and bottom outside, as drawn: a line keeps its end points
    // unsorted, so one drawn leftwards or upwards, or a straight one, never takes a click.
    bool Contains(TPoint pixel) const;
    // The four style flags as one font style set.
    TFontStyles FontStyle() const;

    TiDrawObjectKind Kind;
    bool Visible = false;
    // A line runs from (X, Y) to (X2, Y2); every other shape is centred on (X, Y), and an
    // ellipse or rectangle is X2 wide and Y2 high.
    double X = 0;
    double Y = 0;
    double X2 = 0;
    double Y2 = 0;
    int PictureIndex = 0;
    // What a text shows; the label at the centre of an ellipse or rectangle.
    std::string Text;
    std::string FontName;
    int FontSize = 0;
    TColor FontColor = clBlack;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikeOut = false;
    TColor BrushColor = clBlack;
    TBrushStyle BrushStyle = bsSolid;
    TColor PenColor = clBlack;
    TPenStyle PenStyle = psSolid;
    int PenWidth = 1;
    TRect Bounds;
};
