#include "tools/probe/ProbeMouse.h"

#include "gui/platform/headless/HeadlessPlatform.h"

void TProbeMouse::Press(TPoint screen) {
    m_platform.MouseMove(screen, Held());
    m_platform.MouseDown(screen);
    m_held = true;
}

void TProbeMouse::Release(TPoint screen) {
    m_platform.MouseMove(screen, Held());
    m_platform.MouseUp(screen);
    m_held = false;
}

void TProbeMouse::Move(TPoint screen) {
    m_platform.MouseMove(screen, Held());
}

void TProbeMouse::Click(TPoint screen) {
    m_platform.Click(screen);
    m_held = false;
}

void TProbeMouse::DoubleClick(TPoint screen) {
    m_platform.MouseMove(screen);
    m_platform.DoubleClick(screen);
    m_held = false;
}

void TProbeMouse::Wheel(TPoint screen, int delta) {
    m_platform.MouseMove(screen, Held());
    m_platform.MouseWheel(screen, delta, Held());
}
