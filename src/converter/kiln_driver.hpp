#pragma once
// The driver of 3DO-Kiln: command line, input recognition, the choice among up
// to three candidate trees, and the 3DO file.

#include "kiln_state.hpp"

#include <string>
#include <vector>

namespace meshsmith::kiln {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;         // input not found, not supported, not readable, not written
inline constexpr int kExitCapacity = 2;        // a table would pass its capacity
inline constexpr int kExitUntexturedObj = 666; // an OBJ face without texture coordinates

// Runs the converter on its arguments (argument 1: input; argument 2: not
// read; argument 3: display class), printing to standard output exactly as
// the program does, and returns the exit status.
int runKiln(const std::vector<std::string>& args);

} // namespace meshsmith::kiln
