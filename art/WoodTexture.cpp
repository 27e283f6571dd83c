#include "art/WoodTexture.h"

#include <algorithm>
#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtNoise.h"

// 0 on the light early wood, up to 1 on the dark late-wood lines of the rings.
double TWoodTexture::Grain(double x, double y) const {
    const TArtNoise noise(m_seed);
    const double bend = noise.Fractal(x * 0.0025, y * 0.008, 3) * 5.0;
    const double ring = y * 0.07 + bend;
    const double phase = ring - std::floor(ring);
    const double line = std::pow(std::max(0.0, std::sin(phase * M_PI)), 8);
    const double fibre = noise.Smooth(x * 0.015, y * 0.9) * 0.3;
    const double pore = noise.Cell(static_cast<int>(x / 3), static_cast<int>(y)) > 0.985 ? 0.3 : 0;
    return std::clamp(line * 0.4 + fibre + pore, 0.0, 1.0);
}

double TWoodTexture::Shade(int x, int y) const {
    const TArtNoise tone(m_seed + 7);
    if (m_plankHeight <= 0) {
        return Grain(x, y) + tone.Smooth(x * 0.004, y * 0.02) * 0.25;
    }
    const int plank = y / m_plankHeight;
    const int inPlank = y % m_plankHeight;
    // Each board shows another stretch of the log, shifted along and across the grain.
    const double grain = Grain(x + plank * 977.0, y + plank * 131.0);
    const double board = (tone.Cell(plank, 0) - 0.5) * 0.16;
    const double joint = inPlank < 2 ? 0.55 : (inPlank == 2 ? -0.15 : 0);
    return grain + tone.Smooth(x * 0.004, y * 0.02) * 0.2 + board + joint;
}

void TWoodTexture::Paint(const TArtCanvas& canvas) const {
    canvas.Flush();
    for (int y = 0; y < canvas.Height(); ++y) {
        std::uint32_t* row = canvas.Row(y);
        for (int x = 0; x < canvas.Width(); ++x) {
            row[x] = m_light.Mix(m_dark, std::clamp(Shade(x, y), 0.0, 1.0)).Pixel();
        }
    }
    canvas.MarkDirty();
}
