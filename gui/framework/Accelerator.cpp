#include "gui/framework/Accelerator.h"

#include <vector>

#include "gui/framework/Utf8.h"

namespace {

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
    const std::vector<char32_t> text = DecodeUtf8(caption);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != U'&')
            continue;
        if (text[i + 1] == U'&') {
            ++i;
            continue;
        }
        return FoldCase(text[i + 1]) == FoldCase(character);
    }
    return false;
}
