#include "app/RunTimeFiles.h"

#include <algorithm>

std::string RunTimePath(std::string_view name) {
    std::string path(name);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}
