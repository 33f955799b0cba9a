#pragma once
// The plane tests every stage of the converter rests on.

#include "kiln_state.hpp"

namespace meshsmith::kiln {

// 1 above 0.0001, -1 below -0.0001, else 0 (the float compared in double precision).
int signum(float v);
// The same with the tolerance 0.001 (collision planes).
int signum_coll(float v);

inline constexpr int kStraddles = 999;
inline constexpr int kUnhandledRelation = 77777;

// Relation of polygon `polyNum` to plane `planeNum`: 1 in front, -1 behind,
// 0 in the plane (every vertex within 0.001), 999 straddling. A distance that
// is not a number prints "\nUnhandled exception in PolyPlaneREL\n" and gives 77777.
int PolyPlaneREL(const KilnState& k, int polyNum, int planeNum);

} // namespace meshsmith::kiln
