#pragma once
// Runs ase2obj's conversion on an ASE text in a temporary folder and collects
// what it printed and wrote.

#include "conversion_run.hpp"

#include "model/text_file.hpp"
#include "support/project_builders.hpp"
#include "support/temp_folder.hpp"

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>

namespace meshsmith::test {

// The two header lines of the editor's ASE files.
inline constexpr const char* kAseMarker = "*COMMENT \">>>> - Exported by Meshsmith - <<<<\"";
inline constexpr const char* kAseCaution =
    "*COMMENT \"Caution: Crippled ASE file - Do not use with 3DSMAX !\"";

// The header followed by the lines, CR LF ended.
inline std::string aseWith(std::initializer_list<const char*> lines) {
    return crlfLines({kAseMarker, kAseCaution}) + crlfLines(lines);
}

struct Conversion {
    ase2obj::RunResult run;
    std::optional<std::string> obj, mtl; // nullopt: no such file
};

inline std::optional<std::string> fileIfThere(const std::string& path) {
    if (!std::filesystem::is_regular_file(path)) return std::nullopt;
    return readFile(path);
}

// Converts `aseText` saved as "object.ase" in `dir`.
inline Conversion convertAse(const TempFolder& dir, const std::string& aseText) {
    writeFile(dir.file("object.ase"), aseText);
    Conversion c;
    c.run = ase2obj::runAse2obj({dir.file("object.ase")});
    c.obj = fileIfThere(dir.file("object.obj"));
    c.mtl = fileIfThere(dir.file("object.mtl"));
    return c;
}

} // namespace meshsmith::test
