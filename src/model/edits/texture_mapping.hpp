#pragma once
// Texture mapping: which texture a polygon carries and its texture
// coordinates, one (u, v) pair per corner in corner order (u from 0 at the
// bitmap's left edge to 1 at its right, v from 0 at the bottom to 1 at the
// top; above 1 the texture repeats). Each operation works on the polygons
// given (indices of existing polygons) and is one step of the edit history
// (its name in quotes); a call that changes nothing records no step.

#include "model/outcome.hpp"
#include "model/project.hpp"

#include <cstdint>
#include <vector>

namespace meshsmith {

// A polygon with four corners (five entries in its closed vertex list).
bool isQuadrilateral(const ObjectData& polygon);

// "Assign Texture": each polygon gets `texture` (NoTexture makes it
// untextured and drops its coordinates) and the coordinates of `working`,
// corner i taking entry i, corners past its end (1, 1). With `quadsOnly`
// polygons that are not quadrilaterals are left as they are. Refused when
// `texture` names no texture.
OperationResult assignTexture(Project& p, const std::vector<std::int32_t>& polygons,
                              std::int32_t texture, const std::vector<TexCoord>& working,
                              bool quadsOnly = false);

// "Rotate Texture": in every textured polygon of the list the coordinates
// move one corner back: corner i takes those of corner i + 1, the last
// corner those of corner 0.
OperationResult rotateTexture(Project& p, const std::vector<std::int32_t>& polygons);

enum class MirrorAxis { Horizontal, Vertical };

// "Mirror Texture", for textured quadrilaterals of the list: horizontally the
// coordinates of corners 1 and 2 are exchanged and those of 3 and 4;
// vertically 1 with 4 and 2 with 3. Other polygons stay as they are.
OperationResult mirrorTexture(Project& p, const std::vector<std::int32_t>& polygons,
                              MirrorAxis axis);

// "Face Opposite": in every textured polygon of the list the corners are put
// in reverse order (1, 2, 3, 4, 1 becomes 4, 3, 2, 1, 4) while the texture
// coordinates stay by position, so the texture shows on the other side.
OperationResult faceOpposite(Project& p, const std::vector<std::int32_t>& polygons);

} // namespace meshsmith
