#pragma once

#include <string>

#include "gui/graphics/Exception.h"

// Every failure of reading a layout names the line it happened on: "Layout line 12: ...".
EReadError LayoutError(int line, const std::string& message);
// Whether the message already names its line, as an error from a nested item list does.
bool NamesLayoutLine(const std::exception& error);
