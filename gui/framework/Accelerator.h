#pragma once

#include <string>

// Whether the caption marks this character with "&" (a doubled "&&" is a plain ampersand).
// Letters match in either case, Latin and Cyrillic alike.
bool IsAccel(char32_t character, const std::string& caption);
