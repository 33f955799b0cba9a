#include "editor/core/shell/recovery_keeper.hpp"

#include "editor/core/shell/recovery_copy.hpp"
#include "model/edits/edit.hpp"
#include "model/text_file.hpp"

namespace meshsmith {

std::string recoveryQuestion(const std::string& caption) {
    return "Meshsmith was not closed properly. Recover the unsaved changes of " + caption + " ?";
}

bool needsRecoveryCopy(const Project& p) {
    return !p.object.vertices.empty() && hasUnsavedChanges(p);
}

RecoveryKeeper::RecoveryKeeper(std::string folder, long processId, std::chrono::milliseconds delay)
    : files_(std::move(folder), processId), delay_(delay) {}

std::optional<RecoveryKeeper::Clock::duration> RecoveryKeeper::changed(const Project& p,
                                                                       Clock::time_point now) {
    if (!needsRecoveryCopy(p)) {
        due_.reset();
        files_.removeCopy();
        return std::nullopt;
    }
    if (!due_) due_ = now + delay_;
    return std::max(*due_ - now, Clock::duration::zero());
}

std::optional<RecoveryKeeper::Clock::duration>
RecoveryKeeper::writeIfDue(const Project& p, Clock::time_point now, std::string& error) {
    if (!due_) return std::nullopt;
    if (now < *due_) return *due_ - now;
    due_.reset();
    if (!needsRecoveryCopy(p)) {
        files_.removeCopy();
        return std::nullopt;
    }
    if (auto failed = files_.write(p)) error = *failed;
    return std::nullopt;
}

void RecoveryKeeper::closeNormally() {
    due_.reset();
    files_.closeNormally();
}

namespace {

void reportSetAside(RecoveryFiles& files, RecoveryFiles::LeftCopy& left, const std::string& why,
                    UserPrompts& prompts, LogSink& log) {
    const RecoveryFiles::SetAside aside = files.setAside(left);
    const std::string text =
        "The recovery copy " + left.path + " cannot be read: " + why + ". " +
        (aside.error.empty() ? "It is kept as " + aside.path + "."
                             : "It could not be set aside: " + aside.error + ".");
    log.addLine(text);
    prompts.showMessage(text);
}

} // namespace

bool offerLeftCopies(RecoveryFiles& files, Document& document, const SaveOptions& options,
                     UserPrompts& prompts, LogSink& log) {
    for (RecoveryFiles::LeftCopy& left : files.takeLeftCopies()) {
        const TextLines text = readTextLines(left.path);
        const RecoveryCopyCheck check =
            text.ok() ? checkRecoveryCopy(text.lines) : RecoveryCopyCheck{std::nullopt, text.error};
        if (!check.header) {
            reportSetAside(files, left, check.error, prompts, log);
            continue;
        }
        if (prompts.askYesNo("Meshsmith", recoveryQuestion(check.header->caption)) != Answer::Yes) {
            files.discard(left);
            continue;
        }
        const OperationResult r =
            document.runFile(&recoverProject, options, prompts, log, left.path, *check.header);
        if (r.outcome == Outcome::Failed) {
            reportSetAside(files, left, r.message, prompts, log);
            continue;
        }
        if (!r.done()) return false; // the copy stays for the next start
        if (const auto error = files.adopt(left))
            log.addLine("The recovery copy " + left.path + " stays where it is: " + *error + ".");
        return true;
    }
    return false;
}

} // namespace meshsmith
