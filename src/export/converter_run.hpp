#pragma once
// Running the converter as a child process: the program started directly
// with its arguments (no shell, so paths need no quoting), its standard
// output handed over as it comes, and its exit status.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace meshsmith {

struct ChildRun {
    bool started = false; // false: the program could not be started (see `error`)
    bool exited = false;  // it ended by itself (not by a signal or a kill)
    int status = -1;      // its exit status when it exited
    std::string error;    // why it could not be started, or how it ended otherwise
};

// Where the child's standard error goes: to this process's, or into its
// output with the rest.
enum class ChildErrors { Inherited, Merged };

// Starts `program` with `args` (program name not included), passes each piece
// of its standard output to `onOutput` as it arrives, waits for it to end and
// returns how it ended. Its standard input is this process's, its standard
// error as `errors` says. Safe to call from several threads at once: each
// child inherits its own pipe and standard handles, nothing of another's.
ChildRun runChild(const std::string& program, const std::vector<std::string>& args,
                  const std::function<void(std::string_view)>& onOutput,
                  ChildErrors errors = ChildErrors::Inherited);

// The converter on an ASE file: KilnPath with the ASE path and the output
// path; its error output comes with its output, as the editor shows it.
ChildRun runConverter(const std::string& kilnPath, const std::string& asePath,
                      const std::string& outPath,
                      const std::function<void(std::string_view)>& onOutput);

// The folder of the running program, with its trailing separator: from the
// system (/proc/self/exe on Linux, the module file name on Windows), else
// from `argv0` (its folder part, made absolute); "" when neither tells.
std::string programFolder(const char* argv0);

} // namespace meshsmith
