#include "gui/framework/Utf8.h"

#include <algorithm>
#include <cstdint>

namespace {

// The length of a UTF-8 sequence from its lead byte, or 0 for a byte that cannot lead one.
int SequenceLength(std::uint8_t lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead < 0xE0)
        return 2;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    if (lead >= 0xF0 && lead < 0xF5)
        return 4;
    return 0;
}

} // namespace

std::vector<char32_t> DecodeUtf8(std::string_view text) {
    std::vector<char32_t> characters;
    std::size_t index = 0;
    const auto byte = [&](std::size_t at) { return static_cast<std::uint8_t>(text[at]); };
    while (index < text.size()) {
        const int length = SequenceLength(byte(index));
        char32_t value = length == 1 ? byte(index) : byte(index) & (0x7F >> length);
        int taken = 1;
        for (;
             taken < length && index + taken < text.size() && (byte(index + taken) & 0xC0) == 0x80;
             ++taken)
            value = (value << 6) | (byte(index + taken) & 0x3F);
        if (length > 0 && taken == length)
            characters.push_back(value);
        index += static_cast<std::size_t>(std::max(taken, 1));
    }
    return characters;
}
