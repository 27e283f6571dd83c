#include <cstdio>
#include <exception>

#include "app/Program.h"
#include "gui/framework/Application.h"
#include "gui/platform/PlatformFactory.h"

int main() {
    try {
        TProgram program(CreatePlatform());
        program.App().Run();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "stend: %s\n", error.what());
        return 1;
    }
}
