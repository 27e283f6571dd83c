#include "gui/platform/PlatformFactory.h"

#include <cstdlib>

#include "gui/graphics/Exception.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "gui/platform/sdl/SdlPlatform.h"

namespace {

bool DisplayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

std::unique_ptr<TPlatform> CreatePlatform() {
    if (DisplayAvailable()) {
        try {
            return std::make_unique<TSdlPlatform>();
        } catch (const Exception&) {
            // A display that cannot be opened is no display.
        }
    }
    return std::make_unique<THeadlessPlatform>();
}
