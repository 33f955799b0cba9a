#pragma once
// What the hits of a pick mean to the user: the hover hint that names the
// item under the cursor, and the vertices a pick mode may take.

#include "model/project.hpp"
#include "editor/core/view/picking.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

// The hint for one hit: "Vertex No. 3", "Line No. 2", or for a polygon
// "Polygon No. 5" + "\r" + "Texture Name: " + the texture's file name without
// folder and extension ("Untextured" for a polygon without a texture, or whose
// texture index names no texture). nullopt for the kinds that name nothing
// (origin marker, visualization lines, axis, grid) and for an index outside
// its table.
std::optional<std::string> hitHint(const Project& project, const PickHit& hit);

// The hover hint: the last hit that names something decides, so polygons win
// over lines and lines over vertices, as they are drawn. nullopt (hints off)
// when no hit names anything.
std::optional<std::string> hoverHint(const Project& project, const std::vector<PickHit>& hits);

// The vertex hits that name a vertex of the table, in hit order (ascending index).
std::vector<std::int32_t> vertexCandidates(const Project& project,
                                           const std::vector<PickHit>& hits);

} // namespace meshsmith
