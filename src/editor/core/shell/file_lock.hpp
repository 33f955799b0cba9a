#pragma once
// A file held locked by this process until the lock object goes or the process
// ends, however it ends: the system lets go of it then. Another process asking
// for the same file's lock meanwhile is refused at once. The lock is not
// handed down to the programs the process starts.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace meshsmith {

class FileLock {
  public:
    // Makes the file when missing and locks it; nullopt when it cannot be
    // made or another process holds it.
    static std::optional<FileLock> take(const std::string& path);
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();
    // Deletes the file, then lets go.
    void removeFile();

  private:
    FileLock(std::string path, std::intptr_t handle) : path_(std::move(path)), handle_(handle) {}
    void release();
    std::string path_;
    std::intptr_t handle_ = -1; // a file descriptor, or a Windows HANDLE
};

} // namespace meshsmith
