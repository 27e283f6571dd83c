#pragma once

class TiObjectCanvas;

// The axes of the external characteristic and their letters, drawn once on the bench's object
// canvas; the curve itself is a picture sequence lying inside them.
class TCharacteristicPlot {
public:
    static void DrawAxes(TiObjectCanvas& canvas);

private:
    static constexpr int SubscriptFontSize = 6;
};
