#pragma once
// Comparison of a produced text with a recorded one under tests/data, so a
// long expected value is a reviewable file instead of a list of EXPECTs.
// MESHSMITH_WRITE_GOLDEN=1 writes the recorded files afresh (read the diff
// before committing them).

#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace meshsmith::test {

inline void expectGolden(const std::string& text, const std::string& relative) {
    const std::string golden = sourcePath("tests/data/" + relative);
    if (std::getenv("MESHSMITH_WRITE_GOLDEN")) writeFile(golden, text);
    EXPECT_EQ(text, readFile(golden)) << relative;
}

} // namespace meshsmith::test
