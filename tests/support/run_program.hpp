#pragma once
// Runs one of our programs from the build's output folder and collects what it says.

#include <string>
#include <vector>

namespace meshsmith::test {

struct ProgramRun {
    int status = -1; // exit status; -1 when it did not exit normally
    std::string out; // standard output
    std::string err; // standard error
};

// The path of one of our programs in the build's output folder (with ".exe" on Windows).
std::string programPath(const std::string& program);

// Runs bin/<program> with the arguments (no shell involved), in `workdir` when given.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& workdir = "", const std::string& input = "");

// Runs any program given by its path (no shell involved), in `workdir` when given.
ProgramRun runCommand(const std::string& programPath, const std::vector<std::string>& args,
                      const std::string& workdir = "", const std::string& input = "");

} // namespace meshsmith::test
