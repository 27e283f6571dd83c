#pragma once

#include <string>
#include <string_view>

// The lexical rules that the layout reader and writer share.

constexpr bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
constexpr bool IsIdentChar(char c) {
    return IsIdentStart(c) || (c >= '0' && c <= '9');
}
bool IsIdent(std::string_view text);

// Strict UTF-8: no overlong forms, surrogates or code points beyond U+10FFFF.
bool IsValidUtf8(std::string_view text);
// False for a surrogate or a code point beyond U+10FFFF.
bool AppendUtf8(std::string& out, char32_t codePoint);
