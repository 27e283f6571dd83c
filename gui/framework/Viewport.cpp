#include "gui/framework/Viewport.h"

#include <algorithm>
#include <cmath>

TViewport::TViewport(TSize window, TSize logical) : m_window(window), m_logical(logical) {
    if (logical.cx <= 0 || logical.cy <= 0 || window.cx <= 0 || window.cy <= 0) {
        m_destination = {0, 0, window.cx, window.cy};
        return;
    }
    m_scale = std::min(static_cast<double>(window.cx) / logical.cx,
                       static_cast<double>(window.cy) / logical.cy);
    const int width = static_cast<int>(std::lround(logical.cx * m_scale));
    const int height = static_cast<int>(std::lround(logical.cy * m_scale));
    const int left = (window.cx - width) / 2;
    const int top = (window.cy - height) / 2;
    m_destination = Bounds(left, top, width, height);
}

TPoint TViewport::WindowToClient(TPoint window) const {
    return {static_cast<int>(std::floor((window.X - m_destination.Left) / m_scale)),
            static_cast<int>(std::floor((window.Y - m_destination.Top) / m_scale))};
}

TPoint TViewport::ClientToWindow(TPoint client) const {
    return {m_destination.Left + static_cast<int>(std::floor(client.X * m_scale)),
            m_destination.Top + static_cast<int>(std::floor(client.Y * m_scale))};
}

bool TViewport::Identity() const {
    return m_scale == 1.0 && m_destination.Left == 0 && m_destination.Top == 0;
}
