#pragma once

#include <cstdint>

// Smooth deterministic value noise for textures (wood grain, film grain, stone). The same seed
// gives the same picture on every machine, so builds stay reproducible.
class TArtNoise {
public:
    explicit TArtNoise(std::uint32_t seed) : m_seed(seed) {}

    // Values from 0 to 1, smooth in x and y, with features about one unit apart.
    double Smooth(double x, double y) const;
    // Several octaves of Smooth, each at twice the frequency and half the weight.
    double Fractal(double x, double y, int octaves) const;
    // Independent value from 0 to 1 for each integer cell.
    double Cell(int x, int y) const;

private:
    std::uint32_t m_seed;
};
