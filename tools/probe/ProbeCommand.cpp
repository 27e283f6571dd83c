#include "tools/probe/ProbeCommand.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "tools/probe/LayoutBench.h"
#include "tools/probe/Probe.h"

namespace {

constexpr const char* Usage = "usage: stend-probe [--layout FILE.txt] [SCRIPT]\n";

int RunSteps(TApplication& app, THeadlessPlatform& desktop, std::istream& steps) {
    TProbe probe(app, desktop, std::cout);
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
            std::cout.flush();
            std::cerr << "stend-probe: step " << lineNumber << " (" << line << "): " << error.what()
                      << '\n';
            return 1;
        }
    }
    return 0;
}

int RunProgram(std::istream& steps) {
    auto platform = std::make_unique<THeadlessPlatform>();
    THeadlessPlatform& desktop = *platform;
    TProgram program(std::move(platform));
    // As the loop would on its first turn: only the main window is shown.
    program.App().MainForm()->Show();
    return RunSteps(program.App(), desktop, steps);
}

int RunLayout(const std::string& layout, std::istream& steps) {
    TLayoutBench bench(layout, std::cout);
    return RunSteps(bench.App(), bench.Platform(), steps);
}

struct TArguments {
    std::optional<std::string> layout;
    std::optional<std::string> script;
};

std::optional<TArguments> ParseArguments(const std::vector<std::string>& args) {
    TArguments parsed;
    std::size_t next = 0;
    if (next < args.size() && args[next] == "--layout") {
        if (next + 1 >= args.size())
            return std::nullopt;
        parsed.layout = args[next + 1];
        next += 2;
    }
    if (next < args.size())
        parsed.script = args[next++];
    if (next < args.size())
        return std::nullopt;
    return parsed;
}

int RunMode(const TArguments& arguments, std::istream& steps) {
    return arguments.layout ? RunLayout(*arguments.layout, steps) : RunProgram(steps);
}

} // namespace

int TProbeCommand::Run(int argc, char** argv) {
    const auto arguments = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!arguments) {
        std::cerr << Usage;
        return 2;
    }
    try {
        if (!arguments->script)
            return RunMode(*arguments, std::cin);
        std::ifstream script(*arguments->script);
        if (!script) {
            std::cerr << "stend-probe: cannot open " << *arguments->script << '\n';
            return 2;
        }
        return RunMode(*arguments, script);
    } catch (const std::exception& error) {
        std::cerr << "stend-probe: " << error.what() << '\n';
        return 1;
    }
}
