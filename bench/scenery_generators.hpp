#pragma once
// Scenery for the converter's benchmarks, of any size: grandstands, fences and
// lumpy balls, read into a KilnState through the tests' readPolygon. Every
// generator is a function of its arguments only, so the objects are the same
// on every platform.

#include "generated_objects.hpp"

#include <array>
#include <cstdint>

namespace meshsmith::kiln::test {

// A grandstand of `steps` steps: treads, risers, a back wall, a roof and two
// stair-shaped side walls (concave, 2 * steps + 2 corners).
void stand(KilnState& k, int steps);

// A fence of `n` panels between posts; every panel is double-sided (a polygon
// and its exact reverse) and the posts are boxes.
void fence(KilnState& k, int n);

// Grid point (i, j) of side `face` (0..5) of a cube cut into cells x cells
// squares, as a direction of length 1 from the centre; `key` numbers the grid
// point, the same on every side that shares it.
struct CubePoint {
    std::array<double, 3> direction;
    std::uint32_t key;
};
CubePoint cubePoint(int cells, int face, int i, int j);

// A closed lumpy ball of 12 * cells * cells triangles, nearly every one in a
// plane of its own (bumps at random).
void lumpyBall(KilnState& k, std::uint32_t seed, int cells);

} // namespace meshsmith::kiln::test
