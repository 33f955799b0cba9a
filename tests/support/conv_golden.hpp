#pragma once
// Golden texts of the converter, ase2obj and tool tests: a test writes what it
// saw as text and compares it with its file under tests/data, where a reviewer
// reads every case and its outcome together. MESHSMITH_UPDATE_GOLDEN=1 rewrites
// the files when a change of output is intended.

#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace meshsmith::test {

inline void expectGolden(const std::string& name, const std::string& text) {
    const std::string path = sourcePath("tests/data/" + name);
    if (std::getenv("MESHSMITH_UPDATE_GOLDEN") != nullptr) writeFile(path, text);
    EXPECT_EQ(readFile(path), text) << path << " differs";
}

// `text` with every `folder` (a test's temporary folder) written as "<dir>".
inline std::string placeholder(std::string text, const std::string& folder) {
    for (std::size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
        text.replace(at, folder.size(), "<dir>");
    return text;
}

} // namespace meshsmith::test
