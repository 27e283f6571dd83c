#include "XDisplayClient.h"

// Kept apart: the window system's headers define names such as KeyPress and None as macros.
#include <X11/Xlib.h>

bool MovePointerOnDisplay(int x, int y) {
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, x, y);
    // Closing sends the request and waits until the display has handled it.
    XCloseDisplay(display);
    return true;
}
