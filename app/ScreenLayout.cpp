#include "app/ScreenLayout.h"

#include "gui/framework/Form.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/Resources.h"

void ReadLayoutResource(TForm& screen, std::string_view resource, const THandlerTable& handlers) {
    const TResources::TBytes layout = TResources::Get(resource);
    TLayoutReader::Read(std::string(layout.begin(), layout.end()), screen, handlers);
}
