#pragma once

#include <string>
#include <vector>

// Starts a program (looked up on PATH) in a session of its own and returns at once: the program
// neither waits for it nor has to collect it when it ends, and it inherits no open files beyond
// standard output and error. Whether it started is not known.
void SpawnDetached(const std::vector<std::string>& argv);
