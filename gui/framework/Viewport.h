#pragma once

#include "gui/graphics/Geometry.h"

// How a client area of logical pixels is shown in a window: scaled uniformly to fit, centred,
// the rest left black.
class TViewport {
public:
    TViewport() = default;
    TViewport(TSize window, TSize logical);

    double Scale() const { return m_scale; }
    // Where the client area lies in the window, in window pixels.
    TRect Destination() const { return m_destination; }
    TPoint WindowToClient(TPoint window) const;
    TPoint ClientToWindow(TPoint client) const;
    bool Identity() const;

private:
    TSize m_window;
    TSize m_logical;
    double m_scale = 1.0;
    TRect m_destination;
};
