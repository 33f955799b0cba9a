#include "editor/core/shell/recovery_files.hpp"

#include "editor/core/shell/recovery_copy.hpp"
#include "model/paths.hpp"
#include "model/text_file.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace meshsmith {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kPrefix = "Meshsmith-recovery-";
constexpr std::string_view kCopyEnd = ".3dp";

std::string lockPathOf(const std::string& copyPath) {
    return withoutLast4(copyPath) + ".lock";
}

// "Meshsmith-recovery-<id><end>", the id digits and "-".
bool isRecoveryName(const std::string& name, std::string_view end) {
    if (name.size() <= kPrefix.size() + end.size() || !name.starts_with(kPrefix) ||
        !name.ends_with(end))
        return false;
    const std::string id = name.substr(kPrefix.size(), name.size() - kPrefix.size() - end.size());
    return std::all_of(id.begin(), id.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '-'; });
}

} // namespace

RecoveryFiles::RecoveryFiles(std::string folder, long processId) : folder_(std::move(folder)) {
    copyPath_ = folder_ + std::string(kPrefix) + std::to_string(processId) + std::string(kCopyEnd);
    lockPath_ = lockPathOf(copyPath_);
    own_ = FileLock::take(lockPath_);
    // A copy under this editor's name was left by an earlier process with the
    // same number: it moves to a name of its own, to be offered like any other.
    if (!own_ || !fileExists(copyPath_)) return;
    std::error_code ec;
    for (int k = 1; k < 1000; ++k) {
        const std::string free = withoutLast4(copyPath_) + "-" + std::to_string(k) + ".3dp";
        if (fileExists(free) || fileExists(lockPathOf(free))) continue;
        fs::rename(copyPath_, free, ec);
        return;
    }
}

std::optional<std::string> RecoveryFiles::write(const Project& p) const {
    if (!usable()) return "the lock file " + lockPath_ + " cannot be made";
    return writeFileAtomically(copyPath_, recoveryCopyText(p, copyPath_));
}

void RecoveryFiles::removeCopy() const {
    std::error_code ec;
    if (usable()) fs::remove(copyPath_, ec);
}

void RecoveryFiles::closeNormally() {
    removeCopy();
    if (own_) own_->removeFile();
    own_.reset();
}

std::vector<RecoveryFiles::LeftCopy> RecoveryFiles::takeLeftCopies() const {
    std::vector<std::pair<fs::file_time_type, LeftCopy>> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder_, ec)) {
        const std::string name = pathText(entry.path().filename());
        const std::string path = folder_ + name;
        // The lock of an editor that went without a copy to leave.
        if (isRecoveryName(name, ".lock") && path != lockPath_ &&
            !fileExists(path.substr(0, path.size() - 5) + std::string(kCopyEnd))) {
            if (auto stale = FileLock::take(path)) stale->removeFile();
            continue;
        }
        if (!isRecoveryName(name, kCopyEnd) || !entry.is_regular_file(ec)) continue;
        if (path == copyPath_) continue; // this editor's own
        LeftCopy left{path, FileLock::take(lockPathOf(path))};
        if (!left.lock) continue; // its editor runs
        // Taken after its editor let go: it may have closed normally meanwhile.
        if (!fileExists(path)) {
            left.lock->removeFile();
            continue;
        }
        found.emplace_back(fs::last_write_time(entry.path(), ec), std::move(left));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<LeftCopy> copies;
    for (auto& f : found)
        copies.push_back(std::move(f.second));
    return copies;
}

std::optional<std::string> RecoveryFiles::adopt(LeftCopy& left) const {
    if (!usable()) return "the lock file " + lockPath_ + " cannot be made";
    std::error_code ec;
    fs::rename(left.path, copyPath_, ec);
    if (ec) return ec.message();
    if (left.lock) left.lock->removeFile();
    left.lock.reset();
    return std::nullopt;
}

void RecoveryFiles::discard(LeftCopy& left) const {
    std::error_code ec;
    fs::remove(left.path, ec);
    if (left.lock) left.lock->removeFile();
    left.lock.reset();
}

RecoveryFiles::SetAside RecoveryFiles::setAside(LeftCopy& left) const {
    std::string aside = left.path + ".broken";
    for (int k = 2; fileExists(aside); ++k)
        aside = left.path + "." + std::to_string(k) + ".broken";
    std::error_code ec;
    fs::rename(left.path, aside, ec);
    if (ec) return {left.path, ec.message()};
    if (left.lock) left.lock->removeFile();
    left.lock.reset();
    return {aside, {}};
}

} // namespace meshsmith
