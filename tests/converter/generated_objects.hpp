#pragma once
// Objects for the converter's tests, filled into a KilnState as a reader
// would: vertices merged within 0.001, each polygon read through the ear
// cutting, then the planes found and the polygons that are not flat
// fan-triangulated. Every generator is a function of its arguments only (its
// own random numbers, no library distributions, no trigonometry), so the
// objects are the same on every platform and outputs can be golden.

#include "converter/kiln_state.hpp"
#include "kiln_builders.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith::kiln::test {

using Colour = std::array<std::uint8_t, 4>; // red, green, blue, alpha

// Reads one polygon (3 to 100 corners) as a reader does: a new slot, the
// working lists passed through ConcaveProcess, the rest stored in the slot.
// With colours (one per corner) the polygon is flav 1. Returns its slot.
int readPolygon(KilnState& k, const std::vector<Point>& corners, const std::string& texture,
                const std::vector<UV>& uv = {}, const std::vector<Colour>& colours = {});

// After reading: FindPlanes over all polygons, then every live polygon without
// a plane fan-triangulated (collinear triangles dropped) and its planes found again.
void finishReading(KilnState& k);

// `n` boxes of random size and place, some turned about the vertical axis,
// so that they overlap and cut one another; four textures.
void randomBoxes(KilnState& k, std::uint32_t seed, int n);

// A grandstand of `steps` steps: treads, risers, a back wall, a roof and two
// stair-shaped side walls (concave, 2 * steps + 2 corners).
void stand(KilnState& k, int steps);

// A fence of `n` panels between posts; every panel is double-sided (a polygon
// and its exact reverse) and the posts are boxes.
void fence(KilnState& k, int n);

// Random star-shaped concave outlines in turned planes, some with vertex
// colours, an L, a U, and a twisted quad that is not flat.
void concaveOutlines(KilnState& k, std::uint32_t seed);

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

// Random polygons of 3 to 32 corners, flat, flat within the plane tolerance
// or bent, mostly crossing themselves, some with corners 0.0005 apart: input
// no modeller should make, for robustness.
void tangles(KilnState& k, std::uint32_t seed);

// Random numbers that do not depend on the standard library's distributions.
class Random {
  public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    std::uint32_t next();
    double uniform(double lo, double hi); // [lo, hi)
    int below(int n);                     // 0 .. n-1
  private:
    std::uint64_t state_;
};

} // namespace meshsmith::kiln::test
