#pragma once
// Path texts as the editor handles them: users' files name folders with "\"
// (Windows) or "/" (everywhere), so every split accepts both.

#include <filesystem>
#include <string>
#include <string_view>

namespace meshsmith {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Part after the last "\" or "/" (the whole text when there is none).
std::string fileNameOf(std::string_view path);
// Part up to and including the last "\" or "/" (empty when there is none).
std::string folderOf(std::string_view path);
// The text without its last four characters (".bmp", ".3dp"); empty when shorter.
std::string withoutLast4(std::string_view text);
// The folder text with exactly one trailing separator (empty stays empty).
std::string withTrailingSeparator(std::string_view folder);
// True when the path is absolute on this platform or in Windows form ("C:\", "\\server").
bool isAbsolutePath(std::string_view path);
// A relative path taken relative to `folder`; an absolute one as it is.
std::string resolveAgainst(std::string_view folder, std::string_view path);
// The path in the form the file system of this platform takes ("\" becomes "/" off Windows).
std::string nativePath(std::string_view path);

// The path as text in the code page the program's narrow texts use (see
// system_code_page.hpp): path::string() gives UTF-8 on Windows whatever that is.
std::string pathText(const std::filesystem::path& path);

bool fileExists(std::string_view path);
// Copies `from` over `to` as a whole: into a temporary beside the target, then
// renamed onto it (MinGW's copy_file refuses to overwrite an existing file).
// Empty when done, else the system's reason; the target is untouched then.
std::string copyFileReplacing(std::string_view from, std::string_view to);
bool folderExists(std::string_view path);
// True when both paths name the same file, whether it exists or not (each
// made absolute, its links and "." and ".." resolved as far as they exist).
bool sameFile(std::string_view a, std::string_view b);

} // namespace meshsmith
