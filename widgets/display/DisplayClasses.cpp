#include "widgets/display/DisplayClasses.h"

#include "widgets/display/iImageDisplay.h"
#include "widgets/display/iObjectCanvas.h"

void TDisplayClasses::RegisterAll() {
    TiImageDisplay::StaticClassInfo();
    TiObjectCanvas::StaticClassInfo();
}
