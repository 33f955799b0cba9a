#pragma once
// The vertex-colour side file (".lux"): chosen polygons get per-vertex colours.
// Polygon form (editor-dialect ASE and OBJ): headers "POLYGON %i %i" (polygon
// number, kind) followed by vertex lines "VERTEX %i %hhu %hhu %hhu %hhu"
// (position in the polygon, red, green, blue, alpha). Mesh form (3ds Max ASE):
// "MESH %s" names the mesh the following headers "FACE %i %i" refer to.
// Only headers of kind 820 colour a polygon; the vertex lines after any header
// fill the colour buffers tRed .. tAlpha at their positions.

#include "kiln_state.hpp"
#include "text_input.hpp"

#include <optional>
#include <string>

namespace meshsmith::kiln {

inline constexpr std::int32_t kColouredKind = 820;

class VertexColourFile {
  public:
    // Opens the file named like the input with its last three characters
    // replaced by "lux" (track.ase gives track.lux; `fileName` is changed in
    // place, as the readers expect). Sets AS2_ON when it can be read.
    void open(KilnState& k, std::string& fileName);
    bool isOpen() const { return file_.has_value(); }

    // Reads up to the next header of kind 820 and returns its number, or -1 at
    // the end of the file (or when no file is open). Vertex lines on the way
    // fill the colour buffers; a vertex position outside the buffers stops the
    // run with an InputError naming the line.
    std::int32_t readPolyShading(KilnState& k);
    std::int32_t readPolyShading3dsMax(KilnState& k);
    // The mesh that the last number returned by readPolyShading3dsMax belongs to.
    const std::string& meshOfFace() const { return meshOfFace_; }

  private:
    std::int32_t readToHeader(KilnState& k, bool meshForm);

    std::optional<TextSource> file_;
    std::string line_;
    std::string mesh_, meshOfFace_;
};

} // namespace meshsmith::kiln
