#pragma once
// Tables of cases under tests/data: one case a line, its input fields
// separated by tabs, then " => " and the outcome recorded for it. In a field
// \r, \n, \t, \\ and \xHH stand for that character and \{N c} for N copies of
// c. Lines without " => " (comments, blank lines) are kept as they are.
// MESHSMITH_UPDATE_GOLDEN=1 records every outcome afresh.

#include "support/golden.hpp"

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace meshsmith::kiln::test {

inline std::string unescaped(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const char c = s[++i];
        if (c == 'x') {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else if (c == '{') {
            const std::size_t end = s.find('}', i);
            out.append(std::stoul(s.substr(i + 1)), s[end - 1]);
            i = end;
        } else {
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    }
    return out;
}

// Each case's fields (unescaped; at least `fields` of them, missing ones
// empty) given to `outcome`, whose answer must be the one recorded.
inline void expectCaseTable(const std::string& relative, std::size_t fields,
                            const std::function<std::string(std::vector<std::string>)>& outcome) {
    std::istringstream in(meshsmith::test::readFile(meshsmith::test::sourcePath("tests/data/" + relative)));
    std::string seen;
    for (std::string line; std::getline(in, line);) {
        const std::size_t arrow = line.find(" => ");
        if (arrow == std::string::npos) {
            seen += line + "\n";
            continue;
        }
        std::vector<std::string> inputs;
        std::istringstream split(line.substr(0, arrow));
        for (std::string field; std::getline(split, field, '\t');)
            inputs.push_back(unescaped(field));
        inputs.resize(std::max(inputs.size(), fields));
        seen += line.substr(0, arrow) + " => " + outcome(inputs) + "\n";
    }
    meshsmith::test::expectGolden(seen, relative);
}

} // namespace meshsmith::kiln::test
