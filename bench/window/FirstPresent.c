/* Preloaded into the program by measure-window.sh: notes the wall-clock time, in microseconds,
 * at which the first call that shows window pixels has returned, into the file that
 * STEND_FIRST_PRESENT_FILE names. The calls go on to SDL unchanged. */
#define _GNU_SOURCE
#include <SDL.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static void NoteFirstPresent(void) {
    static int noted = 0;
    if (noted)
        return;
    noted = 1;
    const char* path = getenv("STEND_FIRST_PRESENT_FILE");
    FILE* file = path ? fopen(path, "w") : NULL;
    if (!file)
        return;
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    fprintf(file, "%lld\n", (long long)now.tv_sec * 1000000 + now.tv_nsec / 1000);
    fclose(file);
}

int SDL_UpdateWindowSurface(SDL_Window* window) {
    static int (*real)(SDL_Window*) = NULL;
    if (!real)
        real = (int (*)(SDL_Window*))dlsym(RTLD_NEXT, "SDL_UpdateWindowSurface");
    const int result = real(window);
    NoteFirstPresent();
    return result;
}

int SDL_UpdateWindowSurfaceRects(SDL_Window* window, const SDL_Rect* rects, int count) {
    static int (*real)(SDL_Window*, const SDL_Rect*, int) = NULL;
    if (!real)
        real = (int (*)(SDL_Window*, const SDL_Rect*, int))dlsym(RTLD_NEXT,
                                                                 "SDL_UpdateWindowSurfaceRects");
    const int result = real(window, rects, count);
    NoteFirstPresent();
    return result;
}
