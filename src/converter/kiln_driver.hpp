#pragma once
// The driver of 3DO-Kiln: command line, input recognition, the choice among up
// to three candidate trees, and the 3DO file.

#include "kiln_state.hpp"
#include "tree_choice.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith::kiln {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // input not found, not supported, not readable, not written
inline constexpr int kExitCapacity = 2; // a table would pass its capacity
inline constexpr int kExitUntexturedObj = 666; // an OBJ face without texture coordinates

// Runs the converter on its arguments, the program's name left out (args[0]
// is argument 1, the input; argument 2 is not read; argument 3 is the
// display class), printing to standard output exactly as the program does,
// and returns the exit status. Any number of runs may follow one another in
// one process: each works on tables of its own. No arguments, "--help" or
// "-h" print the usage, "--version" the version line; both end with 0.
int runKiln(const std::vector<std::string>& args);

// The object of the tables a reader filled: the root planes, the best of the
// candidate trees (printing "\ncreating BSP tree, please wait...\n" first),
// the "collision" string when there are collision volumes, the clipper
// texture left out of the strings, and the bytes of the 3DO file. `choice`,
// when given, receives the report of the tree choice. Throws InputError when
// there is no plane to build on, CapacityError when a build fills a table.
std::vector<std::uint8_t> buildObjectBytes(KilnState& k, TreeChoice* choice = nullptr);

} // namespace meshsmith::kiln
