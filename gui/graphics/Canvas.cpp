#include "gui/graphics/Canvas.h"

#include "gui/graphics/Bitmap.h"

TCanvas::TCanvas(TBitmap& target) : m_target(target) {}

TCanvas::~TCanvas() { SurfaceReplaced(); }

void TCanvas::SurfaceReplaced() {
    if (m_cr) {
        cairo_destroy(m_cr);
        m_cr = nullptr;
    }
}
