#pragma once

#include <cstdint>

#include "art/Rgb.h"

class TArtCanvas;

// Planed wood with its grain running along x: growth rings bent by slow noise, fine fibres and
// darker pores. Used for the bench top and its signs.
class TWoodTexture {
public:
    TWoodTexture(std::uint32_t seed, const TRgb& light, const TRgb& dark)
        : m_seed(seed), m_light(light), m_dark(dark) {}

    // Covers the whole canvas with wood.
    void Paint(const TArtCanvas& canvas) const;

private:
    double Grain(double x, double y) const;

    std::uint32_t m_seed;
    TRgb m_light;
    TRgb m_dark;
};
