#include "gui/streaming/Resources.h"

#include "gui/graphics/Exception.h"

std::map<std::string, TResources::TBytes, std::less<>>& TResources::Table() {
    // Registrars run during static initialisation, in no particular order.
    static std::map<std::string, TBytes, std::less<>> table;
    return table;
}

void TResources::Register(std::string_view name, TBytes data) {
    if (!Table().emplace(std::string(name), data).second)
        throw Exception("Resource registered twice: " + std::string(name));
}

std::optional<TResources::TBytes> TResources::Find(std::string_view name) {
    auto found = Table().find(name);
    if (found == Table().end())
        return std::nullopt;
    return found->second;
}

TResources::TBytes TResources::Get(std::string_view name) {
    if (auto data = Find(name))
        return *data;
    throw Exception("Resource not found: " + std::string(name));
}
