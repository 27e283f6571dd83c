#pragma once

#include <string>
#include <string_view>

#include "gui/framework/Component.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"

class TForm;
class THandlerTable;

// Reads the layout stored in the program under this resource name into the screen, wiring its
// events to the screen's handlers by name.
void ReadLayoutResource(TForm& screen, std::string_view resource, const THandlerTable& handlers);

// The same for a screen class that the layout names: a screen publishes nothing beyond a form,
// so its class is registered here, once, on the first read.
template <class TScreen>
void ReadScreenLayout(TScreen& screen, const char* className, std::string_view resource,
                      const THandlerTable& handlers) {
    [[maybe_unused]] static const TClassInfo& info =
        TClassBuilder<TScreen>(className, &TFrameworkClasses::Form()).Build();
    ReadLayoutResource(screen, resource, handlers);
}

// A component the screen's layout must have made; a layout without it is a broken program.
template <class T> T& LayoutPart(const TComponent& screen, const std::string& name) {
    auto* part = dynamic_cast<T*>(screen.FindComponent(name));
    if (!part)
        throw Exception("The layout of " + screen.Name() + " has no " + name);
    return *part;
}
