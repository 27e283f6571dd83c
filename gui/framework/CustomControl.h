#pragma once

#include "gui/framework/WinControl.h"

class TCanvas;

// A windowed control that paints itself through a canvas on its own surface.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);

    // Drawing here reaches the control's surface, which the compositor shows.
    TCanvas& Canvas();

protected:
    virtual void Paint() {}
    void PaintSurface(TBitmap& surface) override;
};
