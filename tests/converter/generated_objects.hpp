#pragma once
// Objects for the converter's tests, filled into a KilnState as a reader
// would: vertices merged within 0.001, each polygon read through the ear
// cutting, then the planes found and the polygons that are not flat
// fan-triangulated. The random ones are functions of their seed only (their
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

// The texture corners of a quad, in its corners' order.
extern const std::vector<UV> kQuadUV;

// A box from its eight corners: bottom 0..3 and top 4..7, counter-clockwise
// seen from above; faces wound so their planes face outwards.
void box(KilnState& k, const std::array<Point, 8>& c, const std::string& side,
         const std::string& top);

// The eight corners of a box centred on (cx, cy) from height z0, half-widths
// w and l, height h, turned about the vertical by the turn whose half-angle
// tangent is t (exact arithmetic, the same corners on every platform).
std::array<Point, 8> turnedBox(double cx, double cy, double z0, double w, double l, double h,
                               double t);

// `n` boxes of random size and place, some turned about the vertical axis,
// so that they overlap and cut one another; four textures.
void randomBoxes(KilnState& k, std::uint32_t seed, int n);

// An object recorded under tests/data/converter/objects, one polygon a line
// (texture, then x y z u v of every corner, then "#" and red green blue alpha
// of every corner when it has colours), read as above: "stand3" and "stand8"
// (grandstands with concave stair-shaped side walls), "fence4" and "fence6"
// (double-sided panels between box posts), "outlines2", "outlines5" and
// "outlines7" (star-shaped concave outlines in turned planes, some coloured,
// an L, a U and a twisted quad that is not flat), "ball2" and "ball5" (closed
// lumpy balls, nearly every triangle in a plane of its own).
void recordedObject(KilnState& k, const std::string& name);

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
