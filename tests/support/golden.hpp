#pragma once
// Comparison of a produced text with a recorded one under tests/data, so a
// long expected value is a reviewable file instead of a list of EXPECTs.
// MESHSMITH_UPDATE_GOLDEN=1 writes the recorded files afresh (read the diff
// before committing them).

#include "model/paths.hpp"
#include "model/text_file.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

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

// The folder as given and as the object names paths in it (absolute, with the
// system's separators: "Z:\\work\\..." under Wine for "/work/...").
inline std::vector<std::string> folderSpellings(const std::string& folder) {
    std::error_code ec;
    const auto normal = std::filesystem::absolute(nativePath(folder), ec).lexically_normal();
    if (ec || pathText(normal) == folder) return {folder};
    return {folder, pathText(normal)};
}

// `text` with every `folder` (a test's temporary folder) written as `as`.
inline std::string placeholder(std::string text, const std::string& folder,
                               const std::string& as = "<dir>") {
    for (const std::string& spelling : folderSpellings(folder))
        for (std::size_t at = text.find(spelling); at != std::string::npos;
             at = text.find(spelling, at + as.size()))
            text.replace(at, spelling.size(), as);
    return text;
}

} // namespace meshsmith::test
