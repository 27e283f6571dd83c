#pragma once

class TArtCanvas;
class TArtOutput;

// The bench screen: the wooden table top it stands on and the signs that lead away from it.
class TBenchArt {
public:
    static void Write(const TArtOutput& output);

private:
    static void WriteBackground(const TArtOutput& output);
    static void DrawHeading(const TArtCanvas& canvas);
    static void DrawInset(const TArtCanvas& canvas);
    static void WriteSigns(const TArtOutput& output);
};
