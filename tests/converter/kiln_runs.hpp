#pragma once
// Running the converter in tests: a captured run of runKiln, editor-dialect
// ASE texts written by hand, and the example project's ASE file.

#include "converter/kiln_state.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith::kiln::test {

struct KilnRun {
    int status = -1;
    std::string out; // everything printed on standard output
};

// runKiln with the arguments (argument 1 first), its standard output captured.
KilnRun runKilnCaptured(const std::vector<std::string>& args);

// A corner of an ASE object: x, y, z, u, v.
using AseCorner = std::array<float, 5>;

// The header lines and one material per texture name, as the editor writes them.
std::string aseHeader(const std::vector<std::string>& textures);
// One object over the corners (numbered 0 ..), ended by its *MATERIAL_REF.
std::string aseObject(const std::vector<AseCorner>& corners, int material);
// An axis-aligned square of side 1 at height z, textured 0..1.
std::vector<AseCorner> square(float x, float y, float z);

// The bundled example project (24 textured polygons, 3 lines, 1 collision
// volume) as the editor writes its ASE file.
const std::string& exampleAse();

// Reads an editor-dialect text into a fresh state as the driver does (first
// line consumed, then read_Meshsmith), with standard output captured into
// `out` when given. The vertex-colour file is looked for beside `name`.
void readMeshsmithText(KilnState& k, const std::string& text,
                       const std::string& name = "/nonexistent-folder/object.ase",
                       std::string* out = nullptr);

// Reads an editor-dialect text and converts it in memory: "refused: " and the
// message, "converted", or the inspector's violation when its 3DO is not sound.
std::string convertVerdict(const std::string& text);

std::vector<std::uint8_t> readBytes(const std::string& path);

} // namespace meshsmith::kiln::test
