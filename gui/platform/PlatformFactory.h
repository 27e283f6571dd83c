#pragma once

#include <memory>

#include "gui/framework/Platform.h"

// Real windows on the user's display. Throws Exception with one line for the user, saying what
// is missing and how to run the program all the same, when there is no display or it cannot be
// opened: the headless desktop is for tools and tests, which choose it themselves.
std::unique_ptr<TPlatform> CreatePlatform();
