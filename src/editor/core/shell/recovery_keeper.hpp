#pragma once
// Keeping unsaved work safe: while the project has unsaved changes and
// vertices (what Close Project would ask to save), a recovery copy is written
// at most `delay` after each change; when the project has none (saved,
// closed, or undone back to its file) the copy goes. The window's timer asks
// when to come back; the times are passed in, so the rule runs on any clock.
// At start, the copies that editors left when they did not close normally
// are offered one by one (offerLeftCopies).

#include "editor/core/document/document.hpp"
#include "editor/core/shell/recovery_files.hpp"

#include <chrono>
#include <optional>
#include <string>

namespace meshsmith {

// The question asked for a left copy of the project named `caption`.
std::string recoveryQuestion(const std::string& caption);

class RecoveryKeeper {
  public:
    using Clock = std::chrono::steady_clock;

    RecoveryKeeper(std::string folder, long processId, std::chrono::milliseconds delay);

    RecoveryFiles& files() { return files_; }

    // The project changed. With unsaved work and no write waiting, a write is
    // due `delay` from now (later changes do not put it off); without, the
    // copy goes and nothing waits. How long until the waiting write is due.
    std::optional<Clock::duration> changed(const Project& p, Clock::time_point now);
    // Writes the copy when a write is due by `now`; how long until a write
    // still waiting is due. The error text of a failed write goes to `error`
    // (the next change tries again).
    std::optional<Clock::duration> writeIfDue(const Project& p, Clock::time_point now,
                                              std::string& error);
    // A normal close: the copy and the lock go.
    void closeNormally();

  private:
    RecoveryFiles files_;
    std::chrono::milliseconds delay_;
    std::optional<Clock::time_point> due_;
};

// True when the project holds work that a crash would lose.
bool needsRecoveryCopy(const Project& p);

// At start: each left copy, newest first. One that cannot be read is set
// aside and the user told; for the others the user is asked
// (recoveryQuestion). Yes opens the project from the copy (recoverProject),
// which then becomes this editor's copy, and ends the asking (further copies
// wait for the next start); No deletes the copy. A copy whose project could
// not be read whole is set aside too; one whose bitmap re-selection was
// cancelled stays for the next start. True when a project was recovered.
bool offerLeftCopies(RecoveryFiles& files, Document& document, const SaveOptions& options,
                     UserPrompts& prompts, LogSink& log);

} // namespace meshsmith
