#pragma once

#include <cairo.h>

class TArtOutput;

// The drive belt's two runs between the motor and the generator, each a picture of its own
// over the bench.
class TBeltArt {
public:
    static void Write(const TArtOutput& output);
    // The whole belt, in screen pixels under the current transform: every picture of the drive
    // draws it and keeps the piece its bounds cut out.
    static void Draw(cairo_t* cr);

private:
    static void WriteRun(const TArtOutput& output, const char* name, int left, int top, int width,
                         int height);
};
