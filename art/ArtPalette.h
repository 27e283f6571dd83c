#pragma once

#include "art/Rgb.h"

// The colours the screens share, so the plaques match the panels they lie in.
namespace ArtPalette {

constexpr TRgb PanelRed = TRgb::Bytes(150, 22, 24);
constexpr TRgb PanelDark = TRgb::Bytes(72, 6, 8);
constexpr TRgb PlaqueRed = TRgb::Bytes(200, 36, 30);
constexpr TRgb PlaqueDark = TRgb::Bytes(110, 12, 10);
constexpr TRgb Gold = TRgb::Bytes(232, 196, 110);
constexpr TRgb GoldDark = TRgb::Bytes(140, 98, 34);
constexpr TRgb Cream = TRgb::Bytes(255, 244, 214);
constexpr TRgb ButtonFace = TRgb::Bytes(212, 208, 200);
// The three excitation schemes, independent, series and shunt, wear the colours of the bench's
// column numbers wherever they are drawn.
constexpr TRgb SchemeIndependent = TRgb::Bytes(0, 0, 128);
constexpr TRgb SchemeSeries = TRgb::Bytes(220, 0, 0);
constexpr TRgb SchemeShunt = TRgb::Bytes(0, 128, 0);

} // namespace ArtPalette
