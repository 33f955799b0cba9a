#pragma once
// Remove Double Vertices: merges vertices that stand at exactly the same
// position, and the main-window command around it.

#include "model/project.hpp"
#include "model/user_interaction.hpp"

namespace meshsmith {

// Keeps the first vertex at every position and removes each later one at the
// same position (x, y and z equal as floats; -0.0 equals 0.0; a vertex with a
// NaN coordinate is never a double). Every reference to a removed vertex in the
// lines, polygons and visualization lines then names the kept vertex, and the
// references to later vertices move down with them. Kept vertices keep their
// order. Lines and polygons are never removed, even
// when they collapse onto one vertex. A reference that was out of range stays
// out of range (negative ones unchanged, too large ones lowered by the count
// removed). Returns the number of vertices removed. Linear in the table sizes.
int removeDoubleVertices(Project& p);

// The main-window command: when visualization lines exist they are removed
// first ("Subsequent Lines removed") and created again afterwards over the new
// vertex table in the colour of the former first one ("Creating subsequent
// lines:", "Pick color !", n + " subsequent Lines created"); then the log gets
// "Removed " + K + " overlaying/double Vertices", or "No overlaying/double
// Vertices in project" when K is 0. Returns K.
int removeDoubleVerticesCommand(Project& p, LogSink& log);

} // namespace meshsmith
