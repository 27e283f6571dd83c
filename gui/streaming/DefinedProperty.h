#pragma once

#include <functional>
#include <string>

#include "gui/graphics/Object.h"
#include "gui/streaming/LayoutValue.h"

// A value a class streams beside its published properties: extra values ("PositionMax_2"),
// picture lists and collections of sub-items. Written after every published property, and only
// when the class says it has data.
struct TDefinedProperty {
    std::string Name;
    std::function<bool(const TObject&)> HasData;
    std::function<TLayoutValue(const TObject&)> Write;
    // Throws EReadError when the value cannot be taken.
    std::function<void(TObject&, const TLayoutValue&)> Read;
};
