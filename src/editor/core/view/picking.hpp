#pragma once
// Picking on the CPU: what the scene draws under a 1 x 1 pixel region at the
// cursor, found with the very matrices the drawing loads. Hits come in drawing
// order (vertices by index, the origin marker, lines, visualization lines,
// polygons, the axis, the grid), one per item, and each names its kind and
// its index in its own table, so no table size limits the picking and a
// polygon can never be taken for a vertex.

#include "editor/core/view/matrix4.hpp"
#include "model/project.hpp"
#include "editor/core/view/scene_data.hpp"

#include <cstdint>
#include <vector>

namespace meshsmith {

enum class HitKind { Vertex, OriginMarker, Line, VisLine, Polygon, Axis, Grid };

struct PickHit {
    HitKind kind = HitKind::Vertex;
    std::int32_t index = 0; // row of its table; 0 for the marker, the axis and the grid
    friend bool operator==(const PickHit&, const PickHit&) = default;
};

// Everything the scene draws whose drawn shape covers part of the pick region
// centred at window point (mouseX, viewport height - mouseY); mouseX and
// mouseY are widget coordinates from the top left, as the mouse events give
// them. The shapes are those of the drawing: vertex spheres tessellated as
// unitSphere() with the radii of scene_data.hpp (a selected vertex's larger
// sphere, the pivot vertex's pivot sphere), lines as wide as they are drawn,
// polygons filled with the triangles of polygonFill, culled faces left out
// when backfaces are hidden, a marked polygon's outline, the axis symbol
// and the grid points as wide as their point size (marks: SceneOptions).
//
// Nothing is hit without geometry (GeometryPresent clear) or while the
// viewport is empty. Lines and
// polygons that name a vertex outside the table are skipped, never read.
std::vector<PickHit> pickScene(const Project& project, const SceneOptions& options,
                               const Matrix4& combined, const Viewport& viewport, int mouseX,
                               int mouseY);

} // namespace meshsmith
