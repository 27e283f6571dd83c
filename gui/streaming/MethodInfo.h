#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "gui/graphics/Object.h"
#include "gui/streaming/LayoutValue.h"

// An operation a class lets scripts call by name, such as the probe's "call" step: the
// arguments come as layout values and the result goes back as text, empty for none.
struct TMethodInfo {
    std::string Name;
    std::size_t Arity = 0;
    // Throws Exception when an argument does not fit its parameter.
    std::function<std::string(TObject&, const std::vector<TLayoutValue>&)> Invoke;
};
