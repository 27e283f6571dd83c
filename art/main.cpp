// Draws every picture of the program into the folder given on the command line.

#include <iostream>

#include "art/AppIconArt.h"
#include "art/ArtOutput.h"
#include "art/BeltArt.h"
#include "art/BenchArt.h"
#include "art/BenchSchemesArt.h"
#include "art/BulbArt.h"
#include "art/CharacteristicArt.h"
#include "art/ConstructionArt.h"
#include "art/DialogArt.h"
#include "art/GraphPaperArt.h"
#include "art/MenuArt.h"
#include "art/MotorArt.h"
#include "art/PilotLampArt.h"
#include "art/PulleyArt.h"
#include "art/SchemesArt.h"
#include "art/SplashArt.h"
#include "art/TheoryArt.h"
#include "gui/graphics/Exception.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: stend_art <output folder>\n";
        return 2;
    }
    try {
        const TArtOutput output(argv[1]);
        TSplashArt::Write(output);
        TMenuArt::Write(output);
        TTheoryArt::Write(output);
        TConstructionArt::Write(output);
        TSchemesArt::Write(output);
        TDialogArt::Write(output);
        TBenchArt::Write(output);
        TBenchSchemesArt::Write(output);
        TBulbArt::Write(output);
        TPilotLampArt::Write(output);
        TPulleyArt::Write(output);
        TMotorArt::Write(output);
        TBeltArt::Write(output);
        TCharacteristicArt::Write(output);
        TGraphPaperArt::Write(output);
        TAppIconArt::Write(output);
    } catch (const Exception& error) {
        std::cerr << "stend_art: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
