#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Files compiled into the executable (layouts and the pictures they name), found by their path
// relative to the folder they were embedded from, with '/' separators ("layouts/Form2.txt").
// The build registers them before main runs; see cmake/EmbedResources.cmake.
class TResources {
public:
    using TBytes = std::span<const std::uint8_t>;

    // Throws Exception when the name is taken: two files would otherwise hide one another.
    static void Register(std::string_view name, TBytes data);
    static std::optional<TBytes> Find(std::string_view name);
    // Throws Exception "Resource not found: name".
    static TBytes Get(std::string_view name);

private:
    static std::map<std::string, TBytes, std::less<>>& Table();
};
