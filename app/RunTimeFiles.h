#pragma once

#include <string>
#include <string_view>

// The program names its run-time files the way it always has, relative to the working
// directory with backslashes ("ico\22.ico"); this is the path to open here.
std::string RunTimePath(std::string_view name);
