#pragma once

#include <cstdint>

#include "art/Rgb.h"

class TArtCanvas;

// Planed wood with its grain running along x: growth rings bent by slow noise, fine fibres and
// darker pores. Used for the bench top and its signs.
class TWoodTexture {
public:
    // A positive plankHeight lays the wood as boards of that height, each cut from a different
    // part of the log and a little lighter or darker than its neighbours.
    TWoodTexture(std::uint32_t seed, const TRgb& light, const TRgb& dark, int plankHeight = 0)
        : m_seed(seed), m_light(light), m_dark(dark), m_plankHeight(plankHeight) {}

    // Covers the whole canvas with wood.
    void Paint(const TArtCanvas& canvas) const;

private:
    double Grain(double x, double y) const;
    // Darkening of one pixel: grain, slow tone changes, board and joint.
    double Shade(int x, int y) const;

    std::uint32_t m_seed;
    TRgb m_light;
    TRgb m_dark;
    int m_plankHeight;
};
