#pragma once

#include <string_view>
#include <vector>

// The code points of UTF-8 text; a broken sequence yields nothing for its bytes, and what
// follows it survives.
std::vector<char32_t> DecodeUtf8(std::string_view text);
