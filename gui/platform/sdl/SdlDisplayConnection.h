#pragma once

#include <SDL.h>

// The socket of the window system's connection behind an SDL window, which becomes readable when
// input arrives; -1 where SDL's driver keeps no such socket that the program may wait on.
int SdlDisplayConnection(SDL_Window* window);
