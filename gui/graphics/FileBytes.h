#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The whole file; throws Exception naming the file when it cannot be opened or read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
