#pragma once
// Cutting ears off a polygon given by its corners in boundary order. The
// converter cuts every polygon it reads this way (so that the game draws only
// convex pieces), and the editor's view fills polygons with the same pieces,
// so both show the same shape.
//
// A polygon's direction is its area normal (Newell's normal, in double
// precision): a corner is reflex when it turns against that direction. The
// converter has always measured corners against the sum of their corner
// vectors instead; for a spiky outline (a star of four or more tips) that sum
// points the wrong way and tips are taken for reflex corners. Where the two
// agree on every corner the old measure is kept, so that every polygon it
// handled right is cut exactly as before.

#include <array>
#include <span>
#include <vector>

namespace meshsmith::geometry {

using Point3f = std::array<float, 3>;
using Vector3d = std::array<double, 3>;

// Twice the vector area of the closed outline (Newell's normal), from the
// float corners in double precision: it points to where the outline runs
// counter-clockwise. Zero for fewer than three corners or no area.
Vector3d areaNormal(std::span<const Point3f> outline);

// The corner vector at `here` between `prev` and `next`, in single precision:
// (next - here) x (prev - next), twice the area of the triangle (prev, here,
// next) along its normal.
Point3f cornerVector(const Point3f& prev, const Point3f& here, const Point3f& next);

// For every corner, whether it is reflex (turns against the outline's area
// normal by more than rounding). Corners along a straight edge are not
// reflex. An outline without area keeps the old measure.
std::vector<bool> reflexCorners(std::span<const Point3f> outline);

// Whether the triangle holds one of `points` inside or on one of its edges
// (not at a corner); a degenerate triangle holds none. Single precision, with
// the converter's tolerance of 0.0001 on the side tests.
bool triangleHoldsAny(const std::array<Point3f, 3>& triangle, std::span<const Point3f> points);

// The ears cut off the outline, in order: each entry is the position of the
// ear's middle corner in the outline as it stands when that ear is cut; the
// ear is the triangle (previous, middle, next) and the middle corner leaves
// the outline. Cutting goes on while the outline has more than three corners
// and a reflex corner or more than `maxKept` corners. An ear is the first
// non-reflex position whose triangle holds no reflex corner. When there is
// none (an outline that crosses itself), the cutting stops, unless more than
// `maxKept` corners remain: then the first non-reflex corner (or position 0)
// is cut until they fit.
std::vector<int> earCuts(std::span<const Point3f> outline, int maxKept);

// The triangles that fill the outline as the game draws a converted polygon:
// the ears of earCuts(outline, 10), then a fan from the first corner over
// what remains. Positions into `outline`; none for fewer than three corners.
std::vector<std::array<int, 3>> fillTriangles(std::span<const Point3f> outline);

} // namespace meshsmith::geometry
