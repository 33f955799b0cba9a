#pragma once
// The project file (".3dp"): one value per line, sections introduced by keyword
// lines, CR LF line ends on writing (CR LF, LF or CR accepted on reading), and
// the MIP conversion info files (".mci") written beside copied bitmaps.

#include "project.hpp"
#include "user_interaction.hpp"

#include <optional>
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

// The whole project file text of the project as it stands, bitmaps named as
// a file in the folder of ProjectFile names them (bitmap_lookup.hpp).
std::string projectFileText(const Project& p);
// The eleven lines of a ".mci" file, CR LF ended.
std::string mipConversionInfoText(const TextureData& t);

// Writes ProjectFile, copying bitmaps and writing ".mci" files into the project
// folder first when the options ask for it (the file then names the copies;
// the object is never changed by saving). A relative bitmap name of the object
// is taken relative to `namesFolder` (the project's folder unless given: Save
// As names the folder the project came from). Returns the error text when the
// file could not be written whole (the previous file then stays as it was) or
// the object breaks an invariant (findObjectFault): nothing is written then.
std::optional<std::string> saveProject(const Project& p, const SaveOptions& options,
                                       LogSink& log,
                                       std::optional<std::string> namesFolder = std::nullopt);

// What a load does with a bitmap that is not found: ask the user to re-select
// it (the editor), or keep its name as it is, for the caller to report
// (missingBitmaps; the batch tool, which has nobody to ask).
enum class MissingBitmaps { Reselect, Keep };

// Reads `path` into the (empty) project: Done when the project holds the
// file's data. A file that cannot be read, does not convert, ends inside a
// section or refers out of range is Failed (logged with file and line) and
// leaves an empty project; it never leaves a half-read one. Missing bitmaps
// (their names are looked up beside the project file first) are re-selected
// through `prompts` or kept, as `missing` says; a cancelled re-selection is
// Cancelled, logs "All Data Cleared !" and leaves an empty project.
OperationResult loadProject(Project& p, const std::string& path, UserPrompts& prompts, LogSink& log,
                            MissingBitmaps missing = MissingBitmaps::Reselect);

// Appends the vertices, textures, lines and polygons of another project file,
// with the offsets asked through `prompts`. All or nothing: on any error or
// cancel the project is exactly as before.
OperationResult addFromProject(Project& p, const std::string& path, UserPrompts& prompts,
                               LogSink& log);

// The counts line of the load and add logs.
std::string countsLine(std::size_t vertices, std::size_t lines, std::size_t polygons,
                       std::size_t textures);

} // namespace meshsmith
