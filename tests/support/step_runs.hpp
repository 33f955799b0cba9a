#pragma once
// Runs kept as steps in a text file under tests/data, for the tests that
// record each run's outcomes in a golden file: a run is its name after "== ",
// then its lines, each the name of an operation and its words. Blank lines
// and lines starting with '#' are notes.

#include "model/outcome.hpp"
#include "support/golden.hpp"
#include "support/temp_folder.hpp"

#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace meshsmith::test {

struct StepRun {
    std::string name;
    std::vector<std::string> lines;
};

inline std::vector<StepRun> readStepRuns(const std::string& relative) {
    std::vector<StepRun> runs;
    std::istringstream in(readFile(sourcePath("tests/data/" + relative)));
    for (std::string line; std::getline(in, line);)
        if (line.rfind("== ", 0) == 0)
            runs.push_back({line.substr(3), {}});
        else if (!line.empty() && line[0] != '#') {
            if (runs.empty()) throw std::runtime_error(relative + ": a step before the first run");
            runs.back().lines.push_back(line);
        }
    return runs;
}

// Every run of the steps file through `run`, whose transcripts together must
// read as the recorded file `golden`.
inline void expectRecordedRuns(const std::string& steps, const std::string& golden,
                               const std::function<std::string(const StepRun&)>& run) {
    std::string out;
    for (const StepRun& one : readStepRuns(steps))
        out += run(one) + "\n";
    expectGolden(out, golden);
}

// The line's words, split at blanks: the operation's name first.
inline std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

inline std::string outcomeName(Outcome outcome) {
    static const char* names[] = {"Done", "Cancelled", "Refused", "Failed"};
    return names[static_cast<int>(outcome)];
}

} // namespace meshsmith::test
