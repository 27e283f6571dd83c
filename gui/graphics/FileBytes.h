#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

// The whole file; throws Exception naming the file when it cannot be opened or read, or when it
// is larger than maxSize (checked before anything is read).
std::vector<std::uint8_t>
ReadFileBytes(const std::string& path,
              std::uintmax_t maxSize = std::numeric_limits<std::uintmax_t>::max());
