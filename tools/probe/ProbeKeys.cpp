#include "tools/probe/ProbeKeys.h"

#include <array>
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

TProbeKey ParseProbeKey(const std::string& name) {
    TProbeKey result;
    std::string rest = name;
    if (rest.size() > 4 && SameText(rest.substr(0, 4), "Alt+")) {
        result.shift = ssAlt;
        rest = rest.substr(4);
    }
    for (const auto& [keyName, key] : NamedKeys)
        if (SameText(rest, keyName)) {
            result.key = key;
            result.character = key == VK_SPACE ? U' ' : 0;
            return result;
        }
    if (rest.size() == 1 && IsLetterOrDigit(rest[0])) {
        result.key = static_cast<TKey>(Upper(rest[0]));
        result.character = static_cast<char32_t>(Lower(rest[0]));
        return result;
    }
    throw Exception("Unknown key: " + name);
}
