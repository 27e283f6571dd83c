#include "art/ArtNoise.h"

#include <cmath>

namespace {

double Fade(double t) {
    return t * t * (3 - 2 * t);
}

double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

double TArtNoise::Cell(int x, int y) const {
    std::uint32_t h = m_seed ^ (static_cast<std::uint32_t>(x) * 0x27D4EB2Du) ^
                      (static_cast<std::uint32_t>(y) * 0x165667B1u);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<double>(h & 0xFFFFFFu) / 0xFFFFFF;
}

double TArtNoise::Smooth(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = Fade(x - fx);
    const double ty = Fade(y - fy);
    const double top = Lerp(Cell(ix, iy), Cell(ix + 1, iy), tx);
    const double bottom = Lerp(Cell(ix, iy + 1), Cell(ix + 1, iy + 1), tx);
    return Lerp(top, bottom, ty);
}

double TArtNoise::Fractal(double x, double y, int octaves) const {
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += Smooth(x, y) * weight;
        total += weight;
        x *= 2.03;
        y *= 2.03;
        weight *= 0.5;
    }
    return sum / total;
}
