#include "gui/graphics/FileBytes.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "gui/graphics/Exception.h"

std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::uintmax_t maxSize) {
    // A directory opens as a stream on Linux and only fails inside the read, with a library
    // exception rather than ours.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw Exception("Cannot open file \"" + path + "\". " +
                        (error ? error.message() : std::string("It is not a regular file")));
    if (std::filesystem::file_size(path, error) > maxSize)
        throw Exception("File \"" + path + "\" is too large");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw Exception("Cannot open file \"" + path + "\"");
    try {
        std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(file)),
                                       std::istreambuf_iterator<char>());
        if (!file.bad())
            return data;
    } catch (const std::ios_base::failure&) {
    }
    throw Exception("Cannot read file \"" + path + "\"");
}
