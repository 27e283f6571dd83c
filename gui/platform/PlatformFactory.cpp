#include "gui/platform/PlatformFactory.h"

#include <cstdlib>
#include <string>

#include "gui/graphics/Exception.h"
#include "gui/platform/sdl/SdlPlatform.h"

namespace {

constexpr const char* HowToRun =
    "start it in a desktop session, or on a virtual display with xvfb-run";

const char* Environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// A video driver named outright may need no display variable at all.
bool DisplayNamed() {
    return Environment("DISPLAY") || Environment("WAYLAND_DISPLAY") ||
           Environment("SDL_VIDEODRIVER");
}

std::string DisplayName() {
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY", "SDL_VIDEODRIVER"})
        if (const char* value = Environment(name))
            return value;
    return {};
}

} // namespace

std::unique_ptr<TPlatform> CreatePlatform() {
    if (!DisplayNamed())
        throw Exception(std::string("no display to show the windows on (neither DISPLAY nor "
                                    "WAYLAND_DISPLAY is set): ") +
                        HowToRun);
    try {
        return std::make_unique<TSdlPlatform>();
    } catch (const Exception& error) {
        throw Exception("cannot open the display " + DisplayName() + " (" + error.what() +
                        "): " + HowToRun);
    }
}
