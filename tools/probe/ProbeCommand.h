#pragma once

// stend-probe [--layout FILE.txt] [SCRIPT]: starts the program on the headless desktop, or
// with --layout only the one form that FILE describes, and carries out the steps of SCRIPT (or
// of standard input), one per line. Run the program from the run-time folder as the working
// directory. Exits 0 after "quit", at the end of the steps, or when the program ends by itself
// ("ended"); a step that cannot be carried out ends it with a message and exit code 1, a wrong
// command line with exit code 2.
class TProbeCommand {
public:
    static int Run(int argc, char** argv);
};
