#pragma once

#include "gui/framework/Control.h"

class TCanvas;

// A control without a surface of its own: it paints straight onto its form, beneath every
// windowed control.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);

    // Draws the control on its form's back buffer, in form client coordinates. The canvas is
    // clipped to the part of the control being redrawn.
    virtual void Paint(TCanvas& canvas) = 0;
};
