/* Preloaded into the program by measure-bench-screen.sh: counts the calls that show window pixels in an
 * 8-byte file, named by STEND_PRESENT_COUNT_FILE, that is mapped into memory, so the script can
 * read the count at any moment while the program itself does no input or output for it. The
 * calls go on to SDL unchanged. */
#define _GNU_SOURCE
#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

static volatile int64_t* MapCounter(void) {
    static int64_t unmapped = 0;
    const char* path = getenv("STEND_PRESENT_COUNT_FILE");
    const int file = path ? open(path, O_RDWR | O_CREAT, 0644) : -1;
    if (file < 0 || ftruncate(file, sizeof(int64_t)) != 0) {
        if (file >= 0)
            close(file);
        return &unmapped;
    }
    void* shared = mmap(NULL, sizeof(int64_t), PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
    close(file);
    return shared == MAP_FAILED ? &unmapped : (volatile int64_t*)shared;
}

static void CountPresent(void) {
    static volatile int64_t* counter = NULL;
    if (!counter)
        counter = MapCounter();
    ++*counter;
}

int SDL_UpdateWindowSurface(SDL_Window* window) {
    static int (*real)(SDL_Window*) = NULL;
    if (!real)
        real = (int (*)(SDL_Window*))dlsym(RTLD_NEXT, "SDL_UpdateWindowSurface");
    CountPresent();
    return real(window);
}

int SDL_UpdateWindowSurfaceRects(SDL_Window* window, const SDL_Rect* rects, int count) {
    static int (*real)(SDL_Window*, const SDL_Rect*, int) = NULL;
    if (!real)
        real = (int (*)(SDL_Window*, const SDL_Rect*, int))dlsym(RTLD_NEXT,
                                                                 "SDL_UpdateWindowSurfaceRects");
    CountPresent();
    return real(window, rects, count);
}
