#pragma once
// One run of ase2obj: the ASE file named on the command line becomes an OBJ
// file and, when it names textures, an MTL file beside it. The run returns
// what the program prints and its exit status; it prints nothing itself.

#include <string>
#include <string_view>
#include <vector>

namespace meshsmith::ase2obj {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure =
    1; // input missing, not the editor's, not readable; output not written
inline constexpr int kExitCapacity = 2; // a table would pass its capacity

struct OutputNames {
    std::string obj, mtl;      // the input name with its last three characters replaced
    std::string mtlFileName;   // the MTL name after its last "\" or "/": what "mtllib" names
    bool objHasFolder = false; // the OBJ name holds a "\" or "/"
};

// The output names of an input path. A name shorter than three characters is
// replaced whole ("ab" gives "obj").
OutputNames outputNamesFor(std::string_view inputPath);

struct RunResult {
    int status = kExitOk;
    std::string output; // the standard output text, "ASE format: Meshsmith\n\n" ...
};

// Converts the file named by args[0]. No arguments, "--help" or "-h" give the
// usage, "--version" the version line, both with status 0. Each output
// is written whole through a temporary file or not at all; when the MTL file
// cannot be written, the OBJ file just written is removed again so that it
// never names a missing MTL file.
RunResult runAse2obj(const std::vector<std::string>& args);

} // namespace meshsmith::ase2obj
