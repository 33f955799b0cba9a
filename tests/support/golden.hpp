#pragma once
// Comparison of a produced text with a recorded one under tests/data, so a
// long expected value is a reviewable file instead of a list of EXPECTs.
// MESHSMITH_UPDATE_GOLDEN=1 writes the recorded files afresh (read the diff
// before committing them).

#include "model/text_file.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace meshsmith::test {

inline void expectGolden(const std::string& text, const std::string& relative) {
    const std::string golden = sourcePath("tests/data/" + relative);
    if (std::getenv("MESHSMITH_UPDATE_GOLDEN") != nullptr) writeFile(golden, text);
    EXPECT_EQ(text, readFile(golden)) << relative << " differs";
}

// A table of questions and recorded answers: every line of the file that
// holds `arrow` is answered afresh by `answer(what stands before the arrow)`,
// other lines (notes, headings) are kept, and the file must read as it did.
inline void expectAnsweredLines(const std::string& relative, const std::string& arrow,
                                const std::function<std::string(const std::string&)>& answer) {
    std::string out;
    for (const std::string& line : splitLines(readFile(sourcePath("tests/data/" + relative)))) {
        const std::size_t at = line.find(arrow);
        out += at == std::string::npos
                   ? line + "\n"
                   : line.substr(0, at) + arrow + answer(line.substr(0, at)) + "\n";
    }
    expectGolden(out, relative);
}

// `text` with every `folder` (a test's temporary folder) written as "<dir>".
inline std::string placeholder(std::string text, const std::string& folder) {
    for (std::size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
        text.replace(at, folder.size(), "<dir>");
    return text;
}

} // namespace meshsmith::test
