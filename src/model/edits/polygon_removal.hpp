#pragma once
// Removing polygons, and the one rule that keeps the collision volumes with
// them: a collision plane names a polygon by its number, so the planes of
// removed polygons go, later polygon numbers move down with their polygons,
// and a volume left without planes goes too.

#include "model/project.hpp"
#include "model/user_interaction.hpp"

#include <cstdint>
#include <vector>

namespace meshsmith {

// Removes the polygons whose numbers `removed` lists (any order, repeats and
// numbers beyond the table ignored); later polygons move down. The collision
// volumes follow as above and, when planes were dropped, the log gets
// "<n> collision plane(s) of removed polygons dropped". Returns how many
// polygons were removed.
std::size_t removePolygons(Project& p, std::vector<std::int32_t> removed, LogSink& log);

} // namespace meshsmith
