#pragma once

#include <memory>

#include "gui/framework/Platform.h"

// Real windows when there is a display to show them on, otherwise the headless desktop.
std::unique_ptr<TPlatform> CreatePlatform();
