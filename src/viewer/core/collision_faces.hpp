#pragma once
// The collision volumes of a 3DO as faces to draw: each plane of a volume is
// cut to the view box and by the volume's other planes, so a closed volume
// shows as its hull and an open one as the planes' pieces inside the box.

#include "plane_pieces.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith::viewer {

struct CollisionFace {
    std::size_t volume = 0;
    std::int32_t rebound = 0; // the plane's type
    std::vector<Point> corners;
};

// Each plane's piece inside `box`, then cut by every other plane of its
// volume on the side that leaves something of it (the file does not say
// which side is inside). A plane that leaves nothing is left out.
std::vector<CollisionFace> collisionFaces(const inspect3do::ThreeDoFile& file, const Box& box);

// "Volume 0: Armco (4 planes)": the rebounds of its planes by name (a code
// beyond the named ones by number), each name once, in plane order.
std::string volumeLine(const inspect3do::CollisionVolume& volume, std::size_t index);

} // namespace meshsmith::viewer
