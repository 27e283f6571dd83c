#pragma once

#include <string>
#include <string_view>

#include "gui/framework/Component.h"
#include "gui/graphics/Exception.h"

class TForm;
class THandlerTable;

// Builds a screen from the layout stored in the program under this resource name, wiring its
// events to the screen's handlers by name.
void ReadScreenLayout(TForm& screen, std::string_view resource, const THandlerTable& handlers);

// A component the screen's layout must have made; a layout without it is a broken program.
template <class T> T& LayoutPart(const TComponent& screen, const std::string& name) {
    auto* part = dynamic_cast<T*>(screen.FindComponent(name));
    if (!part)
        throw Exception("The layout of " + screen.Name() + " has no " + name);
    return *part;
}
