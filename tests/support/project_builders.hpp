#pragma once
// Projects for tests: a small hand-made sample and generated projects of every
// shape (textured and untextured polygons, lines, collision, odd colours,
// empty sections).

#include "model/project.hpp"

#include <cstdint>
#include <vector>

namespace meshsmith::test {

// A closed polygon over the given corners, untextured, in a fixed colour.
ObjectData makePolygon(const std::vector<std::int32_t>& corners);
// The same, textured with one (u, v) pair per corner.
ObjectData makeTexturedPolygon(const std::vector<std::int32_t>& corners, std::int32_t texture,
                               const std::vector<TexCoord>& uv);
ObjectData makeLine(std::int32_t from, std::int32_t to);

// Two textures, a textured quad, a textured and an untextured triangle, two
// lines, one collision volume of two planes; ProjectFile stays "None".
Project sampleProject();

// The bundled example, examples/stand/stand.3dp, loaded as the editor does;
// its bitmaps beside it are found.
Project exampleProject();

// A generated project; every seed gives another mix of sections and values.
Project randomProject(std::uint32_t seed);

} // namespace meshsmith::test
