#pragma once
// Tables of small rules and recorded sessions kept as text under
// tests/data/editor. A rule table's lines read
// "kind input -> answer", where `answer(kind, input)` gives what the code
// says now. Lines without " -> " (headings, "#" notes) are kept as they are.
// Inputs and answers are escaped as support/escaped_text.hpp says.
// MESHSMITH_UPDATE_GOLDEN=1 rewrites the answers.

#include "model/text_file.hpp"
#include "support/escaped_text.hpp"
#include "support/golden.hpp"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace meshsmith::test {

// The lines, each ended by a line end, to compare with a recorded file.
inline std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

using RuleAnswer = std::function<std::string(const std::string& kind, const std::string& input)>;

inline void expectRuleTable(const std::string& file, const RuleAnswer& answer) {
    expectAnsweredLines("editor/" + file, " -> ", [&](const std::string& question) {
        const std::size_t space = std::min(question.find(' '), question.size());
        const std::string input = space < question.size() ? question.substr(space + 1) : "";
        return escaped(answer(question.substr(0, space), unescaped(input)));
    });
}

// A session: each command line is followed by what it gave, indented by two
// spaces; "#" lines are notes. `run(command)` carries one command out and
// gives its result lines, each ended by a line end.
inline void expectSession(const std::string& file,
                          const std::function<std::string(const std::string&)>& run) {
    std::string out;
    for (const std::string& line : splitLines(readFile(sourcePath("tests/data/editor/" + file)))) {
        if (line.rfind("  ", 0) == 0) continue;
        out += line + "\n";
        if (!line.empty() && line[0] != '#') out += run(line);
    }
    expectGolden(out, "editor/" + file);
}

} // namespace meshsmith::test
