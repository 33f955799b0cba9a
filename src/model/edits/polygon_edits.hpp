#pragma once
// Polygon editing: the operations of the polygon window and of the view's
// polygon picks. Each is one step of the edit history (its name in quotes
// below), changes everything or nothing and keeps the object's invariants.
// Removals go through removePolygons, so collision planes follow their
// polygons. `selected` lists the polygons a command works on (the polygon
// window's selection): ascending numbers.

#include "model/colour_text.hpp"
#include "model/outcome.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith {

inline constexpr const char* kNotTexturizableMessage =
    "Not possible to texturize polygon with this function !";

inline constexpr const char* kThreeCornersMessage =
    "A polygon needs at least three corners, each a different vertex, and its first vertex again "
    "at the end";

// "Add Polygon": appends a polygon over `closed`, its corners in order with
// the first repeated at the end (at least three corners, no vertex twice, each
// a vertex), in `colour`, untextured; logs "Polygon No. <i> created, using
// vertices 5, 8, 2, 5" where i is its number in the polygon list. Anything
// else is refused (kThreeCornersMessage) and nothing changes.
OperationResult createPolygon(Project& p, const std::vector<std::int32_t>& closed,
                              const Rgb& colour, LogSink& log);

// "Redefine Polygon": polygon `index` takes `corners` in order (as many as it
// has, each a vertex, no vertex twice), closed by the first; colour, texture
// and texture coordinates stay. Refused when any of that does not fit.
OperationResult redefinePolygon(Project& p, std::int32_t index,
                                const std::vector<std::int32_t>& corners);

// "Change Polygon Texture": every selected textured polygon takes `texture`
// (a texture of the project, else refused); texture coordinates stay. Selected
// untextured polygons cannot get a texture this way (they have no
// coordinates): they keep none and their numbers come back in `untextured`,
// for the caller to tell with untexturedMessage.
struct TextureChange {
    OperationResult result;
    std::vector<std::int32_t> untextured;
};
TextureChange retextureSelectedPolygons(Project& p, const std::vector<std::int32_t>& selected,
                                        std::int32_t texture);
// "Not possible to texturize polygon No. 3 with this function !"
std::string untexturedMessage(std::int32_t polygon);

// "Recolour Polygons": every selected polygon takes `colour`.
OperationResult recolourSelectedPolygons(Project& p, const std::vector<std::int32_t>& selected,
                                         const Rgb& colour);

// "Remove Polygons": the selected polygons go, later ones move down.
OperationResult removeSelectedPolygons(Project& p, const std::vector<std::int32_t>& selected,
                                       LogSink& log);

// "Remove All Polygons": asks "Are you sure ?" ("Remove all Polygons"); No is
// Cancelled. Yes removes every polygon (and so every collision volume), logs
// "All Polygons Cleared !".
OperationResult removeAllPolygons(Project& p, UserPrompts& prompts, LogSink& log);

} // namespace meshsmith
