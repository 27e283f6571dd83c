#pragma once

#include <cstdint>

#include "gui/graphics/Canvas.h"
#include "gui/graphics/Geometry.h"
#include "widgets/core/WidgetTypes.h"

// The shapes of a round dial, as plain functions of their inputs so that painting, hit testing
// and the tests all see the same geometry. Angles are degrees counter-clockwise from 3 o'clock.

enum TiAngularGaugePointerStyle : std::uint8_t {
    iagpsArrowLine,
    iagpsArrow,
    iagpsLine,
    iagpsTriangle
};
enum TiLabelAlignment : std::uint8_t { ilaCenter, ilaJustified };
// A picture face is painted like the standard one.
enum TiPanelFaceStyle : std::uint8_t { ipfsNone, ipfsStandard, ipfsPicture };

// fraction is 0 at the minimum and 1 at the maximum. The minimum sits at the start angle and
// values grow clockwise, or from the clockwise end when reversed.
double GaugeAngle(double fraction, int arcStartDegrees, int arcRangeDegrees, bool reverse);

// Into 0 (inclusive) .. 360 (exclusive).
double NormalizedDegrees(double degrees);

// The rectangle of a tick label of the given text size whose anchor lies on the label circle at
// the given angle. A justified label touches the circle with the corner or edge facing the centre.
TRect TickLabelBox(TPoint anchor, TSize text, double degrees, TiLabelAlignment alignment);

// The arc radius that lets the labels fit, given the free space left beside them; never below 0,
// as a negative radius would turn the dial inside out.
int AutoArcRadius(int space, int arcRangeDegrees, int outerMargin, int hubSize);

// The top-left corner of a free text label.
TPoint FreeLabelOrigin(TPoint centre, TSize client, TSize text, TPoint offset,
                       TiAlignmentHorizontal horizontal, TiAlignmentVertical vertical);

struct TGaugePointerPlacement {
    double Degrees = 0;
    int ArcRadius = 0;
    int Size = 0;
    int Margin = 0;
    int Style = iagpsTriangle;
    // Only arrows honour it: they then sit outside the arc and point inwards.
    bool Outside = false;
};

struct TGaugePointerShape {
    bool Drawn = false;
    bool HasLine = false;
    bool HasTriangle = false;
    TPoint Tip;
    TPoint Corner1;
    TPoint Corner2;
    // Where a press picks the pointer up; empty when nothing is drawn.
    TRect HitArea;
};

TGaugePointerShape GaugePointerShape(TPoint centre, const TGaugePointerPlacement& pointer);
// Every pixel the pointer's drawing may touch, with a pixel to spare on each side.
TRect GaugePointerBounds(TPoint centre, const TGaugePointerShape& shape);
// Filled with color, outlined in it; leaves the brush solid.
void DrawGaugePointer(TCanvas& canvas, TPoint centre, const TGaugePointerShape& shape,
                      TColor color);

// A rounded panel over the whole widget with a round face inset by faceSize.
void DrawPanelFace(TCanvas& canvas, TSize client, int faceSize, TColor outer, TColor inner);
void DrawHub(TCanvas& canvas, TPoint centre, int hubSize, TColor color);
TRect HubBounds(TPoint centre, int hubSize);

// The direction from the centre to the point in degrees, growing clockwise on the screen
// (-180 .. 180), as a dragging mouse sweeps it.
double ScreenDegrees(TPoint centre, int x, int y);
// The angle swept from previous to current the short way round.
double SweptDegrees(double previous, double current);
