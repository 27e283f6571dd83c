#include "art/WoodTexture.h"

#include <algorithm>
#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtNoise.h"

// 0 on the light early wood, up to 1 on the dark late-wood lines of the rings.
double TWoodTexture::Grain(double x, double y) const {
    const TArtNoise noise(m_seed);
    const double bend = noise.Fractal(x * 0.0035, y * 0.011, 3) * 9.0;
    const double ring = y * 0.055 + bend;
    const double phase = ring - std::floor(ring);
    const double line = std::pow(std::max(0.0, std::sin(phase * M_PI)), 10);
    const double fibre = noise.Smooth(x * 0.015, y * 0.9) * 0.35;
    const double pore = noise.Cell(static_cast<int>(x / 3), static_cast<int>(y)) > 0.985 ? 0.4 : 0;
    return std::clamp(line * 0.6 + fibre + pore, 0.0, 1.0);
}

void TWoodTexture::Paint(const TArtCanvas& canvas) const {
    const TArtNoise tone(m_seed + 7);
    canvas.Flush();
    for (int y = 0; y < canvas.Height(); ++y) {
        std::uint32_t* row = canvas.Row(y);
        for (int x = 0; x < canvas.Width(); ++x) {
            const double shade = tone.Smooth(x * 0.004, y * 0.02) * 0.25;
            row[x] = m_light.Mix(m_dark, std::min(1.0, Grain(x, y) + shade)).Pixel();
        }
    }
    canvas.MarkDirty();
}
