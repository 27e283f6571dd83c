#pragma once

#include "gui/framework/Input.h"
#include "gui/graphics/Geometry.h"

class THeadlessPlatform;

// The probe's hand on the mouse: it remembers whether the left button is held, so that a move
// after a press drags.
class TProbeMouse {
public:
    explicit TProbeMouse(THeadlessPlatform& platform) : m_platform(platform) {}

    // Points are on the desktop.
    void Press(TPoint screen);
    void Release(TPoint screen);
    void Move(TPoint screen);
    void Click(TPoint screen);
    void DoubleClick(TPoint screen);
    // 120 per notch, positive away from the user.
    void Wheel(TPoint screen, int delta);

private:
    TShiftState Held() const { return m_held ? ssLeft : 0; }

    THeadlessPlatform& m_platform;
    bool m_held = false;
};
