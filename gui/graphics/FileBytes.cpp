#include "gui/graphics/FileBytes.h"

#include <fstream>
#include <iterator>

#include "gui/graphics/Exception.h"

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw Exception("Cannot open file \"" + path + "\"");
    std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
    if (file.bad())
        throw Exception("Cannot read file \"" + path + "\"");
    return data;
}
