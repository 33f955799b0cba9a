#include "editor/core/shell/file_lock.hpp"

#include "model/paths.hpp"

#include <filesystem>
#include <system_error>
#include <utility>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace meshsmith {

#ifdef _WIN32
std::optional<FileLock> FileLock::take(const std::string& path) {
    // Shared for deleting, so that removeFile works while the lock is held;
    // not inheritable, so the programs started keep no hold on it.
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    OVERLAPPED whole{};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        CloseHandle(handle);
        return std::nullopt;
    }
    return FileLock(path, reinterpret_cast<std::intptr_t>(handle));
}

void FileLock::release() {
    if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = -1;
}
#else
std::optional<FileLock> FileLock::take(const std::string& path) {
    const std::string native = nativePath(path);
    // Another process may delete the file between our open and our lock (as
    // removeFile does): the lock is then on a file without a name, and the
    // name is tried again.
    for (int attempt = 0; attempt < 8; ++attempt) {
        // O_CLOEXEC: a program the editor starts (the game runs on after it)
        // must not hold the lock of an editor that has gone.
        const int handle = ::open(native.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (handle < 0) return std::nullopt;
        if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
            ::close(handle);
            return std::nullopt;
        }
        struct stat held {};
        struct stat named {};
        if (::fstat(handle, &held) == 0 && ::stat(native.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino)
            return FileLock(path, handle);
        ::close(handle);
    }
    return std::nullopt;
}

void FileLock::release() {
    if (handle_ != -1) ::close(static_cast<int>(handle_));
    handle_ = -1;
}
#endif

FileLock::FileLock(FileLock&& other) noexcept
    : path_(std::move(other.path_)), handle_(std::exchange(other.handle_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        path_ = std::move(other.path_);
        handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

void FileLock::removeFile() {
    // Deleted while still held: whoever opens the name now makes a new file.
    std::error_code ec;
    if (handle_ != -1) std::filesystem::remove(nativePath(path_), ec);
    release();
}

} // namespace meshsmith
