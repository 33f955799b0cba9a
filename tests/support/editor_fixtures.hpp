#pragma once
// Comparing produced lines with a reference file under tests/data/editor.

#include "model/text_file.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace meshsmith::test {

// Stops at the first differing line, so a shift shows once, not as a cascade.
inline void expectSameLines(const std::vector<std::string>& actual,
                            const std::string& referenceFile) {
    const std::vector<std::string> expected =
        splitLines(readFile(sourcePath("tests/data/editor/" + referenceFile)));
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i)
        ASSERT_EQ(actual[i], expected[i]) << referenceFile << " line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size()) << referenceFile;
}

} // namespace meshsmith::test
