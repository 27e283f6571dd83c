// stend-probe [SCRIPT]: starts the program on the headless desktop and carries out the steps of
// SCRIPT (or of standard input), one per line. Run it with the run-time folder as the working
// directory. Exits 0 after "quit", at the end of the steps, or when the program ends by itself
// ("ended"); a step that cannot be carried out ends it with a message and exit code 1.

#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "app/Program.h"
#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "tools/probe/Probe.h"

namespace {

int RunSteps(std::istream& steps) {
    auto platform = std::make_unique<THeadlessPlatform>();
    THeadlessPlatform& desktop = *platform;
    TProgram program(std::move(platform));
    // As the loop would on its first turn: only the main window is shown.
    program.App().MainForm()->Show();
    TProbe probe(program, desktop, std::cout);
    int lineNumber = 0;
    for (std::string line; std::getline(steps, line);) {
        ++lineNumber;
        try {
            switch (probe.Step(line)) {
            case TProbe::poContinue:
                break;
            case TProbe::poQuit:
                return 0;
            case TProbe::poEnded:
                std::cout << "ended\n";
                return 0;
            }
        } catch (const std::exception& error) {
            std::cerr << "stend-probe: step " << lineNumber << " (" << line << "): " << error.what()
                      << '\n';
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: stend-probe [SCRIPT]\n";
        return 2;
    }
    try {
        if (argc == 1)
            return RunSteps(std::cin);
        std::ifstream script(argv[1]);
        if (!script) {
            std::cerr << "stend-probe: cannot open " << argv[1] << '\n';
            return 2;
        }
        return RunSteps(script);
    } catch (const std::exception& error) {
        std::cerr << "stend-probe: " << error.what() << '\n';
        return 1;
    }
}
