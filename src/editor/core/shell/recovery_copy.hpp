#pragma once
// A recovery copy: what the editor keeps of a project with unsaved changes
// (recovery_files.hpp says where). Its lines (CR LF):
//
//   Meshsmith recovery copy
//   Project=<the project's file, or None>
//   Name=<the project's name>
//   Caption=<the view's caption>
//   Lines=<n>
//   <n lines: the project file as Save writes it>
//   End of recovery copy
//
// The count and the last line tell a whole copy from one cut short. No header
// line can be taken for a keyword of the project file, so the project reader
// reads the copy as it is (a user can also open it with File > Open); its
// bitmaps are named as a project file in the copy's folder names them.

#include "model/project_commands.hpp"

#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

// The project the copy belongs to, as its header names it.
struct RecoveryHeader {
    std::string projectFile; // NoProjectFile for a project never saved
    std::string projectName;
    std::string caption;
};

// The whole text of the copy of `p` written to `copyPath`.
std::string recoveryCopyText(const Project& p, const std::string& copyPath);

// The header of a whole copy, or (error set) why the lines are not one.
struct RecoveryCopyCheck {
    std::optional<RecoveryHeader> header;
    std::string error;
};
RecoveryCopyCheck checkRecoveryCopy(const std::vector<std::string>& lines);

// Reads the copy at `copyPath` into the session's project as Open reads a
// project (missing bitmaps are re-selected; a failure leaves an empty
// project), then gives it back the file, name and caption of the header.
// When Done the project has unsaved changes, also after undoing, so Save
// writes it to its own file (or asks for one).
OperationResult recoverProject(ProjectSession& s, const std::string& copyPath,
                               const RecoveryHeader& header);

} // namespace meshsmith
