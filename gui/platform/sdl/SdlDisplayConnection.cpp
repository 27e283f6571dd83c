#include "gui/platform/sdl/SdlDisplayConnection.h"

// Kept apart: the window system's headers define names such as KeyPress and None as macros.
#include <SDL_syswm.h>

int SdlDisplayConnection(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
        return ConnectionNumber(info.info.x11.display);
#else
    (void)window;
#endif
    return -1;
}
