#pragma once
// The commands of meshsmith-batch. Each takes its arguments (after the command
// name), writes results to `out` and errors to `err`, and returns the exit status.

#include <iosfwd>
#include <string>
#include <vector>

namespace meshsmith::batch {

using Args = std::vector<std::string>;

int infoCommand(const Args& args, std::ostream& out, std::ostream& err);
int resaveCommand(const Args& args, std::ostream& out, std::ostream& err);
int writeAseCommand(const Args& args, std::ostream& out, std::ostream& err);
int exportVtxCommand(const Args& args, std::ostream& out, std::ostream& err);
int exportTxtCommand(const Args& args, std::ostream& out, std::ostream& err);
int exportDxfCommand(const Args& args, std::ostream& out, std::ostream& err);
int importCommand(const Args& args, std::ostream& out, std::ostream& err);
// Loads a project, applies the transformation steps in order (as the Modify
// dialogs do, to every vertex) and saves the result; nothing is written when
// a step cannot be read (2) or refuses (1).
int transformCommand(const Args& args, std::ostream& out, std::ostream& err);
// Writes each project's ASE file beside it and runs 3DO-Kiln (from this
// program's folder) on it; a folder argument stands for its projects. 0 when
// every project gave its 3DO file.
int buildCommand(const Args& args, std::ostream& out, std::ostream& err);

// The program's argv[0], for finding its folder when the system does not tell.
void setInvocationName(const char* argv0);

} // namespace meshsmith::batch
