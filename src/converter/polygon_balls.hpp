#pragma once
// A ball round the vertices of a polygon, and a bound that tells when the
// ball is so far from a plane that PolyPlaneREL can only answer 1 or -1: every
// vertex is then more than the tolerance away from the plane, all on one
// side, so the polygon neither lies in the plane (0) nor straddles it (999).
// Loops that look for polygons in or across a plane skip the exact test for
// such pairs; PolyPlaneREL still decides every other pair. The bound keeps a
// wide margin for the rounding of both computations, so it never skips a pair
// that PolyPlaneREL would place in or across the plane.

#include "kiln_state.hpp"

#include <cmath>
#include <limits>

namespace meshsmith::kiln {

struct PolygonBall {
    double x = 0, y = 0, z = 0; // centre
    // Radius, a little larger than the farthest vertex; infinite for a
    // polygon without a usable ball (no vertex, or not finite).
    double reach = std::numeric_limits<double>::infinity();
    double extent = 0; // the largest magnitude of a centre coordinate, plus reach
};

// The ball of polygon `polyNum`: centred on the mean of its vertices, reaching
// every vertex. Non-finite coordinates give no usable ball.
PolygonBall ballOf(const KilnState& k, int polyNum);

// A plane prepared for many bound tests.
struct PlaneBound {
    double a = 0, b = 0, c = 0, d = 0;
    double norm = 0;   // at least the length of (a, b, c); infinite when not finite
    double absSum = 0; // |a| + |b| + |c|
    double absD = 0;
};

PlaneBound planeBound(const KilnState& k, int planeNum);

// PolyPlaneREL's tolerance is 0.001 in single precision. A vertex more than
// kClearDistance from the plane (exactly) is computed farther than the
// tolerance: the double sum is off by about 1e-16 of its terms' magnitude,
// the rounding to single precision by 6e-8 of the distance.
inline constexpr double kClearDistance = 0.0011;
// Room for the rounding of the sums of both tests, relative to the magnitude
// of their terms (double sums are good to about 1e-15 of it).
inline constexpr double kRelativeRoom = 1e-9;

// True when the ball is certainly clear of the plane: PolyPlaneREL of the
// polygon with the plane is 1 or -1. False says nothing. Every vertex's
// distance is within |n| * reach of the centre's.
inline bool clearOf(const PlaneBound& plane, const PolygonBall& ball) {
    const double centre = plane.a * ball.x + plane.b * ball.y + plane.c * ball.z + plane.d;
    const double room = kRelativeRoom * (plane.absSum * ball.extent + plane.absD);
    // NaN and infinite terms compare false: nothing is skipped.
    return std::fabs(centre) > kClearDistance + plane.norm * ball.reach + room;
}

} // namespace meshsmith::kiln
