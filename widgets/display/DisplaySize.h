#pragma once

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Geometry.h"

// The largest measure (margin, spacing, stroke, offset) a display takes, in pixels. Nothing
// longer than a picture's side can be shown, and keeping the measures this small keeps every
// sum of them far from overflowing.
constexpr int MaxDisplayMeasure = TBitmap::MaxSide;

// The size a widget can take for the size its content asks for: each side, and the area, within
// what a picture can hold, so that sizing itself never asks for a bitmap that cannot exist.
TSize FittedSize(long long width, long long height);
