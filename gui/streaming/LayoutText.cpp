#include "gui/streaming/LayoutText.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

struct TLead {
    std::size_t Length;
    // The smallest code point this length may carry; anything below is an overlong form.
    char32_t Minimum;
    char32_t Bits;
};

std::optional<TLead> ReadLead(unsigned char lead) {
    if (lead < 0x80)
        return TLead{1, 0, lead};
    if ((lead & 0xE0) == 0xC0)
        return TLead{2, 0x80, lead & 0x1Fu};
    if ((lead & 0xF0) == 0xE0)
        return TLead{3, 0x800, lead & 0x0Fu};
    if ((lead & 0xF8) == 0xF0)
        return TLead{4, 0x10000, lead & 0x07u};
    return std::nullopt;
}

// The length of the sequence starting at text[i] when it is well formed, else 0.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const std::optional<TLead> lead = ReadLead(static_cast<unsigned char>(text[i]));
    if (!lead || text.size() - i < lead->Length)
        return 0;
    char32_t value = lead->Bits;
    for (std::size_t k = 1; k < lead->Length; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if (!IsContinuation(c))
            return 0;
        value = value << 6 | (c & 0x3F);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return value < lead->Minimum || value > 0x10FFFF || surrogate ? 0 : lead->Length;
}

} // namespace

bool IsIdent(std::string_view text) {
    return !text.empty() && IsIdentStart(text.front()) &&
           std::all_of(text.begin(), text.end(), IsIdentChar);
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

bool AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return false;
    auto byte = [](char32_t bits) { return static_cast<char>(static_cast<std::uint8_t>(bits)); };
    if (codePoint < 0x80) {
        out += byte(codePoint);
    } else if (codePoint < 0x800) {
        out += byte(0xC0 | codePoint >> 6);
        out += byte(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += byte(0xE0 | codePoint >> 12);
        out += byte(0x80 | (codePoint >> 6 & 0x3F));
        out += byte(0x80 | (codePoint & 0x3F));
    } else {
        out += byte(0xF0 | codePoint >> 18);
        out += byte(0x80 | (codePoint >> 12 & 0x3F));
        out += byte(0x80 | (codePoint >> 6 & 0x3F));
        out += byte(0x80 | (codePoint & 0x3F));
    }
    return true;
}
