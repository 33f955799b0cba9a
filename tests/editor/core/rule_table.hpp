#pragma once
// Tables of small rules and recorded sessions kept as text under
// tests/data/editor. A rule table's lines read
// "kind input -> answer", where `answer(kind, input)` gives what the code
// says now. Lines without " -> " (headings, "#" notes) are kept as they are.
// Inputs and answers write CR, LF and TAB as \r, \n and \t and a backslash
// as \\; inputs may write any byte as \xNN. MESHSMITH_UPDATE_GOLDEN=1
// rewrites the answers.

#include "model/text_file.hpp"
#include "support/golden.hpp"

#include <functional>
#include <string>
#include <vector>

namespace meshsmith::test {

inline std::string unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        if (next == 'x') {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
            continue;
        }
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
    }
    return out;
}

inline std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '\n'   ? "\\n"
               : c == '\r' ? "\\r"
               : c == '\t' ? "\\t"
               : c == '\\' ? "\\\\"
                           : std::string(1, c);
    return out;
}

// The lines, each ended by a line end, to compare with a recorded file.
inline std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

using RuleAnswer = std::function<std::string(const std::string& kind, const std::string& input)>;

inline void expectRuleTable(const std::string& file, const RuleAnswer& answer) {
    std::string out;
    for (const std::string& line : splitLines(readFile(sourcePath("tests/data/editor/" + file)))) {
        const std::size_t arrow = line.find(" -> "), space = line.find(' ');
        if (arrow == std::string::npos || space >= arrow) {
            out += line + "\n";
            continue;
        }
        const std::string input = line.substr(space + 1, arrow - space - 1);
        out += line.substr(0, arrow) + " -> " +
               escaped(answer(line.substr(0, space), unescaped(input))) + "\n";
    }
    expectGolden(out, "editor/" + file);
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
