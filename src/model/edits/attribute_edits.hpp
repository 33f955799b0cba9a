#pragma once
// The object's attributes for the game: collision volumes (each a set of
// planes, a plane being the plane of one polygon with a rebound code for the
// surface the car hits), the display class and the description. Each change
// is one step of the edit history (its name in quotes).

#include "model/outcome.hpp"
#include "model/project.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith {

inline constexpr const char* kSelectPolygonsMessage = "Select one or more Polygons from the list !";
inline constexpr std::size_t kDescriptionLimit = 200;

// "Add Collision Volume": a volume of the given polygons (in ascending order,
// each once) with `rebound` (0..15) on every plane. Refused with
// kSelectPolygonsMessage for none, and when a polygon already belongs to a
// volume, with one line "Polygon No. <p> already used by Volume No.<v>" per
// such polygon ("\r" between them); a number that names no polygon, and a
// polygon of fewer than three distinct corners (it has no plane), are refused.
OperationResult addCollisionVolume(Project& p, std::vector<std::int32_t> polygons,
                                   std::int32_t rebound);

// "Edit Rebound": every plane of the volume takes `rebound`.
OperationResult setVolumeRebound(Project& p, std::size_t volume, std::int32_t rebound);

// "Remove Collision Volume": later volumes move down. "Remove All Collision Volumes".
OperationResult removeCollisionVolume(Project& p, std::size_t volume);
OperationResult removeAllCollisionVolumes(Project& p);

// Closing the collision window: a last volume without planes is removed
// ("Remove Collision Volume").
OperationResult closeCollisionWork(Project& p);

// "Set Object Visibility": the display class.
OperationResult setDisplayClass(Project& p, std::int32_t displayClass);

// "Project Description": one line of at most kDescriptionLimit characters
// (longer is refused); line breaks become blanks, as the project file needs.
OperationResult setDescription(Project& p, std::string description);

} // namespace meshsmith
