#pragma once
// The project file (".3dp"): one value per line, sections introduced by keyword
// lines, CR LF line ends on writing (CR LF, LF or CR accepted on reading), and
// the MIP conversion info files (".mci") written beside copied bitmaps.

#include "project.hpp"
#include "user_interaction.hpp"

#include <string>
#include <vector>

namespace meshsmith {

// Installation settings that steer saving (the Options dialog's check boxes).
struct SaveOptions {
    std::string AppFolder; // with a trailing separator
    bool MakeSubDir = false;
    bool CopyBmp = false;
    bool MipInfo = false;
};

// The whole project file text of the project as it stands.
std::string projectFileText(const Project& p);
// The eleven lines of a ".mci" file, CR LF ended.
std::string mipConversionInfoText(const TextureData& t);

// Writes ProjectFile, copying bitmaps and writing ".mci" files into the project
// folder first when the options ask for it. Returns the error text when the
// file could not be written whole (the previous file then stays as it was).
std::optional<std::string> saveProject(Project& p, const SaveOptions& options, LogSink& log);

enum class LoadStatus {
    Loaded,  // the project holds the file's data
    Failed,  // the file was refused; the project is empty and `message` says why
    Cleared, // the user cancelled the re-selection of a bitmap; the project is empty
};

struct LoadResult {
    LoadStatus status = LoadStatus::Failed;
    std::string message;  // for Failed: what is wrong with the file
    std::size_t line = 0; // its 1-based line at fault; 0 for the file as a whole
};

// Reads `path` into the (empty) project. A file that cannot be read, does not
// convert, ends inside a section or refers out of range leaves an empty project;
// it never leaves a half-read one. Missing bitmaps are re-selected through
// `prompts` (their names are looked up beside the project file first).
LoadResult loadProject(Project& p, const std::string& path, UserPrompts& prompts, LogSink& log);

enum class AddStatus { Added, Cancelled, Failed };
struct AddResult {
    AddStatus status = AddStatus::Failed;
    std::string message;
};

// Appends the vertices, textures, lines and polygons of another project file,
// with the offsets asked through `prompts`. All or nothing: on any error or
// cancel the project is exactly as before.
AddResult addFromProject(Project& p, const std::string& path, UserPrompts& prompts, LogSink& log);

// The counts line of the load and add logs.
std::string countsLine(std::size_t vertices, std::size_t lines, std::size_t polygons,
                       std::size_t textures);

} // namespace meshsmith
