#pragma once
// The collision block of an editor-dialect ASE file:
//   *COLLISION_VOLUMES n
//   *COLLISION_PLANES m          (once per volume)
//   *COLLISION_PLANE type a b c d (m times)
// The editor writes it after its line objects, so it is looked for in the
// whole rest of the file. It is read first and added to the tables later, once
// the polygons have found their planes, so that collision planes can share them.

#include "kiln_state.hpp"
#include "text_input.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith::kiln {

struct CollisionPlaneText {
    std::uint8_t type = 0; // the rebound type, kept as a byte
    float a = 0, b = 0, c = 0, d = 0;
};

struct CollisionVolumeText {
    std::int32_t announcedPlanes = 0;
    std::size_t line = 0; // of its *COLLISION_PLANES line
    std::vector<CollisionPlaneText> planes;
};

struct CollisionBlock {
    bool announced = false; // a *COLLISION_VOLUMES line was read
    std::int32_t announcedVolumes = 0;
    std::size_t line = 0; // of the *COLLISION_VOLUMES line
    std::vector<CollisionVolumeText> volumes;
};

// When `line` (the line last read from `file`) belongs to the collision block
// ("*COLLISION_VOLUMES %hhu", "*COLLISION_PLANES %i" or "*COLLISION_PLANE %i
// %f %f %f %f"): records it and returns true. Throws InputError naming the
// line for a second header, a header without a count or with a negative one,
// planes before the header or outside a volume, planes without their four
// finite coefficients, and more volumes or planes than announced;
// CapacityError for more than kMaxCollisionVolumes volumes or
// kMaxCollisionPlanes planes in a volume.
bool readCollisionLine(const std::string& line, const TextSource& file, CollisionBlock& block);

// Reads the rest of `file` with readCollisionLine, passing over every other
// line, then checks that every volume announced, and every plane of each,
// was read (InputError naming the announcing line).
void readCollisionBlock(TextSource& file, CollisionBlock& block);

// Adds the volumes to the tables. Each plane uses the first plane of the table
// whose four coefficients each differ from it by at most 0.001 (signum_coll),
// else it is appended as read. Throws CapacityError when a table is full.
void addCollisionVolumes(KilnState& k, const CollisionBlock& block);

} // namespace meshsmith::kiln
