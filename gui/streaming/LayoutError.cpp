#include "gui/streaming/LayoutError.h"

#include <string_view>

namespace {

constexpr std::string_view Prefix = "Layout line ";

} // namespace

EReadError LayoutError(int line, const std::string& message) {
    return EReadError(std::string(Prefix) + std::to_string(line) + ": " + message);
}

bool NamesLayoutLine(const std::exception& error) {
    return std::string_view(error.what()).starts_with(Prefix);
}
