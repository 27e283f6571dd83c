#pragma once

#include <string>

class TComponent;

// Sets a published property of a component as its user would, through the setter, with the
// value in layout text form; a path such as "Font.Color" reaches into owned sub-objects.
class TProbeProperty {
public:
    // Throws Exception naming the path for an unknown, read-only or event property and for a
    // value of the wrong kind.
    static void Set(TComponent& component, const std::string& componentPath,
                    const std::string& property, const std::string& valueText);
};
