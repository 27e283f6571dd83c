#include "tools/probe/ProbeKeys.h"

#include <array>
#include <string_view>
#include <utility>

#include "gui/graphics/Exception.h"
#include "gui/graphics/SameText.h"

namespace {

constexpr std::array<std::pair<const char*, TKey>, 13> NamedKeys{{
    {"Space", VK_SPACE},
    {"Left", VK_LEFT},
    {"Right", VK_RIGHT},
    {"Up", VK_UP},
    {"Down", VK_DOWN},
    {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT},
    {"Home", VK_HOME},
    {"End", VK_END},
    {"Enter", VK_RETURN},
    {"Escape", VK_ESCAPE},
    {"Tab", VK_TAB},
    {"Backspace", VK_BACK},
}};

bool IsLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

namespace {

constexpr std::array<std::pair<const char*, TShiftState>, 3> Modifiers{{
    {"Shift+", ssShift},
    {"Ctrl+", ssCtrl},
    {"Alt+", ssAlt},
}};

// Takes the modifier prefixes off the front of the name, in any order.
TShiftState TakeModifiers(std::string& rest) {
    TShiftState shift = 0;
    for (bool found = true; found;) {
        found = false;
        for (const auto& [prefix, state] : Modifiers) {
            const std::string_view text(prefix);
            if (rest.size() > text.size() && SameText(rest.substr(0, text.size()), text)) {
                shift |= state;
                rest = rest.substr(text.size());
                found = true;
            }
        }
    }
    return shift;
}

// The character a letter or digit types: Shift makes a capital, Ctrl types none.
char32_t Typed(char c, TShiftState shift) {
    if (shift & ssCtrl)
        return 0;
    return static_cast<char32_t>(shift & ssShift ? Upper(c) : Lower(c));
}

} // namespace

TProbeKey ParseProbeKey(const std::string& name) {
    TProbeKey result;
    std::string rest = name;
    result.shift = TakeModifiers(rest);
    for (const auto& [keyName, key] : NamedKeys)
        if (SameText(rest, keyName)) {
            result.key = key;
            result.character = key == VK_SPACE && !(result.shift & ssCtrl) ? U' ' : 0;
            return result;
        }
    if (rest.size() == 1 && IsLetterOrDigit(rest[0])) {
        result.key = static_cast<TKey>(Upper(rest[0]));
        result.character = Typed(rest[0], result.shift);
        return result;
    }
    throw Exception("Unknown key: " + name);
}
