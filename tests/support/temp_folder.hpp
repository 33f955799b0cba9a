#pragma once
// A fresh folder per test, removed afterwards, and small file helpers.

#include <filesystem>
#include <initializer_list>
#include <string>

namespace meshsmith::test {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Full path of a file in the folder, as text with the platform's separators.
    std::string file(const std::string& name) const;
    // The folder with the platform's trailing separator.
    std::string folder() const;

  private:
    std::filesystem::path path_;
};

// The lines, each ended by CR LF, as the editor writes its files.
std::string crlfLines(std::initializer_list<const char*> lines);

void writeFile(const std::string& path, const std::string& contents);
std::string readFile(const std::string& path);
std::string sourcePath(const std::string& relative); // inside the repository
std::string corpusPath(const std::string& relative); // inside ../shared/corpus (may not exist)

} // namespace meshsmith::test
