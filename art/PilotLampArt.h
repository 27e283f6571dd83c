#pragma once

#include "art/Rgb.h"

class TArtCanvas;
class TArtOutput;

// The mains lamp beside the mains voltmeter: unlit, lit green and lit red, each a small lens in
// a chrome bezel.
class TPilotLampArt {
public:
    static void Write(const TArtOutput& output);

private:
    static void Draw(const TArtCanvas& canvas, const TRgb& lens, bool lit);
};
