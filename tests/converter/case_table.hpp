#pragma once
// Tables of cases under tests/data: one case a line, its input fields
// separated by tabs, then " => " and the outcome recorded for it. In a field
// \r, \n, \t, \\ and \xHH stand for that character and \{N c} for N copies of
// c. Lines without " => " (comments, blank lines) are kept as they are.
// MESHSMITH_UPDATE_GOLDEN=1 records every outcome afresh.

#include "support/escaped_text.hpp"
#include "support/golden.hpp"

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace meshsmith::kiln::test {

using meshsmith::test::unescaped;

// Each case's fields (unescaped; at least `fields` of them, missing ones
// empty) given to `outcome`, whose answer must be the one recorded.
inline void expectCaseTable(const std::string& relative, std::size_t fields,
                            const std::function<std::string(std::vector<std::string>)>& outcome) {
    std::istringstream in(
        meshsmith::test::readFile(meshsmith::test::sourcePath("tests/data/" + relative)));
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
