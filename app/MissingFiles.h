#pragma once

#include <functional>

// Runs a handler's work that may need a file; any failure abandons the work where it failed and
// brings up the missing-files dialog instead.
void ShowMissingFilesOnFailure(const std::function<void()>& work);
