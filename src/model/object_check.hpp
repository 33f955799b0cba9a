#pragma once
// The one check of the object's invariants (listed in project.hpp): every
// vertex, line, polygon and texture index in range, every coordinate and
// texture coordinate finite, lines of two ends, polygons closed over their
// VertexCount entries with a texture coordinate per corner when textured, and
// collision planes naming existing polygons. Used by the project loader, after
// every editing operation in debug builds, and by tests and fuzz harnesses.

#include "project.hpp"

#include <cstddef>
#include <optional>
#include <string>

namespace meshsmith {

enum class ObjectTable { Vertices, Lines, VisLines, Polygons, Collision };

struct ObjectFault {
    ObjectTable table;
    std::size_t index = 0; // the record at fault in that table
    std::string message;   // "Polygon 3 refers to vertex 9, but the project has 5 vertices"
};

// The first record that breaks an invariant, in the order of the tables above;
// nullopt when the object is sound.
std::optional<ObjectFault> findObjectFault(const TrackObject& object);

} // namespace meshsmith
