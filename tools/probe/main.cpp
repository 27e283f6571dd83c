#include "tools/probe/ProbeCommand.h"

int main(int argc, char** argv) {
    return TProbeCommand::Run(argc, argv);
}
