#include "gui/framework/CustomControl.h"

#include "gui/graphics/Canvas.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

TCanvas& TCustomControl::Canvas() {
    return SurfaceBitmap().Canvas();
}

void TCustomControl::PaintSurface(TBitmap&) {
    Paint();
}
