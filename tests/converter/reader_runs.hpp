#pragma once
// Running the 3ds Max, OBJ and editor-dialect readers the way the converter does (the first
// significant line consumed to recognise the file), and building the 3DO of
// what they read.

#include "converter/kiln_state.hpp"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace meshsmith::kiln::test {

struct ReaderRun {
    std::unique_ptr<KilnState> k = std::make_unique<KilnState>();
    bool read = false;       // the reader returned
    bool untextured = false; // it stopped with UntexturedFace
    std::string error;       // the InputError or CapacityError message
};

// The file at `path`, read by read_3dsMax, read_OBJ or read_Meshsmith.
ReaderRun read3dsMaxFile(const std::string& path);
ReaderRun readObjFile(const std::string& path);
ReaderRun readMeshsmithFile(const std::string& path);
// `text` as a file named `path` (which need not exist: the vertex-colour and
// MTL files are looked for beside it).
ReaderRun read3dsMaxText(const std::string& text, const std::string& path = "/nonexistent/in.ase");
ReaderRun readObjText(const std::string& text, const std::string& path = "/nonexistent/in.obj");

// The square of the 3ds Max fuzz seeds (fuzz/seeds/kiln_3dsmax/square.ase: two
// triangles, material "Wall" with wall.bmp) with the first occurrence of each
// `from` replaced by its `to`; and its object alone, from its *GEOMOBJECT line.
std::string maxSquare(const std::vector<std::pair<std::string, std::string>>& edits = {});
std::string maxSquareObject();

// Builds tree one over what was read and writes the 3DO in memory; the
// inspector's first violation, or "" when the file is sound.
std::string threeDoVerdict(KilnState& k);

// What a reader left in the tables, one line per string list, vertex and
// live polygon (corners as vertex@u,v; colours when it has them), then the
// collision volumes: a state compared as a golden text.
std::string dumpState(const KilnState& k);

} // namespace meshsmith::kiln::test
