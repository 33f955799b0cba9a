#pragma once
// One conversion of 3DO-Kiln, by this tree's converter ("now") and by the
// reference copy of the converter as it was before the tree choice was made
// faster (kiln_reference/), so that benchmarks and the identity check can run
// both side by side in one process. Both are compiled from kiln_conversion.cpp.

#include <cstdint>
#include <string>
#include <vector>

namespace kiln_bench {

enum class Reader { Meshsmith, Max, Obj };

struct Conversion {
    std::string refusal; // why it did not convert, or empty
    int polygonsRead = 0, polygonsWritten = 0, treesBuilt = 0;
    std::vector<std::uint8_t> bytes; // the 3DO file
};

// Reads `text` as the input `name` (the OBJ reader finds its MTL file beside
// it) with `reader` and builds the 3DO bytes in memory, printing what the
// converter prints.
Conversion convertNow(const std::string& text, const std::string& name, Reader reader);
Conversion convertReference(const std::string& text, const std::string& name, Reader reader);

// The whole program on its arguments (argument 1 first): the exit status.
int runKilnNow(const std::vector<std::string>& args);
int runKilnReference(const std::vector<std::string>& args);

} // namespace kiln_bench
