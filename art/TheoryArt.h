#pragma once

#include "art/Rgb.h"

class TArtCanvas;
class TArtOutput;

// The theory screen: its background with the two recessed frames, the topic plaques and the
// corner button that leads back.
class TTheoryArt {
public:
    static void Write(const TArtOutput& output);

private:
    static void WriteBackground(const TArtOutput& output);
    static void DrawConnector(const TArtCanvas& canvas);
    static void DrawFrames(const TArtCanvas& canvas);
    static void DrawWindow(const TArtCanvas& canvas, double x, double y, double w, double h);
    static void WriteTopics(const TArtOutput& output);
    static void WriteBackButton(const TArtOutput& output);
    static void DrawBackButton(const TArtCanvas& canvas, bool pressed);
    static void DrawBackLabel(const TArtCanvas& canvas, double shift, const TRgb& color);
};
