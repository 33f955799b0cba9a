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
    meshsmith::test::expectAnsweredLines(relative, " => ", [&](const std::string& question) {
        std::vector<std::string> inputs;
        std::istringstream split(question);
        for (std::string field; std::getline(split, field, '\t');)
            inputs.push_back(unescaped(field));
        inputs.resize(std::max(inputs.size(), fields));
        return outcome(inputs);
    });
}

} // namespace meshsmith::kiln::test
