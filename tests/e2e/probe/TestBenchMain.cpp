// The probe with the test widget registered besides the program's classes, so that the probe's
// steps can be checked on a widget that tells every input it receives.

#include "tools/probe/ProbeCommand.h"
#include "widgets/core/TestWidget.h"

int main(int argc, char** argv) {
    TTestWidget::StaticClassInfo();
    return TProbeCommand::Run(argc, argv);
}
