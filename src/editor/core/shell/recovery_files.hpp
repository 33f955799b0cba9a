#pragma once
// The recovery copies in the settings folder (settings_folder.hpp), one per
// running editor:
//
//   Meshsmith-recovery-<process id>.3dp    the copy (recovery_copy.hpp)
//   Meshsmith-recovery-<process id>.lock   held locked by that editor while it runs
//
// The system lets go of a lock when its process ends, however it ends, and
// the lock is not handed down to the programs the editor starts. So a copy
// whose lock nobody holds was left by an editor that did not close normally:
// a left copy. An editor takes a left copy by taking its lock, so a copy of an
// editor still running is never offered, and two editors starting at once
// never both offer the same copy. A copy named after this editor's own process
// id that is there when it starts was left by an earlier process with that
// number: it is renamed to Meshsmith-recovery-<process id>-<k>.3dp and is a
// left copy like the others.

#include "editor/core/shell/file_lock.hpp"
#include "model/project.hpp"

#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

class RecoveryFiles {
  public:
    // Takes this editor's lock in `folder` (with its trailing separator).
    RecoveryFiles(std::string folder, long processId);

    // False when the lock could not be taken (the folder cannot be written):
    // then nothing is written.
    bool usable() const { return own_.has_value(); }
    const std::string& copyPath() const { return copyPath_; }
    const std::string& lockPath() const { return lockPath_; }

    // Writes the copy of `p` whole or not at all; the error text on failure.
    std::optional<std::string> write(const Project& p) const;
    void removeCopy() const;
    // The editor closes normally: its copy and its lock file go.
    void closeNormally();

    struct LeftCopy {
        std::string path;
        std::optional<FileLock> lock;
    };
    // The left copies, newest first, each taken by this editor until it is
    // adopted, discarded or set aside, or the LeftCopy goes.
    std::vector<LeftCopy> takeLeftCopies() const;
    // A copy the user recovered becomes this editor's copy; the error text
    // when it could not be moved (it is then left where it is).
    std::optional<std::string> adopt(LeftCopy& left) const;
    // Deletes a copy the user did not want.
    void discard(LeftCopy& left) const;
    // Renames a copy that cannot be read to "<name>.broken" (a number added
    // when that is taken) so that it is never offered again; the new name, or
    // the error text when it could not be renamed (error set).
    struct SetAside {
        std::string path, error;
    };
    SetAside setAside(LeftCopy& left) const;

  private:
    std::string folder_;
    std::string copyPath_, lockPath_;
    std::optional<FileLock> own_;
};

} // namespace meshsmith
