#pragma once

class TArtOutput;

// The object canvas's stored picture list: pieces of graph paper, one ruling per picture,
// that the plot may lay under its drawing. No object of the bench uses them.
class TGraphPaperArt {
public:
    static constexpr int Width = 222;
    static constexpr int Height = 153;
    static constexpr int Count = 15;

    static void Write(const TArtOutput& output);
};
