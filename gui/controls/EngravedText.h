#pragma once

#include <string>

#include "gui/graphics/Geometry.h"

class TCanvas;

// The engraved look of disabled text: a light copy one pixel down and right, then the shadow in
// place. The canvas font keeps the shadow colour afterwards.
void DrawEngravedText(TCanvas& canvas, const std::string& text, TRect rect, unsigned flags);
