#pragma once

#include <string_view>

// Names in layouts and property files compare without regard to the case of ASCII letters, as
// the designer's names always have.
bool SameText(std::string_view a, std::string_view b);
