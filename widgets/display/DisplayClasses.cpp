#include "widgets/display/DisplayClasses.h"

#include "widgets/display/iImageDisplay.h"
#include "widgets/display/iLabel.h"
#include "widgets/display/iObjectCanvas.h"
#include "widgets/display/iSevenSegmentCharacter.h"
#include "widgets/display/iSevenSegmentInteger.h"

void TDisplayClasses::RegisterAll() {
    TiSevenSegmentCharacter::StaticClassInfo();
    TiSevenSegmentInteger::StaticClassInfo();
    TiLabel::StaticClassInfo();
    TiImageDisplay::StaticClassInfo();
    TiObjectCanvas::StaticClassInfo();
}
