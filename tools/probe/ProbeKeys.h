#pragma once

#include <string>

#include "gui/framework/Input.h"

// A key as a probe step names it ("Space", "PageDown", "a", "Shift+Left", "Ctrl+Alt+M") with
// the modifiers held and the character it types, if any.
struct TProbeKey {
    TKey key = 0;
    TShiftState shift = 0;
    char32_t character = 0;
};

// Throws Exception for a name it does not know.
TProbeKey ParseProbeKey(const std::string& name);
