#pragma once
// The 3DO writer: header, XYZS, PLAN, STRN, PRIM (written by postorder) and,
// with collision volumes, HAND.

#include "kiln_state.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith::kiln {

// The string offset of an entry: the sum of (length + 1) over the written
// entries before it.
std::int32_t stringOffset(const KilnState& k, int stringNum);

// The bytes of the 3DO file of the tree whose root is `root`, from the current
// tables (the "collision" string and the clipper's not-written mark are the
// driver's, done before). Sets nodeOffset of every node and PRIMdataStart.
std::vector<std::uint8_t> build3DO(KilnState& k, node* root);

// Writes the bytes to `path` whole (temporary file and rename); false with the
// reason in `error` when the file could not be written whole.
bool write3DOFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                  std::string& error);

} // namespace meshsmith::kiln
