#include "gui/framework/Accelerator.h"

#include <cstdint>

namespace {

// Reads one UTF-8 character at index and moves past it; a broken sequence reads as one byte.
char32_t NextCharacter(const std::string& text, std::size_t& index) {
    const auto lead = static_cast<std::uint8_t>(text[index++]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t value = extra == 3 ? lead & 0x07 : extra == 2 ? lead & 0x0F : lead & 0x1F;
    if (extra == 0)
        return lead;
    for (; extra > 0; --extra) {
        if (index >= text.size() || (static_cast<std::uint8_t>(text[index]) & 0xC0) != 0x80)
            return lead;
        value = (value << 6) | (static_cast<std::uint8_t>(text[index++]) & 0x3F);
    }
    return value;
}

char32_t FoldCase(char32_t c) {
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    if (c >= U'А' && c <= U'Я')
        return c + 32;
    if (c == U'Ё')
        return U'ё';
    return c;
}

} // namespace

bool IsAccel(char32_t character, const std::string& caption) {
    std::size_t index = 0;
    while (index < caption.size()) {
        if (caption[index++] != '&' || index >= caption.size())
            continue;
        if (caption[index] == '&') {
            ++index;
            continue;
        }
        return FoldCase(NextCharacter(caption, index)) == FoldCase(character);
    }
    return false;
}
